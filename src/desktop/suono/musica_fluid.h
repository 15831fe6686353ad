#pragma once
// The MIDI player: FluidSynth with a General MIDI soundfont, rendered by the mixer.
//
// The soundfont is read on a thread of its own, so that the game window opens without waiting
// for it, and only what the tunes play is brought into memory: the soundfont handed to the
// synthesizer holds just the samples of the notes they strike. Whoever reads the
// disk holds the synthesizer alone: the game thread and the output touch it only while it is
// handed to them, so neither ever waits for a read.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "audio/midi.h"
#include "audio/mixer.h"
#include "audio/soundfont.h"
#include "platform/audio.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace didiv {

// The synthesizer's settings, as the game plays its tunes; the caller deletes them.
_fluid_hashtable_t* impostazioni_synth();

// Where the soundfont is looked for: first where this FluidSynth's distribution puts its
// default one, then the paths the game knows.
std::vector<std::string> soundfont_cercati();

class MusicaFluid : public PlayerMusica, public SorgenteMusica {
public:
    // The soundfonts are tried in order; the first that loads is used. When none can be read,
    // one line on stderr says so, once a run, and the game plays on without music.
    explicit MusicaFluid(std::shared_ptr<Mixer> mixer, std::vector<std::string> candidati = soundfont_cercati());
    ~MusicaFluid() override;

    // Error 53 when no soundfont is installed; otherwise returns at once and the soundfont
    // loads meanwhile. A tune started before it is ready sounds as soon as it is.
    void Init() override;
    void SetPort(int32_t porta, int32_t gruppi_canali) override;
    void SetMasterAutoDownload(bool attivo) override;
    void SetMasterVolume(int32_t volume) override;
    // Reads and checks the whole file: a missing one is error 53, one that cannot be read to
    // its end error 321, and the tune loaded before stays.
    void LoadSegment(const std::string& file) override;
    void ConfiguraSegmento(int32_t valore) override;
    void PlaySegment() override;
    bool IsPlaying() override;
    void Stop() override;

    void rendi(float* uscita, int frames) override;

    // Waits until the loading thread has nothing left to read for the tunes started so far;
    // false when the time runs out or no soundfont could be loaded.
    bool attendi_pronta(std::chrono::milliseconds limite);
    // The value of a controller of a channel, as the synthesizer holds it now; -1 while it is
    // not ready.
    int controllo(int canale, int numero);

private:
    struct Brano {
        std::vector<uint8_t> dati;
        BranoMidi contenuto;
    };
    struct Richiesta {
        std::shared_ptr<const Brano> brano;
        bool ripeti = false;
    };

    void lavora();
    bool prepara_synth();
    // The whole soundfont, its samples read per instrument: for a soundfont that cannot be cut
    // down.
    bool carica_intero();
    // Brings into memory what the tune plays, on top of what the tunes before played.
    bool prepara_brano(const Brano& b);
    void fissa(std::pair<int, int> strumento);
    bool manca_qualcosa(const Brano& b) const;
    bool avvia(const Richiesta& r);
    void chiudi_player();
    void scarta_anticipo();

    std::shared_ptr<Mixer> mixer_;
    std::vector<std::string> candidati_;
    std::vector<std::string> soundfont_;

    // Held by the loading thread while pronto_ is false, by the game thread and the output
    // once it is true.
    _fluid_hashtable_t* impostazioni_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    int id_soundfont_ = -1;
    _fluid_player_t* player_ = nullptr;  // changed only under the mixer's lock
    // The installed soundfont's tables, while it is handed to the synthesizer cut down to the
    // notes heard so far.
    std::unique_ptr<IndiceSoundfont> indice_;
    std::string percorso_indice_;
    std::set<NotaSuonata> note_caricate_;
    std::set<std::pair<int, int>> fissati_;  // instruments in memory for good, whole soundfont

    std::mutex stato_;
    std::condition_variable cambiato_;
    bool pronto_ = false;
    bool guasto_ = false;  // no soundfont could be loaded
    bool fine_ = false;
    std::optional<Richiesta> in_attesa_;  // a tune waiting for its instruments
    float guadagno_;
    std::atomic<bool> udibile_{false};  // the output may render the synthesizer

    // Rendered ahead of the output, under the mixer's lock; a tune started or stopped throws
    // away what is left.
    static constexpr int FRAMES_ANTICIPO = 4096;
    std::vector<float> anticipo_ = std::vector<float>(2 * FRAMES_ANTICIPO);
    int letti_ = 0;
    int pronti_ = 0;

    std::shared_ptr<const Brano> segmento_;  // the last tune loaded
    bool ripeti_ = false;
    std::thread caricatore_;
};

}  // namespace didiv
