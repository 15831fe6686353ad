#include "platform/bmp.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <fstream>

#include "platform/errori_runtime.h"

namespace didiv {
namespace {

// Large enough for the world picture many times over, small enough to refuse absurd headers
// before allocating.
constexpr long long kMaxPixel = 64LL * 1024 * 1024;
// Everything before the pixels that the reader looks at lies within this many bytes of the
// start: the largest header (124 bytes) and palette (256 colours) end at byte 1162.
constexpr size_t kTestata = 4096;

[[noreturn]] void non_valida() { solleva(ERR_IMMAGINE_NON_VALIDA); }

// The header bytes of a file of `dimensione` bytes, `testa` being its first ones.
class Lettore {
public:
    Lettore(std::span<const uint8_t> testa, size_t dimensione) : d_(testa), dimensione_(dimensione) {}
    uint32_t u32(size_t off) const { need(off, 4); return d_[off] | d_[off + 1] << 8 | d_[off + 2] << 16 | static_cast<uint32_t>(d_[off + 3]) << 24; }
    uint16_t u16(size_t off) const { need(off, 2); return static_cast<uint16_t>(d_[off] | d_[off + 1] << 8); }
    int32_t i32(size_t off) const { return static_cast<int32_t>(u32(off)); }
    uint8_t u8(size_t off) const { need(off, 1); return d_[off]; }
    void need(size_t off, size_t n) const {
        if (off > d_.size() || n > d_.size() - off) non_valida();
    }
    // Whether the file holds n bytes from off (they need not be among the header bytes).
    void nel_file(size_t off, size_t n) const {
        if (off > dimensione_ || n > dimensione_ - off) non_valida();
    }

private:
    std::span<const uint8_t> d_;
    size_t dimensione_;
};

struct Formato {
    int larghezza = 0, altezza = 0;
    uint16_t bpp = 0;
    bool dal_basso = false;
    size_t inizio_pixel = 0;
    size_t passo = 0;  // bytes per row in the file
    size_t colori = 0;
    std::array<uint32_t, 256> palette{};

    // The surface row that the file's n-th row (counting in file order) fills.
    int riga_di(int n) const { return dal_basso ? altezza - 1 - n : n; }
};

Formato leggi_testata(std::span<const uint8_t> testa, size_t dimensione) {
    Lettore r(testa, dimensione);
    if (dimensione < 26 || r.u8(0) != 'B' || r.u8(1) != 'M') non_valida();
    const uint32_t off_pixel = r.u32(10);
    const uint32_t dim_testata = r.u32(14);

    long long larghezza = 0, altezza = 0;
    uint16_t bpp = 0;
    uint32_t compressione = 0, colori_usati = 0;
    size_t dim_voce_palette = 4;
    if (dim_testata == 12) {  // the old OS/2 header
        larghezza = r.u16(18);
        altezza = static_cast<int16_t>(r.u16(20));
        if (r.u16(22) != 1) non_valida();
        bpp = r.u16(24);
        dim_voce_palette = 3;
    } else if (dim_testata >= 40 && dim_testata <= 124) {
        larghezza = r.i32(18);
        altezza = r.i32(22);
        if (r.u16(26) != 1) non_valida();
        bpp = r.u16(28);
        compressione = r.u32(30);
        colori_usati = r.u32(46);
    } else {
        non_valida();
    }

    Formato f;
    f.dal_basso = altezza > 0;
    if (altezza < 0) altezza = -altezza;
    if (larghezza <= 0 || altezza <= 0 || larghezza * altezza > kMaxPixel) non_valida();
    // Plain pixels only; 32-bit bitfields are accepted when they are the usual BGRA layout.
    const bool bitfields_ok =
        compressione == 3 && bpp == 32 && r.u32(54) == 0x00FF0000u &&
        r.u32(58) == 0x0000FF00u && r.u32(62) == 0x000000FFu;
    if (compressione != 0 && !bitfields_ok) non_valida();
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) non_valida();

    if (bpp <= 8) {
        const size_t n = colori_usati ? colori_usati : (1u << bpp);
        if (n > (1u << bpp)) non_valida();
        const size_t base = 14 + static_cast<size_t>(dim_testata);
        r.need(base, n * dim_voce_palette);
        for (size_t i = 0; i < n; ++i) {
            const size_t o = base + i * dim_voce_palette;
            f.palette[i] = static_cast<uint32_t>(RGB(r.u8(o + 2), r.u8(o + 1), r.u8(o)));
        }
        f.colori = n;
    }

    f.larghezza = static_cast<int>(larghezza);
    f.altezza = static_cast<int>(altezza);
    f.bpp = bpp;
    f.passo = static_cast<size_t>((larghezza * bpp + 31) / 32) * 4;
    f.inizio_pixel = off_pixel;
    r.nel_file(off_pixel, f.passo * static_cast<size_t>(altezza));
    return f;
}

uint32_t carica32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

constexpr size_t kBlocco = 8;  // fixed blocks the compiler turns into vector code at -O2

// One row of the file into one row of pixels, 0x00RRGGBB. An index past the palette refuses
// the whole picture.
void converti_riga(const Formato& f, const uint8_t* p, uint32_t* d) {
    static_assert(std::endian::native == std::endian::little, "pixels are read as little-endian words");
    const size_t w = static_cast<size_t>(f.larghezza);
    switch (f.bpp) {
    case 24: {
        // Four bytes at a time hold blue, green, red and one byte too many; the last pixel
        // would read past the row.
        for (size_t x = 0; x + 1 < w; ++x) d[x] = carica32(p + 3 * x) & 0xFFFFFFu;
        const uint8_t* u = p + 3 * (w - 1);
        d[w - 1] = static_cast<uint32_t>(u[0] | u[1] << 8 | u[2] << 16);
        return;
    }
    case 32: {
        size_t x = 0;
        for (; x + kBlocco <= w; x += kBlocco)
            for (size_t k = 0; k < kBlocco; ++k) d[x + k] = carica32(p + 4 * (x + k)) & 0xFFFFFFu;
        for (; x < w; ++x) d[x] = carica32(p + 4 * x) & 0xFFFFFFu;
        return;
    }
    case 8: {
        if (*std::max_element(p, p + w) >= f.colori) non_valida();
        for (size_t x = 0; x < w; ++x) d[x] = f.palette[p[x]];
        return;
    }
    default: {  // 1 or 4 bits
        const unsigned bpp = f.bpp, maschera = (1u << bpp) - 1;
        for (size_t x = 0; x < w; ++x) {
            const size_t bit = x * bpp;
            const unsigned indice = (p[bit / 8] >> (8 - bpp - bit % 8)) & maschera;
            if (indice >= f.colori) non_valida();
            d[x] = f.palette[indice];
        }
        return;
    }
    }
}

}  // namespace

Superficie decodifica_bmp(std::span<const uint8_t> dati) {
    const Formato f = leggi_testata(dati, dati.size());
    Superficie s(f.larghezza, f.altezza);
    for (int n = 0; n < f.altezza; ++n)
        converti_riga(f, dati.data() + f.inizio_pixel + f.passo * static_cast<size_t>(n), s.riga(f.riga_di(n)));
    return s;
}

Superficie LoadPicture(const std::string& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    if (!file) solleva(ERR_FILE_NON_TROVATO);
    file.seekg(0, std::ios::end);
    const std::streamoff fine = file.tellg();
    file.seekg(0);
    if (!file || fine < 0) non_valida();
    const size_t dimensione = static_cast<size_t>(fine);
    // The header, then the rows a few at a time straight into the surface: the file is never
    // held whole.
    std::vector<uint8_t> buffer(std::min(dimensione, kTestata));
    auto leggi = [&](uint8_t* dove, size_t n) {
        if (!file.read(reinterpret_cast<char*>(dove), static_cast<std::streamsize>(n))) non_valida();
    };
    leggi(buffer.data(), buffer.size());
    const Formato f = leggi_testata(buffer, dimensione);
    Superficie s(f.larghezza, f.altezza);
    const int righe_per_volta = static_cast<int>(std::max<size_t>(1, (64 * 1024) / f.passo));
    buffer.resize(f.passo * static_cast<size_t>(std::min(righe_per_volta, f.altezza)));
    file.seekg(static_cast<std::streamoff>(f.inizio_pixel));
    for (int n = 0; n < f.altezza; n += righe_per_volta) {
        const int k = std::min(righe_per_volta, f.altezza - n);
        leggi(buffer.data(), f.passo * static_cast<size_t>(k));
        for (int i = 0; i < k; ++i) converti_riga(f, buffer.data() + f.passo * static_cast<size_t>(i), s.riga(f.riga_di(n + i)));
    }
    return s;
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
