// The inventory bar and the object carried under the pointer.

#include "oggetti_aiuto.h"

namespace didiv::test {
namespace {

struct Barra : BancoOggetti {
    static constexpr Colore ROSSO = RGB(200, 10, 10);

    void passo() {
        Trappola t(f().modulo, "Form1_timer1");
        f().passo_barra(t);
    }
    void portato() {
        Trappola t(f().modulo, "Form1_timer1");
        f().passo_oggetto_portato(t);
    }
    // Left edge and top of the red rectangle in the bar, or (-1, -1).
    std::pair<int, int> rosso_in(const Superficie& s) {
        for (int y = 0; y < s.ScaleHeight(); ++y)
            for (int x = 0; x < s.ScaleWidth(); ++x)
                if (s.Point(x, y) == ROSSO) return {x, y};
        return {-1, -1};
    }
};

TEST_F(Barra, AnEmptyInventoryShowsTheEmptyBar) {
    f().Picture40.riempi(RGB(1, 2, 3));
    passo();
    EXPECT_EQ(f().Picture40, f().Picture12);
}

TEST_F(Barra, OddWidthsAreCentredTowardsTheEvenSide) {
    struct Caso { const char* parola; Form1::Coppia Form1::*p; int slot; int x; int y; };
    for (Caso c : {Caso{"tarzan", &Form1::Picture65, 2, 234, 5}, Caso{"flauto", &Form1::Picture66, 1, 128, 5},
                   Caso{"libro", &Form1::Picture71, 1, 128, 5}, Caso{"corda", &Form1::Picture67, 3, 325, 5},
                   Caso{"seme", &Form1::Picture44, 3, 325, 5}, Caso{"mosca", &Form1::Picture37, 0, 20, 15},
                   Caso{"nuvola", &Form1::Picture54, 2, 218, 15}, Caso{"ombrello", &Form1::Picture41, 0, 18, 5},
                   Caso{"vaso", &Form1::Picture39, 1, 124, 5}, Caso{"forchetta", &Form1::Picture55, 3, 333, 5}}) {
        auto& coppia = f().*c.p;
        const int w = coppia[0].ScaleWidth(), h = coppia[0].ScaleHeight();
        coppia = coppia_piena(w, h, ROSSO);
        for (auto& s : f().inventario) s.clear();
        f().inventario[static_cast<size_t>(c.slot)] = c.parola;
        f().ultimo_oggetto = 3;
        passo();
        EXPECT_EQ(rosso_in(f().Picture40), std::make_pair(c.x, c.y)) << c.parola;
        EXPECT_EQ(f().Picture40.Point(c.x + w - 1, c.y + h - 1), ROSSO) << c.parola;
        EXPECT_NE(f().Picture40.Point(c.x + w, c.y), ROSSO) << c.parola;
    }
}

TEST_F(Barra, TheFifthSlotLiesPastTheBarsEdge) {
    f().Picture65 = coppia_piena(31, 48, ROSSO);
    metti({"", "", "", "", "tarzan"});
    passo();
    EXPECT_EQ(f().Picture40, f().Picture12);
}

TEST_F(Barra, OnlyExactWordsUpToTheLastSlotAreDrawn) {
    f().Picture37 = coppia_piena(61, 29, ROSSO);
    metti({"Mosca", "mosca ", "", "x"});
    passo();
    EXPECT_EQ(f().Picture40, f().Picture12);
    metti({"mosca"});
    f().inventario[1] = "mosca";  // past the last slot
    passo();
    EXPECT_EQ(rosso_in(f().Picture40), std::make_pair(20, 15));
    EXPECT_NE(f().Picture40.Point(120, 20), ROSSO);
}

TEST_F(Barra, TheCarriedSlotLeavesAGapAndFollowsThePointer) {
    for (auto p : {&Form1::Picture37, &Form1::Picture39, &Form1::Picture41})
        (f().*p) = coppia_piena((f().*p)[0].ScaleWidth(), (f().*p)[0].ScaleHeight(), ROSSO);
    metti({"mosca", "vaso", "ombrello"});
    premi(190, 470);
    muovi(300, 100);
    passo();
    EXPECT_EQ(f().Picture40.Point(20, 15), ROSSO);
    EXPECT_EQ(f().Picture40.Point(218, 5), ROSSO);
    for (int x = 100; x < 200; ++x) ASSERT_EQ(f().Picture40.Point(x, 30), f().Picture12.Point(x, 30)) << x;

    f().finestra.riempi(0);
    portato();
    EXPECT_EQ(f().finestra.Point(300, 100), ROSSO);
    EXPECT_EQ(f().finestra.Point(352, 146), ROSSO);
    EXPECT_EQ(f().finestra.Point(353, 100), 0);
    EXPECT_EQ(f().finestra.Point(299, 100), 0);
}

TEST_F(Barra, TheCarriedObjectIsTheWordTakenNotTheSlotsWord) {
    f().Picture37 = coppia_piena(61, 29, ROSSO);
    metti({"vaso"});
    f().indice_preso = 0;
    f().nome_preso = "mosca";
    f().preso_x = 0;
    f().preso_y = 0;
    f().finestra.riempi(0);
    portato();
    EXPECT_EQ(f().finestra.Point(0, 0), ROSSO);
    EXPECT_EQ(f().finestra.Point(60, 28), ROSSO);
    // Near the edge it is cut off, and a drag of nothing draws nothing.
    f().preso_x = 470;
    f().preso_y = 530;
    portato();
    EXPECT_EQ(f().finestra.Point(479, 539), ROSSO);
    f().finestra.riempi(0);
    f().nome_preso = "";
    portato();
    EXPECT_EQ(f().finestra, Superficie(480, 540));
}

TEST_F(Barra, TheTickShowsTheBarAndTheCarriedObjectOverIt) {
    f().Picture37 = coppia_piena(61, 29, ROSSO);
    metti({"mosca"});
    b.tick();
    EXPECT_EQ(f().finestra.Point(40 + 20, 440 + 15), ROSSO);
    EXPECT_NE(f().finestra.Point(40 + 19, 440 + 15), ROSSO);
    premi(90, 470);
    muovi(50, 450);
    b.tick();
    EXPECT_EQ(f().finestra.Point(50, 450), ROSSO);  // over its own empty slot
    EXPECT_NE(f().finestra.Point(40 + 80, 440 + 15), ROSSO);
}

}  // namespace
}  // namespace didiv::test
