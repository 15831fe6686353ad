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
        if (s.frames() == 0 || s.campioni.size() % 2 || (s.canali != 1 && s.canali != 2) || s.interi.size() % s.canali)
            std::abort();
        for (size_t i = 0; i < s.frames(); ++i)
            for (int lato = 0; lato < 2; ++lato)
                if (!(std::fabs(s.campione(i, lato)) <= 1.0f)) std::abort();
    } catch (const didiv::ErroreRuntime& e) {
        if (e.numero() != didiv::ERR_FORMATO_FILE) std::abort();
    }
    return 0;
}
