// The texts a pupil or teacher reads: every window the catalogue opens, the
// diagnosis windows and the about box are walked for the kinds of misspelling
// and wrong language once found in them, and the mended texts are checked
// where they stand.

#include "FakeSound.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "app/allafonster.h"
#include "drills/grammar/TFLERBAR.h"
#include "drills/grammar/TPassAkt.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/vocabulary/Tavsloj.h"
#include "drills/vocabulary/Thoroskop.h"
#include "drills/vocabulary/dinaordlistor.h"
#include "frame/TManual.h"
#include "frame/TOmMivo.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/catalogue/katalog.h"
#include "frame/datafiles.h"
#include "frame/pictures.h"
#include "frame/vrsku1.h"
#include "results/TDiag.h"
#include "results/TNLOS.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>

#include <functional>

namespace {

// Every text a window holds, shown or not: captions, labels, list lines,
// memo lines and tooltips.
QStringList texterI(QWidget *w)
{
    QStringList t{w->windowTitle()};
    QList<QWidget *> alla = w->findChildren<QWidget *>();
    alla.prepend(w);
    for (QWidget *c : std::as_const(alla)) {
        if (!c->toolTip().isEmpty())
            t << c->toolTip();
        if (auto *l = qobject_cast<QLabel *>(c))
            t << l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(c))
            t << b->text();
        else if (auto *g = qobject_cast<QGroupBox *>(c))
            t << g->title();
        else if (auto *e = qobject_cast<QLineEdit *>(c))
            t << e->text();
        else if (auto *p = qobject_cast<QPlainTextEdit *>(c))
            t << p->toPlainText().split(QLatin1Char('\n'));
        else if (auto *x = qobject_cast<QTextEdit *>(c))
            t << x->toPlainText().split(QLatin1Char('\n'));
        else if (auto *lw = qobject_cast<QListWidget *>(c))
            for (int i = 0; i < lw->count(); ++i)
                t << lw->item(i)->text();
    }
    t.removeAll(QString());
    return t;
}

// Opens a window through its show routine and gathers the texts of it and of
// every modal window it opens, closing each, until the routine returns.
QStringList texterNar(const std::function<void()> &visa)
{
    QStringList t;
    QTimer stang;
    stang.setInterval(20);
    QObject::connect(&stang, &QTimer::timeout, [&t] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            t << texterI(modal);
            modal->close();
        }
    });
    stang.start();
    visa();
    stang.stop();
    return t;
}

// The faults of these kinds: German and Swedish misspellings, English words
// on German and Swedish screens.
const char *const kFel[] = {
    "\\bEnter drucken",   // "drücken" is pressing, "drucken" printing
    "\\bMouse\\b",        "\\bFile\\b",        "Wokabeln",      "Regelbunda",  "\\bscheiben\\b",
    "skrivskyddadad",     "\\bdin sin\\b",     "infini-tiver",  "\\bfocus\\b", "\\bseconds\\b",
    "Congratulations",    "\\bSorry\\b",       "\\bYou\\b",     "\\bof\\b",    "Rockkonsert",
    "\\bWieviel\\b",      "\\.!",              "&Berichtigen",  "Fehler  ",    "Adjektive Steigern",
    "an\\s+richtige Stelle", "till satsdelsruta!", "Spreewald in Berlin",
};

void inglaFel(const QString &var, const QStringList &texter)
{
    for (const char *monster : kFel) {
        const QRegularExpression re(QString::fromUtf8(monster));
        for (const QString &t : texter)
            QVERIFY2(!re.match(t).hasMatch(), qPrintable(var + QStringLiteral(": ") + t));
    }
}

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registreraAllaFonster();
        Skalning = 100;
        Marginal = 12;
        LjudInst = 1;
        BildInst = 1;
    }

    void init()
    {
        activateBundledCourse();
        OvningsLage = 0;
    }

    void everyWindowOfTheCatalogueIsSpeltRight_data()
    {
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("fil");
        QTest::addColumn<int>("programtal");
        QTest::addColumn<int>("argument");
        QTest::addColumn<bool>("kolla2");
        for (const KatalogMeny &m : katalog())
            for (const KatalogKnapp &k : m.knappar) {
                if (k.sort != KnappSort::Ovning && k.sort != KnappSort::Sida)
                    continue;
                const QString namn = m.klass + QLatin1Char(' ') + k.text;
                QTest::newRow(qPrintable(namn)) << k.mal << k.datafil << int(k.programtal) << int(k.argument)
                                                << m.kolla2;
            }
    }
    void everyWindowOfTheCatalogueIsSpeltRight()
    {
        QFETCH(QString, klass);
        QFETCH(QString, fil);
        QFETCH(int, programtal);
        QFETCH(int, argument);
        QFETCH(bool, kolla2);
        MessageRecorder meddelanden;
        FakeSound ljud;
        if (!fil.isEmpty()) {
            DataFilNamn = fil;
            QVERIFY(kolla2 ? Kolla2(fil) : Kolla(fil));
        }
        if (programtal)
            Programtal = quint16(programtal);
        const QStringList texter = texterNar([&] { QVERIFY(visaFonster(klass, argument)); });
        QVERIFY(!texter.isEmpty());
        inglaFel(klass + QLatin1Char(' ') + fil, texter);
        inglaFel(klass + QStringLiteral(" messages"), meddelanden.texts());
    }

    void theOtherWindowsAreSpeltRight_data()
    {
        QTest::addColumn<int>("fonster");
        QTest::newRow("diagnosis register") << 0;
        QTest::newRow("new password") << 1;
        QTest::newRow("manual") << 2;
        QTest::newRow("about box") << 3;
    }
    void theOtherWindowsAreSpeltRight()
    {
        QFETCH(int, fonster);
        MessageRecorder meddelanden;
        // The register in a course of its own; the manual and the pictures of
        // the bundled course.
        TestCourse c;
        if (fonster < 2) {
            c.activate();
            DiagnosPath = c.root();
        }
        const std::function<void()> visa[] = {TDiag_Visa, TNLOS_Visa, TManual_Visa, TOmMivo_Visa};
        const QStringList texter = texterNar(visa[fonster]);
        QVERIFY(!texter.isEmpty());
        inglaFel(QString::number(fonster), texter);
    }

    // The mended texts where they stand.
    void theMendedTextsStandInTheirWindows()
    {
        TestCourse c;
        c.activate();
        DiagnosPath = c.root();
        {
            Thoroskop w;
            QCOMPARE(w.Button3->text(), QStringLiteral("&Vokabeln"));
        }
        {
            Tavsloj w;
            QCOMPARE(w.RadioButton1->text(), QStringLiteral("Wörter anklicken und an die\nrichtige Stelle setzen."));
        }
        {
            TNLOS w;
            QCOMPARE(w.Label1->text(), QStringLiteral("Neue Losung schreiben. Enter drücken."));
        }
        {
            TDiag w;
            QCOMPARE(w.SkrivDittNamnLabel->text(), QStringLiteral("Namen schreiben. Enter drücken:"));
            const QStringList hjalp = w.RegelText->text().split(QLatin1Char('\n'));
            QVERIFY(hjalp.contains(QStringLiteral("1. Så här tar du bort din egen diagnos: ")));
            QVERIFY(hjalp.contains(
                QStringLiteral("- När INFO-knappen har fokus trycker du bokstaven Ä och ändrar ditt lösenord. ")));
            QVERIFY(hjalp.contains(
                QStringLiteral("b) Ta bort enstaka med angivande av lösenordet. Fungerar som under 1. ")));
        }
        QString bildtext;
        GeBildText(27, bildtext);
        QCOMPARE(bildtext, QStringLiteral("Rockkonzert im Olympiastadion in München."));
        MusOverBild = 1;
        GeBildText(34, bildtext);
        MusOverBild = 0;
        QCOMPARE(bildtext, QStringLiteral("Spreewald in Brandenburg."));
    }

    void theListNamesAndTheChoiceAreSpeltRight()
    {
        QCOMPARE(longfilnamn(QStringLiteral("REGVERB")), QStringLiteral("Regelbundna verb"));
        TestCourse c;
        c.activate();
        Programtal = 1001;
        TDinaOrd w;
        QCOMPARE(w.Panel4->text(), QStringLiteral("Datei wählen"));
    }

    void theChoiceWindowsAskForTheMouseInGerman_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::newRow("multiple choice") << "VRS55110.DAT";
        QTest::newRow("sentence part") << "VRS56710.DAT";
    }
    void theChoiceWindowsAskForTheMouseInGerman()
    {
        QFETCH(QString, fil);
        // A file without an instruction line keeps the window's own.
        TestCourse c;
        c.write(QStringLiteral("DATA/") + fil,
                {QStringLiteral("$Titel"), fil == QLatin1String("VRS55110.DAT")
                                                 ? QStringLiteral("Wir sind <in> einem Konzert.")
                                                 : QStringLiteral("Der Brief wird geschrieben.#passiv#aktiv")});
        c.activate();
        DataFilNamn = fil;
        QVERIFY(Kolla(fil));
        std::unique_ptr<QWidget> w;
        if (fil == QLatin1String("VRS55110.DAT"))
            w = std::make_unique<TFLERBAR>();
        else
            w = std::make_unique<TPassAkt>();
        auto *instruktion = w->findChild<QLabel *>(QStringLiteral("InstruktionsLabel"));
        QVERIFY(instruktion);
        QCOMPARE(instruktion->text(), QStringLiteral(" Mit der Maus wählen, bitte. "));
    }
};

VARMIKO_TEST_MAIN(TestSpelling)
#include "test_spelling.moc"
