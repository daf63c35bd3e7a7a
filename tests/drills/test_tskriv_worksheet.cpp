// The typed-answer exercise window in worksheet mode, driven by its buttons
// as a teacher would: the lines handed to the sheet and its answer key, the
// count, the panels, printing, and the sheet living on from one exercise to
// the next.

#include "ExerciseWindow.h"
#include "FrageOvning.h"
#include "PdfPages.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "TestUtskrift.h"
#include "WorksheetPanels.h"
#include "app/allafonster.h"
#include "drills/writing/TSKRIV.h"
#include "frame/TForm1.h"
#include "frame/datafiles.h"
#include "frame/vrsku1.h"
#include "platform/ArrowButton.h"
#include "platform/Printing.h"
#include "results/TUtskrift.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

namespace {

const QString kLinje = QString(7, QLatin1Char(' ')) + QString(57, QLatin1Char('_'));

} // namespace

class TestTSKRIVWorksheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<TestUtskrift> m_utskrift;
    std::unique_ptr<TSKRIV> m_w;

    TSKRIV *oppna(const QString &fil)
    {
        m_w.reset();
        return openExercise(m_w, fil, 1);
    }

    // The panel the teacher sees: the topmost of the visible ones.
    QString framst() const { return framstaPanel(m_w.get()); }

    QPushButton *knapp(const QString &namn) const
    {
        return m_w->findChild<QPushButton *>(namn);
    }

    // Clicks a button of the panel in front, as the teacher can.
    bool klicka(const QString &namn) { return klickaPanelknapp(m_w.get(), namn); }

    // A key as the teacher presses it: to the widget with the focus.
    void tangent(Qt::Key key)
    {
        QWidget *f = QApplication::focusWidget();
        QTest::keyClick(f && m_w->isAncestorOf(f) ? f : m_w.get(), key);
    }

    QString antal() const { return m_w->findChild<QLabel *>(QStringLiteral("SkrivutAntalLabel"))->text(); }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "11");
        m_course = std::make_unique<TestCourse>();
        m_course->write(QStringLiteral("DATA/VRS41000.DAT"),
                        frageOvning(12, {QStringLiteral("$Wörter"), QStringLiteral("$%Schreibe auf Deutsch")}));
        m_course->write(QStringLiteral("DATA/VRS41100.DAT"),
                        {QStringLiteral("$Tiere"), QStringLiteral("$Haustiere"), QStringLiteral("$%Übersetze"),
                         QStringLiteral("$§Schreibe das Wort."), QStringLiteral("das Haus#Haus#&Hütte#Heim")});
        m_course->write(QStringLiteral("DATA/VRS41200.DAT"), frageOvning(100, {QStringLiteral("$Hundert")}));
        m_course->write(QStringLiteral("DATA/VRS41300.DAT"), frageOvning(3, {}));
        m_course->activate();
        m_utskrift = std::make_unique<TestUtskrift>();
        UtskriftNyRubrik = 0;
    }
    void cleanup()
    {
        m_w.reset();
        m_utskrift.reset();
        m_course.reset();
        OvningsLage = 0;
        qunsetenv("VARMIKO_PRINT_PDF_DIR");
    }

    void firstItemOfANewSheet()
    {
        QVERIFY(oppna(QStringLiteral("VRS41100.DAT")));
        QVERIFY(!m_w->Edit1->isVisible());
        QVERIFY(m_w->SkrivutOverskriftLabel->isVisible());
        QCOMPARE(m_w->FrageLabel2->text(), QStringLiteral("das Haus"));
        QCOMPARE(framst(), QStringLiteral("SkrivutPanel1"));
        for (const char *n : {"VisaUtSkriftListaButton", "Skrivut1Button", "RensaButton"})
            QVERIFY2(!knapp(QLatin1String(n))->isEnabled(), n);

        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        const QString rubrik = QStringLiteral("1.  Tiere Haustiere");
        const QString instruktion = QStringLiteral("      Übersetze:");
        QCOMPARE(listRader(Utskrift->ListBox1), QStringList({rubrik, instruktion, QStringLiteral("   1. das Haus"), kLinje}));
        QCOMPARE(listRader(Utskrift->ListBox2), QStringList({rubrik, instruktion, QStringLiteral("   1. das Haus"),
                                                         QStringLiteral("       Haus eller Hütte, Heim.")}));
        using K = TUtskrift::RadKlass;
        const QList<K> klasser{K::Rubrik, K::Fortsattning, K::Uppgift, K::Fortsattning};
        for (int i = 0; i < klasser.size(); ++i)
            QCOMPARE(Utskrift->radKlass(2, i), klasser[i]);
        for (const char *n : {"VisaUtskriftLista2Button", "Skrivut2Button"})
            QVERIFY2(knapp(QLatin1String(n))->isEnabled(), n);
    }

    void numberPrefixesLineUp()
    {
        QVERIFY(oppna(QStringLiteral("VRS41200.DAT")));
        QVERIFY(klicka(QStringLiteral("SkrivutAntalButton")));
        for (int i = 1; i < 100; ++i)
            tangent(Qt::Key_Up);
        QCOMPARE(antal(), QStringLiteral("100"));
        QVERIFY(klicka(QStringLiteral("SkrivutKlartButton")));
        QCOMPARE(framst(), QStringLiteral("SkrivutPanel1"));

        const QStringList blad = listRader(Utskrift->ListBox1);
        QCOMPARE(blad.size(), 1 + 2 * 100); // no instruction line in this file
        QCOMPARE(blad.first(), QStringLiteral("1.  Hundert"));
        QSet<QString> fragorna;
        for (int k = 1; k <= 100; ++k) {
            const QString rad = blad[1 + 2 * (k - 1)];
            // Three blanks before 1..9, one before 10..99, none from 100 on:
            // in the printed font the numbers up to 99 line up.
            static const QRegularExpression form(QStringLiteral("^(   \\d| \\d\\d|\\d\\d\\d)\\. (Frage \\d+)$"));
            const QRegularExpressionMatch m = form.match(rad);
            QVERIFY2(m.hasMatch(), qPrintable(rad));
            QCOMPARE(m.captured(1).trimmed().toInt(), k);
            fragorna.insert(m.captured(2));
            QCOMPARE(blad[2 + 2 * (k - 1)], kLinje);
            QCOMPARE(Utskrift->radKlass(1, 1 + 2 * (k - 1)), TUtskrift::RadKlass::Uppgift);
        }
        QCOMPARE(fragorna.size(), 100); // the file's random order: every item once
    }

    void countStaysWithinTheFile_data()
    {
        QTest::addColumn<bool>("tangenter");
        QTest::newRow("spin button") << false;
        QTest::newRow("Up and Down") << true;
    }
    void countStaysWithinTheFile()
    {
        QFETCH(bool, tangenter);
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT")));
        QVERIFY(klicka(QStringLiteral("SkrivutAntalButton")));
        QCOMPARE(framst(), QStringLiteral("SkrivutAntalPanel"));
        QCOMPARE(antal(), QStringLiteral("1"));
        // The two halves carry drawn arrows, each half at least half a line
        // of the count high.
        for (const char *halv : {"SkrivutSpinUpp", "SkrivutSpinNer"}) {
            auto *pil = m_w->findChild<ArrowButton *>(QLatin1String(halv));
            QVERIFY2(pil && pil->isVisible(), halv);
            auto *rad = m_w->findChild<QLabel *>(QStringLiteral("SkrivutAntalLabel"));
            QVERIFY(pil->height() * 2 >= QFontMetrics(rad->font()).height());
        }
        auto upp = [&] {
            if (tangenter)
                tangent(Qt::Key_Up);
            else
                QTest::mouseClick(m_w->findChild<QToolButton *>(QStringLiteral("SkrivutSpinUpp")), Qt::LeftButton);
        };
        auto ner = [&] {
            if (tangenter)
                tangent(Qt::Key_Down);
            else
                QTest::mouseClick(m_w->findChild<QToolButton *>(QStringLiteral("SkrivutSpinNer")), Qt::LeftButton);
        };
        for (int i = 0; i < 15; ++i)
            upp();
        QCOMPARE(antal(), QStringLiteral("12"));
        QCOMPARE(UtskriftAntal, 12);
        for (int i = 0; i < 15; ++i)
            ner();
        QCOMPARE(antal(), QStringLiteral("0"));
        QCOMPARE(UtskriftAntal, 0);

        // "Klart" with nothing to add opens the section only.
        QVERIFY(klicka(QStringLiteral("SkrivutKlartButton")));
        QCOMPARE(listRader(Utskrift->ListBox1),
                 QStringList({QStringLiteral("1.  Wörter"), QStringLiteral("      Schreibe auf Deutsch:")}));
        QCOMPARE(UtskriftPostNr, 0);
        // Up and Down belong to the count panel only.
        tangent(Qt::Key_Up);
        QVERIFY(klicka(QStringLiteral("SkrivutAntalButton")));
        QCOMPARE(antal(), QStringLiteral("1"));
    }

    void panelsReturnWhereTheyCameFrom_data()
    {
        QTest::addColumn<QStringList>("klick");
        QTest::addColumn<QString>("panel");
        QTest::newRow("count, cancel") << QStringList{"SkrivutAntalButton", "SkrivutAvbryt4Button"}
                                       << "SkrivutPanel1";
        QTest::newRow("pick, cancel") << QStringList{"ValjaUtButton", "SkrivutAvbryt2Button"} << "SkrivutPanel1";
        QTest::newRow("view from main") << QStringList{"VisaUtSkriftListaButton", "SkrivutAvbryt5Button"}
                                        << "SkrivutPanel1";
        QTest::newRow("view from pick")
            << QStringList{"ValjaUtButton", "VisaUtskriftLista2Button", "SkrivutAvbryt5Button"} << "SkrivutValPanel";
        QTest::newRow("print from main") << QStringList{"Skrivut1Button", "SkrivutAvbryt3Button"} << "SkrivutPanel1";
        QTest::newRow("print from pick") << QStringList{"ValjaUtButton", "Skrivut2Button", "SkrivutAvbryt3Button"}
                                         << "SkrivutValPanel";
        QTest::newRow("print from main after picking")
            << QStringList{"ValjaUtButton", "SkrivutAvbryt2Button", "Skrivut1Button", "SkrivutAvbryt3Button"}
            << "SkrivutPanel1";
    }
    void panelsReturnWhereTheyCameFrom()
    {
        QFETCH(QStringList, klick);
        QFETCH(QString, panel);
        // A sheet collected by an earlier exercise: viewing and printing are offered at once.
        Utskrift->LaggTill({TUtskrift::RadKlass::Rubrik, QStringLiteral("1.  Alt"), QStringLiteral("1.  Alt")});
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT")));
        for (const QString &k : klick)
            QVERIFY(klicka(k));
        QCOMPARE(framst(), panel);
        QVERIFY(m_w->isVisible());
    }

    void viewBesideTheExerciseAndBackToTheMenu()
    {
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT")));
        QVERIFY(klicka(QStringLiteral("SkrivutAntalButton")));
        tangent(Qt::Key_Up);
        QVERIFY(klicka(QStringLiteral("SkrivutKlartButton")));
        QVERIFY(klicka(QStringLiteral("VisaUtSkriftListaButton")));
        QVERIFY(klicka(QStringLiteral("SeListUtanButton")));
        QVERIFY(Utskrift->isVisible());
        QVERIFY(!Utskrift->isModal());
        QCOMPARE(Utskrift->parentWidget(), m_w.get());
        QCOMPARE(Utskrift->listaIFronten(), Utskrift->ListBox1);
        QVERIFY(Utskrift->ListBox1->isVisible() && !Utskrift->ListBox2->isVisible());
        QVERIFY(klicka(QStringLiteral("SelistMedButton")));
        QCOMPARE(Utskrift->listaIFronten(), Utskrift->ListBox2);
        QVERIFY(Utskrift->ListBox2->isVisible() && !Utskrift->ListBox1->isVisible());
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt5Button")));
        QVERIFY(!Utskrift->isVisible());

        // Esc on the count panel is not the way to the menu.
        QVERIFY(klicka(QStringLiteral("SkrivutAntalButton")));
        tangent(Qt::Key_Escape);
        QVERIFY(m_w->isVisible());
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt4Button")));

        // The window manager's close while the sheet is shown over the window.
        QVERIFY(klicka(QStringLiteral("VisaUtSkriftListaButton")));
        QVERIFY(klicka(QStringLiteral("SeListUtanButton")));
        QVERIFY(Utskrift->isVisible());
        m_w->close();
        QVERIFY(!m_w->isVisible());
        QVERIFY(!Utskrift->isVisible());
        QCOMPARE(int(UtskriftNyRubrik), 0);

        QPointer<TUtskrift> kvar(Utskrift);
        m_w.reset();
        QVERIFY(kvar);
        QVERIFY(!Utskrift->parentWidget());
        QCOMPARE(Utskrift->ListBox1->count(), 2 + 2 * 2);
    }

    void nextExerciseOpensTheNextSection()
    {
        QVERIFY(oppna(QStringLiteral("VRS41100.DAT")));
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutNextButton"))); // moves on, adds nothing
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt2Button")));
        tangent(Qt::Key_Escape); // "Till menyn"
        QVERIFY(!m_w->isVisible());
        QCOMPARE(m_w->result(), int(QDialog::Accepted));
        QCOMPARE(Utskrift->ListBox1->count(), 2 + 2 * 2);

        // A file without a title opens its own section with an empty title.
        QVERIFY(oppna(QStringLiteral("VRS41300.DAT")));
        QVERIFY(knapp(QStringLiteral("Skrivut1Button"))->isEnabled());
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        const QStringList blad = listRader(Utskrift->ListBox1);
        QCOMPARE(blad.size(), 2 + 2 * 2 + 1 + 2);
        QCOMPARE(blad[6], QStringLiteral("2.  "));
        QVERIFY2(blad[7].startsWith(QStringLiteral("   3. Frage ")), qPrintable(blad[7]));
        QCOMPARE(listRader(Utskrift->ListBox2)[8].left(15), QStringLiteral("       Antwort "));

        // "Rensa" starts the sheet again, with nothing left to view or print.
        QVERIFY(klicka(QStringLiteral("Skrivut2Button")));
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt3Button")));
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt2Button")));
        QVERIFY(klicka(QStringLiteral("RensaButton")));
        QCOMPARE(Utskrift->ListBox1->count(), 0);
        QCOMPARE(Utskrift->ListBox2->count(), 0);
        for (const char *n : {"VisaUtSkriftListaButton", "Skrivut1Button", "RensaButton", "VisaUtskriftLista2Button",
                              "Skrivut2Button"})
            QVERIFY2(!knapp(QLatin1String(n))->isEnabled(), n);
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        QCOMPARE(Utskrift->ListBox1->item(0)->text(), QStringLiteral("1.  "));
        QVERIFY(Utskrift->ListBox1->item(1)->text().startsWith(QStringLiteral("   1. Frage ")));
    }

    void printSheetAndKeyFromTheWindow()
    {
        QTemporaryDir pdf;
        qputenv("VARMIKO_PRINT_PDF_DIR", pdf.path().toLocal8Bit());
        QVERIFY(oppna(QStringLiteral("VRS41100.DAT")));
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        QString bladFil, facitFil;
        QVERIFY(skrivUtBladOchFacit(m_w.get(), bladFil, facitFil));
        QVERIFY(bladFil != facitFil);
        for (const char *n : {"SkrivutUtanButton", "SkrivutMedButton", "SkrivutAvbryt3Button"})
            QVERIFY2(knapp(QLatin1String(n))->isEnabled(), n);

        const QStringList blad = pdfPages(bladFil);
        QCOMPARE(blad.size(), 1);
        QVERIFY(blad[0].contains(QStringLiteral("Arbetsblad från Varmiko.")));
        QVERIFY(!blad[0].contains(QStringLiteral("Facit")));
        QVERIFY(blad[0].contains(QStringLiteral("1. Tiere Haustiere")));
        QVERIFY(blad[0].contains(QStringLiteral("Übersetze:")));
        QVERIFY(blad[0].contains(QStringLiteral("1. das Haus")));
        QVERIFY(blad[0].contains(QString(57, QLatin1Char('_'))));
        QVERIFY(!blad[0].contains(QStringLiteral("Hütte")));

        const QStringList facit = pdfPages(facitFil);
        QCOMPARE(facit.size(), 1);
        QVERIFY(facit[0].contains(QStringLiteral("Arbetsblad från Varmiko. Facit.")));
        QVERIFY(facit[0].contains(QStringLiteral("1. das Haus")));
        QVERIFY(facit[0].contains(QStringLiteral("Haus eller Hütte, Heim.")));
        QVERIFY(!facit[0].contains(QLatin1Char('_')));
    }

    void mainWindowToggleStartsANewSheet()
    {
        // The main window empties the printing window through the hook the
        // start fills.
        registreraAllaFonster();
        TForm1 form;
        form.show();
        QVERIFY(oppna(QStringLiteral("VRS41000.DAT")));
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt2Button")));
        QVERIFY(klicka(QStringLiteral("SkrivutAvbryt1Button")));
        m_w.reset();
        QCOMPARE(UtskriftPostNr, 2);

        auto *toggle = form.findChild<QPushButton *>(QStringLiteral("Button8"));
        OvningsLage = 0;
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(int(OvningsLage), 1);
        QCOMPARE(Utskrift->ListBox1->count(), 0);
        QCOMPARE(Utskrift->ListBox2->count(), 0);

        QVERIFY(oppna(QStringLiteral("VRS41000.DAT")));
        QVERIFY(klicka(QStringLiteral("ValjaUtButton")));
        QVERIFY(klicka(QStringLiteral("SkrivutSkickaButton")));
        QCOMPARE(Utskrift->ListBox1->item(0)->text(), QStringLiteral("1.  Wörter"));
        QVERIFY(Utskrift->ListBox1->item(2)->text().startsWith(QStringLiteral("   1. Frage ")));
    }
};

VARMIKO_TEST_MAIN(TestTSKRIVWorksheet)
#include "test_tskriv_worksheet.moc"
