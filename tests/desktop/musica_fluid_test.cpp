// The real MIDI player: FluidSynth with the installed soundfont, rendered through the mixer
// as fast as the test asks, with no sound output.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "../file_prova.h"
#include "audio/mixer.h"
#include "desktop/suono/musica_fluid.h"
#include "platform/errori_runtime.h"
#include "semi_fuzz/sf2.h"

namespace didiv {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr auto ATTESA = 120s;  // a loaded machine under the sanitizers reads slowly

struct Lettore {
    std::shared_ptr<Mixer> mixer = std::make_shared<Mixer>();
    std::unique_ptr<MusicaFluid> musica;
    explicit Lettore(std::vector<std::string> soundfont = soundfont_candidati())
        : musica(std::make_unique<MusicaFluid>(mixer, std::move(soundfont))) {}

    // Renders this many seconds of output; returns the loudest sample.
    float ascolta(double secondi) {
        std::vector<float> b(2 * 512);
        float picco = 0;
        for (int i = 0; i < static_cast<int>(secondi * FREQUENZA_MIXER / 512); ++i) {
            mixer->rendi(b.data(), 512);
            for (float v : b) picco = std::max(picco, std::fabs(v));
        }
        return picco;
    }

    void suona(const std::string& file) {
        if (musica->IsPlaying()) musica->Stop();
        musica->LoadSegment(file);
        musica->ConfiguraSegmento(2);
        musica->PlaySegment();
    }
};

// Starts the player as the game does; skips when this machine has no soundfont.
#define AVVIA(l)                                                         \
    try {                                                                \
        (l).musica->Init();                                              \
    } catch (const ErroreRuntime&) {                                     \
        GTEST_SKIP() << "no soundfont installed";                        \
    }                                                                    \
    (l).musica->SetPort(-1, 16);                                         \
    (l).musica->SetMasterAutoDownload(true);                             \
    (l).musica->SetMasterVolume(100);                                    \
    ASSERT_TRUE((l).musica->attendi_pronta(ATTESA)) << "the soundfont did not load"

std::vector<char> contenuto(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

int righe(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

TEST(MusicaFluid, ATruncatedTuneIsRefusedOnceAndNeverTriedAgain) {
    Lettore l;
    AVVIA(l);
    const fs::path cartella = file_prova("midi");
    fs::create_directories(cartella);
    for (const char* nome : {"intro3.mid", "symphony.mid"}) {
        const auto intero = contenuto(nome);
        ASSERT_GT(intero.size(), 100u);
        const std::string tagliato = (cartella / nome).string();
        std::ofstream(tagliato, std::ios::binary).write(intero.data(), static_cast<long>(intero.size() / 2));

        testing::internal::CaptureStderr();
        try {
            l.suona(tagliato);
            ADD_FAILURE() << nome << " cut in half was accepted";
        } catch (const ErroreRuntime& e) {
            EXPECT_EQ(e.numero(), ERR_FORMATO_FILE) << nome;
        }
        // Two seconds of what the output thread would do meanwhile.
        l.ascolta(2.0);
        const std::string errori = testing::internal::GetCapturedStderr();
        EXPECT_LE(righe(errori), 1) << errori.substr(0, 400);
        EXPECT_FALSE(l.musica->IsPlaying()) << nome;
    }
    fs::remove_all(cartella);
}

TEST(MusicaFluid, TheTuneLoadedBeforeARefusedOneStillPlays) {
    Lettore l;
    AVVIA(l);
    l.suona("intro3.mid");
    ASSERT_TRUE(l.musica->attendi_pronta(ATTESA));
    EXPECT_GT(l.ascolta(1.0), 0.01f);
    const fs::path tagliato = file_prova("mezzo.mid");
    const auto intero = contenuto("symphony.mid");
    std::ofstream(tagliato, std::ios::binary).write(intero.data(), 30);
    EXPECT_THROW(l.musica->LoadSegment(tagliato.string()), ErroreRuntime);
    fs::remove(tagliato);
    // The game stops the music before a load; a start after a failed load is the old tune.
    l.musica->PlaySegment();
    ASSERT_TRUE(l.musica->attendi_pronta(ATTESA));
    EXPECT_TRUE(l.musica->IsPlaying());
    EXPECT_GT(l.ascolta(1.0), 0.01f);
}

TEST(MusicaFluid, EveryTuneStartsFromTheSynthesizersResetState) {
    Lettore l;
    AVVIA(l);
    // Pan of the strings' channel, reverb of the fourth, volume of the drums: the theme sets
    // them, the fanfare does not.
    struct Controllo {
        int canale, numero, tema;
    };
    const Controllo controlli[] = {{2, 10, 80}, {3, 91, 50}, {9, 7, 70}};
    int a_riposo[3];
    for (int i = 0; i < 3; ++i) {
        a_riposo[i] = l.musica->controllo(controlli[i].canale, controlli[i].numero);
        ASSERT_GE(a_riposo[i], 0);
        ASSERT_NE(a_riposo[i], controlli[i].tema);
    }

    l.suona("intro3.mid");
    ASSERT_TRUE(l.musica->attendi_pronta(ATTESA));
    l.ascolta(0.5);
    for (const auto& c : controlli) ASSERT_EQ(l.musica->controllo(c.canale, c.numero), c.tema) << c.canale;

    l.suona("symphony.mid");
    ASSERT_TRUE(l.musica->attendi_pronta(ATTESA));
    EXPECT_GT(l.ascolta(1.0), 0.01f);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(l.musica->controllo(controlli[i].canale, controlli[i].numero), a_riposo[i])
            << "channel " << controlli[i].canale << " controller " << controlli[i].numero;
    EXPECT_EQ(l.musica->controllo(0, 91), 60);  // the fanfare's own setting arrives
}

long rss_kb() {
    std::ifstream f("/proc/self/status");
    std::string riga;
    while (std::getline(f, riga))
        if (riga.rfind("VmRSS:", 0) == 0) return std::stol(riga.substr(6));
    return 0;
}

TEST(MusicaFluid, TheSoundfontLoadsBesideTheCallerAndOnlyWhatTheTunesPlay) {
    const long prima = rss_kb();
    Lettore l;
    // What the game's start-up waits for: from making the player to starting the theme.
    const auto t0 = std::chrono::steady_clock::now();
    try {
        l.musica->Init();
    } catch (const ErroreRuntime&) {
        GTEST_SKIP() << "no soundfont installed";
    }
    l.musica->SetMasterVolume(100);
    l.suona("intro3.mid");
    const auto attesa = std::chrono::steady_clock::now() - t0;
    EXPECT_LT(attesa, 200ms);
    EXPECT_TRUE(l.musica->IsPlaying());  // a tune waiting for its instruments counts as started

    // It is heard once the soundfont is in.
    const auto limite = std::chrono::steady_clock::now() + ATTESA;
    float picco = 0;
    while (picco < 0.01f && std::chrono::steady_clock::now() < limite) picco = l.ascolta(0.05);
    EXPECT_GT(picco, 0.01f);
    l.ascolta(1.0);
    // The largest General MIDI soundfont holds about 150 MB of samples; the theme plays a few.
    EXPECT_LT(rss_kb() - prima, 80 * 1024);
}

TEST(MusicaFluid, ASoundfontThatCannotBeCutDownIsPlayedWhole) {
    // A bank past the synthesizer's predictable ordering of presets, and a tune on a bank and
    // program the font holds twice: the cut-down copy could sound otherwise, so the whole file
    // is played.
    semi::Sf2Descritto d = semi::sf2_campionario();
    d.preset.push_back({"Lontano", 40000, 7, {{{semi::tasti(0, 127), {41, 0}}, {}}}});
    const std::vector<uint8_t> intero = semi::scrivi_sf2(d);
    const std::vector<uint8_t> brano = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,
                                        'M', 'T', 'r', 'k', 0, 0, 0, 16,
                                        0x00, 0xC0, 0x05, 0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0,
                                        0x00, 0xFF, 0x2F, 0x00};
    SoundfontInMemoria m(intero.data(), intero.size());
    const BranoMidi b = leggi_brano_midi(brano.data(), brano.size());
    ASSERT_THROW(riduci_soundfont(leggi_indice_soundfont(m), m, b.note), ErroreRuntime);

    const std::string base = file_prova("intero");
    std::ofstream(base + ".sf2", std::ios::binary).write(reinterpret_cast<const char*>(intero.data()),
                                                         static_cast<long>(intero.size()));
    std::ofstream(base + ".mid", std::ios::binary).write(reinterpret_cast<const char*>(brano.data()),
                                                         static_cast<long>(brano.size()));
    {
        testing::internal::CaptureStderr();
        Lettore l({"/nonexistent/none.sf2", base + ".sf2"});
        AVVIA(l);
        l.suona(base + ".mid");
        ASSERT_TRUE(l.musica->attendi_pronta(ATTESA));
        EXPECT_TRUE(l.musica->IsPlaying());
        EXPECT_GT(l.ascolta(0.5), 0.001f);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }
    fs::remove(base + ".sf2");
    fs::remove(base + ".mid");
}

TEST(MusicaFluid, WithNoReadableSoundfontOneLineSaysSoAndTheGamePlaysOnWithoutMusic) {
    const std::string rotto = file_prova("rotto.sf2");
    std::ofstream(rotto, std::ios::binary) << "RIFF, but no soundfont";
    testing::internal::CaptureStderr();
    {
        // The broken file is there, so the failure comes from the loading thread.
        Lettore l({"/nonexistent/none.sf2", rotto});
        l.musica->Init();
        EXPECT_FALSE(l.musica->attendi_pronta(ATTESA));
        EXPECT_THROW(l.suona("intro3.mid"), ErroreRuntime);
        EXPECT_EQ(l.ascolta(0.2), 0.0f);
    }
    {
        // The game's own set-up after the early start: nothing there at all, said before.
        Lettore l({"/nonexistent/none.sf2"});
        EXPECT_THROW(l.musica->Init(), ErroreRuntime);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(righe(err), 1) << err;
    EXPECT_NE(err.find("nessun soundfont"), std::string::npos) << err;
    EXPECT_NE(err.find(rotto), std::string::npos) << err;
    fs::remove(rotto);
}

}  // namespace
}  // namespace didiv
