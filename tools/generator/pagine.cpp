// The pages of the thirteen books: an old book lying open, a picture on the left page and
// a few lines on the right.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "generatore.h"
#include "oggetti_disegno.h"
#include "tela.h"

namespace didiv::gen {

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr uint32_t seppia = 0x5A3A22;

// A small deterministic noise for the paper's grain.
uint32_t rumore(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

void tratto(cairo_t* cr, double w, uint32_t c = seppia) {
    colore(cr, c);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// A page's outline: its outer edge at x `esterno`, the spine at 200.
void foglio(cairo_t* cr, double esterno) {
    const double g = 200;
    cairo_move_to(cr, esterno, 27);
    cairo_curve_to(cr, (esterno + g) / 2, 16, g - (g - esterno) * 0.1, 18, g, 30);
    cairo_line_to(cr, g, 382);
    cairo_curve_to(cr, g - (g - esterno) * 0.1, 372, (esterno + g) / 2, 372, esterno, 380);
    cairo_close_path(cr);
}

void libro_aperto(cairo_t* cr, int numero) {
    // The desk.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 400);
    cairo_pattern_add_color_stop_rgb(p, 0, 0x4E / 255.0, 0x2F / 255.0, 0x1B / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, 0x3A / 255.0, 0x22 / 255.0, 0x13 / 255.0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < 40; ++i) {
        const double y = (rumore(static_cast<uint32_t>(i * 7 + 1)) % 400);
        cairo_move_to(cr, 0, y);
        cairo_curve_to(cr, 130, y + 3, 270, y - 3, 400, y + 1);
        colore(cr, pal::walnut_light, 0.12);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    // Leather cover under the pages, and the edges of the pages below them.
    cairo_rectangle(cr, 7, 15, 386, 380);
    colore(cr, 0x000000, 0.35);
    cairo_fill(cr);
    cairo_rectangle(cr, 4, 11, 386, 380);
    colore(cr, 0x6E2A1E);
    cairo_fill_preserve(cr);
    colore(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, 8.5, 15.5, 377, 371);
    colore(cr, pal::gold, 0.55);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int k = 3; k >= 1; --k) {
        cairo_save(cr);
        cairo_translate(cr, 0, k * 1.6);
        foglio(cr, 14 - k);
        foglio(cr, 386 + k);
        colore(cr, sfuma(pal::parchment_shade, 0.88 - k * 0.04));
        cairo_fill_preserve(cr);
        colore(cr, sfuma(pal::parchment_shade, 0.6), 0.8);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // The two pages, darker into the spine and aged at the edges.
    for (double esterno : {14.0, 386.0}) {
        foglio(cr, esterno);
        colore(cr, pal::parchment);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(esterno, 0, 200, 0);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.55, 0.4, 0.2, 0.16);
        cairo_pattern_add_color_stop_rgba(g, 0.08, 0.55, 0.4, 0.2, 0.0);
        cairo_pattern_add_color_stop_rgba(g, 0.82, 0.4, 0.28, 0.12, 0.0);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.3, 0.2, 0.1, 0.42);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);
    }
    // Grain and a few foxing spots, different in every book.
    for (int i = 0; i < 900; ++i) {
        const uint32_t r = rumore(static_cast<uint32_t>(numero * 10007 + i));
        const double x = 16 + r % 368, y = 30 + (r >> 9) % 348;
        if (std::abs(x - 200) < 3) continue;
        cairo_rectangle(cr, x, y, 1, 1);
        colore(cr, pal::parchment_shade, 0.5);
        cairo_fill(cr);
    }
    for (int i = 0; i < 5; ++i) {
        const uint32_t r = rumore(static_cast<uint32_t>(numero * 31 + i + 5000));
        const double x = 22 + r % 356, y = 34 + (r >> 10) % 340;
        if (std::abs(x - 200) < 10) continue;
        cairo_arc(cr, x, y, 1.5 + (r >> 20) % 3, 0, 2 * PI);
        colore(cr, 0xC9A66B, 0.25);
        cairo_fill(cr);
    }
    // The spine's fold.
    cairo_move_to(cr, 200, 30);
    cairo_line_to(cr, 200, 382);
    tratto(cr, 1.2, sfuma(pal::parchment_shade, 0.55));
}

void ornamento(cairo_t* cr, double cx, double y, double mezza) {
    cairo_move_to(cr, cx - mezza, y);
    cairo_line_to(cr, cx - 6, y);
    cairo_move_to(cr, cx + 6, y);
    cairo_line_to(cr, cx + mezza, y);
    tratto(cr, 0.9);
    cairo_move_to(cr, cx, y - 3.5);
    cairo_line_to(cr, cx + 3.5, y);
    cairo_line_to(cr, cx, y + 3.5);
    cairo_line_to(cr, cx - 3.5, y);
    cairo_close_path(cr);
    colore(cr, pal::book_red);
    cairo_fill(cr);
}

// A watercolour wash behind a picture.
void acquerello(cairo_t* cr, double cx, double cy, double r, uint32_t c) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.2, cy - r * 0.2, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0, 0.0);
    cairo_set_source(cr, g);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// The object itself, large, with its shadow on the page.
void figura_oggetto(cairo_t* cr, const std::string& parola, uint32_t tinta) {
    const MisuraOggetto* o = nullptr;
    for (const auto& m : kOggetti)
        if (parola == m.parola) o = &m;
    acquerello(cr, 107, 185, 78, tinta);
    const double scala = std::min(130.0 / o->w, 115.0 / o->h);
    cairo_save(cr);
    cairo_translate(cr, 107, 248);
    cairo_scale(cr, 1, 0.22);
    cairo_arc(cr, 0, 0, o->w * scala * 0.42, 0, 2 * PI);
    cairo_restore(cr);
    colore(cr, seppia, 0.18);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 107 - o->w * scala / 2, 240 - o->h * scala);
    cairo_scale(cr, scala, scala);
    disegna_oggetto(cr, parola);
    cairo_restore(cr);
}

void ragno(cairo_t* cr, double x, double y, double s) {
    for (int lato : {-1, 1})
        for (int i = 0; i < 4; ++i) {
            const double a = (-0.9 + i * 0.55);
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + lato * s * 1.3 * std::cos(a), y + s * 1.3 * std::sin(a) - s * 0.5);
            cairo_line_to(cr, x + lato * s * 2.1 * std::cos(a), y + s * 2.0 * std::sin(a) + s * 0.4);
            tratto(cr, s * 0.16, pal::ink);
        }
    cairo_arc(cr, x, y + s * 0.35, s * 0.75, 0, 2 * PI);
    colore(cr, 0x3A2A22);
    cairo_fill(cr);
    cairo_arc(cr, x, y - s * 0.45, s * 0.45, 0, 2 * PI);
    cairo_fill(cr);
    for (int lato : {-1, 1}) {
        cairo_arc(cr, x + lato * s * 0.18, y - s * 0.5, s * 0.13, 0, 2 * PI);
        colore(cr, 0xF3E6C4);
        cairo_fill(cr);
    }
}

void ragnatela(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 12; ++i) {
        const double a = i * PI / 6;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    tratto(cr, 0.8);
    for (int k = 1; k <= 5; ++k) {
        const double rr = r * k / 5.5;
        for (int i = 0; i <= 12; ++i) {
            const double a = i * PI / 6;
            const double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
            if (i == 0)
                cairo_move_to(cr, x, y);
            else {
                const double am = (i - 0.5) * PI / 6;
                cairo_curve_to(cr, cx + rr * 0.9 * std::cos(am), cy + rr * 0.9 * std::sin(am),
                               cx + rr * 0.9 * std::cos(am), cy + rr * 0.9 * std::sin(am), x, y);
            }
        }
        tratto(cr, 0.7);
    }
}

void schizzo_scaffale(cairo_t* cr) {
    acquerello(cr, 107, 180, 80, 0xD9A62E);
    const uint32_t colori[] = {pal::book_red, pal::book_blue, pal::book_green, pal::book_ochre};
    struct Dorso { double x, w, h; };
    std::vector<Dorso> dorsi;
    for (double x = 42; x < 170;) {
        const auto i = static_cast<uint32_t>(dorsi.size());
        const double w = 9 + rumore(i + 77) % 8, h = 52 + rumore(i + 99) % 22;
        dorsi.push_back({x, w, h});
        x += w + 1;
    }
    const size_t magico = 5;
    acquerello(cr, dorsi[magico].x + dorsi[magico].w / 2, 230 - dorsi[magico].h / 2, 42, 0xFFD040);
    for (size_t i = 0; i < dorsi.size(); ++i) {
        const auto [x, w, h] = dorsi[i];
        cairo_rectangle(cr, x, 230 - h, w, h);
        colore(cr, i == magico ? 0xF0C23A : colori[i % 4]);
        cairo_fill_preserve(cr);
        tratto(cr, 1.2, pal::ink);
        cairo_move_to(cr, x + 2, 236 - h + 6);
        cairo_line_to(cr, x + w - 2, 236 - h + 6);
        tratto(cr, 1, pal::gold);
    }
    cairo_rectangle(cr, 34, 230, 144, 8);
    colore(cr, pal::walnut);
    cairo_fill_preserve(cr);
    tratto(cr, 1.2, pal::ink);
    // A magnifying glass leaning on the books.
    cairo_move_to(cr, 150, 168);
    cairo_line_to(cr, 176, 204);
    tratto(cr, 7, pal::ink);
    cairo_move_to(cr, 151, 170);
    cairo_line_to(cr, 175, 203);
    tratto(cr, 4, pal::walnut_light);
    cairo_arc(cr, 138, 150, 22, 0, 2 * PI);
    colore(cr, 0xCFE6EE, 0.55);
    cairo_fill_preserve(cr);
    tratto(cr, 4, pal::gold);
    cairo_arc(cr, 138, 150, 22, 0, 2 * PI);
    tratto(cr, 1, pal::ink);
    cairo_arc(cr, 131, 143, 7, PI, 1.5 * PI);
    tratto(cr, 2, 0xFFFFFF);
}

void schizzo_ragno(cairo_t* cr) {
    acquerello(cr, 107, 180, 80, 0x8C8A84);
    // The upper shelves, the thread and the spider, and the steps crumbling below.
    cairo_rectangle(cr, 30, 110, 154, 8);
    colore(cr, pal::walnut);
    cairo_fill_preserve(cr);
    tratto(cr, 1.2, pal::ink);
    cairo_move_to(cr, 120, 118);
    cairo_line_to(cr, 120, 168);
    tratto(cr, 0.8);
    ragno(cr, 120, 178, 11);
    for (int i = 0; i < 5; ++i) {
        const double x = 40 + i * 16, y = 228 + i * 9;
        cairo_rectangle(cr, x, y, 17, 9);
        colore(cr, i == 4 ? pal::stone_shade : pal::stone);
        cairo_fill_preserve(cr);
        tratto(cr, 1, pal::ink);
    }
    for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, 128 + i * 7, 278 + (i % 2) * 6 + i * 3, 4, 4);
        colore(cr, pal::stone_shade);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 120, 268);
    cairo_line_to(cr, 126, 276);
    cairo_line_to(cr, 122, 283);
    tratto(cr, 1);
}

void schizzo_ragnatela(cairo_t* cr) {
    acquerello(cr, 107, 180, 80, 0x8C8A84);
    ragnatela(cr, 107, 175, 70);
    ragno(cr, 107, 175, 13);
}

void schizzo_burrone(cairo_t* cr) {
    // An inset picture in a thin frame.
    cairo_save(cr);
    cairo_rectangle(cr, 34, 100, 146, 180);
    cairo_clip(cr);
    cairo_pattern_t* cielo = cairo_pattern_create_linear(0, 100, 0, 280);
    cairo_pattern_add_color_stop_rgb(cielo, 0, 0.56, 0.79, 0.91);
    cairo_pattern_add_color_stop_rgb(cielo, 1, 0.93, 0.88, 0.74);
    cairo_set_source(cr, cielo);
    cairo_paint(cr);
    cairo_pattern_destroy(cielo);
    // Far jungle, the near cliff, the chasm between.
    for (int i = 0; i < 7; ++i) {
        cairo_arc(cr, 124 + i * 10, 172 - (i % 3) * 6, 14, 0, 2 * PI);
        colore(cr, i % 2 ? pal::leaf : pal::leaf_shade);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 124, 300);
    cairo_line_to(cr, 124, 178);
    cairo_line_to(cr, 192, 178);
    cairo_line_to(cr, 192, 300);
    colore(cr, pal::stone_shade);
    cairo_fill(cr);
    cairo_move_to(cr, 24, 300);
    cairo_line_to(cr, 24, 222);
    cairo_line_to(cr, 92, 222);
    cairo_line_to(cr, 97, 300);
    colore(cr, pal::stone);
    cairo_fill_preserve(cr);
    tratto(cr, 1.2, pal::ink);
    // The palm on the far side, and the vine hanging from it.
    cairo_move_to(cr, 162, 178);
    cairo_curve_to(cr, 160, 160, 154, 142, 152, 128);
    tratto(cr, 4, 0x7A4A22);
    for (double a : {-2.6, -2.0, -1.2, -0.5, 0.2}) {
        cairo_move_to(cr, 152, 128);
        cairo_curve_to(cr, 152 + 14 * std::cos(a), 128 + 14 * std::sin(a) - 6, 152 + 24 * std::cos(a),
                       128 + 24 * std::sin(a), 152 + 27 * std::cos(a), 128 + 27 * std::sin(a) + 8);
        tratto(cr, 3.5, pal::leaf);
    }
    cairo_move_to(cr, 142, 134);
    cairo_curve_to(cr, 128, 160, 118, 190, 114, 226);
    tratto(cr, 1.6, pal::leaf_shade);
    // The rope standing up on its own, like a charmed snake.
    cairo_move_to(cr, 60, 222);
    cairo_curve_to(cr, 64, 200, 54, 180, 60, 152);
    tratto(cr, 3.5, 0xC9A66B);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 70 + i * 6, 150 - i * 9);
        cairo_rel_line_to(cr, 3, -3);
        tratto(cr, 1.5);
    }
    cairo_restore(cr);
    cairo_rectangle(cr, 34, 100, 146, 180);
    tratto(cr, 1.5);
}

struct Testo {
    const char* file;
    const char* titolo;
    const char* didascalia;
    const char* corpo;
    int foglio;          // the page number printed at the foot
    const char* oggetto; // nullptr: a sketch of its own
    uint32_t tinta;
};

const Testo kPagine[] = {
    {"lib1.bmp", "Guida del Lettore Smarrito", "Fig. 1 \u2014 Il libro giusto si fa notare.",
     "Caro Professore, in questa biblioteca i libri importanti si illuminano quando ci passi sopra "
     "col puntatore. Un clic e li leggi; un altro clic e ciò che vi è disegnato finisce nella tua "
     "borsa. Per usarlo, trascinalo dalla barra fin dove serve.\n\nE ora su per le scale! Guarda "
     "però dove metti i piedi.",
     7, nullptr, 0},
    {"lib2.bmp", "Taccuino del Bibliotecario", "Fig. 2 \u2014 Il custode degli scaffali alti.",
     "Lassù, in cima agli scaffali, vive un ragno grosso e permaloso che non lascia passare nessuno. "
     "Ha però un debole per le mosche.\n\nPiù avanti, i vecchi gradini di pietra si sbriciolano: chi "
     "vola giù senza ombrello si fa parecchio male.",
     12, nullptr, 0},
    {"lib3.bmp", "Insetti da Biblioteca", "Fig. 3 \u2014 Il ragno, goloso di mosche.",
     "Capitolo terzo: la mosca. Ronza fra le pagine e non legge mai niente. Ai ragni, però, piace "
     "da morire.\n\nEccone una, guarda: si è addormentata proprio qui sotto.",
     33, nullptr, 0},
    {"lib4.bmp", "Cadere con Eleganza", "Fig. 4 \u2014 L’ombrello paracadute.",
     "Tutti cadono, prima o poi. Il gentiluomo prudente però cade con l’ombrello aperto: scende lento "
     "come una foglia d’autunno e atterra senza spettinarsi.\n\nDa aprire sopra la testa quando il "
     "pavimento comincia a scricchiolare.",
     48, "ombrello", pal::book_blue},
    {"lib5.bmp", "Il Giardino in Cantina", "Fig. 5 \u2014 Vaso di terracotta, vuoto (per ora).",
     "Ogni grande pianta comincia da un piccolo vaso. Scegli un posto riparato, laggiù in fondo alla "
     "vecchia cripta, e appoggialo per terra.\n\nIl resto verrà da sé. O quasi.",
     5, "vaso", 0xC0673A},
    {"lib6.bmp", "Fagioli Straordinari", "Fig. 6 \u2014 Il fagiolo magico.",
     "Questo fagiolo non va cotto! Messo in un vaso, con un po' di pioggia e un pizzico di fulmine, "
     "cresce fino al soffitto in men che non si dica.\n\nSi consiglia di tenersi forte.",
     61, "seme", pal::leaf},
    {"lib7.bmp", "Diario di un Esploratore", "Fig. 7 \u2014 Il burrone e la giungla.",
     "Oltre i due pozzi c’è un burrone, e oltre il burrone la giungla. In fondo al secondo pozzo "
     "serve una corda, e una corda che sale da sola serve ancora di più.\n\nPer la giungla, poi, ci "
     "vogliono il libro giusto e il vestito giusto.",
     77, nullptr, 0},
    {"lib8.bmp", "Meteorologia Domestica", "Fig. 8 \u2014 Nuvola da interni, grigia.",
     "Una nuvola tascabile: basta lasciarla andare sopra un vaso e subito comincia a piovere.\n\n"
     "Attenzione a non dimenticarla aperta in salotto.",
     88, "nuvola", 0x8EA3B8},
    {"lib9.bmp", "Galateo del Fulmine", "Fig. 9 \u2014 Forchetta d’argento.",
     "La forchetta non serve solo a tavola. Piantata nella terra di un vaso, quando il cielo "
     "brontola, chiama il fulmine come il campanello chiama il maggiordomo.",
     90, "forchetta", 0xB8BEC6},
    {"lib10.bmp", "Moda della Giungla", "Fig. 10 \u2014 Pelle di leopardo, taglia unica.",
     "Nella giungla non si va in giacca e papillon. Indossa questa pelle maculata sull’orlo del "
     "burrone, e le liane ti tratteranno come uno di famiglia.",
     104, "tarzan", pal::book_ochre},
    {"lib11.bmp", "L’Incantatore di Corde", "Fig. 11 \u2014 Flauto da incantatore.",
     "I fachiri incantano i serpenti; i professori, più modestamente, le corde. Suona questo flauto "
     "vicino a una corda posata in fondo al pozzo e la vedrai alzarsi dritta come un cobra.",
     111, "flauto", 0xD9A066},
    {"lib12.bmp", "Nodi, Corde e Pozzi", "Fig. 12 \u2014 Corda di canapa, dieci metri.",
     "Una buona corda non si lancia: si posa in fondo al pozzo, ben arrotolata.\n\nDa sola, certo, "
     "non sale. Le serve un po' di musica.",
     120, "corda", 0xC9A66B},
    {"lib13.bmp", "Il Libro della Giungla", "Fig. 13 \u2014 Un libro con dentro una giungla.",
     "Questo libro non si legge: si apre sull’orlo del burrone. Allora la giungla esce dalle pagine "
     "e viene a prenderti, con tutte le sue liane.",
     130, "libro", pal::leaf},
};

Superficie pagina(const Testo& t, int numero) {
    Tela tela(400, 400);
    cairo_t* cr = tela.cr();
    libro_aperto(cr, numero);

    // Left page: title, ornament, the picture and its caption.
    testo(cr, t.titolo, "DejaVu Serif Bold 10", 28, 40, pal::ink, Allinea::centro, 160);
    ornamento(cr, 108, 80, 60);
    if (t.oggetto)
        figura_oggetto(cr, t.oggetto, t.tinta);
    else if (numero == 1)
        schizzo_scaffale(cr);
    else if (numero == 2)
        schizzo_ragno(cr);
    else if (numero == 3)
        schizzo_ragnatela(cr);
    else
        schizzo_burrone(cr);
    testo(cr, t.didascalia, "DejaVu Serif Italic 8", 30, 300, seppia, Allinea::centro, 156);

    // Right page: the text, as far from the page's outer edge as the left page's words are
    // from theirs, and the page numbers.
    testo(cr, t.corpo, "DejaVu Serif 9", 216, 44, pal::ink, Allinea::sinistra, 150);
    testo(cr, std::to_string(t.foglio * 2), "DejaVu Serif 8", 107, 352, seppia, Allinea::centro);
    testo(cr, std::to_string(t.foglio * 2 + 1), "DejaVu Serif 8", 293, 352, seppia, Allinea::centro);
    return tela.opaca();
}

}  // namespace

PRODUTTORE(pagine) {
    int numero = 1;
    for (const auto& t : kPagine) out.bmp(t.file, pagina(t, numero++));
}

}  // namespace didiv::gen
