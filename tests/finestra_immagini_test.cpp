// The window's own pictures as the program carries them: the frame, the empty bar, the
// banners, the pointer arrows and the window icon.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "resources/catalogo.h"
#include "resources/pacchetto.h"

namespace didiv {
namespace {

constexpr uint32_t kInk = 0x2B1D14, kBannerRed = 0xC0392B, kParchment = 0xF3E6C4;

bool vicino(uint32_t a, uint32_t b, int tolleranza) {
    for (int sh : {16, 8, 0})
        if (std::abs(static_cast<int>((a >> sh) & 0xFF) - static_cast<int>((b >> sh) & 0xFF)) > tolleranza)
            return false;
    return true;
}

Superficie carica(const std::string& nome, int membro = 0) {
    auto s = immagine_incorporata(nome, membro);
    EXPECT_TRUE(s.has_value()) << nome << "(" << membro << ") is not in the program";
    return s ? *s : Superficie();
}

int conta(const Superficie& s, int x0, int y0, int x1, int y1, uint32_t c, int tolleranza) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += vicino(s.riga(y)[x], c, tolleranza);
    return n;
}

TEST(ImmaginiFinestra, HannoLeMisureDelCatalogo) {
    for (const char* nome : {"Picture64", "Picture12", "Picture35", "Picture36", "Picture77"}) {
        const Misura m = voce_catalogo(nome)->misure[0];
        const Superficie s = carica(nome);
        EXPECT_EQ(s.ScaleWidth(), m.w) << nome;
        EXPECT_EQ(s.ScaleHeight(), m.h) << nome;
    }
    for (int i = 1; i <= 4; ++i) {
        const Superficie s = carica("Picture30", i);
        EXPECT_EQ(s.ScaleWidth(), 32);
        EXPECT_EQ(s.ScaleHeight(), 32);
    }
    const Superficie icona = carica(std::string(kNomeIcona));
    EXPECT_EQ(icona.ScaleWidth(), kMisuraIcona.w);
    EXPECT_EQ(icona.ScaleHeight(), kMisuraIcona.h);
}

TEST(ImmaginiFinestra, LaCorniceCircondaCampoEBarraNeri) {
    const Superficie s = carica("Picture64");
    ASSERT_EQ(s.ScaleWidth(), 480);
    int neri_dentro = 0, neri_fuori = 0;
    for (int y = 0; y < 540; ++y) {
        for (int x = 0; x < 480; ++x) {
            const bool apertura = x >= 40 && x < 440 && y >= 40 && y < 500;
            const bool nero = s.riga(y)[x] == 0;
            (apertura ? neri_dentro : neri_fuori) += nero;
        }
    }
    EXPECT_EQ(neri_dentro, 400 * 460) << "the play field and the bar must be black";
    EXPECT_EQ(neri_fuori, 0) << "the frame must cover everything around them";
    // A gold line at least two pixels wide runs all round the opening, within 4 pixels of it.
    auto dorato = [&](int x, int y) {
        const uint32_t c = s.riga(y)[x];
        const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
        return r >= 150 && g >= 100 && b < 130 && r - b > 90;
    };
    int posti = 0, con_oro = 0;
    for (int x = 40; x < 440; ++x) {
        for (int lato = 0; lato < 2; ++lato) {
            int n = 0;
            for (int d = 1; d <= 4; ++d) n += dorato(x, lato ? 499 + d : 40 - d);
            ++posti;
            con_oro += n >= 2;
        }
    }
    for (int y = 40; y < 500; ++y) {
        for (int lato = 0; lato < 2; ++lato) {
            int n = 0;
            for (int d = 1; d <= 4; ++d) n += dorato(lato ? 439 + d : 40 - d, y);
            ++posti;
            con_oro += n >= 2;
        }
    }
    EXPECT_EQ(con_oro, posti);
}

TEST(ImmaginiFinestra, LaBarraVuotaEPergamenaSenzaSegni) {
    const Superficie s = carica("Picture12");
    ASSERT_EQ(s.ScaleWidth(), 400);
    // Parchment in the middle, darker wood all round the edge.
    EXPECT_GT(conta(s, 8, 8, 392, 52, kParchment, 28), 384 * 44 * 8 / 10);
    EXPECT_EQ(conta(s, 0, 0, 400, 3, kParchment, 40), 0);
    EXPECT_EQ(conta(s, 0, 57, 400, 60, kParchment, 40), 0);
    // No marks between the slots: the columns at the slot borders look like the rest.
    auto luce_colonna = [&](int x) {
        int somma = 0;
        for (int y = 8; y < 52; ++y) somma += (s.riga(y)[x] >> 8) & 0xFF;
        return somma / 44;
    };
    for (int x : {100, 200, 300}) {
        EXPECT_NEAR(luce_colonna(x), luce_colonna(x - 50), 12) << "column " << x;
        EXPECT_NEAR(luce_colonna(x), luce_colonna(x + 50), 12) << "column " << x;
    }
}

// Every object sits in the bar with at least two rows of parchment between it and the frame.
TEST(ImmaginiFinestra, GliOggettiNonToccanoLaCorniceDellaBarra) {
    const Superficie barra = carica("Picture12");
    int alto = 0, basso = 59;  // the parchment's first and last rows, down the middle
    while (alto < 30 && !vicino(barra.riga(alto)[200], kParchment, 40)) ++alto;
    while (basso > 30 && !vicino(barra.riga(basso)[200], kParchment, 40)) --basso;
    ASSERT_GT(alto, 2);
    ASSERT_LT(basso, 57);
    const std::pair<const char*, int> oggetti[] = {{"Picture37", 15}, {"Picture39", 5}, {"Picture41", 5},
                                                   {"Picture44", 5},  {"Picture54", 15}, {"Picture55", 5},
                                                   {"Picture65", 5},  {"Picture66", 5},  {"Picture67", 5},
                                                   {"Picture71", 5}};
    for (const auto& [nome, y] : oggetti) {
        const Superficie m = carica(nome, 0);
        int primo = -1, ultimo = -1;
        for (int r = 0; r < m.ScaleHeight(); ++r)
            for (int x = 0; x < m.ScaleWidth(); ++x)
                if (m.riga(r)[x] == 0) {
                    if (primo < 0) primo = r;
                    ultimo = r;
                }
        ASSERT_GE(primo, 0) << nome;
        EXPECT_GE(y + primo, alto + 2) << nome;
        EXPECT_LE(y + ultimo, basso - 2) << nome;
    }
}

struct Striscione {
    const char* nome;
    int w, h;
};

TEST(ImmaginiFinestra, GliStriscioniPortanoLeParoleSulRosso) {
    for (const auto& b : {Striscione{"Picture35", 200, 58}, Striscione{"Picture36", 174, 52},
                          Striscione{"Picture77", 245, 69}}) {
        SCOPED_TRACE(b.nome);
        const Superficie s = carica(b.nome);
        ASSERT_EQ(s.ScaleWidth(), b.w);
        EXPECT_GT(conta(s, 0, 0, b.w, b.h, kBannerRed, 40), b.w * b.h / 3);
        // The 2 px ink border.
        EXPECT_EQ(conta(s, 0, 0, b.w, 2, kInk, 8), 2 * b.w);
        EXPECT_EQ(conta(s, 0, b.h - 2, b.w, b.h, kInk, 8), 2 * b.w);
        EXPECT_EQ(conta(s, 0, 0, 2, b.h, kInk, 8), 2 * b.h);
        EXPECT_EQ(conta(s, b.w - 2, 0, b.w, b.h, kInk, 8), 2 * b.h);
        // Words in the middle band, in ink, spread evenly about the centre.
        int inchiostro = 0;
        long somma_x = 0;
        for (int y = b.h / 3; y < b.h * 2 / 3; ++y)
            for (int x = 6; x < b.w - 6; ++x)
                if (vicino(s.riga(y)[x], kInk, 40)) {
                    ++inchiostro;
                    somma_x += x;
                }
        EXPECT_GT(inchiostro, 2 * b.w);
        if (inchiostro > 0) {
            EXPECT_NEAR(static_cast<double>(somma_x) / inchiostro, b.w / 2.0, b.w / 20.0);
        }
    }
}

// Read at a glance: the letters are rimmed, so along the words light meets dark sharply.
TEST(ImmaginiFinestra, LeParoleDegliStriscioniSiLeggonoSubito) {
    auto luce = [](uint32_t c) { return 0.299 * ((c >> 16) & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * (c & 0xFF); };
    for (const auto& b : {Striscione{"Picture35", 200, 58}, Striscione{"Picture36", 174, 52},
                          Striscione{"Picture77", 245, 69}}) {
        SCOPED_TRACE(b.nome);
        const Superficie s = carica(b.nome);
        int salti = 0;
        for (int y = b.h / 3; y < b.h * 2 / 3; ++y)
            for (int x = 8; x < b.w - 10; ++x) salti += std::abs(luce(s.riga(y)[x]) - luce(s.riga(y)[x + 2])) > 120;
        EXPECT_GT(salti, b.w);
    }
}

TEST(ImmaginiFinestra, LeFrecceIndicanoLaLoroDirezione) {
    // Members 1..4: right, left, up, down. The head is the heavy end of the arrow.
    for (int i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const Superficie s = carica("Picture30", i);
        ASSERT_EQ(s.ScaleWidth(), 32);
        int sinistra = 0, destra = 0, sopra = 0, sotto = 0;
        std::set<uint32_t> colori;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const uint32_t c = s.riga(y)[x];
                colori.insert(c);
                if (c == 0) continue;
                (x < 16 ? sinistra : destra)++;
                (y < 16 ? sopra : sotto)++;
            }
        }
        EXPECT_GT(sinistra + destra, 200);
        EXPECT_LE(colori.size(), 16u);
        const int orizz = destra - sinistra, vert = sotto - sopra;
        switch (i) {
            case 1: EXPECT_GT(orizz, 40); break;
            case 2: EXPECT_LT(orizz, -40); break;
            case 3: EXPECT_LT(vert, -40); break;
            case 4: EXPECT_GT(vert, 40); break;
        }
        EXPECT_TRUE(s.riga(0)[0] == 0 && s.riga(31)[31] == 0) << "black around the shape is see-through";
    }
}

TEST(ImmaginiFinestra, LIconaDellaFinestraNonEVuota) {
    const Superficie s = carica(std::string(kNomeIcona));
    ASSERT_EQ(s.ScaleWidth(), 32);
    std::set<uint32_t> colori(s.pixel().begin(), s.pixel().end());
    EXPECT_GT(conta(s, 0, 0, 32, 32, 0, 0), 0) << "it needs a see-through ground";
    EXPECT_GT(32 * 32 - conta(s, 0, 0, 32, 32, 0, 0), 400);
    EXPECT_GE(colori.size(), 5u);
    EXPECT_LE(colori.size(), 16u);
}

}  // namespace
}  // namespace didiv
