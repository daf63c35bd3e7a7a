#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>

namespace {

QByteArray run(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput();
}

} // namespace

bool havePdfTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QList<QStringList> pdfPageLines(const QString &file)
{
    const QString text = QString::fromUtf8(run({QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                file, QStringLiteral("-")}));
    QList<QStringList> pages;
    QStringList sides = text.split(QLatin1Char('\f'));
    // pdftotext ends the last page with a form feed too.
    if (!sides.isEmpty() && sides.last().trimmed().isEmpty())
        sides.removeLast();
    for (const QString &side : sides) {
        QStringList lines;
        for (QString l : side.split(QLatin1Char('\n'))) {
            while (l.endsWith(QLatin1Char(' ')))
                l.chop(1);
            if (!l.isEmpty())
                lines << l;
        }
        pages << lines;
    }
    return pages;
}

QList<PdfWord> pdfWords(const QString &file)
{
    const QString html = QString::fromUtf8(run({QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                file, QStringLiteral("-")}));
    static const QRegularExpression tag(QStringLiteral(
        "<page [^>]*>|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    constexpr double mmPerPoint = 25.4 / 72.0;
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        PdfWord w;
        w.page = page;
        w.xMm = m.captured(1).toDouble() * mmPerPoint;
        w.yMm = m.captured(2).toDouble() * mmPerPoint;
        w.bottomMm = m.captured(3).toDouble() * mmPerPoint;
        w.text = QTextDocumentFragment::fromHtml(m.captured(4)).toPlainText();
        words << w;
    }
    return words;
}
