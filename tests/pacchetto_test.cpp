// The bundle of built-in pictures: what the generator writes is what the game reads, and a
// damaged bundle is refused, never read past its end.

#include <gtest/gtest.h>

#include <utility>

#include "platform/errori_runtime.h"
#include "resources/pacchetto.h"

namespace didiv {
namespace {

std::vector<VocePacchetto> voci_di_prova() {
    Superficie a(3, 2), b(1, 1, RGB(9, 8, 7)), c(5, 4);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) a.PSet(x, y, RGB(x * 50, y * 90, 200));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) c.PSet(x, y, RGB(y, x, x * y));
    return {{"Picture2", 0, a}, {"Icona", 0, b}, {"Picture31", 2, c}};
}

int errore(std::span<const uint8_t> d) {
    try {
        leggi_pacchetto(d);
    } catch (const ErroreRuntime& e) {
        return e.numero();
    }
    return 0;
}

TEST(Pacchetto, WhatIsWrittenIsReadBackWithNamesMembersAndPixels) {
    const auto voci = voci_di_prova();
    const std::vector<uint8_t> dati = scrivi_pacchetto(voci);
    const auto lette = leggi_pacchetto(dati);
    ASSERT_EQ(lette.size(), voci.size());
    for (size_t i = 0; i < voci.size(); ++i) {
        EXPECT_EQ(lette[i].nome, voci[i].nome);
        EXPECT_EQ(lette[i].membro, voci[i].membro);
        EXPECT_EQ(lette[i].immagine, voci[i].immagine) << voci[i].nome;
    }
}

TEST(Pacchetto, PicturesAreReadInPlaceAndCopiedOnlyWhenDrawnInto) {
    const std::vector<uint8_t> dati = scrivi_pacchetto(voci_di_prova());
    auto lette = leggi_pacchetto(dati);
    const uint32_t* inizio = reinterpret_cast<const uint32_t*>(dati.data());
    const uint32_t* fine = reinterpret_cast<const uint32_t*>(dati.data() + dati.size());
    Superficie& s = lette[2].immagine;
    const uint32_t* p = std::as_const(s).riga(0);
    EXPECT_TRUE(p >= inizio && p < fine) << "no copy of the pixels";
    const std::vector<uint8_t> prima = dati;
    s.PSet(0, 0, RGB(1, 1, 1));
    EXPECT_EQ(dati, prima) << "the bundle itself is never written";
    EXPECT_EQ(s.Point(0, 0), RGB(1, 1, 1));
}

TEST(Pacchetto, BytesOffAWordBoundaryAreCopied) {
    const std::vector<uint8_t> dati = scrivi_pacchetto(voci_di_prova());
    std::vector<uint8_t> spostati(dati.size() + 1);
    std::copy(dati.begin(), dati.end(), spostati.begin() + 1);
    const auto lette = leggi_pacchetto(std::span<const uint8_t>(spostati).subspan(1));
    const auto voci = voci_di_prova();
    for (size_t i = 0; i < voci.size(); ++i) EXPECT_EQ(lette[i].immagine, voci[i].immagine);
}

TEST(Pacchetto, DamagedBundlesAreErrorFourEightyOne) {
    const std::vector<uint8_t> dati = scrivi_pacchetto(voci_di_prova());
    ASSERT_EQ(errore(dati), 0);
    for (size_t n = 0; n < dati.size(); ++n)
        ASSERT_EQ(errore(std::span<const uint8_t>(dati).first(n)), 481) << "cut at " << n;
    auto firma = dati;
    firma[3] = '1';  // the old format held BMP files
    EXPECT_EQ(errore(firma), 481);
    // The first picture's width: zero, or so large that it would pass the bytes there are.
    const size_t larghezza = 4 + 4 + 4 + 8 + 4;
    auto vuota = dati;
    for (int i = 0; i < 4; ++i) vuota[larghezza + i] = 0;
    EXPECT_EQ(errore(vuota), 481);
    auto enorme = dati;
    for (int i = 0; i < 4; ++i) enorme[larghezza + i] = 0xFF;
    EXPECT_EQ(errore(enorme), 481);
    // Its pixels said to start near the end, or past it.
    for (uint32_t inizio : {static_cast<uint32_t>(dati.size() - 8), static_cast<uint32_t>(dati.size() + 4), 0xFFFFFFFCu}) {
        auto fuori = dati;
        for (int i = 0; i < 4; ++i) fuori[larghezza + 8 + static_cast<size_t>(i)] = static_cast<uint8_t>(inizio >> (8 * i));
        EXPECT_EQ(errore(fuori), 481) << inizio;
    }
}

TEST(Pacchetto, TheBuiltInPicturesAreFoundByControlAndMember) {
    const auto mancante = immagine_incorporata("Picture2", 7);
    EXPECT_FALSE(mancante.has_value());
    const auto m = immagine_incorporata("Picture31", 2), im = immagine_incorporata("Picture32", 2);
    ASSERT_TRUE(m && im);
    EXPECT_EQ(m->ScaleWidth(), 105);
    EXPECT_EQ(m->ScaleHeight(), 60);
    EXPECT_NE(*m, *im);
}

}  // namespace
}  // namespace didiv
