#include "platform/Cp1252.h"

#include <array>

namespace {

// Code points of the bytes 0x80..0x9F; the holes keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

namespace Cp1252 {

QChar toChar(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

char fromChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return char(0x80 + i);
    return '?';
}

QString decode(const QByteArray &bytes)
{
    QString s;
    s.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        s[i] = toChar(static_cast<unsigned char>(bytes[i]));
    return s;
}

QByteArray encode(const QString &text)
{
    QByteArray b;
    b.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        b[i] = fromChar(text[i]);
    return b;
}

QChar upper(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return QChar(char16_t(u - 32));
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return QChar(char16_t(u - 32));
    switch (u) {
    case 0x0161: return QChar(char16_t(0x0160)); // š
    case 0x0153: return QChar(char16_t(0x0152)); // œ
    case 0x017E: return QChar(char16_t(0x017D)); // ž
    case 0x00FF: return QChar(char16_t(0x0178)); // ÿ
    default: return c;
    }
}

QString upper(const QString &text)
{
    QString s = text;
    for (qsizetype i = 0; i < s.size(); ++i)
        s[i] = upper(s[i]);
    return s;
}

QChar lower(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
        return QChar(char16_t(u + 32));
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return QChar(char16_t(u + 32));
    switch (u) {
    case 0x0160: return QChar(char16_t(0x0161)); // Š
    case 0x0152: return QChar(char16_t(0x0153)); // Œ
    case 0x017D: return QChar(char16_t(0x017E)); // Ž
    case 0x0178: return QChar(char16_t(0x00FF)); // Ÿ
    default: return c;
    }
}

QString lower(const QString &text)
{
    QString s = text;
    for (qsizetype i = 0; i < s.size(); ++i)
        s[i] = lower(s[i]);
    return s;
}

} // namespace Cp1252
