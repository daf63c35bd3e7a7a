#include "platform/Clock.h"

#include <QElapsedTimer>

namespace {

std::function<QDateTime()> &source()
{
    static std::function<QDateTime()> s;
    return s;
}

std::function<qint64()> &elapsedSource()
{
    static std::function<qint64()> s;
    return s;
}

} // namespace

namespace Clock {

QDateTime now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void setSource(std::function<QDateTime()> s)
{
    source() = std::move(s);
}

qint64 elapsedMs()
{
    if (elapsedSource())
        return elapsedSource()();
    static QElapsedTimer klocka;
    if (!klocka.isValid())
        klocka.start();
    return klocka.elapsed();
}

void setElapsedSource(std::function<qint64()> s)
{
    elapsedSource() = std::move(s);
}

} // namespace Clock
