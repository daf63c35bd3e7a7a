#include "Typing.h"

#include <QTest>
#include <QWidget>

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

void typeAndEnter(QWidget *w, const QString &text)
{
    typeText(w, text);
    QTest::keyClick(w, Qt::Key_Return);
}

void typeAnswer(QWidget *field, const QString &text)
{
    field->setFocus();
    typeAndEnter(field, text);
}
