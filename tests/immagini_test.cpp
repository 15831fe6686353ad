// The built-in pictures drawn with mask and image: they must agree pixel for pixel, or the
// XOR drawing leaves coloured halos. And the professor keeps his place in every pose.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "resources/catalogo.h"
#include "resources/pacchetto.h"

namespace didiv::test {
namespace {

constexpr Colore kBianco = RGB(255, 255, 255);

struct Accoppiata {
    std::string nome_maschera, nome_immagine;
    int membro_maschera, membro_immagine;
};

// Every mask with its image: members 0 and 1 of a pair, or equal members of twin arrays.
std::vector<Accoppiata> accoppiate() {
    std::vector<Accoppiata> r;
    for (const VoceCatalogo& v : catalogo_immagini())
        if (v.tipo == TipoImmagine::coppia) r.push_back({std::string(v.nome), std::string(v.nome), v.primo, v.primo + 1});
    const std::pair<const char*, const char*> gemelli[] = {
        {"Picture31", "Picture32"}, {"Picture52", "Picture53"}, {"Picture62", "Picture61"},
        {"Picture70", "Picture69"}, {"Picture73", "Picture74"}};
    for (const auto& [m, i] : gemelli) {
        const VoceCatalogo* vm = voce_catalogo(m);
        const VoceCatalogo* vi = voce_catalogo(i);
        EXPECT_EQ(vm->tipo, TipoImmagine::maschere) << m;
        EXPECT_EQ(vi->tipo, TipoImmagine::immagini) << i;
        EXPECT_EQ(vm->membri, vi->membri) << m;
        for (int k = 0; k < vm->membri; ++k) r.push_back({m, i, vm->primo + k, vi->primo + k});
    }
    return r;
}

TEST(Immagini, EveryMaskAgreesWithItsImage) {
    int controllate = 0;
    for (const Accoppiata& a : accoppiate()) {
        std::optional<Superficie> m = immagine_incorporata(a.nome_maschera, a.membro_maschera);
        std::optional<Superficie> im = immagine_incorporata(a.nome_immagine, a.membro_immagine);
        // Art still to come is loaded blank, which agrees by itself.
        if (!m && !im) continue;
        SCOPED_TRACE(a.nome_maschera + "(" + std::to_string(a.membro_maschera) + ")");
        ASSERT_TRUE(m && im) << "mask and image come together";
        ASSERT_EQ(m->ScaleWidth(), im->ScaleWidth());
        ASSERT_EQ(m->ScaleHeight(), im->ScaleHeight());
        int errori = 0;
        for (int y = 0; y < m->ScaleHeight() && errori < 5; ++y)
            for (int x = 0; x < m->ScaleWidth() && errori < 5; ++x) {
                const Colore cm = m->Point(x, y), ci = im->Point(x, y);
                if (cm != 0 && cm != kBianco) {
                    ADD_FAILURE() << "mask not pure black or white at " << x << "," << y;
                    ++errori;
                }
                if (cm == kBianco && ci != 0) {
                    ADD_FAILURE() << "image not black under the white mask at " << x << "," << y;
                    ++errori;
                }
                if (ci != 0 && cm != 0) {
                    ADD_FAILURE() << "image outside the mask's shape at " << x << "," << y;
                    ++errori;
                }
            }
        ++controllate;
    }
    // At least the professor and the railing are drawn.
    EXPECT_GE(controllate, 20);
}

const char* const kPoseInPiedi[] = {"Picture2", "Picture3",  "Picture4",  "Picture6",  "Picture7",  "Picture9",
                                    "Picture10", "Picture11", "Picture13", "Picture14", "Picture16", "Picture17",
                                    "Picture18", "Picture68"};

// The lowest and highest rows with any shape in a mask; -1 when empty.
std::pair<int, int> righe(const Superficie& m) {
    int alto = -1, basso = -1;
    for (int y = 0; y < m.ScaleHeight(); ++y)
        for (int x = 0; x < m.ScaleWidth(); ++x)
            if (m.Point(x, y) == 0) {
                if (alto < 0) alto = y;
                basso = y;
            }
    return {alto, basso};
}

TEST(Professore, SolesOnRow116InEveryPoseOnTheGround) {
    for (const char* nome : kPoseInPiedi) {
        const auto m = immagine_incorporata(nome, 0);
        ASSERT_TRUE(m) << nome;
        ASSERT_EQ(m->ScaleWidth(), 80);
        ASSERT_EQ(m->ScaleHeight(), 120);
        const auto [alto, basso] = righe(*m);
        EXPECT_EQ(basso, 116) << nome;
        EXPECT_GE(alto, 10) << nome;  // his head, with room above it (a raised hand may go higher)
    }
    // Leaping he is off the ground, still inside his box.
    for (const char* nome : {"Picture19", "Picture20"}) {
        const auto [alto, basso] = righe(*immagine_incorporata(nome, 0));
        EXPECT_GT(alto, 0) << nome;
        EXPECT_LT(basso, 117) << nome;
    }
}

TEST(Professore, LeftPosesAreTheRightOnesTurnedOver) {
    const std::pair<const char*, const char*> coppie[] = {{"Picture2", "Picture11"},  {"Picture3", "Picture9"},
                                                          {"Picture4", "Picture10"},  {"Picture6", "Picture17"},
                                                          {"Picture7", "Picture18"},  {"Picture19", "Picture20"},
                                                          {"Picture13", "Picture14"}};
    for (const auto& [destra, sinistra] : coppie) {
        for (int membro : {0, 1}) {
            const auto d = immagine_incorporata(destra, membro);
            const auto s = immagine_incorporata(sinistra, membro);
            ASSERT_TRUE(d && s);
            int diverse = 0;
            for (int y = 0; y < 120; ++y)
                for (int x = 1; x < 80; ++x) diverse += d->Point(x, y) != s->Point(80 - x, y);
            EXPECT_EQ(diverse, 0) << destra << " / " << sinistra << " member " << membro;
        }
    }
}

TEST(Professore, EveryFrameOfACycleIsItsOwnPicture) {
    const char* const cicli[][3] = {{"Picture2", "Picture3", "Picture4"},
                                    {"Picture2", "Picture6", "Picture7"},
                                    {"Picture16", "Picture13", "Picture14"},
                                    {"Picture2", "Picture68", "Picture19"}};
    for (const auto& c : cicli)
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j)
                EXPECT_NE(*immagine_incorporata(c[i], 0), *immagine_incorporata(c[j], 0)) << c[i] << " " << c[j];
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j)
            EXPECT_NE(*immagine_incorporata("Picture61", i), *immagine_incorporata("Picture61", j));
}

TEST(Ringhiera, ThePlayerSeesThroughIt) {
    const auto m = immagine_incorporata("Picture15", 0);
    ASSERT_TRUE(m);
    // Between the rails, most of the width shows what lies behind.
    int aperti = 0;
    for (int x = 0; x < 400; ++x) aperti += m->Point(x, 30) == kBianco;
    EXPECT_GT(aperti, 150);
    EXPECT_LT(aperti, 350);
    // Its top rail runs the whole width.
    for (int x = 0; x < 400; ++x) EXPECT_EQ(m->Point(x, 7), 0) << x;
}

}  // namespace
}  // namespace didiv::test
