// The two-answer exercise, driven as a pupil would: two forms per item, each
// in its own box.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/writing/Tskriv2.h"
#include "frame/TAster.h"
#include "frame/TDiagnosPost.h"
#include "frame/TStallin.h"
#include "frame/datafiles.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// Item n: "Wort n", its forms "erste n" and "zweite n", in Swedish "ord n".
QStringList ovning(int n)
{
    QStringList l{QStringLiteral("$Adjektiv"), QStringLiteral("$Komparation"),
                  QStringLiteral("$§Schreibt den Komparativ und den Superlativ.")};
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Wort %1#erste %1#zweite %1#ord %1").arg(i);
    return l;
}

QString forma(const QString &fraga, const QString &vilken)
{
    return QString(fraga).replace(QStringLiteral("Wort"), vilken);
}

const QString kGesund = QStringLiteral("gesund#gesünder#am gesündesten#frisk#&1gesunder#2am gesundesten");

} // namespace

class TestTskriv2 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<Tskriv2> m_w;

    Tskriv2 *oppna(const QString &fil, quint8 lage)
    {
        if (!openExercise(m_w, fil, lage))
            return nullptr;
        m_w->Edit1->setFocus();
        return m_w.get();
    }

    QString fraga() const { return m_w->FrageLabel1->text(); }

    void forsta(const QString &text)
    {
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        typeAnswer(m_w->Edit1, text);
    }

    void andra(const QString &text)
    {
        QVERIFY(m_w->Edit2->isEnabled());
        typeAndEnter(m_w->Edit2, text);
    }

    // One item of the fixture file, answered rightly or wrongly; a wrong
    // item's pause is ended with Space.
    void post(bool forstaRatt, bool andraRatt)
    {
        const QString q = fraga();
        forsta(forstaRatt ? forma(q, QStringLiteral("erste")) : QStringLiteral("falsch"));
        andra(andraRatt ? forma(q, QStringLiteral("zweite")) : QStringLiteral("falsch"));
        if (!(forstaRatt && andraRatt) && !m_w->Panel1->isVisible())
            QTest::keyClick(m_w.get(), Qt::Key_Space);
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS52100.DAT"), ovning(12));
        m_course->write(QStringLiteral("DATA/VRDIAG09.DAT"), ovning(22));
        m_course->write(QStringLiteral("DATA/VRS52200.DAT"), {kGesund});
        m_course->activate();
        AktivDiagnos = TDiagnosPost{};
        DiagRad = 0;
        DiagOvningNr = 0;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        OvningsLage = 0;
        DiagRad = 0;
    }

    void itemIsRightOnlyWhenBothFormsAre_data()
    {
        QTest::addColumn<bool>("forstaRatt");
        QTest::addColumn<bool>("andraRatt");
        QTest::newRow("both right") << true << true;
        QTest::newRow("first wrong") << false << true;
        QTest::newRow("second wrong") << true << false;
        QTest::newRow("both wrong") << false << false;
    }
    void itemIsRightOnlyWhenBothFormsAre()
    {
        QFETCH(bool, forstaRatt);
        QFETCH(bool, andraRatt);
        QVERIFY(oppna(QStringLiteral("VRS52100.DAT"), 0));
        const QString q = fraga();
        QCOMPARE(m_w->SvenskaLabel->text(), forma(q, QStringLiteral("ord")));
        QVERIFY(m_w->SvenskaLabel->isVisible());
        QVERIFY(!m_w->Edit2->isVisible());
        QVERIFY(!m_w->SvarsLabel1->isVisible());

        forsta(forstaRatt ? forma(q, QStringLiteral("erste")) : QStringLiteral("falsch"));
        // The right first form shows at once after a wrong first answer.
        QCOMPARE(m_w->SvarsLabel1->isVisible(), !forstaRatt);
        QCOMPARE(m_w->SvarsLabel1->text(), forma(q, QStringLiteral("erste")));
        QVERIFY(!m_w->Edit1->isEnabled());
        QVERIFY(m_w->Edit2->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit2);

        andra(andraRatt ? forma(q, QStringLiteral("zweite")) : QStringLiteral("falsch"));
        const bool ratt = forstaRatt && andraRatt;
        QCOMPARE(int(AntalRatt), ratt ? 1 : 0);
        QCOMPARE(int(AntalFel), ratt ? 0 : 1);
        QCOMPARE(FelPerLista[ListNummer], ratt ? 0 : 1);
        QCOMPARE(m_w->Aster1->vitaRutor(), ratt ? QList<int>{} : QList<int>{1});
        if (!ratt) {
            // The pause: the item stays, with only the wrong form corrected.
            QCOMPARE(fraga(), q);
            QCOMPARE(m_w->SvarsLabel2->isVisible(), !andraRatt);
            QCOMPARE(m_w->SvarsLabel2->text(), forma(q, QStringLiteral("zweite")));
            QTest::keyClick(m_w.get(), Qt::Key_Space);
        }
        QVERIFY(fraga() != q);
        QVERIFY(!m_w->Edit2->isVisible());
        QVERIFY(m_w->Edit2->text().isEmpty());
        QVERIFY(!m_w->SvarsLabel1->isVisible());
        QVERIFY(!m_w->SvarsLabel2->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
    }

    void secondCorrectionIsNotCutShort_data()
    {
        QTest::addColumn<bool>("andraRatt");
        QTest::newRow("second wrong keeps its pause") << false;
        QTest::newRow("second right ends the shared pause") << true;
    }
    void secondCorrectionIsNotCutShort()
    {
        QFETCH(bool, andraRatt);
        QVERIFY(oppna(QStringLiteral("VRS52100.DAT"), 0));
        const QString q = fraga();
        forsta(QStringLiteral("falsch"));
        TimerTick = PausTid * 10; // the pupil took the whole first pause to type
        andra(andraRatt ? forma(q, QStringLiteral("zweite")) : QStringLiteral("falsch"));
        if (andraRatt) {
            QTRY_VERIFY_WITH_TIMEOUT(fraga() != q, 1000);
            return;
        }
        QTest::qWait(400);
        QCOMPARE(fraga(), q);
        QVERIFY(m_w->SvarsLabel2->isVisible());
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QVERIFY(fraga() != q);
    }

    void alternativesCountForTheirOwnForm_data()
    {
        QTest::addColumn<QString>("forstaSvar");
        QTest::addColumn<QString>("andraSvar");
        QTest::addColumn<bool>("ratt");
        QTest::newRow("main forms") << "gesünder" << "am gesündesten" << true;
        QTest::newRow("alternative forms") << "gesunder." << "am gesundesten" << true;
        QTest::newRow("forms swapped") << "am gesundesten" << "gesunder" << false;
        QTest::newRow("letter case counts") << "Gesünder" << "am gesündesten" << false;
        QTest::newRow("Swedish word") << "frisk" << "am gesündesten" << false;
    }
    void alternativesCountForTheirOwnForm()
    {
        QFETCH(QString, forstaSvar);
        QFETCH(QString, andraSvar);
        QFETCH(bool, ratt);
        QVERIFY(oppna(QStringLiteral("VRS52200.DAT"), 0));
        forsta(forstaSvar);
        andra(andraSvar);
        QCOMPARE(int(AntalRatt), ratt ? 1 : 0);
    }

    void lampsFollowEachBox()
    {
        QVERIFY(oppna(QStringLiteral("VRS52200.DAT"), 0));
        const QColor gron = bgrFarg(0x00FF00);
        const QColor rod = bgrFarg(0x0000FF);
        QTest::mouseClick(m_w->Lampknapp, Qt::LeftButton);
        QVERIFY(m_w->LampShape1->isVisible());
        QVERIFY(!m_w->LampShape2->isVisible());
        QVERIFY(!m_w->Lampknapp->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
        typeText(m_w->Edit1, QStringLiteral("gesu"));
        QCOMPARE(m_w->LampShape1->brushColor(), gron); // an alternative of the first form
        m_w->Edit1->setText(QStringLiteral("fr"));
        QCOMPARE(m_w->LampShape1->brushColor(), rod); // the Swedish word is no answer
        m_w->Edit1->setText(QStringLiteral("gesünd"));
        QCOMPARE(m_w->LampShape1->brushColor(), gron);
        typeAndEnter(m_w->Edit1, QStringLiteral("er"));

        QVERIFY(m_w->LampShape2->isVisible());
        typeText(m_w->Edit2, QStringLiteral("am gesu"));
        QCOMPARE(m_w->LampShape2->brushColor(), gron);
        m_w->Edit2->setText(QStringLiteral("gesu"));
        QCOMPARE(m_w->LampShape2->brushColor(), rod); // the first form's alternative
        QTest::mouseClick(m_w->LampShape2, Qt::LeftButton);
        QVERIFY(!m_w->LampShape1->isVisible());
        QVERIFY(!m_w->LampShape2->isVisible());
        QVERIFY(m_w->Lampknapp->isVisible());
        QCOMPARE(int(m_w->LampaPa), 0);
    }

    void germanLettersInBothBoxes()
    {
        QVERIFY(oppna(QStringLiteral("VRS52100.DAT"), 0));
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("ß"));
        QTest::keyClick(m_w->Edit1, Qt::Key_Return);
        QTest::keyClick(m_w->Edit2, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(m_w->Edit2, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
        m_w->KlistraIn(QStringLiteral("ü"));
        QCOMPARE(m_w->Edit2->text(), QStringLiteral("ßü"));
    }

    void pauseIsAlwaysThreeSeconds()
    {
        PausTid = 7;
        QVERIFY(oppna(QStringLiteral("VRS52100.DAT"), 0));
        QCOMPARE(PausTid, 3);
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<TStallin *>(QApplication::activeModalWidget());
            QVERIFY(d);
            for (int i = 0; i < 9; ++i)
                d->SpinButton1DownClick();
            d->SparaButton->click();
        });
        QTest::mouseClick(m_w->Button4, Qt::LeftButton);
        QCOMPARE(PausTid, 0);
        QVERIFY(!m_w->Panel1->isVisible());
        QCOMPARE(m_w->focusWidget(), m_w->Edit1);
        QApplication::setActiveWindow(m_w.get());
        post(true, true);
        QCOMPARE(PausTid, 3); // every item sets it again
        m_w.reset();
        QCOMPARE(PausTid, 3);
    }

    void continueAfterEscapeInEitherBox_data()
    {
        QTest::addColumn<int>("ruta");
        QTest::newRow("first box") << 1;
        QTest::newRow("second box") << 2;
    }
    void continueAfterEscapeInEitherBox()
    {
        QFETCH(int, ruta);
        QVERIFY(oppna(QStringLiteral("VRS52100.DAT"), 0));
        const QString q = fraga();
        if (ruta == 2)
            forsta(forma(q, QStringLiteral("erste")));
        QLineEdit *box = ruta == 1 ? m_w->Edit1 : m_w->Edit2;
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_w->Button2);

        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(!m_w->Panel1->isVisible());
        QCOMPARE(fraga(), q);
        QVERIFY(box->isEnabled());
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(m_w->Edit1->isEnabled(), ruta == 1);
        if (ruta == 1)
            forsta(forma(q, QStringLiteral("erste")));
        andra(forma(q, QStringLiteral("zweite")));
        QCOMPARE(int(AntalRatt), 1);
        QVERIFY(fraga() != q);
    }

    void diagnosisTestIsKeptOnEscape()
    {
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 9;
        QVERIFY(oppna(QStringLiteral("VRDIAG09.DAT"), 2));
        QCOMPARE(AntalPoster, 20);
        QVERIFY(!m_w->Lampknapp->isVisible());
        QVERIFY(!m_w->Regelknapp->isVisible());
        QCOMPARE(m_w->DiagLabel1->text(), QStringLiteral("Diagnos: Testning"));
        post(true, true);
        post(true, false);
        post(true, true);
        QCOMPARE(m_w->DiagLabel3->text(), QStringLiteral("4/20"));
        QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("2"));

        // Esc in either box interrupts the test; nothing is corrected in a test.
        const QString q = fraga();
        forsta(forma(q, QStringLiteral("erste")));
        QTest::keyClick(m_w->Edit2, Qt::Key_Escape);
        QVERIFY(m_w->isVisible());
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isEnabled());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        andra(forma(q, QStringLiteral("zweite")));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());

        // Leaving the test reports the right answers so far.
        QTest::mouseClick(m_w->Button3, Qt::LeftButton);
        QVERIFY(!m_w->isVisible());
        QCOMPARE(AktivDiagnos.Resultat[9], 3);
    }

    void lampInDiagnosisPracticeOnlyStopsCounting()
    {
        QVERIFY(oppna(QStringLiteral("VRDIAG09.DAT"), 3));
        QCOMPARE(m_w->DiagLabel1->text(), QStringLiteral("Övning 1"));
        QTest::mouseClick(m_w->Lampknapp, Qt::LeftButton);
        const QString q = fraga();
        post(true, true);
        QVERIFY(fraga() != q); // the round goes on at once
        QCOMPARE(int(AntalRatt), 0);
        QCOMPARE(int(AntalFel), 0);
        QCOMPARE(FelPerLista[ListNummer], 0);
        // Switched off, it still holds for the item on screen.
        QTest::mouseClick(m_w->LampShape1, Qt::LeftButton);
        post(true, true);
        QCOMPARE(int(AntalRatt), 0);
        post(true, true);
        QCOMPARE(int(AntalRatt), 1);
    }

    void errorRoundAsksTheWrongItems()
    {
        QVERIFY(oppna(QStringLiteral("VRS52100.DAT"), 0));
        QStringList falska;
        for (int i = 0; i < 10; ++i) {
            const bool fel = i == 2 || i == 9;
            if (fel)
                falska << fraga();
            post(!fel || i == 9, !fel);
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(int(AntalRatt), 8);
        QVERIFY(m_w->LovordPanel->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(AntalPoster, 2);
        QStringList fragade;
        for (int i = 0; i < 2; ++i) {
            fragade << fraga();
            post(true, true);
        }
        QVERIFY(m_w->Panel1->isVisible());
        fragade.sort();
        falska.sort();
        QCOMPARE(fragade, falska);
        QCOMPARE(FelPerLista[ListNummer], 0);
    }

    void bundledExercisesRunAWholeRound_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<int>("lage");
        QTest::newRow("easy comparison") << "VRS52100.DAT" << 0;
        QTest::newRow("hard comparison") << "VRS52200.DAT" << 0;
        QTest::newRow("test of area 9") << "VRDIAG09.DAT" << 2;
        QTest::newRow("test of area 10") << "VRDIAG10.DAT" << 2;
        QTest::newRow("practice of area 9") << "VROVN109.DAT" << 3;
        QTest::newRow("practice of area 10") << "VROVN110.DAT" << 3;
    }
    void bundledExercisesRunAWholeRound()
    {
        QFETCH(QString, fil);
        QFETCH(int, lage);
        activateBundledCourse();
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = GeProgramtal(fil) % 100;
        QVERIFY(oppna(fil, quint8(lage)));

        // The layout from the question down to the button row.
        QVERIFY(!m_w->InstruktionsLabel->isVisible());
        QVERIFY(!m_w->Overs1Label->text().isEmpty());
        const QList<QWidget *> spalt{m_w->FrageLabel1, m_w->Edit1, m_w->Edit2, m_w->SkiljeShape1, m_w->SvarsLabel1,
                                     m_w->SvarsLabel2, m_w->SkiljeShape2, m_w->SvenskaLabel, m_w->Lampknapp};
        for (int i = 1; i < spalt.size(); ++i)
            QVERIFY2(spalt[i]->y() >= spalt[i - 1]->y() + spalt[i - 1]->height(),
                     qPrintable(spalt[i]->objectName()));
        QCOMPARE(m_w->Regelknapp->isVisible(), lage == 0);
        QCOMPARE(m_w->Lampknapp->isVisible(), lage != 2);
        QVERIFY(UtskriftRubrik.startsWith(OvningsRubrik[1] + QLatin1Char(' ') + OvningsRubrik[2]));

        const int n = AntalPoster;
        for (int i = 0; i < n; ++i) {
            QVERIFY(!m_w->SvenskaLabel->text().isEmpty());
            forsta(m_w->SvarsLabel1->text());
            andra(m_w->SvarsLabel2->text());
        }
        QCOMPARE(int(AntalRatt), n);
        if (lage == 2) {
            QVERIFY(!m_w->isVisible());
            QCOMPARE(AktivDiagnos.Resultat[DiagRad], 20);
        } else if (lage == 3) {
            QCOMPARE(int(OvningsLage), 4);
            QVERIFY(m_w->Panel1->isVisible());
        } else {
            QVERIFY(m_w->Panel1->isVisible());
        }
    }
};

VARMIKO_TEST_MAIN(TestTskriv2)
#include "test_tskriv2.moc"
