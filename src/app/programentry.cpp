#include "app/programentry.h"

#include "app/allafonster.h"
#include "frame/TForm1.h"
#include "frame/TRegList1.h"
#include "frame/vrsku1.h"
#include "platform/ButtonCacheStyle.h"
#include "platform/KeyboardFocus.h"
#include "results/TDiagutform.h"
#include "results/TUtskrift.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// The start pictures, a reward picture and the buttons' bevels.
constexpr int PixmapCacheKB = 3 * 1024;

} // namespace

bool startaProgrammet(QApplication &app)
{
    vrsku1_start();
    // Without DATA the program ends after its two warnings: no window is
    // made, so nothing else is shown and no directory is created.
    if (AvslutaProgrammet)
        return false;
    registreraAllaFonster();

    // The style keeps pictures of what it draws keyed by each widget's
    // palette, and every widget on a coloured panel has a palette of its
    // own, so most of those pictures are never used again: a small cache
    // keeps them from piling up to Qt's 10 MB. The buttons' bevels are kept
    // by their looks instead (ButtonCacheStyle).
    QPixmapCache::setCacheLimit(PixmapCacheKB);
    app.setStyle(new ButtonCacheStyle);
    KeyboardFocus::install();

    app.setApplicationName(QStringLiteral("Varmiko"));
    app.setApplicationDisplayName(QStringLiteral("Varmiko"));
    static QTranslator qtSwedish;
    // Qt's own dialogs (printing, files) in Swedish: qtbase_sv where the
    // system has it, else the older catalogue qt_sv.
    const QString oversattningar = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qtSwedish.load(QStringLiteral("qtbase_sv"), oversattningar)
        || qtSwedish.load(QStringLiteral("qt_sv"), oversattningar))
        app.installTranslator(&qtSwedish);

    Form1 = new TForm1;
    // The printing window, the protocol's printing window and the
    // spelling-list window are not shown at start: each is built when
    // something first reaches it. Of the spelling-list window, which reads
    // list 2, the start keeps the message when that list is missing.
    Utskrift.enable();
    Diagutform.enable();
    RegList1.enable();
    RegListFil(0);
    return !AvslutaProgrammet;
}

void avslutaProgrammet()
{
    RegList1.release();
    Diagutform.release();
    Utskrift.release();
    delete Form1;
    Form1 = nullptr;
}

int varmikoMain(QApplication &app)
{
    const bool fortsatt = startaProgrammet(app);
    int rc = 1;
    if (fortsatt) {
        Form1->showFullScreen();
        rc = app.exec();
    }
    avslutaProgrammet();
    return rc;
}

void avslutaProcessen(int rc)
{
    std::fflush(nullptr);
    std::_Exit(rc);
}
