#include "platform/SafeRewrite.h"

#include <QFileInfo>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

SafeRewrite::SafeRewrite(const QString &dir, const QString &target, const QString &tempName)
    : m_dir(dir), m_target(target), m_temp(dir + QLatin1Char('/') + tempName)
{
}

SafeRewrite::~SafeRewrite()
{
    if (m_temp.isOpen())
        m_temp.close();
    if (!m_committed && m_opened)
        m_temp.remove();
}

bool SafeRewrite::open()
{
    if (m_dir.isEmpty())
        return false;
    m_opened = m_temp.open(QIODevice::WriteOnly | QIODevice::Truncate);
    return m_opened;
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
    if (!ok)
        return false;
    // A file shared by several accounts keeps its access rights.
    if (QFileInfo::exists(m_target))
        QFile::setPermissions(m_temp.fileName(), QFileInfo(m_target).permissions());
    std::error_code ec;
    std::filesystem::rename(fsPath(m_temp.fileName()), fsPath(m_target), ec);
    if (ec)
        return false;
    m_committed = true;
    syncDirectory(m_dir);
    return true;
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
