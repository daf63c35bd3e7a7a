// Esc in the pause after a wrong answer, in every exercise window built on
// the typed-answer window: the end panel comes up over the item and stays,
// and no item is asked behind it, long after the pause would have ended.

#include "ExerciseWindow.h"
#include "FakeSound.h"
#include "FrageOvning.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/grammar/TFLERBAR.h"
#include "drills/grammar/TPassAkt.h"
#include "drills/grammar/TSats.h"
#include "drills/grammar/TStegran.h"
#include "drills/vocabulary/TBilden.h"
#include "drills/vocabulary/TBildvis.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/vocabulary/TFalska.h"
#include "drills/vocabulary/dinaordlistor.h"
#include "drills/writing/TDiktam.h"
#include "drills/writing/TKlockan.h"
#include "drills/writing/TSKRIV.h"
#include "drills/writing/TSkrivinf.h"
#include "drills/writing/Tskriv2.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>

#include <functional>
#include <memory>

namespace {

QStringList med(const QStringList &huvud, const QString &rad, int n)
{
    QStringList l = huvud;
    for (int i = 1; i <= n; ++i)
        l << rad.arg(i);
    return l;
}

// Drops part del of the sentence on box ruta, as the mouse would.
bool slapp(TSats *w, int del, int ruta)
{
    std::unique_ptr<QMimeData> mime(w->delMimeData(w->Men[del]));
    QWidget *mal = w->Memo[ruta];
    const QPoint p = mal->rect().center();
    QDragEnterEvent in(p, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mal, &in);
    QDragMoveEvent over(p, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mal, &over);
    QDropEvent drop(QPointF(p), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mal, &drop);
    return drop.isAccepted();
}

// The box that takes part del.
int rutaFor(const TSats *w, int del)
{
    for (int k = 1; k <= w->AntalRutor; ++k)
        if (w->RutaDel[k] == del)
            return k;
    return 0;
}

} // namespace

class TestEscapeInThePause : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TSKRIV> m_w;
    std::unique_ptr<FakeSound> m_ljud;

    template <class W>
    W *oppna(const QString &fil)
    {
        std::unique_ptr<W> w;
        if (!openExercise(w, fil, 0))
            return nullptr;
        W *p = w.get();
        m_w = std::move(w);
        return p;
    }

    // Opens the window of the row and answers its first item wrongly.
    using Steg = std::function<TSKRIV *(TestEscapeInThePause &)>;
    static QMap<QString, Steg> fonster()
    {
        const auto skriv = [](QLineEdit *e) {
            QTRY_VERIFY(e->isEnabled());
            typeAnswer(e, QStringLiteral("falsch"));
        };
        return {
            {QStringLiteral("TSKRIV"),
             [skriv](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TSKRIV>(QStringLiteral("VRS41000.DAT"));
                 skriv(w->Edit1);
                 return w;
             }},
            {QStringLiteral("Tskriv2"),
             [](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<Tskriv2>(QStringLiteral("VRS52100.DAT"));
                 typeAnswer(w->Edit1, QStringLiteral("falsch"));
                 typeAndEnter(w->Edit2, QStringLiteral("falsch"));
                 return w;
             }},
            {QStringLiteral("TSkrivinf"),
             [skriv](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TSkrivinf>(QStringLiteral("VRS53200.DAT"));
                 skriv(w->Edit1);
                 return w;
             }},
            {QStringLiteral("TDiktam"),
             [skriv](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TDiktam>(QStringLiteral("VRS43000.DAT"));
                 skriv(w->Edit1);
                 return w;
             }},
            {QStringLiteral("TKlockan"),
             [skriv](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TKlockan>(QStringLiteral("VRS53300.DAT"));
                 skriv(w->Edit1);
                 return w;
             }},
            {QStringLiteral("TStegran"),
             [](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TStegran>(QStringLiteral("VRS53100.DAT"));
                 typeAndEnter(w->Edit1, QStringLiteral("falsch"));
                 return w;
             }},
            {QStringLiteral("TBilden"),
             [skriv](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TBilden>(QStringLiteral("VRS21304.DAT"));
                 skriv(w->Edit1);
                 return w;
             }},
            {QStringLiteral("TFLERBAR"),
             [](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TFLERBAR>(QStringLiteral("VRS55110.DAT"));
                 for (int k = 1; k <= w->AntalSvarsord; ++k)
                     if (w->OrdPanel[k]->text() != w->KorrektSvarLabel->text()) {
                         QTest::mouseClick(w->OrdPanel[k], Qt::LeftButton);
                         break;
                     }
                 return w;
             }},
            {QStringLiteral("TPassAkt"),
             [](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TPassAkt>(QStringLiteral("VRS56710.DAT"));
                 for (int k = 1; k <= w->AntalPassAktAlternativ; ++k)
                     if (w->AlternativPanel[k]->text() != postFalt(2)) {
                         QTest::mouseClick(w->AlternativPanel[k], Qt::LeftButton);
                         break;
                     }
                 return w;
             }},
            {QStringLiteral("TSats"),
             [](TestEscapeInThePause &t) -> TSKRIV * {
                 // A part dropped on a wrong box first: the item counts wrong.
                 auto *w = t.oppna<TSats>(QStringLiteral("VRS57300.DAT"));
                 slapp(w, 1, rutaFor(w, 2));
                 for (int del = 1; del <= 4; ++del)
                     slapp(w, del, rutaFor(w, del));
                 return w;
             }},
            {QStringLiteral("TBildvis"),
             [](TestEscapeInThePause &t) -> TSKRIV * {
                 auto *w = t.oppna<TBildvis>(QStringLiteral("VRS21520.DAT"));
                 QTest::keyClick(w, Qt::Key(Qt::Key_1 + (w->RattPosition == 1 ? 1 : 0)));
                 return w;
             }},
            {QStringLiteral("TDinaOrd"),
             [skriv](TestEscapeInThePause &t) -> TSKRIV * {
                 Programtal = AllmannaGlosor;
                 OvningsLage = 0;
                 auto w = std::make_unique<TDinaOrd>();
                 w->FormCreate();
                 w->show();
                 QApplication::setActiveWindow(w.get());
                 w->ListBox1->setCurrentRow(0);
                 w->ListBox1->setFocus();
                 QTest::keyClick(w->ListBox1, Qt::Key_Return);
                 typeAndEnter(w->Edit2, QStringLiteral("Anna"));
                 skriv(w->Edit1);
                 t.m_w = std::move(w);
                 return t.m_w.get();
             }},
            {QStringLiteral("TFalska"),
             [](TestEscapeInThePause &t) -> TSKRIV * {
                 // A wrong count: the round waits for "Weiter".
                 auto *w = t.oppna<TFalska>(QStringLiteral("VRS22000.DAT"));
                 typeAnswer(w->Edit1, QStringLiteral("Anna"));
                 QTest::keyClick(w, Qt::Key(Qt::Key_0 + (w->RattAntal == 0 ? 1 : 0)));
                 return w;
             }},
        };
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        m_course = std::make_unique<TestCourse>();
        const QStringList kopf{QStringLiteral("$Übung"), QStringLiteral("$§Tut es.")};
        m_course->write(QStringLiteral("DATA/VRS41000.DAT"), frageOvning(12, kopf));
        m_course->write(QStringLiteral("DATA/VRS52100.DAT"), med(kopf, QStringLiteral("Wort %1#erste %1#zweite %1#ord %1"), 12));
        m_course->write(QStringLiteral("DATA/VRS53200.DAT"),
                        med(kopf, QStringLiteral("Mening %1 med <ord>.#Satz %1 mit <Wort%1> hier."), 12));
        m_course->write(QStringLiteral("DATA/VRS43000.DAT"), med(kopf, QStringLiteral("Wort %1#ord %1"), 12));
        for (int i = 1; i <= 12; ++i)
            m_course->writeBytes(QStringLiteral("LJUD/T430/T430%1.WAV").arg(i, 3, 10, QLatin1Char('0')), "RIFF");
        m_course->write(QStringLiteral("DATA/VRS53300.DAT"), med(kopf, QStringLiteral("Uhr %1#&Zeit %1"), 12));
        m_course->write(QStringLiteral("DATA/VRS53100.DAT"), med(kopf, QStringLiteral("1Aufgabe %1#antwort %1"), 6));
        m_course->write(QStringLiteral("DATA/VRS21304.DAT"), med(kopf, QStringLiteral("Was ist Nummer %1?#die Antwort %1"), 12));
        m_course->write(QStringLiteral("DATA/VRS55110.DAT"),
                        med(kopf, QStringLiteral("Hier ist <der> Tisch %1."), 4)
                            + med({}, QStringLiteral("Wo ist <die> Lampe %1?"), 4)
                            + med({}, QStringLiteral("Da liegt <das> Buch %1."), 4));
        m_course->write(QStringLiteral("DATA/VRS56710.DAT"),
                        med(kopf, QStringLiteral("Der Brief %1 wird geschrieben.#passiv#aktiv"), 12));
        m_course->write(QStringLiteral("DATA/VRS57300.DAT"),
                        med({QStringLiteral("$Satzglieder")},
                            QStringLiteral("<Frau %1> <gibt> <dem Kind> <einen Ball>.#S#P#DO#AO"), 12));
        m_course->write(QStringLiteral("DATA/VRS21520.DAT"),
                        med(kopf, QStringLiteral("das Tier%1#der Falsch%1#die Falsch%1#djur%1"), 12));
        m_course->write(QStringLiteral("DATA/VRSK1.vr1"), med({}, QStringLiteral("Wort %1#ord %1"), 12));
        m_course->write(QStringLiteral("DATA/VRS22000.DAT"),
                        med(kopf, QStringLiteral("das Wort%1 = ord%1#F#Sinn%1"), 6)
                            + med({}, QStringLiteral("die Sache%1 = sak%1#R"), 6));
        m_course->mkdir(QStringLiteral("RESULTAT"));
        m_course->activate();
        m_ljud = std::make_unique<FakeSound>();
        PausTid = 1;
        BildInst = 0;
        LjudInst = 1;
        DiktamVisning = 0;
        DiagnosPathKlar = 0;
        ScoreDirectoryOk = 1;
        SpelarNamn[1].clear();
    }
    void cleanup()
    {
        m_w.reset();
        m_ljud.reset();
        m_course.reset();
        OvningsLage = 0;
    }

    void thePanelStaysAndNoItemIsAsked_data()
    {
        QTest::addColumn<QString>("fonster");
        for (const QString &namn : fonster().keys())
            QTest::newRow(qPrintable(namn)) << namn;
    }
    void thePanelStaysAndNoItemIsAsked()
    {
        QFETCH(QString, fonster);
        MessageRecorder meddelanden;
        TSKRIV *w = TestEscapeInThePause::fonster().value(fonster)(*this);
        QVERIFY(w);
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(w->isVisible());
        QVERIFY(!w->Panel1->isVisible());
        // The wrong answer is taken, and its pause runs (the sentence-parts
        // window has none inside a round: its next item is asked at once).
        QCOMPARE(int(RattSvarFlagga), 0);
        QCOMPARE(w->cykel().pausPagar(), fonster != QLatin1String("TSats"));

        QWidget *fokus = QApplication::focusWidget();
        QTest::keyClick(fokus ? fokus : w, Qt::Key_Escape);
        QVERIFY(w->Panel1->isVisible());
        QCOMPARE(w->cykel().lage(), Postcykel::Lage::Avbrott);
        const QString post = PostRad;
        const quint16 nummer = PostNummer;

        // Past the end of the pause the panel is still up over the same item.
        QTest::qWait((PausTid + 1) * 1000);
        QVERIFY(w->isVisible());
        QVERIFY(w->Panel1->isVisible());
        QCOMPARE(w->cykel().lage(), Postcykel::Lage::Avbrott);
        QCOMPARE(PostRad, post);
        QCOMPARE(PostNummer, nummer);
    }
};

VARMIKO_TEST_MAIN(TestEscapeInThePause)
#include "test_escapeinthepause.moc"
