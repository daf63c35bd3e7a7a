#pragma once
// The screen scale of every window and the wrapping of a sentence into the
// display lines of an exercise.

#include <QColor>
#include <QFont>
#include <QList>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <initializer_list>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The smallest scale used, however small the screen.
inline constexpr qint32 MinstaSkalning = 25;

// The scale in percent for a screen of the given size: the number of bold
// "A"s that fit across it, 50 of them being 100 %; above 156 % the screen
// height decides instead (768 pixels being 156 %); 96..101 count as 100.
// textWidth gives the width in pixels of a row of "A"s.
qint32 beraknaSkalning(int screenWidth, int screenHeight,
                       const std::function<int(const QString &)> &textWidth);

// Measures the primary screen: sets Skalning and Marginal (the width of an
// "L" in Arial bold, 12 points), gives the message boxes Arial 16 pixels at
// that scale, and scales huvudfonster when given.
void Skaltest(QWidget *huvudfonster = nullptr);

// Scales the window or widget w, its children and their children (but not
// separate windows among them) by Skalning / 100: positions, sizes, size
// limits and fonts. Nothing happens at 100 %.
void skalaFonster(QWidget *w);

// Wraps Text into MeningsRader[1..MaxRader] for the width Hoger - Vanster on
// screen, in Arial bold: 22 points for the programs with large text, 14
// otherwise, 8 for a start-picture caption (MusOverBild 1, which is then
// reset). A line breaks after a blank, ",", "-", "." or ">", or before a
// "<" ... ">" group, which stays whole; a word or group wider than a whole
// line is broken where the line is full. Text beyond the last line is cut.
void dela_mening(qint32 Vanster, qint32 Hoger, const QString &Text, qint32 MaxRader);

// The same for lines that are shown in labels drawn with the font ritad (as
// it stands on screen, scaled): the width Hoger - Vanster in screen pixels is
// measured with that font, so a line fits its room exactly as it is drawn.
void dela_mening(qint32 Vanster, qint32 Hoger, const QString &Text, qint32 MaxRader, const QFont &ritad);

// The width in pixels of text at a point size, as dela_mening measures it.
using RadBredd = std::function<int(const QString &text, int pointSize)>;

// Replaces the measure of both forms of dela_mening (tests use fixed widths;
// the second form hands it the point size of its font); an empty function
// restores the real fonts.
void setRadBredd(RadBredd matt);

// Measures shared by the windows: a length given in pixels at 100 %, as it
// stands on this screen (Skalning percent, truncated as the windows lay
// out), the program's Arial at a pixel size, and the size of the primary
// screen.
int skaladPixel(int designPixlar);
QFont arial(int pixlar, bool fet = false, bool kursiv = false);
QFont teckensnitt(const QString &familj, int pixlar, bool fet = false);
QFont skaladArial(int designPixlar, bool fet = true); // at least 1 pixel
QFont skaladArialPunkter(int designPunkter, bool fet = true); // a point size, at least 1
QSize skarmStorlek();

// Buttons keep black captions on the coloured panels they stand on; a
// disabled one still greys its caption.
void svartKnapptext(QWidget *knapp);

// Colours on a widget's own palette: the given roles in c; the text
// (WindowText); the background filled with c (Window, filled); and the text
// together with, when bakgrund is valid, the filled background. A button's
// caption colour (ButtonText, and WindowText of a button) is set for the
// active and inactive window only, so that a disabled button looks disabled.
void fargRoller(QWidget *w, std::initializer_list<QPalette::ColorRole> roller, const QColor &c);
void textfarg(QWidget *w, const QColor &c);
void fyllFarg(QWidget *w, const QColor &c);
void farg(QWidget *w, const QColor &text, const QColor &bakgrund = QColor());

// Captions that fit their box. Each button and label has a size in pixels
// at 100 %, and a caption may need more room than that in the fonts at
// hand. passaTexten keeps the caption of w (a push button or a label)
// inside the room w draws it in: the font shrinks a pixel (or a point) at a
// time from the size w has now (its full size) until the caption fits
// across (and, for a button, down), never below golvPunkter points. It is
// fitted again from the full size whenever w is shown or resized or its
// caption changes, and a font set later becomes the new full size.
void passaTexten(QWidget *w, int golvPunkter = 8);

// A row of buttons that stand together on one panel, with one font for
// all: they are placed from left to right in rad (the panel's coordinates),
// mellanrum apart, as wide as each other where their captions allow; a
// caption that needs more room takes it from the others. Their font is
// design at the largest size, not above design's own, at which every
// caption fits its button (never below golvPunkter points), so that where
// the row has room each caption keeps its full size. The font is fitted
// again for all of them together whenever one of them is shown, hidden or
// resized or gets another caption; a button hidden on its own has no say.
void knappRad(const QList<QPushButton *> &knappar, const QRect &rad, int mellanrum, const QFont &design,
              int golvPunkter = 8);

// The font a caption would be drawn in after passaTexten: f shrunk until
// text (without "&" mnemonics) is at most bredd pixels across and, when
// hojd > 0, at most hojd pixels high, not below golvPunkter points.
QFont krympFont(const QFont &f, const QString &text, int bredd, int hojd = 0, int golvPunkter = 8);

// A one-line label kept in the room ram: it takes its caption's size in a
// font that shrinks from its full size (the font it had at the first
// call) while the caption is wider than ram, not below golvPunkter points,
// and moves into ram.
void passaEtikett(QLabel *l, const QRect &ram, int golvPunkter = 8);

// Scales the box w and everything in it by k (the positions inside it,
// sizes, fonts); w keeps its place.
void skalaRuta(QWidget *w, qreal k);

// Keeps boxes on the screen. The boxes (one, or a row of them that belong
// together) move into ram (the parent's rectangle when ram is empty) as a
// group, keeping their distances; a group larger than ram first shrinks
// with skalaRuta to the largest size that fits, its proportions kept.
void klampaIn(const QList<QWidget *> &rutor, QRect ram = QRect());
void klampaIn(QWidget *w, QRect ram = QRect());

// A raised panel named namn on parent, filled with bakgrund.
QFrame *upphojdPanel(QWidget *parent, const QString &namn, const QColor &bakgrund);
