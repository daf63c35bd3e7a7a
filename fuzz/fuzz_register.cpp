// The diagnosis register "TDIAG.DIA": the list of names, looking a pupil up
// and the name test, on whatever bytes the file holds.

#include "FuzzCourse.h"
#include "frame/TDiagnosPost.h"
#include "results/diagnosregister.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    course.clear("RESULTAT");
    course.write("RESULTAT/TDIAG.DIA", FuzzCourse::bytes(data, size));

    QStringList names;
    if (readRegisterNames(names)) {
        for (const QString &n : names.mid(0, 4)) {
            HaemtaDiagnos(n);
            FUZZ_CHECK(AktivDiagnos.Namn.size() <= DiagnosNamnLangd);
            FUZZ_CHECK(AktivDiagnos.Losen.size() <= DiagnosLosenLangd);
            FUZZ_CHECK(AktivDiagnos.toBytes().size() == DiagnosPostStorlek);
        }
    }
    HaemtaDiagnos(QStringLiteral("Ingen sådan elev"));
    NamnFinns(QStringLiteral("Åsa"));
    return 0;
}
