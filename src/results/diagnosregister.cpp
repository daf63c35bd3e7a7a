#include "results/diagnosregister.h"

#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/FileLock.h"
#include "platform/MessageBox.h"
#include "platform/OpenClaim.h"
#include "platform/ProgramPath.h"
#include "platform/SafeRewrite.h"
#include "results/diagnossession.h"
#include "results/diagnosstatus.h"
#include "results/filhinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <functional>
#include <memory>

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
    bool cut = false;     // the file ends in part of a record
    QString warning;      // what the teacher is to be told about a damaged register
};

enum class ReadResult {
    Ok,
    Missing,
    Unreadable,
    NotARegister, // bytes that no register holds: nothing is read from it or saved over it
};

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
    if (tail.size() < NamnFalt || quint8(tail[0]) == 0 || quint8(tail[0]) > DiagnosNamnLangd)
        return false;
    QByteArray b = freshDiagnosPost().toBytes();
    b.replace(0, tail.size(), tail);
    const TDiagnosPost read = TDiagnosPost::fromBytes(b);
    TDiagnosPost p = statusByTheRules(read);
    const int antalLasta = qBound(0, int(tail.size()) - DiagnosStatusStart, DiagnosOmradesAntal);
    for (int k = 1; k <= antalLasta; ++k)
        p.Status[k] = read.Status[k];
    record = p.toBytes();
    return true;
}

// Why data cannot be a register, checked record by record: a name or
// password longer than its field, control characters in a name, a status
// that does not exist, an end that is not the start of a record. Empty when
// it may be one.
QString notARegisterReason(const QByteArray &data)
{
    auto check = [](const QByteArray &rec, int n) -> QString {
        const int size = int(rec.size());
        const int namnLangd = quint8(rec[0]);
        if (namnLangd > DiagnosNamnLangd)
            return QStringLiteral("diagnos %1 har ett namn på %2 tecken, men ett namn har högst %3")
                .arg(n)
                .arg(namnLangd)
                .arg(DiagnosNamnLangd);
        for (int i = 1; i <= namnLangd && i < size; ++i) {
            const quint8 c = quint8(rec[i]);
            if (c < 0x20 || c == 0x7F)
                return QStringLiteral("diagnos %1 har styrtecken i namnet").arg(n);
        }
        if (size > DiagnosLosenStart && quint8(rec[DiagnosLosenStart]) > DiagnosLosenLangd)
            return QStringLiteral("diagnos %1 har ett lösenord på %2 tecken, men ett lösenord har högst %3")
                .arg(n)
                .arg(quint8(rec[DiagnosLosenStart]))
                .arg(DiagnosLosenLangd);
        for (int k = 1; k <= DiagnosOmradesAntal && DiagnosStatusStart + k - 1 < size; ++k)
            if (quint8(rec[DiagnosStatusStart + k - 1]) > DiagnosHogstaStatus)
                return QStringLiteral("diagnos %1 har status %2 i område %3, men det finns bara status 0 till 3")
                    .arg(n)
                    .arg(quint8(rec[DiagnosStatusStart + k - 1]))
                    .arg(k);
        return {};
    };
    const qsizetype whole = data.size() / DiagnosPostStorlek * DiagnosPostStorlek;
    int n = 0;
    for (qsizetype at = 0; at < whole; at += DiagnosPostStorlek) {
        const QString reason = check(data.mid(at, DiagnosPostStorlek), ++n);
        if (!reason.isEmpty())
            return reason;
    }
    if (whole == data.size())
        return {};
    // A register cut off in its last record ends in the start of one, and
    // every record begins with the length of a name.
    const QByteArray tail = data.mid(whole);
    if (quint8(tail[0]) == 0)
        return QStringLiteral("filen slutar med %1 byte som inte är början på en diagnos").arg(tail.size());
    return check(tail, n + 1);
}

// Tells once per state of the file (what the teacher is to be told goes
// to r.warning) and copies the file aside, until a copy has been made: a
// copy that failed is tried again quietly. saved says whether the file's
// bytes are in a copy; the text comes from message(copy made, its path).
bool putAside(RegisterFile &r, const QByteArray &data, const std::function<QString(bool, const QString &)> &message)
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
    if (it == handled.constEnd())
        r.warning = message(saved, shown(dir + QLatin1Char('/') + copyName));
    handled.insert(key, saved);
    return saved;
}

// A register that ends in part of a record: the whole file is copied aside
// before anything rewrites it, so that nothing is lost.
bool putDamagedTailAside(RegisterFile &r, const QByteArray &data, const QString &keptName)
{
    return putAside(r, data, [&](bool saved, const QString &copy) {
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
            return start + QStringLiteral(" Hela filen har kopierats till ") + copy + QLatin1Char('.') + outcome;
        return start + QStringLiteral(" Den kunde inte kopieras, och därför kan diagnoserna läsas men inte "
                                      "sparas förrän filen är lagad.")
               + outcome;
    });
}

// A file in the register's place that is not a register: copied aside, and
// the teacher is told what to do.
void putNonRegisterAside(RegisterFile &r, const QByteArray &data, const QString &reason)
{
    putAside(r, data, [&](bool saved, const QString &copy) {
        const QString start = QStringLiteral("Filen ") + shown(r.path) + QStringLiteral(" är ingen diagnosfil: ")
                              + reason + QLatin1Char('.');
        const QString kopia = saved ? QStringLiteral(" Hela filen har kopierats till ") + copy + QLatin1Char('.')
                                    : QStringLiteral(" Den kunde inte kopieras.");
        return start + kopia
               + QStringLiteral(" Inga elever visas från den, och ingenting sparas i den förrän läraren väljer "
                                "\"Ta bort alla diagnoser\": då läggs filen undan och en ny diagnosfil börjar.");
    });
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
    const QString reason = notARegisterReason(data);
    if (!reason.isEmpty()) {
        putNonRegisterAside(r, data, reason);
        return ReadResult::NotARegister;
    }
    const qsizetype whole = data.size() / DiagnosPostStorlek * DiagnosPostStorlek;
    for (qsizetype at = 0; at < whole; at += DiagnosPostStorlek)
        r.records.append(data.mid(at, DiagnosPostStorlek));
    if (whole != data.size()) {
        r.cut = true;
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

// Where record of that name is in records (letter case ignored); -1 when
// none is. A second record of the same name stays as it is.
int recordOf(const QList<QByteArray> &records, const QString &namn)
{
    for (int i = 0; i < int(records.size()); ++i)
        if (sameName(TDiagnosPost::fromBytes(records[i]).Namn, namn))
            return i;
    return -1;
}

std::unique_ptr<OpenClaim> &protocolClaim()
{
    static std::unique_ptr<OpenClaim> claim;
    return claim;
}

QString quoted(const QString &namn)
{
    return QLatin1Char('"') + namn + QLatin1Char('"');
}

// "\"Anna\"", "\"Anna\" och \"Bo\"", "\"Anna\", \"Bo\" och \"Cilla\"".
QString nameList(const QStringList &namn)
{
    QString text;
    for (int i = 0; i < int(namn.size()); ++i) {
        if (i > 0)
            text += i + 1 == int(namn.size()) ? QStringLiteral(" och ") : QStringLiteral(", ");
        text += quoted(namn[i]);
    }
    return text;
}

} // namespace

// The hidden marker beside the register that stands for the pupil's
// protocol: the name's upper-case bytes in hexadecimal, so that every
// spelling of it is one marker. Empty when there is no directory.
QString protocolMarker(const QString &Namn)
{
    const QString dir = registerDirectory();
    if (dir.isEmpty() || Namn.isEmpty())
        return {};
    const QByteArray key = Cp1252::encode(Cp1252::upper(kortad(Namn, DiagnosNamnLangd))).toHex().toUpper();
    return dir + QStringLiteral("/.") + RegisterNamn + QLatin1Char('.') + QString::fromLatin1(key)
           + QStringLiteral(".open");
}

Sparning sparaAktivDiagnos(QString *fel)
{
    enum class Utfall { Sparad, KanInteSkriva, Upptagen, OfullstandigFil, KanInteErsatta, IngenDiagnosfil, Borttagen };
    DiagnosSession &session = sessionOfAktivDiagnos();
    // A second round only after the pupil chose to keep the results of a
    // deleted record as a new one.
    for (int forsok = 0;; ++forsok) {
        Utfall utfall = Utfall::KanInteSkriva;
        RegisterFile r;
        TDiagnosPost sparad;
        bool registretBorta = false;
        const QString dir = registerDirectory();
        if (!dir.isEmpty()) {
            // Under the lock the register is read again and only what this
            // program changed in the pupil's record is written into it, so
            // that the saves of other programs are kept.
            FileLock lock(dir + QLatin1Char('/') + RegisterNamn);
            ReadResult lasning = ReadResult::Unreadable;
            if (!lock.lock())
                utfall = Utfall::Upptagen;
            else if ((lasning = readRegister(r)) == ReadResult::NotARegister)
                utfall = Utfall::IngenDiagnosfil;
            else if (lasning != ReadResult::Unreadable && r.tailSafe) {
                QList<QByteArray> records = r.records;
                const int at = recordOf(records, kortad(AktivDiagnos.Namn, DiagnosNamnLangd));
                if (at < 0 && session.iRegistret) {
                    // Deleted since it was read: never brought back unasked.
                    utfall = Utfall::Borttagen;
                    registretBorta = lasning == ReadResult::Missing;
                } else {
                    if (at < 0) {
                        sparad = AktivDiagnos;
                        records.append(sparad.toBytes());
                    } else {
                        sparad = withSessionChanges(TDiagnosPost::fromBytes(records[at]), AktivDiagnos, session);
                        records[at] = sparad.toBytes();
                    }
                    SafeRewrite rewrite(r.path);
                    // Nothing to change (a protocol closed without a new
                    // result): the register stays as it is.
                    if (records == r.records && !r.cut && lasning == ReadResult::Ok)
                        utfall = Utfall::Sparad;
                    else if (rewrite.open() && rewrite.commit(records))
                        utfall = Utfall::Sparad;
                    else if (rewrite.failure() == SafeRewrite::Failure::Write)
                        utfall = Utfall::OfullstandigFil;
                    else if (rewrite.failure() == SafeRewrite::Failure::Rename)
                        utfall = Utfall::KanInteErsatta;
                }
            }
        }
        tellDamage(r);

        switch (utfall) {
        case Utfall::Sparad:
            // What other programs saved is shown from now on too.
            AktivDiagnos = sparad;
            sessionSaved(sparad);
            DiagSpara = 0;
            return Sparning::Sparad;
        case Utfall::Borttagen: {
            DiagSpara = 0;
            const QByteArray nu = AktivDiagnos.toBytes();
            if (session.avstod == nu)
                return Sparning::Avstod; // asked already, and nothing has changed since
            const QString namn = quoted(AktivDiagnos.Namn);
            const QString vad = registretBorta
                                    ? QStringLiteral("Diagnosfilen ") + shown(r.path)
                                          + QStringLiteral(" finns inte längre: alla diagnoser har tagits bort medan "
                                                           "protokollet för ")
                                          + namn + QStringLiteral(" var öppet här.")
                                    : QStringLiteral("Diagnosen för ") + namn
                                          + QStringLiteral(" har tagits bort ur diagnosfilen ") + shown(r.path)
                                          + QStringLiteral(" medan protokollet var öppet här.");
            if (forsok > 0
                || !MessageBox::askYesNo(vad + QStringLiteral(" Vill du spara resultaten som en ny diagnos för ")
                                         + namn + QStringLiteral("? Svarar du Nej sparas ingenting."))) {
                session.avstod = nu;
                return Sparning::Avstod;
            }
            session.iRegistret = false;
            session.avstod.clear();
            DiagSpara = 1;
            continue;
        }
        default:
            break;
        }

        DiagSpara = 1;
        QString text = QStringLiteral("Diagnosen kunde inte sparas i katalogen ") + shown(DiagnosPath);
        switch (utfall) {
        case Utfall::Upptagen:
            text += QStringLiteral(": diagnosfilen sparas just nu av ett annat program. Försök igen om en stund.");
            break;
        case Utfall::OfullstandigFil:
            text += QStringLiteral(": den nya diagnosfilen kunde inte skrivas färdigt (disken kan vara full). "
                                   "Den gamla diagnosfilen är oförändrad.");
            break;
        case Utfall::KanInteErsatta: {
            const QString hinder = replaceObstacleMessage(QStringLiteral("Diagnosfilen"), r.path);
            text += hinder.isEmpty() ? QStringLiteral(": den nya diagnosfilen kunde inte ta den gamlas plats. Den "
                                                      "gamla diagnosfilen är oförändrad.")
                                     : QStringLiteral(". ") + hinder;
            break;
        }
        case Utfall::IngenDiagnosfil:
            text += QStringLiteral(": filen ") + shown(r.path)
                    + QStringLiteral(" är ingen diagnosfil. Läraren kan börja en ny diagnosfil med \"Ta bort alla "
                                     "diagnoser\".");
            break;
        default:
            text += QStringLiteral(". Kontrollera att katalogen finns och att det går att skriva i den.");
            break;
        }
        if (fel)
            *fel = text;
        else
            MessageBox::warning(text);
        return Sparning::Misslyckad;
    }
}

bool SparaProtokoll(QString *fel)
{
    return sparaAktivDiagnos(fel) == Sparning::Sparad;
}

bool SparaNyttLosen()
{
    DiagSpara = 1;
    QString fel;
    switch (sparaAktivDiagnos(&fel)) {
    case Sparning::Sparad:
        return true;
    case Sparning::Avstod:
        return false;
    case Sparning::Misslyckad:
        break;
    }
    MessageBox::warning(fel + QStringLiteral(" Det nya lösenordet är inte sparat än: det sparas nästa gång "
                                             "diagnosen kan sparas."));
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
    QString fraga = QStringLiteral("Vill du verkligen ta bort diagnosen \"") + namn + QStringLiteral("\"?");
    if (protocolIsOpen(namn))
        fraga = QStringLiteral("Protokollet för \"") + namn
                + QStringLiteral("\" är öppet i ett annat program just nu. Tar du bort diagnosen får eleven där "
                                 "frågan om resultaten ska sparas som en ny diagnos, nästa gång de sparas.\n\n")
                + fraga;
    if (!MessageBox::askYesNo(fraga)) {
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

bool ArkiveraDiagnoser(bool *avstod)
{
    if (avstod)
        *avstod = false;
    const QString dir = registerDirectory();
    FileLock lock(dir + QLatin1Char('/') + RegisterNamn);
    const QString path = dir.isEmpty() ? QString() : ProgramPath::resolve(dir, RegisterNamn);
    QFile check(path);
    if (path.isEmpty() || QFileInfo(path).isDir() || !check.open(QIODevice::ReadOnly)) {
        MessageBox::information(registerMissingText());
        return false;
    }
    check.close();

    // Pupils whose protocol is open elsewhere are asked at their next save
    // whether to keep their results as new records; the teacher is told.
    const QStringList oppna = protocolsOpen();
    if (!oppna.isEmpty()) {
        const QString vem = oppna.size() == 1 ? QStringLiteral("Protokollet för ") + nameList(oppna)
                                                    + QStringLiteral(" är öppet")
                                              : QStringLiteral("Protokollen för ") + nameList(oppna)
                                                    + QStringLiteral(" är öppna");
        if (!MessageBox::askYesNo(vem + QStringLiteral(" i ett annat program just nu. Tar du bort alla diagnoser "
                                                       "får eleverna där frågan om resultaten ska sparas som nya "
                                                       "diagnoser, nästa gång de sparas.\n\nVill du ändå ta bort "
                                                       "alla diagnoser?"))) {
            if (avstod)
                *avstod = true;
            return false;
        }
    }

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
        const int at = recordOf(r.records, namn);
        if (at >= 0) {
            NamnFunnet = 1;
            AktivDiagnos = TDiagnosPost::fromBytes(r.records[at]);
        }
    }
    if (NamnFunnet == 0)
        NollstallDiagnos();
    AktivDiagnos.Namn = namn;
    // What this program does to the record from now on is what its saves
    // write into the register.
    startDiagnosSession(NamnFunnet != 0);
    return NamnFunnet ? AktivDiagnos.Losen : QString();
}

bool NamnFinns(const QString &Namn)
{
    const QString namn = kortad(Namn, DiagnosNamnLangd);
    RegisterFile r;
    const bool found = readRegisterAndTell(r) == ReadResult::Ok && recordOf(r.records, namn) >= 0;
    // Nobody's results stay behind under the new name.
    NollstallDiagnos();
    AktivDiagnos.Namn = namn;
    return found;
}

void NollstallDiagnos()
{
    // Also the time stamps and the reserved bytes: nothing of the previous
    // pupil goes into the new record.
    AktivDiagnos = freshDiagnosPost();
    endDiagnosSession();
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

bool claimProtocol(const QString &Namn)
{
    releaseProtocol();
    protocolClaim() = std::make_unique<OpenClaim>(protocolMarker(Namn));
    return protocolClaim()->take();
}

void releaseProtocol()
{
    protocolClaim().reset();
}

bool protocolIsOpen(const QString &Namn)
{
    return OpenClaim::isClaimed(protocolMarker(Namn));
}

QStringList protocolsOpen()
{
    QStringList oppna;
    RegisterFile r;
    if (readRegister(r) != ReadResult::Ok)
        return oppna;
    for (const QByteArray &rec : std::as_const(r.records)) {
        const QString namn = TDiagnosPost::fromBytes(rec).Namn;
        if (!namn.isEmpty() && protocolIsOpen(namn))
            oppna.append(namn);
    }
    return oppna;
}

void tellRegisterObstacle()
{
    const QString dir = registerDirectory();
    const QString path = dir.isEmpty() ? QString() : ProgramPath::resolve(dir, RegisterNamn);
    const QString text = replaceObstacleMessage(QStringLiteral("Diagnosfilen"), path);
    if (!text.isEmpty())
        MessageBox::warning(text);
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
