// Any bytes at all: the MIDI file reader either reads them whole or refuses them with a
// run-time error.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio/midi.h"
#include "platform/errori_runtime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    try {
        const didiv::BranoMidi b = didiv::leggi_brano_midi(dati, n);
        for (const auto& [banco, programma] : b.strumenti)
            if (banco < 0 || banco > didiv::BANCO_PERCUSSIONI || programma < 0 || programma > 127) std::abort();
    } catch (const didiv::ErroreRuntime& e) {
        if (e.numero() != didiv::ERR_FORMATO_FILE) std::abort();
    }
    return 0;
}
