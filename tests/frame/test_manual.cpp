// The manual: its text on screen, the message when it is missing, printing
// all of it or the selection, the keys and the spelling-rules button.

#include "ModalWindow.h"
#include "PdfText.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "frame/TManual.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"
#include "platform/Printing.h"

#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>

namespace {

QStringList numberedLines(int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("Zeile %1 über Straßen").arg(i, 3, 10, QLatin1Char('0'));
    return l;
}

// The printed lines of each page, without the page number, and the page
// number that stands at the top right.
struct PrintedPage
{
    QStringList lines;
    QString number;
    double numberMm = 0; // top edge of the page number
    double firstLineMm = 0;
};

QList<PrintedPage> printedPages(const QString &pdf)
{
    QList<PrintedPage> pages;
    const QList<PdfWord> words = pdfWords(pdf);
    for (const PdfWord &w : words) {
        while (pages.size() < w.page)
            pages.append(PrintedPage());
        PrintedPage &p = pages[w.page - 1];
        if (w.xMm > 190) {
            p.number += w.text;
            p.numberMm = w.yMm;
            continue;
        }
        // Words of one line share their top edge.
        if (p.lines.isEmpty() || w.text.startsWith(QLatin1String("Zeile")) || w.xMm < 20) {
            if (p.lines.isEmpty())
                p.firstLineMm = w.yMm;
            p.lines << w.text;
        } else {
            p.lines.last() += QLatin1Char(' ') + w.text;
        }
    }
    return pages;
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT

    QTemporaryDir m_pdf;

    int pdfCount() const
    {
        return int(QDir(m_pdf.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files).size());
    }

private slots:
    void init()
    {
        QDir(m_pdf.path()).removeRecursively();
        QDir().mkpath(m_pdf.path());
        qputenv("VARMIKO_PRINT_PDF_DIR", m_pdf.path().toLocal8Bit());
        Marginal = 10;
    }

    void cleanup()
    {
        qunsetenv("VARMIKO_PRINT_PDF_DIR");
    }

    void everyLineIsShownIndented()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRSKMAN.TXT"), {QStringLiteral("Manual"), QStringLiteral("   Tryck på Esc"),
                                                      QString(), QStringLiteral("Straße – „Ende“")});
        c.activate();
        MessageRecorder m;
        TManual w;
        QVERIFY(w.isOpen());
        QCOMPARE(m.count(), 0);
        QCOMPARE(w.Memo1->toPlainText().split(QLatin1Char('\n')),
                 QStringList({"  Manual", "     Tryck på Esc", "  ", "  Straße – „Ende“"}));
        QVERIFY(w.Memo1->isReadOnly());
        QVERIFY(!w.Memo2->isVisibleTo(&w));
    }

    void aMissingManualIsReportedAndNothingOpens_data()
    {
        QTest::addColumn<bool>("withCd");
        QTest::newRow("installation only") << false;
        QTest::newRow("with a CD") << true;
    }
    void aMissingManualIsReportedAndNothingOpens()
    {
        QFETCH(bool, withCd);
        TestCourse pc;
        TestCourse cd;
        pc.mkdir(QStringLiteral("DATA"));
        pc.activate(withCd ? cd.root() : QString());
        MessageRecorder m;
        bool opened = false;
        closeNextModal(&opened);
        TManual_Visa();
        QVERIFY(!opened);
        const QString root = withCd ? cd.root() : pc.root();
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + ProgramPath::normalise(root + "/DATA/VRSKMAN.TXT")
                                        + QStringLiteral(" finns inte eller är felaktig")});
    }

    void theWholeManualPrintsAsOneJob()
    {
        if (!havePdfTools())
            QSKIP("pdftotext is not installed");
        TestCourse c;
        const QStringList text = numberedLines(100);
        c.write(QStringLiteral("DATA/VRSKMAN.TXT"), text);
        c.activate();
        TManual w;
        QTest::mouseClick(w.Button2, Qt::LeftButton);
        QCOMPARE(pdfCount(), 1);
        const QList<PrintedPage> pages = printedPages(Printing::lastPdfFile());
        QVERIFY(pages.size() >= 2);
        QStringList all;
        for (int p = 0; p < pages.size(); ++p) {
            QCOMPARE(pages[p].number, QString::number(p + 1));
            QVERIFY(pages[p].numberMm < 8);
            QStringList lines = pages[p].lines;
            if (p > 0) {
                // The last line of a page comes again at the top of the next.
                QCOMPARE(lines.first(), pages[p - 1].lines.last());
                lines.removeFirst();
            }
            all << lines;
        }
        QCOMPARE(all, text);
        QVERIFY2(qAbs(pages[0].firstLineMm - 15) < 1.5, qPrintable(QString::number(pages[0].firstLineMm)));
    }

    void theSelectionPrintsAloneAndLeavesTheClipboard()
    {
        if (!havePdfTools())
            QSKIP("pdftotext is not installed");
        TestCourse c;
        c.write(QStringLiteral("DATA/VRSKMAN.TXT"), numberedLines(100));
        c.activate();
        QGuiApplication::clipboard()->setText(QStringLiteral("Was der Benutzer kopiert hatte"));
        TManual w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Lines 3 to 5, selected with the keys down to the start of line 6.
        QTest::keyClick(w.Memo1, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(w.Memo1, Qt::Key_Down);
        QTest::keyClick(w.Memo1, Qt::Key_Down);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(w.Memo1, Qt::Key_Down, Qt::ShiftModifier);
        QTest::mouseClick(w.Button3, Qt::LeftButton);
        QCOMPARE(pdfCount(), 1);
        const QList<PrintedPage> pages = printedPages(Printing::lastPdfFile());
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].number, QStringLiteral("1"));
        QCOMPARE(pages[0].lines, QStringList({"Zeile 003 über Straßen", "Zeile 004 über Straßen", "Zeile 005 über Straßen"}));
        // The selection starts 5 mm higher than the whole manual.
        QVERIFY2(qAbs(pages[0].firstLineMm - 10) < 1.5, qPrintable(QString::number(pages[0].firstLineMm)));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Was der Benutzer kopiert hatte"));
    }

    void nothingToPrintPrintsNothing_data()
    {
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<bool>("selection");
        QTest::newRow("no selection") << numberedLines(5) << true;
        QTest::newRow("a manual of no lines") << QStringList() << false;
        QTest::newRow("selection of a manual of no lines") << QStringList() << true;
    }
    void nothingToPrintPrintsNothing()
    {
        QFETCH(QStringList, text);
        QFETCH(bool, selection);
        TestCourse c;
        c.writeBytes(QStringLiteral("DATA/VRSKMAN.TXT"), text.isEmpty() ? QByteArray() : text.join("\r\n").toUtf8() + "\r\n");
        c.activate();
        QGuiApplication::clipboard()->setText(QStringLiteral("Zeile im Zwischenspeicher"));
        MessageRecorder m;
        TManual w;
        QVERIFY(w.isOpen());
        QTest::mouseClick(selection ? w.Button3 : w.Button2, Qt::LeftButton);
        QCOMPARE(pdfCount(), 0);
        // "Skriv ut markerat" without a selection says so.
        QCOMPARE(m.texts(), selection ? QStringList{QStringLiteral("Ingen text är markerad. Markera först det som ska skrivas ut.")}
                                      : QStringList());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Zeile im Zwischenspeicher"));
    }

    void escapeAndAvbrytClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Esc in the text") << "esc-memo";
        QTest::newRow("Esc on a button") << "esc-button";
        QTest::newRow("Avbryt") << "avbryt";
    }
    void escapeAndAvbrytClose()
    {
        QFETCH(QString, how);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRSKMAN.TXT"), numberedLines(3));
        c.activate();
        TManual w;
        w.show();
        if (how == "esc-memo")
            QTest::keyClick(w.Memo1, Qt::Key_Escape);
        else if (how == "esc-button")
            QTest::keyClick(w.Button2, Qt::Key_Escape);
        else
            QTest::mouseClick(w.Button1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(pdfCount(), 0);
    }

    void theSpellingRulesButtonWaitsForItsViewer()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRSKMAN.TXT"), numberedLines(3));
        c.writeBytes(QStringLiteral("REGLER/R63000.htm"), "<html><body>Neue Rechtschreibung</body></html>");
        c.activate();
        MessageRecorder m;
        TManual w;
        w.show();
        bool disabledMeanwhile = false;
        QString page;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            disabledMeanwhile = !w.Regelknapp->isEnabled();
            page = modal->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"))->toPlainText().trimmed();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QTest::mouseClick(w.Regelknapp, Qt::LeftButton);
        QVERIFY(disabledMeanwhile);
        QCOMPARE(page, QStringLiteral("Neue Rechtschreibung"));
        QVERIFY(w.Regelknapp->isEnabled());
        QVERIFY(w.isVisible());
        QCOMPARE(m.count(), 0);
    }

    void theBundledManualFitsItsPages()
    {
        if (!havePdfTools())
            QSKIP("pdftotext is not installed");
        PCPath = qEnvironmentVariable("VARMIKO_COURSE");
        CDPath.clear();
        MessageRecorder m;
        TManual w;
        QVERIFY(w.isOpen());
        QCOMPARE(m.count(), 0);
        QVERIFY(w.rader().size() > 50);
        QTest::mouseClick(w.Button2, Qt::LeftButton);
        const QList<PdfWord> words = pdfWords(Printing::lastPdfFile());
        QVERIFY(!words.isEmpty());
        for (const PdfWord &word : words)
            QVERIFY2(word.xMm < 200 || word.yMm < 8, qPrintable(word.text + " runs off the paper"));
        QStringList printed;
        for (const PdfWord &word : words)
            printed << word.text;
        const QString all = printed.join(QLatin1Char(' '));
        for (const char *needle : {"Alt+S", "Ctrl+S", "Esc", "mellanslag", "arbetsblad", "Diagnos", "VRSKA.INI"})
            QVERIFY2(all.contains(QString::fromUtf8(needle), Qt::CaseInsensitive), needle);
    }

    void theBundledManualDescribesTheListeningExercise()
    {
        PCPath = qEnvironmentVariable("VARMIKO_COURSE");
        CDPath.clear();
        MessageRecorder m;
        TManual w;
        QVERIFY(w.isOpen());
        // The intonation exercise has nothing to write: the pupil listens,
        // reads along and says the sentence after it.
        const QString text = w.Memo1->toPlainText();
        const qsizetype intonation = text.indexOf(QStringLiteral("Intonation:"));
        QVERIFY(intonation > 0);
        const QString stycke = text.mid(intonation, text.indexOf(QStringLiteral("Skriva"), intonation) - intonation);
        QVERIFY2(!stycke.contains(QStringLiteral("skriv")), qPrintable(stycke));
        for (const char *ord : {"lyssna", "läs med", "säg meningen efter", "Nächster Satz"})
            QVERIFY2(stycke.contains(QString::fromUtf8(ord)), ord);
    }
};

VARMIKO_TEST_MAIN(TestManual)
#include "test_manual.moc"
