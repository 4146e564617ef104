// Fuzz target: the free-form reader. The first byte chooses a pattern of reads (integers, reals,
// titles); the rest is the file. Every read either returns a value or ends with a ProblemStop.

#include "EngineErrors.h"
#include "FreeReader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const unsigned pattern = data[0];
    tervane::FreeReader reader;
    reader.reset(std::string(reinterpret_cast<const char*>(data + 1), size - 1), "DATA FILE");
    try {
        for (int step = 0; step < 64; ++step) {
            switch ((pattern >> (step % 4) * 2) & 3u) {
            case 0: {
                const std::string t = reader.fixedText(70);
                if (t.size() != 70) std::abort();
                break;
            }
            case 1: {
                std::int32_t v[10];
                reader.integers(v, 10);
                break;
            }
            case 2: {
                double v[6];
                reader.reals(v, 6);
                for (double x : v)
                    if (!std::isfinite(x)) std::abort();
                break;
            }
            default:
                reader.begin();
                reader.integer();
                reader.real();
                reader.end();
            }
        }
    } catch (const tervane::ProblemStop&) {
    }
    return 0;
}
