// The answer check and the live lamp.

#include "TestMain.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Programtal = 41000;
        SvarsVariant = 0;
        str_postarray(QString());
    }

    void svarstest_data()
    {
        QTest::addColumn<QString>("rad");   // item line last split
        QTest::addColumn<QString>("ratt");
        QTest::addColumn<QString>("svar");
        QTest::addColumn<int>("lage");
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("resultat");

        const QString erKommt = QStringLiteral("Er kommt.");
        for (const int lage : {1, 3}) {
            const QByteArray m = " mode " + QByteArray::number(lage);
            QTest::newRow("no full stop" + m) << QString() << erKommt << QStringLiteral("Er kommt") << lage << 0 << 0 << 0;
            QTest::newRow("small letter" + m) << QString() << erKommt << QStringLiteral("er kommt") << lage << 0 << 0
                                              << (lage == 1 ? 60000 : 0);
            QTest::newRow("other mark" + m) << QString() << erKommt << QStringLiteral("Er kommt!") << lage << 0 << 0 << 0;
            QTest::newRow("extra blanks" + m) << QString() << erKommt << QStringLiteral(" Er  kommt ") << lage << 0 << 0 << 0;
        }
        QTest::newRow("mode 0 keeps the mark") << QString() << erKommt << QStringLiteral("Er kommt") << 0 << 0 << 0 << 60000;
        QTest::newRow("mode 2 keeps the mark") << QString() << erKommt << QStringLiteral("er kommt.") << 2 << 0 << 0 << 0;

        for (int lage = 0; lage <= 4; ++lage)
            QTest::newRow(("ss for ß, mode " + QByteArray::number(lage)).constData())
                << QString() << QStringLiteral("Straße") << QStringLiteral("Strasse") << lage << 0 << 0 << 60000;
        QTest::newRow("umlaut case-blind") << QString() << QStringLiteral("Äpfel") << QStringLiteral("äPFEL") << 3 << 0 << 0 << 0;

        const QString haus = QStringLiteral("Haus#house#&home#dwelling");
        QTest::newRow("right answer") << haus << QStringLiteral("house") << QStringLiteral("house") << 1 << 0 << 0 << 0;
        QTest::newRow("first alternative") << haus << QStringLiteral("house") << QStringLiteral("home") << 1 << 0 << 0 << 0;
        QTest::newRow("last alternative") << haus << QStringLiteral("house") << QStringLiteral("dwelling") << 1 << 0 << 0 << 0;
        QTest::newRow("question is no answer") << haus << QStringLiteral("house") << QStringLiteral("Haus") << 1 << 0 << 0 << 60000;
        QTest::newRow("empty fields at the end") << QStringLiteral("Haus#house#&home###") << QStringLiteral("house")
                                                 << QStringLiteral("Haus") << 1 << 0 << 0 << 60000;
        QTest::newRow("blanks against empty fields") << QStringLiteral("Haus#house#&home###") << QStringLiteral("house")
                                                     << QStringLiteral("  ") << 1 << 0 << 0 << 60000;
        QTest::newRow("first field an alternative") << QStringLiteral("&home#dwelling") << QStringLiteral("x")
                                                    << QStringLiteral("home") << 1 << 0 << 0 << 0;

        QTest::newRow("blanks only") << QString() << QStringLiteral("Haus") << QStringLiteral("   ") << 1 << 0 << 0 << 60000;
        QTest::newRow("blanks for an empty answer") << QString() << QString() << QStringLiteral("   ") << 1 << 0 << 0 << 0;
        QTest::newRow("nothing typed") << QString() << QStringLiteral("Haus") << QString() << 1 << 0 << 0 << 6000;

        const QString hund = QStringLiteral("Der Hund");
        QTest::newRow("mode 4 two small") << QString() << hund << QStringLiteral("der hund") << 4 << 0 << 0 << 12;
        QTest::newRow("mode 4 first small") << QString() << hund << QStringLiteral("der Hund") << 4 << 0 << 0 << 11;
        QTest::newRow("mode 4 second small") << QString() << hund << QStringLiteral("Der hund.") << 4 << 0 << 0 << 11;
        QTest::newRow("mode 4 no difference") << QString() << hund << QStringLiteral("Der Hund") << 4 << 0 << 0 << 0;
        QTest::newRow("mode 4 capitals typed") << QString() << hund << QStringLiteral("DER HUND") << 4 << 0 << 0 << 60000;
        QTest::newRow("mode 4 wrong inner letter") << QString() << hund << QStringLiteral("der hUnd") << 4 << 0 << 0 << 60000;
        QTest::newRow("mode 4 wrong word") << QString() << hund << QStringLiteral("der hunt") << 4 << 0 << 0 << 60000;
        QTest::newRow("mode 4 umlaut") << QString() << QStringLiteral("Über Öl") << QStringLiteral("über öl") << 4 << 0 << 0 << 12;
        QTest::newRow("mode 4 counts at most five")
            << QString() << QStringLiteral("Aa Bb Cc Dd Ee Ff") << QStringLiteral("aa bb cc dd ee ff") << 4 << 0 << 0 << 15;
        QTest::newRow("mode 4 exact alternative wins") << QStringLiteral("Frage#Der Hund#&der hund") << hund
                                                        << QStringLiteral("der hund") << 4 << 0 << 0 << 0;

        const QString varianter = QStringLiteral("Frage#geht#&1gehen#2ging");
        const QString geht = QStringLiteral("geht");
        QTest::newRow("variant 1 takes 1") << varianter << geht << QStringLiteral("gehen") << 1 << 52100 << 1 << 0;
        QTest::newRow("variant 1 not 2") << varianter << geht << QStringLiteral("ging") << 1 << 52100 << 1 << 60000;
        QTest::newRow("variant 2 takes 2") << varianter << geht << QStringLiteral("ging") << 1 << 110 << 2 << 0;
        QTest::newRow("variant 2 not 1") << varianter << geht << QStringLiteral("gehen") << 1 << 110 << 2 << 60000;
        QTest::newRow("variants only in their programs") << varianter << geht << QStringLiteral("gehen") << 1 << 52300 << 1 << 60000;
    }
    void svarstest()
    {
        QFETCH(QString, rad);
        QFETCH(QString, ratt);
        QFETCH(QString, svar);
        QFETCH(int, lage);
        QFETCH(int, program);
        QFETCH(int, variant);
        QFETCH(int, resultat);
        str_postarray(rad);
        if (program != 0)
            Programtal = quint16(program);
        SvarsVariant = variant;
        QCOMPARE(int(::svarstest(ratt, svar, lage)), resultat);
    }

    void greenRedTest_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<QString>("ratt");
        QTest::addColumn<QString>("skrivet");
        QTest::addColumn<int>("lampa");

        const QString haus = QStringLiteral("Haus");
        QTest::newRow("prefix") << QString() << haus << QStringLiteral("Ha") << 1;
        QTest::newRow("whole") << QString() << haus << QStringLiteral("Haus") << 1;
        QTest::newRow("one blank first") << QString() << haus << QStringLiteral(" Ha") << 1;
        QTest::newRow("wrong letter") << QString() << haus << QStringLiteral("Hx") << 2;
        QTest::newRow("too long") << QString() << haus << QStringLiteral("Hause") << 2;
        QTest::newRow("letter case counts") << QString() << haus << QStringLiteral("ha") << 2;
        QTest::newRow("empty") << QString() << haus << QString() << 2;

        const QString line = QStringLiteral("Frage#house#&home#dwelling");
        const QString house = QStringLiteral("house");
        QTest::newRow("alternative") << line << house << QStringLiteral("hom") << 1;
        QTest::newRow("last alternative") << line << house << QStringLiteral("dwe") << 1;
        QTest::newRow("question field") << line << house << QStringLiteral("Fr") << 2;
        QTest::newRow("no alternatives") << QStringLiteral("Haus#hus") << haus << QStringLiteral("hu") << 2;
        QTest::newRow("first field an alternative") << QStringLiteral("&home#dwelling") << QStringLiteral("x")
                                                    << QStringLiteral("ho") << 1;
    }
    void greenRedTest()
    {
        QFETCH(QString, rad);
        QFETCH(QString, ratt);
        QFETCH(QString, skrivet);
        QFETCH(int, lampa);
        str_postarray(rad);
        QCOMPARE(int(GreenRedTest(skrivet, ratt)), lampa);
    }

    // Two-answer items: positive, comparative, superlative, Swedish word, then
    // alternatives marked for the first (1) or the second (2) answer.
    void greenRedTestTwoAnswers_data()
    {
        QTest::addColumn<QString>("ratt");
        QTest::addColumn<QString>("skrivet");
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("lampa");
        const QString nasser = QStringLiteral("nässer");
        const QString nassesten = QStringLiteral("am nässesten");
        QTest::newRow("variant 1 alternative") << nasser << QStringLiteral("nass") << 52100 << 1 << 1;
        QTest::newRow("variant 1 not the other") << nasser << QStringLiteral("am n") << 52100 << 1 << 2;
        QTest::newRow("variant 2 alternative") << nassesten << QStringLiteral("am nass") << 110 << 2 << 1;
        QTest::newRow("variant 2 not the other") << nassesten << QStringLiteral("nas") << 110 << 2 << 2;
        QTest::newRow("Swedish word is no answer") << nasser << QStringLiteral("vå") << 52200 << 1 << 2;
        QTest::newRow("markers elsewhere kept") << nasser << QStringLiteral("nass") << 52300 << 1 << 2;
    }
    void greenRedTestTwoAnswers()
    {
        QFETCH(QString, ratt);
        QFETCH(QString, skrivet);
        QFETCH(int, program);
        QFETCH(int, variant);
        QFETCH(int, lampa);
        str_postarray(QStringLiteral("nass#nässer#am nässesten#våt#&1nasser#2am nassesten"));
        Programtal = quint16(program);
        SvarsVariant = variant;
        QCOMPARE(int(GreenRedTest(skrivet, ratt)), lampa);
    }
};

VARMIKO_TEST_MAIN(TestAnswerCheck)
#include "test_answercheck.moc"
