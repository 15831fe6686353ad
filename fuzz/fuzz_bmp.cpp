// Any bytes given to the BMP loader end in a picture or in error 481, never in a crash.

#include <cstddef>
#include <cstdint>

#include "platform/bmp.h"
#include "platform/errori_runtime.h"
#include "resources/pacchetto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    try {
        didiv::Superficie s = didiv::decodifica_bmp({dati, n});
        (void)s.Point(s.ScaleWidth() - 1, s.ScaleHeight() - 1);
    } catch (const didiv::ErroreRuntime& e) {
        if (e.numero() != 481) __builtin_trap();
    }
    try {
        // The bundle's pictures are read in place: every pixel must lie within the bytes.
        for (const auto& v : didiv::leggi_pacchetto({dati, n})) {
            const didiv::Superficie& s = v.immagine;
            (void)s.Point(0, 0);
            (void)s.Point(s.ScaleWidth() - 1, s.ScaleHeight() - 1);
        }
    } catch (const didiv::ErroreRuntime& e) {
        if (e.numero() != 481) __builtin_trap();
    }
    return 0;
}
