#include "desktop/suono/musica_fluid.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/errori_runtime.h"

namespace didiv {

namespace {

// The game shows no music errors; only a broken synthesizer is worth a line on stderr.
void registro_fluid(int livello, const char* messaggio, void*) {
    if (livello <= FLUID_ERR) std::fprintf(stderr, "didiv: musica: %s\n", messaggio);
}

void instrada_log() {
    static const bool fatto = [] {
        for (int l = FLUID_PANIC; l < LAST_LOG_LEVEL; ++l) fluid_set_log_function(l, registro_fluid, nullptr);
        return true;
    }();
    (void)fatto;
}

constexpr double GUADAGNO_BASE = 0.45;
constexpr int GRUPPI_CANALI = 16;

}  // namespace

const std::vector<std::string>& soundfont_candidati() {
    static const std::vector<std::string> v = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
    };
    return v;
}

MusicaFluid::MusicaFluid(std::shared_ptr<Mixer> mixer) : mixer_(std::move(mixer)) {
    instrada_log();
    impostazioni_ = new_fluid_settings();
    if (!impostazioni_) solleva(ERR_COMPONENTE);
    fluid_settings_setnum(impostazioni_, "synth.sample-rate", FREQUENZA_MIXER);
    // One MIDI port's 16 channels: the player keeps per-channel state for only that many.
    fluid_settings_setint(impostazioni_, "synth.midi-channels", 16);
    fluid_settings_setint(impostazioni_, "synth.lock-memory", 0);
    // Every instrument is read at start-up: loading one when a piece selects it would read
    // the disk inside the audio callback and stall the sound.
    fluid_settings_setint(impostazioni_, "synth.dynamic-sample-loading", 0);
    fluid_settings_setstr(impostazioni_, "player.timing-source", "sample");
    // A reset at every repeat would cut the ringing notes with a click at the seam.
    fluid_settings_setint(impostazioni_, "player.reset-synth", 0);
    fluid_settings_setnum(impostazioni_, "synth.gain", GUADAGNO_BASE);
    synth_ = new_fluid_synth(impostazioni_);
    if (!synth_) {
        delete_fluid_settings(impostazioni_);
        solleva(ERR_COMPONENTE);
    }
    mixer_->imposta_musica(this);
}

MusicaFluid::~MusicaFluid() {
    mixer_->imposta_musica(nullptr);
    if (player_) delete_fluid_player(player_);
    delete_fluid_synth(synth_);
    delete_fluid_settings(impostazioni_);
}

void MusicaFluid::Init() {
    if (soundfont_) return;
    for (const auto& sf : soundfont_candidati()) {
        std::error_code ec;
        if (!std::filesystem::exists(sf, ec)) continue;
        // Loaded outside the mixer's lock, while the output renders no music yet, so the
        // effects never wait for the disk.
        if (fluid_synth_sfload(synth_, sf.c_str(), 1) != FLUID_FAILED) {
            soundfont_.store(true);
            return;
        }
    }
    solleva(ERR_FILE_NON_TROVATO);
}

void MusicaFluid::SetPort(int32_t porta, int32_t gruppi_canali) {
    // Only the default port exists. A Standard MIDI File addresses one group of 16 channels,
    // so any number of groups up to 16 is served by that one.
    if (porta != -1 || gruppi_canali < 1 || gruppi_canali > GRUPPI_CANALI) solleva(ERR_CHIAMATA_NON_VALIDA);
}

void MusicaFluid::SetMasterAutoDownload(bool) {
    // Always on: every instrument of the soundfont is loaded with it.
}

void MusicaFluid::SetMasterVolume(int32_t volume) {
    // Hundredths of a decibel, as the game's original music service counted them.
    const double db = std::clamp(volume, -10000, 2000) / 100.0;
    fluid_synth_set_gain(synth_, static_cast<float>(GUADAGNO_BASE * std::pow(10.0, db / 20.0)));
}

void MusicaFluid::LoadSegment(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    if (!f) solleva(ERR_FILE_NON_TROVATO);
    std::vector<uint8_t> dati((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) solleva(ERR_FORMATO_FILE);
    // The player would meet a damaged file only while playing, and try it again at every
    // callback: refuse it here, once.
    contenuto_ = leggi_brano_midi(dati.data(), dati.size());
    segmento_ = std::move(dati);
}

void MusicaFluid::ConfiguraSegmento(int32_t valore) {
    // Any repeat count means the piece plays on until it is stopped.
    ripeti_ = valore != 0;
}

void MusicaFluid::PlaySegment() {
    if (segmento_.empty() || !soundfont_) solleva(ERR_OGGETTO_NON_IMPOSTATO);
    auto l = mixer_->blocca();
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    fluid_synth_all_sounds_off(synth_, -1);
    fluid_player_t* p = new_fluid_player(synth_);
    if (!p) solleva(ERR_COMPONENTE);
    // A piece of no length repeated would never let the player return.
    const bool ripeti = ripeti_ && contenuto_.durata_tick > 0;
    if (fluid_player_add_mem(p, segmento_.data(), segmento_.size()) != FLUID_OK ||
        fluid_player_set_loop(p, ripeti ? -1 : 1) != FLUID_OK || fluid_player_play(p) != FLUID_OK) {
        delete_fluid_player(p);
        solleva(ERR_FORMATO_FILE);
    }
    player_ = p;
}

bool MusicaFluid::IsPlaying() {
    auto l = mixer_->blocca();
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

void MusicaFluid::Stop() {
    auto l = mixer_->blocca();
    if (player_) fluid_player_stop(player_);
    // The player leaves its notes sounding.
    fluid_synth_all_sounds_off(synth_, -1);
}

void MusicaFluid::rendi(float* uscita, int frames) {
    if (!soundfont_.load(std::memory_order_acquire)) {
        std::fill(uscita, uscita + 2 * frames, 0.0f);
        return;
    }
    fluid_synth_write_float(synth_, frames, uscita, 0, 2, uscita, 1, 2);
}

}  // namespace didiv
