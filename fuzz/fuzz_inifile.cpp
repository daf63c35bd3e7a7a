// The settings files: "Vrs2010.Ini" (the roots and result directories) and
// "VRSKA.INI" (pause, sounds, pictures), read as the program reads them at
// start, and the profile reader itself.

#include "FuzzCourse.h"
#include "frame/startup.h"
#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    const QByteArray bytes = FuzzCourse::bytes(data, size);
    const QString root = PCPath;
    course.write("Vrs2010.Ini", bytes);
    course.write("PROGRAM/VRSKA.INI", bytes);

    LaesSokvagar();
    FUZZ_CHECK(!PCPath.trimmed().isEmpty() && !DiagnosPath.isEmpty());
    PCPath = root;
    CDPath.clear();
    HaemtaVrskaINI();
    FUZZ_CHECK(PausTid >= 0 && PausTid <= 9 && LjudInst <= 3 && BildInst <= 3);

    IniFile ini;
    FUZZ_CHECK(ini.load(course.path("Vrs2010.Ini")));
    ini.value(QStringLiteral("PATH"), QStringLiteral("VrsPCPath"));
    ini.contains(QStringLiteral("settings"), QStringLiteral("SOUNDS"));

    DiagnosPath = course.path("RESULTAT");
    ScoreDirectory = course.path("RESULTAT") + QLatin1Char('/');
    return 0;
}
