// The Germany pages: the map by screen width and the message when it is
// missing, the flag with its history lines, the anthem's verse and playing
// and stopping its melody; and the course's own pictures and melody.

#include "FakeSound.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "app/allafonster.h"
#include "drills/vocabulary/TFlagga.h"
#include "drills/vocabulary/THymn.h"
#include "drills/vocabulary/TKarta.h"
#include "drills/vocabulary/tysklandssidor.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"
#include "platform/Sound.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

int screenWidth()
{
    return QGuiApplication::primaryScreen()->geometry().width();
}

QString buildDir()
{
    return qEnvironmentVariable("VARMIKO_BUILD_DIR");
}

void useBundledCourse()
{
    PCPath = buildDir();
    CDPath.clear();
}

// Lines of a page stand one under the other, each centred on the screen.
void checkCentredColumn(const QList<QLabel *> &lines, int below, int W)
{
    int top = below;
    for (QLabel *l : lines) {
        QVERIFY2(l->y() >= top, qPrintable(l->text()));
        QVERIFY2(qAbs(l->x() + l->width() / 2 - W / 2) <= 1, qPrintable(l->text()));
        QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), qPrintable(l->text()));
        top = l->y() + l->height();
    }
}

} // namespace

class TestGermanyPages : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        Marginal = 12;
        Skalning = 100;
        LjudInst = 1;
    }

    void theMapIsChosenByTheScreenWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("picture");
        QTest::newRow("640") << 640 << "VRSKLAN2.BMP";
        QTest::newRow("799") << 799 << "VRSKLAN2.BMP";
        QTest::newRow("800") << 800 << "VRSKLAND.BMP";
        QTest::newRow("1023") << 1023 << "VRSKLAND.BMP";
        QTest::newRow("1024") << 1024 << "VRSKLAN3.BMP";
        QTest::newRow("1920") << 1920 << "VRSKLAN3.BMP";
    }
    void theMapIsChosenByTheScreenWidth()
    {
        QFETCH(int, width);
        QFETCH(QString, picture);
        QCOMPARE(kartBildNamn(width), picture);
    }

    void theMapPageShowsTheMapAndItsFacts()
    {
        useBundledCourse();
        MessageRecorder m;
        TKarta w;
        QCOMPARE(m.count(), 0);
        const QImage map(ProgramPath::resolve(buildDir(), QStringLiteral("\\BILD\\") + kartBildNamn(screenWidth())));
        QVERIFY(!map.isNull());
        QCOMPARE(w.Image1->pixmap().size(), map.size());
        QCOMPARE(w.Image1->size(), map.size());
        QCOMPARE(w.Image1->y(), w.Label1->y() + w.Label1->height());
        QCOMPARE(w.Label1->y(), Marginal / 2);
        // Germany's national day is the day of unity, 3 October; the
        // Bundestag first met on 7 September 1949.
        QCOMPARE(w.KartLabel[0]->text(),
                 QStringLiteral("Nationaldag 3 oktober (Tag der Deutschen Einheit, återföreningen 1990)."));
        QCOMPARE(w.KartLabel[1]->text(), QStringLiteral("Förbundsdagen sammanträdde första gången 7 september 1949."));
        QCOMPARE(w.KartLabel[3]->text(), QStringLiteral("Area: 357 000 km². Har gränser till 9 länder."));
        const int W = screenWidth();
        checkCentredColumn({w.Label1, w.Image1}, 0, W);
        checkCentredColumn({w.KartLabel[0], w.KartLabel[1], w.KartLabel[2], w.KartLabel[3]},
                           w.Image1->y() + w.Image1->height(), W);
        QVERIFY(w.AvbrytPanel1->y() + w.AvbrytPanel1->height() <= w.height());
        QCOMPARE(w.Button1->text(), QStringLiteral("&Avbryt"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Varmiko"));
    }

    void aMissingMapIsReportedAndThePageShowsWithout_data()
    {
        QTest::addColumn<bool>("withCd");
        QTest::addColumn<bool>("onCd");
        QTest::newRow("installation only") << false << false;
        QTest::newRow("with a CD") << true << false;
        QTest::newRow("found on the CD") << true << true;
    }
    void aMissingMapIsReportedAndThePageShowsWithout()
    {
        QFETCH(bool, withCd);
        QFETCH(bool, onCd);
        TestCourse pc;
        TestCourse cd;
        pc.mkdir(QStringLiteral("DATA"));
        const QString name = kartBildNamn(screenWidth());
        if (onCd) {
            QImage picture(40, 50, QImage::Format_RGB32);
            picture.fill(Qt::darkGreen);
            cd.mkdir(QStringLiteral("bild"));
            QVERIFY(picture.save(cd.path(QStringLiteral("bild/") + name.toLower()), "BMP"));
        }
        pc.activate(withCd ? cd.root() : QString());
        MessageRecorder m;
        TKarta w;
        if (onCd) {
            QCOMPARE(m.count(), 0);
            QCOMPARE(w.Image1->pixmap().size(), QSize(40, 50));
            return;
        }
        const QString root = withCd ? cd.root() : pc.root();
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + QDir::cleanPath(root + "/BILD/" + name)
                                        + QStringLiteral(" finns inte eller är felaktig")});
        QVERIFY(w.Image1->pixmap().isNull());
        // The facts still show, under the title.
        QVERIFY(w.KartLabel[0]->y() > w.Label1->y() + w.Label1->height() - 1);
        QVERIFY(w.KartLabel[3]->y() > w.KartLabel[0]->y());
    }

    void theFlagPageShowsTheFlagAndItsHistory_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("smallFont");
        QTest::newRow("100 %: 12 points") << 100 << true;
        QTest::newRow("91 %: 12 points") << 91 << true;
        QTest::newRow("90 %: as designed") << 90 << false;
        QTest::newRow("110 %: as designed") << 110 << false;
    }
    void theFlagPageShowsTheFlagAndItsHistory()
    {
        QFETCH(int, scale);
        QFETCH(bool, smallFont);
        useBundledCourse();
        Skalning = scale;
        MessageRecorder m;
        TFlagga w;
        QCOMPARE(m.count(), 0);
        QVERIFY(!w.Image1->pixmap().isNull());
        QCOMPARE(w.Image1->y(), w.Label1->y() + w.Label1->height() / 2);
        const QStringList want{"Tyskland består av ett antal \"länder\", som alla har egna",
                               "flaggor och vapen, ofta mycket gamla. 1848 blev den nuvarande",
                               "flaggan Tyska Förbundets flagga. Mellan 1933 och 1945 användes",
                               "hakkorsflaggan. 1949 blev förbundsflaggan på nytt Tysklands flagga."};
        const char *names[] = {"FlagLabel1", "Flaglabel2", "Flaglabel3", "FlagLabel4"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(w.FlagLabel[i]->text(), want[i]);
            QCOMPARE(w.FlagLabel[i]->objectName(), QString::fromLatin1(names[i]));
            QCOMPARE(w.FlagLabel[i]->palette().color(QPalette::WindowText), QColor(0, 0, 128));
            if (smallFont)
                QCOMPARE(w.FlagLabel[i]->font().pointSize(), 12);
            else
                QCOMPARE(w.FlagLabel[i]->font().pixelSize(), 23);
        }
        checkCentredColumn({w.Image1, w.FlagLabel[0], w.FlagLabel[1], w.FlagLabel[2], w.FlagLabel[3]}, 0,
                           screenWidth());
        QVERIFY(w.AvbrytPanel1->y() + w.AvbrytPanel1->height() <= w.height());
    }

    void theAnthemPageDrawsTheVerse()
    {
        useBundledCourse();
        THymn w;
        const QStringList lines = w.HymnRader();
        QCOMPARE(lines.size(), 12);
        for (int k = 0; k < 4; ++k)
            QVERIFY(lines[k].isEmpty());
        // The whole third verse, all eight lines.
        QCOMPARE(lines.mid(4), QStringList({QStringLiteral("Einigkeit und Recht und Freiheit"),
                                            QStringLiteral("für das deutsche Vaterland!"),
                                            QStringLiteral("Danach lasst uns alle streben"),
                                            QStringLiteral("brüderlich mit Herz und Hand!"),
                                            QStringLiteral("Einigkeit und Recht und Freiheit"),
                                            QStringLiteral("sind des Glückes Unterpfand;"),
                                            QStringLiteral("/: Blüh im Glanze dieses Glückes,"),
                                            QStringLiteral("blühe, deutsches Vaterland! :/")}));
        QCOMPARE(w.KompLabel[0]->text(), QStringLiteral("DAS LIED DER DEUTSCHEN"));
        QCOMPARE(w.KompLabel[3]->objectName(), QStringLiteral("Komplabel4"));
        // Only the first verse is the one tied to the Nazi era.
        QCOMPARE(w.KompLabel[4]->text(), QStringLiteral("den tredje strofen. Den första strofen förknippas för"));
        QCOMPARE(w.KompLabel[5]->text(), QStringLiteral("mycket med nazismen."));
        QVERIFY(!w.Label2->isVisibleTo(&w));
        QVERIFY(!w.TestLabel->isVisibleTo(&w));
        QCOMPARE(w.Image1->size(), w.size());

        // The verse stands under the notes and above the buttons, and is
        // drawn in navy on the page.
        const int lineHeight = QFontMetrics(QFont(QStringLiteral("Arial"), 14, QFont::Bold)).height();
        QVERIFY(w.radPlats(5).y() >= w.KompLabel[5]->y() + w.KompLabel[5]->height());
        QVERIFY(w.radPlats(12).y() + lineHeight <= w.SpelaPanel1->y());
        QCOMPARE(w.radPlats(6).y() - w.radPlats(5).y(), w.HymnRadsteg());
        const QImage page = w.Image1->pixmap().toImage();
        auto navyIn = [&page](const QRect &r) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor c = page.pixelColor(x, y);
                    if (c.blue() > 90 && c.red() < 60 && c.green() < 60)
                        return true;
                }
            return false;
        };
        for (int k = 5; k <= 12; ++k)
            QVERIFY2(navyIn(QRect(w.radPlats(k), QSize(w.width() - 2 * w.radPlats(k).x(), lineHeight))), qPrintable(lines[k - 1]));
        QVERIFY(!navyIn(QRect(w.radPlats(1), QSize(w.width() - 2 * w.radPlats(1).x(), 4 * w.HymnRadsteg() - 2))));
    }

    void playingTheMelodyFollowsTheSoundSetting_data()
    {
        QTest::addColumn<int>("sounds");
        QTest::addColumn<bool>("enabled");
        for (int s = 0; s <= 3; ++s)
            QTest::addRow("setting %d", s) << s << (s == 1 || s == 3);
    }
    void playingTheMelodyFollowsTheSoundSetting()
    {
        QFETCH(int, sounds);
        QFETCH(bool, enabled);
        useBundledCourse();
        LjudInst = quint8(sounds);
        THymn w;
        QVERIFY(w.Button2->isVisibleTo(&w));
        QVERIFY(!w.Button3->isVisibleTo(&w));
        QCOMPARE(w.Button2->isEnabled(), enabled);
    }

    void theMelodyPlaysAndStops_data()
    {
        QTest::addColumn<QString>("closeBy");
        QTest::newRow("Avbryt") << "button";
        QTest::newRow("Escape") << "escape";
        QTest::newRow("closed from outside") << "close";
    }
    void theMelodyPlaysAndStops()
    {
        QFETCH(QString, closeBy);
        TestCourse c;
        c.writeBytes(QStringLiteral("LJUD/VRSKLAND.WAV"), "RIFF");
        c.activate();
        LjudFilPrefix = QStringLiteral("T311"); // left by an exercise before
        FakeSound sound;
        MessageRecorder m;
        THymn w;
        w.show();
        QTest::mouseClick(w.Button2, Qt::LeftButton);
        QCOMPARE(m.count(), 0);
        QCOMPARE(sound.calls().size(), 1);
        QCOMPARE(sound.calls()[0].file, ProgramPath::resolve(c.root(), QStringLiteral("\\LJUD\\VRSKLAND.WAV")));
        QVERIFY(!sound.calls()[0].wait);
        QVERIFY(!w.Button2->isVisible());
        QVERIFY(w.Button3->isVisible());
        QVERIFY(w.HymnSpelas());

        QTest::mouseClick(w.Button3, Qt::LeftButton);
        QCOMPARE(sound.stops(), 1);
        QVERIFY(w.Button2->isVisible());
        QVERIFY(!w.Button3->isVisible());

        QTest::mouseClick(w.Button2, Qt::LeftButton);
        QCOMPARE(sound.calls().size(), 2);
        if (closeBy == QLatin1String("button"))
            QTest::mouseClick(w.Button1, Qt::LeftButton);
        else if (closeBy == QLatin1String("escape"))
            QTest::keyClick(&w, Qt::Key_Escape);
        else
            w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(sound.stops(), 2);
    }

    void closingWithoutPlayingLeavesTheSoundAlone()
    {
        useBundledCourse();
        FakeSound sound;
        THymn w;
        w.show();
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(sound.stops(), 0);
        QCOMPARE(sound.calls().size(), 0);
    }

    void aMissingMelodyIsReportedBySound()
    {
        TestCourse c;
        c.mkdir(QStringLiteral("DATA"));
        c.activate();
        FakeSound sound;
        MessageRecorder m;
        THymn w;
        QTest::mouseClick(w.Button2, Qt::LeftButton);
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Ljudfilen ")
                                        + QDir::cleanPath(c.root() + QStringLiteral("/LJUD/VRSKLAND.WAV"))
                                        + QStringLiteral("  finns inte eller är felaktig.")});
        QCOMPARE(sound.calls().size(), 0);
    }

    void theGermanyMenuOpensEachPage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("form");
        QTest::newRow("Karta") << "TKarta" << "Karta";
        QTest::newRow("Flagga") << "TFlagga" << "Flagga";
        QTest::newRow("Nationalsång") << "THymn" << "Hymn";
    }
    void theGermanyMenuOpensEachPage()
    {
        QFETCH(QString, window);
        QFETCH(QString, form);
        useBundledCourse();
        registreraAllaFonster();
        MessageRecorder m;
        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        QVERIFY(visaFonster(window));
        QCOMPARE(opened, form);
        QCOMPARE(m.count(), 0);
    }

    // ---- The course's pictures and melody --------------------------------

    void theMapsGrowWithTheScreenAndKeepTheirShape()
    {
        QSize before;
        for (const int width : {640, 800, 1024}) {
            const QImage map(ProgramPath::resolve(buildDir(), QStringLiteral("\\BILD\\") + kartBildNamn(width)));
            QVERIFY2(!map.isNull(), qPrintable(kartBildNamn(width)));
            QVERIFY(map.width() > before.width() && map.height() > before.height());
            // Germany is higher than it is wide.
            const double shape = double(map.width()) / map.height();
            QVERIFY2(shape > 0.7 && shape < 0.85, qPrintable(QString::number(shape)));
            // Its lowest third leaves room for the four facts and the button
            // on a screen of that width's usual height.
            QVERIFY(map.height() <= width * 3 / 4 - 240);
            before = map.size();
        }
    }

    void theFlagIsBlackRedAndGold()
    {
        const QImage flag(ProgramPath::resolve(buildDir(), QStringLiteral("\\BILD\\VRSK_FL.BMP")));
        QVERIFY(!flag.isNull());
        // Down the middle of the cloth: black, then red, then gold.
        const int x = flag.width() / 2;
        QList<QColor> bands;
        for (int y = 0; y < flag.height(); ++y) {
            const QColor c = flag.pixelColor(x, y);
            QColor kind;
            if (c.value() < 60)
                kind = Qt::black;
            else if (c.red() > 170 && c.green() < 60 && c.blue() < 60)
                kind = Qt::red;
            else if (c.red() > 200 && c.green() > 150 && c.blue() < 80)
                kind = Qt::yellow;
            else
                continue;
            if (bands.isEmpty() || bands.last() != kind)
                bands << kind;
        }
        QCOMPARE(bands, QList<QColor>({Qt::black, Qt::red, Qt::yellow}));
        // The top band stays free for the page's title.
        for (int y = 0; y < 30; ++y)
            QCOMPARE(flag.pixelColor(flag.width() - 20, y), QColor(Qt::white));
    }

    void theMelodyIsAPlayableSound()
    {
        const QString file = ProgramPath::resolve(buildDir(), QStringLiteral("\\LJUD\\VRSKLAND.WAV"));
        if (file.isEmpty())
            QSKIP("sox was not there to make the melody");
        QString error;
        const qint64 length = Sound::wavLength(file, &error);
        QVERIFY2(length > 0, qPrintable(error));
        QVERIFY(length >= 20000 && length <= 60000);
    }
};

VARMIKO_TEST_MAIN(TestGermanyPages)
#include "test_germanypages.moc"
