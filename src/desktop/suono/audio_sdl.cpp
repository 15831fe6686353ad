#include "desktop/suono/audio_sdl.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "audio/mixer.h"
#include "desktop/suono/musica_fluid.h"
#include "platform/errori_runtime.h"

namespace didiv {

namespace {

// An effect is heard within a few tens of milliseconds of its event (23 ms a callback), and
// the output wakes no more often than it must.
constexpr int FRAMES_CALLBACK = 1024;

// With no sound server ALSA writes its complaints to stderr; the game reports the missing
// output itself, once.
void alsa_muto(const char*, int, const char*, int, const char*, ...) {}

void SDLCALL riempi(void* dati, Uint8* flusso, int byte) {
    static_cast<Mixer*>(dati)->rendi(reinterpret_cast<float*>(flusso), byte / static_cast<int>(2 * sizeof(float)));
}

class SistemaAudioSdl : public SistemaAudio {
public:
    // The soundfont starts loading now, while the start dialog waits for the player, so that
    // the theme is ready when the game window opens.
    SistemaAudioSdl() {
        try {
            musica_pronta_ = std::make_unique<MusicaFluid>(mixer_);
            musica_pronta_->Init();
        } catch (const ErroreRuntime&) {
            musica_pronta_.reset();  // the game's own set-up meets the same failure
        }
    }

    ~SistemaAudioSdl() override {
        if (dispositivo_) SDL_CloseAudioDevice(dispositivo_);
        if (filo_.joinable()) {
            fine_.store(true);
            filo_.join();
        }
        if (sdl_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    std::unique_ptr<DispositivoSuono> DirectSoundCreate() override {
        if (!aperta_) {
            if (!sdl_ && !avvia_sdl()) solleva(ERR_COMPONENTE);
            apri_uscita();
        }
        return std::make_unique<DispositivoMixer>(mixer_, muto_);
    }

    // Nothing to register on this desktop. What can go wrong instead is a backend that would
    // not start (a sound server still coming up, a driver named in the environment that is
    // not there): the next creation tries every backend SDL knows, one by one.
    void RegistraComponente() override { riprova_tutti_ = true; }

    std::unique_ptr<PlayerMusica> CreaPlayerMusica() override {
        if (!aperta_) {
            if (!sdl_) avvia_sdl();
            apri_uscita();
        }
        if (musica_pronta_) return std::move(musica_pronta_);
        return std::make_unique<MusicaFluid>(mixer_);
    }

    void FinestraAttiva(bool attiva) override { mixer_->effetti_udibili(attiva); }

private:
    bool avvia_sdl() {
        // SDL must leave Ctrl+C to the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        snd_lib_error_set_handler(alsa_muto);
        if (!riprova_tutti_) {
            sdl_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
            return sdl_;
        }
        for (int i = 0; i < SDL_GetNumAudioDrivers() && !sdl_; ++i) {
            const char* nome = SDL_GetAudioDriver(i);
            if (!nome || !std::strcmp(nome, "disk") || !std::strcmp(nome, "dummy")) continue;
            SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, nome, SDL_HINT_OVERRIDE);
            sdl_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
        }
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        return sdl_;
    }

    void apri_uscita() {
        aperta_ = true;
        if (sdl_) {
            SDL_AudioSpec voluto{};
            voluto.freq = FREQUENZA_MIXER;
            voluto.format = AUDIO_F32SYS;
            voluto.channels = 2;
            voluto.samples = FRAMES_CALLBACK;
            voluto.callback = riempi;
            voluto.userdata = mixer_.get();
            SDL_AudioSpec avuto{};
            dispositivo_ = SDL_OpenAudioDevice(nullptr, 0, &voluto, &avuto, 0);
            if (dispositivo_) {
                SDL_PauseAudioDevice(dispositivo_, 0);
                return;
            }
        }
        // No output: the mixer still runs at the pace of a real device, so that effects end
        // when they should and the game cannot tell the difference.
        muto_ = true;
        filo_ = std::thread([this] {
            std::vector<float> scarto(2 * FRAMES_CALLBACK);
            const auto periodo = std::chrono::microseconds(1'000'000LL * FRAMES_CALLBACK / FREQUENZA_MIXER);
            auto prossimo = std::chrono::steady_clock::now();
            while (!fine_.load()) {
                mixer_->rendi(scarto.data(), FRAMES_CALLBACK);
                prossimo += periodo;
                std::this_thread::sleep_until(prossimo);
            }
        });
    }

    std::shared_ptr<Mixer> mixer_ = std::make_shared<Mixer>();
    std::unique_ptr<MusicaFluid> musica_pronta_;
    bool sdl_ = false;
    bool riprova_tutti_ = false;
    bool aperta_ = false;
    bool muto_ = false;
    SDL_AudioDeviceID dispositivo_ = 0;
    std::thread filo_;
    std::atomic<bool> fine_{false};
};

}  // namespace

std::unique_ptr<SistemaAudio> crea_audio_sdl() { return std::make_unique<SistemaAudioSdl>(); }

}  // namespace didiv
