#include "platform/Sound.h"

#include "platform/ProgramPath.h"
#include "platform/SoundBackend.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QtDebug>

namespace {

quint32 le32(const QByteArray &b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
           | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

QString shown(const QString &file)
{
    return ProgramPath::normalise(file);
}

// The sound module: beside the program, or in the build directory for the
// tests and the benchmark, which are built below it. Loaded once, and kept
// to the end of the run (its sounds belong to the application).
SoundBackend *loadBackend()
{
    QStringList places{QCoreApplication::applicationDirPath()};
#ifdef VARMIKO_MODULE_DIR
    places.append(QStringLiteral(VARMIKO_MODULE_DIR));
#endif
    QString why;
    for (const QString &place : places) {
        auto *module = new QLibrary(place + QStringLiteral("/varmiko_sound"));
        if (auto entry = reinterpret_cast<SoundBackend *(*)()>(module->resolve(VARMIKO_SOUND_BACKEND_ENTRY)))
            return entry();
        why = module->errorString();
        delete module;
    }
    qWarning("Varmiko: no sound module, the sounds are not played (%s)", qPrintable(why));
    return nullptr;
}

// The module once loaded; null before the first sound and without it.
SoundBackend *&loaded()
{
    static SoundBackend *b = nullptr;
    return b;
}

SoundBackend *backend()
{
    static bool tried = false;
    if (!tried) {
        tried = true;
        loaded() = loadBackend();
    }
    return loaded();
}

// Checks the file, then plays it through the sound module. Without the
// module, as without a sound device, the exercise goes on in silence.
class ModuleSoundPlayer : public SoundPlayer
{
public:
    bool play(const QString &file, bool wait, QString *error) override
    {
        QString why;
        const qint64 length = Sound::wavLength(file, &why);
        if (length < 0) {
            if (error)
                *error = why;
            return false;
        }
        SoundBackend *b = backend();
        if (b && b->play(file, length, wait) == SoundBackend::Result::Failed) {
            if (error)
                *error = QStringLiteral("Ljudfilen ") + shown(file) + QStringLiteral(" kunde inte spelas upp.");
            return false;
        }
        return true;
    }

    void stop() override
    {
        // Nothing plays before the module is loaded.
        if (SoundBackend *b = loaded())
            b->stop();
    }
};

ModuleSoundPlayer &ownPlayer()
{
    static ModuleSoundPlayer p;
    return p;
}

SoundPlayer *&installed()
{
    static SoundPlayer *p = nullptr;
    return p;
}

} // namespace

namespace Sound {

SoundPlayer &player()
{
    return installed() ? *installed() : ownPlayer();
}

bool hasModule()
{
    return backend() != nullptr;
}

SoundPlayer *setPlayer(SoundPlayer *p)
{
    SoundPlayer *before = installed();
    installed() = p;
    return before;
}

qint64 wavLength(const QString &file, QString *error)
{
    auto fail = [&](const QString &text) {
        if (error)
            *error = text;
        return qint64(-1);
    };
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Ljudfilen ") + shown(file) + QStringLiteral(" kan inte läsas."));
    const QString notWav = QStringLiteral("Ljudfilen ") + shown(file) + QStringLiteral(" är ingen giltig WAV-fil.");

    const QByteArray riff = f.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return fail(notWav);

    qint64 bytesPerSecond = 0;
    while (!f.atEnd()) {
        const QByteArray head = f.read(8);
        if (head.size() < 8)
            break;
        const QByteArray id = head.left(4);
        const qint64 size = le32(head, 4);
        const qint64 body = f.pos();
        if (id == "fmt ") {
            const QByteArray fmt = f.read(16);
            if (fmt.size() < 16)
                return fail(notWav);
            const quint16 format = le16(fmt, 0);
            const quint16 channels = le16(fmt, 2);
            const quint32 rate = le32(fmt, 4);
            const quint16 bits = le16(fmt, 14);
            // Integer PCM, float and the extensible form: what the player decodes.
            if ((format != 1 && format != 3 && format != 0xFFFE) || channels == 0 || rate == 0 || bits == 0)
                return fail(notWav);
            bytesPerSecond = qint64(rate) * channels * ((bits + 7) / 8);
        } else if (id == "data") {
            if (bytesPerSecond == 0)
                return fail(notWav);
            // A length field that claims more than the file holds is cut to the file.
            const qint64 data = qMin(size, f.size() - body);
            return data * 1000 / bytesPerSecond;
        }
        if (!f.seek(body + size + (size & 1)))
            break;
    }
    return fail(notWav);
}

} // namespace Sound
