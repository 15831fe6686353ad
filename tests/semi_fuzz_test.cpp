// The fuzzers' seed corpus in the repository: what the seed tool writes now, byte for byte,
// and each seed read or refused by the real loader as the tool means it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "audio/soundfont.h"
#include "audio/wav.h"
#include "errore_aiuto.h"
#include "platform/bmp.h"
#include "platform/errori_runtime.h"
#include "resources/pacchetto.h"
#include "semi_fuzz/semi.h"

namespace didiv {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::vector<uint8_t>> nel_repository(const std::string& cartella) {
    std::map<std::string, std::vector<uint8_t>> m;
    for (const auto& e : fs::directory_iterator(fs::path(DIDIV_CARTELLA_SEMI) / cartella)) {
        std::ifstream f(e.path(), std::ios::binary);
        m[e.path().filename().string()] = {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    return m;
}

TEST(SemiFuzz, TheCommittedCorpusIsWhatTheToolWritesNow) {
    size_t totale = 0;
    for (const auto& c : semi::corpus()) {
        auto file = nel_repository(c.nome);
        for (const auto& s : c.semi) {
            auto f = file.find(s.nome);
            if (f == file.end()) {
                ADD_FAILURE() << c.nome << "/" << s.nome << " is missing: run didiv_semi_fuzz fuzz/semi";
                continue;
            }
            EXPECT_EQ(f->second, s.dati) << c.nome << "/" << s.nome << " differs: run didiv_semi_fuzz fuzz/semi";
            totale += s.dati.size();
            file.erase(f);
        }
        for (const auto& [nome, dati] : file) ADD_FAILURE() << c.nome << "/" << nome << " is no seed the tool writes";
    }
    EXPECT_LT(totale, 100u * 1024) << "the seeds are meant to be small";
}

TEST(SemiFuzz, EachBmpSeedIsReadAsItsPictureOrRefused) {
    for (const auto& s : semi::semi_bmp()) {
        SCOPED_TRACE(s.nome);
        if (s.letto) {
            Superficie letta;
            const int e = errore_di([&] { letta = decodifica_bmp(s.dati); });
            EXPECT_EQ(e, 0) << "refused";
            EXPECT_EQ(letta, s.immagine) << "read as another picture";
        } else {
            EXPECT_EQ(errore_di([&] { decodifica_bmp(s.dati); }), ERR_IMMAGINE_NON_VALIDA);
        }
        // Not a bundle either.
        EXPECT_EQ(errore_di([&] { leggi_pacchetto(s.dati); }), ERR_IMMAGINE_NON_VALIDA);
    }
}

TEST(SemiFuzz, TheBmpSeedsCoverEveryDepthHeaderAndRowOrderTheLoaderReads) {
    std::set<uint32_t> profondita, testate;
    std::set<bool> dall_alto;
    bool bitfields = false;
    for (const auto& s : semi::semi_bmp()) {
        if (!s.letto) continue;
        const auto u32 = [&](size_t o) { return s.dati[o] | s.dati[o + 1] << 8 | s.dati[o + 2] << 16 | static_cast<uint32_t>(s.dati[o + 3]) << 24; };
        const uint32_t testata = u32(14);
        const bool os2 = testata == 12;
        testate.insert(testata);
        profondita.insert(os2 ? static_cast<uint32_t>(s.dati[24]) : static_cast<uint32_t>(s.dati[28]));
        dall_alto.insert(os2 ? (s.dati[21] & 0x80) != 0 : (s.dati[25] & 0x80) != 0);
        if (!os2 && u32(30) == 3) bitfields = true;
    }
    EXPECT_EQ(profondita, (std::set<uint32_t>{1, 4, 8, 24, 32}));
    EXPECT_EQ(testate, (std::set<uint32_t>{12, 40, 108, 124}));
    EXPECT_EQ(dall_alto, (std::set<bool>{false, true}));
    EXPECT_TRUE(bitfields);
}

TEST(SemiFuzz, EachBundleSeedIsReadWithItsPicturesOrRefused) {
    for (const auto& s : semi::semi_pacchetto()) {
        SCOPED_TRACE(s.nome);
        if (s.letto) {
            std::vector<VocePacchetto> voci;
            EXPECT_EQ(errore_di([&] { voci = leggi_pacchetto(s.dati); }), 0) << "refused";
            EXPECT_EQ(voci.size(), s.nome == "pacchetto_vuoto.bin" ? 0u : 2u);
            for (const auto& v : voci) {
                EXPECT_FALSE(v.immagine.vuota()) << v.nome;
                const Superficie& i = v.immagine;
                EXPECT_GE(i.Point(i.ScaleWidth() - 1, i.ScaleHeight() - 1), 0) << v.nome;
            }
        } else {
            EXPECT_EQ(errore_di([&] { leggi_pacchetto(s.dati); }), ERR_IMMAGINE_NON_VALIDA);
        }
        EXPECT_EQ(errore_di([&] { decodifica_bmp(s.dati); }), ERR_IMMAGINE_NON_VALIDA);
    }
}

TEST(SemiFuzz, EachWavSeedIsReadOrRefused) {
    for (const auto& s : semi::semi_wav()) {
        SCOPED_TRACE(s.nome);
        if (s.letto) {
            SuonoPcm letto;
            EXPECT_EQ(errore_di([&] { letto = decodifica_wav(s.dati.data(), s.dati.size()); }), 0) << "refused";
            EXPECT_GT(letto.frames(), 0u);
        } else {
            EXPECT_EQ(errore_di([&] { decodifica_wav(s.dati.data(), s.dati.size()); }), ERR_FORMATO_FILE);
        }
    }
}

TEST(SemiFuzz, EachSoundfontSeedIsReadOrRefused) {
    for (const auto& s : semi::semi_soundfont()) {
        SoundfontInMemoria m(s.dati.data(), s.dati.size());
        EXPECT_EQ(errore_di([&] { leggi_indice_soundfont(m); }), s.letto ? 0 : ERR_FORMATO_FILE) << s.nome;
    }
}

}  // namespace
}  // namespace didiv
