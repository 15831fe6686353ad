// The real sound layer: SDL's file-writing driver records what the mixer sends to the
// device, effects and music together.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "desktop/suono/audio_sdl.h"
#include "desktop/suono/musica_fluid.h"
#include "game/form1.h"
#include "platform/piattaforma_finta.h"
#include "platform/errori_runtime.h"

namespace didiv {
namespace {

using namespace std::chrono_literals;

std::vector<float> leggi_float(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    std::vector<char> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::vector<float> v(b.size() / sizeof(float));
    std::memcpy(v.data(), b.data(), v.size() * sizeof(float));
    return v;
}

// Seconds of sound in the recording so far.
double registrati(const std::string& file) {
    std::error_code ec;
    const auto n = std::filesystem::file_size(file, ec);
    return ec ? 0.0 : static_cast<double>(n) / (2 * sizeof(float) * 44100);
}

// The soundfont loads beside the game: waits until the piece started is heard, and returns
// where the recording was then.
double musica_pronta(PlayerMusica& m, const std::string& file) {
    auto* fluid = dynamic_cast<MusicaFluid*>(&m);
    EXPECT_NE(fluid, nullptr);
    if (fluid) {
        EXPECT_TRUE(fluid->attendi_pronta(std::chrono::minutes(2)));
    }
    return registrati(file);
}

struct Misura {
    float picco = 0;
    int pieni = 0;  // samples at full scale
};

Misura misura(const std::vector<float>& v, double da_sec, double a_sec) {
    Misura m;
    const size_t i0 = std::min(v.size(), static_cast<size_t>(da_sec * 44100) * 2);
    const size_t i1 = std::min(v.size(), static_cast<size_t>(a_sec * 44100) * 2);
    for (size_t i = i0; i < i1; ++i) {
        m.picco = std::max(m.picco, std::fabs(v[i]));
        if (std::fabs(v[i]) >= 0.999f) ++m.pieni;
    }
    return m;
}

TEST(AudioSdl, AnEffectAndATuneReachTheOutputUnclipped) {
    const std::string file = "audio_sdl_test.raw";
    std::remove(file.c_str());
    double inizio_musica = 0;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    {
        auto audio = crea_audio_sdl();
        auto ds = audio->DirectSoundCreate();
        ASSERT_FALSE(ds->muto());
        auto succ = ds->CreateSoundBufferFromFile("succ.wav");  // 1.3 s
        succ->Play(0);
        EXPECT_EQ(succ->GetStatus(), 1);
        std::this_thread::sleep_for(1600ms);
        EXPECT_EQ(succ->GetStatus(), 0);  // played to its end

        auto musica = audio->CreaPlayerMusica();
        musica->Init();
        musica->SetPort(-1, 16);
        musica->SetMasterAutoDownload(true);
        musica->SetMasterVolume(100);
        musica->LoadSegment("intro3.mid");
        musica->ConfiguraSegmento(2);
        musica->PlaySegment();
        inizio_musica = musica_pronta(*musica, file);
        std::this_thread::sleep_for(1500ms);
        EXPECT_TRUE(musica->IsPlaying());
        musica->Stop();
        EXPECT_FALSE(musica->IsPlaying());
        // A missing piece is noticed before playing.
        try {
            musica->LoadSegment("manca.mid");
            ADD_FAILURE();
        } catch (const ErroreRuntime& e) {
            EXPECT_EQ(e.numero(), ERR_FILE_NON_TROVATO);
        }
        succ.reset();
        musica.reset();
        ds.reset();
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");

    const auto v = leggi_float(file);
    ASSERT_GT(v.size(), static_cast<size_t>(2.5 * 44100 * 2));
    const Misura effetto = misura(v, 0.0, 1.3);
    const Misura musica = misura(v, inizio_musica + 0.3, inizio_musica + 1.4);
    EXPECT_GT(effetto.picco, 0.2f);
    EXPECT_GT(musica.picco, 0.05f);
    EXPECT_LT(effetto.picco, 0.999f);
    EXPECT_LT(musica.picco, 0.999f);
    EXPECT_EQ(effetto.pieni + musica.pieni, 0);
    std::remove(file.c_str());
}

TEST(AudioSdl, TheSoundfontLoadsBeforeTheGameAsksForMusic) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto audio = crea_audio_sdl();
    // The player the game's set-up receives is already loading, with no call of its own.
    auto musica = audio->CreaPlayerMusica();
    auto* fluid = dynamic_cast<MusicaFluid*>(musica.get());
    ASSERT_NE(fluid, nullptr);
    const bool installato = std::any_of(soundfont_candidati().begin(), soundfont_candidati().end(),
                                        [](const std::string& f) { return std::filesystem::exists(f); });
    if (!installato) GTEST_SKIP() << "no soundfont installed";
    EXPECT_TRUE(fluid->attendi_pronta(std::chrono::minutes(1)));
    unsetenv("SDL_AUDIODRIVER");
}

TEST(AudioSdl, AnUnknownBackendIsMendedByTheRegistrationStep) {
    setenv("SDL_AUDIODRIVER", "nessun_driver", 1);
    auto audio = crea_audio_sdl();
    try {
        audio->DirectSoundCreate();
        ADD_FAILURE();
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), ERR_COMPONENTE);
    }
    audio->RegistraComponente();
    // Every real backend is tried now; with no sound card at all this is the silent device.
    auto ds = audio->DirectSoundCreate();
    EXPECT_NE(ds, nullptr);
    unsetenv("SDL_AUDIODRIVER");
}

TEST(AudioSdl, WithoutAnOutputEffectsStillEndOnTime) {
    auto audio = crea_audio_sdl();
    auto ds = audio->DirectSoundCreate();
    if (!ds->muto()) GTEST_SKIP() << "this machine has a sound output";
    auto flub = ds->CreateSoundBufferFromFile("flub.wav");  // 0.22 s
    flub->Play(0);
    EXPECT_EQ(flub->GetStatus(), 1);
    std::this_thread::sleep_for(400ms);
    EXPECT_EQ(flub->GetStatus(), 0);
}

TEST(AudioSdl, TheGameStartsTheThemeAndTheWalkingLoopIsHeard) {
    const std::string file = "audio_sdl_gioco.raw";
    std::remove(file.c_str());
    double inizio_musica = 0;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    {
        auto audio = crea_audio_sdl();
        Registro r;
        PiattaformaFinta p(r);
        p.cartella = std::filesystem::current_path().string();
        ModuloTres m(p, *audio);
        Form1 f(m);
        f.Form_Load();
        EXPECT_TRUE(p.messaggi.empty());
        ASSERT_TRUE(m.musica_perf);
        inizio_musica = musica_pronta(*m.musica_perf, file);
        std::this_thread::sleep_for(800ms);
        EXPECT_TRUE(m.musica_perf->IsPlaying());
        f.PlayMidi("");
        f.suono_step.Play(DSBPLAY_LOOPING);
        std::this_thread::sleep_for(900ms);
        EXPECT_EQ(f.suono_step.GetStatus(), 5);
        f.suono_step.Stop();
        f.vuotasuoni();
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    const auto v = leggi_float(file);
    const Misura tema = misura(v, inizio_musica + 0.2, inizio_musica + 0.8);
    const Misura passi = misura(v, inizio_musica + 1.2, inizio_musica + 1.6);
    EXPECT_GT(tema.picco, 0.05f);
    EXPECT_GT(passi.picco, 0.1f);
    EXPECT_EQ(tema.pieni + passi.pieni, 0);
    std::remove(file.c_str());
}

}  // namespace
}  // namespace didiv
