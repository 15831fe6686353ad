// The storm over the vase (lightning, flash, rain) and the bean plant in three stages.

#include <cmath>

#include "generatore.h"
#include "tela.h"

namespace didiv::gen {

namespace {

void rgb(cairo_pattern_t* p, double o, uint32_t c, double a = 1) {
    cairo_pattern_add_color_stop_rgba(p, o, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0, a);
}

// The dark air of the vault under the cloud.
void cielo(cairo_t* cr, double lampo) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 50);
    rgb(g, 0, lampo > 0 ? 0xC8C4B0 : 0x3A3F48);
    rgb(g, 1, lampo > 0 ? 0x8E8A7A : 0x4A4A4A);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    if (lampo > 0) {
        cairo_pattern_t* r = cairo_pattern_create_radial(25, 20, 2, 25, 20, 34);
        rgb(r, 0, 0xFFFFF0, 0.95);
        rgb(r, 1, 0xFFF2A0, 0.0);
        cairo_set_source(cr, r);
        cairo_paint(cr);
        cairo_pattern_destroy(r);
    }
}

void fulmine(cairo_t* cr) {
    const double p[][2] = {{27, 0}, {19, 18}, {26, 19}, {17, 36}, {24, 37}, {14, 50},
                           {33, 30}, {26, 29}, {35, 14}, {28, 13}, {34, 0}};
    auto traccia = [&] {
        cairo_move_to(cr, p[0][0], p[0][1]);
        for (const auto& q : p) cairo_line_to(cr, q[0], q[1]);
        cairo_close_path(cr);
    };
    traccia();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    traccia();
    colore(cr, 0xFFE45C);
    cairo_fill(cr);
    cairo_move_to(cr, 27.5, 2);
    cairo_line_to(cr, 21, 17);
    colore(cr, 0xFFFFE0);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// Rain streaks falling; each frame moves them a third of their spacing down.
void pioggia(cairo_t* cr, int fase) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int col = 0; col < 9; ++col) {
        const double x0 = 3 + col * 5.5 + (col % 2) * 1.5;
        for (int k = -1; k < 4; ++k) {
            const double y = k * 15 + fase * 5 + (col % 3) * 5;
            cairo_move_to(cr, x0, y);
            cairo_line_to(cr, x0 - 1.5, y + 7);
            colore(cr, col % 2 ? 0x9CC8F0 : 0xD4E8FA);
            cairo_set_line_width(cr, 1.3);
            cairo_stroke(cr);
        }
    }
    // Splashes at the bottom, where the drops reach the vase.
    colore(cr, 0xD4E8FA);
    for (int i = 0; i < 4; ++i) {
        const double x = 6 + ((i * 13 + fase * 7) % 40);
        cairo_arc(cr, x, 48, 1.5, M_PI, 2 * M_PI);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

Superficie tempesta(int n) {
    Tela t(50, 50);
    cairo_t* cr = t.cr();
    cielo(cr, n == 1 ? 1 : 0);
    if (n <= 1) {
        fulmine(cr);
    } else {
        pioggia(cr, n - 2);
    }
    return t.opaca();
}

// The bean stalk of a stage: a winding stem with leaves, wider and taller at each stage, a
// little soil at its foot where it comes out of the vase.
std::pair<Superficie, Superficie> pianta(int w, int h, int stadio) {
    Tela t(w, h);
    cairo_t* cr = t.cr();
    const double cx = w / 2.0;
    const double ampiezza = w * 0.18;
    const double onde = 2.5 + stadio;
    auto xa = [&](double y) { return cx + ampiezza * std::sin((h - y) / h * onde * 2 * M_PI * 0.5); };
    const double spessore = 3 + stadio * 1.2;

    // The stem: ink, then green, then a light stripe on its left.
    for (int passata = 0; passata < 3; ++passata) {
        cairo_move_to(cr, xa(h), h);
        for (double y = h; y >= 4; y -= 2) cairo_line_to(cr, xa(y) - (passata == 2 ? spessore * 0.25 : 0), y);
        colore(cr, passata == 0 ? pal::ink : passata == 1 ? pal::leaf : pal::leaf_light);
        cairo_set_line_width(cr, passata == 0 ? spessore + 2 : passata == 1 ? spessore : 1);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    // Leaves in pairs along the stem, alternating sides.
    const double passo = 22 - stadio * 2;
    int i = 0;
    for (double y = h - 18; y > 10; y -= passo, ++i) {
        const int lato = (i % 2) ? 1 : -1;
        const double x = xa(y);
        const double lw = std::min(w / 2.0 - 1, 9.0 + stadio * 4), lh = 6 + stadio * 2;
        cairo_save(cr);
        cairo_translate(cr, x + lato * (lw * 0.55), y);
        cairo_rotate(cr, lato * -0.45);
        cairo_scale(cr, lw / 2, lh / 2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        colore(cr, pal::ink);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_translate(cr, x + lato * (lw * 0.55), y);
        cairo_rotate(cr, lato * -0.45);
        cairo_scale(cr, lw / 2 - 1, lh / 2 - 1);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        colore(cr, i % 3 ? pal::leaf : pal::leaf_shade);
        cairo_fill(cr);
        // A vein.
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + lato * (lw - 2), y - lato * lato * 1.5);
        colore(cr, pal::leaf_light);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        // From the second stage, bean pods hang here and there.
        if (stadio >= 1 && i % 3 == 1) {
            const double px = x - lato * 3, py = y + 3;
            cairo_move_to(cr, px, py);
            cairo_curve_to(cr, px - lato * 2, py + 4, px - lato * 1, py + 8, px + lato * 1, py + 10);
            colore(cr, pal::ink);
            cairo_set_line_width(cr, 3.5);
            cairo_stroke_preserve(cr);
            colore(cr, pal::leaf_light);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
    // A curling tendril at the tip.
    const double tx = xa(6);
    cairo_move_to(cr, tx, 6);
    cairo_curve_to(cr, tx + 4, 0, tx + 6, 6, tx + 2, 7);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    colore(cr, pal::leaf_light);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    return t.coppia();
}

}  // namespace

PRODUTTORE(scena_pianta) {
    for (int i = 0; i < 5; ++i) out.immagine("Picture56", i, tempesta(i));
    const int misure[3][2] = {{23, 180}, {34, 270}, {45, 360}};
    for (int i = 0; i < 3; ++i) {
        auto [m, im] = pianta(misure[i][0], misure[i][1], i);
        out.immagine("Picture52", i, std::move(m));
        out.immagine("Picture53", i, std::move(im));
    }
}

}  // namespace didiv::gen
