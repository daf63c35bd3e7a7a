// The score squares: marks from the bottom up, white squares that survive
// repaints, new rounds, limits, sizes and colours.

#include "TestMain.h"
#include "frame/TAster.h"
#include "platform/Random.h"

#include <QImage>
#include <QSet>

namespace {

const QColor Bakgrund(0xC0, 0xC0, 0xC0);

// A round of answers: rights[i] tells whether item i + 1 was right.
void svara(TAster &a, const QList<bool> &rights)
{
    for (int i = 0; i < rights.size(); ++i) {
        a.setRutNummer(i + 1);
        if (!rights[i])
            a.setRatt(false);
    }
}

enum class Syns { Stjarna, Vit, Bakgrund };

// What square i (1 = lowest) shows on the screen.
Syns syns(TAster &a, int i)
{
    const QImage bild = a.grab().toImage();
    const int S = a.rutStorlek();
    const int W = a.width();
    const int y = (a.maxAntalRutor() - i) * S;
    const QColor mitt = bild.pixelColor(W / 2, y + S / 2);
    if (mitt == Qt::white)
        return Syns::Vit;
    // A star's points all meet in its centre, drawn with its pen.
    const QColor centrum = bild.pixelColor(W / 2, y + W / 2 - 2);
    return centrum == Bakgrund && mitt == Bakgrund ? Syns::Bakgrund : Syns::Stjarna;
}

TAster *nyAster(int rutor)
{
    auto *a = new TAster;
    a->setObjectName(QStringLiteral("Aster1"));
    a->setAsterColor(Bakgrund);
    a->setMaxAntalRutor(rutor);
    a->resize(a->rutStorlek(), rutor * a->rutStorlek());
    a->setRutNummer(0);
    a->setStarta(true);
    return a;
}

} // namespace

class TestAster : public QObject
{
    Q_OBJECT
private slots:
    void squareSizeByScreenHeight_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("side");
        const std::pair<int, int> rows[] = {{480, 38},  {599, 38},  {600, 50},  {767, 50},  {768, 62}, {863, 62},
                                            {864, 70},  {1023, 70}, {1024, 78}, {1049, 78}, {1050, 85}, {1440, 85}};
        for (const auto &[h, s] : rows)
            QTest::addRow("%d", h) << h << s;
    }
    void squareSizeByScreenHeight()
    {
        QFETCH(int, height);
        QFETCH(int, side);
        QCOMPARE(TAster::AsterRutStorlek(height), side);
    }

    void wrongSquaresStayWhiteAfterRepaints_data()
    {
        QTest::addColumn<int>("rutor");
        QTest::addColumn<int>("svar");
        QTest::newRow("round of 5 complete") << 5 << 5;
        QTest::newRow("round of 10, six answers") << 10 << 6;
    }
    void wrongSquaresStayWhiteAfterRepaints()
    {
        QFETCH(int, rutor);
        QFETCH(int, svar);
        std::unique_ptr<TAster> a(nyAster(rutor));
        QList<bool> rights(svar, true);
        rights[1] = rights[4] = false;
        svara(*a, rights);
        for (int repaint = 0; repaint < 3; ++repaint) {
            QCOMPARE(a->vitaRutor(), (QList<int>{2, 5}));
            for (int i = 1; i <= svar; ++i)
                QCOMPARE(syns(*a, i), i == 2 || i == 5 ? Syns::Vit : Syns::Stjarna);
        }
    }

    void onlyTheAnsweredSquaresAreMarked()
    {
        std::unique_ptr<TAster> a(nyAster(10));
        svara(*a, {true, false, true});
        QCOMPARE(a->vitaRutor(), QList<int>{2});
        QCOMPARE(syns(*a, 1), Syns::Stjarna);
        QCOMPARE(syns(*a, 2), Syns::Vit);
        QCOMPARE(syns(*a, 3), Syns::Stjarna);
        for (int i = 4; i <= 10; ++i)
            QCOMPARE(syns(*a, i), Syns::Bakgrund);
    }

    void onlyStartaClearsTheMarks()
    {
        std::unique_ptr<TAster> a(nyAster(4));
        svara(*a, {true, false, true, false});
        QCOMPARE(a->vitaRutor(), (QList<int>{2, 4}));
        a->setRutNummer(0);
        a->setRutNummer(4);
        a->repaint();
        QCOMPARE(a->vitaRutor(), (QList<int>{2, 4}));
        a->setRutNummer(0);
        a->setStarta(true);
        svara(*a, {true, true, true});
        QCOMPARE(a->vitaRutor(), QList<int>());
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(a->rattFlagga(i), quint8(1));
    }

    void startaFalseKeepsTheMarks()
    {
        std::unique_ptr<TAster> a(nyAster(5));
        svara(*a, {true, false});
        a->setStarta(false);
        QCOMPARE(a->vitaRutor(), QList<int>{2});
    }

    void limits()
    {
        std::unique_ptr<TAster> a(nyAster(10));
        a->setMaxAntalRutor(12);
        QCOMPARE(a->maxAntalRutor(), 10);
        a->setRutNummer(11);
        QCOMPARE(a->rutNummer(), 10);
        a->setMaxAntalRutor(4);
        QCOMPARE(a->rutNummer(), 4);
        a->setRutNummer(0);
        a->setRutNummer(7);
        QCOMPARE(a->rutNummer(), 4);
        a->setRatt(false);
        QCOMPARE(a->vitaRutor(), QList<int>{4});
        QCOMPARE(a->sizeHint(), QSize(a->rutStorlek(), 4 * a->rutStorlek()));
    }

    void hiddenSquaresPaintNothing()
    {
        std::unique_ptr<TAster> a(nyAster(3));
        svara(*a, {false});
        a->setVisa(false);
        const QImage bild = a->grab().toImage();
        const int S = a->rutStorlek();
        QVERIFY(bild.pixelColor(S / 2, 2 * S + S / 2) != Qt::white);
        QVERIFY(bild.pixelColor(S / 2, S / 2) != Bakgrund);
    }

    // Pens never blue, triangles never white, only the six widest steps; and
    // every allowed value does turn up.
    void coloursComeFromTheirRanges()
    {
        std::unique_ptr<TAster> a(nyAster(10));
        QSet<QRgb> pennor, fyllningar;
        QSet<int> steg;
        for (int runda = 0; runda < 300; ++runda) {
            a->setStarta(true);
            for (int i = 1; i <= 10; ++i) {
                const TAster::Stjarna s = a->stjarna(i);
                pennor << s.penna.rgb();
                fyllningar << s.fyllning1.rgb() << s.fyllning2.rgb();
                steg << s.steg;
            }
        }
        QCOMPARE(pennor.size(), 9);
        QVERIFY(!pennor.contains(QColor(Qt::blue).rgb()));
        QCOMPARE(fyllningar.size(), 10);
        QVERIFY(!fyllningar.contains(QColor(Qt::white).rgb()));
        QCOMPARE(steg, (QSet<int>{45, 36, 30, 26, 20, 18}));
    }

    void theProgramsRandomOrderIsUntouched()
    {
        qputenv("VARMIKO_SEED", "4711");
        Random::reseed();
        QRandomGenerator copy = Random::generator();
        {
            std::unique_ptr<TAster> a(nyAster(10));
            svara(*a, {true, false, true, true, true, true, true, true, true, true});
            a->grab();
            a->setRutNummer(0);
            a->setStarta(true);
        }
        for (int i = 0; i < 20; ++i)
            QCOMPARE(Random::generator().generate(), copy.generate());
        qunsetenv("VARMIKO_SEED");
    }
};

VARMIKO_TEST_MAIN(TestAster)
#include "test_aster.moc"
