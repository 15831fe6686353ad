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

#include "../file_prova.h"
#include "audio/wav.h"
#include "desktop/suono/audio_sdl.h"
#include "desktop/suono/musica_fluid.h"
#include "game/form1.h"
#include "platform/piattaforma_finta.h"
#include "platform/errori_runtime.h"

namespace didiv {
namespace {

using namespace std::chrono_literals;

// A loaded machine renders late, never early: every wait below watches the recording or the
// player and gives up only after this long.
constexpr auto kScadenza = 60s;

constexpr size_t kByteFrame = 2 * sizeof(float);

// The recording from frame `da` on, in whole frames.
std::vector<float> leggi_float(const std::string& file, size_t da = 0) {
    std::ifstream f(file, std::ios::binary);
    f.seekg(static_cast<std::streamoff>(da * kByteFrame));
    std::vector<char> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::vector<float> v(b.size() / kByteFrame * 2);
    if (!v.empty()) std::memcpy(v.data(), b.data(), v.size() * sizeof(float));
    return v;
}

// Whole frames in the recording so far.
size_t frames_registrati(const std::string& file) {
    std::error_code ec;
    const auto n = std::filesystem::file_size(file, ec);
    return ec ? 0 : static_cast<size_t>(n) / kByteFrame;
}

template <class Condizione>
bool attendi(Condizione pronta) {
    const auto fine = std::chrono::steady_clock::now() + kScadenza;
    while (!pronta()) {
        if (std::chrono::steady_clock::now() > fine) return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

bool attendi_frames(const std::string& file, size_t frames) {
    return attendi([&] { return frames_registrati(file) >= frames; });
}

constexpr size_t frames_di(double secondi) { return static_cast<size_t>(secondi * FREQUENZA_MIXER); }

// The first frame from `da` on where the recording is louder than `soglia`: where a sound
// begins, however long the output took to get there. Nothing until the deadline: npos.
size_t attendi_inizio(const std::string& file, size_t da, float soglia) {
    size_t trovato = std::string::npos;
    attendi([&] {
        const auto v = leggi_float(file, da);
        for (size_t i = 0; i < v.size(); ++i)
            if (std::fabs(v[i]) > soglia) {
                trovato = da + i / 2;
                return true;
            }
        da += v.size() / 2;
        return false;
    });
    return trovato;
}

struct Misura {
    float picco = 0;
    int pieni = 0;  // samples at full scale
};

Misura misura(const std::vector<float>& v, size_t da_frame, size_t a_frame) {
    Misura m;
    const size_t i0 = std::min(v.size(), da_frame * 2);
    const size_t i1 = std::min(v.size(), a_frame * 2);
    for (size_t i = i0; i < i1; ++i) {
        m.picco = std::max(m.picco, std::fabs(v[i]));
        if (std::fabs(v[i]) >= 0.999f) ++m.pieni;
    }
    return m;
}

TEST(AudioSdl, AnEffectAndATuneReachTheOutputUnclipped) {
    const std::string file = file_prova("audio_sdl_test.raw");
    std::remove(file.c_str());
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    const size_t lunghezza_succ = carica_wav("succ.wav").frames();  // 1.3 s
    size_t inizio_effetto = 0, fine_effetto = 0, inizio_musica = std::string::npos;
    {
        auto audio = crea_audio_sdl();
        auto ds = audio->DirectSoundCreate();
        ASSERT_FALSE(ds->muto());
        auto succ = ds->CreateSoundBufferFromFile("succ.wav");
        inizio_effetto = frames_registrati(file);
        succ->Play(0);
        EXPECT_EQ(succ->GetStatus(), 1);
        EXPECT_TRUE(attendi([&] { return succ->GetStatus() == 0; })) << "the effect never ended";
        fine_effetto = frames_registrati(file);
        // It ends when its last frame is mixed, a callback or two before that frame is written.
        EXPECT_GE(fine_effetto + 4 * 512, inizio_effetto + lunghezza_succ) << "it ended before its end";

        auto musica = audio->CreaPlayerMusica();
        musica->Init();
        musica->SetPort(-1, 16);
        musica->SetMasterAutoDownload(true);
        musica->SetMasterVolume(100);
        musica->LoadSegment("intro3.mid");
        musica->ConfiguraSegmento(2);
        const size_t prima_della_musica = frames_registrati(file);
        musica->PlaySegment();
        inizio_musica = attendi_inizio(file, prima_della_musica, 0.01f);
        EXPECT_NE(inizio_musica, std::string::npos) << "the tune was never heard";
        if (inizio_musica != std::string::npos) {
            EXPECT_TRUE(attendi_frames(file, inizio_musica + frames_di(1.1)));
        }
        EXPECT_TRUE(musica->IsPlaying());
        musica->Stop();
        EXPECT_FALSE(musica->IsPlaying());
        // A missing tune is noticed before playing.
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
    ASSERT_NE(inizio_musica, std::string::npos);

    const auto v = leggi_float(file);
    const Misura effetto = misura(v, inizio_effetto, fine_effetto + 4 * 512);
    const Misura musica = misura(v, inizio_musica, inizio_musica + frames_di(1.1));
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
    const double durata = static_cast<double>(carica_wav("flub.wav").frames()) / FREQUENZA_MIXER;  // 0.22 s
    auto flub = ds->CreateSoundBufferFromFile("flub.wav");
    const auto t0 = std::chrono::steady_clock::now();
    flub->Play(0);
    EXPECT_EQ(flub->GetStatus(), 1);
    EXPECT_TRUE(attendi([&] { return flub->GetStatus() == 0; })) << "the effect never ended";
    // The silent device keeps a real device's pace: never faster, whatever the load.
    const std::chrono::duration<double> suonato = std::chrono::steady_clock::now() - t0;
    EXPECT_GE(suonato.count(), durata - 2.0 * 512 / FREQUENZA_MIXER);
}

TEST(AudioSdl, TheGameStartsTheThemeAndTheWalkingLoopIsHeard) {
    const std::string file = file_prova("audio_sdl_gioco.raw");
    std::remove(file.c_str());
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    size_t inizio_tema = std::string::npos, inizio_passi = 0;
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
        // Loading the soundfont and the effects may take long: the theme starts when it starts.
        inizio_tema = attendi_inizio(file, 0, 0.01f);
        EXPECT_NE(inizio_tema, std::string::npos) << "the theme was never heard";
        if (inizio_tema != std::string::npos) {
            EXPECT_TRUE(attendi_frames(file, inizio_tema + frames_di(0.6)));
        }
        EXPECT_TRUE(m.musica_perf->IsPlaying());
        f.PlayMidi("");
        inizio_passi = frames_registrati(file);
        f.suono_step.Play(DSBPLAY_LOOPING);
        EXPECT_TRUE(attendi_frames(file, inizio_passi + frames_di(1.0)));
        EXPECT_EQ(f.suono_step.GetStatus(), 5);
        f.suono_step.Stop();
        f.vuotasuoni();
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    ASSERT_NE(inizio_tema, std::string::npos);
    const auto v = leggi_float(file);
    const Misura tema = misura(v, inizio_tema, inizio_tema + frames_di(0.6));
    // The first frames after the switch may still be the theme's, mixed before it stopped.
    const Misura passi = misura(v, inizio_passi + frames_di(0.2), inizio_passi + frames_di(1.0));
    EXPECT_GT(tema.picco, 0.05f);
    EXPECT_GT(passi.picco, 0.1f);
    EXPECT_EQ(tema.pieni + passi.pieni, 0);
    std::remove(file.c_str());
}

}  // namespace
}  // namespace didiv
