// The fit check: every window a pupil or teacher can reach, opened the way
// they open it, at one screen size per run (--screen WxH, 1024x768 when not
// given; the program scales itself once, at start, from the screen). In
// every state visited each visible widget must lie on the screen and inside
// its parent, each caption must fit its box and not be covered, a table must
// show all its columns and a disabled button must look disabled (FitCheck).
// With VARMIKO_FIT_SHOTS set to a directory, a picture of every state
// checked is saved there.

#include "FitCheck.h"
#include "MessageRecorder.h"
#include "ScreenSize.h"
#include "TestCourse.h"
#include "TestEnvironment.h"
#include "Typing.h"
#include "WorksheetPanels.h"
#include "app/programentry.h"
#include "drills/grammar/TSEIN.h"
#include "drills/grammar/TSats.h"
#include "drills/grammar/TStegran.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/vocabulary/TFalska.h"
#include "drills/vocabulary/THymn.h"
#include "drills/writing/TSKRIV.h"
#include "frame/TForm1.h"
#include "frame/TManual.h"
#include "frame/catalogue/katalog.h"
#include "frame/catalogue/meny.h"
#include "frame/vrsku1.h"
#include "results/TDiag.h"
#include "results/TRekordRad.h"
#include "results/Tdiaprot.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

QSize gScreen(1024, 768);

// Runs open, which shows a window modally, and calls act with that window
// from inside its own event loop once it is up; closes the window when act
// leaves it open. False when no new modal window came up.
bool withModal(const std::function<void()> &open, const std::function<void(QWidget *)> &act)
{
    const QPointer<QWidget> before = QApplication::activeModalWidget();
    bool came = false;
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || m == before || !m->isVisible())
            return;
        watch.stop();
        came = true;
        QPointer<QWidget> w = m;
        act(m);
        if (w && w->isVisible())
            w->close();
    });
    watch.start();
    open();
    watch.stop();
    QCoreApplication::processEvents();
    return came;
}

QPushButton *button(QWidget *w, const QString &name)
{
    return w ? w->findChild<QPushButton *>(name) : nullptr;
}

// Presses key on the widget that has the keyboard in window w.
void press(QWidget *w, Qt::Key key)
{
    QWidget *f = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(f, key);
    QCoreApplication::processEvents();
}

// One visit of the table: a name and what it opens and checks.
struct Visit
{
    QString name;
    std::function<void(FitCheck &)> run;
};

// The menus reached from the main window in the run mode: in worksheet mode
// only those under its live buttons and through live menu buttons.
QStringList reachableMenus(bool worksheet)
{
    QStringList found;
    QStringList queue;
    for (const char *top : {"TF1", "TF2", "TF3", "TF4", "TF5", "TF6"})
        if (!worksheet || QByteArray(top) == "TF2" || QByteArray(top) == "TF4" || QByteArray(top) == "TF5")
            queue << QLatin1String(top);
    while (!queue.isEmpty()) {
        const QString k = queue.takeFirst();
        found << k;
        for (const KatalogKnapp &b : hittaMeny(k)->knappar)
            if (b.sort == KnappSort::Meny && !(worksheet && b.avIArbetsblad))
                queue << b.mal;
    }
    return found;
}

// Switches the main window's worksheet mode on or off with its button.
void setWorksheetMode(bool on)
{
    if ((OvningsLage == 1) != on) {
        if (OvningsLage != 1 && on)
            OvningsLage = 0;
        button(Form1, QStringLiteral("Button8"))->click();
    }
    if (!on)
        OvningsLage = 0;
}

QString modeName(bool worksheet)
{
    return worksheet ? QStringLiteral("worksheet") : QStringLiteral("practice");
}

// ---- Exercise windows: the states a pupil or teacher sees ---------------

// A visible, enabled button of w whose caption (without its "&") is one of
// texts; null when there is none.
QPushButton *buttonCaptioned(QWidget *w, const QStringList &texts)
{
    for (QPushButton *b : w->findChildren<QPushButton *>()) {
        QString t = b->text();
        t.remove(QLatin1Char('&'));
        if (b->isVisible() && b->isEnabled() && texts.contains(t.trimmed()))
            return b;
    }
    return nullptr;
}

// The end panel of a round (or of Esc) is up: its "continue" button shows.
bool endPanelShown(QWidget *w)
{
    for (QPushButton *b : w->findChildren<QPushButton *>()) {
        QString t = b->text();
        t.remove(QLatin1Char('&'));
        if (b->isVisible() && (t == QStringLiteral("Fortsetzen") || t == QStringLiteral("Fortsätta")))
            return true;
    }
    return false;
}

// Answers the items of a round until its end panel shows: with the right
// answer (field 2 of the item) or an empty, wrong one. Space ends the
// pause after a wrong answer.
bool answerRound(QWidget *w, bool right)
{
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && w->isVisible()) {
        if (endPanelShown(w))
            return true;
        auto *e = qobject_cast<QLineEdit *>(w->focusWidget());
        if (e && e->isVisible() && e->isEnabled()) {
            e->clear();
            if (right)
                typeText(e, PostFalt[2]);
            QTest::keyClick(e, Qt::Key_Return);
        } else {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Space);
        }
        QTest::qWait(5);
    }
    return false;
}

// Opens what button b opens modally and checks it in the state named state.
void checkModalFrom(FitCheck &fit, QPushButton *b, const QString &state)
{
    if (b && !withModal([b] { b->click(); }, [&](QWidget *m) { fit.check(m, state); }))
        QFAIL(qPrintable(b->objectName() + QStringLiteral(" opened no window")));
}

// A full record table (100 entries with long names) in the file of path,
// so that the window shows all its rows.
void writeFullRecordTable(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int i = 0; i < 100; ++i) {
        TRekordRad r;
        r.Namn = QStringLiteral("Wilhelmina Östergren").left(20);
        r.Ar = 2024;
        r.Manad = 12;
        r.Dag = 24;
        r.Timme = 23;
        r.Minut = 59;
        r.Resultat = quint16(100 + i * 7);
        f.write(r.toBytes());
    }
}

// The worksheet panels, one after another, as a teacher goes through them;
// the sheet is emptied again at the end.
void checkWorksheetPanels(FitCheck &fit, QWidget *w)
{
    if (framstaPanel(w).isEmpty())
        return;
    struct Step
    {
        const char *button;
        const char *state; // checked after the click; null: not checked
    };
    static const Step steps[] = {
        {"SkrivutAntalButton", "count panel"},
        {"SkrivutKlartButton", "sheet with items"},
        {"ValjaUtButton", "pick panel"},
        {"VisaUtskriftLista2Button", "view panel"},
        {"SeListUtanButton", "printing window"},
        {"SkrivutAvbryt5Button", nullptr},
        {"Skrivut2Button", "print panel"},
        {"SkrivutAvbryt3Button", nullptr},
        {"SkrivutAvbryt2Button", nullptr},
        {"RensaButton", nullptr},
    };
    for (const Step &s : steps) {
        if (!klickaPanelknapp(w, QLatin1String(s.button)))
            QFAIL(qPrintable(QStringLiteral("the worksheet panels stop at %1").arg(QLatin1String(s.button))));
        if (s.state)
            fit.check(w, QLatin1String(s.state));
    }
}

// The rule page of the exercise, when it has one.
void checkRulePage(FitCheck &fit, QWidget *w)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->objectName().compare(QStringLiteral("regelknapp"), Qt::CaseInsensitive) == 0 && b->isVisible()
            && b->isEnabled()) {
            checkModalFrom(fit, b, QStringLiteral("rule page"));
            return;
        }
}

// The word-list trainer: the list choice, then the name box, then the drill.
void startWordLists(FitCheck &fit, TDinaOrd *d, bool worksheet)
{
    fit.check(d, QStringLiteral("list choice"));
    d->ListBox1->setCurrentRow(0);
    QTest::keyClick(d->ListBox1, Qt::Key_Return);
    if (worksheet)
        return;
    fit.check(d, QStringLiteral("name box"));
    d->Edit2->setText(QStringLiteral("Wilhelmina"));
    QTest::keyClick(d->Edit2, Qt::Key_Return);
}

// The race: the number of players, three names, the race itself and, when
// it is run to the end, the result and the record table.
void checkRace(FitCheck &fit, TSEIN *s, bool toTheEnd)
{
    fit.check(s, QStringLiteral("number of players"));
    s->Button5->click(); // three players
    fit.check(s, QStringLiteral("names"));
    for (QLineEdit *e : {s->NamnEdit[1], s->NamnEdit[2], s->NamnEdit[3]}) {
        e->setText(QStringLiteral("Maximiliane"));
        QTest::keyClick(e, Qt::Key_Return);
    }
    fit.check(s, QStringLiteral("names given"));
    s->Button6->click();
    fit.check(s, QStringLiteral("race"));
    if (toTheEnd) {
        const QDeadlineTimer deadline(60000);
        while (!s->SlutPanel->isVisible() && !deadline.hasExpired()) {
            if (!s->tarSvar()) {
                QTest::qWait(2);
                continue;
            }
            for (int p = 2; p <= 9; ++p)
                if (s->OrdPanel[p - 1]->isVisible() && s->panelOrd(p) == s->svaret()) {
                    QTest::mouseClick(s->OrdPanel[p - 1], Qt::LeftButton);
                    break;
                }
        }
        QVERIFY(s->SlutPanel->isVisible());
        fit.check(s, QStringLiteral("race result"));
        writeFullRecordTable(RekordFilNamn);
        checkModalFrom(fit, s->SlutButton, QStringLiteral("record table after the race"));
    }
    s->visaMenyraden();
    fit.check(s, QStringLiteral("bar"));
}

// The states of an exercise window. A full visit (the first button of each
// window class) also plays a round to its end panel, with the settings
// dialog and the record table where the window offers them.
void checkExercise(FitCheck &fit, QWidget *w, bool worksheet, bool full)
{
    if (auto *s = qobject_cast<TSEIN *>(w))
        return checkRace(fit, s, full);
    if (auto *h = qobject_cast<THymn *>(w)) {
        fit.check(w, QStringLiteral("anthem"));
        h->Button2->click();
        fit.check(w, QStringLiteral("recording playing"));
        h->Button3->click();
        return;
    }
    auto *dinaOrd = qobject_cast<TDinaOrd *>(w);
    if (dinaOrd)
        startWordLists(fit, dinaOrd, worksheet);
    fit.check(w, QStringLiteral("first item"));
    if (worksheet)
        return checkWorksheetPanels(fit, w);
    checkRulePage(fit, w);

    if (auto *duel = qobject_cast<TFalska *>(w)) {
        // Past the name box: the five words with the answer buttons above
        // the score squares, then a wrong count with its explanations.
        duel->Edit1->setText(QStringLiteral("Maximiliane"));
        QTest::keyClick(duel->Edit1, Qt::Key_Return);
        fit.check(w, QStringLiteral("duel"));
        press(w, duel->RattAntal == 5 ? Qt::Key_0 : Qt::Key_5);
        fit.check(w, QStringLiteral("duel, a wrong count"));
    }
    if (auto *sats = qobject_cast<TSats *>(w)) {
        sats->Hjalptext(2); // the longest hint
        fit.check(w, QStringLiteral("hint"));
    }
    if (auto *st = qobject_cast<TStegran *>(w)) {
        press(w, Qt::Key_Escape);
        fit.check(w, QStringLiteral("bar"));
        st->findChild<QPushButton *>(QStringLiteral("Button2"))->click();
        fit.check(w, QStringLiteral("name box"));
        return;
    }
    // The windows whose answers are typed play a round: the typed-answer
    // window rightly, for its praise, the others wrongly.
    static const QStringList typed{QStringLiteral("TSKRIV"),    QStringLiteral("Tskriv2"),
                                   QStringLiteral("TSkrivinf"), QStringLiteral("TKlockan"),
                                   QStringLiteral("TBilden"),   QStringLiteral("TDinaOrd")};
    const QString klass = QLatin1String(w->metaObject()->className());
    if (full && typed.contains(klass) && answerRound(w, klass == QStringLiteral("TSKRIV"))) {
        fit.check(w, QStringLiteral("end of a round"));
        checkModalFrom(fit, buttonCaptioned(w, {QStringLiteral("Einstellungen"), QStringLiteral("Inställningar")}),
                       QStringLiteral("settings dialog"));
        if (dinaOrd) {
            writeFullRecordTable(RekordFilNamn);
            checkModalFrom(fit, buttonCaptioned(w, {QStringLiteral("Tabelle")}),
                           QStringLiteral("record table of a word list"));
        }
        return;
    }
    press(w, Qt::Key_Escape);
    if (w->isVisible())
        fit.check(w, QStringLiteral("after Esc"));
}

// The diagnosis protocol of a new pupil: its help, the note on an area that
// must wait, and the test windows of the four kinds of area.
void checkProtocol(FitCheck &fit, Tdiaprot *p)
{
    fit.check(p, QStringLiteral("protocol"));
    p->HjalpButton->click();
    fit.check(p, QStringLiteral("protocol help"));
    ProtokollRad = 2;
    p->StartaOmrade();
    fit.check(p, QStringLiteral("area that must wait"));
    for (int area : {1, 5, 7, 9}) {
        ProtokollRad = area;
        QVERIFY(withModal([p] { p->StartaOmrade(); },
                          [&](QWidget *w) { fit.check(w, QStringLiteral("diagnosis test")); }));
    }
}

// The register dialog: the list, a new pupil and the protocol, and the
// teacher's panel with its help.
void checkRegister(FitCheck &fit, TDiag *d)
{
    fit.check(d, QStringLiteral("register dialog"));
    d->NyAnvandareButton->click();
    fit.check(d, QStringLiteral("new pupil"));
    typeText(d->Edit1, QStringLiteral("Lärare"));
    QTest::keyClick(d->Edit1, Qt::Key_Return);
    fit.check(d, QStringLiteral("teacher's password"));
    typeText(d->MaskEdit1, QStringLiteral("KLOSTRAB"));
    QTest::keyClick(d->MaskEdit1, Qt::Key_Return);
    fit.check(d, QStringLiteral("teacher's panel"));
    d->Button2->click();
    fit.check(d, QStringLiteral("teacher's help"));
    d->Button5->click();
    d->NyAnvandareButton->setEnabled(true);
    d->NyAnvandareButton->click();
    d->Edit1->clear();
    typeText(d->Edit1, QStringLiteral("Wilhelmina Östergren"));
    QVERIFY(withModal([d] { QTest::keyClick(d->Edit1, Qt::Key_Return); },
                      [&](QWidget *w) { checkProtocol(fit, static_cast<Tdiaprot *>(w)); }));
}

// The exercise or page behind button nr of menu m, opened from the menu.
void visitButton(FitCheck &fit, const KatalogMeny &m, int nr, bool worksheet, bool full)
{
    setWorksheetMode(worksheet);
    const KatalogKnapp &k = m.knappar[size_t(nr - 1)];
    fit.noteWindow(m.klass + QLatin1Char(' ') + k.text + QLatin1Char(' ') + modeName(worksheet));
    bool opened = false;
    withModal([&] { visaMeny(m.klass); },
              [&](QWidget *meny) {
                  QPushButton *b = button(meny, QStringLiteral("Button%1").arg(nr));
                  if (!b || !b->isEnabled())
                      return;
                  opened = withModal([b] { b->click(); },
                                     [&](QWidget *w) { checkExercise(fit, w, worksheet, full); });
              });
    if (!opened)
        QFAIL("the button opened no window");
}

// ---- The table of visits ------------------------------------------------

std::vector<Visit> visits()
{
    std::vector<Visit> v;

    for (const bool ws : {false, true})
        v.push_back({QStringLiteral("main window, ") + modeName(ws), [ws](FitCheck &fit) {
                         setWorksheetMode(ws);
                         fit.noteWindow(QStringLiteral("main window ") + modeName(ws));
                         fit.check(Form1, modeName(ws));
                         if (!ws)
                             for (int slot : {1, 4}) {
                                 Form1->BildImageMouseMove(slot);
                                 fit.check(Form1, QStringLiteral("caption of picture %1").arg(slot));
                             }
                         setWorksheetMode(false);
                     }});

    v.push_back({QStringLiteral("manual and second rule page"), [](FitCheck &fit) {
                     fit.noteWindow(QStringLiteral("manual"));
                     fit.noteWindow(QStringLiteral("second rule page"));
                     QVERIFY(withModal([] { button(Form1, QStringLiteral("Button9"))->click(); },
                                       [&](QWidget *w) {
                                           fit.check(w, QStringLiteral("manual"));
                                           checkModalFrom(fit, static_cast<TManual *>(w)->Regelknapp,
                                                          QStringLiteral("second rule page"));
                                       }));
                 }});
    v.push_back({QStringLiteral("about box"), [](FitCheck &fit) {
                     fit.noteWindow(QStringLiteral("about box"));
                     QVERIFY(withModal([] { button(Form1, QStringLiteral("Button10"))->click(); },
                                       [&](QWidget *w) { fit.check(w, QStringLiteral("about box")); }));
                 }});
    v.push_back({QStringLiteral("register, protocol and diagnosis windows"), [](FitCheck &fit) {
                     for (const char *n : {"register dialog", "protocol", "diagnosis test TSKRIV",
                                           "diagnosis test TFLERBAR", "diagnosis test TSkrivinf",
                                           "diagnosis test Tskriv2"})
                         fit.noteWindow(QLatin1String(n));
                     QVERIFY(withModal([] { button(Form1, QStringLiteral("Button7"))->click(); },
                                       [&](QWidget *w) { checkRegister(fit, static_cast<TDiag *>(w)); }));
                 }});

    for (const bool ws : {false, true}) {
        const QStringList menus = reachableMenus(ws);
        QSet<QString> fullyVisited;
        for (const KatalogMeny &m : katalog()) {
            if (!menus.contains(m.klass))
                continue;
            v.push_back({QStringLiteral("menu %1, %2").arg(m.klass, modeName(ws)), [&m, ws](FitCheck &fit) {
                             setWorksheetMode(ws);
                             fit.noteWindow(m.klass + QLatin1Char(' ') + modeName(ws));
                             QVERIFY(withModal([&] { visaMeny(m.klass); },
                                               [&](QWidget *w) { fit.check(w, modeName(ws)); }));
                         }});
            for (size_t i = 0; i < m.knappar.size(); ++i) {
                const KatalogKnapp &k = m.knappar[i];
                if (k.sort != KnappSort::Ovning && k.sort != KnappSort::Sida)
                    continue;
                if (ws && k.avIArbetsblad)
                    continue;
                const QString what = k.datafil.isEmpty() ? k.text : k.datafil;
                const bool full = !fullyVisited.contains(k.mal);
                fullyVisited.insert(k.mal);
                v.push_back({QStringLiteral("%1 %2 (%3), %4").arg(m.klass, what, k.mal, modeName(ws)),
                             [&m, i, ws, full](FitCheck &fit) { visitButton(fit, m, int(i) + 1, ws, full); }});
            }
        }
    }
    return v;
}

} // namespace

class TestFitCheck : public QObject
{
    Q_OBJECT

    TestCourse m_paths; // the path settings and the result directories
    MessageRecorder m_messages;
    FitCheck m_fit;
    std::vector<Visit> m_visits;

private slots:
    void initTestCase()
    {
        const QScreen *s = QGuiApplication::primaryScreen();
        QVERIFY(s);
        QCOMPARE(s->geometry().size(), gScreen);

        // The course beside the built program.
        const QString program = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        m_paths.mkdir(QStringLiteral("RESULTAT"));
        m_paths.writePathSettings({QStringLiteral("[PATH]"), QStringLiteral("VrsPCPath=") + program,
                                   QStringLiteral("[Path]"),
                                   QStringLiteral("VrsScoreDirectory=") + m_paths.path(QStringLiteral("RESULTAT/")),
                                   QStringLiteral("VrsDiagnosPath=") + m_paths.path(QStringLiteral("RESULTAT"))});
        QVERIFY(startaProgrammet(*qApp));
        Form1->showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(Form1));
        m_fit.setShotDirectory(qEnvironmentVariable("VARMIKO_FIT_SHOTS"));
        m_visits = visits();
    }

    void cleanupTestCase()
    {
        qInfo("Fit check at %dx%d: %d windows in %d states checked", gScreen.width(), gScreen.height(),
              m_fit.windows(), m_fit.states());
        avslutaProgrammet();
    }

    void everyWindowFits_data()
    {
        QTest::addColumn<int>("visit");
        for (size_t i = 0; i < m_visits.size(); ++i)
            QTest::newRow(qPrintable(m_visits[i].name)) << int(i);
    }

    void everyWindowFits()
    {
        QFETCH(int, visit);
        m_fit.clearFaults();
        m_messages.clear();
        m_visits[size_t(visit)].run(m_fit);
        for (QWidget *w = QApplication::activeModalWidget(); w; w = QApplication::activeModalWidget())
            w->close();
        if (m_messages.count())
            qWarning("messages shown: %s", qPrintable(m_messages.texts().join(QStringLiteral(" | "))));
        for (const QString &f : m_fit.faults())
            qWarning("%s", qPrintable(f));
        QVERIFY2(m_fit.faults().isEmpty(), qPrintable(QStringLiteral("%1 faults (above)").arg(m_fit.faults().size())));
    }
};

int main(int argc, char **argv)
{
    // The screen of this run: --screen WxH, taken out before Qt Test reads
    // the arguments.
    QTemporaryDir dir;
    QList<char *> args;
    if (!offscreenScreenFromArguments(argc, argv, gScreen, dir, args))
        return 1;
    // Every fault found is a warning line of its own; show them all.
    static char maxWarnings[] = "-maxwarnings";
    static char unlimited[] = "0";
    args.insert(1, unlimited);
    args.insert(1, maxWarnings);
    int n = int(args.size());
    setTestEnvironment();

    QStandardPaths::setTestModeEnabled(true);
    QApplication app(n, args.data());
    TestFitCheck tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, n, args.data());
}

#include "test_fitcheck.moc"
