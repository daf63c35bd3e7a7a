#include "frame/catalogue/fonsterregister.h"

#include <QHash>

namespace {

QHash<QString, std::function<void(qint32)>> &registret()
{
    static QHash<QString, std::function<void(qint32)>> r;
    return r;
}

} // namespace

void registreraFonster(const QString &klass, std::function<void()> visa)
{
    if (!visa) {
        avregistreraFonster(klass);
        return;
    }
    registret().insert(klass, [visa = std::move(visa)](qint32) { visa(); });
}

void registreraFonster(const QString &klass, std::function<void(qint32)> visa)
{
    if (!visa) {
        avregistreraFonster(klass);
        return;
    }
    registret().insert(klass, std::move(visa));
}

void avregistreraFonster(const QString &klass)
{
    registret().remove(klass);
}

bool harFonster(const QString &klass)
{
    return registret().contains(klass);
}

bool visaFonster(const QString &klass, qint32 argument)
{
    const auto it = registret().constFind(klass);
    if (it == registret().constEnd())
        return false;
    // A copy: the routine may run a modal loop in which the registry changes.
    const std::function<void(qint32)> visa = it.value();
    visa(argument);
    return true;
}
