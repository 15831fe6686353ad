// The rope rising to the flute in three heights, and the jungle vine.

#include <cmath>
#include <functional>

#include "generatore.h"
#include "tela.h"

namespace didiv::gen {

namespace {

constexpr uint32_t canapa = 0xC9A063, canapa_ombra = 0x8E6A3A, canapa_luce = 0xE6C58E;
constexpr uint32_t liana = 0x6F7B2E, liana_ombra = 0x4C5620, liana_luce = 0x98A546;

// A twisted cord along a path: ink, body, then the twist as short dark bands.
void cordone(cairo_t* cr, const std::function<void()>& percorso, double spessore, uint32_t corpo, uint32_t ombra,
             uint32_t luce) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    percorso();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, spessore + 2);
    cairo_stroke(cr);
    percorso();
    colore(cr, corpo);
    cairo_set_line_width(cr, spessore);
    cairo_stroke(cr);
    const double trattini[] = {1.3, 2.4};
    cairo_set_dash(cr, trattini, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    percorso();
    colore(cr, ombra);
    cairo_set_line_width(cr, spessore * 0.7);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_save(cr);
    cairo_translate(cr, -spessore * 0.22, 0);
    percorso();
    colore(cr, luce, 0.8);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The coil lying on the floor, its bottom on the picture's last row, and the rope standing up
// out of it to the picture's top, swaying like a charmed snake.
std::pair<Superficie, Superficie> corda(int h, int fase) {
    Tela t(50, h);
    cairo_t* cr = t.cr();
    const double piede = h - 1;
    // The coil: three loops, the lowest widest.
    for (int i = 0; i < 3; ++i) {
        const double y = piede - 5 - i * 5, rx = 21 - i * 3, ry = 4.2;
        cordone(
            cr,
            [&] {
                cairo_save(cr);
                cairo_translate(cr, 25, y);
                cairo_scale(cr, rx, ry);
                cairo_new_path(cr);
                cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
                cairo_restore(cr);
            },
            4, canapa, canapa_ombra, canapa_luce);
    }
    // The standing rope from the coil's top to the tip, a gentle S that grows with the height.
    const double base = piede - 17;
    const double cima = 5;
    const double onda = 3 + fase * 2.5;
    cordone(
        cr,
        [&] {
            cairo_new_path(cr);
            cairo_move_to(cr, 25, base);
            const int n = 40;
            for (int i = 1; i <= n; ++i) {
                const double f = static_cast<double>(i) / n;
                const double y = base + (cima - base) * f;
                const double x = 25 + onda * std::sin(f * M_PI * (1.2 + fase * 0.6)) * f;
                cairo_line_to(cr, x, y);
            }
        },
        4, canapa, canapa_ombra, canapa_luce);
    // The frayed tip.
    const double tx = 25 + onda * std::sin(M_PI * (1.2 + fase * 0.6));
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1);
    for (int k = -1; k <= 1; ++k) {
        cairo_move_to(cr, tx, cima + 1);
        cairo_line_to(cr, tx + k * 2.5, cima - 4);
        cairo_stroke(cr);
    }
    colore(cr, canapa_luce);
    cairo_rectangle(cr, tx - 2, cima - 1, 4, 3);
    cairo_fill(cr);
    return t.coppia();
}

// The vine: a twisted stem from above the view down to a loop, with leaves along it.
std::pair<Superficie, Superficie> vite() {
    Tela t(33, 350);
    cairo_t* cr = t.cr();
    auto xa = [](double y) { return 16 + 3.5 * std::sin(y / 38.0); };
    // Leaves first, behind the stem.
    int i = 0;
    for (double y = 14; y < 320; y += 19, ++i) {
        const int lato = i % 2 ? 1 : -1;
        cairo_save(cr);
        cairo_translate(cr, xa(y) + lato * 7, y + 3);
        cairo_rotate(cr, lato * 0.7);
        cairo_scale(cr, 6.5, 3.2);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        colore(cr, pal::ink);
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, xa(y) + lato * 7, y + 3);
        cairo_rotate(cr, lato * 0.7);
        cairo_scale(cr, 5.3, 2.2);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        colore(cr, i % 3 ? pal::leaf : pal::leaf_shade);
        cairo_fill(cr);
    }
    cordone(
        cr,
        [&] {
            cairo_new_path(cr);
            cairo_move_to(cr, xa(0), -2);
            for (double y = 0; y <= 326; y += 2) cairo_line_to(cr, xa(y), y);
        },
        5, liana, liana_ombra, liana_luce);
    // The loop at the lower end, for the hands.
    cordone(
        cr,
        [&] {
            cairo_new_path(cr);
            cairo_arc(cr, xa(326), 335, 8.5, -M_PI / 2, 3 * M_PI / 2 - 0.4);
        },
        4, liana, liana_ombra, liana_luce);
    return t.coppia();
}

}  // namespace

PRODUTTORE(scena_corda) {
    const int altezze[] = {60, 111, 232};
    for (int i = 0; i < 3; ++i) {
        auto [m, im] = corda(altezze[i], i);
        out.immagine("Picture70", i, std::move(m));
        out.immagine("Picture69", i, std::move(im));
    }
    out.coppia("Picture75", vite());
}

}  // namespace didiv::gen
