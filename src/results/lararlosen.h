#pragma once
// The teacher lock: the teacher's password in "VRS45444.DOT" in DiagnosPath,
// and the fixed backup password.
//
// The file holds exactly one 54-byte record:
//     0  27  Roll   length byte + at most 26 characters: "LÄRARE", scrambled
//    27  27  Losen  length byte + at most 26 characters: the password, scrambled
// Both fields are scrambled as item lines are (they begin with ")"); the
// bytes past a field's length are zero. A new file holds "KLOSTRAB".

#include <QByteArray>
#include <QString>

inline constexpr int LararLosenPostStorlek = 54;
inline constexpr int LararLosenFaltLangd = 26;

extern const QString LararLosenFilNamn; // "VRS45444.DOT"
extern const QString LararRoll;         // "LÄRARE", the teacher's name in the register dialog
extern const QString ForstaLararLosen;  // "KLOSTRAB", the password of a new file
extern const QString ReservLosen;       // "Eld Brus", accepted besides the stored password

// The teacher's password as last read from the file; empty while none could
// be read.
extern QString LararLosen;

// The 54 bytes of the password file for that password.
QByteArray lararLosenPost(const QString &Losen);

// Lage 1: reads the teacher's password into LararLosen; a missing file is
// created with "KLOSTRAB". A file that cannot be created, is shorter than 54
// bytes, has a length byte past its field or holds no password is reported
// to the teacher, and LararLosen is emptied. True when LararLosen holds the
// stored password.
// Lage 2: writes the password that the new-password dialog has just put into
// the Losen of AktivDiagnos, whether or not the file is there. On success
// LararLosen is the new password; when the file cannot be written the
// teacher is told and the old password stays.
bool LararLosenFil(int Lage);

// Whether the teacher lock opens for Svar: the stored password or the
// backup password, letter case counting. An empty text never opens it.
bool oppnarLararLas(const QString &Svar);
