// The word-list trainer "Dina ord", driven as a pupil and a teacher would:
// choosing a list, the name, a round against the stopwatch with its score,
// the pause, the error round, Esc, the record table and the worksheet.

#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "TestUtskrift.h"
#include "Typing.h"
#include "WorksheetPanels.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/vocabulary/dinaordlistor.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"
#include "results/TUtskrift.h"
#include "results/rekordtabell.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

// Twelve words "Wort A".."Wort L" with the answers "ord A".."ord L" (five
// letters each: a right answer in 5 seconds earns 95 points).
QStringList ordlista(int n, const QStringList &huvud = {})
{
    QStringList l = huvud;
    for (int i = 0; i < n; ++i)
        l << QStringLiteral("Wort %1#ord %1").arg(QChar(u'A' + i));
    return l;
}

QString svarPa(const QString &fraga)
{
    return QStringLiteral("ord ") + fraga.right(1);
}

const QString kLang = QStringLiteral(
    "ein sehr langer Satz mit vielen Wörtern, der auf keinen Fall auf eine einzige Zeile des Blattes passt");

} // namespace

class TestTDinaOrd : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TDinaOrd> m_w;
    std::unique_ptr<TestUtskrift> m_utskrift;
    qint64 m_ms = 0;

    TDinaOrd *oppna(quint16 programtal, quint8 lage = 0)
    {
        m_w.reset();
        Programtal = programtal;
        OvningsLage = lage;
        m_w = std::make_unique<TDinaOrd>();
        m_w->FormCreate();
        m_w->show();
        QApplication::setActiveWindow(m_w.get());
        m_w->ListBox1->setFocus();
        return m_w.get();
    }

    bool valjLista(const QString &namn)
    {
        const auto hittade = m_w->ListBox1->findItems(namn, Qt::MatchExactly);
        if (hittade.isEmpty())
            return false;
        m_w->ListBox1->setCurrentItem(hittade.first());
        m_w->ListBox1->setFocus();
        QTest::keyClick(m_w->ListBox1, Qt::Key_Return);
        return true;
    }

    void angeNamn(const QString &namn)
    {
        m_w->Edit2->clear();
        typeAndEnter(m_w->Edit2, namn);
    }

    // List chosen and name given: the first item is on screen.
    bool borja(const QString &lista = QStringLiteral("Mycket lätta glosor"), quint16 programtal = AllmannaGlosor)
    {
        oppna(programtal);
        if (!valjLista(lista) || !m_w->namnruta->isVisible())
            return false;
        angeNamn(QStringLiteral("Bertil"));
        return m_w->Edit1->isVisible() && m_w->Edit1->isEnabled();
    }

    void svara(const QString &text)
    {
        typeAnswer(m_w->Edit1, text);
    }

    QString fraga() const { return m_w->FrageLabel2->text(); }

    // Answers the rest of the round in 5 seconds an item: wrongly at the
    // item numbers in fel.
    void spelaRunda(const QList<int> &fel)
    {
        const int antal = AntalPoster;
        for (int i = PostNummer; i <= antal; ++i) {
            const QString q = fraga();
            m_ms += 5000;
            if (fel.contains(i)) {
                svara(QStringLiteral("falsch"));
                if (i < antal)
                    QTRY_VERIFY(m_w->Edit1->isEnabled());
            } else {
                svara(svarPa(q));
            }
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
    }

    // Answers the next modal window when it opens.
    void svaraModal(std::function<void(QWidget *)> svar)
    {
        auto *t = new QTimer(this);
        t->setInterval(10);
        connect(t, &QTimer::timeout, this, [t, svar] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                t->stop();
                t->deleteLater();
                svar(m);
            }
        });
        t->start();
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "3");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRSK1.vr1"),
                        ordlista(12, {QStringLiteral("$§Übersetze ins Schwedische."), QStringLiteral("; Wörter")}));
        m_course->write(QStringLiteral("DATA/tidsordf.vr1"), ordlista(2));
        m_course->write(QStringLiteral("DATA/VRSK2.vr1"), {kLang + QStringLiteral("#svar")});
        m_course->write(QStringLiteral("DATA/GRUNDZAH.vr2"), ordlista(3));
        m_course->activate();
        ScoreDirectoryOk = 1;
        PausTid = 0;
        BildInst = 0;
        SpelarNamn[1] = QStringLiteral("Anna");
        m_ms = 1000;
        setStoppur([this] { return m_ms; });
    }
    void cleanup()
    {
        qDeleteAll(findChildren<QTimer *>()); // answers for modal windows that never opened
        m_w.reset();
        m_utskrift.reset();
        m_course.reset();
        setStoppur({});
        setRadBredd({});
        OvningsLage = 0;
    }

    void choosingAListAndAName()
    {
        oppna(AllmannaGlosor);
        QCOMPARE(listRader(m_w->ListBox1), QStringList({QStringLiteral("Mycket lätta glosor"), QStringLiteral("Lätta glosor")}));
        QCOMPARE(m_w->ListBox1->currentRow(), 0);
        QCOMPARE(m_w->Overs1Label->text(), QStringLiteral("Wortschatz"));
        QCOMPARE(m_w->Overs2Label->text(), QStringLiteral("Alltäglich"));
        QVERIFY(m_w->Panel2->isVisible());
        QVERIFY(!m_w->Edit1->isVisible());

        QVERIFY(valjLista(QStringLiteral("Mycket lätta glosor")));
        QVERIFY(m_w->namnruta->isVisible());
        QVERIFY(!m_w->Panel2->isVisible());
        QCOMPARE(m_w->Edit2->text(), QStringLiteral("Anna"));
        QCOMPARE(Programtal, quint16(1000));
        angeNamn(QStringLiteral("Bertil Åström"));
        QCOMPARE(SpelarNamn[1], QStringLiteral("Bertil Åström"));
        QCOMPARE(m_w->DinaOrdLage, quint8(TDinaOrd::Ovar));
        QVERIFY(!m_w->namnruta->isVisible());
        QVERIFY(m_w->Edit1->hasFocus());
        QVERIFY(fraga().startsWith(QStringLiteral("Wort ")));
        QVERIFY(!m_w->SvarsLabel->isVisible());
        QCOMPARE(m_w->FilPanel->text(), QStringLiteral("Mycket lätta glosor"));
        QVERIFY(m_w->FilPanel->isVisible());
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Übersetze ins Schwedische."));
        QCOMPARE(m_w->DiagLabel3->text(), QStringLiteral("1/10"));
        QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("0"));
        QVERIFY(m_w->lampknapp->isVisible());
        QCOMPARE(RekordFilNamn, ScoreDirectory + QStringLiteral("VRSK1.TNR"));
    }

    void escapeStepsBack()
    {
        oppna(AllmannaGlosor);
        QVERIFY(valjLista(QStringLiteral("Lätta glosor")));
        QTest::keyClick(m_w->Edit2, Qt::Key_Escape);
        QVERIFY(!m_w->namnruta->isVisible());
        QVERIFY(m_w->Panel2->isVisible());
        QCOMPARE(m_w->DinaOrdLage, quint8(TDinaOrd::ValjerLista));
        QVERIFY(m_w->isVisible());
        QTest::keyClick(m_w->ListBox1, Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void closingTheWindowAtARoundsEndNeverOpensTheTable()
    {
        QVERIFY(borja());
        spelaRunda({});
        QVERIFY(m_w->Button3->isEnabled());
        bool tabell = false;
        svaraModal([&tabell](QWidget *m) {
            tabell = true;
            m->close();
        });
        m_w->close(); // as the window manager closes it
        QTest::qWait(50);
        QVERIFY(!m_w->isVisible());
        QVERIFY(!tabell);
    }

    void aListThatCannotBeReadKeepsTheChoiceOpen()
    {
        oppna(AllmannaGlosor);
        QFile::remove(m_course->path(QStringLiteral("DATA/VRSK2.vr1")));
        MessageRecorder m;
        QVERIFY(valjLista(QStringLiteral("Lätta glosor")));
        QCOMPARE(m.count(), 1);
        QVERIFY(m.last().endsWith(QStringLiteral("VRSK2.vr1 finns inte eller är felaktig")));
        QVERIFY(m_w->Panel2->isVisible());
        QVERIFY(!m_w->namnruta->isVisible());
        QCOMPARE(m_w->ListaKlar, quint8(0));
    }

    void aRoundScoresRightAnswersByTime()
    {
        QVERIFY(borja());
        // Letter case counts; one punctuation mark at the end does not.
        const QString q = fraga();
        m_ms += 5000;
        svara(svarPa(q) + QLatin1Char('.'));
        QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("95"));
        QCOMPARE(m_w->DiagLabel3->text(), QStringLiteral("2/10"));
        const QString q2 = fraga();
        svara(svarPa(q2).toUpper());
        QVERIFY(m_w->SvarsLabel->isVisible());
        QCOMPARE(m_w->SvarsLabel->text(), svarPa(q2));
        QCOMPARE(int(AntalFel), 1);
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        QVERIFY(!m_w->SvarsLabel->isVisible());

        // With the lamp on, a right answer earns half.
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        QVERIFY(m_w->LampShape->isVisible());
        typeText(m_w->Edit1, QStringLiteral("x"));
        QCOMPARE(m_w->LampShape->brushColor(), bgrFarg(0x0000FF));
        QCOMPARE(m_w->LampTillstand, quint8(2));
        m_w->Edit1->clear();
        typeText(m_w->Edit1, QStringLiteral("ord"));
        QCOMPARE(m_w->LampShape->brushColor(), bgrFarg(0x00FF00));
        m_w->Edit1->clear();
        spelaRunda({3});
        // 95 + 7 right answers at 47.5 (the item answered wrongly earns nothing)
        QCOMPARE(m_w->DinaOrdPoang, 95 + 7 * 47.5);
        QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("428"));
        QCOMPARE(int(AntalRatt), 8);
        QCOMPARE(DinaOrdFelAntal[DinaOrdLista], 2);
        QVERIFY(m_w->Button1->isEnabled());
        QVERIFY(m_w->Button1->hasFocus());
        QVERIFY(m_w->Button3->isEnabled());
        QVERIFY(!m_w->Edit1->isEnabled());
    }

    void theErrorRoundRepeatsWrongWordsWithoutPoints()
    {
        QVERIFY(borja());
        QStringList falska;
        for (int i = 1; i <= 10; ++i) {
            const QString q = fraga();
            m_ms += 5000;
            if (i == 4 || i == 8) {
                falska << q;
                svara(QStringLiteral("falsch"));
                QTRY_VERIFY(m_w->Edit1->isEnabled() || m_w->Panel1->isVisible());
            } else {
                svara(svarPa(q));
            }
        }
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(m_w->DinaOrdPoang, 8 * 95.0);

        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(m_w->Panel13->isVisible());
        QVERIFY(!m_w->DiagPanel1->isVisible());
        QCOMPARE(m_w->Label17->text(), QStringLiteral("2"));
        QCOMPARE(AntalPoster, 2);
        QVERIFY(!m_w->Button3->isEnabled());
        QCOMPARE(fraga(), falska[0]);
        svara(QStringLiteral("falsch")); // wrong again: to the end of the queue
        QTRY_VERIFY(m_w->Edit1->isEnabled());
        QCOMPARE(fraga(), falska[1]);
        m_ms += 1000;
        svara(svarPa(falska[1]));
        QTRY_VERIFY(m_w->Panel1->isVisible());
        QCOMPARE(m_w->Label17->text(), QStringLiteral("1"));
        QCOMPARE(DinaOrdFelAntal[DinaOrdLista], 1);
        QCOMPARE(m_w->DinaOrdPoang, 0.0);
        QVERIFY(m_w->Button1->isEnabled());

        QTest::mouseClick(m_w->Button2, Qt::LeftButton); // a new round, scored from 0
        QCOMPARE(FelRunda, quint8(0));
        QVERIFY(m_w->DiagPanel1->isVisible());
        QVERIFY(!m_w->Panel13->isVisible());
        QCOMPARE(m_w->DiagLabel3->text(), QStringLiteral("1/10"));
        QCOMPARE(m_w->DiagLabel5->text(), QStringLiteral("0"));
        QVERIFY(m_w->Edit1->isEnabled());
        QVERIFY(m_w->Edit1->hasFocus());
    }

    void escapeInMidRound_data()
    {
        QTest::addColumn<bool>("felrunda");
        QTest::addColumn<int>("besvarade");
        QTest::addColumn<bool>("sammaPost");
        QTest::newRow("normal round") << false << 3 << true;
        QTest::newRow("error round") << true << 1 << true;
        QTest::newRow("last item") << false << 9 << false;
    }
    void escapeInMidRound()
    {
        QFETCH(bool, felrunda);
        QFETCH(int, besvarade);
        QFETCH(bool, sammaPost);
        QVERIFY(borja());
        if (felrunda) {
            spelaRunda({2, 5, 6});
            QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        }
        for (int i = 0; i < besvarade; ++i)
            svara(svarPa(fraga()));
        const QString q = fraga();
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Edit1->isEnabled());
        QVERIFY(!m_w->Button3->isEnabled()); // the table only at a round's end
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(m_w->Edit1->isEnabled());
        QVERIFY(m_w->lampknapp->isEnabled());
        if (sammaPost) {
            QCOMPARE(fraga(), q);
            QCOMPARE(int(PostNummer), besvarade + 1);
            QCOMPARE(FelRunda, quint8(felrunda ? 1 : 0));
            QCOMPARE(m_w->Panel13->isVisible(), felrunda);
            svara(svarPa(q));
            if (felrunda)
                QCOMPARE(m_w->Label17->text(), QStringLiteral("1"));
        } else {
            QCOMPARE(int(PostNummer), 1);
            QCOMPARE(m_w->DiagLabel3->text(), QStringLiteral("1/10"));
        }
    }

    void theErrorRoundAsksAtMostTenWords()
    {
        // The exercises' error round over the trainer's own queue: the
        // queued words, at most ten of them.
        QVERIFY(borja());
        spelaRunda({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        spelaRunda({1, 2});
        QCOMPARE(DinaOrdFelAntal[DinaOrdLista], 12);
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QCOMPARE(int(FelRunda), 1);
        QCOMPARE(AntalPoster, 10);
        QCOMPARE(int(PostNummer), 1);
        QCOMPARE(int(AntalRatt), 0);
        QCOMPARE(m_w->Label17->text(), QStringLiteral("12"));
        QCOMPARE(m_w->DinaOrdPoang, 0.0);
    }

    void aWrongLastAnswerEndsTheRoundAfterThePause()
    {
        PausTid = 9;
        QVERIFY(borja());
        for (int i = 1; i < 10; ++i)
            svara(svarPa(fraga()));
        svara(QStringLiteral("falsch"));
        QVERIFY(m_w->SvarsLabel->isVisible());
        QTest::qWait(300);
        QVERIFY(!m_w->Panel1->isVisible()); // the pause goes on
        QTest::keyClick(m_w.get(), Qt::Key_Space);
        QTRY_VERIFY_WITH_TIMEOUT(m_w->Panel1->isVisible(), 1000);
        QVERIFY(m_w->Button1->isEnabled());
    }

    void theTableTakesTheNameAndTheScore()
    {
        QVERIFY(borja());
        spelaRunda({1});
        QCOMPARE(m_w->DinaOrdPoang, 9 * 95.0);
        svaraModal([](QWidget *m) {
            QTest::keyClick(m->findChild<QTableWidget *>(QStringLiteral("StringGrid1")), Qt::Key_Return);
        });
        QTest::mouseClick(m_w->Button3, Qt::LeftButton);
        QVERIFY(!QApplication::activeModalWidget());
        QList<TRekordRad> tabell;
        QCOMPARE(readRecordFile(recordFilePath(RekordFilNamn), tabell), RecordFileState::Read);
        QCOMPARE(tabell.size(), 1);
        QCOMPARE(tabell[0].Namn, QStringLiteral("Bertil"));
        QCOMPARE(int(tabell[0].Resultat), 855);
        QVERIFY(!m_w->Button3->isEnabled()); // once per round end
        QVERIFY(m_w->Panel1->isVisible());
    }

    void aShortListRepeatsWordsWithinARound()
    {
        QVERIFY(borja(QStringLiteral("Grundtalen"), SpeciellaGlosor));
        QCOMPARE(m_w->Overs2Label->text(), QStringLiteral("Speziell"));
        QMap<QString, int> sedda;
        for (int i = 1; i <= 10; ++i) {
            ++sedda[fraga()];
            svara(svarPa(fraga()));
        }
        QCOMPARE(sedda.size(), 3);
        for (int n : sedda)
            QVERIFY(n >= 3);
    }

    void germanLettersInTheAnswerBox()
    {
        QVERIFY(borja());
        typeText(m_w->Edit1, QStringLiteral("Stra"));
        QTest::keyClick(m_w->Edit1, Qt::Key_S, Qt::AltModifier);
        typeText(m_w->Edit1, QStringLiteral("e"));
        QCOMPARE(m_w->Edit1->text(), QStringLiteral("Straße"));
        QStringList menyn;
        for (QAction *a : m_w->PopupMenu1->actions())
            menyn << a->text();
        QCOMPARE(menyn, QStringList({QStringLiteral("Klistra in ß"), QStringLiteral("Klistra in ü"),
                                     QStringLiteral("Klistra in Ü")}));
    }

    void worksheetLinesOfAList()
    {
        m_utskrift = std::make_unique<TestUtskrift>();
        setRadBredd([](const QString &text, int) { return int(text.size()) * 10; });
        oppna(AllmannaGlosor, 1);
        QVERIFY(!m_w->SkrivutHelaPanelen->isVisible());
        QVERIFY(valjLista(QStringLiteral("Mycket lätta glosor")));
        QVERIFY(m_w->SkrivutHelaPanelen->isVisible());
        QVERIFY(m_w->Panel2->isVisible()); // another list can be chosen
        QVERIFY(!m_w->Edit1->isVisible());
        QVERIFY(m_w->SvarsLabel->isVisible());
        QCOMPARE(m_w->SvarsLabel->text(), svarPa(fraga()));

        ArbetsbladsLage *a = m_w->arbetsblad();
        QTest::mouseClick(a->SkrivutAntalButton, Qt::LeftButton);
        for (int i = 0; i < 20; ++i)
            QTest::mouseClick(a->SkrivutSpinUpp, Qt::LeftButton);
        QCOMPARE(a->SkrivutAntalLabel->text(), QStringLiteral("12")); // no more than the list holds
        for (int i = 0; i < 10; ++i)
            QTest::mouseClick(a->SkrivutSpinNer, Qt::LeftButton);
        const QString forsta = fraga();
        QTest::mouseClick(a->SkrivutKlartButton, Qt::LeftButton);
        QTest::mouseClick(a->ValjaUtButton, Qt::LeftButton);
        const QString tredje = fraga();
        QTest::mouseClick(a->SkrivutSkickaButton, Qt::LeftButton);

        const QString rubrik = QStringLiteral("1.  Ordförrådet ---Mycket lätta glosor");
        const QString instruktion = QStringLiteral("     Översätt följande ord:");
        const QStringList blad = listRader(Utskrift->ListBox1);
        const QStringList facit = listRader(Utskrift->ListBox2);
        QCOMPARE(blad.size(), 8);
        QCOMPARE(blad.mid(0, 3), QStringList({rubrik, instruktion, QStringLiteral("   1. ") + forsta}));
        QCOMPARE(blad[3], QString(7, QLatin1Char(' ')) + QString(36, QLatin1Char('_')));
        QCOMPARE(blad[7], QString(7, QLatin1Char(' ')) + QString(37, QLatin1Char('_')));
        QCOMPARE(facit.mid(0, 4), QStringList({rubrik + QStringLiteral(". Facit."), instruktion,
                                               QStringLiteral("   1. ") + forsta,
                                               QStringLiteral("       ") + svarPa(forsta)}));
        QVERIFY(facit[4].startsWith(QStringLiteral("   2. Wort ")));
        QCOMPARE(facit[6], QStringLiteral("   3. ") + tredje);
        QCOMPARE(facit[7], QStringLiteral("       ") + svarPa(tredje));

        // Up and Down choose the list; words of another list start a section.
        QTest::mouseClick(a->SkrivutAvbryt2Button, Qt::LeftButton);
        QTest::keyClick(a->SkrivutAntalButton, Qt::Key_Down);
        QCOMPARE(m_w->ListBox1->currentRow(), 1);
        m_w->ListBox1->setFocus();
        QTest::keyClick(m_w->ListBox1, Qt::Key_Return);
        QVERIFY(m_w->FrageLabel1->isVisible()); // a long word is shown on two lines
        QTest::mouseClick(a->ValjaUtButton, Qt::LeftButton);
        QTest::mouseClick(a->SkrivutSkickaButton, Qt::LeftButton);
        const QStringList mer = listRader(Utskrift->ListBox1).mid(8);
        QCOMPARE(mer.size(), 5);
        QCOMPARE(mer[0], QStringLiteral("2.  Ordförrådet ---Lätta glosor"));
        QVERIFY(mer[2].startsWith(QStringLiteral("   4. ein sehr")));
        QVERIFY(mer[3].startsWith(QStringLiteral("      ")) && mer[3][6] != QLatin1Char(' '));
        QCOMPARE((mer[2].mid(6) + QLatin1Char(' ') + mer[3].mid(6)).simplified(), kLang);
        QCOMPARE(listRader(Utskrift->ListBox2).last(), QStringLiteral("       svar"));
    }
};

VARMIKO_TEST_MAIN(TestTDinaOrd)
#include "test_tdinaord.moc"
