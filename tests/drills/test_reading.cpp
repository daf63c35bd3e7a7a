// The reading exercises, driven as a pupil would: reading speed (choosing a
// text, the word walk, the pace, the vanishing words and the result), the
// horoscope (the sign list, the picture, the seven lines, the vocabulary and
// the printout) and reveal the story (masks, the word bank with drops, typed
// guesses, the figures and the end).

#include "MessageRecorder.h"
#include "PdfText.h"
#include "TestCourse.h"
#include "TestMain.h"
#include "Typing.h"
#include "app/allafonster.h"
#include "drills/vocabulary/Avslojning.h"
#include "drills/vocabulary/LasYta.h"
#include "drills/vocabulary/Ordbank.h"
#include "drills/vocabulary/Ordruta.h"
#include "drills/vocabulary/TSpeed.h"
#include "drills/vocabulary/Tavsloj.h"
#include "drills/vocabulary/Thoroskop.h"
#include "drills/vocabulary/Zodiakbild.h"
#include "drills/vocabulary/horoskop.h"
#include "drills/vocabulary/lasning.h"
#include "frame/catalogue/fonsterregister.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Clock.h"
#include "platform/DesignTimer.h"
#include "platform/Printing.h"
#include "platform/ShapeWidget.h"

#include <QDate>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

// Shows a window as the active one, so that focus and double-clicks work.
void showActive(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// Selects the row with a click and opens it with a double-click. (The
// first press a fresh window gets only starts the mouse state.)
void doubleClick(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList items(const QListWidget *list)
{
    QStringList l;
    for (int i = 0; i < list->count(); ++i)
        l << list->item(i)->text();
    return l;
}

// True when some pixel of the area is dark, as black writing is.
bool hasDarkPixels(const QImage &image, const QRect &area)
{
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

// Drags a word of the bank onto a widget as the bank would: its own drag
// data, then enter, move and drop. False when the target refuses it.
bool dropWord(QListWidget *bank, QWidget *target, const QString &word)
{
    const QList<QListWidgetItem *> found = bank->findItems(word, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const std::unique_ptr<QMimeData> data(bank->model()->mimeData({bank->model()->index(bank->row(found.first()), 0)}));
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

QStringList memoLines(const QPlainTextEdit *m)
{
    return m->toPlainText().split(QLatin1Char('\n'));
}

// A horoscope file in which line n reads "Zeile n", and each sign's gap
// begins with four "$" lines of its own.
QStringList horoscopeFixture(int lines = 250)
{
    QStringList l;
    for (int n = 1; n <= lines; ++n)
        l << QStringLiteral("Zeile %1").arg(n);
    for (int i = 0; i < AntalTecken; ++i) {
        const int after = teckenRader(i).sista; // line numbers from 1
        for (int k = 1; k <= 4 && after + k <= lines; ++k)
            l[after + k - 1] = QStringLiteral("$Schluss %1 %2").arg(i).arg(k);
    }
    return l;
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

    QTemporaryDir m_pdf;
    qint64 m_ms = 0; // the stopwatch clock the reading-speed window sees

    // One tick of the word pace, the clock moved on by the timer's interval.
    static void tick(TSpeed &w, qint64 &ms)
    {
        ms += w.Timer1->interval();
        w.Timer1Timer();
    }

private slots:
    void init()
    {
        QDir(m_pdf.path()).removeRecursively();
        QDir().mkpath(m_pdf.path());
        qputenv("VARMIKO_PRINT_PDF_DIR", m_pdf.path().toLocal8Bit());
        m_ms = 0;
        Clock::setElapsedSource([this] { return m_ms; });
    }
    void cleanup()
    {
        qunsetenv("VARMIKO_PRINT_PDF_DIR");
        Clock::setElapsedSource({});
    }

    // ---- Reading speed -------------------------------------------------

    void textsAreListedAndChosenByTheirMarks_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("choose");
        QTest::addColumn<QStringList>("text");
        QTest::newRow("three texts, lines after the last mark belong to none")
            << QStringList{"Erster Text.", "#", "Zweiter", "Text.", "#", "Dritter.", "#", "Rest"}
            << QStringList{"1", "2", "3"} << 2 << QStringList{"Zweiter", "Text."};
        QTest::newRow("a mark with blanks is listed but separates nothing")
            << QStringList{"Eins", " # ", "Zwei", "#"} << QStringList{"1", "2"} << 1
            << QStringList{"Eins", " # ", "Zwei"};
        QTest::newRow("a scrambled line is read plain")
            << QStringList{kryptrad(QStringLiteral("Geheime Zeile mit Umlauten: äöü")), "#"} << QStringList{"1"} << 1
            << QStringList{"Geheime Zeile mit Umlauten: äöü"};
        QTest::newRow("80 characters of a line are read")
            << QStringList{QString(79, QChar(u'a')) + QStringLiteral(" bc"), "#"} << QStringList{"1"} << 1
            << QStringList{QString(79, QChar(u'a')) + QLatin1Char(' ')};
        QStringList lang;
        for (int i = 1; i <= 35; ++i)
            lang << QStringLiteral("Zeile%1").arg(i);
        QTest::newRow("a text keeps 29 lines") << (lang + QStringList{"#"}) << QStringList{"1"} << 1 << lang.mid(0, 29);
    }
    void textsAreListedAndChosenByTheirMarks()
    {
        QFETCH(QStringList, file);
        QFETCH(QStringList, listed);
        QFETCH(int, choose);
        QFETCH(QStringList, text);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), file);
        c.activate();
        TSpeed w;
        showActive(w);
        QCOMPARE(items(w.ListBox1), listed);
        QVERIFY(!w.Button1->isEnabled());
        QVERIFY(w.Panel1->isVisible());
        doubleClick(w.ListBox1, choose - 1);
        QCOMPARE(w.LasRader(), text);
        QVERIFY(!w.Panel1->isVisible());
        QVERIFY(w.Button1->isEnabled());
        QCOMPARE(w.statistik().LasOrdAntal, qint32(Statistik(text).LasOrdAntal));
    }

    void theWalkTakesWordsWithTheirBlanks_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("letters");
        QTest::newRow("three words, then a letter") << QStringList{"Das ist gut.", "a"}
                                                    << QStringList{"Das ", "ist ", "gut.", "a"} << 11;
        QTest::newRow("a question mark after a blank") << QStringList{"Wie geht es ?"}
                                                       << QStringList{"Wie ", "geht ", "es ", "?"} << 10;
        QTest::newRow("two blanks give a word of one blank") << QStringList{"zwei  Blanks"}
                                                             << QStringList{"zwei ", " ", "Blanks"} << 10;
        QTest::newRow("a blank at the end gives no empty word") << QStringList{"Ende ", "x"}
                                                                << QStringList{"Ende ", "x"} << 5;
        QTest::newRow("an empty line ends the walk") << QStringList{"eins zwei", "", "drei"}
                                                     << QStringList{"eins ", "zwei"} << 8;
        const QString lang = QStringLiteral("Donaudampfschifffahrtsgesellschaftskapitän");
        QTest::newRow("a long word stays whole") << QStringList{lang + QStringLiteral(" ja")}
                                                 << QStringList{lang + QLatin1Char(' '), "ja"} << int(lang.size()) + 2;
        QTest::newRow("an empty text has no words") << QStringList{} << QStringList{} << 0;
    }
    void theWalkTakesWordsWithTheirBlanks()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, words);
        QFETCH(int, letters);
        Ordvandring walk(lines);
        QStringList got;
        while (!walk.slut() && got.size() < 100)
            got << walk.SuddaOrd();
        QCOMPARE(got, words);
        const LasStatistik s = Statistik(lines);
        QCOMPARE(s.LasOrdAntal, qint32(words.size()));
        QCOMPARE(s.LasBokstavAntal, qint32(letters));
    }

    void theCountsShowBesideTheText_data()
    {
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("11 letters in 4 words") << QStringList{"Das ist gut.", "a"}
                                               << QStringList{"4 ord", "11 bokstäver", "2.8 bokstäver per ord"};
        QTest::newRow("the lines after an empty line aren't counted")
            << QStringList{"Eins zwei", "", "drei vier fünf"} << QStringList{"2 ord", "8 bokstäver", "4.0 bokstäver per ord"};
        QTest::newRow("a text without words") << QStringList{"", "Rest"}
                                              << QStringList{"0 ord", "0 bokstäver", "0.0 bokstäver per ord"};
    }
    void theCountsShowBesideTheText()
    {
        QFETCH(QStringList, text);
        QFETCH(QStringList, labels);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), text + QStringList{"#"});
        c.activate();
        TSpeed w;
        showActive(w);
        doubleClick(w.ListBox1, 0);
        QCOMPARE(QStringList({w.Label8->text(), w.Label9->text(), w.Label10->text()}), labels);
        // Every line is shown, also those after an empty one.
        QCOMPARE(w.LasRader(), text);
    }

    void thePaceFollowsTheScrollBar_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("label");
        QTest::newRow("start position") << 500 << 500 << "120 ord / min";
        QTest::newRow("fastest") << 900 << 100 << "600 ord / min";
        QTest::newRow("slowest") << 1 << 999 << "60 ord / min";
        QTest::newRow("62.5 goes to the even 62") << 40 << 960 << "62 ord / min";
        QTest::newRow("187.5 goes to the even 188") << 680 << 320 << "188 ord / min";
    }
    void thePaceFollowsTheScrollBar()
    {
        QFETCH(int, position);
        QFETCH(int, interval);
        QFETCH(QString, label);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), {"Ein kurzer Text.", "#"});
        c.activate();
        TSpeed w;
        showActive(w);
        QCOMPARE(w.Label11->text(), QStringLiteral("120 ord / min"));
        doubleClick(w.ListBox1, 0);
        // Before the start only the label follows.
        w.ScrollBar1->setValue(position);
        QCOMPARE(w.Label11->text(), label);
        QCOMPARE(w.Timer1->interval(), 0);
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QCOMPARE(w.Timer1->interval(), interval);
        QCOMPARE(w.Timer2->interval(), 1000);
        // While the words vanish the pace changes at once.
        w.ScrollBar1->setValue(position == 500 ? 900 : 500);
        QCOMPARE(w.Timer1->interval(), position == 500 ? 100 : 500);
    }

    void enterOnATextLeavesTheFocusOnStarta()
    {
        // The list goes away with its panel: Enter then starts the text,
        // it never reaches "Avbryt".
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), {"Ein kurzer Text.", "#", "Noch einer.", "#"});
        c.activate();
        TSpeed w;
        showActive(w);
        QCOMPARE(QApplication::focusWidget(), w.ListBox1);
        QTest::keyClick(w.ListBox1, Qt::Key_Down);
        QTest::keyClick(w.ListBox1, Qt::Key_Return);
        QVERIFY(!w.Panel1->isVisible());
        QCOMPARE(w.LasRader(), QStringList{QStringLiteral("Noch einer.")});
        QCOMPARE(QApplication::focusWidget(), w.Button1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(w.isVisible());
        QVERIFY(!w.Button1->isEnabled());
        QCOMPARE(w.Timer1->interval(), 500);
        QCOMPARE(QApplication::focusWidget(), w.ScrollBar1);
    }

    void keysMoveThumbAndPaceTheSameWay_data()
    {
        // From the start position: +1 a higher position, a shorter word
        // interval, a faster pace and the thumb further right; -1 the other
        // way.
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("fran");
        QTest::addColumn<int>("hall");
        QTest::addColumn<int>("position");
        QTest::newRow("Right") << int(Qt::Key_Right) << 500 << 1 << 510;
        QTest::newRow("Left") << int(Qt::Key_Left) << 500 << -1 << 490;
        QTest::newRow("Down") << int(Qt::Key_Down) << 500 << 1 << 510;
        QTest::newRow("Up") << int(Qt::Key_Up) << 500 << -1 << 490;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 500 << 1 << -1;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 500 << -1 << -1;
        QTest::newRow("End") << int(Qt::Key_End) << 500 << 1 << 900;
        QTest::newRow("Home") << int(Qt::Key_Home) << 500 << -1 << 1;
        QTest::newRow("Right at the fastest pace") << int(Qt::Key_Right) << 900 << 0 << 900;
        QTest::newRow("Left at the slowest pace") << int(Qt::Key_Left) << 1 << 0 << 1;
    }
    void keysMoveThumbAndPaceTheSameWay()
    {
        QFETCH(int, key);
        QFETCH(int, fran);
        QFETCH(int, hall);
        QFETCH(int, position);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), {"Ein kurzer Text.", "#"});
        c.activate();
        TSpeed w;
        showActive(w);
        QScrollBar *s = w.ScrollBar1;
        s->setValue(fran);
        s->setFocus();
        const auto tumme = [s] {
            QStyleOptionSlider opt;
            opt.initFrom(s);
            opt.orientation = s->orientation();
            opt.minimum = s->minimum();
            opt.maximum = s->maximum();
            opt.sliderPosition = s->sliderPosition();
            opt.sliderValue = s->value();
            opt.singleStep = s->singleStep();
            opt.pageStep = s->pageStep();
            opt.upsideDown = s->invertedAppearance();
            opt.subControls = QStyle::SC_All;
            return s->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, s).center().x();
        };
        const auto takt = [&w] { return w.Label11->text().section(QLatin1Char(' '), 0, 0).toInt(); };
        const int x0 = tumme();
        const int takt0 = takt();
        QTest::keyClick(s, Qt::Key(key));
        if (position > 0)
            QCOMPARE(s->value(), position);
        const auto tecken = [](int d) { return d > 0 ? 1 : d < 0 ? -1 : 0; };
        QCOMPARE(tecken(s->value() - fran), hall);
        QCOMPARE(tecken(takt() - takt0), hall);
        QCOMPARE(tecken(tumme() - x0), hall);
        QCOMPARE(w.Label11->text(), taktText(ordIntervall(s->value())));
    }

    void wordsVanishOneByOneAndTheResultIsShown_data()
    {
        QTest::addColumn<int>("msPerWord");
        QTest::addColumn<QString>("message");
        QTest::newRow("two seconds") << 500
                                     << "Övningen är nu avslutad. Den tog 2 sekunder och din läshastighet var 120 ord per minut.";
        QTest::newRow("under a second shows as one")
            << 100 << "Övningen är nu avslutad. Den tog 1 sekunder och din läshastighet var 600 ord per minut.";
        QTest::newRow("a slow reader") << 1750
                                       << "Övningen är nu avslutad. Den tog 7 sekunder och din läshastighet var  34 ord per minut.";
    }
    void wordsVanishOneByOneAndTheResultIsShown()
    {
        QFETCH(int, msPerWord);
        QFETCH(QString, message);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), {"Wir lesen schnell.", "Gut!", "#"});
        c.activate();
        MessageRecorder m;
        TSpeed w;
        showActive(w);
        doubleClick(w.ListBox1, 0);
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QVERIFY(!w.Button1->isEnabled());
        QVERIFY(w.ScrollBar1->hasFocus());

        const QFontMetrics fm(w.PaintBox1->font());
        const int h = fm.height();
        const QRect first(10, 10, fm.horizontalAdvance(QStringLiteral("Wir ")) - 2, h);
        const QRect second(10 + fm.horizontalAdvance(QStringLiteral("Wir ")) + 1, 10,
                           fm.horizontalAdvance(QStringLiteral("lesen")) - 2, h);
        const QRect secondLine(10, 30, fm.horizontalAdvance(QStringLiteral("Gut!")), h);
        QImage shown = w.PaintBox1->grab().toImage();
        QVERIFY(hasDarkPixels(shown, first));
        QVERIFY(hasDarkPixels(shown, second));

        m_ms += msPerWord;
        w.Timer1Timer();
        shown = w.PaintBox1->grab().toImage();
        QVERIFY(!hasDarkPixels(shown, first));
        QVERIFY(hasDarkPixels(shown, second));
        QCOMPARE(w.RitaX(), 10 + fm.horizontalAdvance(QStringLiteral("Wir ")));

        for (int i = 0; i < 2; ++i) {
            m_ms += msPerWord;
            w.Timer1Timer();
        }
        // The first line is gone, the paint position is at the next.
        QCOMPARE(w.RitaX(), 10);
        QCOMPARE(w.RitaY(), 30);
        shown = w.PaintBox1->grab().toImage();
        QVERIFY(!hasDarkPixels(shown, QRect(0, 10, w.PaintBox1->width(), h)));
        QVERIFY(hasDarkPixels(shown, secondLine));

        m_ms += msPerWord;
        w.Timer1Timer();
        QVERIFY(!hasDarkPixels(w.PaintBox1->grab().toImage(), w.PaintBox1->rect()));
        QCOMPARE(m.count(), 0);

        // The tick that finds the text through comes one interval later; the
        // time read ends with the last word.
        m_ms += msPerWord;
        w.Timer1Timer();
        QCOMPARE(m.texts(), QStringList{message});
        QCOMPARE(w.Timer1->interval(), 0);
        QCOMPARE(w.Timer2->interval(), 0);
        QCOMPARE(w.LasSekunder(), 0);
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(!w.Button1->isEnabled());

        // Another text can be chosen at once.
        doubleClick(w.ListBox1, 0);
        QVERIFY(w.Button1->isEnabled());
        QVERIFY(hasDarkPixels(w.PaintBox1->grab().toImage(), first));
    }

    // The words per minute come from the exact time read: 109 words at 600
    // a minute take 10.9 s, which whole seconds would report as 654.
    void theSpeedReportedIsThePaceSet_data()
    {
        QTest::addColumn<int>("position");
        for (int position : {1, 100, 250, 400, 500, 600, 700, 750, 800, 850, 880, 900})
            QTest::newRow(qPrintable(QString::number(position))) << position;
    }
    void theSpeedReportedIsThePaceSet()
    {
        QFETCH(int, position);
        QStringList text;
        for (int rad = 0; rad < 11; ++rad) {
            QStringList ord;
            for (int i = 1; i <= (rad < 10 ? 10 : 9); ++i)
                ord << QStringLiteral("Wort%1").arg(rad * 10 + i);
            text << ord.join(QLatin1Char(' '));
        }
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), text + QStringList{"#"});
        c.activate();
        MessageRecorder m;
        TSpeed w;
        showActive(w);
        doubleClick(w.ListBox1, 0);
        QCOMPARE(w.statistik().LasOrdAntal, 109);
        w.ScrollBar1->setValue(position);
        const int takt = w.Label11->text().section(QLatin1Char(' '), 0, 0).toInt();
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        for (int i = 0; i <= 109 && m.count() == 0; ++i) {
            tick(w, m_ms);
            w.Timer2Timer(); // the seconds counter ticks along; it doesn't decide the speed
        }
        QCOMPARE(m.count(), 1);
        const QRegularExpressionMatch svar = QRegularExpression(QStringLiteral("tog (\\d+) sekunder .* var +(\\d+) ord per minut"))
                                                 .match(m.texts().first());
        QVERIFY2(svar.hasMatch(), qPrintable(m.texts().first()));
        const int sekunder = svar.captured(1).toInt();
        const int hastighet = svar.captured(2).toInt();
        QVERIFY2(qAbs(hastighet - takt) * 50 <= takt, qPrintable(m.texts().first() + QStringLiteral(" / ") + w.Label11->text()));
        // The seconds shown are the time read, whole.
        QVERIFY(qAbs(sekunder * 1000 - 109 * ordIntervall(position)) <= 500);
    }

    void escapeCancelsInEveryState()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS61000.DAT"), {"Ein Text.", "#"});
        c.activate();
        for (int state = 0; state < 3; ++state) {
            TSpeed w;
            showActive(w);
            if (state >= 1)
                doubleClick(w.ListBox1, 0);
            if (state == 2)
                QTest::mouseClick(w.Button1, Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Escape);
            QVERIFY2(!w.isVisible(), qPrintable(QString::number(state)));
            QCOMPARE(w.result(), int(QDialog::Rejected));
            QCOMPARE(w.Timer1->interval(), 0);
        }
    }

    // ---- Horoscope -----------------------------------------------------

    void theSignListLinesUpNamesAndDates_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("dates");
        const char *rows[][2] = {
            {"Widder", "21.Mär   -  20.Apr"},     {"Stier", "21.Apr   -  21.Mai"},
            {"Zwillinge", "22.Mai  -  21.Jun"},   {"Krebs", "22.Jun  -  23.Jul"},
            {"Löwe", "24.Jul  -  23.Aug"},        {"Jungfrau", "24.Aug -  23.Sep"},
            {"Waage", "24.Sep -  23.Okt"},        {"Skorpion", "24.Okt -  22.Nov"},
            {"Schütze", "23.Nov -  21.Dez"},      {"Steinbock", "22.Dez -  20.Jan"},
            {"Wassermann", "21.Jan   -  19.Feb"}, {"Fische", "20.Feb  -  20.Mär"},
        };
        for (int i = 0; i < 12; ++i)
            QTest::newRow(rows[i][0]) << i << QString::fromUtf8(rows[i][0]) << QString::fromUtf8(rows[i][1]);
    }
    void theSignListLinesUpNamesAndDates()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, dates);
        TestCourse c;
        c.activate();
        Thoroskop w;
        QCOMPARE(w.ListBox3->count(), 12);
        const QString item = w.ListBox3->item(index)->text();
        QVERIFY2(item.startsWith(name + QLatin1Char(' ')), qPrintable(item));
        QVERIFY2(item.endsWith(dates), qPrintable(item));
        // The first day stands about 100 pixels in, measured as the list is
        // padded; the corrections move it by a blank or two.
        const QString padded = item.left(item.size() - dates.size());
        const QFontMetricsF fm(w.TestLabel2->font());
        const double blank = fm.horizontalAdvance(QStringLiteral(" "));
        QVERIFY2(qAbs(fm.horizontalAdvance(padded) - 100) <= 2 * blank + blank / 2 + 0.5,
                 qPrintable(QStringLiteral("%1: %2").arg(item).arg(fm.horizontalAdvance(padded))));
    }

    void theSignsFollowOneAnotherWithOneFormOfMonth()
    {
        const QStringList monate{"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
        auto tag = [&monate](const QString &text) {
            const QStringList d = text.trimmed().split(QLatin1Char('.'));
            if (d.size() != 2 || !monate.contains(d[1]))
                return QDate();
            return QDate(2023, int(monate.indexOf(d[1])) + 1, d[0].toInt());
        };
        const QStringList tecken = Stjarntecken();
        QCOMPARE(tecken.size(), 12);
        for (int i = 0; i < 12; ++i) {
            const QStringList f = tecken[i].split(QLatin1Char('#'));
            QCOMPARE(f.size(), 3);
            QVERIFY(f[2].startsWith(QStringLiteral("-  ")));
            const QDate forsta = tag(f[1]);
            const QDate sista = tag(f[2].mid(3));
            QVERIFY2(forsta.isValid() && sista.isValid(), qPrintable(tecken[i]));
            // The next sign begins the day after this one ends.
            const QDate nasta = tag(tecken[(i + 1) % 12].split(QLatin1Char('#'))[1]);
            QVERIFY2(sista.addDays(1).dayOfYear() == nasta.dayOfYear(), qPrintable(tecken[i]));
        }
    }

    void clickingThePictureSelectsASign_data()
    {
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<int>("selected");
        QTest::newRow("left column, top: Widder") << QPoint(50, 50) << 0;
        QTest::newRow("left column: Stier") << QPoint(50, 150) << 1;
        QTest::newRow("left column, low: Krebs") << QPoint(50, 320) << 3;
        QTest::newRow("bottom row: Waage") << QPoint(400, 400) << 6;
        QTest::newRow("bottom row, left: Krebs") << QPoint(20, 500) << 3;
        QTest::newRow("right column, top: Fische") << QPoint(600, 50) << 11;
        QTest::newRow("right column, low: Schütze") << QPoint(600, 320) << 8;
        QTest::newRow("the middle changes nothing") << QPoint(300, 100) << 4;
        QTest::newRow("the line between changes nothing") << QPoint(50, 328) << 4;
    }
    void clickingThePictureSelectsASign()
    {
        QFETCH(QPoint, click);
        QFETCH(int, selected);
        TestCourse c;
        c.activate();
        Thoroskop w;
        showActive(w);
        QCOMPARE(w.ListBox3->currentRow(), 0);
        QCOMPARE(w.hrut->pos(), hrutPlats(0));
        w.ListBox3->setCurrentRow(4);
        QTest::mouseClick(w.Image1, Qt::LeftButton, {}, click);
        QCOMPARE(w.ListBox3->currentRow(), selected);
        QCOMPARE(w.hrut->pos(), hrutPlats(selected));
        QVERIFY(w.hrut->isVisible());
        QCOMPARE(w.Label2->text(), QString(QChar(char16_t(0x2648 + selected))));
        QCOMPARE(w.Label3->text(), w.Label2->text());
        // The marker lies within the picture.
        QVERIFY(QRect(0, 0, Zodiakbild::Bredd, Zodiakbild::Hojd).contains(w.hrut->geometry()));
    }

    void aHoroscopeIsSevenLinesInFileOrderAndTheClosingLines_data()
    {
        QTest::addColumn<int>("sign");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Krebs by double-click") << 3 << false;
        QTest::newRow("Widder by Enter") << 0 << true;
        QTest::newRow("Fische by double-click") << 11 << false;
    }
    void aHoroscopeIsSevenLinesInFileOrderAndTheClosingLines()
    {
        QFETCH(int, sign);
        QFETCH(bool, byEnter);
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS62000.DAT"), horoscopeFixture());
        c.activate();
        MessageRecorder m;
        Thoroskop w;
        showActive(w);
        if (byEnter) {
            w.ListBox3->setCurrentRow(sign);
            w.ListBox3->setFocus();
            QTest::keyClick(w.ListBox3, Qt::Key_Return);
        } else {
            doubleClick(w.ListBox3, sign);
        }
        QCOMPARE(m.count(), 0);
        const QStringList lines = memoLines(w.Memo1);
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines[0], QStringLiteral("   ") + teckenNamn(sign));
        const TeckenRader range = teckenRader(sign);
        int before = 0;
        for (int i = 1; i <= 7; ++i) {
            QVERIFY2(lines[i].startsWith(QLatin1String("Zeile ")), qPrintable(lines[i]));
            const int n = lines[i].mid(6).toInt();
            QVERIFY(n >= range.forsta && n <= range.sista);
            QVERIFY2(n > before, "in file order");
            before = n;
        }
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(lines[7 + k], QStringLiteral("Schluss %1 %2").arg(sign).arg(k));

        QVERIFY(w.Panel1->isVisible());
        QVERIFY(!w.ListBox3->isVisible());
        QVERIFY(!w.ListBox3->isEnabled());
        QVERIFY(!w.Image1->isEnabled());
        QVERIFY(w.Button1->hasFocus());

        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QVERIFY(!w.Panel1->isVisible());
        QVERIFY(w.ListBox3->isVisible());
        QVERIFY(w.ListBox3->isEnabled());
        QVERIFY(w.Image1->isEnabled());
        QVERIFY(w.ListBox3->hasFocus());
    }

    void everyDrawIsAFreshChoice()
    {
        const HoroSlumpTabell t = SlumpOrdning(31, 43);
        QList<qint32> drawn;
        for (int i = 1; i <= HoroSlumpMax; ++i) {
            if (i >= 31 && i <= 43)
                drawn << t[i];
            else
                QCOMPARE(t[i], 0);
        }
        std::sort(drawn.begin(), drawn.end());
        QList<qint32> all;
        for (int n = 31; n <= 43; ++n)
            all << n;
        QCOMPARE(drawn, all);
        QCOMPARE(valdaRader(t), QList<qint32>(t.begin() + 31, t.begin() + 38));

        TestCourse c;
        c.write(QStringLiteral("DATA/VRS62000.DAT"), horoscopeFixture());
        c.activate();
        Thoroskop w;
        showActive(w);
        QSet<QString> texts;
        for (int i = 0; i < 5; ++i) {
            doubleClick(w.ListBox3, 0);
            texts.insert(w.Memo1->toPlainText());
            QTest::mouseClick(w.Button1, Qt::LeftButton);
        }
        QVERIFY(texts.size() > 1);
    }

    void aFileThatCannotServeIsReported_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("withCd");
        QTest::newRow("missing") << 0 << false;
        QTest::newRow("missing, with a CD") << 0 << true;
        QTest::newRow("ends inside the sign's lines") << 72 << false;
    }
    void aFileThatCannotServeIsReported()
    {
        QFETCH(int, lines);
        QFETCH(bool, withCd);
        TestCourse pc;
        TestCourse cd;
        pc.mkdir(QStringLiteral("DATA"));
        if (lines > 0)
            pc.write(QStringLiteral("DATA/VRS62000.DAT"), horoscopeFixture(lines));
        pc.activate(withCd ? cd.root() : QString());
        MessageRecorder m;
        Thoroskop w;
        showActive(w);
        doubleClick(w.ListBox3, 3);
        const QString root = withCd ? cd.root() : pc.root();
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + QDir::cleanPath(root + "/DATA/VRS62000.DAT")
                                        + QStringLiteral(" finns inte eller är felaktig")});
        QVERIFY(!w.Panel1->isVisible());
        QVERIFY(w.ListBox3->isVisible());
        QVERIFY(w.ListBox3->isEnabled());
    }

    void theVocabularyStandsBesideTheText()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS62000.DAT"), horoscopeFixture());
        c.write(QStringLiteral("DATA/VRS62000.ORD"),
                {"Abenteuer#äventyr", kryptrad(QStringLiteral("Mut#mod")), "Überraschung#  överraskning", "ohne"});
        c.activate();
        MessageRecorder m;
        Thoroskop w;
        showActive(w);
        doubleClick(w.ListBox3, 2);
        QTest::mouseClick(w.Button3, Qt::LeftButton);
        QCOMPARE(m.count(), 0);
        QVERIFY(w.ordlista->isVisible());
        QVERIFY(!w.Panel1->isEnabled());
        QVERIFY(w.Memo2->isReadOnly());

        const QStringList lines = memoLines(w.Memo2);
        QCOMPARE(lines.size(), 4);
        const QFontMetricsF fm(w.Testlabel->font());
        const double blank = w.MellanslagBredd();
        const QList<std::pair<QString, QString>> want{
            {"Abenteuer", "äventyr"}, {"Mut", "mod"}, {"Überraschung", "överraskning"}, {"ohne", ""}};
        int widest = 0;
        for (int i = 0; i < 4; ++i) {
            const QString &line = lines[i];
            QVERIFY2(line.startsWith(want[i].first + QLatin1Char(' ')), qPrintable(line));
            QVERIFY2(line.endsWith(want[i].second), qPrintable(line));
            const QString padded = line.left(line.size() - want[i].second.size());
            QCOMPARE(padded.trimmed(), want[i].first);
            // The translations start in one column, 145 pixels in.
            QVERIFY2(qAbs(fm.horizontalAdvance(padded) - 145) <= blank / 2 + 0.5, qPrintable(line));
            widest = qMax(widest, qCeil(fm.horizontalAdvance(line)));
        }
        QCOMPARE(w.ordlista->width(), widest + 55);
        QCOMPARE(w.ordlista->x() + w.ordlista->width(), w.width() - 20);

        QTest::mouseClick(w.Button2, Qt::LeftButton);
        QVERIFY(!w.ordlista->isVisible());
        QVERIFY(w.Panel1->isEnabled());
    }

    void aMissingVocabularyIsReportedAndTheTextStays()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS62000.DAT"), horoscopeFixture());
        c.activate();
        MessageRecorder m;
        Thoroskop w;
        showActive(w);
        doubleClick(w.ListBox3, 2);
        QTest::mouseClick(w.Button3, Qt::LeftButton);
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Filen ") + QDir::cleanPath(c.root() + "/DATA/VRS62000.ORD")
                                        + QStringLiteral(" finns inte eller är felaktig")});
        QVERIFY(!w.ordlista->isVisible());
        QVERIFY(w.Panel1->isEnabled());
        QVERIFY(w.Panel1->isVisible());
    }

    void theHoroscopePrintsOnA4()
    {
        if (!havePdfTools())
            QSKIP("pdftotext is not installed");
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS62000.DAT"), horoscopeFixture());
        c.activate();
        Thoroskop w;
        showActive(w);
        doubleClick(w.ListBox3, 5);
        const QStringList shown = memoLines(w.Memo1);
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        const QString pdf = Printing::lastPdfFile();
        QVERIFY(!pdf.isEmpty());
        const QList<PdfWord> words = pdfWords(pdf);
        QVERIFY(!words.isEmpty());

        // Words of one printed line share their top edge.
        struct Line
        {
            double yMm;
            double xMm;
            QString text;
        };
        QList<Line> lines;
        for (const PdfWord &word : words) {
            QCOMPARE(word.page, 1);
            if (!lines.isEmpty() && qAbs(lines.last().yMm - word.yMm) < 1.5)
                lines.last().text += QLatin1Char(' ') + word.text;
            else
                lines.append({word.yMm, word.xMm, word.text});
        }
        QCOMPARE(lines.size(), 1 + shown.size());
        QCOMPARE(lines[0].text, QStringLiteral("Varmiko - Horoskopet"));
        QVERIFY2(qAbs(lines[0].yMm - 20) < 3, qPrintable(QString::number(lines[0].yMm)));
        QVERIFY2(qAbs(lines[0].xMm - 20) < 1.5, qPrintable(QString::number(lines[0].xMm)));
        for (int i = 0; i < shown.size(); ++i) {
            const Line &l = lines[i + 1];
            QCOMPARE(l.text, shown[i].trimmed());
            QVERIFY2(qAbs(l.yMm - (40 + 7 * i)) < 2.5, qPrintable(QString::number(l.yMm)));
            // The heading is indented by its three blanks.
            QVERIFY2(l.xMm > 19 && l.xMm < (i == 0 ? 26 : 21.5), qPrintable(QString::number(l.xMm)));
        }
    }

    // ---- Reveal the story ----------------------------------------------

    void masksKeepTheMarks_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("mask");
        QTest::newRow("comma") << "Hallo," << "*****,";
        QTest::newRow("exclamation mark") << "Peter!" << "*****!";
        QTest::newRow("full stop") << "gut." << "***.";
        QTest::newRow("one letter") << "a" << "*";
        QTest::newRow("dash") << "-" << "-";
        QTest::newRow("a word ending in a dash") << "Sonnen-" << "-";
        QTest::newRow("marks inside give no star") << "Ja-Wort" << "******";
        QTest::newRow("umlauts") << "Grüße?" << "*****?";
    }
    void masksKeepTheMarks()
    {
        QFETCH(QString, word);
        QFETCH(QString, mask);
        QCOMPARE(Avslojning::mask(word), mask);
    }

    void aStoryIsLaidOutInRowsWithItsSpeakers()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS63000.DAT"),
                {"<Anna> Hallo, Peter!", "<Peter> Ja - gut.", "#", "<Max> Eins zwei drei vier fünf sechs sieben acht neun",
                 "zehn", "#x", "Dritte", "#", "#"});
        c.activate();
        Tavsloj w;
        showActive(w);
        QCOMPARE(items(w.ListBox2), QStringList({"1", "2", "3"}));
        QVERIFY(w.Panel4->isVisible());
        QVERIFY(!w.Panel1->isVisible());
        doubleClick(w.ListBox2, 0);
        QVERIFY(!w.Panel4->isVisible());
        QVERIFY(w.Panel1->isVisible());
        QVERIFY(w.ListBox1->isVisible());
        QVERIFY(!w.Panel7->isVisible());

        QCOMPARE(w.namn[1]->text(), QStringLiteral("Anna"));
        QCOMPARE(w.namn[2]->text(), QStringLiteral("Peter"));
        QVERIFY(w.namn[1]->isVisible());
        QVERIFY(!w.namn[3]->isVisible());
        QCOMPARE(w.Label[1]->text(), QStringLiteral("*****,"));
        QCOMPARE(w.Label[2]->text(), QStringLiteral("*****!"));
        QVERIFY(!w.Label[3]->isVisible());
        // The second line starts the second row.
        QCOMPARE(w.Label[8]->text(), QStringLiteral("**"));
        QCOMPARE(w.Label[9]->text(), QStringLiteral("-"));
        QCOMPARE(w.Label[10]->text(), QStringLiteral("***."));
        QCOMPARE(w.Label[8]->y(), w.Label[1]->y() + 27);
        QCOMPARE(w.Label[8]->x(), w.Label[1]->x());
        QVERIFY(w.Label[9]->x() >= w.Label[8]->x() + w.Label[8]->width() + 10);
        QVERIFY(w.namn[1]->x() + w.namn[1]->width() <= w.Label[1]->x());
        QCOMPARE(items(w.ListBox1), QStringList({"gut", "Hallo", "Ja", "Peter"}));
        QCOMPARE(w.pussel().AvslojAntal, 4);
        QCOMPARE(w.Panel5->text(), QStringLiteral("0 %"));
        QCOMPARE(w.Panel6->text(), QStringLiteral("0 %"));
        QCOMPARE(w.Panel8->text(), QStringLiteral("0"));

        // A line of nine words runs into the next row, and the next line
        // starts after it.
        QTest::keyClick(w.ListBox1, Qt::Key_Escape);
        QVERIFY(w.Panel4->isVisible());
        doubleClick(w.ListBox2, 1);
        QCOMPARE(w.namn[1]->text(), QStringLiteral("Max"));
        QCOMPARE(w.Label[9]->text(), QStringLiteral("****"));
        QCOMPARE(w.pussel().AvslojOrd(9), QStringLiteral("neun"));
        QCOMPARE(w.pussel().AvslojOrd(10), QStringLiteral("zehn"));
        QCOMPARE(w.Label[10]->y(), w.Label[8]->y());

        // A line that begins with "#" closes a story too.
        QTest::keyClick(w.ListBox1, Qt::Key_Escape);
        doubleClick(w.ListBox2, 2);
        QCOMPARE(w.pussel().AvslojOrd(1), QStringLiteral("Dritte"));
    }

    void droppingWordsOnTheirPlacesSolvesTheStory()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS63000.DAT"), {"<Anna> Hallo, Peter!", "<Peter> Ja - gut.", "#"});
        c.activate();
        MessageRecorder m;
        Tavsloj w;
        showActive(w);
        doubleClick(w.ListBox2, 0);

        QVERIFY(dropWord(w.ListBox1, w.Label[1], QStringLiteral("Hallo")));
        QCOMPARE(w.Label[1]->text(), QStringLiteral("Hallo,"));
        QCOMPARE(w.status->text(), QStringLiteral("Richtig!"));
        QCOMPARE(items(w.ListBox1), QStringList({"gut", "Ja", "Peter"}));
        QCOMPARE(w.ListBox1->currentRow(), 0);
        QCOMPARE(w.Panel5->text(), QStringLiteral("100 %"));
        QCOMPARE(w.Panel6->text(), QStringLiteral("25 %"));
        QCOMPARE(w.Panel8->text(), QStringLiteral("1"));

        // A wrong place shows nothing new but costs a try.
        QVERIFY(dropWord(w.ListBox1, w.Label[8], QStringLiteral("Peter")));
        QCOMPARE(w.Label[8]->text(), QStringLiteral("**"));
        QCOMPARE(w.status->text(), QStringLiteral("FEL!"));
        QCOMPARE(w.Panel5->text(), QStringLiteral("50 %"));
        QCOMPARE(w.Panel8->text(), QStringLiteral("2"));

        // A solved place, a dash, the space between the words, the bank and
        // the window take no word and count no try.
        w.status->clear();
        for (QWidget *target : {static_cast<QWidget *>(w.Label[1]), static_cast<QWidget *>(w.Label[9]),
                                static_cast<QWidget *>(w.Panel1), static_cast<QWidget *>(w.ListBox1),
                                static_cast<QWidget *>(&w)})
            dropWord(w.ListBox1, target, QStringLiteral("Peter"));
        QCOMPARE(w.Label[1]->text(), QStringLiteral("Hallo,"));
        QCOMPARE(w.Label[9]->text(), QStringLiteral("-"));
        QCOMPARE(w.Panel8->text(), QStringLiteral("2"));
        QCOMPARE(w.status->text(), QString());
        QCOMPARE(w.ListBox1->count(), 3);

        QVERIFY(dropWord(w.ListBox1, w.Label[2], QStringLiteral("Peter")));
        QVERIFY(dropWord(w.ListBox1, w.Label[8], QStringLiteral("Ja")));
        QCOMPARE(m.count(), 0);
        QVERIFY(dropWord(w.ListBox1, w.Label[10], QStringLiteral("gut")));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Glückwunsch! Geschafft!")});
        // Back at the choice, with the figures reset.
        QVERIFY(w.Panel4->isVisible());
        QVERIFY(!w.Panel1->isVisible());
        QCOMPARE(w.Panel8->text(), QStringLiteral("0"));
        QCOMPARE(w.Panel6->text(), QStringLiteral("0 %"));
    }

    void aTypedWordIsRevealedWhereverItStands()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS63000.DAT"), {"<Tom> ja, ja!", "<Eva> Ja - nein.", "#"});
        c.activate();
        MessageRecorder m;
        Tavsloj w;
        showActive(w);
        QTest::mouseClick(w.RadioButton2, Qt::LeftButton);
        QVERIFY(w.RadioButton2->isChecked());
        doubleClick(w.ListBox2, 0);
        QVERIFY(w.Panel7->isVisible());
        QVERIFY(!w.ListBox1->isVisible());
        QVERIFY(w.Edit1->hasFocus());

        typeAndEnter(w.Edit1, QStringLiteral("ja"));
        QCOMPARE(w.Label[1]->text(), QStringLiteral("ja,"));
        QCOMPARE(w.Label[2]->text(), QStringLiteral("ja!"));
        QCOMPARE(w.Label[8]->text(), QStringLiteral("**"));
        QCOMPARE(w.Edit1->text(), QString());
        QCOMPARE(w.Panel8->text(), QStringLiteral("2"));
        QCOMPARE(w.Panel6->text(), QStringLiteral("50 %"));
        QCOMPARE(w.Panel5->text(), QStringLiteral("100 %"));

        // A dash is ignored; a word not in the story costs a try.
        typeAndEnter(w.Edit1, QStringLiteral("-"));
        QCOMPARE(w.Panel8->text(), QStringLiteral("2"));
        w.Edit1->clear();
        typeAndEnter(w.Edit1, QStringLiteral("Nein"));
        QCOMPARE(w.Panel8->text(), QStringLiteral("3"));
        QCOMPARE(w.Panel5->text(), QStringLiteral("67 %"));
        QCOMPARE(w.Label[10]->text(), QStringLiteral("****."));

        // The story can be looked at, and covered again with what is solved.
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QCOMPARE(w.Button1->text(), QStringLiteral("Die Geschichte &verdecken"));
        QVERIFY(!w.Edit1->isEnabled());
        QCOMPARE(w.Label[8]->text(), QStringLiteral("Ja"));
        QCOMPARE(w.Label[10]->text(), QStringLiteral("nein."));
        QTest::mouseClick(w.Button1, Qt::LeftButton);
        QCOMPARE(w.Button1->text(), QStringLiteral("Die Geschichte &sehen"));
        QVERIFY(w.Edit1->isEnabled());
        QCOMPARE(w.Label[1]->text(), QStringLiteral("ja,"));
        QCOMPARE(w.Label[8]->text(), QStringLiteral("**"));

        typeAndEnter(w.Edit1, QStringLiteral("Ja"));
        QCOMPARE(m.count(), 0);
        typeAndEnter(w.Edit1, QStringLiteral("nein"));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Glückwunsch! Geschafft!")});
        QVERIFY(w.Panel4->isVisible());
    }

    void aLongStoryKeepsToItsFortyNinePlaces()
    {
        QStringList story;
        for (int r = 1; r <= 8; ++r) {
            QStringList words;
            for (int k = 1; k <= 7; ++k)
                words << QStringLiteral("w%1x%2").arg(r).arg(k);
            story << words.join(QLatin1Char(' '));
        }
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS63000.DAT"), story + QStringList{"#"});
        c.activate();
        MessageRecorder m;
        Tavsloj w;
        showActive(w);
        doubleClick(w.ListBox2, 0);
        QCOMPARE(w.pussel().AvslojAntal, 49);
        QCOMPARE(w.ListBox1->count(), 49);
        QCOMPARE(w.pussel().AvslojOrd(49), QStringLiteral("w7x7"));
        // Every word of the puzzle has a place, so it can be finished.
        for (int p = 1; p <= 49; ++p)
            QVERIFY(dropWord(w.ListBox1, w.Label[p], w.pussel().AvslojOrd(p)));
        QCOMPARE(m.texts(), QStringList{QStringLiteral("Glückwunsch! Geschafft!")});
    }

    void escapeLeadsBackThenCloses()
    {
        TestCourse c;
        c.write(QStringLiteral("DATA/VRS63000.DAT"), {"Ein Satz.", "#"});
        c.activate();
        Tavsloj w;
        showActive(w);
        QTest::mouseClick(w.RadioButton2, Qt::LeftButton);
        doubleClick(w.ListBox2, 0);
        QTest::keyClick(w.Edit1, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        QVERIFY(w.Panel4->isVisible());
        QVERIFY(!w.Panel7->isVisible());
        QTest::keyClick(w.ListBox2, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }

    // ---- From the reading menu -----------------------------------------

    void theReadingMenuOpensEachWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("form");
        QTest::newRow("Lästräning") << "TSpeed" << "Speed";
        QTest::newRow("Horoskopet") << "Thoroskop" << "horoskop";
        QTest::newRow("Avslöja") << "Tavsloj" << "avsloj";
    }
    void theReadingMenuOpensEachWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, form);
        PCPath = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        CDPath.clear();
        registreraAllaFonster();
        MessageRecorder m;
        QString opened;
        int listed = -1;
        QTimer::singleShot(0, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                for (const char *list : {"ListBox1", "ListBox2", "ListBox3"})
                    if (auto *l = modal->findChild<QListWidget *>(QLatin1String(list)); l && l->count() > listed)
                        listed = l->count();
                modal->close();
            }
        });
        QVERIFY(visaFonster(window));
        QCOMPARE(opened, form);
        QCOMPARE(m.count(), 0);
        // The bundled course has something to choose.
        QVERIFY(listed >= 5);
    }

    void theBundledHoroscopeServesEverySign()
    {
        PCPath = qEnvironmentVariable("VARMIKO_BUILD_DIR");
        CDPath.clear();
        MessageRecorder m;
        Thoroskop w;
        showActive(w);
        for (int sign = 0; sign < AntalTecken; ++sign) {
            doubleClick(w.ListBox3, sign);
            const QStringList lines = memoLines(w.Memo1);
            QCOMPARE(lines.size(), 11);
            for (const QString &line : lines)
                QVERIFY2(!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('$')), qPrintable(line));
            QTest::mouseClick(w.Button3, Qt::LeftButton);
            QVERIFY(memoLines(w.Memo2).size() >= 40);
            QTest::mouseClick(w.Button2, Qt::LeftButton);
            QTest::mouseClick(w.Button1, Qt::LeftButton);
        }
        QCOMPARE(m.count(), 0);
    }
};

VARMIKO_TEST_MAIN(TestReading)
#include "test_reading.moc"
