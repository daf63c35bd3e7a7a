// Rule pages: the page of each program number, where it is looked for, the
// messages when it is missing, and the two viewers' keys.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/TRegelform.h"
#include "frame/TRegler.h"
#include "frame/regelsidor.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"
#include "platform/ProgramPath.h"

#include <QImage>
#include <QSet>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

namespace {

// A page declared Windows-1252 whose text names the page.
QByteArray page(const QString &text)
{
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"></head>"
           "<body><p>"
           + Cp1252::encode(text) + "</p></body></html>";
}

QString shown(const TRegler &w)
{
    return w.WebBrowser1->toPlainText().trimmed();
}

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        RegelSida.clear();
    }

    void pageByProgramNumber_data()
    {
        QTest::addColumn<int>("programtal");
        QTest::addColumn<QString>("sida");
        QTest::newRow("56745 in the passive range") << 56745 << "R56711.htm";
        QTest::newRow("56710 first of the range") << 56710 << "R56711.htm";
        QTest::newRow("56770 last of the range") << 56770 << "R56711.htm";
        QTest::newRow("52200 shares the page of 52100") << 52200 << "R52101.htm";
        QTest::newRow("52100") << 52100 << "R52101.htm";
        QTest::newRow("51220 genitive, hard") << 51220 << "R51211.htm";
        QTest::newRow("31400") << 31400 << "R31400.htm";
        QTest::newRow("63000 spelling rules") << 63000 << "R63000.htm";
    }
    void pageByProgramNumber()
    {
        QFETCH(int, programtal);
        QFETCH(QString, sida);
        TestCourse c;
        c.writeBytes(QStringLiteral("REGLER/") + sida, page(QStringLiteral("Seite ") + sida));
        c.activate();
        MessageRecorder m;
        Programtal = quint16(programtal);
        TRegler w;
        QCOMPARE(m.count(), 0);
        QCOMPARE(RegelSida, sida);
        QCOMPARE(shown(w), QStringLiteral("Seite ") + sida);
        QCOMPARE(w.windowTitle(), QStringLiteral("Regler"));
    }

    void theCdCopyWins_data()
    {
        QTest::addColumn<bool>("onCd");
        QTest::addColumn<bool>("onPc");
        QTest::addColumn<QString>("expected");
        QTest::newRow("on both") << true << true << "CD-Seite";
        QTest::newRow("only installed") << false << true << "PC-Seite";
        QTest::newRow("only on the CD") << true << false << "CD-Seite";
    }
    void theCdCopyWins()
    {
        QFETCH(bool, onCd);
        QFETCH(bool, onPc);
        QFETCH(QString, expected);
        TestCourse pc;
        TestCourse cd;
        if (onPc)
            pc.writeBytes(QStringLiteral("REGLER/R52101.htm"), page(QStringLiteral("PC-Seite")));
        if (onCd)
            cd.writeBytes(QStringLiteral("regler/r52101.HTM"), page(QStringLiteral("CD-Seite")));
        pc.activate(cd.root());
        MessageRecorder m;
        Programtal = 52100;
        TRegler w;
        QCOMPARE(m.count(), 0);
        QCOMPARE(shown(w), expected);
    }

    void aMissingPageIsReported()
    {
        TestCourse pc;
        TestCourse cd;
        pc.mkdir(QStringLiteral("REGLER"));
        pc.activate(cd.root());
        MessageRecorder m;
        Programtal = 54800;
        TRegler w;
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + ProgramPath::normalise(pc.root() + "/REGLER/R54800.htm")
                                        + QStringLiteral(" finns inte eller är felaktig")});
        QVERIFY(shown(w).isEmpty());
        // The window stays open with its way back.
        w.show();
        QVERIFY(w.isVisible());
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void aNumberWithoutPageNeverShowsAnEarlierPage_data()
    {
        QTest::addColumn<int>("programtal");
        QTest::newRow("52500 adjectives without article") << 52500;
        QTest::newRow("56900 infinitive") << 56900;
        QTest::newRow("56771 just past the passive range") << 56771;
    }
    void aNumberWithoutPageNeverShowsAnEarlierPage()
    {
        QFETCH(int, programtal);
        TestCourse pc;
        TestCourse cd;
        pc.writeBytes(QStringLiteral("REGLER/R52101.htm"), page(QStringLiteral("Komparation")));
        pc.activate(cd.root());
        MessageRecorder m;
        Programtal = 52100;
        {
            TRegler first;
            QCOMPARE(shown(first), QStringLiteral("Komparation"));
        }
        Programtal = quint16(programtal);
        TRegler w;
        QVERIFY(shown(w).isEmpty());
        QVERIFY(RegelSida.isEmpty());
        // The message calls no folder a file.
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Det finns ingen regelsida till den här övningen.")});
    }

    void pagesAreDecodedByTheirCharset_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("Die Straße „über“ Äpfel – 5 €");
        QTest::newRow("windows-1252") << page(text);
        QTest::newRow("iso-8859-1 read as Windows-1252")
            << QByteArray("<html><head><meta charset=\"ISO-8859-1\"></head><body>" + Cp1252::encode(text) + "</body></html>");
        QTest::newRow("utf-8")
            << QByteArray("<html><head><meta charset=utf-8></head><body>" + text.toUtf8() + "</body></html>");
        QTest::newRow("undeclared utf-8") << QByteArray("<html><body>" + text.toUtf8() + "</body></html>");
        QTest::newRow("undeclared 8-bit") << QByteArray("<html><body>" + Cp1252::encode(text) + "</body></html>");
    }
    void pagesAreDecodedByTheirCharset()
    {
        QFETCH(QByteArray, bytes);
        TestCourse c;
        c.writeBytes(QStringLiteral("REGLER/R54101.htm"), bytes);
        c.activate();
        Programtal = 54100;
        TRegler w;
        QCOMPARE(shown(w), QStringLiteral("Die Straße „über“ Äpfel – 5 €"));
    }

    void picturesAndLinksAreRelativeToThePage()
    {
        TestCourse c;
        c.mkdir(QStringLiteral("REGLER"));
        QImage bild(12, 7, QImage::Format_RGB32);
        bild.fill(Qt::red);
        QVERIFY(bild.save(c.path(QStringLiteral("REGLER/tabell.png"))));
        c.writeBytes(QStringLiteral("REGLER/R57101.htm"),
                     page(QStringLiteral("Satz")).replace("</p>", "</p><img src=\"tabell.png\"><a href=\"mehr.htm\">mehr</a>"));
        c.writeBytes(QStringLiteral("REGLER/mehr.htm"), page(QStringLiteral("Noch mehr über Sätze")));
        c.activate();
        Programtal = 57100;
        TRegler w;
        const QVariant res = w.WebBrowser1->document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("tabell.png")));
        QCOMPARE(res.value<QImage>().size(), QSize(12, 7));
        emit w.WebBrowser1->anchorClicked(QUrl(QStringLiteral("mehr.htm")));
        QCOMPARE(shown(w), QStringLiteral("Noch mehr über Sätze"));
    }

    // A link never leads out of the rule pages, whatever lies there.
    void linksStayInTheRulePages_data()
    {
        QTest::addColumn<QString>("href"); // %1: the course
        QTest::addColumn<QString>("mal");  // the file the message names, %1: the course
        QTest::newRow("up to DATA") << "../DATA/VRS52100.DAT" << "%1/REGLER/../DATA/VRS52100.DAT";
        QTest::newRow("up to the course") << "../geheim.htm" << "%1/REGLER/../geheim.htm";
        QTest::newRow("a file address") << "file://%1/geheim.htm" << "%1/geheim.htm";
    }
    void linksStayInTheRulePages()
    {
        QFETCH(QString, href);
        QFETCH(QString, mal);
        TestCourse c;
        c.writeBytes(QStringLiteral("REGLER/R57101.htm"), page(QStringLiteral("Satz")));
        c.writeBytes(QStringLiteral("REGLER/unter/mehr.htm"), page(QStringLiteral("Noch mehr")));
        c.writeBytes(QStringLiteral("geheim.htm"), page(QStringLiteral("Geheim")));
        c.write(QStringLiteral("DATA/VRS52100.DAT"), {QStringLiteral("Geheim#hemlig")});
        c.activate();
        Programtal = 57100;
        TRegler w;
        MessageRecorder m;
        emit w.WebBrowser1->anchorClicked(QUrl(href.arg(c.root())));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + mal.arg(c.root())
                                        + QStringLiteral(" finns inte eller är felaktig")});
        QCOMPARE(shown(w), QStringLiteral("Satz"));
        // A page further down in the rule pages is shown.
        emit w.WebBrowser1->anchorClicked(QUrl(QStringLiteral("unter/mehr.htm")));
        QCOMPARE(shown(w), QStringLiteral("Noch mehr"));
        QCOMPARE(m.count(), 1);
    }

    void bothViewersCloseOnEscape()
    {
        TestCourse c;
        c.writeBytes(QStringLiteral("REGLER/R63000.htm"), page(QStringLiteral("Neue Rechtschreibung")));
        c.writeBytes(QStringLiteral("REGLER/R51450.htm"), page(QStringLiteral("Akkusativ")));
        c.activate();
        MessageRecorder m;
        QString seen;
        auto pressEscape = [&seen] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            seen = modal->objectName() + QLatin1Char(':')
                   + modal->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1"))->toPlainText().trimmed();
            QTest::keyClick(modal->findChild<QTextBrowser *>(QStringLiteral("WebBrowser1")), Qt::Key_Escape);
        };

        Programtal = 51450;
        QTimer::singleShot(0, pressEscape);
        TRegler_Visa();
        QCOMPARE(seen, QStringLiteral("Regler:Akkusativ"));

        QTimer::singleShot(0, pressEscape);
        TRegelform_Visa(63000);
        QCOMPARE(seen, QStringLiteral("Regelform:Neue Rechtschreibung"));
        QCOMPARE(int(Programtal), 63000);
        QCOMPARE(RegelformSida, QStringLiteral("R63000.htm"));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(m.count(), 0);
    }

    void theBundledCourseHasEveryPage()
    {
        PCPath = qEnvironmentVariable("VARMIKO_COURSE");
        CDPath.clear();
        MessageRecorder m;
        QSet<QString> pages;
        for (int nr = 1; nr <= 65535; ++nr) {
            const QString sida = regelSidaFor(quint16(nr));
            if (sida.isEmpty() || pages.contains(sida))
                continue;
            pages.insert(sida);
            Programtal = quint16(nr);
            TRegler w;
            QVERIFY2(shown(w).size() > 200, qPrintable(sida));
            // Windows-1252 read as such: no replacement characters, no stray C1 controls.
            QVERIFY2(!shown(w).contains(QChar(0xFFFD)) && !shown(w).contains(QChar(0x96)), qPrintable(sida));
        }
        QCOMPARE(pages.size(), 28);
        QCOMPARE(m.texts(), QStringList());
    }

    void theSecondViewerDropsOtherKeysAndLoadsOnce()
    {
        TestCourse c;
        c.mkdir(QStringLiteral("REGLER"));
        c.activate();
        MessageRecorder m;
        Programtal = 63000;
        TRegelform w;
        w.show();
        QTest::keyClick(&w, Qt::Key_A);
        QTest::keyClick(&w, Qt::Key_Return);
        QVERIFY(w.isVisible());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        // One message for the missing page, not another when the window shows.
        QCOMPARE(m.count(), 1);
    }
};

VARMIKO_TEST_MAIN(TestRules)
#include "test_rules.moc"
