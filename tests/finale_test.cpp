// The final animation, call by call: the vine, the cry, the chest beating, the swing and
// the banner, then the frame loop stopped for good.

#include "scena_aiuto.h"

namespace didiv::test {
namespace {

constexpr Colore LIANA = RGB(30, 120, 30), ALTALENA = RGB(120, 60, 20), VITTORIA = RGB(217, 166, 46);
constexpr Colore PROF[3] = {RGB(200, 150, 0), RGB(201, 151, 0), RGB(202, 152, 0)};

// The professor at (1860, 56) with the view at the world's right edge (1800, -100): his box
// is at field (60, 156); the vine hangs at field x 120 with its bottom row at 6 + d, the
// swing at x 60 + s.
struct BancoFinale : BancoScena {
    BancoFinale() {
        Form1& g = f();
        piena(membro(g.Picture75, 0), membro(g.Picture75, 1), LIANA);
        piena(membro(g.Picture76, 0), membro(g.Picture76, 1), ALTALENA);
        for (int i = 0; i < 3; ++i) piena(membro(g.Picture73, i), membro(g.Picture74, i), PROF[i]);
        tinta(g.Picture77, VITTORIA);
        g.pos_x = 1860;
        g.pos_y = 56;
        g.scroll_x = 1800;
        g.scroll_y = -100;
        g.fase_giungla = 1;
        g.musica_attiva = false;  // the win tune plays whatever the music switch says
        g.finale_attivo = true;
    }
    int fondo_liana() {
        int fondo = -1;
        for (int y = 0; y < 400; ++y)
            if (px(145, y) == LIANA) fondo = y;
        return fondo;
    }
    int professore() {
        for (int i = 0; i < 3; ++i)
            if (px(70, 200) == PROF[i]) return i;
        return -1;
    }
    bool altalena() {
        for (int x = 0; x < 400; ++x)
            if (px(x, 150) == ALTALENA) return true;
        return false;
    }
};

TEST(Finale, TheWholeScheduleCallByCall) {
    BancoFinale b;
    Form1& g = b.f();
    b.audio.buffer["jungla.wav"]->stato = 5;  // the ambience is looping when it starts
    for (int chiamata = 1; chiamata <= 59; ++chiamata) {
        SCOPED_TRACE(chiamata);
        ASSERT_TRUE(g.Timer1.Enabled);
        b.tick();
        const int c = g.conta_finale, f = g.fotogramma_finale, d = g.discesa_liana, s = g.spostamento_liana;
        EXPECT_EQ(c, chiamata < 30 ? chiamata : chiamata + 1);
        EXPECT_EQ(d, std::min(chiamata, 15) * 10);
        EXPECT_EQ(s, chiamata < 39 ? 0 : (chiamata - 38) * 20);
        EXPECT_EQ(b.conta("tarzan.wav Play 0"), chiamata < 30 ? 0 : 1);
        EXPECT_EQ(b.conta("musica PlaySegment symphony.mid"), chiamata < 41 ? 0 : 1);
        EXPECT_EQ(g.fase_giungla, chiamata < 41 ? 1 : 2);
        if (chiamata <= 40) {
            const int atteso = chiamata < 30 ? 0 : chiamata == 30 ? 2 : chiamata <= 38 ? (chiamata % 2 ? 1 : 2) : 0;
            EXPECT_EQ(f, atteso);
            EXPECT_EQ(b.professore(), atteso);
            EXPECT_EQ(b.fondo_liana(), 6 + d);
            EXPECT_FALSE(b.altalena());
        } else {
            EXPECT_EQ(b.professore(), -1);
            EXPECT_FALSE(b.altalena() && b.fondo_liana() >= 0);
            if (60 + s < 400) {
                // Its left column and its bottom row, 2 px lower each call.
                EXPECT_EQ(b.px(60 + s, -193 + 369 + s / 10 - 1), ALTALENA);
                EXPECT_EQ(b.px(60 + s - 1, 100), NERO);
                EXPECT_EQ(b.px(60 + s, -193 + 369 + s / 10), NERO);
            }
        }
        EXPECT_EQ(g.finale_attivo, chiamata < 59);
        EXPECT_EQ(g.fine_partita, chiamata == 59);
    }
    EXPECT_FALSE(g.Timer1.Enabled);
    EXPECT_EQ(b.px(78, 166), VITTORIA);
    EXPECT_EQ(b.px(77, 166), NERO);
    EXPECT_EQ(b.px(322, 234), VITTORIA);
    EXPECT_EQ(g.finestra.Point(40 + 78, 40 + 166), VITTORIA);  // the last frame is still presented
    EXPECT_EQ(b.audio.buffer["jungla.wav"]->stato, 0);
    EXPECT_EQ(b.audio.musica_in_corso, "symphony.mid");

    b.ticks(5);
    EXPECT_EQ(g.conta_finale, 60);
}

TEST(Finale, TheBannerLiesOverTheLastSwing) {
    BancoFinale b;
    Form1& g = b.f();
    g.conta_finale = 58;
    g.discesa_liana = 150;
    g.spostamento_liana = 400;
    g.pos_x = 1800 - 320;  // so that the swing at s = 420 covers the banner's place
    b.tick();
    EXPECT_FALSE(g.Timer1.Enabled);
    EXPECT_EQ(b.px(100, 200), VITTORIA);
    EXPECT_EQ(b.px(110, 5), ALTALENA);
}

TEST(Finale, ATimeLimitCannotEndTheGameOnceTheSequenceRuns) {
    BancoFinale b;
    Form1& g = b.f();
    b.modulo.tempo_limite = 100;
    g.tempo_inizio = b.piattaforma.orologio - 99.0f;
    b.tick();
    EXPECT_EQ(b.modulo.tempo_limite, 0);
    b.piattaforma.orologio += 30.0f;
    b.ticks(3);
    EXPECT_TRUE(g.Timer1.Enabled);
    EXPECT_FALSE(g.fine_partita);
    EXPECT_EQ(g.conta_finale, 4);
}

}  // namespace
}  // namespace didiv::test
