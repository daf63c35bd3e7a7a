// The worksheet printing window: the answer key's answers, the classes of the
// sheet's lines, and the sheet and its key printed to PDF and read back.

#include "PdfPages.h"
#include "TestMain.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Printing.h"
#include "results/TUtskrift.h"

#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <memory>

using Klass = TUtskrift::RadKlass;

namespace {

QString prefix(int k)
{
    return (k < 10 ? QStringLiteral("   ") : k < 100 ? QStringLiteral(" ") : QString()) + QString::number(k)
           + QStringLiteral(". ");
}

const QString kLinje = QString(7, QLatin1Char(' ')) + QString(57, QLatin1Char('_'));

} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<TUtskrift> m_u;
    std::unique_ptr<QTemporaryDir> m_pdf;

    // A section heading, an instruction and n tasks with their answers.
    void sheet(int n, int forst = 1)
    {
        m_u->LaggTill({Klass::Rubrik, QStringLiteral("1.  Verben"), QStringLiteral("1.  Verben")});
        m_u->LaggTill({Klass::Fortsattning, QStringLiteral("      Übersetze:"), QStringLiteral("      Übersetze:")});
        for (int k = forst; k < forst + n; ++k) {
            const QString t = prefix(k) + QStringLiteral("Frage %1").arg(k);
            m_u->LaggTill({{Klass::Uppgift, t, t},
                           {Klass::Fortsattning, kLinje, QStringLiteral("       Antwort %1").arg(k)}});
        }
    }

    // Prints with or without the key; the pages of the PDF written.
    QStringList print(quint8 medFacit)
    {
        MedFacit = medFacit;
        if (!m_u->SkrivutFraga())
            return {};
        return pdfPages(Printing::lastPdfFile());
    }

private slots:
    void init()
    {
        m_pdf = std::make_unique<QTemporaryDir>();
        qputenv("VARMIKO_PRINT_PDF_DIR", m_pdf->path().toLocal8Bit());
        qunsetenv("VARMIKO_PRINT_COPIES");
        m_u = std::make_unique<TUtskrift>();
        m_u->TomArbetsbladet();
    }
    void cleanup()
    {
        m_u.reset();
        m_pdf.reset();
        qunsetenv("VARMIKO_PRINT_PDF_DIR");
        qunsetenv("VARMIKO_PRINT_COPIES");
    }

    void answerWithItsAlternatives_data()
    {
        QTest::addColumn<QString>("rad");
        QTest::addColumn<QString>("facit");
        QTest::newRow("no alternative") << QStringLiteral("Frage#Haus") << QStringLiteral("Haus");
        QTest::newRow("one") << QStringLiteral("Frage#Haus#&Hütte") << QStringLiteral("Haus eller Hütte.");
        QTest::newRow("two") << QStringLiteral("Frage#a#&b#&c") << QStringLiteral("a eller b, c.");
        QTest::newRow("after a hint") << QStringLiteral("Frage#a#Tipp#&b") << QStringLiteral("a eller b.");
        QTest::newRow("answer itself alternative") << QStringLiteral("Frage#&a") << QStringLiteral("a");
    }
    void answerWithItsAlternatives()
    {
        QFETCH(QString, rad);
        QFETCH(QString, facit);
        str_postarray(rad);
        QCOMPARE(TUtskrift::UtSkriftSvar(postFalt(2)), facit);
    }

    void lineClassIsFixedWhenAdded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Klass>("klass");
        QTest::addColumn<Klass>("utanKlass"); // what the text alone would say
        QTest::newRow("heading") << QStringLiteral("1.  Verben") << Klass::Rubrik << Klass::Rubrik;
        QTest::newRow("item 9") << QStringLiteral("   9. Frage") << Klass::Uppgift << Klass::Uppgift;
        QTest::newRow("item 100") << QStringLiteral("100. Frage") << Klass::Uppgift << Klass::Rubrik;
        QTest::newRow("instruction") << QStringLiteral("      Übersetze:") << Klass::Fortsattning
                                     << Klass::Fortsattning;
        QTest::newRow("answer with a number") << QStringLiteral("       3. Mai") << Klass::Fortsattning
                                              << Klass::Uppgift;
        QTest::newRow("empty") << QString() << Klass::Tom << Klass::Tom;
    }
    void lineClassIsFixedWhenAdded()
    {
        QFETCH(QString, text);
        QFETCH(Klass, klass);
        QFETCH(Klass, utanKlass);
        m_u->LaggTill({klass, text, text});
        QCOMPARE(m_u->radKlass(1, 0), klass);
        QCOMPARE(m_u->radKlass(2, 0), klass);
        // A line put into the list without a class is read by its text.
        m_u->ListBox1->addItem(text);
        m_u->ListBox2->addItem(text);
        QCOMPARE(m_u->radKlass(1, 1), utanKlass);
    }

    void sheetAndKeyPrinted()
    {
        sheet(3);
        const QStringList blad = print(0);
        QCOMPARE(blad.size(), 1);
        const QString b = blad.first();
        QVERIFY(b.contains(QStringLiteral("Arbetsblad från Varmiko.")));
        QVERIFY(!b.contains(QStringLiteral("Facit")));
        QVERIFY(b.contains(QStringLiteral("Ett program från MIVO DATA, Orvinda.")));
        QVERIFY(b.contains(QStringLiteral("1. Verben")));
        QVERIFY(b.contains(QStringLiteral("Übersetze:")));
        QCOMPARE(b.count(QString(57, QLatin1Char('_'))), 3);
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(b.contains(QStringLiteral("%1. Frage %1").arg(k)));
            QVERIFY(!b.contains(QStringLiteral("Antwort %1").arg(k)));
        }

        const QStringList facit = print(1);
        QCOMPARE(facit.size(), 1);
        const QString f = facit.first();
        QVERIFY(f.contains(QStringLiteral("Arbetsblad från Varmiko. Facit.")));
        QVERIFY(!f.contains(QLatin1Char('_')));
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(f.contains(QStringLiteral("%1. Frage %1").arg(k)));
            QVERIFY(f.contains(QStringLiteral("Antwort %1").arg(k)));
        }
        // Printing leaves the sheet as it was.
        QCOMPARE(m_u->antalRader(), 2 + 3 * 2);
        QCOMPARE(int(MedFacit), 1);
    }

    void headingBoldItemsPlainByTheirClass()
    {
        m_u->LaggTill({Klass::Rubrik, QStringLiteral("1.  Verben"), QStringLiteral("1.  Verben")});
        m_u->LaggTill({Klass::Fortsattning, QStringLiteral("      Übersetze:"), QStringLiteral("      Übersetze:")});
        m_u->LaggTill({{Klass::Uppgift, prefix(100) + QStringLiteral("Frage"), prefix(100) + QStringLiteral("Frage")},
                       {Klass::Fortsattning, kLinje, QStringLiteral("       3. Mai")}});
        MedFacit = 1;
        QVERIFY(m_u->SkrivutFraga());
        const QStringList fett = pdfBoldLines(Printing::lastPdfFile());
        QVERIFY2(fett.join(QLatin1Char('|')).contains(QStringLiteral("1.  Verben")), qPrintable(fett.join('|')));
        QVERIFY(fett.join(QLatin1Char('|')).contains(QStringLiteral("Übersetze:")));
        for (const QString &l : fett) {
            QVERIFY2(!l.contains(QStringLiteral("Frage")), qPrintable(l));
            QVERIFY2(!l.contains(QStringLiteral("Mai")), qPrintable(l));
        }
    }

    void longSheetBreaksPagesBetweenTasks()
    {
        sheet(60);
        const QStringList sidor = print(1);
        QVERIFY2(sidor.size() >= 2, qPrintable(QString::number(sidor.size())));
        QVERIFY(sidor[0].contains(QStringLiteral("Arbetsblad från Varmiko. Facit.")));
        QCOMPARE(sidor[0].split(QLatin1Char('\n')).first().trimmed(), QStringLiteral("1"));
        for (int s = 1; s < sidor.size(); ++s) {
            const QString forsta = sidor[s].split(QLatin1Char('\n')).first();
            QVERIFY2(forsta.trimmed().startsWith(QStringLiteral("Varmiko")), qPrintable(forsta));
            QVERIFY2(forsta.trimmed().endsWith(QString::number(s + 1)), qPrintable(forsta));
            QVERIFY(!sidor[s].contains(QStringLiteral("Arbetsblad från")));
        }
        // Every task once, with its answer on the same page.
        for (int k = 1; k <= 60; ++k) {
            int sida = -1;
            for (int s = 0; s < sidor.size(); ++s)
                if (sidor[s].contains(QRegularExpression(QStringLiteral("\\b%1\\. Frage %1\\b").arg(k)))) {
                    QCOMPARE(sida, -1);
                    sida = s;
                }
            QVERIFY2(sida >= 0, qPrintable(QString::number(k)));
            QVERIFY2(sidor[sida].contains(QRegularExpression(QStringLiteral("Antwort %1\\b").arg(k))),
                     qPrintable(QString::number(k)));
        }
    }

    void taskLongerThanAPageGoesOnOverThePage()
    {
        sheet(0);
        m_u->LaggTill({Klass::Uppgift, prefix(1) + QStringLiteral("Lang"), prefix(1) + QStringLiteral("Lang")});
        for (int r = 1; r <= 70; ++r)
            m_u->LaggTill({Klass::Fortsattning, QStringLiteral("       Zeile %1").arg(r),
                           QStringLiteral("       Zeile %1").arg(r)});
        const QStringList sidor = print(0);
        QVERIFY(sidor.size() >= 2 && sidor.size() <= 3);
        const QString allt = sidor.join(QLatin1Char('\n'));
        for (int r = 1; r <= 70; ++r)
            QCOMPARE(allt.count(QRegularExpression(QStringLiteral("Zeile %1\\b").arg(r))), 1);
    }

    void longLineIsWrappedNotCut()
    {
        sheet(0);
        QStringList ord;
        for (int w = 1; w <= 40; ++w)
            ord << QStringLiteral("wort%1").arg(w);
        const QString t = prefix(1) + QStringLiteral("Frage");
        m_u->LaggTill({{Klass::Uppgift, t, t},
                       {Klass::Fortsattning, kLinje, QStringLiteral("       ") + ord.join(QLatin1Char(' '))}});
        const QStringList sidor = print(1);
        QCOMPARE(sidor.size(), 1);
        for (const QString &w : ord)
            QVERIFY2(sidor[0].contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(w))), qPrintable(w));
    }

    void copiesInOneFile()
    {
        sheet(60);
        const int enSats = print(0).size();
        QVERIFY(enSats >= 2);
        qputenv("VARMIKO_PRINT_COPIES", "2");
        const QStringList sidor = print(0);
        QCOMPARE(sidor.size(), 2 * enSats);
        QCOMPARE(QDir(m_pdf->path()).entryList(QDir::Files).size(), 2);
        for (int kopia = 0; kopia < 2; ++kopia) {
            const QString forsta = sidor[kopia * enSats];
            QVERIFY(forsta.contains(QStringLiteral("Arbetsblad från Varmiko.")));
            QCOMPARE(forsta.split(QLatin1Char('\n')).first().trimmed(), QStringLiteral("1"));
            QVERIFY(sidor[kopia * enSats + 1].split(QLatin1Char('\n')).first().trimmed().endsWith(QLatin1Char('2')));
        }
        QCOMPARE(sidor.join(QString()).count(QStringLiteral("Frage 60")), 2);
    }

    void emptySheetPrintsNothing()
    {
        MedFacit = 0;
        QVERIFY(!m_u->SkrivutFraga());
        QVERIFY(QDir(m_pdf->path()).entryList(QDir::Files).isEmpty());
    }
};

VARMIKO_TEST_MAIN(TestWorksheet)
#include "test_worksheet.moc"
