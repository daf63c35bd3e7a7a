// A word list of the word-list trainer ("*.vr1"): choosing it (headers and
// count), then every item in the run's random order, fetched and split.

#include "FuzzCourse.h"
#include "drills/vocabulary/dinaordlistor.h"
#include "frame/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    const QString fil = course.write("DATA/FUZZ.vr1", FuzzCourse::bytes(data, size));
    DinaOrdAntal[ordListNummer(fil)] = 0; // counted anew for every input

    if (!Filvald(QStringLiteral("FUZZ.vr1"), QStringLiteral("Fuzz")))
        return 0;
    const qint32 antal = DinaOrdAntal[DinaOrdLista];
    FUZZ_CHECK(antal >= 1);
    // Counting and fetching agree on what an item is.
    for (qint32 i = 0; i < qMin(antal, 200); ++i) {
        const qint32 nr = NastaSlumpPost(DinaOrdPosition[DinaOrdLista], DinaOrdLista);
        FUZZ_CHECK(nr >= 1 && nr <= antal);
        FUZZ_CHECK(haemtaOrdPost(nr));
        str_postarray(PostRad);
    }
    return 0;
}
