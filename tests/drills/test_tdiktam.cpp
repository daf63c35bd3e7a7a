// The dictation window, driven as a pupil would: what is heard or shown,
// which sound file each item plays, repeating, the show time and the layout
// of the listening exercise.

#include "ExerciseWindow.h"
#include "FakeSound.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/writing/TDiktam.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ProgramPath.h"
#include "platform/ShapeWidget.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>

#include <memory>

namespace {

QString prefixFor(int program)
{
    return QStringLiteral("T") + QString::number(program).left(3);
}

} // namespace

class TestTDiktam : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TDiktam> m_w;

    // A dictation file of n items "Wort 1" .. "Wort n", with a sound for
    // each unless told otherwise.
    void skrivDiktamen(int program, int n, bool medLjud = true)
    {
        QStringList l{QStringLiteral("$Diktamen"), QStringLiteral("$§Hört zu.")};
        for (int i = 1; i <= n; ++i)
            l << QStringLiteral("Wort %1#ord %1").arg(i);
        m_course->write(QStringLiteral("DATA/VRS%1.DAT").arg(program), l);
        if (medLjud)
            for (int i = 1; i <= n; ++i)
                m_course->writeBytes(ljud(program, i), "RIFF");
    }

    static QString ljud(int program, int nummer)
    {
        const QString p = prefixFor(program);
        return QStringLiteral("LJUD/%1/%1%2.WAV").arg(p).arg(nummer, 3, 10, QLatin1Char('0'));
    }

    TDiktam *oppna(int program)
    {
        const QString fil = QStringLiteral("VRS%1.DAT").arg(program);
        if (!openExercise(m_w, fil, 0))
            return nullptr;
        if (m_w->Edit1->isVisible())
            m_w->Edit1->setFocus();
        return m_w.get();
    }

    void svara(const QString &text)
    {
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        typeAnswer(m_w->Edit1, text);
    }

    QString spelat(const FakeSound &s) const
    {
        return s.calls().isEmpty() ? QString() : s.calls().last().file;
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "11");
        m_course = std::make_unique<TestCourse>();
        m_course->activate();
        PausTid = 0;
        LjudInst = 1;
        DiktamVisning = 0;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        LjudInst = 1;
        DiktamVisning = 0;
    }

    void eachItemPlaysItsOwnSound_data()
    {
        QTest::addColumn<int>("program");
        for (int p : {43000, 44000, 45000, 46000, 47000})
            QTest::addRow("%d", p) << p;
    }
    void eachItemPlaysItsOwnSound()
    {
        QFETCH(int, program);
        skrivDiktamen(program, 10);
        m_course->activate();
        FakeSound sound;
        MessageRecorder m;
        QVERIFY(oppna(program));
        QVERIFY(m_w->Label5->text().isEmpty() || !m_w->Label5->isVisible());
        QStringList spelade;
        for (int i = 1; i <= 10; ++i) {
            QTRY_COMPARE(int(sound.calls().size()), i);
            QCOMPARE(spelat(sound), m_course->path(ljud(program, SlumpPost)));
            QVERIFY(!sound.calls().last().wait);
            // What is to be written is never on show.
            QVERIFY(!m_w->FrageLabel2->isVisible());
            QCOMPARE(m_w->rattSvar(), QStringLiteral("Wort %1").arg(SlumpPost));
            spelade << spelat(sound);
            svara(m_w->rattSvar());
        }
        QVERIFY(spelade.contains(m_course->path(ljud(program, 7))));
        QCOMPARE(int(AntalRatt), 10);
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(int(sound.calls().size()), 10); // the round end plays nothing
        QCOMPARE(m.texts(), QStringList());
    }

    void errorRoundPlaysTheQueuedItems()
    {
        skrivDiktamen(43000, 10);
        m_course->activate();
        FakeSound sound;
        QVERIFY(oppna(43000));
        QList<int> fel;
        for (int i = 1; i <= 10; ++i) {
            QTRY_COMPARE(int(sound.calls().size()), i);
            if (i == 3 || i == 8) {
                fel << SlumpPost;
                svara(QStringLiteral("falsch"));
            } else {
                svara(m_w->rattSvar());
            }
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
        m_w->Button1->click();
        QTRY_COMPARE(int(sound.calls().size()), 11);
        QCOMPARE(spelat(sound), m_course->path(ljud(43000, fel[0])));
        svara(m_w->rattSvar());
        QTRY_COMPARE(int(sound.calls().size()), 12);
        QCOMPARE(spelat(sound), m_course->path(ljud(43000, fel[1])));
    }

    void missingSoundIsReportedAndTheDictationGoesOn()
    {
        skrivDiktamen(43000, 10, false);
        m_course->activate();
        FakeSound sound;
        MessageRecorder m;
        QVERIFY(oppna(43000));
        QTRY_COMPARE(m.count(), 1);
        const QString forsta = QString::number(SlumpPost).rightJustified(3, QLatin1Char('0'));
        QVERIFY2(m.last().startsWith(QStringLiteral("Ljudfilen ")), qPrintable(m.last()));
        QVERIFY2(m.last().endsWith(QStringLiteral("/LJUD/T430/T430") + forsta
                                   + QStringLiteral(".WAV  finns inte eller är felaktig.")),
                 qPrintable(m.last()));
        svara(m_w->rattSvar());
        QTRY_COMPARE(m.count(), 2);
        QCOMPARE(int(AntalRatt), 1);
        QVERIFY(sound.calls().isEmpty());
    }

    void answerKeepsLetterCase_data()
    {
        QTest::addColumn<QString>("svar");
        QTest::addColumn<bool>("ratt");
        QTest::newRow("as written") << "Er kommt." << true;
        QTest::newRow("without the period") << "Er kommt" << true;
        QTest::newRow("small letter") << "er kommt." << false;
        QTest::newRow("other word") << "Er kam." << false;
    }
    void answerKeepsLetterCase()
    {
        QFETCH(QString, svar);
        QFETCH(bool, ratt);
        m_course->write(QStringLiteral("DATA/VRS44000.DAT"), {QStringLiteral("Er kommt.#Han kommer.")});
        m_course->writeBytes(ljud(44000, 1), "RIFF");
        FakeSound sound;
        QVERIFY(oppna(44000));
        svara(svar);
        QCOMPARE(int(AntalRatt), ratt ? 1 : 0);
        QCOMPARE(int(AntalFel), ratt ? 0 : 1);
    }

    void withoutSoundEachWordIsShownForAMoment()
    {
        LjudInst = 0;
        skrivDiktamen(43000, 10);
        m_course->activate();
        FakeSound sound;
        QVERIFY(oppna(43000));
        QCOMPARE(int(DiktamVisning), 1);
        QCOMPARE(m_w->SeTidPanel->text(), QStringLiteral("3"));
        QVERIFY(m_w->SeTidPanel->isVisible());
        QVERIFY(m_w->TidSpinButton->isVisible());
        QVERIFY(!m_w->UpprepaButton->isEnabled());
        for (int i = 1; i <= 2; ++i) {
            // Each word, not only the first, is shown and then hidden again.
            QTRY_VERIFY(m_w->BlinkLabel->isVisible());
            QCOMPARE(m_w->BlinkLabel->text(), QStringLiteral("Wort %1").arg(SlumpPost));
            QVERIFY(!m_w->Edit1->isEnabled());
            QTRY_VERIFY(!m_w->BlinkLabel->isVisible());
            QVERIFY(m_w->Edit1->isEnabled());
            QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
            QTest::keyClick(m_w->Edit1, Qt::Key_F2); // no sound: nothing to repeat
            QTest::qWait(50);
            QVERIFY(!m_w->BlinkLabel->isVisible());
            svara(m_w->rattSvar());
        }
        QCOMPARE(int(AntalRatt), 2);
        QVERIFY(sound.calls().isEmpty());
    }

    void showTimeStaysWithinOneToThirtyTenths()
    {
        LjudInst = 0;
        skrivDiktamen(43000, 3);
        m_course->activate();
        QVERIFY(oppna(43000));
        for (int i = 0; i < 5; ++i)
            m_w->TidSpinNed->click();
        QCOMPARE(m_w->SeTidPanel->text(), QStringLiteral("1"));
        QCOMPARE(m_w->SeTid, 100);
        for (int i = 0; i < 40; ++i)
            m_w->TidSpinUpp->click();
        QCOMPARE(m_w->SeTidPanel->text(), QStringLiteral("30"));
        QCOMPARE(m_w->SeTid, 3000);
    }

    void displayButtonsChooseHowTheWordComes()
    {
        skrivDiktamen(43000, 5);
        m_course->activate();
        FakeSound sound;
        QVERIFY(oppna(43000));
        QTRY_COMPARE(int(sound.calls().size()), 1);
        QVERIFY(!m_w->SeTidPanel->isVisible()); // heard only: no show time
        m_w->SeochHoraButton->click();
        QCOMPARE(int(DiktamVisning), 2);
        QVERIFY(m_w->SeTidPanel->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
        QTest::keyClick(m_w->Edit1, Qt::Key_F2); // heard and seen again
        QCOMPARE(int(sound.calls().size()), 2);
        QVERIFY(m_w->BlinkLabel->isVisible());
        QCOMPARE(m_w->BlinkLabel->text(), m_w->rattSvar());
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        m_w->BaraseordetButton->click();
        QCOMPARE(int(DiktamVisning), 1);
        QTest::keyClick(m_w->Edit1, Qt::Key_F2); // F2 repeats only a sound
        QCOMPARE(int(sound.calls().size()), 2);
        m_w->BaraHoraButton->click();
        QCOMPARE(int(DiktamVisning), 0);
        QVERIFY(!m_w->SeTidPanel->isVisible());
        m_w->UpprepaButton->click();
        QCOMPARE(int(sound.calls().size()), 3);
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
    }

    void repeatingWaitsForAnItemThatAwaitsItsAnswer()
    {
        PausTid = 9;
        skrivDiktamen(43000, 5);
        m_course->activate();
        FakeSound sound;
        QVERIFY(oppna(43000));
        QTRY_COMPARE(int(sound.calls().size()), 1);
        const QString erst = spelat(sound);
        svara(QStringLiteral("falsch"));
        QVERIFY(m_w->Label5->isVisible());
        QVERIFY(!m_w->UpprepaButton->isEnabled());
        // During the pause F2 neither plays nor hands back the answer box.
        QTest::keyClick(m_w.get(), Qt::Key_F2);
        QCOMPARE(int(sound.calls().size()), 1);
        QVERIFY(!m_w->Edit1->isEnabled());
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_COMPARE(int(sound.calls().size()), 2);
        QVERIFY(spelat(sound) != erst);
        QVERIFY(m_w->UpprepaButton->isEnabled());
        QTest::keyClick(m_w->Edit1, Qt::Key_F2);
        QCOMPARE(int(sound.calls().size()), 3);
        QCOMPARE(int(AntalFel), 1);
        QCOMPARE(int(AntalRatt), 0);
    }

    void layoutByProgram_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("weiter");
        QTest::addColumn<bool>("anzeige");
        QTest::addColumn<bool>("lampe");
        QTest::addColumn<bool>("eingabe");
        QTest::addColumn<int>("visning");
        QTest::addColumn<QString>("upprepa");
        const QString wort = QStringLiteral("&Wort wiederholen -- F2");
        QTest::newRow("32000") << 32000 << true << false << false << false << 0 << wort;
        QTest::newRow("43000") << 43000 << false << true << true << true << 2 << wort;
        QTest::newRow("44000") << 44000 << false << true << true << true << 2 << wort;
        QTest::newRow("45000") << 45000 << false << false << false << true << 0
                               << QStringLiteral("&Buchstabe wiederholen -- F2");
        QTest::newRow("46000") << 46000 << false << false << false << true << 0 << wort;
        QTest::newRow("47000") << 47000 << false << false << false << true << 0 << wort;
    }
    void layoutByProgram()
    {
        QFETCH(int, program);
        QFETCH(bool, lampe);
        DiktamVisning = 2; // kept from the last dictation
        skrivDiktamen(program, 12);
        m_course->activate();
        FakeSound sound;
        QVERIFY(oppna(program));
        QTEST(m_w->NextButton->isVisible(), "weiter");
        QTEST(m_w->Svensklabel2->isVisible(), "weiter");
        QTEST(m_w->BaraHoraButton->isVisible(), "anzeige");
        QTEST(m_w->SeochHoraButton->isVisible(), "anzeige");
        QCOMPARE(m_w->lampknapp->isVisible(), lampe);
        QTEST(m_w->Edit1->isVisible(), "eingabe");
        QTEST(int(DiktamVisning), "visning");
        QTEST(m_w->UpprepaButton->text(), "upprepa");
        QCOMPARE(m_w->Edit1->maxLength(), 45);
        QVERIFY(m_w->UpprepaButton->fontMetrics().horizontalAdvance(m_w->UpprepaButton->text())
                < m_w->UpprepaButton->width());
        QCOMPARE(m_w->Button1->isHidden(), program == 32000);
        QCOMPARE(m_w->BitBtn1->isHidden(), program == 32000);
        QVERIFY(!m_w->HelpKnapp2->isVisible());

        // The end panel and a new round keep the layout.
        QTest::keyClick(program == 32000 ? static_cast<QWidget *>(m_w.get()) : m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        m_w->Button2->click();
        QVERIFY(!m_w->Panel1->isVisible());
        QCOMPARE(m_w->lampknapp->isVisible(), lampe);
        QTEST(m_w->Edit1->isVisible(), "eingabe");
    }

    void listeningShowsTheSentenceWithItsMeaning()
    {
        m_course->write(QStringLiteral("DATA/VRS32000.DAT"),
                        {QStringLiteral("$Intonation"), QStringLiteral("Wie spät ist es?#Hur mycket är klockan?"),
                         QStringLiteral("Wo wohnst du?#Var bor du?"), QStringLiteral("Hast du Zeit?#Har du tid?")});
        for (int i = 1; i <= 3; ++i)
            m_course->writeBytes(ljud(32000, i), "RIFF");
        m_course->activate();
        FakeSound sound;
        QVERIFY(oppna(32000));
        QTRY_COMPARE(int(sound.calls().size()), 1);
        for (int i = 1; i <= 3; ++i) {
            str_postarray(PostRad);
            QCOMPARE(m_w->FrageLabel2->text(), postFalt(1));
            QVERIFY(m_w->FrageLabel2->isVisible());
            QCOMPARE(m_w->Svensklabel2->text(), postFalt(2));
            QVERIFY(!m_w->Edit1->isVisible());
            QCOMPARE(spelat(sound), m_course->path(ljud(32000, SlumpPost)));
            const QString satz = postFalt(1);
            // The next sentence is shown and heard.
            m_w->NextButton->click();
            QTRY_COMPARE(int(sound.calls().size()), i + 1);
            QVERIFY(m_w->FrageLabel2->text() != satz);
        }
        QTest::keyClick(m_w.get(), Qt::Key_F2);
        QCOMPARE(int(sound.calls().size()), 5);
        QCOMPARE(spelat(sound), sound.calls()[3].file);
        QVERIFY(!m_w->Edit1->isVisible());
    }

    void oneHintOnly()
    {
        m_course->write(QStringLiteral("DATA/VRS43000.DAT"), {QStringLiteral("Schlüssel#nyckel#Mit ü.#Mit ss.")});
        m_course->writeBytes(ljud(43000, 1), "RIFF");
        m_course->activate();
        FakeSound sound;
        QVERIFY(oppna(43000));
        QVERIFY(m_w->Helpknapp1->isVisible());
        QCOMPARE(m_w->Helpknapp1->text(), QStringLiteral("&Hilfe"));
        QTest::mouseClick(m_w->Helpknapp1, Qt::LeftButton);
        QVERIFY(m_w->Label6->isVisible());
        QCOMPARE(m_w->Label6->text(), QStringLiteral("Mit ü."));
        QVERIFY(!m_w->HelpKnapp2->isVisible());
        QVERIFY(!m_w->Helpknapp1->isEnabled());
    }

    void bundledDictationsHaveASoundForEveryItem_data()
    {
        QTest::addColumn<int>("program");
        for (int p : {32000, 43000, 44000, 45000, 46000, 47000})
            QTest::addRow("%d", p) << p;
    }
    void bundledDictationsHaveASoundForEveryItem()
    {
        QFETCH(int, program);
        if (QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty())
            QSKIP("espeak-ng or sox is not installed: the build makes no sounds");
        activateBundledCourse();
        MessageRecorder m;
        const QString fil = QStringLiteral("VRS%1.DAT").arg(program);
        QVERIFY(Kolla(fil));
        const int poster = PostAntal[ListNummer];
        QVERIFY(poster >= 14);
        for (int n = 1; n <= poster; ++n) {
            const QString wav = ProgramPath::resolve(PCPath, QString(ljud(program, n)).replace('/', '\\'));
            QVERIFY2(!wav.isEmpty(), qPrintable(ljud(program, n)));
            QVERIFY2(Sound::wavLength(wav) > 200, qPrintable(wav));
        }
        FakeSound sound;
        QVERIFY(oppna(program));
        if (program != 32000) {
            for (int i = 1; i <= 10; ++i) {
                QTRY_COMPARE(int(sound.calls().size()), i);
                QVERIFY(!m_w->rattSvar().isEmpty());
                QVERIFY(m_w->rattSvar().size() <= m_w->Edit1->maxLength());
                svara(m_w->rattSvar());
            }
            QCOMPARE(int(AntalRatt), 10);
        }
        QCOMPARE(m.texts(), QStringList());
    }
};

VARMIKO_TEST_MAIN(TestTDiktam)
#include "test_tdiktam.moc"
