#include "TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace {

void setIfUnset(const char *name, const QByteArray &value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}

} // namespace

void setTestEnvironment()
{
    setIfUnset("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt wants the runtime directory private to its owner.
        const QString runtime = QStringLiteral(VARMIKO_TEST_RUNTIME_DIR);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    }
    setIfUnset("VARMIKO_COURSE", QFile::encodeName(QStringLiteral(VARMIKO_TEST_COURSE_DIR)));
    setIfUnset("VARMIKO_BUILD_DIR", QFile::encodeName(QStringLiteral(VARMIKO_TEST_PROGRAM_DIR)));
}
