// Sentence parts by drag and drop: the sentence and its boxes, drops that
// are right and wrong, levels and the top level, rounds with their end,
// the bar, the hint line, worksheet lines, and the bundled exercises.
// A drop is made as the platform would deliver it: the data of the dragged
// part label, then drag-enter, drag-move and drop events on the box.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "ModalWindow.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "drills/grammar/NivaRuta.h"
#include "drills/grammar/TSats.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/DesignTimer.h"
#include "platform/ShapeWidget.h"
#include "results/TUtskrift.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace {

// Ten and more items of one shape: subject, predicate, dative and
// accusative object.
QStringList runden(int n, const QStringList &extra = {})
{
    QStringList l{QStringLiteral("$Satzglieder"), QStringLiteral("$Dativ oder Akkusativ")};
    l << extra;
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("<Frau %1> <gibt> <dem Kind> <einen Ball>.#S#P#DO#AO").arg(i);
    return l;
}

const QStringList kRundKoder{QStringLiteral("Subjekt"), QStringLiteral("Predikat"), QStringLiteral("Dativ-"),
                             QStringLiteral("Ackusativ-")};

} // namespace

class TestTSats : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TSats> m_w;

    TSats *oppna(const QString &fil, quint8 lage = 0)
    {
        m_w.reset();
        return openExercise(m_w, fil, lage);
    }

    // The part label with this text (parts 1..5 only).
    int del(const QString &text) const
    {
        for (int k = 1; k <= TSats::MaxDelar; ++k)
            if (m_w->Men[k]->isVisible() && m_w->Men[k]->text() == text)
                return k;
        return 0;
    }
    // The first box not yet filled whose caption begins so.
    int ruta(const QString &rubrik) const
    {
        for (int k = 1; k <= TSats::MaxDelar; ++k)
            if (m_w->Memo[k]->isVisible() && m_w->Memo[k]->text().startsWith(rubrik) && m_w->RutaKlar[k] == 0)
                return k;
        return 0;
    }
    QStringList rutor() const
    {
        QStringList r;
        for (int k = 1; k <= TSats::MaxDelar; ++k)
            if (m_w->Memo[k]->isVisible())
                r << m_w->Memo[k]->text();
        return r;
    }

    void musOver(QWidget *w)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    bool slapp(int delNr, int rutaNr)
    {
        if (delNr < 1 || rutaNr < 1)
            return false;
        musOver(m_w->Men[delNr]); // the pointer on the part, where the drag starts
        std::unique_ptr<QMimeData> mime(m_w->delMimeData(m_w->Men[delNr]));
        QWidget *mal = m_w->Memo[rutaNr];
        const QPoint p = mal->rect().center();
        QDragEnterEvent in(p, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mal, &in);
        if (!in.isAccepted())
            return false;
        QDragMoveEvent over(p, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mal, &over);
        QDropEvent drop(QPointF(p), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mal, &drop);
        return drop.isAccepted();
    }
    bool slapp(const QString &delText, const QString &rubrik) { return slapp(del(delText), ruta(rubrik)); }

    // Drops every part with a box on a box of its function, as the item line
    // codes them.
    void losPosten()
    {
        for (int p = 1; p <= TSats::MaxDelar; ++p) {
            const int kod = TSats::kodNummer(postFalt(p + 1));
            if (kod == 0 || !m_w->Men[p]->isVisible() || m_w->arPlacerad(p))
                continue;
            const QString text = m_w->Men[p]->text();
            QVERIFY2(slapp(p, ruta(TSats::SatsdelRubrik(kod, 1))), qPrintable(text));
            if (m_w->postKlar())
                return;
        }
    }
    // The round items: the parts in their order onto their boxes.
    void losRundPosten(bool medFel = false)
    {
        if (medFel)
            QVERIFY(!slapp(2, ruta(kRundKoder[0])));
        for (int p = 1; p <= 4; ++p)
            QVERIFY(slapp(p, ruta(kRundKoder[p - 1])));
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "3");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS57100.DAT"),
                        {QStringLiteral("$Satslösning"), QStringLiteral("1<Anna> <schläft>.#S#P"),
                         QStringLiteral("2Heute <spielt> <der Junge> im Garten.#P#S"),
                         QStringLiteral("3<Der Vater> <liest> <am Abend> <die Zeitung>.#S#P#NN#AO")});
        m_course->write(QStringLiteral("DATA/VRS57200.DAT"),
                        {QStringLiteral("$Ackusativobjekt"), QStringLiteral("12<Ich> <sehe> <den Hund>.#S#P#AO")});
        m_course->write(QStringLiteral("DATA/VRS57300.DAT"), runden(12));
        m_course->write(QStringLiteral("DATA/VRS57900.DAT"),
                        {QStringLiteral("<Der Hund> <im Garten> <bellt>.#S#NN#P"),
                         QStringLiteral("<Er> <hat> das Buch <gelesen>.#S#P#P")});
        m_course->activate();
        PausTid = 0;
        BildInst = 1;
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        OvningsLage = 0;
    }

    void codesAndCaptions()
    {
        QCOMPARE(TSats::kodNummer(QStringLiteral("ao")), 1);
        QCOMPARE(TSats::kodNummer(QStringLiteral("S ")), 5);
        QCOMPARE(TSats::kodNummer(QStringLiteral("NN")), 0);
        QCOMPARE(TSats::kodNummer(QString()), 0);
        QCOMPARE(TSats::SatsdelRubrik(4, 1) + TSats::SatsdelRubrik(4, 2), QStringLiteral("Predikats-fyllnad"));
    }

    // Boxes stand in the fixed order AO, DO, P, PF, S; an "NN" part stays in
    // the sentence, and no box takes it.
    void sentenceAndBoxes()
    {
        QVERIFY(oppna(QStringLiteral("VRS57900.DAT")));
        while (!m_w->Men[2]->text().startsWith(QLatin1String("im")))
            m_w->NyPost(); // the items come in the file's random order
        QCOMPARE(rutor(), QStringList({QStringLiteral("Predikat"), QStringLiteral("Subjekt")}));
        QCOMPARE(m_w->Mell[3]->text(), QStringLiteral(" "));
        QCOMPARE(m_w->Mell[4]->text(), QStringLiteral("."));
        QVERIFY(m_w->Men[6]->isVisible()); // the copy under "Der Hund"
        QVERIFY(m_w->Men[1]->y() == m_w->Men[2]->y() && m_w->Men[2]->x() > m_w->Men[1]->x());
        QVERIFY(!m_w->FelPanel->isVisible());

        QVERIFY(slapp(QStringLiteral("bellt"), QStringLiteral("Predikat")));
        QVERIFY(m_w->arPlacerad(3));
        QCOMPARE(m_w->Shape1->brushColor(), bgrFarg(0x00FF00));
        QVERIFY(m_w->Men[3]->y() < m_w->Memo[1]->y());
        // A placed part stays placed.
        QVERIFY(!slapp(3, 1));
        QCOMPARE(m_w->AntalPlacerade, 1);
        // The "NN" part fits no box.
        QVERIFY(!slapp(QStringLiteral("im Garten"), QStringLiteral("Subjekt")));
        QVERIFY(m_w->FelPanel->isVisible());
        QCOMPARE(m_w->Shape1->brushColor(), bgrFarg(0x0000FF));
        QVERIFY(slapp(QStringLiteral("Der Hund"), QStringLiteral("Subjekt")));
        // Two right drops end the item, wrong because of the first try.
        QCOMPARE(int(AntalFel), 1);
        QCOMPARE(m_w->Aster1->vitaRutor(), QList<int>{1});
        QCOMPARE(FelPerLista[ListNummer], 1);
    }

    // Two boxes that read alike take either of their parts.
    void boxesThatReadAlike()
    {
        QVERIFY(oppna(QStringLiteral("VRS57900.DAT")));
        while (m_w->Men[2]->text() != QLatin1String("hat"))
            m_w->NyPost();
        QCOMPARE(rutor(),
                 QStringList({QStringLiteral("Predikat"), QStringLiteral("Predikat"), QStringLiteral("Subjekt")}));
        QVERIFY(slapp(del(QStringLiteral("gelesen")), 1));
        QVERIFY(slapp(del(QStringLiteral("hat")), 2));
        QVERIFY(slapp(QStringLiteral("Er"), QStringLiteral("Subjekt")));
        QCOMPARE(int(AntalRatt), 1);
        QCOMPARE(int(AntalFel), 0);
    }

    // Three right items in a row raise the level; one wrong drop makes an
    // item wrong and lowers it; at level 1 a wrong item changes nothing.
    void levels()
    {
        QVERIFY(oppna(QStringLiteral("VRS57100.DAT")));
        QVERIFY(m_w->NivPanel->isVisible());
        QVERIFY(m_w->regelknapp->isVisible());
        QCOMPARE(m_w->NivPanel->NivLabel1->text(), QStringLiteral("Nivå"));
        QVERIFY(!m_w->Aster1->isVisible());
        QVERIFY(!m_w->Button1->isVisible());
        QCOMPARE(m_w->Label3->text(), QStringLiteral("För musen över meningen."));
        QCOMPARE(m_w->Men[1]->text(), QStringLiteral("Anna"));
        losPosten();
        QCOMPARE(m_w->NivPanel->NivLabel2->font().pointSize(), 24);
        QVERIFY(!slapp(QStringLiteral("schläft"), QStringLiteral("Subjekt"))); // a wrong item at level 1
        losPosten();
        QCOMPARE(m_w->NivPanel->NivLabel2->text(), QStringLiteral("1"));
        QCOMPARE(int(AntalRatt), 1);
        losPosten();
        losPosten();
        QCOMPARE(m_w->NivPanel->NivLabel2->text(), QStringLiteral("2"));
        QCOMPARE(m_w->NivPanel->Gauge1->value(), 2);
        QCOMPARE(m_w->Men[1]->text(), QStringLiteral("spielt"));
        QCOMPARE(m_w->Mell[1]->text(), QStringLiteral("Heute "));
        QVERIFY(!slapp(QStringLiteral("spielt"), QStringLiteral("Subjekt")));
        losPosten();
        QCOMPARE(m_w->NivPanel->NivLabel2->text(), QStringLiteral("1"));
        QCOMPARE(m_w->NivPanel->NivLabel2->font().pointSize(), 18);
        QCOMPARE(FelPerLista[ListNummer], 0); // levels queue nothing
    }

    void passingTheTopLevel()
    {
        QVERIFY(oppna(QStringLiteral("VRS57100.DAT")));
        for (int i = 0; i < 9; ++i)
            losPosten();
        QVERIFY(m_w->ToppNadd);
        QVERIFY(m_w->postKlar());
        QVERIFY(m_w->LovordPanel->isVisible());
        QCOMPARE(m_w->LovordLabel1->text(), QStringLiteral("Grattis! Du nådde ända upp."));
        QVERIFY(m_w->BildPanelen->isVisible());
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isVisible());
        // Nothing more to drag until the pupil goes on.
        QVERIFY(!slapp(1, 1));
        // The settings dialog leaves the bar, which is the way on.
        closeNextModal();
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        QVERIFY(m_w->Panel1->isVisible());

        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(!m_w->ToppNadd);
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(!m_w->LovordPanel->isVisible());
        QCOMPARE(m_w->NivPanel->NivLabel2->text(), QStringLiteral("1"));
        QCOMPARE(m_w->NivPanel->NivLabel2->font().pointSize(), 18);
        QCOMPARE(m_w->Men[1]->text(), QStringLiteral("Anna"));
    }

    // A right last item ends the round at once; after a wrong one the bar
    // shows at once and the picture and praise after the pause.
    void roundEnd_data()
    {
        QTest::addColumn<bool>("rattSist");
        QTest::newRow("right last") << true;
        QTest::newRow("wrong last") << false;
    }
    void roundEnd()
    {
        QFETCH(bool, rattSist);
        QVERIFY(oppna(QStringLiteral("VRS57300.DAT")));
        QVERIFY(m_w->Aster1->isVisible());
        QVERIFY(!m_w->NivPanel->isVisible());
        for (int i = 1; i < 10; ++i)
            losRundPosten();
        losRundPosten(!rattSist);
        QVERIFY(m_w->Panel1->isVisible());
        QCOMPARE(m_w->Button1->isEnabled(), !rattSist);
        QCOMPARE(m_w->LovordPanel->isVisible(), rattSist);
        QTRY_VERIFY(m_w->LovordPanel->isVisible()); // 9 of 10 right earn praise
        QVERIFY(m_w->BildPanelen->isVisible());
        QVERIFY(!m_w->regelknapp->isVisible()); // this exercise has no rule page

        // A second round counts its right items from 0.
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QCOMPARE(int(AntalRatt), 0);
        QCOMPARE(int(PostNummer), 1);
        QVERIFY(!m_w->LovordPanel->isVisible());
        QCOMPARE(m_w->Aster1->rutNummer(), 0);
    }

    // Going on while the round end still waits for its pause: it does not
    // come over the next round.
    void goingOnDuringThePause()
    {
        PausTid = 9;
        QVERIFY(oppna(QStringLiteral("VRS57300.DAT")));
        for (int i = 1; i < 10; ++i)
            losRundPosten();
        losRundPosten(true);
        QVERIFY(m_w->Timer3->running());
        QTest::mouseClick(m_w->Button1, Qt::LeftButton); // the error round
        QVERIFY(!m_w->Timer3->running());
        QCOMPARE(int(FelRunda), 1);
        QCOMPARE(AntalPoster, 1);
        losRundPosten();
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->LovordPanel->isVisible()); // no praise after an error round
        QCOMPARE(FelPerLista[ListNummer], 0);
    }

    void rightClickAndEscapeShowTheBar()
    {
        QVERIFY(oppna(QStringLiteral("VRS57300.DAT")));
        losRundPosten(true);
        QTest::mouseClick(m_w.get(), Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Button1->isVisible());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton); // mid-round: the round goes on
        QVERIFY(!m_w->Panel1->isVisible());
        QCOMPARE(int(PostNummer), 2);
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        for (int i = 2; i <= 10; ++i)
            losRundPosten();
        // The round's end offers the error round again.
        QVERIFY(m_w->Button1->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void fortsattaStartsANewRoundOrGoesOn_data()
    {
        // This window's own rule: "Fortsätta" in mid-round goes on with the
        // item on screen, except in an error round and on the round's last
        // item, where a new round starts.
        QTest::addColumn<bool>("felrunda");
        QTest::addColumn<int>("losta");
        QTest::addColumn<bool>("nyRunda");
        QTest::newRow("mid-round") << false << 3 << false;
        QTest::newRow("on the last item") << false << 9 << true;
        QTest::newRow("mid error round") << true << 1 << true;
    }
    void fortsattaStartsANewRoundOrGoesOn()
    {
        QFETCH(bool, felrunda);
        QFETCH(int, losta);
        QFETCH(bool, nyRunda);
        QVERIFY(oppna(QStringLiteral("VRS57300.DAT")));
        if (felrunda) {
            for (int i = 1; i <= 10; ++i)
                losRundPosten(i <= 3);
            QTest::mouseClick(m_w->Button1, Qt::LeftButton);
            // the error round asks the queued items, three here
            QCOMPARE(int(FelRunda), 1);
            QCOMPARE(AntalPoster, 3);
        }
        for (int i = 0; i < losta; ++i)
            losRundPosten();
        const QString post = PostRad;
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(!m_w->Panel1->isVisible());
        QCOMPARE(int(FelRunda), 0);
        if (nyRunda) {
            QCOMPARE(int(PostNummer), 1);
            QCOMPARE(AntalPoster, 10);
            QCOMPARE(int(AntalRatt), 0);
        } else {
            QCOMPARE(int(PostNummer), losta + 1);
            QCOMPARE(PostRad, post);
            QCOMPARE(int(AntalRatt), losta);
        }
    }

    void hintLine()
    {
        QVERIFY(oppna(QStringLiteral("VRS57300.DAT")));
        musOver(m_w->Men[1]);
        QCOMPARE(m_w->Label3->text(), QStringLiteral("Här kan du klicka med vänster musknapp."));
        QCOMPARE(m_w->Men[1]->palette().color(QPalette::Window), bgrFarg(0xFFFF00));
        musOver(m_w.get());
        QCOMPARE(m_w->Label3->text(), QStringLiteral("Styr musen till meningen!"));
        musOver(m_w->Men[1]);
        std::unique_ptr<QMimeData> mime(m_w->delMimeData(m_w->Men[1]));
        QDragEnterEvent in(QPoint(2, 2), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_w->Memo[1], &in);
        QCOMPARE(m_w->Label3->text(), QStringLiteral("Här kan du släppa upp knappen."));

        // After a drop, wrong or right, the first hint comes back, and the
        // next part under the pointer gets its hint again.
        const QString subjekt = m_w->Men[1]->text();
        QVERIFY(!slapp(subjekt, QStringLiteral("Predikat")));
        QVERIFY(m_w->FelPanel->isVisible());
        QCOMPARE(m_w->Label3->text(), QStringLiteral("Styr musen till meningen!"));
        QVERIFY(slapp(subjekt, QStringLiteral("Subjekt")));
        QVERIFY(m_w->arPlacerad(1));
        QCOMPARE(m_w->Label3->text(), QStringLiteral("Styr musen till meningen!"));
        musOver(m_w->Men[del(QStringLiteral("gibt"))]);
        QCOMPARE(m_w->Label3->text(), QStringLiteral("Här kan du klicka med vänster musknapp."));
    }

    // Sentences whose marks do not pair, and sentences with no part to
    // place, are passed over; the file is reported once.
    void unplayableSentencesArePassedOver()
    {
        m_course->write(QStringLiteral("DATA/VRS57300.DAT"),
                        runden(4, {QStringLiteral("<Der Hund bellt.#S#P"), QStringLiteral("<Er> <lacht>.#NN#NN"),
                                   QStringLiteral("Er <sieht <den> Ball>.#S#P")}));
        MessageRecorder meddelanden;
        QVERIFY(oppna(QStringLiteral("VRS57300.DAT")));
        for (int i = 1; i <= 10; ++i) {
            QVERIFY2(m_w->Men[1]->text().startsWith(QLatin1String("Frau")), qPrintable(m_w->Men[1]->text()));
            losRundPosten();
        }
        QCOMPARE(meddelanden.count(), 1);
        QVERIFY(meddelanden.last().startsWith(QStringLiteral("Filen VRS57300.DAT har en mening")));
    }

    void worksheetLines()
    {
        TUtskrift utskrift;
        Utskrift = &utskrift;
        utskrift.TomArbetsbladet();
        QVERIFY(oppna(QStringLiteral("VRS57200.DAT"), 1));
        QVERIFY(!m_w->NivPanel->isVisible());
        QVERIFY(!m_w->Label3->isVisible());
        QVERIFY(m_w->SkrivutOverskriftLabel->isVisible());
        QCOMPARE(m_w->Men[1]->text(), QStringLiteral("Ich"));
        QVERIFY(!slapp(QStringLiteral("Ich"), QStringLiteral("Subjekt"))); // nothing is dragged here
        QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("ValjaUtButton")), Qt::LeftButton);
        QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("SkrivutSkickaButton")), Qt::LeftButton);
        QStringList blad, facit;
        for (int i = 0; i < utskrift.ListBox1->count(); ++i) {
            blad << utskrift.ListBox1->item(i)->text();
            facit << utskrift.ListBox2->item(i)->text();
        }
        const QString linje(28, QLatin1Char('_'));
        const QString uppgift = QStringLiteral("   1. <Ich> <sehe> <den Hund>.");
        QCOMPARE(blad, QStringList({QStringLiteral("1.  Ackusativobjekt"), uppgift,
                                    QStringLiteral("       Ackusativobjekt  =") + linje,
                                    QStringLiteral("       Predikat             =") + linje,
                                    QStringLiteral("       Subjekt               =") + linje}));
        QCOMPARE(facit, QStringList({QStringLiteral("1.  Ackusativobjekt"), uppgift,
                                     QStringLiteral("       Ackusativobjekt  = den Hund"),
                                     QStringLiteral("       Predikat             = sehe"),
                                     QStringLiteral("       Subjekt               = Ich")}));
        m_w.reset();
        Utskrift = nullptr;
    }

    // The bundled exercises: every item can be played, the level files
    // have twenty levels, and a pupil can climb to the top.
    void bundledExercises_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::newRow("subject or predicate") << "VRS57100.DAT";
        QTest::newRow("accusative object") << "VRS57200.DAT";
        QTest::newRow("accusative or dative") << "VRS57300.DAT";
    }
    void bundledExercises()
    {
        QFETCH(QString, fil);
        activateBundledCourse();
        MessageRecorder meddelanden;
        QVERIFY(oppna(fil));
        QVERIFY(!m_w->Overs1Label->text().isEmpty());
        if (m_w->NivaLage) {
            QCOMPARE(m_w->Nivaer.AntalNivaer, 20);
            for (int L = 1; L <= 20; ++L)
                QVERIFY2(m_w->Nivaer.NivaAntal[L] >= 4, qPrintable(QString::number(L)));
            for (int i = 0; i < 3 * 20 && !m_w->ToppNadd; ++i) {
                QVERIFY(m_w->AntalRutor >= 1);
                losPosten();
            }
            QVERIFY(m_w->ToppNadd);
        } else {
            QVERIFY(PostAntal[ListNummer] >= 14);
            for (int i = 0; i < PostAntal[ListNummer]; ++i) {
                QVERIFY(m_w->AntalRutor >= 1);
                losPosten();
                if (m_w->Panel1->isVisible())
                    QTest::mouseClick(m_w->Button2, Qt::LeftButton);
            }
            QCOMPARE(int(AntalFel), 0);
        }
        QCOMPARE(meddelanden.count(), 0);
    }
};

VARMIKO_TEST_MAIN(TestTSats)
#include "test_tsats.moc"
