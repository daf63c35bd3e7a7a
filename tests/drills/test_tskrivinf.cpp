// The gap-filling window, driven as a pupil would: one and two gaps per
// sentence, lead sentences, hints, the lamp, pauses, error rounds and the
// diagnosis modes.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "ModalWindow.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/writing/TSkrivinf.h"
#include "frame/TAster.h"
#include "frame/TDiagnosPost.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/scale.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"
#include "results/diagnoskoppling.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

QStringList kopf()
{
    return {QStringLiteral("$Räkneord"), QStringLiteral("$Tidsuttryck"),
            QStringLiteral("$§Übersetzt die grünen Wörter. Enter drücken.")};
}

// n one-gap items with a lead sentence; item i expects "Wort" + i.
QStringList enLucka(int n)
{
    QStringList l = kopf();
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Mening %1 med <ord>.#Satz %1 mit <Wort%1> hier.").arg(i);
    return l;
}

// n two-gap items; item i expects "hat" + i and "gelesen" + i.
QStringList tvaLuckor(int n)
{
    QStringList l = kopf();
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Han <har läst> bok %1.#Er <hat%1> Buch %1 <gelesen%1>.").arg(i);
    return l;
}

QStringList diagnos(int n, const QString &rad)
{
    QStringList l{QStringLiteral("$Diagnos"), QStringLiteral("$Plural 1"),
                  QStringLiteral("$§Schreibt das Substantiv im Plural. Enter drücken.")};
    for (int i = 1; i <= n; ++i)
        l << rad.arg(i);
    return l;
}

const QColor kGron(0, 128, 0);
const QColor kRodbrun(128, 0, 0);
const QColor kMarin(0, 0, 128);

} // namespace

class TestTSkrivinf : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TSkrivinf> m_w;

    TSkrivinf *oppna(const QString &fil, quint8 lage)
    {
        if (!openExercise(m_w, fil, lage))
            return nullptr;
        m_w->Edit1->setFocus();
        return m_w.get();
    }

    TSkrivinf *oppnaRad(const QString &rad, const QString &fil = QStringLiteral("VRS53200.DAT"), quint8 lage = 0)
    {
        QStringList l = kopf();
        l << rad;
        m_course->write(QStringLiteral("DATA/") + fil, l);
        return oppna(fil, lage);
    }

    void skriv(QLineEdit *e, const QString &text)
    {
        typeAnswer(e, text);
    }

    // Answers gap k of the item on screen.
    void lucka(int k, bool ratt)
    {
        QLineEdit *e = m_w->luckEdit(k);
        QTRY_VERIFY(e->isVisible() && e->isEnabled());
        skriv(e, ratt ? m_w->luckSvar(k) : QStringLiteral("falsch"));
    }

    // Answers every gap of the item on screen and waits for what follows.
    void post(bool ratt)
    {
        QTRY_VERIFY(m_w->Edit1->isEnabled() || !m_w->isVisible());
        const int antal = m_w->LuckAntal;
        for (int k = 1; k <= antal; ++k)
            lucka(k, ratt);
        if (!ratt && !m_w->Panel1->isVisible())
            QTest::keyClick(m_w.get(), Qt::Key_Space);
    }

    // Answers the rest of the round: the first `fel` of them wrongly.
    void runda(int fel)
    {
        for (int i = 0; int(PostNummer) <= AntalPoster && m_w->isVisible(); ++i)
            post(i >= fel);
        QTRY_VERIFY(m_w->Panel1->isVisible() || !m_w->isVisible());
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS53200.DAT"), enLucka(12));
        m_course->write(QStringLiteral("DATA/VRS56140.DAT"), tvaLuckor(12));
        m_course->activate();
        PausTid = 0;
        SvarsVariant = 0;
        AktivDiagnos = TDiagnosPost{};
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        setRadBredd({});
        diagnoskoppling() = Diagnoskoppling{};
        OvningsLage = 0;
        DiagRad = 0;
    }

    void leadSentenceAndGapAreLaidOut()
    {
        QVERIFY(oppnaRad(QStringLiteral("Jag kommer på <måndag>.#Ich komme am <Montag>.")));
        // The lead sentence reads whole, its marked word in green.
        QCOMPARE(m_w->Label3->text(), QStringLiteral("Jag kommer på "));
        QCOMPARE(m_w->Label4->text(), QStringLiteral("måndag"));
        QCOMPARE(m_w->Label4->palette().color(QPalette::WindowText), kGron);
        QCOMPARE(m_w->Label5->text(), QStringLiteral("."));
        QCOMPARE(m_w->Label4->x(), m_w->Label3->x() + m_w->Label3->width());
        // The gap sentence below it, with the box in the gap.
        QCOMPARE(m_w->Label9->text(), QStringLiteral("Ich komme am "));
        QCOMPARE(m_w->Label9->palette().color(QPalette::WindowText), kMarin);
        QVERIFY(m_w->Label9->y() > m_w->Label3->y());
        QVERIFY(m_w->Edit1->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
        QCOMPARE(m_w->Edit1->x(), m_w->Label9->x() + m_w->Label9->width());
        QCOMPARE(m_w->Edit1->y(), m_w->Label9->y());
        QCOMPARE(m_w->Label10->x(), m_w->Edit1->x() + m_w->Edit1->width());
        QVERIFY(!m_w->Edit2->isVisible());
        QVERIFY(!m_w->Label14->isVisible());
        // The box takes ten letters more than the answer, and is "ww" wider.
        QCOMPARE(m_w->Edit1->maxLength(), 16);
        QCOMPARE(m_w->Edit1->width(),
                 m_w->Label14->width() + m_w->fontMetrics().horizontalAdvance(QStringLiteral("ww")));
    }

    void sentencesByFields_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<QString>("fore");    // text before the gap
        QTest::addColumn<QString>("svaret");
        QTest::addColumn<bool>("ledmening");
        QTest::newRow("gap at the start") << "<Varmt> vatten.#<Warmes> Wasser." << "" << "Warmes" << true;
        QTest::newRow("field 2 empty") << "Ich <bin> müde.#" << "Ich " << "bin" << false;
        QTest::newRow("one field") << "Wir <sind> hier." << "Wir " << "sind" << false;
        QTest::newRow("hint after an empty field 2") << "Ich <bin> müde.##sein" << "Ich " << "bin" << false;
    }
    void sentencesByFields()
    {
        QFETCH(QString, rad);
        QFETCH(QString, fore);
        QVERIFY(oppnaRad(rad));
        QTEST(m_w->luckSvar(1), "svaret");
        QTEST(m_w->Label3->isVisible(), "ledmening");
        if (fore.isEmpty()) {
            QCOMPARE(m_w->Edit1->x(), m_w->InstruktionsLabel->x());
        } else {
            QCOMPARE(m_w->Label9->text(), fore);
            QCOMPARE(m_w->Edit1->x(), m_w->Label9->x() + m_w->Label9->width());
        }
        QFETCH(QString, svaret);
        skriv(m_w->Edit1, svaret);
        QCOMPARE(int(AntalRatt), 1);
    }

    void oneGapRightAndWrong()
    {
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS53200.DAT"), 0));
        QCOMPARE(AntalPoster, 10);
        const quint16 forsta = SlumpPost;
        skriv(m_w->Edit1, m_w->luckSvar(1).toLower() + QLatin1Char('.')); // case counts, a full stop not
        QCOMPARE(int(AntalFel), 1);
        QTRY_VERIFY(m_w->Label14->isVisible());
        QCOMPARE(m_w->Label14->text(), QStringLiteral("Wort%1").arg(forsta));
        QCOMPARE(m_w->Label14->palette().color(QPalette::WindowText), kRodbrun);
        QCOMPARE(m_w->Label14->pos(), m_w->Edit1->pos());
        QVERIFY(!m_w->Edit1->isVisible());
        QCOMPARE(m_w->Aster1->vitaRutor(), QList<int>{1});
        QCOMPARE(FelPerLista[ListNummer], 1);
        QTest::qWait(250);
        QCOMPARE(SlumpPost, forsta); // the correction stays for the pause
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(SlumpPost != forsta, 1000);

        const quint16 andra = SlumpPost;
        typeAnswer(m_w->Edit1, QStringLiteral("Wort%1").arg(andra));
        QCOMPARE(int(AntalRatt), 1);
        QVERIFY(SlumpPost != andra); // a right answer brings the next item at once
        QCOMPARE(m_w->Aster1->rutNummer(), 2);
        QCOMPARE(int(PostNummer), 3);
    }

    void shownAnswerReplacesTheBox()
    {
        PausTid = 9;
        QVERIFY(oppnaRad(QStringLiteral("Jag är <trött> och <glad>.#Ich bin <müde> und <froh>.")));
        skriv(m_w->Edit1, QStringLiteral("müde "));
        QVERIFY(m_w->Label14->isVisible());
        QCOMPARE(m_w->Label14->text(), QStringLiteral("müde ")); // as the pupil typed it
        QCOMPARE(m_w->Label14->palette().color(QPalette::WindowText), kGron);
        QCOMPARE(m_w->Label14->pos(), m_w->Edit1->pos());
        QCOMPARE(m_w->Label10->text(), QStringLiteral(" und "));
        const int und = m_w->Label10->x();
        skriv(m_w->Edit2, QStringLiteral("fro"));
        QCOMPARE(m_w->Label15->text(), QStringLiteral("froh"));
        QCOMPARE(m_w->Label15->palette().color(QPalette::WindowText), kRodbrun);
        QCOMPARE(m_w->Label10->x(), und); // text between gaps stays
        // A full stop after the gap follows the shown answer.
        QCOMPARE(m_w->Label11->text(), QStringLiteral("."));
        QCOMPARE(m_w->Label11->x(), m_w->Label15->x() + m_w->Label15->width() + 5);
    }

    void twoGaps_data()
    {
        QTest::addColumn<bool>("forsta");
        QTest::addColumn<bool>("andra");
        QTest::addColumn<bool>("paus");
        QTest::newRow("both right") << true << true << false;
        QTest::newRow("first wrong") << false << true << false;
        QTest::newRow("second wrong") << true << false << true;
        QTest::newRow("both wrong") << false << false << true;
    }
    void twoGaps()
    {
        QFETCH(bool, forsta);
        QFETCH(bool, andra);
        QFETCH(bool, paus);
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS56140.DAT"), 0));
        const quint16 post = SlumpPost;
        QCOMPARE(m_w->LuckAntal, 2);
        QVERIFY(m_w->Edit2->isVisible());
        QVERIFY(!m_w->Edit2->isEnabled()); // its turn comes after gap 1
        QCOMPARE(m_w->Edit2->y(), m_w->Edit1->y());
        QCOMPARE(m_w->Label10->text(), QStringLiteral(" Buch %1 ").arg(post));
        QCOMPARE(m_w->Edit2->x(), m_w->Label10->x() + m_w->Label10->width());
        // The lead sentence's marks are not asked.
        QCOMPARE(m_w->Label4->text(), QStringLiteral("har läst"));

        lucka(1, forsta);
        QCOMPARE(int(PostNummer), 1);
        QVERIFY(m_w->Label14->isVisible());
        QCOMPARE(m_w->Label14->palette().color(QPalette::WindowText), forsta ? kGron : kRodbrun);
        QCOMPARE(QApplication::focusWidget(), m_w->Edit2);
        QCOMPARE(m_w->Aster1->rutNummer(), 0); // one square per item

        lucka(2, andra);
        const bool ratt = forsta && andra;
        QCOMPARE(int(AntalRatt), ratt ? 1 : 0);
        QCOMPARE(int(AntalFel), ratt ? 0 : 1);
        QCOMPARE(FelPerLista[ListNummer], ratt ? 0 : 1); // queued once
        QCOMPARE(m_w->Aster1->rutNummer(), 1);
        QCOMPARE(m_w->Aster1->vitaRutor(), ratt ? QList<int>{} : QList<int>{1});
        QCOMPARE(SlumpPost == post, paus); // a wrong last gap keeps the corrections shown
        if (paus) {
            QTest::keyClick(m_w.get(), Qt::Key_Space);
            QTRY_VERIFY_WITH_TIMEOUT(SlumpPost != post, 1000);
        }
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
    }

    void wrongLastItemEndsTheRoundAfterThePause()
    {
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS56140.DAT"), 0));
        for (int i = 1; i < 10; ++i)
            post(true);
        lucka(1, true);
        lucka(2, false);
        QTest::qWait(600);
        QVERIFY(!m_w->Panel1->isVisible()); // the correction stays for the whole pause
        QVERIFY(m_w->Label15->isVisible());
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(m_w->Panel1->isVisible(), 1000);
        QCOMPARE(int(AntalRatt), 9);
        QVERIFY(m_w->Button1->isEnabled());
    }

    // Program 51220 draws its sentences in the labels' font, smaller than
    // the 22 points it was measured at: a sentence that fits the line in the
    // drawn font stays on one line, within the room left of the squares.
    void sentenceWrapsInTheFontItIsDrawnIn()
    {
        QVERIFY(oppnaRad(QStringLiteral("Ein <Wort>."), QStringLiteral("VRS51220.DAT")));
        const int vanster = m_w->InstruktionsLabel->x();
        const int hoger = m_w->width() - m_w->Aster1->width() - 2 * Marginal;
        const QFontMetrics ritad(m_w->Label9->font());
        QFont stor(QStringLiteral("Arial"));
        stor.setBold(true);
        stor.setPointSize(22);
        QString mening = QStringLiteral("Das ist <Peters> Buch");
        const QString mer = QStringLiteral(" und das Haus");
        while (ritad.horizontalAdvance(mening + mer) < (hoger - vanster) * 3 / 4)
            mening += mer;
        mening += QLatin1Char('.');
        // measured at 22 points, the sentence would take two lines
        QVERIFY(QFontMetrics(stor).horizontalAdvance(mening) > (hoger - vanster) * 100 / Skalning);

        QVERIFY(oppnaRad(mening, QStringLiteral("VRS51220.DAT")));
        QVERIFY(m_w->Edit1->isVisible());
        int hogerKant = 0;
        for (QWidget *w : std::initializer_list<QWidget *>{m_w->Label9, m_w->Label10, m_w->Label11, m_w->Label12,
                                                           m_w->Label13, m_w->Edit1}) {
            if (!w->isVisible())
                continue;
            QCOMPARE(w->y(), m_w->Edit1->y());
            hogerKant = qMax(hogerKant, w->x() + w->width());
        }
        QVERIFY(hogerKant > m_w->Edit1->x());
        QVERIFY(hogerKant <= hoger);
    }

    // A sentence that just fits its line as the wrap measures it (with the
    // marks "<" ">") keeps to the room when its gap is a box wider than that.
    void gapBoxesKeepLeftOfTheSquares()
    {
        QVERIFY(oppnaRad(QStringLiteral("Ein <Wort>."), QStringLiteral("VRS51220.DAT")));
        const int vanster = m_w->InstruktionsLabel->x();
        const int hoger = m_w->width() - m_w->Aster1->width() - 2 * Marginal;
        const QFontMetrics ritad(m_w->Label9->font());
        QString mening = QStringLiteral("Meine <Brüder> sind");
        while (ritad.horizontalAdvance(mening + QStringLiteral(" in.")) <= hoger - vanster)
            mening += QStringLiteral(" in");
        mening += QLatin1Char('.');

        QVERIFY(oppnaRad(mening, QStringLiteral("VRS51220.DAT")));
        for (QWidget *w : std::initializer_list<QWidget *>{m_w->Label9, m_w->Label10, m_w->Label11, m_w->Label12,
                                                           m_w->Label13, m_w->Edit1}) {
            if (w->isVisible())
                QVERIFY2(w->x() + w->width() <= hoger, qPrintable(w->objectName()));
        }
    }

    void secondGapOnTheSecondLine()
    {
        // Lines break before the second gap.
        setRadBredd([](const QString &t, int) { return t.contains(QLatin1String("Eins")) && t.contains(QLatin1String("zw")) ? 100000 : 0; });
        QVERIFY(oppnaRad(QStringLiteral("<Eins>, sagt er, <zwei> drei.")));
        QCOMPARE(m_w->luckSvar(1), QStringLiteral("Eins"));
        QCOMPARE(m_w->luckSvar(2), QStringLiteral("zwei"));
        QCOMPARE(m_w->Edit1->x(), m_w->InstruktionsLabel->x());
        QCOMPARE(m_w->Edit2->x(), m_w->InstruktionsLabel->x());
        QVERIFY(m_w->Edit2->y() > m_w->Edit1->y());
        lucka(1, true);
        lucka(2, true);
        QCOMPARE(int(AntalRatt), 1);
    }

    void errorRoundAsksEachWrongItemOnce()
    {
        QVERIFY(oppna(QStringLiteral("VRS56140.DAT"), 0));
        QList<quint16> falska;
        for (int i = 0; i < 10; ++i) {
            QTRY_VERIFY(m_w->Edit1->isEnabled());
            const bool fel = i == 1 || i == 4 || i == 7;
            if (fel)
                falska << SlumpPost;
            lucka(1, i != 1 && i != 4);
            lucka(2, i != 4 && i != 7);
            if (fel && !m_w->Panel1->isVisible())
                QTest::keyClick(m_w.get(), Qt::Key_Space);
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(FelPerLista[ListNummer], 3);
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(AntalPoster, 3);
        QList<quint16> fragade;
        const quint16 igen = SlumpPost;
        fragade << igen;
        lucka(1, true);
        lucka(2, false); // again wrong: to the end of the queue
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY(m_w->Edit1->isEnabled() && !fragade.contains(SlumpPost));
            fragade << SlumpPost;
            post(true);
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        std::sort(falska.begin(), falska.end());
        std::sort(fragade.begin(), fragade.end());
        QCOMPARE(fragade, falska);
        QCOMPARE(FelPerLista[ListNummer], 1);
        QCOMPARE(felKoAntal(), 1);
        QCOMPARE(int(FelKo[1].Post), int(igen));
    }

    void hints_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<int>("ledtradar");
        QTest::newRow("none") << "Jag <är>.#Ich <bin>." << 0;
        QTest::newRow("one") << "Jag <är>.#Ich <bin>.#sein" << 1;
        QTest::newRow("two") << "Jag <är>.#Ich <bin>.#sein#ich bin, du bist" << 2;
        QTest::newRow("three offer none") << "Jag <är>.#Ich <bin>.#a#b#c" << 3;
        QTest::newRow("alternatives are no hints") << "Jag <är>.#Ich <bin>.#sein#&bin's" << 1;
        QTest::newRow("one sentence field in a menu file") << "Ich <bin>.#sein" << 0;
    }
    void hints()
    {
        QFETCH(QString, rad);
        QFETCH(int, ledtradar);
        QVERIFY(oppnaRad(rad));
        QCOMPARE(int(m_w->HjalpAntal), ledtradar);
        QPushButton *hjalp = m_w->findChild<QPushButton *>(QStringLiteral("HelpKnapp1"));
        QVERIFY(hjalp);
        QCOMPARE(hjalp->text(), QStringLiteral("&Hilfe"));
        const bool knapp = ledtradar == 1 || ledtradar == 2;
        QCOMPARE(hjalp->isVisible(), knapp);
        QVERIFY(!m_w->Label16->isVisible());
        if (!knapp)
            return;
        QTest::mouseClick(hjalp, Qt::LeftButton);
        QVERIFY(m_w->Label16->isVisible());
        QCOMPARE(m_w->Label16->text(), QStringLiteral("sein"));
        QVERIFY(m_w->Label16->y() > m_w->Edit1->y());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
        if (ledtradar == 1) {
            QVERIFY(hjalp->isVisible());
            QVERIFY(!hjalp->isEnabled());
            return;
        }
        QVERIFY(hjalp->isEnabled());
        QVERIFY(!m_w->Label17->isVisible());
        QTest::mouseClick(hjalp, Qt::LeftButton);
        QVERIFY(m_w->Label17->isVisible());
        QCOMPARE(m_w->Label17->text(), QStringLiteral("ich bin, du bist"));
        QVERIFY(!hjalp->isVisible());
    }

    void lampFollowsTheActiveGap()
    {
        QVERIFY(oppnaRad(QStringLiteral("Vi <är> <här>.#Wir <sind> heute <hier>.#&seid")));
        const QColor lime(0, 255, 0);
        const QColor rod(255, 0, 0);
        QVERIFY(m_w->lampknapp->isVisible());
        m_w->Edit1->setFocus();
        typeText(m_w->Edit1, QStringLiteral("six"));
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        QVERIFY(!m_w->lampknapp->isVisible());
        QVERIFY(m_w->LampShape->isVisible());
        QCOMPARE(m_w->LampShape->brushColor(), rod); // coloured at once
        QCOMPARE(m_w->LampShape->y(), m_w->Edit1->y());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
        m_w->Edit1->clear();
        typeText(m_w->Edit1, QStringLiteral("si"));
        QCOMPARE(m_w->LampShape->brushColor(), lime);
        m_w->Edit1->setText(QStringLiteral("se")); // the start of an alternative
        QCOMPARE(m_w->LampShape->brushColor(), lime);
        m_w->Edit1->setText(QStringLiteral("sind"));
        QTest::keyClick(m_w->Edit1, Qt::Key_Return);
        // Now the lamp judges the second gap.
        typeText(m_w->Edit2, QStringLiteral("hi"));
        QCOMPARE(m_w->LampShape->brushColor(), lime);
        typeText(m_w->Edit2, QStringLiteral("x"));
        QCOMPARE(m_w->LampShape->brushColor(), rod);
        QTest::mouseClick(m_w->LampShape, Qt::LeftButton);
        QVERIFY(!m_w->LampShape->isVisible());
        QVERIFY(m_w->lampknapp->isVisible());
    }

    void lampButtonRestsAfterTheOnlyGap()
    {
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS53200.DAT"), 0));
        skriv(m_w->Edit1, QStringLiteral("falsch"));
        QVERIFY(!m_w->lampknapp->isEnabled());
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        QVERIFY(m_w->lampknapp->isEnabled());
    }

    void germanLettersInTheSecondGap()
    {
        QVERIFY(oppnaRad(QStringLiteral("Den är <stor> och <söt>.#Er ist <groß> und <süß>.")));
        lucka(1, true);
        QTest::keyClick(m_w->Edit2, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(m_w->Edit2->text(), QStringLiteral("ß"));
        m_w->Edit2->clear();
        typeText(m_w->Edit2, QStringLiteral("sü"));
        QTest::keyClick(m_w->Edit2, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(m_w->Edit2, Qt::Key_Return);
        QCOMPARE(int(AntalRatt), 1);
    }

    void escapeAndContinueInMidItem()
    {
        QVERIFY(oppnaRad(QStringLiteral("Jag <har> <sett>.#Ich <habe> es <gesehen>.#sehen")));
        QPushButton *hjalp = m_w->findChild<QPushButton *>(QStringLiteral("HelpKnapp1"));
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        lucka(1, false);
        QTest::keyClick(m_w->Edit2, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isEnabled()); // an item counts, and is queued, once it is answered whole
        QVERIFY(!m_w->LampShape->isVisible());
        QVERIFY(!hjalp->isVisible());
        QVERIFY(!m_w->Edit2->isEnabled());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(!m_w->Panel1->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit2);
        QVERIFY(hjalp->isVisible());
        QVERIFY(m_w->lampknapp->isVisible());
        lucka(2, true);
        QCOMPARE(int(AntalFel), 1);
        QCOMPARE(int(PostNummer), 2);
    }

    void captionsAndRulesByProgram_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("fortsatt");
        QTest::addColumn<QString>("regel");
        QTest::newRow("56720 Swedish") << "VRS56720.DAT" << "&Fortsätta" << "&Regel";
        QTest::newRow("56760 Swedish") << "VRS56760.DAT" << "&Fortsätta" << "&Regel";
        QTest::newRow("54100 German") << "VRS54100.DAT" << "&Fortsetzen" << "&Regeln";
        QTest::newRow("53200 no rules") << "VRS53200.DAT" << "&Fortsetzen" << "";
        QTest::newRow("52500 has no rule page") << "VRS52500.DAT" << "&Fortsetzen" << "";
    }
    void captionsAndRulesByProgram()
    {
        QFETCH(QString, fil);
        QFETCH(QString, regel);
        QVERIFY(oppnaRad(QStringLiteral("Huset <byggs>.#Das Haus <wird> <gebaut>.#werden + Partizip"), fil));
        QTEST(m_w->Button2->text(), "fortsatt");
        QCOMPARE(m_w->regelknapp->isVisible(), !regel.isEmpty());
        if (regel.isEmpty())
            return;
        QCOMPARE(m_w->regelknapp->text(), regel);
        QPushButton *hjalp = m_w->findChild<QPushButton *>(QStringLiteral("HelpKnapp1"));
        QCOMPARE(m_w->regelknapp->x(), hjalp->x() + hjalp->width() + Marginal);
        QCOMPARE(m_w->regelknapp->y(), m_w->lampknapp->y());
        QVERIFY(m_w->lampknapp->y() > m_w->Label16->y()); // the buttons stand below the hint lines
    }

    void settingsOnlyInPractice_data()
    {
        QTest::addColumn<int>("lage");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("practice") << 0 << true;
        QTest::newRow("test") << 2 << false;
        QTest::newRow("diagnosis practice") << 3 << false;
    }
    void settingsOnlyInPractice()
    {
        QFETCH(int, lage);
        QFETCH(bool, dialog);
        m_course->write(QStringLiteral("DATA/VRDIAG07.DAT"),
                        diagnos(22, QStringLiteral("Vi har %1 <katter>.#Wir haben %1 <Katzen>.#die Katze")));
        QVERIFY(oppna(QStringLiteral("VRDIAG07.DAT"), quint8(lage)));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->isVisible()); // Esc does not end a test
        bool oppnad = false;
        closeNextModal(&oppnad);
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(oppnad, dialog);
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(m_w->Edit1->isEnabled());
        QCOMPARE(m_w->focusWidget(), m_w->Edit1);
    }

    void diagnosisFiles_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("rad");
        QTest::addColumn<int>("lage");
        QTest::addColumn<QString>("fast");     // the fixed line under the sentence
        QTest::addColumn<QString>("svaret");
        QTest::newRow("plural test") << "VRDIAG07.DAT" << "Vi har <katter>.#Wir haben <Katzen>.#die Katze" << 2
                                     << "die Katze" << "Katzen";
        QTest::newRow("plural practice") << "VROVN108.DAT" << "Jag ger <hästarna> hö.#Ich gebe den <Pferden> Heu.#das Pferd"
                                         << 3 << "das Pferd" << "Pferden";
        QTest::newRow("adjectives take no hint") << "VRDIAG11.DAT" << "Den <gamla> mannen.#Der <alte> Mann.#alt" << 2
                                                 << "" << "alte";
        QTest::newRow("sein or haben: one sentence field") << "VROVN117.DAT"
                                                           << "Ich <bin> gegangen.#Jag gick.#gehen – gegangen" << 4
                                                           << "gehen – gegangen" << "bin";
    }
    void diagnosisFiles()
    {
        QFETCH(QString, fil);
        QFETCH(QString, rad);
        QFETCH(int, lage);
        QFETCH(QString, fast);
        DiagOvningNr = 0;
        m_course->write(QStringLiteral("DATA/") + fil, diagnos(1, rad));
        QVERIFY(oppna(fil, quint8(lage)));
        QCOMPARE(AntalPoster, 20);
        QVERIFY(m_w->DiagPanel1->isVisible());
        QVERIFY(!m_w->lampknapp->isVisible());
        QVERIFY(!m_w->findChild<QPushButton *>(QStringLiteral("HelpKnapp1"))->isVisible());
        QVERIFY(!m_w->regelknapp->isVisible());
        QCOMPARE(m_w->Label16->isVisible(), !fast.isEmpty());
        if (!fast.isEmpty())
            QCOMPARE(m_w->Label16->text(), fast);
        QTEST(m_w->luckSvar(1), "svaret");
        QCOMPARE(m_w->Label3->isVisible(), m_w->Meningsfalt == 2);
        lucka(1, true);
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("1"));
        QCOMPARE(m_w->DiagLabel3->text(), QStringLiteral("2/20"));
    }

    void testReportsWhenLeftOrEnded_data()
    {
        QTest::addColumn<bool>("avbryt");
        QTest::newRow("left with Abbrechen") << true;
        QTest::newRow("whole round") << false;
    }
    void testReportsWhenLeftOrEnded()
    {
        QFETCH(bool, avbryt);
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 7;
        m_course->write(QStringLiteral("DATA/VRDIAG07.DAT"),
                        diagnos(22, QStringLiteral("Vi har %1 <katter>.#Wir haben %1 <Katzen>.#die Katze")));
        QVERIFY(oppna(QStringLiteral("VRDIAG07.DAT"), 2));
        for (int i = 0; i < 3; ++i)
            post(i != 1);
        if (avbryt) {
            QTRY_VERIFY(m_w->Edit1->isEnabled());
            QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
            QVERIFY(m_w->Panel1->isVisible());
            QVERIFY(!m_w->Button1->isEnabled()); // a test has no error round
            QTest::mouseClick(m_w->Button3, Qt::LeftButton);
            QVERIFY(!m_w->isVisible());
            QCOMPARE(AktivDiagnos.Resultat[7], 2);
        } else {
            runda(0);
            QTRY_VERIFY(!m_w->isVisible());
            QCOMPARE(AktivDiagnos.Resultat[7], 19);
        }
    }

    void diagnosisPracticeMovesToTheTest()
    {
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 8;
        DiagOvningNr = 0;
        QStringList protokoll;
        diagnoskoppling().skrivStatus = [&protokoll](int rad, const QString &t) {
            protokoll << QString::number(rad) + QLatin1Char(':') + t;
        };
        m_course->write(QStringLiteral("DATA/VROVN108.DAT"),
                        diagnos(24, QStringLiteral("Jag ser %1 <hundar>.#Ich sehe %1 <Hunde>.#der Hund")));
        QVERIFY(oppna(QStringLiteral("VROVN108.DAT"), 3));
        runda(12); // 8 right: a good first round
        QCOMPARE(int(OvningsLage), 4);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        runda(0);
        QTRY_VERIFY(!m_w->isVisible());
        QCOMPARE(int(OvningsLage), 2);
        QCOMPARE(protokoll, QStringList{QStringLiteral("8:    Testa")});
    }

    void worksheetModeShowsTheStoredSentence()
    {
        QVERIFY(oppnaRad(QStringLiteral("Jag <har> en hund.#Ich <habe> einen Hund.#haben"), QStringLiteral("VRS56530.DAT"), 1));
        QCOMPARE(m_w->Label9->text(), QStringLiteral("Ich <habe> einen Hund."));
        QCOMPARE(m_w->Label9->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(m_w->Label9->isVisible());
        for (QWidget *w : {static_cast<QWidget *>(m_w->Edit1), static_cast<QWidget *>(m_w->Edit2),
                           static_cast<QWidget *>(m_w->Label3), static_cast<QWidget *>(m_w->Aster1),
                           static_cast<QWidget *>(m_w->lampknapp), static_cast<QWidget *>(m_w->regelknapp)})
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QCOMPARE(UtskriftInstruktion, QStringLiteral("Übersetzt den Text zwischen < und >!"));
        QCOMPARE(UtskriftRubrik, QStringLiteral("Räkneord"));
    }

    void bundledFilesHaveGapsWhereTheWindowAsks_data()
    {
        QTest::addColumn<QString>("fil");
        for (const char *f : {"VRS51210", "VRS51220", "VRS51300", "VRS51410", "VRS51420", "VRS51430", "VRS51450",
                              "VRS51460", "VRS51480", "VRS52500", "VRS53200", "VRS54100", "VRS54200", "VRS54400",
                              "VRS54500", "VRS54600", "VRS54700", "VRS54800", "VRS56120", "VRS56130", "VRS56140",
                              "VRS56150", "VRS56220", "VRS56230", "VRS56240", "VRS56250", "VRS56510", "VRS56520",
                              "VRS56530", "VRS56540", "VRS56550", "VRS56560", "VRS56570", "VRS56720", "VRS56760",
                              "VRS56770", "VRS56800", "VRDIAG07", "VRDIAG08", "VRDIAG11", "VRDIAG12", "VRDIAG17",
                              "VROVN107", "VROVN108", "VROVN111", "VROVN112", "VROVN117"})
            QTest::newRow(f) << QString::fromLatin1(f) + QStringLiteral(".DAT");
    }
    void bundledFilesHaveGapsWhereTheWindowAsks()
    {
        QFETCH(QString, fil);
        PCPath = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        CDPath.clear();
        HaemtaDatFiler();
        bool listad = false;
        for (int i = 1; i <= AntalDatFiler; ++i)
            listad = listad || DatFiler[i].compare(fil, Qt::CaseInsensitive) == 0;
        QVERIFY2(listad, "the file is listed in datfiler.vrs");
        QVERIFY(Kolla(fil));
        QVERIFY2(PostAntal[ListNummer] >= 14, qPrintable(QString::number(PostAntal[ListNummer])));
        const quint16 tal = GeProgramtal(fil);
        const int meningsfalt = (tal == 17 || tal == 117) ? 1 : 2;
        for (int i = 1; i <= PostAntal[ListNummer]; ++i) {
            QVERIFY(haemtaord(fil, i));
            str_postarray(PostRad);
            const bool medLed = meningsfalt == 2 && !postFalt(2).isEmpty();
            const QString mening = medLed ? postFalt(2) : postFalt(1);
            const qsizetype luckor = mening.count(QLatin1Char('<'));
            QVERIFY2(luckor >= 1 && luckor <= 2 && mening.count(QLatin1Char('>')) == luckor, qPrintable(PostRad));
            if (medLed)
                QVERIFY2(postFalt(1).count(QLatin1Char('<')) == postFalt(1).count(QLatin1Char('>')), qPrintable(PostRad));
        }
        // And a whole round runs on it with the right answers.
        NollstallSlump(1, MaxSlumptal);
        QVERIFY(oppna(fil, 0));
        for (int i = 0; i < 10; ++i)
            post(true);
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(int(AntalRatt), 10);
    }
};

VARMIKO_TEST_MAIN(TestTSkrivinf)
#include "test_tskrivinf.moc"
