// The SoundFont reducer: every given note plays the very voices of the whole font in the reduced
// one, nothing the notes do not reach comes along, and what cannot be cut faithfully is refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "file_prova.h"
#include "audio/soundfont.h"
#include "errore_aiuto.h"
#include "platform/errori_runtime.h"
#include "semi_fuzz/sf2.h"

namespace didiv {
namespace {

using Byte = std::vector<uint8_t>;
using Note = std::set<NotaSuonata>;
using namespace semi;

std::string nome(const std::array<char, 20>& n) { return {n.data(), strnlen(n.data(), 20)}; }

// A font held whole, to look at what a note plays in it.
struct Font {
    explicit Font(Byte b) : byte(std::move(b)), s(byte.data(), byte.size()), x(leggi_indice_soundfont(s)) {}
    Byte byte;
    SoundfontInMemoria s;
    IndiceSoundfont x;

    // A point as the synthesizer reads it: with its low byte when it reads those.
    int32_t punto(uint64_t i) {
        uint8_t b[2], basso = 0;
        s.leggi(x.pos_smpl + 2 * i, b, 2);
        if (x.ha_sm24) s.leggi(x.pos_sm24 + i, &basso, 1);
        return static_cast<int16_t>(b[0] | b[1] << 8) * 256 + basso;
    }
};

struct Zona {
    std::vector<GeneratoreSf2> gen;  // before the one naming the instrument or sample
    std::vector<ModulatoreSf2> mod;
    int rif = -1, k0 = 0, k1 = 127, v0 = 0, v1 = 127;
};
struct Zone {
    Zona globale;
    std::vector<Zona> altre;
};

// Record r's zones as the synthesizer's loader keeps them: its ranges count only as the first
// generators, a first zone naming nothing is the global one and other zones naming nothing go.
template <class T>
Zone zone(const std::vector<T>& righe, size_t r, const std::vector<BagSf2>& bag,
          const std::vector<GeneratoreSf2>& gen, const std::vector<ModulatoreSf2>& mod, uint16_t finale) {
    Zone z;
    for (size_t b = righe[r].primo_bag; b < righe[r + 1].primo_bag; ++b) {
        Zona v;
        v.mod.assign(mod.begin() + bag[b].primo_modulatore, mod.begin() + bag[b + 1].primo_modulatore);
        for (size_t k = bag[b].primo_generatore; k < bag[b + 1].primo_generatore && v.rif < 0; ++k) {
            const GeneratoreSf2 g = gen[k];
            const bool dopo_tasti = v.gen.size() == 1 && v.gen[0].tipo == GEN_TASTI;
            if (g.tipo == GEN_TASTI && v.gen.empty()) v.k0 = g.valore & 0xFF, v.k1 = g.valore >> 8;
            if (g.tipo == GEN_VELOCITA && (v.gen.empty() || dopo_tasti)) v.v0 = g.valore & 0xFF, v.v1 = g.valore >> 8;
            if (g.tipo == finale) v.rif = g.valore;
            else v.gen.push_back(g);
        }
        if (v.rif >= 0) z.altre.push_back(v);
        else if (b == righe[r].primo_bag) z.globale = v;
    }
    return z;
}

bool dentro(const Zona& z, const NotaSuonata& n) {
    return z.k0 <= n.tasto && n.tasto <= z.k1 && z.v0 <= n.velocita && n.velocita <= z.v1;
}

// What one voice plays: the global and local zones of preset and instrument, the sample's
// header but where it lies, and its points from `da` past its start, as far as the font has them.
struct Voce {
    std::vector<GeneratoreSf2> gen[4];
    std::vector<ModulatoreSf2> mod[4];
    std::string campione, collegato;
    CampioneSf2 testata;  // with the positions taken from the start
    int64_t da = 0;
    std::vector<int32_t> punti;
};

std::vector<Voce> voci(Font& f, const NotaSuonata& n) {
    const IndiceSoundfont& x = f.x;
    // The last of equal presets: the synthesizer's sort puts it first.
    const auto cerca = [&](int b, int p) {
        int t = -1;
        for (size_t i = 0; i + 1 < x.preset.size(); ++i)
            if (x.preset[i].banco == b && x.preset[i].programma == p) t = static_cast<int>(i);
        return t;
    };
    int p = cerca(n.banco, n.programma);
    if (p < 0 && n.banco == 128) p = cerca(128, 0);
    if (p < 0 && n.banco != 128) p = cerca(0, n.programma) >= 0 ? cerca(0, n.programma) : cerca(0, 0);
    std::vector<Voce> v;
    if (p < 0) return v;
    const Zone zp = zone(x.preset, static_cast<size_t>(p), x.bag_preset, x.gen_preset, x.mod_preset, GEN_STRUMENTO);
    for (const Zona& a : zp.altre) {
        if (!dentro(a, n)) continue;
        const Zone zi = zone(x.strumenti, static_cast<size_t>(a.rif), x.bag_strumenti, x.gen_strumenti,
                             x.mod_strumenti, GEN_CAMPIONE);
        for (const Zona& b : zi.altre) {
            if (!dentro(b, n)) continue;
            CampioneSf2 c = x.campioni[static_cast<size_t>(b.rif)];
            Voce w{{zp.globale.gen, a.gen, zi.globale.gen, b.gen}, {zp.globale.mod, a.mod, zi.globale.mod, b.mod},
                   nome(c.nome), c.tipo & 14 ? nome(x.campioni.at(c.collegamento).nome) : "", c, 0, {}};
            const int64_t lo = std::min({c.inizio, c.fine, c.inizio_ciclo, c.fine_ciclo}) - int64_t{46};
            const int64_t hi = std::max({c.inizio, c.fine, c.inizio_ciclo, c.fine_ciclo}) + int64_t{46};
            w.da = std::max<int64_t>(lo, 0) - c.inizio;
            for (int64_t i = std::max<int64_t>(lo, 0); i < std::min<int64_t>(hi, x.punti); ++i)
                w.punti.push_back(f.punto(static_cast<uint64_t>(i)));
            w.testata.fine -= c.inizio, w.testata.inizio_ciclo -= c.inizio, w.testata.fine_ciclo -= c.inizio;
            w.testata.inizio = w.testata.collegamento = 0;
            v.push_back(w);
        }
    }
    return v;
}

::testing::AssertionResult stessa(const Voce& a, const Voce& r) {
    const bool uguali = std::equal(a.gen, a.gen + 4, r.gen) && std::equal(a.mod, a.mod + 4, r.mod) &&
                        a.campione == r.campione && a.collegato == r.collegato && a.testata == r.testata;
    if (!uguali) return ::testing::AssertionFailure() << "zones or sample header differ, sample " << a.campione;
    // Where the whole font has points, the reduced one has the same.
    const int64_t oltre = a.da - r.da;
    if (oltre < 0 || oltre + a.punti.size() > r.punti.size() ||
        !std::equal(a.punti.begin(), a.punti.end(), r.punti.begin() + oltre))
        return ::testing::AssertionFailure() << "points differ, sample " << a.campione;
    return ::testing::AssertionSuccess();
}

// The central check: reduces `intero` for `note`, and every note plays the same voices in both.
Byte ridotto_fedele(const Byte& intero, const Note& note) {
    Font a(intero);
    const Byte r = riduci_soundfont(a.x, a.s, note);
    Font b(r);
    for (const NotaSuonata& n : note) {
        const auto va = voci(a, n), vb = voci(b, n);
        EXPECT_EQ(va.size(), vb.size()) << n.banco << ":" << n.programma << " key " << n.tasto;
        for (size_t i = 0; i < std::min(va.size(), vb.size()); ++i) EXPECT_TRUE(stessa(va[i], vb[i]));
    }
    return r;
}

std::vector<std::string> nomi(const auto& righe) {
    std::vector<std::string> v;
    for (size_t i = 0; i + 1 < righe.size(); ++i) v.push_back(nome(righe[i].nome));
    return v;
}
using Nomi = std::vector<std::string>;

const Note TUTTE = {{0, 0, 30, 100}, {0, 0, 60, 100}, {0, 0, 90, 120},   {0, 48, 50, 110}, {5, 48, 70, 20},
                    {0, 77, 60, 60}, {128, 0, 36, 100}, {128, 7, 38, 100}, {128, 16, 49, 64}, {0, 5, 60, 100},
                    {0, 33, 100, 100}, {0, 49, 64, 64}, {1, 48, 41, 127}};

TEST(Soundfont, EveryGivenNotePlaysTheSameVoicesInTheReducedFont) {
    for (bool bassi : {false, true}) {
        const Byte intero = scrivi_sf2(sf2_campionario(bassi));
        Font a(intero);
        for (const NotaSuonata& n : TUTTE) {
            EXPECT_FALSE(voci(a, n).empty()) << "the note plays nothing: it checks nothing";
            ridotto_fedele(intero, {n});
        }
        const Byte r = ridotto_fedele(intero, TUTTE);
        EXPECT_EQ(r, riduci_soundfont(a.x, a.s, TUTTE)) << "not the same bytes twice";
        EXPECT_EQ(Font(r).x.ha_sm24, bassi);
    }
}

TEST(Soundfont, NotesNotGivenPullInNoPresetZoneOrSample) {
    const Sf2Descritto d = sf2_campionario();
    const Byte intero = scrivi_sf2(d);
    Font piano(ridotto_fedele(intero, {{0, 0, 60, 100}}));
    EXPECT_EQ(nomi(piano.x.preset), Nomi{"Piano"});
    EXPECT_EQ(nomi(piano.x.strumenti), Nomi{"Piano"});
    EXPECT_EQ(piano.x.bag_strumenti.size(), 3u) << "the global zone and the one for key 60 at velocity 100";
    EXPECT_EQ(nomi(piano.x.campioni), Nomi{"piano alto"});
    const CampioneSf2& c = d.campioni[1];
    EXPECT_EQ(piano.x.punti, c.fine - c.inizio + 2 * 46);

    // Two presets share the piano: it is written once, with the zones both reach.
    Font due(ridotto_fedele(intero, {{0, 0, 50, 100}, {0, 48, 70, 120}}));
    EXPECT_EQ(nomi(due.x.strumenti), (Nomi{"Piano", "Archi"}));
    EXPECT_EQ(due.x.strumenti[1].primo_bag, 3) << "the global zone, keys 0-59, and keys 60-127 played loud";
    EXPECT_EQ(nomi(due.x.campioni), (Nomi{"piano basso", "piano alto", "archi sinistra", "archi destra"}));

    // A key range after another generator is one the synthesizer ignores: the zone plays every key.
    EXPECT_EQ(nomi(Font(ridotto_fedele(intero, {{0, 33, 100, 100}})).x.campioni), Nomi{"basso"});
}

TEST(Soundfont, AProgramChangeLandsOnTheSamePresetInTheReducedFont) {
    const Byte intero = scrivi_sf2(sf2_campionario());
    const auto preset = [&](NotaSuonata n) {
        std::vector<std::tuple<std::string, int, int>> v;
        Font f(ridotto_fedele(intero, {n}));
        for (size_t i = 0; i + 1 < f.x.preset.size(); ++i)
            v.emplace_back(nome(f.x.preset[i].nome), f.x.preset[i].banco, f.x.preset[i].programma);
        return v;
    };
    using P = std::vector<std::tuple<std::string, int, int>>;
    EXPECT_EQ(preset({5, 48, 60, 100}), (P{{"Archi", 0, 48}}));
    EXPECT_EQ(preset({1, 48, 60, 100}), (P{{"Archi due", 1, 48}}));
    EXPECT_EQ(preset({0, 77, 60, 100}), (P{{"Piano", 0, 0}}));
    EXPECT_EQ(preset({128, 7, 38, 100}), (P{{"Standard", 128, 0}}));
    EXPECT_EQ(preset({0, 5, 60, 100}), (P{{"Doppio secondo", 0, 5}}));
}

TEST(Soundfont, TheOtherHalfOfAStereoPairComesAlong) {
    Font f(ridotto_fedele(scrivi_sf2(sf2_campionario()), {{0, 49, 64, 64}}));
    ASSERT_EQ(nomi(f.x.campioni), (Nomi{"archi sinistra", "archi destra"}));
    EXPECT_EQ(f.x.campioni[0].collegamento, 1);
    EXPECT_EQ(f.x.campioni[1].collegamento, 0);
}

TEST(Soundfont, LowBytesTheSynthesizerIgnoresAreDropped) {
    Sf2Descritto vecchio = sf2_campionario(true);
    vecchio.versione_minore = 1;
    Sf2Descritto corto = sf2_campionario(true);
    corto.bassi.resize(corto.bassi.size() - 2);
    for (const auto& d : {vecchio, corto}) {
        Font f(scrivi_sf2(d));
        EXPECT_FALSE(f.x.ha_sm24);
        const Byte r = riduci_soundfont(f.x, f.s, TUTTE);
        EXPECT_EQ(std::search(r.begin(), r.end(), "sm24", "sm24" + 4), r.end());
    }
}

TEST(Soundfont, EveryTruncationIsRefused) {
    const Byte intero = scrivi_sf2(sf2_campionario());
    for (size_t n = 0; n < intero.size(); ++n) {
        SoundfontInMemoria s(intero.data(), n);
        ASSERT_EQ(errore_di([&] { leggi_indice_soundfont(s); }), ERR_FORMATO_FILE) << n << " bytes";
    }
    // The tables whole, the samples cut short.
    Font f(intero);
    SoundfontInMemoria corto(intero.data(), f.x.pos_smpl + 1000);
    EXPECT_EQ(errore_di([&] { riduci_soundfont(f.x, corto, TUTTE); }), ERR_FORMATO_FILE);
}

TEST(Soundfont, TablesThatDoNotHoldTogetherAreRefused) {
    std::vector<std::pair<std::string, Byte>> guasti;
    const auto descritto = [&](const std::string& perche, auto cambia) {
        Sf2Descritto d = sf2_campionario(true);
        cambia(d);
        guasti.emplace_back(perche, scrivi_sf2(d));
    };
    const auto pezzi = [&](const std::string& perche, auto cambia) {
        PezziSf2 p = pezzi_sf2(sf2_campionario(true));
        cambia(p);
        guasti.emplace_back(perche, unisci_sf2(p));
    };
    descritto("sample past the points", [](auto& d) { d.campioni[1].fine = 2901; });
    descritto("loop past the points", [](auto& d) { d.campioni[7].fine_ciclo = 5000; });
    descritto("ROM sample", [](auto& d) { d.campioni[4].tipo = 0x8001; });
    descritto("compressed sample", [](auto& d) { d.campioni[5].tipo = 0x11; });
    descritto("stereo link to nowhere", [](auto& d) { d.campioni[2].collegamento = 8; });
    descritto("instrument that does not exist", [](auto& d) { d.preset[0].zone[1].gen[1].valore = 5; });
    descritto("sample that does not exist", [](auto& d) { d.strumenti[0].zone[1].gen[2].valore = 8; });
    pezzi("preset bags backwards", [](auto& p) { p.pdta[0].second[38 + 24] = 200; });
    pezzi("generators backwards", [](auto& p) { p.pdta[1].second[4] = 9; });
    pezzi("instrument modulators backwards", [](auto& p) { p.pdta[5].second[6] = 5; });
    pezzi("version 1", [](auto& p) { p.info[8] = 1; });
    pezzi("version 3", [](auto& p) { p.info[8] = 3; });
    pezzi("no version", [](auto& p) { p.info.erase(p.info.begin(), p.info.begin() + 12); });
    pezzi("odd smpl", [](auto& p) { p.smpl.push_back(0); });
    pezzi("tables out of order", [](auto& p) { std::swap(p.pdta[1], p.pdta[2]); });
    for (size_t t = 0; t < 9; ++t) {
        const size_t lunghezza[] = {38, 4, 10, 4, 22, 4, 10, 4, 46};
        pezzi("broken record", [&](auto& p) { p.pdta[t].second.push_back(0); });
        pezzi("no terminal record", [&](auto& p) { p.pdta[t].second.resize(p.pdta[t].second.size() - lunghezza[t]); });
    }
    // The file, the preset list and its last table each a record longer than what holds them.
    const Byte b = scrivi_sf2(sf2_campionario(true));
    const auto dopo = [&](const char* id) {
        return static_cast<size_t>(std::search(b.begin(), b.end(), id, id + 4) - b.begin()) + 4;
    };
    for (size_t campo : {size_t{4}, dopo("pdta") - 8, dopo("shdr")}) {
        Byte c = b;
        c[campo + 1] += 1;  // 256 bytes more
        guasti.emplace_back("chunk past the end " + std::to_string(campo), c);
    }
    for (const auto& [perche, byte] : guasti) {
        SoundfontInMemoria s(byte.data(), byte.size());
        EXPECT_EQ(errore_di([&] { riduci_soundfont(leggi_indice_soundfont(s), s, TUTTE); }), ERR_FORMATO_FILE)
            << perche;
    }
}

TEST(Soundfont, TheFileIsReadWhereAsked) {
    EXPECT_EQ(errore_di([] { SoundfontSuFile("/nonexistent/font.sf2"); }), ERR_FILE_NON_TROVATO);
    const Byte intero = scrivi_sf2(sf2_campionario(true));
    const std::filesystem::path percorso = file_prova("prova.sf2");
    std::ofstream(percorso, std::ios::binary).write(reinterpret_cast<const char*>(intero.data()), static_cast<std::streamsize>(intero.size()));
    {
        SoundfontSuFile f(percorso);
        Font m(intero);
        EXPECT_EQ(riduci_soundfont(leggi_indice_soundfont(f), f, TUTTE), riduci_soundfont(m.x, m.s, TUTTE));
        uint8_t b[2];
        EXPECT_EQ(errore_di([&] { f.leggi(intero.size() - 1, b, 2); }), ERR_FORMATO_FILE);
    }
    std::filesystem::remove(percorso);
}

TEST(Soundfont, TheInstalledSmallFontIsReducedFaithfully) {
    const char* percorso = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    std::ifstream file(percorso, std::ios::binary);
    if (!file) GTEST_SKIP() << percorso << " is not installed";
    const Byte intero{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const Note note = {{0, 0, 60, 100}, {128, 0, 38, 100}, {0, 48, 67, 90}};
    Font a(intero);
    for (const NotaSuonata& n : note) EXPECT_FALSE(voci(a, n).empty());
    const Byte r = ridotto_fedele(intero, note);
    EXPECT_LT(r.size(), intero.size() / 10);
    SoundfontSuFile f(percorso);
    EXPECT_EQ(riduci_soundfont(leggi_indice_soundfont(f), f, note), r);
}

}  // namespace
}  // namespace didiv
