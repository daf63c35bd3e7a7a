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
#include <QRegularExpression>

#include <cmath>

namespace Printing {

namespace {

QString &senastePdf()
{
    static QString fil;
    return fil;
}

// The next free "utskrift-NNN.pdf" in dir: one above the highest number there.
QString nastaPdfFil(const QString &dir)
{
    static const QRegularExpression monster(QStringLiteral("^utskrift-(\\d+)\\.pdf$"));
    int hogsta = 0;
    const QStringList filer = QDir(dir).entryList({QStringLiteral("utskrift-*.pdf")}, QDir::Files);
    for (const QString &f : filer) {
        const QRegularExpressionMatch m = monster.match(f);
        if (m.hasMatch())
            hogsta = std::max(hogsta, m.captured(1).toInt());
    }
    return QDir(dir).filePath(QStringLiteral("utskrift-%1.pdf").arg(hogsta + 1, 3, 10, QLatin1Char('0')));
}

int avrunda(double v)
{
    return int(std::lround(v));
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
    return avrunda(double(m_width) / A4BreddMm * mm);
}

int Sheet::yMmToPixel(double mm) const
{
    return avrunda(double(m_height) / A4HojdMm * mm);
}

int Sheet::yPixelToMm(int pixels) const
{
    return avrunda(double(A4HojdMm) / m_height * pixels);
}

int Sheet::xPixelToMm(int pixels) const
{
    return avrunda(double(A4BreddMm) / m_width * pixels);
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

int Sheet::textHeight(const QString &text) const
{
    Q_UNUSED(text);
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
    const QPen old = m_painter.pen();
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, yMmToPixel(widthMm)));
    m_painter.setPen(pen);
    m_painter.drawLine(xMmToPixel(x1Mm), yMmToPixel(y1Mm), xMmToPixel(x2Mm), yMmToPixel(y2Mm));
    m_painter.setPen(old);
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
    senastePdf().clear();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(documentName);

    int kopior = 1;
    const QString pdfKatalog = qEnvironmentVariable("VARMIKO_PRINT_PDF_DIR");
    if (!pdfKatalog.isEmpty()) {
        if (!QFileInfo(pdfKatalog).isDir()) {
            MessageBox::warning(QStringLiteral("Katalogen ") + pdfKatalog
                                + QStringLiteral(" för utskrifter finns inte."));
            return false;
        }
        const QString fil = nastaPdfFil(pdfKatalog);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fil);
        senastePdf() = fil;
        bool ok = false;
        const int n = qEnvironmentVariableIntValue("VARMIKO_PRINT_COPIES", &ok);
        kopior = ok && n > 0 ? n : 1;
    } else {
        QPrintDialog dialog(&printer, dialogParent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        // A printer that makes copies itself gets the count from the dialog;
        // otherwise the document is drawn once per copy.
        kopior = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString mal = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        MessageBox::warning(QStringLiteral("Utskriften kunde inte startas (") + mal + QStringLiteral(")."));
        senastePdf().clear();
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
    return true;
}

QString lastPdfFile()
{
    return senastePdf();
}

} // namespace Printing
