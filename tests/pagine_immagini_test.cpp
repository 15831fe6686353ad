// The pages of the books as the generator draws them: the words keep a margin on both pages.

#include <gtest/gtest.h>

#include <string>

#include "banco.h"
#include "platform/bmp.h"

namespace didiv::test {
namespace {

double luce(Colore c) { return 0.299 * ((c >> 16) & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * (c & 0xFF); }

// The pages' outer edges are at x 14 and 386, the spine at 200: no letter comes within 14
// pixels of either outer edge, nor within 10 of the spine.
TEST(PagineImmagini, LeParoleStannoLontaneDaiBordi) {
    for (int n = 1; n <= 13; ++n) {
        const std::string nome = "lib" + std::to_string(n) + ".bmp";
        SCOPED_TRACE(nome);
        const Superficie p = LoadPicture(cartella_dati() + "/" + nome);
        ASSERT_EQ(p.ScaleWidth(), 400);
        int sinistra = 400, destra = 0, testo = 0;
        for (int y = 36; y < 346; ++y)
            for (int x = 200 + 3; x < 386; ++x)
                if (luce(p.Point(x, y)) < 90) {
                    ++testo;
                    sinistra = std::min(sinistra, x);
                    destra = std::max(destra, x);
                }
        ASSERT_GT(testo, 200) << "the right page carries words";
        EXPECT_LE(destra, 386 - 14);
        EXPECT_GE(sinistra, 200 + 10);
    }
}

}  // namespace
}  // namespace didiv::test
