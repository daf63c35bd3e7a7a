#pragma once
// The plainest exercise: numbered questions whose answers name the same
// number, so that a test can answer any item it is shown.

#include <QString>
#include <QStringList>

// The head lines, then n items "Frage i#Antwort i".
inline QStringList frageOvning(int n, const QStringList &huvud = {})
{
    QStringList l = huvud;
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Frage %1#Antwort %1").arg(i);
    return l;
}

// The right answer to a question of frageOvning ("Frage 3" → "Antwort 3").
inline QString svarPa(const QString &fraga)
{
    return QString(fraga).replace(QStringLiteral("Frage"), QStringLiteral("Antwort"));
}
