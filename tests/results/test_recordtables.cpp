// Record tables: ranking the new entry, the table window, the file bytes.

#include "ModalWindow.h"
#include "TestMain.h"
#include "frame/scale.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/ProgramPath.h"
#include "results/TRekord.h"
#include "results/rekordtabell.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <algorithm>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(8, 7, 59));

// A stored table of the given results, the rows named "Spieler 1", "Spieler 2" …
QByteArray tableBytes(const QList<int> &results)
{
    QByteArray b;
    for (int i = 0; i < results.size(); ++i) {
        TRekordRad r;
        r.Namn = QStringLiteral("Spieler %1").arg(i + 1);
        r.Ar = 2023;
        r.Manad = 11;
        r.Dag = 30;
        r.Timme = 14;
        r.Minut = 5;
        r.Resultat = quint16(results[i]);
        b += r.toBytes();
    }
    return b;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QList<TRekordRad> rowsIn(const QString &path)
{
    const QByteArray b = readBytes(path);
    QList<TRekordRad> rows;
    for (int i = 0; i + TRekordRad::Storlek <= b.size(); i += TRekordRad::Storlek)
        rows << TRekordRad::fromBytes(b.constData() + i);
    return rows;
}

QList<int> resultsIn(const QString &path)
{
    QList<int> r;
    for (const TRekordRad &row : rowsIn(path))
        r << row.Resultat;
    return r;
}

QList<int> descending(int from, int count)
{
    QList<int> r;
    for (int i = 0; i < count; ++i)
        r << from - i;
    return r;
}

QList<int> ascending(int from, int count)
{
    QList<int> r;
    for (int i = 0; i < count; ++i)
        r << from + i;
    return r;
}

QTableWidget *grid(TRekord &w)
{
    return w.findChild<QTableWidget *>(QStringLiteral("StringGrid1"));
}

// The text of a cell as the table numbers its rows: row 0 is the header.
QString cell(TRekord &w, int col, int row)
{
    QTableWidget *g = grid(w);
    if (row == 0)
        return g->horizontalHeaderItem(col)->text();
    const QTableWidgetItem *it = g->item(row - 1, col);
    return it ? it->text() : QString();
}

QList<int> selectedColumnsOfRow(TRekord &w, int row)
{
    QList<int> cols;
    for (const QModelIndex &i : grid(w)->selectionModel()->selectedIndexes()) {
        if (i.row() != row - 1)
            return {-1};
        cols << i.column();
    }
    std::sort(cols.begin(), cols.end());
    return cols;
}

bool rowVisible(TRekord &w, int row)
{
    QTableWidget *g = grid(w);
    const QRect r = g->visualRect(g->model()->index(row - 1, 1));
    return g->viewport()->rect().contains(r.center());
}

} // namespace

class TestRecordTables : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // The score directory of the test, as the program writes it.
    QString scoreDir() const { return m_dir.path() + QStringLiteral("\\RESULTAT\\"); }
    QString localFile(const QString &name) const { return m_dir.path() + QStringLiteral("/RESULTAT/") + name; }

    void useTable(quint16 programtal, const QString &name)
    {
        QDir().mkpath(m_dir.path() + QStringLiteral("/RESULTAT"));
        ScoreDirectory = scoreDir();
        RekordFilNamn = ScoreDirectory + name;
        Programtal = programtal;
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        Skalning = 100;
        Marginal = 10;
        ScoreDirectoryOk = 1;
        DinaOrdListNamn = QStringLiteral("Tiere");
        RekordPost = TRekordRad();
        RekordPost.Namn = QStringLiteral("Neu");
        Clock::setSource([] { return kNow; });
    }

    void cleanup() { Clock::setSource({}); }

    void ranksAndStoresTheNewEntry_data()
    {
        QTest::addColumn<int>("programtal");
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("saved");

        const QList<int> scores{50, 40, 30, 20, 10};
        const QList<int> times{10, 20, 30, 40, 50};
        QTest::newRow("new table") << 1001 << QList<int>() << 42 << 1 << QList<int>{42};
        QTest::newRow("score between") << 1001 << scores << 35 << 3 << QList<int>{50, 40, 35, 30, 20, 10};
        QTest::newRow("score tie goes after") << 1001 << scores << 30 << 4 << QList<int>{50, 40, 30, 30, 20, 10};
        QTest::newRow("best score") << 1001 << scores << 60 << 1 << QList<int>{60, 50, 40, 30, 20, 10};
        QTest::newRow("worst score appended") << 1001 << scores << 5 << 6 << QList<int>{50, 40, 30, 20, 10, 5};
        QTest::newRow("race time between") << 56610 << times << 25 << 3 << QList<int>{10, 20, 25, 30, 40, 50};
        QTest::newRow("race tie goes after") << 56610 << times << 30 << 4 << QList<int>{10, 20, 30, 30, 40, 50};
        QTest::newRow("fastest race") << 56660 << times << 3 << 1 << QList<int>{3, 10, 20, 30, 40, 50};
        QTest::newRow("slowest race appended") << 56640 << times << 99 << 6 << QList<int>{10, 20, 30, 40, 50, 99};

        const QList<int> full = descending(200, 100);
        QTest::newRow("full, worse than all") << 1001 << full << 100 << 101 << full;
        QTest::newRow("full, tie with the last") << 1001 << full << 101 << 101 << full;
        QTest::newRow("full, new best drops the 100th")
            << 1001 << full << 300 << 1 << (QList<int>{300} + descending(200, 99));
        QTest::newRow("full race, new 50th")
            << 56620 << ascending(1, 100) << 49 << 50 << (ascending(1, 49) + QList<int>{49} + ascending(50, 50));
        QTest::newRow("full race, slower than all") << 56620 << ascending(1, 100) << 500 << 101 << ascending(1, 100);
    }
    void ranksAndStoresTheNewEntry()
    {
        QFETCH(int, programtal);
        QFETCH(QList<int>, stored);
        QFETCH(int, result);
        QFETCH(int, row);
        QFETCH(QList<int>, saved);

        useTable(quint16(programtal), QStringLiteral("TABELLE.TNR"));
        const QString file = localFile(QStringLiteral("TABELLE.TNR"));
        if (!stored.isEmpty())
            writeBytes(file, tableBytes(stored));
        const QByteArray before = readBytes(file);
        RekordPost.Resultat = quint16(result);

        MessageRecorder m;
        TRekord w;
        QVERIFY(w.isOpen());
        // A missing table is made at once, so that the first entry can be kept.
        QVERIFY(QFile::exists(file));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        QCOMPARE(cell(w, 1, row), QStringLiteral("   Neu"));
        QCOMPARE(selectedColumnsOfRow(w, row), (QList<int>{1, 2, 3}));
        QCOMPARE(cell(w, 0, 101), row == 101 ? QStringLiteral("  X") : QString());
        QVERIFY(rowVisible(w, row));
        if (row <= 100 && stored.size() == 100)
            QCOMPARE(cell(w, 1, 101), QString()); // the 100th stored row fell out

        QTest::keyClick(grid(w), Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(m.count(), 0);
        QCOMPARE(resultsIn(file), saved);
        if (row <= 100)
            QCOMPARE(rowsIn(file)[row - 1].Namn, QStringLiteral("Neu"));
        else
            QCOMPARE(readBytes(file), before);
    }

    void closingChoosesWhetherToSave_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Enter in the table") << "enter" << true;
        QTest::newRow("click Tillbaka och spara") << "click Button1" << true;
        QTest::newRow("Escape in the table") << "escape" << false;
        QTest::newRow("Escape on a button") << "escape on Button1" << false;
        QTest::newRow("click Tillbaka utan att spara") << "click Sluta" << false;
        QTest::newRow("Enter on the focused Sluta") << "enter on Sluta" << false;
        QTest::newRow("closed by the window manager") << "close" << false;
    }
    void closingChoosesWhetherToSave()
    {
        QFETCH(QString, how);
        QFETCH(bool, saved);

        useTable(1001, QStringLiteral("VRSK1.TNR"));
        const QString file = localFile(QStringLiteral("VRSK1.TNR"));
        const QByteArray before = tableBytes({50, 40, 30, 20, 10});
        writeBytes(file, before);
        RekordPost.Resultat = 45;

        TRekord w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *save = w.findChild<QPushButton *>(QStringLiteral("Button1"));
        auto *sluta = w.findChild<QPushButton *>(QStringLiteral("Sluta"));
        QCOMPARE(save->text(), QStringLiteral("Tillbaka och &spara - Enter"));
        QCOMPARE(sluta->text(), QStringLiteral("Tillbaka &utan att spara - ESC"));

        if (how == QLatin1String("enter"))
            QTest::keyClick(grid(w), Qt::Key_Enter);
        else if (how == QLatin1String("click Button1"))
            QTest::mouseClick(save, Qt::LeftButton);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(grid(w), Qt::Key_Escape);
        else if (how == QLatin1String("escape on Button1")) {
            save->setFocus();
            QTest::keyClick(save, Qt::Key_Escape);
        } else if (how == QLatin1String("click Sluta"))
            QTest::mouseClick(sluta, Qt::LeftButton);
        else if (how == QLatin1String("enter on Sluta")) {
            sluta->setFocus();
            QTest::keyClick(sluta, Qt::Key_Return);
        } else
            w.close();

        QVERIFY(!w.isVisible());
        if (saved)
            QCOMPARE(resultsIn(file), (QList<int>{50, 45, 40, 30, 20, 10}));
        else
            QCOMPARE(readBytes(file), before);
    }

    void showsCellTexts_data()
    {
        QTest::addColumn<int>("programtal");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("shown");
        QTest::newRow("race 12,3") << 56610 << 123 << "      12,3";
        QTest::newRow("race under a second") << 56610 << 5 << "         0,5";
        QTest::newRow("race of no time") << 56650 << 0 << "         0,0";
        QTest::newRow("race 5,6") << 56630 << 56 << "        5,6";
        QTest::newRow("race 123,4") << 56660 << 1234 << "    123,4";
        QTest::newRow("score 0 shows nothing") << 1001 << 0 << "";
        QTest::newRow("score 7") << 1001 << 7 << "         7";
        QTest::newRow("score 42") << 1002 << 42 << "        42";
        QTest::newRow("score 500") << 1001 << 500 << "      500";
        QTest::newRow("score 1234") << 1001 << 1234 << "    1234";
        QTest::newRow("score 65535") << 1001 << 65535 << "   65535";
    }
    void showsCellTexts()
    {
        QFETCH(int, programtal);
        QFETCH(int, result);
        QFETCH(QString, shown);
        useTable(quint16(programtal), QStringLiteral("T.TNR"));
        RekordPost.Resultat = quint16(result);
        TRekord w;
        QCOMPARE(cell(w, 3, 1), shown);
        QCOMPARE(cell(w, 3, 0), isRaceProgram(quint16(programtal)) ? QStringLiteral("  Sekunder")
                                                                   : QStringLiteral("    Resultat"));
        QCOMPARE(cell(w, 2, 1), QStringLiteral(" 240305 08:07"));
        QCOMPARE(cell(w, 1, 1), QStringLiteral("   Neu"));
    }

    void numbersRowsAndShowsHeaders()
    {
        useTable(1001, QStringLiteral("T.TNR"));
        writeBytes(localFile(QStringLiteral("T.TNR")), tableBytes({9, 8}));
        TRekord w;
        QCOMPARE(grid(w)->columnCount(), 4);
        QCOMPARE(cell(w, 0, 0), QStringLiteral("  Nr"));
        QCOMPARE(cell(w, 1, 0), QStringLiteral("       Namn"));
        QCOMPARE(cell(w, 2, 0), QStringLiteral("  Datum och tid"));
        const QList<QPair<int, QString>> numbers{{1, "    1"}, {9, "    9"}, {10, "  10"}, {99, "  99"},
                                                 {100, "100"}, {101, ""}};
        for (const auto &[row, text] : numbers)
            QCOMPARE(cell(w, 0, row), text);
        // Stored rows keep their own date; the new entry is dated now.
        QCOMPARE(cell(w, 2, 1), QStringLiteral(" 231130 14:05"));
        QCOMPARE(cell(w, 1, 2), QStringLiteral("   Spieler 2"));
        QCOMPARE(cell(w, 2, 3), QStringLiteral(" 240305 08:07"));
        QCOMPARE(cell(w, 1, 4), QString());
    }

    void savedTableIsRowsOf34Bytes()
    {
        useTable(1001, QStringLiteral("VRSK1.TNR"));
        const QString file = localFile(QStringLiteral("VRSK1.TNR"));
        // A stored row whose length byte claims more than the name's 21 places.
        QByteArray stored = tableBytes({900, 10});
        stored[TRekordRad::Storlek] = char(200);
        for (int i = 1; i <= 21; ++i)
            stored[TRekordRad::Storlek + i] = 'a' + char(i - 1);
        writeBytes(file, stored);

        RekordPost.Namn = QStringLiteral("Åsa Öberg-Müller");
        RekordPost.Resultat = 513;
        TRekord w;
        QCOMPARE(cell(w, 1, 3), QStringLiteral("   abcdefghijklmnopqrstu"));
        QTest::keyClick(grid(w), Qt::Key_Return);

        const QByteArray b = readBytes(file);
        QCOMPARE(b.size(), 3 * TRekordRad::Storlek);
        const char *neu = b.constData() + TRekordRad::Storlek;
        QCOMPARE(int(quint8(neu[0])), 16);
        QCOMPARE(QByteArray(neu + 1, 16), Cp1252::encode(QStringLiteral("Åsa Öberg-Müller")));
        QCOMPARE(quint8(neu[1]), quint8(0xC5));
        const quint16 fields[] = {2024, 3, 5, 8, 7, 513};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(qFromLittleEndian<quint16>(neu + 22 + 2 * i), fields[i]);
        QCOMPARE(QByteArray(b.constData(), 34), tableBytes({900}));
        const char *klippt = b.constData() + 2 * TRekordRad::Storlek;
        QCOMPARE(int(quint8(klippt[0])), 21);
        QCOMPARE(QByteArray(klippt + 1, 21), QByteArray("abcdefghijklmnopqrstu"));
        QCOMPARE(qFromLittleEndian<quint16>(klippt + 32), quint16(10));
    }

    void emptyNamesKeepEveryRow_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<int>("namelessStoredRow");
        QTest::newRow("new entry without a name") << "" << 0;
        QTest::newRow("stored row without a name") << "Neu" << 3;
    }
    void emptyNamesKeepEveryRow()
    {
        QFETCH(QString, newName);
        QFETCH(int, namelessStoredRow);
        useTable(1001, QStringLiteral("VRSK2.TNR"));
        const QString file = localFile(QStringLiteral("VRSK2.TNR"));
        QByteArray stored = tableBytes({50, 40, 30, 20, 10});
        if (namelessStoredRow)
            stored[(namelessStoredRow - 1) * TRekordRad::Storlek] = 0;
        writeBytes(file, stored);
        RekordPost.Namn = newName;
        RekordPost.Resultat = 45;

        TRekord w;
        QTest::keyClick(grid(w), Qt::Key_Return);
        QCOMPARE(resultsIn(file), (QList<int>{50, 45, 40, 30, 20, 10}));
        const QList<TRekordRad> rows = rowsIn(file);
        QCOMPARE(rows[1].Namn, newName);
        QCOMPARE(rows[5].Namn, QStringLiteral("Spieler 5"));
    }

    void partialLastRowIsIgnored()
    {
        useTable(1001, QStringLiteral("VRSK3.TNR"));
        const QString file = localFile(QStringLiteral("VRSK3.TNR"));
        writeBytes(file, tableBytes({30, 20, 10}) + QByteArray(10, 'x'));
        RekordPost.Resultat = 1;
        MessageRecorder m;
        TRekord w;
        QVERIFY(w.isOpen());
        QCOMPARE(cell(w, 1, 3), QStringLiteral("   Spieler 3"));
        QCOMPARE(cell(w, 1, 4), QStringLiteral("   Neu"));
        QTest::keyClick(grid(w), Qt::Key_Return);
        QCOMPARE(m.count(), 0);
        QCOMPARE(readBytes(file).size(), 4 * TRekordRad::Storlek);
        QCOMPARE(resultsIn(file), (QList<int>{30, 20, 10, 1}));
    }

    void missingScoreDirectoryIsMade()
    {
        ScoreDirectory = m_dir.path() + QStringLiteral("\\Resultat\\Klass 7b\\");
        RekordFilNamn = ScoreDirectory + QStringLiteral("VRS56610.TNR");
        Programtal = 56610;
        RekordPost.Resultat = 123;
        MessageRecorder m;
        TRekord w;
        QVERIFY(w.isOpen());
        QTest::keyClick(grid(w), Qt::Key_Return);
        QCOMPARE(m.count(), 0);
        QCOMPARE(resultsIn(m_dir.path() + QStringLiteral("/Resultat/Klass 7b/VRS56610.TNR")), QList<int>{123});
    }

    void tableThatCannotBeKeptIsReported_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("directory cannot be made") << "blocked";
        QTest::newRow("score directory failed its test") << "not ok";
        QTest::newRow("table is not a file") << "directory";
    }
    void tableThatCannotBeKeptIsReported()
    {
        QFETCH(QString, problem);
        useTable(1001, QStringLiteral("VRSK1.TNR"));
        QString expected;
        if (problem == QLatin1String("blocked")) {
            // A file stands where the directory would have to be.
            writeBytes(m_dir.path() + QStringLiteral("/Blockiert"), "x");
            ScoreDirectory = m_dir.path() + QStringLiteral("\\Blockiert\\Klass\\");
            RekordFilNamn = ScoreDirectory + QStringLiteral("VRSK1.TNR");
            expected = QStringLiteral("Katalogen ") + m_dir.path()
                       + QStringLiteral("/Blockiert/Klass, där resultaten ska sparas, finns inte eller kan vara skrivskyddad");
        } else if (problem == QLatin1String("not ok")) {
            ScoreDirectoryOk = 0;
            expected = QStringLiteral("Katalogen ") + m_dir.path()
                       + QStringLiteral("/RESULTAT, där resultaten ska sparas, finns inte eller kan vara skrivskyddad");
        } else {
            QDir().mkpath(localFile(QStringLiteral("VRSK1.TNR")));
            expected = QStringLiteral("Filen ") + localFile(QStringLiteral("VRSK1.TNR"))
                       + QStringLiteral(" finns inte eller är felaktig");
        }
        RekordPost.Resultat = 10;

        MessageRecorder m;
        bool shown = false;
        closeNextModal(&shown);
        TRekord_Visa();
        QVERIFY(!shown); // the window never ran
        QCoreApplication::processEvents(); // the guard is spent before the next test
        QCOMPARE(m.texts(), QStringList{expected});
        QVERIFY(!QFileInfo(localFile(QStringLiteral("VRSK1.TNR"))).isFile());
    }

    void savingAfterTheFileChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("saved");
        QTest::newRow("another game stored a better entry") << "better" << "" << QList<int>{60, 50, 45, 40};
        QTest::newRow("file removed") << "removed" << "" << QList<int>{45};
        QTest::newRow("file replaced by a directory") << "directory" << "Filen %1/RESULTAT/VRSK1.TNR finns inte eller är felaktig"
                                                      << QList<int>();
        QTest::newRow("directory replaced by a file")
            << "blocked" << "Katalogen %1/RESULTAT, där resultaten ska sparas, finns inte eller kan vara skrivskyddad"
            << QList<int>();
    }
    void savingAfterTheFileChanged()
    {
        QFETCH(QString, change);
        QFETCH(QString, message);
        QFETCH(QList<int>, saved);
        useTable(1001, QStringLiteral("VRSK1.TNR"));
        const QString file = localFile(QStringLiteral("VRSK1.TNR"));
        writeBytes(file, tableBytes({50, 40}));
        RekordPost.Resultat = 45;
        MessageRecorder m;
        TRekord w;
        QVERIFY(w.isOpen());
        QCOMPARE(cell(w, 1, 2), QStringLiteral("   Neu"));

        if (change == QLatin1String("better"))
            writeBytes(file, tableBytes({60, 50, 40}));
        else if (change == QLatin1String("removed"))
            QFile::remove(file);
        else if (change == QLatin1String("directory")) {
            QFile::remove(file);
            QDir().mkpath(file);
        } else {
            QDir(m_dir.path() + QStringLiteral("/RESULTAT")).removeRecursively();
            writeBytes(m_dir.path() + QStringLiteral("/RESULTAT"), "x");
        }
        QTest::keyClick(grid(w), Qt::Key_Return);
        QVERIFY(!w.isVisible());
        if (message.isEmpty()) {
            QCOMPARE(m.count(), 0);
            QCOMPARE(resultsIn(file), saved);
        } else {
            QCOMPARE(m.texts(), QStringList{message.arg(m_dir.path())});
        }
    }

    void showRoutineRunsTheWindowModally()
    {
        useTable(56610, QStringLiteral("VRS56610.TNR"));
        const QString file = localFile(QStringLiteral("VRS56610.TNR"));
        writeBytes(file, tableBytes({100, 200}));
        RekordPost.Resultat = 150;
        QString title;
        bool focusOnTable = false;
        QTimer::singleShot(0, [&] {
            QWidget *active = QApplication::activeModalWidget();
            auto *modal = qobject_cast<TRekord *>(active);
            if (!modal) {
                if (active)
                    active->close();
                return;
            }
            title = modal->findChild<QLabel *>(QStringLiteral("Label1"))->text();
            // The table has the focus: Enter right away stores the entry.
            focusOnTable = modal->focusWidget() == grid(*modal);
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Return);
            if (modal->isVisible())
                modal->reject();
        });
        TRekord_Visa();
        QVERIFY(focusOnTable);
        QCOMPARE(title, QStringLiteral("Rekordtabell för Sein - Präsens"));
        QCOMPARE(resultsIn(file), (QList<int>{100, 150, 200}));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void titleFitsItsPanel_data()
    {
        QTest::addColumn<int>("programtal");
        QTest::addColumn<QString>("listName");
        QTest::addColumn<QString>("title");
        QTest::newRow("word list") << 1001 << "Djur och växter" << "Rekordtabell för Djur och växter";
        QTest::newRow("long word list") << 1002 << QString(50, 'W') << QStringLiteral("Rekordtabell för ") + QString(50, 'W');
        QTest::newRow("race") << 56630 << "Djur och växter" << "Rekordtabell för Haben - Präsens";
    }
    void titleFitsItsPanel()
    {
        QFETCH(int, programtal);
        QFETCH(QString, listName);
        QFETCH(QString, title);
        useTable(quint16(programtal), QStringLiteral("T.TNR"));
        DinaOrdListNamn = listName;
        TRekord w;
        auto *label = w.findChild<QLabel *>(QStringLiteral("Label1"));
        auto *panel = w.findChild<QWidget *>(QStringLiteral("OverPanelen"));
        QCOMPARE(label->text(), title);
        const int pt = label->font().pointSize();
        QVERIFY(pt >= 10 && pt <= 40);
        if (pt > 10)
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(title) <= panel->width() - 2 * Marginal);
        QVERIFY(label->geometry().bottom() < panel->height());
    }

    void windowScalesWithTheScreen()
    {
        useTable(1001, QStringLiteral("T.TNR"));
        Skalning = 70;
        TRekord small;
        Skalning = 100;
        TRekord normal;
        QVERIFY(normal.width() > small.width() * 13 / 10);
        QVERIFY(normal.height() > small.height() * 13 / 10);
        QVERIFY(grid(normal)->font().pixelSize() > grid(small)->font().pixelSize());
        // Scaled past the screen, the window is as large as the screen
        // allows, in its own proportions.
        Skalning = 150;
        TRekord scaled;
        const QSize screen = skarmStorlek();
        QVERIFY(scaled.width() <= screen.width() && scaled.height() <= screen.height());
        QVERIFY(scaled.width() >= screen.width() - 1 || scaled.height() >= screen.height() - 1);
        QVERIFY(qAbs(scaled.width() * normal.height() - scaled.height() * normal.width())
                <= normal.width() + normal.height());
        for (TRekord *w : {&small, &normal, &scaled}) {
            auto *table = w->findChild<QWidget *>(QStringLiteral("RekordPanelen"));
            auto *bottom = w->findChild<QWidget *>(QStringLiteral("NederPanelen"));
            QVERIFY(table->geometry().bottom() < bottom->geometry().top());
            QVERIFY(bottom->geometry().bottom() < w->height());
            // The name column holds a name of 20 letters.
            const QString name = QStringLiteral("   Maximilian Schneider");
            QVERIFY(grid(*w)->columnWidth(1) > QFontMetrics(grid(*w)->font()).horizontalAdvance(name));
        }
    }

    void scrollsToTheNewRow_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("row");
        // A tie goes after the stored entry: 197 is the 4th stored result.
        QTest::newRow("row 5") << 197 << 5;
        QTest::newRow("row 50") << 152 << 50;
        QTest::newRow("row 95") << 107 << 95;
        QTest::newRow("row X") << 1 << 101;
    }
    void scrollsToTheNewRow()
    {
        QFETCH(int, result);
        QFETCH(int, row);
        useTable(1001, QStringLiteral("T.TNR"));
        writeBytes(localFile(QStringLiteral("T.TNR")), tableBytes(descending(200, 100)));
        RekordPost.Resultat = quint16(result);
        TRekord w;
        QCOMPARE(w.table().newRow, row);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(rowVisible(w, row));
        QTableWidget *g = grid(w);
        const int top = g->rowAt(0) + 1;
        const int middle = g->rowAt(g->viewport()->height() / 2) + 1;
        if (row <= 9)
            QCOMPARE(top, 1);
        else if (row <= 89)
            QVERIFY(qAbs(middle - row) <= 1);
        else
            QVERIFY(top <= 90 && rowVisible(w, 90));
    }
};

VARMIKO_TEST_MAIN(TestRecordTables)
#include "test_recordtables.moc"
