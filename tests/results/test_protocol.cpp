// The diagnosis protocol: its table, starting an area's test or practice in
// the real exercise window, the buttons, the layout on any screen and the
// printout.

#include "FrageOvning.h"
#include "MessageRecorder.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "app/allafonster.h"
#include "drills/writing/TSKRIV.h"
#include "frame/TDiagnosPost.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/datafiles.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/Printing.h"
#include "results/TDiag.h"
#include "results/TNLOS.h"
#include "results/Tdiaprot.h"
#include "results/diagnosregister.h"
#include "results/diagnosstatus.h"
#include "results/protokolltabell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QStringList fonsterKlasser{QStringLiteral("TSKRIV"), QStringLiteral("TFLERBAR"), QStringLiteral("TSkrivinf"),
                                 QStringLiteral("Tskriv2")};

// Answers one item of the exercise on screen.
void svara(TSKRIV *w, bool ratt)
{
    QTRY_VERIFY(w->Edit1->isEnabled());
    const QString q = w->FrageLabel2->text();
    typeAnswer(w->Edit1, ratt ? svarPa(q) : QStringLiteral("falsch"));
    if (!ratt && w->isVisible() && !w->Panel1->isVisible())
        QTest::keyClick(w, Qt::Key_Space); // end the pause at the next tick
}

// A whole round: the first `fel` items wrongly, the rest rightly.
void runda(TSKRIV *w, int fel)
{
    const int n = AntalPoster;
    for (int i = 0; i < n && w->isVisible(); ++i)
        svara(w, i >= fel);
    QTRY_VERIFY(w->Panel1->isVisible() || !w->isVisible());
}

QList<TDiagnosPost> lasRegistret(const QString &path)
{
    QList<TDiagnosPost> poster;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return poster;
    const QByteArray b = f.readAll();
    for (int i = 0; i + DiagnosPostStorlek <= b.size(); i += DiagnosPostStorlek)
        poster << TDiagnosPost::fromBytes(b.mid(i, DiagnosPostStorlek));
    return poster;
}

struct Ord
{
    QString text;
    double xMin, yMin, xMax, yMax; // points
};

QList<Ord> pdfOrd(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Ord> ord;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        ord << Ord{m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                   m.captured(4).toDouble()};
    }
    return ord;
}

double mm(double points)
{
    return points / 72.0 * 25.4;
}

} // namespace

class TestProtocol : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestCourse> m_course;
    std::unique_ptr<Tdiaprot> m_p;
    QStringList m_oppnade; // "class file mode" of the stand-in windows

    QString registerPath() const { return m_course->path(QStringLiteral("RESULTAT/TDIAG.DIA")); }

    Tdiaprot *oppna()
    {
        m_p = std::make_unique<Tdiaprot>();
        m_p->show();
        QApplication::setActiveWindow(m_p.get());
        m_p->StringGrid1->setFocus();
        return m_p.get();
    }

    QString cell(int r, int c) const { return m_p->StringGrid1->item(r, c)->text(); }

    void klickaRad(int rad)
    {
        QTableWidget *g = m_p->StringGrid1;
        const QPoint pos = g->visualRect(g->model()->index(rad, 2)).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, pos);
    }

    // Stand-ins for the exercise windows: they record what they were asked
    // to run and close at once.
    void standIns()
    {
        for (const QString &k : fonsterKlasser)
            registreraFonster(k, [this, k] {
                m_oppnade << k + QLatin1Char(' ') + DataFilNamn + QLatin1Char(' ') + QString::number(OvningsLage);
                QVERIFY(!m_p->isEnabled());
            });
    }

    // Acts on the exercise window the protocol opens, from inside its modal
    // loop; a failed check closes the window so that the test goes on.
    static void iOvningen(std::function<void(TSKRIV *)> steg)
    {
        QTimer::singleShot(0, [steg] {
            QPointer<TSKRIV> w = qobject_cast<TSKRIV *>(QApplication::activeModalWidget());
            QVERIFY(w);
            steg(w);
            if (w && w->isVisible())
                w->done(QDialog::Rejected);
        });
    }

    static void pupil(const QString &namn)
    {
        NollstallDiagnos();
        AktivDiagnos.Namn = namn;
    }

    // Björn's protocol, with a result below the pass mark in area 7.
    void bjornsProtokoll()
    {
        pupil(QStringLiteral("Björn"));
        AktivDiagnos.Resultat[7] = 3;
        AktivDiagnos.Status[7] = GeStatusTal(7);
        oppna();
    }

    // Leaves the protocol by its button, Esc or the window's close.
    void avbryt(const QString &hur)
    {
        if (hur == QLatin1String("button"))
            QTest::mouseClick(m_p->AvbrytButton, Qt::LeftButton);
        else if (hur == QLatin1String("Esc"))
            QTest::keyClick(m_p->StringGrid1, Qt::Key_Escape);
        else
            m_p->close();
    }

    // The protocol has closed and the register holds Björn's record.
    void bjornArSparad()
    {
        QVERIFY(!m_p->isVisible());
        QCOMPARE(int(DiagAvbruten), 1);
        QCOMPARE(int(OvningsLage), 0);
        const QList<TDiagnosPost> reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg[0].Namn, QStringLiteral("Björn"));
        QCOMPARE(reg[0].Resultat[7], 3);
        QCOMPARE(reg[0].Status[7], StatusOva);
        QCOMPARE(reg[0].Status[8], StatusVanta);
    }

private slots:
    void init()
    {
        qputenv("VARMIKO_SEED", "7");
        m_course = std::make_unique<TestCourse>();
        for (int k = 1; k <= 17; ++k) {
            m_course->write(QStringLiteral("DATA/") + diagnosFilNamn(k, false), frageOvning(24, {QStringLiteral("$Diagnos")}));
            m_course->write(QStringLiteral("DATA/") + diagnosFilNamn(k, true), frageOvning(24, {QStringLiteral("$Diagnos")}));
        }
        m_course->mkdir(QStringLiteral("RESULTAT"));
        m_course->activate();
        DiagnosPath = m_course->root() + QStringLiteral("\\RESULTAT");
        PausTid = 0;
        BildInst = 0;
        OvningsLage = 2;
        ProtokollRad = 1;
        DiagRad = 0;
        DiagSpara = 0;
        DiagAvbruten = 0;
        DataFilNamn.clear();
        m_oppnade.clear();
        registreraFonster(QStringLiteral("TSKRIV"), TSKRIV_Visa);
        Clock::setSource([] { return QDateTime(QDate(2024, 3, 7), QTime(9, 5)); });
        pupil(QStringLiteral("Anna"));
    }
    void cleanup()
    {
        m_p.reset();
        for (const QString &k : fonsterKlasser)
            avregistreraFonster(k);
        setShowProtocol({});
        Clock::setSource({});
        qunsetenv("VARMIKO_PRINT_PDF_DIR");
        m_course.reset();
        OvningsLage = 0;
    }

    void freshPupilShowsTheStartingProtocol()
    {
        oppna();
        QCOMPARE(m_p->Label1->text(), QStringLiteral("Diagnosprotokoll för  Anna"));
        const QStringList rubriker{"  Nr", "                  Område", "    Resultat", "    Tidpunkt", "    Status"};
        for (int c = 0; c < 5; ++c)
            QCOMPARE(cell(0, c), rubriker[c]);
        const QList<int> vantar{2, 3, 4, 6, 8, 10, 12, 14};
        for (int k = 1; k <= 17; ++k) {
            QCOMPARE(cell(k, 0), (k < 10 ? QStringLiteral("   ") : QStringLiteral("  ")) + QString::number(k));
            QCOMPARE(cell(k, 1), QStringLiteral("  ") + DiagOmraden[k]);
            QCOMPARE(cell(k, 2), QStringLiteral("          0"));
            QCOMPARE(cell(k, 3), QString());
            QCOMPARE(cell(k, 4), vantar.contains(k) ? QStringLiteral("    Vänta") : QStringLiteral("    Börja"));
        }
        QCOMPARE(cell(18, 1), QString(42, QLatin1Char(' ')) + QStringLiteral("Summa:"));
        QCOMPARE(cell(18, 2), QStringLiteral("          0"));
        QCOMPARE(m_p->StringGrid1->currentRow(), 1);
        QVERIFY(!m_p->Panel2->isVisible());
        QVERIFY(!m_p->Panel1->isVisible());
    }

    void resultsTimesAndTotal_data()
    {
        QTest::addColumn<int>("resultat");
        QTest::addColumn<QString>("resultatCell");
        QTest::addColumn<QString>("summaCell");
        QTest::newRow("9") << 9 << "          9" << "          9";
        QTest::newRow("10") << 10 << "        10" << "        10";
        QTest::newRow("99") << 99 << "        99" << "        99";
        QTest::newRow("100") << 100 << "      100" << "       100";
    }
    void resultsTimesAndTotal()
    {
        QFETCH(int, resultat);
        QFETCH(QString, resultatCell);
        QFETCH(QString, summaCell);
        AktivDiagnos.Resultat[3] = resultat;
        AktivDiagnos.Ar[3] = 2009;
        AktivDiagnos.Manad[3] = 3;
        AktivDiagnos.Dag[3] = 7;
        AktivDiagnos.Timme[3] = 8;
        AktivDiagnos.Minut[3] = 5;
        AktivDiagnos.Ar[4] = 2010; // a time without a result is not shown
        oppna();
        QCOMPARE(cell(3, 2), resultatCell);
        QCOMPARE(cell(3, 3), QStringLiteral("  090307 08:05"));
        QCOMPARE(cell(4, 3), QString());
        QCOMPARE(cell(18, 2), summaCell);
    }

    void startingABorjaRowRunsTheTest_data()
    {
        QTest::addColumn<int>("fel");
        QTest::addColumn<QString>("status1");
        QTest::addColumn<QString>("status2");
        QTest::newRow("16 right passes") << 4 << "    Testa" << "    Testa";
        QTest::newRow("15 right passes") << 5 << "    Testa" << "    Testa";
        QTest::newRow("14 right fails") << 6 << "    Öva" << "    Vänta";
    }
    void startingABorjaRowRunsTheTest()
    {
        QFETCH(int, fel);
        QFETCH(QString, status1);
        QFETCH(QString, status2);
        oppna();
        bool sett = false;
        iOvningen([&](TSKRIV *w) {
            QCOMPARE(DataFilNamn, QStringLiteral("VRDIAG01.DAT"));
            QCOMPARE(int(Programtal), 1);
            QCOMPARE(int(OvningsLage), 2);
            QCOMPARE(AntalPoster, 20);
            QCOMPARE(DiagRad, 1);
            QVERIFY(!m_p->isEnabled());
            sett = true;
            runda(w, fel);
            QVERIFY(!w->isVisible());
        });
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Return);
        QVERIFY(sett);
        const int ratt = 20 - fel;
        QVERIFY(m_p->isEnabled());
        QCOMPARE(cell(1, 2), resultatText(ratt));
        QCOMPARE(cell(1, 3), QStringLiteral("  240307 09:05"));
        QCOMPARE(cell(1, 4), status1);
        QCOMPARE(cell(2, 4), status2);
        QCOMPARE(cell(18, 2), summaText(ratt));

        const QList<TDiagnosPost> reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg[0].Namn, QStringLiteral("Anna"));
        QCOMPARE(reg[0].Resultat[1], ratt);
        QCOMPARE(reg[0].Status[1], ratt >= 15 ? StatusTesta : StatusOva);
        QCOMPARE(reg[0].Status[2], ratt >= 15 ? StatusTesta : StatusVanta);
        QCOMPARE(reg[0].Ar[1], quint16(2024));
        QCOMPARE(reg[0].Manad[1], quint16(3));
        QCOMPARE(reg[0].Dag[1], quint16(7));
        QCOMPARE(reg[0].Timme[1], quint16(9));
        QCOMPARE(reg[0].Minut[1], quint16(5));
    }

    void leavingATestBeforeItsFirstAnswer_data()
    {
        // A passed test started again by mistake and left at once keeps its
        // row; once an answer is given the test counts.
        QTest::addColumn<QString>("hur");
        QTest::addColumn<int>("svar");
        QTest::newRow("Esc before the first answer") << "Esc" << 0;
        QTest::newRow("closed before the first answer") << "close" << 0;
        QTest::newRow("Esc after one answer") << "Esc" << 1;
    }
    void leavingATestBeforeItsFirstAnswer()
    {
        QFETCH(QString, hur);
        QFETCH(int, svar);
        AktivDiagnos.Resultat[1] = 19;
        AktivDiagnos.Ar[1] = 2023;
        AktivDiagnos.Manad[1] = 1;
        AktivDiagnos.Dag[1] = 5;
        AktivDiagnos.Timme[1] = 10;
        AktivDiagnos.Minut[1] = 20;
        AktivDiagnos.Status[1] = GeStatusTal(1);
        const TDiagnosPost fore = AktivDiagnos;
        oppna();
        QCOMPARE(cell(1, 4), QStringLiteral("    Testa"));
        iOvningen([&](TSKRIV *w) {
            QCOMPARE(int(OvningsLage), 2);
            for (int i = 0; i < svar; ++i)
                svara(w, true);
            if (hur == QLatin1String("Esc"))
                QTest::keyClick(w->Edit1, Qt::Key_Escape);
            else
                w->close();
            QVERIFY(!w->isVisible());
        });
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Return);
        QVERIFY(m_p->isEnabled());
        if (svar == 0) {
            QCOMPARE(cell(1, 2), resultatText(19));
            QCOMPARE(cell(1, 3), QStringLiteral("  230105 10:20"));
            QCOMPARE(cell(1, 4), QStringLiteral("    Testa"));
            QCOMPARE(cell(2, 4), QStringLiteral("    Testa"));
            QCOMPARE(AktivDiagnos.toBytes(), fore.toBytes());
        } else {
            QCOMPARE(cell(1, 2), resultatText(1));
            QCOMPARE(cell(1, 3), QStringLiteral("  240307 09:05"));
            QCOMPARE(cell(1, 4), QStringLiteral("    Öva"));
        }
    }

    void practiceRoundsLeadToTheTest_data()
    {
        QTest::addColumn<bool>("felRundaEmellan");
        QTest::newRow("two good rounds") << false;
        QTest::newRow("an error round in between") << true;
    }
    void practiceRoundsLeadToTheTest()
    {
        QFETCH(bool, felRundaEmellan);
        AktivDiagnos.Resultat[1] = 10;
        AktivDiagnos.Status[1] = GeStatusTal(1);
        QCOMPARE(AktivDiagnos.Status[1], StatusOva);
        DiagOvningNr = 3;
        oppna();
        QCOMPARE(cell(1, 4), QStringLiteral("    Öva"));
        QStringList lagen;
        iOvningen([&](TSKRIV *w) {
            QCOMPARE(DataFilNamn, QStringLiteral("VROVN101.DAT"));
            QCOMPARE(int(Programtal), 101);
            QCOMPARE(int(OvningsLage), 3);
            QCOMPARE(DiagOvningNr, 0);
            QCOMPARE(AntalPoster, 20);
            runda(w, 2); // 18 right: a good round
            lagen << QString::number(OvningsLage);
            if (felRundaEmellan) {
                QVERIFY(w->Button1->isEnabled());
                QTest::mouseClick(w->Button1, Qt::LeftButton);
                lagen << QString::number(OvningsLage);
                runda(w, 0);
                QTest::mouseClick(w->Button2, Qt::LeftButton);
                lagen << QString::number(OvningsLage);
                runda(w, 12); // 8 right: good again, but only the first
                lagen << QString::number(OvningsLage);
                QVERIFY(w->isVisible());
            }
            QTest::mouseClick(w->Button2, Qt::LeftButton);
            runda(w, 12);
            QVERIFY(!w->isVisible());
            // Written by the exercise itself, before the protocol redraws.
            QCOMPARE(cell(1, 4), QStringLiteral("    Testa"));
            QVERIFY(m_p->isEnabled());
        });
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Return);
        const QStringList vantat = felRundaEmellan ? QStringList{"4", "5", "3", "4"} : QStringList{"4"};
        QCOMPARE(lagen, vantat);
        QCOMPARE(cell(1, 4), QStringLiteral("    Testa"));
        QCOMPARE(int(OvningsLage), 2);
        QCOMPARE(DiagOvningNr, 5);
        QVERIFY(m_p->isEnabled());
        QVERIFY(!m_p->Panel2->isVisible());
        // The passed practice reaches the register; the result stays.
        const QList<TDiagnosPost> reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg[0].Status[1], StatusTesta);
        QCOMPARE(reg[0].Resultat[1], 10);
    }

    void waitingRowTellsWhatComesFirst_data()
    {
        QTest::addColumn<int>("rad");
        QTest::addColumn<QString>("forst");
        QTest::newRow("2") << 2 << "Ordförrådet 1";
        QTest::newRow("6") << 6 << "Genus 1";
        QTest::newRow("14") << 14 << "Starka verb 1";
    }
    void waitingRowTellsWhatComesFirst()
    {
        QFETCH(int, rad);
        QFETCH(QString, forst);
        standIns();
        oppna();
        klickaRad(rad);
        QCOMPARE(ProtokollRad, rad);
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Return);
        QVERIFY(m_oppnade.isEmpty());
        QVERIFY(m_p->isEnabled());
        QVERIFY(m_p->Panel2->isVisible());
        QCOMPARE(m_p->Label2->text(), QStringLiteral("Du måste göra ") + forst);
        QCOMPARE(m_p->Label3->text(), QStringLiteral("innan du gör detta test."));
        QVERIFY(m_p->rect().contains(m_p->Panel2->geometry()));
        QVERIFY(m_p->Panel2->y() >= m_p->StringGrid1->y() + m_p->StringGrid1->rowViewportPosition(rad));
        klickaRad(1);
        QVERIFY(!m_p->Panel2->isVisible());
    }

    void eachAreaOpensItsWindow_data()
    {
        QTest::addColumn<int>("omrade");
        QTest::addColumn<bool>("ova");
        QTest::addColumn<QString>("oppnad");
        QTest::newRow("1 test") << 1 << false << "TSKRIV VRDIAG01.DAT 2";
        QTest::newRow("4 practice") << 4 << true << "TSKRIV VROVN104.DAT 3";
        QTest::newRow("5 test") << 5 << false << "TFLERBAR VRDIAG05.DAT 2";
        QTest::newRow("6 practice") << 6 << true << "TFLERBAR VROVN106.DAT 3";
        QTest::newRow("7 test") << 7 << false << "TSkrivinf VRDIAG07.DAT 2";
        QTest::newRow("9 test") << 9 << false << "Tskriv2 VRDIAG09.DAT 2";
        QTest::newRow("10 practice") << 10 << true << "Tskriv2 VROVN110.DAT 3";
        QTest::newRow("12 practice") << 12 << true << "TSkrivinf VROVN112.DAT 3";
        QTest::newRow("13 test") << 13 << false << "TSKRIV VRDIAG13.DAT 2";
        QTest::newRow("15 test") << 15 << false << "TSKRIV VRDIAG15.DAT 2";
        QTest::newRow("16 practice") << 16 << true << "TSKRIV VROVN116.DAT 3";
        QTest::newRow("17 test") << 17 << false << "TSkrivinf VRDIAG17.DAT 2";
    }
    void eachAreaOpensItsWindow()
    {
        QFETCH(int, omrade);
        QFETCH(bool, ova);
        QFETCH(QString, oppnad);
        AktivDiagnos.Status[omrade] = ova ? StatusOva : StatusTesta;
        standIns();
        oppna();
        klickaRad(omrade);
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Return);
        QCOMPARE(m_oppnade, QStringList{oppnad});
        QCOMPARE(DiagRad, omrade);
        QVERIFY(m_p->isEnabled());
    }

    void anAreaWithoutItsWindowSaysSo()
    {
        MessageRecorder rec;
        standIns();
        avregistreraFonster(QStringLiteral("TFLERBAR"));
        oppna();
        klickaRad(5);
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Return);
        QVERIFY(m_oppnade.isEmpty());
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Övningsfönstret för Genus 1 finns inte i programmet än.")});
        QVERIFY(m_p->isEnabled());
    }

    void aRejectedFileOpensNothing()
    {
        MessageRecorder rec;
        standIns();
        QFile::remove(m_course->path(QStringLiteral("DATA/VRDIAG13.DAT")));
        oppna();
        klickaRad(13);
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Return);
        QVERIFY(m_oppnade.isEmpty());
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.last().contains(QStringLiteral("VRDIAG13.DAT")));
        QVERIFY(m_p->isEnabled());
    }

    void onlyTheAreaRowsStartAnything()
    {
        standIns();
        oppna();
        QTableWidget *g = m_p->StringGrid1;
        klickaRad(3);
        QCOMPARE(ProtokollRad, 3);
        // The total and the headers cannot be chosen or started.
        for (int rad : {18, 0}) {
            const QPoint pos = g->visualRect(g->model()->index(rad, 1)).center();
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, pos);
            QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, pos);
            QCOMPARE(ProtokollRad, 3);
        }
        QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, QPoint(10, g->viewport()->height() + 20));
        QCOMPARE(ProtokollRad, 3);
        QVERIFY(m_oppnade.isEmpty());
        // The keys stop at the first and the last area.
        klickaRad(17);
        QTest::keyClick(g, Qt::Key_Down);
        QCOMPARE(ProtokollRad, 17);
        klickaRad(1);
        QTest::keyClick(g, Qt::Key_Up);
        QCOMPARE(ProtokollRad, 1);
        // A double click on an area row starts that area.
        const QPoint pos = g->visualRect(g->model()->index(7, 1)).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, pos);
        QVERIFY(m_oppnade.isEmpty());
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, pos);
        QCOMPARE(m_oppnade, QStringList{QStringLiteral("TSkrivinf VRDIAG07.DAT 2")});
    }

    void avbrytaSavesTheRecord_data()
    {
        QTest::addColumn<QString>("hur");
        QTest::newRow("button") << "button";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("window closed") << "close";
    }
    void avbrytaSavesTheRecord()
    {
        QFETCH(QString, hur);
        bjornsProtokoll();
        QVERIFY(!QFile::exists(registerPath()));
        avbryt(hur);
        bjornArSparad();
    }

    // When "&Avbryta" cannot save, the protocol stays open with the reason,
    // and the results are saved once the register can be written; only the
    // pupil's "Ja" closes it without them.
    void failedSaveKeepsTheProtocolOpen_data()
    {
        QTest::addColumn<QString>("hur");
        QTest::addColumn<bool>("stangUtanAttSpara");
        QTest::newRow("button, then saved") << "button" << false;
        QTest::newRow("Esc, then saved") << "Esc" << false;
        QTest::newRow("window closed, then saved") << "close" << false;
        QTest::newRow("closed without saving") << "button" << true;
    }
    void failedSaveKeepsTheProtocolOpen()
    {
        QFETCH(QString, hur);
        QFETCH(bool, stangUtanAttSpara);
        bjornsProtokoll();
        m_course->mkdir(QStringLiteral("RESULTAT/TDIAG.DIA")); // the register cannot be read or replaced
        MessageRecorder m;
        m.answer(stangUtanAttSpara ? QMessageBox::Yes : QMessageBox::No);
        avbryt(hur);
        QCOMPARE(m.count(), 1);
        QCOMPARE(m.requests().first().kind, MessageBox::Kind::Question);
        QCOMPARE(m.requests().first().defaultButton, QMessageBox::No);
        QVERIFY(m.last().startsWith(QStringLiteral("Diagnosen kunde inte sparas i katalogen ")
                                    + m_course->path(QStringLiteral("RESULTAT"))));
        QVERIFY(m.last().contains(QStringLiteral("Vill du stänga det ändå?")));
        if (stangUtanAttSpara) {
            QVERIFY(!m_p->isVisible());
            QCOMPARE(int(DiagAvbruten), 1);
            QVERIFY(QFileInfo(registerPath()).isDir());
            return;
        }
        QVERIFY(m_p->isVisible());
        QCOMPARE(int(DiagAvbruten), 0);
        QCOMPARE(int(OvningsLage), 2);

        // The register can be written again: the same way out saves.
        QDir().rmdir(registerPath());
        avbryt(hur);
        QCOMPARE(m.count(), 1);
        bjornArSparad();
    }

    // The pupil was deleted while the protocol was open: "&Avbryta" asks
    // whether to keep the results as a new record, once, and closes either
    // way; without a yes the register stays without the pupil.
    void avbrytaAfterTheTeachersDeleteAsksOnce_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nej") << false;
    }
    void avbrytaAfterTheTeachersDeleteAsksOnce()
    {
        QFETCH(bool, yes);
        TDiagnosPost bo;
        bo.Namn = QStringLiteral("Bo");
        pupil(QStringLiteral("Björn"));
        AktivDiagnos.Resultat[7] = 3;
        AktivDiagnos.Status[7] = GeStatusTal(7);
        m_course->writeBytes(QStringLiteral("RESULTAT/TDIAG.DIA"), bo.toBytes() + AktivDiagnos.toBytes());
        HaemtaDiagnos(QStringLiteral("Björn"));
        oppna();
        m_course->writeBytes(QStringLiteral("RESULTAT/TDIAG.DIA"), bo.toBytes()); // the teacher's delete
        MessageRecorder m;
        m.answer(yes ? QMessageBox::Yes : QMessageBox::No);
        avbryt(QStringLiteral("button"));
        QCOMPARE(m.count(), 1);
        QVERIFY(m.last().startsWith(QStringLiteral("Diagnosen för \"Björn\" har tagits bort ur diagnosfilen ")));
        QVERIFY(!m_p->isVisible());
        QCOMPARE(int(DiagAvbruten), 1);
        const QList<TDiagnosPost> reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), yes ? 2 : 1);
        QCOMPARE(reg[0].Namn, QStringLiteral("Bo"));
        if (yes) {
            QCOMPARE(reg[1].Namn, QStringLiteral("Björn"));
            QCOMPARE(reg[1].Resultat[7], 3);
        }
    }

    // A result reported while another program has saved for the same pupil:
    // the register and the redrawn protocol hold both.
    void theProtocolShowsWhatAnotherProgramSaved()
    {
        m_course->writeBytes(QStringLiteral("RESULTAT/TDIAG.DIA"), AktivDiagnos.toBytes());
        HaemtaDiagnos(QStringLiteral("Anna"));
        oppna();
        TDiagnosPost andra = AktivDiagnos;
        andra.Resultat[16] = 18;
        andra.Status[16] = StatusTesta;
        m_course->writeBytes(QStringLiteral("RESULTAT/TDIAG.DIA"), andra.toBytes());
        DiagRad = 15;
        diagnosback(12);
        QCOMPARE(cell(15, 2).trimmed(), QStringLiteral("12"));
        QCOMPARE(cell(16, 2).trimmed(), QStringLiteral("18"));
        QCOMPARE(cell(16, 4).trimmed(), QStringLiteral("Testa"));
        QCOMPARE(cell(18, 2).trimmed(), QStringLiteral("30"));
        const QList<TDiagnosPost> reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg[0].Resultat[15], 12);
        QCOMPARE(reg[0].Resultat[16], 18);
    }

    void theRegisterDialogOpensTheProtocolAndClosesWithIt()
    {
        registreraAllaFonster();
        DiagnosPathKlar = 1;
        QString rubrik;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<TDiag *>(QApplication::activeModalWidget());
            QVERIFY(d);
            typeText(d->Edit1, QStringLiteral("Carla"));
            QTimer::singleShot(0, [&] {
                auto *p = qobject_cast<Tdiaprot *>(QApplication::activeModalWidget());
                QVERIFY(p);
                rubrik = p->Label1->text();
                QTest::mouseClick(p->AvbrytButton, Qt::LeftButton);
            });
            QTest::keyClick(d->Edit1, Qt::Key_Return);
            if (d->isVisible())
                d->AvbrytButtonClick();
        });
        TDiag_Visa();
        QCOMPARE(rubrik, QStringLiteral("Diagnosprotokoll för  Carla"));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(int(DiagAvbruten), 1);
        QCOMPARE(int(OvningsLage), 0);
        const QList<TDiagnosPost> reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg[0].Namn, QStringLiteral("Carla"));
    }

    void helpPanelAndNewPassword()
    {
        oppna();
        QTest::mouseClick(m_p->HjalpButton, Qt::LeftButton);
        QVERIFY(m_p->Panel1->isVisible());
        QCOMPARE(m_p->Label4->text(), QStringLiteral("Flytta till önskad rad och dubbelklicka"));
        QCOMPARE(m_p->Label5->text(), QStringLiteral("eller tryck enter så kommer diagnosen."));
        QVERIFY(m_p->rect().contains(m_p->Panel1->geometry()));
        QTest::keyClick(m_p->StringGrid1, Qt::Key_Down);
        QVERIFY(!m_p->Panel1->isVisible());
        QTest::mouseClick(m_p->HjalpButton, Qt::LeftButton);
        klickaRad(4);
        QVERIFY(!m_p->Panel1->isVisible());

        // "&Nytt lösen": the new password typed twice; it is saved at once.
        bool fragat = false;
        QTimer::singleShot(0, [&] {
            auto *n = qobject_cast<TNLOS *>(QApplication::activeModalWidget());
            QVERIFY(n);
            fragat = true;
            for (int i = 0; i < 2; ++i) {
                typeAndEnter(n->maskedit1, QStringLiteral("neu"));
            }
            if (n->isVisible())
                n->reject();
        });
        QTest::mouseClick(m_p->LosenButton, Qt::LeftButton);
        QVERIFY(fragat);
        QCOMPARE(AktivDiagnos.Losen, QStringLiteral("neu"));
        QCOMPARE(m_p->focusWidget(), m_p->StringGrid1);
        QList<TDiagnosPost> reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg[0].Losen, QStringLiteral("neu"));
        QTest::mouseClick(m_p->AvbrytButton, Qt::LeftButton);
        reg = lasRegistret(registerPath());
        QCOMPARE(reg.size(), 1);
        QCOMPARE(reg[0].Losen, QStringLiteral("neu"));
    }

    void layoutFitsEveryScreen_data()
    {
        QTest::addColumn<QSize>("skarm");
        QTest::newRow("160x120") << QSize(160, 120);
        QTest::newRow("320x240") << QSize(320, 240);
        QTest::newRow("640x480") << QSize(640, 480);
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x1200") << QSize(3840, 1200);
        QTest::newRow("1080x1920") << QSize(1080, 1920);
    }
    void layoutFitsEveryScreen()
    {
        QFETCH(QSize, skarm);
        oppna();
        m_p->layOut(skarm);
        const QRect fonster(QPoint(0, 0), skarm);
        QTableWidget *g = m_p->StringGrid1;
        QVERIFY(fonster.contains(g->geometry()));
        QVERIFY(g->y() >= m_p->Label1->geometry().bottom());
        int rader = 0;
        for (int r = 0; r < g->rowCount(); ++r) {
            QVERIFY(g->rowHeight(r) >= 1);
            rader += g->rowHeight(r);
        }
        QVERIFY(rader <= g->height());
        int kolumner = 0;
        for (int c = 0; c < g->columnCount(); ++c) {
            QVERIFY2(g->columnWidth(c) >= 1, qPrintable(QString::number(c)));
            kolumner += g->columnWidth(c);
        }
        QVERIFY(kolumner <= skarm.width());
        QVERIFY(g->geometry().bottom() < m_p->EscapePanel->y());
        QCOMPARE(m_p->EscapePanel->geometry().bottom(), skarm.height() - 1);
        QRect forra;
        for (QPushButton *b : {m_p->AvbrytButton, m_p->LosenButton, m_p->HjalpButton, m_p->SkrivutButton}) {
            QVERIFY(QRect(QPoint(0, 0), m_p->EscapePanel->size()).contains(b->geometry()));
            QVERIFY(!b->geometry().intersects(forra));
            forra = b->geometry();
        }
        int forraPos = 0;
        for (int c = 1; c <= 4; ++c) {
            QVERIFY2(KolumnProcent[c] > forraPos, qPrintable(QString::number(c)));
            forraPos = KolumnProcent[c];
        }
        QVERIFY(forraPos < 100);
    }

    void printedProtocolReadsBack_data()
    {
        QTest::addColumn<QList<int>>("procent"); // empty: as the window laid out
        QTest::newRow("window's columns") << QList<int>{};
        QTest::newRow("wide screen") << QList<int>{2, 94, 96, 98};
        QTest::newRow("wide number column") << QList<int>{45, 55, 70, 85};
    }
    void printedProtocolReadsBack()
    {
        QFETCH(QList<int>, procent);
        QTemporaryDir pdfDir;
        qputenv("VARMIKO_PRINT_PDF_DIR", pdfDir.path().toLocal8Bit());
        AktivDiagnos.Resultat[1] = 17;
        AktivDiagnos.Status[1] = GeStatusTal(1); // also unlocks area 2
        AktivDiagnos.Ar[1] = 2024;
        AktivDiagnos.Manad[1] = 1;
        AktivDiagnos.Dag[1] = 2;
        AktivDiagnos.Timme[1] = 3;
        AktivDiagnos.Minut[1] = 4;
        oppna();
        for (int c = 1; c <= procent.size(); ++c)
            KolumnProcent[c] = procent[c - 1];
        QTest::mouseClick(m_p->SkrivutButton, Qt::LeftButton);
        const QString pdf = Printing::lastPdfFile();
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(m_p->focusWidget(), m_p->StringGrid1);

        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished(30000);
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));

        const QList<Ord> ord = pdfOrd(pdf);
        QStringList texter;
        for (const Ord &o : ord)
            texter << o.text;
        const QString allt = texter.join(QLatin1Char(' '));
        QVERIFY(allt.startsWith(QStringLiteral("Diagnosprotokoll från Varmiko för Anna.")));
        for (int k = 1; k <= 17; ++k)
            QVERIFY2(allt.contains(DiagOmraden[k]), qPrintable(DiagOmraden[k]));
        QVERIFY(allt.contains(QStringLiteral("240102 03:04")));
        QVERIFY(allt.contains(QStringLiteral("Summa: 17")));
        QCOMPARE(texter.count(QStringLiteral("Testa")), 2);
        QCOMPARE(texter.count(QStringLiteral("Vänta")), 7);
        QCOMPARE(texter.count(QStringLiteral("Börja")), 8);

        // Every text stays inside the ruled box, and the header columns do
        // not run into each other.
        QMap<QString, Ord> rubrik;
        for (const Ord &o : ord) {
            QVERIFY2(mm(o.xMax) <= 195.5, qPrintable(o.text));
            QVERIFY2(mm(o.xMin) >= 14.5, qPrintable(o.text));
            if (!rubrik.contains(o.text))
                rubrik.insert(o.text, o);
        }
        const QStringList ordning{"Nr", "Område", "Resultat", "Tidpunkt", "Status"};
        for (int i = 1; i < ordning.size(); ++i)
            QVERIFY2(rubrik.value(ordning[i]).xMin > rubrik.value(ordning[i - 1]).xMax, qPrintable(ordning[i]));

        // The rules: 19 rows 8 mm apart under the title, and the closing line.
        const QString png = pdfDir.filePath(QStringLiteral("sida"));
        QProcess ppm;
        ppm.start(QStringLiteral("pdftoppm"), {"-r", "100", "-gray", "-png", "-singlefile", pdf, png});
        ppm.waitForFinished(30000);
        const QImage bild(png + QStringLiteral(".png"));
        QVERIFY(!bild.isNull());
        const int x = int(16.0 / 25.4 * 100);
        QList<double> linjer;
        bool morkt = false;
        for (int y = 0; y < bild.height(); ++y) {
            const bool m = qGray(bild.pixel(x, y)) < 200;
            if (m && !morkt)
                linjer << y * 25.4 / 100;
            morkt = m;
        }
        QCOMPARE(linjer.size(), 20);
        QVERIFY(qAbs(linjer[0] - 12) < 1);
        for (int i = 1; i < 19; ++i)
            QVERIFY(qAbs(linjer[i] - linjer[i - 1] - 8) < 0.6);
        QVERIFY(qAbs(linjer[19] - linjer[18] - 10) < 0.6);
    }

    void theCourseHasBothFilesOfEveryArea()
    {
        const QString kurs = qEnvironmentVariable("VARMIKO_COURSE");
        if (kurs.isEmpty())
            QSKIP("no course directory given");
        PCPath = kurs;
        CDPath.clear();
        MessageRecorder rec;
        for (int k = 1; k <= 17; ++k) {
            for (bool ova : {false, true}) {
                const QString fil = diagnosFilNamn(k, ova);
                QVERIFY2(Kolla(fil), qPrintable(fil));
                QVERIFY2(PostAntal[ListNummer] >= 20, qPrintable(fil));
                QCOMPARE(int(GeProgramtal(fil)), ova ? 100 + k : k);
            }
        }
        QCOMPARE(rec.count(), 0);
    }
};

VARMIKO_TEST_MAIN(TestProtocol)
#include "test_protocol.moc"
