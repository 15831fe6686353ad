#pragma once
// Off-screen picture surfaces: 32-bit pixel buffers that every drawing of the game copies
// between with three raster operations, as the game's original graphics layer did.

#include <cstddef>
#include <cstdint>
#include <vector>

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

    int ScaleWidth() const { return w_; }
    int ScaleHeight() const { return h_; }
    bool vuota() const { return w_ == 0 || h_ == 0; }

    // Resizing keeps what fits and fills the rest with black, as a picture box does.
    void ridimensiona(int larghezza, int altezza);

    Colore Point(int x, int y) const;
    void PSet(int x, int y, Colore c);
    void riempi(Colore c);

    const uint32_t* riga(int y) const { return px_.data() + static_cast<size_t>(y) * w_; }
    uint32_t* riga(int y) { return px_.data() + static_cast<size_t>(y) * w_; }
    const std::vector<uint32_t>& pixel() const { return px_; }

    bool operator==(const Superficie&) const = default;

private:
    int w_ = 0;
    int h_ = 0;
    std::vector<uint32_t> px_;
};

// Copies the w x h rectangle at (sx, sy) of src to (x, y) of dst, clipped at every edge of
// both; a negative size draws nothing. Copying a surface onto itself is allowed.
void BitBlt(Superficie& dst, int x, int y, int w, int h, const Superficie& src, int sx, int sy,
            Rop op);

// The CoppiaSprite rule: mask with AND, then image with XOR, each with its own size.
void disegna_coppia(Superficie& dst, int x, int y, const Superficie& maschera,
                    const Superficie& immagine);

}  // namespace didiv
