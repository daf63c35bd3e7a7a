#pragma once
// The sound of a WAV file, read by our own reader and played from memory.
// The header is checked against the file itself: a data length that claims
// more than the file holds is cut to what is there, so that a half-copied
// file or one written to a pipe never makes the player wait for bytes that
// will not come.
//
// Plain data and QtCore only: the sound module takes it as it is, and tests
// and the fuzzer call the reader directly.

#include <QByteArray>
#include <QtGlobal>

struct WavSound
{
    enum class Fault {
        None,
        NotWav,  // no RIFF/WAVE file, or a format the player does not take
        NoSound, // a valid header but not one whole frame of sound
    };

    // The sample layouts a sound system takes; 24-bit files are widened to
    // 32 bits.
    enum class SampleFormat { UInt8, Int16, Int32, Float };

    Fault fault = Fault::NotWav;
    SampleFormat format = SampleFormat::Int16;
    int channels = 0;
    int sampleRate = 0;
    // Whole frames in the sample format above.
    QByteArray samples;
    // The file ends before the data length in its header: samples holds what
    // is there. A length of 0xFFFFFFFF ("up to the end", as converters write
    // to a pipe) is no damage.
    bool truncated = false;

    int bytesPerFrame() const
    {
        return channels * (format == SampleFormat::UInt8 ? 1 : format == SampleFormat::Int16 ? 2 : 4);
    }

    qint64 lengthMs() const
    {
        const qint64 perSecond = qint64(sampleRate) * bytesPerFrame();
        return perSecond > 0 ? samples.size() * 1000 / perSecond : 0;
    }

    // Reads a whole WAV file held in memory: integer PCM of 8, 16, 24 or 32
    // bits, or 32-bit float, plain or in the extensible form, 1..8 channels.
    static WavSound fromBytes(const QByteArray &file);
};
