#include "desktop/suono/musica_fluid.h"

#include <fluidsynth.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "audio/soundfont.h"
#include "desktop/suono/soundfont_fluid.h"
#include "platform/errori_runtime.h"

namespace didiv {

namespace {

// Set while soundfonts are tried one after the other: a file that fails is no news while
// another may load, and when none does one line says so for all of them.
thread_local bool log_muto = false;

// The game shows no music errors; only a broken synthesizer is worth a line on stderr.
void registro_fluid(int livello, const char* messaggio, void*) {
    if (livello <= FLUID_ERR && !log_muto) std::fprintf(stderr, "didiv: musica: %s\n", messaggio);
}

// Whether a file starts as a SoundFont does. Anything else would go on to the synthesizer's
// other loaders, whose library writes its own complaints to stderr.
bool intestazione_soundfont(const std::string& file) {
    char testa[12] = {};
    std::ifstream f(file, std::ios::binary);
    return f.read(testa, sizeof testa) && std::memcmp(testa, "RIFF", 4) == 0 && std::memcmp(testa + 8, "sfbk", 4) == 0;
}

// Once a run: the game's own set-up tries again after the early start and meets the same lack.
void senza_musica(const std::vector<std::string>& cercati) {
    static std::atomic<bool> detto{false};
    if (detto.exchange(true)) return;
    std::string elenco;
    for (const auto& c : cercati) elenco.append(elenco.empty() ? "" : ", ").append(c);
    std::fprintf(stderr, "didiv: musica: nessun soundfont General MIDI leggibile (cercati: %s); si gioca senza musica\n",
                 elenco.c_str());
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

// What a channel plays before any program change, and selects again on a reset: program 0,
// the drum kit on the drum channel.
constexpr std::pair<int, int> STRUMENTI_RESET[] = {{0, 0}, {BANCO_PERCUSSIONI, 0}};

}  // namespace

std::vector<std::string> soundfont_cercati() {
    std::vector<std::string> v;
    if (fluid_settings_t* i = new_fluid_settings()) {
        char* predefinito = nullptr;
        if (fluid_settings_getstr_default(i, "synth.default-soundfont", &predefinito) == FLUID_OK && predefinito &&
            *predefinito)
            v.emplace_back(predefinito);
        delete_fluid_settings(i);
    }
    for (const auto& c : soundfont_candidati())
        if (std::find(v.begin(), v.end(), c) == v.end()) v.push_back(c);
    return v;
}

MusicaFluid::MusicaFluid(std::shared_ptr<Mixer> mixer, std::vector<std::string> candidati)
    : mixer_(std::move(mixer)), candidati_(std::move(candidati)), guadagno_(static_cast<float>(GUADAGNO_BASE)) {
    instrada_log();
    mixer_->imposta_musica(this);
}

MusicaFluid::~MusicaFluid() {
    mixer_->imposta_musica(nullptr);
    {
        std::lock_guard<std::mutex> l(stato_);
        fine_ = true;
    }
    cambiato_.notify_all();
    if (caricatore_.joinable()) caricatore_.join();
    if (player_) delete_fluid_player(player_);
    if (synth_) delete_fluid_synth(synth_);
    if (impostazioni_) delete_fluid_settings(impostazioni_);
}

void MusicaFluid::Init() {
    if (caricatore_.joinable()) return;
    for (const auto& sf : candidati_) {
        std::error_code ec;
        if (std::filesystem::exists(sf, ec)) soundfont_.push_back(sf);
    }
    if (soundfont_.empty()) {
        senza_musica(candidati_);
        solleva(ERR_FILE_NON_TROVATO);
    }
    caricatore_ = std::thread([this] { lavora(); });
}

// The loading thread: makes the synthesizer and loads the soundfont, then, each time a tune
// needs instruments not in memory yet, takes the synthesizer back, reads them and starts it.
void MusicaFluid::lavora() {
    const bool ok = prepara_synth();
    std::unique_lock<std::mutex> l(stato_);
    if (!ok) {
        guasto_ = true;
        in_attesa_.reset();
        cambiato_.notify_all();
        return;
    }
    for (;;) {
        cambiato_.wait(l, [&] { return fine_ || !pronto_; });
        if (fine_) return;
        if (in_attesa_ && manca_qualcosa(*in_attesa_->brano)) {
            const auto brano = in_attesa_->brano;
            l.unlock();
            {
                auto m = mixer_->blocca();
                udibile_.store(false, std::memory_order_release);
                chiudi_player();
                scarta_anticipo();
            }
            const bool ok = prepara_brano(*brano);
            l.lock();
            if (!ok) {
                guasto_ = true;
                in_attesa_.reset();
                cambiato_.notify_all();
                return;
            }
            continue;  // the tune waiting may have changed meanwhile
        }
        {
            auto m = mixer_->blocca();
            fluid_synth_set_gain(synth_, guadagno_);
            if (in_attesa_) avvia(*in_attesa_);
            udibile_.store(true, std::memory_order_release);
        }
        in_attesa_.reset();
        pronto_ = true;
        cambiato_.notify_all();
    }
}

fluid_settings_t* impostazioni_synth() {
    fluid_settings_t* i = new_fluid_settings();
    if (!i) return nullptr;
    fluid_settings_setnum(i, "synth.sample-rate", FREQUENZA_MIXER);
    // One MIDI port's 16 channels: the player keeps per-channel state for only that many.
    fluid_settings_setint(i, "synth.midi-channels", 16);
    fluid_settings_setint(i, "synth.lock-memory", 0);
    fluid_settings_setstr(i, "player.timing-source", "sample");
    // A reset at every repeat would cut the ringing notes with a click at the seam.
    fluid_settings_setint(i, "player.reset-synth", 0);
    fluid_settings_setnum(i, "synth.gain", GUADAGNO_BASE);
    return i;
}

bool MusicaFluid::prepara_synth() {
    impostazioni_ = impostazioni_synth();
    if (!impostazioni_) return false;
    synth_ = new_fluid_synth(impostazioni_);
    if (!synth_) return false;
    aggiungi_caricatore_memoria(synth_, impostazioni_);
    // Only the soundfont's tables are read now; the samples when a tune needs them.
    for (const auto& sf : soundfont_) {
        try {
            SoundfontSuFile f(sf);
            indice_ = std::make_unique<IndiceSoundfont>(leggi_indice_soundfont(f));
            percorso_indice_ = sf;
            return true;
        } catch (const ErroreRuntime&) {
        }
    }
    return carica_intero();
}

bool MusicaFluid::carica_intero() {
    indice_.reset();
    if (id_soundfont_ != FLUID_FAILED) fluid_synth_sfunload(synth_, id_soundfont_, 1);
    // Samples are read per instrument, and only for the instruments pinned here below: a
    // program change to any other would read the disk inside the audio callback.
    fluid_settings_setint(impostazioni_, "synth.dynamic-sample-loading", 1);
    id_soundfont_ = FLUID_FAILED;
    log_muto = true;
    for (const auto& sf : soundfont_) {
        if (!intestazione_soundfont(sf)) continue;
        id_soundfont_ = fluid_synth_sfload(synth_, sf.c_str(), 1);
        if (id_soundfont_ != FLUID_FAILED) break;
    }
    log_muto = false;
    if (id_soundfont_ == FLUID_FAILED) {
        senza_musica(candidati_);
        return false;
    }
    for (const auto& s : STRUMENTI_RESET) fissa(s);
    return true;
}

bool MusicaFluid::prepara_brano(const Brano& b) {
    if (!indice_) {
        for (const auto& s : b.contenuto.strumenti)
            if (!fissati_.count(s)) fissa(s);
        return true;
    }
    // A soundfont cut down to every note of the tunes heard so far replaces the one before.
    std::set<NotaSuonata> note = note_caricate_;
    note.insert(b.contenuto.note.begin(), b.contenuto.note.end());
    int id = FLUID_FAILED;
    try {
        SoundfontSuFile f(percorso_indice_);
        const std::vector<uint8_t> ridotto = riduci_soundfont(*indice_, f, note);
        id = carica_soundfont_in_memoria(synth_, impostazioni_, ridotto);
    } catch (const ErroreRuntime&) {
    }
    // The cut-down copy and the tables it came from are gone from the heap: give the pages back.
    malloc_trim(0);
    if (id == FLUID_FAILED) return carica_intero() && prepara_brano(b);
    if (id_soundfont_ != FLUID_FAILED) fluid_synth_sfunload(synth_, id_soundfont_, 1);
    id_soundfont_ = id;
    note_caricate_ = std::move(note);
    return true;
}

void MusicaFluid::fissa(std::pair<int, int> s) {
    // An instrument the soundfont lacks is replaced by the synthesizer with the same program
    // of bank 0, or with a reset instrument.
    if (fluid_synth_pin_preset(synth_, id_soundfont_, s.first, s.second) != FLUID_OK && s.first != 0 &&
        s.first != BANCO_PERCUSSIONI)
        fluid_synth_pin_preset(synth_, id_soundfont_, 0, s.second);
    std::lock_guard<std::mutex> l(stato_);
    fissati_.insert(s);
}

bool MusicaFluid::manca_qualcosa(const Brano& b) const {
    if (indice_) return !std::includes(note_caricate_.begin(), note_caricate_.end(), b.contenuto.note.begin(),
                                       b.contenuto.note.end());
    return std::any_of(b.contenuto.strumenti.begin(), b.contenuto.strumenti.end(),
                       [&](const auto& s) { return !fissati_.count(s); });
}

void MusicaFluid::chiudi_player() {
    if (!player_) return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
}

bool MusicaFluid::avvia(const Richiesta& r) {
    chiudi_player();
    scarta_anticipo();
    // Every tune starts from the synthesizer's reset state, not with the pan, effects and
    // volumes the tune before left.
    fluid_synth_system_reset(synth_);
    fluid_player_t* p = new_fluid_player(synth_);
    if (!p) return false;
    // A tune of no length repeated would never let the player return.
    const bool ripeti = r.ripeti && r.brano->contenuto.durata_tick > 0;
    if (fluid_player_add_mem(p, r.brano->dati.data(), r.brano->dati.size()) != FLUID_OK ||
        fluid_player_set_loop(p, ripeti ? -1 : 1) != FLUID_OK || fluid_player_play(p) != FLUID_OK) {
        delete_fluid_player(p);
        return false;
    }
    player_ = p;
    return true;
}

void MusicaFluid::SetPort(int32_t porta, int32_t gruppi_canali) {
    // Only the default port exists. A Standard MIDI File addresses one group of 16 channels,
    // so any number of groups up to 16 is served by that one.
    if (porta != -1 || gruppi_canali < 1 || gruppi_canali > GRUPPI_CANALI) solleva(ERR_CHIAMATA_NON_VALIDA);
}

void MusicaFluid::SetMasterAutoDownload(bool) {
    // Always on: the instruments of a tune are loaded before it starts.
}

void MusicaFluid::SetMasterVolume(int32_t volume) {
    // Hundredths of a decibel, as the game's original music service counted them.
    const double db = std::clamp(volume, -10000, 2000) / 100.0;
    std::lock_guard<std::mutex> l(stato_);
    guadagno_ = static_cast<float>(GUADAGNO_BASE * std::pow(10.0, db / 20.0));
    if (pronto_) fluid_synth_set_gain(synth_, guadagno_);
}

void MusicaFluid::LoadSegment(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    if (!f) solleva(ERR_FILE_NON_TROVATO);
    auto b = std::make_shared<Brano>();
    b->dati.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    if (f.bad()) solleva(ERR_FORMATO_FILE);
    // The player would meet a damaged file only while playing, and try it again at every
    // callback: refuse it here, once.
    b->contenuto = leggi_brano_midi(b->dati.data(), b->dati.size());
    segmento_ = std::move(b);
}

void MusicaFluid::ConfiguraSegmento(int32_t valore) {
    // Any repeat count means the tune plays on until it is stopped.
    ripeti_ = valore != 0;
}

void MusicaFluid::PlaySegment() {
    if (!segmento_) solleva(ERR_OGGETTO_NON_IMPOSTATO);
    std::lock_guard<std::mutex> l(stato_);
    if (!caricatore_.joinable() || guasto_) solleva(ERR_OGGETTO_NON_IMPOSTATO);
    const Richiesta r{segmento_, ripeti_};
    if (pronto_ && !manca_qualcosa(*r.brano)) {
        auto m = mixer_->blocca();
        if (!avvia(r)) solleva(ERR_FORMATO_FILE);
        return;
    }
    // The loading thread takes the synthesizer, reads what the tune needs and starts it.
    in_attesa_ = r;
    pronto_ = false;
    cambiato_.notify_all();
}

bool MusicaFluid::IsPlaying() {
    std::lock_guard<std::mutex> l(stato_);
    if (!pronto_) return in_attesa_.has_value();
    auto m = mixer_->blocca();
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

void MusicaFluid::Stop() {
    std::lock_guard<std::mutex> l(stato_);
    if (!pronto_) {
        in_attesa_.reset();
        return;
    }
    auto m = mixer_->blocca();
    if (player_) fluid_player_stop(player_);
    // The player leaves its notes sounding.
    fluid_synth_all_sounds_off(synth_, -1);
    scarta_anticipo();
}

void MusicaFluid::rendi(float* uscita, int frames) {
    if (!udibile_.load(std::memory_order_acquire)) {
        std::fill(uscita, uscita + 2 * frames, 0.0f);
        return;
    }
    // Woken for every short callback, the synthesizer spends much of its time reloading its
    // caches: it renders a few callbacks' worth at once, and the rest are copied out.
    while (frames > 0) {
        if (letti_ == pronti_) {
            fluid_synth_write_float(synth_, FRAMES_ANTICIPO, anticipo_.data(), 0, 2, anticipo_.data(), 1, 2);
            letti_ = 0;
            pronti_ = FRAMES_ANTICIPO;
        }
        const int k = std::min(frames, pronti_ - letti_);
        std::copy_n(anticipo_.data() + 2 * letti_, 2 * k, uscita);
        uscita += 2 * k;
        frames -= k;
        letti_ += k;
    }
}

void MusicaFluid::scarta_anticipo() { letti_ = pronti_ = 0; }

bool MusicaFluid::attendi_pronta(std::chrono::milliseconds limite) {
    std::unique_lock<std::mutex> l(stato_);
    return cambiato_.wait_for(l, limite, [&] { return guasto_ || (pronto_ && !in_attesa_); }) && !guasto_;
}

int MusicaFluid::controllo(int canale, int numero) {
    std::lock_guard<std::mutex> l(stato_);
    if (!pronto_) return -1;
    int v = -1;
    fluid_synth_get_cc(synth_, canale, numero, &v);
    return v;
}

}  // namespace didiv
