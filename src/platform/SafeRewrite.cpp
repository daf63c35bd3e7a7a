#include "platform/SafeRewrite.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// A leftover this old cannot belong to a save still in progress.
constexpr qint64 LeftoverAgeMs = 60 * 1000;
constexpr int RandomLength = 6;
constexpr int NameAttempts = 100;

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString randomPart()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    // The system's generator: the program's own random order stays as it is.
    QString s;
    for (int i = 0; i < RandomLength; ++i)
        s += QLatin1Char(letters[QRandomGenerator::system()->bounded(int(sizeof letters) - 1)]);
    return s;
}

} // namespace

SafeRewrite::SafeRewrite(const QString &target)
    : m_dir(QFileInfo(target).absolutePath()), m_target(target)
{
}

SafeRewrite::~SafeRewrite()
{
    if (m_temp.isOpen())
        m_temp.close();
    if (!m_committed && m_opened)
        m_temp.remove();
}

namespace {

QRegularExpression temporaryPattern(const QString &targetName)
{
    return QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(targetName)
                                  + QStringLiteral("\\.[A-Za-z0-9]{%1}\\.tmp$").arg(RandomLength),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

bool SafeRewrite::isTemporaryOf(const QString &name, const QString &targetName)
{
    return temporaryPattern(targetName).match(name).hasMatch();
}

void SafeRewrite::removeLeftovers() const
{
    const QRegularExpression ours = temporaryPattern(QFileInfo(m_target).fileName());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QFileInfoList entries = QDir(m_dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &e : entries) {
        if (!ours.match(e.fileName()).hasMatch())
            continue;
        if (e.lastModified().toUTC().msecsTo(now) > LeftoverAgeMs)
            QFile::remove(e.absoluteFilePath()); // another account's stays where it is
    }
}

bool SafeRewrite::open()
{
    m_failure = Failure::NoTemporary;
    if (m_target.isEmpty() || !QFileInfo(m_dir).isDir())
        return false;
    removeLeftovers();
    const QString base = m_dir + QLatin1Char('/') + QFileInfo(m_target).fileName() + QLatin1Char('.');
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        m_temp.setFileName(base + randomPart() + QStringLiteral(".tmp"));
        if (m_temp.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_opened = true;
            m_failure = Failure::None;
            return true;
        }
        // Only a name that is taken is worth another try.
        if (!QFileInfo::exists(m_temp.fileName()))
            break;
    }
    return false;
}

bool SafeRewrite::commit(const QList<QByteArray> &parts)
{
    if (!m_temp.isOpen())
        return false;
    bool ok = true;
    for (const QByteArray &part : parts)
        ok = ok && m_temp.write(part) == part.size();
    ok = ok && syncFile(m_temp);
    m_temp.close();
    ok = ok && m_temp.error() == QFileDevice::NoError;
    if (!ok) {
        m_failure = Failure::Write;
        return false;
    }
    // A file shared by several accounts keeps its access rights.
    if (QFileInfo::exists(m_target))
        QFile::setPermissions(m_temp.fileName(), QFileInfo(m_target).permissions());
    std::error_code ec;
    std::filesystem::rename(fsPath(m_temp.fileName()), fsPath(m_target), ec);
    if (ec) {
        m_failure = Failure::Rename;
        return false;
    }
    m_committed = true;
    m_failure = Failure::None;
    syncDirectory(m_dir);
    return true;
}

SafeRewrite::Failure SafeRewrite::replace(const QString &target, const QByteArray &data)
{
    SafeRewrite rewrite(target);
    if (rewrite.open())
        rewrite.commit({data});
    return rewrite.failure();
}

bool SafeRewrite::syncFile(QFile &f)
{
    if (!f.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(f.handle()) == 0;
#else
    return true;
#endif
}

void SafeRewrite::syncDirectory(const QString &dir)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(dir);
#endif
}

SafeRewrite::Obstacle SafeRewrite::replaceObstacle(const QString &target)
{
#ifdef Q_OS_UNIX
    struct stat file {};
    struct stat dir {};
    if (target.isEmpty() || ::stat(QFile::encodeName(target).constData(), &file) != 0
        || ::stat(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), &dir) != 0)
        return Obstacle::None;
    const uid_t self = ::geteuid();
    // The super-user replaces any file.
    if ((dir.st_mode & S_ISVTX) && self != 0 && file.st_uid != self && dir.st_uid != self)
        return Obstacle::StickyDirectory;
#else
    Q_UNUSED(target);
#endif
    return Obstacle::None;
}

bool SafeRewrite::writeNew(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    bool ok = f.write(data) == data.size() && syncFile(f);
    f.close();
    ok = ok && f.error() == QFileDevice::NoError;
    if (!ok)
        f.remove();
    return ok;
}
