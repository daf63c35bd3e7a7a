// The spelling-reform lists: the file of each list, its headings and its two
// columns, and the message when the file is missing.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/TRegList1.h"
#include "frame/vrsku1.h"
#include "platform/ProgramPath.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList rows(const TRegList1 &w)
{
    QStringList r;
    for (int i = 0; i < w.ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = w.ListView1->topLevelItem(i);
        r << it->text(0) + QLatin1Char('|') + it->text(1);
    }
    return r;
}

QStringList headings(const TRegList1 &w)
{
    const QTreeWidgetItem *h = w.ListView1->headerItem();
    return {h->text(0), h->text(1)};
}

} // namespace

class TestSpellingLists : public QObject
{
    Q_OBJECT

private slots:
    void bothListsWithTheirHeadings_data()
    {
        QTest::addColumn<int>("lista");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expectedHeadings");
        QTest::newRow("list 1, the changes") << 1 << "NyTysk1.txt"
                                             << QStringList{"Gammal stavning", "Ny stavning"};
        QTest::newRow("list 2, the alternatives") << 2 << "NyTysk2.txt"
                                                  << QStringList{"Korrekt stavning", "Alternativ stavning"};
        QTest::newRow("any other number reads list 2") << 0 << "NyTysk2.txt"
                                                       << QStringList{"Korrekt stavning", "Alternativ stavning"};
    }
    void bothListsWithTheirHeadings()
    {
        QFETCH(int, lista);
        QFETCH(QString, file);
        QFETCH(QStringList, expectedHeadings);
        TestCourse c;
        c.write(QStringLiteral("DATA/") + file, {file + QStringLiteral("\tStraße"),
                                                 QStringLiteral("daß\tdass"),
                                                 QStringLiteral("Schiffahrt\tSchifffahrt"),
                                                 QStringLiteral("Portemonnaie\tPortmonee")});
        // The other list is there too, and must not be read.
        c.write(QStringLiteral("DATA/") + (file == "NyTysk1.txt" ? "NyTysk2.txt" : "NyTysk1.txt"), {"fel\tlista"});
        c.activate();
        MessageRecorder m;
        RegListNummer = quint16(lista);
        TRegList1 w;
        QCOMPARE(m.count(), 0);
        QCOMPARE(headings(w), expectedHeadings);
        QCOMPARE(rows(w), QStringList({file + "|Straße", "daß|dass", "Schiffahrt|Schifffahrt", "Portemonnaie|Portmonee"}));
        QCOMPARE(w.ListView1->columnCount(), 2);
        QVERIFY(w.ListView1->columnWidth(0) >= w.ListView1->fontMetrics().horizontalAdvance(QStringLiteral("Portemonnaie")));
    }

    void linesAreSplitAtTheFirstTab()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/NyTysk1.txt"), {QStringLiteral("Känguruh\tKänguru"),
                                                     QStringLiteral("\tnur rechts"),
                                                     QStringLiteral("ohne Tabulator"),
                                                     QStringLiteral("links\tmitte\trechts"),
                                                     QStringLiteral("Tip\tTipp")});
        c.activate();
        RegListNummer = 1;
        TRegList1 w;
        QCOMPARE(rows(w), QStringList({"Känguruh|Känguru", "|nur rechts", "ohne Tabulator|", "links|mitte\trechts", "Tip|Tipp"}));
    }

    void theInstallationComesBeforeTheCd()
    {
        TestCourse pc;
        TestCourse cd;
        cd.write(QStringLiteral("DATA/NyTysk2.txt"), {QStringLiteral("CD\tKopie")});
        pc.activate(cd.root());
        RegListNummer = 2;
        {
            TRegList1 w;
            QCOMPARE(rows(w), QStringList{"CD|Kopie"});
        }
        pc.write(QStringLiteral("data/nytysk2.TXT"), {QStringLiteral("PC\tKopie")});
        TRegList1 w;
        QCOMPARE(rows(w), QStringList{"PC|Kopie"});
    }

    void aMissingListIsReported_data()
    {
        QTest::addColumn<bool>("withCd");
        QTest::newRow("installation only") << false;
        QTest::newRow("with a CD") << true;
    }
    void aMissingListIsReported()
    {
        QFETCH(bool, withCd);
        TestCourse pc;
        TestCourse cd;
        pc.mkdir(QStringLiteral("data"));
        pc.activate(withCd ? cd.root() : QString());
        MessageRecorder m;
        RegListNummer = 1;
        TRegList1 w;
        // The path looked in last, as it stands on disk (not in capitals).
        const QString looked = withCd ? cd.root() + QStringLiteral("/DATA/NyTysk1.txt")
                                      : pc.root() + QStringLiteral("/data/NyTysk1.txt");
        QCOMPARE(m.texts(), QStringList{looked + QStringLiteral("  finns inte eller är felaktig.")});
        QCOMPARE(m.requests().first().kind, MessageBox::Kind::Information);
        QCOMPARE(w.ListView1->topLevelItemCount(), 0);
    }

    void theBundledListsHaveTwoColumns_data()
    {
        QTest::addColumn<int>("lista");
        QTest::newRow("changes") << 1;
        QTest::newRow("alternatives") << 2;
    }
    void theBundledListsHaveTwoColumns()
    {
        QFETCH(int, lista);
        PCPath = qEnvironmentVariable("VARMIKO_COURSE");
        CDPath.clear();
        MessageRecorder m;
        RegListNummer = quint16(lista);
        TRegList1 w;
        QCOMPARE(m.count(), 0);
        QVERIFY(w.ListView1->topLevelItemCount() >= 10);
        for (const QString &r : rows(w)) {
            const QStringList pair = r.split(QLatin1Char('|'));
            QVERIFY2(pair.size() == 2 && !pair[0].isEmpty() && !pair[1].isEmpty() && pair[0] != pair[1], qPrintable(r));
        }
    }

    void theShowRoutineOpensAWindowOfItsOwn()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/NyTysk1.txt"), {QStringLiteral("Stengel\tStängel")});
        c.write(QStringLiteral("DATA/NyTysk2.txt"), {QStringLiteral("Delphin\tDelfin")});
        c.activate();
        RegListNummer = 0;
        TRegList1 permanent;
        RegList1 = &permanent;
        QStringList seen;
        auto close = [&seen](bool withEscape) {
            auto *w = qobject_cast<TRegList1 *>(QApplication::activeModalWidget());
            QVERIFY(w);
            seen << rows(*w);
            if (withEscape)
                QTest::keyClick(w->ListView1, Qt::Key_Escape);
            else
                QTest::mouseClick(w->Button1, Qt::LeftButton);
        };
        QTimer::singleShot(0, [&] { close(true); });
        TRegList1_Visa(1);
        QTimer::singleShot(0, [&] { close(false); });
        TRegList1_Visa(2);
        QCOMPARE(seen, QStringList({"Stengel|Stängel", "Delphin|Delfin"}));
        QVERIFY(!QApplication::activeModalWidget());
        // The permanent window of the start is still the one it was.
        QCOMPARE(RegList1, &permanent);
        QCOMPARE(rows(permanent), QStringList{"Delphin|Delfin"});
        RegList1 = nullptr;
    }
};

VARMIKO_TEST_MAIN(TestSpellingLists)
#include "test_spellinglists.moc"
