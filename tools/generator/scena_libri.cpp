// The bookshelf pictures: glowing spines and their title labels, the red book lying flat, the
// open costume book, and the stone steps that crumble under the professor (cut from the world).

#include <pango/pangocairo.h>

#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "generatore.h"
#include "libri_oggetti.h"
#include "livello_mappa.h"
#include "livello_pianta.h"
#include "ringhiera.h"
#include "tela.h"

namespace didiv::gen {

namespace {

constexpr uint32_t alone = 0xFFF1A6;      // the warm glow around a lit book
constexpr uint32_t alone_forte = 0xFFE066;

void rettangolo(cairo_t* cr, double x, double y, double w, double h, uint32_t c) {
    colore(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

}  // namespace

void dorso_speciale(cairo_t* cr, int x, int y, int w, int h, uint32_t tinta, bool acceso) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    // Dark cloth lights up more than a bright one, which would melt into the glow.
    const double luce = 0.299 * (tinta >> 16) + 0.587 * ((tinta >> 8) & 0xFF) + 0.114 * (tinta & 0xFF);
    const uint32_t base = acceso ? sfuma(tinta, luce > 120 ? 1.2 : 1.55) : tinta;
    rettangolo(cr, 0, 0, w, h, acceso ? alone_forte : sfuma(tinta, 0.45));
    rettangolo(cr, 1, 1, w - 2, h - 2, base);
    rettangolo(cr, 1, 1, 2, h - 2, sfuma(base, 1.25));      // light from the left
    rettangolo(cr, w - 3, 1, 2, h - 2, sfuma(base, 0.78));  // shade on the right
    // Gilt bands near both ends, and a small plate in between.
    const uint32_t oro = acceso ? 0xFFE7A0 : pal::gold, oro_scuro = acceso ? pal::gold : sfuma(pal::gold, 0.75);
    for (int r : {3, h - 6}) {
        rettangolo(cr, 1, r, w - 2, 1, oro);
        rettangolo(cr, 1, r + 2, w - 2, 1, oro_scuro);
    }
    const int ph = std::max(5, h / 4);
    const int py = h / 2 - ph / 2 - 1;
    rettangolo(cr, 3, py, w - 6, ph, acceso ? sfuma(pal::gold, 1.15) : pal::gold);
    rettangolo(cr, 4, py + 1, w - 8, ph - 2, sfuma(base, 0.7));
    for (int r = py + 2; r < py + ph - 2; r += 2) rettangolo(cr, 5, r, std::max(1, w - 10), 1, oro);
    if (acceso)
        for (auto [sx, sy] : {std::pair{0, h / 5}, {w - 1, h / 2}, {0, (4 * h) / 5}}) rettangolo(cr, sx, sy, 1, 1, 0xFFFFFF);
    cairo_restore(cr);
}

namespace {

// A lit spine on its own picture, the size of its hot spot.
Superficie dorso_acceso(int w, int h, uint32_t tinta) {
    Tela t(w, h);
    dorso_speciale(t.cr(), 0, 0, w, h, tinta, true);
    return t.opaca();
}

std::pair<int, int> misura(cairo_t* cr, const std::string& s, const std::string& font) {
    PangoLayout* l = pango_cairo_create_layout(cr);
    PangoFontDescription* d = pango_font_description_from_string(font.c_str());
    pango_layout_set_font_description(l, d);
    pango_font_description_free(d);
    pango_layout_set_text(l, s.c_str(), -1);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(l, &w, &h);
    g_object_unref(l);
    return {w, h};
}

// The largest size of a font family whose text fits the width.
std::string adatta(cairo_t* cr, const std::string& s, const std::string& famiglia, double massimo, int larghezza) {
    for (double p = massimo; p > 5; p -= 0.5) {
        const std::string f = famiglia + " " + std::to_string(p) + "px";
        if (misura(cr, s, f).first <= larghezza) return f;
    }
    return famiglia + " 5px";
}

// A parchment tag with the book's title and its author, as a lit book shows them.
Superficie etichetta(int w, int h, const std::string& titolo, const std::string& autore) {
    Tela t(w, h);
    cairo_t* cr = t.cr();
    rettangolo(cr, 0, 0, w, h, pal::ink);
    rettangolo(cr, 1, 1, w - 2, h - 2, pal::gold);
    rettangolo(cr, 2, 2, w - 4, h - 4, pal::parchment);
    // A little light at the top left, a shade at the bottom right.
    rettangolo(cr, 2, h - 4, w - 4, 2, pal::parchment_shade);
    rettangolo(cr, w - 4, 2, 2, h - 4, pal::parchment_shade);
    rettangolo(cr, 2, 2, w - 6, 1, 0xFFF8E4);
    // Ornamental corners.
    for (auto [x, y] : {std::pair{3, 3}, {w - 6, 3}, {3, h - 6}, {w - 6, h - 6}}) {
        rettangolo(cr, x, y, 3, 3, pal::gold);
        rettangolo(cr, x + 1, y + 1, 1, 1, pal::parchment);
    }
    const int riga_titolo = (h * 6) / 10;
    const std::string ft = adatta(cr, titolo, "DejaVu Serif Bold", h >= 38 ? 14.0 : 12.0, w - 16);
    const std::string fa = adatta(cr, autore, "DejaVu Serif Italic", h >= 38 ? 10.0 : 9.0, w - 20);
    const auto [tw, th] = misura(cr, titolo, ft);
    const auto [aw, ah] = misura(cr, autore, fa);
    (void)tw;
    (void)aw;
    const double spazio = h - 4 - th - ah;
    const double y0 = 2 + spazio / 2.0 - 1;
    testo(cr, titolo, ft, w / 2.0, std::floor(y0), pal::ink, Allinea::centro);
    testo(cr, autore, fa, w / 2.0, std::floor(y0 + th - 1), sfuma(pal::walnut_shade, 1.0), Allinea::centro);
    (void)riga_titolo;
    return t.opaca();
}

// Where the game copies the red book and the open book, plain or lit.
constexpr int LIBRO_ROSSO_X = 398, LIBRO_ROSSO_Y = 171;
constexpr int LIBRO_APERTO_X = 1487, LIBRO_APERTO_Y = 360;

// The red book lying flat on its shelf, seen from the front: covers, pages and a gilt spine.
// Plain, it lies on the shelf as the world shows it, behind the balustrade.
Superficie libro_rosso(bool acceso) {
    Tela t(35, 12);
    cairo_t* cr = t.cr();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (acceso) {
        rettangolo(cr, 0, 0, 35, 12, alone);
        rettangolo(cr, 1, 1, 33, 11, alone_forte);
    } else {
        dipingi_mondo(cr, LIBRO_ROSSO_X, LIBRO_ROSSO_Y, 35, 12);
    }
    const uint32_t rosso = acceso ? sfuma(pal::book_red, 1.4) : pal::book_red;
    rettangolo(cr, 1, 2, 33, 10, pal::ink);
    rettangolo(cr, 2, 3, 31, 2, rosso);                       // upper cover
    rettangolo(cr, 2, 3, 31, 1, sfuma(rosso, 1.3));
    rettangolo(cr, 2, 9, 31, 2, sfuma(rosso, 0.8));           // lower cover
    rettangolo(cr, 6, 5, 26, 4, pal::parchment);              // the pages' edge
    for (int y : {6, 8}) rettangolo(cr, 7, y, 25, 1, pal::parchment_shade);
    rettangolo(cr, 2, 5, 4, 4, rosso);                        // the rounded spine
    rettangolo(cr, 2, 6, 4, 1, pal::gold);
    rettangolo(cr, 2, 8, 4, 1, sfuma(pal::gold, 0.8));
    if (acceso)
        for (auto [x, y] : {std::pair{0, 6}, {34, 4}, {17, 0}}) rettangolo(cr, x, y, 1, 1, 0xFFFFFF);
    Superficie s = t.opaca();
    if (!acceso) metti_ringhiere(s, LIBRO_ROSSO_X, LIBRO_ROSSO_Y);
    return s;
}

// The open book on the shaft floor: a leopard skin on the left page, lines on the right.
// Plain, it lies in the shaft as the world shows it there.
Superficie libro_aperto(bool acceso) {
    Tela t(31, 28);
    cairo_t* cr = t.cr();
    if (acceso) {
        cairo_pattern_t* g = cairo_pattern_create_radial(15.5, 17, 3, 15.5, 17, 17);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.97, 0.75);
        cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.85, 0.35);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    } else {
        dipingi_mondo(cr, LIBRO_APERTO_X, LIBRO_APERTO_Y, 31, 28);
    }
    // The cover under the pages, then two pages rising from the gutter.
    const uint32_t copertina = acceso ? sfuma(pal::book_green, 1.35) : pal::book_green;
    auto poligono = [&](std::initializer_list<std::pair<double, double>> pts, uint32_t riemp) {
        bool primo = true;
        for (auto [x, y] : pts) {
            if (primo) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
            primo = false;
        }
        cairo_close_path(cr);
        colore(cr, riemp);
        cairo_fill_preserve(cr);
        colore(cr, pal::ink);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    };
    poligono({{1.5, 21.5}, {15.5, 26.5}, {29.5, 21.5}, {29.5, 24.5}, {15.5, 27.5}, {1.5, 24.5}}, copertina);
    const uint32_t carta = acceso ? 0xFFF6DC : pal::parchment;
    poligono({{2.5, 8.5}, {9, 6.5}, {15.5, 9.5}, {15.5, 25.5}, {2.5, 21.5}}, carta);
    poligono({{15.5, 9.5}, {22, 6.5}, {28.5, 8.5}, {28.5, 21.5}, {15.5, 25.5}}, sfuma(carta, 0.95));
    // The leopard skin drawn on the left page.
    colore(cr, 0xE0A84A);
    cairo_move_to(cr, 5, 12);
    cairo_curve_to(cr, 8, 10, 12, 11, 13, 13);
    cairo_line_to(cr, 13, 20);
    cairo_curve_to(cr, 10, 21, 7, 20, 5, 18);
    cairo_close_path(cr);
    cairo_fill(cr);
    colore(cr, 0x4A2E16);
    for (auto [x, y] : {std::pair{7, 13}, {10, 14}, {7, 17}, {11, 18}, {9, 16}}) {
        cairo_arc(cr, x, y, 0.9, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Lines of text on the right page.
    for (int i = 0; i < 5; ++i) {
        const double y = 12.5 + 2.5 * i;
        colore(cr, sfuma(pal::ink, 1.6), 0.8);
        cairo_move_to(cr, 18, y + 0.3 * i);
        cairo_line_to(cr, 26, y - 0.8 + 0.3 * i);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    return t.opaca();
}

}  // namespace

PRODUTTORE(scena_libri) {
    out.immagine("Picture23", 0, libro_rosso(false));
    out.immagine("Picture23", 1, libro_rosso(true));
    out.immagine("Picture57", 0, libro_aperto(false));
    out.immagine("Picture57", 1, libro_aperto(true));
    for (int i = 0; i < 4; ++i) out.immagine("Picture38", i, gradini_che_crollano(i));

    // The lit spines, each the size and place of the plain one in the world.
    const std::pair<std::string_view, const char*> accesi[] = {
        {"pagina 1", "Picture21"}, {"ombrello", "Picture24"},      {"vaso", "Picture27"},
        {"mosca", "Picture29"},    {"seme", "Picture45"},          {"forchetta", "Picture49"},
        {"nuvola", "Picture51"},   {"pagina 7", "Picture50"},      {"libro giungla", "Picture59"},
        {"corda", "Picture60"},    {"flauto", "Picture58"},
    };
    for (const auto& d : livello::DORSI_SPECIALI)
        for (const auto& [nome, controllo] : accesi)
            if (nome == d.nome) out.immagine(controllo, 0, dorso_acceso(d.w, d.h, tinta_speciale(d.nome)));

    // Their title labels.
    out.immagine("Picture22", 0, etichetta(180, 38, "Memorie di uno scaffale", "Ottavio Polverini"));
    out.immagine("Picture25", 0, etichetta(150, 32, "Piove sul leggio", "Clelia Temporali"));
    out.immagine("Picture26", 0, etichetta(150, 32, "L'arte del vaso", "Amedeo Terracotta"));
    out.immagine("Picture28", 0, etichetta(150, 32, "Vita segreta delle mosche", "Ronzio Zanzarelli"));
    out.immagine("Picture43", 0, etichetta(150, 32, "Il fagiolo magico", "Giacomo Baccelli"));
    out.immagine("Picture48", 0, etichetta(150, 32, "Forchette e fulmini", "Ettore Parafulmini"));
    out.immagine("Picture47", 0, etichetta(150, 32, "Manuale delle nuvole", "Nembo Cirrini"));
    out.immagine("Picture46", 0, etichetta(150, 32, "Racconti del solaio", "Ilaria Soffitti"));
}

}  // namespace didiv::gen
