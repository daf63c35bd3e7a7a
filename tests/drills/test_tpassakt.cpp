// The sentence-part and active/passive window: its options, the answer
// key's names, the sentence on screen, the round driven with clicks and keys
// as a pupil would, and the worksheet lines.

#include "ExerciseWindow.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "TestUtskrift.h"
#include "WorksheetPanels.h"
#include "drills/grammar/TPassAkt.h"
#include "drills/grammar/passakt.h"
#include "drills/writing/ArbetsbladsLage.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/scale.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"
#include "results/TUtskrift.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace {

// The sentences of the fixture with the options they must show, in order.
const QMap<QString, QStringList> &fixturAlternativ()
{
    static const QMap<QString, QStringList> m{
        {QStringLiteral("Der Brief wird geschrieben."), {"aktiv", "passiv"}},
        {QStringLiteral("Anna schreibt."), {"aktiv", "passiv"}},
        {QStringLiteral("Er ist <der Lehrer>."), {"ackusativ", "dativ", "predikatsfyllnad", "subjekt"}},
        {QStringLiteral("Ich sehe <ihn>."), {"ackusativ", "dativ"}},
        {QStringLiteral("Sie hilft <mir>."), {"Subjekt", "ackusativ", "dativ"}},
        {QStringLiteral("<Der Hund> bellt."), {"d", "e", "f", "g", "h", "subjekt"}},
        {QStringLiteral("Das Haus wurde gebaut."), {"aktiv", "passiv"}},
        {QStringLiteral("Wir bauen ein Haus."), {"aktiv", "passiv"}},
        {QStringLiteral("Er gibt <dem Kind> einen Ball."), {"ackusativ", "dativ"}},
        {QStringLiteral("Die Tür wird geöffnet."), {"aktiv", "passiv"}},
        {QStringLiteral("Er öffnet <die Tür>."), {"ackusativ", "dativ"}},
    };
    return m;
}

QStringList fixtur()
{
    return {QStringLiteral("$Passivum"),
            QStringLiteral("$Satsdelar"),
            QStringLiteral("$§Klicka på rätt svar."),
            QStringLiteral("$%Skriv satsdelen"),
            QStringLiteral("Der Brief wird geschrieben.#passiv#aktiv"),
            QStringLiteral("Anna schreibt.#aktiv#passiv"),
            QStringLiteral("Er ist <der Lehrer>.#predikatsfyllnad#ackusativ#dativ#subjekt"),
            QStringLiteral("Ich sehe <ihn>.#ackusativ#dativ#£Kommentar#subjekt"),
            QStringLiteral("Sie hilft <mir>.#dativ#Subjekt#ackusativ"),
            QStringLiteral("<Der Hund> bellt.#subjekt#h#g#f#e#d#c#b"),
            QStringLiteral("Das Haus wurde gebaut.#passiv#aktiv"),
            kryptrad(QStringLiteral("Wir bauen ein Haus.#aktiv#passiv")),
            QStringLiteral("Er gibt <dem Kind> einen Ball.#dativ#ackusativ"),
            QStringLiteral("Die Tür wird geöffnet.#passiv#aktiv"),
            QStringLiteral("Er öffnet <die Tür>.#ackusativ#dativ")};
}

int hogerKant(const QLabel *l)
{
    return l->x() + l->fontMetrics().horizontalAdvance(l->text());
}

} // namespace

class TestTPassAkt : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TestUtskrift> m_utskrift;
    std::unique_ptr<TPassAkt> m_w;

    TPassAkt *oppna(const QString &fil, quint8 lage)
    {
        m_w.reset();
        return openExercise(m_w, fil, lage);
    }

    QStringList synliga() const
    {
        QStringList l;
        for (int k = 1; k <= PassAktPaneler; ++k)
            if (m_w->AlternativPanel[k]->isVisible())
                l << m_w->AlternativPanel[k]->text();
        return l;
    }

    QLabel *panel(bool ratt) const
    {
        for (int k = 1; k <= PassAktPaneler; ++k) {
            QLabel *p = m_w->AlternativPanel[k];
            if (p->isVisible() && (p->text() == postFalt(2)) == ratt)
                return p;
        }
        return nullptr;
    }

    bool intryckt(const QLabel *p) const { return p->frameShadow() == QFrame::Sunken; }

    void svara(bool ratt)
    {
        QTRY_VERIFY(m_w->Alternativrad->isVisible() && m_w->Alternativrad->isEnabled());
        QLabel *p = panel(ratt);
        QVERIFY(p);
        QTest::mouseClick(p, Qt::LeftButton);
        if (!ratt && !m_w->Panel9->isVisible())
            QTest::keyClick(m_w.get(), Qt::Key_Space);
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "7");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS56710.DAT"), fixtur());
        m_course->activate();
        PausTid = 0;
        BildInst = 0;
    }
    void cleanup()
    {
        m_w.reset();
        m_utskrift.reset();
        m_course.reset();
        setRadBredd({});
        OvningsLage = 0;
    }

    void fullNamesInTheAnswerKey_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("versal");
        QTest::addColumn<QString>("namn");
        QTest::newRow("SUBJ") << "SUBJ" << true << "Subjekt";
        QTest::newRow("PRED.F.") << "PRED.F." << true << "Predikatsfyllnad";
        QTest::newRow("PRED.F without its point") << "PRED.F" << true << "PRED.F";
        QTest::newRow("ack, small") << "ack" << false << "ackusativ";
        QTest::newRow("Dat.") << "Dat." << true << "Dativ";
        QTest::newRow("akt") << "akt" << true << "Aktiv";
        QTest::newRow("Pass") << "Pass" << false << "passiv";
        QTest::newRow("subst") << "subst" << true << "Substantiv";
        QTest::newRow("PREDI") << "PREDI" << true << "Predikat";
        QTest::newRow("full name stays") << "predikatsfyllnad" << true << "Predikatsfyllnad";
        QTest::newRow("longer word stays") << "ackusativobjekt" << true << "Ackusativobjekt";
        QTest::newRow("passiv") << "passiv" << true << "Passiv";
        QTest::newRow("no key") << "objekt" << true << "Objekt";
        QTest::newRow("no key, small") << "objekt" << false << "objekt";
        QTest::newRow("umlaut first") << "ämne" << true << "Ämne";
    }
    void fullNamesInTheAnswerKey()
    {
        QFETCH(QString, text);
        QFETCH(bool, versal);
        QFETCH(QString, namn);
        QCOMPARE(TolkaForkortning(text, versal), namn);
    }

    void optionsOfAnItem_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<QStringList>("alternativ");
        QTest::newRow("sorted") << "Satz#passiv#aktiv" << QStringList{"aktiv", "passiv"};
        QTest::newRow("£ ends them") << "Satz#c#a#b#£Anm#d" << QStringList{"a", "b", "c"};
        QTest::newRow("empty field ends them") << "Satz#x##y" << QStringList{"x"};
        QTest::newRow("six at most") << "Satz#h#g#f#e#d#c#b#a" << QStringList{"c", "d", "e", "f", "g", "h"};
        QTest::newRow("capitals first") << "Satz#b#Z#a" << QStringList{"Z", "a", "b"};
        QTest::newRow("umlauts after z") << "Satz#ämne#zon#Ärende" << QStringList{"zon", "Ärende", "ämne"};
        QTest::newRow("cut to 30")
            << "Satz#ett mycket långt svar som inte ryms#kort"
            << QStringList{"ett mycket långt svar som inte", "kort"};
    }
    void optionsOfAnItem()
    {
        QFETCH(QString, rad);
        QFETCH(QStringList, alternativ);
        str_postarray(rad);
        QCOMPARE(QStringList(passAktAlternativ()), alternativ);
    }

    void roundOfClicks()
    {
        QVERIFY(oppna(QStringLiteral("VRS56710.DAT"), 0));
        QVERIFY(!m_w->Edit1->isVisible());
        QVERIFY(!m_w->lampknapp->isVisible());
        QVERIFY(m_w->Aster1->isVisible());
        QVERIFY(m_w->regelknapp->isVisible());
        QCOMPARE(m_w->regelknapp->text(), QStringLiteral("&Regler"));
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Klicka på rätt svar."));
        QStringList sedda;
        for (int i = 1; i <= 10; ++i) {
            QTRY_VERIFY(m_w->Alternativrad->isVisible() && m_w->Alternativrad->isEnabled());
            const QString mening = postFalt(1);
            QVERIFY2(fixturAlternativ().contains(mening), qPrintable(mening));
            sedda << mening;
            QCOMPARE(synliga(), fixturAlternativ()[mening]);
            QVERIFY(intryckt(m_w->AlternativPanel[1])); // the first panel looks pointed at
            const int sista = int(synliga().size());
            QVERIFY(m_w->Alternativrad->width()
                    >= m_w->AlternativPanel[sista]->x() + m_w->AlternativPanel[sista]->width());
            if (i == 3 || i == 7) {
                PausTid = 9;
                QLabel *fel = panel(false);
                QTest::mouseClick(fel, Qt::LeftButton);
                QLabel *ratt = panel(true);
                QVERIFY(intryckt(ratt));
                QVERIFY(!intryckt(fel));
                QVERIFY(!m_w->Alternativrad->isEnabled());
                // the shown answer can't be clicked for a point
                QTest::mouseClick(ratt, Qt::LeftButton);
                QCOMPARE(int(AntalRatt) + int(AntalFel), i);
                QCOMPARE(int(PostNummer), i + 1);
                PausTid = 0;
                QTest::keyClick(m_w.get(), Qt::Key_Space);
            } else {
                svara(true);
            }
            QCOMPARE(int(AntalRatt) + int(AntalFel), i);
        }
        sedda.removeDuplicates();
        QCOMPARE(sedda.size(), 10);
        QCOMPARE(int(AntalRatt), 8);
        QCOMPARE(m_w->Aster1->vitaRutor(), (QList<int>{3, 7}));
        QTRY_VERIFY(m_w->Panel9->isVisible());
        QVERIFY(!m_w->Alternativrad->isVisible()); // the round is over
        QCOMPARE(m_w->Button1->text(), QStringLiteral("&Rätta felen"));
        QCOMPARE(m_w->Button2->text(), QStringLiteral("&Fortsätta"));
        QCOMPARE(m_w->Button3->text(), QStringLiteral("&Avbryt"));
        QCOMPARE(m_w->BitBtn1->text(), QStringLiteral("&Inställningar"));
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);

        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QVERIFY(!m_w->Panel9->isVisible());
        QCOMPARE(AntalPoster, 2);
        svara(true);
        svara(true);
        QTRY_VERIFY(m_w->Panel9->isVisible());
        QVERIFY(!m_w->Button1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_w->Button2);

        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QCOMPARE(AntalPoster, 10);
        QCOMPARE(int(PostNummer), 1);
        QVERIFY(m_w->Alternativrad->isEnabled());
    }

    void wrongLastAnswerEndsAfterThePause()
    {
        QVERIFY(oppna(QStringLiteral("VRS56710.DAT"), 0));
        for (int i = 1; i < 10; ++i)
            svara(true);
        PausTid = 9;
        QTest::mouseClick(panel(false), Qt::LeftButton);
        QVERIFY(!m_w->Panel9->isVisible());
        QVERIFY(intryckt(panel(true)));
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY(m_w->Panel9->isVisible());
        QVERIFY(!m_w->Alternativrad->isVisible());
        QCOMPARE(int(AntalRatt), 9);
        QVERIFY(m_w->Button1->isEnabled());
    }

    void sentenceOnScreen_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<int>("antalRader");    // lines of the sentence on screen
        QTest::addColumn<int>("markRad");  // the line with the mark, 0 none
        QTest::newRow("mark, one line") << "Ich sehe <den Mann> dort.#ack#dat" << 1 << 1;
        QTest::newRow("mark in line 1")
            << "Ich sehe <den Mann>, der am Montag mit dem Zug aus Hamburg gekommen ist.#ack#dat" << 2 << 1;
        QTest::newRow("mark in line 2")
            << "Ich sehe den Mann, der am Montag mit dem Zug aus Hamburg kam, <heute>.#adv#subj" << 2 << 2;
        QTest::newRow("no mark, one line") << "Das Haus wird gebaut.#passiv#aktiv" << 1 << 0;
        QTest::newRow("no mark, two lines")
            << "Ich sehe den Mann, der am Montag mit dem Zug aus Hamburg kam, heute.#aktiv#passiv" << 2 << 0;
    }
    void sentenceOnScreen()
    {
        QFETCH(QString, rad);
        QFETCH(int, antalRader);
        QFETCH(int, markRad);
        // A line of the window holds 50 letters.
        QVERIFY(oppna(QStringLiteral("VRS56710.DAT"), 0));
        const int bredd = m_w->width() - m_w->Aster1->width() - 2 * Marginal - m_w->OverskriftYtterShape->x();
        setRadBredd([bredd](const QString &t, int) { return int(t.size()) * bredd / 50; });
        m_course->write(QStringLiteral("DATA/VRS57400.DAT"), {QStringLiteral("$Kasus"), rad});
        QVERIFY(oppna(QStringLiteral("VRS57400.DAT"), 0));
        QVERIFY(!m_w->regelknapp->isVisible()); // this exercise has no rule page
        const QString r1 = MeningsRader[1];
        const QString r2 = MeningsRader[2];
        QCOMPARE(r2.isEmpty(), antalRader == 1);
        QCOMPARE(r1.contains('<'), markRad == 1);
        QCOMPARE(r2.contains('<'), markRad == 2);

        const QLabel *L3 = m_w->Label3;
        const QLabel *L4 = m_w->Label4;
        const QLabel *L5 = m_w->Label5;
        const QLabel *L6 = m_w->Label6;
        QCOMPARE(L5->isVisible(), markRad != 0);
        QCOMPARE(L6->isVisible(), markRad != 0);
        QCOMPARE(L3->isVisible(), antalRader == 2 || markRad == 0);
        QVERIFY(L3->y() > m_w->InstruktionsLabel->y() || !L3->isVisible());
        const QLabel *sista = L4;
        if (markRad != 0) {
            const QString markerad = markRad == 1 ? r1 : r2;
            QCOMPARE(L4->text() + '<' + L5->text() + '>' + L6->text(), markerad);
            QCOMPARE(L5->x(), hogerKant(L4));
            QCOMPARE(L6->x(), hogerKant(L5));
            QCOMPARE(L5->y(), L4->y());
            if (antalRader == 2) {
                QCOMPARE(L3->text(), markRad == 1 ? r2 : r1);
                QVERIFY(markRad == 1 ? L3->y() > L4->y() : L3->y() < L4->y());
                if (markRad == 1)
                    sista = L3;
            }
        } else if (antalRader == 1) {
            QCOMPARE(L3->text(), r1);
            QVERIFY(L4->text().isEmpty());
            sista = L3;
        } else {
            QCOMPARE(L4->text(), r1);
            QCOMPARE(L3->text(), r2);
            QVERIFY(L3->y() > L4->y());
            sista = L3;
        }
        QCOMPARE(L3->x(), m_w->OverskriftYtterShape->x());
        if (!L4->text().isEmpty())
            QCOMPARE(L4->x(), m_w->OverskriftYtterShape->x());
        QVERIFY(m_w->Alternativrad->y() >= sista->y() + sista->height());
        QCOMPARE(m_w->Alternativrad->x(), m_w->OverskriftYtterShape->x());
        QCOMPARE(synliga().size(), 2);
    }

    void pausePanelKeepsTheItem()
    {
        QVERIFY(oppna(QStringLiteral("VRS56710.DAT"), 0));
        svara(false);
        svara(true);
        QTRY_VERIFY(m_w->Alternativrad->isEnabled());
        const QString mening = postFalt(1);
        // a right click on an option opens the pause panel; nothing is counted
        QTest::mouseClick(m_w->AlternativPanel[1], Qt::RightButton);
        QVERIFY(m_w->Panel9->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);
        QTest::mouseClick(panel(true), Qt::LeftButton);
        QCOMPARE(int(PostNummer), 3);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(!m_w->Panel9->isVisible());
        QCOMPARE(postFalt(1), mening);
        QCOMPARE(int(PostNummer), 3);
        QCOMPARE(int(AntalRatt) + int(AntalFel), 2);
        // a right click beside the options, then Esc; Esc again leaves
        QTest::mouseClick(m_w.get(), Qt::RightButton, {}, QPoint(5, m_w->height() / 2));
        QVERIFY(m_w->Panel9->isVisible());
        QVERIFY(!m_w->Alternativrad->isEnabled());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        svara(true);
        QCOMPARE(int(AntalRatt), 2);
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QVERIFY(m_w->Panel9->isVisible());
        QVERIFY(!m_w->Alternativrad->isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void worksheetLines()
    {
        m_utskrift = std::make_unique<TestUtskrift>();
        setRadBredd([](const QString &t, int) { return int(t.size()) * 12; });
        const QString lang = QStringLiteral("Der alte Mann mit dem grauen Hut gibt <dem kleinen Mädchen> im Park "
                                            "einen roten Ballon.");
        m_course->write(QStringLiteral("DATA/VRS57400.DAT"),
                        {QStringLiteral("$Satslösning"), QStringLiteral("$Kasus"), QStringLiteral("$%Bestäm kasus"),
                         lang + QStringLiteral("#DAT#ACK#PRED.F."), QStringLiteral("<Er> schläft.#SUBJ#PREDI")});
        QVERIFY(oppna(QStringLiteral("VRS57400.DAT"), 1));
        QVERIFY(!m_w->Aster1->isVisible());
        QVERIFY(!m_w->regelknapp->isVisible());
        QVERIFY(m_w->Alternativrad->isVisible());
        QVERIFY(!m_w->Alternativrad->isEnabled());
        QCOMPARE(m_w->SkrivutHelaPanelen->width(), m_w->width() - 20);
        QVERIFY(m_w->Label4->isVisible() || m_w->Label5->text() == QStringLiteral("Er"));
        QCOMPARE(UtskriftRubrik, QStringLiteral("Satslösning Kasus"));

        QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("ValjaUtButton")), Qt::LeftButton);
        QStringList blad{QStringLiteral("1.  Satslösning Kasus"), QStringLiteral("      Bestäm kasus")};
        QStringList facit = blad;
        const QString linje = QString(7, ' ') + QString(28, '_');
        for (int k = 1; k <= 2; ++k) {
            const bool langa = postFalt(1) == lang;
            QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("SkrivutSkickaButton")), Qt::LeftButton);
            const QString nr = QStringLiteral("   %1. ").arg(k);
            if (langa) {
                const QStringList b = listRader(Utskrift->ListBox1).mid(blad.size());
                QCOMPARE(b.size(), 3);
                QVERIFY(b[0].startsWith(nr + QStringLiteral("Der alte Mann")));
                QVERIFY(b[1].startsWith(QString(7, ' ')) && b[1].at(7) != ' ');
                // the two lines are the sentence, its marks included
                QCOMPARE(QString(b[0].mid(6) + b[1].mid(7)).remove(' '), QString(lang).remove(' '));
                blad << b[0] << b[1] << linje;
                facit << b[0] << b[1] << QString(7, ' ') + QStringLiteral("Dativ");
            } else {
                blad << nr + QStringLiteral("<Er> schläft.") << linje;
                facit << nr + QStringLiteral("<Er> schläft.") << QString(7, ' ') + QStringLiteral("Subjekt");
            }
            QCOMPARE(listRader(Utskrift->ListBox1), blad);
            QCOMPARE(listRader(Utskrift->ListBox2), facit);
        }
        QCOMPARE(Utskrift->radKlass(1, 2), TUtskrift::RadKlass::Uppgift);
        QCOMPARE(AntalRatt + AntalFel, 0);
    }

    void bundledFilesFit_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::newRow("VRS56710.DAT") << "VRS56710.DAT";
        QTest::newRow("VRS57400.DAT") << "VRS57400.DAT";
    }
    void bundledFilesFit()
    {
        QFETCH(QString, fil);
        activateBundledCourse();
        QVERIFY(listNummerFor(fil) <= AntalDatFiler); // listed in datfiler.vrs

        QStringList lagrade;
        QVERIFY(lasDataFil(hittaDataFil(fil), lagrade));
        int poster = 0;
        for (const QString &rad : lagrade) {
            if (!arPostRad(rad))
                continue;
            ++poster;
            str_postarray(dekryptrad(rad));
            const QList<QString> alt = passAktAlternativ();
            QVERIFY2(alt.size() >= 2, qPrintable(rad));
            QVERIFY2(alt.contains(postFalt(2)), qPrintable(rad)); // no option is cut
            const QString namn = TolkaForkortning(postFalt(2), true);
            QVERIFY2(namn[0].isUpper(), qPrintable(rad));
        }
        QVERIFY(poster >= 14);

        QVERIFY(oppna(fil, 0));
        QVERIFY(!m_w->Overs1Label->text().isEmpty());
        QVERIFY(!m_w->InstruktionsLabel->text().isEmpty());
        for (int i = 0; i < 10; ++i)
            svara(true);
        QCOMPARE(int(AntalRatt), 10);
        QTRY_VERIFY(m_w->Panel9->isVisible());
    }
};

VARMIKO_TEST_MAIN(TestTPassAkt)
#include "test_tpassakt.moc"
