// The professor in every pose of the game window.

#include <cmath>
#include <utility>

#include "generatore.h"
#include "professore_disegno.h"
#include "tela.h"

namespace didiv::gen {

namespace {

using namespace professore;
using Coppia = std::pair<Superficie, Superficie>;

constexpr double kPi = 3.14159265358979323846;
// Ankles stand so that the soles end on row 116 of the 80 x 120 box.
constexpr double kCaviglia = 111.9;
constexpr double kCentro = 40;

// The left-hand poses: the right-hand ones turned over about the centre column, so he keeps
// his place when he turns.
Coppia specchia(const Coppia& c, int asse) {
    const Superficie& m = c.first;
    const Superficie& im = c.second;
    Superficie m2(m.ScaleWidth(), m.ScaleHeight(), RGB(255, 255, 255)), im2(im.ScaleWidth(), im.ScaleHeight());
    for (int y = 0; y < m.ScaleHeight(); ++y)
        for (int x = 0; x < m.ScaleWidth(); ++x) {
            const int da = 2 * asse - x;
            if (da < 0 || da >= m.ScaleWidth()) continue;
            m2.PSet(x, y, m.Point(da, y));
            im2.PSet(x, y, im.Point(da, y));
        }
    return {std::move(m2), std::move(im2)};
}

template <class Disegno>
Coppia dipingi(int w, int h, Disegno&& d) {
    Tela t(w, h);
    d(t.cr());
    indurisci(t.cr());
    return t.coppia();
}

Coppia fianco(const PosaFianco& p) {
    return dipingi(80, 120, [&](cairo_t* cr) { disegna_fianco(cr, p); });
}
Coppia fronte(const PosaFronte& p) {
    return dipingi(80, 120, [&](cairo_t* cr) { disegna_fronte(cr, p); });
}

// Hands placed from the shoulder: dx forward, dy down.
Punto dalla_spalla(const PosaFianco& p, double dx, double dy) {
    const Punto s = spalla_fianco(p);
    return {s.x + dx, s.y + dy};
}

PosaFianco in_piedi() {
    PosaFianco p;
    p.anca = {kCentro, 86.5};
    p.caviglia_vicina = {kCentro + 2.5, kCaviglia};
    p.caviglia_lontana = {kCentro - 2.0, kCaviglia};
    p.mano_vicina = dalla_spalla(p, 2.5, 22.5);
    p.mano_lontana = dalla_spalla(p, -2.0, 22.0);
    return p;
}

// A stride: one foot forward on its heel, the other pushing off its toe; the arms swing
// against the legs and the body dips a pixel.
PosaFianco passo_avanti(bool vicina_avanti) {
    PosaFianco p = in_piedi();
    p.anca.y = 88.0;
    p.inclina = 3;
    Punto avanti{kCentro + 11.5, kCaviglia - 0.5}, dietro{kCentro - 11.0, kCaviglia - 3.2};
    p.caviglia_vicina = vicina_avanti ? avanti : dietro;
    p.caviglia_lontana = vicina_avanti ? dietro : avanti;
    p.piede_vicino = vicina_avanti ? -10 : 20;
    p.piede_lontano = vicina_avanti ? 20 : -10;
    const Punto braccio_avanti = dalla_spalla(p, 11.0, 19.5), braccio_dietro = dalla_spalla(p, -10.0, 20.5);
    p.mano_vicina = vicina_avanti ? braccio_dietro : braccio_avanti;
    p.mano_lontana = vicina_avanti ? braccio_avanti : braccio_dietro;
    return p;
}

// On stairs the leading foot goes up onto the next step, knee bent.
PosaFianco passo_scala(bool vicina_avanti) {
    PosaFianco p = in_piedi();
    p.anca.y = 86.6;
    p.inclina = 5;
    Punto avanti{kCentro + 8.5, kCaviglia - 6.0}, dietro{kCentro - 3.5, kCaviglia};
    p.caviglia_vicina = vicina_avanti ? avanti : dietro;
    p.caviglia_lontana = vicina_avanti ? dietro : avanti;
    p.piede_vicino = vicina_avanti ? -4 : 0;
    p.piede_lontano = vicina_avanti ? 0 : -4;
    const Punto braccio_avanti = dalla_spalla(p, 7.5, 21.0), braccio_dietro = dalla_spalla(p, -6.0, 21.5);
    p.mano_vicina = vicina_avanti ? braccio_dietro : braccio_avanti;
    p.mano_lontana = vicina_avanti ? braccio_avanti : braccio_dietro;
    return p;
}

PosaFronte di_spalle() {
    PosaFronte p;
    p.anca = {kCentro, 86.5};
    p.retro = true;
    p.caviglia_destra = {kCentro + 5.5, kCaviglia};
    p.caviglia_sinistra = {kCentro - 5.5, kCaviglia};
    p.mano_destra = {kCentro + 14.5, 79.3};
    p.mano_sinistra = {kCentro - 14.5, 79.3};
    return p;
}

// Climbing, seen from the back: his right hand reaches for the rung above, his left knee
// comes up to the rung below (his right is on the viewer's right).
PosaFronte arrampica_destra() {
    PosaFronte p = di_spalle();
    p.anca.y = 86.0;
    p.mano_destra = {kCentro + 16.5, 30.0};
    p.mano_sinistra = {kCentro - 15.5, 77.5};
    p.caviglia_sinistra = {kCentro - 6.0, kCaviglia - 9.0};
    p.caviglia_destra = {kCentro + 5.0, kCaviglia};
    return p;
}

PosaFianco salto() {
    PosaFianco p;
    p.anca = {kCentro - 1, 84.0};
    p.inclina = 8;
    p.caviglia_vicina = {kCentro + 12.0, 103.0};
    p.piede_vicino = -15;
    p.caviglia_lontana = {kCentro - 16.0, 106.0};
    p.piede_lontano = 35;
    p.falda = 4;
    p.mano_vicina = dalla_spalla(p, 23.0, -8.0);
    p.mano_lontana = dalla_spalla(p, -22.5, -9.0);
    return p;
}

void nota(cairo_t* cr, double x, double y, bool doppia) {
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, x + 2.2, y + 6);
    cairo_line_to(cr, x + 2.2, y - 2);
    if (doppia) {
        cairo_line_to(cr, x + 7.7, y - 3.5);
        cairo_line_to(cr, x + 7.7, y + 4.5);
    } else {
        cairo_curve_to(cr, x + 3, y + 0.5, x + 6, y - 0.5, x + 5.5, y + 2.5);
    }
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y + 6.5);
    cairo_rotate(cr, -0.4);
    cairo_scale(cr, 2.5, 1.8);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    if (doppia) {
        cairo_save(cr);
        cairo_translate(cr, x + 5.5, y + 5.0);
        cairo_rotate(cr, -0.4);
        cairo_scale(cr, 2.5, 1.8);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_fill(cr);
    }
}

// The open umbrella, its ferrule at `punta` and its shaft pointing along `verso` to the handle.
void ombrello(cairo_t* cr, Punto punta, double angolo, double lunghezza) {
    cairo_save(cr);
    cairo_translate(cr, punta.x, punta.y);
    cairo_rotate(cr, angolo);
    // Shaft and crook handle first: the canopy lies over the top of the shaft.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // The same umbrella as the closed one: a steel shaft, a walnut crook, blue cloth.
    for (int passata = 0; passata < 2; ++passata) {
        cairo_move_to(cr, 0, 6);
        cairo_line_to(cr, 0, lunghezza - 3);
        colore(cr, passata == 0 ? pal::ink : 0xB8BEC6);
        cairo_set_line_width(cr, passata == 0 ? 3.6 : 1.6);
        cairo_stroke(cr);
    }
    for (int passata = 0; passata < 2; ++passata) {
        cairo_move_to(cr, 0, lunghezza - 3);
        cairo_line_to(cr, 0, lunghezza);
        cairo_curve_to(cr, 0, lunghezza + 5, -6, lunghezza + 5, -6, lunghezza + 1);
        colore(cr, passata == 0 ? pal::ink : pal::walnut_light);
        cairo_set_line_width(cr, passata == 0 ? 3.6 : 1.6);
        cairo_stroke(cr);
    }
    const double r = 30.5, h = 21;
    const int spicchi = 6;
    auto cupola = [&] {
        cairo_move_to(cr, -r, h);
        cairo_curve_to(cr, -r, 4, -14, 0, 0, 0);
        cairo_curve_to(cr, 14, 0, r, 4, r, h);
        // Scalloped rim between the ribs.
        for (int i = spicchi; i > 0; --i) {
            const double x0 = -r + 2 * r * i / spicchi, x1 = -r + 2 * r * (i - 1) / spicchi;
            cairo_curve_to(cr, x0 - 2, h - 4.5, x1 + 2, h - 4.5, x1, h);
        }
        cairo_close_path(cr);
    };
    cupola();
    colore(cr, pal::book_blue);
    cairo_fill(cr);
    // Alternate panels a shade darker, the right-hand side darker still.
    cairo_save(cr);
    cupola();
    cairo_clip(cr);
    for (int i = 0; i < spicchi; ++i) {
        const double x0 = -r + 2 * r * i / spicchi, x1 = -r + 2 * r * (i + 1) / spicchi;
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, x0 * 1.1, h + 2);
        cairo_line_to(cr, x1 * 1.1, h + 2);
        cairo_close_path(cr);
        colore(cr, i % 2 ? sfuma(pal::book_blue, 1.18) : pal::book_blue);
        cairo_fill(cr);
    }
    colore(cr, sfuma(pal::book_blue, 0.5), 0.45);
    cairo_rectangle(cr, 8, -2, 30, h + 4);
    cairo_fill(cr);
    colore(cr, 0xFFFFFF, 0.25);
    cairo_move_to(cr, -r + 5, h - 5);
    cairo_curve_to(cr, -r + 5, 8, -16, 3.5, -5, 3);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    colore(cr, pal::ink, 0.6);
    cairo_set_line_width(cr, 0.9);
    for (int i = 1; i < spicchi; ++i) {
        cairo_move_to(cr, 0, 0.5);
        cairo_line_to(cr, -r + 2 * r * i / spicchi, h);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    cupola();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_move_to(cr, -1.2, 0.5);
    cairo_line_to(cr, 0, -3.5);
    cairo_line_to(cr, 1.2, 0.5);
    cairo_close_path(cr);
    colore(cr, pal::gold);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Floating down under the open umbrella, held in his left hand; feet dangling.
Coppia con_ombrello() {
    return dipingi(67, 151, [](cairo_t* cr) {
        const double cx = 33.5, anca_y = 147.8 - 4.6 - 26 + 0.6;
        const Punto mano_sin{cx + 10.5, 63.0};
        const Punto punta{cx + 1, 3.5};
        const double angolo = -std::atan2(mano_sin.x - punta.x, mano_sin.y - punta.y);
        ombrello(cr, punta, angolo, std::hypot(mano_sin.x - punta.x, mano_sin.y - punta.y) + 1);
        PosaFronte p;
        p.anca = {cx, anca_y};
        p.caviglia_destra = {cx - 5.0, 147.8 - 4.6};
        p.caviglia_sinistra = {cx + 6.0, 147.8 - 5.6};
        p.mano_sinistra = mano_sin;
        p.mano_destra = {cx - 22.0, anca_y - 18};
        p.inclina_testa = -4;
        disegna_fronte(cr, p);
    });
}

void stella(cairo_t* cr, Punto c, double r, double giro, uint32_t fondo) {
    for (int i = 0; i < 10; ++i) {
        const double a = giro + i * kPi / 5 - kPi / 2;
        const double rr = i % 2 ? r * 0.45 : r;
        const double x = c.x + rr * std::cos(a), y = c.y + rr * std::sin(a);
        if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    colore(cr, fondo);
    cairo_fill_preserve(cr);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

// Sitting stunned at the bottom of the pit, stars spinning round his head. The frames run
// 0, 1, 0, 2: the head sways and the ring of stars turns half a gap each tick.
Coppia stordito(int fotogramma) {
    return dipingi(70, 94, [fotogramma](cairo_t* cr) {
        const double cx = 35, anca_y = 73;
        const double dondola = fotogramma == 1 ? -7 : fotogramma == 2 ? 7 : 0;
        const int n = 5;
        const double scatto = fotogramma == 0 ? 0 : kPi / n;
        const Punto centro{cx + dondola * 0.6, 9.5};
        auto stelle = [&](bool davanti) {
            for (int i = 0; i < n; ++i) {
                const double a = scatto + 2 * kPi * i / n;
                const double y = std::sin(a);
                if ((y >= 0) != davanti) continue;
                const double r = 4.0 + 1.0 * y;
                stella(cr, {centro.x + 23 * std::cos(a), centro.y + 5 * y}, r, a, i % 2 ? 0xFFF2A8 : pal::gold);
            }
        };
        stelle(false);
        PosaFronte p;
        p.anca = {cx, anca_y};
        p.seduto = true;
        p.stordito = true;
        p.inclina_testa = dondola;
        p.caviglia_destra = {cx - 20, 84.0};
        p.caviglia_sinistra = {cx + 20, 84.0};
        p.mano_destra = {cx - 22, 78};
        p.mano_sinistra = {cx + 22, 78};
        disegna_fronte(cr, p);
        stelle(true);
    });
}

}  // namespace

PRODUTTORE(professore) {
    const PosaFianco fermo = in_piedi();
    const Coppia destra = fianco(fermo);
    const Coppia passo_a = fianco(passo_avanti(true)), passo_b = fianco(passo_avanti(false));
    const Coppia scala_a = fianco(passo_scala(true)), scala_b = fianco(passo_scala(false));
    out.coppia("Picture2", destra);
    out.coppia("Picture3", passo_a);
    out.coppia("Picture4", passo_b);
    out.coppia("Picture6", scala_a);
    out.coppia("Picture7", scala_b);
    const int asse = static_cast<int>(kCentro);
    out.coppia("Picture11", specchia(destra, asse));
    out.coppia("Picture9", specchia(passo_a, asse));
    out.coppia("Picture10", specchia(passo_b, asse));
    out.coppia("Picture17", specchia(scala_a, asse));
    out.coppia("Picture18", specchia(scala_b, asse));

    out.coppia("Picture16", fronte(di_spalle()));
    const Coppia sale_destra = fronte(arrampica_destra());
    out.coppia("Picture13", sale_destra);
    out.coppia("Picture14", specchia(sale_destra, asse));

    const Coppia in_volo = fianco(salto());
    out.coppia("Picture19", in_volo);
    out.coppia("Picture20", specchia(in_volo, asse));

    PosaFianco suona = in_piedi();
    suona.in_mano = InMano::flauto;
    suona.occhi_chiusi = true;
    out.coppia("Picture68", dipingi(80, 120, [&](cairo_t* cr) {
                   disegna_fianco(cr, suona);
                   nota(cr, 63, 38, false);
                   nota(cr, 68, 22, true);
               }));

    out.coppia("Picture42", con_ombrello());
    for (int i = 0; i < 3; ++i) {
        Coppia s = stordito(i);
        out.immagine("Picture62", i, std::move(s.first));
        out.immagine("Picture61", i, std::move(s.second));
    }
}

}  // namespace didiv::gen
