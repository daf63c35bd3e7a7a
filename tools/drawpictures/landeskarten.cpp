// The map of Germany's sixteen federal states and the black, red and gold
// flag. The map is drawn from an outline of the country in degrees and a few
// seed points inside each state: every point of the country belongs to the
// state of the nearest seed, which gives borders close enough for a school
// map; the city states are small round areas of their own.

#include "landeskarten.h"

#include "bildfil.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <vector>

namespace {

struct Grad
{
    double lon;
    double lat;
};

// The country's outline, clockwise from the Danish border on the North Sea.
const Grad umriss[] = {
    {8.66, 54.91},  {9.00, 54.87},  {9.43, 54.83},  {9.90, 54.78},  {10.03, 54.67}, {9.85, 54.47},
    {10.15, 54.43}, {10.60, 54.38}, {11.10, 54.45}, {11.05, 54.20}, {10.80, 54.10}, {10.87, 53.96},
    {11.20, 54.00}, {11.45, 53.90}, {11.60, 54.00}, {11.75, 54.15}, {12.08, 54.18}, {12.40, 54.35},
    {12.60, 54.45}, {12.90, 54.44}, {13.10, 54.55}, {13.35, 54.68}, {13.65, 54.55}, {13.70, 54.30},
    {13.80, 54.15}, {14.10, 54.00}, {14.23, 53.93}, {14.27, 53.70}, {14.40, 53.33}, {14.28, 53.06},
    {14.15, 52.87}, {14.63, 52.58}, {14.55, 52.35}, {14.65, 52.15}, {14.72, 51.95}, {14.65, 51.75},
    {14.72, 51.55}, {14.99, 51.15}, {14.82, 50.87}, {14.60, 50.92}, {14.35, 51.03}, {14.25, 50.88},
    {13.90, 50.79}, {13.55, 50.70}, {13.20, 50.60}, {12.95, 50.42}, {12.55, 50.40}, {12.33, 50.24},
    {12.10, 50.32}, {12.20, 50.10}, {12.45, 49.95}, {12.55, 49.60}, {12.85, 49.30}, {13.20, 49.10},
    {13.65, 48.90}, {13.83, 48.77}, {13.45, 48.57}, {13.03, 48.25}, {12.83, 48.17}, {12.98, 47.80},
    {13.00, 47.50}, {12.75, 47.67}, {12.17, 47.58}, {11.60, 47.58}, {11.26, 47.44}, {10.98, 47.42},
    {10.70, 47.57}, {10.45, 47.55}, {10.25, 47.28}, {10.10, 47.50}, {9.70, 47.55},  {9.48, 47.65},
    {9.17, 47.77},  {9.17, 47.66},  {8.70, 47.70},  {8.40, 47.60},  {8.20, 47.60},  {7.80, 47.56},
    {7.60, 47.58},  {7.55, 47.80},  {7.58, 48.03},  {7.70, 48.30},  {7.80, 48.57},  {8.00, 48.75},
    {8.23, 48.97},  {7.90, 49.05},  {7.60, 49.08},  {7.30, 49.12},  {7.05, 49.12},  {6.75, 49.17},
    {6.55, 49.35},  {6.37, 49.47},  {6.53, 49.80},  {6.30, 49.87},  {6.13, 50.13},  {6.40, 50.33},
    {6.25, 50.55},  {6.00, 50.77},  {6.08, 50.92},  {5.87, 51.05},  {6.17, 51.18},  {6.20, 51.37},
    {6.10, 51.60},  {5.98, 51.83},  {6.20, 51.87},  {6.72, 51.90},  {6.80, 52.00},  {7.05, 52.23},
    {6.70, 52.45},  {7.05, 52.63},  {7.20, 53.00},  {7.20, 53.25},  {7.20, 53.35},  {7.05, 53.55},
    {7.20, 53.60},  {7.60, 53.70},  {8.00, 53.70},  {8.10, 53.55},  {8.20, 53.40},  {8.45, 53.70},
    {8.55, 53.55},  {8.50, 53.75},  {8.70, 53.87},  {9.00, 53.85},  {9.15, 53.90},  {8.85, 54.05},
    {8.85, 54.13},  {8.90, 54.30},  {8.60, 54.32},  {9.00, 54.48},  {8.80, 54.60},  {8.70, 54.75},
};

struct Land
{
    QColor farbe;
    std::vector<Grad> kerne;
};

// The states with their colours and seed points.
const Land laender[] = {
    {QColor(160, 200, 235), {{8.9, 54.6}, {9.5, 54.6}, {9.4, 54.3}, {9.8, 54.1}, {10.3, 54.25}, {9.3, 53.95},
                             {10.3, 53.75}, {10.65, 53.6}}}, // Schleswig-Holstein
    {QColor(190, 220, 140), {{7.4, 53.3}, {7.8, 52.7}, {8.5, 53.0}, {8.3, 52.4}, {9.2, 53.3}, {9.2, 52.7}, {9.8, 52.3},
                             {10.4, 52.8}, {10.6, 52.2}, {10.2, 51.7}, {9.9, 51.5}, {11.0, 53.0}}}, // Niedersachsen
    {QColor(245, 220, 130), {{11.3, 53.7}, {11.9, 53.9}, {12.2, 53.5}, {12.9, 53.9}, {13.3, 54.35}, {13.5, 53.7},
                             {13.8, 53.75}, {11.6, 53.35}}}, // Mecklenburg-Vorpommern
    {QColor(225, 185, 150), {{12.3, 53.0}, {13.3, 53.1}, {14.0, 52.9}, {12.6, 52.4}, {14.2, 52.3}, {13.3, 52.0},
                             {14.1, 51.8}, {13.4, 51.6}, {11.95, 53.1}}}, // Brandenburg
    {QColor(240, 200, 110), {{11.5, 52.8}, {11.75, 52.4}, {11.4, 52.0}, {12.1, 51.75}, {11.8, 51.4}, {12.6, 51.85},
                             {11.0, 51.75}}}, // Sachsen-Anhalt
    {QColor(205, 185, 235), {{12.4, 51.35}, {13.0, 51.1}, {13.7, 51.05}, {14.4, 51.2}, {12.5, 50.6}, {13.3, 50.75},
                             {13.0, 51.5}}}, // Sachsen
    {QColor(245, 170, 170), {{10.6, 51.05}, {11.0, 51.0}, {11.7, 50.85}, {11.0, 50.5}, {10.8, 51.35}, {12.1, 50.9},
                             {10.5, 50.6}}}, // Thüringen
    {QColor(240, 175, 130), {{6.7, 51.4}, {7.3, 51.5}, {8.0, 51.6}, {8.8, 51.8}, {7.3, 52.0}, {6.7, 51.85}, {7.9, 52.1},
                             {6.6, 50.8}, {7.2, 50.9}, {8.1, 51.1}, {6.45, 50.5}, {8.7, 52.2}}}, // Nordrhein-Westfalen
    {QColor(165, 195, 240), {{8.7, 50.1}, {9.0, 50.5}, {9.4, 51.0}, {9.4, 51.4}, {8.6, 49.7}, {8.3, 50.3}, {9.9, 50.8},
                             {9.7, 50.5}, {8.8, 51.1}, {8.35, 50.15}, {8.2, 50.11}}}, // Hessen (Wiesbaden north of the Rhine)
    {QColor(235, 225, 140), {{7.6, 50.4}, {6.8, 50.2}, {7.3, 49.8}, {8.1, 49.4}, {7.7, 49.2}, {6.65, 49.75},
                             {7.9, 50.6}, {8.15, 49.9}, {8.25, 49.96}}}, // Rheinland-Pfalz (Mainz south of it)
    {QColor(215, 160, 200), {{6.95, 49.38}, {6.8, 49.45}}}, // Saarland
    {QColor(250, 190, 150), {{8.4, 48.9}, {9.2, 48.8}, {8.3, 48.3}, {8.0, 47.9}, {8.9, 48.0}, {9.6, 48.2}, {9.9, 48.8},
                             {9.5, 49.3}, {8.7, 49.35}, {9.6, 47.8}, {10.1, 48.7}}}, // Baden-Württemberg
    {QColor(180, 220, 170), {{11.5, 48.2}, {12.5, 48.5}, {10.8, 48.4}, {11.0, 49.4}, {12.1, 49.3}, {10.0, 49.8},
                             {11.3, 50.1}, {10.4, 47.75}, {12.3, 47.85}, {13.1, 48.8}, {9.3, 49.9}, {11.6, 48.9},
                             {12.2, 49.9}}}, // Bayern
};

struct Stadtstaat
{
    Grad mitte;
    double radius; // in degrees of latitude
    QColor farbe;
};

const Stadtstaat stadtstaaten[] = {
    {{13.40, 52.51}, 0.18, QColor(210, 80, 70)},   // Berlin
    {{10.00, 53.57}, 0.16, QColor(230, 120, 110)}, // Hamburg
    {{8.80, 53.08}, 0.11, QColor(240, 160, 90)},   // Bremen
    {{8.58, 53.55}, 0.05, QColor(240, 160, 90)},   // Bremerhaven
};

enum class Art
{
    Hauptstadt,      // the capital of the country
    Landeshauptstadt, // the capital of a state (the city states count)
    Grossstadt,      // another large city
};

struct Stadt
{
    const char *name;
    Grad ort;
    Art art;
    int groesse; // 1 shown on every map, 2 from the middle size, 3 on the largest
    bool links;  // name to the left of the mark
    qreal hoch;  // the name moved up by this many name heights (down when negative)
    bool leine = false; // a short line from the mark to its name, which stands off it
};

const Stadt staedte[] = {
    {"Berlin", {13.40, 52.52}, Art::Hauptstadt, 1, false, 0},
    {"Hamburg", {9.99, 53.55}, Art::Landeshauptstadt, 1, false, 0},
    {"München", {11.58, 48.14}, Art::Landeshauptstadt, 1, false, 0},
    {"Köln", {6.96, 50.94}, Art::Grossstadt, 1, false, 0},
    {"Frankfurt", {8.68, 50.11}, Art::Grossstadt, 1, false, 0},
    {"Stuttgart", {9.18, 48.78}, Art::Landeshauptstadt, 1, false, 0},
    {"Dresden", {13.74, 51.05}, Art::Landeshauptstadt, 2, false, 0},
    {"Leipzig", {12.37, 51.34}, Art::Grossstadt, 2, true, 0},
    {"Hannover", {9.73, 52.37}, Art::Landeshauptstadt, 2, true, 0},
    {"Bremen", {8.81, 53.08}, Art::Landeshauptstadt, 2, true, 0},
    {"Nürnberg", {11.08, 49.45}, Art::Grossstadt, 2, false, 0},
    {"Kiel", {10.14, 54.32}, Art::Landeshauptstadt, 2, false, 0},
    {"Düsseldorf", {6.78, 51.23}, Art::Landeshauptstadt, 3, false, 0},
    {"Rostock", {12.10, 54.09}, Art::Grossstadt, 3, false, 0},
    {"Magdeburg", {11.63, 52.13}, Art::Landeshauptstadt, 3, false, 0},
    {"Erfurt", {11.03, 50.98}, Art::Landeshauptstadt, 3, false, 0},
    // Wiesbaden lies just across the Rhine from Mainz: its name stands above
    // it on the Hessian side, with a line to its mark, and Mainz's to the
    // left in Rheinland-Pfalz.
    {"Wiesbaden", {8.24, 50.08}, Art::Landeshauptstadt, 3, false, 1.3, true},
    {"Mainz", {8.27, 50.00}, Art::Landeshauptstadt, 3, true, -0.45},
    {"Saarbrücken", {6.99, 49.24}, Art::Landeshauptstadt, 3, false, 0},
    {"Schwerin", {11.41, 53.63}, Art::Landeshauptstadt, 3, false, 0},
    {"Potsdam", {13.06, 52.40}, Art::Landeshauptstadt, 3, true, 0},
};

// Degrees to map units: longitude shrinks with the cosine of the latitude.
constexpr double LonMin = 5.7, LonMax = 15.15, LatMin = 47.2, LatMax = 55.1;
const double Kos = std::cos(51.2 * M_PI / 180);

struct Projektion
{
    double skala;
    double x0;
    double y0;

    QPointF operator()(Grad g) const { return {x0 + (g.lon - LonMin) * Kos * skala, y0 + (LatMax - g.lat) * skala}; }
};

// The mark of a city: a star for the capital, a red dot for the capital of a
// state, an open ring for another large city.
void marke(QPainter &p, QPointF o, Art art, double punkt)
{
    switch (art) {
    case Art::Hauptstadt: {
        QPolygonF stern;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? punkt * 0.9 : punkt * 2.1;
            const double a = -M_PI / 2 + i * M_PI / 5;
            stern << o + QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(170, 0, 0));
        p.drawPolygon(stern);
        break;
    }
    case Art::Landeshauptstadt:
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(200, 20, 20));
        p.drawEllipse(o, punkt, punkt);
        break;
    case Art::Grossstadt:
        p.setPen(QPen(QColor(30, 30, 40), std::max(1.2, punkt / 2.2)));
        p.setBrush(Qt::white);
        p.drawEllipse(o, punkt * 0.9, punkt * 0.9);
        break;
    }
}

// What the three marks mean, in the North Sea corner of the map, as long as
// it fits there beside the coast.
void legende(QPainter &p, const QPainterPath &land, double punkt, int w)
{
    const struct
    {
        Art art;
        const char *text;
    } zeilen[] = {{Art::Hauptstadt, "Huvudstad"},
                  {Art::Landeshauptstadt, "Delstatshuvudstad"},
                  {Art::Grossstadt, "Annan storstad"}};
    for (int px = std::max(9, w / 34); px >= 8; --px) {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(px);
        const QFontMetricsF fm(f);
        const double zeile = std::max(fm.height(), punkt * 4.4);
        double breit = 0;
        for (const auto &z : zeilen)
            breit = std::max(breit, fm.horizontalAdvance(QString::fromUtf8(z.text)));
        const QRectF feld(3, 3, punkt * 5 + breit + 4, zeile * 3 + 4);
        if (land.intersects(feld))
            continue;
        p.setPen(QPen(QColor(150, 160, 175), 1));
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(feld, 3, 3);
        p.setFont(f);
        for (int i = 0; i < 3; ++i) {
            const double mitte = feld.top() + 2 + zeile * (i + 0.5);
            marke(p, QPointF(feld.left() + punkt * 2.5, mitte), zeilen[i].art, punkt);
            p.setPen(QColor(20, 20, 30));
            p.drawText(QPointF(feld.left() + punkt * 5, mitte + fm.ascent() / 2 - 1),
                       QString::fromUtf8(zeilen[i].text));
        }
        return;
    }
}

QImage karte(QSize groesse, int stufe)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(QColor(238, 242, 246));

    const double rand = groesse.width() * 0.04;
    const double skala = std::min((groesse.width() - 2 * rand) / ((LonMax - LonMin) * Kos),
                                  (groesse.height() - 2 * rand) / (LatMax - LatMin));
    const Projektion pr{skala, (groesse.width() - (LonMax - LonMin) * Kos * skala) / 2,
                        (groesse.height() - (LatMax - LatMin) * skala) / 2};

    QPolygonF land;
    for (const Grad &g : umriss)
        land << pr(g);
    QPainterPath pfad;
    pfad.addPolygon(land);
    pfad.closeSubpath();

    // Which pixels lie inside the country.
    QImage maske(groesse, QImage::Format_Grayscale8);
    maske.fill(0);
    {
        QPainter m(&maske);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::white);
        m.drawPath(pfad);
    }

    struct Kern
    {
        QPointF p;
        int land;
    };
    std::vector<Kern> kerne;
    for (int i = 0; i < int(std::size(laender)); ++i)
        for (const Grad &g : laender[i].kerne)
            kerne.push_back({pr(g), i});

    const int w = groesse.width(), h = groesse.height();
    const int Stadt0 = int(std::size(laender));
    std::vector<int> zuordnung(size_t(w) * h, -1);
    for (int y = 0; y < h; ++y) {
        const uchar *zeile = maske.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (zeile[x] < 128)
                continue;
            const QPointF p(x + 0.5, y + 0.5);
            int bestes = -1;
            for (int s = 0; s < int(std::size(stadtstaaten)); ++s) {
                const QPointF d = p - pr(stadtstaaten[s].mitte);
                if (std::hypot(d.x(), d.y()) <= stadtstaaten[s].radius * skala)
                    bestes = Stadt0 + s;
            }
            if (bestes < 0) {
                double naechst = 1e18;
                for (const Kern &k : kerne) {
                    const double dx = p.x() - k.p.x(), dy = p.y() - k.p.y();
                    const double d = dx * dx + dy * dy;
                    if (d < naechst) {
                        naechst = d;
                        bestes = k.land;
                    }
                }
            }
            zuordnung[size_t(y) * w + x] = bestes;
        }
    }

    // The areas, and a grey line wherever two states meet.
    const QColor grenze(110, 110, 120);
    auto farbeVon = [&](int z) {
        return z >= Stadt0 ? stadtstaaten[z - Stadt0].farbe : laender[z].farbe;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int z = zuordnung[size_t(y) * w + x];
            if (z < 0)
                continue;
            const int rechts = x + 1 < w ? zuordnung[size_t(y) * w + x + 1] : z;
            const int unten = y + 1 < h ? zuordnung[size_t(y + 1) * w + x] : z;
            const bool rand = (rechts >= 0 && rechts != z) || (unten >= 0 && unten != z);
            bild.setPixelColor(x, y, rand ? grenze : farbeVon(z));
        }

    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 50, 70), std::max(1.2, w / 220.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pfad);

    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(std::max(9, w / 30));
    schrift.setBold(true);
    p.setFont(schrift);
    const QFontMetricsF fm(schrift);
    const double punkt = std::max(2.0, w / 90.0);
    for (const Stadt &s : staedte) {
        if (s.groesse > stufe)
            continue;
        const QPointF o = pr(s.ort);
        marke(p, o, s.art, punkt);
        const QString name = QString::fromUtf8(s.name);
        const double tw = fm.horizontalAdvance(name);
        const double abstand = punkt * (s.art == Art::Hauptstadt ? 2.4 : 1.8);
        const QPointF at(s.links ? o.x() - abstand - tw : o.x() + abstand,
                         o.y() + fm.ascent() / 2 - 1 - s.hoch * fm.height());
        if (s.leine) {
            // From the mark's edge to the foot of the name's first letter.
            const QPointF fuss(s.links ? at.x() + tw : at.x() + 1, at.y() + fm.descent() / 2);
            const QPointF richtung = fuss - o;
            const double laenge = std::hypot(richtung.x(), richtung.y());
            if (laenge > punkt) {
                p.setPen(QPen(QColor(20, 20, 30), std::max(1.0, punkt / 3.5), Qt::SolidLine, Qt::RoundCap));
                p.drawLine(o + richtung * (punkt * 1.1 / laenge), fuss);
            }
        }
        // A light halo keeps the name readable on every colour.
        QPainterPath text;
        text.addText(at, schrift, name);
        p.setPen(QPen(QColor(255, 255, 255, 210), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 30));
        p.drawPath(text);
    }
    legende(p, pfad, punkt, w);
    return bild;
}

QImage flagge()
{
    const int w = 500, h = 330;
    QImage bild(w, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    // The pole with its golden knob.
    QLinearGradient stange(24, 0, 34, 0);
    stange.setColorAt(0, QColor(120, 120, 125));
    stange.setColorAt(0.5, QColor(225, 225, 230));
    stange.setColorAt(1, QColor(110, 110, 115));
    p.setPen(Qt::NoPen);
    p.setBrush(stange);
    p.drawRect(QRectF(24, 18, 10, h - 18));
    p.setBrush(QColor(212, 175, 55));
    p.drawEllipse(QPointF(29, 14), 9, 9);

    // Three bands, 5 : 3, waving gently away from the pole.
    const QColor farben[] = {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)};
    const double links = 34, oben = 48, breite = 440, hoehe = 264;
    auto welle = [&](double x) { return 7 * std::sin((x - links) / 75.0) * (x - links) / breite; };
    for (int b = 0; b < 3; ++b) {
        QPolygonF band;
        for (double x = links; x <= links + breite; x += 4)
            band << QPointF(x, oben + b * hoehe / 3 + welle(x));
        for (double x = links + breite; x >= links; x -= 4)
            band << QPointF(x, oben + (b + 1) * hoehe / 3 + welle(x));
        p.setBrush(farben[b]);
        p.drawPolygon(band);
    }
    // Light and shade of the folds.
    for (double x = links; x < links + breite; x += 2) {
        const double s = std::cos((x - links) / 75.0) * (x - links) / breite;
        const QColor c = s > 0 ? QColor(255, 255, 255, int(40 * s)) : QColor(0, 0, 0, int(-50 * s));
        p.setBrush(c);
        p.drawRect(QRectF(x, oben + welle(x), 2, hoehe));
    }
    return bild;
}

} // namespace

bool zeichneLandeskarten(const QString &ziel)
{
    struct Bild
    {
        const char *name;
        QSize groesse;
        int stufe; // 0 for the flag
    };
    const Bild bilder[] = {
        {"VRSKLAN2.BMP", QSize(180, 232), 1},
        {"VRSKLAND.BMP", QSize(250, 322), 2},
        {"VRSKLAN3.BMP", QSize(366, 470), 3},
        {"VRSK_FL.BMP", QSize(500, 330), 0},
    };
    for (const Bild &b : bilder)
        if (!zeichneWennAlt(ziel + QLatin1Char('/') + QLatin1String(b.name),
                            [&b] { return b.stufe == 0 ? flagge() : karte(b.groesse, b.stufe); }))
            return false;
    return true;
}
