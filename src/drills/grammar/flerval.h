#pragma once
// The multiple-choice exercise without its window: the words a data file
// offers on its option panels, how the panels are laid out in rows, the
// question line of a worksheet and the noun-gender rules shown after a wrong
// answer.

#include "frame/vrsku1.h"

#include <QList>
#include <QString>
#include <QStringList>

inline constexpr int MaxSvarsord = 12;   // option panels of the window
inline constexpr int SvarsordLangd = 10; // letters a word keeps on its panel
inline constexpr int TvaRaderFran = 8;   // this many words or more take two rows

// Entries 1..12 are the words in lower case, 13..24 the same words with a
// capital first letter.
using SvarsordTabell = Tabell<QString, 2 * MaxSvarsord>;

// The answer set of a file's lines (as stored; scrambled lines are read
// plainly): the first twelve distinct answers between "<" and ">", in file
// order, letter case ignored. Header, comment and blank lines and lines
// without an answer are skipped. Returns the number of words.
qint32 Hittapreppar(const QStringList &rader, SvarsordTabell &Svarsord);

// The same for a data file under PCPath\DATA, else CDPath\DATA; an empty set
// when it cannot be read.
qint32 HittaprepparFil(const QString &FilNamn, SvarsordTabell &Svarsord);

// The word with its first letter upper-cased (the code page's capitals).
QString versalForst(const QString &ord);

// An answer that begins with a capital is offered from the capital set:
// the offset of the set to show, 0 or MaxSvarsord.
qint32 svarsordBas(const QString &svar);

// One row of panels for fewer than eight words, else two with the first
// holding the larger half.
struct Radindelning
{
    qint32 AntalRader = 1;
    qint32 ForstaRadensAntal = 0; // panels of the first row (all of them in one row)
};
Radindelning radindelning(qint32 antal);

// Where the panels stand inside the options panel: each as wide as its word
// plus the padding, a gap before each panel and after the last of its row,
// rows h high with the layout unit m above, between and below them.
struct Panelplats
{
    int vanster = 0;
    int topp = 0;
    int bredd = 0;
};
struct Panellayout
{
    QList<Panelplats> paneler; // panel 1 first
    int bredd = 0;             // of the options panel: its wider row
    int hojd = 0;
};
Panellayout panellayout(const QList<int> &ordbredder, int mellanrum, int utfyllnad, int h, int m);

// The words 1..antal as one question line: "der, die, das eller den ?".
QString fragaText(const SvarsordTabell &Svarsord, qint32 antal);

// The length of the longest of the words 1..antal.
int maxOrdLangd(const SvarsordTabell &Svarsord, qint32 antal);

// The gender rule for field 2 of an item: its number's one or two lines, or
// the field itself when it names no rule.
struct Genusregel
{
    QString rad1;
    QString rad2;
};
Genusregel genusRegel(const QString &falt2);
