#pragma once
// WAV effects, read once and turned into what the mixer plays: samples at 44.1 kHz.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/memoria.h"

namespace didiv {

constexpr int FREQUENZA_MIXER = 44100;

// A file's samples are read straight into the buffer the mixer plays them from.
using CampioniInteri = std::vector<int16_t, AllocatoreGrande<int16_t>>;

struct SuonoPcm {
    // A file at the mixer's rate keeps its own channels as 16-bit samples (`interi`), a
    // quarter of the memory of stereo floats for a mono effect; one at another rate is
    // resampled into stereo float (`campioni`). One of the two is empty.
    std::vector<float> campioni;   // interleaved left, right at FREQUENZA_MIXER
    CampioniInteri interi;         // interleaved, `canali` per frame, at FREQUENZA_MIXER
    uint16_t canali = 2;           // of `interi`
    uint32_t frequenza_file = 0;
    uint16_t blocco_file = 0;      // bytes per frame in the file, for positions given in bytes

    size_t frames() const { return interi.empty() ? campioni.size() / 2 : interi.size() / canali; }
    // A sample as it is played, -1 to 1; a mono sound is the same on both sides (lato 0 left,
    // 1 right).
    float campione(size_t frame, int lato) const {
        if (interi.empty()) return campioni[2 * frame + static_cast<size_t>(lato)];
        return static_cast<float>(interi[frame * canali + (canali == 2 ? static_cast<size_t>(lato) : 0)]) *
               (1.0f / 32768.0f);
    }
};

// PCM 8 or 16 bit, mono or stereo, 4 to 192 kHz. Anything else, or a file that is not what it
// claims, is run-time error 321; the reader never looks past the bytes it was given.
SuonoPcm decodifica_wav(const uint8_t* dati, size_t n);

// Error 53 when the file cannot be opened.
SuonoPcm carica_wav(const std::string& file);

}  // namespace didiv
