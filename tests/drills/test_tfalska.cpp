// The duel against the computer: the name, the counts, the score squares,
// the end of a game, the pronunciation sounds and the pause panel, driven
// with keys and clicks as a pupil would.

#include "FakeSound.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/vocabulary/TFalska.h"
#include "frame/TStallin.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/ProgramPath.h"
#include "platform/ShapeWidget.h"
#include "platform/Sound.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>

#include <memory>

namespace {

const QColor kGul = bgrFarg(0x00FFFF);
const QColor kBla = bgrFarg(0xFF0000);

// Twelve false-friend items; every third one is marked, once in small letters.
QStringList falskaVanner()
{
    QStringList l{QStringLiteral("$Falska vänner"), QStringLiteral("$§Wie viele falsche Freunde?")};
    for (int i = 1; i <= 12; ++i) {
        const QString mark = i % 3 ? QStringLiteral("R") : (i == 6 ? QStringLiteral("f") : QStringLiteral("F"));
        l << QStringLiteral("das Wort%1 = ord%1#%2#%3").arg(i).arg(mark, i % 3 ? QString() : QStringLiteral("Sinn%1").arg(i));
    }
    return l;
}

// Pronunciation items: every second one is spoken with the mark.
QStringList uttal(const QString &mark, int n, bool alla)
{
    QStringList l{QStringLiteral("$Uttal"), QStringLiteral("$§Wie oft hört ihr es?")};
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Wort%1#%2#svenska%1").arg(i).arg(alla || i % 2 ? mark : QStringLiteral("X"));
    return l;
}

// Counts the paint events of a widget.
struct PaintCounter : QObject
{
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

} // namespace

class TestTFalska : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TFalska> m_w;
    QSet<QString> m_markerade; // the words that carry the mark

    TFalska *oppna(const QString &fil)
    {
        DataFilNamn = fil;
        OvningsLage = 0;
        if (!Kolla(fil))
            return nullptr;
        m_markerade.clear();
        const QString sokvag = hittaDataFil(fil);
        QStringList rader;
        lasDataFil(sokvag, rader);
        const QString mark = falskaMarkor(GeProgramtal(fil));
        for (const QString &r : rader) {
            if (!arPostRad(r))
                continue;
            str_postarray(r);
            if (Cp1252::upper(postFalt(2)) == mark)
                m_markerade.insert(postFalt(1));
        }
        m_w = std::make_unique<TFalska>();
        m_w->FormCreate();
        m_w->show();
        QApplication::setActiveWindow(m_w.get());
        return m_w.get();
    }

    void namn(const QString &text)
    {
        m_w->Edit1->clear();
        typeAnswer(m_w->Edit1, text);
    }

    // The right count of the round on screen.
    int ratt() const
    {
        int n = 0;
        for (int k = 1; k <= 5; ++k)
            if (m_markerade.contains(m_w->Ord[k]->text()))
                ++n;
        return n;
    }

    void tangent(Qt::Key key) { QTest::keyClick(m_w.get(), key); }
    void svara(int n) { tangent(Qt::Key(Qt::Key_0 + n)); }
    void svaraFel() { svara(ratt() == 0 ? 1 : 0); }

    int gula(int fran, int till) const
    {
        int n = 0;
        for (int t = fran; t <= till; ++t)
            if (m_w->Shape[t]->brushColor() == kGul)
                ++n;
        return n;
    }

    static void installningarStangs()
    {
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<TStallin *>(QApplication::activeModalWidget()))
                d->AvbrytButton->click();
        });
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "3");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS22000.DAT"), falskaVanner());
        m_course->write(QStringLiteral("DATA/VRS31100.DAT"), uttal(QStringLiteral("p"), 8, true));
        m_course->write(QStringLiteral("DATA/VRS31200.DAT"), uttal(QStringLiteral("T"), 9, false));
        for (int i = 1; i <= 9; ++i)
            m_course->writeBytes(QStringLiteral("LJUD/T312/T312%1.WAV").arg(i, 3, 10, QLatin1Char('0')), "RIFF");
        m_course->write(QStringLiteral("DATA/VROM9001.LOV"), {QStringLiteral("Gut#gemacht#!")});
        m_course->activate();
        SpelarNamn[1].clear();
        BildInst = 0;
        LjudInst = 1;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        LjudInst = 1;
        BildInst = 1;
    }

    void nameIsAskedUntilGiven()
    {
        QVERIFY(oppna(QStringLiteral("VRS22000.DAT")));
        QVERIFY(m_w->Panel3->isVisible());
        QVERIFY(!m_w->AntalPanel->isVisible());
        QCOMPARE(m_w->Overs1Label->text(), QStringLiteral("Falsche Freunde"));
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Wie viele falsche Freunde?"));
        const QStringList vantade{QStringLiteral("Ditt namn tack!"), QStringLiteral("Ditt namn tack!!"),
                                  QStringLiteral("Ditt namn tack!!!"), QStringLiteral("Avbryt med Escape."),
                                  QStringLiteral("Avbryt med Escape.")};
        for (const QString &v : vantade) {
            namn(QStringLiteral("  "));
            QCOMPARE(m_w->Label3->text(), v);
        }
        namn(QStringLiteral("Jörg"));
        QCOMPARE(SpelarNamn[1], QStringLiteral("Jörg"));
        QCOMPARE(m_w->Label2->text(), QStringLiteral("Jörg"));
        QVERIFY(!m_w->Panel3->isVisible());
        QVERIFY(m_w->Poangpanel->isVisible() && m_w->AntalPanel->isVisible());
        QVERIFY(m_w->svarsknapparAktiva());
        QVERIFY(!m_w->SvenskaButton->isVisible()); // only the pronunciation duel has it
        for (int k = 1; k <= 5; ++k)
            QVERIFY(m_w->Ord[k]->isVisible() && !m_w->Forklaring[k]->isVisible());

        // The name is offered again next time; Esc in the name box leaves.
        m_w.reset();
        QVERIFY(oppna(QStringLiteral("VRS22000.DAT")));
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("Jörg"));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void countScoresForPupilOrComputer_data()
    {
        QTest::addColumn<bool>("rattSvar");
        QTest::newRow("right count") << true;
        QTest::newRow("wrong count") << false;
    }
    void countScoresForPupilOrComputer()
    {
        QFETCH(bool, rattSvar);
        QVERIFY(oppna(QStringLiteral("VRS22000.DAT")));
        namn(QStringLiteral("Anna"));
        // A round worth something shows what a right and a wrong count give.
        for (int i = 0; i < 10 && ratt() == 0; ++i) {
            svara(0);
            QVERIFY(m_w->svarsknapparAktiva());
        }
        const int n = ratt();
        QVERIFY(n > 0);
        QCOMPARE(m_w->RattAntal, n);
        if (rattSvar) {
            svara(n);
            QCOMPARE(m_w->SpelarPoang, n);
            QCOMPARE(gula(1, 20), n);
            QCOMPARE(gula(1, n), n);
            QCOMPARE(m_w->DatorPoang, 0);
            QVERIFY(m_w->svarsknapparAktiva()); // the next round at once
            QVERIFY(!m_w->NextButton->isVisible());
        } else {
            svara(n == 5 ? 4 : n + 1);
            QCOMPARE(m_w->DatorPoang, n);
            QCOMPARE(gula(21, 40), n);
            QCOMPARE(gula(21, 20 + n), n);
            QCOMPARE(m_w->SpelarPoang, 0);
            QVERIFY(m_w->SpeedPanel1->isVisible());
            QCOMPARE(m_w->SpeedPanel1->text(), QString::number(n));
            QCOMPARE(m_w->SpeedPanel1->geometry(), m_w->SpeedButton[n + 1]->geometry());
            QVERIFY(!m_w->svarsknapparAktiva());
            QVERIFY(m_w->NextButton->isVisible());
            QVERIFY(!m_w->HoraButton->isVisible()); // no sounds for the false friends

            // The false friends show their meaning, the others stay.
            for (int k = 1; k <= 5; ++k) {
                const QString ord = m_w->RSvar[k]->text();
                QVERIFY(!m_w->Ord[k]->isVisible());
                if (m_markerade.contains(ord)) {
                    const QString tysk = ord.left(ord.indexOf(QLatin1Char('=')) + 1);
                    QVERIFY(m_w->Forklaring[k]->isVisible());
                    QVERIFY2(m_w->Forklaring[k]->text().startsWith(tysk), qPrintable(m_w->Forklaring[k]->text()));
                    QVERIFY(m_w->Forklaring[k]->text().contains(QStringLiteral("Sinn")));
                } else {
                    QVERIFY(m_w->RSvar[k]->isVisible());
                }
            }

            // Digits are over for this round; "n" goes on.
            svara(n);
            QCOMPARE(m_w->SpelarPoang, 0);
            const qint32 fore = SlumpPosition[ListNummer];
            tangent(Qt::Key_N);
            QVERIFY(m_w->svarsknapparAktiva());
            QVERIFY(!m_w->SpeedPanel1->isVisible());
            QCOMPARE(SlumpPosition[ListNummer], fore + 5);
        }
    }

    void roundsAreNotSkippedOrAnsweredTwice()
    {
        QVERIFY(oppna(QStringLiteral("VRS22000.DAT")));
        namn(QStringLiteral("Anna"));
        // "n" before the count does not skip the round.
        const qint32 fore = SlumpPosition[ListNummer];
        tangent(Qt::Key_N);
        QCOMPARE(SlumpPosition[ListNummer], fore);
        QVERIFY(m_w->svarsknapparAktiva());

        // Pausing an answered round does not open it for a second count.
        svaraFel();
        const int dator = m_w->DatorPoang;
        tangent(Qt::Key_Escape);
        QVERIFY(m_w->Escapepanel->isVisible());
        m_w->FortsattButton->click();
        QVERIFY(!m_w->Escapepanel->isVisible());
        QVERIFY(!m_w->svarsknapparAktiva());
        svara(ratt());
        QCOMPARE(m_w->SpelarPoang, 0);
        QCOMPARE(m_w->DatorPoang, dator);

        // Nor do the settings; they bring no sound button to the false friends.
        tangent(Qt::Key_Escape);
        installningarStangs();
        m_w->BitBtn1->click();
        QVERIFY(!m_w->Escapepanel->isVisible());
        QVERIFY(!m_w->svarsknapparAktiva());
        QVERIFY(!m_w->HoraButton->isVisible());
        m_w->NextButton->click();
        QVERIFY(m_w->svarsknapparAktiva());

        // An unanswered round paused and continued takes its count.
        tangent(Qt::Key_Escape);
        QVERIFY(!m_w->svarsknapparAktiva());
        m_w->FortsattButton->click();
        QVERIFY(m_w->svarsknapparAktiva());
        tangent(Qt::Key_Escape);
        tangent(Qt::Key_Escape); // the second one leaves
        QVERIFY(!m_w->isVisible());
    }

    void gameEnd_data()
    {
        QTest::addColumn<bool>("vinner");
        QTest::addColumn<QString>("text");
        QTest::newRow("won") << true << QStringLiteral("Herzlichen Glückwunsch, Anna! Du hast gewonnen.");
        QTest::newRow("lost") << false << QStringLiteral("Schade, Anna. Du hast gegen den Computer verloren.");
    }
    void gameEnd()
    {
        QFETCH(bool, vinner);
        QFETCH(QString, text);
        // Every item carries the mark ("p" counts as "P"): each round is worth 5.
        QVERIFY(oppna(QStringLiteral("VRS31100.DAT")));
        namn(QStringLiteral("Anna"));
        QCOMPARE(m_w->Markor, QStringLiteral("P"));
        QVERIFY(m_w->SvenskaButton->isVisible());
        m_w->SpelarPoang = 18;
        for (int i = 0; i < 4 && !m_w->SpelSlut; ++i) {
            QCOMPARE(m_w->RattAntal, 5);
            if (vinner) {
                svara(5);
            } else {
                svara(3);
                if (!m_w->SpelSlut)
                    m_w->NextButton->click();
            }
        }
        QVERIFY(m_w->SpelSlut);
        QCOMPARE(int(m_w->SpelarVann), vinner ? 1 : 0);
        if (vinner) {
            QCOMPARE(m_w->SpelarPoang, 23);
            QCOMPARE(gula(19, 20), 2); // the squares end at 20
            QCOMPARE(gula(21, 40), 0);
        } else {
            QCOMPARE(m_w->DatorPoang, 20);
            QCOMPARE(gula(21, 40), 20);
        }
        QVERIFY(m_w->LovordPanel->isVisible());
        QCOMPARE(m_w->LovordLabel1->text(), text);
        QVERIFY(!m_w->SvenskaButton->isVisible());
        QVERIFY(m_w->Escapepanel->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->AvbrytButton);
        QVERIFY(!m_w->svarsknapparAktiva());
        QVERIFY(!m_w->NextButton->isVisible());

        // The settings keep the finished game behind its panel.
        installningarStangs();
        m_w->BitBtn1->click();
        QVERIFY(m_w->Escapepanel->isVisible());
        QVERIFY(!m_w->svarsknapparAktiva());

        // "Fortsetzen" starts a new game.
        m_w->FortsattButton->click();
        QCOMPARE(m_w->SpelarPoang, 0);
        QCOMPARE(m_w->DatorPoang, 0);
        QCOMPARE(gula(1, 40), 0);
        QCOMPARE(m_w->Shape[40]->brushColor(), kBla);
        QVERIFY(!m_w->LovordPanel->isVisible());
        QVERIFY(m_w->SvenskaButton->isVisible());
        QVERIFY(m_w->svarsknapparAktiva());
    }

    void pronunciationIsHeardAfterAWrongCount()
    {
        FakeSound ljud;
        QVERIFY(oppna(QStringLiteral("VRS31200.DAT")));
        QCOMPARE(LjudFilPrefix, QStringLiteral("T312"));
        namn(QStringLiteral("Anna"));
        QVERIFY(m_w->RegelButton->isVisible());
        svaraFel();
        QVERIFY(m_w->HoraButton->isVisible());
        tangent(Qt::Key_H); // nothing heard yet: nothing to repeat
        QVERIFY(ljud.calls().isEmpty());

        QTest::mouseClick(m_w->HoraButton, Qt::LeftButton);
        QCOMPARE(ljud.calls().size(), 5);
        for (int k = 1; k <= 5; ++k) {
            const QString vantad = ProgramPath::resolve(
                PCPath, QStringLiteral("\\LJUD\\T312\\T312%1.WAV").arg(m_w->OmgangsPoster[k], 3, 10, QLatin1Char('0')));
            QCOMPARE(ljud.calls()[k - 1].file, vantad);
            QVERIFY(ljud.calls()[k - 1].wait); // one word after the other
        }
        QVERIFY(m_w->NextButton->isEnabled() && m_w->HoraButton->isEnabled());
        QVERIFY(!m_w->svarsknapparAktiva());
        tangent(Qt::Key_H);
        QCOMPARE(ljud.calls().size(), 6);
        QCOMPARE(ljud.calls().last().file, ljud.calls()[4].file);

        // "&Schwedisch" shows the translations right of the widest word.
        m_w->SvenskaButton->click();
        int bredast = 0;
        for (int k = 1; k <= 5; ++k)
            bredast = qMax(bredast, m_w->Ord[k]->width());
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(m_w->Forklaring[k]->isVisible());
            QVERIFY(m_w->Forklaring[k]->text().startsWith(QStringLiteral("svenska")));
            QCOMPARE(m_w->Forklaring[k]->x(), m_w->Ord[1]->x() + bredast + 100);
        }

        // With the sound off there is nothing to hear.
        tangent(Qt::Key_N);
        QVERIFY(!m_w->HoraButton->isVisible());
        LjudInst = 0;
        svaraFel();
        QVERIFY(m_w->NextButton->isVisible());
        QVERIFY(!m_w->HoraButton->isVisible());
        QCOMPARE(ljud.calls().size(), 6);
    }

    // While a word of "Hören" is waited for, the window repaints and takes
    // keys; Esc, or closing the window, stops it at once, and the other four
    // words are not played.
    void escOrClosingEndsTheWaitForTheWords_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::newRow("Esc") << false;
        QTest::newRow("closing the window") << true;
    }
    void escOrClosingEndsTheWaitForTheWords()
    {
        QFETCH(bool, closing);
        FakeSound ljud;
        ljud.holdWaits(true);
        QVERIFY(oppna(QStringLiteral("VRS31200.DAT")));
        namn(QStringLiteral("Anna"));
        svaraFel();
        PaintCounter malningar(m_w.get());
        int malningarUnderVantan = -1;
        QTimer underVantan;
        connect(&underVantan, &QTimer::timeout, m_w.get(), [&] {
            if (ljud.calls().size() != 1)
                return; // the first word is not yet asked for
            if (malningarUnderVantan < 0) {
                malningarUnderVantan = malningar.count;
                m_w->update();
                return;
            }
            if (malningar.count == malningarUnderVantan)
                return;
            underVantan.stop();
            if (closing)
                m_w->close();
            else
                tangent(Qt::Key_Escape);
        });
        underVantan.start(0);
        QTest::mouseClick(m_w->HoraButton, Qt::LeftButton);
        QVERIFY(!underVantan.isActive());
        QCOMPARE(ljud.calls().size(), 1);
        QVERIFY(ljud.calls()[0].stopped);
        if (closing) {
            QVERIFY(!m_w->isVisible());
            return;
        }
        QVERIFY(m_w->Escapepanel->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->FortsattButton);
        // Back in the game the words can be heard again, or the next round had.
        m_w->FortsattButton->click();
        QVERIFY(m_w->NextButton->isEnabled() && m_w->HoraButton->isEnabled());
        ljud.holdWaits(false);
        QTest::mouseClick(m_w->HoraButton, Qt::LeftButton);
        QCOMPARE(ljud.calls().size(), 6);
    }

    void bundledDuels_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::newRow("false friends") << "VRS22000.DAT";
        QTest::newRow("b") << "VRS31100.DAT";
        QTest::newRow("d") << "VRS31200.DAT";
        QTest::newRow("g") << "VRS31300.DAT";
        QTest::newRow("s") << "VRS31400.DAT";
    }
    void bundledDuels()
    {
        QFETCH(QString, fil);
        activateBundledCourse();
        MessageRecorder meddelanden;
        QVERIFY(Kolla(fil));
        const qint32 antal = PostAntal[ListNummer];
        QVERIFY(antal >= 14);
        const quint16 tal = GeProgramtal(fil);
        const QString mark = falskaMarkor(tal);
        const bool ljud = !QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty();
        int markerade = 0;
        for (qint32 n = 1; n <= antal; ++n) {
            QVERIFY(haemtaord(fil, n));
            str_postarray(PostRad);
            const bool markerad = Cp1252::upper(postFalt(2)) == mark;
            markerade += markerad ? 1 : 0;
            QVERIFY2(!postFalt(2).isEmpty(), qPrintable(PostRad));
            if (tal == 22000) {
                QVERIFY2(postFalt(1).contains(QStringLiteral(" = ")), qPrintable(PostRad));
                QVERIFY2(!markerad || !postFalt(3).isEmpty(), qPrintable(PostRad));
            } else {
                QVERIFY2(!postFalt(3).isEmpty(), qPrintable(PostRad));
                if (ljud) {
                    const QString wav = ProgramPath::resolve(
                        PCPath, QStringLiteral("\\LJUD\\T%1\\T%1%2.WAV").arg(tal / 100).arg(n, 3, 10, QLatin1Char('0')));
                    QVERIFY2(Sound::wavLength(wav) > 100, qPrintable(postFalt(1)));
                }
            }
        }
        // Rounds of five must be worth something and not always everything.
        QVERIFY(markerade >= antal / 3 && markerade <= antal * 2 / 3);
        QCOMPARE(meddelanden.texts(), QStringList());
    }
};

VARMIKO_TEST_MAIN(TestTFalska)
#include "test_tfalska.moc"
