// The movement step: the whole route through the real level with real key events, and the
// corner cases of walking, climbing, jumping, falling, the view and the jungle ambience.

#include <algorithm>
#include <string>
#include <vector>

#include "../tools/generator/livello_pianta.h"
#include "banco.h"

namespace didiv::test {
namespace {

constexpr int SINISTRA = 37, SU = 38, DESTRA = 39, GIU = 40;
constexpr int SHIFT = 1;

// The game on the real level, driven by keys; every tick checks the view's limits.
struct Giro : Banco {
    Giro() {
        EXPECT_TRUE(avvia());
        f().fase_ragno = 3;  // the spider has left the passage
    }
    void giu(int tasto, int shift = 0) { evento([&] { f().Form_KeyDown(tasto, shift); }); }
    void su(int tasto) { evento([&] { f().Form_KeyUp(tasto, 0); }); }
    void passo() {
        tick();
        EXPECT_GE(static_cast<int>(f().scroll_x), 0);
        EXPECT_LE(static_cast<int>(f().scroll_x), 2200 - 400);
        EXPECT_LE(static_cast<int>(f().scroll_y), 0);
        EXPECT_GE(static_cast<int>(f().scroll_y), -400);
    }
    // Holds an arrow until the request ends by itself (or `fino` holds), then lets go.
    template <class Fino>
    int tieni(int tasto, Fino fino, int shift = 0) {
        giu(tasto, shift);
        int n = 0;
        auto attivo = [&] {
            Form1& g = f();
            return g.va_destra || g.va_sinistra || g.sale || g.scende || g.cade || g.salta_destra ||
                   g.salta_sinistra;
        };
        while (attivo() && !fino() && n < 2000) {
            passo();
            ++n;
        }
        su(tasto);
        return n;
    }
    int tieni(int tasto, int shift = 0) {
        return tieni(tasto, [] { return false; }, shift);
    }
    int cammina_fino(int tasto, float x) {
        return tieni(tasto, [&] { return f().pos_x == x; });
    }
    void in(float x, float y) {
        EXPECT_EQ(f().pos_x, x);
        EXPECT_EQ(f().pos_y, y);
    }
    // From the start to the lip of the stone pit, asserting every stop on the way.
    void fino_all_orlo() {
        in(-10, 168);
        cammina_fino(DESTRA, 270);
        in(270, 168);
        EXPECT_EQ(f().stato_pagina2, 0);
        EXPECT_EQ(tieni(SU), 25);  // 24 rungs and the tick that finds the top
        in(270, 72);
        EXPECT_EQ(audio.buffer["stairs.wav"]->stato, 0);
        tieni(DESTRA);  // L1 ends under ladder B
        in(455, 72);
        EXPECT_EQ(f().stato_pagina2, 1);
        tieni(SU);
        in(455, -108);
        tieni(DESTRA);
        in(490, -108);
        tieni(SU);
        in(490, -292);
        cammina_fino(DESTRA, 890);
        in(890, -292);
        // Down the stone steps, one step a tick.
        giu(DESTRA);
        for (int i = 1; i <= 17; ++i) {
            passo();
            in(890 + 5.0f * i, -292 + 5.0f * i);
            EXPECT_TRUE(f().su_scala);
        }
        su(DESTRA);
        in(975, -207);
    }
};

TEST(Percorso, DallInizioAllaCadutaFatale) {
    Giro g;
    g.fino_all_orlo();
    g.azzera_registro();
    g.giu(DESTRA);
    g.passo();
    // The step onto the crumbling steps goes 10 pixels and starts the fall.
    g.in(985, -207);
    EXPECT_TRUE(g.f().cade);
    EXPECT_EQ(g.f().fase_caduta, 2);
    EXPECT_EQ(g.f().x_caduta, 994);
    EXPECT_EQ(g.conta("cade.wav Play 0"), 1);
    EXPECT_EQ(g.conta("crash.wav Play 0"), 1);
    for (int n = 0; g.f().cade && n < 100; ++n) g.passo();
    g.in(985, 182);
    EXPECT_TRUE(g.f().fine_partita);
    EXPECT_EQ(g.f().vel_caduta, 0);
}

TEST(Percorso, ConLOmbrelloFinoAllaCorda) {
    Giro g;
    g.fino_all_orlo();
    g.f().fase_caduta = 3;  // the umbrella given at the lip
    g.giu(DESTRA);
    g.passo();
    EXPECT_EQ(g.f().fase_caduta, 4);
    g.su(DESTRA);
    std::vector<float> ys;
    while (g.f().cade && ys.size() < 100) {
        g.passo();
        ys.push_back(g.f().pos_y);
    }
    // 1, 2, 3 ... pixels a tick under the umbrella.
    ASSERT_GE(ys.size(), 3u);
    EXPECT_EQ(ys[0], -206);
    EXPECT_EQ(ys[1], -204);
    EXPECT_EQ(ys[2], -201);
    g.in(985, 182);
    EXPECT_FALSE(g.f().fine_partita);
    EXPECT_EQ(g.f().fase_caduta, 5);
    EXPECT_EQ(g.f().scroll_y, -81);

    // At the bottom of the pit he cannot climb until the plant has grown.
    g.giu(SU);
    g.passo();
    g.su(SU);
    g.in(985, 182);
    EXPECT_EQ(g.audio.buffer["stairs.wav"]->stato, 0);

    g.f().fase_caduta = 6;
    g.tieni(SU);
    g.in(985, 46);
    // The exit, its two steps down and the whole left rim in one walk.
    g.tieni(DESTRA);
    g.in(1310, 56);
    EXPECT_EQ(g.tieni(DESTRA, SHIFT), 9);
    g.in(1400, 56);
    g.tieni(DESTRA);
    g.in(1415, 56);
    g.tieni(DESTRA, SHIFT);
    g.in(1505, 56);
    g.cammina_fino(DESTRA, 1700);
    g.tieni(SU);
    g.in(1700, -168);
    g.cammina_fino(DESTRA, 1780);
    g.tieni(SU);
    g.in(1780, -348);
    g.tieni(GIU);
    g.in(1780, -168);
    g.cammina_fino(SINISTRA, 1700);
    g.tieni(GIU);
    g.in(1700, 56);

    // Walking left off the rim drops him down shaft 2.
    g.azzera_registro();
    g.tieni(SINISTRA);
    g.in(1500, 276);
    EXPECT_EQ(g.f().scroll_y, 0);
    EXPECT_EQ(g.f().fase_caduta, 6);
    EXPECT_FALSE(g.f().fine_partita);
    EXPECT_EQ(g.conta("cade.wav Play 0"), 1);
    EXPECT_EQ(g.conta("crash.wav Play 0"), 0);

    g.cammina_fino(SINISTRA, 1475);
    g.in(1475, 276);
    g.giu(SU);
    g.passo();
    g.su(SU);
    g.in(1475, 276);
    EXPECT_TRUE(g.f().salita_bloccata);
    EXPECT_FALSE(g.f().sale);

    g.f().fase_corda = 3;
    g.f().salita_bloccata = false;
    g.tieni(SU);
    g.in(1475, 56);
    g.tieni(DESTRA);
    g.in(1880, 56);
    EXPECT_EQ(g.f().scroll_x, 1680);  // a long walk right keeps him at the middle
}

TEST(Percorso, LaCadutaNelPozzo2AccelleraDi5) {
    Giro g;
    g.f().pos_x = 1510;
    g.f().pos_y = 56;
    g.f().scroll_x = 1300;
    g.giu(SINISTRA);
    std::vector<float> ys;
    for (int i = 0; i < 11; ++i) {
        g.passo();
        ys.push_back(g.f().pos_y);
    }
    g.su(SINISTRA);
    EXPECT_EQ(ys, (std::vector<float>{56, 61, 71, 86, 106, 131, 161, 196, 236, 281, 276}));
    EXPECT_EQ(g.f().pos_x, 1500);
    EXPECT_FALSE(g.f().cade);
}

// Every ladder, the plant and the rope, on the real level with the arrow keys. He walks along
// the floor below to each place near the ladder and holds Up: from exactly the ladder's
// columns, at least three of them 5 px apart, he climbs to the floor above, walks on from
// there and comes back down with Down; from anywhere else Up takes him nowhere. Before the
// plant has grown and before the rope is up, not one of their columns climbs.
TEST(Scala, OgniScalaSiSaleDaAlmenoTrePosti) {
    Giro g;
    Form1& f = g.f();
    auto metti = [&](int x, int y) {
        f.pos_x = static_cast<float>(x);
        f.pos_y = static_cast<float>(y);
        f.scroll_x = std::max(0, x - 200);
        f.scroll_y = std::clamp(y - 200, -400, 0);
    };
    for (const auto& s : livello::SCALE) {
        SCOPED_TRACE(s.nome);
        const livello::Pavimento* sotto = nullptr;
        for (const auto& p : livello::PAVIMENTI)
            if (p.F == s.L && p.x0 <= s.x0 && s.x1 <= p.x1) sotto = &p;
        ASSERT_NE(sotto, nullptr);
        const int giu = s.L - 116, su = s.U - 116;
        const bool pianta = std::string(s.nome) == "pianta", corda = std::string(s.nome) == "corda";
        std::vector<int> salite;
        for (int x = std::max(sotto->x0, s.x0 - 20); x <= std::min(sotto->x1, s.x1 + 20); x += 5) {
            SCOPED_TRACE(x);
            const int partenza = x - 15 >= sotto->x0 ? x - 15 : x + 15;
            metti(partenza, giu);
            f.fase_caduta = 6;
            f.fase_corda = 3;
            f.salita_bloccata = false;
            g.cammina_fino(partenza < x ? DESTRA : SINISTRA, static_cast<float>(x));
            g.in(static_cast<float>(x), static_cast<float>(giu));
            if (pianta || corda) {  // not yet grown, not yet risen
                f.fase_caduta = pianta ? 5 : 6;
                f.fase_corda = corda ? 2 : 3;
                g.tieni(SU);
                g.in(static_cast<float>(x), static_cast<float>(giu));
                f.fase_caduta = 6;
                f.fase_corda = 3;
                f.salita_bloccata = false;
            }
            g.tieni(SU);
            if (f.pos_y == static_cast<float>(giu)) continue;
            g.in(static_cast<float>(x), static_cast<float>(su));
            salite.push_back(x);
            g.cammina_fino(DESTRA, static_cast<float>(x + 5));
            g.in(static_cast<float>(x + 5), static_cast<float>(su));
            if (!corda) {  // the walkway over shaft 2 leads only away, to the right
                g.cammina_fino(SINISTRA, static_cast<float>(x));
                g.tieni(GIU);
                g.in(static_cast<float>(x), static_cast<float>(giu));
            }
        }
        std::vector<int> colonne;
        for (int c = s.x0; c <= s.x1; c += 5) colonne.push_back(c);
        EXPECT_EQ(salite, colonne);
        EXPECT_GE(salite.size(), 3u);
    }
}

// On the top floor of bookcase 3, which ends where the world does.
struct CimaDellaScalaE : Giro {
    CimaDellaScalaE() {
        // Where the walk along the rim leaves him, at the foot of ladder D.
        f().pos_x = 1700;
        f().pos_y = 56;
        f().scroll_x = 1500;
        tieni(SU);
        cammina_fino(DESTRA, 1780);
        tieni(SU);
        in(1780, -348);
        tieni(DESTRA);
        in(2000, -348);
        EXPECT_EQ(f().scroll_x, 1800);
    }
};

TEST(Vista, UnSaltoADestraNonPortaLaVistaOltreIlMondo) {
    for (float partenza : {1905.0f, 1910.0f}) {
        SCOPED_TRACE(partenza);
        CimaDellaScalaE g;
        g.cammina_fino(SINISTRA, partenza);
        EXPECT_EQ(g.tieni(DESTRA, SHIFT), 9);
        g.in(partenza + 90, -348);
        EXPECT_EQ(g.f().scroll_x, 1800);
    }
}

TEST(Vista, UnSaltoRifiutatoAlBordoNonSpostaLaVistaOltreIlMondo) {
    CimaDellaScalaE g;
    g.tieni(SINISTRA, SHIFT);
    g.in(1910, -348);
    g.tieni(DESTRA);
    g.in(2000, -348);
    EXPECT_EQ(g.tieni(DESTRA, SHIFT), 1);  // nothing to land on past the edge
    g.in(2000, -348);
    EXPECT_EQ(g.f().scroll_x, 1800);
}

// ---- corner cases on small hand-made maps ------------------------------------------

struct Mappa : Banco {
    Mappa() {
        EXPECT_TRUE(avvia());
        f().Picture8 = Superficie(400, 800);
        azzera_registro();
    }
    void bianco(int x, int y) { f().Picture8.PSet(x, y + 400, MAPPA_BIANCO); }
    void colore(int x, int y, Colore c) { f().Picture8.PSet(x, y + 400, c); }
    void metti(float x, float y, int sx = 0, int sy = 0) {
        f().pos_x = x;
        f().pos_y = y;
        f().scroll_x = sx;
        f().scroll_y = sy;
    }
};

TEST(Cammino, AllInizioASinistraSiFermaSubito) {
    Giro g;
    g.azzera_registro();
    g.giu(SINISTRA);
    g.passo();
    g.in(-10, 168);
    EXPECT_FALSE(g.f().va_sinistra);
    EXPECT_EQ(g.conta("step.wav Stop"), 1);
    EXPECT_EQ(g.f().scroll_x, 0);
}

TEST(Cammino, IlMuroFermaInUnTickMaLaVistaSegue) {
    Mappa m;
    m.metti(300, 100, 50);
    m.f().va_destra = true;
    m.tick();
    EXPECT_EQ(m.f().pos_x, 300);
    EXPECT_FALSE(m.f().va_destra);
    EXPECT_EQ(m.conta("step.wav Stop"), 1);
    EXPECT_EQ(m.f().scroll_x, 55);
    EXPECT_EQ(m.f().fase_caduta, 1);  // set even though the step was blocked
}

TEST(Cammino, LaVistaOrizzontaleHaSogliaStretta) {
    Mappa m;
    m.bianco(209, 100);
    m.metti(195, -16);  // feet on row 100
    m.f().va_destra = true;
    m.tick();  // 200 - 0 is not above 200
    EXPECT_EQ(m.f().pos_x, 200);
    EXPECT_EQ(m.f().scroll_x, 0);
    m.bianco(214, 100);
    m.tick();
    EXPECT_EQ(m.f().pos_x, 205);
    EXPECT_EQ(m.f().scroll_x, 5);
    // Left: below 200 the view follows, but never under 0.
    m.f().va_destra = false;
    m.f().va_sinistra = true;
    m.bianco(200, 100);
    m.f().scroll_x = 3;
    m.tick();
    EXPECT_EQ(m.f().pos_x, 200);
    EXPECT_EQ(m.f().scroll_x, 0);  // 3 - 5 stops at 0
}

TEST(Cammino, SolaLaPaginaDueESoloDa0) {
    Mappa m;
    m.bianco(114, 100);
    m.colore(114, 94, MAPPA_MAGENTA);
    m.metti(100, -16);
    m.f().va_destra = true;
    m.tick();
    EXPECT_EQ(m.f().stato_pagina2, 0);  // the trigger is read with the new position
    m.bianco(119, 100);
    m.colore(124, 94, MAPPA_MAGENTA);
    m.tick();
    EXPECT_EQ(m.f().stato_pagina2, 1);
    m.f().stato_pagina2 = 2;
    m.f().pos_x = 100;
    m.tick();
    m.tick();
    EXPECT_EQ(m.f().stato_pagina2, 2);
}

TEST(Cammino, ScaleRosseEBluELeLoroViste) {
    Mappa m;
    // Down the stairs to the right: the view follows down to 0 and no further.
    m.colore(114, 350, MAPPA_ROSSO);
    m.metti(100, 234, 0, -15);
    m.f().va_destra = true;
    m.tick();
    EXPECT_EQ(m.f().pos_x, 105);
    EXPECT_EQ(m.f().pos_y, 239);
    EXPECT_TRUE(m.f().su_scala);
    EXPECT_EQ(m.f().scroll_y, -10);
    m.colore(119, 355, MAPPA_ROSSO);
    m.f().scroll_y = -2;
    m.tick();
    EXPECT_EQ(m.f().scroll_y, 0);
    m.tick();  // nothing left to step on
    EXPECT_FALSE(m.f().su_scala);

    // Up the stairs to the left: the view follows up to -400 and no further.
    Mappa n;
    n.colore(95, -250, MAPPA_BLU);
    n.metti(100, -366, 0, -398);
    n.f().va_sinistra = true;
    n.tick();
    EXPECT_EQ(n.f().pos_x, 95);
    EXPECT_EQ(n.f().pos_y, -371);
    EXPECT_EQ(n.f().scroll_y, -400);
    // Blue to the right climbs without moving the view; red to the left descends likewise.
    Mappa o;
    o.colore(114, 100, MAPPA_BLU);
    o.colore(100, 95, MAPPA_ROSSO);
    o.metti(100, -16, 0, -300);
    o.f().va_destra = true;
    o.tick();
    EXPECT_EQ(o.f().pos_y, -21);
    EXPECT_EQ(o.f().scroll_y, -300);
    o.f().va_destra = false;
    o.f().va_sinistra = true;
    o.tick();
    EXPECT_EQ(o.f().pos_x, 100);
    EXPECT_EQ(o.f().pos_y, -16);
    EXPECT_EQ(o.f().scroll_y, -300);
}

TEST(Cammino, UnColoreQuasiBiancoBlocca) {
    Mappa m;
    m.colore(114, 100, RGB(255, 255, 254));
    m.metti(100, -16);
    m.f().va_destra = true;
    m.tick();
    EXPECT_EQ(m.f().pos_x, 100);
    EXPECT_FALSE(m.f().va_destra);
}

TEST(Cammino, ASinistraNelPozzoNonEFatale) {
    Mappa m;
    m.bianco(95, 100);
    for (int y = 105; y <= 120; ++y) m.colore(90, y, MAPPA_VERDE);
    m.metti(100, -16);
    m.f().fase_caduta = 1;
    m.f().va_sinistra = true;
    m.tick();
    EXPECT_EQ(m.f().pos_x, 90);
    EXPECT_EQ(m.f().x_caduta, 90);
    EXPECT_TRUE(m.f().cade);
    EXPECT_FALSE(m.f().va_sinistra);
    EXPECT_EQ(m.conta("cade.wav Play 0"), 1);
    EXPECT_EQ(m.conta("crash.wav Play 0"), 0);
    m.tick();  // 105 green: 5
    m.tick();  // 110 green: 10
    EXPECT_EQ(m.f().pos_y, -1);
    m.tick();  // 120 green: 15
    EXPECT_EQ(m.f().pos_y, 14);
    m.tick();  // 135 is not: lands 5 higher, not fatal, phase kept
    EXPECT_EQ(m.f().pos_y, 9);
    EXPECT_FALSE(m.f().cade);
    EXPECT_FALSE(m.f().fine_partita);
    EXPECT_EQ(m.f().fase_caduta, 1);
    EXPECT_EQ(m.f().vel_caduta, 0);
}

TEST(Salto, ABersaglioNonBiancoFiniscePrimaDiMuoversi) {
    Giro g;
    g.f().pos_x = 250;
    g.giu(DESTRA, SHIFT);
    EXPECT_EQ(g.f().meta_salto, 340);
    g.passo();
    g.su(DESTRA);
    g.in(250, 168);
    EXPECT_FALSE(g.f().salta_destra);
    EXPECT_EQ(g.f().scroll_x, 20);  // the view still moves

    Giro h;  // off the map at the left edge
    h.giu(SINISTRA, 4);
    h.passo();
    h.in(-10, 168);
    EXPECT_FALSE(h.f().salta_sinistra);
    EXPECT_EQ(h.f().scroll_x, 0);
}

TEST(Salto, SuUnPozzoCominciaACadereNellaColonnaDiArrivo) {
    Mappa m;
    m.bianco(190, 100);
    m.colore(190, 105, MAPPA_VERDE);
    m.metti(100, -16);
    m.f().fase_caduta = 1;
    m.f().salta_destra = true;
    m.f().meta_salto = 190;
    for (int i = 0; i < 9; ++i) m.tick();
    EXPECT_EQ(m.f().pos_x, 190);
    EXPECT_FALSE(m.f().salta_destra);
    EXPECT_TRUE(m.f().cade);
    EXPECT_EQ(m.f().x_caduta, 190);
    EXPECT_EQ(m.f().fase_caduta, 1);
    EXPECT_EQ(m.conta("crash.wav Play 0"), 0);

    // Left: the jump stops once at or past its target and the view follows down to 0.
    Mappa n;
    n.bianco(16, 100);
    n.metti(100, -16, 10);
    n.f().salta_sinistra = true;
    n.f().meta_salto = 16;
    for (int i = 0; i < 9; ++i) n.tick();
    EXPECT_EQ(n.f().pos_x, 10);
    EXPECT_FALSE(n.f().salta_sinistra);
    EXPECT_FALSE(n.f().cade);
    EXPECT_EQ(n.f().scroll_x, 0);
}

TEST(Caduta, OltreIlVerdeAtterraSenzaGuardareIlPavimento) {
    Mappa m;
    for (int y = 0; y <= 20; ++y) m.colore(50, y, MAPPA_VERDE);
    m.metti(30, -121, 0, -300);
    m.f().cade = true;
    m.f().x_caduta = 50;
    m.f().fase_caduta = 2;
    m.tick();  // row 0 green: 5 down
    m.tick();  // row 5 green: 10 down
    m.tick();  // row 15 green: 15 down, past the end of the green
    EXPECT_EQ(m.f().pos_y, -91);
    m.tick();  // row 30 is black: the fatal landing
    EXPECT_EQ(m.f().pos_y, 182);
    EXPECT_TRUE(m.f().fine_partita);
    EXPECT_FALSE(m.f().cade);
    // The view follows a fall by its speed, down to 0.
    Mappa n;
    for (int y = 0; y <= 400; ++y) n.colore(50, y, MAPPA_VERDE);
    n.metti(30, 190, 0, -12);
    n.f().cade = true;
    n.f().x_caduta = 50;
    n.tick();
    EXPECT_EQ(n.f().scroll_y, -7);
    n.tick();
    EXPECT_EQ(n.f().scroll_y, 0);
}

TEST(Scala, LaVistaVerticaleSegueSoloMentreSiSale) {
    Mappa m;
    for (int y = -280; y <= -250; ++y) m.bianco(100, y);
    for (int y = 80; y <= 110; ++y) m.bianco(100, y);
    m.metti(100, -366, 0, -398);
    m.f().sale = true;
    m.tick();
    EXPECT_EQ(m.f().pos_y, -370);
    EXPECT_EQ(m.f().scroll_y, -400);
    // At the top the climb ends and the view stays.
    m.metti(100, -40, 0, -200);
    m.tick();
    EXPECT_FALSE(m.f().sale);
    EXPECT_EQ(m.f().scroll_y, -200);
    // Down: the view moves while the climb goes on, up to 0.
    m.metti(100, -16, 0, -218);
    m.f().scende = true;
    m.tick();
    EXPECT_EQ(m.f().pos_y, -12);
    EXPECT_EQ(m.f().scroll_y, -213);
}

TEST(Scala, RifiutataInFase5ESulBloccoDellaSalita) {
    Mappa m;
    for (int y = 0; y <= 200; ++y) m.bianco(100, y);
    m.metti(100, 0);
    for (bool blocco : {false, true}) {
        m.f().fase_caduta = blocco ? 6 : 5;
        m.f().salita_bloccata = blocco;
        m.f().sale = true;
        m.f().suono_stairs.Play(DSBPLAY_LOOPING);
        m.tick();
        EXPECT_FALSE(m.f().sale);
        EXPECT_EQ(m.f().pos_y, 0);
        EXPECT_EQ(m.audio.buffer["stairs.wav"]->stato, 0);
    }
    // Down is refused only in phase 5; the no-climb zone does not stop it.
    m.f().fase_caduta = 5;
    m.f().scende = true;
    m.tick();
    EXPECT_FALSE(m.f().scende);
    EXPECT_EQ(m.f().pos_y, 0);
    m.f().fase_caduta = 6;
    m.f().scende = true;
    m.tick();
    EXPECT_EQ(m.f().pos_y, 4);
}

TEST(Ordine, IlPrimoRichiestoVinceEGliAltriAspettano) {
    Mappa m;
    m.bianco(114, 100);
    for (int y = 80; y <= 100; ++y) m.bianco(100, y);
    m.metti(100, -16);
    m.f().sale = true;
    m.f().va_destra = true;
    m.tick();
    EXPECT_EQ(m.f().pos_x, 105);
    EXPECT_EQ(m.f().pos_y, -16);
    EXPECT_TRUE(m.f().sale);
}

TEST(Errori, UnSuonoMancanteTaceEIlPassoProsegue) {
    Mappa m;
    m.f().suono_step.svuota();  // its file was reported when the slots were filled
    m.metti(100, -16);
    m.f().va_destra = true;
    m.tick();
    EXPECT_TRUE(m.piattaforma.messaggi.empty());
    EXPECT_FALSE(m.f().va_destra);
    EXPECT_EQ(m.f().scroll_x, 0);
}

// ---- the jungle ambience -----------------------------------------------------------

struct Giungla : Mappa {
    Giungla() {
        f().Picture8 = [&] {
            Superficie s(2200, 800);
            for (int x = 1800; x < 1900; ++x) s.PSet(x, 500, MAPPA_BIANCO);
            return s;
        }();
        metti(1855, -16, 1650);
        f().fase_giungla = 1;
        azzera_registro();
    }
};

TEST(Giungla, OltreIlBordoLaMusicaTaceEIlLoopVa) {
    Giungla g;
    g.f().va_destra = true;
    g.tick();  // 1860
    EXPECT_EQ(g.f().pos_x, 1860);
    EXPECT_EQ(g.audio.buffer["jungla.wav"]->stato, 5);
    EXPECT_EQ(g.audio.musica_in_corso, "");
    EXPECT_EQ(g.conta("jungla.wav Play 1"), 1);
    // Music switched on again is silenced at the next tick; the loop goes on.
    g.f().va_destra = false;
    g.evento([&] { g.f().Form_KeyPress(109); });
    g.evento([&] { g.f().Form_KeyPress(109); });
    EXPECT_EQ(g.audio.musica_in_corso, "intro3.mid");
    g.tick();
    EXPECT_EQ(g.audio.musica_in_corso, "");
    EXPECT_EQ(g.conta("jungla.wav Stop"), 0);
    // Back to 1859 or less: the loop stops and the music comes back.
    g.f().va_sinistra = true;
    g.tick();
    EXPECT_EQ(g.f().pos_x, 1855);
    EXPECT_EQ(g.audio.buffer["jungla.wav"]->stato, 0);
    EXPECT_EQ(g.audio.musica_in_corso, "intro3.mid");
}

TEST(Giungla, ConLaMusicaSpentaNonLaRiaccende) {
    Giungla g;
    g.f().musica_attiva = false;
    g.f().pos_x = 1865;
    g.tick();
    EXPECT_EQ(g.audio.buffer["jungla.wav"]->stato, 5);
    EXPECT_EQ(g.conta("musica StopMusica"), 0);
    g.f().pos_x = 1859;
    g.tick();
    EXPECT_EQ(g.audio.buffer["jungla.wav"]->stato, 0);
    EXPECT_EQ(g.audio.musica_in_corso, "intro3.mid");  // still the tune of the start
    EXPECT_EQ(g.conta("musica PlaySegment intro3.mid"), 0);
    // A status of exactly 1 (played once) is left alone beyond the edge.
    g.audio.buffer["jungla.wav"]->stato = 1;
    g.f().pos_x = 1900;
    g.azzera_registro();
    g.tick();
    EXPECT_EQ(g.conta("jungla.wav Play 1"), 0);
    // With the jungle closed nothing is switched at all.
    g.f().fase_giungla = 2;
    g.audio.buffer["jungla.wav"]->stato = 0;
    g.tick();
    EXPECT_EQ(g.conta("jungla.wav Play 1"), 0);
}

}  // namespace
}  // namespace didiv::test
