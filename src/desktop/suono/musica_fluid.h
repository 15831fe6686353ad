#pragma once
// The MIDI player: FluidSynth with a General MIDI soundfont, rendered by the mixer.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/midi.h"
#include "audio/mixer.h"
#include "platform/audio.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace didiv {

class MusicaFluid : public PlayerMusica, public SorgenteMusica {
public:
    // Error 429 when the synthesizer cannot be made.
    explicit MusicaFluid(std::shared_ptr<Mixer> mixer);
    ~MusicaFluid() override;

    void Init() override;
    void SetPort(int32_t porta, int32_t gruppi_canali) override;
    void SetMasterAutoDownload(bool attivo) override;
    void SetMasterVolume(int32_t volume) override;
    // Reads and checks the whole file: a missing one is error 53, one that cannot be read to
    // its end error 321, and the piece loaded before stays.
    void LoadSegment(const std::string& file) override;
    void ConfiguraSegmento(int32_t valore) override;
    void PlaySegment() override;
    bool IsPlaying() override;
    void Stop() override;

    void rendi(float* uscita, int frames) override;

private:
    std::shared_ptr<Mixer> mixer_;
    _fluid_hashtable_t* impostazioni_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_player_t* player_ = nullptr;  // changed only under the mixer's lock
    std::atomic<bool> soundfont_{false};
    std::vector<uint8_t> segmento_;      // the last piece loaded
    BranoMidi contenuto_;                // and what the reader found in it
    bool ripeti_ = false;
};

// The soundfonts tried in order; the first that exists is used.
const std::vector<std::string>& soundfont_candidati();

}  // namespace didiv
