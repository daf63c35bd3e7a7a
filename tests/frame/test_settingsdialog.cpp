// The settings dialog from the keyboard: it opens on its value, Up and Down
// change the value wherever the focus stands, a focused arrow shows its
// focus and takes Enter as a click.

#include "TestMain.h"
#include "frame/TStallin.h"
#include "frame/vrsku1.h"
#include "platform/ButtonCacheStyle.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>

class TestSettingsDialog : public QObject
{
    Q_OBJECT

    // Runs steg in the dialog's own modal loop, then closes it if needed.
    static void iDialogen(std::function<void(TStallin *)> steg)
    {
        QTimer::singleShot(0, [steg] {
            auto *d = qobject_cast<TStallin *>(QApplication::activeModalWidget());
            QVERIFY(d);
            steg(d);
            if (d->isVisible())
                d->reject();
        });
    }

    static void tangent(Qt::Key key)
    {
        QWidget *f = QApplication::focusWidget();
        QVERIFY(f);
        QTest::keyClick(f, key);
    }

private slots:
    void initTestCase()
    {
        // The program's own style, which draws the focus of its buttons.
        QApplication::setStyle(new ButtonCacheStyle);
    }

    void theKeyboardSetsTheValue()
    {
        PausTid = 4;
        bool sett = false;
        iDialogen([&](TStallin *d) {
            sett = true;
            // It opens on the value, which Up and Down change.
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d->TidLabel));
            tangent(Qt::Key_Up);
            QCOMPARE(PausTid, 5);
            QCOMPARE(d->TidLabel->text(), QStringLiteral("5"));
            tangent(Qt::Key_Down);
            tangent(Qt::Key_Down);
            QCOMPARE(PausTid, 3);
            // On the arrows Up and Down still change the value, and Enter
            // presses the arrow that has the focus.
            tangent(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d->SpinUpp));
            tangent(Qt::Key_Up);
            QCOMPARE(PausTid, 4);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d->SpinUpp));
            tangent(Qt::Key_Return);
            QCOMPARE(PausTid, 5);
            tangent(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d->SpinNed));
            tangent(Qt::Key_Enter);
            QCOMPARE(PausTid, 4);
            // On a push button Up and Down change the value too, and Enter
            // presses it.
            tangent(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(d->SparaButton));
            tangent(Qt::Key_Down);
            QCOMPARE(PausTid, 3);
            tangent(Qt::Key_Return);
            QVERIFY(!d->isVisible());
        });
        TStallin_Visa();
        QVERIFY(sett);
        QCOMPARE(PausTid, 3);
    }

    void theFocusShows_data()
    {
        QTest::addColumn<QString>("namn");
        QTest::newRow("the value") << "TidLabel";
        QTest::newRow("the up arrow") << "SpinButton1Up";
        QTest::newRow("the down arrow") << "SpinButton1Down";
    }
    void theFocusShows()
    {
        QFETCH(QString, namn);
        PausTid = 3;
        TStallin d;
        d.show();
        QApplication::setActiveWindow(&d);
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto *w = d.findChild<QWidget *>(namn);
        QVERIFY(w);
        d.AvbrytButton->setFocus();
        QTRY_VERIFY(!w->hasFocus());
        const QImage utan = w->grab().toImage();
        w->setFocus();
        QTRY_VERIFY(w->hasFocus());
        const QImage med = w->grab().toImage();
        QVERIFY(utan != med);
    }
};

VARMIKO_TEST_MAIN(TestSettingsDialog)
#include "test_settingsdialog.moc"
