// A data file whose items are grouped in levels ("3Frage#Antwort"): counting
// the levels and fetching items of each level in its shuffled order.

#include "FuzzCourse.h"
#include "drills/grammar/NivaFil.h"
#include "frame/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    course.write("DATA/VRS53110.DAT", FuzzCourse::bytes(data, size));

    NivaFil fil;
    if (!fil.TestaStegreFilen(QStringLiteral("VRS53110.DAT")))
        return 0;
    FUZZ_CHECK(fil.AntalNivaer >= 0 && fil.AntalNivaer <= NivaFil::MaxNivaer);
    fil.slumpaAllaNivaer();
    for (int niva = 1; niva <= fil.AntalNivaer; ++niva) {
        FUZZ_CHECK(fil.NivaAntal[niva] > 0);
        for (int i = 0; i <= qMin(fil.NivaAntal[niva], 20); ++i) {
            FUZZ_CHECK(fil.haemtaord(niva));
            str_postarray(PostRad);
        }
    }
    return 0;
}
