// The about box: its texts, the product panel shown and hidden by clicks,
// its pictures when they exist, and the keys that close it.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/TOmMivo.h"
#include "frame/vrsku1.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QStringList texts(const QWidget &w)
{
    QStringList t;
    for (const QLabel *l : w.findChildren<QLabel *>())
        if (!l->text().isEmpty())
            t << l->text();
    return t;
}

void clickInWindow(QWidget &window, QWidget *over)
{
    // Through the window, so that whatever lies on top at that point gets it.
    const QPoint p = over->mapTo(&window, over->rect().center());
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheTitleAndTheMaker_data()
    {
        QTest::addColumn<bool>("withBild");
        QTest::newRow("empty BILD") << false;
        QTest::newRow("with its pictures") << true;
    }
    void opensWithTheTitleAndTheMaker()
    {
        QFETCH(bool, withBild);
        TestCourse pc;
        TestCourse cd;
        pc.mkdir(QStringLiteral("BILD"));
        if (withBild) {
            QImage bild(40, 30, QImage::Format_RGB32);
            bild.fill(Qt::darkGreen);
            QVERIFY(bild.save(pc.path(QStringLiteral("BILD/Vrska97.BMP")), "BMP"));
            QVERIFY(bild.save(cd.path(QStringLiteral("Mivo2.bmp")), "BMP"));
            cd.mkdir(QStringLiteral("bild"));
            QVERIFY(QFile::rename(cd.path(QStringLiteral("Mivo2.bmp")), cd.path(QStringLiteral("bild/MIVO2.BMP"))));
        }
        pc.activate(cd.root());
        MessageRecorder m;
        TOmMivo w;
        QCOMPARE(m.count(), 0);
        const QStringList t = texts(w);
        for (const char *s : {"Varmiko 1.2", "Författare:", "Programmerare:", "Foto:", "Tyska:", "Ljud:",
                              "Ett program från", "MIVO DATA, Orvinda", "MIVO har producerat följande program:",
                              "Utförlig information om programmen finns på"})
            QVERIFY2(t.contains(QString::fromUtf8(s)), s);
        QCOMPARE(!w.Image1->pixmap().isNull(), withBild);
        // Mivo2 is found on the CD when the installation lacks it.
        QCOMPARE(!w.Image5->pixmap().isNull(), withBild);
        QVERIFY(w.Image4->pixmap().isNull());
        QVERIFY(!w.Image2->pixmap().isNull());
        QVERIFY(!w.Panel1->isVisibleTo(&w));
    }

    void theBundledCourseCarriesTheBoxPictures()
    {
        // The box is more than a bare silver panel: the course has its
        // background and the maker's three pictures, down the left edge.
        PCPath = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        CDPath.clear();
        MessageRecorder m;
        TOmMivo w;
        QCOMPARE(m.count(), 0);
        QVERIFY(!w.Image1->pixmap().isNull());
        QCOMPARE(w.Image1->size(), w.size());
        QLabel *bilder[] = {w.Image4, w.Image5, w.Image6};
        int under = 0;
        for (QLabel *b : bilder) {
            QVERIFY(!b->pixmap().isNull());
            QVERIFY(b->isVisibleTo(&w));
            QVERIFY(b->y() >= under);
            QVERIFY(b->x() + b->width() < w.width() / 4);
            under = b->y() + b->height();
        }
        QVERIFY(under <= w.height());
        // The navy credits stand on a light background.
        const QImage bakgrund = w.Image1->pixmap().toImage();
        const QColor mitt = bakgrund.pixelColor(bakgrund.width() / 2, bakgrund.height() / 4);
        QVERIFY(mitt.lightness() > 200);
    }

    void theLogoShowsAndHidesTheProductPanel()
    {
        TestCourse c;
        c.activate();
        TOmMivo w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.Image2, Qt::LeftButton);
        QVERIFY(w.Panel1->isVisible());
        QTest::mouseClick(w.Image2, Qt::LeftButton);
        QVERIFY(!w.Panel1->isVisible());

        // A click on the background, even where a text lies on it, hides it.
        QTest::mouseClick(w.Image2, Qt::LeftButton);
        QVERIFY(w.Panel1->isVisible());
        clickInWindow(w, w.Label1);
        QVERIFY(!w.Panel1->isVisible());
        QTest::mouseClick(w.Image2, Qt::LeftButton);
        QVERIFY(w.Panel1->isVisible());
        QTest::mouseClick(w.Image1, Qt::LeftButton, Qt::NoModifier, QPoint(5, w.Image1->height() - 5));
        QVERIFY(!w.Panel1->isVisible());
        // A click on the background while the panel is hidden leaves it hidden.
        QTest::mouseClick(w.Image1, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!w.Panel1->isVisible());
        QVERIFY(w.isVisible());
    }

    void escapeAndAvbrytClose()
    {
        TestCourse c;
        c.activate();
        QStringList how;
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            how << modal->objectName();
            QTest::keyClick(modal->findChild<QPushButton *>(QStringLiteral("Button1")), Qt::Key_Escape);
        });
        TOmMivo_Visa();
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<TOmMivo *>(QApplication::activeModalWidget());
            QVERIFY(w);
            QTest::mouseClick(w->Image2, Qt::LeftButton);
            QTest::keyClick(w->Panel1, Qt::Key_Escape);
            how << QStringLiteral("panel");
        });
        TOmMivo_Visa();
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<TOmMivo *>(QApplication::activeModalWidget());
            QVERIFY(w);
            QTest::mouseClick(w->Button1, Qt::LeftButton);
            how << w->Button1->text();
        });
        TOmMivo_Visa();
        QCOMPARE(how, QStringList({"OmMivo", "panel", "&Avbryt"}));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

VARMIKO_TEST_MAIN(TestAbout)
#include "test_about.moc"
