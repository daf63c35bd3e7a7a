// The platform layer: Windows-1252, case-blind paths, profile files.

#include "TestCourse.h"
#include "TestMain.h"
#include "platform/ArrowButton.h"
#include "platform/ButtonCacheStyle.h"
#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/ProgramPath.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolButton>

#include <algorithm>
#include <memory>
#include <numeric>

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
    }

    void lettersOfTheCodePage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("umlauts") << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF") << QStringLiteral("äöüÄÖÜß");
        QTest::newRow("quotes and euro") << QByteArray("\x84\x93\x80\x85") << QStringLiteral("„“€…");
    }
    void lettersOfTheCodePage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Cp1252::decode(bytes), text);
        QCOMPARE(Cp1252::encode(text), bytes);
    }

    void upperCaseKeepsSharpS()
    {
        QCOMPARE(Cp1252::upper(QStringLiteral("straße äöü é š ÿ")), QStringLiteral("STRAßE ÄÖÜ É Š Ÿ"));
        QCOMPARE(Cp1252::upper(QStringLiteral("÷")), QStringLiteral("÷"));
        QCOMPARE(Cp1252::lower(QStringLiteral("STRAßE ÄÖÜ É Š Ÿ × Ω")), QStringLiteral("straße äöü é š ÿ × Ω"));
    }

    void pathsIgnoreLetterCase()
    {
        TestCourse c;
        c.write(QStringLiteral("data/Vrs52100.dat"), {QStringLiteral("x#y")});
        const QString found = ProgramPath::resolve(c.root(), QStringLiteral("\\DATA\\VRS52100.DAT"));
        QCOMPARE(found, c.path(QStringLiteral("data/Vrs52100.dat")));
        QVERIFY(ProgramPath::resolve(c.root(), QStringLiteral("\\DATA\\VRS99999.DAT")).isEmpty());
        // An empty root never becomes the file system's root.
        QVERIFY(ProgramPath::resolve(QString(), QStringLiteral("\\tmp")).isEmpty());
        QCOMPARE(ProgramPath::forWriting(c.root() + QStringLiteral("\\DATA\\new.txt")),
                 c.path(QStringLiteral("data/new.txt")));
    }

    void profileFileRules()
    {
        IniFile ini;
        ini.parse(QStringLiteral("[PATH]\r\nVrsCDPath=D:\\temp\\new;x\r\n[Path]\r\nvrsscoredirectory = C:\\res\r\n"
                                 "; a comment\r\nVrsCDPath=ignored\r\n"));
        QCOMPARE(ini.value(QStringLiteral("path"), QStringLiteral("VRSCDPATH")), QStringLiteral("D:\\temp\\new;x"));
        QCOMPARE(ini.value(QStringLiteral("PATH"), QStringLiteral("VrsScoreDirectory")), QStringLiteral("C:\\res"));
        QCOMPARE(ini.value(QStringLiteral("Other"), QStringLiteral("x"), QStringLiteral("fallback")),
                 QStringLiteral("fallback"));
    }

    // Buttons of every look, on a coloured panel as in the menus, drawn by
    // the platform style and by the caching style twice (the second time
    // from the kept pictures): the pixels must be the same, but for the
    // focused button, which the caching style also frames.
    void cachedButtonsLookAsTheStyleDrawsThem()
    {
        const QRect fokusRuta(140, 115, 120, 30);
        const auto rita = [fokusRuta](QStyle *stil) {
            QWidget panel;
            panel.setStyle(stil);
            panel.resize(310, 160);
            QPalette p = panel.palette();
            p.setColor(QPalette::Window, QColor(0, 0, 128));
            panel.setPalette(p);
            panel.setAutoFillBackground(true);
            const auto knapp = [&](const QRect &r) {
                auto *b = new QPushButton(QStringLiteral("Knapp"), &panel);
                b->setStyle(stil);
                b->setGeometry(r);
                return b;
            };
            knapp({10, 10, 257, 30});
            knapp({10, 45, 257, 30})->setDefault(true);
            knapp({10, 80, 257, 30})->setDown(true);
            knapp({10, 115, 120, 30})->setEnabled(false);
            QPushButton *fokus = knapp(fokusRuta);
            auto *verktyg = new QToolButton(&panel);
            verktyg->setStyle(stil);
            verktyg->setGeometry(275, 115, 27, 27);
            panel.show();
            fokus->setFocus();
            QCoreApplication::processEvents();
            QImage bild = panel.grab().toImage();
            QPainter(&bild).fillRect(fokusRuta, Qt::magenta);
            return bild;
        };
        std::unique_ptr<QStyle> plattform(QStyleFactory::create(QApplication::style()->name()));
        ButtonCacheStyle cachad(QStyleFactory::create(QApplication::style()->name()));
        const QImage forvantad = rita(plattform.get());
        QCOMPARE(rita(&cachad), forvantad);
        QCOMPARE(rita(&cachad), forvantad);
    }

    // The button a window focuses (no Tab pressed) shows a dark frame at
    // once, on a coloured panel as the end panels are.
    void focusedButtonIsFramedFromTheStart()
    {
        ButtonCacheStyle stil(QStyleFactory::create(QApplication::style()->name()));
        QWidget fonster;
        fonster.resize(300, 60);
        QPalette p = fonster.palette();
        p.setColor(QPalette::Window, QColor(0, 0, 128));
        fonster.setPalette(p);
        fonster.setAutoFillBackground(true);
        QPushButton a(QStringLiteral("&Fortsetzen"), &fonster);
        QPushButton b(QStringLiteral("&Abbrechen"), &fonster);
        for (QPushButton *k : {&a, &b})
            k->setStyle(&stil);
        a.setGeometry(10, 10, 130, 40);
        b.setGeometry(160, 10, 130, 40);
        fonster.show();
        QApplication::setActiveWindow(&fonster);
        QVERIFY(QTest::qWaitForWindowActive(&fonster));
        const auto morka = [](const QImage &bild) {
            int n = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    n += qGray(bild.pixel(x, y)) < 40;
            return n;
        };
        b.setFocus();
        QCoreApplication::processEvents();
        const QImage utan = a.grab().toImage();
        a.setFocus();
        QCoreApplication::processEvents();
        QVERIFY(a.hasFocus());
        QVERIFY(!fonster.testAttribute(Qt::WA_KeyboardFocusChange));
        const QImage med = a.grab().toImage();
        // the frame goes round the button: its dark pixels outnumber the
        // caption's by far
        QVERIFY2(morka(med) > morka(utan) + 2 * (a.width() + a.height()),
                 qPrintable(QStringLiteral("%1 / %2").arg(morka(med)).arg(morka(utan))));
    }

    // The arrow of a spin button half is dark and fills the middle of its
    // face at every size, pointing its way; a disabled one is grey.
    void anArrowFillsItsButton_data()
    {
        QTest::addColumn<int>("riktning");
        QTest::addColumn<QSize>("storlek");
        QTest::newRow("up, small") << int(Qt::UpArrow) << QSize(20, 20);
        QTest::newRow("down, small") << int(Qt::DownArrow) << QSize(40, 20);
        QTest::newRow("up, large") << int(Qt::UpArrow) << QSize(66, 33);
        QTest::newRow("down, large") << int(Qt::DownArrow) << QSize(66, 33);
    }
    void anArrowFillsItsButton()
    {
        QFETCH(int, riktning);
        QFETCH(QSize, storlek);
        QWidget fonster;
        ArrowButton knapp(Qt::ArrowType(riktning), &fonster);
        knapp.setGeometry(QRect(QPoint(5, 5), storlek));
        fonster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fonster));

        // The dark pixels of each row: the row of the tip has the fewest.
        const auto morkaRader = [](const QImage &bild, int grans) {
            QList<int> rader;
            for (int y = 0; y < bild.height(); ++y) {
                int n = 0;
                for (int x = 0; x < bild.width(); ++x)
                    n += qGray(bild.pixel(x, y)) < grans;
                rader.append(n);
            }
            return rader;
        };
        const QList<int> rader = morkaRader(knapp.grab().toImage(), 60);
        const int summa = std::accumulate(rader.cbegin(), rader.cend(), 0);
        QVERIFY2(summa * 12 >= storlek.width() * storlek.height(), qPrintable(QString::number(summa)));
        QVERIFY(*std::max_element(rader.cbegin(), rader.cend()) * 2 >= storlek.width());
        int forsta = 0;
        while (rader[forsta] == 0)
            ++forsta;
        int sista = int(rader.size()) - 1;
        while (rader[sista] == 0)
            --sista;
        if (riktning == int(Qt::UpArrow))
            QVERIFY(rader[forsta] < rader[sista]);
        else
            QVERIFY(rader[forsta] > rader[sista]);

        knapp.setEnabled(false);
        const QList<int> av = morkaRader(knapp.grab().toImage(), 100);
        QCOMPARE(std::accumulate(av.cbegin(), av.cend(), 0), 0);
    }

    // A real message box shows its text, its buttons and its icon at the
    // size the program set for the screen.
    void messageBoxesReadAtTheScreensSize()
    {
        const MessageBox::Handler tidigare = MessageBox::currentHandler();
        MessageBox::setHandler({});
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(26);
        MessageBox::setTextFont(f);
        int text = 0;
        int knapp = 0;
        int ikon = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QLabel *l : box->findChildren<QLabel *>()) {
                if (l->text() == QStringLiteral("Filen X finns inte eller är felaktig"))
                    text = QFontInfo(l->font()).pixelSize();
                else if (!l->pixmap().isNull())
                    ikon = l->pixmap().height();
            }
            knapp = QFontInfo(box->button(QMessageBox::Ok)->font()).pixelSize();
            box->button(QMessageBox::Ok)->click();
        });
        MessageBox::warning(QStringLiteral("Filen X finns inte eller är felaktig"));
        MessageBox::setHandler(tidigare);
        QCOMPARE(text, 26);
        QCOMPARE(knapp, 26);
        QVERIFY2(ikon >= 2 * 26, qPrintable(QString::number(ikon)));
    }

    // A real message box (no test handler) answers in Swedish, whatever
    // translations the system has.
    void messageBoxesSpeakSwedish()
    {
        const MessageBox::Handler tidigare = MessageBox::currentHandler();
        MessageBox::setHandler({});
        QStringList knappar;
        QTimer::singleShot(0, [&knappar] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton *b : box->buttons())
                knappar << b->text();
            box->button(QMessageBox::No)->click();
        });
        const bool ja = MessageBox::askYesNo(QStringLiteral("Vill du sluta?"));
        MessageBox::setHandler(tidigare);
        QVERIFY(!ja);
        knappar.sort();
        QCOMPARE(knappar, QStringList({QStringLiteral("&Ja"), QStringLiteral("&Nej")}));
    }
};

VARMIKO_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
