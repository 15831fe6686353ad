#include "professore_disegno.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tela.h"

namespace didiv::gen::professore {

namespace {

using namespace colori;

constexpr double kPi = 3.14159265358979323846;
constexpr double kBraccio = 13, kAvambraccio = 12, kCoscia = 13, kStinco = 13;

double rad(double gradi) { return gradi * kPi / 180.0; }

// The middle joint of a two-bone limb reaching from a towards b; lato picks the side it bends to.
// A target out of reach is met by the straightened limb pointing at it.
struct Arto {
    Punto inizio, giunto, fine;
};

Arto raggiungi(Punto a, Punto b, double l1, double l2, double lato) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double d = std::hypot(dx, dy);
    if (d < 1e-6) dx = 0, dy = 1, d = 1e-6;
    const double ux = dx / d, uy = dy / d;
    d = std::clamp(d, std::abs(l1 - l2) + 0.5, l1 + l2 - 0.01);
    const double lungo = (l1 * l1 - l2 * l2 + d * d) / (2 * d);
    const double alto = std::sqrt(std::max(0.0, l1 * l1 - lungo * lungo));
    const double nx = -uy * lato, ny = ux * lato;
    return {a, {a.x + ux * lungo + nx * alto, a.y + uy * lungo + ny * alto}, {a.x + ux * d, a.y + uy * d}};
}

void riempi_contorna(cairo_t* cr, uint32_t fondo, double spessore = 1.0) {
    colore(cr, fondo);
    cairo_fill_preserve(cr);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, spessore);
    cairo_stroke(cr);
}

// A sleeve or trouser leg: an ink stroke one pixel wider on each side, then the cloth.
void tubo(cairo_t* cr, const Arto& a, double larghezza, uint32_t stoffa) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int passata = 0; passata < 2; ++passata) {
        cairo_move_to(cr, a.inizio.x, a.inizio.y);
        cairo_line_to(cr, a.giunto.x, a.giunto.y);
        cairo_line_to(cr, a.fine.x, a.fine.y);
        colore(cr, passata == 0 ? pal::ink : stoffa);
        cairo_set_line_width(cr, passata == 0 ? larghezza + 2 : larghezza);
        cairo_stroke(cr);
    }
}

void mano(cairo_t* cr, Punto p, uint32_t pelle_mano = pelle) {
    ellisse(cr, p.x, p.y, 2.9, 2.9);
    riempi_contorna(cr, pelle_mano);
}

// A leopard skin shows its spots wherever it is drawn, clipped to the path just filled.
void macchie_leopardo(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_save(cr);
    cairo_clip(cr);
    colore(cr, macchie);
    int k = 0;
    for (double y = y0; y < y1; y += 5.5, ++k)
        for (double x = x0 + (k % 2) * 3; x < x1; x += 6.5) {
            ellisse(cr, x, y, 1.3, 1.0);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

// ---- the head -----------------------------------------------------------------------------

void testa_fianco(cairo_t* cr, Punto c, bool occhi_chiusi) {
    const double r = kRaggioTesta;
    // Skull and face.
    cairo_move_to(cr, c.x - r + 1.5, c.y + 2);
    cairo_curve_to(cr, c.x - r, c.y - 9, c.x - 4, c.y - r - 0.5, c.x + 2, c.y - r);
    cairo_curve_to(cr, c.x + 9, c.y - r + 0.5, c.x + r + 0.5, c.y - 5, c.x + r, c.y + 1);
    cairo_curve_to(cr, c.x + r, c.y + 7, c.x + 7, c.y + r - 0.5, c.x + 1, c.y + r - 1);
    cairo_curve_to(cr, c.x - 4, c.y + r - 2, c.x - r + 2, c.y + 7, c.x - r + 1.5, c.y + 2);
    cairo_close_path(cr);
    riempi_contorna(cr, pelle);
    // The light on the bald top.
    ellisse(cr, c.x - 1.5, c.y - 8, 3.2, 1.6);
    colore(cr, 0xFBE3C8);
    cairo_fill(cr);

    // The fluffy white fringe round the back of the head, below the bald top.
    cairo_move_to(cr, c.x - 3.5, c.y - 3.5);
    cairo_curve_to(cr, c.x - 6, c.y - 6.5, c.x - 10, c.y - 6, c.x - 11.5, c.y - 3.5);
    cairo_curve_to(cr, c.x - 14, c.y - 2, c.x - 14, c.y + 2, c.x - 12.5, c.y + 3.5);
    cairo_curve_to(cr, c.x - 13.5, c.y + 6, c.x - 11, c.y + 9, c.x - 8, c.y + 8);
    cairo_curve_to(cr, c.x - 6, c.y + 9.5, c.x - 3, c.y + 8.5, c.x - 2.5, c.y + 6);
    cairo_curve_to(cr, c.x - 1.0, c.y + 2, c.x - 1.5, c.y - 1.5, c.x - 3.5, c.y - 3.5);
    cairo_close_path(cr);
    riempi_contorna(cr, capelli, 0.9);
    colore(cr, capelli_ombra);
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, c.x - 11.5, c.y + 0.5);
    cairo_curve_to(cr, c.x - 10, c.y + 2, c.x - 8, c.y + 2, c.x - 7, c.y + 1);
    cairo_move_to(cr, c.x - 10.5, c.y + 5.5);
    cairo_curve_to(cr, c.x - 9, c.y + 6.5, c.x - 7, c.y + 6.5, c.x - 6, c.y + 5.5);
    cairo_stroke(cr);
    // Ear, in front of the fringe.
    ellisse(cr, c.x - 2.0, c.y + 2.0, 2.1, 3.0);
    riempi_contorna(cr, pelle, 0.9);
    ellisse(cr, c.x - 1.7, c.y + 2.2, 0.9, 1.5);
    colore(cr, pelle_ombra);
    cairo_fill(cr);

    // Cheek, then one white shape for beard and moustache, with the mouth as a soft line.
    ellisse(cr, c.x + 5.5, c.y + 3.5, 2.2, 1.6);
    colore(cr, guance, 0.6);
    cairo_fill(cr);
    cairo_move_to(cr, c.x + 0.2, c.y + 5.5);
    cairo_curve_to(cr, c.x + 0.5, c.y + 10, c.x + 3, c.y + 14.2, c.x + 7, c.y + 14.2);
    cairo_curve_to(cr, c.x + 10, c.y + 14.2, c.x + 11.5, c.y + 11.5, c.x + 11.2, c.y + 9.5);
    cairo_curve_to(cr, c.x + 12.8, c.y + 9.6, c.x + 13.8, c.y + 8.5, c.x + 13.4, c.y + 6.6);
    cairo_curve_to(cr, c.x + 11, c.y + 5.0, c.x + 8, c.y + 5.0, c.x + 5.5, c.y + 6.2);
    cairo_curve_to(cr, c.x + 4, c.y + 5.5, c.x + 2, c.y + 5.0, c.x + 0.2, c.y + 5.5);
    cairo_close_path(cr);
    riempi_contorna(cr, capelli, 0.9);
    colore(cr, capelli_ombra);
    cairo_set_line_width(cr, 0.9);
    cairo_move_to(cr, c.x + 5.8, c.y + 9.3);
    cairo_curve_to(cr, c.x + 7.5, c.y + 10.2, c.x + 9.5, c.y + 10.0, c.x + 11.0, c.y + 9.4);
    cairo_stroke(cr);
    ellisse(cr, c.x + 12.2, c.y + 3.2, 2.9, 2.6);
    riempi_contorna(cr, 0xEDB394, 0.9);

    // Eyebrow, eye and the round gold-rimmed glasses with their arm to the ear.
    cairo_move_to(cr, c.x + 4.5, c.y - 4.0);
    cairo_curve_to(cr, c.x + 6, c.y - 6.5, c.x + 9, c.y - 6.5, c.x + 10.5, c.y - 4.5);
    cairo_line_to(cr, c.x + 9.5, c.y - 3.8);
    cairo_curve_to(cr, c.x + 8, c.y - 4.8, c.x + 6, c.y - 4.8, c.x + 4.5, c.y - 4.0);
    riempi_contorna(cr, capelli, 0.8);
    colore(cr, pal::gold);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, c.x + 4.2, c.y - 0.8);
    cairo_line_to(cr, c.x - 0.5, c.y - 0.4);
    cairo_stroke(cr);
    ellisse(cr, c.x + 7.8, c.y - 0.6, 3.3, 3.3);
    colore(cr, 0xFFFFFF, 0.55);
    cairo_fill_preserve(cr);
    colore(cr, pal::gold);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    colore(cr, pal::ink);
    if (occhi_chiusi) {
        cairo_set_line_width(cr, 0.9);
        cairo_arc(cr, c.x + 8.3, c.y - 1.0, 1.4, 0.15 * kPi, 0.85 * kPi);
        cairo_stroke(cr);
    } else {
        ellisse(cr, c.x + 8.6, c.y - 0.5, 0.95, 1.25);
        cairo_fill(cr);
    }
}

void lenti_fronte(cairo_t* cr, Punto c, bool stordito) {
    for (int lato : {-1, 1}) {
        const double x = c.x + lato * 4.6;
        ellisse(cr, x, c.y - 0.5, 3.3, 3.3);
        colore(cr, 0xFFFFFF, 0.55);
        cairo_fill(cr);
        colore(cr, pal::ink);
        if (stordito) {
            // A little spiral in each lens.
            cairo_set_line_width(cr, 0.7);
            for (double t = 0; t < 4 * kPi; t += 0.25) {
                const double rr = 0.25 * t;
                const double px = x + rr * std::cos(t * lato), py = c.y - 0.5 + rr * std::sin(t * lato);
                if (t == 0) cairo_move_to(cr, px, py); else cairo_line_to(cr, px, py);
            }
            cairo_stroke(cr);
        } else {
            ellisse(cr, x + 0.3, c.y - 0.3, 0.95, 1.25);
            cairo_fill(cr);
        }
        ellisse(cr, x, c.y - 0.5, 3.3, 3.3);
        colore(cr, pal::gold);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, c.x - 1.4, c.y - 1.2);
    cairo_curve_to(cr, c.x - 0.5, c.y - 2.2, c.x + 0.5, c.y - 2.2, c.x + 1.4, c.y - 1.2);
    colore(cr, pal::gold);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
}

void testa_fronte(cairo_t* cr, Punto c, bool retro, bool stordito) {
    const double r = kRaggioTesta;
    // Ears and the white tufts above them.
    for (int lato : {-1, 1}) {
        ellisse(cr, c.x + lato * (r - 0.5), c.y + 1.5, 2.2, 3.0);
        riempi_contorna(cr, pelle_ombra, 0.9);
    }
    ellisse(cr, c.x, c.y, r - 0.5, r);
    riempi_contorna(cr, pelle);
    ellisse(cr, c.x - 3, c.y - 7.5, 3.2, 1.7);
    colore(cr, 0xFBE3C8);
    cairo_fill(cr);

    if (retro) {
        // The fringe of white hair round the back, ear to ear.
        cairo_move_to(cr, c.x - r - 0.8, c.y - 4.5);
        cairo_curve_to(cr, c.x - 7, c.y + 1.5, c.x + 7, c.y + 1.5, c.x + r + 0.8, c.y - 4.5);
        cairo_curve_to(cr, c.x + r + 1.8, c.y + 1, c.x + r, c.y + 7, c.x + 7.5, c.y + 10);
        for (int i = 0; i < 5; ++i) {
            const double x0 = c.x + 7.5 - 15.0 * i / 5, x1 = c.x + 7.5 - 15.0 * (i + 1) / 5;
            cairo_curve_to(cr, x0 - 0.5, c.y + 12.6, x1 + 0.5, c.y + 12.6, x1, c.y + 10.6);
        }
        cairo_curve_to(cr, c.x - r, c.y + 7, c.x - r - 1.8, c.y + 1, c.x - r - 0.8, c.y - 4.5);
        cairo_close_path(cr);
        riempi_contorna(cr, capelli, 0.9);
        colore(cr, capelli_ombra);
        cairo_set_line_width(cr, 0.8);
        for (double x : {-6.5, -2.2, 2.2, 6.5}) {
            cairo_move_to(cr, c.x + x, c.y + 4.0);
            cairo_curve_to(cr, c.x + x * 0.9 + 0.8, c.y + 6, c.x + x * 0.9 - 0.8, c.y + 7.5, c.x + x * 0.95, c.y + 9.5);
        }
        cairo_stroke(cr);
        for (int lato : {-1, 1}) {
            ellisse(cr, c.x + lato * (r + 0.6), c.y - 0.5, 1.8, 3.0);
            riempi_contorna(cr, pelle, 0.9);
        }
        // The arms of the glasses over the ears.
        colore(cr, pal::gold);
        cairo_set_line_width(cr, 0.9);
        for (int lato : {-1, 1}) {
            cairo_move_to(cr, c.x + lato * (r - 1.5), c.y - 1.5);
            cairo_line_to(cr, c.x + lato * (r + 0.5), c.y - 0.5);
        }
        cairo_stroke(cr);
        return;
    }

    for (int lato : {-1, 1}) {
        ellisse(cr, c.x + lato * (r - 0.5), c.y - 2.5, 2.3, 2.6);
        riempi_contorna(cr, capelli, 0.9);
        ellisse(cr, c.x + lato * (r - 1.5), c.y + 2.0, 1.9, 2.2);
        riempi_contorna(cr, capelli, 0.9);
    }
    for (int lato : {-1, 1}) {
        ellisse(cr, c.x + lato * 6.5, c.y + 4.0, 2.0, 1.5);
        colore(cr, guance, 0.55);
        cairo_fill(cr);
    }
    // Beard round the chin, the moustache over it, the nose on top.
    cairo_move_to(cr, c.x - 8.5, c.y + 4);
    cairo_curve_to(cr, c.x - 8, c.y + 11, c.x - 4, c.y + 14.5, c.x, c.y + 14.5);
    cairo_curve_to(cr, c.x + 4, c.y + 14.5, c.x + 8, c.y + 11, c.x + 8.5, c.y + 4);
    cairo_curve_to(cr, c.x + 5, c.y + 9, c.x - 5, c.y + 9, c.x - 8.5, c.y + 4);
    cairo_close_path(cr);
    riempi_contorna(cr, capelli, 0.9);
    cairo_move_to(cr, c.x, c.y + 5.8);
    cairo_curve_to(cr, c.x - 3, c.y + 4.6, c.x - 7, c.y + 5.5, c.x - 7.5, c.y + 8.8);
    cairo_curve_to(cr, c.x - 5, c.y + 9.4, c.x - 2, c.y + 8.6, c.x, c.y + 7.6);
    cairo_curve_to(cr, c.x + 2, c.y + 8.6, c.x + 5, c.y + 9.4, c.x + 7.5, c.y + 8.8);
    cairo_curve_to(cr, c.x + 7, c.y + 5.5, c.x + 3, c.y + 4.6, c.x, c.y + 5.8);
    cairo_close_path(cr);
    riempi_contorna(cr, capelli, 0.9);
    if (stordito) {
        // A small round "oh".
        ellisse(cr, c.x, c.y + 10.5, 1.3, 1.1);
        colore(cr, pal::ink);
        cairo_fill(cr);
    }
    ellisse(cr, c.x, c.y + 3.4, 2.6, 2.3);
    riempi_contorna(cr, 0xEDB394, 0.9);
    for (int lato : {-1, 1}) {
        cairo_move_to(cr, c.x + lato * 2.0, c.y - 5.0);
        cairo_curve_to(cr, c.x + lato * 4, c.y - 7.5, c.x + lato * 7, c.y - 7.0, c.x + lato * 8.0, c.y - 5.0);
        cairo_line_to(cr, c.x + lato * 7.0, c.y - 4.2);
        cairo_curve_to(cr, c.x + lato * 5.5, c.y - 5.5, c.x + lato * 4, c.y - 5.5, c.x + lato * 2.0, c.y - 5.0);
        riempi_contorna(cr, capelli, 0.8);
    }
    if (stordito) {
        // Glasses knocked askew.
        cairo_save(cr);
        cairo_translate(cr, c.x, c.y);
        cairo_rotate(cr, rad(-10));
        lenti_fronte(cr, {0.5, 0.8}, true);
        cairo_restore(cr);
    } else {
        lenti_fronte(cr, c, false);
    }
}

// ---- feet ---------------------------------------------------------------------------------

void scarpa_fianco(cairo_t* cr, Punto caviglia, double gradi) {
    cairo_save(cr);
    cairo_translate(cr, caviglia.x, caviglia.y);
    cairo_rotate(cr, rad(gradi));
    cairo_move_to(cr, -3.5, -1.5);
    cairo_line_to(cr, 2.5, -1.5);
    cairo_curve_to(cr, 6, -1.2, 9.8, 0.5, 9.8, 3.0);
    cairo_line_to(cr, 9.8, 4.6);
    cairo_line_to(cr, -3.5, 4.6);
    cairo_close_path(cr);
    riempi_contorna(cr, scarpe);
    cairo_move_to(cr, 3.5, 0.3);
    cairo_curve_to(cr, 5.5, 0.3, 7.5, 1.0, 8.3, 2.2);
    colore(cr, scarpe_luce);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Front or back view: a rounded toe or heel; seated, the sole towards the viewer.
void scarpa_fronte(cairo_t* cr, Punto caviglia, double verso, bool suola) {
    if (suola) {
        ellisse(cr, caviglia.x + verso * 1.0, caviglia.y + 1.5, 3.8, 5.4);
        riempi_contorna(cr, scarpe);
        ellisse(cr, caviglia.x + verso * 1.0, caviglia.y + 1.5, 2.4, 3.9);
        colore(cr, scarpe_luce);
        cairo_fill(cr);
        ellisse(cr, caviglia.x + verso * 1.0, caviglia.y + 3.6, 2.0, 1.2);
        colore(cr, scarpe);
        cairo_fill(cr);
        return;
    }
    cairo_move_to(cr, caviglia.x - 3.5 + verso, caviglia.y - 1.5);
    cairo_line_to(cr, caviglia.x + 3.5 + verso, caviglia.y - 1.5);
    cairo_curve_to(cr, caviglia.x + 5.5 + verso, caviglia.y, caviglia.x + 5.5 + verso, caviglia.y + 4.6,
                   caviglia.x + 4 + verso, caviglia.y + 4.6);
    cairo_line_to(cr, caviglia.x - 4 + verso, caviglia.y + 4.6);
    cairo_curve_to(cr, caviglia.x - 5.5 + verso, caviglia.y + 4.6, caviglia.x - 5.5 + verso, caviglia.y,
                   caviglia.x - 3.5 + verso, caviglia.y - 1.5);
    cairo_close_path(cr);
    riempi_contorna(cr, scarpe);
    ellisse(cr, caviglia.x + verso - 1.0, caviglia.y + 0.8, 1.6, 0.8);
    colore(cr, scarpe_luce);
    cairo_fill(cr);
}

// ---- the body -----------------------------------------------------------------------------

struct Trasformata {
    Punto anca;
    double c, s;
    Punto operator()(double x, double y) const { return {anca.x + x * c - y * s, anca.y + x * s + y * c}; }
};

Trasformata busto(const PosaFianco& p) {
    return {p.anca, std::cos(rad(p.inclina)), std::sin(rad(p.inclina))};
}

}  // namespace

Punto spalla_fianco(const PosaFianco& p) { return busto(p)(0, -kAncaSpalla + 1); }

void disegna_fianco(cairo_t* cr, const PosaFianco& p) {
    const Trasformata t = busto(p);
    const Punto spalla = spalla_fianco(p);
    const Punto testa = t(1.5, -kAncaTesta);
    const bool leo = p.vestito == Vestito::leopardo;
    const uint32_t manica = leo ? pelle : pal::coat, manica_ombra = leo ? pelle_ombra : pal::coat_shade;
    const uint32_t gamba = leo ? pelle : pantaloni, gamba_ombra = leo ? pelle_ombra : pantaloni_ombra;

    Punto mano_v = p.mano_vicina, mano_l = p.mano_lontana;
    // The flute: a wooden pipe from the lips, sloping down and forward, held by both hands.
    const Punto bocca{testa.x + 10.5, testa.y + 9.0};
    const Punto fondo_flauto{bocca.x + 15.5, bocca.y + 13.5};
    auto lungo_flauto = [&](double f) { return Punto{bocca.x + (fondo_flauto.x - bocca.x) * f, bocca.y + (fondo_flauto.y - bocca.y) * f}; };
    if (p.in_mano == InMano::flauto) {
        mano_v = lungo_flauto(0.78);
        mano_l = lungo_flauto(0.45);
    }

    const Punto anca_v = t(1.5, 0), anca_l = t(-1.5, 0);
    const Arto gamba_l = raggiungi(anca_l, p.caviglia_lontana, kCoscia, kStinco, -1);
    const Arto gamba_v = raggiungi(anca_v, p.caviglia_vicina, kCoscia, kStinco, -1);
    const Arto braccio_l = raggiungi(t(-1, -kAncaSpalla + 1), mano_l, kBraccio, kAvambraccio, 1);
    const Arto braccio_v = raggiungi(spalla, mano_v, kBraccio, kAvambraccio, 1);

    // Far arm and far leg, in shade, behind everything.
    tubo(cr, braccio_l, 5.5, manica_ombra);
    mano(cr, braccio_l.fine, pelle_ombra);
    tubo(cr, gamba_l, 6.0, gamba_ombra);
    scarpa_fianco(cr, gamba_l.fine, p.piede_lontano);
    tubo(cr, gamba_v, 6.0, gamba);
    scarpa_fianco(cr, gamba_v.fine, p.piede_vicino);

    // The coat, its hem following the knees so a stride opens it; the neck above it.
    cairo_save(cr);
    cairo_translate(cr, p.anca.x, p.anca.y);
    cairo_rotate(cr, rad(p.inclina));
    auto locale = [&](Punto q) {
        const double dx = q.x - p.anca.x, dy = q.y - p.anca.y;
        return Punto{dx * t.c + dy * t.s, -dx * t.s + dy * t.c};
    };
    const Punto gv = locale(gamba_v.giunto), gl = locale(gamba_l.giunto);
    const double orlo_y = leo ? 6 : 13.5;
    const double avanti = std::max({11.0, gv.x + 4.5, gl.x + 4.5});
    const double dietro = std::min({-11.0, gv.x - 5.0, gl.x - 5.0}) - p.falda;
    auto sagoma = [&] {
        cairo_move_to(cr, -7.5, -36.5);
        cairo_curve_to(cr, -3, -39, 3, -38.5, 5.5, -36);
        cairo_curve_to(cr, 9, -31, 9, -25, 10, -18);
        cairo_curve_to(cr, 12, -10, 12.5, -3, avanti, 3);
        cairo_line_to(cr, avanti + 0.5, orlo_y);
        cairo_line_to(cr, dietro, orlo_y + 0.5);
        cairo_curve_to(cr, dietro + 1, 2, -10.5, -8, -10, -20);
        cairo_curve_to(cr, -10, -28, -9.5, -34, -7.5, -36.5);
        cairo_close_path(cr);
    };
    cairo_move_to(cr, -3.5, -44);
    cairo_line_to(cr, 4.5, -44);
    cairo_line_to(cr, 5, -34);
    cairo_line_to(cr, -4, -34);
    cairo_close_path(cr);
    riempi_contorna(cr, pelle_ombra);
    sagoma();
    colore(cr, leo ? leopardo : pal::coat);
    cairo_fill_preserve(cr);
    if (leo) macchie_leopardo(cr, -14, -38, 16, 10);
    // One step of shade along the front and the hem, away from the light.
    cairo_save(cr);
    sagoma();
    cairo_clip(cr);
    colore(cr, leo ? leopardo_ombra : pal::coat_shade, leo ? 0.6 : 1.0);
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, 7.5, -34);
    cairo_curve_to(cr, 10, -28, 10, -24, 11, -18);
    cairo_curve_to(cr, 13, -10, 13.5, -3, avanti + 1, 3);
    cairo_line_to(cr, avanti + 1, orlo_y + 1);
    cairo_line_to(cr, dietro, orlo_y + 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    sagoma();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    if (!leo) {
        // Collar, lapel, buttons, pocket.
        cairo_move_to(cr, 3.5, -37);
        cairo_line_to(cr, 7.5, -36);
        cairo_line_to(cr, 6.5, -33);
        cairo_close_path(cr);
        riempi_contorna(cr, camicia, 0.8);
        colore(cr, pal::ink, 0.75);
        cairo_set_line_width(cr, 0.9);
        cairo_move_to(cr, 2.5, -36.5);
        cairo_curve_to(cr, 4, -30, 6, -25, 8.5, -19);
        cairo_stroke(cr);
        cairo_move_to(cr, -5, -1);
        cairo_line_to(cr, 2.5, -1);
        cairo_stroke(cr);
        for (double y : {-15.0, -7.0}) {
            ellisse(cr, 9.3 + (y + 15) * 0.12, y, 1.1, 1.1);
            riempi_contorna(cr, bottoni, 0.7);
        }
        // The red bow tie at the throat.
        cairo_move_to(cr, 7.0, -34.8);
        cairo_line_to(cr, 11.0, -36.8);
        cairo_line_to(cr, 11.0, -32.4);
        cairo_close_path(cr);
        riempi_contorna(cr, papillon, 0.8);
        ellisse(cr, 7.6, -34.6, 1.4, 1.4);
        riempi_contorna(cr, papillon_ombra, 0.7);
    }
    cairo_restore(cr);

    testa_fianco(cr, testa, p.occhi_chiusi);

    if (p.in_mano == InMano::flauto) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, bocca.x, bocca.y);
        cairo_line_to(cr, fondo_flauto.x, fondo_flauto.y);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 4.2);
        cairo_stroke(cr);
        cairo_move_to(cr, bocca.x, bocca.y);
        cairo_line_to(cr, fondo_flauto.x, fondo_flauto.y);
        colore(cr, pal::walnut_light);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        for (double f : {0.3, 0.98}) {
            const Punto q = lungo_flauto(f);
            ellisse(cr, q.x, q.y, 1.5, 1.5);
            colore(cr, pal::gold);
            cairo_fill(cr);
        }
    }
    tubo(cr, braccio_v, 5.5, manica);
    if (!leo) {
        // A white cuff at the wrist.
        const Punto polso{braccio_v.giunto.x + (braccio_v.fine.x - braccio_v.giunto.x) * 0.8,
                          braccio_v.giunto.y + (braccio_v.fine.y - braccio_v.giunto.y) * 0.8};
        ellisse(cr, polso.x, polso.y, 2.2, 2.2);
        riempi_contorna(cr, camicia, 0.8);
    }
    mano(cr, braccio_v.fine);
}

void disegna_fronte(cairo_t* cr, const PosaFronte& p) {
    const Punto a = p.anca;
    const bool leo = p.vestito == Vestito::leopardo;
    const uint32_t manica = leo ? pelle : pal::coat;
    const uint32_t gamba = leo ? pelle : pantaloni;
    // Seen from the back his right is on the viewer's right.
    const double dx = p.retro ? 1 : -1;
    const Punto spalla_d{a.x + dx * 12.5, a.y - kAncaSpalla + 1}, spalla_s{a.x - dx * 12.5, a.y - kAncaSpalla + 1};
    const Punto anca_d{a.x + dx * 5, a.y}, anca_s{a.x - dx * 5, a.y};
    // Seated, the legs come straight towards the viewer, shortened.
    auto dritta = [](Punto da, Punto a) { return Arto{da, {(da.x + a.x) / 2, (da.y + a.y) / 2}, a}; };
    const Arto gamba_d = p.seduto ? dritta(anca_d, p.caviglia_destra)
                                  : raggiungi(anca_d, p.caviglia_destra, kCoscia, kStinco, p.retro ? -1 : 1);
    const Arto gamba_s = p.seduto ? dritta(anca_s, p.caviglia_sinistra)
                                  : raggiungi(anca_s, p.caviglia_sinistra, kCoscia, kStinco, p.retro ? 1 : -1);
    const Arto braccio_d = raggiungi(spalla_d, p.mano_destra, kBraccio, kAvambraccio, p.retro ? -1 : 1);
    const Arto braccio_s = raggiungi(spalla_s, p.mano_sinistra, kBraccio, kAvambraccio, p.retro ? 1 : -1);

    auto gambe = [&] {
        for (const Arto* g : {&gamba_d, &gamba_s}) {
            tubo(cr, *g, 6.5, gamba);
            scarpa_fronte(cr, g->fine, g->fine.x < a.x ? -1 : 1, p.seduto);
        }
    };
    if (!p.seduto) gambe();

    // The coat: wider at the hem; seated, it spreads on the floor.
    const double orlo = leo ? 6 : (p.seduto ? 9 : 13.5);
    const double largo = p.seduto ? 19 : 15.5;
    auto sagoma = [&] {
        cairo_move_to(cr, a.x - 12, a.y - 37);
        cairo_curve_to(cr, a.x - 5, a.y - 39.5, a.x + 5, a.y - 39.5, a.x + 12, a.y - 37);
        cairo_curve_to(cr, a.x + 15, a.y - 35, a.x + 14.5, a.y - 25, a.x + 14, a.y - 15);
        cairo_curve_to(cr, a.x + 14, a.y - 5, a.x + largo, a.y + 4, a.x + largo, a.y + orlo);
        cairo_line_to(cr, a.x - largo, a.y + orlo);
        cairo_curve_to(cr, a.x - largo, a.y + 4, a.x - 14, a.y - 5, a.x - 14, a.y - 15);
        cairo_curve_to(cr, a.x - 14.5, a.y - 25, a.x - 15, a.y - 35, a.x - 12, a.y - 37);
        cairo_close_path(cr);
    };
    sagoma();
    colore(cr, leo ? leopardo : pal::coat);
    cairo_fill_preserve(cr);
    if (leo) macchie_leopardo(cr, a.x - 20, a.y - 40, a.x + 20, a.y + 14);
    cairo_save(cr);
    sagoma();
    cairo_clip(cr);
    colore(cr, leo ? leopardo_ombra : pal::coat_shade, leo ? 0.6 : 1.0);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, a.x + 14, a.y - 36);
    cairo_curve_to(cr, a.x + 16, a.y - 25, a.x + 15.5, a.y - 15, a.x + 15.5, a.y - 10);
    cairo_line_to(cr, a.x + largo + 1, a.y + orlo + 1);
    cairo_line_to(cr, a.x - largo, a.y + orlo + 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    sagoma();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    if (!leo && p.retro) {
        // Collar, the seam down the back and the vent.
        cairo_move_to(cr, a.x - 7, a.y - 38);
        cairo_curve_to(cr, a.x - 3, a.y - 35, a.x + 3, a.y - 35, a.x + 7, a.y - 38);
        colore(cr, pal::coat_shade);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
        colore(cr, pal::ink, 0.7);
        cairo_set_line_width(cr, 0.9);
        cairo_move_to(cr, a.x, a.y - 34);
        cairo_line_to(cr, a.x, a.y + orlo);
        cairo_stroke(cr);
        cairo_move_to(cr, a.x - 2, a.y + 3);
        cairo_line_to(cr, a.x, a.y + 5);
        cairo_stroke(cr);
        cairo_move_to(cr, a.x - 9, a.y - 6);
        cairo_line_to(cr, a.x + 9, a.y - 6);
        colore(cr, pal::coat_shade);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    } else if (!leo) {
        // Shirt, lapels, buttons and the bow tie.
        cairo_move_to(cr, a.x - 5, a.y - 38.5);
        cairo_line_to(cr, a.x + 5, a.y - 38.5);
        cairo_line_to(cr, a.x, a.y - 22);
        cairo_close_path(cr);
        riempi_contorna(cr, camicia, 0.9);
        colore(cr, pal::ink, 0.75);
        cairo_set_line_width(cr, 0.9);
        for (int lato : {-1, 1}) {
            cairo_move_to(cr, a.x + lato * 6, a.y - 38);
            cairo_line_to(cr, a.x + lato * 3.5, a.y - 30);
            cairo_line_to(cr, a.x, a.y - 21);
        }
        cairo_stroke(cr);
        cairo_move_to(cr, a.x, a.y - 21);
        cairo_line_to(cr, a.x, a.y + orlo);
        cairo_stroke(cr);
        for (double y : {-17.0, -10.0, -3.0}) {
            ellisse(cr, a.x + 1.8, a.y + y, 1.1, 1.1);
            riempi_contorna(cr, bottoni, 0.7);
        }
        for (int lato : {-1, 1}) {
            cairo_move_to(cr, a.x, a.y - 34.5);
            cairo_line_to(cr, a.x + lato * 5, a.y - 37);
            cairo_line_to(cr, a.x + lato * 5, a.y - 32);
            cairo_close_path(cr);
            riempi_contorna(cr, papillon, 0.8);
        }
        ellisse(cr, a.x, a.y - 34.5, 1.4, 1.4);
        riempi_contorna(cr, papillon_ombra, 0.7);
    }

    if (p.seduto) gambe();

    cairo_save(cr);
    const Punto collo{a.x, a.y - kAncaSpalla - 4};
    if (p.retro) {
        cairo_rectangle(cr, a.x - 4.5, a.y - 44, 9, 7);
        riempi_contorna(cr, pelle_ombra);
    }
    cairo_translate(cr, collo.x, collo.y);
    cairo_rotate(cr, rad(p.inclina_testa));
    cairo_translate(cr, -collo.x, -collo.y);
    testa_fronte(cr, {a.x, a.y - kAncaTesta}, p.retro, p.stordito);
    cairo_restore(cr);

    for (const Arto* b : {&braccio_d, &braccio_s}) {
        tubo(cr, *b, 5.5, manica);
        mano(cr, b->fine);
    }
}

void indurisci(cairo_t* cr) {
    cairo_surface_t* s = cairo_get_target(cr);
    cairo_surface_flush(s);
    unsigned char* d = cairo_image_surface_get_data(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    auto px = [&](int x, int y) -> uint32_t& { return reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride)[x]; };
    std::vector<uint8_t> dentro(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t& p = px(x, y);
            const uint32_t a = p >> 24;
            if (a < 128) {
                p = 0;
                continue;
            }
            auto ch = [&](int sh) { return std::min<uint32_t>(255, (((p >> sh) & 0xFF) * 255 + a / 2) / a); };
            p = 0xFF000000u | ch(16) << 16 | ch(8) << 8 | ch(0);
            dentro[static_cast<size_t>(y) * w + x] = 1;
        }
    auto in = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && dentro[static_cast<size_t>(y) * w + x]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (in(x, y) && (!in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1)))
                px(x, y) = 0xFF000000u | pal::ink;
    cairo_surface_mark_dirty(s);
}

}  // namespace didiv::gen::professore
