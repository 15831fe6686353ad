// The world picture against the pictures the game draws over it: where a picture is copied
// onto the world at a fixed place, the two must agree, or the player sees it pop in and out.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "banco.h"
#include "platform/bmp.h"
#include "resources/pacchetto.h"

namespace didiv::test {
namespace {

constexpr int kRigaZero = 400;  // picture row of world row 0

const Superficie& mondo() {
    static const Superficie m = LoadPicture(cartella_dati() + "/gameb2.bmp");
    return m;
}
Colore nel_mondo(int x, int y) { return mondo().Point(x, y + kRigaZero); }

Superficie incorporata(const char* nome, int membro) {
    std::optional<Superficie> s = immagine_incorporata(nome, membro);
    if (!s) ADD_FAILURE() << nome << "(" << membro << ") missing";
    return s.value_or(Superficie());
}

// Where the railing is opaque, the world shows its very pixels at each of the five places the
// game draws it: the left 238 columns at three of them, the whole picture at the other two.
TEST(Mondo, MostraLaRinghieraComeLaDisegnaIlGioco) {
    struct Posto {
        int x, y, larghezza;
    };
    const Posto posti[] = {{298, 133, 238}, {298, -47, 238}, {458, -231, 400}, {1662, -108, 238}, {1664, -288, 400}};
    const Superficie maschera = incorporata("Picture15", 0), immagine = incorporata("Picture15", 1);
    ASSERT_EQ(maschera.ScaleWidth(), 400);
    ASSERT_EQ(maschera.ScaleHeight(), 60);
    for (const Posto& p : posti) {
        SCOPED_TRACE(testing::Message() << "place at " << p.x << ", " << p.y);
        int opachi = 0, diversi = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < p.larghezza; ++x) {
                if (maschera.Point(x, y) != 0) continue;
                ++opachi;
                if (nel_mondo(p.x + x, p.y + y) != immagine.Point(x, y) && ++diversi <= 3)
                    ADD_FAILURE() << "differs at world " << p.x + x << ", " << p.y + y;
            }
        EXPECT_EQ(diversi, 0);
        EXPECT_GT(opachi, p.larghezza * 20);
    }
}

}  // namespace
}  // namespace didiv::test
