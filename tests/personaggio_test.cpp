// Which pose of the professor the frame draws, and where.

#include <set>

#include "banco.h"

namespace didiv::test {
namespace {

struct Impronta {
    std::set<Colore> colori;  // what was drawn (the buffer starts black)
    int x0 = 9999, y0 = 9999, x1 = -1, y1 = -1;
    bool vuota() const { return colori.empty(); }
};

class Personaggio : public ::testing::Test {
protected:
    Banco b;
    Form1& f = b.f();

    // Each pose gets its own colour and a mask that covers the whole box, so the drawing shows
    // which pose went where.
    void SetUp() override {
        int n = 1;
        for (auto* p : pose()) {
            const int w = (*p)[0].ScaleWidth(), h = (*p)[0].ScaleHeight();
            (*p)[0] = Superficie(w, h, 0);
            (*p)[1] = Superficie(w, h, colore_di(n++));
        }
        f.Picture1 = Superficie(400, 400);
        f.fotogramma = 0;
        f.direzione = 1;
        f.pos_x = 100;
        f.pos_y = 100;
    }

    std::vector<Form1::Coppia*> pose() {
        return {&f.Picture2,  &f.Picture3,  &f.Picture4,  &f.Picture6,  &f.Picture7,  &f.Picture9,
                &f.Picture10, &f.Picture11, &f.Picture13, &f.Picture14, &f.Picture16, &f.Picture17,
                &f.Picture18, &f.Picture19, &f.Picture20, &f.Picture42, &f.Picture68};
    }
    static Colore colore_di(int n) { return RGB(10 * n, 255 - 7 * n, 3 * n + 1); }
    Colore di(const Form1::Coppia& p) { return p[1].Point(0, 0); }

    Impronta disegna() {
        f.Picture1.riempi(0);
        Trappola t(f.modulo, "Form1_timer1");
        f.passo_personaggio(t);
        Impronta r;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                if (Colore c = f.Picture1.Point(x, y)) {
                    r.colori.insert(c);
                    r.x0 = std::min(r.x0, x), r.y0 = std::min(r.y0, y);
                    r.x1 = std::max(r.x1, x), r.y1 = std::max(r.y1, y);
                }
        return r;
    }

    // The pose drawn and its top-left corner; fails the test when not exactly one pose.
    void atteso(const Form1::Coppia& p, int x, int y) {
        const Impronta r = disegna();
        ASSERT_EQ(r.colori.size(), 1u);
        EXPECT_EQ(*r.colori.begin(), di(p));
        EXPECT_EQ(r.x0, x);
        EXPECT_EQ(r.y0, y);
    }
};

TEST_F(Personaggio, NothingWhileTheGameIsOverOrTheFinaleRuns) {
    f.va_destra = true;
    f.fine_partita = true;
    EXPECT_TRUE(disegna().vuota());
    f.fine_partita = false;
    f.finale_attivo = true;
    f.fase_corda = 2;
    EXPECT_TRUE(disegna().vuota());
    f.finale_attivo = false;
    atteso(f.Picture2, 100, 100);
}

TEST_F(Personaggio, WalkCyclesByFrameAndStairs) {
    struct Caso {
        bool* richiesta;
        bool scala;
        Form1::Coppia* fotogrammi[3];
    } casi[] = {
        {&f.va_destra, false, {&f.Picture2, &f.Picture3, &f.Picture4}},
        {&f.va_destra, true, {&f.Picture2, &f.Picture6, &f.Picture7}},
        {&f.va_sinistra, false, {&f.Picture11, &f.Picture9, &f.Picture10}},
        {&f.va_sinistra, true, {&f.Picture11, &f.Picture17, &f.Picture18}},
        {&f.sale, false, {&f.Picture16, &f.Picture13, &f.Picture14}},
        {&f.scende, true, {&f.Picture16, &f.Picture13, &f.Picture14}},
    };
    for (const auto& c : casi) {
        f.va_destra = f.va_sinistra = f.sale = f.scende = false;
        *c.richiesta = true;
        f.su_scala = c.scala;
        for (int fot = 0; fot < 3; ++fot) {
            SCOPED_TRACE(testing::Message() << "case " << (&c - casi) << " frame " << fot);
            f.fotogramma = fot;
            atteso(*c.fotogrammi[fot], 100, 100);
        }
    }
}

TEST_F(Personaggio, TheFirstRowThatHoldsWins) {
    f.fotogramma = 1;
    f.va_destra = f.va_sinistra = true;
    atteso(f.Picture3, 100, 100);

    // A walk beats a leap, and is drawn at his own place, not 8 pixels higher.
    f.va_sinistra = false;
    f.salta_destra = true;
    atteso(f.Picture3, 100, 100);

    f.va_destra = false;
    f.sale = f.scende = true;
    atteso(f.Picture13, 100, 100);
    f.sale = false;
    atteso(f.Picture13, 100, 100);

    f.scende = false;
    f.salta_sinistra = true;  // with salta_destra still set
    atteso(f.Picture19, 100, 92);
    f.salta_destra = false;
    atteso(f.Picture20, 100, 92);
}

TEST_F(Personaggio, LeapIsDrawnEightPixelsHigher) {
    f.salta_destra = true;
    f.pos_y = 100;
    f.scroll_y = 0;
    atteso(f.Picture19, 100, 92);
    f.pos_x = 1230;
    f.scroll_x = 1200;
    f.pos_y = -250;
    f.scroll_y = -300;
    atteso(f.Picture19, 30, 42);
}

TEST_F(Personaggio, FluteAtItsFixedPlaceUnlessHeMoves) {
    f.fase_corda = 2;
    f.scroll_x = 1300;
    f.scroll_y = 100;
    f.pos_x = 5;
    f.pos_y = -300;
    atteso(f.Picture68, 135, 176);
    f.fase_corda = 1;  // standing right at his own place, out of view
    EXPECT_TRUE(disegna().vuota());
}

TEST_F(Personaggio, FluteGivesWayToRequestsAndLeaps) {
    f.fase_corda = 2;
    f.scroll_x = 1300;
    f.pos_x = 1350;
    f.pos_y = 150;
    f.va_sinistra = true;
    atteso(f.Picture11, 50, 150);
    f.va_sinistra = false;
    f.salta_sinistra = true;
    atteso(f.Picture20, 50, 142);
    f.salta_sinistra = false;
    atteso(f.Picture68, 135, 276);
}

TEST_F(Personaggio, UmbrellaWithEachFacing) {
    f.fase_caduta = 4;
    f.direzione = 1;
    atteso(f.Picture42, 100, 100);
    f.direzione = 2;
    atteso(f.Picture42, 100, 100);
    f.direzione = 0;
    atteso(f.Picture11, 100, 100);

    // Opened but not yet falling: the ordinary standing poses.
    f.fase_caduta = 3;
    f.direzione = 1;
    atteso(f.Picture2, 100, 100);
    f.direzione = 2;
    atteso(f.Picture16, 100, 100);
}

TEST_F(Personaggio, UmbrellaPoseKeepsItsOwnSizeFromTheTopLeft) {
    f.fase_caduta = 4;
    const Impronta r = disegna();
    EXPECT_EQ(r.x1 - r.x0 + 1, 67);
    EXPECT_EQ(r.y1 - r.y0 + 1, 151);
    EXPECT_EQ(r.y0, 100);
}

TEST_F(Personaggio, StandingPoseOfTheFacing) {
    f.direzione = 0;
    atteso(f.Picture11, 100, 100);
    f.direzione = 2;
    atteso(f.Picture16, 100, 100);
    // A fall has no pose of its own.
    f.cade = true;
    f.direzione = 1;
    atteso(f.Picture2, 100, 100);
}

TEST_F(Personaggio, StartPositionIsClippedAtTheLeftEdge) {
    f.pos_x = -10;
    f.pos_y = 168;
    f.scroll_x = 0;
    f.scroll_y = 0;
    const Impronta r = disegna();
    ASSERT_EQ(r.colori, std::set<Colore>{di(f.Picture2)});
    EXPECT_EQ(r.x0, 0);
    EXPECT_EQ(r.x1, 69);
    EXPECT_EQ(r.y0, 168);
    EXPECT_EQ(r.y1, 287);
}

TEST_F(Personaggio, PlacesRoundHalvesToEven) {
    f.pos_x = 10.5f;
    f.pos_y = 101.5f;
    atteso(f.Picture2, 10, 102);
    f.pos_x = 11.5f;
    f.pos_y = 100.5f;
    atteso(f.Picture2, 12, 100);
    f.scroll_x = 3;
    f.pos_x = 14.5f;  // 11.5 after the view
    atteso(f.Picture2, 12, 100);
    f.salta_destra = true;
    f.pos_y = 108.5f;  // 100.5 after the leap's 8
    atteso(f.Picture19, 12, 100);
}

TEST_F(Personaggio, MaskThenImageEachWithItsOwnSize) {
    // A mask that keeps the ground in its left half, an image smaller than the mask.
    Superficie m(80, 120, 0);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 40; ++x) m.PSet(x, y, RGB(255, 255, 255));
    f.Picture2[0] = m;
    f.Picture2[1] = Superficie(60, 30, RGB(0x0F, 0xF0, 0x33));
    f.Picture1.riempi(RGB(0x55, 0x55, 0x55));
    Trappola t(f.modulo, "Form1_timer1");
    f.passo_personaggio(t);
    EXPECT_EQ(f.Picture1.Point(110, 110), RGB(0x55 ^ 0x0F, 0x55 ^ 0xF0, 0x55 ^ 0x33));  // kept, then XOR
    EXPECT_EQ(f.Picture1.Point(150, 110), RGB(0x0F, 0xF0, 0x33));                     // cleared, then XOR
    EXPECT_EQ(f.Picture1.Point(150, 140), 0);                                          // below the image
    EXPECT_EQ(f.Picture1.Point(170, 110), 0);                                          // right of the image
    EXPECT_EQ(f.Picture1.Point(180, 110), RGB(0x55, 0x55, 0x55));                      // beyond the mask
    EXPECT_EQ(f.Picture1.Point(110, 150), RGB(0x55, 0x55, 0x55));
}

TEST_F(Personaggio, AFailedMaskCopyIsFollowedByTheImageCopy) {
    // A place beyond 16 bits fails each copy on its own; both are reported and the step ends.
    f.pos_x = 40000;
    EXPECT_TRUE(disegna().vuota());
    ASSERT_EQ(b.piattaforma.messaggi.size(), 2u);
    for (const auto& m : b.piattaforma.messaggi) {
        EXPECT_NE(m.testo.find("n.  6 "), std::string::npos) << m.testo;
        EXPECT_NE(m.testo.find("'FORM1_TIMER1'"), std::string::npos) << m.testo;
    }
}

TEST_F(Personaggio, FlutePlaceIsSixteenBitArithmetic) {
    f.fase_corda = 2;
    f.scroll_x = -32000;
    EXPECT_TRUE(disegna().vuota());
    EXPECT_EQ(b.piattaforma.messaggi.size(), 2u);
}

}  // namespace
}  // namespace didiv::test
