#include "TestCourse.h"

#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestCourse::TestCourse()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

QString TestCourse::path(const QString &relative) const
{
    return m_dir.path() + '/' + relative;
}

void TestCourse::mkdir(const QString &relative)
{
    QDir().mkpath(path(relative));
}

void TestCourse::writeBytes(const QString &relative, const QByteArray &bytes)
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void TestCourse::write(const QString &relative, const QStringList &lines)
{
    QByteArray b;
    for (const QString &l : lines)
        b += Cp1252::encode(l) + "\r\n";
    writeBytes(relative, b);
}

QString TestCourse::writePathSettings(const QStringList &lines)
{
    QByteArray b;
    for (const QString &l : lines)
        b += Cp1252::encode(l) + "\r\n";
    const QString p = m_config.path() + QStringLiteral("/Vrs2010.Ini");
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(b);
    return p;
}

void TestCourse::activate(const QString &cdRoot)
{
    PCPath = root();
    CDPath = cdRoot;
    DiagnosPath = root() + QStringLiteral("\\RESULTAT");
    ScoreDirectory = root() + QStringLiteral("\\RESULTAT\\");
    AvslutaProgrammet = false;
    HaemtaDatFiler();
    HaemtaLovordFiler();
    NollstallSlump(1, MaxSlumptal);
}

void activateBundledCourse()
{
    PCPath = qEnvironmentVariable("VARMIKO_BUILD_DIR");
    CDPath.clear();
    HaemtaDatFiler();
    NollstallSlump(1, MaxSlumptal);
}
