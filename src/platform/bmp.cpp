#include "platform/bmp.h"

#include <fstream>
#include <iterator>

#include "platform/errori_runtime.h"

namespace didiv {
namespace {

// Large enough for the world picture many times over, small enough to refuse absurd headers
// before allocating.
constexpr long long kMaxPixel = 64LL * 1024 * 1024;

class Lettore {
public:
    explicit Lettore(std::span<const uint8_t> d) : d_(d) {}
    uint32_t u32(size_t off) const { need(off, 4); return d_[off] | d_[off + 1] << 8 | d_[off + 2] << 16 | static_cast<uint32_t>(d_[off + 3]) << 24; }
    uint16_t u16(size_t off) const { need(off, 2); return static_cast<uint16_t>(d_[off] | d_[off + 1] << 8); }
    int32_t i32(size_t off) const { return static_cast<int32_t>(u32(off)); }
    uint8_t u8(size_t off) const { need(off, 1); return d_[off]; }
    void need(size_t off, size_t n) const {
        if (off > d_.size() || n > d_.size() - off) solleva(ERR_IMMAGINE_NON_VALIDA);
    }

private:
    std::span<const uint8_t> d_;
};

}  // namespace

Superficie decodifica_bmp(std::span<const uint8_t> dati) {
    Lettore r(dati);
    if (dati.size() < 26 || r.u8(0) != 'B' || r.u8(1) != 'M') solleva(ERR_IMMAGINE_NON_VALIDA);
    const uint32_t off_pixel = r.u32(10);
    const uint32_t dim_testata = r.u32(14);

    long long larghezza = 0, altezza = 0;
    uint16_t bpp = 0;
    uint32_t compressione = 0, colori_usati = 0;
    size_t dim_voce_palette = 4;
    if (dim_testata == 12) {  // the old OS/2 header
        larghezza = r.u16(18);
        altezza = static_cast<int16_t>(r.u16(20));
        if (r.u16(22) != 1) solleva(ERR_IMMAGINE_NON_VALIDA);
        bpp = r.u16(24);
        dim_voce_palette = 3;
    } else if (dim_testata >= 40 && dim_testata <= 124) {
        larghezza = r.i32(18);
        altezza = r.i32(22);
        if (r.u16(26) != 1) solleva(ERR_IMMAGINE_NON_VALIDA);
        bpp = r.u16(28);
        compressione = r.u32(30);
        colori_usati = r.u32(46);
    } else {
        solleva(ERR_IMMAGINE_NON_VALIDA);
    }

    const bool dal_basso = altezza > 0;
    if (altezza < 0) altezza = -altezza;
    if (larghezza <= 0 || altezza <= 0 || larghezza * altezza > kMaxPixel)
        solleva(ERR_IMMAGINE_NON_VALIDA);
    // Plain pixels only; 32-bit bitfields are accepted when they are the usual BGRA layout.
    const bool bitfields_ok =
        compressione == 3 && bpp == 32 && r.u32(54) == 0x00FF0000u &&
        r.u32(58) == 0x0000FF00u && r.u32(62) == 0x000000FFu;
    if (compressione != 0 && !bitfields_ok) solleva(ERR_IMMAGINE_NON_VALIDA);
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) solleva(ERR_IMMAGINE_NON_VALIDA);

    std::vector<uint32_t> palette;
    if (bpp <= 8) {
        size_t n = colori_usati ? colori_usati : (1u << bpp);
        if (n > (1u << bpp)) solleva(ERR_IMMAGINE_NON_VALIDA);
        const size_t base = 14 + static_cast<size_t>(dim_testata);
        r.need(base, n * dim_voce_palette);
        palette.resize(n);
        for (size_t i = 0; i < n; ++i) {
            size_t o = base + i * dim_voce_palette;
            palette[i] = static_cast<uint32_t>(RGB(r.u8(o + 2), r.u8(o + 1), r.u8(o)));
        }
    }

    const size_t passo = static_cast<size_t>((larghezza * bpp + 31) / 32) * 4;
    r.need(off_pixel, passo * static_cast<size_t>(altezza));

    Superficie s(static_cast<int>(larghezza), static_cast<int>(altezza));
    for (long long y = 0; y < altezza; ++y) {
        const size_t riga = off_pixel + passo * static_cast<size_t>(dal_basso ? altezza - 1 - y : y);
        const uint8_t* p = dati.data() + riga;
        uint32_t* d = s.riga(static_cast<int>(y));
        for (long long x = 0; x < larghezza; ++x) {
            uint32_t c = 0;
            if (bpp == 24) {
                c = static_cast<uint32_t>(RGB(p[x * 3 + 2], p[x * 3 + 1], p[x * 3]));
            } else if (bpp == 32) {
                c = static_cast<uint32_t>(RGB(p[x * 4 + 2], p[x * 4 + 1], p[x * 4]));
            } else {
                const long long bit = x * bpp;
                const unsigned indice = (p[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                if (indice >= palette.size()) solleva(ERR_IMMAGINE_NON_VALIDA);
                c = palette[indice];
            }
            d[x] = c;
        }
    }
    return s;
}

Superficie LoadPicture(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    if (!f) solleva(ERR_FILE_NON_TROVATO);
    std::vector<uint8_t> dati((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) solleva(ERR_IMMAGINE_NON_VALIDA);
    return decodifica_bmp(dati);
}

std::vector<uint8_t> codifica_bmp24(const Superficie& s) {
    const uint32_t w = static_cast<uint32_t>(s.ScaleWidth()), h = static_cast<uint32_t>(s.ScaleHeight());
    const uint32_t passo = (w * 3 + 3) & ~3u;
    const uint32_t dim = 54 + passo * h;
    std::vector<uint8_t> out(dim, 0);
    auto metti32 = [&](size_t o, uint32_t v) { for (int i = 0; i < 4; ++i) out[o + i] = static_cast<uint8_t>(v >> (8 * i)); };
    out[0] = 'B'; out[1] = 'M';
    metti32(2, dim); metti32(10, 54); metti32(14, 40); metti32(18, w); metti32(22, h);
    out[26] = 1; out[28] = 24;
    metti32(34, passo * h); metti32(38, 2835); metti32(42, 2835);
    for (uint32_t y = 0; y < h; ++y) {
        const uint32_t* src = s.riga(static_cast<int>(h - 1 - y));
        uint8_t* d = out.data() + 54 + static_cast<size_t>(passo) * y;
        for (uint32_t x = 0; x < w; ++x) {
            d[x * 3] = static_cast<uint8_t>(src[x]);
            d[x * 3 + 1] = static_cast<uint8_t>(src[x] >> 8);
            d[x * 3 + 2] = static_cast<uint8_t>(src[x] >> 16);
        }
    }
    return out;
}

}  // namespace didiv
