// The screen scale, the scaling of windows and the wrapping of sentences.

#include "TestMain.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// Every character as wide as its point size.
int fastBredd(const QString &text, int pointSize)
{
    return int(text.size()) * pointSize;
}

QStringList rader()
{
    return {MeningsRader[1], MeningsRader[2], MeningsRader[3]};
}

} // namespace

class TestScale : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Skalning = 100;
        Programtal = 41000;
        MusOverBild = 0;
        setRadBredd(fastBredd);
    }
    void cleanup()
    {
        setRadBredd({});
        Skalning = 100;
    }

    void skalningFromScreenSize_data()
    {
        QTest::addColumn<int>("bredd");
        QTest::addColumn<int>("hojd");
        QTest::addColumn<int>("skalning");
        // Each "A" is 10 pixels wide: n of them are needed to pass the width.
        QTest::newRow("48 A") << 480 << 480 << 94;
        QTest::newRow("49 A") << 490 << 480 << 100;
        QTest::newRow("50 A") << 500 << 480 << 100;
        QTest::newRow("51 A") << 510 << 480 << 100;
        QTest::newRow("52 A") << 520 << 480 << 102;
        QTest::newRow("79 A") << 790 << 600 << 156;
        QTest::newRow("height 1024") << 1280 << 1024 << 208;
        QTest::newRow("height 768") << 1366 << 768 << 156;
        QTest::newRow("height 1080") << 1920 << 1080 << 219;
        QTest::newRow("half to even down") << 1920 << 672 << 136;
        QTest::newRow("half to even up") << 1920 << 736 << 150;
        QTest::newRow("height in the 100 band") << 1920 << 480 << 100;
        QTest::newRow("short wide screen") << 1920 << 100 << 25;
        QTest::newRow("tiny screen") << 100 << 50 << 25;
        QTest::newRow("no screen") << 0 << 0 << 25;
    }
    void skalningFromScreenSize()
    {
        QFETCH(int, bredd);
        QFETCH(int, hojd);
        QFETCH(int, skalning);
        QCOMPARE(beraknaSkalning(bredd, hojd, [](const QString &t) { return int(t.size()) * 10; }), skalning);
    }

    // The scale comes from the first row whose width reaches the screen,
    // however the width of one "A" compares with the rest of a row.
    void skalningTakesTheFirstRowThatReaches_data()
    {
        QTest::addColumn<int>("bredd");
        QTest::addColumn<int>("forsta");   // width of one "A"
        QTest::addColumn<int>("tusendel"); // width of each further "A", in thousandths of a pixel
        QTest::newRow("one A wider than the rest") << 800 << 19 << 11500;
        QTest::newRow("rounding on the way") << 1024 << 14 << 13100;
        QTest::newRow("another rounding") << 800 << 13 << 12800;
        QTest::newRow("wide rows") << 1200 << 20 << 16100;
        QTest::newRow("one A much narrower") << 1000 << 2 << 16000;
        QTest::newRow("one A much wider") << 700 << 60 << 10000;
        QTest::newRow("one A as wide as the screen") << 640 << 640 << 9000;
    }
    void skalningTakesTheFirstRowThatReaches()
    {
        QFETCH(int, bredd);
        QFETCH(int, forsta);
        QFETCH(int, tusendel);
        const auto matt = [&](const QString &t) {
            return t.isEmpty() ? 0 : forsta + int(qint64(t.size() - 1) * tusendel / 1000);
        };
        // Every row from one "A" up, until one reaches the screen.
        qint32 n = 0;
        while (n <= bredd && matt(QString(n, QChar(u'A'))) < bredd)
            ++n;
        // Rows of these lengths give the scale as it is: two percent an "A".
        QVERIFY((n - 1) * 2 <= 156 && ((n - 1) * 2 < 96 || (n - 1) * 2 > 101));
        QCOMPARE(beraknaSkalning(bredd, 768, matt), std::max((n - 1) * 2, MinstaSkalning));
    }

    void skalningWithTheRealFont()
    {
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        f.setPixelSize(17);
        const QFontMetrics fm(f);
        const auto matt = [&fm](const QString &t) { return fm.horizontalAdvance(t); };
        for (const QSize s : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            const qint32 sk = beraknaSkalning(s.width(), s.height(), matt);
            QVERIFY2(sk >= MinstaSkalning && sk <= std::max(156, s.height() * 156 / 768 + 1),
                     qPrintable(QStringLiteral("%1x%2: %3").arg(s.width()).arg(s.height()).arg(sk)));
        }
        // A zero-width measure must not loop for ever.
        QCOMPARE(beraknaSkalning(800, 600, [](const QString &) { return 0; }), 122);

        Skaltest();
        QVERIFY(Skalning >= MinstaSkalning);
        QVERIFY(Marginal > 0 && Marginal < 50);
        // The message boxes read at the screen's scale, not in the system's
        // small font.
        const QFont meddelande = MessageBox::textFont();
        QCOMPARE(meddelande.pixelSize(), 16 * Skalning / 100);
        QVERIFY(meddelande.pixelSize() > QFontInfo(QApplication::font()).pixelSize());
    }

    void skalaFonsterScalesOnce()
    {
        QWidget fonster;
        fonster.resize(400, 300);
        QFont grund = fonster.font();
        grund.setPointSize(10);
        fonster.setFont(grund);
        auto *egen = new QLabel(QStringLiteral("Egen"), &fonster);
        egen->setGeometry(10, 20, 100, 30);
        QFont f = egen->font();
        f.setPointSize(16);
        egen->setFont(f);
        auto *arvd = new QLabel(QStringLiteral("Arvd"), &fonster);
        arvd->setGeometry(110, 20, 50, 30);
        arvd->setMinimumSize(40, 20);
        arvd->setMaximumWidth(60);

        Skalning = 100;
        skalaFonster(&fonster);
        QCOMPARE(egen->geometry(), QRect(10, 20, 100, 30));

        Skalning = 150;
        skalaFonster(&fonster);
        QCOMPARE(fonster.size(), QSize(600, 450));
        QCOMPARE(egen->geometry(), QRect(15, 30, 150, 45));
        QCOMPARE(arvd->geometry().left(), egen->geometry().right() + 1); // neighbours stay flush
        QCOMPARE(egen->font().pointSizeF(), 24.0);
        QCOMPARE(arvd->font().pointSizeF(), 15.0); // follows its parent, not scaled twice
        QCOMPARE(arvd->minimumSize(), QSize(60, 30));
        QCOMPARE(arvd->maximumWidth(), 90);
        QCOMPARE(arvd->maximumHeight(), QWIDGETSIZE_MAX);
    }

    void captionShrinksToItsButtonAndGrowsBack()
    {
        QWidget fonster;
        fonster.resize(400, 100);
        auto *knapp = new QPushButton(QStringLiteral("Fehler &berichtigen"), &fonster);
        knapp->setFont(arial(30, true));
        knapp->setGeometry(10, 10, 150, 50);
        passaTexten(knapp);
        fonster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fonster));
        const auto bredd = [knapp] {
            return QFontMetrics(knapp->font()).horizontalAdvance(QStringLiteral("Fehler berichtigen"));
        };
        QVERIFY(knapp->font().pixelSize() < 30);
        QVERIFY(knapp->font().pixelSize() >= 11); // 8 points
        QVERIFY(bredd() < knapp->width());

        // A wider box and a shorter caption give back the full size.
        knapp->resize(380, 50);
        QCOMPARE(knapp->font().pixelSize(), 30);
        knapp->resize(150, 50);
        knapp->setText(QStringLiteral("&Ok"));
        knapp->repaint();
        QCOMPARE(knapp->font().pixelSize(), 30);

        // Never below the floor, even when the caption cannot fit.
        knapp->setText(QStringLiteral("Tillbaka utan att spara och utan att fråga"));
        knapp->resize(40, 50);
        QCOMPARE(knapp->font().pixelSize(), 11);
    }

    // The buttons of one row share one font: the largest size at which every
    // caption fits, the full size where the row has room. A narrow row
    // gives the long caption more room than the short ones; a longer
    // caption, or a button hidden, changes the size of all of them.
    void aRowOfButtonsSharesOneFont_data()
    {
        QTest::addColumn<int>("breite");
        QTest::addColumn<bool>("vollGross");
        QTest::addColumn<bool>("gleichBreit");
        QTest::newRow("room for equal widths at full size") << 1400 << true << true;
        QTest::newRow("full size only with a wider first button") << 960 << true << false;
        QTest::newRow("too narrow for the full size") << 640 << false << false;
    }
    void aRowOfButtonsSharesOneFont()
    {
        QFETCH(int, breite);
        QFETCH(bool, vollGross);
        QFETCH(bool, gleichBreit);
        QWidget fonster;
        fonster.resize(breite + 20, 100);
        auto *panel = new QFrame(&fonster);
        panel->setGeometry(0, 0, breite + 20, 100);
        QList<QPushButton *> knappar;
        for (const char *text : {"Fehler &berichtigen", "&Fortsetzen", "&Abbrechen", "&Einstellungen"}) {
            auto *k = new QPushButton(QString::fromUtf8(text), panel);
            k->setFont(arial(14)); // a font of its own is overruled by the row's
            passaTexten(k);
            knappar.append(k);
        }
        knappRad(knappar, QRect(10, 10, breite, 60), 10, arial(30, true));
        fonster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fonster));

        const auto einFontDerPasst = [&] {
            for (QPushButton *k : knappar) {
                if (k->isHidden())
                    continue;
                if (k->font() != knappar.first()->font() || !k->font().bold())
                    return false;
                QStyleOptionButton opt;
                opt.initFrom(k);
                const QRect rum = k->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, k);
                if (QFontMetrics(k->font()).horizontalAdvance(k->text().remove(QLatin1Char('&'))) > rum.width())
                    return false;
            }
            return true;
        };
        QVERIFY(einFontDerPasst());
        QCOMPARE(knappar.first()->font().pixelSize() == 30, vollGross);
        // The row fills its room in order, its buttons the given distance apart.
        QCOMPARE(knappar.first()->x(), 10);
        for (qsizetype i = 1; i < knappar.size(); ++i)
            QCOMPARE(knappar[i]->x(), knappar[i - 1]->geometry().right() + 1 + 10);
        QCOMPARE(knappar.last()->geometry().right() + 1, 10 + breite);
        QCOMPARE(knappar[0]->width() - knappar[1]->width() <= 1, gleichBreit);
        QVERIFY(knappar[0]->width() >= knappar[1]->width());
        if (!gleichBreit)
            return;

        // A longer caption on one button: all of them shrink alike.
        knappar[1]->setText(QStringLiteral("&Fortsetzen bis zum Ende"));
        knappar[1]->repaint();
        QVERIFY(knappar.first()->font().pixelSize() < 30);
        QVERIFY(einFontDerPasst());
        // That button hidden: the others take the full size back.
        knappar[1]->hide();
        QCOMPARE(knappar.first()->font().pixelSize(), 30);
        QVERIFY(einFontDerPasst());
    }

    void boxesMoveAndShrinkIntoTheirRoom()
    {
        QWidget fonster;
        fonster.resize(500, 300);
        auto *a = new QFrame(&fonster);
        a->setGeometry(300, 10, 200, 100);
        auto *text = new QLabel(QStringLiteral("Aufgabe"), a);
        text->setFont(arial(20, true));
        text->adjustSize();
        text->move(20, 30);
        auto *b = new QFrame(&fonster);
        b->setGeometry(520, 10, 100, 40);

        // Room enough: the row moves left as a whole, its sizes kept.
        klampaIn({a, b}, QRect(0, 0, 400, 300));
        QCOMPARE(a->geometry(), QRect(80, 10, 200, 100));
        QCOMPARE(b->geometry(), QRect(300, 10, 100, 40));

        // Too narrow: both shrink alike, with what lies in them.
        klampaIn({a, b}, QRect(50, 0, 160, 300));
        QCOMPARE(a->x(), 50);
        QVERIFY(b->geometry().right() <= 209);
        QCOMPARE(a->width() * 2, b->width() * 4); // 200 : 100, as laid out
        QCOMPARE(a->height(), 50);
        QCOMPARE(text->pos(), QPoint(10, 15));
        QVERIFY(text->font().pixelSize() <= 10);
        QVERIFY(QFontMetrics(text->font()).horizontalAdvance(text->text()) <= text->width());
    }

    void labelFitsItsRoom()
    {
        QWidget fonster;
        fonster.resize(500, 300);
        auto *l = new QLabel(QStringLiteral("Mycket lätta glosor"), &fonster);
        l->setFont(arial(30, true));
        l->move(350, 20);
        passaEtikett(l, QRect(300, 20, 150, 40));
        QVERIFY(l->geometry().left() >= 300 && l->geometry().right() < 450);
        QVERIFY(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->width());
        // A short name in the same room: the full size again.
        l->setText(QStringLiteral("Tiere"));
        passaEtikett(l, QRect(300, 20, 150, 40));
        QCOMPARE(l->font().pixelSize(), 30);
    }

    void delaMening_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("tecken"); // characters per line at 14 points
        QTest::addColumn<int>("maxRader");
        QTest::addColumn<int>("skalning");
        QTest::addColumn<QStringList>("resultat");

        QTest::newRow("fits") << QStringLiteral("Ein Haus") << 8 << 3 << 100
                              << QStringList{QStringLiteral("Ein Haus"), QString(), QString()};
        QTest::newRow("at blanks") << QStringLiteral("Ich habe einen Hund") << 8 << 3 << 100
                                   << QStringList{QStringLiteral("Ich habe "), QStringLiteral("einen "), QStringLiteral("Hund")};
        QTest::newRow("after a mark") << QStringLiteral("abcdefgh, ij") << 8 << 3 << 100
                                      << QStringList{QStringLiteral("abcdefgh,"), QStringLiteral("ij"), QString()};
        QTest::newRow("long word after the first line") << QStringLiteral("ab cdefghijklmnop") << 8 << 3 << 100
                                                        << QStringList{QStringLiteral("ab "), QStringLiteral("cdefghij"), QStringLiteral("klmnop")};
        QTest::newRow("long word wraps on") << QStringLiteral("abcdefghijklmnopqrst") << 8 << 3 << 100
                                            << QStringList{QStringLiteral("abcdefgh"), QStringLiteral("ijklmnop"), QStringLiteral("qrst")};
        QTest::newRow("long group") << QStringLiteral("<abcdefghijkl> x") << 8 << 3 << 100
                                    << QStringList{QStringLiteral("<abcdefg"), QStringLiteral("hijkl> x"), QString()};
        QTest::newRow("group moves whole") << QStringLiteral("Er hat <einen Hund>") << 12 << 3 << 100
                                           << QStringList{QStringLiteral("Er hat "), QStringLiteral("<einen Hund>"), QString()};
        QTest::newRow("closing mark stands past the edge") << QStringLiteral("ab <cdefg> hi") << 9 << 3 << 100
                                                           << QStringList{QStringLiteral("ab <cdefg>"), QStringLiteral("hi"), QString()};
        QTest::newRow("no lone <") << QStringLiteral("abc def <gh>") << 8 << 3 << 100
                                   << QStringList{QStringLiteral("abc def "), QStringLiteral("<gh>"), QString()};
        QTest::newRow("cut after the last line") << QStringLiteral("aaaa bbbb cccc") << 5 << 2 << 100
                                                 << QStringList{QStringLiteral("aaaa "), QStringLiteral("bbbb "), QString()};
        QTest::newRow("width in screen pixels") << QStringLiteral("Ich habe einen Hund") << 16 << 3 << 200
                                                << QStringList{QStringLiteral("Ich habe "), QStringLiteral("einen "), QStringLiteral("Hund")};
        QTest::newRow("empty") << QString() << 8 << 3 << 100 << QStringList{QString(), QString(), QString()};
    }
    void delaMening()
    {
        QFETCH(QString, text);
        QFETCH(int, tecken);
        QFETCH(int, maxRader);
        QFETCH(int, skalning);
        QFETCH(QStringList, resultat);
        Skalning = skalning;
        MeningsRader[3] = QStringLiteral("old"); // nothing of an earlier sentence stays
        dela_mening(30, 30 + tecken * 14, text, maxRader);
        QCOMPARE(rader(), resultat);
    }

    void fontSizeByProgram_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<int>("musOverBild");
        QTest::addColumn<int>("punkter");
        QTest::newRow("51220") << 51220 << 0 << 22;
        QTest::newRow("32000") << 32000 << 0 << 22;
        QTest::newRow("43000") << 43000 << 0 << 22;
        QTest::newRow("47000") << 47000 << 0 << 22;
        QTest::newRow("42999") << 42999 << 0 << 14;
        QTest::newRow("47001") << 47001 << 0 << 14;
        QTest::newRow("picture caption") << 51220 << 1 << 8;
    }
    void fontSizeByProgram()
    {
        QFETCH(int, program);
        QFETCH(int, musOverBild);
        QFETCH(int, punkter);
        Programtal = quint16(program);
        MusOverBild = quint8(musOverBild);
        QSet<int> storlekar;
        setRadBredd([&storlekar](const QString &t, int p) {
            storlekar.insert(p);
            return fastBredd(t, p);
        });
        dela_mening(0, 100, QStringLiteral("Ein Satz"), 3);
        QCOMPARE(storlekar, QSet<int>{punkter});
        QCOMPARE(int(MusOverBild), 0);
    }

    void largeTextWrapsNarrower()
    {
        setRadBredd({}); // the real font
        const QString text = QStringLiteral("Der Hund läuft über die Straße zum Bahnhof.");
        QStringList liten, stor;
        for (const quint16 program : {quint16(41000), quint16(51220)}) {
            Programtal = program;
            dela_mening(0, 300, text, 3);
            (program == 41000 ? liten : stor) = rader();
        }
        QVERIFY(stor[0].size() < liten[0].size());
        QVERIFY(!stor[2].isEmpty());
        for (const QStringList &r : {liten, stor})
            QCOMPARE(r.join(QString()).remove(QChar(u' ')), QString(text).remove(QChar(u' ')));
    }
};

VARMIKO_TEST_MAIN(TestScale)
#include "test_scale.moc"
