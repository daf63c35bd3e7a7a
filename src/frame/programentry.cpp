#include "frame/programentry.h"

#include "frame/TForm1.h"
#include "frame/TRegList1.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/vrsku1.h"
#include "platform/ButtonCacheStyle.h"
#include "platform/KeyboardFocus.h"
#include "results/TDiagutform.h"
#include "results/TUtskrift.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPixmapCache>
#include <QTranslator>

TForm1 *Form1 = nullptr;
TUtskrift *Utskrift = nullptr;
TDiagutform *Diagutform = nullptr;
TRegList1 *RegList1 = nullptr;

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
    Utskrift = new TUtskrift;
    Diagutform = new TDiagutform;
    RegList1 = new TRegList1;
    return !AvslutaProgrammet;
}

void avslutaProgrammet()
{
    delete RegList1;
    delete Diagutform;
    delete Utskrift;
    delete Form1;
    RegList1 = nullptr;
    Diagutform = nullptr;
    Utskrift = nullptr;
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
