#pragma once
// What the three Germany pages show: the map picture for a screen width, the
// texts beside the map and the flag, and the anthem's verse.

#include <QString>
#include <QStringList>

class QColor;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QSize;
class QWidget;

// The map picture in BILD for a screen width: below 800 pixels
// "VRSKLAN2.BMP", below 1024 "VRSKLAND.BMP", else "VRSKLAN3.BMP".
QString kartBildNamn(int skarmBredd);

// The four lines under the map and the four under the flag.
QStringList kartFakta();
QStringList flaggHistoria();

// HymnRader[1..12] as a list of twelve: four empty lines, then the eight
// lines of the third verse.
QStringList NationalHymn();

// The picture a page shows from BILD, under PCPath first and CDPath second;
// null after the message "Filen <path> finns inte eller är felaktig" when it
// is under neither.
class QPixmap;
QPixmap laddaSidbild(const QString &namn);

// The blue panel AvbrytPanel1 with its button "&Avbryt" (Button1).
QFrame *avbrytPanel(QWidget *sida, QPushButton **knapp);

// A page: the frameless dialog sida, named namn, filled with bakgrund, in
// Arial 18 pixels.
void sidStart(QDialog *sida, const QString &namn, const QColor &bakgrund);

// The heading Label1 of a page: text in Arial 47 pixels, bold and blue.
QLabel *sidRubrik(QWidget *sida, const QString &text);

// The page covers the screen, maximised; the size of the screen.
QSize sidanOverSkarmen(QDialog *sida);
