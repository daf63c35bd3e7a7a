// The platform layer: Windows-1252, case-blind paths, profile files.

#include "TestCourse.h"
#include "TestMain.h"
#include "platform/Cp1252.h"
#include "platform/IniFile.h"
#include "platform/ProgramPath.h"

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1252::encode(Cp1252::decode(all)), all);
    }

    void lettersOfTheCodePage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("umlauts") << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF") << QStringLiteral("äöüÄÖÜß");
        QTest::newRow("quotes and euro") << QByteArray("\x84\x93\x80\x85") << QStringLiteral("„“€…");
    }
    void lettersOfTheCodePage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Cp1252::decode(bytes), text);
        QCOMPARE(Cp1252::encode(text), bytes);
    }

    void upperCaseKeepsSharpS()
    {
        QCOMPARE(Cp1252::upper(QStringLiteral("straße äöü é š ÿ")), QStringLiteral("STRAßE ÄÖÜ É Š Ÿ"));
        QCOMPARE(Cp1252::upper(QStringLiteral("÷")), QStringLiteral("÷"));
        QCOMPARE(Cp1252::lower(QStringLiteral("STRAßE ÄÖÜ É Š Ÿ × Ω")), QStringLiteral("straße äöü é š ÿ × Ω"));
    }

    void pathsIgnoreLetterCase()
    {
        TestCourse c;
        c.write(QStringLiteral("data/Vrs52100.dat"), {QStringLiteral("x#y")});
        const QString found = ProgramPath::resolve(c.root(), QStringLiteral("\\DATA\\VRS52100.DAT"));
        QCOMPARE(found, c.path(QStringLiteral("data/Vrs52100.dat")));
        QVERIFY(ProgramPath::resolve(c.root(), QStringLiteral("\\DATA\\VRS99999.DAT")).isEmpty());
        // An empty root never becomes the file system's root.
        QVERIFY(ProgramPath::resolve(QString(), QStringLiteral("\\tmp")).isEmpty());
        QCOMPARE(ProgramPath::forWriting(c.root() + QStringLiteral("\\DATA\\new.txt")),
                 c.path(QStringLiteral("data/new.txt")));
    }

    void profileFileRules()
    {
        IniFile ini;
        ini.parse(QStringLiteral("[PATH]\r\nVrsCDPath=D:\\temp\\new;x\r\n[Path]\r\nvrsscoredirectory = C:\\res\r\n"
                                 "; a comment\r\nVrsCDPath=ignored\r\n"));
        QCOMPARE(ini.value(QStringLiteral("path"), QStringLiteral("VRSCDPATH")), QStringLiteral("D:\\temp\\new;x"));
        QCOMPARE(ini.value(QStringLiteral("PATH"), QStringLiteral("VrsScoreDirectory")), QStringLiteral("C:\\res"));
        QCOMPARE(ini.value(QStringLiteral("Other"), QStringLiteral("x"), QStringLiteral("fallback")),
                 QStringLiteral("fallback"));
    }
};

VARMIKO_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
