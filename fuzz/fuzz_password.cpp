// The teacher's password file "VRS45444.DOT": reading the password and
// trying the lock with it.

#include "FuzzCourse.h"
#include "results/lararlosen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzCourse course;
    course.clear("RESULTAT");
    course.write("RESULTAT/VRS45444.DOT", FuzzCourse::bytes(data, size));

    if (LararLosenFil(1)) {
        FUZZ_CHECK(!LararLosen.isEmpty() && LararLosen.size() <= LararLosenFaltLangd);
        FUZZ_CHECK(oppnarLararLas(LararLosen));
    }
    oppnarLararLas(QStringLiteral("KLOSTRAB"));
    return 0;
}
