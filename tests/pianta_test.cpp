// The storm over the vase and the bean plant: layering, the tick-by-tick storm, the
// clock-timed rain and the growth.

#include "scena_aiuto.h"

namespace didiv::test {
namespace {

constexpr Colore FORCHETTA = RGB(1, 100, 1), VASO = RGB(150, 80, 40), NUVOLA = RGB(220, 220, 240);
constexpr Colore VERDE = RGB(0, 255, 0);
constexpr Colore TEMPESTA[5] = {RGB(250, 250, 0), RGB(250, 250, 100), RGB(0, 0, 100), RGB(0, 0, 110), RGB(0, 0, 120)};
constexpr Colore PIANTA[3] = {RGB(0, 100, 0), RGB(0, 110, 0), RGB(0, 120, 0)};

// The view at (900, -100): world (x, y) is field (x - 900, y + 100).
struct BancoPianta : BancoScena {
    BancoPianta() {
        Form1& g = f();
        piena(membro(g.Picture55, 0), membro(g.Picture55, 1), FORCHETTA);
        piena(membro(g.Picture39, 0), membro(g.Picture39, 1), VASO);
        piena(membro(g.Picture54, 0), membro(g.Picture54, 1), NUVOLA);
        for (int i = 0; i < 5; ++i) tinta(membro(g.Picture56, i), TEMPESTA[i]);
        for (int i = 0; i < 3; ++i) piena(membro(g.Picture52, i), membro(g.Picture53, i), PIANTA[i]);
        g.scroll_x = 900;
        g.scroll_y = -100;
        g.pos_x = 1300;  // far from the vase
        g.pos_y = 56;
        g.vaso_posato = g.seme_posato = g.nuvola_posata = g.forchetta_posata = true;
    }
    Colore mondo(int x, int y) { return px(x - 900, y + 100); }
    Colore tempesta() { return mondo(1000, 200); }  // inside the storm, clear of the cloud and fork
};

TEST(Pianta, BeforeTheStormTheObjectsLieInOrder) {
    BancoPianta b;
    b.tick();
    EXPECT_EQ(b.mondo(1010, 240), FORCHETTA);
    EXPECT_EQ(b.mondo(1010, 260), VASO);    // the vase covers the fork
    EXPECT_EQ(b.mondo(990, 180), NUVOLA);
    EXPECT_EQ(b.mondo(1025, 265), VERDE);   // the seed in the vase
    EXPECT_EQ(b.tempesta(), NERO);

    // The seed shows even without the vase.
    b.f().vaso_posato = false;
    b.tick();
    EXPECT_EQ(b.mondo(1010, 260), NERO);
    EXPECT_EQ(b.mondo(1025, 265), VERDE);
}

TEST(Pianta, TheStormTickByTickAndTheRainForThreeSecondsOfClock) {
    BancoPianta b;
    Form1& g = b.f();
    float& orologio = b.piattaforma.orologio;
    orologio = 50000.0f;
    g.fase_pianta = 1;

    const int conta[] = {4, 8, 12, 16, 10};
    const Colore fotogrammi[] = {TEMPESTA[0], TEMPESTA[0], TEMPESTA[1], TEMPESTA[1], TEMPESTA[1]};
    for (int i = 0; i < 5; ++i) {
        orologio += 0.06f;
        b.tick();
        EXPECT_EQ(g.conta_pianta, conta[i]) << i;
        EXPECT_EQ(b.tempesta(), fotogrammi[i]) << i;
        EXPECT_EQ(b.conta("tuono.wav Play 0"), 1) << i;
        EXPECT_EQ(b.conta("rain.wav Play 0"), 0) << i;
    }
    EXPECT_EQ(g.fase_pianta, 2);
    EXPECT_EQ(g.inizio_pioggia, orologio);  // the last thunder tick starts the rain
    const float inizio = orologio;

    const Colore pioggia[] = {TEMPESTA[2], TEMPESTA[3], TEMPESTA[4], TEMPESTA[2], TEMPESTA[3]};
    for (int i = 0; i < 5; ++i) {
        orologio = inizio + 0.5f * static_cast<float>(i);
        b.tick();
        EXPECT_EQ(b.tempesta(), pioggia[i]) << i;
        EXPECT_EQ(b.mondo(990, 180), NUVOLA) << i;
    }
    EXPECT_EQ(b.conta("rain.wav Play 0"), 1);

    orologio = inizio + 2.99f;
    b.tick();
    EXPECT_EQ(g.fase_pianta, 2);

    // Exactly three seconds ends the rain, and the growth begins in the same tick.
    orologio = inizio + 3.0f;
    b.tick();
    EXPECT_EQ(g.fase_pianta, 3);
    EXPECT_EQ(g.conta_pianta, 0);
    EXPECT_EQ(b.conta("rain.wav Stop"), 1);
    EXPECT_EQ(b.tempesta(), NERO);
    EXPECT_EQ(b.mondo(990, 180), NERO);       // the cloud has gone
    EXPECT_NE(b.mondo(1025, 265), VERDE);     // so has the seed
    EXPECT_EQ(b.conta("cresce.wav Play 0"), 1);
    EXPECT_EQ(g.conta_pianta2, 3);
    EXPECT_EQ(b.mondo(1024, 200), PIANTA[0]);
}

TEST(Pianta, ARainAcrossMidnightStillEndsAfterThreeSeconds) {
    BancoPianta b;
    Form1& g = b.f();
    g.fase_pianta = 2;
    g.conta_pianta = 20;
    g.inizio_pioggia = 86399.0f;
    b.piattaforma.orologio = 1.0f;  // two seconds later, on the new day
    b.tick();
    EXPECT_EQ(g.fase_pianta, 2);
    b.piattaforma.orologio = 2.0f;
    b.tick();
    EXPECT_EQ(g.fase_pianta, 3);
}

TEST(Pianta, ThePlantGrowsInTenTicksAndIsCentredOnTheVase) {
    BancoPianta b;
    Form1& g = b.f();
    g.fase_pianta = 3;
    // Stage 0 (23 wide) starts at 1024 - 11.5, stage 2 (45 wide) at 1024 - 22.5: both to even.
    const int stadio[] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 2};
    const int sinistra[] = {1012, 1007, 1002};
    const int alto[] = {266 - 180, 266 - 270, 266 - 360};
    for (int i = 0; i < 10; ++i) {
        b.tick();
        if (i == 0) {
            EXPECT_EQ(b.mondo(1010, 240), FORCHETTA);  // the fork shows during the growth
        }
        const int s = stadio[i];
        EXPECT_EQ(b.mondo(sinistra[s], alto[s]), PIANTA[s]) << i;
        EXPECT_NE(b.mondo(sinistra[s] - 1, alto[s]), PIANTA[s]) << i;
        EXPECT_EQ(b.mondo(1024, alto[s] - 1), NERO) << i;
        EXPECT_EQ(g.fase_pianta, i < 9 ? 3 : 4) << i;
    }
    EXPECT_EQ(g.conta_pianta2, 20);
    EXPECT_EQ(g.fase_caduta, 6);
    EXPECT_EQ(b.conta("cresce.wav Play 0"), 1);

    // Grown: the layer draws the plant itself, and the fork is gone. A one-pixel-wide stalk
    // in the middle of the picture leaves the fork's place in sight.
    auto& m = membro(g.Picture52, 2);
    auto& im = membro(g.Picture53, 2);
    m = Superficie(45, 360, RGB(255, 255, 255));
    im = Superficie(45, 360, NERO);
    for (int y = 0; y < 360; ++y) {
        m.PSet(22, y, NERO);
        im.PSet(22, y, PIANTA[2]);
    }
    g.fase_caduta = 5;
    b.tick();
    EXPECT_EQ(b.mondo(1024, 266 - 360), PIANTA[2]);
    EXPECT_EQ(b.mondo(1024, 265), PIANTA[2]);
    EXPECT_EQ(b.mondo(1010, 240), NERO);
    EXPECT_EQ(g.conta_pianta2, 20);
    EXPECT_EQ(g.fase_caduta, 5);  // set once, on the last growth tick
}

}  // namespace
}  // namespace didiv::test
