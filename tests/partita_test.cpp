// Whole games on the real level, played only through the handlers the desktop calls: keys,
// pointer moves, clicks and drags, with the frame loop ticking and the clock running. One game
// is won by the solution; the others end in each of the ways a game can end.

#include <string>

#include "banco.h"
#include "platform/bmp.h"

namespace didiv::test {
namespace {

constexpr int SINISTRA = 37, SU = 38, DESTRA = 39, GIU = 40, MAIUSC = 16, SPAZIO = 32;
constexpr int CON_MAIUSC = 1;
constexpr int ESC = 27;
constexpr float SECONDI_PER_TICK = 0.06f;

struct Punto {
    float X, Y;
};

// The game window on the fake desktop, with the vocabulary of a player.
struct Partita : Banco {
    explicit Partita(int tempo_limite = 0) { EXPECT_TRUE(avvia(tempo_limite)); }

    Form1& g() { return f(); }

    // ---- time -------------------------------------------------------------------------
    // One frame: the clock moves on by the timer's interval, then the timer fires.
    bool passo() {
        piattaforma.orologio += SECONDI_PER_TICK;
        return tick();
    }
    void aspetta(int n) {
        for (int i = 0; i < n; ++i) passo();
    }
    bool in_moto() {
        Form1& s = g();
        return s.va_destra || s.va_sinistra || s.sale || s.scende || s.cade || s.salta_destra || s.salta_sinistra;
    }

    // ---- keys -------------------------------------------------------------------------
    void premi_tasto(int tasto, int shift = 0) { evento([&] { g().Form_KeyDown(tasto, shift); }); }
    void lascia_tasto(int tasto, int shift = 0) { evento([&] { g().Form_KeyUp(tasto, shift); }); }
    // A key that gives a character: KeyDown, KeyPress and KeyUp. False when the window closed.
    bool batti(int codice, int carattere) {
        bool vivo = evento([&] { g().Form_KeyDown(codice, 0); });
        if (vivo) vivo = evento([&] { g().Form_KeyPress(carattere); });
        if (vivo) vivo = evento([&] { g().Form_KeyUp(codice, 0); });
        return vivo;
    }

    // Holds an arrow until the movement stops by itself or `basta` holds; then lets go.
    template <class Basta>
    int tieni(int tasto, Basta basta, int shift = 0) {
        premi_tasto(tasto, shift);
        int n = 0;
        while (in_moto() && !basta() && n < 1000) {
            passo();
            ++n;
        }
        lascia_tasto(tasto, shift);
        return n;
    }
    int tieni(int tasto) {
        return tieni(tasto, [] { return false; });
    }

    void cammina_fino_a(float x) {
        const int tasto = x > g().pos_x ? DESTRA : SINISTRA;
        tieni(tasto, [&] { return g().pos_x == x; });
        EXPECT_EQ(g().pos_x, x) << "the walk stopped short";
    }
    // Walks on until the floor ends (or the way drops away under him).
    void cammina_fino_in_fondo(int tasto) { tieni(tasto); }
    void sali_scala() { tieni(SU); }
    void scendi_scala() { tieni(GIU); }
    void salta_a_destra() {
        premi_tasto(MAIUSC, CON_MAIUSC);
        tieni(DESTRA, [] { return false; }, CON_MAIUSC);
        lascia_tasto(MAIUSC, 0);
    }
    void e_in(float x, float y) {
        EXPECT_EQ(g().pos_x, x);
        EXPECT_EQ(g().pos_y, y);
    }

    // ---- the pointer ------------------------------------------------------------------
    // Where a world point is on the window in the present view.
    Punto finestra_di(float wx, float wy) {
        return {wx - static_cast<float>(g().scroll_x) + 40, wy - static_cast<float>(g().scroll_y) + 40};
    }
    static bool nel_campo(Punto p) { return p.X >= 40 && p.X < 440 && p.Y >= 40 && p.Y < 440; }
    void muovi(Punto p, int bottone = 0) { evento([&] { g().Form_MouseMove(bottone, 0, p.X, p.Y); }); }
    // A click as the desktop gives it: press, release, click. False when the window closed.
    bool clic(Punto p) {
        bool vivo = evento([&] { g().Form_MouseDown(1, 0, p.X, p.Y); });
        if (vivo) vivo = evento([&] { g().Form_MouseUp(1, 0, p.X, p.Y); });
        if (vivo) vivo = evento([&] { g().Form_Click(); });
        return vivo;
    }

    // Moves the pointer onto a book the player can see on the play field, coming from the
    // shelf beside it, as a hand does.
    void punta_libro(float wx, float wy) {
        const Punto p = finestra_di(wx, wy);
        EXPECT_TRUE(nel_campo(p)) << "the book at world (" << wx << ", " << wy << ") is out of view at window ("
                                  << p.X << ", " << p.Y << ")";
        const Punto accanto{p.X - 25, p.Y};
        EXPECT_NE(g().Picture8.Point(static_cast<int>(wx) - 25, static_cast<int>(wy) + 400), MAPPA_MAGENTA);
        muovi(accanto);
        muovi(p);
    }

    // True when the window shows the page `file` over the play field, but for the page's box
    // (sx0, sy0) .. (sx1, sy1) if one is given.
    bool mostra_pagina(const std::string& file, int sx0 = 0, int sy0 = 0, int sx1 = 0, int sy1 = 0) {
        const Superficie pagina = LoadPicture(file);
        for (int y = 0; y < 400; y += 7)
            for (int x = 0; x < 400; x += 7) {
                if (x >= sx0 && x < sx1 && y >= sy0 && y < sy1) continue;
                if (g().finestra.Point(40 + x, 40 + y) != pagina.Point(x, y)) return false;
            }
        return true;
    }

    // Points at the book of `parola`, opens it (the game pauses on its page) and closes it
    // again, which puts the object into the bar.
    void apri_e_raccogli(const char* parola, Integer Form1::*stato, float wx, float wy, const char* pagina) {
        SCOPED_TRACE(parola);
        const int suoni = conta("attiva.wav Play 0");
        punta_libro(wx, wy);
        ASSERT_EQ(g().*stato, 1) << "the book did not light";
        EXPECT_EQ(conta("attiva.wav Play 0"), suoni + 1);
        const Punto p = finestra_di(wx, wy);
        clic(p);
        EXPECT_FALSE(g().Timer1.Enabled);
        EXPECT_EQ(g().*stato, 2);
        if (std::string(parola) == "mosca") {  // the fly sits on its page, at window (240, 290)
            EXPECT_TRUE(mostra_pagina(pagina, 200, 250, 261, 279));
            EXPECT_TRUE(sprite_sulla_finestra(membro(g().Picture37, 0), membro(g().Picture37, 1), 200, 250));
        } else
            EXPECT_TRUE(mostra_pagina(pagina));
        const int flub = conta("flub.wav Play 0");
        clic(p);
        EXPECT_TRUE(g().Timer1.Enabled);
        EXPECT_EQ(g().*stato, 3);
        EXPECT_EQ(conta("flub.wav Play 0"), flub + 1);
        EXPECT_GE(slot(parola), 0) << "not in the bar";
    }

    // A hint page: open it, look, close it.
    void leggi_pagina(float wx, float wy, const char* pagina) {
        SCOPED_TRACE(pagina);
        punta_libro(wx, wy);
        const Punto p = finestra_di(wx, wy);
        clic(p);
        EXPECT_FALSE(g().Timer1.Enabled);
        EXPECT_TRUE(mostra_pagina(pagina));
        const int pieni = g().ultimo_oggetto;
        clic(p);
        EXPECT_TRUE(g().Timer1.Enabled);
        EXPECT_EQ(g().ultimo_oggetto, pieni);
    }

    int slot(const std::string& parola) {
        for (int i = 0; i <= g().ultimo_oggetto; ++i)
            if (g().inventario[static_cast<size_t>(i)] == parola) return i;
        return -1;
    }

    // Presses on the object in the bar, carries it to window point `p` and lets go there. The
    // carried picture hangs from the pointer by its top-left corner.
    void trascina_a(const std::string& parola, Punto p) {
        const int i = slot(parola);
        ASSERT_GE(i, 0) << parola << " is not in the bar";
        const Punto barra{90.0f + 100.0f * static_cast<float>(i), 470};
        muovi(barra);
        evento([&] { g().Form_MouseDown(1, 0, barra.X, barra.Y); });
        ASSERT_EQ(g().nome_preso, parola);
        EXPECT_EQ(piattaforma.conteggio_cursore, -1);  // the pointer hides while carrying
        muovi({(barra.X + p.X) / 2, (barra.Y + p.Y) / 2}, 1);
        muovi(p, 1);
        evento([&] { g().Form_MouseUp(1, 0, p.X, p.Y); });
        evento([&] { g().Form_Click(); });
        EXPECT_EQ(g().indice_preso, -1);
        EXPECT_EQ(piattaforma.conteggio_cursore, 0);
    }
    // Carries the object so that its picture's corner lies on a world point the player can
    // see, and checks it was taken.
    void trascina_su(const std::string& parola, float wx, float wy) {
        SCOPED_TRACE(parola);
        const Punto p = finestra_di(wx, wy);
        EXPECT_TRUE(nel_campo(p)) << "the drop place world (" << wx << ", " << wy << ") is out of view at window ("
                                  << p.X << ", " << p.Y << ")";
        const int successi = conta("succ.wav Play 0") + conta("mosca.wav Play 0");
        trascina_a(parola, p);
        EXPECT_EQ(slot(parola), -1) << "refused at window (" << p.X << ", " << p.Y << ")";
        EXPECT_EQ(conta("succ.wav Play 0") + conta("mosca.wav Play 0"), successi + 1);
    }
    // Held against the professor: the object's picture over his body.
    void dai_al_professore(const std::string& parola) {
        trascina_su(parola, g().pos_x + 5, g().pos_y + 40);
    }

    // ---- what the player sees and hears at the end ---------------------------------------
    // True when the window shows `banner` copied whole at play-field point (x, y).
    bool banner_sulla_finestra(const Superficie& banner, int x, int y) {
        for (int by = 0; by < banner.ScaleHeight(); ++by)
            for (int bx = 0; bx < banner.ScaleWidth(); ++bx)
                if (g().finestra.Point(40 + x + bx, 40 + y + by) != banner.Point(bx, by)) return false;
        return true;
    }
    // True when the window shows the sprite at play-field point (x, y), wherever it lies on
    // the field and its mask is not white; false when no such pixel is on the field.
    bool sprite_sulla_finestra(const Superficie& maschera, const Superficie& immagine, int x, int y) {
        int visti = 0;
        for (int sy = 0; sy < maschera.ScaleHeight(); ++sy)
            for (int sx = 0; sx < maschera.ScaleWidth(); ++sx) {
                const int px = x + sx, py = y + sy;
                if (px < 0 || px >= 400 || py < 0 || py >= 400 || maschera.Point(sx, sy) == RGB(255, 255, 255)) continue;
                if (g().finestra.Point(40 + px, 40 + py) != immagine.Point(sx, sy)) return false;
                ++visti;
            }
        return visti > 0;
    }
};

// ---- the stages of the route, in the words of the solution -----------------------------

// "Dalla prima libreria prendere la mosca." (the first hint page is read on the way)
void prendi_la_mosca(Partita& p) {
    p.e_in(-10, 168);
    p.leggi_pagina(121, 165, "lib1.bmp");
    p.apri_e_raccogli("mosca", &Form1::stato_mosca, 42, 253, "lib3.bmp");
}

// Up ladder A to the first floor and along it; his feet pass the red book's trigger row.
void sali_al_primo_piano(Partita& p) {
    p.cammina_fino_a(270);
    p.sali_scala();
    p.e_in(270, 72);
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(445, 72);
    EXPECT_EQ(p.g().stato_pagina2, 1);
}

// "Salire le scale a pioli della seconda libreria"
void sali_alla_seconda_libreria(Partita& p) {
    p.sali_scala();
    p.e_in(445, -108);
}

// "Arrivati in cima": up ladder C to the spider's floor.
void sali_in_cima(Partita& p) {
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(490, -108);
    p.sali_scala();
    p.e_in(490, -292);
}

// "... recuperare la mosca dalla barra degli oggetti e darla al ragno che la inseguirà e
// lascerà il passaggio libero."
void dai_la_mosca_al_ragno(Partita& p) {
    Form1& g = p.g();
    p.cammina_fino_a(550);  // into the passage: the spider lets itself down
    ASSERT_EQ(g.fase_ragno, 0);
    ASSERT_GT(static_cast<int>(g.ragno_y), -30) << "the spider is not yet in sight";
    // Onto the spider, drawn at field y ragno_y whatever the view.
    p.trascina_su("mosca", 680 + 20, static_cast<float>(g.scroll_y + g.ragno_y + 15));
    EXPECT_EQ(g.fase_ragno, 2);
    for (int n = 0; g.fase_ragno == 2 && n < 100; ++n) p.passo();
    EXPECT_EQ(g.fase_ragno, 3);
}

// To the head of the stone steps.
void vai_ai_gradini(Partita& p) {
    p.cammina_fino_a(890);
    p.e_in(890, -292);
}

// Follows the solution: every object found, taken and used where it belongs, to the win.
void gioca_fino_alla_vittoria(Partita& p) {
    Form1& g = p.g();
    prendi_la_mosca(p);
    sali_al_primo_piano(p);
    p.punta_libro(415, 176);  // the red book that the walk revealed
    EXPECT_EQ(g.stato_pagina2, 2);
    p.leggi_pagina(415, 176, "lib2.bmp");
    EXPECT_EQ(g.stato_pagina2, 3);

    sali_alla_seconda_libreria(p);
    // "... prendere l'ombrello e il vaso."
    p.apri_e_raccogli("ombrello", &Form1::stato_ombrello, 473, 20, "lib4.bmp");
    p.apri_e_raccogli("vaso", &Form1::stato_vaso, 344, -134, "lib5.bmp");
    sali_in_cima(p);
    dai_la_mosca_al_ragno(p);

    // "All'inizio della discesa dei gradini di pietra, recuperare l'ombrello e darlo al
    // professore: lo userà come paracadute ... dopo il crollo del passaggio."
    vai_ai_gradini(p);
    p.dai_al_professore("ombrello");
    EXPECT_EQ(g.fase_caduta, 3);
    p.tieni(DESTRA, [&] { return g.cade; });  // down the steps and onto the crumbling ones
    p.e_in(985, -207);
    EXPECT_EQ(g.fase_caduta, 4);
    for (int n = 0; g.cade && n < 300; ++n) p.passo();
    p.e_in(985, 182);
    EXPECT_EQ(g.fase_caduta, 5);
    EXPECT_FALSE(g.fine_partita);

    // "Nella libreria del vano sotterraneo prendere il seme, la forchetta e la nuvola."
    p.leggi_pagina(910, 144, "lib7.bmp");
    p.apri_e_raccogli("seme", &Form1::stato_seme, 842, 175, "lib6.bmp");
    p.apri_e_raccogli("forchetta", &Form1::stato_forchetta, 988, 235, "lib9.bmp");
    p.apri_e_raccogli("nuvola", &Form1::stato_nuvola, 951, 205, "lib8.bmp");
    EXPECT_EQ(g.ultimo_oggetto, 3);  // vase, seed, fork, cloud

    // "Mettere il vaso alla base del cunicolo verticale, mettere il seme nel vaso, la nuvola
    // sul vaso e infine la forchetta nel vaso: scoppierà un temporale"
    p.trascina_su("vaso", 998, 255);  // where the vase then stands
    EXPECT_TRUE(g.vaso_posato);
    p.trascina_su("seme", 1000, 241);  // over the seed's place in the vase, (1025, 265)
    p.trascina_su("nuvola", 992, 175);
    EXPECT_EQ(g.fase_pianta, 0);
    p.trascina_su("forchetta", 1008, 235);
    EXPECT_EQ(g.fase_pianta, 1);
    EXPECT_EQ(g.ultimo_oggetto, -1);

    // Thunder, three seconds of rain by the clock, and the bean plant grows.
    for (int n = 0; g.fase_pianta < 2 && n < 20; ++n) p.passo();
    EXPECT_EQ(p.conta("tuono.wav Play 0"), 1);
    float prima = p.piattaforma.orologio;
    for (int n = 0; g.fase_pianta == 2 && n < 200; ++n) {
        prima = p.piattaforma.orologio;
        p.passo();
    }
    // The rain stops at the first tick three seconds after it began.
    EXPECT_GE(p.piattaforma.orologio - g.inizio_pioggia, 3.0f);
    EXPECT_LT(prima - g.inizio_pioggia, 3.0f);
    for (int n = 0; g.fase_pianta < 4 && n < 20; ++n) p.passo();
    EXPECT_EQ(g.fase_pianta, 4);
    EXPECT_EQ(g.fase_caduta, 6);
    EXPECT_EQ(p.conta("rain.wav Play 0"), 1);
    EXPECT_EQ(p.conta("rain.wav Stop"), 1);
    EXPECT_EQ(p.conta("cresce.wav Play 0"), 1);

    // "Usare la pianta come scala per uscire dal cunicolo e proseguire a destra fino al pozzo
    // verticale."
    p.sali_scala();
    p.e_in(985, 46);
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(1310, 56);

    // "Saltare dall'altro lato (Maiusc+ freccia a destra) e nella libreria al centro tra i due
    // pozzi prendere il libro della giungla."
    p.salta_a_destra();
    p.e_in(1400, 56);
    p.apri_e_raccogli("libro", &Form1::stato_libro, 1447, 17, "lib13.bmp");

    // "Saltare anche il secondo pozzo verticale e nella libreria seguente prendere il flauto
    // e la corda."
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(1415, 56);
    p.salta_a_destra();
    p.e_in(1505, 56);
    p.cammina_fino_a(1700);
    p.apri_e_raccogli("flauto", &Form1::stato_flauto, 1810, -6, "lib11.bmp");
    p.sali_scala();
    p.e_in(1700, -168);
    p.apri_e_raccogli("corda", &Form1::stato_corda, 1744, -160, "lib12.bmp");

    // "Poi tornare indietro e lasciarsi cadere nel pozzo verticale."
    p.scendi_scala();
    p.e_in(1700, 56);
    p.cammina_fino_in_fondo(SINISTRA);  // the floor drops away into shaft 2
    p.e_in(1500, 276);
    EXPECT_FALSE(g.fine_partita);

    // "Aprire il libro che si trova sul fondo e prendere il costume da Tarzan."
    p.apri_e_raccogli("tarzan", &Form1::stato_tarzan, 1502, 372, "lib10.bmp");
    EXPECT_EQ(g.ultimo_oggetto, 3);  // book, flute, rope, costume

    // "Mettere la corda sul fondo del pozzo ed dare il flauto al professore che lo userà per
    // incantarla."
    p.cammina_fino_a(1475);
    p.trascina_su("corda", 1490, 355);  // where the coiled rope then lies
    EXPECT_EQ(g.fase_corda, 1);
    p.dai_al_professore("flauto");
    EXPECT_EQ(g.fase_corda, 2);
    for (int n = 0; g.fase_corda < 3 && n < 100; ++n) p.passo();
    EXPECT_EQ(g.fase_corda, 3);
    EXPECT_EQ(p.conta("flauto.wav Play 0"), 1);

    // "Risalire utilizzando la corda come scala. Proseguire fino al baratro successivo senza
    // salire sulla libreria."
    p.sali_scala();
    p.e_in(1475, 56);
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(1880, 56);

    // "Giunti quasi sull'orlo, prendere il libro della giungla e metterlo vicino al baratro"
    p.trascina_su("libro", 1900, 40);
    EXPECT_EQ(g.fase_giungla, 1);
    p.aspetta(3);

    // "Prendere il costume da Tarzan e darlo al professore..."
    p.dai_al_professore("tarzan");
    EXPECT_TRUE(g.finale_attivo);
    EXPECT_EQ(g.ultimo_oggetto, -1);
    for (int n = 0; g.Timer1.Enabled && n < 100; ++n) p.passo();
}

// After every ending the player sees the banner and hears the jingle once, the music is off,
// the professor no longer answers the arrows, and the next key or click closes the window.
void controlla_fine(Partita& p, const Superficie& banner, int bx, int by) {
    Form1& g = p.g();
    EXPECT_TRUE(g.fine_partita);
    EXPECT_TRUE(p.banner_sulla_finestra(banner, bx, by));
    EXPECT_EQ(p.conta("fine.wav Play 0"), 1);
    EXPECT_EQ(p.audio.musica_in_corso, "");
    EXPECT_EQ(p.modulo.tempo_limite, 0);
    const float x = g.pos_x, y = g.pos_y;
    p.premi_tasto(DESTRA);
    p.aspetta(3);
    p.lascia_tasto(DESTRA);
    EXPECT_EQ(g.pos_x, x);
    EXPECT_EQ(g.pos_y, y);
    EXPECT_FALSE(p.piattaforma.terminato);
}

TEST(Partita, LaSoluzioneVinceLaPartita) {
    Partita p;
    gioca_fino_alla_vittoria(p);
    Form1& g = p.g();
    EXPECT_TRUE(g.fine_partita);
    EXPECT_FALSE(g.finale_attivo);
    EXPECT_FALSE(g.Timer1.Enabled);
    EXPECT_EQ(g.conta_finale, 60);
    EXPECT_EQ(p.conta("tarzan.wav Play 0"), 1);
    EXPECT_EQ(p.conta("musica PlaySegment symphony.mid"), 1);
    EXPECT_EQ(p.audio.musica_in_corso, "symphony.mid");
    EXPECT_EQ(p.audio.buffer["jungla.wav"]->stato, 0);
    EXPECT_TRUE(p.banner_sulla_finestra(g.Picture77, 78, 166));
    EXPECT_FALSE(p.banner_sulla_finestra(g.Picture35, 100, 171));
    EXPECT_EQ(p.conta("fine.wav Play 0"), 0);
    EXPECT_EQ(p.conta("noway.wav Play 0"), 0);  // no drop was refused
    EXPECT_TRUE(p.piattaforma.messaggi.empty());  // no error on the way
    // The arrows do nothing more; a click closes the window and ends the program.
    p.premi_tasto(DESTRA);
    EXPECT_FALSE(g.va_destra);
    EXPECT_FALSE(p.clic({240, 240}));
    EXPECT_TRUE(p.piattaforma.terminato);
    EXPECT_EQ(p.conta("End"), 1);
}

TEST(Partita, IlRagnoPrendeChiPassaSenzaDargliLaMosca) {
    Partita p;
    Form1& g = p.g();
    sali_al_primo_piano(p);
    sali_alla_seconda_libreria(p);
    sali_in_cima(p);
    p.tieni(DESTRA, [&] { return g.fine_partita; });
    EXPECT_EQ(g.fase_ragno, 1);
    EXPECT_GT(g.pos_x, 650);
    EXPECT_LT(g.pos_x, 750);
    p.aspetta(30);  // the spider climbs away with him
    EXPECT_EQ(g.ragno_y, -60);
    EXPECT_EQ(p.audio.buffer["step.wav"]->stato, 0);
    controlla_fine(p, g.Picture35, 100, 171);
    // The professor hangs under the spider at the top, field (692 - scroll_x, -60): his feet show.
    EXPECT_TRUE(p.sprite_sulla_finestra(membro(g.Picture34, 0), membro(g.Picture34, 1), 692 - g.scroll_x, -60));
    // A key that is not an arrow closes the window.
    EXPECT_FALSE(p.batti(SPAZIO, 32));
    EXPECT_TRUE(p.piattaforma.terminato);
}

TEST(Partita, PresoDalRagnoNonCamminaPiuConLaFrecciaTenuta) {
    Partita p;
    Form1& g = p.g();
    sali_al_primo_piano(p);
    sali_alla_seconda_libreria(p);
    sali_in_cima(p);
    // Right held: the desktop repeats its key-down and never sends the release.
    p.premi_tasto(DESTRA);
    for (int n = 0; !g.fine_partita && n < 200; ++n) {
        p.passo();
        p.premi_tasto(DESTRA);
    }
    ASSERT_TRUE(g.fine_partita);
    ASSERT_EQ(g.fase_ragno, 1);
    const float x = g.pos_x;
    const int sx = g.scroll_x;
    for (int n = 0; n < 100; ++n) {
        p.passo();
        p.premi_tasto(DESTRA);
    }
    EXPECT_EQ(g.pos_x, x);
    EXPECT_EQ(g.scroll_x, sx);
    EXPECT_FALSE(g.va_destra);
    EXPECT_EQ(g.fase_caduta, 1);  // no walk down the steps into the fatal fall
    EXPECT_EQ(p.audio.buffer["step.wav"]->stato, 0);
    controlla_fine(p, g.Picture35, 100, 171);
    EXPECT_TRUE(p.sprite_sulla_finestra(membro(g.Picture34, 0), membro(g.Picture34, 1), 692 - g.scroll_x, -60));
}

TEST(Partita, SenzaOmbrelloLaCadutaNelPozzoEFatale) {
    Partita p;
    Form1& g = p.g();
    prendi_la_mosca(p);
    sali_al_primo_piano(p);
    sali_alla_seconda_libreria(p);
    sali_in_cima(p);
    dai_la_mosca_al_ragno(p);
    vai_ai_gradini(p);
    p.tieni(DESTRA, [&] { return g.fine_partita; });
    p.e_in(985, 182);
    EXPECT_EQ(g.fase_caduta, 2);
    EXPECT_EQ(p.conta("crash.wav Play 0"), 1);
    EXPECT_TRUE(g.Timer1.Enabled);  // the frame loop goes on showing the ending
    p.aspetta(5);
    controlla_fine(p, g.Picture35, 100, 171);
    // The dazed professor lies where he fell, at world (985, 208).
    EXPECT_TRUE(p.sprite_sulla_finestra(membro(g.Picture62, g.fotogramma), membro(g.Picture61, g.fotogramma),
                                        985 - g.scroll_x, 208 - g.scroll_y));
    // A walking press on the field does nothing; the click that follows it closes.
    EXPECT_FALSE(p.clic({300, 300}));
    EXPECT_TRUE(p.piattaforma.terminato);
}

TEST(Partita, AlloScadereDelTempoLaPartitaFinisce) {
    Partita p(30);
    Form1& g = p.g();
    p.cammina_fino_a(100);
    // Exactly 30 seconds is still in time; the next tick after it is not.
    p.piattaforma.orologio = g.tempo_inizio + 30.0f;
    p.tick();
    EXPECT_FALSE(g.fine_partita);
    EXPECT_TRUE(g.Timer1.Enabled);
    p.passo();
    EXPECT_FALSE(g.Timer1.Enabled);
    const Superficie& banner = g.Picture36;
    controlla_fine(p, banner, (400 - banner.ScaleWidth()) / 2, (400 - banner.ScaleHeight()) / 2);
    // A letter closes the window.
    EXPECT_FALSE(p.evento([&] { g.Form_KeyDown('A', 0); }));
    EXPECT_TRUE(p.piattaforma.terminato);
}

TEST(Partita, EscChiedeEConNoSiContinua) {
    Partita p;
    Form1& g = p.g();
    p.premi_tasto(DESTRA);
    p.aspetta(4);
    EXPECT_TRUE(p.batti(ESC, 27));  // unanswered, the box gives its default: No
    ASSERT_EQ(p.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(p.piattaforma.messaggi[0].testo, "Si desidera terminare la partita in corso?");
    EXPECT_EQ(p.piattaforma.messaggi[0].titolo, "Uscita dal gioco");
    EXPECT_EQ(p.piattaforma.messaggi[0].stile, vbYesNo | vbDefaultButton2);
    EXPECT_FALSE(g.fine_partita);
    // The Esc key's own release ended the walk; the game still answers the arrows.
    const float x = g.pos_x;
    p.tieni(DESTRA, [&] { return g.pos_x == x + 20; });
    EXPECT_EQ(g.pos_x, x + 20);
    EXPECT_EQ(p.audio.musica_in_corso, "intro3.mid");

    p.piattaforma.risposte.push_back(vbNo);
    EXPECT_TRUE(p.batti(ESC, 27));
    EXPECT_FALSE(g.fine_partita);
    EXPECT_TRUE(g.Timer1.Enabled);

    p.piattaforma.risposte.push_back(vbYes);
    EXPECT_FALSE(p.batti(ESC, 27));
    EXPECT_EQ(p.piattaforma.messaggi.size(), 3u);
    EXPECT_TRUE(g.fine_partita);
    EXPECT_TRUE(p.piattaforma.terminato);
    EXPECT_EQ(p.audio.musica_in_corso, "");
    EXPECT_EQ(p.conta("fine.wav Play 0"), 0);  // quitting is no defeat
}

}  // namespace
}  // namespace didiv::test
