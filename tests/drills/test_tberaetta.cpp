// The story window: browsing the story beginnings, writing a story line by
// line, and printing it.

#include "MessageRecorder.h"
#include "PdfText.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "drills/writing/Tberaetta.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Printing.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

namespace {

// n stories: story k has the lines "Anfang k.1" .. "Anfang k.3".
QStringList geschichten(int n)
{
    QStringList l;
    for (int k = 1; k <= n; ++k)
        l << QStringLiteral("Anfang %1.1").arg(k) << QStringLiteral("Anfang %1.2").arg(k)
          << QStringLiteral("Anfang %1.3").arg(k) << QStringLiteral("#");
    return l;
}

} // namespace

class TestTberaetta : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<Tberaetta> m_w;

    Tberaetta *oppna(const QStringList &rader)
    {
        m_course->write(QStringLiteral("DATA/VRS41000.DAT"), rader);
        DataFilNamn = QStringLiteral("VRS41000.DAT");
        m_w = std::make_unique<Tberaetta>();
        if (!m_w->FormCreate())
            return nullptr;
        m_w->show();
        QApplication::setActiveWindow(m_w.get());
        return m_w.get();
    }

    QStringList visade() const
    {
        return {m_w->Label1->text(), m_w->Label2->text(), m_w->Label3->text()};
    }

    void skriv(const QString &rad)
    {
        typeAndEnter(m_w->Edit1, rad);
    }

private slots:
    void init()
    {
        m_course = std::make_unique<TestCourse>();
        m_course->activate();
    }
    void cleanup()
    {
        m_w.reset();
        m_course.reset();
    }

    void browsingStaysWithinTheStories()
    {
        QVERIFY(oppna(geschichten(16)));
        QCOMPARE(m_w->Label8->text(), QStringLiteral("1  /  16"));
        QCOMPARE(visade(), QStringList({"Anfang 1.1", "Anfang 1.2", "Anfang 1.3"}));
        QCOMPARE(m_w->Memo1().size(), 16 * 3 + 1);
        QCOMPARE(m_w->Memo1().last(), QStringLiteral("16"));
        QVERIFY(!m_w->Edit1->isVisible());

        QTest::mouseClick(m_w->SpeedButton2, Qt::LeftButton);
        QCOMPARE(m_w->Label8->text(), QStringLiteral("1  /  16"));
        for (int i = 0; i < 20; ++i)
            QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
        QCOMPARE(m_w->Label8->text(), QStringLiteral("16  /  16"));
        QCOMPARE(visade(), QStringList({"Anfang 16.1", "Anfang 16.2", "Anfang 16.3"}));
        QTest::keyClick(m_w.get(), Qt::Key_PageUp);
        QCOMPARE(m_w->Label8->text(), QStringLiteral("15 von 16"));
        QCOMPARE(m_w->Label1->text(), QStringLiteral("Anfang 15.1"));
        QTest::keyClick(m_w.get(), Qt::Key_PageDown);
        QTest::keyClick(m_w.get(), Qt::Key_PageDown);
        QCOMPARE(m_w->Label8->text(), QStringLiteral("16 von 16"));
    }

    void oddStoryFilesShowWhatTheyHave_data()
    {
        QTest::addColumn<QStringList>("rader");
        QTest::addColumn<QStringList>("forsta");
        QTest::addColumn<QString>("raknare");
        QTest::newRow("one line, no end mark") << QStringList{"Es war einmal"}
                                               << QStringList{"Es war einmal", "", ""} << "1  /  0";
        QTest::newRow("two short stories")
            << QStringList{"Eins", "#", "Zwei", "#"} << QStringList{"Eins", "Zwei", ""} << "1  /  2";
        QTest::newRow("scrambled line") << QStringList{kryptrad("Im Wald"), "stand", "ein Haus.", "#"}
                                        << QStringList{"Im Wald", "stand", "ein Haus."} << "1  /  1";
    }
    void oddStoryFilesShowWhatTheyHave()
    {
        QFETCH(QStringList, rader);
        QVERIFY(oppna(rader));
        QTEST(visade(), "forsta");
        QTEST(m_w->Label8->text(), "raknare");
        QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        QTest::keyClick(m_w->Edit1, Qt::Key_Return);
        QVERIFY(m_w->Panel6->isVisible());
    }

    void missingFileIsReported()
    {
        MessageRecorder m;
        DataFilNamn = QStringLiteral("VRS41000.DAT");
        Tberaetta w;
        QVERIFY(!w.FormCreate());
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen VRS41000.DAT finns inte eller är felaktig")});
    }

    void writingAStory()
    {
        QVERIFY(oppna(geschichten(3)));
        QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        QVERIFY(m_w->Edit1->isVisible());
        QCOMPARE(QApplication::focusWidget(), m_w->Edit1);
        QVERIFY(!m_w->BitBtn1->isEnabled());
        QVERIFY(m_w->Panel5->isVisible());
        QCOMPARE(m_w->berattelsensRader(), QStringList({"Anfang 2.1", "Anfang 2.2", "Anfang 2.3"}));

        skriv(QStringLiteral("Dann kam der Wolf."));
        QCOMPARE(visade(), QStringList({"Anfang 2.2", "Anfang 2.3", "Dann kam der Wolf."}));
        QVERIFY(m_w->Edit1->text().isEmpty());
        skriv(QStringLiteral("Alle liefen weg."));
        QCOMPARE(visade(), QStringList({"Anfang 2.3", "Dann kam der Wolf.", "Alle liefen weg."}));

        QTest::keyClick(m_w->Edit1, Qt::Key_Return); // an empty line ends the story
        QVERIFY(m_w->Panel6->isVisible());
        QVERIFY(!m_w->Edit1->isVisible());
        QCOMPARE(m_w->Label8->text(), QStringLiteral("2 / 3"));
        QCOMPARE(visade(), QStringList({"Anfang 2.1", "Anfang 2.2", "Anfang 2.3"}));
        QVERIFY(m_w->Label4->text().isEmpty()); // nothing of the next story
        QCOMPARE(m_w->berattelsensRader(), QStringList({"Anfang 2.1", "Anfang 2.2", "Anfang 2.3",
                                                        "Dann kam der Wolf.", "Alle liefen weg."}));

        // A new story starts afresh from the beginning chosen.
        m_w->Button2->click();
        QVERIFY(!m_w->Panel6->isVisible());
        QVERIFY(!m_w->Panel5->isVisible());
        QVERIFY(m_w->BitBtn1->isEnabled());
        QVERIFY(m_w->berattelsensRader().isEmpty());
        QTest::mouseClick(m_w->SpeedButton1, Qt::LeftButton);
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        QTest::keyClick(m_w->Edit1, Qt::Key_Return);
        QCOMPARE(m_w->berattelsensRader(), QStringList({"Anfang 3.1", "Anfang 3.2", "Anfang 3.3"}));
    }

    void aLongLineIsSplitAndNothingIsLost()
    {
        QVERIFY(oppna(geschichten(1)));
        m_w->Panel2->resize(12 * Marginal, m_w->Panel2->height());
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        const QString zeile = QStringLiteral("Der alte Mann ging langsam durch den dunklen Wald nach Hause.");
        typeText(m_w->Edit1, zeile);
        QCOMPARE(m_w->Edit1->text(), zeile.left(60));
        QTest::keyClick(m_w->Edit1, Qt::Key_Return);
        const QString erste = m_w->Label3->text();
        QVERIFY(!erste.isEmpty());
        QVERIFY(erste.size() < 60);
        QVERIFY(m_w->Label3->width() <= m_w->Panel2->width() - 2 * Marginal);
        QCOMPARE(m_w->berattelsensRader().last(), erste);
        // The rest waits in the entry; going on until it is used up gives
        // back the whole line.
        QStringList teile{erste};
        for (int i = 0; i < 20 && !m_w->Edit1->text().isEmpty(); ++i) {
            QTest::keyClick(m_w->Edit1, Qt::Key_Return);
            teile << m_w->Label3->text();
        }
        QVERIFY(m_w->Edit1->text().isEmpty());
        QVERIFY(teile.size() > 2);
        QCOMPARE(teile.join(QString()).remove(QLatin1Char(' ')), zeile.left(60).remove(QLatin1Char(' ')));
        QCOMPARE(m_w->berattelsensRader().mid(3), teile);
    }

    void printingTheStory_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("seiten");
        QTest::newRow("short") << 2 << 1;
        QTest::newRow("longer than a page") << 50 << 2;
    }
    void printingTheStory()
    {
        if (!havePdfTools())
            QSKIP("pdftotext is not installed");
        QFETCH(int, zeilen);
        QFETCH(int, seiten);
        QTemporaryDir pdf;
        qputenv("VARMIKO_PRINT_PDF_DIR", pdf.path().toLocal8Bit());
        QVERIFY(oppna(geschichten(1)));
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        for (int i = 1; i <= zeilen; ++i)
            skriv(QStringLiteral("Zeile %1 der Geschichte.").arg(i));
        QTest::keyClick(m_w->Edit1, Qt::Key_Return);
        m_w->BitBtn2->click();
        qunsetenv("VARMIKO_PRINT_PDF_DIR");

        const QString fil = pdf.path() + QStringLiteral("/utskrift-001.pdf");
        const QList<QStringList> sidor = pdfPageLines(fil);
        QCOMPARE(int(sidor.size()), seiten);
        QStringList text;
        for (const QStringList &s : sidor)
            for (const QString &r : s)
                if (!r.trimmed().isEmpty())
                    text << r.trimmed();
        QCOMPARE(text.value(0), QStringLiteral("Erzählen"));
        QStringList erwartet{"Anfang 1.1", "Anfang 1.2", "Anfang 1.3"};
        for (int i = 1; i <= zeilen; ++i)
            erwartet << QStringLiteral("Zeile %1 der Geschichte.").arg(i);
        QCOMPARE(text.mid(1), erwartet);
        const QList<PdfWord> worte = pdfWords(fil);
        QVERIFY(!worte.isEmpty());
        QVERIFY(worte.first().xMm < 20);

        // No two printed lines overlap, the heading included, whatever the
        // printer's resolution (the PDF printer has 1200 dpi).
        struct Zeile
        {
            int seite;
            double oben, unten;
            QString text;
        };
        QList<Zeile> zeilen_;
        for (const PdfWord &w : worte) {
            if (!zeilen_.isEmpty() && zeilen_.last().seite == w.page && qAbs(zeilen_.last().oben - w.yMm) < 0.5) {
                zeilen_.last().unten = qMax(zeilen_.last().unten, w.bottomMm);
                zeilen_.last().text += QLatin1Char(' ') + w.text;
                continue;
            }
            zeilen_.append({w.page, w.yMm, w.bottomMm, w.text});
        }
        QCOMPARE(int(zeilen_.size()), 1 + 3 + zeilen);
        for (qsizetype i = 0; i < zeilen_.size(); ++i) {
            QVERIFY(zeilen_[i].oben >= 5 && zeilen_[i].unten <= Printing::A4HojdMm - 5); // on the paper
            for (qsizetype j = i + 1; j < zeilen_.size(); ++j)
                if (zeilen_[i].seite == zeilen_[j].seite)
                    QVERIFY2(zeilen_[i].unten <= zeilen_[j].oben || zeilen_[j].unten <= zeilen_[i].oben,
                             qPrintable(zeilen_[i].text + QStringLiteral(" / ") + zeilen_[j].text));
        }
    }

    void escapeCloses()
    {
        QVERIFY(oppna(geschichten(2)));
        QTest::mouseClick(m_w->BitBtn1, Qt::LeftButton);
        QTest::keyClick(m_w->Edit1, Qt::Key_Escape);
        QVERIFY(!m_w->isVisible());
    }
};

VARMIKO_TEST_MAIN(TestTberaetta)
#include "test_tberaetta.moc"
