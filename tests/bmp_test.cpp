#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

// A file beside the test, removed when the test ends.
struct FileProva {
    std::string percorso;
    explicit FileProva(const std::vector<uint8_t>& dati)
        : percorso((std::filesystem::temp_directory_path() /
                    ("didiv_bmp_" + std::to_string(::getpid()) + "_" + std::to_string(contatore()++) + ".bmp"))
                       .string()) {
        std::ofstream(percorso, std::ios::binary).write(reinterpret_cast<const char*>(dati.data()),
                                                        static_cast<std::streamsize>(dati.size()));
    }
    ~FileProva() { std::remove(percorso.c_str()); }
    static int& contatore() {
        static int n = 0;
        return n;
    }
};

int errore_file(const std::vector<uint8_t>& d) {
    FileProva f(d);
    try {
        LoadPicture(f.percorso);
    } catch (const ErroreRuntime& e) {
        return e.numero();
    }
    return 0;
}

// Rows of `w` pixels at `bpp` bits whose values run through the palette (or the colours).
std::vector<std::vector<uint8_t>> righe_di(int w, int h, int bpp, int colori) {
    std::vector<std::vector<uint8_t>> r(static_cast<size_t>(h));
    for (int y = 0; y < h; ++y) {
        auto& riga = r[static_cast<size_t>(y)];
        riga.assign(static_cast<size_t>((w * bpp + 7) / 8), 0);
        for (int x = 0; x < w; ++x) {
            const unsigned v = static_cast<unsigned>(x * 7 + y * 13);
            if (bpp >= 24) {
                for (int b = 0; b < bpp / 8; ++b) riga[static_cast<size_t>(x * (bpp / 8) + b)] = static_cast<uint8_t>(v * (b + 3) + b);
            } else {
                const unsigned i = v % static_cast<unsigned>(colori);
                const int bit = x * bpp;
                riga[static_cast<size_t>(bit / 8)] |= static_cast<uint8_t>(i << (8 - bpp - bit % 8));
            }
        }
    }
    return r;
}

TEST(Bmp, AFileIsReadAsItsBytesAreAtEveryDepthWidthAndSize) {
    std::vector<uint32_t> palette;
    for (uint32_t i = 0; i < 256; ++i) palette.push_back(i * 0x010305u & 0xFFFFFF);
    for (int bpp : {1, 4, 8, 24, 32})
        for (int w : {1, 3, 4, 8, 9, 33})
            for (int h : {1, 5})
                for (bool td : {false, true}) {
                    const int colori = bpp >= 24 ? 0 : std::min(1 << bpp, 200);
                    const std::vector<uint32_t> pal(palette.begin(), palette.begin() + colori);
                    const auto dati = bmp(w, h, bpp, pal, righe_di(w, h, bpp, std::max(colori, 1)), td);
                    const Superficie attesa = decodifica_bmp(dati);
                    ASSERT_EQ(attesa.ScaleWidth(), w);
                    // Each pixel from its own bytes, by the format's rule.
                    const auto righe = righe_di(w, h, bpp, std::max(colori, 1));
                    for (int y = 0; y < h; ++y)
                        for (int x = 0; x < w; ++x) {
                            const auto& r = righe[static_cast<size_t>(y)];
                            Colore c;
                            if (bpp >= 24) {
                                const size_t o = static_cast<size_t>(x * (bpp / 8));
                                c = RGB(r[o + 2], r[o + 1], r[o]);
                            } else {
                                const int bit = x * bpp;
                                c = static_cast<Colore>(pal[(r[static_cast<size_t>(bit / 8)] >> (8 - bpp - bit % 8)) & ((1 << bpp) - 1)]);
                            }
                            ASSERT_EQ(attesa.Point(x, y), c) << bpp << " bit " << w << "x" << h << " at " << x << "," << y;
                        }
                    FileProva f(dati);
                    ASSERT_EQ(LoadPicture(f.percorso), attesa) << bpp << " bit " << w << "x" << h;
                }
}

TEST(Bmp, ALargeFileReadInChunksFailsAsAWholeWhereverItIsBad) {
    // 24-bit rows of 3000 bytes: chunks of 21 rows, the last one short.
    const int w = 1000, h = 100;
    auto buono = bmp(w, h, 24, {}, righe_di(w, h, 24, 1), false);
    FileProva f(buono);
    EXPECT_EQ(LoadPicture(f.percorso), decodifica_bmp(buono));
    std::vector<uint8_t> corto(buono.begin(), buono.end() - 1);
    EXPECT_EQ(errore_file(corto), 481);
    EXPECT_EQ(numero_errore(corto), 481);
    // An 8-bit picture whose one bad index lies in its last chunk.
    const int w8 = 3000;
    auto righe8 = righe_di(w8, h, 8, 2);
    righe8[0][w8 - 1] = 2;  // the top row comes last in a bottom-up file
    const auto cattivo = bmp(w8, h, 8, {0, 0xFFFFFF}, righe8, false);
    EXPECT_EQ(numero_errore(cattivo), 481);
    EXPECT_EQ(errore_file(cattivo), 481);
    // Every header cut short is refused from a file as from memory.
    for (size_t n : {0u, 1u, 14u, 30u, 53u, 60u}) {
        std::vector<uint8_t> c(buono.begin(), buono.begin() + static_cast<long>(n));
        EXPECT_EQ(errore_file(c), 481) << n;
    }
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
