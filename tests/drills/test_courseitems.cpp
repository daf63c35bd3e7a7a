// The bundled course's own items: an answer that is just as right as the one
// the item names is taken, the false friends say why they are false for a
// Swede, and every header line fits its 80 characters. Each item is taken from
// the course as it is stored and answered in its real window.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/grammar/NivaFil.h"
#include "drills/grammar/TFLERBAR.h"
#include "drills/grammar/flerval.h"
#include "drills/writing/TSKRIV.h"
#include "drills/writing/TSkrivinf.h"
#include "frame/answercheck.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace {

QString kursKatalog()
{
    return qEnvironmentVariable("VARMIKO_COURSE") + QStringLiteral("/DATA");
}

// The lines of a course file as the program reads them: plain text, the
// scrambled ones unscrambled.
QStringList kursRader(const QString &fil)
{
    QFile f(kursKatalog() + QLatin1Char('/') + fil);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList rader;
    for (QByteArray rad : f.readAll().split('\n')) {
        if (rad.endsWith('\r'))
            rad.chop(1);
        rader << Cp1252::decode(dekryptradBytes(rad));
    }
    return rader;
}

// The one item line of the file that holds bit.
QString kursRad(const QString &fil, const QString &bit)
{
    QString funnen;
    for (const QString &r : kursRader(fil))
        if (r.contains(bit) && !r.startsWith(QLatin1Char(';')) && !r.startsWith(QLatin1Char('$'))) {
            if (!funnen.isEmpty())
                return QString(); // more than one: the test names its item badly
            funnen = r;
        }
    return funnen;
}

} // namespace

class TestCourseItems : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;

    // A course of the one item of fil that holds bit, as the bundled course
    // has it; false when there is no such single item.
    bool kursMedRaden(const QString &fil, const QString &bit)
    {
        const QString rad = kursRad(fil, bit);
        if (rad.isEmpty())
            return false;
        m_course->write(QStringLiteral("DATA/") + fil, {QStringLiteral("$Titel"), rad});
        m_course->activate();
        return true;
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        m_course = std::make_unique<TestCourse>();
        PausTid = 0;
        SvarsVariant = 0;
        Skalning = 100;
        Marginal = 12;
    }

    // Gap items: the word typed in the gap.
    void aGapTakesEveryRightWord_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("bit");
        QTest::addColumn<QString>("svar");
        QTest::newRow("trevliga helgdagar: schöne") << "VRS52500.DAT" << "<trevliga>" << "schöne";
        QTest::newRow("trevliga helgdagar: nette") << "VRS52500.DAT" << "<trevliga>" << "nette";
        QTest::newRow("trevlig helg: Nettes") << "VRDIAG12.DAT" << "<Trevlig> helg" << "Nettes";
        QTest::newRow("trevlig resa: Schöne") << "VROVN112.DAT" << "<Trevlig> resa" << "Schöne";
        QTest::newRow("förra året: Voriges") << "VRS53200.DAT" << "<Förra> året" << "Voriges";
        QTest::newRow("förra året: Vergangenes") << "VRS53200.DAT" << "<Förra> året" << "Vergangenes";
        QTest::newRow("förra veckan: Vorige") << "VRS53200.DAT" << "<Förra> veckan" << "Vorige";
        QTest::newRow("nästa vecka: Kommende") << "VRS53200.DAT" << "<Nästa> vecka" << "Kommende";
        QTest::newRow("när tåget går: geht") << "VRS54800.DAT" << "tåget <går>" << "geht";
        QTest::newRow("tåget går till Köln: geht") << "VRS56120.DAT" << "Tåget <går>" << "geht";
        QTest::newRow("hjälpa er: euch") << "VRS51480.DAT" << "hjälpa <er>" << "euch";
        // Swedish "er" and "ni" are the polite form as well.
        QTest::newRow("besöker er: Sie") << "VRS54200.DAT" << "besöker <er>" << "Sie";
        QTest::newRow("besöker er: euch") << "VRS54200.DAT" << "besöker <er>" << "euch";
        QTest::newRow("till er: Sie") << "VRS54200.DAT" << "till <er>" << "Sie";
        QTest::newRow("känner er: Sie") << "VRS51430.DAT" << "känner <er>" << "Sie";
        QTest::newRow("er bil: Ihr") << "VRS54500.DAT" << "<er> bil" << "Ihr";
        QTest::newRow("era föräldrar: Ihre") << "VRS54500.DAT" << "<era>" << "Ihre";
        QTest::newRow("mannens hatt: Manns") << "VRS51210.DAT" << "<mannens>" << "Manns";
        QTest::newRow("hundens boll: Hunds") << "VRS51210.DAT" << "<hundens>" << "Hunds";
        QTest::newRow("springer fort: rennt") << "VRS56120.DAT" << "<springer>" << "rennt";
        QTest::newRow("simmat i sjön: habe") << "VRS56570.DAT" << "simmat i sjön" << "habe";
        QTest::newRow("söt hund: niedlicher") << "VROVN111.DAT" << "<söt> hund" << "niedlicher";
    }
    void aGapTakesEveryRightWord()
    {
        QFETCH(QString, fil);
        QFETCH(QString, bit);
        QFETCH(QString, svar);
        QVERIFY2(kursMedRaden(fil, bit), qPrintable(bit));
        std::unique_ptr<TSkrivinf> w;
        QVERIFY(openExercise(w, fil, 0));
        QTRY_VERIFY(w->Edit1->isEnabled());
        QCOMPARE(w->LuckAntal, 1);
        typeAnswer(w->Edit1, svar);
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(int(AntalFel), 0);
    }

    // What the polite form and the short genitive do not make right.
    void aGapKeepsAWrongWordWrong_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("bit");
        QTest::addColumn<QString>("svar");
        QTest::newRow("besöker er: sie (them)") << "VRS54200.DAT" << "besöker <er>" << "sie";
        QTest::newRow("husets dörr: Hauss") << "VRS51210.DAT" << "<husets>" << "Hauss";
    }
    void aGapKeepsAWrongWordWrong()
    {
        QFETCH(QString, fil);
        QFETCH(QString, bit);
        QFETCH(QString, svar);
        QVERIFY2(kursMedRaden(fil, bit), qPrintable(bit));
        std::unique_ptr<TSkrivinf> w;
        QVERIFY(openExercise(w, fil, 0));
        QTRY_VERIFY(w->Edit1->isEnabled());
        typeAnswer(w->Edit1, svar);
        QCOMPARE(int(AntalRatt), 0);
        QCOMPARE(int(AntalFel), 1);
    }

    // Two gaps: the word of each gap, and the short genitive in the second.
    void aTwoGapSentenceTakesEveryRightWord_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("bit");
        QTest::addColumn<QString>("svar1");
        QTest::addColumn<QString>("svar2");
        QTest::newRow("landets flagga: des Lands") << "VRS51220.DAT" << "<landets>" << "des" << "Lands";
        QTest::newRow("slutet på dagen: des Tags") << "VRS51220.DAT" << "<på dagen>" << "des" << "Tags";
        QTest::newRow("en väns adress: eines Freunds") << "VRS51220.DAT" << "<en väns>" << "eines" << "Freunds";
        QTest::newRow("har sprungit: ist gerannt") << "VRS56140.DAT" << "<har sprungit>" << "ist" << "gerannt";
        QTest::newRow("städas: wird aufgeräumt") << "VRS56720.DAT" << "<städas>" << "wird" << "aufgeräumt";
    }
    void aTwoGapSentenceTakesEveryRightWord()
    {
        QFETCH(QString, fil);
        QFETCH(QString, bit);
        QFETCH(QString, svar1);
        QFETCH(QString, svar2);
        QVERIFY2(kursMedRaden(fil, bit), qPrintable(bit));
        std::unique_ptr<TSkrivinf> w;
        QVERIFY(openExercise(w, fil, 0));
        QTRY_VERIFY(w->Edit1->isEnabled());
        QCOMPARE(w->LuckAntal, 2);
        typeAnswer(w->Edit1, svar1);
        QTRY_VERIFY(w->Edit2->isEnabled());
        typeAnswer(w->Edit2, svar2);
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(int(AntalFel), 0);
    }

    // Multiple choice: the word clicked.
    void aSentenceTakesEveryRightPreposition_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("bit");
        QTest::addColumn<QString>("svar");
        QTest::newRow("in einem Konzert") << "VRS55110.DAT" << "Konzert" << "in";
        QTest::newRow("auf einem Konzert") << "VRS55110.DAT" << "Konzert" << "auf";
        QTest::newRow("bei der Arbeit") << "VRS55130.DAT" << "Arbeit" << "bei";
        QTest::newRow("auf der Arbeit") << "VRS55130.DAT" << "Arbeit" << "auf";
        QTest::newRow("in Urlaub") << "VRS55130.DAT" << "Urlaub" << "in";
        QTest::newRow("An Heiligabend") << "VRS55130.DAT" << "Heiligabend" << "An";
        QTest::newRow("am Bahnhof") << "VRS55120.DAT" << "Bahnhof" << "am";
        QTest::newRow("im Bahnhof") << "VRS55120.DAT" << "Bahnhof" << "im";
        QTest::newRow("bei der Haltestelle") << "VRS55120.DAT" << "Haltestelle" << "bei";
        QTest::newRow("im Fenster") << "VRS55300.DAT" << "Fenster" << "im";
    }
    void aSentenceTakesEveryRightPreposition()
    {
        QFETCH(QString, fil);
        QFETCH(QString, bit);
        QFETCH(QString, svar);
        const QString rad = kursRad(fil, bit);
        QVERIFY2(!rad.isEmpty(), qPrintable(bit));
        // The sentence once, beside the sentences that put the other words of
        // the file on the panels; the sentence is met within the first pass.
        QStringList l{QStringLiteral("$Titel"), rad};
        SvarsordTabell ord;
        const qint32 antal = Hittapreppar(kursRader(fil), ord);
        for (qint32 k = 1; k <= antal; ++k)
            l << QStringLiteral("Satz <%1> hier.").arg(ord[k]);
        m_course->write(QStringLiteral("DATA/") + fil, l);
        m_course->activate();
        std::unique_ptr<TFLERBAR> w;
        QVERIFY(openExercise(w, fil, 0));
        for (qint32 i = 0; i <= antal; ++i) {
            QTRY_VERIFY(w->Svarspanel->isVisible() && w->Svarspanel->isEnabled());
            const bool malet = (w->Label4->text() + w->Label6->text()).contains(bit);
            const QString klicka = malet ? svar : w->KorrektSvarLabel->text();
            QLabel *panel = nullptr;
            for (int k = 1; k <= MaxSvarsord && !panel; ++k)
                if (w->OrdPanel[k]->isVisible() && w->OrdPanel[k]->text() == klicka)
                    panel = w->OrdPanel[k];
            QVERIFY2(panel, qPrintable(klicka));
            const int fore = AntalRatt;
            QTest::mouseClick(panel, Qt::LeftButton);
            QCOMPARE(int(AntalRatt), fore + 1);
            if (malet) {
                QCOMPARE(int(AntalFel), 0);
                return;
            }
        }
        QFAIL("the sentence never came");
    }

    // Typed answers: the whole answer.
    void anAnswerTakesEveryRightForm_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("bit");
        QTest::addColumn<QString>("svar");
        QTest::newRow("det ska bli regn: werden") << "VRS56440.DAT" << "regn i morgon" << "Morgen wird es regnen.";
        QTest::newRow("det ska bli regn: sollen") << "VRS56440.DAT" << "regn i morgon" << "Morgen soll es regnen.";
        QTest::newRow("Hund, Katze, Pferd, Kuh: Haustiere") << "VRS23000.DAT" << "Hund, Katze" << "Haustiere";
        QTest::newRow("ni ska komma i tid: Sie") << "VRS56440.DAT" << "komma i tid" << "Sie sollen pünktlich kommen.";
        QTest::newRow("ren: rein") << "VRDIAG03.DAT" << "ren#" << "rein";
        QTest::newRow("varifrån kommer du") << "VRDIAG04.DAT" << "Varifrån" << "Wo kommst du her?";
        QTest::newRow("läkare: Ärztin") << "VRS56440.DAT" << "läkare" << "Ich will Ärztin werden.";
        QTest::newRow("abholen am Bahnhof") << "VRS56320.DAT" << "abholen" << "Am Bahnhof hole ich dich ab.";
    }
    void anAnswerTakesEveryRightForm()
    {
        QFETCH(QString, fil);
        QFETCH(QString, bit);
        QFETCH(QString, svar);
        QVERIFY2(kursMedRaden(fil, bit), qPrintable(bit));
        std::unique_ptr<TSKRIV> w;
        QVERIFY(openExercise(w, fil, 0));
        QTRY_VERIFY(w->Edit1->isEnabled());
        typeAnswer(w->Edit1, svar);
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(int(AntalFel), 0);
    }

    // The word lists of "Dina ord" are checked as the trainer does.
    void aWordListTakesEveryRightWord_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("bit");
        QTest::addColumn<QString>("svar");
        QTest::newRow("kakan: der Keks") << "VRSK2.vr1" << "kakan#" << "der Keks";
        QTest::newRow("frukten: die Frucht") << "VRSK2.vr1" << "frukten#" << "die Frucht";
        QTest::newRow("att öppna: aufmachen") << "REGVERB.vr2" << "att öppna#" << "aufmachen";
    }
    void aWordListTakesEveryRightWord()
    {
        QFETCH(QString, fil);
        QFETCH(QString, bit);
        QFETCH(QString, svar);
        const QString rad = kursRad(fil, bit);
        QVERIFY2(!rad.isEmpty(), qPrintable(bit));
        str_postarray(rad);
        QCOMPARE(svarstest(postFalt(2), svar, 1), SvarRatt);
    }

    // The level items of the numbers: a number with and without "und", and
    // an ordinal of any gender, as the level window checks it.
    void aLevelItemTakesEveryRightForm_data()
    {
        QTest::addColumn<QString>("bit");
        QTest::addColumn<QString>("svar");
        QTest::newRow("hundraett: hundertundeins") << "9hundraett#" << "hundertundeins";
        QTest::newRow("hundraett: hunderteins") << "9hundraett#" << "hunderteins";
        QTest::newRow("trehundrasextiofem: dreihundertundfünfundsechzig") << "9trehundrasextiofem#"
                                                                          << "dreihundertundfünfundsechzig";
        QTest::newRow("tvåtusenfem: zweitausendundfünf") << "10tvåtusenfem#" << "zweitausendundfünf";
        QTest::newRow("den första: die erste") << "12den första#" << "die erste";
        QTest::newRow("en och en halv: einundeinhalb") << "18en och en halv#" << "einundeinhalb";
        QTest::newRow("12,99: und Cent") << "12,99" << "zwölf Euro und neunundneunzig Cent";
    }
    void aLevelItemTakesEveryRightForm()
    {
        QFETCH(QString, bit);
        QFETCH(QString, svar);
        const QString rad = kursRad(QStringLiteral("VRS53100.DAT"), bit);
        QVERIFY2(!rad.isEmpty(), qPrintable(bit));
        str_postarray(NivaFil::utanNiva(rad));
        QCOMPARE(svarstest(postFalt(2), svar, 1), SvarRatt);
    }

    void everyFalseFriendSaysWhyItIsFalse()
    {
        int falska = 0;
        for (const QString &rad : kursRader(QStringLiteral("VRS22000.DAT"))) {
            if (rad.isEmpty() || rad.startsWith(QLatin1Char(';')) || rad.startsWith(QLatin1Char('$')))
                continue;
            str_postarray(rad);
            if (postFalt(2).compare(QLatin1String("F"), Qt::CaseInsensitive) != 0)
                continue;
            ++falska;
            // The German meaning, and what the Swedish look-alike means.
            QVERIFY2(postFalt(3).contains(QLatin1Char('(')) || postFalt(3).contains(QStringLiteral("inte ")),
                     qPrintable(rad));
        }
        QVERIFY(falska >= 10);
        // Swedish "gift" is married; "ett gift" is what German "Gift" means.
        str_postarray(kursRad(QStringLiteral("VRS22000.DAT"), QStringLiteral("das Gift")));
        QCOMPARE(postFalt(3), QStringLiteral("ett gift (gift med någon = verheiratet)"));
    }

    void everyHeaderFitsItsEightyCharacters()
    {
        const QStringList filer = QDir(kursKatalog()).entryList(QDir::Files);
        QVERIFY(filer.size() > 100);
        for (const QString &fil : filer)
            for (const QString &rad : kursRader(fil)) {
                if (!rad.startsWith(QLatin1Char('$')) || rad.size() < 2)
                    continue;
                const bool instruktion = rad[1] == QLatin1Char('%') || rad[1] == QChar(0x00A7);
                QVERIFY2(rad.mid(instruktion ? 2 : 1).size() <= 80, qPrintable(fil + QStringLiteral(": ") + rad));
            }
    }
};

VARMIKO_TEST_MAIN(TestCourseItems)
#include "test_courseitems.moc"
