// The keyboard across the windows, pressed as a pupil presses keys: each key
// goes to the control that has the focus in the active window. Enter presses
// the focused button of a panel as a click does, the answer boxes keep their
// own Enter, a window takes the keys again when the window over it closes,
// and the race's name boxes offer the last names for typing over.

#include "ExerciseWindow.h"
#include "FrageOvning.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "WorksheetPanels.h"
#include "app/allafonster.h"
#include "drills/grammar/TSEIN.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/writing/TSKRIV.h"
#include "drills/writing/TSkrivinf.h"
#include "drills/writing/Tskriv2.h"
#include "frame/catalogue/MenyFonster.h"
#include "frame/catalogue/katalog.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <type_traits>

namespace {

// A key as the keyboard gives it: to the focused control of the active
// window. False when no window has the keys.
bool tryck(Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QWindow *fonster = QGuiApplication::focusWindow();
    if (!fonster || !QApplication::focusWidget())
        return false;
    QTest::keyClick(fonster, key, mod);
    return true;
}

QString fokusNamn()
{
    const QWidget *f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("(none)");
}

// Runs steg once a modal window other than under is open and has the keys;
// a window that never gets them is closed after a while, so that the test
// fails instead of waiting.
void iModalt(QObject *agare, const QWidget *under, std::function<void(QWidget *)> steg)
{
    auto *t = new QTimer(agare);
    t->setInterval(10);
    auto varv = std::make_shared<int>(0);
    QObject::connect(t, &QTimer::timeout, agare, [t, under, steg, varv] {
        QWidget *m = QApplication::activeModalWidget();
        const bool redo = m && m != under && QApplication::activeWindow() == m && QApplication::focusWidget();
        if (!redo && ++*varv < 500)
            return;
        t->stop();
        t->deleteLater();
        if (redo)
            steg(m);
        else if (m && m != under)
            m->close();
    });
    t->start();
}

QStringList seinFil()
{
    return {QStringLiteral("$Sein-spelet"), QStringLiteral("$Sein, presens"),
            QStringLiteral("Ich <bin> müde."),     QStringLiteral("Er <ist> zwölf Jahre alt."),
            QStringLiteral("Wir <sind> hier."),     QStringLiteral("Ihr <seid> pünktlich.")};
}

QStringList ordlista(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << QStringLiteral("Wort %1#ord %1").arg(QChar(u'A' + i));
    return l;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TSKRIV> m_skriv;
    std::unique_ptr<TSkrivinf> m_inf;
    std::unique_ptr<Tskriv2> m_skriv2;
    std::unique_ptr<TSEIN> m_sein;
    std::unique_ptr<TDinaOrd> m_ord;
    std::unique_ptr<MenyFonster> m_meny;

    // A fresh course, the same for every run of a case.
    void nyKurs()
    {
        stangAlla();
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS41000.DAT"), frageOvning(24, {QStringLiteral("$Übung")}));
        m_course->write(QStringLiteral("DATA/VRS52300.DAT"), frageOvning(24, {QStringLiteral("$Adjektiv")}));
        QStringList luckor{QStringLiteral("$Räkneord")};
        for (int i = 1; i <= 12; ++i)
            luckor << QStringLiteral("Satz %1 mit <Wort%1> hier.").arg(i);
        m_course->write(QStringLiteral("DATA/VRS53200.DAT"), luckor);
        QStringList tva{QStringLiteral("$Adjektiv")};
        for (int i = 1; i <= 12; ++i)
            tva << QStringLiteral("alt %1#älter%1#am ältesten%1#gammal").arg(i);
        m_course->write(QStringLiteral("DATA/VRS52100.DAT"), tva);
        m_course->write(QStringLiteral("DATA/VRS56610.DAT"), seinFil());
        m_course->write(QStringLiteral("DATA/VRSK1.vr1"), ordlista(12));
        m_course->activate();
        PausTid = 0;
        BildInst = 0;
    }

    void stangAlla()
    {
        m_skriv.reset();
        m_inf.reset();
        m_skriv2.reset();
        m_sein.reset();
        m_ord.reset();
        m_meny.reset();
    }

    // Opens an exercise window as the menu does and gives it the keys.
    template <class W>
    W *oppna(std::unique_ptr<W> &w, const QString &fil, quint8 lage)
    {
        if (!openExercise(w, fil, lage) || !aktivera(w.get()))
            return nullptr;
        if constexpr (std::is_base_of_v<TSKRIV, W>) {
            if (w->Edit1->isVisible())
                w->Edit1->setFocus(); // the window's active control
        }
        return w.get();
    }

    static bool aktivera(QWidget *w)
    {
        w->show();
        w->activateWindow();
        return QTest::qWaitForWindowActive(w);
    }

    // Answers the items of the round: those at the numbers in fel wrongly.
    void runda(TSKRIV *w, const QList<int> &fel)
    {
        const int antal = AntalPoster;
        for (int i = 1; i <= antal; ++i) {
            QTRY_VERIFY(w->Edit1->isEnabled());
            const QString q = w->FrageLabel2->text();
            typeAnswer(w->Edit1, fel.contains(i) ? QStringLiteral("falsch") : svarPa(q));
            if (fel.contains(i) && !w->Panel1->isVisible())
                QTest::keyClick(w, Qt::Key_Space);
        }
        QTRY_VERIFY(w->Panel1->isVisible());
    }

    // A case of the Enter table: brings a panel on screen and returns the
    // button that has the focus there; then what the window shows.
    struct Fall
    {
        std::function<QPushButton *()> forbered;
        std::function<QString()> tillstand;
    };

    QPushButton *fokusKnapp() const { return qobject_cast<QPushButton *>(QApplication::focusWidget()); }

    Fall fall(const QString &namn)
    {
        const auto skrivTillstand = [this] {
            if (!m_skriv->isVisible())
                return QStringLiteral("closed");
            return QStringLiteral("panel %1, answer box %2, focus %3, item %4, error round %5, items %6, front %7")
                .arg(m_skriv->Panel1->isVisible())
                .arg(m_skriv->Edit1->isEnabled())
                .arg(fokusNamn())
                .arg(PostNummer)
                .arg(FelRunda)
                .arg(AntalPoster)
                .arg(framstaPanel(m_skriv.get()));
        };
        if (namn == QStringLiteral("Fortsetzen after Esc")) {
            return {[this]() -> QPushButton * {
                        if (!oppna(m_skriv, QStringLiteral("VRS41000.DAT"), 0) || !tryck(Qt::Key_Escape))
                            return nullptr;
                        return fokusKnapp();
                    },
                    skrivTillstand};
        }
        if (namn == QStringLiteral("Fehler berichtigen at the round end")) {
            return {[this]() -> QPushButton * {
                        if (!oppna(m_skriv, QStringLiteral("VRS41000.DAT"), 0))
                            return nullptr;
                        runda(m_skriv.get(), {2, 5});
                        return fokusKnapp();
                    },
                    skrivTillstand};
        }
        if (namn == QStringLiteral("Fortsetzen at the round end")) {
            return {[this]() -> QPushButton * {
                        if (!oppna(m_skriv, QStringLiteral("VRS41000.DAT"), 0))
                            return nullptr;
                        runda(m_skriv.get(), {});
                        return fokusKnapp();
                    },
                    skrivTillstand};
        }
        if (namn == QStringLiteral("Abbrechen reached with Tab")) {
            return {[this]() -> QPushButton * {
                        if (!oppna(m_skriv, QStringLiteral("VRS41000.DAT"), 0) || !tryck(Qt::Key_Escape)
                            || !tryck(Qt::Key_Tab))
                            return nullptr;
                        return fokusKnapp();
                    },
                    skrivTillstand};
        }
        if (namn == QStringLiteral("Välja antal on the worksheet")) {
            return {[this]() -> QPushButton * {
                        return oppna(m_skriv, QStringLiteral("VRS41000.DAT"), 1) ? fokusKnapp() : nullptr;
                    },
                    skrivTillstand};
        }
        if (namn == QStringLiteral("Fortsetzen in the gap filling")) {
            return {[this]() -> QPushButton * {
                        if (!oppna(m_inf, QStringLiteral("VRS53200.DAT"), 0))
                            return nullptr;
                        m_inf->Edit1->setFocus();
                        return tryck(Qt::Key_Escape) ? fokusKnapp() : nullptr;
                    },
                    [this] {
                        return QStringLiteral("panel %1, gap %2, focus %3")
                            .arg(m_inf->Panel1->isVisible())
                            .arg(m_inf->Edit1->isEnabled())
                            .arg(fokusNamn());
                    }};
        }
        if (namn == QStringLiteral("the menu's back button")) {
            return {[this]() -> QPushButton * {
                        registreraAllaFonster();
                        m_meny = std::make_unique<MenyFonster>(*hittaMeny(QStringLiteral("TF52")));
                        if (!aktivera(m_meny.get()))
                            return nullptr;
                        for (int i = 1; i < m_meny->knappar.size(); ++i)
                            tryck(Qt::Key_Tab);
                        return fokusKnapp();
                    },
                    [this] { return QStringLiteral("menu shown %1").arg(m_meny->isVisible()); }};
        }
        if (namn == QStringLiteral("the race's player count")) {
            return {[this]() -> QPushButton * { return oppna(m_sein, QStringLiteral("VRS56610.DAT"), 0) ? fokusKnapp() : nullptr; },
                    [this] {
                        return QStringLiteral("names %1, players %2, focus %3")
                            .arg(m_sein->Panel15->isVisible())
                            .arg(m_sein->AntalSpelare)
                            .arg(fokusNamn());
                    }};
        }
        return {};
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        nyKurs();
    }
    void cleanup()
    {
        qDeleteAll(findChildren<QTimer *>());
        stangAlla();
        m_course.reset();
        OvningsLage = 0;
    }

    void enterPressesTheFocusedButtonAsAClickDoes_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("knapp"); // the button the window focuses (or Tab reaches)
        QTest::newRow("typed answer") << "Fortsetzen after Esc" << "Button2";
        QTest::newRow("typed answer, errors") << "Fehler berichtigen at the round end" << "Button1";
        QTest::newRow("typed answer, no errors") << "Fortsetzen at the round end" << "Button2";
        QTest::newRow("typed answer, closing") << "Abbrechen reached with Tab" << "Button3";
        QTest::newRow("worksheet") << "Välja antal on the worksheet" << "SkrivutAntalButton";
        QTest::newRow("gap filling") << "Fortsetzen in the gap filling" << "Button2";
        QTest::newRow("menu") << "the menu's back button" << "Button6";
        QTest::newRow("race") << "the race's player count" << "Button3";
    }
    void enterPressesTheFocusedButtonAsAClickDoes()
    {
        QFETCH(QString, fall);
        QFETCH(QString, knapp);
        const Fall f = this->fall(fall);
        QVERIFY(f.forbered);

        QPushButton *b = f.forbered();
        QVERIFY(b);
        QCOMPARE(b->objectName(), knapp);
        QVERIFY(b->isVisible() && b->isEnabled());
        const QString fore = f.tillstand();
        QTest::mouseClick(b, Qt::LeftButton);
        const QString efterKlick = f.tillstand();
        QVERIFY2(efterKlick != fore, qPrintable(fore));

        nyKurs();
        b = f.forbered();
        QVERIFY(b);
        QCOMPARE(f.tillstand(), fore);
        QVERIFY(tryck(Qt::Key_Return));
        QCOMPARE(f.tillstand(), efterKlick);
    }

    // Enter in an answer box answers; it presses no button of the window.
    void enterInTheAnswerBoxAnswers_data()
    {
        QTest::addColumn<QString>("fonster");
        QTest::newRow("typed answer") << "TSKRIV";
        QTest::newRow("gap filling") << "TSkrivinf";
        QTest::newRow("two answers") << "Tskriv2";
    }
    void enterInTheAnswerBoxAnswers()
    {
        QFETCH(QString, fonster);
        TSKRIV *w = nullptr;
        QString svar;
        if (fonster == QLatin1String("TSKRIV")) {
            w = oppna(m_skriv, QStringLiteral("VRS41000.DAT"), 0);
            QVERIFY(w);
            svar = svarPa(w->FrageLabel2->text());
        } else if (fonster == QLatin1String("TSkrivinf")) {
            w = oppna(m_inf, QStringLiteral("VRS53200.DAT"), 0);
            QVERIFY(w);
            svar = m_inf->luckSvar(1);
        } else {
            w = oppna(m_skriv2, QStringLiteral("VRS52100.DAT"), 0);
            QVERIFY(w);
            svar = QStringLiteral("älter") + w->FrageLabel1->text().section(QLatin1Char(' '), 1);
        }
        w->Edit1->setFocus();
        QCOMPARE(QApplication::focusWidget(), w->Edit1);
        typeText(w->Edit1, svar);
        QVERIFY(tryck(Qt::Key_Return));
        if (fonster == QLatin1String("Tskriv2")) {
            // the first answer given, the second box takes the keys
            QCOMPARE(QApplication::focusWidget(), m_skriv2->Edit2);
            QVERIFY(!w->Edit1->isEnabled());
        } else {
            QCOMPARE(int(AntalRatt), 1);
            QCOMPARE(int(PostNummer), 2);
            QCOMPARE(QApplication::focusWidget(), w->Edit1);
        }
        QVERIFY(!w->Panel1->isVisible());
    }

    // An exercise opened from a menu and closed with Esc: the menu takes the
    // keys again, its exercise button focused, and Esc closes it.
    void theMenuTakesTheKeysAfterAnExercise()
    {
        registreraAllaFonster();
        m_meny = std::make_unique<MenyFonster>(*hittaMeny(QStringLiteral("TF52")));
        QVERIFY(aktivera(m_meny.get()));
        QPushButton *ovning = m_meny->knappar.value(2);
        QVERIFY(ovning && ovning->text() == QStringLiteral("Nominativ / ackusativ"));
        QVERIFY(tryck(Qt::Key_Tab) && tryck(Qt::Key_Tab));
        QCOMPARE(QApplication::focusWidget(), ovning);

        QString oppnat;
        iModalt(this, m_meny.get(), [&oppnat](QWidget *m) {
            oppnat = m->objectName() + QLatin1Char('/') + fokusNamn();
            tryck(Qt::Key_Escape); // the end panel
            tryck(Qt::Key_Escape); // "Abbrechen"
        });
        QVERIFY(tryck(Qt::Key_Return)); // returns when the exercise has closed
        QCOMPARE(oppnat, QStringLiteral("SKRIV/Edit1"));
        QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == m_meny.get());

        QTRY_COMPARE(QApplication::activeWindow(), m_meny.get());
        QCOMPARE(QApplication::focusWidget(), ovning);
        QVERIFY(tryck(Qt::Key_Escape));
        QVERIFY(!m_meny->isVisible());
    }

    // The record table closed with Esc: the trainer takes the keys again
    // and Alt+B starts the round of the wrong words.
    void theTrainerTakesTheKeysAfterTheRecordTable()
    {
        ScoreDirectoryOk = 1;
        Programtal = 1001;
        OvningsLage = 0;
        m_ord = std::make_unique<TDinaOrd>();
        m_ord->FormCreate();
        QVERIFY(aktivera(m_ord.get()));
        m_ord->ListBox1->setFocus();
        QVERIFY(tryck(Qt::Key_Return)); // the first list
        QVERIFY(m_ord->Edit2->hasFocus());
        m_ord->Edit2->clear();
        typeText(m_ord->Edit2, QStringLiteral("Bertil"));
        QVERIFY(tryck(Qt::Key_Return));
        for (int i = 1; i <= AntalPoster; ++i) {
            QTRY_VERIFY(m_ord->Edit1->isEnabled());
            const QString q = m_ord->FrageLabel2->text();
            typeText(m_ord->Edit1, i == 3 ? QStringLiteral("falsch") : QStringLiteral("ord ") + q.right(1));
            QVERIFY(tryck(Qt::Key_Return));
            if (i == 3 && !m_ord->Panel1->isVisible())
                QTest::keyClick(m_ord.get(), Qt::Key_Space);
        }
        QTRY_VERIFY(m_ord->Panel1->isVisible());
        QVERIFY(m_ord->Button3->isEnabled());

        QString oppnat;
        iModalt(this, m_ord.get(), [&oppnat](QWidget *m) {
            oppnat = m->objectName();
            tryck(Qt::Key_Escape);
        });
        QVERIFY(tryck(Qt::Key_T, Qt::AltModifier)); // "&Tabelle"
        QTRY_VERIFY(!oppnat.isEmpty());
        QVERIFY(!m_ord->Button3->isEnabled());

        QTRY_COMPARE(QApplication::activeWindow(), m_ord.get());
        QVERIFY(tryck(Qt::Key_B, Qt::AltModifier)); // "Fehler &berichtigen"
        QTRY_COMPARE(int(FelRunda), 1);
        QVERIFY(!m_ord->Panel1->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), m_ord->Edit1);
    }

    // The name boxes of the race show the names of the last race selected:
    // what the players type replaces them.
    void theRaceNamesAreTypedOver_data()
    {
        QTest::addColumn<bool>("nyttFonster");
        QTest::newRow("after a race") << false;
        QTest::newRow("in a new window") << true;
    }
    void theRaceNamesAreTypedOver()
    {
        QFETCH(bool, nyttFonster);
        ScoreDirectoryOk = 0; // "OK" reports the directory instead of the table
        MessageRecorder meddelanden;
        SpelarNamn[1] = QStringLiteral("Anna");
        QVERIFY(oppna(m_sein, QStringLiteral("VRS56610.DAT"), 0));
        QVERIFY(tryck(Qt::Key_1));
        QCOMPARE(QApplication::focusWidget(), m_sein->NamnEdit[1]);
        QVERIFY(tryck(Qt::Key_Return)); // the name as it stands
        QCOMPARE(QApplication::focusWidget(), m_sein->Button6);
        QVERIFY(tryck(Qt::Key_Return)); // "&Start"
        QVERIFY(m_sein->Panel1->isVisible());
        for (int i = 0; i < 200 && !m_sein->SlutPanel->isVisible(); ++i) {
            QTRY_VERIFY(m_sein->tarSvar() || m_sein->SlutPanel->isVisible());
            for (int k = 1; k <= SeinPaneler; ++k)
                if (m_sein->OrdPanel[k]->isVisible() && m_sein->OrdPanel[k]->text() == m_sein->svaret()) {
                    QTest::mouseClick(m_sein->OrdPanel[k], Qt::LeftButton);
                    break;
                }
        }
        QVERIFY(m_sein->SlutPanel->isVisible());
        QCOMPARE(SpelarNamn[1], QStringLiteral("Anna"));
        if (nyttFonster) {
            QVERIFY(oppna(m_sein, QStringLiteral("VRS56610.DAT"), 0));
        } else {
            QCOMPARE(QApplication::focusWidget(), m_sein->SlutButton);
            QVERIFY(tryck(Qt::Key_Return)); // "OK": back to the player count
            QVERIFY(m_sein->Panel12->isVisible());
        }

        QVERIFY(tryck(Qt::Key_1));
        QCOMPARE(QApplication::focusWidget(), m_sein->NamnEdit[1]);
        QCOMPARE(m_sein->NamnEdit[1]->selectedText(), QStringLiteral("Anna"));
        typeText(m_sein->NamnEdit[1], QStringLiteral("Bo"));
        QCOMPARE(m_sein->NamnEdit[1]->text(), QStringLiteral("Bo"));
    }
};

VARMIKO_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
