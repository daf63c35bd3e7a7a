// A record table (".TNR"): reading its rows, placing a new entry among them
// and the cell texts of every row.

#include "FuzzCourse.h"
#include "results/rekordtabell.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    const QString path = course.write("RESULTAT/VRS56610.TNR", FuzzCourse::bytes(data, size));

    QList<TRekordRad> rows;
    if (readRecordFile(path, rows) != RecordFileState::Read)
        return 0;
    FUZZ_CHECK(rows.size() <= RekordMax);
    TRekordRad entry;
    entry.Namn = QStringLiteral("Åsa");
    entry.Resultat = rows.isEmpty() ? 0 : rows.first().Resultat;
    for (const bool race : {false, true}) {
        const RankedTable t = rankEntry(rows, entry, race);
        FUZZ_CHECK(t.rows.size() <= RekordMax + 1 && t.newRow >= 1);
        for (int i = 0; i < t.rows.size(); ++i) {
            formatRowNumber(i + 1);
            formatDateTime(t.rows[i]);
            formatResult(t.rows[i].Resultat, race);
            FUZZ_CHECK(t.rows[i].toBytes().size() == TRekordRad::Storlek);
        }
    }
    return 0;
}
