// A sound file: our WAV reader, which checks the header against the file.

#include "FuzzCourse.h"
#include "platform/WavSound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WavSound s = WavSound::fromBytes(FuzzCourse::bytes(data, size));
    if (s.fault != WavSound::Fault::None)
        return 0;
    // Whole frames of a format the sound system takes, and no more than the
    // file holds (24-bit samples are widened by a third).
    FUZZ_CHECK(s.channels >= 1 && s.sampleRate >= 1 && !s.samples.isEmpty());
    FUZZ_CHECK(s.samples.size() % s.bytesPerFrame() == 0);
    FUZZ_CHECK(s.samples.size() <= qsizetype(size) * 4 / 3);
    FUZZ_CHECK(s.lengthMs() >= 0);
    return 0;
}
