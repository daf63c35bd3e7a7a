#include "results/diagnosregister.h"

#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/FileLock.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/SafeRewrite.h"
#include "results/diagnosstatus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

QString RaderaNamn;
quint8 RaderaLage = 0;
quint8 NamnFunnet = 0;

namespace {

const QString RegisterNamn = QStringLiteral("TDIAG.DIA");
const QString ProvFilNamn = QStringLiteral("temp.dtt");
constexpr int RaderaNamnLangd = 26;

QString shown(const QString &path)
{
    return ProgramPath::normalise(path);
}

QString registerMissingText()
{
    return QStringLiteral("Diagnosfilen ") + shown(DiagnosPath + QStringLiteral("\\") + RegisterNamn)
           + QStringLiteral(" saknas eller är felaktig");
}

bool sameName(const QString &a, const QString &b)
{
    return Cp1252::upper(a) == Cp1252::upper(b);
}

// A name in dir that no file has yet (letter case ignored):
// base + ext, base + "-2" + ext, base + "-3" + ext …
QString freeName(const QString &dir, const QString &base, const QString &ext)
{
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? base + ext : base + QStringLiteral("-%1").arg(n) + ext;
        if (ProgramPath::resolve(dir, name).isEmpty())
            return name;
    }
}

struct RegisterFile
{
    QString dir;  // the diagnosis directory as found on the disk; empty when missing
    QString path; // the register, or where it is to be created
    QList<QByteArray> records;
    bool tailSafe = true; // a broken last record, if any, has been copied aside
    QString warning;      // what the teacher is to be told about a damaged register
};

enum class ReadResult { Ok, Missing, Unreadable };

// Copies the register's bytes to a new file beside it; false when that
// cannot be done. An existing file is never touched.
bool copyAside(const QString &dir, const QString &copyName, const QByteArray &data)
{
    return SafeRewrite::writeNew(dir + QLatin1Char('/') + copyName, data);
}

// The record of a register cut off within it, when its name field is whole:
// what the file holds, the rest as in a fresh record. The statuses that were
// cut off follow from the results by the chain rules.
bool completeCutRecord(const QByteArray &tail, QByteArray &record)
{
    constexpr int NamnFalt = DiagnosNamnLangd + 1;
    constexpr int StatusStart = 116;
    if (tail.size() < NamnFalt || quint8(tail[0]) == 0 || quint8(tail[0]) > DiagnosNamnLangd)
        return false;
    const TDiagnosPost aktiv = AktivDiagnos;
    NollstallDiagnos();
    QByteArray b = AktivDiagnos.toBytes();
    b.replace(0, tail.size(), tail);
    AktivDiagnos = TDiagnosPost::fromBytes(b);
    const auto lasta = AktivDiagnos.Status;
    const int antalLasta = qBound(0, int(tail.size()) - StatusStart, DiagnosOmradesAntal);
    for (int k = 1; k <= DiagnosOmradesAntal; ++k)
        AktivDiagnos.Status[k] = GeStatusTal(k);
    for (int k = 1; k <= antalLasta; ++k)
        AktivDiagnos.Status[k] = lasta[k];
    record = AktivDiagnos.toBytes();
    AktivDiagnos = aktiv;
    return true;
}

// A register that ends in part of a record: the whole file is copied aside
// before anything rewrites it, so that nothing is lost. Remembered per file
// state, so that the teacher is told once; a copy that failed is tried
// again quietly. The text for the teacher goes to r.warning.
bool putDamagedTailAside(RegisterFile &r, const QByteArray &data, const QString &keptName)
{
    static QHash<QString, bool> handled;
    const QFileInfo info(r.path);
    const QString key = info.absoluteFilePath() + QLatin1Char('|') + QString::number(data.size()) + QLatin1Char('|')
                        + QString::number(info.lastModified().toMSecsSinceEpoch());
    const auto it = handled.constFind(key);
    if (it != handled.constEnd() && it.value())
        return true;

    const QString dir = info.absolutePath();
    const QString copyName = freeName(dir, info.fileName(), QStringLiteral(".bad"));
    const bool saved = copyAside(dir, copyName, data);
    if (it == handled.constEnd()) {
        const QString start = QStringLiteral("Diagnosfilen ") + shown(r.path)
                              + QStringLiteral(" slutar med en ofullständig diagnos.");
        QString outcome;
        if (!keptName.isEmpty())
            outcome = QStringLiteral(" Alla elever kunde läsas, men av diagnosen för \"") + keptName
                      + QStringLiteral("\" finns bara en del kvar: det som saknas räknas som inte gjort.");
        else
            outcome = QStringLiteral(" 1 elev kunde inte läsas; de %1 hela diagnoserna används som vanligt.")
                          .arg(data.size() / DiagnosPostStorlek);
        if (saved)
            r.warning = start + QStringLiteral(" Hela filen har kopierats till ") + shown(dir + QLatin1Char('/') + copyName)
                        + QLatin1Char('.') + outcome;
        else
            r.warning = start + QStringLiteral(" Den kunde inte kopieras, och därför kan diagnoserna läsas men inte "
                                               "sparas förrän filen är lagad.")
                        + outcome;
    }
    handled.insert(key, saved);
    return saved;
}

// The diagnosis directory as found on the disk; empty when it is missing.
QString registerDirectory()
{
    const QString dir = ProgramPath::resolve(DiagnosPath);
    return !dir.isEmpty() && QFileInfo(dir).isDir() ? dir : QString();
}

// Reads the register; what the teacher is to be told stays in r.warning, so
// that no message box comes up while the register is locked.
ReadResult readRegister(RegisterFile &r)
{
    r = RegisterFile();
    const QString dir = registerDirectory();
    if (dir.isEmpty())
        return ReadResult::Missing;
    r.dir = dir;
    r.path = ProgramPath::resolve(dir, RegisterNamn);
    if (r.path.isEmpty()) {
        r.path = dir + QLatin1Char('/') + RegisterNamn;
        return ReadResult::Missing;
    }
    QFile f(r.path);
    if (QFileInfo(r.path).isDir() || !f.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return ReadResult::Unreadable;
    const qsizetype whole = data.size() / DiagnosPostStorlek * DiagnosPostStorlek;
    for (qsizetype at = 0; at < whole; at += DiagnosPostStorlek)
        r.records.append(data.mid(at, DiagnosPostStorlek));
    if (whole != data.size()) {
        QByteArray kept;
        QString keptName;
        if (completeCutRecord(data.mid(whole), kept)) {
            r.records.append(kept);
            keptName = TDiagnosPost::fromBytes(kept).Namn;
        }
        r.tailSafe = putDamagedTailAside(r, data, keptName);
    }
    return ReadResult::Ok;
}

void tellDamage(const RegisterFile &r)
{
    if (!r.warning.isEmpty())
        MessageBox::warning(r.warning);
}

// Reads the register and tells the teacher what is wrong with it.
ReadResult readRegisterAndTell(RegisterFile &r)
{
    const ReadResult result = readRegister(r);
    tellDamage(r);
    return result;
}

// Creates (or opens) "temp.dtt" in dir; a file of that name keeps its content.
// True when the directory can take the register's files.
bool canWriteMarker(const QString &katalog)
{
    const QString dir = ProgramPath::resolve(katalog);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return false;
    QString marker = ProgramPath::resolve(dir, ProvFilNamn);
    if (marker.isEmpty())
        marker = dir + QLatin1Char('/') + ProvFilNamn;
    QFile f(marker);
    if (f.open(QIODevice::WriteOnly | QIODevice::Append))
        return true;
    // The marker of another account, which this one may not write: the
    // directory is still usable when a new file can be made in it.
    return SafeRewrite(dir + QLatin1Char('/') + ProvFilNamn).open();
}

enum class Fallback { Ready, CannotCreate, CannotWrite };

Fallback prepareFallback(const QString &fallback)
{
    // An empty installation directory is no root: never "\RESULTAT" at the
    // file system's root.
    if (PCPath.trimmed().isEmpty())
        return Fallback::CannotCreate;
    if (!ProgramPath::isDirectory(fallback)) {
        const QString dir = ProgramPath::forWriting(fallback);
        if (dir.isEmpty() || !QDir().mkpath(dir))
            return Fallback::CannotCreate;
    }
    return canWriteMarker(fallback) ? Fallback::Ready : Fallback::CannotWrite;
}

bool sameDirectory(const QString &a, const QString &b)
{
    const QString pa = QDir::cleanPath(ProgramPath::forWriting(a));
    const QString pb = QDir::cleanPath(ProgramPath::forWriting(b));
    return !pa.isEmpty() && pa.compare(pb, Qt::CaseInsensitive) == 0;
}

} // namespace

bool SparaProtokoll(QString *fel)
{
    enum class Utfall { Sparad, KanInteSkriva, Upptagen, Avbruten };
    Utfall utfall = Utfall::KanInteSkriva;
    RegisterFile r;
    const QString dir = registerDirectory();
    if (!dir.isEmpty()) {
        // Under the lock the register is read again and only this pupil's
        // record is replaced, so that other computers' saves are kept.
        FileLock lock(dir + QLatin1Char('/') + RegisterNamn);
        if (!lock.lock()) {
            utfall = Utfall::Upptagen;
        } else if (readRegister(r) != ReadResult::Unreadable && r.tailSafe) {
            QList<QByteArray> records = r.records;
            const QString namn = kortad(AktivDiagnos.Namn, DiagnosNamnLangd);
            bool replaced = false;
            for (QByteArray &rec : records) {
                if (sameName(TDiagnosPost::fromBytes(rec).Namn, namn)) {
                    rec = AktivDiagnos.toBytes();
                    replaced = true;
                    break; // a second record of the same name stays as it is
                }
            }
            if (!replaced)
                records.append(AktivDiagnos.toBytes());
            SafeRewrite rewrite(r.path);
            if (rewrite.open() && rewrite.commit(records))
                utfall = Utfall::Sparad;
            else if (rewrite.failure() != SafeRewrite::Failure::NoTemporary)
                utfall = Utfall::Avbruten;
        }
    }
    tellDamage(r);
    if (utfall == Utfall::Sparad) {
        DiagSpara = 0;
        return true;
    }
    DiagSpara = 1;
    QString text = QStringLiteral("Diagnosen kunde inte sparas i katalogen ") + shown(DiagnosPath);
    switch (utfall) {
    case Utfall::Upptagen:
        text += QStringLiteral(": diagnosfilen sparas just nu av ett annat program. Försök igen om en stund.");
        break;
    case Utfall::Avbruten:
        text += QStringLiteral(": den nya diagnosfilen kunde inte skrivas färdigt (disken kan vara full). "
                               "Den gamla diagnosfilen är oförändrad.");
        break;
    default:
        text += QStringLiteral(". Kontrollera att katalogen finns och att det går att skriva i den.");
        break;
    }
    if (fel)
        *fel = text;
    else
        MessageBox::warning(text);
    return false;
}

bool SparaRaderaProt()
{
    RegisterFile r;
    if (readRegisterAndTell(r) != ReadResult::Ok || !r.tailSafe) {
        MessageBox::information(registerMissingText());
        RaderaLage = 0;
        return false;
    }
    // A directory that takes no new file is told before the question. The
    // new register is written only after it, under the lock.
    if (!SafeRewrite(r.path).open()) {
        MessageBox::information(QStringLiteral("Ny fil i katalogen ") + shown(DiagnosPath)
                                + QStringLiteral(" kunde inte skapas"));
        RaderaLage = 0;
        return false;
    }
    const QString namn = AktivDiagnos.Namn;
    if (!MessageBox::askYesNo(QStringLiteral("Vill du verkligen ta bort diagnosen \"") + namn
                              + QStringLiteral("\"?"))) {
        RaderaLage = 0;
        return false;
    }
    const QString radera = kortad(RaderaNamn, RaderaNamnLangd);
    bool deleted = false;
    {
        // Saves made by others while the question was open are kept.
        FileLock lock(r.dir + QLatin1Char('/') + RegisterNamn);
        if (lock.lock() && readRegister(r) == ReadResult::Ok && r.tailSafe) {
            QList<QByteArray> kvar;
            for (const QByteArray &rec : std::as_const(r.records)) {
                const QString n = TDiagnosPost::fromBytes(rec).Namn;
                if (!n.isEmpty() && n != radera)
                    kvar.append(rec);
            }
            SafeRewrite rewrite(r.path);
            deleted = rewrite.open() && rewrite.commit(kvar);
        }
    }
    tellDamage(r);
    if (!deleted) {
        MessageBox::information(QStringLiteral("Diagnosen \"") + namn
                                + QStringLiteral("\" kunde inte tas bort: diagnosfilen i katalogen ")
                                + shown(DiagnosPath) + QStringLiteral(" kunde inte skrivas om."));
        RaderaLage = 0;
        return false;
    }
    MessageBox::information(QStringLiteral("Diagnosen \"") + namn + QStringLiteral("\" är borttagen."));
    return true;
}

bool ArkiveraDiagnoser()
{
    const QString dir = registerDirectory();
    FileLock lock(dir + QLatin1Char('/') + RegisterNamn);
    const QString path = dir.isEmpty() ? QString() : ProgramPath::resolve(dir, RegisterNamn);
    QFile check(path);
    if (path.isEmpty() || QFileInfo(path).isDir() || !check.open(QIODevice::ReadOnly)) {
        MessageBox::information(registerMissingText());
        return false;
    }
    check.close();

    const QString base = QStringLiteral("VR") + TidStampel();
    const QString ext = QStringLiteral(".DIS");
    // A save in progress on another computer finishes before the register
    // is renamed; one that comes later starts a new register.
    if (lock.lock()) {
        // An archive made earlier in the same minute is never replaced: the
        // rename does not overwrite, and a taken name moves on to "-2", "-3" …
        constexpr int MaxArkiv = 1000;
        for (int n = 1; n <= MaxArkiv; ++n) {
            const QString name = n == 1 ? base + ext : base + QStringLiteral("-%1").arg(n) + ext;
            if (!ProgramPath::resolve(dir, name).isEmpty())
                continue;
            const QString target = dir + QLatin1Char('/') + name;
            if (QFile::rename(path, target)) {
                SafeRewrite::syncDirectory(dir);
                return true;
            }
            if (!QFileInfo::exists(target))
                break;
        }
    }
    lock.unlock();
    MessageBox::information(QStringLiteral("Diagnosfilen ") + shown(path) + QStringLiteral(" kunde inte döpas om till ")
                            + base + ext + QStringLiteral(". Diagnoserna är kvar i filen."));
    return false;
}

QString TidStampel()
{
    const QDateTime nu = Clock::now();
    const QDate d = nu.date();
    const QTime t = nu.time();
    return QString::asprintf("%02d%02d%02d%02d%02d", d.year() % 100, d.month(), d.day(), t.hour(), t.minute());
}

QString HaemtaDiagnos(const QString &Namn)
{
    NamnFunnet = 0;
    const QString namn = kortad(Namn, DiagnosNamnLangd);
    RegisterFile r;
    if (readRegisterAndTell(r) == ReadResult::Ok) {
        for (const QByteArray &rec : std::as_const(r.records)) {
            TDiagnosPost p = TDiagnosPost::fromBytes(rec);
            if (sameName(p.Namn, namn)) {
                NamnFunnet = 1;
                AktivDiagnos = p;
                break;
            }
        }
    }
    if (NamnFunnet == 0)
        NollstallDiagnos();
    AktivDiagnos.Namn = namn;
    return NamnFunnet ? AktivDiagnos.Losen : QString();
}

bool NamnFinns(const QString &Namn)
{
    const QString namn = kortad(Namn, DiagnosNamnLangd);
    bool found = false;
    RegisterFile r;
    if (readRegisterAndTell(r) == ReadResult::Ok) {
        for (const QByteArray &rec : std::as_const(r.records))
            if (sameName(TDiagnosPost::fromBytes(rec).Namn, namn)) {
                found = true;
                break;
            }
    }
    // Nobody's results stay behind under the new name.
    NollstallDiagnos();
    AktivDiagnos.Namn = namn;
    return found;
}

void NollstallDiagnos()
{
    // Also the time stamps and the reserved bytes: nothing of the previous
    // pupil goes into the new record.
    AktivDiagnos = TDiagnosPost();
    for (int k = 1; k <= DiagnosOmradesAntal; ++k)
        AktivDiagnos.Status[k] = GeStatusTal(k);
}

bool readRegisterNames(QStringList &names)
{
    names.clear();
    RegisterFile r;
    if (readRegisterAndTell(r) != ReadResult::Ok)
        return false;
    for (const QByteArray &rec : std::as_const(r.records))
        names.append(TDiagnosPost::fromBytes(rec).Namn);
    return true;
}

bool DiagnosFileWish(const QString &Katalog)
{
    // A missing or locked directory only fails the test; no system error
    // box can come up in the middle of it.
    if (canWriteMarker(Katalog))
        return true;

    const QString fallback = PCPath + QStringLiteral("\\RESULTAT");
    const bool floppy = Katalog == QLatin1String("A:") || Katalog == QLatin1String("a:");
    // The default diagnosis directory is RESULTAT itself: create it quietly.
    const bool isFallback = !floppy && sameDirectory(Katalog, fallback);
    if (floppy)
        MessageBox::showMessage(QStringLiteral("Sätt in disketten med din diagnos i datorn."));

    const QString k = shown(Katalog);
    const QString f = shown(fallback);
    const QString ingen = QStringLiteral(" Inga diagnoser kan sparas.");
    switch (prepareFallback(fallback)) {
    case Fallback::Ready:
        if (isFallback)
            return true;
        if (!floppy)
            MessageBox::showMessage(QStringLiteral("Diagnosen kan inte sparas i katalogen ") + k
                                    + QStringLiteral(". Den kommer nu att sparas i katalogen ") + f);
        return false;
    case Fallback::CannotCreate:
        if (floppy || isFallback)
            MessageBox::showMessage(QStringLiteral("Kan inte skapa katalogen ") + f + QLatin1Char('.') + ingen);
        else
            MessageBox::showMessage(QStringLiteral("Diagnosen kan inte sparas i katalogen ") + k
                                    + QStringLiteral(", och katalogen ") + f + QStringLiteral(" kan inte skapas.")
                                    + ingen);
        return false;
    case Fallback::CannotWrite:
        if (floppy || isFallback)
            MessageBox::showMessage(QStringLiteral("Diagnosen kan inte sparas i katalogen ") + f
                                    + QLatin1Char('.') + ingen);
        else
            MessageBox::showMessage(QStringLiteral("Diagnosen kan inte sparas i katalogen ") + k
                                    + QStringLiteral(" och inte heller i katalogen ") + f + QLatin1Char('.')
                                    + ingen);
        return false;
    }
    return false;
}

void prepareDiagnosPath()
{
    if (DiagnosPathKlar != 0)
        return;
    if (!DiagnosFileWish(DiagnosPath))
        DiagnosPath = PCPath + QStringLiteral("\\RESULTAT");
    DiagnosPathKlar = 1;
}
