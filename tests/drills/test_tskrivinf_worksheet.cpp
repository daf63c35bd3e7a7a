// The gap-filling window in worksheet mode, driven by its buttons as a
// teacher would: the lead sentence and the gap sentence with its blanks on
// the sheet, the marked answers in the key, and the printed sheet.

#include "ExerciseWindow.h"
#include "PdfPages.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "TestUtskrift.h"
#include "WorksheetPanels.h"
#include "drills/writing/TSkrivinf.h"
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

const QString kRubrik = QStringLiteral("1.  Hilfsverben");
const QString kInstruktion = QStringLiteral("      Übersetzt den Text zwischen < und >!");
const QString kIndrag(7, QLatin1Char(' '));

// A gap on the sheet: n underscores between two blanks (the text around it
// keeps its own blanks).
QString blank(int n)
{
    return QStringLiteral(" ") + QString(n, QLatin1Char('_')) + QStringLiteral(" ");
}

} // namespace

class TestTSkrivinfWorksheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TestUtskrift> m_utskrift;
    std::unique_ptr<TSkrivinf> m_w;

    TSkrivinf *oppna(const QString &fil)
    {
        m_w.reset();
        return openExercise(m_w, fil, 1);
    }

    bool klicka(const QString &namn) { return klickaPanelknapp(m_w.get(), namn); }

    bool laggTill(bool franKlart) { return laggTillArbetsbladet(m_w.get(), franKlart); }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "3");
        Skalning = 100;
        // Ten pixels a letter: a line of the sheet holds 68 letters.
        setRadBredd([](const QString &t, int) { return int(t.size()) * 10; });
        m_course = std::make_unique<TestCourse>();
        const QStringList huvud{QStringLiteral("$Hilfsverben"), QStringLiteral("$haben: Präsens"),
                                QStringLiteral("$§Schreibt die richtige Form von haben."),
                                QStringLiteral("$%Schreibt die richtige Form von haben")};
        const QList<QPair<QString, QString>> filer{
            {QStringLiteral("VRS56510.DAT"), QStringLiteral("Jag <har> en hund.#Ich <habe> einen Hund.#haben")},
            {QStringLiteral("VRS56520.DAT"),
             QStringLiteral("Vi <har> tid och ni <har> tur.#Wir <haben> Zeit und ihr <habt> Glück.")},
            {QStringLiteral("VRS56540.DAT"), QStringLiteral("Ich <habe> einen Hund.")},
            {QStringLiteral("VRS56550.DAT"),
             QStringLiteral("Min syster och min bror har en stor hund, två katter och en liten <kanin>."
                            "#Meine Schwester und mein Bruder haben einen großen Hund, zwei Katzen und "
                            "ein kleines <Kaninchen>.")},
        };
        for (const auto &f : filer)
            m_course->write(QStringLiteral("DATA/") + f.first, huvud + QStringList{f.second});
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

    void gapsBecomeBlanks_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<bool>("franKlart");
        QTest::addColumn<QStringList>("blad");  // the item's lines on the sheet
        QTest::addColumn<QStringList>("facit"); // and in the key
        const QString har = QStringLiteral("   1. Jag <har> en hund.");
        for (bool klart : {false, true})
            QTest::newRow(klart ? "one gap, Klart" : "one gap, Skickas till utskrift")
                << "VRS56510.DAT" << klart
                << QStringList{har, kIndrag + QStringLiteral("Ich ") + blank(6) + QStringLiteral(" einen Hund.")}
                << QStringList{har, kIndrag + QStringLiteral("Ich <habe> einen Hund.")};
        // Two gaps on a line: one underscore a letter when the item on screen
        // is sent, two when the count is chosen.
        const QString tid = QStringLiteral("   1. Vi <har> tid och ni <har> tur.");
        const QString tidFacit = kIndrag + QStringLiteral("Wir <haben> Zeit und ihr <habt> Glück.");
        QTest::newRow("two gaps, Skickas till utskrift")
            << "VRS56520.DAT" << false
            << QStringList{tid, kIndrag + QStringLiteral("Wir ") + blank(7) + QStringLiteral(" Zeit und ihr ") + blank(6)
                                    + QStringLiteral(" Glück.")}
            << QStringList{tid, tidFacit};
        QTest::newRow("two gaps, Klart")
            << "VRS56520.DAT" << true
            << QStringList{tid, kIndrag + QStringLiteral("Wir ") + blank(12) + QStringLiteral(" Zeit und ihr ")
                                    + blank(10) + QStringLiteral(" Glück.")}
            << QStringList{tid, tidFacit};
        // Without a lead sentence the gap sentence is the task: the sheet
        // never shows its answer.
        QTest::newRow("no lead sentence")
            << "VRS56540.DAT" << false
            << QStringList{QStringLiteral("   1. Ich ") + blank(6) + QStringLiteral(" einen Hund.")}
            << QStringList{QStringLiteral("   1. Ich <habe> einen Hund.")};
        // Both sentences on two lines; the gap on the second line of its
        // sentence.
        const QStringList led{
            QStringLiteral("   1. Min syster och min bror har en stor hund, två katter och en liten "),
            kIndrag + QStringLiteral("<kanin>.")};
        const QString mening1 = QStringLiteral("Meine Schwester und mein Bruder haben einen großen Hund, zwei Katzen ");
        QTest::newRow("two lines each")
            << "VRS56550.DAT" << false
            << led + QStringList{kIndrag + mening1,
                                 kIndrag + QStringLiteral("und ein kleines ") + blank(11) + QStringLiteral(".")}
            << led + QStringList{kIndrag + mening1, kIndrag + QStringLiteral("und ein kleines <Kaninchen>.")};
    }
    void gapsBecomeBlanks()
    {
        QFETCH(QString, fil);
        QFETCH(bool, franKlart);
        QFETCH(QStringList, blad);
        QFETCH(QStringList, facit);
        QVERIFY(oppna(fil));
        QVERIFY(laggTill(franKlart));
        // The section: the first title line only, and the window's own
        // instruction without a colon.
        QCOMPARE(listRader(Utskrift->ListBox1), QStringList({kRubrik, kInstruktion}) + blad);
        QCOMPARE(listRader(Utskrift->ListBox2), QStringList({kRubrik, kInstruktion}) + facit);
        using K = TUtskrift::RadKlass;
        QCOMPARE(Utskrift->radKlass(2, 0), K::Rubrik);
        QCOMPARE(Utskrift->radKlass(2, 1), K::Fortsattning);
        QCOMPARE(Utskrift->radKlass(2, 2), K::Uppgift);
        for (int i = 3; i < 2 + facit.size(); ++i)
            QCOMPARE(Utskrift->radKlass(2, i), K::Fortsattning);
    }

    void printedSheetAndKey()
    {
        QTemporaryDir pdf;
        qputenv("VARMIKO_PRINT_PDF_DIR", pdf.path().toLocal8Bit());
        QVERIFY(oppna(QStringLiteral("VRS56520.DAT")));
        QVERIFY(laggTill(false));
        QString bladFil, facitFil;
        QVERIFY(skrivUtBladOchFacit(m_w.get(), bladFil, facitFil));

        const QStringList blad = pdfPages(bladFil);
        QCOMPARE(blad.size(), 1);
        QVERIFY(blad[0].contains(QStringLiteral("1. Hilfsverben")));
        QVERIFY(blad[0].contains(QStringLiteral("Übersetzt den Text zwischen < und >!")));
        QVERIFY(blad[0].contains(QStringLiteral("1. Vi <har> tid och ni <har> tur.")));
        QVERIFY(blad[0].contains(QStringLiteral("Wir")));
        QVERIFY(blad[0].contains(QString(7, QLatin1Char('_'))));
        QVERIFY(!blad[0].contains(QStringLiteral("haben")));
        QVERIFY(!blad[0].contains(QStringLiteral("habt")));

        const QStringList facit = pdfPages(facitFil);
        QCOMPARE(facit.size(), 1);
        QVERIFY(facit[0].contains(QStringLiteral("Facit")));
        QVERIFY(facit[0].contains(QStringLiteral("Wir <haben> Zeit und ihr <habt> Glück.")));
        QVERIFY(!facit[0].contains(QLatin1Char('_')));
    }
};

VARMIKO_TEST_MAIN(TestTSkrivinfWorksheet)
#include "test_tskrivinf_worksheet.moc"
