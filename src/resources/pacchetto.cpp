#include "resources/pacchetto.h"


#include "platform/bmp.h"
#include "platform/errori_runtime.h"

namespace didiv {
namespace {
constexpr char kFirma[4] = {'D', 'D', 'V', '1'};

void metti(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
}  // namespace

std::vector<uint8_t> scrivi_pacchetto(const std::vector<VocePacchetto>& voci) {
    std::vector<uint8_t> out(kFirma, kFirma + 4);
    metti(out, static_cast<uint32_t>(voci.size()));
    for (const auto& v : voci) {
        metti(out, static_cast<uint32_t>(v.nome.size()));
        out.insert(out.end(), v.nome.begin(), v.nome.end());
        metti(out, static_cast<uint32_t>(v.membro));
        metti(out, static_cast<uint32_t>(v.bmp.size()));
        out.insert(out.end(), v.bmp.begin(), v.bmp.end());
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
        v.membro = static_cast<int32_t>(leggi32());
        auto bmp = prendi(leggi32());
        v.bmp.assign(bmp.begin(), bmp.end());
        voci.push_back(std::move(v));
    }
    return voci;
}

}  // namespace didiv
