// The multiple-choice window in worksheet mode, driven by its buttons as a
// teacher would: the file's words as the section's instruction, each sentence
// with a blank on the sheet and with its marked answer in the key, and the
// printed sheet.

#include "ExerciseWindow.h"
#include "PdfPages.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "TestUtskrift.h"
#include "WorksheetPanels.h"
#include "drills/grammar/TFLERBAR.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/Printing.h"
#include "results/TUtskrift.h"

#include <QApplication>
#include <QFrame>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString kRubrik = QStringLiteral("1.  Präpositionen Leicht");
const QString kOrd = QStringLiteral("Auf, an eller in ?");
const QString kLucka(6, QLatin1Char('_')); // two underscores a letter of the longest word
const QString kIndrag(7, QLatin1Char(' '));

struct Rader
{
    QStringList blad;
    QStringList facit;
};

// The item lines of each sentence of the file, numbered n.
Rader vantat(const QString &mening, int n)
{
    const QString p = QStringLiteral("   %1. ").arg(n);
    if (mening == QLatin1String("Das Buch liegt <auf> dem Tisch."))
        return {{p + QStringLiteral("Das Buch liegt ") + kLucka + QStringLiteral(" dem Tisch.")}, {p + mening}};
    if (mening == QStringLiteral("Das Bild hängt <an> der Wand."))
        return {{p + QStringLiteral("Das Bild hängt ") + kLucka + QStringLiteral(" der Wand.")}, {p + mening}};
    if (mening == QLatin1String("<Auf> dem Dach sitzt eine Katze."))
        return {{p + kLucka + QStringLiteral(" dem Dach sitzt eine Katze.")}, {p + mening}};
    if (mening.startsWith(QLatin1String("Meine"))) {
        // The gap on the second line.
        const QString rad1 = QStringLiteral("Meine Großmutter und mein Großvater wohnen seit vielen Jahren ");
        return {{p + rad1, kIndrag + QStringLiteral("zusammen ") + kLucka + QStringLiteral(" einem kleinen Haus.")},
                {p + rad1, kIndrag + QStringLiteral("zusammen <in> einem kleinen Haus.")}};
    }
    if (mening.startsWith(QLatin1String("Ich"))) {
        // The gap on the first line.
        const QString rad2 = QStringLiteral("unserer Schule vorbeifährt.");
        return {{p + QStringLiteral("Ich warte ") + kLucka + QStringLiteral(" den Bus, der jeden Morgen um sieben Uhr an "),
                 kIndrag + rad2},
                {p + QStringLiteral("Ich warte <auf> den Bus, der jeden Morgen um sieben Uhr an "),
                 kIndrag + rad2}};
    }
    return {};
}

} // namespace

class TestTFLERBARWorksheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TestUtskrift> m_utskrift;
    std::unique_ptr<TFLERBAR> m_w;

    TFLERBAR *oppna()
    {
        m_w.reset();
        return openExercise(m_w, QStringLiteral("VRS55110.DAT"), 1);
    }

    bool klicka(const QString &namn) { return klickaPanelknapp(m_w.get(), namn); }

    // Sends the item on screen to the sheet and notes its lines.
    bool skicka(Rader &rader)
    {
        const Rader r = vantat(postFalt(1), UtskriftPostNr + 1);
        if (r.blad.isEmpty()) {
            qWarning("unknown sentence %s", qPrintable(postFalt(1)));
            return false;
        }
        rader.blad += r.blad;
        rader.facit += r.facit;
        return klicka(QStringLiteral("SkrivutSkickaButton"));
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "9");
        Skalning = 100;
        // Ten pixels a letter: a line of the sheet holds 63 letters.
        setRadBredd([](const QString &t, int) { return int(t.size()) * 10; });
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS55110.DAT"),
                        {QStringLiteral("$Präpositionen"), QStringLiteral("$Leicht"),
                         QStringLiteral("$§Welche Präposition passt? Klickt auf das richtige Wort."),
                         QStringLiteral("$%Wählt die richtige Präposition"),
                         QStringLiteral("Das Buch liegt <auf> dem Tisch."), QStringLiteral("Das Bild hängt <an> der Wand."),
                         QStringLiteral("<Auf> dem Dach sitzt eine Katze."),
                         QStringLiteral("Meine Großmutter und mein Großvater wohnen seit vielen Jahren zusammen <in> "
                                        "einem kleinen Haus."),
                         QStringLiteral("Ich warte <auf> den Bus, der jeden Morgen um sieben Uhr an unserer Schule "
                                        "vorbeifährt.")});
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

    void everySentenceWithABlank()
    {
        QVERIFY(oppna());
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        Rader rader;
        for (int i = 0; i < 5; ++i)
            QVERIFY(skicka(rader));
        // Every sentence once; no writing lines.
        QCOMPARE(rader.blad.size(), 3 + 2 * 2);
        // Picked one by one, the words stand five blanks in.
        const QStringList avsnitt{kRubrik, QStringLiteral("     ") + kOrd};
        QCOMPARE(listRader(Utskrift->ListBox1), avsnitt + rader.blad);
        QCOMPARE(listRader(Utskrift->ListBox2), avsnitt + rader.facit);
        using K = TUtskrift::RadKlass;
        QCOMPARE(Utskrift->radKlass(1, 0), K::Rubrik);
        QCOMPARE(Utskrift->radKlass(1, 1), K::Fortsattning);
        for (int i = 2; i < Utskrift->antalRader(); ++i)
            QCOMPARE(Utskrift->radKlass(2, i),
                     rader.facit[i - 2].startsWith(QLatin1String("       ")) ? K::Fortsattning : K::Uppgift);
    }

    void countedItemsIndentTheWordsSixBlanks()
    {
        QVERIFY(oppna());
        const Rader r = vantat(postFalt(1), 1);
        QVERIFY(klicka(QStringLiteral("SkrivutAntalButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutKlartButton")));
        const QStringList avsnitt{kRubrik, QStringLiteral("      ") + kOrd};
        QCOMPARE(listRader(Utskrift->ListBox1), avsnitt + r.blad);
        QCOMPARE(listRader(Utskrift->ListBox2), avsnitt + r.facit);
    }

    void onlyASectionWithLinesTakesANumber()
    {
        // Opened and left without adding anything.
        QVERIFY(oppna());
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt1Button")));
        QVERIFY(!m_w->isVisible());

        // No pause panel in worksheet mode: a right click does nothing, Esc
        // leaves for the menu.
        QVERIFY(oppna());
        QTest::mouseClick(m_w.get(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(!m_w->Escapepanel->isVisible());
        QTest::keyClick(m_w.get(), Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
        QVERIFY(!m_w->Escapepanel->isVisible());
        QCOMPARE(UtskriftAvsnitt, 0);

        QVERIFY(oppna());
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        Rader rader;
        QVERIFY(skicka(rader));
        QCOMPARE(Utskrift->ListBox1->item(0)->text(), kRubrik);
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt2Button")));
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt1Button")));

        QVERIFY(oppna());
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(skicka(rader));
        static const QRegularExpression rubrik(QStringLiteral("^\\d+\\.  "));
        QCOMPARE(listRader(Utskrift->ListBox1).filter(rubrik),
                 QStringList({kRubrik, QStringLiteral("2.  Präpositionen Leicht")}));
    }

    void printedSheetAndKey()
    {
        QTemporaryDir pdf;
        qputenv("VARMIKO_PRINT_PDF_DIR", pdf.path().toLocal8Bit());
        QVERIFY(oppna());
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        Rader rader;
        for (int i = 0; i < 5; ++i)
            QVERIFY(skicka(rader));
        QString bladFil, facitFil;
        QVERIFY(skrivUtBladOchFacit(m_w.get(), bladFil, facitFil));

        const QStringList blad = pdfPages(bladFil);
        QCOMPARE(blad.size(), 1);
        QVERIFY(blad[0].contains(QStringLiteral("1. Präpositionen Leicht")));
        QVERIFY(blad[0].contains(kOrd));
        QVERIFY(blad[0].contains(QStringLiteral("Das Buch liegt ") + kLucka + QStringLiteral(" dem Tisch.")));
        QVERIFY(!blad[0].contains(QLatin1Char('<')));

        const QStringList facit = pdfPages(facitFil);
        QCOMPARE(facit.size(), 1);
        QVERIFY(facit[0].contains(QStringLiteral("Facit")));
        QVERIFY(facit[0].contains(QStringLiteral("Das Buch liegt <auf> dem Tisch.")));
        QVERIFY(facit[0].contains(QStringLiteral("zusammen <in> einem kleinen Haus.")));
        QVERIFY(!facit[0].contains(QLatin1Char('_')));
    }
};

VARMIKO_TEST_MAIN(TestTFLERBARWorksheet)
#include "test_tflerbar_worksheet.moc"
