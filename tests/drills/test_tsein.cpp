// The sein race: its answer words, points, winner and time texts, and races
// of one and of three players driven with keys and clicks as the players
// would, up to the winner's entry in the record table.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "ModalWindow.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "drills/grammar/Bilbild.h"
#include "drills/grammar/TSEIN.h"
#include "drills/grammar/seinlopp.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "results/TRekordRad.h"
#include "results/rekordtabell.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

QStringList seinFil()
{
    return {QStringLiteral("$Sein-spelet"),
            QStringLiteral("$Sein, presens"),
            QStringLiteral("; bin, ist, sind, seid"),
            QStringLiteral("Ich <bin> müde."),
            QStringLiteral("Er <ist> zwölf Jahre alt."),
            QStringLiteral("Wir <sind> in der Schule."),
            QStringLiteral("<Seid> ihr fertig?"),
            QStringLiteral("Ihr <seid> pünktlich."),
            QStringLiteral("Das Wetter <ist> schön."),
            QStringLiteral("<Bin> ich zu spät?"),
            kryptrad(QStringLiteral("Die Kinder <sind> im Garten."))};
}

QStringList ord(const SeinOrdTabell &s, int fran, int antal)
{
    QStringList l;
    for (int k = fran; k < fran + antal; ++k)
        l << s[k];
    return l;
}

} // namespace

class TestTSEIN : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TSEIN> m_w;
    QTemporaryDir m_resultat;

    TSEIN *oppna(const QString &fil)
    {
        return openExercise(m_w, fil, 0);
    }

    QStringList synligaOrd() const
    {
        QStringList l;
        for (int k = 1; k <= SeinPaneler; ++k)
            if (m_w->OrdPanel[k]->isVisible())
                l << m_w->OrdPanel[k]->text();
        return l;
    }

    QLabel *panelMed(bool ratt) const
    {
        for (int k = 1; k <= SeinPaneler; ++k) {
            QLabel *p = m_w->OrdPanel[k];
            if (p->isVisible() && (p->text() == m_w->svaret()) == ratt)
                return p;
        }
        return nullptr;
    }

    // The player count and the names, typed as the players do.
    void anmal(const QStringList &namn)
    {
        QTest::keyClick(m_w.get(), Qt::Key(Qt::Key_0 + namn.size()));
        QVERIFY(m_w->Panel15->isVisible());
        for (int p = 1; p <= 3; ++p)
            QCOMPARE(m_w->NamnEdit[p]->isVisible(), p <= namn.size());
        for (int p = 1; p <= namn.size(); ++p) {
            QCOMPARE(QApplication::focusWidget(), m_w->NamnEdit[p]);
            QVERIFY(!m_w->Button6->isVisible());
            m_w->NamnEdit[p]->clear();
            QTest::keyClicks(m_w->NamnEdit[p], namn[p - 1]);
            QTest::keyClick(m_w->NamnEdit[p], Qt::Key_Return);
        }
        QVERIFY(m_w->Button6->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Button6);
        QTest::keyClick(m_w->Button6, Qt::Key_Return);
        QVERIFY(!m_w->Panel11->isVisible());
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(m_w->AktivSpelare, 1);
    }

    // The active player clicks the right or a wrong word; then the next
    // item comes.
    void svara(bool ratt)
    {
        QLabel *p = panelMed(ratt);
        QVERIFY(p);
        const QString mening = m_w->Label4->text();
        QTest::mouseClick(p, Qt::LeftButton);
        if (m_w->LoppSlut)
            return;
        if (!ratt) {
            QCOMPARE(m_w->Label5->text(), m_w->svaret());
            QVERIFY(m_w->Label5->palette().color(QPalette::Window) != m_w->OrdPanel[1]->palette().color(QPalette::Window));
            QCOMPARE(panelMed(true)->frameShadow(), QFrame::Sunken);
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_w->tarSvar(), 5000);
        QCOMPARE(m_w->Label5->text(), QStringLiteral("___"));
    }

    // Plays until the result panel shows; spelare(p) tells whether player p
    // answers right in turn t.
    int spela(const std::function<bool(int, int)> &ratt)
    {
        int tur = 1;
        while (!m_w->SlutPanel->isVisible() && tur < 100) {
            const int p = m_w->AktivSpelare;
            svara(ratt(p, tur));
            if (p == m_w->AntalSpelare)
                ++tur;
        }
        return tur;
    }

    // Clicks "OK" and saves the entry in the record window that opens.
    bool okOchSpara()
    {
        bool sparad = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *rekord = QApplication::activeModalWidget()) {
                if (auto *b = rekord->findChild<QPushButton *>(QStringLiteral("Button1"))) {
                    b->click();
                    sparad = true;
                }
            }
        });
        QTest::mouseClick(m_w->SlutButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the check has run before this returns
        return sparad;
    }

    QList<TRekordRad> tabellen() const
    {
        QList<TRekordRad> rader;
        readRecordFile(m_resultat.path() + QStringLiteral("/VRS56610.TNR"), rader);
        return rader;
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "3");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS56610.DAT"), seinFil());
        m_course->activate();
        QDir(m_resultat.path()).removeRecursively();
        QDir().mkpath(m_resultat.path());
        ScoreDirectory = m_resultat.path() + QStringLiteral("\\");
        ScoreDirectoryOk = 1;
        for (int p = 1; p <= 3; ++p)
            SpelarNamn[p].clear();
        PausTid = 3;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
    }

    void answerWords_data()
    {
        QTest::addColumn<QStringList>("rader");
        QTest::addColumn<QStringList>("sma");
        QTest::addColumn<QStringList>("stora");
        QTest::newRow("one word whatever its case")
            << QStringList{"Ich <bin> da.", "<Bin> ich da?", "ICH <BIN> DA."} << QStringList{"bin"} << QStringList{"Bin"};
        QTest::newRow("first at a sentence start")
            << QStringList{"<Seid> ihr da?", "Ihr <seid> da."} << QStringList{"seid"} << QStringList{"Seid"};
        QTest::newRow("headers, comments and gapless lines skipped")
            << QStringList{"$Sein", "$§Klickt.", "; <war> nicht", "", "Ohne Lücke.", "Er <war> da.", kryptrad("Wir <waren> da.")}
            << QStringList{"war", "waren"} << QStringList{"War", "Waren"};
        QTest::newRow("long word cut")
            << QStringList{"Sie <übertrieben_sehr> gern."} << QStringList{"übertriebe"} << QStringList{"Übertriebe"};
    }
    void answerWords()
    {
        QFETCH(QStringList, rader);
        QFETCH(QStringList, sma);
        QFETCH(QStringList, stora);
        SeinOrdTabell s;
        const qint32 n = seinSvarsord(rader, s);
        QCOMPARE(n, qint32(sma.size()));
        QCOMPARE(ord(s, 1, n), sma);
        QCOMPARE(ord(s, 1 + MaxSeinOrd, n), stora);
    }

    void tenWordsAtMostAndEveryAnswerOffered()
    {
        QStringList rader;
        const QStringList w{"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "a10", "a11"};
        for (const QString &x : w)
            rader << QStringLiteral("Er <%1> X.").arg(x);
        SeinOrdTabell s;
        QCOMPARE(seinSvarsord(rader, s), qint32(10));
        QCOMPARE(seinErbjudna(s, 10, "a3"), w.mid(0, 8));
        // a word beyond the eighth panel takes the last panel
        QCOMPARE(seinErbjudna(s, 10, "a10"), w.mid(0, 7) + QStringList{"a10"});
        QCOMPARE(seinErbjudna(s, 10, "A1").first(), QStringLiteral("A1"));
    }

    void pointsForATime_data()
    {
        QTest::addColumn<qint64>("hundradelar");
        QTest::addColumn<int>("poang");
        QTest::newRow("0.4 s") << qint64(40) << 50;
        QTest::newRow("12.6 s") << qint64(1260) << 37;
        QTest::newRow("12.4 s") << qint64(1240) << 38;
        QTest::newRow("50 s") << qint64(5000) << 0;
        QTest::newRow("60 s") << qint64(6000) << 0;
    }
    void pointsForATime()
    {
        QFETCH(qint64, hundradelar);
        QFETCH(int, poang);
        QCOMPARE(seinPoang(hundradelar), poang);
    }

    void texts_data()
    {
        QTest::addColumn<qint64>("hundradelar");
        QTest::addColumn<QString>("sekunder");
        QTest::addColumn<int>("tiondelar");
        QTest::newRow("34,56") << qint64(3456) << "34,56 Sekunden" << 346;
        QTest::newRow("below a second") << qint64(56) << "0,56 Sekunden" << 6;
        QTest::newRow("five hundredths") << qint64(5) << "0,05 Sekunden" << 1;
        QTest::newRow("whole Sekunden") << qint64(100) << "1,00 Sekunden" << 10;
        QTest::newRow("longer than the table holds") << qint64(900000) << "9000,00 Sekunden" << 65535;
    }
    void texts()
    {
        QFETCH(qint64, hundradelar);
        QFETCH(QString, sekunder);
        QFETCH(int, tiondelar);
        QCOMPARE(seinSekunder(hundradelar), sekunder);
        QCOMPARE(int(seinRekordTid(double(hundradelar))), tiondelar);
        QCOMPARE(seinSlutText("Anna", 1), QStringLiteral("Herzlichen Glückwunsch Anna. Geschafft!"));
        QCOMPARE(seinSlutText("Anna", 2), QStringLiteral("Herzlichen Glückwunsch Anna. Gewonnen!"));
    }

    void winner_data()
    {
        QTest::addColumn<int>("antal");
        QTest::addColumn<QList<double>>("stracka");
        QTest::addColumn<QList<int>>("bilar");
        QTest::addColumn<int>("vinnare");
        // the finish line is at 600
        QTest::newRow("no car there") << 2 << QList<double>{200, 240} << QList<int>{500, 590} << 0;
        QTest::newRow("one player") << 1 << QList<double>{260} << QList<int>{620} << 1;
        QTest::newRow("player 2 passes player 1 in the same turn")
            << 2 << QList<double>{255, 270} << QList<int>{610, 640} << 2;
        QTest::newRow("only player 1 there, player 2 behind") << 2 << QList<double>{260, 200} << QList<int>{620, 500} << 1;
        QTest::newRow("equal distances: the last car over the line")
            << 3 << QList<double>{260, 260, 100} << QList<int>{620, 620, 300} << 2;
        QTest::newRow("the one in front wins") << 3 << QList<double>{300, 250, 280} << QList<int>{700, 600, 660} << 1;
    }
    void winner()
    {
        QFETCH(int, antal);
        QFETCH(QList<double>, stracka);
        QFETCH(QList<int>, bilar);
        QFETCH(int, vinnare);
        double s[4] = {0, 0, 0, 0};
        int b[4] = {0, 0, 0, 0};
        for (int p = 1; p <= antal; ++p) {
            s[p] = stracka[p - 1];
            b[p] = bilar[p - 1];
        }
        QCOMPARE(seinVinnare(antal, s, b, 600), vinnare);
    }

    void raceOfOnePlayer()
    {
        QVERIFY(oppna(QStringLiteral("VRS56610.DAT")));
        QCOMPARE(m_w->Label1->text(), QStringLiteral("Sein - Präsens"));
        QCOMPARE(m_w->r1->text(), QStringLiteral("Bin, ist, sind oder seid?"));
        QCOMPARE(m_w->AntalSvarsOrd, 4);
        QVERIFY(m_w->Panel12->isVisible());
        QVERIFY(!m_w->Panel14->isVisible());
        anmal({QStringLiteral("Anna")});
        QVERIFY(m_w->Bil[1]->isVisible());
        QVERIFY(!m_w->Bil[2]->isVisible());
        QCOMPARE(m_w->NamnLabel[1]->text(), QStringLiteral("Anna"));
        QVERIFY(m_w->Panel13->x() > m_w->Bil[1]->x());

        int forra = m_w->Bil[1]->x();
        for (int i = 0; i < 100 && !m_w->SlutPanel->isVisible(); ++i) {
            // the gap shows a neutral mark, no word of the row; pointing at
            // a word tries it in the gap
            QCOMPARE(m_w->Label5->text(), QStringLiteral("___"));
            QVERIFY(m_w->Label6->x() > m_w->Label5->x());
            const bool stor = m_w->svaret()[0].isUpper();
            QCOMPARE(synligaOrd(), (stor ? QStringList{"Bin", "Ist", "Sind", "Seid"} : QStringList{"bin", "ist", "sind", "seid"}));
            QLabel *sista = m_w->OrdPanel[4];
            QTest::mouseMove(sista, sista->rect().center() + QPoint(i % 2, 0));
            QTRY_COMPARE(m_w->Label5->text(), sista->text());
            QCOMPARE(m_w->Label6->x(), m_w->Label5->x() + m_w->Label5->fontMetrics().horizontalAdvance(sista->text()));
            const double fore = m_w->Stracka[1];
            svara(true);
            QVERIFY(m_w->Stracka[1] > fore && m_w->Stracka[1] <= fore + MaxPoang);
            QVERIFY(m_w->Bil[1]->x() > forra);
            forra = m_w->Bil[1]->x();
        }
        QVERIFY(m_w->SlutPanel->isVisible());
        QCOMPARE(m_w->Vinnare, 1);
        QVERIFY(m_w->Bil[1]->x() >= m_w->MalLinje);
        QCOMPARE(m_w->Slutlabel->text(), QStringLiteral("Herzlichen Glückwunsch Anna. Geschafft!"));
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(m_w->SlutSekundPanel[1]->isVisible());
        QCOMPARE(m_w->SlutSekundLabel[1]->text(), seinSekunder(qRound64(m_w->SpelTid[1])));
        QCOMPARE(PausTid, 3); // the race leaves the other windows' pause alone

        const quint16 tid = seinRekordTid(m_w->SpelTid[1]);
        QVERIFY(okOchSpara());
        QCOMPARE(RekordPost.Namn, QStringLiteral("Anna"));
        QCOMPARE(RekordPost.Resultat, tid);
        const QList<TRekordRad> t = tabellen();
        QCOMPARE(t.size(), 1);
        QCOMPARE(t[0].Namn, QStringLiteral("Anna"));
        QCOMPARE(t[0].Resultat, tid);
        // back to the question, for the next race
        QVERIFY(m_w->Panel12->isVisible());
        QVERIFY(!m_w->SlutPanel->isVisible());
        QVERIFY(!m_w->Panel14->isVisible());
    }

    void raceOfThreePlayers()
    {
        QVERIFY(oppna(QStringLiteral("VRS56610.DAT")));
        anmal({QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Cem")});
        for (int p = 1; p <= 3; ++p) {
            QVERIFY(m_w->Bil[p]->isVisible());
            QCOMPARE(m_w->NamnLabel[p]->text(), SpelarNamn[p]);
        }
        QCOMPARE(SpelarNamn[3], QStringLiteral("Cem"));
        const QColor gul = m_w->NamnPanel[1]->palette().color(QPalette::Window);
        QVERIFY(m_w->NamnPanel[2]->palette().color(QPalette::Window) != gul);

        // Anna right, Bert and Cem wrong in the first turn.
        svara(true);
        QCOMPARE(m_w->AktivSpelare, 2);
        QCOMPARE(m_w->NamnPanel[2]->palette().color(QPalette::Window), gul);
        const int bert = m_w->Bil[2]->x();
        QTest::mouseClick(panelMed(false), Qt::LeftButton);
        QCOMPARE(m_w->Stracka[2], 0.0);
        QCOMPARE(m_w->Bil[2]->x(), bert + 1); // a wrong answer moves a pixel
        QVERIFY(m_w->SpelTid[2] >= 0);
        // the answer on show is no answer for the next player
        QCOMPARE(m_w->AktivSpelare, 3);
        QTest::mouseClick(panelMed(true), Qt::LeftButton);
        QCOMPARE(m_w->Stracka[3], 0.0);
        QVERIFY(!m_w->tarSvar());
        QTRY_VERIFY_WITH_TIMEOUT(m_w->tarSvar(), 5000);
        QCOMPARE(m_w->NamnPanel[3]->palette().color(QPalette::Window), gul);
        svara(false);
        QCOMPARE(m_w->AktivSpelare, 1);

        const int turer = spela([](int, int) { return true; });
        QVERIFY(turer < 100);
        QCOMPARE(m_w->Vinnare, 1);
        QVERIFY(m_w->Stracka[1] > m_w->Stracka[2] && m_w->Stracka[1] > m_w->Stracka[3]);
        QCOMPARE(m_w->Slutlabel->text(), QStringLiteral("Herzlichen Glückwunsch Anna. Gewonnen!"));
        for (int p = 1; p <= 3; ++p)
            QCOMPARE(m_w->SlutSekundPanel[p]->isVisible(), m_w->Bil[p]->x() >= m_w->MalLinje);
        QCOMPARE(m_w->NamnPanel[1]->palette().color(QPalette::Window), gul);

        const quint16 tid = seinRekordTid(m_w->SpelTid[1]);
        QVERIFY(okOchSpara());
        const QList<TRekordRad> t = tabellen();
        QCOMPARE(t.size(), 1);
        QCOMPARE(t[0].Namn, QStringLiteral("Anna"));
        QCOMPARE(t[0].Resultat, tid);

        // The next race starts from nothing, also when the names are kept
        // and the first is not confirmed again.
        QTest::mouseClick(m_w->Button4, Qt::LeftButton);
        QCOMPARE(m_w->AntalSpelare, 2);
        QTest::keyClick(m_w->NamnEdit[2], Qt::Key_Return);
        QTest::keyClick(m_w->Button6, Qt::Key_Return);
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(m_w->SpelTid[1] + m_w->SpelTid[2] + m_w->Stracka[1] + m_w->Stracka[2], 0.0);
        QVERIFY(!m_w->Bil[3]->isVisible());
        QCOMPARE(m_w->Bil[1]->x(), m_w->Bil[2]->x());
    }

    void capitalWordsAtTheStart()
    {
        m_course->write(QStringLiteral("DATA/VRS56620.DAT"),
                        {QStringLiteral("<War> das schön?"), QStringLiteral("Es <war> kalt."),
                         QStringLiteral("<Waren> sie da?"), QStringLiteral("Wir <waren> müde.")});
        QVERIFY(oppna(QStringLiteral("VRS56620.DAT")));
        QCOMPARE(m_w->Label1->text(), QStringLiteral("Sein - Imperfekt"));
        anmal({QStringLiteral("Anna")});
        for (int i = 0; i < 4; ++i) {
            const bool start = m_w->Label4->text().isEmpty();
            QCOMPARE(synligaOrd(), (start ? QStringList{"War", "Waren"} : QStringList{"war", "waren"}));
            svara(true);
        }
    }

    void theBar()
    {
        QVERIFY(oppna(QStringLiteral("VRS56610.DAT")));
        anmal({QStringLiteral("Anna")});
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QVERIFY(m_w->Panel10->isVisible());
        // the race goes on under the bar
        svara(true);
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QVERIFY(!m_w->Panel10->isVisible());
        // a right click on a word is no answer
        const double s = m_w->Stracka[1];
        QTest::mouseClick(m_w->OrdPanel[1], Qt::RightButton);
        QVERIFY(m_w->Panel10->isVisible());
        QCOMPARE(m_w->Stracka[1], s);
        QCOMPARE(m_w->AktivSpelare, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void noScoreDirectory()
    {
        ScoreDirectoryOk = 0;
        ScoreDirectory = m_resultat.path() + QStringLiteral("\\Klass 7b\\");
        QVERIFY(oppna(QStringLiteral("VRS56610.DAT")));
        anmal({QStringLiteral("Anna")});
        spela([](int, int) { return true; });
        MessageRecorder rec;
        QVERIFY(!okOchSpara());
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Katalogen ") + m_resultat.path()
                                          + QStringLiteral("/Klass 7b, där resultaten ska sparas, "
                                                           "finns inte eller kan vara skrivskyddad")});
        QVERIFY(m_w->Panel12->isVisible());
    }

    void fileWithoutWordsOpensNothing()
    {
        MessageRecorder rec;
        m_course->write(QStringLiteral("DATA/VRS56630.DAT"), {QStringLiteral("$Titel"), QStringLiteral("Ohne Lücke.")});
        DataFilNamn = QStringLiteral("VRS56630.DAT");
        QVERIFY(Kolla(DataFilNamn));
        bool visad = false;
        closeNextModal(&visad);
        TSEIN_Visa();
        QVERIFY(!visad);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.last().startsWith(QStringLiteral("Filen ")));
        QVERIFY(rec.last().endsWith(QStringLiteral("VRS56630.DAT finns inte eller är felaktig")));
        QCoreApplication::processEvents();
    }

    void bundledFilesFit_data()
    {
        QTest::addColumn<QString>("fil");
        for (const char *f : {"VRS56610.DAT", "VRS56620.DAT", "VRS56630.DAT", "VRS56640.DAT", "VRS56650.DAT",
                              "VRS56660.DAT"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }
    void bundledFilesFit()
    {
        QFETCH(QString, fil);
        activateBundledCourse();
        QVERIFY(listNummerFor(fil) <= AntalDatFiler); // listed in datfiler.vrs

        QStringList rader;
        QVERIFY(lasDataFil(hittaDataFil(fil), rader));
        SeinOrdTabell s;
        const qint32 n = seinSvarsord(rader, s);
        QVERIFY(n >= 2 && n <= SeinPaneler);
        // the subheading names the forms the race offers
        const QString underrubrik = seinRubrik(GeProgramtal(fil)).underrubrik.toLower();
        for (const QString &w : ord(s, 1, n))
            QVERIFY2(underrubrik.contains(w), qPrintable(w));
        int poster = 0;
        for (const QString &rad : rader) {
            if (!arPostRad(rad))
                continue;
            ++poster;
            LetaPrep(dekryptrad(rad));
            QVERIFY2(!PrepDelar[2].isEmpty(), qPrintable(rad));
            QVERIFY2(seinErbjudna(s, n, PrepDelar[2]).contains(PrepDelar[2]), qPrintable(rad));
        }
        QVERIFY(poster >= 14);
    }
};

VARMIKO_TEST_MAIN(TestTSEIN)
#include "test_tsein.moc"
