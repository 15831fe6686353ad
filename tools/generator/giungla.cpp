// The jungle across the chasm, three frames that sway back and forth (shown 0, 1, 2, 1).

#include <cmath>
#include <cstdint>

#include "generatore.h"
#include "livello_mappa.h"
#include "livello_pianta.h"
#include "tela.h"

namespace didiv::gen {

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int W = 315, H = 630;
constexpr int X = 1885, Y = -230;  // where the game copies the frames
// The far side's lip, where the world's own far cliff stands (2034, 118), in frame pixels.
constexpr double SPONDA = 149, SUOLO = 348;

double caso(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return (x & 0xFFFFFF) / double(0x1000000);
}

void cerchio(cairo_t* cr, double x, double y, double r, uint32_t c, double a = 1.0) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    colore(cr, c, a);
    cairo_fill(cr);
}

void sfondo(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, SUOLO);
    cairo_pattern_add_color_stop_rgb(p, 0, 0x6F / 255.0, 0xB8 / 255.0, 0xDF / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 0x8E / 255.0, 0xC9 / 255.0, 0xE8 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0xD8 / 255.0, 0xEC / 255.0, 0xD8 / 255.0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    // Two ranges of misty hills.
    for (int k = 0; k < 2; ++k) {
        const double base = SUOLO - 110 + k * 40;
        cairo_move_to(cr, 0, SUOLO);
        for (int x = 0; x <= W; x += 3)
            cairo_line_to(cr, x, base - 26 * std::sin(x * 0.021 + k * 2.1) - 12 * std::sin(x * 0.057 + k));
        cairo_line_to(cr, W, SUOLO);
        cairo_close_path(cr);
        colore(cr, k == 0 ? 0xA6C9B4 : 0x86B094);
        cairo_fill(cr);
    }
    // Distant trees on the hills, paler for the haze.
    for (int i = 0; i < 12; ++i) {
        const double x = i * 28 + caso(i + 600) * 14, y = SUOLO - 160 + caso(i + 610) * 60;
        cairo_rectangle(cr, x - 2, y, 4, SUOLO - y);
        colore(cr, 0x6F9A80);
        cairo_fill(cr);
        for (int k = 0; k < 4; ++k)
            cerchio(cr, x + (caso(i * 5 + k + 620) - 0.5) * 26, y - caso(i * 5 + k + 640) * 14, 12 + caso(i * 5 + k + 660) * 8,
                    k % 2 ? 0x75A386 : 0x6A977B);
    }
}

void burrone(cairo_t* cr, double fase) {
    // The depths, the far wall of the chasm and the mist between.
    cairo_rectangle(cr, 0, SUOLO - 8, W, H - SUOLO + 8);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, SUOLO, 0, H);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.20, 0.29, 0.24);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.05, 0.08, 0.06);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);

    cairo_move_to(cr, SPONDA, SUOLO);
    for (int y = static_cast<int>(SUOLO); y <= H; y += 10) cairo_line_to(cr, SPONDA - 10 + 8 * std::sin(y * 0.05) + (y - SUOLO) * 0.06, y);
    cairo_line_to(cr, W, H);
    cairo_line_to(cr, W, SUOLO);
    cairo_close_path(cr);
    p = cairo_pattern_create_linear(0, SUOLO, 0, H);
    cairo_pattern_add_color_stop_rgb(p, 0, 0x8C / 255.0, 0x8A / 255.0, 0x84 / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0x3A / 255.0, 0x3C / 255.0, 0x38 / 255.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    colore(cr, pal::ink, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Cracks and ledges in the rock.
    for (int i = 0; i < 14; ++i) {
        const double x = SPONDA + 14 + caso(i * 3 + 1) * (W - SPONDA - 40), y = SUOLO + 20 + caso(i * 3 + 2) * 230;
        cairo_move_to(cr, x, y);
        cairo_rel_line_to(cr, 14 + caso(i * 3 + 3) * 20, 2);
        colore(cr, 0x4A4843, 0.7);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // Creepers down the wall, swaying a little.
    for (int i = 0; i < 7; ++i) {
        const double x = SPONDA + 4 + i * 23 + caso(i + 40) * 10, l = 60 + caso(i + 50) * 110;
        cairo_move_to(cr, x, SUOLO);
        cairo_curve_to(cr, x + 6, SUOLO + l * 0.4, x - 6 + fase * 2, SUOLO + l * 0.7, x + fase * 4, SUOLO + l);
        colore(cr, pal::leaf_shade);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        for (double t = 0.2; t < 1; t += 0.2) {
            const double yy = SUOLO + l * t, xx = x + fase * 4 * t * t;
            cerchio(cr, xx + (static_cast<int>(t * 10) % 2 ? 3 : -3), yy, 3, pal::leaf);
        }
    }
    // Mist drifting in the chasm.
    for (int i = 0; i < 6; ++i) {
        const double y = SUOLO + 110 + i * 22, x = -40 + i * 50 + fase * 8 * (i % 2 ? 1 : -1);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 70 + caso(i + 700) * 50, 9 + caso(i + 710) * 8);
        cerchio(cr, 0, 0, 1, 0xFFFFFF, 0.08 + 0.04 * (i % 3));
        cairo_restore(cr);
    }
}

void tronco(cairo_t* cr, double x, double largo, double cima) {
    cairo_move_to(cr, x - largo * 0.8, SUOLO + 4);
    cairo_curve_to(cr, x - largo * 0.5, SUOLO - 30, x - largo * 0.5, cima + 60, x - largo * 0.35, cima);
    cairo_line_to(cr, x + largo * 0.35, cima);
    cairo_curve_to(cr, x + largo * 0.5, cima + 60, x + largo * 0.5, SUOLO - 30, x + largo * 0.8, SUOLO + 4);
    cairo_close_path(cr);
    colore(cr, 0x6B4A2E);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_rectangle(cr, x, cima, largo, SUOLO - cima + 10);
    colore(cr, 0x4E3420);
    cairo_fill(cr);
    for (int i = 0; i < 10; ++i) {
        const double y = cima + 20 + i * (SUOLO - cima) / 10;
        cairo_move_to(cr, x - largo * 0.4, y);
        cairo_rel_curve_to(cr, largo * 0.3, 4, largo * 0.5, -2, largo * 0.8, 3);
        colore(cr, 0x3B2614, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// A cloud of leaves: dark underneath, lit on the upper left.
void chioma(cairo_t* cr, double cx, double cy, double r, uint32_t seme, double fase) {
    const int n = 22;
    for (int passata = 0; passata < 3; ++passata) {
        const uint32_t tono = passata == 0 ? pal::leaf_shade : passata == 1 ? pal::leaf : pal::leaf_light;
        for (int i = 0; i < n; ++i) {
            const double a = caso(seme + i * 7) * 2 * PI, d = std::sqrt(caso(seme + i * 7 + 1)) * r;
            double x = cx + d * std::cos(a) + fase * 1.5 * (d / r), y = cy + d * std::sin(a) * 0.6;
            double rr = r * (0.28 + caso(seme + i * 7 + 2) * 0.2);
            if (passata == 1) x -= rr * 0.15, y -= rr * 0.2, rr *= 0.8;
            if (passata == 2) {
                if (std::cos(a) > 0.2 || std::sin(a) > 0.1) continue;
                x -= rr * 0.3, y -= rr * 0.35, rr *= 0.45;
            }
            cerchio(cr, x, y, rr, tono);
        }
    }
}

void palma(cairo_t* cr, double x, double y, double fase) {
    cairo_move_to(cr, x, SUOLO + 2);
    cairo_curve_to(cr, x - 4, SUOLO - 60, x - 18, y + 40, x - 26, y);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_move_to(cr, x, SUOLO + 2);
    cairo_curve_to(cr, x - 4, SUOLO - 60, x - 18, y + 40, x - 26, y);
    colore(cr, 0x9C7B45);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    const double tx = x - 26, ty = y;
    for (int i = 0; i < 7; ++i) {
        const double a = -PI + i * PI / 6 + fase * 0.05 * (i % 2 ? 1 : -1);
        const double l = 46 + (i % 3) * 6;
        const double ex = tx + l * std::cos(a), ey = ty + l * std::sin(a) * 0.55 + 22;
        for (auto [w, c] : {std::pair{7.0, pal::leaf_shade}, std::pair{4.0, pal::leaf}}) {
            cairo_move_to(cr, tx, ty);
            cairo_curve_to(cr, tx + l * 0.4 * std::cos(a), ty - 14, tx + l * 0.8 * std::cos(a), ey - 18, ex, ey);
            colore(cr, c);
            cairo_set_line_width(cr, w);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
    }
    cerchio(cr, tx + 3, ty + 5, 4, 0x7A4A22);
    cerchio(cr, tx - 4, ty + 6, 4, 0x6B3F1D);
}

void liane(cairo_t* cr, double fase) {
    const double xs[] = {28, 74, 168, 236, 300};
    for (int i = 0; i < 5; ++i) {
        const double x = xs[i], l = 140 + caso(i + 90) * 160;
        const double dx = fase * (3 + i % 3);
        cairo_move_to(cr, x, 60);
        cairo_curve_to(cr, x + 10, 60 + l * 0.4, x - 10 + dx * 0.5, 60 + l * 0.8, x + dx, 60 + l);
        colore(cr, 0x4E6B2A);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        for (double t = 0.3; t <= 1.0; t += 0.14) {
            const double y = 60 + l * t, xx = x + dx * t * t + 4 * std::sin(t * 9);
            cairo_save(cr);
            cairo_translate(cr, xx, y);
            cairo_rotate(cr, (static_cast<int>(t * 20) % 2 ? 0.7 : -0.7) + fase * 0.1);
            cairo_scale(cr, 6, 2.6);
            cerchio(cr, 0.6, 0, 1, pal::leaf);
            cairo_restore(cr);
        }
    }
}

void sottobosco(cairo_t* cr, double fase) {
    // Big leaves and ferns along the far edge, with a few bright flowers.
    for (int i = 0; i < 16; ++i) {
        const double x = SPONDA + 4 + i * 10 + caso(i + 200) * 8, y = SUOLO - 4;
        const double a = -PI / 2 + (caso(i + 210) - 0.5) * 1.6 + fase * 0.06;
        const double l = 28 + caso(i + 220) * 26;
        const double ex = x + l * std::cos(a), ey = y + l * std::sin(a);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 12, (y + ey) / 2, ex + 8, ey + 6, ex, ey);
        cairo_curve_to(cr, ex - 8, ey + 6, x - 12, (y + ey) / 2, x, y);
        colore(cr, i % 3 == 0 ? pal::leaf_light : i % 3 == 1 ? pal::leaf : pal::leaf_shade);
        cairo_fill_preserve(cr);
        colore(cr, pal::ink, 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, ex, ey);
        colore(cr, pal::leaf_shade, 0.8);
        cairo_stroke(cr);
    }
    const uint32_t fiori[] = {0xE0483A, 0xF2A93B, 0xE86AA0, 0xF4E04D};
    for (int i = 0; i < 9; ++i) {
        const double x = SPONDA + 10 + caso(i + 300) * (W - SPONDA - 20), y = SUOLO - 10 - caso(i + 310) * 34;
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * PI / 5 + fase * 0.1;
            cerchio(cr, x + 3.5 * std::cos(a), y + 3.5 * std::sin(a), 2.8, fiori[i % 4]);
        }
        cerchio(cr, x, y, 1.8, 0xFFF3B0);
    }
    // The far edge itself: a grassy lip.
    cairo_move_to(cr, SPONDA - 6, SUOLO + 2);
    for (int x = static_cast<int>(SPONDA) - 6; x <= W; x += 4) cairo_line_to(cr, x, SUOLO - 2 - 3 * std::sin(x * 0.3));
    cairo_line_to(cr, W, SUOLO + 8);
    cairo_line_to(cr, SPONDA - 2, SUOLO + 8);
    cairo_close_path(cr);
    colore(cr, pal::leaf_shade);
    cairo_fill(cr);
}

// A red parrot flapping in place: wings up, level, down.
void pappagallo(cairo_t* cr, double x, double y, double fase) {
    const double ala = -fase * 12;
    for (auto [w, c] : {std::pair{4.5, pal::ink}, std::pair{2.5, 0x2E6FB0u}}) {
        cairo_move_to(cr, x - 2, y);
        cairo_curve_to(cr, x - 8, y + ala * 0.5 - 4, x - 14, y + ala - 2, x - 18, y + ala);
        cairo_move_to(cr, x + 2, y);
        cairo_curve_to(cr, x + 8, y + ala * 0.5 - 4, x + 14, y + ala - 2, x + 18, y + ala);
        colore(cr, c);
        cairo_set_line_width(cr, w);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, x, y + 2);
    cairo_scale(cr, 4, 7);
    cerchio(cr, 0, 0, 1, 0xD63A2F);
    cairo_restore(cr);
    cerchio(cr, x, y - 5, 3.2, 0xD63A2F);
    cerchio(cr, x + 0.8, y - 5.8, 0.9, 0xFFFFFF);
    cairo_move_to(cr, x + 2, y - 4);
    cairo_line_to(cr, x + 5, y - 2);
    cairo_line_to(cr, x + 2, y - 2);
    colore(cr, 0xF4E04D);
    cairo_fill(cr);
    cairo_move_to(cr, x - 1, y + 8);
    cairo_line_to(cr, x, y + 17);
    cairo_line_to(cr, x + 2, y + 8);
    colore(cr, 0x2E6FB0);
    cairo_fill(cr);
}

// The jungle in the chasm, in the frame's own coordinates.
void giungla(cairo_t* cr, double fase) {
    sfondo(cr);
    burrone(cr, fase);
    tronco(cr, SPONDA + 42, 22, 40);
    tronco(cr, 262, 28, 20);
    chioma(cr, 60, 70, 90, 1000, fase);
    chioma(cr, 250, 60, 100, 2000, fase);
    chioma(cr, 160, 20, 90, 3000, fase);
    chioma(cr, 290, 200, 45, 4000, fase);
    // Bushes between the trunks.
    for (int i = 0; i < 8; ++i)
        chioma(cr, SPONDA + 6 + i * 22, SUOLO - 30 - caso(i + 800) * 30, 24 + caso(i + 810) * 12, 5000 + i * 100, fase * 0.5);
    palma(cr, 236, SUOLO - 100, fase);
    liane(cr, fase);
    sottobosco(cr, fase);
    pappagallo(cr, 70, 250, fase);
    // Sunlight from the upper left through the leaves.
    cairo_pattern_t* luce = cairo_pattern_create_radial(0, 0, 10, 0, 0, 420);
    cairo_pattern_add_color_stop_rgba(luce, 0, 1, 0.95, 0.7, 0.28);
    cairo_pattern_add_color_stop_rgba(luce, 1, 1, 0.95, 0.7, 0.0);
    cairo_set_source(cr, luce);
    cairo_paint(cr);
    cairo_pattern_destroy(luce);
}

// A creeper hanging from (x, y), swaying with the frame, with leaves along it.
void rampicante(cairo_t* cr, double x, double y, double l, double fase) {
    const double dx = fase * 3;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 5, y + l * 0.4, x - 5 + dx * 0.5, y + l * 0.75, x + dx, y + l);
    colore(cr, 0x3E5A24);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double t = 0.15; t <= 1.0; t += 0.17) {
        cairo_save(cr);
        cairo_translate(cr, x + dx * t * t + 2.5 * std::sin(t * 11), y + l * t);
        cairo_rotate(cr, (static_cast<int>(t * 20) % 2 ? 0.8 : -0.8) + fase * 0.1);
        cairo_scale(cr, 5, 2.4);
        cerchio(cr, 0.6, 0, 1, static_cast<int>(t * 10) % 3 ? pal::leaf : pal::leaf_light);
        cairo_restore(cr);
    }
}

// The jungle spilling over the library's edge: leaves along the beams and the floors' ends,
// creepers hanging over them and down the near rock. In frame pixels, clear of its left edge.
void sulla_sponda(cairo_t* cr, double fase) {
    cairo_save(cr);
    cairo_rectangle(cr, 3, 0, W - 3, H);
    cairo_clip(cr);
    for (int i = 0; i < 9; ++i) chioma(cr, 14 + i * 22 + caso(i + 900) * 8, 20, 9 + caso(i + 910) * 5, 7000 + i * 10, fase * 0.3);
    for (auto [x, l] : {std::pair{14.0, 70.0}, {52.0, 120.0}, {98.0, 60.0}, {176.0, 95.0}, {228.0, 50.0}})
        rampicante(cr, x, 22, l, fase);
    // The middle floor's end, over the chasm.
    chioma(cr, 26, 198, 10, 7200, fase * 0.3);
    rampicante(cr, 18, 198, 70, fase);
    rampicante(cr, 33, 198, 40, fase);
    // The rim's broken end and the rock under it.
    chioma(cr, 58, 414, 9, 7300, fase * 0.3);
    chioma(cr, 12, 424, 8, 7400, fase * 0.3);
    rampicante(cr, 50, 420, 110, fase);
    rampicante(cr, 24, 422, 70, fase);
    cairo_restore(cr);
}

// A frame is the world with the jungle in its chasm, cut where the game copies it: everything
// but the chasm is the world's own, so the frame has no edge of its own to show.
Superficie fotogramma(double fase) {
    Baratro b;
    b.dentro = [fase](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, X, Y);
        giungla(cr, fase);
        cairo_restore(cr);
    };
    b.davanti = [fase](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, X, Y);
        sulla_sponda(cr, fase);
        cairo_restore(cr);
    };
    const Superficie mondo = disegna_mondo(b);
    Superficie f(W, H);
    BitBlt(f, 0, 0, W, H, mondo, X, Y + livello::RIGA_ZERO, Rop::SRCCOPY);
    return f;
}

}  // namespace

PRODUTTORE(giungla) {
    out.bmp("j1.bmp", fotogramma(-1));
    out.bmp("j2.bmp", fotogramma(0));
    out.bmp("j3.bmp", fotogramma(1));
}

}  // namespace didiv::gen
