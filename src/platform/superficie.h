#pragma once
// Off-screen picture surfaces: 32-bit pixel buffers that every drawing of the game copies
// between with three raster operations, as the game's original graphics layer did.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace didiv {

// A colour as 0x00RRGGBB. Point() answers -1 outside a surface, which equals no colour.
using Colore = int32_t;

constexpr Colore RGB(int r, int g, int b) {
    return static_cast<Colore>(((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF));
}

enum class Rop { SRCCOPY, SRCAND, SRCINVERT };

class Superficie {
public:
    Superficie() = default;
    Superficie(int larghezza, int altezza, Colore fondo = 0);
    // Black, for a surface that may never be drawn into (one waiting for a picture from a
    // file): its memory is taken only where it is.
    static Superficie in_attesa(int larghezza, int altezza);
    // Pixels of the program's own (0x00RRGGBB, rows one after another), which must outlive
    // the surface: read where they lie, copied only when something is drawn into them.
    static Superficie sola_lettura(int larghezza, int altezza, const uint32_t* pixel);

    // A copy has pixels of its own, whatever the original draws into.
    Superficie(const Superficie& altra);
    Superficie& operator=(const Superficie& altra);
    Superficie(Superficie&& altra) noexcept;
    Superficie& operator=(Superficie&& altra) noexcept;

    int ScaleWidth() const { return w_; }
    int ScaleHeight() const { return h_; }
    bool vuota() const { return w_ == 0 || h_ == 0; }

    // Resizing keeps what fits and fills the rest with black, as a picture box does.
    void ridimensiona(int larghezza, int altezza);

    Colore Point(int x, int y) const;
    void PSet(int x, int y, Colore c);
    void riempi(Colore c);

    const uint32_t* riga(int y) const { return px_ + y * passo_; }
    // For writing: the pixels become the surface's own first.
    uint32_t* riga(int y) { return scrivibile() + y * passo_; }
    // Pixels from one row to the next.
    std::ptrdiff_t passo() const { return passo_; }
    // Every pixel, row after row; only for a surface that keeps its rows one after another,
    // which every surface does but one made to draw into another's buffer (incorpora).
    std::span<const uint32_t> pixel() const;
    // Changes with every operation that may change a pixel (a copy only when it does): who
    // shows a surface can tell whether it must show it again.
    uint64_t versione() const { return versione_; }

    // Same size and the same pixels.
    bool operator==(const Superficie& altra) const;

private:
    friend void incorpora(Superficie& contenitore, int x, int y, Superficie& parte);
    Superficie(int larghezza, int altezza, Colore fondo, bool subito);
    uint32_t* scrivibile();

    int w_ = 0;
    int h_ = 0;
    std::ptrdiff_t passo_ = 0;
    uint32_t* px_ = nullptr;           // pixel (0, 0)
    std::shared_ptr<uint32_t> blocco_;  // the memory holding px_, when it is not read-only data
    uint64_t versione_ = 0;
};

// Copies the w x h rectangle at (sx, sy) of src to (x, y) of dst, clipped at every edge of
// both; a negative size draws nothing. Source and destination may overlap.
void BitBlt(Superficie& dst, int x, int y, int w, int h, const Superficie& src, int sx, int sy,
            Rop op);

// The CoppiaSprite rule: mask with AND, then image with XOR, each with its own size.
void disegna_coppia(Superficie& dst, int x, int y, const Superficie& maschera,
                    const Superficie& immagine);

// BitBlt of the whole of `parte` into `contenitore` at (x, y), SRCCOPY. Where it lies wholly
// inside, `parte` then keeps its pixels in that place of `contenitore`'s buffer: what is
// drawn into either there is drawn into both, and the next incorpora at the same place has
// nothing left to copy. A buffer that is only ever read right after its parts are copied in
// so shows exactly what a copy would give, without the copies.
void incorpora(Superficie& contenitore, int x, int y, Superficie& parte);

}  // namespace didiv
