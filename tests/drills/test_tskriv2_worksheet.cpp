// The two-answer window in worksheet mode, driven by its buttons as a teacher
// would: the lines of its items on the sheet and in the answer key, and the
// printed sheet.

#include "ExerciseWindow.h"
#include "PdfPages.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "TestUtskrift.h"
#include "WorksheetPanels.h"
#include "drills/writing/Tskriv2.h"
#include "frame/datafiles.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/Printing.h"
#include "results/TUtskrift.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString kLinje = QString(7, QLatin1Char(' ')) + QString(57, QLatin1Char('_'));
const QString kLangFraga = QStringLiteral("gut (Wir essen heute in dem Restaurant am Markt, weil das Essen dort sehr gut ist)");

} // namespace

class TestTskriv2Worksheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TestUtskrift> m_utskrift;
    std::unique_ptr<Tskriv2> m_w;

    Tskriv2 *oppna(const QString &fil)
    {
        m_w.reset();
        return openExercise(m_w, fil, 1);
    }

    bool klicka(const QString &namn) { return klickaPanelknapp(m_w.get(), namn); }

    // Adds the item on screen ("Skickas till utskrift") or the count's first
    // item ("Klart").
    bool laggTill(bool franKlart) { return laggTillArbetsbladet(m_w.get(), franKlart); }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "7");
        Skalning = 100;
        // Ten pixels a letter: a line of the sheet holds 68 letters.
        setRadBredd([](const QString &t, int) { return int(t.size()) * 10; });
        m_course = std::make_unique<TestCourse>();
        const QStringList huvud{QStringLiteral("$Adjektiv"), QStringLiteral("$Komparation, lätt"),
                                QStringLiteral("$%Schreibt den Komparativ und den Superlativ")};
        m_course->write(QStringLiteral("DATA/VRS52100.DAT"),
                        huvud + QStringList{QStringLiteral("schnell#schneller#am schnellsten#snabb#&1schnellre")});
        m_course->write(QStringLiteral("DATA/VRS52200.DAT"), huvud + QStringList{QStringLiteral("gut#besser#am besten#")});
        m_course->write(QStringLiteral("DATA/VRS52300.DAT"),
                        {QStringLiteral("; utan rubrik"), kLangFraga + QStringLiteral("#besser#am besten#bra")});
        m_course->activate();
        m_utskrift = std::make_unique<TestUtskrift>();
        UtskriftNyRubrik = 0;
    }
    void cleanup()
    {
        m_w.reset();
        m_utskrift.reset();
        m_course.reset();
        setRadBredd({});
        OvningsLage = 0;
        qunsetenv("VARMIKO_PRINT_PDF_DIR");
    }

    void bothFormsGoToTheKey_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<bool>("franKlart");
        QTest::addColumn<QStringList>("blad");
        QTest::addColumn<QStringList>("facit");
        const QString rubrik = QStringLiteral("1.  Adjektiv Komparation, lätt");
        const QString schnell = QStringLiteral("   1. schnell");
        for (bool klart : {false, true})
            QTest::newRow(klart ? "Klart" : "Skickas till utskrift")
                << "VRS52100.DAT" << klart << QStringList{rubrik, schnell, kLinje}
                << QStringList{rubrik, schnell, QStringLiteral("       schneller, am schnellsten (snabb)")};
        // An item without its Swedish word: no empty brackets.
        QTest::newRow("no Swedish word") << "VRS52200.DAT" << false
                                         << QStringList{rubrik, QStringLiteral("   1. gut"), kLinje}
                                         << QStringList{rubrik, QStringLiteral("   1. gut"),
                                                        QStringLiteral("       besser, am besten")};
        // A long task goes on on a second line six blanks in; a file
        // without a title gets the exercise's own.
        const QString rad1 = QStringLiteral("   1. gut (Wir essen heute in dem Restaurant am Markt, weil das Essen dort ");
        const QString rad2 = QStringLiteral("      sehr gut ist)");
        const QString egen = QStringLiteral("1.  Die Adjektive steigern");
        QTest::newRow("two lines, no title") << "VRS52300.DAT" << true << QStringList{egen, rad1, rad2, kLinje}
                                             << QStringList{egen, rad1, rad2,
                                                            QStringLiteral("       besser, am besten (bra)")};
    }
    void bothFormsGoToTheKey()
    {
        QFETCH(QString, fil);
        QFETCH(bool, franKlart);
        QFETCH(QStringList, blad);
        QFETCH(QStringList, facit);
        QVERIFY(oppna(fil));
        // The preview shows both forms with the word, but not the Swedish word.
        QVERIFY(m_w->SvarsLabel1->isVisible() && m_w->SvarsLabel2->isVisible());
        QVERIFY(!m_w->SvenskaLabel->isVisible());
        QVERIFY(!m_w->Edit1->isVisible() && !m_w->Edit2->isVisible());

        QVERIFY(laggTill(franKlart));
        QCOMPARE(listRader(Utskrift->ListBox1), blad);
        QCOMPARE(listRader(Utskrift->ListBox2), facit);
        // The worksheet instruction of the file is not printed.
        QVERIFY(UtskriftInstruktion.isEmpty());
        using K = TUtskrift::RadKlass;
        QCOMPARE(Utskrift->radKlass(2, 0), K::Rubrik);
        QCOMPARE(Utskrift->radKlass(2, 1), K::Uppgift);
        for (int i = 2; i < facit.size(); ++i)
            QCOMPARE(Utskrift->radKlass(2, i), K::Fortsattning);
    }

    void printedSheetAndKey()
    {
        QTemporaryDir pdf;
        qputenv("VARMIKO_PRINT_PDF_DIR", pdf.path().toLocal8Bit());
        QVERIFY(oppna(QStringLiteral("VRS52100.DAT")));
        QVERIFY(laggTill(false));
        QString bladFil, facitFil;
        QVERIFY(skrivUtBladOchFacit(m_w.get(), bladFil, facitFil));

        const QStringList blad = pdfPages(bladFil);
        QCOMPARE(blad.size(), 1);
        QVERIFY(blad[0].contains(QStringLiteral("1. Adjektiv Komparation, lätt")));
        QVERIFY(blad[0].contains(QStringLiteral("1. schnell")));
        QVERIFY(blad[0].contains(QString(57, QLatin1Char('_'))));
        QVERIFY(!blad[0].contains(QStringLiteral("schneller")));
        QVERIFY(!blad[0].contains(QStringLiteral("Schreibt")));

        const QStringList facit = pdfPages(facitFil);
        QCOMPARE(facit.size(), 1);
        QVERIFY(facit[0].contains(QStringLiteral("Facit")));
        QVERIFY(facit[0].contains(QStringLiteral("schneller, am schnellsten (snabb)")));
        QVERIFY(!facit[0].contains(QLatin1Char('_')));
    }
};

VARMIKO_TEST_MAIN(TestTskriv2Worksheet)
#include "test_tskriv2_worksheet.moc"
