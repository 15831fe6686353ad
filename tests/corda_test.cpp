// The no-climbing rule, the rope rising to the flute and the jungle loop.

#include "scena_aiuto.h"

namespace didiv::test {
namespace {

constexpr Colore ROTOLO = RGB(180, 140, 90), CORDA[3] = {RGB(200, 0, 200), RGB(201, 0, 201), RGB(202, 0, 202)};

TEST(Corda, TheNoClimbingRuleHasStrictBoundsAndSticks) {
    const std::pair<float, float> fuori[] = {{1400, 276}, {1500, 276}, {1450, 200}};
    for (auto [x, y] : fuori) {
        BancoScena b;
        b.f().pos_x = x;
        b.f().pos_y = y;
        b.tick();
        EXPECT_FALSE(b.f().salita_bloccata) << x << " " << y;
    }
    BancoScena b;
    Form1& g = b.f();
    g.pos_x = 1405;
    g.pos_y = 200.5f;
    b.tick();
    EXPECT_TRUE(g.salita_bloccata);
    g.pos_x = 200;
    g.pos_y = 168;
    b.ticks(3);
    EXPECT_TRUE(g.salita_bloccata);  // walking away does not clear it

    BancoScena su;
    su.f().fase_corda = 3;
    su.f().pos_x = 1450;
    su.f().pos_y = 276;
    su.tick();
    EXPECT_FALSE(su.f().salita_bloccata);
}

// The view at (1300, 0): the rope's foot is at field (190, 394).
struct BancoCorda : BancoScena {
    BancoCorda() {
        Form1& g = f();
        piena(membro(g.Picture67, 0), membro(g.Picture67, 1), ROTOLO);
        for (int i = 0; i < 3; ++i) {
            // A white mask: a frame drawn twice in one tick would cancel itself out.
            Superficie& m = membro(g.Picture70, i);
            m = Superficie(m.ScaleWidth(), m.ScaleHeight(), RGB(255, 255, 255));
            tinta(membro(g.Picture69, i), CORDA[i]);
        }
        g.scroll_x = 1300;
        g.pos_x = 1435;
        g.pos_y = 276;
    }
    // Which frame stands there, told by its top row; -1 for none.
    int fotogramma() {
        for (int i = 0; i < 3; ++i)
            if (px(200, 394 - f().Picture69[static_cast<size_t>(i)].ScaleHeight()) == CORDA[i]) return i;
        return -1;
    }
};

TEST(Corda, TheRopeLayerByPhase) {
    BancoCorda b;
    Form1& g = b.f();
    b.tick();
    EXPECT_EQ(b.fotogramma(), -1);
    EXPECT_EQ(b.px(200, 360), NERO);
    g.fase_corda = 1;
    b.tick();
    EXPECT_EQ(b.px(1490 - 1300, 355), ROTOLO);
    EXPECT_EQ(b.px(1539 - 1300, 400 - 1), ROTOLO);
    g.fase_corda = 3;
    b.tick();
    EXPECT_EQ(b.fotogramma(), 2);
    EXPECT_EQ(b.px(190, 162), CORDA[2]);  // the tallest frame's top with the view at y 0
    EXPECT_EQ(b.px(190, 161), NERO);
    EXPECT_EQ(b.px(190, 393), CORDA[2]);
    EXPECT_EQ(b.px(190, 394), NERO);
}

TEST(Corda, TheRopeRisesInFifteenTicks) {
    BancoCorda b;
    Form1& g = b.f();
    g.fase_corda = 2;
    g.salita_bloccata = true;
    std::vector<int> conta, fotogrammi;
    for (int i = 0; i < 15; ++i) {
        b.tick();
        conta.push_back(g.conta_corda);
        fotogrammi.push_back(b.fotogramma());
        EXPECT_EQ(g.salita_bloccata, i < 14) << i;
        EXPECT_EQ(g.fase_corda, i < 14 ? 2 : 3) << i;
    }
    EXPECT_EQ(conta, (std::vector<int>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 20}));
    EXPECT_EQ(fotogrammi, (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(b.conta("flauto.wav Play 0"), 1);
    b.tick();
    EXPECT_EQ(b.fotogramma(), 2);
    EXPECT_EQ(g.conta_corda, 20);
}

TEST(Corda, TheJungleLoopsOverItsThreeFramesAndStaysInPlace) {
    BancoScena b;
    Form1& g = b.f();
    const Colore giungla[3] = {RGB(0, 80, 0), RGB(0, 90, 0), RGB(0, 100, 0)};
    // Files give the frames their own sizes.
    for (int i = 0; i < 3; ++i) g.Picture72[static_cast<size_t>(i)] = Superficie(300 + i, 600, giungla[i]);
    g.fase_giungla = 1;
    g.scroll_x = 1700;
    g.scroll_y = -300;
    std::vector<int> visti;
    for (int i = 0; i < 23; ++i) {
        if (i == 15) g.scroll_x = 1800;  // the landscape keeps its place in the world
        b.tick();
        const int x = 1885 - g.scroll_x, y = -230 - g.scroll_y;
        int n = -1;
        for (int k = 0; k < 3; ++k)
            if (b.px(x, y) == giungla[k] && b.px(x - 1, y) == NERO && b.px(x, y - 1) == NERO) n = k;
        visti.push_back(n);
    }
    EXPECT_EQ(visti, (std::vector<int>{0, 1, 1, 2, 2, 1, 1,              // 5 .. 35
                                       0, 0, 1, 1, 2, 2, 1, 1,           // 1 .. 36
                                       0, 0, 1, 1, 2, 2, 1, 1}));
    EXPECT_EQ(b.px(1885 - 1800 + 300, 100), giungla[1]);  // member 1 is 301 wide
    EXPECT_EQ(b.px(1885 - 1800 + 301, 100), NERO);
    g.fase_giungla = 2;
    b.tick();
    EXPECT_EQ(b.px(1885 - 1800 + 5, 100), NERO);
}

}  // namespace
}  // namespace didiv::test
