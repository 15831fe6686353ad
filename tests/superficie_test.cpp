#include <gtest/gtest.h>

#include "platform/bmp.h"
#include "platform/numeri.h"
#include "platform/superficie.h"

#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

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

// The rule every copy must follow, one pixel at a time, for the faster row copies to match.
// The source is read whole before anything is written, as an overlapping copy requires.
void riferimento(Superficie& dst, int x, int y, int w, int h, const Superficie& src, int sx, int sy, Rop op) {
    const Superficie letta = src;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const Colore s = letta.Point(sx + i, sy + j), d = dst.Point(x + i, y + j);
            if (s < 0 || d < 0) continue;
            const Colore v = op == Rop::SRCCOPY ? s : op == Rop::SRCAND ? (d & s) : (d ^ s);
            dst.PSet(x + i, y + j, v);
        }
}

Superficie disordinata(int w, int h, uint32_t seme) {
    Superficie s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seme = seme * 1664525u + 1013904223u;
            s.PSet(x, y, static_cast<Colore>(seme >> 8));
        }
    return s;
}

constexpr Rop kOperazioni[] = {Rop::SRCCOPY, Rop::SRCAND, Rop::SRCINVERT};

TEST(BitBlt, EveryOperationMatchesThePixelRuleAtEveryEdgeAndWidth) {
    const Superficie src = disordinata(37, 23, 1);
    int casi = 0;
    for (Rop op : kOperazioni)
        for (int w : {0, 1, 7, 8, 9, 16, 17, 37, 50})
            for (int x : {-40, -9, -1, 0, 3, 25, 30, 31})
                for (int sx : {-12, -1, 0, 5, 36}) {
                    const int y = (w + x) % 7 - 3, sy = (sx + w) % 5 - 2, h = 5 + w % 19;
                    Superficie atteso = disordinata(31, 19, 2), dst = atteso;
                    riferimento(atteso, x, y, w, h, src, sx, sy, op);
                    BitBlt(dst, x, y, w, h, src, sx, sy, op);
                    ASSERT_EQ(dst, atteso) << "op " << static_cast<int>(op) << " w " << w << " at " << x << ","
                                           << y << " from " << sx << "," << sy;
                    ++casi;
                }
    EXPECT_EQ(casi, 3 * 9 * 8 * 5);
}

TEST(BitBlt, OverlappingCopiesWithinOneSurfaceReadTheOriginalInEveryDirection) {
    for (Rop op : kOperazioni)
        for (int dx : {-9, -1, 0, 1, 9})
            for (int dy : {-3, -1, 0, 1, 3}) {
                Superficie s = disordinata(40, 12, 3), atteso = s;
                riferimento(atteso, 5 + dx, 2 + dy, 30, 8, atteso, 5, 2, op);
                BitBlt(s, 5 + dx, 2 + dy, 30, 8, s, 5, 2, op);
                ASSERT_EQ(s, atteso) << "op " << static_cast<int>(op) << " shift " << dx << "," << dy;
            }
}

TEST(Superficie, ACopyOwnsItsPixels) {
    Superficie a = disordinata(5, 4, 4);
    const Superficie b = a;
    a.PSet(1, 1, RGB(1, 2, 3));
    EXPECT_NE(b.Point(1, 1), RGB(1, 2, 3));
    EXPECT_EQ(a.Point(1, 1), RGB(1, 2, 3));
}

TEST(Superficie, ACopyThatChangesNothingLeavesTheDestinationAndItsVersionAlone) {
    const std::vector<uint32_t> dati{1, 2, 3, 4, 5, 6, 7, 8, 9};
    Superficie s = Superficie::sola_lettura(3, 3, dati.data());
    Superficie uguale(3, 3);
    BitBlt(uguale, 0, 0, 3, 3, s, 0, 0, Rop::SRCCOPY);
    const uint64_t v = s.versione(), vu = uguale.versione();
    BitBlt(s, 0, 0, 3, 3, uguale, 0, 0, Rop::SRCCOPY);
    BitBlt(uguale, 0, 0, 3, 3, s, 0, 0, Rop::SRCCOPY);
    EXPECT_EQ(s.versione(), v);
    EXPECT_EQ(uguale.versione(), vu);
    EXPECT_EQ(std::as_const(s).riga(0), dati.data()) << "read-only pixels copied for nothing";

    // Only the last row differs: it is copied, and the change is told.
    uguale.PSet(2, 2, RGB(9, 9, 9));
    const uint64_t v2 = s.versione();
    BitBlt(s, 0, 0, 3, 3, uguale, 0, 0, Rop::SRCCOPY);
    EXPECT_GT(s.versione(), v2);
    EXPECT_EQ(s, uguale);
    EXPECT_EQ(dati[8], 9u);
    // Shifted onto itself, rows that already match are skipped and the rest still move.
    Superficie f(2, 4);
    for (int y = 0; y < 4; ++y) f.PSet(0, y, y < 2 ? 7 : 10 + y);
    BitBlt(f, 0, 1, 2, 3, f, 0, 0, Rop::SRCCOPY);
    EXPECT_EQ(f.Point(0, 1), 7);
    EXPECT_EQ(f.Point(0, 2), 7);
    EXPECT_EQ(f.Point(0, 3), 12);
}

TEST(Superficie, ReadOnlyPixelsAreCopiedBeforeTheFirstWriteAndNeverChanged) {
    const std::vector<uint32_t> dati{0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112};
    Superficie s = Superficie::sola_lettura(3, 2, dati.data());
    const Superficie copia = s;
    EXPECT_EQ(s.Point(2, 1), 0x101112);
    EXPECT_EQ(std::as_const(s).riga(1), dati.data() + 3) << "read in place";
    const uint64_t v = s.versione();
    s.PSet(0, 0, RGB(255, 255, 255));
    BitBlt(s, 1, 0, 2, 2, s, 0, 0, Rop::SRCINVERT);
    EXPECT_GT(s.versione(), v);
    EXPECT_EQ(dati[0], 0x010203u);
    EXPECT_EQ(dati[1], 0x040506u);
    EXPECT_EQ(s.Point(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(s.Point(1, 0), (RGB(255, 255, 255) ^ 0x040506));
    EXPECT_EQ(s.Point(2, 1), (0x0D0E0F ^ 0x101112));
    EXPECT_EQ(copia.Point(0, 0), 0x010203);
    EXPECT_EQ(copia.riga(0), dati.data()) << "a copy of read-only pixels shares them";
}

TEST(Superficie, ResizingKeepsWhatFitsAndBlackensTheRest) {
    Superficie s = disordinata(4, 3, 5);
    const Superficie prima = s;
    s.ridimensiona(6, 2);
    EXPECT_EQ(s.ScaleWidth(), 6);
    EXPECT_EQ(s.ScaleHeight(), 2);
    EXPECT_EQ(s.Point(3, 1), prima.Point(3, 1));
    EXPECT_EQ(s.Point(4, 0), 0);
    s.ridimensiona(6, 2);
    EXPECT_EQ(s.Point(3, 1), prima.Point(3, 1));
}

TEST(Incorpora, APartDrawsInPlaceInItsContainerFromTheFirstCopyOn) {
    Superficie buffer = disordinata(12, 10, 6);
    Superficie parte = disordinata(5, 4, 7);
    const Superficie cornice = buffer, contenuto = parte;
    incorpora(buffer, 3, 2, parte);
    Superficie atteso = cornice;
    BitBlt(atteso, 3, 2, 5, 4, contenuto, 0, 0, Rop::SRCCOPY);
    EXPECT_EQ(buffer, atteso);
    EXPECT_EQ(parte, contenuto);
    EXPECT_THROW(parte.pixel(), std::logic_error) << "its rows now lie in the buffer's";

    // What is drawn into the part reaches the buffer with the next copy, and only there.
    const Superficie pennello = disordinata(3, 3, 8);
    disegna_coppia(parte, -1, 2, pennello, pennello);
    BitBlt(parte, 1, 0, 4, 4, parte, 0, 0, Rop::SRCCOPY);
    parte.PSet(4, 3, RGB(9, 8, 7));
    const Superficie disegnata = parte;
    incorpora(buffer, 3, 2, parte);
    EXPECT_EQ(parte, disegnata);
    BitBlt(atteso, 3, 2, 5, 4, disegnata, 0, 0, Rop::SRCCOPY);
    EXPECT_EQ(buffer, atteso);

    // The two share those pixels: drawing into that place of the buffer draws into the part.
    BitBlt(buffer, 0, 0, 12, 10, cornice, 0, 0, Rop::SRCCOPY);
    Superficie parte_attesa(5, 4);
    BitBlt(parte_attesa, 0, 0, 5, 4, cornice, 3, 2, Rop::SRCCOPY);
    EXPECT_EQ(parte, parte_attesa);
    incorpora(buffer, 3, 2, parte);
    EXPECT_EQ(buffer, cornice);
}

TEST(Incorpora, BlitsBetweenAPartAndItsContainerOverlapSafely) {
    for (Rop op : kOperazioni) {
        Superficie buffer = disordinata(20, 16, 9);
        Superficie parte = disordinata(10, 8, 10);
        incorpora(buffer, 4, 4, parte);
        Superficie atteso_buffer = buffer, atteso_parte = parte;
        // The part read from the buffer around it, and the buffer from the part.
        riferimento(atteso_parte, 0, 0, 10, 8, atteso_buffer, 2, 3, op);
        BitBlt(parte, 0, 0, 10, 8, buffer, 2, 3, op);
        ASSERT_EQ(parte, atteso_parte) << static_cast<int>(op);
        BitBlt(atteso_buffer, 4, 4, 10, 8, atteso_parte, 0, 0, Rop::SRCCOPY);
        ASSERT_EQ(buffer, atteso_buffer) << static_cast<int>(op);
        riferimento(atteso_buffer, 5, 6, 10, 8, atteso_parte, 0, 0, op);
        BitBlt(buffer, 5, 6, 10, 8, parte, 0, 0, op);
        ASSERT_EQ(buffer, atteso_buffer) << static_cast<int>(op);
        // The very same pixels: a copy or an AND keeps them, an XOR clears them.
        incorpora(buffer, 4, 4, parte);
        Superficie atteso_stessa = parte;
        riferimento(atteso_stessa, 0, 0, 10, 8, atteso_stessa, 0, 0, op);
        BitBlt(buffer, 4, 4, 10, 8, parte, 0, 0, op);
        ASSERT_EQ(parte, atteso_stessa) << static_cast<int>(op);
    }
}

TEST(Incorpora, APartOutsideTheContainerIsCopiedClippedAndStaysApart) {
    Superficie buffer(6, 6, RGB(1, 1, 1));
    Superficie parte(4, 4, RGB(2, 2, 2));
    incorpora(buffer, 4, 4, parte);
    EXPECT_EQ(buffer.Point(5, 5), RGB(2, 2, 2));
    EXPECT_EQ(buffer.Point(3, 3), RGB(1, 1, 1));
    parte.PSet(0, 0, RGB(3, 3, 3));
    EXPECT_EQ(buffer.Point(4, 4), RGB(2, 2, 2));
    EXPECT_NO_THROW(parte.pixel());
}

TEST(Incorpora, ReplacingTheContainerLeavesThePartWhole) {
    auto buffer = std::make_unique<Superficie>(disordinata(10, 10, 11));
    Superficie parte = disordinata(4, 4, 12);
    const Superficie contenuto = parte;
    incorpora(*buffer, 1, 1, parte);
    *buffer = Superficie(10, 10, RGB(5, 5, 5));
    buffer.reset();
    EXPECT_EQ(parte, contenuto);
    parte.PSet(3, 3, RGB(4, 4, 4));
    EXPECT_EQ(parte.Point(3, 3), RGB(4, 4, 4));
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
