#pragma once
// The exercise catalogue: every menu of the tree with its look and its
// buttons, and what each button opens. It is the one place where a data file
// is bound to an exercise window; the menu windows are built from it.

#include <QRect>
#include <QString>

#include <vector>

enum class KnappSort {
    Meny,     // opens the sub-menu `mal`
    Ovning,   // DataFilNamn := datafil, the file is tested, then window `mal`
    Sida,     // a window without data file (Programtal := programtal first when set)
    Tillbaka, // closes the menu; also Esc
};

struct KatalogKnapp
{
    QString text;
    KnappSort sort = KnappSort::Tillbaka;
    QString mal;             // menu class ("TF212") or window class ("TSKRIV")
    QString datafil;         // exercises only
    quint16 programtal = 0;  // pages: the program number they work with, 0 for none
    qint32 argument = 0;     // pages whose show routine takes a number (the spelling lists)
    bool avIArbetsblad = false; // disabled in worksheet mode
};

struct KatalogMeny
{
    QString klass;    // "TF21"
    QString instans;  // "F21", the window's object name
    QString rubrik;
    int rubrikHojd = 24; // title font, pixels
    int knappHojd = 19;  // button font, pixels
    bool enkelKant = false;        // a single border round the panel
    bool arbetsbladsFarg = true;   // the panel turns maroon in worksheet mode
    bool kolla2 = false;           // the exercise buttons only test that the file opens
    QRect plats;      // position and client size, in pixels at 100 %
    std::vector<KatalogKnapp> knappar;
};

// All 31 menus, the six top menus first.
const std::vector<KatalogMeny> &katalog();

// The menu of a class name ("TF21"); null when there is none.
const KatalogMeny *hittaMeny(const QString &klass);
