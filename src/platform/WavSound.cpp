#include "platform/WavSound.h"

namespace {

quint32 le16(const QByteArray &b, qsizetype at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8;
}

quint32 le32(const QByteArray &b, qsizetype at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

constexpr quint32 FormatPcm = 1;
constexpr quint32 FormatFloat = 3;
constexpr quint32 FormatExtensible = 0xFFFE;
constexpr quint32 LengthUnknown = 0xFFFFFFFF;
constexpr int MaxChannels = 8;
constexpr quint32 MaxSampleRate = 384000;

struct Format
{
    quint32 tag = 0;
    int channels = 0;
    quint32 rate = 0;
    int bits = 0;
};

// The "fmt " chunk, whose body of size bytes starts at at; false for a
// format the player does not take.
bool readFormat(const QByteArray &b, qsizetype at, quint32 size, Format &f)
{
    if (size < 16 || at + 16 > b.size())
        return false;
    f.tag = le16(b, at);
    f.channels = int(le16(b, at + 2));
    f.rate = le32(b, at + 4);
    const quint32 blockAlign = le16(b, at + 12);
    f.bits = int(le16(b, at + 14));
    if (f.tag == FormatExtensible) {
        // The real format is in the first two bytes of the sub-format.
        if (size < 40 || at + 40 > b.size())
            return false;
        f.tag = le16(b, at + 24);
    }
    const bool pcm = f.tag == FormatPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32);
    const bool flt = f.tag == FormatFloat && f.bits == 32;
    return (pcm || flt) && f.channels >= 1 && f.channels <= MaxChannels && f.rate >= 1 && f.rate <= MaxSampleRate
           && blockAlign == quint32(f.channels * f.bits / 8);
}

} // namespace

WavSound WavSound::fromBytes(const QByteArray &b)
{
    WavSound s;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return s;

    Format f;
    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = le32(b, pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt ") {
            if (!readFormat(b, body, size, f))
                return s;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return s;
            const qsizetype there = b.size() - body;
            s.truncated = size != LengthUnknown && qint64(size) > there;
            const qsizetype frame = qsizetype(f.channels) * (f.bits / 8);
            const qsizetype bytes = qMin<qint64>(size, there) / frame * frame;
            s.fault = bytes > 0 ? Fault::None : Fault::NoSound;
            s.channels = f.channels;
            s.sampleRate = int(f.rate);
            if (s.fault != Fault::None)
                return s;
            const QByteArray data = b.mid(body, bytes);
            if (f.tag == FormatFloat) {
                s.format = SampleFormat::Float;
                s.samples = data;
            } else if (f.bits == 8) {
                s.format = SampleFormat::UInt8;
                s.samples = data;
            } else if (f.bits == 16) {
                s.format = SampleFormat::Int16;
                s.samples = data;
            } else if (f.bits == 32) {
                s.format = SampleFormat::Int32;
                s.samples = data;
            } else {
                // 24 bits: each sample becomes the top three bytes of a 32-bit one.
                s.format = SampleFormat::Int32;
                const qsizetype n = bytes / 3;
                s.samples.resize(n * 4);
                char *out = s.samples.data();
                for (qsizetype i = 0; i < n; ++i) {
                    out[4 * i] = 0;
                    out[4 * i + 1] = data[3 * i];
                    out[4 * i + 2] = data[3 * i + 1];
                    out[4 * i + 3] = data[3 * i + 2];
                }
            }
            return s;
        }
        // Chunks are padded to an even length.
        pos = body + qint64(size) + (size & 1);
    }
    // A format without any sound data is a WAV file with nothing to play.
    if (haveFormat) {
        s.fault = Fault::NoSound;
        s.channels = f.channels;
        s.sampleRate = int(f.rate);
    }
    return s;
}
