#include "frame/sound.h"

#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"
#include "platform/Sound.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>

#include <utility>

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

} // namespace

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
        MessageBox::information(QStringLiteral("Ljudfilen ") + ProgramPath::forWriting(root + relativ)
                                + QStringLiteral("  finns inte eller är felaktig."));
        return;
    }
    // The pronunciation duel goes on only when the pupil has heard the word.
    const bool vanta = Programtal >= 31100 && Programtal <= 31400;
    QString fel;
    Sound::player().play(fil, vanta, &fel);
    if (!fel.isEmpty() && forstaGangen(fil, fel))
        MessageBox::error(fel);
}

void stoppaLjud()
{
    Sound::player().stop();
}
