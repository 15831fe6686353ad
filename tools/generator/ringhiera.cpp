// The walnut balustrade in front of the professor, and its copies in the world picture.

#include "ringhiera.h"

#include "generatore.h"
#include "professore_disegno.h"
#include "tela.h"

namespace didiv::gen {

// A walnut balustrade: handrail, turned balusters and a bottom rail between square posts at
// both ends of the short copy (238 columns) and at the end of the long one.
std::pair<Superficie, Superficie> disegna_ringhiera() {
    Tela t(400, 60);
    cairo_t* cr = t.cr();
    auto piena = [&](uint32_t fondo) {
        colore(cr, fondo);
        cairo_fill_preserve(cr);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    };
    auto pilastro = [&](double x0) {
        cairo_rectangle(cr, x0 + 0.5, 2.5, 11, 56.5);
        piena(pal::walnut);
        cairo_rectangle(cr, x0 + 0.5, 2.5, 11, 56.5);
        cairo_clip(cr);
        colore(cr, pal::walnut_shade);
        cairo_rectangle(cr, x0 + 8, 0, 4, 60);
        cairo_fill(cr);
        colore(cr, pal::walnut_light);
        cairo_rectangle(cr, x0 + 1, 0, 2, 60);
        cairo_fill(cr);
        cairo_reset_clip(cr);
        cairo_rectangle(cr, x0 + 0.5, 2.5, 11, 56.5);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        cairo_rectangle(cr, x0 + 0.5, 0.5, 11, 5);
        piena(pal::walnut_light);
        for (double y : {14.0, 44.0}) {
            cairo_rectangle(cr, x0 + 3, y, 6, 8);
            colore(cr, pal::walnut_shade);
            cairo_set_line_width(cr, 1.0);
            cairo_stroke(cr);
        }
    };
    const double pilastri[] = {0, 226, 388};
    // Balusters, then the rails over their ends, then the posts.
    for (double x = 20; x < 388; x += 16) {
        bool libero = true;
        for (double p : pilastri) if (x > p - 8 && x < p + 20) libero = false;
        if (!libero) continue;
        const double c = x + 0.5;
        cairo_move_to(cr, c - 2.5, 9);
        cairo_line_to(cr, c + 2.5, 9);
        cairo_line_to(cr, c + 2.5, 13);
        cairo_curve_to(cr, c + 5, 16, c + 5.5, 26, c + 3.5, 33);
        cairo_curve_to(cr, c + 2, 38, c + 2, 41, c + 3, 44);
        cairo_line_to(cr, c + 3, 51);
        cairo_line_to(cr, c - 3, 51);
        cairo_line_to(cr, c - 3, 44);
        cairo_curve_to(cr, c - 2, 41, c - 2, 38, c - 3.5, 33);
        cairo_curve_to(cr, c - 5.5, 26, c - 5, 16, c - 2.5, 13);
        cairo_close_path(cr);
        colore(cr, pal::walnut);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        colore(cr, pal::walnut_shade);
        cairo_rectangle(cr, c + 1.5, 0, 6, 60);
        cairo_fill(cr);
        colore(cr, pal::walnut_light);
        cairo_rectangle(cr, c - 6, 0, 4.5, 60);
        cairo_fill(cr);
        cairo_restore(cr);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
    }
    for (double y : {4.5, 50.5}) {
        const double alto = y < 10 ? 6 : 7;
        cairo_rectangle(cr, 0.5, y, 399, alto);
        colore(cr, pal::walnut);
        cairo_fill_preserve(cr);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 1.0);
        cairo_stroke(cr);
        colore(cr, pal::walnut_light);
        cairo_rectangle(cr, 1, y + 1, 398, 1.5);
        cairo_fill(cr);
        colore(cr, pal::walnut_shade);
        cairo_rectangle(cr, 1, y + alto - 2, 398, 1.5);
        cairo_fill(cr);
    }
    for (double p : pilastri) pilastro(p);
    professore::indurisci(cr);
    return t.coppia();
}

void metti_ringhiere(Superficie& s, int x, int y) {
    const auto [maschera, immagine] = disegna_ringhiera();
    for (const auto& p : POSTI_RINGHIERA) {
        BitBlt(s, p.x - x, p.y - y, p.larghezza, maschera.ScaleHeight(), maschera, 0, 0, Rop::SRCAND);
        BitBlt(s, p.x - x, p.y - y, p.larghezza, immagine.ScaleHeight(), immagine, 0, 0, Rop::SRCINVERT);
    }
}

PRODUTTORE(ringhiera) { out.coppia("Picture15", disegna_ringhiera()); }

}  // namespace didiv::gen
