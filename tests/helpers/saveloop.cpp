// Saves one kind of file in a loop for the tests that run several programs
// at once and kill saves at random moments; see tests/support/SaveLoop.h.

#include "SaveLoop.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: saveloop register|table|level|password <directory> <count> <name>...\n");
        return 2;
    }
    const int count = args[3].toInt();
    MessageBox::setHandler([](const MessageBox::Request &r) {
        std::fprintf(stderr, "%s\n", qPrintable(r.text));
        return QMessageBox::No;
    });

    bool ok = true;
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (int n = 1; count == 0 || n <= count; ++n)
        ok = SaveLoop::save(args[1], args[2], args.mid(4), n) && ok;
    return ok ? 0 : 1;
}
