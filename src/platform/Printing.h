#pragma once
// Printing on A4 paper, with positions in millimetres from the paper's
// top-left corner, converted through the printer's own resolution.
//
// One document is one print job: its pages are separated with
// Sheet::newPage(), so a printer gets a single job and a PDF keeps every
// page.
//
// Normally a print dialog asks for the printer and the number of copies.
// When the environment variable VARMIKO_PRINT_PDF_DIR names a directory, no
// dialog opens: every job is written there as a new numbered PDF file
// ("utskrift-001.pdf", "utskrift-002.pdf", ...), holding
// VARMIKO_PRINT_COPIES copies (default 1) one after the other.

#include <QFont>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace Printing {

inline constexpr int A4BreddMm = 210;
inline constexpr int A4HojdMm = 297;

// The drawing surface of one print job.
class Sheet
{
public:
    Sheet(QPrinter &printer, QPainter &painter);

    // The page in printer pixels.
    int pageWidth() const { return m_width; }
    int pageHeight() const { return m_height; }

    // Millimetres to printer pixels: across round(width / 210 × mm), down
    // round(height / 297 × mm).
    int xMmToPixel(double mm) const;
    int yMmToPixel(double mm) const;
    // Printer pixels to whole millimetres: down round(297 / height × pixels),
    // across round(210 / width × pixels).
    int yPixelToMm(int pixels) const;
    int xPixelToMm(int pixels) const;

    // The font for the following text; sizes in points are true printed sizes.
    void setFont(const QString &family, int pointSize, bool bold = false, bool italic = false);
    void setFont(const QFont &font);
    QFont font() const;

    // Height (ascent + descent) and width of a text in printer pixels.
    int textHeight(const QString &text) const;
    int textWidth(const QString &text) const;

    // Prints text with the top-left corner of its line at (xMm, yMm).
    void text(double xMm, double yMm, const QString &text);
    // A straight line, widthMm thick.
    void line(double x1Mm, double y1Mm, double x2Mm, double y2Mm, double widthMm = 0.3);

    // Ends the page and starts the next one of the same job.
    void newPage();
    // The page being drawn, 1 for the first page of each copy.
    int page() const { return m_page; }

    // For drawing that the functions above do not cover (pixel units).
    QPainter &painter() { return m_painter; }
    QPrinter &printer() { return m_printer; }

private:
    friend bool print(const QString &, const std::function<void(Sheet &)> &, QWidget *);
    void startCopy();

    QPrinter &m_printer;
    QPainter &m_painter;
    int m_width = 1;
    int m_height = 1;
    int m_page = 1;
};

// Prints one document as one job. draw is called once for every copy that
// the printer does not make itself, each copy beginning on a new page. False
// when the dialog was cancelled or the output could not be opened (the user
// has then been told why).
bool print(const QString &documentName, const std::function<void(Sheet &)> &draw,
           QWidget *dialogParent = nullptr);

// The PDF file the last job was written to in PDF mode; empty otherwise.
QString lastPdfFile();

} // namespace Printing
