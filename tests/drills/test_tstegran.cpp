// The level-stepping drill, driven as a pupil would: levels rising and
// falling, the waits, the bar, saving and fetching a level through the name
// box, worksheet mode, and the level-numbered data files it reads.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/grammar/NivaFil.h"
#include "drills/grammar/NivaRuta.h"
#include "drills/grammar/TStegPost.h"
#include "drills/grammar/TStegran.h"
#include "frame/TAster.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/randomorder.h"
#include "frame/startup.h"
#include "frame/vrsku1.h"
#include "platform/ShapeWidget.h"
#include "results/TUtskrift.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace {

// Levels 1, 2, 3 and 5 (level 4 is empty, so the file has three levels).
// The answer to "Aufgabe L-k" is "antwort L-k"; one line is stored scrambled.
QStringList stufen()
{
    QStringList l{QStringLiteral("$Zahlen"), QStringLiteral("$§Schreibe die Antwort."),
                  QStringLiteral("; Stufe 4 fehlt")};
    for (int k = 1; k <= 4; ++k)
        l << QStringLiteral("1Aufgabe 1-%1#antwort 1-%1").arg(k);
    l << QStringLiteral("2Aufgabe 2-1#antwort 2-1") << kryptrad(QStringLiteral("2 Aufgabe 2-2#antwort 2-2"));
    l << QStringLiteral("3Aufgabe 3-1#antwort 3-1") << QStringLiteral("3Aufgabe 3-2#antwort 3-2");
    l << QStringLiteral("5Aufgabe 5-1#antwort 5-1");
    return l;
}

} // namespace

class TestTStegran : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TStegran> m_w;

    TStegran *oppna(const QString &fil, quint8 lage = 0)
    {
        m_w.reset();
        if (!openExercise(m_w, fil, lage))
            return nullptr;
        m_w->Edit1->setFocus();
        return m_w.get();
    }

    QString fraga() const { return m_w->Label5->text(); }
    QString niva() const { return m_w->NivPanel->NivLabel2->text(); }
    int siffrans() const { return m_w->NivPanel->NivLabel2->font().pointSize(); }

    void svara(const QString &text)
    {
        typeAndEnter(m_w->Edit1, text);
    }
    // Answers and goes on at once (Space ends the wait).
    void ratt()
    {
        svara(m_w->rattSvar());
        QTest::keyClick(m_w->Edit1, Qt::Key_Space);
    }
    void fel()
    {
        svara(QStringLiteral("falsch"));
        QTest::keyClick(m_w->Edit1, Qt::Key_Space);
    }

    QByteArray stegFil(const QString &namn) const
    {
        QFile f(m_course->path(QStringLiteral("RESULTAT/") + namn));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "5");
        m_course = std::make_unique<TestCourse>();
        m_course->mkdir(QStringLiteral("RESULTAT"));
        m_course->write(QStringLiteral("DATA/VRS53100.DAT"), stufen());
        m_course->write(QStringLiteral("DATA/VRS56110.DAT"),
                        {QStringLiteral("$Starke Verben"), QStringLiteral("12Zwölfte Stufe#zwölf")});
        m_course->write(QStringLiteral("DATA/VRS56210.DAT"), stufen());
        m_course->write(QStringLiteral("DATA/VRS53900.DAT"), {QStringLiteral("Frage#Antwort")});
        m_course->activate();
        DiagnosPathKlar = 0;
        PausTid = 7;
        SpelarNamn[1].clear();
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
        OvningsLage = 0;
    }

    void levelOfALine_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<int>("niva");
        QTest::newRow("one digit") << "1Frage#Antwort" << 1;
        QTest::newRow("two digits") << "12Frage#Antwort" << 12;
        QTest::newRow("blanks after the number") << "20   Frage#Antwort" << 20;
        QTest::newRow("above 20") << "21Frage#Antwort" << 0;
        QTest::newRow("level 0") << "0Frage#Antwort" << 0;
        QTest::newRow("three digits") << "123Frage#Antwort" << 0;
        QTest::newRow("no #") << "3Frage Antwort" << 0;
        QTest::newRow("# last") << "3Frage#" << 0;
        QTest::newRow("no digit first") << "Frage 3#Antwort" << 0;
        QTest::newRow("comment") << ";3Frage#Antwort" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void levelOfALine()
    {
        QFETCH(QString, rad);
        QFETCH(int, niva);
        QCOMPARE(NivaFil::nivaAv(rad), niva);
        if (niva)
            QVERIFY(!NivaFil::utanNiva(rad).front().isDigit());
    }

    void levelFileCountsConsecutiveLevels()
    {
        NivaFil f;
        QVERIFY(f.TestaStegreFilen(QStringLiteral("VRS53100.DAT")));
        QCOMPARE(f.AntalNivaer, 3); // level 5 stands above the gap
        QCOMPARE(f.NivaAntal[1], 4);
        QCOMPARE(f.NivaAntal[2], 2); // the scrambled line counts
        QCOMPARE(f.NivaAntal[5], 1);
        f.slumpaAllaNivaer();
        QStringList varv;
        for (int i = 0; i < 8; ++i) {
            QVERIFY(f.haemtaord(1));
            varv << PostRad;
        }
        // A level's order goes round without a new shuffle.
        QCOMPARE(varv.mid(4), varv.mid(0, 4));
        QCOMPARE(QSet<QString>(varv.begin(), varv.end()).size(), 4);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(f.haemtaord(2));
            QVERIFY2(PostRad.trimmed().startsWith(QLatin1String("Aufgabe 2-")), qPrintable(PostRad));
        }
    }

    void levelsRiseAndFall()
    {
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        QCOMPARE(m_w->Overs1Label->text(), QStringLiteral("Zahlen"));
        QCOMPARE(m_w->InstruktionsLabel->text(), QStringLiteral("Schreibe die Antwort."));
        QVERIFY(fraga().startsWith(QLatin1String("Aufgabe 1-")));
        QCOMPARE(niva(), QStringLiteral("1"));
        QCOMPARE(siffrans(), 18);
        QVERIFY(!m_w->Aster1->isVisible());

        // The number grows with each right answer in a row; the third raises the level.
        svara(m_w->rattSvar());
        QCOMPARE(siffrans(), 24);
        QTest::keyClick(m_w->Edit1, Qt::Key_Space);
        ratt();
        QCOMPARE(siffrans(), 30);
        ratt();
        QCOMPARE(niva(), QStringLiteral("2"));
        QCOMPARE(siffrans(), 18);
        QCOMPARE(m_w->NivPanel->Gauge1->value(), 2);
        QVERIFY2(fraga().startsWith(QLatin1String("Aufgabe 2-")), qPrintable(fraga()));

        // Two right, then a wrong one: a level down, the run at 0.
        ratt();
        ratt();
        const QString antwort = m_w->rattSvar();
        svara(QStringLiteral("falsch"));
        QCOMPARE(niva(), QStringLiteral("1"));
        QCOMPARE(int(AntalRatt), 0);
        QVERIFY(m_w->Label6->isVisible());
        QCOMPARE(m_w->Label6->text(), antwort);
        // Enter during the wait is no second answer.
        QTest::keyClick(m_w->Edit1, Qt::Key_Return);
        QCOMPARE(int(AntalFel), 1);
        QTest::keyClick(m_w->Edit1, Qt::Key_Space);
        QVERIFY(!m_w->Label6->isVisible());
        QVERIFY(fraga().startsWith(QLatin1String("Aufgabe 1-")));

        // At level 1 a wrong answer, an empty one too, leaves level and run.
        ratt();
        svara(QString());
        QCOMPARE(int(AntalFel), 2);
        QCOMPARE(niva(), QStringLiteral("1"));
        QCOMPARE(int(AntalRatt), 1);
        QTest::keyClick(m_w->Edit1, Qt::Key_Space);
        // The next right answer makes a run of 2.
        ratt();
        QCOMPARE(siffrans(), 30);
    }

    void topLevelRunStartsAgain()
    {
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        for (int i = 0; i < 6; ++i)
            ratt();
        QCOMPARE(niva(), QStringLiteral("3"));
        for (int i = 0; i < 3; ++i)
            ratt();
        QCOMPARE(niva(), QStringLiteral("3"));
        QCOMPARE(siffrans(), 18);
        QCOMPARE(int(AntalRatt), 0);
        QCOMPARE(m_w->NivPanel->Gauge1->value(), 3);
        QCOMPARE(m_w->NivPanel->Gauge1->maximum(), 3);
    }

    // The next item follows by itself after a right or a wrong answer, and
    // the pupil's pause setting is left as it was.
    void waitsEndByThemselves_data()
    {
        QTest::addColumn<bool>("rattSvar");
        QTest::newRow("right") << true;
        QTest::newRow("wrong") << false;
    }
    void waitsEndByThemselves()
    {
        QFETCH(bool, rattSvar);
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        svara(rattSvar ? m_w->rattSvar() : QStringLiteral("falsch"));
        QVERIFY(m_w->vantar());
        QTRY_VERIFY_WITH_TIMEOUT(!m_w->vantar(), 10000);
        QVERIFY(m_w->Edit1->text().isEmpty());
        QVERIFY(!m_w->Label6->isVisible());
        QCOMPARE(PausTid, 3); // the window sets its own pause at every item
    }

    void lampComparesWithTheAnswer()
    {
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        QTest::mouseClick(m_w->lampknapp, Qt::LeftButton);
        QVERIFY(m_w->LampShape->isVisible());
        typeText(m_w->Edit1, QStringLiteral("antw"));
        QCOMPARE(m_w->LampShape->brushColor(), bgrFarg(0x00FF00));
        typeText(m_w->Edit1, QStringLiteral("x"));
        QCOMPARE(m_w->LampShape->brushColor(), bgrFarg(0x0000FF));
    }

    void escapeShowsTheBar()
    {
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(m_w->Panel1->isVisible());
        QVERIFY(!m_w->Edit1->isEnabled());
        for (QPushButton *b : {m_w->Button1, m_w->Button2, m_w->HaemtaNivaa2, m_w->Button3})
            QVERIFY2(b->isVisible(), qPrintable(b->text()));
        QVERIFY(!m_w->PrintButton->isVisible());
        QTest::mouseClick(m_w->Button1, Qt::LeftButton);
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(m_w->Edit1->isEnabled());
        QVERIFY(m_w->Edit1->hasFocus());
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }

    void saveAndFetchThroughTheNameBox()
    {
        MessageRecorder m;
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        for (int i = 0; i < 6; ++i)
            ratt();
        QCOMPARE(niva(), QStringLiteral("3"));

        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTest::mouseClick(m_w->Button2, Qt::LeftButton);
        QVERIFY(m_w->namnruta->isVisible());
        QVERIFY(m_w->Edit2->hasFocus());
        QTest::keyClick(m_w->Edit2, Qt::Key_Return); // an empty name does nothing
        QVERIFY(m_w->namnruta->isVisible());
        typeText(m_w->Edit2, QStringLiteral("Anna-Maria Müllerhofenstein")); // 27 characters
        QTest::keyClick(m_w->Edit2, Qt::Key_Return);
        QCOMPARE(SpelarNamn[1], QStringLiteral("Anna-Maria Müllerhof"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Niveau 3 ist für Anna-Maria Müllerhof gespeichert.")});
        QVERIFY(!m_w->namnruta->isVisible());
        QVERIFY(!m_w->Panel1->isVisible());
        QVERIFY(m_w->Edit1->hasFocus());
        TStegPost sparad;
        sparad.Namn = QStringLiteral("Anna-Maria Müllerhof");
        sparad.Niva = 3;
        QCOMPARE(stegFil(QStringLiteral("VRXACT.STE")), sparad.toBytes());

        // A later run: the name in capitals fetches level 3.
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        QCOMPARE(niva(), QStringLiteral("1"));
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTest::mouseClick(m_w->HaemtaNivaa2, Qt::LeftButton);
        QCOMPARE(m_w->Edit2->text(), SpelarNamn[1]);
        m_w->Edit2->clear();
        m.clear();
        typeAndEnter(m_w->Edit2, QStringLiteral("ANNA-MARIA MÜLLERHOFENSTEIN"));
        QCOMPARE(m.count(), 0); // the level box shows what was found
        QCOMPARE(niva(), QStringLiteral("3"));
        QCOMPARE(m_w->NivPanel->Gauge1->value(), 3);
        QVERIFY2(fraga().startsWith(QLatin1String("Aufgabe 3-")), qPrintable(fraga()));

        // A name not in the file leaves the level.
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QTest::mouseClick(m_w->HaemtaNivaa2, Qt::LeftButton);
        m_w->Edit2->clear();
        typeAndEnter(m_w->Edit2, QStringLiteral("Niemand"));
        QCOMPARE(niva(), QStringLiteral("3"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Für Niemand ist kein Niveau gespeichert.")});
    }

    // What the pupil is told after saving or fetching: nothing saved yet, a
    // level saved, a higher level saved before that stays, and level 1.
    void savingAndFetchingTellThePupil()
    {
        MessageRecorder m;
        QVERIFY(oppna(QStringLiteral("VRS53100.DAT")));
        const auto namnruta = [this](QPushButton *knapp, const QString &namn) {
            QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
            QTest::mouseClick(knapp, Qt::LeftButton);
            m_w->Edit2->clear();
            typeAndEnter(m_w->Edit2, namn);
        };
        namnruta(m_w->HaemtaNivaa2, QStringLiteral("Anna"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Es ist noch kein Niveau gespeichert.")});
        QCOMPARE(niva(), QStringLiteral("1"));

        for (int i = 0; i < 6; ++i)
            ratt();
        QCOMPARE(niva(), QStringLiteral("3"));
        m.clear();
        namnruta(m_w->Button2, QStringLiteral("Anna"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Niveau 3 ist für Anna gespeichert.")});

        fel();
        QCOMPARE(niva(), QStringLiteral("2"));
        m.clear();
        namnruta(m_w->Button2, QStringLiteral("anna"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Für anna bleibt Niveau 3 gespeichert.")});

        fel();
        QCOMPARE(niva(), QStringLiteral("1"));
        m.clear();
        namnruta(m_w->Button2, QStringLiteral("Bert"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Niveau 1 ist der Anfang und wird nicht gespeichert.")});
        namnruta(m_w->HaemtaNivaa2, QStringLiteral("Anna"));
        QCOMPARE(niva(), QStringLiteral("3"));
    }

    void eachExerciseHasItsProgressFile_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("stegfil");
        QTest::addColumn<bool>("regler");
        QTest::newRow("X-akt") << "VRS53100.DAT" << "VRXACT.STE" << false;
        QTest::newRow("weak verbs") << "VRS56210.DAT" << "VRVERB2.STE" << true;
    }
    void eachExerciseHasItsProgressFile()
    {
        QFETCH(QString, fil);
        QFETCH(QString, stegfil);
        QFETCH(bool, regler);
        QVERIFY(oppna(fil));
        QCOMPARE(m_w->StegFilNamn, stegfil);
        QCOMPARE(m_w->regelknapp->isVisible(), regler);
        QCOMPARE(TStegran::stegFilFor(56110), QStringLiteral("VRVERB1.STE"));
    }

    void fileWithoutLevelsOpensNoDrill()
    {
        MessageRecorder meddelanden;
        DataFilNamn = QStringLiteral("VRS53900.DAT");
        OvningsLage = 0;
        QVERIFY(Kolla(DataFilNamn));
        TStegran w;
        w.FormCreate();
        QVERIFY(!w.harPoster());
        QCOMPARE(meddelanden.texts(), QStringList{QStringLiteral("Filen VRS53900.DAT finns inte eller är felaktig")});
    }

    void worksheetItemsLoseTheirLevelNumber()
    {
        TUtskrift utskrift;
        Utskrift = &utskrift;
        utskrift.TomArbetsbladet();
        QVERIFY(oppna(QStringLiteral("VRS56110.DAT"), 1));
        QCOMPARE(fraga(), QStringLiteral("Zwölfte Stufe"));
        QVERIFY(!m_w->Edit1->isVisible());
        QVERIFY(!m_w->NivPanel->isVisible());
        QVERIFY(m_w->SkrivutOverskriftLabel->isVisible());
        QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("ValjaUtButton")), Qt::LeftButton);
        QTest::mouseClick(m_w->findChild<QPushButton *>(QStringLiteral("SkrivutSkickaButton")), Qt::LeftButton);
        QStringList blad, facit;
        for (int i = 0; i < utskrift.ListBox1->count(); ++i) {
            blad << utskrift.ListBox1->item(i)->text();
            facit << utskrift.ListBox2->item(i)->text();
        }
        const QString linje = QString(7, QLatin1Char(' ')) + QString(57, QLatin1Char('_'));
        QCOMPARE(blad,
                 QStringList({QStringLiteral("1.  Starke Verben"), QStringLiteral("   1. Zwölfte Stufe"), linje}));
        QCOMPARE(facit.last(), QStringLiteral("       zwölf"));
        m_w.reset();
        Utskrift = nullptr;
    }

    // The bundled exercises: twenty levels, each worth climbing.
    void bundledExercisesClimbToTheTop_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::newRow("X-akt") << "VRS53100.DAT";
        QTest::newRow("strong verbs") << "VRS56110.DAT";
        QTest::newRow("weak verbs") << "VRS56210.DAT";
    }
    void bundledExercisesClimbToTheTop()
    {
        QFETCH(QString, fil);
        activateBundledCourse();
        MessageRecorder meddelanden;
        QVERIFY(oppna(fil));
        QCOMPARE(m_w->Nivaer.AntalNivaer, 20);
        for (int L = 1; L <= 20; ++L)
            QVERIFY2(m_w->Nivaer.NivaAntal[L] >= 4, qPrintable(QString::number(L)));
        QVERIFY(!m_w->Overs1Label->text().isEmpty());
        for (int i = 0; i < 3 * 19; ++i) {
            QVERIFY(!fraga().isEmpty());
            QVERIFY(!m_w->rattSvar().isEmpty());
            ratt();
        }
        QCOMPARE(niva(), QStringLiteral("20"));
        QCOMPARE(int(AntalFel), 0);
        QCOMPARE(meddelanden.count(), 0);
    }
};

VARMIKO_TEST_MAIN(TestTStegran)
#include "test_tstegran.moc"
