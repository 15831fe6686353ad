// The railing in front of the professor: which of its five places, and how much of it.

#include "banco.h"

namespace didiv::test {
namespace {

constexpr Colore kRinghiera = RGB(0x80, 0x50, 0x20);

struct Copia {
    bool vuota = true;
    int x0 = 99999, y0 = 99999, x1 = -99999, y1 = -99999;
    int larghezza() const { return x1 - x0 + 1; }
    int altezza() const { return y1 - y0 + 1; }
};

class Ringhiere : public ::testing::Test {
protected:
    Banco b;
    Form1& f = b.f();

    void SetUp() override {
        f.Picture15[0] = Superficie(400, 60, 0);
        f.Picture15[1] = Superficie(400, 60, kRinghiera);
        // A buffer as large as the world, so that every place lands inside it.
        f.Picture1 = Superficie(2200, 800);
    }

    // World corner of what was drawn, with the view at (0, -400).
    Copia disegna(float x, float y, int vista_x = 0, int vista_y = -400) {
        f.pos_x = x;
        f.pos_y = y;
        f.scroll_x = vista_x;
        f.scroll_y = vista_y;
        f.Picture1.riempi(0);
        f.ringhiere();
        Copia c;
        for (int yy = 0; yy < 800; ++yy)
            for (int xx = 0; xx < 2200; ++xx)
                if (f.Picture1.Point(xx, yy) == kRinghiera) {
                    c.vuota = false;
                    c.x0 = std::min(c.x0, xx + vista_x), c.y0 = std::min(c.y0, yy + vista_y);
                    c.x1 = std::max(c.x1, xx + vista_x), c.y1 = std::max(c.y1, yy + vista_y);
                }
        return c;
    }

    void al_posto(float x, float y, int px, int py, int larghezza) {
        SCOPED_TRACE(testing::Message() << "pos " << x << ", " << y);
        const Copia c = disegna(x, y);
        ASSERT_FALSE(c.vuota);
        EXPECT_EQ(c.x0, px);
        EXPECT_EQ(c.y0, py);
        EXPECT_EQ(c.larghezza(), larghezza);
        EXPECT_EQ(c.altezza(), 60);
    }
    void nessun_posto(float x, float y) {
        SCOPED_TRACE(testing::Message() << "pos " << x << ", " << y);
        EXPECT_TRUE(disegna(x, y).vuota);
    }
};

TEST_F(Ringhiere, InnerPlacesAtTheirBounds) {
    al_posto(600, 11, 298, 133, 238);
    al_posto(600, 185.9f, 298, 133, 238);
    al_posto(280.5f, 100, 298, 133, 238);
    al_posto(1499.9f, 100, 298, 133, 238);
    al_posto(600, -162.9f, 298, -47, 238);
    al_posto(600, 6.9f, 298, -47, 238);
    al_posto(600, -178.1f, 458, -231, 400);
    al_posto(600, -5000, 458, -231, 400);
}

TEST_F(Ringhiere, BandEndsChooseNothing) {
    nessun_posto(600, 10);
    nessun_posto(600, 186);
    nessun_posto(600, 7);
    nessun_posto(600, -163);
    nessun_posto(600, -170);
    nessun_posto(600, -178);
    nessun_posto(100, -225);
    nessun_posto(100, -54);
    nessun_posto(100, -228);
    nessun_posto(100, 100);
}

TEST_F(Ringhiere, TheEdgesOfTheMiddleBelongToTheOuterRange) {
    al_posto(280, -100, 1662, -108, 238);
    al_posto(1500, -100, 1662, -108, 238);
    al_posto(280, -228.5f, 1664, -288, 400);
    al_posto(2000, -224.9f, 1662, -108, 238);
    al_posto(-10, -54.1f, 1662, -108, 238);
    // And the same heights in the middle range choose the middle's places, or none.
    al_posto(281, -100, 298, -47, 238);
    nessun_posto(1499, -175);
}

TEST_F(Ringhiere, WholeWidthIsTheMaskWidthAndEachCopyItsOwnHeight) {
    f.Picture15[0] = Superficie(300, 60, 0);
    f.Picture15[1] = Superficie(400, 50, kRinghiera);
    const Copia c = disegna(600, -200);
    EXPECT_EQ(c.larghezza(), 300);
    EXPECT_EQ(c.altezza(), 50);
    EXPECT_EQ(f.Picture1.Point(468, -231 + 400 + 55), 0);  // masked, no image below its 50 rows
}

TEST_F(Ringhiere, MaskKeepsWhatShowsThrough) {
    Superficie m(400, 60, RGB(255, 255, 255));
    for (int x = 0; x < 400; ++x) m.PSet(x, 0, 0);
    f.Picture15[0] = m;
    f.Picture15[1] = Superficie(400, 60);
    f.Picture15[1].PSet(5, 0, RGB(1, 2, 3));
    f.pos_x = 600;
    f.pos_y = 100;
    f.scroll_x = 298;
    f.scroll_y = 133;
    f.Picture1 = Superficie(400, 400, RGB(9, 9, 9));
    f.ringhiere();
    EXPECT_EQ(f.Picture1.Point(4, 0), 0);
    EXPECT_EQ(f.Picture1.Point(5, 0), RGB(1, 2, 3));
    EXPECT_EQ(f.Picture1.Point(5, 1), RGB(9, 9, 9));
    EXPECT_EQ(f.Picture1.Point(238, 0), RGB(9, 9, 9));  // beyond the short copy
}

TEST_F(Ringhiere, FailuresAreReportedUnderItsOwnLabel) {
    disegna(100, -300, -32000, 0);  // 1664 + 32000 does not fit 16 bits
    ASSERT_EQ(b.piattaforma.messaggi.size(), 2u);
    EXPECT_NE(b.piattaforma.messaggi[0].testo.find("'FORM1_RINGHIERE'"), std::string::npos);
}

TEST(FasceRinghiere, CallerBandsIncludeTheirEnds) {
    for (float y : {10.0f, 186.0f, 100.0f, 6.0f, 0.0f, -162.0f, -162.5f, -170.0f, -225.0f, -54.0f, -178.5f, -5000.0f})
        EXPECT_TRUE(Form1::nelle_fasce_ringhiere(y)) << y;
    for (float y : {8.0f, 7.0f, 9.9f, 186.1f, 500.0f})
        EXPECT_FALSE(Form1::nelle_fasce_ringhiere(y)) << y;
}

}  // namespace
}  // namespace didiv::test
