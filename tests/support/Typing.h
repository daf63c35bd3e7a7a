#pragma once
// Types text into a widget one key at a time, as a pupil would. Works for
// ä, ö, ü, ß and other letters that QTest::keyClicks cannot type.

#include <QString>

class QWidget;

void typeText(QWidget *w, const QString &text);

