// The world picture against the pictures the game draws over it: where a picture is copied
// onto the world at a fixed place, the two must agree, or the player sees it pop in and out;
// and the pictures of one thing agree with each other.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "../tools/generator/livello_pianta.h"

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

double luminanza(Colore c) { return 0.299 * ((c >> 16) & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * (c & 0xFF); }

// Hue in degrees, 0 to 360.
double tinta(Colore c) {
    const double r = ((c >> 16) & 0xFF) / 255.0, g = ((c >> 8) & 0xFF) / 255.0, b = (c & 0xFF) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), d = mx - mn;
    if (d == 0) return 0;
    double h = mx == r ? std::fmod((g - b) / d, 6.0) : mx == g ? (b - r) / d + 2 : (r - g) / d + 4;
    h *= 60;
    return h < 0 ? h + 360 : h;
}

// The commonest colour inside the outline ring: the book's cloth.
Colore stoffa(const Superficie& s, int x0, int y0, int w, int h) {
    std::map<Colore, int> conta;
    for (int y = y0 + 1; y < y0 + h - 1; ++y)
        for (int x = x0 + 1; x < x0 + w - 1; ++x) ++conta[s.Point(x, y)];
    return std::max_element(conta.begin(), conta.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

// Mean brightness of each row inside the outline ring: where the bands and the plate are.
std::vector<double> profilo(const Superficie& s, int x0, int y0, int w, int h) {
    std::vector<double> r;
    for (int y = y0 + 1; y < y0 + h - 1; ++y) {
        double somma = 0;
        for (int x = x0 + 1; x < x0 + w - 1; ++x) somma += luminanza(s.Point(x, y));
        r.push_back(somma / (w - 2));
    }
    return r;
}

double correlazione(const std::vector<double>& a, const std::vector<double>& b) {
    const double n = static_cast<double>(a.size());
    double ma = 0, mb = 0;
    for (size_t i = 0; i < a.size(); ++i) ma += a[i] / n, mb += b[i] / n;
    double sab = 0, saa = 0, sbb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return sab / std::sqrt(saa * sbb);
}

// A special book in the world and its glowing spine are one book: the same cloth's hue, the
// same bands and plate at the same rows, the lit one brighter.
TEST(Mondo, IDorsiSpecialiSonoGliStessiLibriAccesi) {
    const std::map<std::string, const char*> accesi = {
        {"pagina 1", "Picture21"}, {"ombrello", "Picture24"}, {"vaso", "Picture27"},       {"mosca", "Picture29"},
        {"seme", "Picture45"},     {"forchetta", "Picture49"}, {"nuvola", "Picture51"},    {"pagina 7", "Picture50"},
        {"libro giungla", "Picture59"}, {"corda", "Picture60"}, {"flauto", "Picture58"}};
    for (const auto& d : livello::DORSI_SPECIALI) {
        SCOPED_TRACE(d.nome);
        ASSERT_TRUE(accesi.count(d.nome));
        const Superficie acceso = incorporata(accesi.at(d.nome), 0);
        ASSERT_EQ(acceso.ScaleWidth(), d.w);
        ASSERT_EQ(acceso.ScaleHeight(), d.h);
        const Colore spento = stoffa(mondo(), d.x, d.y + kRigaZero, d.w, d.h);
        const Colore lume = stoffa(acceso, 0, 0, d.w, d.h);
        double salto = std::abs(tinta(spento) - tinta(lume));
        salto = std::min(salto, 360 - salto);
        EXPECT_LT(salto, 12) << std::hex << spento << " lit " << lume;
        EXPECT_GT(luminanza(lume), luminanza(spento) + 15) << std::hex << spento << " lit " << lume;
        EXPECT_GT(correlazione(profilo(mondo(), d.x, d.y + kRigaZero, d.w, d.h), profilo(acceso, 0, 0, d.w, d.h)), 0.8);
    }
}

// The commonest strongly coloured pixel in rows y0 to y1 of a picture: its cloth or cover.
Colore colore_dominante(const Superficie& s, int y0, int y1) {
    std::map<Colore, int> conta;
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < s.ScaleWidth(); ++x) {
            const Colore c = s.Point(x, y);
            const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
            if (std::max({r, g, b}) - std::min({r, g, b}) > 60) ++conta[c];
        }
    if (conta.empty()) return 0;
    return std::max_element(conta.begin(), conta.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

void stessa_tinta(Colore a, Colore b) {
    const double salto = std::abs(tinta(a) - tinta(b));
    EXPECT_LT(std::min(salto, 360 - salto), 12) << std::hex << a << " " << b;
}

// The closed umbrella, drawn behind him 60 rows down his box while he carries it, lies under
// his hand, reaches out in front of him, and nothing of it hangs down behind his legs.
TEST(Mondo, LOmbrelloPortatoStaSottoLaSuaMano) {
    const Superficie ombrello = incorporata("Picture41", 0);
    const Superficie fermo = incorporata("Picture2", 0), fermo_im = incorporata("Picture2", 1);
    auto dell_ombrello = [&](int x, int y) { return ombrello.Point(x, y - 60) == 0; };
    int mano = 0, sotto_la_mano = 0;
    for (int y = 60; y < 100; ++y)
        for (int x = 0; x < 80; ++x)
            if (fermo_im.Point(x, y) == 0xF0C8A0 || fermo_im.Point(x, y) == 0xD6A47C) {
                ++mano;
                sotto_la_mano += dell_ombrello(x, y);
            }
    ASSERT_GT(mano, 3);
    EXPECT_GT(sotto_la_mano, mano / 2);
    int davanti = 0, dietro_le_gambe = 0;
    for (int y = 60; y < 106; ++y)
        for (int x = 0; x < 65; ++x) {
            if (!dell_ombrello(x, y) || fermo.Point(x, y) == 0) continue;
            davanti += x > 50;
            dietro_le_gambe += y >= 96;
        }
    EXPECT_GT(davanti, 15);
    EXPECT_EQ(dietro_le_gambe, 0);
}

// The costume's book is red, and so is its spine when it glows.
TEST(Mondo, IlLibroDellaGiunglaSiAccendeRosso) {
    stessa_tinta(colore_dominante(incorporata("Picture71", 1), 0, 48), stoffa(incorporata("Picture59", 0), 0, 0, 15, 25));
}

// The umbrella open over his head is the one in his bar and his hand.
TEST(Mondo, LOmbrelloApertoEQuelloChiuso) {
    stessa_tinta(colore_dominante(incorporata("Picture41", 1), 0, 46), colore_dominante(incorporata("Picture42", 1), 0, 30));
}

// The storm frames are copied opaque at (996, 196): their outer two pixels are the world's,
// but at the top, under the cloud that hangs over that edge all through the storm. Inside,
// the storm shows, and the bolt is bright.
TEST(Mondo, LaTempestaNonMostraIlSuoQuadrato) {
    constexpr int X = 996, Y = 196;
    const Superficie nuvola = incorporata("Picture54", 0);  // placed at (988, 175)
    auto sotto_la_nuvola = [&](int x) { return nuvola.Point(X + x - 988, Y - 1 - 175) == 0; };
    double luce_lampo[2] = {0, 0};
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE(testing::Message() << "frame " << n);
        const Superficie f = incorporata("Picture56", n);
        ASSERT_EQ(f.ScaleWidth(), 50);
        ASSERT_EQ(f.ScaleHeight(), 50);
        int diversi_bordo = 0, coperti = 0, diversi_dentro = 0, accesi = 0;
        double luce = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) {
                const Colore c = f.Point(x, y);
                luce += luminanza(c) / 2500;
                if (luminanza(c) > 220 && tinta(c) > 40 && tinta(c) < 70) ++accesi;
                const bool bordo = x < 2 || y < 2 || x >= 48 || y >= 48;
                const bool uguale = c == nel_mondo(X + x, Y + y);
                if (!bordo) {
                    diversi_dentro += !uguale;
                } else if (!uguale) {
                    if (y < 2 && sotto_la_nuvola(x)) {
                        ++coperti;
                    } else if (++diversi_bordo <= 3) {
                        ADD_FAILURE() << "edge differs from the world at " << x << ", " << y;
                    }
                }
            }
        EXPECT_EQ(diversi_bordo, 0);
        EXPECT_GT(diversi_dentro, 300);
        if (n <= 1) {
            EXPECT_GT(accesi, 80) << "the bolt is easy to see";
            luce_lampo[n] = luce;
        }
    }
    EXPECT_GT(luce_lampo[1], luce_lampo[0] + 10) << "the flash lights the vault";
}

enum Lato : unsigned { SOPRA = 1, SOTTO = 2, SINISTRA = 4, DESTRA = 8, OGNI_LATO = 15 };

// An opaque picture the game copies at a fixed place of the world: a built-in picture's
// member, or the data file the game loads into it.
struct Ritaglio {
    const char* nome;
    int membro;
    int x, y;           // world corner
    unsigned lati;      // the sides where it meets the world
    double tolleranza;  // mean difference from the world allowed there, in 255ths
    const char* file = nullptr;
};

// Mean difference, in 255ths of a channel, between the outer two pixels of a picture along
// the given sides and the world under them.
double scarto_dal_mondo(const Superficie& f, int X, int Y, unsigned lati) {
    const int w = f.ScaleWidth(), h = f.ScaleHeight();
    double somma = 0;
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool bordo = ((lati & SOPRA) && y < 2) || ((lati & SOTTO) && y >= h - 2) ||
                               ((lati & SINISTRA) && x < 2) || ((lati & DESTRA) && x >= w - 2);
            if (!bordo) continue;
            const Colore a = f.Point(x, y), b = nel_mondo(X + x, Y + y);
            for (int k = 0; k < 24; k += 8) somma += std::abs(((a >> k) & 0xFF) - ((b >> k) & 0xFF)) / 3.0;
            ++n;
        }
    return n ? somma / n : 0;
}

// Every opaque picture the game copies at a fixed place of the world in its plain state is
// the world there with its own thing painted on: where it meets the world, its edge is the
// world's, and no box shows around it. (Lit states are meant to stand out.)
TEST(Mondo, NessunaFiguraSulMondoMostraIlSuoRiquadro) {
    const Ritaglio ritagli[] = {
        // The books come up to their pictures' edges: the red one lies on its board.
        {"Picture23", 0, 398, 171, OGNI_LATO, 6},
        {"Picture57", 0, 1487, 360, OGNI_LATO, 6},
        {"Picture38", 0, 1004, -104, OGNI_LATO, 1},
        {"Picture38", 1, 1004, -104, OGNI_LATO, 1},
        {"Picture38", 2, 1004, -104, OGNI_LATO, 1},
        // Fallen, the hole opens into the shaft below.
        {"Picture38", 3, 1004, -104, SOPRA | SINISTRA | DESTRA, 1},
        // The storm comes out of the cloud at its top.
        {"Picture56", 0, 996, 196, SOTTO | SINISTRA | DESTRA, 1},
        {"Picture56", 1, 996, 196, SOTTO | SINISTRA | DESTRA, 1},
        {"Picture56", 2, 996, 196, SOTTO | SINISTRA | DESTRA, 1},
        {"Picture56", 3, 996, 196, SOTTO | SINISTRA | DESTRA, 1},
        {"Picture56", 4, 996, 196, SOTTO | SINISTRA | DESTRA, 1},
        // The jungle's right and bottom edges are the world's own; on its left the chasm
        // begins a pixel in, at the library's end.
        {"Picture72", 0, 1885, -230, SOPRA, 1, "j1.bmp"},
        {"Picture72", 1, 1885, -230, SOPRA, 1, "j2.bmp"},
        {"Picture72", 2, 1885, -230, SOPRA, 1, "j3.bmp"},
    };
    for (const Ritaglio& r : ritagli) {
        SCOPED_TRACE(std::string(r.nome) + "(" + std::to_string(r.membro) + ")");
        const Superficie f = r.file ? LoadPicture(cartella_dati() + "/" + r.file) : incorporata(r.nome, r.membro);
        ASSERT_FALSE(f.vuota());
        EXPECT_LE(scarto_dal_mondo(f, r.x, r.y, r.lati), r.tolleranza);
    }
}

// The columns of his soles, from the standing pose's mask: row 116 of the 80 x 120 box.
std::vector<int> suole() {
    const Superficie m = incorporata("Picture2", 0);
    std::vector<int> r;
    for (int x = 0; x < m.ScaleWidth(); ++x)
        if (m.Point(x, 116) == 0) r.push_back(x);
    return r;
}

// Something to stand on: neither the wallpaper nor darkness.
bool solido(Colore c) {
    const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
    if (g > r + 10 && b > r) return false;
    return luminanza(c) > 60;
}

// Standing at pos_x on feet row F, most of his soles rest on something drawn just below them.
// (A balustrade's post in front of the floor hides a few columns of it.)
void regge(const Superficie& s, int riga_zero, int pos_x, int F, const std::string& dove) {
    const std::vector<int> colonne = suole();
    ASSERT_GT(colonne.size(), 10u);
    int retti = 0;
    for (int c : colonne) {
        bool ok = false;
        for (int dy = 1; dy <= 3; ++dy) ok = ok || solido(s.Point(pos_x + c, F + dy + riga_zero));
        retti += ok;
    }
    EXPECT_GE(3 * retti, 2 * static_cast<int>(colonne.size())) << dove << " at pos_x " << pos_x << ", feet row " << F;
}

TEST(Mondo, DoveStaHaSempreQualcosaSottoIPiedi) {
    for (const auto& p : livello::PAVIMENTI)
        for (int x = p.x0; x <= p.x1; x += 5) regge(mondo(), kRigaZero, x, p.F, p.nome);
    for (const auto& g : livello::GRADINATE)
        for (int i = 0; i <= g.n; ++i) regge(mondo(), kRigaZero, g.x0 + 5 * i, g.F0 + 5 * i, g.nome);
}

// The last stone steps crack under him and then fall: he still walks down their treads, in
// every frame; once fallen, the lip is gone only where he drops into the shaft. The frames
// are copied opaque at (1004, -104), so their edges are the world's (the hole's aside), and
// the world's block there is stone like the wall around it.
TEST(Mondo, IGradiniCrollatiTengonoIPassiFinoAlBuco) {
    constexpr int X = 1004, Y = -104;
    const livello::Gradinata* scala = nullptr;
    for (const auto& g : livello::GRADINATE)
        if (std::string(g.nome) == "gradini di pietra") scala = &g;
    ASSERT_NE(scala, nullptr);
    for (int fase = 0; fase < 4; ++fase) {
        SCOPED_TRACE(testing::Message() << "frame " << fase);
        const Superficie f = incorporata("Picture38", fase);
        ASSERT_EQ(f.ScaleWidth(), 48);
        ASSERT_EQ(f.ScaleHeight(), 63);
        Superficie scena = mondo();
        BitBlt(scena, X, Y + kRigaZero, 48, 63, f, 0, 0, Rop::SRCCOPY);
        for (int i = 0; i <= scala->n; ++i) regge(scena, kRigaZero, scala->x0 + 5 * i, scala->F0 + 5 * i, "steps");
        int bordo = 0;
        for (int y = 0; y < 63; ++y)
            for (int x = 0; x < 48; ++x) {
                const bool sinistra_o_sopra = x < 2 || y < 2, destra_o_sotto = x >= 46 || y >= 61;
                if ((sinistra_o_sopra || (fase < 3 && destra_o_sotto)) && f.Point(x, y) != nel_mondo(X + x, Y + y)) ++bordo;
            }
        EXPECT_EQ(bordo, 0) << "edge pixels unlike the world";
        // Where he drops, pos_x 985 with his soles at 1019 to 1037, the dark shaft shows once
        // fallen, instead of the stone lip over it.
        int buio = 0, tutti = 0;
        for (int y = -85; y <= -50; ++y)
            for (int x = 1030; x <= 1045; ++x, ++tutti)
                buio += luminanza(f.Point(x - X, y - Y)) < luminanza(nel_mondo(x, y)) - 25;
        if (fase < 3) EXPECT_LT(buio, tutti / 4);
        else EXPECT_GT(buio, tutti * 8 / 10);
    }
    // The block is the wall's own stone: its tone does not step across its left edge.
    auto luce = [](int x0) {
        double somma = 0;
        for (int y = -70; y <= -44; ++y)
            for (int x = x0; x < x0 + 10; ++x) somma += luminanza(nel_mondo(x, y));
        return somma / (10 * 27);
    };
    EXPECT_NEAR(luce(X - 10), luce(X), 4);
}

// The jungle frames are copied opaque at (1885, -230), 315 x 630, over the chasm: along their
// left and top edges they are the world's own pixels (bookcase 3's side, the top floor), so
// the panel meets the library without a seam; inside, the jungle replaces the gorge.
TEST(Mondo, LaGiunglaSiCongiungeAllaBiblioteca) {
    constexpr int X = 1885, Y = -230;
    for (const char* nome : {"/j1.bmp", "/j2.bmp", "/j3.bmp"}) {
        SCOPED_TRACE(nome);
        const Superficie j = LoadPicture(cartella_dati() + nome);
        ASSERT_EQ(j.ScaleWidth(), 315);
        ASSERT_EQ(j.ScaleHeight(), 630);
        int diversi = 0, cambiati = 0;
        for (int y = 0; y < 630; ++y)
            if (j.Point(0, y) != nel_mondo(X, Y + y) && ++diversi <= 3) ADD_FAILURE() << "left edge at " << y;
        for (int x = 0; x < 315; ++x)
            for (int y = 0; y < 2; ++y)
                if (j.Point(x, y) != nel_mondo(X + x, Y + y) && ++diversi <= 3) ADD_FAILURE() << "top edge at " << x;
        for (int y = 0; y < 630; ++y)
            for (int x = 0; x < 315; ++x) cambiati += j.Point(x, y) != nel_mondo(X + x, Y + y);
        EXPECT_EQ(diversi, 0);
        EXPECT_GT(cambiati, 315 * 630 / 2) << "the jungle fills the chasm";
    }
}

}  // namespace
}  // namespace didiv::test
