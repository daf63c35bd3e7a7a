#include "results/lararlosen.h"

#include "frame/TDiagnosPost.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/SafeRewrite.h"

#include <QFile>
#include <QFileInfo>

const QString LararLosenFilNamn = QStringLiteral("VRS45444.DOT");
const QString LararRoll = QStringLiteral("LÄRARE");
const QString ForstaLararLosen = QStringLiteral("KLOSTRAB");
const QString ReservLosen = QStringLiteral("Eld Brus");

QString LararLosen;

namespace {

constexpr int FaltStorlek = LararLosenFaltLangd + 1;

const QString KanInteSkapa = QStringLiteral("Kunde inte skapa lärarlösenfilen.");

void skrivFalt(QByteArray &post, int offset, const QString &text)
{
    const QByteArray b = scrambleAnyBytes(Cp1252::encode(text)).left(LararLosenFaltLangd);
    post[offset] = char(b.size());
    post.replace(offset + 1, b.size(), b);
}

// The diagnosis directory as found on the disk; empty when it is missing.
QString katalog()
{
    const QString dir = ProgramPath::resolve(DiagnosPath);
    return !dir.isEmpty() && QFileInfo(dir).isDir() ? dir : QString();
}

// The password file, or where it is to be created; empty without a directory.
QString filSokvag(bool &finns)
{
    finns = false;
    const QString dir = katalog();
    if (dir.isEmpty())
        return QString();
    const QString fil = ProgramPath::resolve(dir, LararLosenFilNamn);
    finns = !fil.isEmpty();
    return finns ? fil : dir + QLatin1Char('/') + LararLosenFilNamn;
}

// Writes the whole file beside the old one and renames it over it, so that
// an interruption leaves the old password or the new one, never half a file.
bool skrivFil(const QString &fil, const QString &losen)
{
    if (fil.isEmpty() || QFileInfo(fil).isDir())
        return false;
    return SafeRewrite::replace(fil, lararLosenPost(losen)) == SafeRewrite::Failure::None;
}

// The unscrambled password of the file's record; empty when the file cannot
// be read or its record is damaged.
QString lasLosen(const QString &fil)
{
    if (QFileInfo(fil).isDir())
        return QString();
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray data = f.read(LararLosenPostStorlek);
    if (data.size() < LararLosenPostStorlek)
        return QString();
    const int rollLangd = quint8(data[0]);
    const int losenLangd = quint8(data[FaltStorlek]);
    if (rollLangd > LararLosenFaltLangd || losenLangd > LararLosenFaltLangd)
        return QString();
    return Cp1252::decode(dekryptradBytes(data.mid(FaltStorlek + 1, losenLangd)));
}

} // namespace

QByteArray lararLosenPost(const QString &Losen)
{
    QByteArray post(LararLosenPostStorlek, '\0');
    skrivFalt(post, 0, LararRoll);
    skrivFalt(post, FaltStorlek, Losen);
    return post;
}

bool LararLosenFil(int Lage)
{
    bool finns = false;
    const QString fil = filSokvag(finns);
    if (Lage == 1) {
        if (!finns) {
            if (skrivFil(fil, ForstaLararLosen)) {
                LararLosen = ForstaLararLosen;
                return true;
            }
            LararLosen.clear();
            MessageBox::information(KanInteSkapa);
            return false;
        }
        const QString losen = lasLosen(fil);
        if (losen.isEmpty()) {
            LararLosen.clear();
            MessageBox::information(QStringLiteral("Lärarlösenfilen ") + ProgramPath::normalise(fil)
                                    + QStringLiteral(" är felaktig och kan inte läsas."));
            return false;
        }
        LararLosen = losen;
        return true;
    }
    if (Lage == 2) {
        const QString losen = kortad(AktivDiagnos.Losen, DiagnosLosenLangd);
        if (losen.isEmpty())
            return false; // an empty password would never open the lock
        if (!skrivFil(fil, losen)) {
            MessageBox::information(KanInteSkapa + QStringLiteral(" Lösenordet är inte ändrat."));
            return false;
        }
        LararLosen = losen;
        return true;
    }
    return false;
}

bool oppnarLararLas(const QString &Svar)
{
    if (Svar.isEmpty())
        return false;
    return Svar == ReservLosen || (!LararLosen.isEmpty() && Svar == LararLosen);
}
