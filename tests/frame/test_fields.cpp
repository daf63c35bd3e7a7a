// Item lines: scrambling, splitting into fields, cutting at marks and blank
// normalisation.

#include "TestCourse.h"
#include "TestMain.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/vrsku1.h"
#include "platform/Cp1252.h"

namespace {

// The scrambling written out once more, straight from its rule: the line gets
// a "#" in front; the byte at position i (counted from 1) is XORed with
// i div 2 + 10 for odd i and i div 2 + 8 for even i, modulo 256, unless the
// result would be below 32, in which case the byte is kept.
QByteArray referenceScramble(const QByteArray &plain)
{
    const QByteArray s = QByteArray("#") + plain;
    QByteArray out;
    for (int pos = 1; pos <= s.size(); ++pos) {
        const int c = static_cast<unsigned char>(s.at(pos - 1));
        const int key = (pos / 2 + ((pos & 1) ? 10 : 8)) & 0xFF;
        const int x = c ^ key;
        out.append(char(x < 32 ? c : x));
    }
    return out;
}

QByteArray bytes(int from, int to)
{
    QByteArray b;
    for (int v = from; v <= to; ++v)
        b.append(char(v));
    return b;
}

QStringList splitFields()
{
    QStringList f;
    for (int i = 1; i <= AntalFalt; ++i)
        f << PostFalt[i];
    return f;
}

} // namespace

class TestFields : public QObject
{
    Q_OBJECT

private slots:
    void fixedScrambledForms_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("scrambled");
        // Worked out by hand from the rule.
        QTest::newRow("Haus") << QByteArray("Haus") << QByteArray(")Aj\x7F\x7F");
        QTest::newRow("ä") << QByteArray("\xE4") << QByteArray(")\xED");
        QTest::newRow("ß") << QByteArray("\xDF") << QByteArray(")\xD6");
        QTest::newRow("Straße#gata") << QByteArray("Stra\xDF" "e#gata") << QByteArray(")Z\x7Fxm\xD4h/il{o");
        QTest::newRow("Mädchen#flicka") << QByteArray("M\xE4" "dchen#flicka") << QByteArray(")D\xEFnochb-kcgsdp");
        QTest::newRow("empty") << QByteArray() << QByteArray(")");
        // Longer lines, where the key grows past 32 and past 255.
        const QByteArray sentence = QByteArray("Die M\xE4" "dchen stra\xDF" "enweise#flickorna#&tjejerna ").repeated(12);
        QTest::newRow("long line with ä and ß") << sentence << referenceScramble(sentence);
    }
    void fixedScrambledForms()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, scrambled);
        QCOMPARE(kryptradBytes(plain), scrambled);
        QCOMPARE(dekryptradBytes(scrambled), plain);
        QCOMPARE(kryptrad(Cp1252::decode(plain)), Cp1252::decode(scrambled));
        QCOMPARE(dekryptrad(Cp1252::decode(scrambled)), Cp1252::decode(plain));
    }

    void blankStaysWhereItsResultIsAControlCharacter()
    {
        QByteArray line(100, 'x');
        line[59] = ' '; // position 61 of the scrambled line, where the key is 40
        const QByteArray s = kryptradBytes(line);
        QCOMPARE(s.at(60), ' ');
        QVERIFY(s.at(59) != 'x');
    }

    void everyPrintableByteSurvives_data()
    {
        QTest::addColumn<QByteArray>("plain");
        // Each byte value meets every key value 0..255 on a line of 600
        // (behind a letter, as lines that begin with ";", "$", "#" or ")"
        // are not scrambled).
        for (int v = 32; v <= 255; ++v)
            QTest::addRow("byte %d", v) << QByteArray("x") + QByteArray(600, char(v));
        QTest::newRow("all bytes ascending, three times") << QByteArray("x") + bytes(32, 255).repeated(3);
        QTest::newRow("tabs") << QByteArray("Haus\thus\t").repeated(40);
    }
    void everyPrintableByteSurvives()
    {
        QFETCH(QByteArray, plain);
        const QByteArray s = kryptradBytes(plain);
        QVERIFY(s.startsWith(')'));
        QCOMPARE(s.size(), plain.size() + 1);
        if (!plain.contains('\t')) {
            for (const char b : s)
                QVERIFY2(static_cast<unsigned char>(b) >= 32, "a control character in a stored line");
        }
        QCOMPARE(dekryptradBytes(s), plain);
        // Through text as a data file is read: decoding must not lose a byte.
        QCOMPARE(Cp1252::encode(dekryptrad(kryptrad(Cp1252::decode(plain)))), plain);
    }

    void trailingCarriageReturnIsNotScrambled()
    {
        QCOMPARE(kryptradBytes("Haus#hus\r"), kryptradBytes("Haus#hus"));
        QCOMPARE(dekryptradBytes(kryptradBytes("Haus#hus") + "\r"), QByteArray("Haus#hus"));
    }

    void linesLeftAlone_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("comment") << QStringLiteral("; Kommentar");
        QTest::newRow("title") << QStringLiteral("$Titel");
        QTest::newRow("instruction") << QStringLiteral("$§Schreib die Antwort.");
        QTest::newRow("worksheet instruction") << QStringLiteral("$%Fyll i.");
        QTest::newRow("empty first field") << QStringLiteral("#Haus#hus");
        QTest::newRow("already scrambled") << QStringLiteral(")Aj\x7F\x7F");
    }
    void linesLeftAlone()
    {
        QFETCH(QString, line);
        QCOMPARE(kryptrad(line), line);
        if (!line.startsWith(QChar(u')')))
            QCOMPARE(dekryptrad(line), line);
    }

    void plainLinesPassUnscrambling()
    {
        QCOMPARE(dekryptrad(QStringLiteral("Straße#gata")), QStringLiteral("Straße#gata"));
        QCOMPARE(dekryptrad(QString()), QString());
        QCOMPARE(dekryptrad(QStringLiteral(")")), QString());
    }

    void split_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<int>("alternatives");
        QTest::newRow("one field") << "Haus" << QStringList{"Haus"} << 0;
        QTest::newRow("alternative") << "Haus#house#&home" << QStringList{"Haus", "house", "home"} << 1;
        QTest::newRow("later fields are alternatives too")
            << "q#&a1#a2" << QStringList{"q", "a1", "a2"} << 2;
        QTest::newRow("leading blanks") << "a# b#   c" << QStringList{"a", "b", "c"} << 0;
        QTest::newRow("blanks before the mark") << "q#  &a" << QStringList{"q", "a"} << 1;
        QTest::newRow("field of blanks keeps one") << "q#   #a" << QStringList{"q", " ", "a"} << 0;
        QTest::newRow("trailing blanks stay") << "q #a " << QStringList{"q ", "a "} << 0;
        QTest::newRow("trailing separator") << "a#b#" << QStringList{"a", "b"} << 0;
        QTest::newRow("empty middle field") << "a##c" << QStringList{"a", "", "c"} << 0;
        QTest::newRow("empty first field") << "#a" << QStringList{"", "a"} << 0;
        QTest::newRow("separator only") << "#" << QStringList{""} << 0;
        QTest::newRow("empty alternative") << "q#&" << QStringList{"q", ""} << 1;
        QTest::newRow("all alternatives") << "&x#y" << QStringList{"x", "y"} << 2;
        QTest::newRow("empty line") << "" << QStringList{} << 0;
        QTest::newRow("ten fields") << "1#2#3#4#5#6#7#8#9#10"
                                    << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"} << 0;
        QTest::newRow("eleven fields") << "1#2#3#4#5#6#7#8#9#10#11"
                                       << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"} << 0;
        QTest::newRow("eleven fields with alternatives")
            << "q#&1#2#3#4#5#6#7#8#9#10"
            << QStringList{"q", "1", "2", "3", "4", "5", "6", "7", "8", "9"} << 9;
        QTest::newRow("German letters") << "Straße#gata#&väg" << QStringList{"Straße", "gata", "väg"} << 1;
        QTest::newRow("scrambled") << kryptrad(QStringLiteral("Mädchen#flicka#&tjej"))
                                   << QStringList{"Mädchen", "flicka", "tjej"} << 1;
    }
    void split()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QFETCH(int, alternatives);
        str_postarray(QStringLiteral("a#b#c#d#e#f#g#h#i#&j")); // leaves nothing behind
        str_postarray(line);
        QCOMPARE(splitFields(), fields);
        QCOMPARE(int(AntalFalt), int(fields.size()));
        QCOMPARE(int(AntalAlternativ), alternatives);
        for (int i = AntalFalt + 1; i <= MaxFalt; ++i)
            QVERIFY(PostFalt[i].isEmpty());
    }

    void fieldAccessorStaysInside_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::newRow("last before the alternatives")
            << "Haus#hus#&house" << -1 << "hus";
        QTest::newRow("first alternative") << "Haus#hus#&house" << -2 << "house";
        QTest::newRow("no alternative") << "Haus#hus" << -2 << "";
        QTest::newRow("all alternatives: nothing before them") << "&a#b" << -1 << "a";
        QTest::newRow("below 1") << "q#a" << -100 << "q";
        QTest::newRow("zero") << "q#a" << 0 << "q";
        QTest::newRow("past the last field") << "q#a" << 3 << "";
        QTest::newRow("past ten") << "1#2#3#4#5#6#7#8#9#10" << 11 << "";
        QTest::newRow("empty line") << "" << 1 << "";
    }
    void fieldAccessorStaysInside()
    {
        QFETCH(QString, line);
        QFETCH(int, index);
        str_postarray(line);
        if (index == -1)
            index = sistaFaltForeAlternativ();
        else if (index == -2)
            index = forstaAlternativ();
        QTEST(postFalt(index), "field");
    }

    void scrambledLineInADataFile()
    {
        TestCourse c;
        const QByteArray plain = QByteArray("Stra\xDF" "e#gata#&v\xE4g");
        const QByteArray all = QByteArray("x") + bytes(32, 255).replace('#', 'x');
        c.writeBytes(QStringLiteral("DATA/VRS41000.DAT"),
                     QByteArray("$Titel\r\n; Kommentar\r\nHaus#hus\r\n") + kryptradBytes(plain) + "\r\n"
                         + kryptradBytes(all) + "\r\n");
        c.activate();
        QVERIFY(Kolla(QStringLiteral("VRS41000.DAT")));
        QCOMPARE(PostAntal[ListNummer], 3);

        QVERIFY(haemtaord(QStringLiteral("VRS41000.DAT"), 2));
        QVERIFY(PostRad.startsWith(QChar(u')'))); // held as stored
        str_postarray(PostRad);
        QCOMPARE(splitFields(), (QStringList{"Straße", "gata", "väg"}));
        QCOMPARE(int(AntalAlternativ), 1);

        // Every printable byte comes back from the file through the decoder.
        QVERIFY(haemtaord(QStringLiteral("VRS41000.DAT"), 3));
        QCOMPARE(Cp1252::encode(dekryptrad(PostRad)), all);
        str_postarray(PostRad);
        QCOMPARE(Cp1252::encode(PostFalt[1]), all);

        // A plain line passes through the same way.
        QVERIFY(haemtaord(QStringLiteral("VRS41000.DAT"), 1));
        str_postarray(PostRad);
        QCOMPARE(splitFields(), (QStringList{"Haus", "hus"}));
    }

    void cutAtMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("no marks") << "Ich habe Hunger" << QStringList{"Ich habe Hunger", "", "", "", ""};
        QTest::newRow("two marks") << "Ich <habe> Hunger" << QStringList{"Ich ", "habe", " Hunger", "", ""};
        QTest::newRow("four marks") << "a<b>c<d>e" << QStringList{"a", "b", "c", "d", "e"};
        QTest::newRow("six marks") << "a<b>c<d>e<f>g" << QStringList{"a", "b", "c", "d", "efg"};
        QTest::newRow("marks only") << "<>" << QStringList{"", "", "", "", ""};
    }
    void cutAtMarks()
    {
        QFETCH(QString, text);
        LetaPrep(QStringLiteral("1<2>3<4>5")); // leaves nothing behind
        LetaPrep(text);
        QTEST((QStringList{PrepDelar[1], PrepDelar[2], PrepDelar[3], PrepDelar[4], PrepDelar[5]}), "parts");
    }

    void blanksNormalised_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("runs everywhere") << "  zwei   Wörter  " << "zwei Wörter";
        QTest::newRow("several runs") << "a    b  c d" << "a b c d";
        QTest::newRow("single word") << "Straße" << "Straße";
        QTest::newRow("blanks only") << "    " << "";
        QTest::newRow("empty") << "" << "";
    }
    void blanksNormalised()
    {
        QFETCH(QString, text);
        QTEST(MellanslagBort(text), "result");
    }
};

VARMIKO_TEST_MAIN(TestFields)
#include "test_fields.moc"
