// The bookshelf layer: which overlays each tick shows, in which order, and the crumbling steps.

#include "scena_aiuto.h"

namespace didiv::test {
namespace {

constexpr Colore FORCHETTA = RGB(10, 200, 10), FORCHETTA_TITOLO = RGB(20, 210, 20);
constexpr Colore NUVOLA = RGB(30, 30, 220), NUVOLA_TITOLO = RGB(40, 40, 230);
constexpr Colore GRADINI[4] = {RGB(100, 0, 0), RGB(110, 0, 0), RGB(120, 0, 0), RGB(130, 0, 0)};
constexpr Colore OMBRELLO = RGB(200, 100, 50), DORSO_OMBRELLO = RGB(201, 101, 51);
constexpr Colore PAGINA1 = RGB(1, 2, 3), ROSSO = RGB(150, 0, 0), ROSSO_ACCESO = RGB(250, 0, 0);

TEST(Libri, PointedBooksAreDrawnInTableOrderEachLabelOverItsSpine) {
    BancoScena b;
    Form1& g = b.f();
    BancoScena::tinta(g.Picture49, FORCHETTA);
    BancoScena::tinta(g.Picture48, FORCHETTA_TITOLO);
    BancoScena::tinta(g.Picture51, NUVOLA);
    BancoScena::tinta(g.Picture47, NUVOLA_TITOLO);
    g.stato_forchetta = 1;
    g.stato_nuvola = 1;
    g.scroll_x = 800;
    b.tick();
    EXPECT_EQ(b.px(980 - 800, 240), FORCHETTA);
    EXPECT_EQ(b.px(980 - 800, 230), NUVOLA_TITOLO);  // the cloud label lies over the fork spine
    EXPECT_EQ(b.px(990 - 800, 240), FORCHETTA_TITOLO);  // the fork label covers its spine
    EXPECT_EQ(b.px(1000 - 800, 240), FORCHETTA_TITOLO);
    EXPECT_EQ(b.px(1000 - 800, 234), NUVOLA_TITOLO);    // the cloud comes after the fork
    EXPECT_EQ(b.px(946 - 800, 194), NUVOLA);

    // 0, 2 and 3 are not "pointed at".
    for (int stato : {0, 2, 3}) {
        g.stato_forchetta = stato;
        g.stato_nuvola = stato;
        b.tick();
        EXPECT_EQ(b.px(1000 - 800, 240), NERO) << stato;
        EXPECT_EQ(b.px(946 - 800, 194), NERO) << stato;
    }
}

TEST(Libri, WhileTheSpiderHoldsTheProfessorTheLayerStopsAfterIt) {
    BancoScena b;
    Form1& g = b.f();
    BancoScena::tinta(g.Picture21, PAGINA1);
    BancoScena::tinta(membro(g.Picture23, 1), ROSSO_ACCESO);
    BancoScena::tinta(g.Picture24, DORSO_OMBRELLO);
    g.pagina1_attiva = true;
    g.stato_pagina2 = 1;
    g.stato_ombrello = 1;
    g.scroll_x = 100;
    g.scroll_y = -200;

    g.fase_ragno = 1;
    b.tick();
    EXPECT_EQ(b.px(114 - 100, 149 + 200), PAGINA1);
    EXPECT_EQ(b.px(398 - 100, 171 + 200), ROSSO_ACCESO);
    EXPECT_EQ(b.px(466 - 100, 10 + 200), NERO);

    // Chasing the fly does not stop the layer; gone does not call the spider at all.
    g.fase_ragno = 2;
    b.tick();
    EXPECT_EQ(b.px(466 - 100, 10 + 200), DORSO_OMBRELLO);
}

TEST(Libri, TheSpiderIsCalledUntilItIsGone) {
    BancoScena b;
    Form1& g = b.f();
    g.pos_x = 700;
    g.pos_y = -292;
    g.fase_ragno = 2;
    b.tick();
    EXPECT_EQ(g.passo_ragno, 1);
    g.fase_ragno = 3;
    g.ragno_y = 40;
    b.tick();
    EXPECT_EQ(g.passo_ragno, 1);
    EXPECT_EQ(g.ragno_y, 40);
}

TEST(Libri, CollapsedStepsFromPhaseTwoAndTheUmbrellaOnlyInPhaseThree) {
    BancoScena b;
    Form1& g = b.f();
    BancoScena::tinta(membro(g.Picture38, 3), GRADINI[3]);
    BancoScena::piena(membro(g.Picture41, 0), membro(g.Picture41, 1), OMBRELLO);
    g.scroll_x = 800;
    g.scroll_y = -300;
    g.pos_x = 1100.5f;  // 300.5 on the field: ties go to the even pixel
    g.pos_y = 0;

    g.fase_caduta = 3;
    b.tick();
    EXPECT_EQ(b.px(1004 - 800, -104 + 300), GRADINI[3]);
    EXPECT_EQ(b.px(300, 360), OMBRELLO);
    EXPECT_EQ(b.px(299, 360), NERO);
    EXPECT_EQ(b.px(364, 399), OMBRELLO);
    EXPECT_EQ(b.px(365, 360), NERO);

    for (int fase : {2, 4, 5, 6}) {
        g.fase_caduta = fase;
        b.tick();
        EXPECT_EQ(b.px(1004 - 800, -104 + 300), GRADINI[3]) << fase;
        EXPECT_EQ(b.px(300, 360), NERO) << fase;
    }
    g.fase_caduta = 0;
    b.tick();
    EXPECT_EQ(b.px(1004 - 800, -104 + 300), NERO);
}

TEST(Libri, StepsCrumbleInATwentyOneTickCycleOnceHePassesEightEighty) {
    BancoScena b;
    Form1& g = b.f();
    for (int i = 0; i < 4; ++i) BancoScena::tinta(membro(g.Picture38, i), GRADINI[i]);
    g.scroll_x = 800;
    g.scroll_y = -300;
    g.fase_caduta = 1;
    const int x = 1004 - 800 + 5, y = -104 + 300 + 5;

    g.pos_x = 875;
    b.tick();
    EXPECT_EQ(b.px(x, y), NERO);
    EXPECT_EQ(g.conta_crolla, 0);

    g.pos_x = 880;
    std::vector<Colore> visti;
    for (int i = 0; i < 22; ++i) {
        b.tick();
        visti.push_back(b.px(x, y));
    }
    std::vector<Colore> attesi(10, GRADINI[0]);
    attesi.insert(attesi.end(), 10, GRADINI[1]);
    attesi.push_back(GRADINI[2]);
    attesi.push_back(GRADINI[0]);
    EXPECT_EQ(visti, attesi);
    EXPECT_EQ(g.conta_crolla, 1);

    // Letting go stops the crumbling; it resumes at the same count.
    g.fase_caduta = 0;
    b.ticks(3);
    EXPECT_EQ(g.conta_crolla, 1);
    g.fase_caduta = 1;
    b.ticks(9);
    EXPECT_EQ(b.px(x, y), GRADINI[0]);
    b.tick();
    EXPECT_EQ(b.px(x, y), GRADINI[1]);
}

TEST(Libri, RedBookAndCostumeBookFollowTheirStates) {
    BancoScena b;
    Form1& g = b.f();
    BancoScena::tinta(membro(g.Picture23, 0), ROSSO);
    BancoScena::tinta(membro(g.Picture23, 1), ROSSO_ACCESO);
    BancoScena::tinta(membro(g.Picture57, 0), RGB(0, 0, 90));
    BancoScena::tinta(membro(g.Picture57, 1), RGB(0, 0, 190));
    const int rx = 398 - 200, ry = 171, cx = 1487 - 1300 + 30, cy = 360 + 27;

    g.scroll_x = 200;
    const std::pair<int, Colore> rosso[] = {{0, ROSSO}, {1, ROSSO_ACCESO}, {2, ROSSO_ACCESO}, {3, NERO}};
    for (auto [stato, colore] : rosso) {
        g.stato_pagina2 = stato;
        b.tick();
        EXPECT_EQ(b.px(rx, ry), colore) << stato;
        EXPECT_EQ(b.px(rx + 34, ry + 11), colore) << stato;
    }
    g.scroll_x = 1300;
    const std::pair<int, Colore> costume[] = {{0, RGB(0, 0, 90)}, {1, RGB(0, 0, 190)}, {2, NERO}, {3, NERO}};
    for (auto [stato, colore] : costume) {
        g.stato_tarzan = stato;
        b.tick();
        EXPECT_EQ(b.px(cx, cy), colore) << stato;
    }
}

TEST(Libri, OverlaysAreClippedByTheField) {
    BancoScena b;
    Form1& g = b.f();
    BancoScena::tinta(g.Picture58, RGB(9, 9, 99));
    BancoScena::tinta(g.Picture27, RGB(9, 99, 9));
    g.stato_flauto = 1;
    g.stato_vaso = 1;
    g.scroll_x = 300;
    b.tick();
    for (int y = 0; y < 400; ++y) ASSERT_NE(b.px(338 - 300 + 3, y), RGB(9, 99, 9)) << y;  // wholly above
    g.stato_vaso = 0;
    g.scroll_x = 1700;
    b.tick();
    EXPECT_EQ(b.px(1803 - 1700, 0), RGB(9, 9, 99));
    EXPECT_EQ(b.px(1803 - 1700 + 14, 6), RGB(9, 9, 99));  // the lowest seven rows show
    EXPECT_EQ(b.px(1803 - 1700, 7), NERO);
}

}  // namespace
}  // namespace didiv::test
