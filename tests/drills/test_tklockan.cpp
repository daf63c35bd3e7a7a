// Telling the time: the clock drawn for each item, the answers, the round and
// its error round, driven as a pupil would on the bundled exercise.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/writing/TKlockan.h"
#include "drills/writing/Urtavla.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

// The phrase for item n of the exercise: (n - 1) div 12 o'clock, 5 x the rest
// minutes, as a German speaker says it.
QString zeit(int n)
{
    static const QStringList stunde{QStringLiteral("zwölf"), QStringLiteral("eins"), QStringLiteral("zwei"),
                                    QStringLiteral("drei"),  QStringLiteral("vier"), QStringLiteral("fünf"),
                                    QStringLiteral("sechs"), QStringLiteral("sieben"), QStringLiteral("acht"),
                                    QStringLiteral("neun"),  QStringLiteral("zehn"), QStringLiteral("elf")};
    const int h = (n - 1) / 12;
    const int m = (n - 1) % 12;
    const QString s = stunde[h];
    const QString d = stunde[(h + 1) % 12];
    const QStringList form{(h == 1 ? QStringLiteral("ein") : s) + QStringLiteral(" Uhr"),
                           QStringLiteral("fünf nach ") + s,
                           QStringLiteral("zehn nach ") + s,
                           QStringLiteral("Viertel nach ") + s,
                           QStringLiteral("zwanzig nach ") + s,
                           QStringLiteral("fünf vor halb ") + d,
                           QStringLiteral("halb ") + d,
                           QStringLiteral("fünf nach halb ") + d,
                           QStringLiteral("zwanzig vor ") + d,
                           QStringLiteral("Viertel vor ") + d,
                           QStringLiteral("zehn vor ") + d,
                           QStringLiteral("fünf vor ") + d};
    return QStringLiteral("Es ist ") + form[m] + QLatin1Char('.');
}

QColor fargVid(const QImage &bild, const QPoint &p)
{
    return bild.pixelColor(p);
}

} // namespace

class TestTKlockan : public QObject
{
    Q_OBJECT

    std::unique_ptr<TKlockan> m_w;

    TKlockan *oppna()
    {
        if (!openExercise(m_w, QStringLiteral("VRS53300.DAT"), 0))
            return nullptr;
        m_w->Edit1->setFocus();
        return m_w.get();
    }

    void svara(const QString &text)
    {
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        typeAnswer(m_w->Edit1, text);
        if (!m_w->Edit1->isEnabled() && !m_w->Panel1->isVisible())
            QTest::keyClick(m_w.get(), Qt::Key_Space); // end the pause at the next tick
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "3");
        PCPath = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        CDPath.clear();
        HaemtaDatFiler();
        HaemtaLovordFiler();
        NollstallSlump(1, MaxSlumptal);
        PausTid = 3;
        BildInst = 1;
    }
    void cleanup() { m_w.reset(); }

    void handsPointAtTheTime_data()
    {
        QTest::addColumn<int>("post");
        QTest::addColumn<int>("timme");
        QTest::addColumn<int>("minut");
        QTest::newRow("12:00") << 1 << 0 << 0;
        QTest::newRow("12:05 rounds 2.5 down") << 2 << 2 << 30;
        QTest::newRow("12:15 rounds 7.5 up") << 4 << 8 << 90;
        QTest::newRow("1:25") << 18 << 42 << 150;
        QTest::newRow("6:40") << 81 << 200 << 240;
        QTest::newRow("11:55") << 144 << 358 << 330;
    }
    void handsPointAtTheTime()
    {
        QFETCH(int, post);
        QFETCH(int, timme);
        QFETCH(int, minut);
        const Urtavla::Visare v = Urtavla::visarvinklar(post);
        QCOMPARE(v.timme, timme);
        QCOMPARE(v.minut, minut);

        QVERIFY(oppna());
        Urtavla *u = m_w->PaintBox1;
        QCOMPARE(u->width(), u->height() + 8);
        u->setPost(post);
        const QImage bild = u->grab().toImage();
        // Just beside each hand's axis, on the side away from the other hand.
        auto bredvid = [](int vinkel, int annan) {
            const int skillnad = ((annan - vinkel) % 360 + 360) % 360;
            return vinkel + 90 + (skillnad < 180 ? -5 : 5);
        };
        QCOMPARE(fargVid(bild, u->punkt(bredvid(minut, timme), u->radie() / 5)), QColor(255, 0, 0));
        if (timme != minut)
            QCOMPARE(fargVid(bild, u->punkt(bredvid(timme, minut), u->timvisarlangd() * 3 / 10)), QColor(0, 0, 255));
        // The dial's rim and corners keep the background.
        QCOMPARE(fargVid(bild, u->punkt(bredvid(minut, timme) + 180, u->radie() * 2 / 3)), QColor(0, 255, 255));
    }

    void roundShowsTheTimeOfEachItem()
    {
        QVERIFY(oppna());
        QCOMPARE(m_w->Overs1Label->text(), QStringLiteral("Wie viel")); // written apart since the reform
        QCOMPARE(m_w->Overs2Label->text(), QStringLiteral("Uhr ist es?"));
        QCOMPARE(m_w->Overs3Label->text(), QStringLiteral(" Es ist ..."));
        QVERIFY(!m_w->InstruktionsLabel->isVisible());
        QVERIFY(m_w->Aster1->isVisible());
        QCOMPARE(AntalPoster, 10);

        QList<int> falska;
        for (int i = 0; i < 10; ++i) {
            QTRY_VERIFY(m_w->Edit1->isEnabled());
            const int n = KlockPost;
            QVERIFY(n >= 1 && n <= 144);
            QCOMPARE(m_w->PaintBox1->post(), n);
            QCOMPARE(m_w->rattSvar(), zeit(n));
            if (i == 3 || i == 6) {
                falska << n;
                svara(QStringLiteral("Es ist spät"));
            } else {
                QString s = zeit(n);
                s.chop(1); // the full stop may be left out
                svara(s);
            }
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(int(AntalRatt), 8);
        QVERIFY(m_w->LovordPanel->isVisible());
        QVERIFY(!m_w->LovordLabel1->text().isEmpty());
        QVERIFY(!m_w->BildPanelen->isVisible()); // no reward picture here
        QVERIFY(!m_w->Edit1->isVisible());
        QCOMPARE(m_w->Button1->text(), QStringLiteral("Fehler &berichtigen"));
        QVERIFY(m_w->Button1->isEnabled());

        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(AntalPoster, 2);
        QList<int> fragade;
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY(m_w->Edit1->isEnabled());
            fragade << KlockPost;
            QCOMPARE(m_w->PaintBox1->post(), KlockPost);
            QCOMPARE(m_w->rattSvar(), zeit(KlockPost));
            svara(zeit(KlockPost));
        }
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(fragade, falska);
        QVERIFY(!m_w->LovordPanel->isVisible()); // no praise for an error round
    }

    void answerCheck_data()
    {
        QTest::addColumn<QString>("andring");
        QTest::addColumn<bool>("ratt");
        QTest::newRow("as written") << "" << true;
        QTest::newRow("without the full stop") << "stop" << true;
        QTest::newRow("without Es ist") << "short" << true;
        QTest::newRow("small first letter") << "lower" << false;
        QTest::newRow("an hour later") << "hour" << false;
    }
    void answerCheck()
    {
        QFETCH(QString, andring);
        QFETCH(bool, ratt);
        QVERIFY(oppna());
        const int n = KlockPost;
        QString s = zeit(n);
        if (andring == QLatin1String("stop"))
            s.chop(1);
        else if (andring == QLatin1String("short"))
            s = s.mid(7);
        else if (andring == QLatin1String("lower"))
            s[0] = s[0].toLower();
        else if (andring == QLatin1String("hour"))
            s = zeit(n > 132 ? n - 12 : n + 12);
        svara(s);
        QCOMPARE(int(AntalRatt), ratt ? 1 : 0);
        QCOMPARE(FelPerLista[ListNummer], ratt ? 0 : 1);
    }

    void lastAnswerEndsTheRound_data()
    {
        QTest::addColumn<bool>("ratt");
        QTest::newRow("right at once") << true;
        QTest::newRow("wrong after the pause") << false;
    }
    void lastAnswerEndsTheRound()
    {
        QFETCH(bool, ratt);
        QVERIFY(oppna());
        for (int i = 0; i < 9; ++i)
            svara(zeit(KlockPost));
        const int n = KlockPost;
        typeAnswer(m_w->Edit1, ratt ? zeit(n) : QStringLiteral("falsch"));
        QCOMPARE(m_w->Panel1->isVisible(), ratt);
        if (!ratt) {
            QVERIFY(m_w->Label5->isVisible());
            QCOMPARE(m_w->Label5->text(), zeit(n));
            QTest::keyClick(m_w.get(), Qt::Key_Space);
            QTRY_VERIFY_WITH_TIMEOUT(m_w->Panel1->isVisible(), 1000);
        }
        QCOMPARE(int(AntalRatt), ratt ? 10 : 9);
    }

    void lampCanBeSwitchedOnAgain()
    {
        QVERIFY(oppna());
        const QColor gron(0, 255, 0);
        const QColor rod(255, 0, 0);
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        QVERIFY(m_w->LampShape->isVisible());
        QCOMPARE(m_w->LampShape->brushColor(), rod); // nothing typed yet
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
        typeText(m_w->Edit1, QStringLiteral("Es i"));
        QCOMPARE(m_w->LampShape->brushColor(), gron);
        typeText(m_w->Edit1, QStringLiteral("x"));
        QCOMPARE(m_w->LampShape->brushColor(), rod);
        QTest::mouseClick(m_w->LampShape, Qt::LeftButton);
        QVERIFY(!m_w->LampShape->isVisible());
        QVERIFY(m_w->lampknapp->isVisible());
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        QVERIFY(m_w->LampShape->isVisible());
    }

    void germanLettersOnlyFromThePasteMenu()
    {
        QVERIFY(oppna());
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::AltModifier);
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(m_w->Edit1->text().isEmpty());
        m_w->KlistraIn(QStringLiteral("ß"));
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("ß"));
    }

    void escapeShowsTheEndPanelAndCancelCloses()
    {
        QVERIFY(oppna());
        svara(QStringLiteral("falsch"));
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        const int n = KlockPost;
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QCOMPARE(KlockPost, n); // the same clock again
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTest::mouseClick(m_w->Button3, Qt::LeftButton);
        QVERIFY(!m_w->isVisible());
    }
};

VARMIKO_TEST_MAIN(TestTKlockan)
#include "test_tklockan.moc"
