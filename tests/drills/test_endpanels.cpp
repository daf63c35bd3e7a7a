// The end panels of the exercise windows at one screen size per run
// (--screen WxH): the buttons of a panel share one bold font in which every
// caption fits, and where the screen has room it is the window's full size.

#include "ExerciseWindow.h"
#include "MessageRecorder.h"
#include "ScreenSize.h"
#include "TestCourse.h"
#include "TestEnvironment.h"
#include "Typing.h"
#include "drills/grammar/TStegran.h"
#include "drills/vocabulary/TBilden.h"
#include "drills/vocabulary/TDinaOrd.h"
#include "drills/vocabulary/dinaordlistor.h"
#include "drills/writing/TSKRIV.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/KeyboardFocus.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
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

class TestEndPanels : public QObject
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
    TestEndPanels tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, n, args.data());
}

#include "test_endpanels.moc"
