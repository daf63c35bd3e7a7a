#pragma once
// Types text into a widget one key at a time, as a pupil would. Works for
// ä, ö, ü, ß and other letters that QTest::keyClicks cannot type.

#include <QString>

class QWidget;

void typeText(QWidget *w, const QString &text);

// Types text and presses Enter.
void typeAndEnter(QWidget *w, const QString &text);

// Puts the focus in the field, types text and presses Enter: an answer as
// a pupil gives it.
void typeAnswer(QWidget *field, const QString &text);
