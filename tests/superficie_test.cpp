#include <gtest/gtest.h>

#include "platform/bmp.h"
#include "platform/numeri.h"
#include "platform/superficie.h"

namespace didiv {
namespace {

Superficie numerata(int w, int h) {
    Superficie s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.PSet(x, y, RGB(x, y, 7));
    return s;
}

TEST(Superficie, PointOutsideIsMinusOneAndPSetOutsideIsIgnored) {
    Superficie s(3, 2, RGB(1, 2, 3));
    EXPECT_EQ(s.Point(0, 0), RGB(1, 2, 3));
    EXPECT_EQ(s.Point(-1, 0), -1);
    EXPECT_EQ(s.Point(3, 0), -1);
    EXPECT_EQ(s.Point(0, 2), -1);
    s.PSet(5, 5, 0);
    s.PSet(-1, 0, 0);
    EXPECT_EQ(s.Point(2, 1), RGB(1, 2, 3));
}

TEST(BitBlt, ClipsAtEveryEdgeOfSourceAndDestination) {
    const Superficie src = numerata(10, 10);
    Superficie dst(6, 6, RGB(9, 9, 9));
    // Source corner negative and destination reaching past the right and bottom edges.
    BitBlt(dst, 2, 3, 10, 10, src, -1, -2, Rop::SRCCOPY);
    EXPECT_EQ(dst.Point(2, 3), RGB(9, 9, 9)) << "columns taken from outside the source are not drawn";
    EXPECT_EQ(dst.Point(3, 5), RGB(0, 0, 7));
    EXPECT_EQ(dst.Point(5, 5), RGB(2, 0, 7));
    EXPECT_EQ(dst.Point(3, 4), RGB(9, 9, 9));
    // Destination corner negative: the source moves with it.
    Superficie d2(4, 4);
    BitBlt(d2, -3, -2, 10, 10, src, 0, 0, Rop::SRCCOPY);
    EXPECT_EQ(d2.Point(0, 0), RGB(3, 2, 7));
    EXPECT_EQ(d2.Point(3, 3), RGB(6, 5, 7));
    // Nothing at all for empty or negative sizes.
    Superficie d3(4, 4, RGB(1, 1, 1));
    BitBlt(d3, 0, 0, -5, 4, src, 0, 0, Rop::SRCCOPY);
    BitBlt(d3, 0, 0, 4, 0, src, 0, 0, Rop::SRCCOPY);
    BitBlt(d3, 100, 100, 4, 4, src, 0, 0, Rop::SRCCOPY);
    EXPECT_EQ(d3, Superficie(4, 4, RGB(1, 1, 1)));
}

TEST(BitBlt, MaskAndImageDrawTransparentSprite) {
    Superficie fondo(4, 1, RGB(10, 20, 30));
    Superficie maschera(4, 1, RGB(255, 255, 255)), immagine(4, 1);
    maschera.PSet(1, 0, 0);
    immagine.PSet(1, 0, RGB(200, 100, 50));
    disegna_coppia(fondo, 0, 0, maschera, immagine);
    EXPECT_EQ(fondo.Point(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(fondo.Point(1, 0), RGB(200, 100, 50));
    EXPECT_EQ(fondo.Point(2, 0), RGB(10, 20, 30));
}

TEST(BitBlt, OverlappingCopyWithinOneSurfaceReadsTheOriginal) {
    Superficie s = numerata(8, 1);
    BitBlt(s, 1, 0, 7, 1, s, 0, 0, Rop::SRCCOPY);
    for (int x = 1; x < 8; ++x) EXPECT_EQ(s.Point(x, 0), RGB(x - 1, 0, 7));
}

TEST(Numeri, SixteenBitFieldsOverflowIntoErrorSix) {
    Integer i = 32767;
    try {
        i += 1;
        FAIL() << "no overflow";
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), 6);
        EXPECT_EQ(e.descrizione(), "Overflow");
    }
    EXPECT_EQ(static_cast<int>(i), 32767) << "a failed store leaves the field as it was";
    EXPECT_THROW(Integer(-32769), ErroreRuntime);
    EXPECT_NO_THROW(Integer(-32768));
}

TEST(Numeri, RoundingIsToNearestWithTiesToEven) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-0.6), -1);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Str(9), " 9");
    EXPECT_EQ(Str(-5), "-5");
    EXPECT_EQ(Str(0), " 0");
}

}  // namespace
}  // namespace didiv
