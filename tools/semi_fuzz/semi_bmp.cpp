// BMP seeds: the same few small pictures in every layout the loader reads, then malformed
// variants of them, each broken in one way.

#include <map>

#include "semi_fuzz/semi.h"

namespace didiv::semi {
namespace {

constexpr int kLarghezza = 7;  // odd, so rows need padding at every depth
constexpr int kAltezza = 5;

// Distinct colours, for the palettes.
constexpr Colore kTavolozza[] = {
    RGB(20, 16, 12),   RGB(243, 230, 196), RGB(192, 57, 43),  RGB(217, 166, 46),
    RGB(39, 96, 142),  RGB(88, 140, 60),   RGB(120, 72, 160), RGB(250, 250, 250),
    RGB(0, 0, 0),      RGB(255, 0, 0),     RGB(0, 255, 0),    RGB(0, 0, 255),
    RGB(128, 128, 0),  RGB(0, 128, 128),   RGB(128, 0, 128),  RGB(64, 64, 64),
    RGB(200, 100, 50),
};

// A picture of `colori` palette colours (all colours when 0): each appears somewhere.
Superficie figura(int colori) {
    Superficie s(kLarghezza, kAltezza);
    for (int y = 0; y < kAltezza; ++y)
        for (int x = 0; x < kLarghezza; ++x)
            s.PSet(x, y, colori ? kTavolozza[(x + 2 * y) % colori] : RGB(x * 36, y * 60, 200 - x * 20));
    return s;
}

void metti16(std::vector<uint8_t>& o, size_t p, uint32_t v) {
    o[p] = static_cast<uint8_t>(v);
    o[p + 1] = static_cast<uint8_t>(v >> 8);
}
void metti32(std::vector<uint8_t>& o, size_t p, uint32_t v) {
    for (int i = 0; i < 4; ++i) o[p + i] = static_cast<uint8_t>(v >> (8 * i));
}

struct Formato {
    int bpp = 24;
    uint32_t testata = 40;  // 12 is the OS/2 header
    bool dall_alto = false;
    bool bitfields = false;
    bool palette_piena = false;  // every entry the depth allows, not just the colours used
};

std::vector<uint8_t> scrivi(const Superficie& s, const Formato& f) {
    const int w = s.ScaleWidth(), h = s.ScaleHeight();
    const bool os2 = f.testata == 12;
    std::vector<Colore> palette;
    std::map<Colore, uint32_t> indice;
    if (f.bpp <= 8) {
        for (Colore c : s.pixel())
            if (indice.emplace(c, static_cast<uint32_t>(palette.size())).second) palette.push_back(c);
        if (f.palette_piena || os2) palette.resize(size_t{1} << f.bpp, 0);
    }
    const size_t voce = os2 ? 3 : 4;
    // A 40-byte header is followed by its three masks; the later headers hold them inside.
    const size_t maschere = f.bitfields && f.testata == 40 ? 12 : 0;
    const size_t off = 14 + f.testata + maschere + palette.size() * voce;
    const size_t passo = static_cast<size_t>((w * f.bpp + 31) / 32) * 4;
    std::vector<uint8_t> o(off + passo * static_cast<size_t>(h), 0);
    o[0] = 'B';
    o[1] = 'M';
    metti32(o, 2, static_cast<uint32_t>(o.size()));
    metti32(o, 10, static_cast<uint32_t>(off));
    metti32(o, 14, f.testata);
    if (os2) {
        metti16(o, 18, static_cast<uint32_t>(w));
        metti16(o, 20, static_cast<uint32_t>(f.dall_alto ? -h : h));
        metti16(o, 22, 1);
        metti16(o, 24, static_cast<uint32_t>(f.bpp));
    } else {
        metti32(o, 18, static_cast<uint32_t>(w));
        metti32(o, 22, static_cast<uint32_t>(f.dall_alto ? -h : h));
        metti16(o, 26, 1);
        metti16(o, 28, static_cast<uint32_t>(f.bpp));
        metti32(o, 30, f.bitfields ? 3 : 0);
        metti32(o, 34, static_cast<uint32_t>(passo * static_cast<size_t>(h)));
        metti32(o, 38, 2835);
        metti32(o, 42, 2835);
        metti32(o, 46, f.bpp <= 8 && !f.palette_piena ? static_cast<uint32_t>(palette.size()) : 0);
        if (f.bitfields) {
            metti32(o, 54, 0x00FF0000u);
            metti32(o, 58, 0x0000FF00u);
            metti32(o, 62, 0x000000FFu);
            if (f.testata >= 108) metti32(o, 66, 0xFF000000u);
        }
    }
    for (size_t i = 0; i < palette.size(); ++i) {
        const size_t p = 14 + f.testata + maschere + i * voce;
        o[p] = static_cast<uint8_t>(palette[i]);
        o[p + 1] = static_cast<uint8_t>(palette[i] >> 8);
        o[p + 2] = static_cast<uint8_t>(palette[i] >> 16);
    }
    for (int y = 0; y < h; ++y) {
        uint8_t* r = o.data() + off + passo * static_cast<size_t>(f.dall_alto ? y : h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const uint32_t c = s.riga(y)[x];
            if (f.bpp == 24 || f.bpp == 32) {
                uint8_t* p = r + static_cast<size_t>(x) * (f.bpp / 8);
                p[0] = static_cast<uint8_t>(c);
                p[1] = static_cast<uint8_t>(c >> 8);
                p[2] = static_cast<uint8_t>(c >> 16);
                if (f.bpp == 32) p[3] = 0xFF;
            } else {
                const int bit = x * f.bpp;
                r[bit / 8] |= static_cast<uint8_t>(indice.at(static_cast<Colore>(c)) << (8 - f.bpp - bit % 8));
            }
        }
    }
    return o;
}

Seme letto(std::string nome, const Superficie& s, const Formato& f) {
    return {std::move(nome), scrivi(s, f), true, s};
}

Seme rifiutato(std::string nome, std::vector<uint8_t> dati) { return {std::move(nome), std::move(dati), false, {}}; }

std::vector<uint8_t> con32(std::vector<uint8_t> d, size_t p, uint32_t v) {
    metti32(d, p, v);
    return d;
}
std::vector<uint8_t> con16(std::vector<uint8_t> d, size_t p, uint32_t v) {
    metti16(d, p, v);
    return d;
}
std::vector<uint8_t> primi(const std::vector<uint8_t>& d, size_t n) { return {d.begin(), d.begin() + static_cast<long>(n)}; }

}  // namespace

std::vector<Seme> semi_bmp() {
    const Superficie due = figura(2), cinque = figura(5), sedici = figura(16), diciassette = figura(17),
                     vera = figura(0);
    std::vector<Seme> v;
    v.push_back(letto("bmp1.bmp", due, {.bpp = 1}));
    v.push_back(letto("bmp1_dall_alto.bmp", due, {.bpp = 1, .dall_alto = true}));
    v.push_back(letto("bmp4.bmp", sedici, {.bpp = 4}));
    v.push_back(letto("bmp4_cinque_colori.bmp", cinque, {.bpp = 4, .dall_alto = true}));
    v.push_back(letto("bmp8.bmp", diciassette, {.bpp = 8}));
    v.push_back(letto("bmp8_palette_piena.bmp", cinque, {.bpp = 8, .dall_alto = true, .palette_piena = true}));
    v.push_back(letto("bmp24.bmp", vera, {.bpp = 24}));
    v.push_back(letto("bmp24_dall_alto.bmp", vera, {.bpp = 24, .dall_alto = true}));
    v.push_back(letto("bmp24_v4.bmp", vera, {.bpp = 24, .testata = 108}));
    v.push_back(letto("bmp32.bmp", vera, {.bpp = 32}));
    v.push_back(letto("bmp32_bitfields.bmp", vera, {.bpp = 32, .bitfields = true}));
    v.push_back(letto("bmp32_v5_bitfields_dall_alto.bmp", vera,
                      {.bpp = 32, .testata = 124, .dall_alto = true, .bitfields = true}));
    v.push_back(letto("os2_1.bmp", due, {.bpp = 1, .testata = 12}));
    v.push_back(letto("os2_4.bmp", sedici, {.bpp = 4, .testata = 12}));
    v.push_back(letto("os2_8_dall_alto.bmp", diciassette, {.bpp = 8, .testata = 12, .dall_alto = true}));
    v.push_back(letto("os2_24.bmp", vera, {.bpp = 24, .testata = 12}));

    const auto b4 = scrivi(cinque, {.bpp = 4});
    const auto b8 = scrivi(diciassette, {.bpp = 8});
    const auto b24 = scrivi(vera, {.bpp = 24});
    const auto b32 = scrivi(vera, {.bpp = 32, .bitfields = true});
    const auto os2 = scrivi(sedici, {.bpp = 4, .testata = 12});
    v.push_back(rifiutato("rifiuto_corto.bmp", primi(b24, 25)));
    v.push_back(rifiutato("rifiuto_firma.bmp", con16(b24, 0, 'B' | 'A' << 8)));
    v.push_back(rifiutato("rifiuto_testata_20.bmp", con32(b24, 14, 20)));
    v.push_back(rifiutato("rifiuto_testata_200.bmp", con32(b24, 14, 200)));
    v.push_back(rifiutato("rifiuto_larghezza_zero.bmp", con32(b24, 18, 0)));
    v.push_back(rifiutato("rifiuto_larghezza_negativa.bmp", con32(b24, 18, static_cast<uint32_t>(-kLarghezza))));
    v.push_back(rifiutato("rifiuto_altezza_zero.bmp", con32(b24, 22, 0)));
    v.push_back(rifiutato("rifiuto_troppi_pixel.bmp", con32(con32(b24, 18, 70000), 22, 1000)));
    v.push_back(rifiutato("rifiuto_piani.bmp", con16(b24, 26, 2)));
    v.push_back(rifiutato("rifiuto_16_bit.bmp", con16(b24, 28, 16)));
    v.push_back(rifiutato("rifiuto_rle8.bmp", con32(b8, 30, 1)));
    v.push_back(rifiutato("rifiuto_bitfields_565.bmp", con32(con32(con32(b32, 54, 0xF800), 58, 0x07E0), 62, 0x001F)));
    v.push_back(rifiutato("rifiuto_bitfields_24_bit.bmp", con32(b24, 30, 3)));
    v.push_back(rifiutato("rifiuto_troppi_colori.bmp", con32(b4, 46, 17)));
    // Three colours declared for a picture of five: indices 3 and 4 point past the palette.
    v.push_back(rifiutato("rifiuto_indice_fuori.bmp", con32(b4, 46, 3)));
    v.push_back(rifiutato("rifiuto_palette_troncata.bmp", primi(b8, 54 + 4 * 10)));
    v.push_back(rifiutato("rifiuto_pixel_troncati.bmp", primi(b24, b24.size() - 1)));
    v.push_back(rifiutato("rifiuto_pixel_oltre_la_fine.bmp", con32(b24, 10, static_cast<uint32_t>(b24.size()))));
    v.push_back(rifiutato("rifiuto_pixel_a_4_gb.bmp", con32(b24, 10, 0xFFFFFFF0u)));
    v.push_back(rifiutato("rifiuto_os2_piani.bmp", con16(os2, 22, 0)));
    v.push_back(rifiutato("rifiuto_os2_palette_troncata.bmp", primi(os2, 26 + 3 * 10)));
    return v;
}

}  // namespace didiv::semi
