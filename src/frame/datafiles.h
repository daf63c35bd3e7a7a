#pragma once
// The exercise data files: finding them, counting their items, reading their
// header lines and fetching one item line.
//
// Line kinds, by the first character: empty (blank), ";" comment, "$%"
// worksheet instruction, "$§" instruction, other "$" title, ")" scrambled
// item, anything else an item. Items are numbered 1, 2, 3 … in file order.

#include <QString>
#include <QStringList>

// The file under PCPath\DATA, else under CDPath\DATA, letter case ignored;
// empty when it is under neither.
QString hittaDataFil(const QString &FilNamn);

// The path shown when a file is missing: where it was looked for last.
QString visadDataSokvag(const QString &FilNamn);

// The slot of a data file in the per-file tables: its place in DatFiler
// (letter case ignored), else a slot of its own after the listed files.
qint32 listNummerFor(const QString &FilNamn);

// The item lines of a file, raw as stored (cached by path and time stamp so
// that an exercise does not read its file again for every item). False when
// the file cannot be read.
bool lasDataFil(const QString &sokvag, QStringList &rader);

// True for a line that is not blank, a comment or a header.
bool arPostRad(const QString &rad);

// Prepares a data file for an exercise: sets ListNummer, reads the headers,
// counts the items on first use. False after the message
// "Filen <name> finns inte eller är felaktig" when the file has no items.
bool Kolla(const QString &FilNamn);

// For the reading menu: DataFilNamn := FilNamn; true when the file exists.
bool Kolla2(const QString &FilNamn);

enum class OrdantalResultat { Klart, FilSaknas };

// Header mode (Rakna false) reads headers from the first six lines only;
// count mode reads every header and adds the item count to PostAntal[Nummer]
// (Lovord 0) or LovordRadAntal[Nummer] (Lovord 1). With meddela, a missing
// file is reported.
OrdantalResultat ordantal(const QString &FilNamn, qint32 Nummer, bool Rakna, quint8 Lovord,
                          bool meddela = true);

// PostRad := item line Nr of the file, as stored. False, with PostRad empty,
// when the file is missing (after one message naming it) or has no item Nr.
bool haemtaord(const QString &FilNamn, qint32 Nr);

// The run of digits just before the first "." of a name: "VRS52100.DAT"
// gives 52100. 0 without digits or above 65535.
quint16 GeProgramtal(const QString &FilNamn);
