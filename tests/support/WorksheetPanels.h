#pragma once
// Drives the worksheet panels of an exercise window as a teacher does: only a
// button of the panel in front can be clicked.

#include "platform/Printing.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

// The lines of a list of the printing window.
inline QStringList listRader(const QListWidget *l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

// The panel the teacher sees: the topmost visible one of the window's
// worksheet panels.
inline QString framstaPanel(const QWidget *fonster)
{
    static const QStringList paneler{QStringLiteral("SkrivutPanel1"), QStringLiteral("SkrivutAntalPanel"),
                                     QStringLiteral("SkrivutValPanel"), QStringLiteral("SkrivutListValPanel"),
                                     QStringLiteral("SkrivutSvarPanel")};
    const auto *hela = fonster->findChild<QFrame *>(QStringLiteral("SkrivutHelaPanelen"));
    QString namn;
    if (!hela || !hela->isVisible())
        return namn;
    for (QObject *o : hela->children()) {
        auto *w = qobject_cast<QFrame *>(o);
        if (w && paneler.contains(w->objectName()) && w->isVisible())
            namn = w->objectName();
    }
    return namn;
}

// Clicks the button named namn when the teacher can: visible, enabled and on
// the panel in front.
inline bool klickaPanelknapp(QWidget *fonster, const QString &namn)
{
    auto *b = fonster->findChild<QPushButton *>(namn);
    if (!b || !b->isVisible() || !b->isEnabled() || b->parentWidget()->objectName() != framstaPanel(fonster)) {
        qWarning("%s can't be clicked (front panel %s)", qPrintable(namn), qPrintable(framstaPanel(fonster)));
        return false;
    }
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

// Adds to the sheet as the teacher does: the count's first items ("Klart")
// or the item on screen ("Skickas till utskrift").
inline bool laggTillArbetsbladet(QWidget *fonster, bool franKlart)
{
    if (franKlart)
        return klickaPanelknapp(fonster, QStringLiteral("SkrivutAntalButton"))
               && klickaPanelknapp(fonster, QStringLiteral("SkrivutKlartButton"));
    return klickaPanelknapp(fonster, QStringLiteral("ValjaUtButton"))
           && klickaPanelknapp(fonster, QStringLiteral("SkrivutSkickaButton"));
}

// Prints the sheet without and then with the answers from the print panel;
// blad and facit get the two files written.
inline bool skrivUtBladOchFacit(QWidget *fonster, QString &blad, QString &facit)
{
    if (!klickaPanelknapp(fonster, QStringLiteral("Skrivut2Button"))
        || !klickaPanelknapp(fonster, QStringLiteral("SkrivutUtanButton")))
        return false;
    blad = Printing::lastPdfFile();
    if (!klickaPanelknapp(fonster, QStringLiteral("SkrivutMedButton")))
        return false;
    facit = Printing::lastPdfFile();
    return true;
}
