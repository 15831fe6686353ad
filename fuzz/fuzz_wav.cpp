// Any bytes at all: the WAV reader either decodes them or refuses them with a run-time error.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio/wav.h"
#include "platform/errori_runtime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    try {
        const didiv::SuonoPcm s = didiv::decodifica_wav(dati, n);
        if (s.campioni.empty() || s.campioni.size() % 2) std::abort();
        for (float v : s.campioni)
            if (!(std::fabs(v) <= 1.0f)) std::abort();
    } catch (const didiv::ErroreRuntime& e) {
        if (e.numero() != didiv::ERR_FORMATO_FILE) std::abort();
    }
    return 0;
}
