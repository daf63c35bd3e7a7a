// A level progress file (".STE"): the level saved for a pupil, looked up by
// name as the level-stepping window does.

#include "FuzzCourse.h"
#include "drills/grammar/stegfil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    course.clear("RESULTAT");
    course.write("RESULTAT/VRXACT.STE", FuzzCourse::bytes(data, size));

    for (const QString &namn : {QStringLiteral("Anna"), QStringLiteral("ÅSA"), QString()}) {
        qint32 niva = 0;
        if (hamtaStegNiva(QStringLiteral("VRXACT.STE"), namn, 12, niva) == StegHamtning::Hittad)
            FUZZ_CHECK(niva >= 1 && niva <= 12);
    }
    return 0;
}
