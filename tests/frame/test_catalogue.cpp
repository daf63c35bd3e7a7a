// The exercise catalogue: the menu tree, its buttons, the files they test and
// the windows they open, driven through the real modal menus.

#include "TestCourse.h"
#include "TestMain.h"
#include "app/allafonster.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/catalogue/katalog.h"
#include "frame/catalogue/meny.h"
#include "frame/datafiles.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"

#include <QDeadlineTimer>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {

// ---- The tree as the program is to show it ------------------------------

struct Btn
{
    const char *caption;
    const char *opens = "";  // "F212" a menu, "TSKRIV" a window, "" back
    const char *file = "";
    int number = 0;          // Programtal set by a page, or the list of TRegList1
    bool off = false;        // disabled in worksheet mode
};

struct Menu
{
    const char *instans;
    const char *title;
    int titlePx;
    int buttonPx;
    QRect design;            // position and client size
    bool maroon;             // turns maroon in worksheet mode
    std::vector<Btn> buttons;
    void (*visa)();
};

constexpr bool OFF = true;
constexpr const char *Main = "Till huvudmenyn";
constexpr const char *Back = "Till föregående meny";

const std::vector<Menu> &tree()
{
    static const std::vector<Menu> t = {
        {"F1", "Tyskland", 24, 19, {200, 99, 261, 165}, true,
         {{"Karta", "TKarta"}, {"Flagga", "TFlagga"}, {"Nationalsång", "THymn"}, {Main}}, TF1_Visa},
        {"F2", "Dina ord", 19, 19, {316, 177, 238, 160}, true,
         {{"Ordförrådet", "F21"}, {"Falska vänner", "TFalska", "VRS22000.DAT", 0, OFF},
          {"Rubrik", "TSKRIV", "VRS23000.DAT"}, {Main}}, TF2_Visa},
        {"F21", "Ordförrådet", 24, 19, {351, 146, 243, 205}, true,
         {{"Allmänna glosor", "TDinaOrd", "", 1001}, {"Speciella glosor", "TDinaOrd", "", 1002},
          {"Nya stavningsregler", "F212", "", 0, OFF}, {"Lite biologi", "F213", "", 0, OFF}, {Back}}, TF21_Visa},
        {"F212", "Nya stavningsregler", 24, 19, {200, 102, 379, 162}, false,
         {{"Nya regler", "TRegler", "", 63000}, {"Exempel på ändringar", "TRegList1", "", 1},
          {"Exempel på alternativa stavningar", "TRegList1", "", 2}, {Back}}, TF212_Visa},
        {"F213", "Lite biologi", 27, 20, {200, 99, 273, 194}, false,
         {{"Människa", "F2131"}, {"Växter", "F2132"}, {"Djur", "F2133"}, {Back}}, TF213_Visa},
        {"F2131", "Människa", 27, 20, {200, 99, 271, 315}, false,
         {{"Kroppen", "TBilden", "VRS21301.DAT"}, {"Huvudet", "TBilden", "VRS21302.DAT"},
          {"Andningsorganen", "TBilden", "VRS21303.DAT"}, {"Njurarna", "TBilden", "VRS21304.DAT"},
          {"Matsmältningen", "TBilden", "VRS21305.DAT"}, {"Tänderna", "TBilden", "VRS21306.DAT"},
          {"Skelettet", "TBilden", "VRS21307.DAT"}, {Back}}, TF2131_Visa},
        {"F2132", "Växter", 27, 20, {200, 99, 367, 222}, false,
         {{"Vilda växter", "TBildvis", "VRS21410.DAT"}, {"Växter från trädgården", "TBildvis", "VRS21420.DAT"},
          {"Träd och buskar", "TBildvis", "VRS21430.DAT"}, {"Frukter och bär", "TBildvis", "VRS21440.DAT"},
          {Back}}, TF2132_Visa},
        {"F2133", "Djur", 27, 20, {200, 99, 368, 281}, false,
         {{"Fåglar", "TBildvis", "VRS21510.DAT"}, {"Däggdjur", "TBildvis", "VRS21520.DAT"},
          {"Tamdjur", "TBildvis", "VRS21530.DAT"}, {"Fiskar och reptiler", "TBildvis", "VRS21540.DAT"},
          {"Insekter och spindlar", "TBildvis", "VRS21550.DAT"}, {"Småkryp", "TSKRIV", "VRS21560.DAT"},
          {Back}}, TF2133_Visa},
        {"F3", "Tala", 19, 19, {317, 183, 254, 124}, true,
         {{"Uttal", "F31"}, {"Intonation", "TDiktam", "VRS32000.DAT"}, {Main}}, TF3_Visa},
        {"F31", "Duell", 27, 20, {203, 127, 289, 221}, true,
         {{"Uttalet av b", "TFalska", "VRS31100.DAT"}, {"Uttalet av d", "TFalska", "VRS31200.DAT"},
          {"Uttalet av g", "TFalska", "VRS31300.DAT"}, {"Uttalet av s", "TFalska", "VRS31400.DAT"}, {Back}},
         TF31_Visa},
        {"F4", "Skriva", 19, 19, {209, 94, 329, 302}, true,
         {{"Berätta", "Tberaetta", "VRS41000.DAT", 0, OFF}, {"Avstava", "TSKRIV", "VRS42000.DAT"},
          {"Diktamen 1", "TDiktam", "VRS43000.DAT", 0, OFF}, {"Diktamen 2", "TDiktam", "VRS44000.DAT", 0, OFF},
          {"Alfabetet", "TDiktam", "VRS45000.DAT", 0, OFF},
          {"Skriv ordet som stavas", "TDiktam", "VRS46000.DAT", 0, OFF},
          {"Telefonnummer", "TDiktam", "VRS47000.DAT", 0, OFF}, {Main}}, TF4_Visa},
        {"F5", "Grammatik", 24, 19, {249, 135, 282, 305}, true,
         {{"Substantiv", "F51"}, {"Adjektiv", "F52"}, {"Räkneord", "F53"}, {"Pronomen", "F54"},
          {"Prepositioner", "F55"}, {"Verb", "F56"}, {"Satslösning", "F57"}, {Main}}, TF5_Visa},
        {"F51", "Substantiv", 25, 20, {263, 149, 317, 228}, true,
         {{"Genus", "TFLERBAR", "VRS51100.DAT"}, {"Genitiv", "F512"}, {"Plural", "TSkrivinf", "VRS51300.DAT"},
          {"Kasus", "F514"}, {Back}}, TF51_Visa},
        {"F512", "Genitiv", 21, 19, {260, 243, 290, 141}, true,
         {{"Övning, lätt", "TSkrivinf", "VRS51210.DAT"}, {"Övning, svår", "TSkrivinf", "VRS51220.DAT"}, {Back}},
         TF512_Visa},
        {"F514", "Kasus", 24, 19, {178, 143, 469, 299}, true,
         {{"Dativobjekt", "TSkrivinf", "VRS51410.DAT"}, {"Substantiv i ackusativ", "TSkrivinf", "VRS51420.DAT"},
          {"Substantiv och pronomen som ackusativ", "TSkrivinf", "VRS51430.DAT"},
          {"Prepositioner med ackusativ", "TSkrivinf", "VRS51450.DAT"},
          {"Prepositioner med dativ/ackusativ", "TSkrivinf", "VRS51460.DAT"},
          {"Prepositioner med dativ", "TSKRIV", "VRS51470.DAT"},
          {"Verb som styr dativ", "TSkrivinf", "VRS51480.DAT"}, {Back}}, TF514_Visa},
        {"F52", "Adjektiv", 24, 19, {201, 199, 359, 244}, true,
         {{"Komparation, lätt", "Tskriv2", "VRS52100.DAT"}, {"Komparation, svår", "Tskriv2", "VRS52200.DAT"},
          {"Nominativ / ackusativ", "TSKRIV", "VRS52300.DAT"}, {"Genitiv / dativ", "TSKRIV", "VRS52400.DAT"},
          {"Utan bestämningsord", "TSkrivinf", "VRS52500.DAT"}, {Back}}, TF52_Visa},
        {"F53", "Räkneord", 24, 19, {280, 152, 293, 174}, true,
         {{"X-akt", "TStegran", "VRS53100.DAT"}, {"Tidsuttryck", "TSkrivinf", "VRS53200.DAT"},
          {"Klockan", "TKlockan", "VRS53300.DAT", 0, OFF}, {Back}}, TF53_Visa},
        {"F54", "Pronomen", 24, 19, {189, 146, 410, 326}, true,
         {{"Personliga - den, det", "TSkrivinf", "VRS54100.DAT"},
          {"Personliga - objektsform", "TSkrivinf", "VRS54200.DAT"},
          {"Ein, mein, dein", "TSKRIV", "VRS54300.DAT"}, {"Possessiva, 3:e person", "TSkrivinf", "VRS54400.DAT"},
          {"Possessiva, 1:a och 2:a person", "TSkrivinf", "VRS54500.DAT"},
          {"Relativa bisatser (nom och ack)", "TSkrivinf", "VRS54600.DAT"},
          {"Relativa bisatser (dativ)", "TSkrivinf", "VRS54700.DAT"},
          {"Bisatsordföljd", "TSkrivinf", "VRS54800.DAT"}, {Back}}, TF54_Visa},
        {"F55", "Prepositioner", 24, 19, {222, 149, 262, 177}, true,
         {{"På", "F551"}, {"Av", "F552"}, {"I", "TFLERBAR", "VRS55300.DAT"}, {Back}}, TF55_Visa},
        {"F551", "På", 24, 19, {276, 188, 238, 173}, true,
         {{"Lätt", "TFLERBAR", "VRS55110.DAT"}, {"Medel", "TFLERBAR", "VRS55120.DAT"},
          {"Svår", "TFLERBAR", "VRS55130.DAT"}, {Back}}, TF551_Visa},
        {"F552", "Av", 24, 19, {272, 224, 258, 145}, true,
         {{"Lätt", "TFLERBAR", "VRS55210.DAT"}, {"Svår", "TFLERBAR", "VRS55220.DAT"}, {Back}}, TF552_Visa},
        {"F56", "Verb", 24, 19, {189, 121, 384, 354}, true,
         {{"Starka verb", "F561"}, {"Svaga verb", "F562"}, {"Mera om verb", "F563"},
          {"Modala hjälpverb och wissen", "F564"}, {"Temporala hjälpverb", "F565"},
          {"Sein-spelet", "F566", "", 0, OFF}, {"Passivum", "F567"}, {"Imperativ", "TSkrivinf", "VRS56800.DAT"},
          {"Infinitiv", "TSKRIV", "VRS56900.DAT"}, {Back}}, TF56_Visa},
        {"F561", "Starka verb", 24, 19, {193, 164, 318, 231}, true,
         {{"Tema", "TStegran", "VRS56110.DAT"}, {"Presens", "TSkrivinf", "VRS56120.DAT"},
          {"Imperfekt", "TSkrivinf", "VRS56130.DAT"}, {"Perfekt", "TSkrivinf", "VRS56140.DAT"},
          {"Pluskvamperfekt", "TSkrivinf", "VRS56150.DAT"}, {Back}}, TF561_Visa},
        {"F562", "Svaga verb", 24, 19, {214, 180, 305, 234}, true,
         {{"Tema", "TStegran", "VRS56210.DAT"}, {"Presens", "TSkrivinf", "VRS56220.DAT"},
          {"Imperfekt", "TSkrivinf", "VRS56230.DAT"}, {"Perfekt", "TSkrivinf", "VRS56240.DAT"},
          {"Pluskvamperfekt", "TSkrivinf", "VRS56250.DAT"}, {Back}}, TF562_Visa},
        {"F563", "Mera om verb", 24, 19, {206, 203, 338, 142}, true,
         {{"Oregelbundna verb", "TSKRIV", "VRS56310.DAT"}, {"Löst sammansatta verb", "TSKRIV", "VRS56320.DAT"},
          {Back}}, TF563_Visa},
        {"F564", "Modala hjälpverb och wissen", 24, 19, {178, 160, 461, 208}, true,
         {{"Presens", "TSKRIV", "VRS56410.DAT"}, {"Imperfekt", "TSKRIV", "VRS56420.DAT"},
          {"Perfekt / Pluskvamperfekt", "TSKRIV", "VRS56430.DAT"}, {"Skall", "TSKRIV", "VRS56440.DAT"}, {Back}},
         TF564_Visa},
        {"F565", "Temporala hjälpverb", 24, 19, {204, 159, 326, 296}, true,
         {{"Sein, presens", "TSkrivinf", "VRS56510.DAT"}, {"Sein, imperfekt", "TSkrivinf", "VRS56520.DAT"},
          {"Haben, presens", "TSkrivinf", "VRS56530.DAT"}, {"Haben, imperfekt", "TSkrivinf", "VRS56540.DAT"},
          {"Werden, presens", "TSkrivinf", "VRS56550.DAT"}, {"Werden, imperfekt", "TSkrivinf", "VRS56560.DAT"},
          {"Sein eller haben", "TSkrivinf", "VRS56570.DAT"}, {Back}}, TF565_Visa},
        {"F566", "Sein-spelet", 24, 19, {203, 150, 315, 264}, true,
         {{"Sein, presens", "TSEIN", "VRS56610.DAT"}, {"Sein, imperfekt", "TSEIN", "VRS56620.DAT"},
          {"Haben, presens", "TSEIN", "VRS56630.DAT"}, {"Haben, imperfekt", "TSEIN", "VRS56640.DAT"},
          {"Werden, presens", "TSEIN", "VRS56650.DAT"}, {"Werden, imperfekt", "TSEIN", "VRS56660.DAT"}, {Back}},
         TF566_Visa},
        {"F567", "Passivum", 24, 19, {196, 139, 335, 293}, true,
         {{"Passiv / Aktiv ?", "TPassAkt", "VRS56710.DAT"}, {"Dela upp verbet A", "TSkrivinf", "VRS56720.DAT"},
          {"Passiv till aktiv", "TSKRIV", "VRS56730.DAT"}, {"Aktiv  till  passiv", "TSKRIV", "VRS56740.DAT"},
          {"Imperfekt", "TSKRIV", "VRS56750.DAT"}, {"Dela upp verbet B", "TSkrivinf", "VRS56760.DAT"},
          {"Översätt alla tempus", "TSkrivinf", "VRS56770.DAT"}, {Back}}, TF567_Visa},
        {"F57", "Satslösning", 24, 19, {145, 159, 422, 205}, true,
         {{"Predikat eller subjekt?", "TSats", "VRS57100.DAT"}, {"Ackusativobjekt?", "TSats", "VRS57200.DAT"},
          {"Ackusativ eller dativ?", "TSats", "VRS57300.DAT"},
          {"Ackusativ, dativ eller predikatsfyllnad?", "TPassAkt", "VRS57400.DAT"}, {Back}}, TF57_Visa},
        {"F6", "Läsa", 19, 19, {289, 199, 251, 175}, true,
         {{"Lästräning", "TSpeed", "VRS61000.DAT"}, {"Horoskopet", "Thoroskop", "VRS62000.DAT"},
          {"Avslöja", "Tavsloj", "VRS63000.DAT"}, {Main}}, TF6_Visa},
    };
    return t;
}

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

const Menu &menu(const QString &instans)
{
    for (const Menu &m : tree())
        if (u8(m.instans) == instans)
            return m;
    qFatal("no menu %s", qPrintable(instans));
}

bool isWindowClass(const Btn &b)
{
    return b.opens[0] == 'T';
}

// The menus from a top menu down to instans, each with the button (from 1)
// that opens the next.
QList<QPair<QString, int>> pathTo(const QString &instans)
{
    QList<QPair<QString, int>> path{{instans, 0}};
    for (bool found = true; found;) {
        found = false;
        for (const Menu &m : tree())
            for (size_t i = 0; i < m.buttons.size(); ++i)
                if (u8(m.buttons[i].opens) == path.first().first) {
                    path.prepend({u8(m.instans), int(i) + 1});
                    found = true;
                }
    }
    return path;
}

void (*topVisa(const QString &instans))()
{
    return menu(pathTo(instans).first().first).visa;
}

// ---- Windows that record what they were opened with ---------------------

struct Opened
{
    QString klass;
    QString file;
    qint32 argument = 0;
    quint16 programtal = 0;
    QString over; // the menu open below it
};
QList<Opened> opened;

QStringList windowClasses()
{
    QStringList k;
    for (const Menu &m : tree())
        for (const Btn &b : m.buttons)
            if (isWindowClass(b) && !k.contains(u8(b.opens)))
                k << u8(b.opens);
    return k;
}

void registerFakes()
{
    for (const QString &k : windowClasses())
        registreraFonster(k, std::function<void(qint32)>([k](qint32 a) {
                              QWidget *w = QApplication::activeModalWidget();
                              opened.append({k, DataFilNamn, a, Programtal, w ? w->objectName() : QString()});
                          }));
}

void unregisterAll()
{
    for (const QString &k : windowClasses())
        avregistreraFonster(k);
}

// ---- Acting on the open menus from the event loop ------------------------

QString openMenuName()
{
    QWidget *w = QApplication::activeModalWidget();
    return w ? w->objectName() : QString();
}

// Runs steps one after another while the program sits in the menus' modal
// loops. A step returns false to be tried again on the next pass; a step that
// waits too long, or a failed check, closes every menu and fails the test.
class Driver
{
public:
    using Step = std::function<bool()>;

    void then(const QString &what, Step s) { m_steps.append({what, std::move(s)}); }

    void fail(const QString &why)
    {
        if (m_failure.isEmpty())
            m_failure = why;
        m_steps.clear();
        for (int i = 0; i < 64 && QApplication::activeModalWidget(); ++i)
            QApplication::activeModalWidget()->close();
    }

    // Calls start, which opens a menu modally, and returns the first failure.
    QString run(const std::function<void()> &start)
    {
        QTimer t;
        t.setInterval(1);
        QObject::connect(&t, &QTimer::timeout, [this] { tick(); });
        t.start();
        start();
        t.stop();
        // The steps that follow the closing of the last menu.
        while (m_failure.isEmpty() && !m_steps.isEmpty()) {
            auto step = m_steps.takeFirst();
            if (!step.second())
                fail(QStringLiteral("the menus closed before: ") + step.first);
        }
        return m_failure;
    }

    // Waits for the menu instans to be the open one.
    void expectOpen(const QString &instans)
    {
        then(instans + QStringLiteral(" opens"), [instans] { return openMenuName() == instans; });
    }

    // Clicks button nr of the open menu.
    void click(int nr)
    {
        then(QStringLiteral("click Button%1").arg(nr), [this, nr] {
            QPointer<QPushButton> b = button(nr);
            if (b)
                QTimer::singleShot(0, b, [b] { QTest::mouseClick(b, Qt::LeftButton); });
            return true;
        });
    }

    void key(Qt::Key k)
    {
        then(QStringLiteral("key %1").arg(k), [this, k] {
            QPointer<QWidget> w = QApplication::activeModalWidget();
            if (!w) {
                fail(QStringLiteral("no menu open for a key"));
                return true;
            }
            QTimer::singleShot(0, w, [w, k] {
                QWidget *f = w->focusWidget() ? w->focusWidget() : w.data();
                QTest::keyClick(f, k);
            });
            return true;
        });
    }

    // Waits for the menu closed to go, then expects instans (empty: none) open.
    void expectClosedTo(const QString &closed, const QString &instans)
    {
        then(closed + QStringLiteral(" closes"), [this, closed, instans] {
            if (openMenuName() == closed)
                return false;
            if (openMenuName() != instans)
                fail(QStringLiteral("closing %1 left %2 open instead of %3")
                         .arg(closed, openMenuName().isEmpty() ? QStringLiteral("nothing") : openMenuName(),
                              instans.isEmpty() ? QStringLiteral("nothing") : instans));
            return true;
        });
    }

    void check(const QString &what, std::function<void()> f)
    {
        then(what, [f = std::move(f)] {
            f();
            return true;
        });
    }

    // Opens the menus from the top down to instans by clicking.
    void walkTo(const QString &instans)
    {
        const auto path = pathTo(instans);
        for (const auto &[name, nr] : path) {
            expectOpen(name);
            if (nr)
                click(nr);
        }
    }

    // Esc from the open menu instans all the way out, one level at a time.
    void escapeOut(const QString &instans)
    {
        auto path = pathTo(instans);
        while (!path.isEmpty()) {
            const QString closing = path.takeLast().first;
            key(Qt::Key_Escape);
            expectClosedTo(closing, path.isEmpty() ? QString() : path.last().first);
        }
    }

    QPushButton *button(int nr)
    {
        QWidget *w = QApplication::activeModalWidget();
        QPushButton *b = w ? w->findChild<QPushButton *>(QStringLiteral("Button%1").arg(nr)) : nullptr;
        if (!b)
            fail(QStringLiteral("%1 has no Button%2").arg(openMenuName()).arg(nr));
        return b;
    }

private:
    void tick()
    {
        if (m_steps.isEmpty())
            return;
        auto step = m_steps.takeFirst();
        if (!m_waiting) {
            m_waiting = true;
            m_deadline = QDeadlineTimer(5000);
        }
        if (step.second()) {
            m_waiting = false;
            return;
        }
        if (m_deadline.hasExpired())
            fail(QStringLiteral("gave up waiting: %1 (open: %2)").arg(step.first, openMenuName()));
        else
            m_steps.prepend(step);
    }

    QList<QPair<QString, Step>> m_steps;
    QString m_failure;
    QDeadlineTimer m_deadline;
    bool m_waiting = false;
};

#define DRIVE(driver, start)                                                                       \
    do {                                                                                           \
        const QString failure = (driver).run(start);                                               \
        QVERIFY2(failure.isEmpty(), qPrintable(failure));                                          \
    } while (0)

QColor panelColour()
{
    auto *p = QApplication::activeModalWidget()->findChild<QFrame *>(QStringLiteral("Panel1"));
    return p->palette().color(QPalette::Window);
}

const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    void menuRows()
    {
        QTest::addColumn<QString>("instans");
        for (const Menu &m : tree())
            QTest::newRow(m.instans) << u8(m.instans);
    }

    // A window that stands for the main window behind the menus.
    struct MainStandIn
    {
        QWidget window;
        QPushButton *button = new QPushButton(QStringLiteral("Grammatik"), &window);
        int clicks = 0;
        MainStandIn()
        {
            window.resize(300, 200);
            button->setGeometry(0, 0, 300, 200);
            QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
            window.show();
        }
        // A click as the window system delivers it, which modal menus block.
        void clickFromOutside() { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(150, 100)); }
    };

private slots:
    void init()
    {
        opened.clear();
        unregisterAll();
        registerFakes();
        OvningsLage = 0;
        Skalning = 100;
        Marginal = 10;
    }

    void cleanupTestCase()
    {
        unregisterAll();
    }

    // The program has a window for every button of the tree: no button is
    // left disabled for want of one.
    void everyButtonHasItsWindow()
    {
        unregisterAll();
        registreraAllaFonster();
        QStringList saknas;
        for (const KatalogMeny &m : katalog())
            for (const KatalogKnapp &k : m.knappar)
                if ((k.sort == KnappSort::Ovning || k.sort == KnappSort::Sida) && !harFonster(k.mal)
                    && !saknas.contains(k.mal))
                    saknas << k.mal;
        QCOMPARE(saknas, QStringList());
        unregisterAll();
        registerFakes();
    }

    void eachMenuOpensFromItsParentAndEscClosesOneLevel_data() { menuRows(); }
    void eachMenuOpensFromItsParentAndEscClosesOneLevel()
    {
        QFETCH(QString, instans);
        const Menu &m = menu(instans);
        Driver d;
        d.walkTo(instans);
        d.check(QStringLiteral("contents"), [&] {
            auto *w = QApplication::activeModalWidget();
            auto *title = w->findChild<QLabel *>(QStringLiteral("Label1"));
            auto *panel = w->findChild<QFrame *>(QStringLiteral("Panel1"));
            if (!title || !panel)
                return d.fail(QStringLiteral("no Label1 or Panel1"));
            if (title->text() != u8(m.title) || title->font().pixelSize() != m.titlePx || !title->font().bold())
                return d.fail(QStringLiteral("title ") + title->text());
            if (w->windowTitle() != QStringLiteral("Varmiko") || w->geometry() != m.design)
                return d.fail(QStringLiteral("window %1 at %2,%3 %4x%5").arg(w->windowTitle())
                                  .arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height()));
            const auto all = panel->findChildren<QPushButton *>();
            if (all.size() != qsizetype(m.buttons.size()))
                return d.fail(QStringLiteral("%1 buttons").arg(all.size()));
            QPushButton *previous = nullptr;
            for (size_t i = 0; i < m.buttons.size(); ++i) {
                QPushButton *b = d.button(int(i) + 1);
                if (!b)
                    return;
                if (b->text() != u8(m.buttons[i].caption))
                    return d.fail(QStringLiteral("Button%1 reads \"%2\"").arg(i + 1).arg(b->text()));
                if (b->font().pixelSize() != m.buttonPx || !b->font().bold())
                    return d.fail(QStringLiteral("Button%1 font").arg(i + 1));
                if (QFontMetrics(b->font()).horizontalAdvance(b->text()) >= b->width()
                    || b->geometry().bottom() >= panel->height())
                    return d.fail(QStringLiteral("Button%1 does not fit").arg(i + 1));
                if (previous) {
                    const int pitch = b->y() - previous->y();
                    if (b->x() != previous->x() || b->width() != previous->width() || pitch < 28 || pitch > 33)
                        return d.fail(QStringLiteral("Button%1 out of the column").arg(i + 1));
                }
                previous = b;
            }
        });
        d.escapeOut(instans);
        DRIVE(d, topVisa(instans));

        // Its own show routine opens it too.
        Driver own;
        own.expectOpen(instans);
        own.key(Qt::Key_Escape);
        own.expectClosedTo(instans, QString());
        DRIVE(own, m.visa);
    }

    void enterPressesTheFocusedButtonOnly()
    {
        Driver d;
        d.expectOpen(QStringLiteral("F5"));
        d.check(QStringLiteral("focus"), [&] { d.button(2)->setFocus(); });
        d.key(Qt::Key_Return);
        d.expectOpen(QStringLiteral("F52"));
        d.escapeOut(QStringLiteral("F52"));
        DRIVE(d, TF5_Visa);
    }

    void eachLiveButtonOpensItsWindowOnItsFile_data()
    {
        QTest::addColumn<QString>("instans");
        QTest::addColumn<int>("nr");
        for (const Menu &m : tree())
            for (size_t i = 0; i < m.buttons.size(); ++i)
                if (isWindowClass(m.buttons[i]))
                    QTest::addRow("%s %s", m.instans, m.buttons[i].caption) << u8(m.instans) << int(i) + 1;
    }
    void eachLiveButtonOpensItsWindowOnItsFile()
    {
        QFETCH(QString, instans);
        QFETCH(int, nr);
        const Btn &b = menu(instans).buttons[size_t(nr - 1)];
        TestCourse c;
        c.mkdir(QStringLiteral("DATA"));
        if (*b.file)
            c.write(QStringLiteral("DATA/") + u8(b.file), {QStringLiteral("$Titel"), QStringLiteral("eins#ett")});
        c.activate();
        MessageRecorder messages;
        DataFilNamn = QStringLiteral("VRS99999.DAT");
        Programtal = 1;

        Driver d;
        d.walkTo(instans);
        d.click(nr);
        d.then(QStringLiteral("the window opens"), [] { return !opened.isEmpty(); });
        d.escapeOut(instans);
        DRIVE(d, topVisa(instans));

        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].klass, u8(b.opens));
        QCOMPARE(opened[0].over, instans);
        if (*b.file) {
            QCOMPARE(opened[0].file, u8(b.file));
        } else {
            QCOMPARE(opened[0].file, QStringLiteral("VRS99999.DAT"));
            const bool list = u8(b.opens) == QStringLiteral("TRegList1");
            QCOMPARE(opened[0].argument, list ? b.number : 0);
            QCOMPARE(int(opened[0].programtal), list || !b.number ? 1 : b.number);
        }
    }

    void refusedFileLeavesTheMenuOpen_data()
    {
        QTest::addColumn<QString>("instans");
        QTest::addColumn<int>("nr");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("opens");
        QTest::newRow("missing") << QStringLiteral("F2") << 3 << false << false;
        QTest::newRow("headers only") << QStringLiteral("F2") << 3 << true << false;
        QTest::newRow("deep, headers only") << QStringLiteral("F567") << 4 << true << false;
        QTest::newRow("reading, missing") << QStringLiteral("F6") << 1 << false << false;
        QTest::newRow("reading, headers only") << QStringLiteral("F6") << 3 << true << true;
    }
    void refusedFileLeavesTheMenuOpen()
    {
        QFETCH(QString, instans);
        QFETCH(int, nr);
        QFETCH(bool, present);
        QFETCH(bool, opens);
        const QString file = u8(menu(instans).buttons[size_t(nr - 1)].file);
        TestCourse c;
        c.mkdir(QStringLiteral("DATA"));
        if (present)
            c.write(QStringLiteral("DATA/") + file,
                    {QStringLiteral("$Titel"), QStringLiteral("$§Schreib."), QStringLiteral("; nichts")});
        c.activate();
        MessageRecorder messages;
        MainStandIn main;

        Driver d;
        d.walkTo(instans);
        d.click(nr);
        d.then(QStringLiteral("the file is judged"), [&] { return messages.count() > 0 || !opened.isEmpty(); });
        d.check(QStringLiteral("still open, main blocked"), [&] {
            if (openMenuName() != instans)
                return d.fail(QStringLiteral("menu gone: ") + openMenuName());
            main.clickFromOutside();
            if (main.clicks)
                d.fail(QStringLiteral("the main window took a click"));
        });
        d.escapeOut(instans);
        DRIVE(d, topVisa(instans));

        const QStringList refusal{QStringLiteral("Filen ") + file + QStringLiteral(" finns inte eller är felaktig")};
        QCOMPARE(messages.texts(), opens ? QStringList() : refusal);
        QCOMPARE(opened.size(), opens ? 1 : 0);
        QCOMPARE(DataFilNamn, file);
        main.clickFromOutside();
        QCOMPARE(main.clicks, 1);
    }

    void mainWindowStaysBlockedUnderTheSpeakingMenu()
    {
        MainStandIn main;
        Driver d;
        d.walkTo(QStringLiteral("F31"));
        d.key(Qt::Key_Escape);
        d.expectClosedTo(QStringLiteral("F31"), QStringLiteral("F3"));
        d.check(QStringLiteral("main blocked"), [&] { main.clickFromOutside(); });
        d.click(3);
        d.expectClosedTo(QStringLiteral("F3"), QString());
        DRIVE(d, TF3_Visa);
        QCOMPARE(main.clicks, 0);
        main.clickFromOutside();
        QCOMPARE(main.clicks, 1);
    }

    void worksheetModeColoursAndDisables_data() { menuRows(); }
    void worksheetModeColoursAndDisables()
    {
        QFETCH(QString, instans);
        const Menu &m = menu(instans);
        for (const quint8 mode : {quint8(1), quint8(0)}) {
            OvningsLage = mode;
            Driver d;
            d.expectOpen(instans);
            d.check(QStringLiteral("look"), [&] {
                const QColor want = mode == 1 && m.maroon ? Maroon : Navy;
                if (panelColour() != want)
                    return d.fail(QStringLiteral("mode %1: panel %2").arg(mode).arg(panelColour().name()));
                auto *title = QApplication::activeModalWidget()->findChild<QLabel *>(QStringLiteral("Label1"));
                if (title->palette().color(QPalette::WindowText) != QColor(Qt::yellow))
                    return d.fail(QStringLiteral("title not yellow"));
                for (size_t i = 0; i < m.buttons.size(); ++i) {
                    QPushButton *b = d.button(int(i) + 1);
                    if (b && b->isEnabled() != !(mode == 1 && m.buttons[i].off))
                        return d.fail(QStringLiteral("mode %1: \"%2\" enabled %3").arg(mode).arg(b->text())
                                          .arg(b->isEnabled()));
                }
            });
            d.key(Qt::Key_Escape);
            d.expectClosedTo(instans, QString());
            DRIVE(d, m.visa);
            QCOMPARE(int(OvningsLage), int(mode));
        }
    }

    void buttonsOfMissingWindowsAreDisabled()
    {
        unregisterAll();
        registreraFonster(QStringLiteral("TSKRIV"), [] {});
        Driver d;
        d.expectOpen(QStringLiteral("F2"));
        d.check(QStringLiteral("buttons"), [&] {
            const QList<bool> want{true, false, true, true};
            for (int i = 0; i < want.size(); ++i)
                if (QPushButton *b = d.button(i + 1); b && b->isEnabled() != want[i])
                    return d.fail(QStringLiteral("\"%1\" enabled %2").arg(b->text()).arg(b->isEnabled()));
        });
        d.walkTo(QStringLiteral("F212"));
        d.check(QStringLiteral("pages"), [&] {
            for (int i = 1; i <= 3; ++i)
                if (QPushButton *b = d.button(i); b && b->isEnabled())
                    return d.fail(QStringLiteral("\"%1\" enabled").arg(b->text()));
        });
        d.escapeOut(QStringLiteral("F212"));
        DRIVE(d, TF2_Visa);
    }

    void grammarLeavesOnlyWorksheetMode_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        for (int m = 0; m <= 5; ++m)
            QTest::addRow("%d", m) << m << (m == 1 ? 1 : 0);
    }
    void grammarLeavesOnlyWorksheetMode()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        OvningsLage = quint8(before);
        int seen = -1;
        Driver d;
        d.expectOpen(QStringLiteral("F5"));
        d.check(QStringLiteral("mode"), [&] { seen = OvningsLage; });
        d.key(Qt::Key_Escape);
        d.expectClosedTo(QStringLiteral("F5"), QString());
        DRIVE(d, TF5_Visa);
        QCOMPARE(seen, after);
    }

    void menusScaleWithTheScreen_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("100 %") << 100;
        QTest::newRow("150 %") << 150;
        QTest::newRow("80 %") << 80;
    }
    void menusScaleWithTheScreen()
    {
        QFETCH(int, scale);
        Skalning = scale;
        Marginal = 14;
        Driver d;
        d.expectOpen(QStringLiteral("F1"));
        d.check(QStringLiteral("scaled"), [&] {
            auto *w = QApplication::activeModalWidget();
            auto *panel = w->findChild<QFrame *>(QStringLiteral("Panel1"));
            auto *title = w->findChild<QLabel *>(QStringLiteral("Label1"));
            auto near = [](int a, int b) { return qAbs(a - b) <= 1; };
            if (!near(w->width(), 261 * scale / 100) || !near(w->height(), 165 * scale / 100)
                || !near(title->font().pixelSize(), 24 * scale / 100))
                return d.fail(QStringLiteral("size %1x%2").arg(w->width()).arg(w->height()));
            if (title->x() != 7 || title->width() != panel->width() - 14
                || !(title->alignment() & Qt::AlignHCenter))
                return d.fail(QStringLiteral("title at %1 width %2").arg(title->x()).arg(title->width()));
            for (int i = 1; i <= 4; ++i)
                if (QPushButton *b = d.button(i);
                    b && QFontMetrics(b->font()).horizontalAdvance(b->text()) >= b->width())
                    return d.fail(b->text() + QStringLiteral(" does not fit"));
        });
        d.key(Qt::Key_Escape);
        d.expectClosedTo(QStringLiteral("F1"), QString());
        DRIVE(d, TF1_Visa);
    }

    void bundledCourseHoldsEveryLiveExercise()
    {
        const QString build = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        QVERIFY(!build.isEmpty());
        PCPath = build;
        CDPath.clear();
        HaemtaDatFiler();
        NollstallSlump(1, MaxSlumptal);
        unregisterAll();
        registreraAllaFonster();
        MessageRecorder messages;

        int tskriv = 0;
        for (const KatalogMeny &m : katalog()) {
            for (const KatalogKnapp &k : m.knappar) {
                if (k.sort != KnappSort::Ovning || m.kolla2 || !harFonster(k.mal))
                    continue;
                if (k.mal == QStringLiteral("TSKRIV"))
                    ++tskriv;
                QVERIFY2(Kolla(k.datafil), qPrintable(k.datafil));
                QVERIFY2(PostAntal[ListNummer] >= 12, qPrintable(k.datafil));
            }
        }
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(tskriv, 17);
    }
};

VARMIKO_TEST_MAIN(TestCatalogue)
#include "test_catalogue.moc"
