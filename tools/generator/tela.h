#pragma once
// A Cairo canvas that becomes a game picture: opaque, or a hard-edged mask/image pair.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <utility>

#include "platform/superficie.h"

namespace didiv::gen {

// The palette shared by every picture of the game.
namespace pal {
constexpr uint32_t ink = 0x2B1D14;
constexpr uint32_t wall = 0x3E5A4C, wall2 = 0x33493E;
constexpr uint32_t walnut = 0x6B4226, walnut_shade = 0x4E2F1B, walnut_light = 0x8A5A36;
constexpr uint32_t plank_light = 0x9C6B3F, plank = 0x7A5230;
constexpr uint32_t stone = 0x8C8A84, stone_shade = 0x6E6C67, stone_light = 0xA9A69E;
constexpr uint32_t parchment = 0xF3E6C4, parchment_shade = 0xE2CFA0;
constexpr uint32_t gold = 0xD9A62E;
constexpr uint32_t book_red = 0x9E2B25, book_blue = 0x2E4F7A, book_green = 0x3D6B3A, book_ochre = 0xC08A2E;
constexpr uint32_t banner_red = 0xC0392B;
constexpr uint32_t leaf = 0x4C8C3A, leaf_shade = 0x2F6B2A, leaf_light = 0x8CC45A;
constexpr uint32_t sky = 0x8EC9E8;
constexpr uint32_t coat = 0x7B5A3A, coat_shade = 0x5E4329;
}  // namespace pal

// A colour darkened (f < 1) or lightened (f > 1).
uint32_t sfuma(uint32_t rgb, double f);

void colore(cairo_t* cr, uint32_t rgb, double alfa = 1.0);

// Adds an ellipse to the path as a sub-path of its own.
void ellisse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Paints the w x h part of a picture at (sx, sy) with its top-left at (0, 0) of user space.
void dipingi_superficie(cairo_t* cr, const Superficie& s, int sx, int sy, int w, int h);

enum class Allinea { sinistra, centro, destra };

// Draws UTF-8 text with a Pango font description ("DejaVu Serif Bold 20"); y is the top of
// the text's box. Returns the text's width and height in pixels.
std::pair<int, int> testo(cairo_t* cr, const std::string& utf8, const std::string& font, double x,
                          double y, uint32_t rgb, Allinea a = Allinea::sinistra, int larghezza_a_capo = -1);

class Tela {
public:
    Tela(int w, int h);
    ~Tela();
    Tela(const Tela&) = delete;
    Tela& operator=(const Tela&) = delete;

    cairo_t* cr() const { return cr_; }
    int w() const { return w_; }
    int h() const { return h_; }

    // Every pixel as drawn, over black where nothing was drawn.
    Superficie opaca() const;
    // Mask (white ground, black shape) and image (shape on black), cut where alpha >= 50%.
    std::pair<Superficie, Superficie> coppia() const;
    // A mirror image of the canvas, left to right.
    void specchia_orizzontale();

private:
    int w_, h_;
    cairo_surface_t* s_;
    cairo_t* cr_;
};

}  // namespace didiv::gen
