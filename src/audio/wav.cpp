#include "audio/wav.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>

#include "platform/errori_runtime.h"

namespace didiv {

namespace {

[[noreturn]] void malformato() { solleva(ERR_FORMATO_FILE); }

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

constexpr uint16_t WAVE_FORMAT_PCM = 1;
constexpr uint16_t WAVE_FORMAT_EXTENSIBLE = 0xFFFE;
// A sound longer than this is not an effect; refusing it bounds the memory a file can ask for.
constexpr size_t MAX_SECONDI = 600;

constexpr size_t kBlocco = 8;  // fixed blocks the compiler turns into vector code at -O2

int16_t carica16(const uint8_t* p) {
    int16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

// `frames` frames of the file into stereo float at `out`: 8-bit samples are unsigned around
// 128, 16-bit ones signed little-endian; a mono sample goes to both sides.
template <int Canali, int Bit>
void converti(const uint8_t* pcm, size_t frames, float* out) {
    static_assert(std::endian::native == std::endian::little, "samples are read as little-endian words");
    constexpr size_t blocco = Canali * Bit / 8;
    const auto campione = [](const uint8_t* p) {
        if constexpr (Bit == 8) return (static_cast<float>(p[0]) - 128.0f) * (1.0f / 128.0f);
        else return static_cast<float>(carica16(p)) * (1.0f / 32768.0f);
    };
    const auto uno = [&](size_t i) {
        const uint8_t* f = pcm + i * blocco;
        out[2 * i] = campione(f);
        out[2 * i + 1] = Canali == 2 ? campione(f + Bit / 8) : out[2 * i];
    };
    size_t i = 0;
    for (; i + kBlocco <= frames; i += kBlocco)
        for (size_t k = 0; k < kBlocco; ++k) uno(i + k);
    for (; i < frames; ++i) uno(i);
}

}  // namespace

namespace {

// `file`, when given, holds the bytes at `dati`: a 16-bit sound at the mixer's rate then keeps
// its samples where they were read.
SuonoPcm decodifica(const uint8_t* dati, size_t n, CampioniInteri* file) {
    if (!dati || n < 12 || std::memcmp(dati, "RIFF", 4) != 0 || std::memcmp(dati + 8, "WAVE", 4) != 0)
        malformato();
    // A RIFF size larger than the file is common in the wild; trust the bytes we have.
    const size_t fine = std::min<size_t>(n, size_t{8} + le32(dati + 4));

    bool ha_formato = false;
    uint16_t canali = 0, bit = 0, blocco = 0;
    uint32_t frequenza = 0;
    const uint8_t* pcm = nullptr;
    size_t pcm_byte = 0;

    size_t pos = 12;
    while (pos + 8 <= fine) {
        const uint8_t* testa = dati + pos;
        const size_t dim = le32(testa + 4);
        const size_t inizio = pos + 8;
        const size_t disponibili = fine - inizio;
        if (std::memcmp(testa, "fmt ", 4) == 0) {
            if (ha_formato || dim < 16 || dim > disponibili) malformato();
            const uint8_t* f = dati + inizio;
            uint16_t tag = le16(f);
            canali = le16(f + 2);
            frequenza = le32(f + 4);
            blocco = le16(f + 12);
            bit = le16(f + 14);
            if (tag == WAVE_FORMAT_EXTENSIBLE) {
                if (dim < 40) malformato();
                tag = le16(f + 24);  // the first two bytes of the sub-format GUID
            }
            if (tag != WAVE_FORMAT_PCM) malformato();
            ha_formato = true;
        } else if (std::memcmp(testa, "data", 4) == 0) {
            if (!ha_formato) malformato();
            pcm = dati + inizio;
            pcm_byte = std::min(dim, disponibili);  // a short last chunk keeps its whole frames
            break;
        }
        if (dim > disponibili) malformato();
        pos = inizio + dim + (dim & 1);
    }
    if (!ha_formato || !pcm) malformato();
    if (canali < 1 || canali > 2 || (bit != 8 && bit != 16)) malformato();
    if (blocco != canali * bit / 8 || frequenza < 4000 || frequenza > 192000) malformato();

    const size_t frames_file = pcm_byte / blocco;
    if (frames_file == 0 || frames_file > MAX_SECONDI * frequenza) malformato();

    SuonoPcm r;
    r.frequenza_file = frequenza;
    r.blocco_file = blocco;
    if (frequenza == FREQUENZA_MIXER) {
        // Already at the mixer's rate: the samples as they are, 8-bit ones widened to 16 bits
        // (a value the mixer then reads exactly as the 8-bit one).
        r.canali = canali;
        const size_t n_interi = frames_file * canali;
        static_assert(std::endian::native == std::endian::little, "samples are read as little-endian words");
        if (bit == 16 && file) {
            std::memmove(file->data(), pcm, n_interi * 2);
            file->resize(n_interi);
            r.interi = std::move(*file);
        } else if (bit == 16) {
            r.interi.resize(n_interi);
            std::memcpy(r.interi.data(), pcm, n_interi * 2);
        } else {
            r.interi.resize(n_interi);
            for (size_t i = 0; i < r.interi.size(); ++i) r.interi[i] = static_cast<int16_t>((pcm[i] - 128) * 256);
        }
        return r;
    }

    // Stereo float at the file's own rate first, then one resampling pass.
    std::vector<float> sorgente(frames_file * 2);
    if (canali == 1 && bit == 8) converti<1, 8>(pcm, frames_file, sorgente.data());
    else if (canali == 1) converti<1, 16>(pcm, frames_file, sorgente.data());
    else if (bit == 8) converti<2, 8>(pcm, frames_file, sorgente.data());
    else converti<2, 16>(pcm, frames_file, sorgente.data());
    // Cubic Hermite interpolation: cheap, and without the dullness of a linear one.
    const double passo = static_cast<double>(frequenza) / FREQUENZA_MIXER;
    const size_t frames_out = std::max<size_t>(1, static_cast<size_t>(static_cast<double>(frames_file) / passo));
    r.campioni.resize(frames_out * 2);
    const auto at = [&](long long i, int c) {
        i = std::clamp<long long>(i, 0, static_cast<long long>(frames_file) - 1);
        return sorgente[static_cast<size_t>(i) * 2 + static_cast<size_t>(c)];
    };
    for (size_t o = 0; o < frames_out; ++o) {
        const double x = static_cast<double>(o) * passo;
        const long long i = static_cast<long long>(x);
        const float t = static_cast<float>(x - static_cast<double>(i));
        for (int c = 0; c < 2; ++c) {
            const float y0 = at(i - 1, c), y1 = at(i, c), y2 = at(i + 1, c), y3 = at(i + 2, c);
            const float a = -0.5f * y0 + 1.5f * y1 - 1.5f * y2 + 0.5f * y3;
            const float b = y0 - 2.5f * y1 + 2.0f * y2 - 0.5f * y3;
            const float cc = -0.5f * y0 + 0.5f * y2;
            r.campioni[o * 2 + static_cast<size_t>(c)] = std::clamp(((a * t + b) * t + cc) * t + y1, -1.0f, 1.0f);
        }
    }
    return r;
}

}  // namespace

SuonoPcm decodifica_wav(const uint8_t* dati, size_t n) { return decodifica(dati, n, nullptr); }

SuonoPcm carica_wav(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    if (!f) solleva(ERR_FILE_NON_TROVATO);
    // One read of the size the file has.
    f.seekg(0, std::ios::end);
    const std::streamoff fine = f.tellg();
    f.seekg(0);
    if (!f || fine < 0) solleva(ERR_FORMATO_FILE);
    // Read as 16-bit words, so that the samples can stay where they land.
    const size_t n = static_cast<size_t>(fine);
    CampioniInteri dati((n + 1) / 2);
    if (!f.read(reinterpret_cast<char*>(dati.data()), static_cast<std::streamsize>(n))) solleva(ERR_FORMATO_FILE);
    return decodifica(reinterpret_cast<const uint8_t*>(dati.data()), n, &dati);
}

}  // namespace didiv
