// A rule page's text: the character set it declares (or its bytes suggest)
// and the page decoded by it.

#include "FuzzCourse.h"
#include "frame/regelsidor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = avkodaHtml(FuzzCourse::bytes(data, size));
    FUZZ_CHECK(text.size() <= qsizetype(size));
    return 0;
}
