// Pictures of Germany: the run's picture order, the captions and loading the
// picture files.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/pictures.h"
#include "frame/vrsku1.h"

#include <QDir>
#include <QImage>
#include <QSet>

class TestPictures : public QObject
{
    Q_OBJECT

    // The order in which 1..42 stand in the run's permutation.
    static QList<qint32> erwarteteFolge()
    {
        QList<qint32> folge;
        for (int i = 1; i <= MaxSlumptal; ++i)
            if (SlumpTabell[i] >= 1 && SlumpTabell[i] <= 42)
                folge << SlumpTabell[i];
        return folge;
    }

    static void bild(TestCourse &c, const QString &relative, const QSize &groesse, QColor farbe)
    {
        QImage img(groesse, QImage::Format_RGB32);
        img.fill(farbe);
        QDir().mkpath(QFileInfo(c.path(relative)).absolutePath());
        QVERIFY(img.save(c.path(relative), "BMP"));
    }

private slots:
    void cleanup()
    {
        MusOverBild = 0;
    }

    void drawsFollowThePictureOrder_data()
    {
        QTest::addColumn<QByteArray>("saat");
        QTest::newRow("seed 5") << QByteArray("5");
        QTest::newRow("seed 1234") << QByteArray("1234");
    }
    void drawsFollowThePictureOrder()
    {
        QFETCH(QByteArray, saat);
        qputenv("VARMIKO_SEED", saat);
        TestCourse c;
        c.mkdir(QStringLiteral("DATA"));
        c.activate();
        qunsetenv("VARMIKO_SEED");
        BildListaNy = 1; // as the main window's creation leaves it
        const QList<qint32> folge = erwarteteFolge();
        QCOMPARE(folge.size(), 42);

        QList<qint32> gezogen;
        for (int i = 0; i < 43; ++i) {
            BildNummer = haemta_Bildslumptal(BildIndex);
            gezogen << BildNummer;
            QString text;
            GeBildText(BildNummer, text);
            QCOMPARE(BildText, text);
        }
        // The six start pictures, then the first reward picture of the run.
        QCOMPARE(gezogen.mid(0, 6), folge.mid(0, 6));
        QCOMPARE(gezogen[6], folge[6]);
        QCOMPARE(gezogen.mid(0, 42), folge);
        QCOMPARE(QSet<qint32>(gezogen.begin(), gezogen.end()).size(), 42);
        QCOMPARE(gezogen[42], folge[0]); // after 42 the order begins again
        QCOMPARE(BildIndex, 2);
    }

    void captions_data()
    {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<bool>("start");
        QTest::addColumn<QString>("text");
        QTest::newRow("1") << 1 << false << "Porta Nigra, Trier.";
        QTest::newRow("5 under the mouse") << 5 << true << "Kölner Dom.";
        QTest::newRow("14") << 14 << false << "Kaub am Rhein (Pfalzgrafenstein).";
        QTest::newRow("14 under the mouse") << 14 << true << "Rheinschiff.";
        QTest::newRow("22") << 22 << false << "Mohnblüte.";
        QTest::newRow("22 under the mouse") << 22 << true << "Schloss Neuschwanstein";
        QTest::newRow("27") << 27 << false << "Rockkonzert im Olympiastadion in München.";
        QTest::newRow("30") << 30 << false << "\"Zwetschgenmännla\" aus Nürnberg.";
        QTest::newRow("36 under the mouse") << 36 << true << "Löwe in Stein";
        QTest::newRow("38") << 38 << false << "Schloss Nymphenburg in München.";
        QTest::newRow("39") << 39 << false << "Schloss Nymphenburg in München.";
        QTest::newRow("42") << 42 << false << "Eifel-Maar.";
        QTest::newRow("43") << 43 << false << ".";
        QTest::newRow("44 under the mouse") << 44 << true << ".";
        QTest::newRow("0") << 0 << false << "";
        QTest::newRow("45") << 45 << true << "";
    }
    void captions()
    {
        QFETCH(int, nummer);
        QFETCH(bool, start);
        QFETCH(QString, text);
        MusOverBild = start ? 1 : 0;
        QString ut = QStringLiteral("stale");
        GeBildText(nummer, ut);
        QCOMPARE(ut, text);
        QCOMPARE(BildText, text);
    }

    void everyPictureHasItsOwnCaption()
    {
        QSet<QString> texte;
        QString t;
        for (int n = 1; n <= 42; ++n) {
            GeBildText(n, t);
            QVERIFY2(t.size() > 3, qPrintable(QString::number(n)));
            texte.insert(t);
        }
        QCOMPARE(texte.size(), 41); // 38 and 39 show the same palace
    }

    void fileNames()
    {
        QCOMPARE(bildFilNamn(QStringLiteral("VRS"), 7), QStringLiteral("\\BILD\\VRS007.BMP"));
        QCOMPARE(bildFilNamn(QStringLiteral("VRSM"), 42), QStringLiteral("\\BILD\\VRSM042.BMP"));
        QCOMPARE(startBildPrefix(640), QStringLiteral("VRSL"));
        QCOMPARE(startBildPrefix(700), QStringLiteral("VRSL"));
        QCOMPARE(startBildPrefix(701), QStringLiteral("VRSM"));
        QCOMPARE(startBildPrefix(899), QStringLiteral("VRSM"));
        QCOMPARE(startBildPrefix(900), QStringLiteral("VRSS"));
        QCOMPARE(startBildPrefix(1024), QStringLiteral("VRSS"));
    }

    void picturesAreFoundUnderBothRoots()
    {
        TestCourse pc;
        TestCourse cd;
        bild(pc, QStringLiteral("bild/vrs001.bmp"), QSize(32, 24), Qt::red);
        bild(cd, QStringLiteral("BILD/VRS001.BMP"), QSize(32, 24), Qt::blue);
        bild(cd, QStringLiteral("BILD/vrs002.bmp"), QSize(40, 20), Qt::green);
        pc.writeBytes(QStringLiteral("bild/VRS003.BMP"), "not a picture");
        pc.activate(cd.root());

        QPixmap p = laddaBild(QStringLiteral("\\BILD\\VRS001.BMP"));
        QCOMPARE(p.size(), QSize(32, 24));
        QCOMPARE(p.toImage().pixelColor(5, 5), QColor(Qt::red)); // the installation directory comes first

        p = laddaBild(QStringLiteral("\\BILD\\VRS002.BMP"), QSize(20, 20));
        QCOMPARE(p.size(), QSize(20, 10)); // scaled to fit, shape kept
        QCOMPARE(p.toImage().pixelColor(5, 5), QColor(Qt::green));

        QVERIFY(laddaBild(QStringLiteral("\\BILD\\VRS003.BMP")).isNull());
        QVERIFY(laddaBild(QStringLiteral("\\BILD\\VRS004.BMP")).isNull());
        QVERIFY(hittaBildFil(QStringLiteral("\\BILD\\VRS004.BMP")).isEmpty());

        // A picture replaced on disk is read again.
        bild(pc, QStringLiteral("bild/vrs001.bmp"), QSize(16, 16), Qt::yellow);
        QCOMPARE(laddaBild(QStringLiteral("\\BILD\\VRS001.BMP")).size(), QSize(16, 16));
    }

    // A 24-bit BMP as the course stores its pictures, written byte by byte:
    // rows padded to four bytes, bottom row first unless uppifran.
    static QByteArray bmp24(const QImage &img, bool uppifran)
    {
        const int w = img.width();
        const int h = img.height();
        const int steg = (w * 3 + 3) / 4 * 4;
        QByteArray b;
        auto u16 = [&b](quint32 v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
        auto u32 = [&u16](quint32 v) { u16(v & 0xFFFF); u16(v >> 16); };
        b.append("BM");
        u32(54 + steg * h);
        u32(0);
        u32(54);
        u32(40);
        u32(quint32(w));
        u32(quint32(uppifran ? -h : h));
        u16(1);
        u16(24);
        for (int i = 0; i < 6; ++i)
            u32(0);
        for (int r = 0; r < h; ++r) {
            const int y = uppifran ? r : h - 1 - r;
            for (int x = 0; x < w; ++x) {
                const QRgb c = img.pixel(x, y);
                b.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            }
            b.append(QByteArray(steg - w * 3, '\0'));
        }
        return b;
    }

    void picturesReadAsQtReadsThem_data()
    {
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<bool>("uppifran");
        QTest::newRow("odd width, bottom row first") << QSize(5, 3) << false;
        QTest::newRow("odd width, top row first") << QSize(7, 4) << true;
        QTest::newRow("width of whole words") << QSize(8, 2) << false;
    }
    void picturesReadAsQtReadsThem()
    {
        QFETCH(QSize, groesse);
        QFETCH(bool, uppifran);
        QImage muster(groesse, QImage::Format_RGB32);
        for (int y = 0; y < groesse.height(); ++y)
            for (int x = 0; x < groesse.width(); ++x)
                muster.setPixel(x, y, qRgb(40 * x + 3, 60 * y + 7, (x * y * 17) & 0xFF));
        TestCourse c;
        c.writeBytes(QStringLiteral("BILD/VRS001.BMP"), bmp24(muster, uppifran));
        QImage indexerad = muster.convertToFormat(QImage::Format_Indexed8);
        QDir().mkpath(c.path(QStringLiteral("BILD")));
        QVERIFY(indexerad.save(c.path(QStringLiteral("BILD/VRS002.BMP")), "BMP"));
        c.activate();

        QCOMPARE(bildStorlek(QStringLiteral("\\BILD\\VRS001.BMP")), groesse);
        QCOMPARE(laddaBild(QStringLiteral("\\BILD\\VRS001.BMP")).toImage().convertToFormat(QImage::Format_RGB32), muster);
        const QImage avQt = QImage(c.path(QStringLiteral("BILD/VRS001.BMP"))).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(avQt, muster);
        const QSize halv(groesse.width() * 2, groesse.height() * 2);
        QCOMPARE(laddaBild(QStringLiteral("\\BILD\\VRS001.BMP"), halv).toImage().convertToFormat(QImage::Format_RGB32),
                 avQt.scaled(halv, Qt::KeepAspectRatio, Qt::SmoothTransformation));

        // Other kinds of BMP are read by Qt.
        QCOMPARE(bildStorlek(QStringLiteral("\\BILD\\VRS002.BMP")), groesse);
        QCOMPARE(laddaBild(QStringLiteral("\\BILD\\VRS002.BMP")).toImage().convertToFormat(QImage::Format_RGB32),
                 indexerad.convertToFormat(QImage::Format_RGB32));
    }

    void courseHasAllItsPictures()
    {
        const QString programm = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        if (programm.isEmpty())
            QSKIP("run through CTest to check the built course");
        PCPath = programm;
        CDPath.clear();
        const struct
        {
            const char *prefix;
            QSize groesse;
        } saetze[] = {{"VRS", {320, 240}}, {"VRSL", {170, 130}}, {"VRSM", {230, 170}}, {"VRSS", {340, 250}}};
        for (const auto &s : saetze)
            for (int n = 1; n <= 42; ++n) {
                const QString name = bildFilNamn(QString::fromLatin1(s.prefix), n);
                QVERIFY2(laddaBild(name).size() == s.groesse, qPrintable(name));
            }
    }
};

VARMIKO_TEST_MAIN(TestPictures)
#include "test_pictures.moc"
