// The main window: the menu buttons and the run mode, the worksheet toggle,
// the start pictures and their captions, and the end of the program.

#include "TestCourse.h"
#include "TestMain.h"
#include "app/allafonster.h"
#include "frame/TForm1.h"
#include "frame/huvudmeny.h"
#include "frame/pictures.h"
#include "frame/startbilder.h"
#include "frame/vrsku1.h"
#include "results/TUtskrift.h"

#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace {

QPushButton *button(TForm1 &f, int i)
{
    return f.findChild<QPushButton *>(QStringLiteral("Button%1").arg(i));
}

QLabel *label(TForm1 &f, const QString &name)
{
    return f.findChild<QLabel *>(name);
}

QLabel *bildImage(TForm1 &f, int slot)
{
    static const char *const names[] = {"", "BildImage11", "BildImage12", "BildImage13",
                                        "BildImage21", "BildImage22", "BildImage23"};
    return label(f, QLatin1String(names[slot]));
}

QRect panel1(TForm1 &f)
{
    return f.findChild<QFrame *>(QStringLiteral("Panel1"))->geometry();
}

// A picture's colour tells its number and its prefix apart.
QColor pictureColour(int number, int prefix)
{
    return QColor(number * 5, prefix * 100, 77);
}

const QStringList prefixes{QStringLiteral("VRSL"), QStringLiteral("VRSM"), QStringLiteral("VRSS")};

void writePicture(const QString &path, int number, int prefix, QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(pictureColour(number, prefix));
    QVERIFY(img.save(path, "BMP"));
}

// All 42 start pictures of every prefix, landscape and portrait by turns.
void writeAllPictures(TestCourse &c, const QSet<QString> &skip = {})
{
    c.mkdir(QStringLiteral("BILD"));
    for (int p = 0; p < prefixes.size(); ++p)
        for (int n = 1; n <= 42; ++n) {
            const QString name = prefixes[p] + QStringLiteral("%1.BMP").arg(n, 3, 10, QLatin1Char('0'));
            if (!skip.contains(name))
                writePicture(c.path(QStringLiteral("BILD/") + name), n, p, n % 2 ? QSize(40, 30) : QSize(24, 36));
        }
}

// The first pictures of the run's random order: the numbers 1..42 in the
// order they stand in SlumpTabell.
QList<int> pictureOrder(int count)
{
    QList<int> order;
    for (int i = 1; i <= MaxSlumptal && order.size() < count; ++i)
        if (SlumpTabell[i] <= 42)
            order << SlumpTabell[i];
    return order;
}

// A course with a fixed random order and the main window on it, its start
// pictures drawn afresh for a screen of the given size.
struct Fixture
{
    TestCourse course;
    std::unique_ptr<TForm1> form;

    void open(QSize screen, const QString &cdRoot = QString())
    {
        course.activate(cdRoot);
        BildInst = 1;
        form = std::make_unique<TForm1>();
        form->show();
        BildListaNy = 1;
        BildIndex = 1;
        form->placeraKomponenter(screen);
    }
};

void moveMouseOver(QWidget *w)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(w->width() / 2, w->height() / 2),
                     w->mapToGlobal(QPointF(w->width() / 2, w->height() / 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "4711");
        mainMenuHooks() = MainMenuHooks{};
        OvningsLage = 0;
    }

    void opensBorderlessWithTheMenu()
    {
        TestCourse c;
        c.activate();
        TForm1 form;
        form.show();
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QStringList captions{QStringLiteral("Tyskland"),        QStringLiteral("Dina ord"),
                                   QStringLiteral("Tala"),            QStringLiteral("Skriva"),
                                   QStringLiteral("Grammatik"),       QStringLiteral("Läsa"),
                                   QStringLiteral("Diagnos"),         QStringLiteral("Göra  arbetsblad"),
                                   QStringLiteral("Manual"),          QStringLiteral("Om Varmiko"),
                                   QStringLiteral("Avsluta")};
        const QRect menu = panel1(form);
        for (int i = 1; i <= 11; ++i) {
            QCOMPARE(button(form, i)->text(), captions[i - 1]);
            QVERIFY(QRect(QPoint(), menu.size()).contains(button(form, i)->geometry()));
            if (i > 1)
                QVERIFY(button(form, i)->y() >= button(form, i - 1)->geometry().bottom());
        }
        QCOMPARE(form.focusWidget(), button(form, 10));

        // Centred across the screen, below the maker's line, the badge's
        // place between the menu and the bottom of the screen.
        const QSize screen = form.skarmStorlek();
        QCOMPARE(screen, QGuiApplication::primaryScreen()->geometry().size());
        QVERIFY(qAbs(menu.left() - (screen.width() - 1 - menu.right())) <= 1);
        QVERIFY(menu.top() >= label(form, QStringLiteral("Panel9"))->geometry().bottom());
        const QRect badge = form.findChild<QFrame *>(QStringLiteral("Shape1"))->geometry();
        QVERIFY(badge.top() > menu.bottom());
        QVERIFY(badge.bottom() < screen.height());
        QVERIFY(label(form, QStringLiteral("Label1"))->geometry().bottom() < button(form, 1)->y());
    }

    void menuButtonsSetTheRunMode_data()
    {
        QTest::addColumn<int>("knapp");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("opens");
        const char *const menus[] = {"", "TF1_Visa", "TF2_Visa", "TF3_Visa", "TF4_Visa", "TF5_Visa", "TF6_Visa"};
        for (int b = 1; b <= 6; ++b) {
            QTest::addRow("Button%d from diagnosis", b) << b << 2 << 0 << QString::fromLatin1(menus[b]);
            QTest::addRow("Button%d from practice round", b) << b << 5 << 0 << QString::fromLatin1(menus[b]);
            QTest::addRow("Button%d in worksheet mode", b) << b << 1 << 1 << QString::fromLatin1(menus[b]);
        }
        QTest::newRow("Diagnos") << 7 << 0 << 2 << QStringLiteral("TDiag_Visa");
        QTest::newRow("Manual") << 9 << 3 << 3 << QStringLiteral("TManual_Visa");
        QTest::newRow("Om Varmiko") << 10 << 2 << 2 << QStringLiteral("TOmMivo_Visa");
    }
    void menuButtonsSetTheRunMode()
    {
        QFETCH(int, knapp);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, opens);
        TestCourse c;
        c.activate();
        TForm1 form;
        form.show();

        QStringList opened;
        int modeSeen = -1;
        auto hook = [&](const QString &name) {
            return [&, name] {
                opened << name;
                modeSeen = OvningsLage;
            };
        };
        MainMenuHooks &h = mainMenuHooks();
        h.TF1_Visa = hook(QStringLiteral("TF1_Visa"));
        h.TF2_Visa = hook(QStringLiteral("TF2_Visa"));
        h.TF3_Visa = hook(QStringLiteral("TF3_Visa"));
        h.TF4_Visa = hook(QStringLiteral("TF4_Visa"));
        h.TF5_Visa = hook(QStringLiteral("TF5_Visa"));
        h.TF6_Visa = hook(QStringLiteral("TF6_Visa"));
        h.TDiag_Visa = hook(QStringLiteral("TDiag_Visa"));
        h.TManual_Visa = hook(QStringLiteral("TManual_Visa"));
        h.TOmMivo_Visa = hook(QStringLiteral("TOmMivo_Visa"));

        OvningsLage = quint8(before);
        DiagAvbruten = 1;
        QTest::mouseClick(button(form, knapp), Qt::LeftButton);
        QCOMPARE(opened, QStringList{opens});
        QCOMPARE(modeSeen, after);
        QCOMPARE(int(OvningsLage), after);
        QCOMPARE(int(DiagAvbruten), knapp == 7 ? 0 : 1);
    }

    void buttonsWithoutAWindowOpenNothing()
    {
        TestCourse c;
        c.activate();
        TForm1 form;
        form.show();
        for (int i : {1, 2, 3, 4, 5, 6, 7, 9, 10})
            QTest::mouseClick(button(form, i), Qt::LeftButton);
        QVERIFY(form.isVisible());
    }

    void worksheetToggle()
    {
        TestCourse c;
        c.activate();
        // The main window empties the printing window through the hook the
        // start fills.
        registreraAllaFonster();
        TUtskrift *const before = Utskrift;
        TUtskrift sheet;
        Utskrift = &sheet;
        TForm1 form;
        form.show();
        QLabel *badgeText = label(form, QStringLiteral("Label2"));
        QFrame *badge = form.findChild<QFrame *>(QStringLiteral("Shape1"));
        QFrame *menu = form.findChild<QFrame *>(QStringLiteral("Panel1"));
        const QColor navy = menu->palette().color(QPalette::Window);
        QCOMPARE(navy, QColor(0, 0, 128));

        auto collectSomething = [&] {
            sheet.ListBox1->addItem(QStringLiteral("1. Haus ________"));
            sheet.ListBox2->addItem(QStringLiteral("1. Haus hus"));
            SkrivRubrik = 0;
            SidNummer = 3;
            UtskriftAvsnitt = 2;
            UtskriftPostNr = 7;
        };
        auto checkFreshSheet = [&] {
            QCOMPARE(sheet.ListBox1->count(), 0);
            QCOMPARE(sheet.ListBox2->count(), 0);
            QCOMPARE(int(SkrivRubrik), 1);
            QCOMPARE(SidNummer, 1);
            QCOMPARE(UtskriftAvsnitt, 0);
            QCOMPARE(UtskriftPostNr, 0);
        };

        collectSomething();
        QTest::mouseClick(button(form, 8), Qt::LeftButton);
        QCOMPARE(int(OvningsLage), 1);
        QCOMPARE(button(form, 8)->text(), QStringLiteral("Avaktivera arbetsblad"));
        QVERIFY(badge->isVisible());
        QVERIFY(badgeText->isVisible());
        QCOMPARE(badgeText->text(), QStringLiteral("Arbetsblad aktiverat"));
        QVERIFY(badge->geometry().contains(badgeText->geometry().center()));
        QCOMPARE(menu->palette().color(QPalette::Window), QColor(128, 0, 0));
        for (int i = 1; i <= 11; ++i)
            QVERIFY2(button(form, i)->isEnabled() == !QList<int>({1, 3, 6, 7}).contains(i),
                     qPrintable(button(form, i)->text()));
        checkFreshSheet();

        collectSomething();
        QTest::mouseClick(button(form, 8), Qt::LeftButton);
        QCOMPARE(int(OvningsLage), 0);
        QCOMPARE(button(form, 8)->text(), QStringLiteral("Göra arbetsblad"));
        QVERIFY(!badge->isVisible());
        QVERIFY(!badgeText->isVisible());
        QCOMPARE(menu->palette().color(QPalette::Window), navy);
        for (int i = 1; i <= 11; ++i)
            QVERIFY(button(form, i)->isEnabled());
        checkFreshSheet();

        // Any other mode counts as "off": the toggle turns worksheets on.
        OvningsLage = 2;
        QTest::mouseClick(button(form, 8), Qt::LeftButton);
        QCOMPARE(int(OvningsLage), 1);
        Utskrift = before;
    }

    void startPicturesFollowThePictureOrder_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("prefix");
        QTest::newRow("639") << QSize(639, 480) << 0;
        QTest::newRow("700") << QSize(700, 525) << 0;
        QTest::newRow("701") << QSize(701, 525) << 1;
        QTest::newRow("800") << QSize(800, 600) << 1;
        QTest::newRow("899") << QSize(899, 674) << 1;
        QTest::newRow("900") << QSize(900, 675) << 2;
        QTest::newRow("1024") << QSize(1024, 768) << 2;
        QTest::newRow("1920") << QSize(1920, 1080) << 2;
    }
    void startPicturesFollowThePictureOrder()
    {
        QFETCH(QSize, screen);
        QFETCH(int, prefix);
        Fixture fx;
        writeAllPictures(fx.course);
        fx.open(screen);
        TForm1 &form = *fx.form;

        const QList<int> order = pictureOrder(6);
        const QRect menu = panel1(form);
        const QRect screenRect(QPoint(), screen);
        for (int s = 1; s <= 6; ++s) {
            QCOMPARE(StartBildNummer[s], order[s - 1]);
            QLabel *img = bildImage(form, s);
            QVERIFY(img->isVisible());
            const QImage shown = img->pixmap().toImage();
            QCOMPARE(shown.pixelColor(shown.rect().center()), pictureColour(order[s - 1], prefix));

            // As large as the slot allows, proportions kept, against the menu
            // and never over it.
            const QRect g = img->geometry();
            const QSize file = order[s - 1] % 2 ? QSize(40, 30) : QSize(24, 36);
            QVERIFY2(qAbs(g.width() * file.height() - g.height() * file.width()) <= file.width() + file.height(),
                     qPrintable(QStringLiteral("%1x%2").arg(g.width()).arg(g.height())));
            QVERIFY(g.width() > file.width());
            QVERIFY(screenRect.contains(g));
            QVERIFY(!g.intersects(menu));
            if (s <= 3)
                QCOMPARE(g.right() + 1, menu.left());
            else
                QCOMPARE(g.left(), menu.right() + 1);
            const int slotHeight = (screen.height() - label(form, QStringLiteral("Panel9"))->height()) / 3;
            QVERIFY(g.top() >= label(form, QStringLiteral("Panel9"))->height() + ((s - 1) % 3) * slotHeight);
            QVERIFY(g.bottom() < label(form, QStringLiteral("Panel9"))->height() + ((s - 1) % 3 + 1) * slotHeight);
        }
        QVERIFY(!label(form, QStringLiteral("Image1"))->isVisible());
        // The first reward picture of the run is the seventh of the order.
        QCOMPARE(BildIndex, 7);
    }

    // At creation the start pictures are read meanwhile; once the window is
    // shown they stand in their slots, the first six of the picture order.
    void picturesReadAtCreationShowWithTheWindow()
    {
        TestCourse course;
        writeAllPictures(course);
        course.activate();
        BildInst = 1;
        BildIndex = 1;
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QList<int> order = pictureOrder(6);
        const int prefix = int(prefixes.indexOf(startBildPrefix(form.skarmStorlek().width())));
        const QRect menu = panel1(form);
        for (int s = 1; s <= 6; ++s) {
            QLabel *img = bildImage(form, s);
            QTRY_VERIFY(img->isVisible());
            QCOMPARE(StartBildNummer[s], order[s - 1]);
            const QImage shown = img->pixmap().toImage();
            QCOMPARE(shown.size(), img->size());
            QCOMPARE(shown.pixelColor(shown.rect().center()), pictureColour(order[s - 1], prefix));
            QVERIFY(!img->geometry().intersects(menu));
        }
        QCOMPARE(BildIndex, 7);
    }

    void picturesOffShowTheBackground()
    {
        Fixture fx;
        writeAllPictures(fx.course);
        fx.course.activate();
        BildInst = 0;
        TForm1 form;
        form.show();
        QVERIFY(label(form, QStringLiteral("Image1"))->isVisible());
        for (int s = 1; s <= 6; ++s)
            QVERIFY(!bildImage(form, s)->isVisible());
        BildInst = 1;
    }

    void missingPictureLeavesOnlyItsSlotEmpty_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("onCd");
        QTest::newRow("left, nowhere") << 2 << false;
        QTest::newRow("right, nowhere") << 6 << false;
        QTest::newRow("left, on the CD only") << 1 << true;
    }
    void missingPictureLeavesOnlyItsSlotEmpty()
    {
        QFETCH(int, slot);
        QFETCH(bool, onCd);
        Fixture fx;
        // The same order as the window will draw.
        fx.course.activate();
        const QString missing = QStringLiteral("VRSM%1.BMP").arg(pictureOrder(6)[slot - 1], 3, 10, QLatin1Char('0'));
        writeAllPictures(fx.course, {missing});
        TestCourse cd;
        if (onCd) {
            cd.mkdir(QStringLiteral("bild"));
            writePicture(cd.path(QStringLiteral("bild/") + missing.toLower()), 1, 1, QSize(40, 30));
        }
        fx.open(QSize(800, 600), onCd ? cd.root() : QString());
        for (int s = 1; s <= 6; ++s)
            QCOMPARE(bildImage(*fx.form, s)->isVisible(), s != slot || onCd);
    }

    void captionUnderThePicture_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("picture");
        QTest::addColumn<bool>("twoLines");
        QTest::newRow("short, top left") << QSize(800, 600) << 1 << 4 << false;
        QTest::newRow("short, bottom right") << QSize(800, 600) << 6 << 4 << false;
        QTest::newRow("long, top right") << QSize(800, 600) << 4 << 7 << true;
        QTest::newRow("long, middle left") << QSize(800, 600) << 2 << 27 << true;
        QTest::newRow("long, bottom right") << QSize(800, 600) << 6 << 7 << true;
    }
    void captionUnderThePicture()
    {
        QFETCH(QSize, screen);
        QFETCH(int, slot);
        QFETCH(int, picture);
        QFETCH(bool, twoLines);
        Fixture fx;
        writeAllPictures(fx.course);
        fx.open(screen);
        TForm1 &form = *fx.form;
        QLabel *line1 = label(form, QStringLiteral("Label3"));
        QLabel *line2 = label(form, QStringLiteral("Label4"));
        QVERIFY(!line1->isVisible());
        QVERIFY(!line2->isVisible());

        StartBildNummer[slot] = picture;
        QLabel *img = bildImage(form, slot);
        moveMouseOver(img);
        QVERIFY(line1->isVisible());
        QCOMPARE(line1->y(), img->geometry().bottom() + 1);
        const QString caption = BildText;
        QVERIFY(!caption.isEmpty());
        if (!twoLines) {
            QCOMPARE(line1->text(), caption);
            QVERIFY(!line2->isVisible());
            QVERIFY(line2->text().isEmpty());
        } else {
            QVERIFY(line2->isVisible());
            QVERIFY(!line1->text().isEmpty());
            QVERIFY(!line2->text().isEmpty());
            QCOMPARE(QString(line1->text() + line2->text()).remove(' '), QString(caption).remove(' '));
            QCOMPARE(line2->x(), line1->x());
            QCOMPARE(line2->y(), line1->y() + line1->height());
        }

        // Both lines beside the menu and on the screen.
        const QRect menu = panel1(form);
        const QRect side = slot <= 3 ? QRect(0, 0, menu.left(), screen.height())
                                     : QRect(menu.right() + 1, 0, screen.width() - menu.right() - 1, screen.height());
        QVERIFY(side.contains(line1->geometry()));
        if (twoLines)
            QVERIFY(side.contains(line2->geometry()));
        const QFontMetrics fm(line1->font());
        QVERIFY(fm.horizontalAdvance(line1->text()) <= line1->width());
        QVERIFY(fm.horizontalAdvance(line2->text()) <= qMax(line2->width(), 0));
    }

    void captionSizeDependsOnlyOnTheCaption()
    {
        Fixture fx;
        writeAllPictures(fx.course);
        fx.open(QSize(640, 480));
        TForm1 &form = *fx.form;
        QLabel *line1 = label(form, QStringLiteral("Label3"));
        QLabel *topRight = bildImage(form, 4);

        StartBildNummer[4] = 4;
        moveMouseOver(topRight);
        const int designSize = line1->font().pixelSize();

        StartBildNummer[4] = 7;
        moveMouseOver(topRight);
        const int longSize = line1->font().pixelSize();
        QVERIFY(longSize <= designSize);
        for (int i = 0; i < 5; ++i)
            moveMouseOver(topRight);
        QCOMPARE(line1->font().pixelSize(), longSize);

        StartBildNummer[4] = 4;
        moveMouseOver(topRight);
        QCOMPARE(line1->font().pixelSize(), designSize);
    }

    void endsTheProgram_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("Avsluta") << false;
    }
    void endsTheProgram()
    {
        QFETCH(bool, escape);
        TestCourse c;
        c.activate();
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTimer::singleShot(0, &form, [&] {
            if (escape)
                QTest::keyClick(form.focusWidget() ? form.focusWidget() : &form, Qt::Key_Escape);
            else
                QTest::mouseClick(button(form, 11), Qt::LeftButton);
        });
        // Only a guard against a hang: the event loop must end by itself.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { qApp->exit(99); });
        guard.start(30000);
        QCOMPARE(qApp->exec(), 0);
        QVERIFY(!form.isVisible());
    }
};

VARMIKO_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
