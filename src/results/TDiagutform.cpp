#include "results/TDiagutform.h"

#include "platform/Printing.h"
#include "frame/TDiagnosPost.h"
#include "results/protokolltabell.h"

#include <QPainter>
#include <QPen>
#include <QTableWidget>

#include <cmath>

PermanentWindow<TDiagutform> Diagutform([] { return new TDiagutform; },
                                        [](TDiagutform *fonster) { delete fonster; });

TDiagutform::TDiagutform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Diagutform"));
    setWindowTitle(QStringLiteral("Varmiko"));
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
}

bool TDiagutform::SkrivutDiaggen(QWidget *dialogParent)
{
    const int rader = StringGrid1->rowCount();
    const int kolumner = qMin(StringGrid1->columnCount(), ProtokollKolumner);
    auto cell = [this, kolumner](int r, int c) {
        const QTableWidgetItem *item = c < kolumner ? StringGrid1->item(r, c) : nullptr;
        return item ? item->text() : QString();
    };
    const QString rubrik = QStringLiteral("Diagnosprotokoll från Varmiko för ") + AktivDiagnos.Namn
                           + QLatin1Char('.');

    return Printing::print(QStringLiteral("Diagnosprotokoll"), [&](Printing::Sheet &s) {
        QPainter &p = s.painter();
        const int vanster = s.xMmToPixel(15);
        const int hoger = s.xMmToPixel(195) + 1;
        // The 180 mm between the margins, as 6/7 of the page.
        const int inre = int(std::lround(double(s.pageWidth()) * 6 / 7));
        const int kolumn2Forskjutning = 30;
        auto skriv = [&p](int x, int yTopp, const QString &text) {
            p.drawText(x, yTopp + p.fontMetrics().ascent(), text);
        };

        std::array<int, ProtokollKolumner> start{};
        for (int c = 1; c < ProtokollKolumner; ++c)
            start[size_t(c)] = int(std::lround(double(KolumnProcent[c]) * s.pageWidth() * 6 / 7 / 100));
        std::array<int, ProtokollKolumner> bredd{};
        for (int c = 0; c < ProtokollKolumner; ++c)
            bredd[size_t(c)] = (c + 1 < ProtokollKolumner ? start[size_t(c + 1)] : inre) - start[size_t(c)];

        QPen pen(Qt::black);
        pen.setWidth(qMax(1, s.xMmToPixel(0.25)));
        p.setPen(pen);

        int y = 2;
        s.setFont(QStringLiteral("Arial"), 12, true);
        s.text(20, y + 2, rubrik);
        y += 10;

        // The columns come from the screen's proportions; on paper each must
        // still hold its widest text, or texts would run over the lines.
        for (int punkt = 12;; --punkt) {
            s.setFont(QStringLiteral("Arial"), punkt, true);
            std::array<int, ProtokollKolumner> behov{};
            for (int c = 0; c < ProtokollKolumner; ++c) {
                int bredast = 0;
                for (int r = 0; r < rader; ++r)
                    bredast = qMax(bredast, s.textWidth(cell(r, c)));
                behov[size_t(c)] = bredast + s.xMmToPixel(1.5) + (c == 2 ? kolumn2Forskjutning : 0);
            }
            if (passaKolumner(bredd, behov) || punkt <= 6)
                break;
        }
        for (int c = 1; c < ProtokollKolumner; ++c)
            start[size_t(c)] = start[size_t(c - 1)] + bredd[size_t(c - 1)];

        for (int r = 0; r < rader; ++r) {
            const bool sista = r == rader - 1;
            const int y0 = s.yMmToPixel(y);
            const int y1 = s.yMmToPixel(y + 10);
            p.drawLine(vanster - 1, y0, vanster - 1, y1);
            p.drawLine(vanster - 1, y0, hoger, y0);
            skriv(vanster, s.yMmToPixel(y + (sista ? 3 : 2)), cell(r, 0));
            for (int c = 1; c < ProtokollKolumner; ++c) {
                const int x = vanster + start[size_t(c)];
                p.drawLine(x, y0, x, y1);
                const int nedat = (c <= 2 && !sista) ? 2 : 3;
                skriv(x + (c == 2 ? kolumn2Forskjutning : 0), s.yMmToPixel(y + nedat), cell(r, c));
            }
            p.drawLine(hoger, y0, hoger, y1);
            y += 8;
        }
        p.drawLine(vanster - 1, s.yMmToPixel(y + 2), hoger, s.yMmToPixel(y + 2));
    }, dialogParent);
}
