// A picture file: the BMP header and, for the plain 24-bit pictures of the
// course, the rows read straight into an image.

#include "FuzzCourse.h"
#include "frame/pictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QImage bild = lasBmp(FuzzCourse::bytes(data, size));
    if (!bild.isNull())
        FUZZ_CHECK(qint64(bild.width()) * bild.height() * 3 <= qint64(size));
    return 0;
}
