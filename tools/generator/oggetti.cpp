// The objects the professor finds in the books: fly, pot, umbrella, bean, cloud, fork,
// leopard skin, flute, rope and the jungle book. Flat colours, one shade, an ink outline.

#include <cmath>
#include <functional>

#include "generatore.h"
#include "oggetti_disegno.h"
#include "tela.h"

namespace didiv::gen {

namespace {

constexpr double PI = 3.14159265358979323846;

// A filled shape with its ink outline; the outline straddles the edge by one pixel.
void pieno(cairo_t* cr, const std::function<void()>& forma, uint32_t fondo, double bordo = 2.0) {
    forma();
    colore(cr, fondo);
    cairo_fill_preserve(cr);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, bordo);
    cairo_stroke(cr);
}

// Shade on the bottom-right of a shape: the same path, clipped, offset up-left.
void ombra(cairo_t* cr, const std::function<void()>& forma, uint32_t scuro, double dx, double dy) {
    cairo_save(cr);
    forma();
    cairo_clip(cr);
    cairo_translate(cr, -dx, -dy);
    forma();
    cairo_translate(cr, dx, dy);
    cairo_rectangle(cr, -500, -500, 1000, 1000);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    colore(cr, scuro);
    cairo_fill(cr);
    cairo_restore(cr);
}

void linea(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t c, double w) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    colore(cr, c);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void mosca(cairo_t* cr) {
    // Legs first, so the body sits on them.
    for (int i = 0; i < 3; ++i) {
        const double x = 26 + i * 7;
        cairo_move_to(cr, x, 20);
        cairo_line_to(cr, x - 4 + i, 25);
        cairo_line_to(cr, x - 7 + i, 27);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    // Wings, swept back and up; a pale, glassy blue with a vein.
    auto ala = [&](double cx, double cy, double ang, double rx) {
        return [=] {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, ang);
            ellisse(cr, 0, 0, rx, 5.5);
            cairo_restore(cr);
        };
    };
    for (auto [cx, cy, ang, rx, tono] : {std::tuple{20.0, 8.0, -0.35, 14.0, 0xB9D3E0u},
                                          std::tuple{26.0, 6.5, -0.6, 12.0, 0xD6E7EFu}}) {
        pieno(cr, ala(cx, cy, ang, rx), tono);
        linea(cr, cx + 9 * std::cos(ang), cy + 9 * std::sin(ang), cx - 9 * std::cos(ang), cy - 9 * std::sin(ang),
              0x8FA9B8, 1);
    }
    auto corpo = [&] { ellisse(cr, 27, 17, 14, 6.5); };
    pieno(cr, corpo, 0x3A3F4A);
    ombra(cr, corpo, 0x262A31, 2, 2);
    for (int i = 0; i < 3; ++i) linea(cr, 19 + i * 6, 12.5, 18 + i * 6, 21.5, 0x5A6170, 1.5);
    cairo_set_line_width(cr, 2);
    corpo();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    auto torace = [&] { ellisse(cr, 43, 16, 6, 5.5); };
    pieno(cr, torace, 0x4A505C);
    auto testa = [&] { ellisse(cr, 52, 15, 6.5, 6.5); };
    pieno(cr, testa, 0x3A3F4A);
    auto occhio = [&] { ellisse(cr, 54, 13.5, 4, 4.2); };
    pieno(cr, occhio, 0xB3261E, 1.2);
    ellisse(cr, 53, 12, 1.3, 1.3);
    colore(cr, 0xF2B8A8);
    cairo_fill(cr);
    linea(cr, 56, 19, 59, 24, pal::ink, 1.6);  // proboscis
}

// Its foot on row 46 stands on the vault's floor; its rim is kept clear of the bar's top edge.
void vaso(cairo_t* cr) {
    const uint32_t cotto = 0xC0673A, cotto_scuro = 0x97492A, cotto_chiaro = 0xD98A5B;
    auto corpo = [&] {
        cairo_move_to(cr, 8, 18);
        cairo_line_to(cr, 45, 18);
        cairo_line_to(cr, 40, 45);
        cairo_curve_to(cr, 34, 46, 19, 46, 13, 45);
        cairo_close_path(cr);
    };
    pieno(cr, corpo, cotto);
    ombra(cr, corpo, cotto_scuro, 6, 0);
    linea(cr, 13, 22, 17, 41, cotto_chiaro, 2.5);
    cairo_set_line_width(cr, 2);
    corpo();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    auto bordo = [&] {
        cairo_rectangle(cr, 3, 9, 47, 10);
    };
    pieno(cr, bordo, cotto);
    ombra(cr, bordo, cotto_scuro, 0, 4);
    linea(cr, 6, 11.5, 40, 11.5, cotto_chiaro, 1.5);
    cairo_set_line_width(cr, 2);
    bordo();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    // Earth inside the rim.
    auto terra = [&] { ellisse(cr, 26.5, 9.5, 21, 3); };
    pieno(cr, terra, 0x4A3222, 1.5);
}

// Sloping down to the right, so that carried at his hip (drawn behind him, 60 rows down his
// box) it lies under his arm: the crook sticks out behind his back, the cloth passes under his
// hand at (43, 17) of this picture and the tip comes out in front of him.
void ombrello(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 33.7, 17.3);
    cairo_rotate(cr, std::atan2(0.375, 0.927));
    // Local x runs from the handle (-30) to the tip (+31).
    auto manico = [&] {
        cairo_new_path(cr);
        cairo_arc_negative(cr, -25, 5, 5, 0, PI);
    };
    manico();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke(cr);
    manico();
    colore(cr, pal::walnut_light);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    linea(cr, -21, 0, 31, 0, pal::ink, 3.5);
    linea(cr, -20, 0, 30, 0, 0xB8BEC6, 1.5);
    auto tela = [&] {
        cairo_move_to(cr, -19, -1);
        cairo_curve_to(cr, -14, -9, -4, -9, 4, -6);
        cairo_line_to(cr, 26, -1);
        cairo_line_to(cr, 26, 1);
        cairo_line_to(cr, 4, 6);
        cairo_curve_to(cr, -4, 9, -14, 9, -19, 1);
        cairo_close_path(cr);
    };
    pieno(cr, tela, pal::book_blue);
    ombra(cr, tela, sfuma(pal::book_blue, 0.72), 0, -3.5);
    // Folds of the cloth.
    for (double y : {-3.0, 2.5}) {
        cairo_move_to(cr, -15, y * 1.4);
        cairo_curve_to(cr, -5, y * 1.6, 8, y * 0.9, 24, y * 0.2);
        colore(cr, sfuma(pal::book_blue, 0.6));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    linea(cr, -11, -5.5, 2, -5.5, sfuma(pal::book_blue, 1.45), 1.5);
    cairo_set_line_width(cr, 2);
    tela();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    // The strap with its gold press stud.
    auto cinghia = [&] { cairo_rectangle(cr, -3, -7.5, 5, 15); };
    pieno(cr, cinghia, sfuma(pal::book_blue, 0.6), 1.5);
    ellisse(cr, -0.5, 0, 1.6, 1.6);
    colore(cr, pal::gold);
    cairo_fill(cr);
    cairo_restore(cr);
}

void seme(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 25, 25);
    cairo_rotate(cr, -0.5);
    auto fagiolo = [&] {
        cairo_move_to(cr, -20, -2);
        cairo_curve_to(cr, -21, -14, -6, -16, 2, -10);
        cairo_curve_to(cr, 8, -14, 22, -12, 21, 2);
        cairo_curve_to(cr, 20, 14, 8, 16, 0, 14);
        cairo_curve_to(cr, -10, 16, -19, 10, -20, -2);
        cairo_close_path(cr);
    };
    pieno(cr, fagiolo, 0x6FAE3A);
    ombra(cr, fagiolo, 0x4F8A26, 4, 4);
    // The eye of the bean, and a shine where the light falls.
    ellisse(cr, 1, 9, 5, 2.2);
    colore(cr, 0xE8E4C0);
    cairo_fill_preserve(cr);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    ellisse(cr, -9, -6, 5, 2.5);
    colore(cr, 0xB8E08A);
    cairo_fill(cr);
    ellisse(cr, -11, -7, 1.8, 1);
    colore(cr, 0xFFFFFF);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2);
    fagiolo();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    cairo_restore(cr);
    // A little magic about it.
    for (auto [x, y, r] : {std::tuple{42.0, 7.0, 4.0}, std::tuple{7.0, 41.0, 3.0}}) {
        linea(cr, x - r, y, x + r, y, pal::gold, 1.5);
        linea(cr, x, y - r, x, y + r, pal::gold, 1.5);
    }
}

void nuvola(cairo_t* cr) {
    struct C { double x, y, r; };
    const C palle[] = {{10, 13, 6.5}, {20, 9, 8}, {32, 8, 8}, {44, 9, 7.5}, {54, 13, 6.5}};
    auto forma = [&] {
        for (auto c : palle) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, c.x, c.y, c.r, 0, 2 * PI);
        }
        cairo_new_sub_path(cr);
        cairo_rectangle(cr, 10, 12, 44, 7.5);
    };
    forma();
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    forma();
    colore(cr, 0xA7AEB8);
    cairo_fill(cr);
    cairo_save(cr);
    forma();
    cairo_clip(cr);
    for (auto c : palle) {
        ellisse(cr, c.x - 1.5, c.y - 2, c.r * 0.75, c.r * 0.6);
        colore(cr, 0xC6CCD4);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 16, 64, 5);
    colore(cr, 0x8A929E);
    cairo_fill(cr);
    cairo_restore(cr);
}

void forchetta(cairo_t* cr) {
    const uint32_t argento = 0xC9CED4, argento_scuro = 0x8D949C;
    cairo_save(cr);
    cairo_translate(cr, 17, 26.2);
    cairo_rotate(cr, 0.38);
    cairo_scale(cr, 0.87, 0.87);  // clear of the bar's frame above and below
    auto forma = [&] {
        // Four tines, the head, the neck and the handle in one outline.
        cairo_move_to(cr, -7.5, -24);
        for (int i = 0; i < 4; ++i) {
            const double x = -7.5 + i * 4.4;
            cairo_line_to(cr, x, -24);
            cairo_line_to(cr, x + 2, -24);
            if (i < 3) {
                cairo_line_to(cr, x + 2, -13);
                cairo_line_to(cr, x + 2.4, -13);
            }
        }
        cairo_line_to(cr, 7.7, -24);
        cairo_line_to(cr, 7.7, -11);
        cairo_curve_to(cr, 7.7, -6, 2.5, -5, 2, -1);
        cairo_line_to(cr, 2.5, 16);
        cairo_curve_to(cr, 4.2, 19, 4, 23, 0, 24);
        cairo_curve_to(cr, -4, 23, -4.2, 19, -2.5, 16);
        cairo_line_to(cr, -2, -1);
        cairo_curve_to(cr, -2.5, -5, -7.5, -6, -7.5, -11);
        cairo_close_path(cr);
    };
    pieno(cr, forma, argento, 1.8);
    ombra(cr, forma, argento_scuro, 1.6, 0);
    linea(cr, -1, 2, -1, 18, 0xF2F4F6, 1);
    cairo_set_line_width(cr, 1.8);
    forma();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void tarzan(cairo_t* cr) {
    const uint32_t pelle = 0xE0A93A, pelle_scura = 0xB07F24;
    cairo_save(cr);
    cairo_translate(cr, 0, 2);
    cairo_scale(cr, 1, 0.94);  // clear of the bar's frame above and below
    auto forma = [&] {
        cairo_move_to(cr, 5, 3);
        cairo_line_to(cr, 12, 3);
        cairo_curve_to(cr, 16, 10, 22, 13, 27, 14);
        cairo_curve_to(cr, 29, 24, 28, 34, 28, 41);
        // A ragged hem.
        cairo_line_to(cr, 24, 45);
        cairo_line_to(cr, 20, 41);
        cairo_line_to(cr, 16, 46);
        cairo_line_to(cr, 12, 41);
        cairo_line_to(cr, 8, 45);
        cairo_line_to(cr, 4, 40);
        cairo_curve_to(cr, 3, 30, 3, 20, 4, 14);
        cairo_close_path(cr);
    };
    pieno(cr, forma, pelle);
    ombra(cr, forma, pelle_scura, 4, 0);
    cairo_save(cr);
    forma();
    cairo_clip(cr);
    // Rosettes: a broken dark ring around a warmer middle.
    const double macchie[][2] = {{8, 9}, {20, 18}, {10, 22}, {23, 30}, {12, 34}, {6, 30}, {18, 40}, {26, 22}};
    for (auto& m : macchie) {
        ellisse(cr, m[0], m[1], 2.2, 1.8);
        colore(cr, 0xC9822A);
        cairo_fill(cr);
        for (int k = 0; k < 3; ++k) {
            cairo_new_path(cr);
            cairo_arc(cr, m[0], m[1], 3.1, k * 2.1, k * 2.1 + 1.4);
            colore(cr, 0x3B2614);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
    cairo_set_line_width(cr, 2);
    forma();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    // The knot on the shoulder.
    ellisse(cr, 8.5, 4, 3, 2.5);
    colore(cr, pelle_scura);
    cairo_fill_preserve(cr);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void flauto(cairo_t* cr) {
    const uint32_t legno = 0xB7773E, legno_scuro = 0x8A5426, legno_chiaro = 0xD9A066;
    cairo_save(cr);
    cairo_translate(cr, 21.5, 26);
    cairo_rotate(cr, -std::atan2(36.0, 30.0));
    auto canna = [&] {
        cairo_move_to(cr, -22, -3.2);
        cairo_line_to(cr, 20, -3.2);
        cairo_line_to(cr, 24, -4.5);
        cairo_line_to(cr, 24, 4.5);
        cairo_line_to(cr, 20, 3.2);
        cairo_line_to(cr, -22, 3.2);
        cairo_close_path(cr);
    };
    pieno(cr, canna, legno);
    ombra(cr, canna, legno_scuro, 0, 2.4);
    linea(cr, -20, -1.6, 17, -1.6, legno_chiaro, 1.2);
    // Gold rings and the finger holes.
    for (double x : {-17.0, 12.0}) {
        cairo_rectangle(cr, x, -3.2, 2, 6.4);
        colore(cr, pal::gold);
        cairo_fill(cr);
    }
    for (int i = 0; i < 5; ++i) {
        ellisse(cr, -11 + i * 4.5, 0, 1.2, 1.2);
        colore(cr, pal::ink);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, -22.5, -2, 3, 1.6);
    colore(cr, pal::ink);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2);
    canna();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    cairo_restore(cr);
    // A note that has just come out of it.
    ellisse(cr, 8, 15, 3.2, 2.5);
    colore(cr, pal::ink);
    cairo_fill(cr);
    linea(cr, 11, 15, 11, 4, pal::ink, 1.6);
    linea(cr, 11, 4, 15, 7, pal::ink, 1.6);
}

void corda(cairo_t* cr) {
    const uint32_t canapa = 0xC9A66B, canapa_scura = 0x9C7B45;
    // Three turns piled up, the lowest first; each a thick ring with an ink edge.
    for (int k = 0; k < 3; ++k) {
        const double cy = 33 - k * 7.5, rx = 19 - k * 1.5, ry = 9.5 - k * 0.5;
        for (auto [w, c] : {std::pair{9.0, pal::ink}, std::pair{6.0, canapa}}) {
            ellisse(cr, 25, cy, rx, ry);
            colore(cr, c);
            cairo_set_line_width(cr, w);
            cairo_stroke(cr);
        }
        // The twist of the strands.
        for (int i = 0; i < 24; ++i) {
            const double a = i * 2 * PI / 24;
            const double x = 25 + rx * std::cos(a), y = cy + ry * std::sin(a);
            linea(cr, x - 1.6, y - 1.8, x + 1.6, y + 1.8, canapa_scura, 1);
        }
    }
    // The inside of the coil.
    ellisse(cr, 25, 18, 12, 4.5);
    colore(cr, 0x3B2A1A);
    cairo_fill(cr);
    // The loose end, over the edge.
    for (auto [w, c] : {std::pair{5.5, pal::ink}, std::pair{3.0, canapa}}) {
        cairo_save(cr);
        cairo_move_to(cr, 38, 40);
        cairo_curve_to(cr, 43, 41, 45, 42, 47, 44);
        colore(cr, c);
        cairo_set_line_width(cr, w);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
}

void libro(cairo_t* cr) {
    const uint32_t rosso = pal::book_red, rosso_scuro = sfuma(pal::book_red, 0.7);
    cairo_save(cr);
    cairo_translate(cr, 0, 1.5);
    cairo_scale(cr, 1, 0.95);  // clear of the bar's frame above and below
    // The block of pages, seen at the fore-edge.
    auto pagine = [&] {
        cairo_move_to(cr, 33, 4);
        cairo_line_to(cr, 40, 8);
        cairo_line_to(cr, 40, 45);
        cairo_line_to(cr, 33, 43);
        cairo_close_path(cr);
    };
    pieno(cr, pagine, pal::parchment);
    for (int y = 12; y < 42; y += 4) linea(cr, 34.5, y, 38.5, y + 1.5, pal::parchment_shade, 1);
    cairo_set_line_width(cr, 2);
    pagine();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    auto copertina = [&] {
        cairo_rectangle(cr, 4, 3, 31, 41);
    };
    pieno(cr, copertina, rosso);
    auto dorso = [&] { cairo_rectangle(cr, 4, 3, 6, 41); };
    pieno(cr, dorso, rosso_scuro, 1.5);
    linea(cr, 5.5, 8, 8.5, 8, pal::gold, 1.2);
    linea(cr, 5.5, 39, 8.5, 39, pal::gold, 1.2);
    // A palm on the cover in a gold frame: the jungle inside.
    cairo_rectangle(cr, 13.5, 9.5, 17, 21);
    colore(cr, pal::gold);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    linea(cr, 22, 28, 22.5, 18, 0x7A4A22, 1.8);
    for (auto [dx, dy] : {std::pair{-6.0, 2.0}, std::pair{6.0, 2.0}, std::pair{-4.0, -3.0}, std::pair{5.0, -3.0}}) {
        cairo_move_to(cr, 22.5, 17.5);
        cairo_curve_to(cr, 22.5 + dx * 0.4, 17.5 + dy - 3, 22.5 + dx, 17.5 + dy - 1, 22.5 + dx, 17.5 + dy + 1);
        colore(cr, pal::leaf_light);
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 2; ++i) linea(cr, 14, 35.5 + i * 3.5, 30, 35.5 + i * 3.5, pal::gold, 1.2);
    ombra(cr, copertina, rosso_scuro, 3, 3);
    cairo_set_line_width(cr, 2);
    copertina();
    colore(cr, pal::ink);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void disegna_oggetto(cairo_t* cr, const std::string& parola) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (parola == "mosca") mosca(cr);
    if (parola == "vaso") vaso(cr);
    if (parola == "ombrello") ombrello(cr);
    if (parola == "seme") seme(cr);
    if (parola == "nuvola") nuvola(cr);
    if (parola == "forchetta") forchetta(cr);
    if (parola == "tarzan") tarzan(cr);
    if (parola == "flauto") flauto(cr);
    if (parola == "corda") corda(cr);
    if (parola == "libro") libro(cr);
    cairo_restore(cr);
}

PRODUTTORE(oggetti) {
    for (const auto& o : kOggetti) {
        Tela t(o.w, o.h);
        disegna_oggetto(t.cr(), o.parola);
        out.coppia(o.controllo, t.coppia());
    }
}

}  // namespace didiv::gen
