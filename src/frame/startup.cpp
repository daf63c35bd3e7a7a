#include "frame/startup.h"

#include "frame/vrsku1.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace {

bool isRootPath(const QString &p)
{
    const QString n = ProgramPath::normalise(p);
    return n == QLatin1String("/") || (n.size() <= 3 && n.size() >= 2 && n[1] == ':');
}

// "Kan inte hitta katalogen …", naming every DATA directory that was tried.
void visaSaknadDataKatalog()
{
    QStringList tried;
    for (const QString &root : {PCPath, CDPath})
        if (!root.trimmed().isEmpty())
            tried << ProgramPath::normalise(root + QStringLiteral("\\DATA"));
    if (tried.isEmpty())
        tried << QStringLiteral("DATA");
    MessageBox::warning(QStringLiteral("Kan inte hitta katalogen ") + tried.join(QStringLiteral(" eller ")));
}

// The names in the DATA directory that match a mask like "VR*.DAT", letter
// case ignored, sorted by character codes.
QStringList sokKatalog(const QString &katalog, const QString &mask, int max)
{
    QDir dir(katalog);
    dir.setNameFilters({mask});
    dir.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    if (names.size() > max)
        names = names.mid(0, max);
    return names;
}

QString extension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf('.');
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

} // namespace

QString installningsKatalog()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

void LaesSokvagar()
{
    IniFile ini;
    const QString file = ProgramPath::resolve(installningsKatalog(), QStringLiteral("Vrs2010.Ini"));
    if (!file.isEmpty())
        ini.load(file);

    CDPath = ini.value(QStringLiteral("PATH"), QStringLiteral("VrsCDPath"));
    PCPath = ini.value(QStringLiteral("PATH"), QStringLiteral("VrsPCPath"));
    if (PCPath.trimmed().isEmpty())
        PCPath = QCoreApplication::applicationDirPath();

    ScoreDirectory = ini.value(QStringLiteral("Path"), QStringLiteral("VrsScoreDirectory"));
    if (!ScoreDirectory.isEmpty() && !ScoreDirectory.endsWith('\\') && !ScoreDirectory.endsWith('/'))
        ScoreDirectory += '\\';

    DiagnosPath = ini.value(QStringLiteral("Path"), QStringLiteral("VrsDiagnosPath"));
    if (DiagnosPath.isEmpty())
        DiagnosPath = PCPath + QStringLiteral("\\RESULTAT");
    else if ((DiagnosPath.endsWith('\\') || DiagnosPath.endsWith('/')) && !isRootPath(DiagnosPath))
        DiagnosPath.chop(1);
}

void HaemtaVrskaINI()
{
    QString file = ProgramPath::resolve(PCPath, QStringLiteral("\\PROGRAM\\VRSKA.INI"));
    if (file.isEmpty())
        file = ProgramPath::resolve(CDPath, QStringLiteral("\\PROGRAM\\VRSKA.INI"));
    if (file.isEmpty())
        return; // the start values 3, 1 and 1 stay
    IniFile ini;
    if (!ini.load(file))
        return;

    const QString paus = ini.value(QStringLiteral("SETTINGS"), QStringLiteral("TIMESHOWINGCORRECTANSWER"));
    if (paus.isEmpty())
        PausTid = 3;
    else if (paus[0].isDigit() && paus[0].unicode() < 128)
        PausTid = paus[0].unicode() - '0';

    auto setting = [&](const QString &key, quint8 &target) {
        if (!ini.contains(QStringLiteral("SETTINGS"), key))
            return;
        const QString v = ini.value(QStringLiteral("SETTINGS"), key);
        if (v.isEmpty())
            target = 1;
        else if (v[0] == '1' || v[0] == '2' || v[0] == '3')
            target = quint8(v[0].unicode() - '0');
        else
            target = 0;
    };
    setting(QStringLiteral("SOUNDS"), LjudInst);
    setting(QStringLiteral("GERMANYPICTURES"), BildInst);
}

QString dataKatalog()
{
    for (const QString &root : {PCPath, CDPath}) {
        const QString d = ProgramPath::resolve(root, QStringLiteral("\\DATA"));
        if (!d.isEmpty() && QFileInfo(d).isDir())
            return d;
    }
    return {};
}

void HaemtaDatFiler()
{
    AntalDatFiler = 0;
    AntalLovordFiler = 0;
    AntalListor = 0;
    for (auto &n : DatFiler)
        n.clear();
    for (auto &n : LovordFiler)
        n.clear();

    QString listFile = ProgramPath::resolve(PCPath, QStringLiteral("\\DATA\\datfiler.vrs"));
    if (listFile.isEmpty())
        listFile = ProgramPath::resolve(CDPath, QStringLiteral("\\DATA\\datfiler.vrs"));
    QStringList lines;
    if (!listFile.isEmpty() && TextFile::readLines(listFile, lines)) {
        for (const QString &raw : lines) {
            const QString name = raw.trimmed();
            const QString ext = extension(name);
            if (ext == QLatin1String(".DAT") && AntalDatFiler < MaxDatFiler)
                DatFiler[++AntalDatFiler] = name;
            else if (ext == QLatin1String(".LOV") && AntalLovordFiler < MaxLovordFiler)
                LovordFiler[++AntalLovordFiler] = name;
        }
        AntalListor = AntalDatFiler;
        return;
    }

    const QString dir = dataKatalog();
    if (dir.isEmpty()) {
        visaSaknadDataKatalog();
        AvslutaProgrammet = true;
        return;
    }
    for (const QString &name : sokKatalog(dir, QStringLiteral("VR*.DAT"), MaxDatFiler))
        DatFiler[++AntalDatFiler] = name;
    AntalListor = AntalDatFiler;
}

void HaemtaLovordFiler()
{
    if (AntalLovordFiler > 0)
        return;
    const QString dir = dataKatalog();
    if (dir.isEmpty()) {
        visaSaknadDataKatalog();
        return;
    }
    for (const QString &name : sokKatalog(dir, QStringLiteral("VROM*.LOV"), MaxLovordFiler))
        LovordFiler[++AntalLovordFiler] = name;
}

void RaknaBilder()
{
    BildAntal = 42;
}

bool KatalogSkrivskyddad(const QString &katalog)
{
    const QString dir = ProgramPath::resolve(katalog);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return true;
    // A probe of our own with a unique name, removed at once: a file of the
    // user's is never touched.
    QTemporaryFile probe(dir + QStringLiteral("/temp.XXXXXX.$$$"));
    return !probe.open();
}

void TestaScoreDirectory()
{
    QString d = ScoreDirectory;
    if (!d.isEmpty())
        d.chop(1);
    const bool usable = !d.isEmpty() && ProgramPath::isDirectory(d) && !KatalogSkrivskyddad(d);
    if (!usable) {
        ScoreDirectory = PCPath + QStringLiteral("\\RESULTAT\\");
        const QString fallback = ProgramPath::forWriting(PCPath + QStringLiteral("\\RESULTAT"));
        if (!fallback.isEmpty())
            QDir().mkpath(fallback);
        d = PCPath + QStringLiteral("\\RESULTAT");
    }
    ScoreDirectoryOk = (ProgramPath::isDirectory(d) && !KatalogSkrivskyddad(d)) ? 1 : 0;
}
