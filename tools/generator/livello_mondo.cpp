// The world picture: an old library in cross-section. Every floor surface lies just under
// the feet row of the plan (rows F+1 .. F+6), ladders stand at their columns + 40 (the
// professor's box is 80 wide), and the eleven special books stand as ordinary spines where
// the bookshelf layer later lights them up.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "libri_oggetti.h"
#include "livello_mappa.h"
#include "livello_pianta.h"
#include "ringhiera.h"
#include "tela.h"

namespace didiv::gen {

namespace {

using namespace livello;

// A fixed sequence, so the picture is the same at every build.
class Caso {
public:
    explicit Caso(uint32_t seme) : s_(seme) {}
    uint32_t operator()() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return s_;
    }
    int tra(int a, int b) { return a + static_cast<int>((*this)() % static_cast<uint32_t>(b - a + 1)); }
    double reale() { return ((*this)() % 10000) / 10000.0; }

private:
    uint32_t s_;
};

struct Rett {
    double x0, y0, x1, y1;  // x1, y1 excluded
};

void rettangolo(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t c, double alfa = 1) {
    colore(cr, c, alfa);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_fill(cr);
}

// ---- wallpaper, stone, wood --------------------------------------------------------

void carta_da_parati(cairo_t* cr, const Rett& r) {
    rettangolo(cr, r.x0, r.y0, r.x1, r.y1, pal::wall);
    cairo_save(cr);
    cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
    cairo_clip(cr);
    // Broad stripes of the darker tone with a small lozenge between them.
    for (double x = std::floor(r.x0 / 24) * 24; x < r.x1; x += 24) {
        rettangolo(cr, x, r.y0, x + 12, r.y1, pal::wall2);
        colore(cr, sfuma(pal::wall, 1.18), 0.5);
        for (double y = std::floor(r.y0 / 28) * 28; y < r.y1; y += 28) {
            cairo_move_to(cr, x + 18, y + 8);
            cairo_line_to(cr, x + 21, y + 14);
            cairo_line_to(cr, x + 18, y + 20);
            cairo_line_to(cr, x + 15, y + 14);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

// Stone in courses over r. The courses can run on right of r, as far as x `fino_a`, with
// stones of their own from x `nuove_da` on: r's own run of stones is laid as before, so what
// of it showed stays, and the same wall drawn further right, under a clip, continues it.
void pietra(cairo_t* cr, const Rett& r, uint32_t seme, double luce = 1.0, double nuove_da = 0, double fino_a = 0) {
    Caso caso(seme), nuove(seme ^ 0x5A5A5A5Au);
    const double x1 = std::max(r.x1, fino_a), da = fino_a > r.x1 ? nuove_da : r.x1;
    auto sasso = [&](Caso& c) {
        const double w = 26 + c.tra(0, 16);
        return std::pair{w, (0.86 + 0.2 * c.reale()) * luce};
    };
    cairo_save(cr);
    cairo_rectangle(cr, r.x0, r.y0, x1 - r.x0, r.y1 - r.y0);
    cairo_clip(cr);
    rettangolo(cr, r.x0, r.y0, x1, r.y1, sfuma(pal::stone_shade, 0.8 * luce));
    const double h = 14;
    int riga = 0;
    for (double y = std::floor(r.y0 / h) * h; y < r.y1; y += h, ++riga) {
        double x = std::floor(r.x0 / 36) * 36 - (riga % 2 ? 18 : 0);
        while (x < x1) {
            // r's run is drawn on under a new stone too, so the stones after it stay the same.
            std::pair<double, double> wf;
            if (x < r.x1) wf = sasso(caso);
            if (x >= da) wf = sasso(nuove);
            const auto [w, f] = wf;
            rettangolo(cr, x + 1, y + 1, x + w - 1, y + h - 1, sfuma(pal::stone, f));
            rettangolo(cr, x + 1, y + 1, x + w - 1, y + 2, sfuma(pal::stone_light, f));
            rettangolo(cr, x + w - 2, y + 1, x + w - 1, y + h - 1, sfuma(pal::stone_shade, f));
            x += w;
        }
    }
    cairo_restore(cr);
}

// Darkness inside a shaft or a tunnel: stone fading into the deep.
void buio(cairo_t* cr, const Rett& r, uint32_t seme, bool verso_il_basso) {
    pietra(cr, r, seme, 0.55);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, r.y0, 0, r.y1);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.05, 0.04, 0.03, verso_il_basso ? 0.25 : 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.05, 0.04, 0.03, verso_il_basso ? 0.8 : 0.35);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // The walls' own shadow on both sides.
    for (int lato = 0; lato < 2; ++lato) {
        const double x = lato ? r.x1 : r.x0;
        cairo_pattern_t* s = cairo_pattern_create_linear(x, 0, lato ? x - 12 : x + 12, 0);
        cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.5);
        cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0);
        cairo_set_source(cr, s);
        cairo_rectangle(cr, lato ? x - 12 : x, r.y0, 12, r.y1 - r.y0);
        cairo_fill(cr);
        cairo_pattern_destroy(s);
    }
}

// A walnut post or beam with light on its top-left edges.
void legno(cairo_t* cr, double x0, double y0, double x1, double y1) {
    rettangolo(cr, x0, y0, x1, y1, pal::walnut);
    rettangolo(cr, x0, y0, x1, y0 + 1, pal::walnut_light);
    rettangolo(cr, x0, y0, x0 + 1.5, y1, pal::walnut_light);
    rettangolo(cr, x1 - 1.5, y0, x1, y1, pal::walnut_shade);
    rettangolo(cr, x0, y1 - 1, x1, y1, pal::walnut_shade);
}

// ---- books and bookcases -------------------------------------------------------------

const uint32_t kColoriLibri[] = {
    pal::book_red,   pal::book_blue,  pal::book_green, pal::book_ochre, 0x7A2320, 0x243E60,
    0x2E5230,        0x9A6A22,        0x5B3A5E,        0x3B6E73,        0x8C3A1E, 0x4A4A3A,
};

void libro(cairo_t* cr, double x, double y, double w, double h, uint32_t c, Caso& caso) {
    rettangolo(cr, x, y, x + w, y + h, c);
    rettangolo(cr, x, y, x + 2, y + h, sfuma(c, 1.3));
    rettangolo(cr, x + w - 2, y, x + w, y + h, sfuma(c, 0.7));
    rettangolo(cr, x, y, x + w, y + 1, sfuma(c, 1.2));
    if (w >= 10) {
        const int stile = caso.tra(0, 3);
        if (stile != 3) {
            rettangolo(cr, x + 1, y + 3, x + w - 1, y + 4, pal::gold, 0.9);
            rettangolo(cr, x + 1, y + h - 5, x + w - 1, y + h - 4, pal::gold, 0.9);
        }
        if (stile == 1 && h >= 26) rettangolo(cr, x + 2.5, y + h * 0.35, x + w - 2.5, y + h * 0.55, pal::parchment_shade);
        if (stile == 2) rettangolo(cr, x + w / 2 - 1, y + h * 0.4, x + w / 2 + 1, y + h * 0.6, pal::gold, 0.8);
    }
    colore(cr, pal::ink, 0.55);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_stroke(cr);
}

struct Riservato {
    int x0, x1;   // columns kept free on the board (x1 excluded)
    int ripiano;  // board row
};

std::vector<Riservato>& riservati() {
    static std::vector<Riservato> r;
    return r;
}

// Books standing on one board between x0 and x1, at most h_max tall.
void fila_di_libri(cairo_t* cr, double x0, double x1, int ripiano, double h_max, Caso& caso) {
    double x = x0;
    while (x < x1 - 6) {
        // Keep clear of the special books and of the places of the overlays.
        bool saltato = false;
        for (const auto& r : riservati())
            if (r.ripiano == ripiano && x + 18 > r.x0 - 1 && x < r.x1 + 1) {
                if (x < r.x0 - 1 - 7) {
                    // Fill up to the reserved place with one book of the right width.
                    const double w = r.x0 - 1 - x;
                    const double h = std::min(h_max, 22.0 + caso.tra(0, 12));
                    libro(cr, x, ripiano - h, w, h, kColoriLibri[caso.tra(0, 11)], caso);
                }
                x = r.x1 + 1;
                saltato = true;
                break;
            }
        if (saltato) continue;
        const int scelta = caso.tra(0, 19);
        if (scelta == 0) {  // a gap with a book leaning into it
            x += caso.tra(6, 12);
            continue;
        }
        if (scelta == 1 && x1 - x > 40 && h_max > 20) {  // a small pile lying flat
            double y = ripiano;
            const double w = 28 + caso.tra(0, 8);
            for (int i = 0; i < 3; ++i) {
                const double hh = 6 + caso.tra(0, 2);
                const double dx = caso.tra(0, 3);
                libro(cr, x + dx, y - hh, w - dx, hh, kColoriLibri[caso.tra(0, 11)], caso);
                y -= hh;
            }
            x += w + 2;
            continue;
        }
        double w = caso.tra(8, 18);
        if (x + w > x1) w = x1 - x;
        if (w < 6) break;
        const double h = std::min(h_max, 22.0 + caso.tra(0, 12));
        libro(cr, x, ripiano - h, w, h, kColoriLibri[caso.tra(0, 11)], caso);
        x += w;
    }
}

// A walnut bookcase: crown at `alto`, plinth down to `basso`, books on every board.
void libreria(cairo_t* cr, int x0, int x1, int alto, int basso, std::vector<int> ripiani, uint32_t seme) {
    Caso caso(seme);
    std::sort(ripiani.begin(), ripiani.end());
    rettangolo(cr, x0, alto, x1, basso, sfuma(pal::walnut_shade, 0.62));
    // Each compartment's back is shaded under the board above.
    int sopra = alto + 8;
    for (int r : ripiani) {
        cairo_pattern_t* g = cairo_pattern_create_linear(0, sopra, 0, sopra + 14);
        cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.45);
        cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
        cairo_set_source(cr, g);
        cairo_rectangle(cr, x0, sopra, x1 - x0, r - sopra);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        fila_di_libri(cr, x0 + 6, x1 - 6, r, std::max(0, r - sopra - 4), caso);
        legno(cr, x0, r, x1, r + 5);
        sopra = r + 5;
    }
    legno(cr, x0 - 3, alto, x1 + 3, alto + 8);  // crown
    rettangolo(cr, x0 - 3, alto + 8, x1 + 3, alto + 9, pal::walnut_shade);
    legno(cr, x0, alto, x0 + 6, basso);  // sides
    legno(cr, x1 - 6, alto, x1, basso);
}

// Boards from `da` going up every `passo` pixels until `fino`.
std::vector<int> ripiani_da(int da, int passo, int fino) {
    std::vector<int> r;
    for (int y = da; y > fino; y -= passo) r.push_back(y);
    return r;
}

// ---- floors, ladders, set dressing -----------------------------------------------------

// A gallery floor whose surface is rows F+1 .. F+6, on a beam below.
void pavimento(cairo_t* cr, double xa, double xb, int F, double spessore = 12) {
    const double y = F + 1;
    rettangolo(cr, xa, y, xb, y + 2, pal::plank_light);
    rettangolo(cr, xa, y + 2, xb, y + 6, pal::plank);
    for (double x = xa + 31; x < xb - 4; x += 43) rettangolo(cr, x, y + 2, x + 1, y + 6, sfuma(pal::plank, 0.75));
    legno(cr, xa, y + 6, xb, y + 6 + spessore);
    rettangolo(cr, xa, y + 6 + spessore, xb, y + 8 + spessore, pal::ink, 0.35);
}

// Two rails and rungs, centred on cx, from the rail tops to the lower floor.
void scala_a_pioli(cairo_t* cr, double cx, int alto, int basso) {
    for (double y = basso - 8; y > alto + 4; y -= 12) {
        rettangolo(cr, cx - 10, y, cx + 10, y + 3, pal::walnut_light);
        rettangolo(cr, cx - 10, y + 3, cx + 10, y + 4, pal::walnut_shade);
    }
    for (double x : {cx - 13, cx + 10}) {
        rettangolo(cr, x + 1, alto + 2, x + 4, basso + 1, pal::ink, 0.3);  // shadow
        legno(cr, x, alto, x + 3.5, basso);
    }
    // Hooks over the upper floor's edge.
    for (double x : {cx - 13, cx + 10}) rettangolo(cr, x - 1, alto - 2, x + 4.5, alto, pal::walnut_shade);
}

void lampada(cairo_t* cr, double x, double y, double raggio) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 2, x, y, raggio);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.85, 0.5, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 0.4, 1.0, 0.75, 0.4, 0.14);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.7, 0.3, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, raggio, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // The sconce: a bracket, a cup and a flame.
    rettangolo(cr, x - 1, y + 4, x + 1, y + 14, pal::ink);
    colore(cr, pal::gold);
    cairo_move_to(cr, x - 6, y + 4);
    cairo_line_to(cr, x + 6, y + 4);
    cairo_line_to(cr, x + 3, y + 8);
    cairo_line_to(cr, x - 3, y + 8);
    cairo_close_path(cr);
    cairo_fill(cr);
    rettangolo(cr, x - 2, y - 4, x + 2, y + 4, pal::parchment);
    colore(cr, 0xFFC040);
    cairo_move_to(cr, x, y - 11);
    cairo_curve_to(cr, x + 4, y - 7, x + 3, y - 4, x, y - 4);
    cairo_curve_to(cr, x - 3, y - 4, x - 4, y - 7, x, y - 11);
    cairo_fill(cr);
}

// A book lying flat, seen from the front: its covers, the edge of its pages and its spine on
// the left, in an ink outline.
void libro_disteso(cairo_t* cr, double x, double y, double w, double h, uint32_t c) {
    rettangolo(cr, x, y, x + w, y + h, pal::ink);
    rettangolo(cr, x + 1, y + 1, x + w - 1, y + 2, sfuma(c, 1.2));
    rettangolo(cr, x + 1, y + h - 2, x + w - 1, y + h - 1, sfuma(c, 0.8));
    rettangolo(cr, x + 5, y + 2, x + w - 1, y + h - 2, pal::parchment_shade);
    rettangolo(cr, x + 1, y + 2, x + 5, y + h - 2, c);
}

void quadro(cairo_t* cr, double x, double y, double w, double h, uint32_t cielo, uint32_t terra) {
    rettangolo(cr, x - 4, y - 4, x + w + 4, y + h + 4, pal::gold);
    rettangolo(cr, x - 2, y - 2, x + w + 2, y + h + 2, sfuma(pal::gold, 0.7));
    rettangolo(cr, x, y, x + w, y + h * 0.6, cielo);
    rettangolo(cr, x, y + h * 0.6, x + w, y + h, terra);
    colore(cr, sfuma(terra, 0.75));
    cairo_move_to(cr, x, y + h * 0.65);
    cairo_curve_to(cr, x + w * 0.3, y + h * 0.35, x + w * 0.6, y + h * 0.5, x + w, y + h * 0.45);
    cairo_line_to(cr, x + w, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A tall arched window onto a starry night.
void finestra_ad_arco(cairo_t* cr, double x, double y, double w, double h) {
    auto arco = [&](double m) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - m, y + h + m);
        cairo_line_to(cr, x - m, y + w / 2);
        cairo_arc(cr, x + w / 2, y + w / 2, w / 2 + m, M_PI, 2 * M_PI);
        cairo_line_to(cr, x + w + m, y + h + m);
        cairo_close_path(cr);
    };
    arco(6);
    colore(cr, pal::stone_shade);
    cairo_fill(cr);
    arco(4);
    colore(cr, pal::stone_light);
    cairo_fill(cr);
    arco(0);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.08, 0.12, 0.28);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.30, 0.50);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_clip(cr);
    Caso caso(404);
    for (int i = 0; i < 14; ++i) {
        colore(cr, 0xFFF4D0, 0.5 + 0.5 * caso.reale());
        cairo_arc(cr, x + caso.tra(2, static_cast<int>(w) - 2), y + caso.tra(2, static_cast<int>(h) - 20), 0.6 + caso.reale(), 0, 2 * M_PI);
        cairo_fill(cr);
    }
    colore(cr, 0xFFF1C2);
    cairo_arc(cr, x + w * 0.68, y + h * 0.3, 9, 0, 2 * M_PI);
    cairo_fill(cr);
    colore(cr, 0x1A2547);
    cairo_arc(cr, x + w * 0.68 + 5, y + h * 0.3 - 3, 8, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
    // Leading: a cross of walnut bars.
    rettangolo(cr, x + w / 2 - 1.5, y, x + w / 2 + 1.5, y + h, pal::walnut_shade);
    rettangolo(cr, x, y + h * 0.55, x + w, y + h * 0.55 + 3, pal::walnut_shade);
    rettangolo(cr, x - 8, y + h + 4, x + w + 8, y + h + 10, pal::stone_light);
}

// The shaft under the last steps, from behind the lip over it down to the tunnel: hidden by
// the lip in the world, it shows through once the steps have fallen.
constexpr Rett POZZO_DEI_GRADINI{1000, -85, 1052, 162};

// One stone tread: its top at ty + 1, its front down to ty + 11, lit from the top left.
void gradino(cairo_t* cr, double tx, double ty, double fine) {
    rettangolo(cr, tx, ty + 1, fine, ty + 4, pal::stone_light);
    rettangolo(cr, tx, ty + 4, fine, ty + 11, pal::stone);
    rettangolo(cr, tx, ty + 4, tx + 1.5, ty + 11, pal::stone_light);
    rettangolo(cr, tx, ty + 10, fine, ty + 11, pal::stone_shade);
    colore(cr, pal::ink, 0.6);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, tx + 0.5, ty + 11);
    cairo_line_to(cr, tx + 0.5, ty + 0.5);
    cairo_line_to(cr, fine, ty + 0.5);
    cairo_stroke(cr);
}

// The wall the steps stand on: one stone, one set of courses, from under the treads across
// the lip over the shaft to the tunnel's right wall. Each part is drawn under a clip of its
// own; the mass under the treads ends at the shaft, and past it the stones are new.
void muro_dei_gradini(cairo_t* cr) { pietra(cr, {826, -180, 1018, 110}, 77, 0.92, 1000, 1070); }

// The wall's stone inside r.
void muro_dei_gradini(cairo_t* cr, const Rett& r) {
    cairo_save(cr);
    cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
    cairo_clip(cr);
    muro_dei_gradini(cr);
    cairo_restore(cr);
}

// The flight of stone steps from the end of L3 down to the lip of the pit. His feet go
// down 5 and across 5 at a time from (930, -176) to (1015, -91): a tread for every other
// step, and the lip half a tread below the last one.
void gradini_di_pietra(cairo_t* cr) {
    // The mass under the steps, down to the vault's ceiling.
    cairo_save(cr);
    cairo_move_to(cr, 826, -165);
    double x = 938, y = -165;
    cairo_line_to(cr, x, y);
    for (int i = 0; i < 8; ++i) {
        y += 10;
        cairo_line_to(cr, x, y);
        x += 10;
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, 1000, y);
    cairo_line_to(cr, 1000, 110);
    cairo_line_to(cr, 826, 110);
    cairo_close_path(cr);
    cairo_clip(cr);
    muro_dei_gradini(cr);
    cairo_restore(cr);
    buio(cr, POZZO_DEI_GRADINI, 5, true);
    // The lip over the shaft (it crumbles once he walks it), then the treads.
    muro_dei_gradini(cr, {1000, -85, 1056, -42});
    rettangolo(cr, 1000, -43, 1056, -41, pal::ink, 0.5);
    for (int i = 0; i <= 8; ++i) gradino(cr, 928 + 10 * i, -176 + 10 * i, 948 + 10 * i);
    gradino(cr, 1018, -91, 1056);
}

// Cracks running from a point, each a few short zigzags; deterministic.
void crepe(cairo_t* cr, double x, double y, int quante, int lunghezza, uint32_t seme) {
    Caso caso(seme);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < quante; ++i) {
        double cx = x + caso.tra(-3, 3), cy = y;
        cairo_move_to(cr, cx + 0.5, cy + 0.5);
        for (int k = 0; k < lunghezza; ++k) {
            cx += caso.tra(-2, 2);
            cy += caso.tra(2, 4);
            cairo_line_to(cr, cx + 0.5, cy + 0.5);
        }
        colore(cr, pal::ink, 0.85);
        cairo_stroke(cr);
    }
}

// What the balustrades stand on where their end posts reach past a floor's drawn end: the
// floor's end under them, and between the two galleries at x 298 a newel post from one
// railing down to the other, which carries the upper one across the front of the bookcase.
void sostegni_delle_ringhiere(cairo_t* cr) {
    pavimento(cr, 456, 481, -176);
    pavimento(cr, 1660, 1681, -52);
    pavimento(cr, 1662, 1681, -232);
    legno(cr, 299, 12, 309, 134);
    rettangolo(cr, 309, 14, 311, 134, pal::ink, 0.3);
}

// Where the rim right of shaft 2 begins: his heel, landing there from the jump at pos_x
// 1505, is at 1539.
constexpr double BORDO_DESTRO = 1534;

// The top floor's drawn end: its walk ends at 2000, where the view reaches the world's edge.
constexpr int FINE_SCAFFALE_ALTO = 2060;

// ---- the chasm -------------------------------------------------------------------------

// The opening beyond the library's right end: below the wall, right of bookcase 3's sides.
constexpr Rett APERTURA{1886, -214, LARGHEZZA, ALTEZZA - RIGA_ZERO};

// Where the far side's cliff stands: its lip, and how its face runs down into the dark.
constexpr double CIGLIO_LONTANO = 118;
constexpr double FACCIA_LONTANA[][2] = {{2034, 118}, {2027, 140}, {2035, 168}, {2029, 200}, {2041, 238},
                                        {2036, 282}, {2049, 330}, {2045, 400}};

void poligono(cairo_t* cr, std::initializer_list<std::pair<double, double>> punti) {
    bool primo = true;
    for (auto [x, y] : punti) {
        if (primo) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
        primo = false;
    }
    cairo_close_path(cr);
}

void sfumatura(cairo_t* cr, const Rett& r, double y0, double y1, uint32_t c0, double a0, uint32_t c1, double a1) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    auto tappa = [&](double o, uint32_t c, double a) {
        cairo_pattern_add_color_stop_rgba(g, o, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0, a);
    };
    tappa(0, c0, a0);
    tappa(1, c1, a1);
    cairo_set_source(cr, g);
    cairo_rectangle(cr, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// The gorge at night: a moonlit sky, far ranges in the haze, the far side's cliff with the
// jungle's dark crowns on it, and between the two sides a fall of rock into mist and black.
void gola_di_notte(cairo_t* cr) {
    const Rett& A = APERTURA;
    sfumatura(cr, A, -214, 130, 0x0B1328, 1, 0x3A4F78, 1);
    // The moon up on the left, where the light comes from, and the stars.
    cairo_pattern_t* alone = cairo_pattern_create_radial(1968, -150, 8, 1968, -150, 90);
    cairo_pattern_add_color_stop_rgba(alone, 0, 1, 0.95, 0.8, 0.35);
    cairo_pattern_add_color_stop_rgba(alone, 1, 1, 0.95, 0.8, 0);
    cairo_set_source(cr, alone);
    cairo_paint(cr);
    cairo_pattern_destroy(alone);
    Caso caso(808);
    for (int i = 0; i < 46; ++i) {
        const double x = caso.tra(1890, 2196), y = caso.tra(-208, 40);
        if (std::hypot(x - 1968, y + 150) < 24) continue;
        colore(cr, 0xFFF4D0, 0.35 + 0.6 * caso.reale());
        cairo_rectangle(cr, x, y, caso.tra(0, 5) == 0 ? 2 : 1, 1);
        cairo_fill(cr);
    }
    colore(cr, 0xFFF1C2);
    cairo_arc(cr, 1968, -150, 11, 0, 2 * M_PI);
    cairo_fill(cr);
    colore(cr, 0xE8D9A8, 0.8);
    for (auto [x, y, r] : {std::tuple{1964.0, -153.0, 2.5}, {1972.0, -146.0, 1.8}, {1963.0, -144.0, 1.2}}) {
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Two ranges far off, paler for the haze, and mist lying in their valleys.
    for (int k = 0; k < 2; ++k) {
        const double base = 92 + k * 26;
        cairo_move_to(cr, A.x0, 200);
        for (double x = A.x0; x <= A.x1; x += 3)
            cairo_line_to(cr, x, base - 18 * std::sin(x * 0.023 + k * 2.3) - 9 * std::sin(x * 0.061 + k));
        cairo_line_to(cr, A.x1, 200);
        cairo_close_path(cr);
        colore(cr, k == 0 ? 0x34476E : 0x273758);
        cairo_fill(cr);
    }
    // The gorge's far end, deep and dark, with bands of mist across it.
    sfumatura(cr, {A.x0, 100, A.x1, 170}, 100, 170, 0x1E2846, 0, 0x1E2846, 1);
    sfumatura(cr, {A.x0, 170, A.x1, A.y1}, 170, 390, 0x1E2846, 1, 0x020306, 1);
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 1930 + i * 55, 190 + i * 34);
        cairo_scale(cr, 90 + 20 * (i % 2), 7 + 2 * i);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        colore(cr, 0x9AB0D8, 0.16 - 0.025 * i);
        cairo_fill(cr);
    }
    // The far side: its cliff, lit on the left by the moon, its face falling into the dark.
    auto cliff = [&] {
        cairo_move_to(cr, A.x1, 400);
        for (int i = std::size(FACCIA_LONTANA) - 1; i >= 0; --i) cairo_line_to(cr, FACCIA_LONTANA[i][0], FACCIA_LONTANA[i][1]);
        cairo_line_to(cr, 2070, CIGLIO_LONTANO - 3);
        cairo_line_to(cr, 2120, CIGLIO_LONTANO + 1);
        cairo_line_to(cr, A.x1, CIGLIO_LONTANO - 4);
        cairo_close_path(cr);
    };
    cliff();
    colore(cr, 0x4A5470);
    cairo_fill(cr);
    cairo_save(cr);
    cliff();
    cairo_clip(cr);
    for (int i = 0; i < 12; ++i) {  // strata
        const double y = CIGLIO_LONTANO + 14 + i * 22 + caso.tra(-4, 4);
        cairo_move_to(cr, 2020, y);
        cairo_curve_to(cr, 2080, y + caso.tra(-5, 5), 2140, y + caso.tra(-5, 5), A.x1, y + caso.tra(-4, 4));
        colore(cr, 0x2A3048, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, FACCIA_LONTANA[0][0] + 2, FACCIA_LONTANA[0][1]);
    for (const auto& p : FACCIA_LONTANA) cairo_line_to(cr, p[0] + 2, p[1]);
    colore(cr, 0x9AA8C8, 0.85);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    sfumatura(cr, {2000, CIGLIO_LONTANO, A.x1, A.y1}, CIGLIO_LONTANO + 20, 380, 0x05060C, 0, 0x05060C, 0.95);
    cairo_restore(cr);
    cliff();
    colore(cr, pal::ink, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // The jungle's dark crowns along the far lip, and creepers down its face.
    for (int i = 0; i < 9; ++i) {
        const double x = 2048 + i * 19 + caso.tra(-4, 4), y = CIGLIO_LONTANO - 10 - caso.tra(0, 40);
        rettangolo(cr, x - 2, y, x + 2, CIGLIO_LONTANO, 0x141A22);
        for (int k = 0; k < 4; ++k) {
            colore(cr, k % 2 ? 0x1A2A2A : 0x15221F);
            cairo_arc(cr, x + caso.tra(-12, 12), y - caso.tra(0, 10), 9 + caso.tra(0, 7), 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    for (int i = 0; i < 7; ++i) {
        const double x = 2040 + i * 22 + caso.tra(0, 8), l = 30 + caso.tra(0, 70);
        cairo_move_to(cr, x, CIGLIO_LONTANO - 2);
        cairo_curve_to(cr, x + 4, CIGLIO_LONTANO + l * 0.4, x - 4, CIGLIO_LONTANO + l * 0.7, x + 2, CIGLIO_LONTANO + l);
        colore(cr, 0x1E3A2A);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // The bottom lost in black.
    sfumatura(cr, {A.x0, 250, A.x1, A.y1}, 250, 392, 0x000000, 0, 0x000000, 1);
}

// What stands on the near side of the chasm, in front of whatever fills it: the rock under
// the rim, the ends of the rim and of bookcase 3's floors, the broken wall above.
void sponda_del_baratro(cairo_t* cr) {
    // The rock the rim stands on, broken off towards the chasm and in its own shadow.
    auto roccia = [&] {
        poligono(cr, {{1886, 186}, {1941, 186}, {1946, 204}, {1937, 228}, {1943, 258}, {1929, 298},
                      {1934, 338}, {1917, 400}, {1886, 400}});
    };
    cairo_save(cr);
    roccia();
    cairo_clip(cr);
    pietra(cr, {1886, 186, 1950, 400}, 63, 0.7);
    cairo_pattern_t* g = cairo_pattern_create_linear(1890, 0, 1946, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.03, 0.03, 0.05, 0.1);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.03, 0.03, 0.05, 0.6);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    sfumatura(cr, {1886, 250, 1950, 400}, 250, 400, 0, 0, 0, 0.85);
    cairo_restore(cr);
    roccia();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // The floors reach out over the chasm as far as his feet go.
    pavimento(cr, BORDO_DESTRO, 1940, 172);
    pavimento(cr, 1680, 1922, -52);
    pavimento(cr, 1680, FINE_SCAFFALE_ALTO, -232);
    // Broken boards at the rim's end.
    colore(cr, pal::plank);
    cairo_move_to(cr, 1940, 173);
    cairo_line_to(cr, 1952, 176);
    cairo_line_to(cr, 1940, 180);
    cairo_close_path(cr);
    cairo_fill(cr);
    // The wall above, its lowest courses broken away over the chasm.
    auto muro = [&] {
        poligono(cr, {{FINE_SCAFFALE_ALTO, -378}, {LARGHEZZA, -378}, {LARGHEZZA, -206}, {2180, -200}, {2172, -210},
                      {2150, -204}, {2136, -214}, {2112, -208}, {2098, -214}, {FINE_SCAFFALE_ALTO, -214}});
    };
    cairo_save(cr);
    muro();
    cairo_clip(cr);
    pietra(cr, {FINE_SCAFFALE_ALTO, -378, static_cast<double>(LARGHEZZA), -196}, 62, 0.8);
    cairo_restore(cr);
    muro();
    colore(cr, pal::ink, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void baratro(cairo_t* cr, const Baratro& b) {
    cairo_save(cr);
    cairo_rectangle(cr, APERTURA.x0, APERTURA.y0, APERTURA.x1 - APERTURA.x0, APERTURA.y1 - APERTURA.y0);
    cairo_clip(cr);
    b.dentro(cr);
    cairo_restore(cr);
    sponda_del_baratro(cr);
    if (b.davanti) b.davanti(cr);
}

}  // namespace

Superficie disegna_mondo() { return disegna_mondo({gola_di_notte, {}}); }

Superficie disegna_mondo(const Baratro& b) {
    Tela tela(LARGHEZZA, ALTEZZA);
    cairo_t* cr = tela.cr();
    cairo_translate(cr, 0, RIGA_ZERO);
    const double T = -RIGA_ZERO, B = ALTEZZA - RIGA_ZERO;  // top and bottom world rows

    riservati().clear();
    for (const auto& d : DORSI_SPECIALI) riservati().push_back({d.x, d.x + d.w, d.y + d.h});
    // The page-2 book lies flat at (398, 171); the board stays clear for it.
    riservati().push_back({396, 436, 183});

    carta_da_parati(cr, {0, T, static_cast<double>(LARGHEZZA), B});
    pietra(cr, {0, 290, 1886, B}, 3, 0.9);  // the foundations

    // ---- the left hall: tall bookcases, three galleries -----------------------------
    libreria(cr, 6, 300, -378, 284, {267, 224, 181, 138, 95, 52, 9, -34, -77, -120, -163, -206, -249, -292, -335}, 11);
    libreria(cr, 330, 488, -378, 188, {183, 145, 106, 68, 30, -8, -46, -84, -121, -159, -197, -235, -273, -311, -349}, 12);
    libreria(cr, 488, 946, -378, -176, {-182, -224, -266, -308, -350}, 13);
    libreria(cr, 556, 826, -164, 188, ripiani_da(182, 41, -160), 14);
    legno(cr, 500, 14, 508, 188);    // the post at the right end of L1
    lampada(cr, 160, 205, 70);
    lampada(cr, 700, -120, 60);

    // Under L1: a long cabinet down to the ground floor.
    legno(cr, 334, 196, 848, 284);
    for (double x = 340; x < 840; x += 62) {
        rettangolo(cr, x + 3, 204, x + 57, 276, sfuma(pal::walnut, 0.85));
        rettangolo(cr, x + 3, 204, x + 57, 205, pal::walnut_light);
        rettangolo(cr, x + 28, 236, x + 32, 240, pal::gold);
    }

    // ---- the stairwell, the stone steps, the tunnel and the vault -------------------------
    carta_da_parati(cr, {946, -378, 1060, -91});
    finestra_ad_arco(cr, 968, -350, 70, 130);
    lampada(cr, 1003, -190, 50);
    gradini_di_pietra(cr);
    muro_dei_gradini(cr, {1052, -91, 1070, 40});  // the tunnel's right wall above the exit
    // The vault.
    pietra(cr, {812, 96, 1000, 110}, 8);
    pietra(cr, {812, 110, 832, 298}, 9);
    pietra(cr, {1108, 186, 1130, 298}, 10);
    {
        Rett cripta{832, 110, 1108, 298};
        pietra(cr, cripta, 21, 0.7);
    }
    buio(cr, {1000, 110, 1108, 298}, 22, true);
    libreria(cr, 829, 876, 118, 298, {190, 232, 270}, 31);
    libreria(cr, 878, 932, 118, 298, {157, 200, 244, 280}, 32);
    libreria(cr, 934, 1000, 118, 298, {158, 188, 218, 248, 280}, 33);
    lampada(cr, 1080, 220, 50);
    pavimento(cr, 812, 1130, 298, 10);

    // ---- the rim corridor, the two shafts ---------------------------------------------------
    libreria(cr, 1060, 1548, -378, 30, ripiani_da(30, 40, -370), 41);
    legno(cr, 1056, 30, 1556, 42);  // the lintel under the bookcases
    // Wainscot along the corridor.
    for (double x = 1070; x < 1556; x += 48) {
        rettangolo(cr, x, 118, x + 44, 170, sfuma(pal::walnut, 0.9));
        rettangolo(cr, x + 4, 122, x + 40, 166, sfuma(pal::walnut_shade, 1.05));
        rettangolo(cr, x + 4, 122, x + 40, 123, pal::walnut_light);
    }
    rettangolo(cr, 1070, 114, 1556, 118, pal::walnut_light);
    quadro(cr, 1130, 60, 46, 36, pal::sky, pal::leaf);
    quadro(cr, 1250, 56, 34, 44, 0xE8C27A, pal::leaf_shade);
    lampada(cr, 1200, 78, 55);
    lampada(cr, 1330, 78, 55);
    // Exit sill and the two steps down to the rim.
    // The exit's ledge, where he steps off the plant's top, and a step down to the rim.
    gradino(cr, 1014, 162, 1049);
    gradino(cr, 1049, 167, 1062);
    pavimento(cr, 1040, 1366, 172);
    pietra(cr, {1052, 186, 1108, 196}, 12, 0.8);
    pietra(cr, {1130, 186, 1366, B}, 13);
    buio(cr, {1366, 178, 1414, B}, 14, true);
    pavimento(cr, 1414, 1472, 172);
    // Shaft 2: a narrow mouth, a wider chamber below.
    pietra(cr, {1414, 186, 1446, B}, 15);
    pietra(cr, {1612, 186, 1886, B}, 16);
    buio(cr, {1472, 178, BORDO_DESTRO, 200}, 17, false);
    buio(cr, {1446, 200, 1612, 393}, 18, true);
    pietra(cr, {1446, 186, 1472, 200}, 19, 0.85);
    pietra(cr, {BORDO_DESTRO, 186, 1612, 200}, 20, 0.85);
    pavimento(cr, 1440, 1616, 392, 6);
    // The costume book, copied at (1487, 360), lies open on a closed one: its picture ends
    // five rows above the floor. The closed one stays once it is taken.
    libro_disteso(cr, 1485, 388, 35, 5, pal::book_blue);
    lampada(cr, 1580, 300, 45);

    // ---- bookcase 3 and the chasm ----------------------------------------------------------
    libreria(cr, 1556, 1660, -378, -46, ripiani_da(-52, 40, -370), 51);
    libreria(cr, 1556, 1886, -40, 172, {7, 48, 89, 130}, 52);
    libreria(cr, 1662, 1886, -226, -52, {-58, -102, -147, -190}, 53);
    libreria(cr, 1662, FINE_SCAFFALE_ALTO, -378, -232, {-238, -280, -322}, 54);
    baratro(cr, b);

    // ---- floors and ladders of the left hall -----------------------------------------------
    pavimento(cr, 0, 848, 284, 8);
    pavimento(cr, 290, 548, 188);
    pavimento(cr, 481, 556, 8);
    pavimento(cr, 480, 940, -176);
    // Each ladder centred on the middle of the columns he climbs it from.
    for (const auto& s : SCALE)
        if (s.a_pioli) scala_a_pioli(cr, (s.x0 + s.x1) / 2.0 + 40, s.U - 28, s.L);

    // The eleven special books, plain among the others.
    for (const auto& d : DORSI_SPECIALI) dorso_speciale(cr, d.x, d.y, d.w, d.h, tinta_speciale(d.nome), false);

    sostegni_delle_ringhiere(cr);

    // The ceiling's cornice over everything.
    legno(cr, 0, T, LARGHEZZA, T + 14);
    rettangolo(cr, 0, T + 14, LARGHEZZA, T + 16, pal::gold, 0.8);
    rettangolo(cr, 0, T + 16, LARGHEZZA, T + 22, pal::ink, 0.25);

    Superficie mondo = tela.opaca();
    metti_ringhiere(mondo, 0, -RIGA_ZERO);
    return mondo;
}

Superficie gradini_che_crollano(int fase) {
    constexpr int X = 1004, Y = -104, W = 48, H = 63;
    Tela t(W, H);
    cairo_t* cr = t.cr();
    dipingi_mondo(cr, X, Y, W, H);
    cairo_translate(cr, -X, -Y);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    // Cracks stay off the edges, so the crumbling never shows the picture's square.
    cairo_rectangle(cr, X + 2, Y + 2, W - 4, H - 4);
    cairo_clip(cr);
    // The lip cracks where he will drop through, a little more in each frame.
    crepe(cr, 1036, -90, 1 + fase, 2 + 2 * fase, 41 + fase);
    if (fase >= 1) crepe(cr, 1029, -84, fase, 3 + 3 * fase, 52 + fase);
    if (fase == 2) {
        // The lip sags and grit trickles from it.
        rettangolo(cr, 1030, -81, 1050, -79, pal::ink, 0.7);
        Caso caso(63);
        for (int i = 0; i < 7; ++i) {
            const int gx = caso.tra(1028, 1049), gy = caso.tra(-78, -50);
            rettangolo(cr, gx, gy, gx + 1, gy + 1, i % 2 ? pal::stone_light : pal::stone_shade);
        }
    }
    cairo_reset_clip(cr);
    if (fase == 3) {
        // Fallen: the shaft shows through a jagged hole where he drops; the treads he walks
        // down stay, broken at its edge. It opens into the shaft below, and on its right a
        // broken strip of the lip stays, so no side of it is the picture's straight edge.
        const double bordo[][2] = {{1027, -90}, {1029, -86}, {1025, -80}, {1028, -72}, {1024, -63}, {1027, -53},
                                   {1023, -42}, {1047, -42}, {1045, -49}, {1048, -57}, {1045, -65}, {1048, -73},
                                   {1047, -80}, {1050, -85}, {1046, -90}};
        auto buco = [&] {
            cairo_move_to(cr, bordo[0][0], bordo[0][1]);
            for (const auto& p : bordo) cairo_line_to(cr, p[0], p[1]);
            cairo_close_path(cr);
        };
        cairo_save(cr);
        buco();
        cairo_clip(cr);
        buio(cr, POZZO_DEI_GRADINI, 5, true);
        // The broken lip's shadow on the shaft's wall.
        sfumatura(cr, {X, -91, X + W, -60}, -91, -60, 0x080505, 0.75, 0x080505, 0);
        cairo_restore(cr);
        // The broken faces: ink on the rim, a lit stone edge along it.
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
        cairo_set_line_width(cr, 1.2);
        for (int lato = 0; lato < 2; ++lato) {
            const int da = lato ? 7 : 0, a = lato ? static_cast<int>(std::size(bordo)) : 7;
            cairo_move_to(cr, bordo[da][0], bordo[da][1]);
            for (int i = da + 1; i < a; ++i) cairo_line_to(cr, bordo[i][0], bordo[i][1]);
            colore(cr, pal::ink);
            cairo_stroke(cr);
        }
        cairo_move_to(cr, bordo[0][0] - 1.5, bordo[0][1] + 1);
        for (int i = 1; i < 7; ++i) cairo_line_to(cr, bordo[i][0] - 1.5, bordo[i][1]);
        colore(cr, pal::stone_light, 0.8);
        cairo_stroke(cr);
        crepe(cr, 1016, -90, 2, 5, 70);
    }
    return t.opaca();
}

}  // namespace didiv::gen
