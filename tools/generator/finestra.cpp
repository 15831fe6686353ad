// The window's own pictures: the frame, the empty bar, the banners, the pointer icons and
// the window icon.

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

#include "generatore.h"
#include "tela.h"

namespace didiv::gen {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Our own generator, so the grain is the same on every machine and every run.
struct Caso {
    uint32_t s;
    double operator()() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / 16777216.0;
    }
    double tra(double a, double b) { return a + (b - a) * (*this)(); }
};

uint32_t mescola(uint32_t a, uint32_t b, double t) {
    auto ch = [&](int sh) {
        const double v = ((a >> sh) & 0xFF) * (1 - t) + ((b >> sh) & 0xFF) * t;
        return static_cast<uint32_t>(std::clamp(v, 0.0, 255.0) + 0.5) << sh;
    };
    return ch(16) | ch(8) | ch(0);
}

constexpr uint32_t gold_light = 0xF2D27A, gold_shade = 0x9C7216;
const uint32_t walnut_dark = sfuma(pal::walnut_shade, 0.62);

void rettangolo(cairo_t* cr, double x, double y, double w, double h, uint32_t c, double a = 1) {
    colore(cr, c, a);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

// A carved shape standing out of the wood: lit on its top-left edge, shaded bottom-right.
void rilievo(cairo_t* cr, const std::function<void()>& forma, uint32_t base, double d = 1.0) {
    cairo_save(cr);
    cairo_translate(cr, d, d);
    forma();
    colore(cr, walnut_dark, 0.9);
    cairo_fill(cr);
    cairo_translate(cr, -2 * d, -2 * d);
    forma();
    colore(cr, sfuma(base, 1.35));
    cairo_fill(cr);
    cairo_restore(cr);
    forma();
    colore(cr, base);
    cairo_fill(cr);
}

// Long wavy grain lines along x over a w x h board.
void venatura(cairo_t* cr, int w, int h, uint32_t seme, double densita = 1.3) {
    Caso caso{seme};
    const int linee = static_cast<int>(h * densita);
    for (int i = 0; i < linee; ++i) {
        const double o0 = caso.tra(-2, h + 2);
        const double amp = caso.tra(0.3, 1.6);
        const double onda = caso.tra(70, 260);
        const double fase = caso.tra(0, 2 * kPi);
        const double deriva = caso.tra(-0.012, 0.012);
        const bool scura = caso() < 0.65;
        colore(cr, scura ? pal::walnut_shade : pal::walnut_light, scura ? caso.tra(0.18, 0.45) : caso.tra(0.12, 0.3));
        cairo_set_line_width(cr, caso.tra(0.5, 1.3));
        for (int t = -4; t <= w + 4; t += 4) {
            const double o = o0 + amp * std::sin(2 * kPi * t / onda + fase) + deriva * t;
            if (t == -4) cairo_move_to(cr, t, o);
            else cairo_line_to(cr, t, o);
        }
        cairo_stroke(cr);
    }
}

// One rail of the frame, drawn along its length: o = 0 is the outer edge, o = 35 the edge
// next to the opening. `luce` for the top and left rails, whose outer bead faces the light.
void binario(cairo_t* cr, int l, bool luce, uint32_t seme) {
    constexpr int T = 36;
    rettangolo(cr, 0, 0, l, T, pal::walnut);
    venatura(cr, l, T, seme);
    auto riga = [&](int o, uint32_t c, double a = 1) { rettangolo(cr, 0, o, l, 1, c, a); };
    riga(0, walnut_dark);
    riga(1, luce ? sfuma(pal::walnut_light, 1.18) : pal::walnut_shade, 0.9);
    riga(2, luce ? pal::walnut_light : sfuma(pal::walnut_shade, 0.9), 0.8);
    riga(3, walnut_dark, 0.85);
    // Two flutes run along the field.
    for (int f : {10, 21}) {
        riga(f, luce ? pal::walnut_shade : pal::walnut_light, 0.85);
        riga(f + 1, sfuma(pal::walnut_shade, 0.75), 0.9);
        riga(f + 2, sfuma(pal::walnut_shade, 0.9), 0.6);
        riga(f + 3, luce ? pal::walnut_light : pal::walnut_shade, 0.85);
    }
    riga(30, walnut_dark, 0.85);
    // The inner slope falls towards the opening: in shade on top and left, lit below and right.
    for (int o = 31; o < T; ++o) {
        const double t = (o - 31) / 4.0;
        riga(o, luce ? mescola(pal::walnut, pal::walnut_shade, 0.45 + 0.5 * t)
                     : mescola(pal::walnut_light, pal::walnut, 0.2 + 0.6 * t),
             0.85);
    }
}

void posa(cairo_t* dst, const Tela& src, const cairo_matrix_t& m, double x, double y, double w, double h) {
    cairo_pattern_t* p = cairo_pattern_create_for_surface(cairo_get_target(src.cr()));
    cairo_pattern_set_matrix(p, &m);
    cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
    cairo_save(dst);
    cairo_set_source(dst, p);
    cairo_rectangle(dst, x, y, w, h);
    cairo_fill(dst);
    cairo_restore(dst);
    cairo_pattern_destroy(p);
}

void cerchio(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

void borchia_oro(cairo_t* cr, double x, double y, double r) {
    cerchio(cr, x + 0.6, y + 0.6, r + 0.8);
    colore(cr, walnut_dark, 0.85);
    cairo_fill(cr);
    cerchio(cr, x, y, r);
    colore(cr, gold_shade);
    cairo_fill(cr);
    cerchio(cr, x - r * 0.15, y - r * 0.15, r * 0.78);
    colore(cr, pal::gold);
    cairo_fill(cr);
    cerchio(cr, x - r * 0.35, y - r * 0.35, r * 0.32);
    colore(cr, gold_light);
    cairo_fill(cr);
}

// A corner block with a carved rosette.
void blocco_angolo(cairo_t* cr, double x0, double y0, uint32_t seme) {
    constexpr double S = 36;
    cairo_save(cr);
    cairo_translate(cr, x0, y0);
    rettangolo(cr, 0, 0, S, S, sfuma(pal::walnut, 0.96));
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, S, S);
    cairo_clip(cr);
    // Grain across the rails, so the block reads as one of its own.
    cairo_translate(cr, S, 0);
    cairo_rotate(cr, kPi / 2);
    venatura(cr, static_cast<int>(S), static_cast<int>(S), seme, 1.0);
    cairo_restore(cr);
    rettangolo(cr, 0, 0, S, 1, walnut_dark);
    rettangolo(cr, 0, 0, 1, S, walnut_dark);
    rettangolo(cr, 0, S - 1, S, 1, walnut_dark);
    rettangolo(cr, S - 1, 0, 1, S, walnut_dark);
    rettangolo(cr, 1, 1, S - 2, 2, sfuma(pal::walnut_light, 1.1), 0.85);
    rettangolo(cr, 1, 1, 2, S - 2, sfuma(pal::walnut_light, 1.1), 0.85);
    rettangolo(cr, 3, S - 3, S - 4, 2, pal::walnut_shade, 0.9);
    rettangolo(cr, S - 3, 3, 2, S - 4, pal::walnut_shade, 0.9);

    const double c = S / 2;
    // A dished ring, then eight raised petals and a gold boss.
    cerchio(cr, c, c, 13.5);
    colore(cr, pal::walnut_light, 0.9);
    cairo_fill(cr);
    cerchio(cr, c + 0.8, c + 0.8, 12.5);
    colore(cr, walnut_dark);
    cairo_fill(cr);
    cerchio(cr, c, c, 12.2);
    colore(cr, sfuma(pal::walnut_shade, 0.85));
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4 + kPi / 8;
        rilievo(cr, [&] {
            cairo_save(cr);
            cairo_translate(cr, c + 7 * std::cos(a), c + 7 * std::sin(a));
            cairo_rotate(cr, a);
            cairo_scale(cr, 4.4, 2.3);
            cerchio(cr, 0, 0, 1);
            cairo_restore(cr);
        }, pal::walnut_light, 0.7);
    }
    borchia_oro(cr, c, c, 3.3);
    cairo_restore(cr);
}

// A C-scroll of carved leaves running from (x, y) outwards; dir is +1 to the right.
void voluta(cairo_t* cr, double x, double y, double dir, double lungh) {
    rilievo(cr, [&] {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, dir, 1);
        // A leaf that tapers from the cartouche and ends in a curl.
        cairo_move_to(cr, 0, -4.5);
        cairo_curve_to(cr, lungh * 0.35, -7.5, lungh * 0.7, -6, lungh * 0.86, -1.5);
        cairo_curve_to(cr, lungh * 0.95, 1.5, lungh * 0.9, 5, lungh * 0.8, 5);
        cairo_curve_to(cr, lungh * 0.72, 5, lungh * 0.68, 2.5, lungh * 0.74, 1);
        cairo_curve_to(cr, lungh * 0.6, 1.5, lungh * 0.35, 3.5, 0, 4.5);
        cairo_close_path(cr);
        cairo_restore(cr);
    }, pal::walnut_light);
    // The leaf's veins.
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dir, 1);
    colore(cr, walnut_dark, 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_move_to(cr, 2, 0);
    cairo_curve_to(cr, lungh * 0.35, -2.5, lungh * 0.6, -2.5, lungh * 0.8, -0.5);
    cairo_stroke(cr);
    for (double f : {0.25, 0.45, 0.62}) {
        cairo_move_to(cr, lungh * f, -1.6);
        cairo_line_to(cr, lungh * f + 3, -5.2);
        cairo_stroke(cr);
    }
    cerchio(cr, lungh * 0.8, 2.6, 1.3);
    colore(cr, pal::gold, 0.9);
    cairo_fill(cr);
    cairo_restore(cr);
}

// The oval cartouche on a rail with scrolls each side; `libro` puts a gold open book in it.
void cartiglio(cairo_t* cr, double cx, double cy, bool libro) {
    const double rx = 22, ry = 11.5;
    voluta(cr, cx + rx + 1, cy, 1, 30);
    voluta(cr, cx - rx - 1, cy, -1, 30);
    auto ovale = [&](double a, double b) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, a, b);
        cerchio(cr, 0, 0, 1);
        cairo_restore(cr);
    };
    ovale(rx + 1, ry + 1);
    colore(cr, walnut_dark);
    cairo_fill(cr);
    ovale(rx, ry);
    colore(cr, pal::gold);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, -0.7, -0.7);
    ovale(rx - 0.6, ry - 0.6);
    colore(cr, gold_light);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
    ovale(rx - 2, ry - 2);
    colore(cr, gold_shade);
    cairo_fill(cr);
    ovale(rx - 2.8, ry - 2.8);
    colore(cr, sfuma(pal::walnut_shade, 0.9));
    cairo_fill(cr);
    if (libro) {
        // Two gold pages bowing from the spine.
        cairo_save(cr);
        cairo_translate(cr, cx, cy + 1);
        for (double s : {-1.0, 1.0}) {
            cairo_move_to(cr, 0, -4);
            cairo_curve_to(cr, s * 4, -6.5, s * 8, -6.5, s * 11, -5);
            cairo_line_to(cr, s * 11, 4);
            cairo_curve_to(cr, s * 8, 2.5, s * 4, 2.5, 0, 5);
            cairo_close_path(cr);
            colore(cr, s < 0 ? gold_light : pal::gold);
            cairo_fill_preserve(cr);
            colore(cr, pal::ink);
            cairo_set_line_width(cr, 0.9);
            cairo_stroke(cr);
            colore(cr, gold_shade);
            cairo_set_line_width(cr, 0.7);
            for (int r = 0; r < 3; ++r) {
                const double y = -2.6 + r * 2.3;
                cairo_move_to(cr, s * 2.5, y);
                cairo_line_to(cr, s * 9, y - 0.5);
                cairo_stroke(cr);
            }
        }
        cairo_restore(cr);
    } else {
        borchia_oro(cr, cx, cy, 4);
        for (double s : {-1.0, 1.0}) borchia_oro(cr, cx + s * 11, cy, 1.8);
    }
}

Superficie disegna_cornice() {
    constexpr int W = 480, H = 540;
    constexpr int A = 40, B = 36;  // the opening's edge, the wood's inner edge
    Tela t(W, H);
    cairo_t* cr = t.cr();
    cairo_matrix_t m;

    Tela orizz(W - 2 * B, B), vert(H - 2 * B, B);
    binario(orizz.cr(), W - 2 * B, true, 11);
    cairo_matrix_init(&m, 1, 0, 0, 1, -B, 0);
    posa(cr, orizz, m, B, 0, W - 2 * B, B);
    binario(orizz.cr(), W - 2 * B, false, 23);
    cairo_matrix_init(&m, 1, 0, 0, -1, -B, H);
    posa(cr, orizz, m, B, H - B, W - 2 * B, B);
    binario(vert.cr(), H - 2 * B, true, 37);
    cairo_matrix_init(&m, 0, 1, 1, 0, -B, 0);
    posa(cr, vert, m, 0, B, B, H - 2 * B);
    binario(vert.cr(), H - 2 * B, false, 41);
    cairo_matrix_init(&m, 0, -1, 1, 0, -B, W);
    posa(cr, vert, m, W - B, B, B, H - 2 * B);

    blocco_angolo(cr, 0, 0, 5);
    blocco_angolo(cr, W - B, 0, 6);
    blocco_angolo(cr, 0, H - B, 7);
    blocco_angolo(cr, W - B, H - B, 8);

    cartiglio(cr, W / 2.0, 17.5, true);
    cartiglio(cr, W / 2.0, H - 17.5, false);
    // A carved boss halfway down each side of the play field.
    for (double cx : {17.5, W - 17.5}) {
        rilievo(cr, [&] {
            cairo_save(cr);
            cairo_translate(cr, cx, A + 200);
            cairo_scale(cr, 8, 12);
            cerchio(cr, 0, 0, 1);
            cairo_restore(cr);
        }, pal::walnut_light);
        cairo_save(cr);
        cairo_translate(cr, cx + 0.5, A + 200.5);
        cairo_scale(cr, 5.5, 9.5);
        cerchio(cr, 0, 0, 1);
        cairo_restore(cr);
        colore(cr, walnut_dark);
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, A + 200);
        cairo_scale(cr, 5.2, 9.2);
        cerchio(cr, 0, 0, 1);
        cairo_restore(cr);
        colore(cr, sfuma(pal::walnut_shade, 0.9));
        cairo_fill(cr);
        borchia_oro(cr, cx, A + 200, 3);
    }

    // The gold fillet around the opening, between two ink lines.
    rettangolo(cr, B, B, W - 2 * B, H - 2 * B, pal::ink);
    rettangolo(cr, B + 1, B + 1, W - 2 * B - 2, H - 2 * B - 2, pal::gold);
    rettangolo(cr, B + 1, B + 1, W - 2 * B - 2, 1, gold_light);
    rettangolo(cr, B + 1, B + 1, 1, H - 2 * B - 2, gold_light);
    rettangolo(cr, B + 2, H - B - 2, W - 2 * B - 3, 1, gold_shade);
    rettangolo(cr, W - B - 2, B + 2, 1, H - 2 * B - 3, gold_shade);
    rettangolo(cr, A - 1, A - 1, W - 2 * A + 2, H - 2 * A + 2, pal::ink);

    // The play field and the bar: the game copies over them.
    rettangolo(cr, A, A, W - 2 * A, H - 2 * A, 0);
    return t.opaca();
}

// Value noise in [0, 1], smooth over cells of `passo` pixels.
double rumore(int x, int y, double passo, uint32_t seme) {
    auto h = [&](int i, int j) {
        uint32_t v = static_cast<uint32_t>(i) * 374761393u + static_cast<uint32_t>(j) * 668265263u + seme * 2246822519u;
        v = (v ^ (v >> 13)) * 1274126177u;
        return ((v ^ (v >> 16)) & 0xFFFF) / 65535.0;
    };
    const double fx = x / passo, fy = y / passo;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    double u = fx - ix, v = fy - iy;
    u = u * u * (3 - 2 * u);
    v = v * v * (3 - 2 * v);
    const double a = h(ix, iy) + (h(ix + 1, iy) - h(ix, iy)) * u;
    const double b = h(ix, iy + 1) + (h(ix + 1, iy + 1) - h(ix, iy + 1)) * u;
    return a + (b - a) * v;
}

Superficie disegna_barra() {
    constexpr int W = 400, H = 60, C = 5;  // C: the frame's width
    Tela t(W, H);
    cairo_t* cr = t.cr();
    // Bevel of the frame, then a gold line around the parchment.
    rettangolo(cr, 0, 0, W, H, walnut_dark);
    rettangolo(cr, 1, 1, W - 2, H - 2, pal::walnut_shade);
    rettangolo(cr, 1, 1, W - 3, H - 3, sfuma(pal::walnut_light, 1.1));
    cairo_save(cr);
    cairo_rectangle(cr, 2, 2, W - 4, H - 4);
    cairo_clip(cr);
    rettangolo(cr, 2, 2, W - 4, H - 4, pal::walnut);
    venatura(cr, W, H, 78, 0.7);
    cairo_restore(cr);
    rettangolo(cr, C - 1, C - 1, W - 2 * C + 2, H - 2 * C + 2, gold_shade);
    rettangolo(cr, C, C, W - 2 * C + 1, H - 2 * C + 1, gold_light);
    Superficie s = t.opaca();

    // Parchment: soft mottling, edges a little browner, a few fibres; the frame's shadow
    // falls on its top and left.
    for (int y = C; y < H - C; ++y) {
        for (int x = C; x < W - C; ++x) {
            const double n = 0.6 * rumore(x, y, 23, 1) + 0.4 * rumore(x, y, 7, 2);
            const int bordo = std::min({x - C, y - C, W - C - 1 - x, H - C - 1 - y});
            double t2 = 0.55 * n - 0.12 + (bordo < 6 ? (6 - bordo) * 0.07 : 0);
            if (rumore(x, y, 1.3, 3) > 0.93) t2 += 0.25;
            uint32_t c = mescola(pal::parchment, pal::parchment_shade, std::clamp(t2, 0.0, 1.0));
            if (x == C || y == C) c = sfuma(pal::parchment_shade, 0.8);
            else if (x == C + 1 || y == C + 1) c = sfuma(c, 0.9);
            s.riga(y)[x] = c;
        }
    }
    return s;
}

// A Pango layout in DejaVu Serif Bold at the largest pixel size, up to `massimo`, whose
// inked words fit w x h.
PangoLayout* adatta(cairo_t* cr, const std::string& parole, double massimo, int w, int h, PangoRectangle& ink) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_layout_set_text(layout, parole.c_str(), -1);
    for (double px = massimo; px >= 8; px -= 0.5) {
        PangoFontDescription* d = pango_font_description_from_string("DejaVu Serif Bold");
        pango_font_description_set_absolute_size(d, px * PANGO_SCALE);
        pango_layout_set_font_description(layout, d);
        pango_font_description_free(d);
        pango_layout_get_pixel_extents(layout, &ink, nullptr);
        if (ink.width <= w && ink.height <= h) return layout;
    }
    g_object_unref(layout);
    throw std::runtime_error("banner words do not fit: " + parole);
}

// The three banners are one family: red cloth lit from the top, a gold inner line with a gold
// diamond at each of its corners, a 2 px ink border, and bold serif words in two tones that
// stand out at a glance: ink with a light rim on the two endings, gold with an ink rim on the
// win, which also has confetti.
Superficie disegna_striscione(int W, int H, const std::string& parole, bool festa) {
    Tela t(W, H);
    cairo_t* cr = t.cr();
    // Red ground, a touch lighter at the top where the light comes from.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, H);
    auto tappa = [&](double o, uint32_t c) {
        cairo_pattern_add_color_stop_rgb(g, o, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
    };
    tappa(0, sfuma(pal::banner_red, 1.12));
    tappa(0.35, pal::banner_red);
    tappa(0.8, pal::banner_red);
    tappa(1, sfuma(pal::banner_red, 0.86));
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);

    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 4.5, 4.5, W - 9, H - 9);
    colore(cr, pal::gold);
    cairo_stroke(cr);
    // The diamonds sit on the line's corners, out of the words' way.
    constexpr double angolo = 5, raggio = 4;
    for (double cx : {angolo, W - angolo})
        for (double cy : {angolo, H - angolo}) {
            cairo_move_to(cr, cx, cy - raggio);
            cairo_line_to(cr, cx + raggio, cy);
            cairo_line_to(cr, cx, cy + raggio);
            cairo_line_to(cr, cx - raggio, cy);
            cairo_close_path(cr);
            colore(cr, pal::ink);
            cairo_set_line_width(cr, 1.4);
            cairo_stroke_preserve(cr);
            colore(cr, pal::gold);
            cairo_fill(cr);
            cerchio(cr, cx - 0.5, cy - 0.5, 1);
            colore(cr, gold_light);
            cairo_fill(cr);
        }

    const int margine = 14;
    PangoRectangle ink;
    PangoLayout* layout = adatta(cr, parole, H * 0.55, W - 2 * margine, H - 18, ink);
    // Centre the words between the tops of the tall letters and the baseline; the
    // descenders hang below, as on a printed sign.
    const double base = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    const double x = std::round((W - ink.width) / 2.0 - ink.x);
    const double y = std::round((H - (base - ink.y)) / 2.0 - ink.y + 1);

    if (festa) {
        Caso caso{2024};
        const uint32_t tinte[] = {gold_light, pal::parchment, pal::sky, pal::leaf_light, pal::gold};
        for (int i = 0; i < 90; ++i) {
            const double cx = caso.tra(9, W - 9), cy = caso.tra(8, H - 8);
            const uint32_t c = tinte[static_cast<int>(caso() * 5) % 5];
            const double giro = caso.tra(0, kPi);
            const bool sulle_parole = cx > x + ink.x - 4 && cx < x + ink.x + ink.width + 4 &&
                                      cy > y + ink.y - 4 && cy < y + ink.y + ink.height + 4;
            const bool su_un_angolo = (cx < 14 || cx > W - 14) && (cy < 14 || cy > H - 14);
            if (sulle_parole || su_un_angolo) continue;
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, giro);
            cairo_rectangle(cr, -1.6, -0.9, 3.2, 1.8);
            colore(cr, c);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
    // The words: the rim first, then the letters over it.
    cairo_move_to(cr, x, y);
    pango_cairo_layout_path(cr, layout);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    colore(cr, festa ? pal::ink : gold_light);
    cairo_set_line_width(cr, festa ? 2.2 : 2.6);
    cairo_stroke_preserve(cr);
    if (festa) {
        cairo_pattern_t* oro = cairo_pattern_create_linear(0, y + ink.y, 0, y + ink.y + ink.height);
        cairo_pattern_add_color_stop_rgb(oro, 0, 0xF6 / 255.0, 0xDC / 255.0, 0x8C / 255.0);
        cairo_pattern_add_color_stop_rgb(oro, 0.6, 0xD9 / 255.0, 0xA6 / 255.0, 0x2E / 255.0);
        cairo_pattern_add_color_stop_rgb(oro, 1, 0xB8 / 255.0, 0x86 / 255.0, 0x1E / 255.0);
        cairo_set_source(cr, oro);
        cairo_fill(cr);
        cairo_pattern_destroy(oro);
    } else {
        colore(cr, pal::ink);
        cairo_fill(cr);
    }
    g_object_unref(layout);

    // The 2 px ink border.
    cairo_set_line_width(cr, 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_rectangle(cr, 1, 1, W - 2, H - 2);
    colore(cr, pal::ink);
    cairo_stroke(cr);
    return t.opaca();
}

// A pointer arrow, hard-edged, in gold with an ink outline; `giri` quarter turns clockwise
// from pointing right. The shading is done pixel by pixel after the turn, so the light stays
// top-left whichever way the arrow points.
Superficie disegna_freccia(int giri) {
    Tela t(32, 32);
    cairo_t* cr = t.cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_translate(cr, 16, 16);
    cairo_rotate(cr, giri * kPi / 2);
    cairo_move_to(cr, -13, -4);
    cairo_line_to(cr, 0, -4);
    cairo_line_to(cr, 0, -12);
    cairo_line_to(cr, 13, 0);
    cairo_line_to(cr, 0, 12);
    cairo_line_to(cr, 0, 4);
    cairo_line_to(cr, -13, 4);
    cairo_close_path(cr);
    colore(cr, 0xFFFFFF);
    cairo_fill(cr);
    const Superficie forma = t.opaca();
    auto dentro = [&](int x, int y) { return forma.Point(x, y) > 0; };
    Superficie s(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (dentro(x, y)) {
                const bool chiaro = !dentro(x - 1, y) || !dentro(x, y - 1);
                const bool scuro = !dentro(x + 1, y) || !dentro(x, y + 1) || !dentro(x + 1, y + 1);
                s.PSet(x, y, chiaro ? gold_light : scuro ? gold_shade : pal::gold);
                continue;
            }
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (dentro(x + dx, y + dy)) s.PSet(x, y, pal::ink);
        }
    }
    return s;
}

Superficie disegna_icona() {
    Tela t(32, 32);
    cairo_t* cr = t.cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // The open book: red cover showing under two parchment pages.
    auto pagine = [&](double allarga, double giu) {
        for (double s : {-1.0, 1.0}) {
            cairo_move_to(cr, 16, 10 + giu);
            cairo_curve_to(cr, 16 + s * 5, 6 + giu, 16 + s * 10, 6 + giu, 16 + s * (14 + allarga), 8 + giu);
            cairo_line_to(cr, 16 + s * (14 + allarga), 25 + giu);
            cairo_curve_to(cr, 16 + s * 10, 23 + giu, 16 + s * 5, 23 + giu, 16, 26 + giu);
            cairo_close_path(cr);
        }
    };
    pagine(1, 2);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    colore(cr, pal::book_red);
    cairo_fill(cr);
    pagine(0, 0);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    colore(cr, pal::parchment);
    cairo_fill(cr);
    // The right page a shade darker, away from the light; lines of writing.
    cairo_save(cr);
    pagine(0, 0);
    cairo_clip(cr);
    rettangolo(cr, 17, 0, 16, 32, pal::parchment_shade);
    colore(cr, sfuma(pal::parchment_shade, 0.72));
    cairo_set_line_width(cr, 1);
    for (int r = 0; r < 6; ++r) {
        const double y = 10.5 + r * 2.5;
        cairo_move_to(cr, 5, y);
        cairo_line_to(cr, 13, y);
        cairo_move_to(cr, 19, y);
        cairo_line_to(cr, 27, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    rettangolo(cr, 16, 9, 1, 17, pal::ink);

    // Round gold spectacles lying across the pages.
    constexpr double occhi = 19;
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 3.2);
    cairo_move_to(cr, 14, occhi - 1.5);
    cairo_curve_to(cr, 15, occhi - 3.5, 17, occhi - 3.5, 18, occhi - 1.5);
    cairo_stroke(cr);
    for (double cx : {9.5, 22.5}) {
        cerchio(cr, cx, occhi, 5.5);
        colore(cr, pal::ink);
        cairo_fill(cr);
        cerchio(cr, cx, occhi, 4.6);
        colore(cr, pal::gold);
        cairo_fill(cr);
        cerchio(cr, cx, occhi, 3.5);
        colore(cr, 0xCFE8F2);
        cairo_fill(cr);
        rettangolo(cr, cx - 2, occhi - 2, 1, 2, 0xFFFFFF);
    }
    colore(cr, pal::gold);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 14, occhi - 1.5);
    cairo_curve_to(cr, 15, occhi - 3.5, 17, occhi - 3.5, 18, occhi - 1.5);
    cairo_stroke(cr);
    return t.coppia().second;
}

}  // namespace

PRODUTTORE(finestra) {
    out.immagine("Picture64", 0, disegna_cornice());
    out.immagine("Picture12", 0, disegna_barra());
    out.immagine("Picture35", 0, disegna_striscione(200, 58, "Fine della partita!", false));
    out.immagine("Picture36", 0, disegna_striscione(174, 52, "Tempo scaduto!", false));
    out.immagine("Picture77", 0, disegna_striscione(245, 69, "Complimenti, hai vinto!", true));
    for (int i = 0; i < 4; ++i) {
        static constexpr int giri[] = {0, 2, 3, 1};  // right, left, up, down
        out.immagine("Picture30", i + 1, disegna_freccia(giri[i]));
    }
    out.immagine("Icona", 0, disegna_icona());
}

}  // namespace didiv::gen
