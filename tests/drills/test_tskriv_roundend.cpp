// The end of a round in the typed-answer window: praise, the reward picture,
// error rounds, continuing, diagnosis practice and the settings dialog.

#include "ExerciseWindow.h"
#include "FrageOvning.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/writing/TSKRIV.h"
#include "frame/TDiagnosPost.h"
#include "frame/TStallin.h"
#include "frame/datafiles.h"
#include "frame/pictures.h"
#include "frame/randomorder.h"
#include "frame/vrsku1.h"
#include "results/diagnoskoppling.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

QStringList ovning(int n)
{
    return frageOvning(n, {QStringLiteral("$Übung")});
}

} // namespace

class TestTSKRIVRoundEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TSKRIV> m_w;
    QStringList m_protokoll;

    TSKRIV *oppna(const QString &fil, quint8 lage)
    {
        if (!openExercise(m_w, fil, lage))
            return nullptr;
        m_w->Edit1->setFocus();
        return m_w.get();
    }

    QString fraga() const { return m_w->FrageLabel2->text(); }

    void svara(bool ratt)
    {
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        const QString q = fraga();
        typeAnswer(m_w->Edit1, ratt ? svarPa(q) : QStringLiteral("falsch"));
        if (!ratt && !m_w->Panel1->isVisible())
            QTest::keyClick(m_w.get(), Qt::Key_Space); // end the pause at the next tick
    }

    // Answers a whole round: the first `fel` items wrongly, the rest rightly.
    void runda(int fel)
    {
        const int n = AntalPoster;
        for (int i = 0; i < n; ++i)
            svara(i >= fel);
        QTRY_VERIFY(m_w->Panel1->isVisible() || !m_w->isVisible());
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "11");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS41000.DAT"), ovning(24));
        for (int i = 9001; i <= 9016; ++i)
            m_course->write(QStringLiteral("DATA/VROM%1.LOV").arg(i),
                            {QStringLiteral("Lob %1#sehr#gut").arg(i)});
        m_course->mkdir(QStringLiteral("BILD"));
        for (int i = 1; i <= 42; ++i) {
            QImage bild(64, 48, QImage::Format_RGB32);
            bild.fill(Qt::darkGreen);
            bild.save(m_course->path(QStringLiteral("BILD/VRS%1.BMP").arg(i, 3, 10, QLatin1Char('0'))));
        }
        m_course->activate();
        PausTid = 0;
        BildInst = 1;
        BildListaNy = 1;
        AktivDiagnos = TDiagnosPost{};
        m_protokoll.clear();
        diagnoskoppling().skrivStatus = [this](int rad, const QString &t) {
            m_protokoll << QString::number(rad) + QLatin1Char(':') + t;
        };
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        diagnoskoppling() = Diagnoskoppling{};
        OvningsLage = 0;
        DiagRad = 0;
    }

    void praiseAfterAGoodPracticeRound_data()
    {
        QTest::addColumn<int>("fel");
        QTest::addColumn<QString>("fil");
        QTest::newRow("10 of 10") << 0 << "VROM9001.LOV";
        QTest::newRow("9 of 10") << 1 << "VROM9002.LOV";
        QTest::newRow("8 of 10") << 2 << "VROM9013.LOV";
        QTest::newRow("7 of 10") << 3 << QString();
    }
    void praiseAfterAGoodPracticeRound()
    {
        QFETCH(int, fel);
        QFETCH(QString, fil);
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        LovordFilNamn.clear();
        runda(fel);
        QCOMPARE(m_w->LovordPanel->isVisible(), !fil.isEmpty());
        if (!fil.isEmpty()) {
            QCOMPARE(LovordFilNamn, fil);
            QCOMPARE(m_w->LovordLabel1->text(), QStringLiteral("Lob %1 sehr gut").arg(fil.mid(4, 4)));
        }
    }

    void errorRoundAsksTheWrongItems()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        QStringList falska;
        for (int i = 0; i < 10; ++i) {
            if (i == 1 || i == 4 || i == 7)
                falska << fraga();
            svara(!(i == 1 || i == 4 || i == 7));
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(AntalPoster, 3);
        QCOMPARE(int(FelRunda), 1);
        QStringList fragade;
        // The first is answered wrongly again: it goes to the end of the queue.
        fragade << fraga();
        svara(false);
        QTRY_VERIFY(fraga() != fragade.first());
        for (int i = 0; i < 2; ++i) {
            fragade << fraga();
            svara(true);
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        fragade.sort();
        falska.sort();
        QCOMPARE(fragade, falska);
        QCOMPARE(FelPerLista[ListNummer], 1);
        QVERIFY(!m_w->LovordPanel->isVisible()); // no praise for an error round
        QVERIFY(m_w->Button1->isEnabled());
    }

    void errorRoundEndsWhenItsItemsAreGone()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        runda(10);
        QCOMPARE(FelPerLista[ListNummer], 10);
        // The file is changed under the running exercise: none of the queued
        // items is in it any more.
        m_course->write(QStringLiteral("DATA/VRS41000.DAT"), {QStringLiteral("$Übung"), QStringLiteral("; no items left")});
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Edit1->isEnabled());
        QVERIFY(m_w->FrageLabel2->text().isEmpty());
        QCOMPARE(FelPerLista[ListNummer], 0);
        QVERIFY(!m_w->Button1->isEnabled());
    }

    void errorRoundIsAtMostTen()
    {
        DiagOvningNr = 0;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 3));
        QCOMPARE(AntalPoster, 20);
        runda(13);
        QCOMPARE(int(OvningsLage), 3); // 7 right: not a good round
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(AntalPoster, 10);
        QCOMPARE(int(OvningsLage), 5);
    }

    void nothingQueuedDisablesTheErrorRound()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        runda(0);
        QVERIFY(!m_w->Button1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_w->Button2);
    }

    void continueAfterEscapeKeepsTheRound()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        svara(true);
        svara(false);
        svara(true);
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        const QString q = fraga();
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QCOMPARE(fraga(), q);
        QCOMPARE(int(PostNummer), 4);
        QCOMPARE(int(AntalRatt), 2);
        QCOMPARE(int(AntalFel), 1);

        for (int i = 4; i < 10; ++i)
            svara(true);
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        const QString sista = fraga();
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QCOMPARE(fraga(), sista);
        QCOMPARE(int(PostNummer), 10);
        svara(true);
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(int(AntalRatt), 9);
        QVERIFY(m_w->LovordPanel->isVisible());
    }

    void rewardPictureFollowsThePictureOrder()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        const qint32 vantad = slumpVandring(1, BildAntal);
        QString text;
        GeBildText(vantad, text);
        runda(0);
        QVERIFY(m_w->BildPanelen->isVisible());
        QVERIFY(m_w->Image1->isVisible());
        QCOMPARE(BildNummer, vantad);
        QCOMPARE(m_w->BildTextPanel->text(), text);

        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        BildInst = 0;
        runda(0);
        QVERIFY(!m_w->Image1->isVisible());
    }

    void diagnosisPracticeSteps()
    {
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 3;
        DiagOvningNr = 0;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 3));
        runda(12); // 8 right: a good first round
        QCOMPARE(int(OvningsLage), 4);
        QVERIFY(m_w->isVisible());
        // An error round in between sends practice back to the first round.
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(int(OvningsLage), 5);
        runda(0);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QCOMPARE(int(OvningsLage), 3);
        runda(0);
        QCOMPARE(int(OvningsLage), 4);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        runda(0);
        QTRY_VERIFY(!m_w->isVisible());
        QCOMPARE(int(OvningsLage), 2);
        QCOMPARE(int(AktivDiagnos.Status[3]), 2);
        QCOMPARE(m_protokoll, QStringList{QStringLiteral("3:    Testa")});
    }

    void testReportsItsResult()
    {
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 1;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 2));
        runda(5);
        QTRY_VERIFY(!m_w->isVisible());
        QCOMPARE(AktivDiagnos.Resultat[1], 15);
    }

    void settingsDialogBoundsAndPictures()
    {
        BildInst = 0;
        PausTid = 8;
        TStallin d;
        QCOMPARE(int(BildInst), 1);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(d.SpinUpp, Qt::LeftButton);
        QCOMPARE(PausTid, 9);
        QCOMPARE(d.TidLabel->text(), QStringLiteral("9"));
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(d.SpinNed, Qt::LeftButton);
        QCOMPARE(PausTid, 0);
        QTest::mouseClick(d.SpinUpp, Qt::LeftButton);
        QTest::mouseClick(d.AvbrytButton, Qt::LeftButton);
        QCOMPARE(PausTid, 1); // "Avbryt" keeps the value too
    }

    void changedPauseChangesTheWait()
    {
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT"), 0));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTimer::singleShot(0, [] {
            auto *d = qobject_cast<TStallin *>(QApplication::activeModalWidget());
            QVERIFY(d);
            for (int i = 0; i < 9; ++i)
                d->SpinButton1DownClick();
            d->SparaButton->click();
        });
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        QCOMPARE(PausTid, 0);
        QVERIFY(!m_w->Panel1->isVisible());
        const QString q = fraga();
        typeAnswer(m_w->Edit1, QStringLiteral("falsch"));
        QTRY_VERIFY_WITH_TIMEOUT(fraga() != q, 1500);
    }
};

VARMIKO_TEST_MAIN(TestTSKRIVRoundEnd)
#include "test_tskriv_roundend.moc"
