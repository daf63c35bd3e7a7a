// The item cycle without any window: rounds answered right and wrong, the
// pause and Space, the last item's pause, hints and the lamp in each run
// mode, and which end-panel buttons are live. Only QtCore runs here.

#include "TestEnvironment.h"
#include "frame/Ovningsrunda.h"
#include "frame/Postcykel.h"
#include "frame/randomorder.h"
#include "frame/vrsku1.h"

#include <QCoreApplication>
#include <QTest>

using E = Postcykel::Efter;
using L = Postcykel::Lage;

Q_DECLARE_METATYPE(Postcykel::Lage)

namespace {

constexpr qint32 Lista = 7;

// An empty error queue and a round of n items in run mode lage.
void nyRunda(quint8 lage, qint32 n)
{
    for (TFelPar &p : FelKo)
        p = TFelPar();
    for (qint32 &k : FelPerLista)
        k = 0;
    ListNummer = Lista;
    DataFilNamn = QStringLiteral("VRS52300.DAT");
    OvningsLage = lage;
    PausTid = 3;
    Ovningsrunda::borja(n);
}

// What follows each answer, one letter per answer: N next item, P pause,
// V pause before the round end, S round end.
QChar bokstav(E e)
{
    switch (e) {
    case E::NastaPost: return QLatin1Char('N');
    case E::Paus: return QLatin1Char('P');
    case E::PausForeSlut: return QLatin1Char('V');
    case E::Slut: return QLatin1Char('S');
    }
    return QLatin1Char('?');
}

// Answers a round as the template does: each item is shown, answered ("r"
// right, "f" wrong) and its pause waited out.
QString svaraRundan(Postcykel &c, const QString &svar, bool pausMittIRundan = true)
{
    QString foljd;
    for (const QChar s : svar) {
        c.nyPost();
        ++SlumpPost; // a new item number for the queue
        const bool ratt = s == QLatin1Char('r');
        c.svara(ratt);
        const E e = c.gaVidare(!ratt, pausMittIRundan);
        foljd += bokstav(e);
        while (c.pausPagar() && !c.tick()) {
        }
    }
    return foljd;
}

} // namespace

class TestPostcykel : public QObject
{
    Q_OBJECT

private slots:
    void init() { nyRunda(Ovningsrunda::Ovning, 10); }

    void roundAnswered_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<int>("poster");
        QTest::addColumn<QString>("svar");
        QTest::addColumn<bool>("pausMittIRundan");
        QTest::addColumn<QString>("foljd");
        QTest::addColumn<int>("ratt");
        QTest::addColumn<int>("fel");
        QTest::addColumn<int>("koade");
        QTest::addColumn<Postcykel::Lage>("slut");

        QTest::newRow("all right") << 0 << 3 << "rrr" << true << "NNS" << 3 << 0 << 0 << L::Slut;
        QTest::newRow("a wrong one pauses") << 0 << 3 << "rfr" << true << "NPS" << 2 << 1 << 1 << L::Slut;
        QTest::newRow("a wrong last one waits before the end")
            << 0 << 3 << "rrf" << true << "NNV" << 2 << 1 << 1 << L::Slut;
        QTest::newRow("every one wrong") << 0 << 2 << "ff" << true << "PV" << 0 << 2 << 2 << L::Slut;
        QTest::newRow("no pause inside the round") << 0 << 3 << "ffr" << false << "NNS" << 1 << 2 << 2 << L::Slut;
        QTest::newRow("no pause inside, but before the end")
            << 0 << 3 << "rrf" << false << "NNV" << 2 << 1 << 1 << L::Slut;
        QTest::newRow("test of 20") << 2 << 20 << "rrrrrrrrrrrrrrrrrrrf" << true << "NNNNNNNNNNNNNNNNNNNV" << 19 << 1
                                    << 1 << L::Slut;
    }

    void roundAnswered()
    {
        QFETCH(int, lage);
        QFETCH(int, poster);
        QFETCH(QString, svar);
        QFETCH(bool, pausMittIRundan);
        QFETCH(QString, foljd);
        QFETCH(int, ratt);
        QFETCH(int, fel);
        QFETCH(int, koade);
        QFETCH(Postcykel::Lage, slut);

        nyRunda(quint8(lage), poster);
        Postcykel c;
        QCOMPARE(svaraRundan(c, svar, pausMittIRundan), foljd);
        QCOMPARE(int(AntalRatt), ratt);
        QCOMPARE(int(AntalFel), fel);
        QCOMPARE(FelPerLista[Lista], koade);
        QCOMPARE(c.lage(), slut);
        QVERIFY(c.slutpanelen());
        QVERIFY(!c.avbryt()); // Esc after the round changes nothing
    }

    void errorRoundEmptiesTheQueue()
    {
        Postcykel c;
        svaraRundan(c, QStringLiteral("frfrfrrrrr"));
        QCOMPARE(FelPerLista[Lista], 3);
        QVERIFY(Postcykel::kanRattaFel(FelPerLista[Lista]));
        QVERIFY(Ovningsrunda::startaFelRunda());
        QCOMPARE(AntalPoster, 3);
        // One wrong again goes to the end of the queue; the right ones leave it.
        QCOMPARE(svaraRundan(c, QStringLiteral("rfr")), QStringLiteral("NPS"));
        QCOMPARE(FelPerLista[Lista], 1);
        QCOMPARE(int(AntalRatt), 2);
    }

    void pauseTicks_data()
    {
        QTest::addColumn<int>("pausTid");
        QTest::addColumn<int>("tickar");
        QTest::newRow("3 seconds") << 3 << 30;
        QTest::newRow("9 seconds") << 9 << 90;
        QTest::newRow("no pause: the first tick") << 0 << 1;
    }

    void pauseTicks()
    {
        QFETCH(int, pausTid);
        QFETCH(int, tickar);
        PausTid = pausTid;
        Postcykel c;
        c.nyPost();
        c.svara(false);
        QCOMPARE(c.gaVidare(true), E::Paus);
        QCOMPARE(c.lage(), L::Rattelse);
        int n = 1;
        while (!c.tick())
            ++n;
        QCOMPARE(n, tickar);
    }

    void spaceEndsThePauseAtTheNextTick()
    {
        Postcykel c;
        c.nyPost();
        c.svara(false);
        c.gaVidare(true);
        QVERIFY(!c.tick());
        c.mellanslag();
        QVERIFY(c.tick());
        // Space outside a pause does nothing.
        c.nyPost();
        c.mellanslag();
        QCOMPARE(TimerTick, 0);
    }

    void lastPauseEndsInTheEndPanel()
    {
        nyRunda(Ovningsrunda::Ovning, 1);
        Postcykel c;
        c.nyPost();
        c.svara(false);
        QCOMPARE(c.gaVidare(true), E::PausForeSlut);
        QVERIFY(c.pausPagar());
        QVERIFY(!c.slutpanelen());
        // A window may show its choices over the pause; the pause runs on.
        c.oppnaSlutpanelen();
        QVERIFY(c.slutpanelen());
        QCOMPARE(c.lage(), L::SlutPaus);
        while (!c.tick()) {
        }
        QCOMPARE(c.lage(), L::Slut);
        QVERIFY(c.slutpanelen());
    }

    void escapeInMidRound()
    {
        Postcykel c;
        c.nyPost();
        QVERIFY(c.avbryt());
        QCOMPARE(c.lage(), L::Avbrott);
        QVERIFY(c.slutpanelen());
        c.fortsatt();
        QCOMPARE(c.lage(), L::Fragar);
        QVERIFY(!c.slutpanelen());
    }

    void escapeInThePause()
    {
        // Esc in the pause stops it under the end panel; the item has its
        // answer, so what goes on is the next item.
        Postcykel c;
        c.nyPost();
        c.svara(false);
        QCOMPARE(c.gaVidare(true), E::Paus);
        QVERIFY(c.avbryt());
        QCOMPARE(c.lage(), L::Avbrott);
        QVERIFY(!c.pausPagar());
        QVERIFY(c.postBesvarad());
        c.nyPost();
        QVERIFY(!c.postBesvarad());
        // A pause of the window's own (the first of two answers) goes on
        // after the panel, the item still waiting for its answer.
        c.borjaPaus();
        QVERIFY(c.avbryt());
        c.fortsatt();
        QCOMPARE(c.lage(), L::Rattelse);
        QVERIFY(!c.postBesvarad());
    }

    void goodPracticeRound_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<int>("felRunda");
        QTest::addColumn<int>("ratt");
        QTest::addColumn<bool>("god");
        QTest::newRow("first practice, 8 right") << 3 << 0 << 8 << true;
        QTest::newRow("second practice, 8 right") << 4 << 0 << 8 << true;
        QTest::newRow("7 right") << 3 << 0 << 7 << false;
        QTest::newRow("20 right") << 4 << 0 << 20 << true;
        QTest::newRow("in an error round") << 3 << 1 << 10 << false;
        QTest::newRow("the error round's mode") << 5 << 0 << 10 << false;
        QTest::newRow("practice outside diagnosis") << 0 << 0 << 10 << false;
        QTest::newRow("a test") << 2 << 0 << 20 << false;
    }
    void goodPracticeRound()
    {
        QFETCH(int, lage);
        QFETCH(int, felRunda);
        QFETCH(int, ratt);
        QFETCH(bool, god);
        nyRunda(quint8(lage), 20);
        FelRunda = quint8(felRunda);
        AntalRatt = quint16(ratt);
        QCOMPARE(Ovningsrunda::godOvningsrunda(), god);
    }

    void helpCostsTheCount_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<QString>("hjalp"); // 1, 2: hints; l: the lamp
        QTest::addColumn<bool>("raknas");
        QTest::addColumn<bool>("nastaRaknas"); // the next item, the lamp left on

        QTest::newRow("practice, both hints") << 0 << "12" << true << true;
        QTest::newRow("practice, lamp") << 0 << "l" << true << true;
        QTest::newRow("test, first hint") << 2 << "1" << false << true;
        QTest::newRow("test, second hint only") << 2 << "2" << true << true;
        QTest::newRow("diagnosis practice, first hint") << 3 << "1" << false << true;
        QTest::newRow("diagnosis practice, second hint") << 4 << "2" << false << true;
        QTest::newRow("diagnosis practice, lamp") << 3 << "l" << false << false;
        QTest::newRow("later practice round, lamp") << 4 << "l" << false << false;
        QTest::newRow("error round, lamp") << 5 << "l" << true << true;
    }

    void helpCostsTheCount()
    {
        QFETCH(int, lage);
        QFETCH(QString, hjalp);
        QFETCH(bool, raknas);
        QFETCH(bool, nastaRaknas);

        nyRunda(quint8(lage), 10);
        Postcykel c;
        c.AntalLedtradar = 2;
        c.nyPost();
        QVERIFY(c.raknas());
        for (const QChar h : hjalp) {
            if (h == QLatin1Char('1'))
                c.visaForstaLedtraden();
            else if (h == QLatin1Char('2'))
                c.visaAndraLedtraden();
            else
                c.slaPaLampan();
        }
        QCOMPARE(c.raknas(), raknas);
        c.svara(true);
        QCOMPARE(int(AntalRatt), raknas ? 1 : 0);
        c.gaVidare(false);
        c.nyPost();
        QCOMPARE(c.raknas(), nastaRaknas);
        // Switched off, the lamp costs no later item.
        c.slackLampan();
        c.nyPost();
        QVERIFY(c.raknas());
    }

    void hintButtonForOneOrTwoHints_data()
    {
        QTest::addColumn<int>("ledtradar");
        QTest::addColumn<bool>("knapp");
        QTest::newRow("none") << 0 << false;
        QTest::newRow("one") << 1 << true;
        QTest::newRow("two") << 2 << true;
        QTest::newRow("three offer none") << 3 << false;
    }

    void hintButtonForOneOrTwoHints()
    {
        QFETCH(int, ledtradar);
        QFETCH(bool, knapp);
        Postcykel c;
        c.AntalLedtradar = ledtradar;
        QCOMPARE(c.ledtradKnapp(), knapp);
    }

    void rulesOfTheRunModes_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<bool>("aster");
        QTest::addColumn<bool>("lampknapp");
        QTest::addColumn<bool>("fargas");
        QTest::addColumn<bool>("installningar");
        QTest::addColumn<bool>("rattaFel"); // with errors queued

        QTest::newRow("practice") << 0 << true << true << true << true << true;
        QTest::newRow("worksheet") << 1 << false << false << false << false << false;
        QTest::newRow("test") << 2 << false << false << false << true << false;
        QTest::newRow("diagnosis practice") << 3 << false << true << true << true << true;
        QTest::newRow("second practice round") << 4 << false << true << true << true << true;
        QTest::newRow("error round of diagnosis practice") << 5 << true << true << false << true << true;
    }

    void rulesOfTheRunModes()
    {
        QFETCH(int, lage);
        QFETCH(bool, aster);
        QFETCH(bool, lampknapp);
        QFETCH(bool, fargas);
        QFETCH(bool, installningar);
        QFETCH(bool, rattaFel);

        OvningsLage = quint8(lage);
        QCOMPARE(Postcykel::asterRaknas(), aster);
        QCOMPARE(Postcykel::lampknappErbjuds(), lampknapp);
        QCOMPARE(Postcykel::lampanFargas(), fargas);
        QCOMPARE(Postcykel::harInstallningar(), installningar);
        QCOMPARE(Postcykel::kanRattaFel(2), rattaFel);
        QVERIFY(!Postcykel::kanRattaFel(0)); // nothing to correct
    }
};

int main(int argc, char **argv)
{
    setTestEnvironment();
    QCoreApplication app(argc, argv);
    TestPostcykel tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_postcykel.moc"
