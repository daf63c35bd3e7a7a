// What depends on the size of the screen, at one screen size per run
// (--screen WxH): the buttons of an end panel share one bold font in which
// every caption fits, the window's full size where the screen has room; a
// title of three lines keeps its lines apart; the horoscope's zodiac picture
// keeps its size on the window's sky, with "Abbrechen" clear of its edge.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "ScreenSize.h"
#include "TestCourse.h"
#include "TestEnvironment.h"
#include "Typing.h"
#include "drills/grammar/TStegran.h"
#include "drills/vocabulary/TBilden.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/vocabulary/Thoroskop.h"
#include "drills/vocabulary/Zodiakbild.h"
#include "drills/vocabulary/dinaordlistor.h"
#include "drills/writing/TSKRIV.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/KeyboardFocus.h"
#include "platform/ShapeWidget.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QSize gScreen;

// The window with its end panel shown, as Esc in mid-round shows it.
std::unique_ptr<QWidget> openAtItsEndPanel(const QString &klass, const QString &file)
{
    std::unique_ptr<QWidget> fonster;
    if (klass == QLatin1String("TDinaOrd")) {
        Programtal = AllmannaGlosor;
        OvningsLage = 0;
        auto d = std::make_unique<TDinaOrd>();
        d->FormCreate();
        d->show();
        QApplication::setActiveWindow(d.get());
        d->ListBox1->setCurrentRow(0);
        QTest::keyClick(d->ListBox1, Qt::Key_Return);
        typeAndEnter(d->Edit2, QStringLiteral("Wilhelmina"));
        fonster = std::move(d);
    } else if (klass == QLatin1String("TStegran")) {
        std::unique_ptr<TStegran> s;
        openExercise(s, file, 0);
        fonster = std::move(s);
    } else if (klass == QLatin1String("TBilden")) {
        std::unique_ptr<TBilden> b;
        openExercise(b, file, 0);
        fonster = std::move(b);
    } else {
        std::unique_ptr<TSKRIV> t;
        openExercise(t, file, 0);
        fonster = std::move(t);
    }
    if (!fonster)
        return nullptr;
    QWidget *f = fonster->focusWidget() ? fonster->focusWidget() : fonster.get();
    QTest::keyClick(f, Qt::Key_Escape);
    return fonster;
}

} // namespace

class TestScreenSizes : public QObject
{
    Q_OBJECT

    MessageRecorder m_messages;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), gScreen);
        Skaltest();
        activateBundledCourse();
    }

    void theButtonsOfAPanelShareOneFont_data()
    {
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("fullFromWidth"); // the screen width from which the full size is kept
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("typed answers") << QStringLiteral("TSKRIV") << QStringLiteral("VRS41000.DAT") << 1024
                                       << QStringList{QStringLiteral("Fehler berichtigen"), QStringLiteral("Fortsetzen"),
                                                      QStringLiteral("Abbrechen"), QStringLiteral("Einstellungen")};
        QTest::newRow("typed answers, Swedish captions")
            << QStringLiteral("TSKRIV") << QStringLiteral("VRS56730.DAT") << 1024
            << QStringList{QStringLiteral("Rätta felen"), QStringLiteral("Fortsätta"), QStringLiteral("Avbryt"),
                           QStringLiteral("Inställningar")};
        QTest::newRow("body pictures") << QStringLiteral("TBilden") << QStringLiteral("VRS21301.DAT") << 1024
                                       << QStringList{QStringLiteral("Fehler berichtigen"), QStringLiteral("Fortsetzen"),
                                                      QStringLiteral("Abbrechen"), QStringLiteral("Einstellungen")};
        QTest::newRow("level stepping") << QStringLiteral("TStegran") << QStringLiteral("VRS53100.DAT") << 1920
                                        << QStringList{QStringLiteral("Fortsetzen"), QStringLiteral("Niveau speichern"),
                                                       QStringLiteral("Niveau öffnen"), QStringLiteral("Abbrechen")};
        QTest::newRow("word lists") << QStringLiteral("TDinaOrd") << QString() << 1920
                                    << QStringList{QStringLiteral("Fehler berichtigen"), QStringLiteral("Fortsetzen"),
                                                   QStringLiteral("Tabelle"), QStringLiteral("Abbrechen"),
                                                   QStringLiteral("Einstellungen")};
    }
    void theButtonsOfAPanelShareOneFont()
    {
        QFETCH(QString, klass);
        QFETCH(QString, file);
        QFETCH(int, fullFromWidth);
        QFETCH(QStringList, captions);
        const std::unique_ptr<QWidget> w = openAtItsEndPanel(klass, file);
        QVERIFY(w);
        auto *panel = w->findChild<QFrame *>(QStringLiteral("Panel1"), Qt::FindDirectChildrenOnly);
        QVERIFY(panel);
        QTRY_VERIFY(panel->isVisible());

        QList<QPushButton *> buttons;
        for (QPushButton *b : panel->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
            if (b->isVisible())
                buttons.append(b);
        std::sort(buttons.begin(), buttons.end(), [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
        QStringList shown;
        for (QPushButton *b : buttons)
            shown.append(b->text().remove(QLatin1Char('&')));
        QCOMPARE(shown, captions);

        const QFont full = skaladArial(19);
        for (QPushButton *b : buttons) {
            const QString text = b->text().remove(QLatin1Char('&'));
            QCOMPARE(b->font().pixelSize(), buttons.first()->font().pixelSize());
            QCOMPARE(b->font().family(), full.family());
            QVERIFY2(b->font().bold(), qPrintable(text));
            QVERIFY2(b->font().pixelSize() <= full.pixelSize(), qPrintable(text));
            QStyleOptionButton opt;
            opt.initFrom(b);
            const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(text) <= room.width(), qPrintable(text));
            QVERIFY2(b->geometry().right() < panel->width(), qPrintable(text));
        }
        if (gScreen.width() >= fullFromWidth)
            QCOMPARE(buttons.first()->font().pixelSize(), full.pixelSize());
        else
            QVERIFY(buttons.first()->font().pixelSize() * 2 >= full.pixelSize());
    }

    // The zodiac picture keeps its size and lies on the screen, under the
    // heading where the screen is low; the window's night sky fills the
    // room beside it; "Abbrechen" lies on the screen, clear of the picture's
    // edge; the text panel's buttons stay on the screen.
    // The three title lines of a body-picture file stand one under the
    // other inside the title box, each line's letters clear of the next.
    void aTitleOfThreeLinesKeepsItsLinesApart()
    {
        std::unique_ptr<TBilden> b;
        openExercise(b, QStringLiteral("VRS21301.DAT"), 0);
        QVERIFY(b);
        const QRect box = b->OverskriftInnerShape->geometry();
        const QList<QLabel *> lines{b->Overs1Label, b->Overs2Label, b->Overs3Label};
        for (QLabel *l : lines) {
            QVERIFY(l->isVisible());
            QVERIFY2(box.contains(l->geometry()), qPrintable(l->text()));
        }
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QFontMetrics fm(lines[i]->font());
            // The ink of a line ends at its baseline plus its descent; the
            // next line's capitals begin at its baseline minus its cap height;
            // between them a tenth of a line.
            const int unten = lines[i]->y() + (lines[i]->height() + fm.height()) / 2 - fm.leading();
            const QFontMetrics next(lines[i + 1]->font());
            const int oben = lines[i + 1]->y() + (lines[i + 1]->height() - next.height()) / 2 + next.ascent()
                             - next.capHeight();
            QVERIFY2(unten + fm.height() / 10 <= oben, qPrintable(lines[i]->text() + QStringLiteral(" runs into ") + lines[i + 1]->text()));
        }
    }

    void theHoroscopeKeepsItsPictureOnItsSky()
    {
        Thoroskop w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect screen(QPoint(0, 0), gScreen);
        QCOMPARE(w.Image1->size(), QSize(Zodiakbild::Bredd, Zodiakbild::Hojd));
        const QRect picture(w.Image1->mapTo(&w, QPoint(0, 0)), w.Image1->size());
        QVERIFY(screen.contains(picture));
        const QRect button = w.Button4->geometry();
        QVERIFY(screen.contains(button));
        QVERIFY(picture.contains(button) || !picture.intersects(button));
        QVERIFY(!w.Label1->geometry().intersects(w.ListBox3->geometry().translated(w.Bildyta->pos())));

        // The strip right of the picture is the sky of the picture's edge,
        // not a black band.
        const QImage shot = w.grab().toImage();
        const auto blue = [&shot, &picture](int x0, int x1) {
            qint64 sum = 0;
            qint64 n = 0;
            for (int y = picture.top() + 50; y < picture.bottom() - 50; ++y)
                for (int x = x0; x < x1; ++x, ++n)
                    sum += qBlue(shot.pixel(x, y));
            return n ? int(sum / n) : 0;
        };
        const int inside = blue(picture.right() - 14, picture.right() + 1);
        const int outside = blue(picture.right() + 1, std::min(picture.right() + 16, screen.width()));
        QVERIFY2(outside > 10 && qAbs(inside - outside) <= 8,
                 qPrintable(QStringLiteral("%1 / %2").arg(inside).arg(outside)));

        w.ListBox3->setFocus();
        QTest::keyClick(w.ListBox3, Qt::Key_Return);
        QVERIFY(w.Panel1->isVisible());
        for (QWidget *b : {static_cast<QWidget *>(w.Button3), static_cast<QWidget *>(w.BitBtn1),
                           static_cast<QWidget *>(w.Button1), static_cast<QWidget *>(w.Memo1)})
            QVERIFY2(screen.contains(QRect(b->mapTo(&w, QPoint(0, 0)), b->size())), qPrintable(b->objectName()));
    }
};

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    QList<char *> args;
    if (!offscreenScreenFromArguments(argc, argv, gScreen, dir, args))
        return 1;
    int n = int(args.size());
    setTestEnvironment();
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(n, args.data());
    KeyboardFocus::install();
    TestScreenSizes tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, n, args.data());
}

#include "test_screensizes.moc"
