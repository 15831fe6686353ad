#pragma once
// The sound and music services the game's rules were written against, reduced to what the
// game uses: effect buffers with play, stop, status and rewind, and one MIDI player.

#include <cstdint>
#include <memory>
#include <string>

namespace didiv {

constexpr int32_t DSBPLAY_LOOPING = 1;
constexpr int32_t DSBSTATUS_PLAYING = 1;
constexpr int32_t DSBSTATUS_LOOPING = 4;

// One effect: one voice.
class BufferSuono {
public:
    virtual ~BufferSuono() = default;
    // flags 0: once from the current position; DSBPLAY_LOOPING: loop. A playing buffer goes on.
    virtual void Play(int32_t flags) = 0;
    // Halts, keeping the position.
    virtual void Stop() = 0;
    // 0 stopped, 1 playing once, 5 playing and looping.
    virtual int32_t GetStatus() = 0;
    virtual void SetCurrentPosition(int32_t posizione) = 0;
};

class DispositivoSuono {
public:
    virtual ~DispositivoSuono() = default;
    virtual void SetCooperativeLevel(int32_t livello) = 0;
    virtual void CreaBufferPrimario() = 0;
    // A missing file is error 53, a malformed one a run-time error of its own.
    virtual std::unique_ptr<BufferSuono> CreateSoundBufferFromFile(const std::string& file) = 0;
    // True for a device with no output behind it: buffers load and play, nothing is heard.
    virtual bool muto() const { return false; }
};

// One tune at a time.
class PlayerMusica {
public:
    virtual ~PlayerMusica() = default;
    virtual void Init() = 0;
    virtual void SetPort(int32_t porta, int32_t gruppi_canali) = 0;
    virtual void SetMasterAutoDownload(bool attivo) = 0;
    virtual void SetMasterVolume(int32_t volume) = 0;
    // Loads a MIDI file as the next tune; throws when it is missing or malformed.
    virtual void LoadSegment(const std::string& file) = 0;
    // The one configuration call made on a freshly loaded tune.
    virtual void ConfiguraSegmento(int32_t valore) = 0;
    virtual void PlaySegment() = 0;
    virtual bool IsPlaying() = 0;
    virtual void Stop() = 0;
};

class SistemaAudio {
public:
    virtual ~SistemaAudio() = default;
    // Error 429 when the sound component cannot be created. With no output to play on, a
    // device that answers muto().
    virtual std::unique_ptr<DispositivoSuono> DirectSoundCreate() = 0;
    // Stand-in for registering the sound component (the real layer re-probes every audio
    // backend at the next creation); does not wait for it to finish.
    virtual void RegistraComponente() = 0;
    virtual std::unique_ptr<PlayerMusica> CreaPlayerMusica() = 0;
    // Effects are heard only while the game window is active.
    virtual void FinestraAttiva(bool attiva) = 0;
};

}  // namespace didiv
