// The spider of the upper passage in three leg positions, and its thread.

#include <cmath>

#include "generatore.h"
#include "tela.h"

namespace didiv::gen {

namespace {

constexpr uint32_t corpo = 0x4B2E5E, corpo_ombra = 0x331F42, corpo_luce = 0x7A5490, segni = 0xD9A62E;
constexpr uint32_t seta = 0xEEF2F0;

// One leg from the body through its knee to its foot, ink around a purple core.
void zampa(cairo_t* cr, double x0, double y0, double xk, double yk, double xf, double yf) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int passata = 0; passata < 2; ++passata) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, xk, yk);
        cairo_line_to(cr, xf, yf);
        colore(cr, passata ? corpo_luce : pal::ink);
        cairo_set_line_width(cr, passata ? 1.6 : 3.8);
        cairo_stroke(cr);
    }
}

// Leg positions: 0 at rest, 1 knees raised and feet in, 2 knees low and feet out.
std::pair<Superficie, Superficie> ragno(int posa) {
    Tela t(105, 60);
    cairo_t* cr = t.cr();
    const double cx = 49;
    const double alza = posa == 1 ? -4 : posa == 2 ? 3 : 0;
    const double apri = posa == 1 ? -3 : posa == 2 ? 3 : 0;
    // Four legs a side, mirrored, the front pair reaching forward and down.
    struct Gamba {
        double ay, kx, ky, fx, fy;
    };
    const Gamba gambe[] = {{26, 20, 8, 34, 24}, {30, 28, 16, 43, 38}, {34, 30, 26, 44, 50}, {38, 22, 36, 32, 56}};
    for (int i = 0; i < 4; ++i) {
        const Gamba& g = gambe[i];
        // Alternate legs move the other way, as a spider walks.
        const double s = (i % 2) ? -1 : 1;
        for (int lato : {-1, 1}) {
            const double ss = s * lato;
            zampa(cr, cx + lato * 9, g.ay, cx + lato * (g.kx + apri * 0.5), g.ky + alza * ss,
                  cx + lato * (g.fx + apri), std::min(58.0, g.fy + alza * 0.6 * ss));
        }
    }
    // The abdomen, hanging from the thread at its top.
    ellisse(cr, cx, 19, 16, 14);
    colore(cr, pal::ink);
    cairo_fill(cr);
    ellisse(cr, cx, 19, 15, 13);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - 6, 12, 1, cx, 19, 16);
    cairo_pattern_add_color_stop_rgb(g, 0, ((corpo_luce >> 16) & 255) / 255.0, ((corpo_luce >> 8) & 255) / 255.0,
                                     (corpo_luce & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 0.55, ((corpo >> 16) & 255) / 255.0, ((corpo >> 8) & 255) / 255.0,
                                     (corpo & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, ((corpo_ombra >> 16) & 255) / 255.0, ((corpo_ombra >> 8) & 255) / 255.0,
                                     (corpo_ombra & 255) / 255.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A golden chevron pattern on its back.
    colore(cr, segni);
    for (int i = 0; i < 3; ++i) {
        const double y = 11 + i * 6;
        cairo_move_to(cr, cx - 6 + i, y);
        cairo_line_to(cr, cx, y + 3);
        cairo_line_to(cr, cx + 6 - i, y);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // The head with two big friendly eyes looking down at whoever passes.
    ellisse(cr, cx, 38, 12, 10);
    colore(cr, pal::ink);
    cairo_fill(cr);
    ellisse(cr, cx, 38, 11, 9);
    colore(cr, corpo);
    cairo_fill(cr);
    ellisse(cr, cx - 3, 33, 5, 2.5);
    colore(cr, corpo_luce, 0.7);
    cairo_fill(cr);
    for (int lato : {-1, 1}) {
        ellisse(cr, cx + lato * 4.5, 37, 4.2, 4.6);
        colore(cr, pal::ink);
        cairo_fill(cr);
        ellisse(cr, cx + lato * 4.5, 37, 3.3, 3.7);
        colore(cr, 0xFFFFFF);
        cairo_fill(cr);
        ellisse(cr, cx + lato * 4.5 + 0.6, 38.5, 1.7, 2.0);
        colore(cr, 0x101010);
        cairo_fill(cr);
        cairo_rectangle(cr, cx + lato * 4.5 - 0.6, 35.5, 1, 1);
        colore(cr, 0xFFFFFF);
        cairo_fill(cr);
    }
    // A grin with two little fangs.
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, cx, 41.5, 3.5, 0.2, M_PI - 0.2);
    cairo_stroke(cr);
    colore(cr, 0xFFFFFF);
    for (int lato : {-1, 1}) {
        cairo_move_to(cr, cx + lato * 2.5, 44);
        cairo_line_to(cr, cx + lato * 1.5, 46.5);
        cairo_line_to(cr, cx + lato * 0.8, 44.3);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    return t.coppia();
}

// The thread: a bright strand with a softer fringe that reads against the wallpaper.
Superficie filo() {
    Superficie s(3, 100);
    const uint32_t frangia = sfuma(pal::wall, 1.0) ;
    for (int y = 0; y < 100; ++y) {
        const uint32_t bordo = (y % 7 == 3) ? sfuma(seta, 0.8) : sfuma(frangia, 1.5);
        s.PSet(0, y, static_cast<Colore>(bordo));
        s.PSet(1, y, static_cast<Colore>(seta));
        s.PSet(2, y, static_cast<Colore>(sfuma(frangia, 1.2)));
    }
    return s;
}

}  // namespace

PRODUTTORE(scena_ragno) {
    for (int i = 0; i < 3; ++i) {
        auto [m, im] = ragno(i);
        out.immagine("Picture31", i, std::move(m));
        out.immagine("Picture32", i, std::move(im));
    }
    out.immagine("Picture33", 0, filo());
}

}  // namespace didiv::gen
