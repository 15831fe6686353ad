#pragma once
// WAV effects, read once and turned into the mixer's own format: 44.1 kHz stereo float.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace didiv {

constexpr int FREQUENZA_MIXER = 44100;

struct SuonoPcm {
    std::vector<float> campioni;  // interleaved left, right at FREQUENZA_MIXER
    uint32_t frequenza_file = 0;
    uint16_t blocco_file = 0;     // bytes per frame in the file, for positions given in bytes

    size_t frames() const { return campioni.size() / 2; }
};

// PCM 8 or 16 bit, mono or stereo, 4 to 192 kHz. Anything else, or a file that is not what it
// claims, is run-time error 321; the reader never looks past the bytes it was given.
SuonoPcm decodifica_wav(const uint8_t* dati, size_t n);

// Error 53 when the file cannot be opened.
SuonoPcm carica_wav(const std::string& file);

}  // namespace didiv
