#pragma once
// Reads a printed PDF back with poppler's tools: the text of each page (as
// laid out on paper) and the fonts of its words.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The text of every page of file, pdftotext -layout; empty when it can't be read.
inline QStringList pdfPages(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The lines of text printed in a bold font (pdftohtml -xml marks them <b>).
inline QStringList pdfBoldLines(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftohtml"), {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"),
                                         QStringLiteral("-q"), file});
    if (!p.waitForFinished(30000))
        return {};
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    QStringList lines;
    static const QRegularExpression text(QStringLiteral("<text [^>]*>(.*)</text>"));
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    for (auto m = text.globalMatch(xml); m.hasNext();) {
        const QString inner = m.next().captured(1);
        if (inner.contains(QLatin1String("<b>")))
            lines << QString(inner).remove(tags).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    }
    return lines;
}
