#include "resources/pacchetto.h"

#include <algorithm>
#include <cstring>

#include "platform/errori_runtime.h"

namespace didiv {
namespace {
constexpr char kFirma[4] = {'D', 'D', 'V', '2'};
// As the BMP reader: absurd sizes are refused before anything is read.
constexpr uint64_t kMaxPixel = 64ULL * 1024 * 1024;

void metti(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
// Pixels start on a four-byte boundary of the bundle, so that they are read in place.
void allinea(std::vector<uint8_t>& out) {
    while (out.size() % 4) out.push_back(0);
}
}  // namespace

std::vector<uint8_t> scrivi_pacchetto(const std::vector<VocePacchetto>& voci) {
    // The list of pictures first and their pixels after it: finding a picture reads only the
    // list, and the pixels of a picture never drawn are never read (nor paged in).
    std::vector<uint8_t> out(kFirma, kFirma + 4);
    metti(out, static_cast<uint32_t>(voci.size()));
    std::vector<size_t> posti;
    for (const auto& v : voci) {
        metti(out, static_cast<uint32_t>(v.nome.size()));
        out.insert(out.end(), v.nome.begin(), v.nome.end());
        allinea(out);
        metti(out, static_cast<uint32_t>(v.membro));
        metti(out, static_cast<uint32_t>(v.immagine.ScaleWidth()));
        metti(out, static_cast<uint32_t>(v.immagine.ScaleHeight()));
        posti.push_back(out.size());
        metti(out, 0);  // where its pixels start, filled in below
    }
    for (size_t i = 0; i < voci.size(); ++i) {
        const Superficie& s = voci[i].immagine;
        const auto inizio = static_cast<uint32_t>(out.size());
        for (int b = 0; b < 4; ++b) out[posti[i] + static_cast<size_t>(b)] = static_cast<uint8_t>(inizio >> (8 * b));
        // Top row first, each pixel 0x00RRGGBB in little-endian order.
        for (int y = 0; y < s.ScaleHeight(); ++y)
            for (int x = 0; x < s.ScaleWidth(); ++x) metti(out, s.riga(y)[x]);
    }
    return out;
}

std::vector<VocePacchetto> leggi_pacchetto(std::span<const uint8_t> d) {
    size_t p = 0;
    auto leggi32 = [&]() {
        if (d.size() - p < 4) solleva(ERR_IMMAGINE_NON_VALIDA);
        uint32_t v = d[p] | d[p + 1] << 8 | d[p + 2] << 16 | static_cast<uint32_t>(d[p + 3]) << 24;
        p += 4;
        return v;
    };
    auto prendi = [&](size_t n) {
        if (d.size() - p < n) solleva(ERR_IMMAGINE_NON_VALIDA);
        auto s = d.subspan(p, n);
        p += n;
        return s;
    };
    auto firma = prendi(4);
    if (!std::equal(firma.begin(), firma.end(), kFirma)) solleva(ERR_IMMAGINE_NON_VALIDA);
    const uint32_t n = leggi32();
    std::vector<VocePacchetto> voci;
    for (uint32_t i = 0; i < n; ++i) {
        VocePacchetto v;
        auto nome = prendi(leggi32());
        v.nome.assign(nome.begin(), nome.end());
        prendi((4 - p % 4) % 4);
        v.membro = static_cast<int32_t>(leggi32());
        const uint32_t w = leggi32(), h = leggi32(), inizio = leggi32();
        if (w == 0 || h == 0 || w > kMaxPixel || h > kMaxPixel || uint64_t{w} * h > kMaxPixel)
            solleva(ERR_IMMAGINE_NON_VALIDA);
        const size_t byte = size_t{w} * h * 4;
        if (inizio > d.size() || byte > d.size() - inizio) solleva(ERR_IMMAGINE_NON_VALIDA);
        const uint8_t* pixel = d.data() + inizio;
        const int larghezza = static_cast<int>(w), altezza = static_cast<int>(h);
        if (reinterpret_cast<uintptr_t>(pixel) % alignof(uint32_t) == 0) {
            v.immagine = Superficie::sola_lettura(larghezza, altezza, reinterpret_cast<const uint32_t*>(pixel));
        } else {  // bytes from elsewhere, not on a boundary: copied
            v.immagine = Superficie(larghezza, altezza);
            for (int y = 0; y < altezza; ++y)
                std::memcpy(v.immagine.riga(y), pixel + size_t{w} * 4 * static_cast<size_t>(y), size_t{w} * 4);
        }
        voci.push_back(std::move(v));
    }
    return voci;
}

}  // namespace didiv
