#include "platform/superficie.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/memoria.h"

namespace didiv {
namespace {

// A buffer about to be drawn into is taken whole at once; one that may never be (a surface
// waiting for a picture from a file) costs nothing until it is.
std::shared_ptr<uint32_t> blocco_nero(size_t n, bool subito) {
    const size_t byte = std::max<size_t>(n, 1) * sizeof(uint32_t);
    return {static_cast<uint32_t*>(prendi_blocco(byte, subito)), [byte](uint32_t* q) { rendi_blocco(q, byte); }};
}

// Row kernels. The pointers never overlap (BitBlt sees to it); the fixed blocks of eight let
// the compiler use vector instructions at -O2 too.
constexpr size_t kBlocco = 8;

void and_riga(uint32_t* __restrict d, const uint32_t* __restrict s, size_t n) {
    size_t i = 0;
    for (; i + kBlocco <= n; i += kBlocco)
        for (size_t k = 0; k < kBlocco; ++k) d[i + k] &= s[i + k];
    for (; i < n; ++i) d[i] &= s[i];
}

void xor_riga(uint32_t* __restrict d, const uint32_t* __restrict s, size_t n) {
    size_t i = 0;
    for (; i + kBlocco <= n; i += kBlocco)
        for (size_t k = 0; k < kBlocco; ++k) d[i + k] ^= s[i + k];
    for (; i < n; ++i) d[i] ^= s[i];
}

uintptr_t indirizzo(const uint32_t* p) { return reinterpret_cast<uintptr_t>(p); }

}  // namespace

Superficie::Superficie(int larghezza, int altezza, Colore fondo) : Superficie(larghezza, altezza, fondo, true) {}

Superficie::Superficie(int larghezza, int altezza, Colore fondo, bool subito) {
    if (larghezza <= 0 || altezza <= 0) return;
    w_ = larghezza;
    h_ = altezza;
    passo_ = w_;
    const size_t n = static_cast<size_t>(w_) * static_cast<size_t>(h_);
    blocco_ = blocco_nero(n, subito);
    px_ = blocco_.get();
    const uint32_t c = static_cast<uint32_t>(fondo) & 0xFFFFFFu;
    if (c != 0) std::fill(px_, px_ + n, c);
}

Superficie Superficie::in_attesa(int larghezza, int altezza) { return Superficie(larghezza, altezza, 0, false); }

Superficie Superficie::sola_lettura(int larghezza, int altezza, const uint32_t* pixel) {
    Superficie s;
    if (larghezza <= 0 || altezza <= 0 || !pixel) return s;
    s.w_ = larghezza;
    s.h_ = altezza;
    s.passo_ = larghezza;
    s.px_ = const_cast<uint32_t*>(pixel);  // never written: scrivibile() copies first
    return s;
}

Superficie::Superficie(const Superficie& altra) : w_(altra.w_), h_(altra.h_), passo_(altra.passo_) {
    if (!altra.blocco_) {  // read-only data, or nothing: shared as it is
        px_ = altra.px_;
        return;
    }
    passo_ = w_;
    blocco_ = blocco_nero(static_cast<size_t>(w_) * static_cast<size_t>(h_), true);
    px_ = blocco_.get();
    for (int y = 0; y < h_; ++y) std::memcpy(px_ + y * passo_, altra.riga(y), static_cast<size_t>(w_) * 4);
}

Superficie& Superficie::operator=(const Superficie& altra) {
    if (this != &altra) *this = Superficie(altra);
    return *this;
}

Superficie::Superficie(Superficie&& altra) noexcept
    : w_(std::exchange(altra.w_, 0)), h_(std::exchange(altra.h_, 0)),
      passo_(std::exchange(altra.passo_, 0)), px_(std::exchange(altra.px_, nullptr)),
      blocco_(std::move(altra.blocco_)) {}

Superficie& Superficie::operator=(Superficie&& altra) noexcept {
    if (this == &altra) return *this;
    w_ = std::exchange(altra.w_, 0);
    h_ = std::exchange(altra.h_, 0);
    passo_ = std::exchange(altra.passo_, 0);
    px_ = std::exchange(altra.px_, nullptr);
    blocco_ = std::move(altra.blocco_);
    altra.blocco_.reset();
    ++versione_;
    ++altra.versione_;
    return *this;
}

uint32_t* Superficie::scrivibile() {
    if (!blocco_ && px_) {
        Superficie copia(w_, h_);
        for (int y = 0; y < h_; ++y)
            std::memcpy(copia.px_ + y * copia.passo_, px_ + y * passo_, static_cast<size_t>(w_) * 4);
        passo_ = copia.passo_;
        px_ = copia.px_;
        blocco_ = std::move(copia.blocco_);
    }
    ++versione_;
    return px_;
}

void Superficie::ridimensiona(int larghezza, int altezza) {
    if (larghezza == w_ && altezza == h_) return;
    Superficie nuova(larghezza, altezza);
    BitBlt(nuova, 0, 0, w_, h_, *this, 0, 0, Rop::SRCCOPY);
    *this = std::move(nuova);
}

Colore Superficie::Point(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return -1;
    return static_cast<Colore>(riga(y)[x]);
}

void Superficie::PSet(int x, int y, Colore c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    riga(y)[x] = static_cast<uint32_t>(c) & 0xFFFFFFu;
}

void Superficie::riempi(Colore c) {
    if (vuota()) return;
    uint32_t* p = scrivibile();
    for (int y = 0; y < h_; ++y) std::fill_n(p + y * passo_, w_, static_cast<uint32_t>(c) & 0xFFFFFFu);
}

std::span<const uint32_t> Superficie::pixel() const {
    if (h_ > 1 && passo_ != w_) throw std::logic_error("the rows of this surface lie in another's buffer");
    return {px_, static_cast<size_t>(w_) * static_cast<size_t>(h_)};
}

bool Superficie::operator==(const Superficie& altra) const {
    if (w_ != altra.w_ || h_ != altra.h_) return false;
    for (int y = 0; y < h_; ++y)
        if (std::memcmp(riga(y), altra.riga(y), static_cast<size_t>(w_) * 4) != 0) return false;
    return true;
}

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
    const size_t n = static_cast<size_t>(ww);
    std::ptrdiff_t righe = static_cast<std::ptrdiff_t>(hh);

    if (op == Rop::SRCCOPY) {
        // The rows a copy would leave as they are stay untouched: a copy that changes nothing
        // leaves the destination's version alone, so whoever shows it need not look again.
        const Superficie& letta = dst;
        std::ptrdiff_t uguali = 0;
        while (uguali < righe &&
               std::memcmp(letta.riga(static_cast<int>(y0 + uguali)) + x0, src.riga(static_cast<int>(sy0 + uguali)) + sx0,
                           n * 4) == 0)
            ++uguali;
        if (uguali == righe) return;
        y0 += uguali;
        sy0 += uguali;
        righe -= uguali;
    }

    // The destination first: making it writable may move the pixels of a copy onto itself.
    uint32_t* d = dst.riga(static_cast<int>(y0)) + x0;
    const uint32_t* s = src.riga(static_cast<int>(sy0)) + sx0;
    const std::ptrdiff_t pd = dst.passo();
    std::ptrdiff_t ps = src.passo();

    // Two surfaces may share a buffer (incorpora), or be one: an overlapping copy must read
    // every row before it is overwritten.
    std::vector<uint32_t> copia;
    const auto fine = [&](const uint32_t* p, std::ptrdiff_t passo) { return indirizzo(p + (righe - 1) * passo) + n * 4; };
    if (indirizzo(s) < fine(d, pd) && indirizzo(d) < fine(s, ps)) {
        if (s == d && ps == pd) {
            // Each pixel with itself: a copy or an AND changes nothing, an XOR clears.
            if (op == Rop::SRCINVERT)
                for (std::ptrdiff_t r = 0; r < righe; ++r) std::fill_n(d + r * pd, n, 0u);
            return;
        }
        copia.resize(n * static_cast<size_t>(righe));
        for (std::ptrdiff_t r = 0; r < righe; ++r) std::memcpy(copia.data() + r * ww, s + r * ps, n * 4);
        s = copia.data();
        ps = static_cast<std::ptrdiff_t>(n);
    }
    for (std::ptrdiff_t r = 0; r < righe; ++r, d += pd, s += ps) {
        switch (op) {
        case Rop::SRCCOPY: std::memcpy(d, s, n * 4); break;
        case Rop::SRCAND: and_riga(d, s, n); break;
        case Rop::SRCINVERT: xor_riga(d, s, n); break;
        }
    }
}

void disegna_coppia(Superficie& dst, int x, int y, const Superficie& maschera,
                    const Superficie& immagine) {
    BitBlt(dst, x, y, maschera.ScaleWidth(), maschera.ScaleHeight(), maschera, 0, 0, Rop::SRCAND);
    BitBlt(dst, x, y, immagine.ScaleWidth(), immagine.ScaleHeight(), immagine, 0, 0, Rop::SRCINVERT);
}

void incorpora(Superficie& contenitore, int x, int y, Superficie& parte) {
    const bool dentro = !parte.vuota() && &contenitore != &parte && x >= 0 && y >= 0 &&
                        x + parte.w_ <= contenitore.w_ && y + parte.h_ <= contenitore.h_;
    if (dentro && parte.blocco_ && parte.blocco_ == contenitore.blocco_ &&
        parte.passo_ == contenitore.passo_ && parte.px_ == contenitore.px_ + y * contenitore.passo_ + x) {
        ++contenitore.versione_;  // the copy is already made: the pixels are the same ones
        return;
    }
    BitBlt(contenitore, x, y, parte.w_, parte.h_, parte, 0, 0, Rop::SRCCOPY);
    if (!dentro) return;
    parte.blocco_ = contenitore.blocco_;
    parte.passo_ = contenitore.passo_;
    parte.px_ = contenitore.px_ + y * contenitore.passo_ + x;
    ++parte.versione_;
}

}  // namespace didiv
