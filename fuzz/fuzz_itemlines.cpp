// Item lines of an exercise data file: counting and headers (Kolla), fetching
// every item (haemtaord), unscrambling and splitting it into fields, cutting
// at marks and blank normalisation; scrambling gives every line back.

#include "FuzzCourse.h"
#include "frame/datafiles.h"
#include "frame/fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    const QByteArray bytes = FuzzCourse::bytes(data, size);
    const QString name = QStringLiteral("VRS52100.DAT");
    course.write("DATA/VRS52100.DAT", bytes);

    PostAntal[listNummerFor(name)] = 0; // counted anew for every input
    if (Kolla(name)) {
        // Counting and fetching agree on what an item is.
        const qint32 antal = qMin(PostAntal[ListNummer], 200);
        for (qint32 nr = 1; nr <= antal; ++nr) {
            FUZZ_CHECK(haemtaord(name, nr));
            str_postarray(PostRad);
            FUZZ_CHECK(AntalFalt <= MaxFalt && AntalAlternativ <= MaxFalt);
            LetaPrep(postFalt(forstaAlternativ()));
            MellanslagBort(postFalt(sistaFaltForeAlternativ()));
        }
        FUZZ_CHECK(!haemtaord(name, antal + 1) || PostAntal[ListNummer] > antal);
    }

    // Scrambling is undone by unscrambling, on every line of printable bytes.
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const bool printable = std::all_of(line.cbegin(), line.cend(), [](char c) { return quint8(c) >= 32; });
        const QByteArray plain = dekryptradBytes(line);
        const QByteArray again = kryptradBytes(plain);
        if (printable && line.startsWith(')') && !QByteArray(";$#)").contains(plain.left(1)))
            FUZZ_CHECK(again == line);
        if (printable && !line.isEmpty() && !QByteArray(";$#)").contains(line.at(0)))
            FUZZ_CHECK(dekryptradBytes(kryptradBytes(line)) == line);
    }
    return 0;
}
