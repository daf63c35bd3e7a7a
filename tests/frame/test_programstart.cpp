// The program's start on the bundled course, and its end without DATA.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/TForm1.h"

#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include "app/programentry.h"
#include "frame/TRegList1.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"
#include "results/TDiagutform.h"
#include "results/TUtskrift.h"

class TestProgramStart : public QObject
{
    Q_OBJECT
private slots:
    void startsOnTheBundledCourse()
    {
        TestCourse settings;
        settings.writePathSettings({QStringLiteral("[PATH]"),
                                    QStringLiteral("VrsPCPath=") + qEnvironmentVariable("VARMIKO_BUILD_DIR")});
        MessageRecorder m;
        QVERIFY(startaProgrammet(*qApp));
        QCOMPARE(m.count(), 0);
        QCOMPARE(qApp->applicationName(), QStringLiteral("Varmiko"));
        // The windows the start shows nothing of are built when first
        // reached, once; the spelling-list window then reads list 2, as the
        // one of the start does, whichever list was shown last.
        QVERIFY(!Utskrift.created() && !Diagutform.created() && !RegList1.created());
        RegListNummer = 1;
        QVERIFY(Form1 && Utskrift && Diagutform && RegList1);
        QVERIFY(Utskrift.created() && Diagutform.created() && RegList1.created());
        TUtskrift *const forsta = Utskrift;
        QCOMPARE(static_cast<TUtskrift *>(Utskrift), forsta);
        QCOMPARE(RegList1->ListView1->headerItem()->text(0), QStringLiteral("Korrekt stavning"));
        QCOMPARE(int(RegListNummer), 1);
        RegListNummer = 0;
        QCOMPARE(Form1->objectName(), QStringLiteral("Form1"));
        QCOMPARE(Utskrift->objectName(), QStringLiteral("Utskrift"));
        QCOMPARE(Diagutform->objectName(), QStringLiteral("Diagutform"));
        QCOMPARE(RegList1->objectName(), QStringLiteral("RegList1"));
        QVERIFY(AntalDatFiler > 0);
        QCOMPARE(int(AntalLovordFiler), 16);
        QCOMPARE(int(ScoreDirectoryOk), 1);
        // The menus find the exercise windows the program has.
        QVERIFY(harFonster(QStringLiteral("TSKRIV")));
        avslutaProgrammet();
    }

    void mainButtonsOpenTheirMenus()
    {
        TestCourse settings;
        settings.writePathSettings({QStringLiteral("[PATH]"),
                                    QStringLiteral("VrsPCPath=") + qEnvironmentVariable("VARMIKO_BUILD_DIR")});
        QVERIFY(startaProgrammet(*qApp));
        Form1->show();
        QString oppnad;
        QTimer::singleShot(0, [&] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                oppnad = m->objectName();
                QTest::keyClick(m, Qt::Key_Escape);
            }
        });
        Form1->findChild<QPushButton *>(QStringLiteral("Button4"))->click();
        QCOMPARE(oppnad, QStringLiteral("F4"));
        avslutaProgrammet();
    }

    // Without DATA: the two warnings, and the program ends with nothing
    // else shown and nothing created (no RESULTAT under the root).
    void missingDataEndsTheProgram_data()
    {
        QTest::addColumn<QString>("root"); // relative to the course
        QTest::newRow("empty installation directory") << "";
        QTest::newRow("missing installation directory") << "Varmiko";
    }
    void missingDataEndsTheProgram()
    {
        QFETCH(QString, root);
        TestCourse empty;
        const QString pc = root.isEmpty() ? empty.root() : empty.path(root);
        empty.writePathSettings({QStringLiteral("[PATH]"), QStringLiteral("VrsPCPath=") + pc});
        MessageRecorder m;
        QVERIFY(!startaProgrammet(*qApp));
        const QString warning = QStringLiteral("Kan inte hitta katalogen ")
                                + ProgramPath::normalise(pc + QStringLiteral("/DATA"));
        QCOMPARE(m.texts(), QStringList({warning, warning}));
        QVERIFY(!Form1 && !Utskrift && !Diagutform && !RegList1);
        QCOMPARE(QDir(empty.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        avslutaProgrammet();
    }
};

VARMIKO_TEST_MAIN(TestProgramStart)
#include "test_programstart.moc"
