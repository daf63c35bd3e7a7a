#include "platform/Random.h"

#include <QDateTime>

namespace Random {

QRandomGenerator &generator()
{
    static QRandomGenerator g(1u);
    return g;
}

void reseed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VARMIKO_SEED").toUInt(&ok);
    generator().seed(ok ? seed : quint32(QDateTime::currentMSecsSinceEpoch()));
}

int between1and(int n)
{
    if (n <= 1)
        return 1;
    return int(generator().bounded(quint32(n))) + 1;
}

} // namespace Random
