// The typed-answer exercise window, driven as a pupil would.

#include "ExerciseWindow.h"
#include "FrageOvning.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/writing/TSKRIV.h"
#include "frame/TAster.h"
#include "frame/TDiagnosPost.h"
#include "frame/datafiles.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"
#include "results/diagnoskoppling.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace {

// Questions and answers of the fixture file; the answer of "Q" + n is "A" + n.
QStringList ovning(int n)
{
    return frageOvning(n, {QStringLiteral("$Übung"), QStringLiteral("$§Übersetze.")});
}

} // namespace

class TestTSKRIV : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TSKRIV> m_w;

    TSKRIV *oppna(const QString &fil, quint8 lage)
    {
        if (!openExercise(m_w, fil, lage))
            return nullptr;
        m_w->Edit1->setFocus();
        return m_w.get();
    }

    void svara(const QString &text)
    {
        typeAnswer(m_w->Edit1, text);
    }

    QString fraga() const { return m_w->FrageLabel2->text(); }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "7");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS41000.DAT"), ovning(12));
        m_course->write(QStringLiteral("DATA/VRS41100.DAT"),
                        {QStringLiteral("Wie heißt das?#Er kommt.#&Er kam.")});
        m_course->activate();
        PausTid = 0;
        SvarsVariant = 0;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        OvningsLage = 0;
    }

    void roundCountsRightAndWrongAnswers()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        QCOMPARE(AntalPoster, 10);
        QVERIFY(m_w->Aster1->isVisible());
        QStringList sedda;
        for (int i = 1; i <= 10; ++i) {
            const QString q = fraga();
            QVERIFY(!sedda.contains(q));
            sedda << q;
            if (i == 2 || i == 5) {
                svara(QStringLiteral("falsch"));
                QVERIFY(m_w->Label5->isVisible());
                QCOMPARE(m_w->Label5->text(), svarPa(q));
                QTRY_VERIFY(fraga() != q || i == 10);
            } else {
                svara(svarPa(q).toLower() + QLatin1Char('.'));
            }
            QCOMPARE(int(AntalRatt) + int(AntalFel), i);
        }
        QCOMPARE(int(AntalRatt), 8);
        QCOMPARE(int(AntalFel), 2);
        QCOMPARE(m_w->Aster1->rutNummer(), 10);
        QCOMPARE(m_w->Aster1->vitaRutor(), (QList<int>{2, 5}));
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(FelPerLista[ListNummer], 2);
    }

    void spaceEndsThePause()
    {
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        const QString q = fraga();
        svara(QStringLiteral("falsch"));
        QTest::qWait(300);
        QCOMPARE(fraga(), q); // the pause goes on
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(fraga() != q, 1000);
        QVERIFY(m_w->Edit1->isEnabled());
    }

    void alternativesAndPunctuation()
    {
        QVERIFY(oppna(QStringLiteral("VRS41100.DAT"), 0));
        svara(QStringLiteral("er kommt"));
        QCOMPARE(int(AntalRatt), 1);
        svara(QStringLiteral("Er kam"));
        QCOMPARE(int(AntalRatt), 2);
        svara(QStringLiteral("Er kommen"));
        QCOMPARE(int(AntalFel), 1);
    }

    void lastItemEndsAfterThePauseOrAtOnce_data()
    {
        QTest::addColumn<bool>("ratt");
        QTest::newRow("right") << true;
        QTest::newRow("wrong") << false;
    }
    void lastItemEndsAfterThePauseOrAtOnce()
    {
        QFETCH(bool, ratt);
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        for (int i = 1; i < 10; ++i)
            svara(svarPa(fraga()));
        svara(ratt ? svarPa(fraga()) : QStringLiteral("falsch"));
        if (ratt) {
            QVERIFY(m_w->Panel1->isVisible());
        } else {
            QVERIFY(!m_w->Panel1->isVisible());
            QVERIFY(m_w->Label5->isVisible());
            QTest::keyClick(m_w.get(), Qt::Key_Space);
            QTRY_VERIFY_WITH_TIMEOUT(m_w->Panel1->isVisible(), 1000);
        }
    }

    void hints_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<int>("ledtradar");
        QTest::newRow("none") << "Frage#Antwort" << 0;
        QTest::newRow("one") << "Frage#Antwort#Tipp eins" << 1;
        QTest::newRow("two") << "Frage#Antwort#Tipp eins#Tipp zwei" << 2;
        QTest::newRow("three offer none") << "Frage#Antwort#a#b#c" << 3;
        QTest::newRow("one with alternatives") << "Frage#Antwort#Tipp eins#&Andere#Dritte" << 1;
        QTest::newRow("two with alternative") << "Frage#Antwort#Tipp eins#Tipp zwei#&Andere" << 2;
        QTest::newRow("only alternatives") << "Frage#Antwort#&Andere#Dritte" << 0;
    }
    void hints()
    {
        QFETCH(QString, rad);
        QFETCH(int, ledtradar);
        m_course->write(QStringLiteral("DATA/VRS41200.DAT"), {rad});
        QVERIFY(oppna(QStringLiteral("VRS41200.DAT"), 0));
        QCOMPARE(m_w->AntalLedtradar, ledtradar);
        const bool knapp = ledtradar == 1 || ledtradar == 2;
        QCOMPARE(m_w->Helpknapp1->isVisible(), knapp);
        if (!knapp)
            return;
        QTest::mouseClick(m_w->Helpknapp1, Qt::LeftButton);
        QVERIFY(m_w->Label6->isVisible());
        QCOMPARE(m_w->Label6->text(), QStringLiteral("Tipp eins"));
        QCOMPARE(m_w->HelpKnapp2->isVisible(), ledtradar == 2);
        if (ledtradar == 2) {
            QTest::mouseClick(m_w->HelpKnapp2, Qt::LeftButton);
            QCOMPARE(m_w->Label7->text(), QStringLiteral("Tipp zwei"));
            QVERIFY(m_w->Label7->isVisible());
        }
    }

    void lampShowsWhetherTheAnswerCanStillBeRight()
    {
        QVERIFY(oppna(QStringLiteral("VRS41100.DAT"), 0));
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        QVERIFY(m_w->LampShape->isVisible());
        const QColor gron = bgrFarg(0x00FF00);
        const QColor rod = bgrFarg(0x0000FF);
        typeText(m_w->Edit1, QStringLiteral("Er ko"));
        QCOMPARE(m_w->LampShape->brushColor(), gron);
        typeText(m_w->Edit1, QStringLiteral("x"));
        QCOMPARE(m_w->LampShape->brushColor(), rod);
        m_w->Edit1->setText(QStringLiteral("Er ka"));
        QCOMPARE(m_w->LampShape->brushColor(), gron); // the start of an alternative
    }

    void lampUseDoesNotCountInDiagnosisPractice()
    {
        DiagOvningNr = 0;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 3));
        svara(svarPa(fraga()));
        QCOMPARE(int(AntalRatt), 1);
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        svara(svarPa(fraga()));
        QCOMPARE(int(AntalRatt), 1);
        svara(svarPa(fraga())); // the lamp stays on: no item counts
        QCOMPARE(int(AntalRatt), 1);
    }

    void layoutByRunMode_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<int>("poster");
        QTest::addColumn<bool>("aster");
        QTest::addColumn<bool>("lampa");
        QTest::addColumn<quint32>("titelfarg");
        QTest::addColumn<QString>("remsa");
        QTest::newRow("practice") << 0 << 10 << true << true << 0x800000u << QString();
        QTest::newRow("test") << 2 << 20 << false << false << 0x008000u << QStringLiteral("Diagnos: Testning");
        QTest::newRow("practice 1") << 3 << 20 << false << true << 0x008000u << QStringLiteral("Övning 2");
        QTest::newRow("practice 2") << 4 << 20 << false << true << 0x008000u << QStringLiteral("Övning 2");
    }
    void layoutByRunMode()
    {
        QFETCH(int, lage);
        DiagOvningNr = 1;
        m_course->write(QStringLiteral("DATA/VRDIAG01.DAT"), ovning(22));
        QVERIFY(oppna(QStringLiteral("VRDIAG01.DAT"), quint8(lage)));
        QTEST(AntalPoster, "poster");
        QTEST(m_w->Aster1->isVisible(), "aster");
        QTEST(m_w->lampknapp->isVisible(), "lampa");
        QFETCH(quint32, titelfarg);
        QCOMPARE(m_w->OverskriftInnerShape->brushColor(), bgrFarg(titelfarg));
        QFETCH(QString, remsa);
        QCOMPARE(m_w->DiagPanel2->isVisible(), !remsa.isEmpty());
        if (!remsa.isEmpty()) {
            QCOMPARE(m_w->DiagLabel1->text(), remsa);
            QCOMPARE(m_w->DiagLabel3->text(), QStringLiteral("1/20"));
            QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("0"));
        }
        QVERIFY(!m_w->regelknapp->isVisible());
    }

    // The rules button is offered only where a rule page belongs to the
    // exercise; 56900 has none.
    void rulesButtonOnlyWithAPage_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<bool>("regler");
        QTest::newRow("52300 has a page") << "VRS52300.DAT" << true;
        QTest::newRow("56750 has a page") << "VRS56750.DAT" << true;
        QTest::newRow("56900 has none") << "VRS56900.DAT" << false;
    }
    void rulesButtonOnlyWithAPage()
    {
        QFETCH(QString, fil);
        QFETCH(bool, regler);
        m_course->write(QStringLiteral("DATA/") + fil, ovning(12));
        QVERIFY(oppna(fil, 0));
        QCOMPARE(m_w->regelknapp->isVisible(), regler);
        svara(QStringLiteral("fel"));
        QTest::keyClick(m_w->Edit1, Qt::Key_Space);
        QCOMPARE(m_w->regelknapp->isVisible(), regler); // also at the next item
    }

    void programSixteenAsksTheSecondField_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("fragan");
        QTest::addColumn<QString>("svaret");
        QTest::newRow("16 swapped") << "VRDIAG16.DAT" << "zwei" << "eins";
        QTest::newRow("116 not swapped") << "VROVN116.DAT" << "eins" << "zwei";
    }
    void programSixteenAsksTheSecondField()
    {
        QFETCH(QString, fil);
        m_course->write(QStringLiteral("DATA/") + fil, {QStringLiteral("eins#zwei")});
        QVERIFY(oppna(fil, 2));
        QTEST(fraga(), "fragan");
        QTEST(m_w->rattSvar(), "svaret");
    }

    void germanLettersFromKeys()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("ß"));
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("ßß"));
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("ßß"));
        m_w->KlistraIn(QStringLiteral("Ü"));
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("ßßÜ"));
    }

    void bundledExercisesRunAWholeRound_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::newRow("plain") << "VRS56410.DAT";
        QTest::newRow("scrambled lines") << "VRS51470.DAT";
    }
    void bundledExercisesRunAWholeRound()
    {
        QFETCH(QString, fil);
        activateBundledCourse();
        QVERIFY(oppna(fil, 0));
        QVERIFY(!m_w->Overs1Label->text().isEmpty());
        for (int i = 0; i < 10; ++i) {
            QVERIFY(!fraga().startsWith(QLatin1Char(')')));
            QVERIFY(!m_w->rattSvar().isEmpty());
            svara(m_w->rattSvar());
        }
        QCOMPARE(int(AntalRatt), 10);
        QVERIFY(m_w->Panel1->isVisible());
    }

    void windowManagerCloseTakesTheWindowsOwnWay_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<bool>("rapport");
        QTest::newRow("test reports") << 2 << true;
        QTest::newRow("practice enables the protocol") << 3 << false;
        QTest::newRow("practice 2 enables the protocol") << 4 << false;
    }
    void windowManagerCloseTakesTheWindowsOwnWay()
    {
        QFETCH(int, lage);
        QFETCH(bool, rapport);
        AktivDiagnos = TDiagnosPost{};
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 1;
        int aktiverad = 0;
        diagnoskoppling().aktiveraProtokollet = [&](bool) { ++aktiverad; };
        m_course->write(QStringLiteral("DATA/VRDIAG01.DAT"), ovning(22));
        QVERIFY(oppna(QStringLiteral("VRDIAG01.DAT"), quint8(lage)));
        svara(svarPa(fraga()));
        svara(svarPa(fraga()));
        m_w->close();
        QVERIFY(!m_w->isVisible());
        if (rapport)
            QCOMPARE(AktivDiagnos.Resultat[1], 2);
        else
            QCOMPARE(aktiverad, 1);
        diagnoskoppling() = Diagnoskoppling{};
        DiagRad = 0;
    }

    void escapeOnTheEndPanelCloses()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void longInstructionStaysLeftOfTheSquares()
    {
        m_course->write(QStringLiteral("DATA/VRS41300.DAT"),
                        {QStringLiteral("$Übung"),
                         QStringLiteral("$§Übersetzt das grüne Pronomen. Denkt an das Genus! Enter drücken."),
                         QStringLiteral("eins#zwei")});
        QVERIFY(oppna(QStringLiteral("VRS41300.DAT"), 0));
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Übersetzt das grüne Pronomen. Denkt an das Genus! Enter drücken."));
        QVERIFY(m_w->InstruktionsLabel->geometry().right() < m_w->Aster1->x());
        QVERIFY(m_w->InstruktionsLabel->font().pixelSize() >= 10);
    }

    void escapeShowsTheEndPanel()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isEnabled());
        m_w->Button2->click();
        svara(QStringLiteral("falsch"));
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
    }

    void escapeInThePauseStopsIt_data()
    {
        QTest::addColumn<int>("lage");
        QTest::newRow("practice") << 0;
        QTest::newRow("test") << 2;
    }
    void escapeInThePauseStopsIt()
    {
        // Esc in the pause after a wrong answer is Esc in mid-round: the end
        // panel over the answered item (a test ends with its right answers);
        // going on asks the next item, never the answered one again.
        QFETCH(int, lage);
        PausTid = 9;
        AktivDiagnos = TDiagnosPost{};
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 1;
        m_course->write(QStringLiteral("DATA/VRDIAG01.DAT"), ovning(22));
        QVERIFY(oppna(lage == 2 ? QStringLiteral("VRDIAG01.DAT") : QStringLiteral("VRS41000.DAT"), quint8(lage)));
        svara(svarPa(fraga()));
        const QString q = fraga();
        svara(QStringLiteral("falsch"));
        QVERIFY(m_w->cykel().pausPagar());
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        if (lage == 2) {
            QVERIFY(!m_w->isVisible());
            QCOMPARE(AktivDiagnos.Resultat[1], 1);
            DiagRad = 0;
            return;
        }
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Timer1->running());
        QVERIFY(m_w->Button1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);
        QCOMPARE(fraga(), q);
        m_w->Button2->click();
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(fraga() != q);
        QCOMPARE(int(PostNummer), 3);
        QVERIFY(m_w->Edit1->isEnabled());
        QVERIFY(m_w->Edit1->hasFocus());
        svara(svarPa(fraga()));
        QCOMPARE(int(AntalRatt), 2);
        DiagRad = 0;
    }

    void escapeInTheLastPauseEndsTheRoundAtOnce()
    {
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        for (int i = 1; i < 10; ++i)
            svara(svarPa(fraga()));
        svara(QStringLiteral("falsch"));
        QCOMPARE(m_w->cykel().lage(), Postcykel::Lage::SlutPaus);
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(m_w->Panel1->isVisible(), 1000);
        QCOMPARE(m_w->cykel().lage(), Postcykel::Lage::Slut);
        QVERIFY(m_w->LovordPanel->isVisible()); // the round end ran whole
    }

    void screenFollowsTheItemCycle()
    {
        // Each stage of the cycle shows as one state of the screen: the
        // pause runs its timer, the end panel shows only with the panel's
        // stages.
        using L = Postcykel::Lage;
        const auto visar = [this](L lage, bool timer1, bool timer3, bool panel) {
            QCOMPARE(m_w->cykel().lage(), lage);
            QCOMPARE(m_w->Timer1->running(), timer1);
            QCOMPARE(m_w->Timer3->running(), timer3);
            QCOMPARE(m_w->Panel1->isVisible(), panel);
        };
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        visar(L::Fragar, false, false, false);
        svara(QStringLiteral("falsch"));
        visar(L::Rattelse, true, false, false);
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_COMPARE(m_w->cykel().lage(), L::Fragar);
        visar(L::Fragar, false, false, false);
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        visar(L::Avbrott, false, false, true);
        m_w->Button2->click();
        visar(L::Fragar, false, false, false);
        for (int i = 2; i < 10; ++i)
            svara(svarPa(fraga()));
        svara(QStringLiteral("falsch"));
        visar(L::SlutPaus, false, true, false);
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_COMPARE(m_w->cykel().lage(), L::Slut);
        visar(L::Slut, false, false, true);
    }
};

VARMIKO_TEST_MAIN(TestTSKRIV)
#include "test_tskriv.moc"
