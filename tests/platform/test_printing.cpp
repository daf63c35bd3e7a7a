// Printing in millimetres on A4: one job per document, numbered PDF files,
// copies in one file, text where it was placed.

#include "PdfText.h"
#include "TestMain.h"
#include "platform/Printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static void threePages(Printing::Sheet &s)
    {
        s.setFont(QStringLiteral("Arial"), 12);
        for (int p = 1; p <= 3; ++p) {
            if (p > 1)
                s.newPage();
            s.text(20, 30, QStringLiteral("Seite %1 von Straße").arg(s.page()));
        }
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        qputenv("VARMIKO_PRINT_PDF_DIR", m_dir.path().toLocal8Bit());
        qunsetenv("VARMIKO_PRINT_COPIES");
        if (!havePdfTools())
            QSKIP("pdftotext is not installed");
    }

    void cleanup()
    {
        qunsetenv("VARMIKO_PRINT_PDF_DIR");
        qunsetenv("VARMIKO_PRINT_COPIES");
    }

    void everyPageInOneNumberedFile()
    {
        QFile old(m_dir.filePath(QStringLiteral("utskrift-007.pdf")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();

        QVERIFY(Printing::print(QStringLiteral("Test"), threePages));
        QCOMPARE(Printing::lastPdfFile(), m_dir.filePath(QStringLiteral("utskrift-008.pdf")));
        QVERIFY(Printing::print(QStringLiteral("Test"), threePages));
        QCOMPARE(Printing::lastPdfFile(), m_dir.filePath(QStringLiteral("utskrift-009.pdf")));

        const QList<QStringList> pages = pdfPageLines(m_dir.filePath(QStringLiteral("utskrift-008.pdf")));
        QCOMPARE(pages.size(), 3);
        for (int p = 0; p < 3; ++p)
            QCOMPARE(pages[p].join(QLatin1Char('\n')).trimmed(), QStringLiteral("Seite %1 von Straße").arg(p + 1));
    }

    void copiesFollowEachOtherInTheFile()
    {
        qputenv("VARMIKO_PRINT_COPIES", "2");
        QVERIFY(Printing::print(QStringLiteral("Test"), threePages));
        const QList<QStringList> pages = pdfPageLines(Printing::lastPdfFile());
        QCOMPARE(pages.size(), 6);
        // Each copy counts its pages from 1 again.
        QCOMPARE(pages[3].join(QString()).trimmed(), QStringLiteral("Seite 1 von Straße"));
        QCOMPARE(pages[5].join(QString()).trimmed(), QStringLiteral("Seite 3 von Straße"));
    }

    void textLandsAtItsMillimetres()
    {
        QVERIFY(Printing::print(QStringLiteral("Test"), [](Printing::Sheet &s) {
            s.setFont(QStringLiteral("Arial"), 12);
            s.text(15, 100, QStringLiteral("Links"));
            s.text(150, 250, QStringLiteral("Unten"));
            QCOMPARE(s.xMmToPixel(210), s.pageWidth());
            QCOMPARE(s.yMmToPixel(297), s.pageHeight());
            QCOMPARE(s.yPixelToMm(s.yMmToPixel(42)), 42);
        }));
        const QList<PdfWord> words = pdfWords(Printing::lastPdfFile());
        QCOMPARE(words.size(), 2);
        QCOMPARE(words[0].text, QStringLiteral("Links"));
        QVERIFY2(qAbs(words[0].xMm - 15) < 1.0, qPrintable(QString::number(words[0].xMm)));
        QVERIFY2(qAbs(words[0].yMm - 100) < 1.5, qPrintable(QString::number(words[0].yMm)));
        QVERIFY2(qAbs(words[1].xMm - 150) < 1.0, qPrintable(QString::number(words[1].xMm)));
        QVERIFY2(qAbs(words[1].yMm - 250) < 1.5, qPrintable(QString::number(words[1].yMm)));
    }

    void aMissingDirectoryIsReported()
    {
        const QString missing = m_dir.filePath(QStringLiteral("finns-inte"));
        qputenv("VARMIKO_PRINT_PDF_DIR", missing.toLocal8Bit());
        MessageRecorder m;
        bool drawn = false;
        QVERIFY(!Printing::print(QStringLiteral("Test"), [&](Printing::Sheet &) { drawn = true; }));
        QVERIFY(!drawn);
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Katalogen ") + missing + QStringLiteral(" för utskrifter finns inte.")});
        QVERIFY(Printing::lastPdfFile().isEmpty());
    }
};

VARMIKO_TEST_MAIN(TestPrinting)
#include "test_printing.moc"
