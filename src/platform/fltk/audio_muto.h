#pragma once
// A sound system that makes no sound: buffers take every call and answer their status as
// real ones would, from the length of their files and the time that has passed. It keeps
// the desktop program whole until the real mixer is in.

#include <cstdint>
#include <optional>
#include <span>

#include "platform/audio.h"

namespace didiv {

class AudioMuto : public SistemaAudio {
public:
    std::unique_ptr<DispositivoSuono> DirectSoundCreate() override;
    void RegistraComponente() override {}
    std::unique_ptr<PlayerMusica> CreaPlayerMusica() override;
    void FinestraAttiva(bool) override {}
};

// Seconds of sound in a WAV file's bytes; nothing when they are no WAV file.
std::optional<double> durata_wav(std::span<const uint8_t> dati);

}  // namespace didiv
