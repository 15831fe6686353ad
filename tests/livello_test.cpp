// The generated collision map checked against the plan of the level: its colours, what each
// probe of a standing professor finds, the ladders, stairs, pits and hot-spot patches.

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "../tools/generator/livello_pianta.h"
#include "banco.h"
#include "platform/bmp.h"

namespace didiv::test {
namespace {

using namespace livello;

const Superficie& mappa() {
    static const Superficie m = LoadPicture(cartella_dati() + "/gamemap1.bmp");
    return m;
}
Colore a(int x, int y) { return mappa().Point(x, y + RIGA_ZERO); }

TEST(Mappa, MisureEColori) {
    ASSERT_EQ(mappa().ScaleWidth(), 2200);
    ASSERT_EQ(mappa().ScaleHeight(), 800);
    std::map<uint32_t, int> conta;
    for (uint32_t p : mappa().pixel()) ++conta[p];
    const std::set<uint32_t> ammessi = {0, MAPPA_BIANCO, MAPPA_ROSSO, MAPPA_BLU, MAPPA_VERDE, MAPPA_MAGENTA};
    for (const auto& [c, n] : conta) EXPECT_TRUE(ammessi.count(c)) << std::hex << c << " x" << std::dec << n;
    EXPECT_EQ(conta.size(), ammessi.size());
    // Black blocks everywhere else: most of the map.
    EXPECT_GT(conta[0], 2200 * 800 * 9 / 10);
}

TEST(Mappa, OgniPavimentoLoPortaDaUnCapoAllAltroEMaiOltre) {
    for (const auto& p : PAVIMENTI) {
        SCOPED_TRACE(p.nome);
        for (int x = p.x0; x < p.x1; x += 5) EXPECT_EQ(a(x + 14, p.F), MAPPA_BIANCO) << "right from " << x;
        // (The start, left of the map's first column, is never walked back to.)
        for (int x = std::max(p.x0 + 5, 5); x <= p.x1; x += 5)
            EXPECT_EQ(a(x - 5, p.F), MAPPA_BIANCO) << "left from " << x;
        EXPECT_NE(a(p.x1 + 14, p.F), MAPPA_BIANCO);
        EXPECT_NE(a(p.x0 - 5, p.F), MAPPA_BIANCO);
        // A jump to the left never lands 5 short of the left end, nor to the right past the right.
        EXPECT_NE(a(p.x0 + 1, p.F), MAPPA_BIANCO);
        EXPECT_NE(a(p.x1 + 5, p.F), MAPPA_BIANCO);
        for (int x = p.x0; x <= p.x1; x += 5) {
            // Where he stands no probe finds a pit: not the feet, ladder or jump probes, nor
            // a jump's landing.
            for (int px : {x + 14, x - 5, x + 90, x - 84}) EXPECT_NE(a(px, p.F), MAPPA_VERDE) << x << " " << px;
            for (int dy : {-5, 5}) EXPECT_NE(a(x, p.F + dy), MAPPA_VERDE) << x;
            for (int t : {x + 90, x - 84})
                if (a(t, p.F) == MAPPA_BIANCO) {
                    EXPECT_NE(a(t, p.F + 5), MAPPA_VERDE) << x << " to " << t;
                }
            // No hot spot on the walk row or the trigger row, but the page-2 trigger.
            for (int px : {x + 14, x - 5}) {
                EXPECT_NE(a(px, p.F), MAPPA_MAGENTA);
                if (!(p.F == 188 && px >= 399 && px <= 432)) {
                    EXPECT_NE(a(px, p.F - 6), MAPPA_MAGENTA) << px;
                }
            }
        }
    }
}

TEST(Mappa, IlTriggerDellaPagina2AttraversaL1) {
    int trovati = 0;
    for (int x = 270; x <= 445; x += 5) trovati += a(x + 14, 182) == MAPPA_MAGENTA;
    EXPECT_GT(trovati, 0);
}

TEST(Mappa, OgniScalaSiFermaEsattamenteSullAltroPiano) {
    for (const auto& s : SCALE) {
        SCOPED_TRACE(s.nome);
        EXPECT_EQ((s.L - s.U) % 4, 0);
        EXPECT_EQ(s.U % 2, 0);
        EXPECT_EQ(s.x0 % 5, 0);
        EXPECT_GE(s.x1 - s.x0, 10) << "fewer than three columns";
        for (int c = s.x0; c <= s.x1; c += 5) {
            SCOPED_TRACE(c);
            for (int y = s.L; y > s.U; y -= 4) EXPECT_EQ(a(c, y - 5), MAPPA_BIANCO) << "up at " << y;
            EXPECT_NE(a(c, s.U - 5), MAPPA_BIANCO);
            for (int y = s.U; y < s.L; y += 4) EXPECT_EQ(a(c, y + 5), MAPPA_BIANCO) << "down at " << y;
            EXPECT_NE(a(c, s.L + 5), MAPPA_BIANCO);
            // Between the floors his feet rows find nothing on the ladder: no step sideways
            // off it and no jump onto it.
            for (int y = s.U + 2; y < s.L; y += 2) EXPECT_NE(a(c, y), MAPPA_BIANCO) << y;
        }
    }
}

// The floor below every ladder carries him to each of its columns, and so does the floor
// above, but over the mouth of shaft 2, which he leaves only to the right.
TEST(Mappa, IPavimentiPortanoAOgniColonnaDelleScale) {
    auto porta = [](int F, int x) {
        for (const auto& p : PAVIMENTI)
            if (p.F == F && x >= p.x0 && x <= p.x1) return true;
        return false;
    };
    for (const auto& s : SCALE)
        for (int c = s.x0; c <= s.x1; c += 5) {
            EXPECT_TRUE(porta(s.L, c)) << s.nome << " " << c;
            if (std::string(s.nome) == "corda")
                EXPECT_EQ(a(c + 14, s.U), MAPPA_BIANCO) << c;
            else
                EXPECT_TRUE(porta(s.U, c)) << s.nome << " " << c;
        }
}

TEST(Mappa, LeGradinateScendonoAUnPavimento) {
    for (const auto& g : GRADINATE) {
        SCOPED_TRACE(g.nome);
        for (int i = 0; i < g.n; ++i) EXPECT_EQ(a(g.x0 + 5 * i + 14, g.F0 + 5 * i), MAPPA_ROSSO) << i;
        for (int i = 1; i <= g.n; ++i) EXPECT_EQ(a(g.x0 + 5 * (i - 1), g.F0 + 5 * i), MAPPA_BLU) << i;
        // Both ends of the flight are floors.
        const int xb = g.x0 + 5 * g.n, Fb = g.F0 + 5 * g.n;
        EXPECT_EQ(a(xb + 14, Fb), MAPPA_BIANCO);
        EXPECT_EQ(a(g.x0 - 5, g.F0), MAPPA_BIANCO);
    }
    int rossi = 0, blu = 0;
    for (uint32_t p : mappa().pixel()) {
        rossi += p == static_cast<uint32_t>(MAPPA_ROSSO);
        blu += p == static_cast<uint32_t>(MAPPA_BLU);
    }
    EXPECT_EQ(rossi, 19);
    EXPECT_EQ(blu, 19);
}

TEST(Mappa, SoloDuePozziEDoveSiEntra) {
    int verdi = 0;
    for (uint32_t p : mappa().pixel()) verdi += p == static_cast<uint32_t>(MAPPA_VERDE);
    int attesi = 0;
    for (const auto& p : POZZI) {
        attesi += p.y1 - p.y0 + 1;
        for (int y = p.y0; y <= p.y1; ++y) EXPECT_EQ(a(p.x, y), MAPPA_VERDE) << p.nome << " " << y;
    }
    EXPECT_EQ(verdi, attesi);
    // The crossing with the exit corridor stays a pit.
    EXPECT_EQ(a(994, 162), MAPPA_VERDE);
    // The only walk steps that find a pit: right from the lip, left from the right rim.
    std::set<std::pair<int, int>> ingressi;
    for (const auto& p : PAVIMENTI)
        for (int x = p.x0; x <= p.x1; x += 5) {
            if (a(x + 14, p.F) == MAPPA_BIANCO && a(x + 19, p.F + 5) == MAPPA_VERDE) ingressi.insert({x, +1});
            if (a(x - 5, p.F) == MAPPA_BIANCO && a(x - 10, p.F + 5) == MAPPA_VERDE) ingressi.insert({x, -1});
        }
    EXPECT_EQ(ingressi, (std::set<std::pair<int, int>>{{975, +1}, {1510, -1}}));
}

// A ladder's pixel of the map: its columns, on the rows its climb reads.
bool di_scala(int x, int y) {
    for (const auto& s : SCALE)
        if (x >= s.x0 && x <= s.x1 && (x - s.x0) % 5 == 0 && y >= s.U - 1 && y <= s.L + 1 && (y - s.U) % 2 != 0)
            return true;
    return false;
}

TEST(Mappa, LeMacchieDeiPuntiCaldi) {
    int attesi = 0;
    for (const auto& z : ZONE) {
        SCOPED_TRACE(z.nome);
        for (int y = z.y0; y <= z.y1; ++y)
            for (int x = z.x0; x <= z.x1; ++x) {
                if (di_scala(x, y)) continue;
                ++attesi;
                EXPECT_EQ(a(x, y), MAPPA_MAGENTA) << x << "," << y;
            }
    }
    int magenta = 0;
    for (uint32_t p : mappa().pixel()) magenta += p == static_cast<uint32_t>(MAPPA_MAGENTA);
    EXPECT_EQ(magenta, attesi);
    EXPECT_EQ(a(985, 231), MAPPA_BIANCO);  // the plant through the fork's spot
}

// Where the plant crosses the fork's spot it takes every other row of two columns: in every
// row and in every column of the spot the pointer still finds the book.
TEST(Mappa, LaPiantaLasciaLaForchettaFacileDaPuntare) {
    const Zona* z = nullptr;
    for (const auto& c : ZONE)
        if (std::string(c.nome) == "forchetta") z = &c;
    ASSERT_NE(z, nullptr);
    int in_tutto = 0;
    for (int y = z->y0; y <= z->y1; ++y) {
        int n = 0;
        for (int x = z->x0; x <= z->x1; ++x) n += a(x, y) == MAPPA_MAGENTA;
        EXPECT_GE(n, z->x1 - z->x0 - 1) << y;
        in_tutto += n;
    }
    for (int x = z->x0; x <= z->x1; ++x) {
        int n = 0;
        for (int y = z->y0; y <= z->y1; ++y) n += a(x, y) == MAPPA_MAGENTA;
        EXPECT_GE(2 * n, z->y1 - z->y0) << x;
    }
    EXPECT_GE(10 * in_tutto, 9 * (z->x1 - z->x0 + 1) * (z->y1 - z->y0 + 1));
}

TEST(Mappa, IDorsiDisegnatiCopronoLeLoroMacchie) {
    for (const auto& d : DORSI_SPECIALI) {
        const Zona* z = nullptr;
        for (const auto& c : ZONE)
            if (std::string(c.nome) == d.nome) z = &c;
        ASSERT_NE(z, nullptr) << d.nome;
        EXPECT_LE(d.x, z->x0) << d.nome;
        EXPECT_GE(d.x + d.w - 1, z->x1) << d.nome;
        EXPECT_LE(d.y, z->y0) << d.nome;
        EXPECT_GE(d.y + d.h - 1, z->y1) << d.nome;
    }
}

TEST(Mappa, NessunBiancoFuoriDalPiano) {
    auto previsto = [](int x, int y) {
        for (const auto& p : PAVIMENTI)
            if (y == p.F && x >= p.x0 && x <= p.x1 + 9) return true;
        if (di_scala(x, y)) return true;
        for (const auto& b : BIANCHI_EXTRA)
            if (x == b.x && y == b.y) return true;
        return false;
    };
    for (int my = 0; my < ALTEZZA; ++my)
        for (int x = 0; x < LARGHEZZA; ++x)
            if (mappa().Point(x, my) == MAPPA_BIANCO) {
                ASSERT_TRUE(previsto(x, my - RIGA_ZERO)) << x << "," << my - RIGA_ZERO;
            }
    for (const auto& b : BIANCHI_EXTRA) EXPECT_EQ(a(b.x, b.y), MAPPA_BIANCO);
}

}  // namespace
}  // namespace didiv::test

namespace didiv::test {
namespace {

using namespace livello;

// The view keeps him at the middle of the field: pos_x - 200 at most, 400 wide. Past the
// world's right edge the field would keep the last frames' pixels.
TEST(Mondo, NessunPavimentoPortaLaVistaOltreIlMondo) {
    for (const auto& p : PAVIMENTI) EXPECT_LE(p.x1 - 200 + 400, LARGHEZZA) << p.nome;
}

// Every wooden ladder stands where he climbs it: the rung halfway up is centred, within
// 2 px, on the middle of the columns he climbs it from, 40 px right of them (his box is 80
// wide), and reaches past his narrowest shoulders at the outermost columns.
TEST(Mondo, OgniScalaEDisegnataSulleSueColonne) {
    constexpr Colore PIOLO = 0x8A5A36;
    const Superficie mondo = LoadPicture(cartella_dati() + "/gameb2.bmp");
    for (const auto& s : SCALE) {
        if (!s.a_pioli) continue;
        SCOPED_TRACE(s.nome);
        const double centro = (s.x0 + s.x1) / 2.0 + 40;
        int y = s.L - 8;
        while (y - 12 >= (s.U + s.L) / 2) y -= 12;
        const int riga = y + 1 + RIGA_ZERO;  // inside the rung, under its lit top
        int da = static_cast<int>(centro), a_ = da;
        ASSERT_EQ(mondo.Point(da, riga), PIOLO) << "no rung at " << da << "," << y;
        while (mondo.Point(da - 1, riga) == PIOLO) --da;
        while (mondo.Point(a_ + 1, riga) == PIOLO) ++a_;
        EXPECT_NEAR((da + a_ + 1) / 2.0, centro, 2.0) << da << ".." << a_;
        EXPECT_GE(a_ + 1 - da, s.x1 - s.x0) << da << ".." << a_;
    }
}

// At the chasm he stands with his soles up to 56 px right of pos_x: the rim and the middle
// floor of bookcase 3 are drawn under them, in the world and in every jungle frame that
// covers the chasm from (1885, -230).
TEST(Mondo, LaSpondaDelBaratroReggeIPiedi) {
    constexpr Colore ASSE_CHIARA = 0x9C6B3F;
    struct Piede {
        int F, x;
    };
    const Piede piedi[] = {{172, 1880 + 56}, {-52, 1865 + 56}};
    const Superficie mondo = LoadPicture(cartella_dati() + "/gameb2.bmp");
    for (const auto& p : piedi) EXPECT_EQ(mondo.Point(p.x, p.F + 1 + RIGA_ZERO), ASSE_CHIARA) << p.F;
    for (const char* nome : {"/j1.bmp", "/j2.bmp", "/j3.bmp"}) {
        const Superficie j = LoadPicture(cartella_dati() + nome);
        for (const auto& p : piedi) EXPECT_EQ(j.Point(p.x - 1885, p.F + 1 + 230), ASSE_CHIARA) << nome << " " << p.F;
    }
}

}  // namespace
}  // namespace didiv::test
