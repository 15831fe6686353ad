#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "platform/bmp.h"
#include "platform/errori_runtime.h"

namespace didiv {
namespace {

// A minimal BMP writer for the cases our own encoder does not produce.
std::vector<uint8_t> bmp(int w, int h, int bpp, const std::vector<uint32_t>& palette,
                         const std::vector<std::vector<uint8_t>>& righe_dall_alto, bool top_down) {
    const int passo = ((w * bpp + 31) / 32) * 4;
    const uint32_t off = 54 + static_cast<uint32_t>(palette.size()) * 4;
    std::vector<uint8_t> o(off + static_cast<size_t>(passo) * h, 0);
    auto m32 = [&](size_t p, uint32_t v) { for (int i = 0; i < 4; ++i) o[p + i] = static_cast<uint8_t>(v >> (8 * i)); };
    o[0] = 'B'; o[1] = 'M';
    m32(2, static_cast<uint32_t>(o.size())); m32(10, off); m32(14, 40); m32(18, static_cast<uint32_t>(w));
    m32(22, static_cast<uint32_t>(top_down ? -h : h)); o[26] = 1; o[28] = static_cast<uint8_t>(bpp);
    m32(46, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) {
        o[54 + i * 4] = static_cast<uint8_t>(palette[i]);
        o[54 + i * 4 + 1] = static_cast<uint8_t>(palette[i] >> 8);
        o[54 + i * 4 + 2] = static_cast<uint8_t>(palette[i] >> 16);
    }
    for (int y = 0; y < h; ++y) {
        const auto& r = righe_dall_alto[static_cast<size_t>(y)];
        const int fila = top_down ? y : h - 1 - y;
        std::copy(r.begin(), r.end(), o.begin() + off + static_cast<size_t>(passo) * fila);
    }
    return o;
}

int numero_errore(const std::vector<uint8_t>& d) {
    try {
        decodifica_bmp(d);
    } catch (const ErroreRuntime& e) {
        return e.numero();
    }
    return 0;
}

TEST(Bmp, RoundTripOfOurOwnTwentyFourBitFiles) {
    Superficie s(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) s.PSet(x, y, RGB(x * 40, y * 80, 255 - x));
    EXPECT_EQ(decodifica_bmp(codifica_bmp24(s)), s);
}

TEST(Bmp, PalettedDepthsBothRowOrders) {
    const std::vector<uint32_t> pal{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    for (bool td : {false, true}) {
        // 1 bit: 10 pixels 1010000011
        auto b1 = bmp(10, 2, 1, {0x000000, 0xFFFFFF}, {{0xA0, 0xC0}, {0x00, 0x40}}, td);
        Superficie s1 = decodifica_bmp(b1);
        EXPECT_EQ(s1.Point(0, 0), RGB(255, 255, 255));
        EXPECT_EQ(s1.Point(1, 0), 0);
        EXPECT_EQ(s1.Point(8, 0), RGB(255, 255, 255));
        EXPECT_EQ(s1.Point(9, 1), RGB(255, 255, 255));
        EXPECT_EQ(s1.Point(8, 1), 0);
        // 4 bit: pixels 1 2 3
        Superficie s4 = decodifica_bmp(bmp(3, 1, 4, pal, {{0x12, 0x30}}, td));
        EXPECT_EQ(s4.Point(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(s4.Point(1, 0), RGB(0, 255, 0));
        EXPECT_EQ(s4.Point(2, 0), RGB(0, 0, 255));
        // 8 bit, two rows: the top row is what the file says is top.
        Superficie s8 = decodifica_bmp(bmp(2, 2, 8, pal, {{1, 2}, {3, 0}}, td));
        EXPECT_EQ(s8.Point(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(s8.Point(0, 1), RGB(0, 0, 255));
        // 32 bit BGRX
        Superficie s32 = decodifica_bmp(bmp(1, 2, 32, {}, {{1, 2, 3, 0}, {4, 5, 6, 0}}, td));
        EXPECT_EQ(s32.Point(0, 0), RGB(3, 2, 1));
        EXPECT_EQ(s32.Point(0, 1), RGB(6, 5, 4));
    }
}

TEST(Bmp, MalformedFilesAreErrorFourEightyOne) {
    auto buono = bmp(4, 4, 8, {0, 0xFFFFFF}, std::vector<std::vector<uint8_t>>(4, std::vector<uint8_t>(4, 1)), false);
    ASSERT_EQ(numero_errore(buono), 0);
    for (size_t n : {0u, 1u, 14u, 30u, 53u, 60u}) {
        std::vector<uint8_t> corto(buono.begin(), buono.begin() + static_cast<long>(n));
        EXPECT_EQ(numero_errore(corto), 481) << "truncated at " << n;
    }
    std::vector<uint8_t> senza_ultima_riga(buono.begin(), buono.end() - 1);
    EXPECT_EQ(numero_errore(senza_ultima_riga), 481);
    auto indice_fuori = buono;
    indice_fuori.back() = 7;  // the palette has two colours
    EXPECT_EQ(numero_errore(indice_fuori), 481);
    auto enorme = buono;
    enorme[18] = 0xFF; enorme[19] = 0xFF; enorme[20] = 0xFF; enorme[21] = 0x7F;
    EXPECT_EQ(numero_errore(enorme), 481);
    auto compresso = buono;
    compresso[30] = 1;  // run-length compression is not ours
    EXPECT_EQ(numero_errore(compresso), 481);
    auto firma = buono;
    firma[0] = 'X';
    EXPECT_EQ(numero_errore(firma), 481);
}

TEST(Bmp, MissingFileIsErrorFiftyThree) {
    try {
        LoadPicture("non_esiste_davvero.bmp");
        FAIL();
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), 53);
    }
}

}  // namespace
}  // namespace didiv
