// The storm over the vase (lightning, flash, rain) and the bean plant in three stages.

#include <algorithm>
#include <cmath>

#include "generatore.h"
#include "livello_mappa.h"
#include "tela.h"

namespace didiv::gen {

namespace {

// The storm is composed over the world picture under it, at (996, 196). What it adds fades to
// nothing two pixels from the left, right and bottom edges, so the square never shows; at the
// top it comes straight out of the cloud, which lies over that edge while the storm lasts.
constexpr int X = 996, Y = 196, LATO = 50;

double morbido(double a, double b, double v) {
    const double t = std::clamp((v - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// How much of the storm shows at each pixel: 0 on the outer ring, 1 inside.
cairo_surface_t* dissolvenza() {
    cairo_surface_t* m = cairo_image_surface_create(CAIRO_FORMAT_A8, LATO, LATO);
    cairo_surface_flush(m);
    unsigned char* d = cairo_image_surface_get_data(m);
    const int stride = cairo_image_surface_get_stride(m);
    for (int y = 0; y < LATO; ++y)
        for (int x = 0; x < LATO; ++x) {
            const double lati = morbido(2, 9, std::min(x, LATO - 1 - x)) * morbido(2, 7, LATO - 1 - y);
            d[y * stride + x] = static_cast<unsigned char>(std::lround(255 * lati));
        }
    cairo_surface_mark_dirty(m);
    return m;
}

// Draws the layer that `disegno` makes, seen through the fade.
template <class Disegno>
void sfumato(cairo_t* cr, cairo_surface_t* dissolve, Disegno&& disegno) {
    cairo_push_group(cr);
    disegno();
    cairo_pop_group_to_source(cr);
    cairo_mask_surface(cr, dissolve, 0, 0);
}

// The bolt from the cloud: down the left of the frame, where he does not stand in front of it
// when he waits by the vase, with a fork of it striking the fork's tines.
void fulmine(cairo_t* cr) {
    const double tronco[][2] = {{17, -1}, {11, 12}, {16, 14}, {8, 29}, {13, 31}, {7, 43}};
    const double ramo[][2] = {{12, 22}, {21, 27}, {18, 31}, {29, 41}};
    auto linea = [&](const auto& punti, double larghezza, uint32_t c) {
        cairo_move_to(cr, punti[0][0], punti[0][1]);
        for (const auto& q : punti) cairo_line_to(cr, q[0], q[1]);
        colore(cr, c);
        cairo_set_line_width(cr, larghezza);
        cairo_stroke(cr);
    };
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    linea(ramo, 4.2, pal::ink);
    linea(ramo, 2.2, 0xFFE45C);
    linea(tronco, 6, pal::ink);
    linea(tronco, 4, 0xFFE45C);
    linea(tronco, 1.4, 0xFFFFF4);
}

// A glow around the bolt; `forte` for the flash, which lights the vault round it.
void bagliore(cairo_t* cr, cairo_surface_t* dissolve, bool forte) {
    sfumato(cr, dissolve, [&] {
        // Round, and gone before the edges, so the square does not show even in the flash.
        cairo_pattern_t* r = cairo_pattern_create_radial(17, 22, 1, 17, 22, forte ? 17 : 12);
        cairo_pattern_add_color_stop_rgba(r, 0, 1, 1, 0.92, forte ? 1 : 0.7);
        cairo_pattern_add_color_stop_rgba(r, 0.55, 1, 0.96, 0.7, forte ? 0.8 : 0.3);
        cairo_pattern_add_color_stop_rgba(r, 1, 1, 0.92, 0.55, 0);
        cairo_set_source(cr, r);
        cairo_paint(cr);
        cairo_pattern_destroy(r);
    });
}

// Rain from the cloud: the air darkens and streaks fall; each frame moves them a third of
// their spacing down.
void pioggia(cairo_t* cr, cairo_surface_t* dissolve, int fase) {
    sfumato(cr, dissolve, [&] {
        colore(cr, 0x1C2430, 0.4);
        cairo_paint(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int col = 0; col < 9; ++col) {
            const double x0 = 3 + col * 5.5 + (col % 2) * 1.5;
            for (int k = -1; k < 4; ++k) {
                const double y = k * 15 + fase * 5 + (col % 3) * 5;
                cairo_move_to(cr, x0, y);
                cairo_line_to(cr, x0 - 1.5, y + 8);
                colore(cr, col % 2 ? 0xA8D2F6 : 0xE4F2FF);
                cairo_set_line_width(cr, 1.4);
                cairo_stroke(cr);
            }
        }
    });
}

Superficie tempesta(int n) {
    Tela t(LATO, LATO);
    cairo_t* cr = t.cr();
    dipingi_mondo(cr, X, Y, LATO, LATO);
    cairo_surface_t* dissolve = dissolvenza();
    if (n <= 1) {
        bagliore(cr, dissolve, n == 1);
        fulmine(cr);
    } else {
        pioggia(cr, dissolve, n - 2);
    }
    cairo_surface_destroy(dissolve);
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
