#include "banco.h"

namespace didiv::test {
namespace {

struct Ciclo : ::testing::Test {
    Banco b;
    void SetUp() override { ASSERT_TRUE(b.avvia()); }
    Form1& f() { return b.f(); }
};

TEST_F(Ciclo, BackgroundFollowsTheView) {
    for (auto [sx, sy] : {std::pair{0, 0}, {0, -400}, {600, -120}, {1800, -400}}) {
        f().scroll_x = sx;
        f().scroll_y = sy;
        f().Picture5.PSet(sx + 7, 400 + sy + 9, RGB(1, 2, 3));
        b.tick();
        EXPECT_EQ(f().Picture1.Point(7, 9), RGB(1, 2, 3)) << sx << "," << sy;
        EXPECT_EQ(f().finestra.Point(47, 49), RGB(1, 2, 3));
    }
}

TEST_F(Ciclo, PresentsFrameBarAndPlayFieldThroughTheWindowBuffer) {
    f().Picture64.PSet(3, 3, RGB(50, 60, 70));
    f().Picture12.PSet(10, 10, RGB(11, 22, 33));
    b.tick();
    EXPECT_EQ(f().finestra.Point(3, 3), RGB(50, 60, 70));
    EXPECT_EQ(f().Picture40.Point(10, 10), RGB(11, 22, 33));
    EXPECT_EQ(f().finestra.Point(50, 450), RGB(11, 22, 33));
    EXPECT_EQ(f().finestra, f().Picture64);
}

TEST_F(Ciclo, EveryTickPresentsThatTicksBarAndPlayField) {
    // Whatever the surfaces were made of before, each presented frame is the frame picture
    // with this tick's bar and play field in it, and the window shows just that.
    const Superficie cornice = f().Picture64;
    for (int i = 0; i < 5; ++i) {
        f().scroll_x = 100 * i;
        f().Picture12.PSet(5 + i, 7, RGB(10 + i, 20, 30));
        if (i == 3) f().Picture1 = Superficie(400, 400, RGB(7, 7, 7));
        b.tick();
        Superficie atteso = cornice;
        BitBlt(atteso, 40, 440, 400, 60, f().Picture40, 0, 0, Rop::SRCCOPY);
        BitBlt(atteso, 40, 40, 400, 400, f().Picture1, 0, 0, Rop::SRCCOPY);
        ASSERT_EQ(f().Picture64, atteso) << "tick " << i;
        ASSERT_EQ(f().finestra, atteso) << "tick " << i;
        EXPECT_EQ(f().Picture40.Point(5 + i, 7), RGB(10 + i, 20, 30));
        EXPECT_EQ(f().Picture1.Point(0, 0), f().Picture5.Point(100 * i, 400));
    }
}

TEST_F(Ciclo, WalkCycleAdvancesOncePerFullTick) {
    std::vector<int> fotogrammi;
    for (int i = 0; i < 6; ++i) {
        b.tick();
        fotogrammi.push_back(f().fotogramma);
    }
    EXPECT_EQ(fotogrammi, (std::vector<int>{0, 1, 0, 2, 0, 1}));
    EXPECT_EQ(f().passo, 2);
}

TEST_F(Ciclo, EarlyEndAfterGameOverLeavesTheCycleAndTheWindowAlone) {
    b.tick();
    f().fine_partita = true;
    f().fase_caduta = 0;
    const Superficie prima = f().finestra;
    const int passo = f().passo;
    f().Picture5.riempi(RGB(9, 9, 9));
    b.ticks(3);
    EXPECT_EQ(f().passo, passo);
    EXPECT_EQ(f().finestra, prima);
}

TEST_F(Ciclo, TimeLimitEndsOnlyWhenStrictlyPassed) {
    b.modulo.tempo_limite = 30;
    b.piattaforma.orologio = f().tempo_inizio + 30.0f;
    b.tick();
    EXPECT_FALSE(f().fine_partita);
    b.piattaforma.orologio = f().tempo_inizio + 30.5f;
    b.tick();
    EXPECT_TRUE(f().fine_partita);
    EXPECT_FALSE(f().Timer1.Enabled);
    EXPECT_EQ(b.modulo.tempo_limite, 0);
    EXPECT_EQ(b.conta("fine.wav Play 0"), 1);
    EXPECT_EQ(b.audio.musica_in_corso, "");
    // The banner is centred on the play field and the frame was still presented.
    EXPECT_EQ(f().Picture1.Point(113, 174), f().Picture36.Point(0, 0));
    EXPECT_EQ(f().Picture1.Point(113 + 173, 174 + 51), f().Picture36.Point(173, 51));
    EXPECT_EQ(f().finestra.Point(40 + 113 + 80, 40 + 174 + 20), f().Picture36.Point(80, 20));
    const int passo = f().passo;
    b.tick();  // the timer is off: no further tick
    EXPECT_EQ(f().passo, passo);
}

TEST_F(Ciclo, FreePlayNeverEnds) {
    b.piattaforma.orologio = f().tempo_inizio + 5000.0f;
    b.tick();
    EXPECT_FALSE(f().fine_partita);
}

TEST_F(Ciclo, TimeLimitRunsOnAcrossMidnight) {
    b.modulo.tempo_limite = 30;
    f().tempo_inizio = 86390.0f;  // ten seconds before midnight
    b.piattaforma.orologio = 20.0f;  // the clock has started again: 30 s played
    b.tick();
    EXPECT_FALSE(f().fine_partita);
    b.piattaforma.orologio = 20.5f;
    b.tick();
    EXPECT_TRUE(f().fine_partita);
    EXPECT_FALSE(f().Timer1.Enabled);
    EXPECT_EQ(b.conta("fine.wav Play 0"), 1);
}

TEST_F(Ciclo, FatalFallEndingBannerDazedFramesAndJingleOnce) {
    f().fine_partita = true;
    f().fase_caduta = 2;
    f().scroll_x = 780;
    f().scroll_y = 0;
    b.modulo.tempo_limite = 100;
    for (int i = 0; i < 3; ++i) {
        f().Picture61[static_cast<size_t>(i)].riempi(RGB(10 * (i + 1), 0, 0));
        f().Picture62[static_cast<size_t>(i)].riempi(0);
    }
    std::vector<Colore> visti;
    for (int i = 0; i < 4; ++i) {
        b.tick();
        visti.push_back(f().Picture1.Point(985 - 780 + 1, 208 + 1));
    }
    EXPECT_EQ(visti, (std::vector<Colore>{RGB(10, 0, 0), RGB(20, 0, 0), RGB(10, 0, 0), RGB(30, 0, 0)}));
    EXPECT_EQ(f().Picture1.Point(100, 171), f().Picture35.Point(0, 0));
    EXPECT_EQ(f().Picture1.Point(299, 228), f().Picture35.Point(199, 57));
    EXPECT_EQ(b.conta("fine.wav Play 0"), 1);
    EXPECT_EQ(b.conta("musica StopMusica"), 1);
    EXPECT_TRUE(f().fine_suonata_caduta);
    EXPECT_EQ(b.modulo.tempo_limite, 0);
    EXPECT_TRUE(f().Timer1.Enabled);
}

TEST_F(Ciclo, ErrorInATickIsReportedAndTheRestOfTheFrameIsPresented) {
    f().scroll_x = -31800;  // the dazed professor's place overflows 16 bits
    f().fine_partita = true;
    f().fase_caduta = 2;
    f().Picture64.PSet(1, 1, RGB(4, 5, 6));
    b.tick();
    const auto& m = b.piattaforma.messaggi;
    EXPECT_TRUE(std::any_of(m.begin(), m.end(), [](const MessaggioMostrato& x) {
        return x.testo.find("'FORM1_TIMER1'") != std::string::npos;
    }));
    EXPECT_EQ(f().finestra.Point(1, 1), RGB(4, 5, 6));
    EXPECT_EQ(f().passo, 1);
}

TEST_F(Ciclo, RopeZoneBlocksClimbingUntilTheRopeIsUp) {
    f().pos_x = 1475;
    f().pos_y = 276;
    b.tick();
    EXPECT_TRUE(f().salita_bloccata);
    f().salita_bloccata = false;
    f().fase_corda = 3;
    b.tick();
    EXPECT_FALSE(f().salita_bloccata);
    f().fase_corda = 0;
    f().pos_x = 1500;  // the bounds are strict
    b.tick();
    EXPECT_FALSE(f().salita_bloccata);
}

}  // namespace
}  // namespace didiv::test
