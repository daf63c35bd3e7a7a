#include "platform/Sound.h"

#include "platform/ProgramPath.h"
#include "platform/SoundBackend.h"
#include "platform/WavSound.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QtDebug>

namespace {

QString shown(const QString &file)
{
    return ProgramPath::normalise(file);
}

// Reads and checks a sound file; on a fault *error tells the user why it
// cannot be played, or, for a file whose end is missing, that it is damaged.
WavSound readSound(const QString &file, QString *error)
{
    const auto tell = [&](const char *why) {
        if (error)
            *error = QStringLiteral("Ljudfilen ") + shown(file) + QString::fromUtf8(why);
    };
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        tell(" kan inte läsas.");
        return {};
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        tell(" kan inte läsas.");
        return {};
    }
    WavSound s = WavSound::fromBytes(bytes);
    if (s.fault == WavSound::Fault::NotWav)
        tell(" är ingen giltig WAV-fil.");
    else if (s.fault == WavSound::Fault::NoSound)
        tell(" innehåller inget ljud.");
    else if (s.truncated)
        tell(" är skadad: slutet av ljudet saknas.");
    return s;
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
    static QLibrary module; // never unloaded
    QString why;
    for (const QString &place : places) {
        module.setFileName(place + QStringLiteral("/varmiko_sound"));
        if (auto entry = reinterpret_cast<SoundBackend *(*)()>(module.resolve(VARMIKO_SOUND_BACKEND_ENTRY)))
            return entry();
        why = module.errorString();
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
        const WavSound sound = readSound(file, &why);
        if (error)
            *error = why;
        if (sound.fault != WavSound::Fault::None)
            return false;
        SoundBackend *b = backend();
        if (b && b->play(sound, wait) == SoundBackend::Result::Failed) {
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
    QString why;
    const WavSound sound = readSound(file, &why);
    if (sound.fault != WavSound::Fault::None) {
        if (error)
            *error = why;
        return -1;
    }
    return sound.lengthMs();
}

} // namespace Sound
