#include "platform/Printing.h"

#include "platform/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace Printing {

namespace {

QString &pdfFil()
{
    static QString fil;
    return fil;
}

// "utskrift-NNN.pdf" with the number one above every such file in dir.
QString nyPdfFil(const QString &dir)
{
    const QDir d(dir);
    int hogst = 0;
    const QStringList filer = d.entryList({QStringLiteral("utskrift-*.pdf")}, QDir::Files);
    for (const QString &f : filer) {
        bool ok = false;
        const int n = f.mid(9, f.size() - 13).toInt(&ok);
        if (ok)
            hogst = std::max(hogst, n);
    }
    return d.filePath(QStringLiteral("utskrift-%1.pdf").arg(hogst + 1, 3, 10, QLatin1Char('0')));
}

} // namespace

Sheet::Sheet(QPrinter &printer, QPainter &painter)
    : m_printer(printer)
    , m_painter(painter)
    , m_width(std::max(1, printer.width()))
    , m_height(std::max(1, printer.height()))
{
}

int Sheet::xMmToPixel(double mm) const
{
    return int(std::lround(double(m_width) / A4BreddMm * mm));
}

int Sheet::yMmToPixel(double mm) const
{
    return int(std::lround(double(m_height) / A4HojdMm * mm));
}

int Sheet::yPixelToMm(int pixels) const
{
    return int(std::lround(double(A4HojdMm) / m_height * pixels));
}

int Sheet::xPixelToMm(int pixels) const
{
    return int(std::lround(double(A4BreddMm) / m_width * pixels));
}

void Sheet::setFont(const QString &family, int pointSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSize(std::max(1, pointSize));
    f.setBold(bold);
    f.setItalic(italic);
    setFont(f);
}

void Sheet::setFont(const QFont &font)
{
    m_painter.setFont(font);
}

QFont Sheet::font() const
{
    return m_painter.font();
}

int Sheet::textHeight(const QString &) const
{
    const QFontMetrics fm = m_painter.fontMetrics();
    return fm.ascent() + fm.descent();
}

int Sheet::textWidth(const QString &text) const
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

void Sheet::text(double xMm, double yMm, const QString &text)
{
    m_painter.drawText(xMmToPixel(xMm), yMmToPixel(yMm) + m_painter.fontMetrics().ascent(), text);
}

void Sheet::line(double x1Mm, double y1Mm, double x2Mm, double y2Mm, double widthMm)
{
    const QPen forra = m_painter.pen();
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, yMmToPixel(widthMm)));
    m_painter.setPen(pen);
    m_painter.drawLine(xMmToPixel(x1Mm), yMmToPixel(y1Mm), xMmToPixel(x2Mm), yMmToPixel(y2Mm));
    m_painter.setPen(forra);
}

void Sheet::newPage()
{
    m_printer.newPage();
    ++m_page;
}

void Sheet::startCopy()
{
    m_page = 1;
}

bool print(const QString &documentName, const std::function<void(Sheet &)> &draw, QWidget *dialogParent)
{
    pdfFil().clear();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(documentName);

    int kopior = 1;
    const QString katalog = qEnvironmentVariable("VARMIKO_PRINT_PDF_DIR");
    if (!katalog.isEmpty()) {
        if (!QFileInfo(katalog).isDir()) {
            MessageBox::warning(QStringLiteral("Katalogen ") + QDir::toNativeSeparators(katalog)
                                + QStringLiteral(" för utskrifter finns inte."));
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(nyPdfFil(katalog));
        bool ok = false;
        const int n = qEnvironmentVariableIntValue("VARMIKO_PRINT_COPIES", &ok);
        kopior = ok && n > 0 ? n : 1;
    } else {
        QPrintDialog dialog(&printer, dialogParent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        // A printer that makes its copies itself has the count already; for
        // any other the document is drawn once per copy.
        kopior = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString mal = printer.outputFileName().isEmpty() ? printer.printerName()
                                                              : QDir::toNativeSeparators(printer.outputFileName());
        MessageBox::warning(QStringLiteral("Utskriften kunde inte startas (") + mal + QStringLiteral(")."));
        return false;
    }
    Sheet sheet(printer, painter);
    for (int k = 0; k < kopior; ++k) {
        if (k > 0)
            printer.newPage();
        sheet.startCopy();
        draw(sheet);
    }
    painter.end();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        pdfFil() = printer.outputFileName();
    return true;
}

QString lastPdfFile()
{
    return pdfFil();
}

} // namespace Printing
