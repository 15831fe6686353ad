// Any bytes at all as a SoundFont: the index is read or refused with run-time error 321, and a
// font cut down for a few notes is one the reader reads back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "audio/soundfont.h"
#include "platform/errori_runtime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    try {
        didiv::SoundfontInMemoria s(dati, n);
        const didiv::IndiceSoundfont x = didiv::leggi_indice_soundfont(s);
        // Notes on the first presets, and one wherever the last bytes say, struck where they say.
        const auto byte = [&](size_t i) { return static_cast<int>(dati[(n - 1 - i) % n]); };
        std::set<didiv::NotaSuonata> note;
        for (size_t p = 0; p + 1 < x.preset.size() && p < 4; ++p)
            note.insert({x.preset[p].banco, x.preset[p].programma, byte(2 * p) & 127, byte(2 * p + 1) & 127});
        note.insert({byte(8) & 1 ? 128 : byte(9) & 3, byte(10) & 127, byte(11) & 127, byte(12) & 127});
        const std::vector<uint8_t> ridotto = didiv::riduci_soundfont(x, s, note);
        didiv::SoundfontInMemoria r(ridotto.data(), ridotto.size());
        try {
            didiv::leggi_indice_soundfont(r);
        } catch (const didiv::ErroreRuntime&) {
            std::abort();
        }
    } catch (const didiv::ErroreRuntime& e) {
        if (e.numero() != didiv::ERR_FORMATO_FILE) std::abort();
    }
    return 0;
}
