// Saves one kind of file in a loop for the tests that run several programs
// at once and kill saves at random moments, or acts as one program with a
// pupil's protocol open; see tests/support/SaveLoop.h.

#include "SaveLoop.h"

#include "drills/grammar/stegfil.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"
#include "results/diagnosregister.h"
#include "results/diagnosstatus.h"
#include "results/rekordtabell.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

void say(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// One program with the pupil's protocol open, testing one area.
bool area(const QString &name, int k)
{
    const bool elsewhere = claimProtocol(name);
    HaemtaDiagnos(name);
    say(elsewhere ? "ready, open elsewhere" : "ready");
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return false;
    bool ok = true;
    int results = 0;
    for (QByteArray line = in.readLine(); !line.isEmpty(); line = in.readLine()) {
        const int more = line.trimmed().toInt();
        for (int i = 0; i < more; ++i) {
            OvningsLage = 2;
            DiagRad = k;
            diagnosback(++results);
            ok = sparaAktivDiagnos() != Sparning::Misslyckad && ok;
        }
        say("saved " + QByteArray::number(results));
    }
    releaseProtocol();
    return ok;
}

bool newPasswords(const QString &name)
{
    HaemtaDiagnos(name);
    say("ready");
    for (int n = 1;; ++n) {
        AktivDiagnos.Losen = SaveLoop::pupilPassword(n);
        if (!SparaNyttLosen())
            return false;
        say("confirmed " + QByteArray::number(n));
    }
}

void open()
{
    tellRegisterObstacle();
    const QString table = recordTableObstacle(DiagnosPath + QLatin1Char('/') + SaveLoop::TableFile);
    if (!table.isEmpty())
        MessageBox::warning(table);
    tellStegFilObstacle(SaveLoop::LevelFile);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: saveloop register|table|level|password|area|newpassword|open <directory> <count> "
                             "<name>...\n");
        return 2;
    }
    const QString kind = args[1];
    const int count = args[3].toInt();
    MessageBox::setHandler([](const MessageBox::Request &r) {
        QString text = r.text;
        std::fprintf(stderr, "%s\n", qPrintable(text.replace(QLatin1Char('\n'), QLatin1Char(' '))));
        return QMessageBox::No;
    });
    DiagnosPath = args[2];
    DiagnosPathKlar = 1;

    if (kind == QLatin1String("area"))
        return area(args[4], args.value(5).toInt()) ? 0 : 1;
    if (kind == QLatin1String("newpassword"))
        return newPasswords(args[4]) ? 0 : 1;
    if (kind == QLatin1String("open")) {
        open();
        return 0;
    }

    bool ok = true;
    say("ready");
    for (int n = 1; count == 0 || n <= count; ++n)
        ok = SaveLoop::save(kind, args[2], args.mid(4), n) && ok;
    return ok ? 0 : 1;
}
