// The spider: guarding, the catch and its once-only ending, the chase after the fly.

#include "platform/casuale.h"
#include "scena_aiuto.h"

namespace didiv::test {
namespace {

constexpr Colore FILO = RGB(200, 200, 200), RAGNO[3] = {RGB(60, 0, 0), RGB(61, 0, 0), RGB(62, 0, 0)};
constexpr Colore APPESO = RGB(0, 90, 200), BIANCO = RGB(255, 255, 255);

struct BancoRagno : BancoScena {
    BancoRagno() {
        Form1& g = f();
        tinta(g.Picture33, FILO);
        for (int i = 0; i < 3; ++i) piena(membro(g.Picture31, i), membro(g.Picture32, i), RAGNO[i]);
        piena(membro(g.Picture34, 0), membro(g.Picture34, 1), APPESO);
        tinta(g.Picture35, RGB(192, 57, 43));
        g.scroll_x = 400;
        g.scroll_y = -400;
        g.pos_y = -292;
        g.pos_x = 600;
    }
    // The spider's body column on the field: (680 - scroll_x + ragno_dx) + 50.
    Colore corpo(int y) { return px(680 - 400 + f().ragno_dx + 50, y); }
};

TEST(Ragno, ThePassageBeginsAtMinusTwoHundred) {
    BancoRagno b;
    Form1& g = b.f();
    g.pos_y = -199.9f;
    g.ragno_y = 30;
    b.tick();
    EXPECT_EQ(g.ragno_y, 30);
    EXPECT_EQ(g.passo_ragno, 0);
    EXPECT_EQ(b.corpo(31), NERO);

    g.pos_y = -200;
    b.tick();
    EXPECT_EQ(g.ragno_y, 37);
    EXPECT_EQ(g.passo_ragno, 1);
    EXPECT_EQ(b.corpo(31), RAGNO[0]);  // drawn where it was before the move
    EXPECT_EQ(b.px(728 - 400, 29), FILO);
}

TEST(Ragno, AtTheLeftEdgeItWaitsAtTheTopAndOutsideItIsReset) {
    BancoRagno b;
    Form1& g = b.f();
    g.pos_x = 510;
    b.ticks(3);
    EXPECT_EQ(g.ragno_y, -60);
    EXPECT_EQ(g.passo_ragno, 3);
    g.pos_x = 515;
    b.tick();
    EXPECT_EQ(g.ragno_y, -53);
    b.ticks(30);
    EXPECT_EQ(g.ragno_y, 100);  // it stays at the lowest point
    EXPECT_EQ(g.fase_ragno, 0);

    g.pos_y = 168;  // leaving downwards keeps its height
    b.tick();
    EXPECT_EQ(g.ragno_y, 100);
    g.pos_y = -292;
    g.pos_x = 805;  // leaving sideways puts it back at the top
    b.tick();
    EXPECT_EQ(g.ragno_y, -60);
}

TEST(Ragno, LegFramesFollowTheWalkSequence) {
    BancoRagno b;
    Form1& g = b.f();
    g.ragno_y = 0;
    g.pos_x = 520;
    std::vector<Colore> visti;
    for (int i = 0; i < 5; ++i) {
        const int y = g.ragno_y + 30;
        b.tick();
        visti.push_back(b.corpo(y));
    }
    EXPECT_EQ(visti, (std::vector<Colore>{RAGNO[0], RAGNO[1], RAGNO[0], RAGNO[2], RAGNO[0]}));
}

TEST(Ragno, CatchesOnlyStrictlyInsideTheZoneOnceLowEnough) {
    for (float x : {650.0f, 750.0f}) {
        BancoRagno b;
        b.f().ragno_y = 100;
        b.f().pos_x = x;
        b.tick();
        EXPECT_EQ(b.f().fase_ragno, 0) << x;
    }
    BancoRagno b;
    Form1& g = b.f();
    g.ragno_y = 80;
    g.pos_x = 655;
    g.vel_ragno = 0;
    b.tick();
    EXPECT_EQ(g.fase_ragno, 0);  // 80 is not low enough
    g.vel_ragno = 7;
    b.tick();
    EXPECT_EQ(g.fase_ragno, 1);
    EXPECT_EQ(g.vel_ragno, -7);
}

TEST(Ragno, TheCatchEndsTheGameOnceAndTheSpiderPresentsItself) {
    BancoRagno b;
    Form1& g = b.f();
    b.modulo.tempo_limite = 300;
    g.ragno_y = 100;
    g.pos_x = 700;
    b.tick();
    ASSERT_EQ(g.fase_ragno, 1);
    EXPECT_FALSE(g.fine_partita);  // the catch tick still runs to its end
    const int passo = g.passo;

    b.tick();
    EXPECT_TRUE(g.fine_partita);
    EXPECT_EQ(g.ragno_y, 93);
    EXPECT_EQ(b.px(692 - 400 + 40, 93 + 5), APPESO);  // after the move, 7 px above the spider
    EXPECT_EQ(b.modulo.tempo_limite, 0);
    EXPECT_EQ(g.passo, passo);  // the frame loop stopped after the layer
    // The spider itself put the field on the window, banner included.
    EXPECT_EQ(g.finestra.Point(40 + 100, 40 + 171), RGB(192, 57, 43));
    EXPECT_EQ(g.finestra.Point(40 + 692 - 400 + 40, 40 + 98), APPESO);

    b.ticks(30);
    EXPECT_EQ(g.ragno_y, -60);
    EXPECT_EQ(b.conta("fine.wav Play 0"), 1);
    EXPECT_EQ(b.conta("step.wav Stop"), 1);
    EXPECT_TRUE(b.audio.musica_in_corso.empty());
    EXPECT_EQ(b.conta("musica StopMusica"), 1);
}

TEST(Ragno, TheCatchEndsEveryWalkClimbAndJumpInForce) {
    BancoRagno b;
    Form1& g = b.f();
    g.ragno_y = 100;
    g.pos_x = 695;
    g.va_destra = g.va_sinistra = g.sale = g.scende = g.salta_destra = g.salta_sinistra = true;
    g.meta_salto = 785;
    g.suono_step.Play(DSBPLAY_LOOPING);
    g.suono_stairs.Play(DSBPLAY_LOOPING);
    b.tick();
    ASSERT_EQ(g.fase_ragno, 1);
    b.tick();  // the first tick of the banner
    ASSERT_TRUE(g.fine_partita);
    EXPECT_FALSE(g.va_destra || g.va_sinistra || g.sale || g.scende || g.salta_destra || g.salta_sinistra);
    EXPECT_EQ(b.audio.buffer["step.wav"]->stato, 0);
    EXPECT_EQ(b.audio.buffer["stairs.wav"]->stato, 0);
    const float x = g.pos_x, y = g.pos_y;
    const int sx = g.scroll_x, sy = g.scroll_y;
    b.ticks(30);
    EXPECT_EQ(g.pos_x, x);
    EXPECT_EQ(g.pos_y, y);
    EXPECT_EQ(g.scroll_x, sx);
    EXPECT_EQ(g.scroll_y, sy);
    EXPECT_EQ(g.ragno_y, -60);  // the rest of the catch goes on as before
}

TEST(Ragno, TheChaseDriftsWithTheRandomNumbersAndEndsAtTheTop) {
    BancoRagno b;
    Form1& g = b.f();
    // The fly given while he was away: the spider waits at -60 still heading down.
    g.ragno_y = -60;
    g.fase_ragno = 2;
    g.preso_x = 200;
    g.preso_y = 150;
    g.pos_x = 600;
    GeneratoreCasuale rnd;

    int px = 200, py = 150, dx = 0;
    const int altezze[] = {-53, -57, -60};
    for (int i = 0; i < 3; ++i) {
        const int a = static_cast<int>(std::floor(10.0f * rnd.Rnd()));
        const int bb = static_cast<int>(std::floor(5.0f * rnd.Rnd()));
        px += bb - a;
        py += bb - a;
        dx -= bb;
        b.tick();
        EXPECT_EQ(g.ragno_y, altezze[i]) << i;
        EXPECT_EQ(g.preso_x, px) << i;
        EXPECT_EQ(g.preso_y, py) << i;
        EXPECT_EQ(g.ragno_dx, dx) << i;
        EXPECT_EQ(b.px(px, py), BIANCO) << i;
        EXPECT_EQ(g.vel_ragno, -4);
    }
    EXPECT_EQ(g.fase_ragno, 3);

    // Gone for good: nothing of it is drawn and no random number is drawn.
    b.tick();
    EXPECT_EQ(g.preso_x, px);
    EXPECT_EQ(b.px(px, py), NERO);
}

TEST(Ragno, AChaseAtTheLeftEdgeEndsInTheFirstCall) {
    BancoRagno b;
    Form1& g = b.f();
    g.fase_ragno = 2;
    g.ragno_y = 50;
    g.pos_x = 510;
    b.tick();
    EXPECT_EQ(g.fase_ragno, 3);
}

}  // namespace
}  // namespace didiv::test
