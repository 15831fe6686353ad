#include "platform/superficie.h"

#include <algorithm>
#include <cstring>

namespace didiv {

Superficie::Superficie(int larghezza, int altezza, Colore fondo)
    : w_(std::max(larghezza, 0)), h_(std::max(altezza, 0)),
      px_(static_cast<size_t>(w_) * h_, static_cast<uint32_t>(fondo) & 0xFFFFFFu) {
    if (w_ == 0 || h_ == 0) w_ = h_ = 0, px_.clear();
}

void Superficie::ridimensiona(int larghezza, int altezza) {
    Superficie nuova(larghezza, altezza);
    BitBlt(nuova, 0, 0, w_, h_, *this, 0, 0, Rop::SRCCOPY);
    *this = std::move(nuova);
}

Colore Superficie::Point(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return -1;
    return static_cast<Colore>(px_[static_cast<size_t>(y) * w_ + x]);
}

void Superficie::PSet(int x, int y, Colore c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    px_[static_cast<size_t>(y) * w_ + x] = static_cast<uint32_t>(c) & 0xFFFFFFu;
}

void Superficie::riempi(Colore c) { std::fill(px_.begin(), px_.end(), static_cast<uint32_t>(c) & 0xFFFFFFu); }

void BitBlt(Superficie& dst, int x, int y, int w, int h, const Superficie& src, int sx, int sy,
            Rop op) {
    // Clip against the source, then the destination, moving both corners together.
    long long x0 = x, y0 = y, sx0 = sx, sy0 = sy, ww = w, hh = h;
    auto taglia = [](long long& a, long long& b, long long& len, long long limite_a) {
        if (a < 0) { b -= a; len += a; a = 0; }
        if (a + len > limite_a) len = limite_a - a;
    };
    taglia(sx0, x0, ww, src.ScaleWidth());
    taglia(sy0, y0, hh, src.ScaleHeight());
    taglia(x0, sx0, ww, dst.ScaleWidth());
    taglia(y0, sy0, hh, dst.ScaleHeight());
    if (ww <= 0 || hh <= 0) return;

    // An overlapping copy within one surface must read rows before they are overwritten.
    const bool stesso = &dst == &src;
    std::vector<uint32_t> copia;
    const uint32_t* base = nullptr;
    int passo_src = src.ScaleWidth();
    if (stesso) {
        copia.resize(static_cast<size_t>(ww) * hh);
        for (long long r = 0; r < hh; ++r)
            std::memcpy(copia.data() + r * ww, src.riga(static_cast<int>(sy0 + r)) + sx0,
                        static_cast<size_t>(ww) * 4);
        base = copia.data();
        passo_src = static_cast<int>(ww);
        sx0 = sy0 = 0;
    } else {
        base = src.pixel().data();
    }
    for (long long r = 0; r < hh; ++r) {
        const uint32_t* s = base + (sy0 + r) * passo_src + sx0;
        uint32_t* d = dst.riga(static_cast<int>(y0 + r)) + x0;
        switch (op) {
        case Rop::SRCCOPY: std::memcpy(d, s, static_cast<size_t>(ww) * 4); break;
        case Rop::SRCAND: for (long long i = 0; i < ww; ++i) d[i] &= s[i]; break;
        case Rop::SRCINVERT: for (long long i = 0; i < ww; ++i) d[i] ^= s[i]; break;
        }
    }
}

void disegna_coppia(Superficie& dst, int x, int y, const Superficie& maschera,
                    const Superficie& immagine) {
    BitBlt(dst, x, y, maschera.ScaleWidth(), maschera.ScaleHeight(), maschera, 0, 0, Rop::SRCAND);
    BitBlt(dst, x, y, immagine.ScaleWidth(), immagine.ScaleHeight(), immagine, 0, 0, Rop::SRCINVERT);
}

}  // namespace didiv
