// A praise file ("VROM9001.LOV"): counting its lines, drawing every one in
// the run's random order, splitting it and filling its placeholders.

#include "FuzzCourse.h"
#include "frame/datafiles.h"
#include "frame/fields.h"
#include "frame/praise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    course.write("DATA/VROM9001.LOV", FuzzCourse::bytes(data, size));
    const QString name = QStringLiteral("VROM9001.LOV");
    LovordFiler[1] = name;
    AntalLovordFiler = 1;
    LovordRadAntal[1] = 0; // counted anew for every input
    LovordPosition[1] = 1;

    if (!KollaLovOrd(name))
        return 0;
    const qint32 antal = LovordRadAntal[LovordTyp];
    FUZZ_CHECK(antal >= 1);
    for (qint32 i = 0; i < qMin(antal, 200); ++i) {
        const qint32 nr = haemta_Lovordslumptal(LovordPosition[LovordTyp], LovordTyp);
        FUZZ_CHECK(nr >= 1 && nr <= antal);
        FUZZ_CHECK(haemtaord(name, nr));
        str_postarray(PostRad);
        QString text;
        for (int f = 1; f <= 3; ++f)
            LovordMen(postFalt(f), text);
    }
    return 0;
}
