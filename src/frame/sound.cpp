#include "frame/sound.h"

#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/Sound.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>

#include <utility>

// The sequence that plays now, if any; the innermost when one is made inside
// another.
class LjudfoljdTillgang
{
public:
    static Ljudfoljd *&aktiv()
    {
        static Ljudfoljd *f = nullptr;
        return f;
    }
    static bool avbruten() { return aktiv() && aktiv()->m_avbruten; }
    static void avbryt()
    {
        if (aktiv())
            aktiv()->m_avbruten = true;
    }
    // False when the sequence has already shown its message.
    static bool farMeddela()
    {
        if (!aktiv())
            return true;
        if (aktiv()->m_meddelat)
            return false;
        aktiv()->m_meddelat = true;
        return true;
    }
};

namespace {

// A damaged sound file is reported the first time it is played in a run; the
// pronunciation duel plays its words again and again.
bool forstaGangen(const QString &fil, const QString &fel)
{
    static QSet<QString> visade;
    const QFileInfo info(fil);
    const QString nyckel = info.absoluteFilePath() + QLatin1Char('|') + QString::number(info.size())
                           + QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch())
                           + QLatin1Char('|') + fel;
    if (visade.contains(nyckel))
        return false;
    visade.insert(nyckel);
    return true;
}

// What the player answered, told to the pupil: a sound system that does not
// answer once in a run, whatever sound it was; any other fault once per file.
void meddelaFel(SoundPlayer::Result resultat, const QString &fil, const QString &fel)
{
    if (fel.isEmpty())
        return;
    static bool ejSvarSagt = false;
    if (resultat == SoundPlayer::Result::NoAnswer) {
        if (ejSvarSagt)
            return;
        ejSvarSagt = true;
    } else if (!forstaGangen(fil, fel)) {
        return;
    }
    if (LjudfoljdTillgang::farMeddela())
        MessageBox::error(fel);
}

} // namespace

Ljudfoljd::Ljudfoljd()
    : m_yttre(LjudfoljdTillgang::aktiv())
{
    LjudfoljdTillgang::aktiv() = this;
}

Ljudfoljd::~Ljudfoljd()
{
    LjudfoljdTillgang::aktiv() = m_yttre;
}

void GeLjudDirectory()
{
    static const std::pair<quint16, const char *> tabell[] = {
        {31100, "T311"}, {31200, "T312"}, {31300, "T313"}, {31400, "T314"}, {32000, "T320"},
        {43000, "T430"}, {44000, "T440"}, {45000, "T450"}, {46000, "T460"}, {47000, "T470"},
    };
    // A program without a directory of its own must not inherit the one of
    // the exercise before it.
    LjudFilPrefix.clear();
    for (const auto &[tal, prefix] : tabell)
        if (Programtal == tal)
            LjudFilPrefix = QString::fromLatin1(prefix);
}

void SpelaUppWavLjud(const QString &FilNamn)
{
    if (LjudfoljdTillgang::avbruten())
        return;
    static const bool senaSvar = [] {
        // A sound played without waiting may fail after the call has returned.
        Sound::setLateReport(meddelaFel);
        return true;
    }();
    Q_UNUSED(senaSvar);

    const QString relativ = QStringLiteral("\\LJUD\\")
                            + (LjudFilPrefix.isEmpty() ? QString() : LjudFilPrefix + QStringLiteral("\\"))
                            + FilNamn;
    QString fil;
    for (const QString &root : {PCPath, CDPath}) {
        const QString p = ProgramPath::resolve(root, relativ);
        if (!p.isEmpty() && QFileInfo(p).isFile()) {
            fil = p;
            break;
        }
    }
    if (fil.isEmpty()) {
        const QString root = CDPath.trimmed().isEmpty() ? PCPath : CDPath;
        if (LjudfoljdTillgang::farMeddela())
            MessageBox::information(QStringLiteral("Ljudfilen ") + ProgramPath::forWriting(root + relativ)
                                    + QStringLiteral("  finns inte eller är felaktig."));
        return;
    }
    // The pronunciation duel goes on only when the pupil has heard the word.
    const bool vanta = Programtal >= 31100 && Programtal <= 31400;
    QString fel;
    const SoundPlayer::Result resultat = Sound::player().play(fil, vanta, &fel);
    if (resultat == SoundPlayer::Result::NoAnswer || resultat == SoundPlayer::Result::Stopped)
        LjudfoljdTillgang::avbryt();
    meddelaFel(resultat, fil, fel);
}

void stoppaLjud()
{
    LjudfoljdTillgang::avbryt();
    Sound::player().stop();
}
