// The multiple-choice window: its answer set, option panels, gender rules and
// round control, driven with clicks and keys as a pupil would.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "drills/grammar/TFLERBAR.h"
#include "drills/grammar/flerval.h"
#include "frame/TAster.h"
#include "frame/TDiagnosPost.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/scale.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "results/diagnoskoppling.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace {

// Twelve sentences; the answer of sentence n is its word between the marks.
QStringList genusFil()
{
    return {QStringLiteral("$Substantiv"),
            QStringLiteral("$Genus"),
            QStringLiteral("$§Der, die oder das? Klickt auf das richtige Wort."),
            QStringLiteral("; Prüfung"),
            QStringLiteral("<Der> Tisch ist neu."),
            QStringLiteral("Wo ist <die> Lampe?"),
            QStringLiteral("<Das> Buch liegt hier."),
            QStringLiteral("Hier ist <der> Bahnhof."),
            QStringLiteral("<Die> Sonne scheint."),
            QStringLiteral("Wie alt ist <das> Kind?"),
            QStringLiteral("<Der> Hund bellt."),
            QStringLiteral("Ist <die> Milch kalt?"),
            QStringLiteral("<Das> Auto ist rot."),
            QStringLiteral("Da kommt <der> Bus."),
            QStringLiteral("<Die> Katze schläft."),
            QStringLiteral("Wo wohnt <das> Mädchen?")};
}

QStringList ord(const SvarsordTabell &s, int fran, int antal)
{
    QStringList l;
    for (int k = fran; k < fran + antal; ++k)
        l << s[k];
    return l;
}

} // namespace

class TestTFLERBAR : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TFLERBAR> m_w;
    QStringList m_protokoll;

    TFLERBAR *oppna(const QString &fil, quint8 lage)
    {
        return openExercise(m_w, fil, lage);
    }

    // The item's answer, as the correction shows it after a wrong answer.
    QString svaret() const { return m_w->KorrektSvarLabel->text(); }
    QString mening() const { return m_w->Label4->text() + m_w->Label6->text(); }

    QStringList synligaOrd() const
    {
        QStringList l;
        for (int k = 1; k <= MaxSvarsord; ++k)
            if (m_w->OrdPanel[k]->isVisible())
                l << m_w->OrdPanel[k]->text();
        return l;
    }

    QLabel *panelMed(bool ratt) const
    {
        for (int k = 1; k <= MaxSvarsord; ++k) {
            QLabel *p = m_w->OrdPanel[k];
            if (p->isVisible() && (p->text() == svaret()) == ratt)
                return p;
        }
        return nullptr;
    }

    // One click on the right or a wrong word; a wrong one's pause is cut short.
    void svara(bool ratt)
    {
        QTRY_VERIFY(m_w->Svarspanel->isVisible() && m_w->Svarspanel->isEnabled());
        QLabel *p = panelMed(ratt);
        QVERIFY(p);
        QTest::mouseClick(p, Qt::LeftButton);
        if (!ratt && !m_w->Escapepanel->isVisible())
            QTest::keyClick(m_w.get(), Qt::Key_Space);
    }

    void runda(int fel)
    {
        const int n = AntalPoster;
        for (int i = 0; i < n; ++i)
            svara(i >= fel);
        QTRY_VERIFY(m_w->Escapepanel->isVisible() || !m_w->isVisible());
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS55110.DAT"), genusFil());
        m_course->activate();
        PausTid = 0;
        BildInst = 0;
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
        setRadBredd({});
        OvningsLage = 0;
        DiagRad = 0;
        DiagOvningNr = 0;
    }

    void answerSet_data()
    {
        QTest::addColumn<QStringList>("rader");
        QTest::addColumn<QStringList>("sma");
        QTest::addColumn<QStringList>("stora");
        QTest::newRow("distinct, case ignored")
            << QStringList{"<Der> Mann", "$Titel", "; <den> Kommentar", "", "Wo ist <die> Frau?",
                           "<DAS> Kind", "Ist <die> Tür zu?"}
            << QStringList{"der", "die", "das"} << QStringList{"Der", "Die", "Das"};
        QTest::newRow("scrambled line")
            << QStringList{kryptrad("Er geht <in> die Stadt.#x"), "Sie sitzt <auf> dem Stuhl."}
            << QStringList{"in", "auf"} << QStringList{"In", "Auf"};
        QTest::newRow("umlauts take capitals")
            << QStringList{"<Äpfel> sind rot.", "<Über> dem Tisch hängt sie.", "Er wohnt <über> uns."}
            << QStringList{"äpfel", "über"} << QStringList{"Äpfel", "Über"};
        QTest::newRow("long word cut once")
            << QStringList{"Die <Geschwindigkeit> ist hoch.", "Die <geschwindigkeit> sinkt."}
            << QStringList{"geschwindi"} << QStringList{"Geschwindi"};
        QTest::newRow("lines without an answer skipped")
            << QStringList{"Ohne Lücke.", "Leer <> hier.", "Mit <an> Lücke."}
            << QStringList{"an"} << QStringList{"An"};
    }
    void answerSet()
    {
        QFETCH(QStringList, rader);
        QFETCH(QStringList, sma);
        QFETCH(QStringList, stora);
        SvarsordTabell s;
        const qint32 n = Hittapreppar(rader, s);
        QCOMPARE(n, qint32(sma.size()));
        QCOMPARE(ord(s, 1, n), sma);
        QCOMPARE(ord(s, 1 + MaxSvarsord, n), stora);
        QVERIFY(s[n + 1].isEmpty());
    }

    void onlyTwelveWordsAreOffered()
    {
        QStringList rader;
        for (const char *w : {"an", "auf", "aus", "bei", "durch", "für", "gegen", "hinter", "in", "mit",
                              "nach", "neben", "ohne"})
            rader << QStringLiteral("Er steht <%1> X.").arg(QLatin1String(w));
        SvarsordTabell s;
        QCOMPARE(Hittapreppar(rader, s), qint32(12));
        QCOMPARE(s[12], QStringLiteral("neben"));
        QVERIFY(!ord(s, 1, 24).contains(QStringLiteral("ohne")));
    }

    void rowsOfPanels_data()
    {
        QTest::addColumn<int>("antal");
        QTest::addColumn<int>("forsta");
        QTest::newRow("7 in one row") << 7 << 7;
        QTest::newRow("8 as 4 and 4") << 8 << 4;
        QTest::newRow("11 as 6 and 5") << 11 << 6;
        QTest::newRow("12 as 6 and 6") << 12 << 6;
    }
    void rowsOfPanels()
    {
        QFETCH(int, antal);
        QFETCH(int, forsta);
        const QList<int> bredder(antal, 20);
        const Panellayout l = panellayout(bredder, 5, 10, 32, 4);
        QCOMPARE(radindelning(antal).AntalRader, antal >= 8 ? 2 : 1);
        QCOMPARE(radindelning(antal).ForstaRadensAntal, forsta);
        for (int k = 0; k < antal; ++k) {
            const bool forstaRaden = k < forsta;
            const int iRaden = forstaRaden ? k : k - forsta;
            QCOMPARE(l.paneler[k].topp, forstaRaden ? 4 : 32 + 8);
            QCOMPARE(l.paneler[k].vanster, 5 + iRaden * 35);
            QCOMPARE(l.paneler[k].bredd, 30);
        }
        QCOMPARE(l.bredd, 5 + forsta * 35);
        QCOMPARE(l.hojd, antal >= 8 ? 2 * 32 + 12 : 32 + 8);
    }

    void questionLineOfTheWords()
    {
        SvarsordTabell s;
        Hittapreppar({"<der> a", "<die> b", "<das> c", "<den> d"}, s);
        QCOMPARE(fragaText(s, 4), QStringLiteral("der, die, das eller den ?"));
        Hittapreppar({"<mit> a", "<neben> b"}, s);
        QCOMPARE(fragaText(s, 2), QStringLiteral("mit eller neben ?"));
        QCOMPARE(maxOrdLangd(s, 2), 5);
    }

    void genderRules_data()
    {
        QTest::addColumn<QString>("falt");
        QTest::addColumn<QString>("rad1");
        QTest::addColumn<QString>("rad2");
        QTest::newRow("1") << "1" << "Manlig varelse (hane) är maskulin." << "";
        QTest::newRow("8 has two lines") << "8" << "Icke-tyska floder utom de som slutar"
                                         << "på -a, -e är maskulina.";
        QTest::newRow("13 as 10") << "13" << "Substantiv på -ling är maskulina." << "";
        QTest::newRow("24") << "24" << "Substantiv på -age, -anz, -enz, -ie, -ik,"
                            << "-ion, -tät, -thek(e), -ur är feminina.";
        QTest::newRow("15") << "15" << "Substantiv på -nis, -sal, -tum är neutrala." << "";
        QTest::newRow("17 in one word") << "17" << "Substantiverade infinitiver är neutrala." << "";
        QTest::newRow("22") << "22" << "Alla substantiv på -ei, -heit, -keit," << "-in, -schaft, -ung är feminina.";
        QTest::newRow("28 shows nothing") << "28" << "" << "";
        QTest::newRow("19 shows itself") << "19" << "19" << "";
        QTest::newRow("40 shows itself") << "40" << "40" << "";
        QTest::newRow("0 shows itself") << "0" << "0" << "";
        QTest::newRow("negative shows itself") << "-3" << "-3" << "";
        QTest::newRow("no number shows itself") << "maskulin" << "maskulin" << "";
    }
    void genderRules()
    {
        QFETCH(QString, falt);
        QFETCH(QString, rad1);
        QFETCH(QString, rad2);
        const Genusregel g = genusRegel(falt);
        QCOMPARE(g.rad1, rad1);
        QCOMPARE(g.rad2, rad2);
    }

    void roundOfClicks()
    {
        QVERIFY(oppna(QStringLiteral("VRS55110.DAT"), 0));
        QCOMPARE(m_w->AntalSvarsord, 3);
        QCOMPARE(m_w->AntalRader, 1);
        QVERIFY(!m_w->Edit1->isVisible());
        QVERIFY(!m_w->lampknapp->isVisible());
        QVERIFY(m_w->Aster1->isVisible());
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Der, die oder das? Klickt auf das richtige Wort."));
        for (int i = 1; i <= 10; ++i) {
            QTRY_VERIFY(m_w->Svarspanel->isVisible());
            const bool stor = svaret()[0].isUpper();
            QCOMPARE(synligaOrd(), (stor ? QStringList{"Der", "Die", "Das"} : QStringList{"der", "die", "das"}));
            QCOMPARE(m_w->Label5->text(), QStringLiteral("?"));
            QVERIFY(!mening().isEmpty());
            if (i == 2 || i == 5) {
                const QString fore = mening();
                PausTid = 9;
                QTest::mouseClick(panelMed(false), Qt::LeftButton);
                QVERIFY(!m_w->Svarspanel->isVisible());
                QVERIFY(m_w->KorrektSvarLabel->isVisible());
                QVERIFY(m_w->EfterdelLabel->isVisible());
                QCOMPARE(m_w->EfterdelLabel->text(), m_w->Label6->text());
                QVERIFY(!m_w->Label5->isVisible());
                QVERIFY(!m_w->Label9->isVisible()); // gender rules belong to VRS51100 only
                QTest::qWait(250);
                QCOMPARE(mening(), fore); // the correction stays for the pause
                PausTid = 0;
                QTest::keyClick(m_w.get(), Qt::Key_Space);
                QTRY_VERIFY(m_w->Svarspanel->isVisible() || i == 10);
            } else {
                svara(true);
            }
            QCOMPARE(int(AntalRatt) + int(AntalFel), i);
        }
        QCOMPARE(int(AntalRatt), 8);
        QCOMPARE(int(AntalFel), 2);
        QCOMPARE(m_w->Aster1->rutNummer(), 10);
        QCOMPARE(m_w->Aster1->vitaRutor(), (QList<int>{2, 5}));
        QTRY_VERIFY(m_w->Escapepanel->isVisible());
        QVERIFY(!m_w->Svarspanel->isVisible());
        QCOMPARE(FelPerLista[ListNummer], 2);
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);

        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(AntalPoster, 2);
        svara(true);
        svara(true);
        QTRY_VERIFY(m_w->Escapepanel->isVisible());
        QCOMPARE(FelPerLista[ListNummer], 0);
        QVERIFY(!m_w->Button1->isEnabled());
    }

    void wrongLastAnswerEndsAfterThePause()
    {
        QVERIFY(oppna(QStringLiteral("VRS55110.DAT"), 0));
        for (int i = 1; i < 10; ++i)
            svara(true);
        PausTid = 9;
        QTest::mouseClick(panelMed(false), Qt::LeftButton);
        QVERIFY(!m_w->Escapepanel->isVisible());
        QVERIFY(m_w->KorrektSvarLabel->isVisible());
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY(m_w->Escapepanel->isVisible());
        // the round is over: its options take no more answers
        QVERIFY(!m_w->Svarspanel->isVisible());
        QCOMPARE(int(PostNummer), 11);
        QCOMPARE(int(AntalRatt), 9);
    }

    void capitalSetAtTheStartOfASentence()
    {
        m_course->write(QStringLiteral("DATA/VRS55120.DAT"),
                        {QStringLiteral("<Über> dem Tisch hängt eine Lampe."),
                         QStringLiteral("Die Lampe hängt <über> dem Tisch."), QStringLiteral("Er geht <in> die Stadt.")});
        QVERIFY(oppna(QStringLiteral("VRS55120.DAT"), 0));
        for (int i = 0; i < 3; ++i) {
            const bool stor = svaret() == QStringLiteral("Über");
            QCOMPARE(synligaOrd(), (stor ? QStringList{"Über", "In"} : QStringList{"über", "in"}));
            QCOMPARE(m_w->SvarsordBas, stor ? MaxSvarsord : 0);
            svara(true);
        }
        QCOMPARE(int(AntalRatt), 3);
    }

    void hoverTriesTheWordInTheGap()
    {
        m_course->write(QStringLiteral("DATA/VRS55130.DAT"),
                        {QStringLiteral("Er wartet <auf> den Bus."), QStringLiteral("Sie denkt <an> ihn."),
                         QStringLiteral("Wir fahren <nach> Berlin."), QStringLiteral("Ich komme <aus> Schweden."),
                         QStringLiteral("Das Bild hängt <an> der Wand."), QStringLiteral("Er spielt <mit> dem Ball.")});
        QVERIFY(oppna(QStringLiteral("VRS55130.DAT"), 0));
        QCOMPARE(synligaOrd(), (QStringList{"auf", "an", "nach", "aus", "mit"}));
        QLabel *tre = m_w->OrdPanel[3];
        QLabel *fem = m_w->OrdPanel[5];
        QTest::mouseMove(tre, tre->rect().center());
        QTRY_COMPARE(m_w->Label5->text(), QStringLiteral("nach"));
        QTest::mouseMove(fem, fem->rect().center());
        QTRY_COMPARE(m_w->Label5->text(), QStringLiteral("mit"));
        const int slut = m_w->Label5->x() + m_w->Label5->fontMetrics().horizontalAdvance(QStringLiteral("mit"));
        QCOMPARE(m_w->Label6->x(), slut);
        QCOMPARE(fem->frameShadow(), QFrame::Sunken);
        QCOMPARE(tre->frameShadow(), QFrame::Raised);
        QVERIFY(fem->palette().color(QPalette::Window) != tre->palette().color(QPalette::Window));
        QVERIFY(m_w->Label4->x() + m_w->Label4->fontMetrics().horizontalAdvance(m_w->Label4->text())
                <= m_w->Label5->x());

        // After a wrong answer the first move over an option only ends the correction.
        QTest::mouseClick(panelMed(false), Qt::LeftButton);
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY(m_w->Svarspanel->isVisible());
        QTest::mouseMove(tre, tre->rect().center() + QPoint(1, 0));
        QTRY_COMPARE(tre->frameShadow(), QFrame::Sunken);
        QCOMPARE(m_w->Label5->text(), QStringLiteral("?"));
        QTest::mouseMove(fem, fem->rect().center());
        QTRY_COMPARE(m_w->Label5->text(), QStringLiteral("mit"));
    }

    void twoLineSentences_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<bool>("luckanForst");
        const QString fyllnad = QStringLiteral("wenn die Sonne scheint und alle Kinder im Garten spielen, "
                                               "während die Eltern Kaffee trinken");
        QTest::newRow("gap in the first line") << QStringLiteral("<Der> Hund schläft, ") + fyllnad + '.' << true;
        QTest::newRow("gap in the second line") << fyllnad + QStringLiteral(", schläft <der> Hund.") << false;
    }
    void twoLineSentences()
    {
        QFETCH(QString, rad);
        QFETCH(bool, luckanForst);
        setRadBredd([](const QString &t, int) { return int(t.size()) * 12; });
        m_course->write(QStringLiteral("DATA/VRS55120.DAT"), {rad});
        QVERIFY(oppna(QStringLiteral("VRS55120.DAT"), 0));
        QVERIFY(!MeningsRader[2].isEmpty());
        QVERIFY(m_w->Label8->isVisible());
        QCOMPARE(m_w->Label8->x(), m_w->Label4->x());
        const QString gapRad = m_w->Label4->text() + QLatin1Char('<') + svaret() + QLatin1Char('>') + m_w->Label6->text();
        if (luckanForst) {
            QCOMPARE(gapRad, MeningsRader[1]);
            QCOMPARE(m_w->Label8->text(), MeningsRader[2]);
            QVERIFY(m_w->Label8->y() >= m_w->Label4->y() + m_w->Label4->height());
        } else {
            QCOMPARE(m_w->Label8->text(), MeningsRader[1]);
            QCOMPARE(gapRad, MeningsRader[2]);
            QVERIFY(m_w->Label4->y() >= m_w->Label8->y() + m_w->Label8->height());
        }
        const int botten = qMax(m_w->Label4->y() + m_w->Label4->height(), m_w->Label8->y() + m_w->Label8->height());
        QVERIFY(m_w->Svarspanel->y() >= botten);
        QCOMPARE(m_w->KorrektSvarLabel->pos(), m_w->Label5->pos());
        svara(true);
        QCOMPARE(int(AntalRatt), 1);
    }

    void worksheetModeOffersNoClicks()
    {
        QVERIFY(oppna(QStringLiteral("VRS55110.DAT"), 1));
        QVERIFY(!m_w->Svarspanel->isEnabled());
        QCOMPARE(int(MaxOrdLangd), 3);
        QCOMPARE(m_w->FragaText, QStringLiteral("der, die eller das ?"));
        QTest::mouseClick(panelMed(true), Qt::LeftButton);
        QCOMPARE(int(AntalRatt) + int(AntalFel), 0);
    }

    void genderRuleAfterAWrongAnswer()
    {
        const QList<QPair<QString, QString>> regler = {
            {QStringLiteral("<Der> Rhein ist lang.#8"), QStringLiteral("Icke-tyska floder utom de som slutar|på -a, -e är maskulina.")},
            {QStringLiteral("<Der> Vater arbeitet.#1"), QStringLiteral("Manlig varelse (hane) är maskulin.|")},
            {QStringLiteral("<Das> Mädchen lacht.#19"), QStringLiteral("19|")},
            {QStringLiteral("<Die> Freiheit ist wichtig.#28"), QStringLiteral("|")},
        };
        QStringList rader;
        for (const auto &r : regler)
            rader << r.first;
        m_course->write(QStringLiteral("DATA/VRS51100.DAT"), rader);
        QVERIFY(oppna(QStringLiteral("VRS51100.DAT"), 0));
        QStringList sedda;
        for (int i = 0; i < 4; ++i) {
            QTRY_VERIFY(m_w->Svarspanel->isVisible());
            QVERIFY(!m_w->Label9->isVisible());
            const QString s = mening().trimmed();
            QString vantad;
            for (const auto &r : regler)
                if (r.first.contains(s.section(QLatin1Char(' '), 0, 0)))
                    vantad = r.second;
            QVERIFY(!vantad.isEmpty());
            sedda << s;
            PausTid = 9;
            QTest::mouseClick(panelMed(false), Qt::LeftButton);
            QVERIFY(m_w->Label9->isVisible());
            QCOMPARE(m_w->Label9->text() + QLatin1Char('|') + m_w->Label10->text(), vantad);
            QCOMPARE(m_w->Label9->y(), m_w->Svarspanel->y());
            QVERIFY(m_w->Label10->y() > m_w->Label9->y());
            PausTid = 0;
            QTest::keyClick(m_w.get(), Qt::Key_Space);
        }
        sedda.removeDuplicates();
        QCOMPARE(sedda.size(), 4);
    }

    void pausePanelKeepsTheItem()
    {
        QVERIFY(oppna(QStringLiteral("VRS55110.DAT"), 0));
        svara(true);
        svara(false);
        svara(true);
        QTRY_VERIFY(m_w->Svarspanel->isVisible());
        const QString s = mening();
        // a right click on an option pauses
        QTest::mouseClick(m_w->OrdPanel[1], Qt::RightButton);
        QVERIFY(m_w->Escapepanel->isVisible());
        QVERIFY(m_w->Button1->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_w->Button1);
        // the options take no answer while the pause panel is open
        QTest::mouseClick(panelMed(true), Qt::LeftButton);
        QCOMPARE(int(PostNummer), 4);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(!m_w->Escapepanel->isVisible());
        QCOMPARE(mening(), s);
        QCOMPARE(int(PostNummer), 4);
        QCOMPARE(int(AntalRatt), 2);
        // a right click beside the options, then Esc once to continue
        QTest::mouseClick(m_w.get(), Qt::RightButton, {}, QPoint(5, m_w->height() / 2));
        QVERIFY(m_w->Escapepanel->isVisible());
        QVERIFY(!m_w->Svarspanel->isEnabled());
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(m_w->Svarspanel->isEnabled());
        svara(true);
        QCOMPARE(int(AntalRatt), 3);
        // Esc opens the panel, Esc again closes the window
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QVERIFY(m_w->Escapepanel->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void leavingATest_data()
    {
        // The stored result is 19; a test left before its first answer keeps
        // it, one left after four answers counts their 3 right.
        QTest::addColumn<QString>("satt");
        QTest::addColumn<bool>("besvarad");
        QTest::addColumn<int>("resultat");
        QTest::newRow("Esc twice") << "esc" << true << 19;
        QTest::newRow("right click on an option") << "option" << true << 3;
        QTest::newRow("Abbrechen") << "abbrechen" << true << 3;
        QTest::newRow("window closed") << "close" << true << 3;
        QTest::newRow("right click before the first answer") << "option" << false << 19;
        QTest::newRow("Abbrechen before the first answer") << "abbrechen" << false << 19;
        QTest::newRow("closed before the first answer") << "close" << false << 19;
    }
    void leavingATest()
    {
        QFETCH(QString, satt);
        QFETCH(bool, besvarad);
        QFETCH(int, resultat);
        m_course->write(QStringLiteral("DATA/VRDIAG05.DAT"), genusFil() + genusFil().mid(4) );
        AktivDiagnos.Namn = QStringLiteral("Anna");
        AktivDiagnos.Resultat[5] = 19;
        AktivDiagnos.Status[5] = 2;
        DiagRad = 5;
        QVERIFY(oppna(QStringLiteral("VRDIAG05.DAT"), 2));
        QVERIFY(m_w->DiagPanel2->isVisible());
        QCOMPARE(m_w->DiagLabel1->text(), QStringLiteral("Diagnos: Testning"));
        QVERIFY(!m_w->Aster1->isVisible());
        QCOMPARE(AntalPoster, 20);
        if (besvarad) {
            svara(false);
            for (int i = 0; i < 3; ++i)
                svara(true);
            QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("3"));
        }
        if (satt == QLatin1String("option")) {
            QTest::mouseClick(m_w->OrdPanel[2], Qt::RightButton);
        } else if (satt == QLatin1String("close")) {
            m_w->close();
        } else {
            QTest::keyClick(m_w.get(), Qt::Key_Escape);
            QVERIFY(m_w->Escapepanel->isVisible());
            // a test has no error round
            QVERIFY(!m_w->Button1->isEnabled());
            if (satt == QLatin1String("esc"))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else
                QTest::mouseClick(m_w->Button3, Qt::LeftButton);
        }
        QVERIFY(!m_w->isVisible());
        QCOMPARE(AktivDiagnos.Resultat[5], resultat);
        QCOMPARE(int(AktivDiagnos.Status[5]), resultat == 19 ? 2 : 3);
    }

    void diagnosisPracticeLeadsToTheTest()
    {
        m_course->write(QStringLiteral("DATA/VROVN105.DAT"), genusFil() + genusFil().mid(4));
        AktivDiagnos.Namn = QStringLiteral("Anna");
        DiagRad = 5;
        QVERIFY(oppna(QStringLiteral("VROVN105.DAT"), 3));
        QCOMPARE(m_w->DiagLabel1->text(), QStringLiteral("Övning 1"));
        runda(12); // 8 right of 20
        QCOMPARE(int(OvningsLage), 4);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        runda(12);
        QTRY_VERIFY(!m_w->isVisible());
        QCOMPARE(int(OvningsLage), 2);
        QCOMPARE(int(AktivDiagnos.Status[5]), 2);
        QCOMPARE(m_protokoll, QStringList{QStringLiteral("5:    Testa")});
    }

    void abbrechenAfterAGoodPracticeRound_data()
    {
        // "Abbrechen" in diagnosis practice with at least 8 right answers
        // counts as a good round: the second one in a row opens the test.
        QTest::addColumn<int>("ratt");
        QTest::addColumn<int>("ovningNr");
        QTest::addColumn<bool>("ovat");
        QTest::addColumn<int>("ovningNrSedan");
        QTest::newRow("8 right after a good round") << 8 << 1 << true << 0;
        QTest::newRow("7 right after a good round") << 7 << 1 << false << 1;
        QTest::newRow("8 right, the first good round") << 8 << 0 << false << 1;
        QTest::newRow("7 right, the first round") << 7 << 0 << false << 0;
    }
    void abbrechenAfterAGoodPracticeRound()
    {
        QFETCH(int, ratt);
        QFETCH(int, ovningNr);
        QFETCH(bool, ovat);
        QFETCH(int, ovningNrSedan);
        m_course->write(QStringLiteral("DATA/VROVN105.DAT"), genusFil() + genusFil().mid(4));
        AktivDiagnos.Namn = QStringLiteral("Anna");
        AktivDiagnos.Status[5] = 3;
        DiagRad = 5;
        DiagOvningNr = quint8(ovningNr);
        QVERIFY(oppna(QStringLiteral("VROVN105.DAT"), 3));
        for (int i = 0; i < ratt; ++i)
            svara(true);
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QVERIFY(m_w->Escapepanel->isVisible());
        QTest::mouseClick(m_w->Button3, Qt::LeftButton);
        QVERIFY(!m_w->isVisible());
        QCOMPARE(int(DiagOvningNr), ovningNrSedan);
        QCOMPARE(int(AktivDiagnos.Status[5]), ovat ? 2 : 3);
        QCOMPARE(int(OvningsLage), ovat ? 2 : 3);
        QCOMPARE(m_protokoll, ovat ? QStringList{QStringLiteral("5:    Testa")} : QStringList());
    }

    void fileWithoutWordsOpensNothing()
    {
        MessageRecorder rec;
        m_course->write(QStringLiteral("DATA/VRS55210.DAT"), {QStringLiteral("$Titel"), QStringLiteral("Ein Satz ohne Lücke.")});
        DataFilNamn = QStringLiteral("VRS55210.DAT");
        QVERIFY(Kolla(DataFilNamn));
        TFLERBAR_Visa();
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Filen VRS55210.DAT finns inte eller är felaktig")});
    }

    void bundledFilesFit_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<int>("minst");
        for (const char *f : {"VRS51100.DAT", "VRS55110.DAT", "VRS55120.DAT", "VRS55130.DAT", "VRS55210.DAT",
                              "VRS55220.DAT", "VRS55300.DAT"})
            QTest::newRow(f) << QString::fromLatin1(f) << 14;
        for (const char *f : {"VRDIAG05.DAT", "VRDIAG06.DAT", "VROVN105.DAT", "VROVN106.DAT"})
            QTest::newRow(f) << QString::fromLatin1(f) << DiagnosAntal;
    }
    void bundledFilesFit()
    {
        QFETCH(QString, fil);
        QFETCH(int, minst);
        activateBundledCourse();
        QVERIFY(listNummerFor(fil) <= AntalDatFiler); // listed in datfiler.vrs

        QStringList rader;
        QVERIFY(lasDataFil(hittaDataFil(fil), rader));
        SvarsordTabell s;
        const qint32 n = Hittapreppar(rader, s);
        QVERIFY(n >= 2);
        int poster = 0;
        for (const QString &rad : rader) {
            if (!arPostRad(rad))
                continue;
            ++poster;
            const QString klar = dekryptrad(rad);
            str_postarray(klar);
            LetaPrep(postFalt(1));
            const QString svar = PrepDelar[2];
            QVERIFY2(!svar.isEmpty() && svar.size() <= SvarsordLangd, qPrintable(klar));
            QVERIFY2(ord(s, 1 + svarsordBas(svar), n).contains(svar), qPrintable(klar));
            if (fil == QLatin1String("VRS51100.DAT")) {
                const Genusregel g = genusRegel(postFalt(2));
                QVERIFY2(g.rad1 != postFalt(2) && !g.rad1.isEmpty(), qPrintable(klar));
            }
        }
        QVERIFY(poster >= minst);

        QVERIFY(oppna(fil, 0));
        QVERIFY(!m_w->Overs1Label->text().isEmpty());
        QVERIFY(!m_w->InstruktionsLabel->text().isEmpty());
        for (int i = 0; i < 10; ++i)
            svara(true);
        QCOMPARE(int(AntalRatt), 10);
        QVERIFY(m_w->Escapepanel->isVisible());
    }
};

VARMIKO_TEST_MAIN(TestTFLERBAR)
#include "test_tflerbar.moc"
