// The professor in the scene pictures: caught by the spider, in the leopard skin beating his
// chest, and swinging away on the vine. He is drawn by the shared professor module, so he
// looks the same as everywhere else; until that module is part of the build these pictures
// stay blank.

#if __has_include("professore_disegno.h")

#include <cmath>
#include <utility>

#include "generatore.h"
#include "professore_disegno.h"
#include "tela.h"

namespace didiv::gen {

namespace {

using namespace professore;
using Coppia = std::pair<Superficie, Superficie>;

constexpr double kCaviglia = 112.2;  // soles on row 116 of his box
constexpr double kCentro = 40;
constexpr uint32_t seta = 0xEEF2F0;
constexpr uint32_t liana = 0x6F7B2E, liana_ombra = 0x4C5620, liana_luce = 0x98A546;

template <class Disegno>
Coppia dipingi(int w, int h, Disegno&& d) {
    Tela t(w, h);
    d(t.cr());
    indurisci(t.cr());
    return t.coppia();
}

// Caught: seen from the front, arms up where the spider holds him, feet dangling, a few
// strands of silk round his middle.
Coppia appeso() {
    return dipingi(80, 120, [](cairo_t* cr) {
        PosaFronte p;
        p.anca = {kCentro, 84};
        p.mano_destra = {kCentro - 12, 27};
        p.mano_sinistra = {kCentro + 12, 27};
        p.caviglia_destra = {kCentro - 3.5, kCaviglia + 1};
        p.caviglia_sinistra = {kCentro + 4.5, kCaviglia};
        p.inclina_testa = 6;
        disegna_fronte(cr, p);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int i = 0; i < 3; ++i) {
            const double y = 62 + i * 7;
            cairo_move_to(cr, kCentro - 15, y + 3);
            cairo_curve_to(cr, kCentro - 5, y - 1, kCentro + 5, y + 4, kCentro + 15, y);
            colore(cr, seta, 0.9);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    });
}

// In the leopard skin: 0 standing, 1 and 2 beating his chest with one fist and then the other.
Coppia leopardo(int fotogramma) {
    return dipingi(80, 120, [fotogramma](cairo_t* cr) {
        PosaFronte p;
        p.vestito = Vestito::leopardo;
        p.anca = {kCentro, 86.5};
        p.caviglia_destra = {kCentro - 6.5, kCaviglia};
        p.caviglia_sinistra = {kCentro + 6.5, kCaviglia};
        const Punto petto_d{kCentro - 5, 60}, petto_s{kCentro + 5, 60};
        const Punto fuori_d{kCentro - 17, 56}, fuori_s{kCentro + 17, 56};
        if (fotogramma == 0) {
            p.mano_destra = {kCentro - 14.5, 79.3};
            p.mano_sinistra = {kCentro + 14.5, 79.3};
        } else if (fotogramma == 1) {
            p.mano_destra = petto_d;
            p.mano_sinistra = fuori_s;
            p.inclina_testa = -5;
        } else {
            p.mano_destra = fuori_d;
            p.mano_sinistra = petto_s;
            p.inclina_testa = 5;
        }
        disegna_fronte(cr, p);
    });
}

// The vine from above, held at its end: the same twisted stem as the hanging vine.
void tralcio(cairo_t* cr, double x0, double y0, double x1, double y1) {
    auto percorso = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0);
        const int n = 60;
        for (int i = 1; i <= n; ++i) {
            const double f = static_cast<double>(i) / n;
            cairo_line_to(cr, x0 + (x1 - x0) * f + 3 * std::sin(f * 7), y0 + (y1 - y0) * f);
        }
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    percorso();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    percorso();
    colore(cr, liana);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    const double trattini[] = {1.3, 2.4};
    cairo_set_dash(cr, trattini, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    percorso();
    colore(cr, liana_ombra);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // A few leaves along it.
    for (int i = 1; i < 12; ++i) {
        const double f = i / 13.0;
        const double x = x0 + (x1 - x0) * f + 3 * std::sin(f * 7), y = y0 + (y1 - y0) * f;
        const int lato = i % 2 ? 1 : -1;
        cairo_save(cr);
        cairo_translate(cr, x + lato * 7, y + 3);
        cairo_rotate(cr, lato * 0.7);
        cairo_scale(cr, 6, 3);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        colore(cr, i % 3 ? pal::leaf : pal::leaf_shade);
        cairo_fill_preserve(cr);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    colore(cr, liana_luce);
    cairo_move_to(cr, x0 - 1.5, y0);
    cairo_line_to(cr, x1 - 1.5, y1);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

// Swinging to the right: both hands high on the vine, legs trailing behind.
Coppia altalena() {
    return dipingi(71, 369, [](cairo_t* cr) {
        const double alto = 249;  // his box's top row in the picture
        tralcio(cr, 50, -4, 38, alto + 30);
        cairo_save(cr);
        cairo_translate(cr, -4, alto);
        PosaFianco p;
        p.vestito = Vestito::leopardo;
        p.anca = {kCentro - 3, 82};
        p.inclina = -8;
        p.mano_vicina = {kCentro + 4, 30};
        p.mano_lontana = {kCentro + 1, 33};
        p.caviglia_vicina = {kCentro - 10, 106};
        p.caviglia_lontana = {kCentro - 14, 103};
        p.piede_vicino = 25;
        p.piede_lontano = 30;
        p.falda = 3;
        disegna_fianco(cr, p);
        cairo_restore(cr);
    });
}

}  // namespace

PRODUTTORE(scena_professore) {
    out.coppia("Picture34", appeso());
    for (int i = 0; i < 3; ++i) {
        auto [m, im] = leopardo(i);
        out.immagine("Picture73", i, std::move(m));
        out.immagine("Picture74", i, std::move(im));
    }
    out.coppia("Picture76", altalena());
}

}  // namespace didiv::gen

#endif
