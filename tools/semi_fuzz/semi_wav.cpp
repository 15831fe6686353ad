// WAV seeds: short tones in each PCM layout and rate the reader takes, then files that lie
// about themselves in one way each.

#include <cmath>

#include "semi_fuzz/scrittore.h"
#include "semi_fuzz/semi.h"

namespace didiv::semi {
namespace {

constexpr int kFrames = 48;

struct Formato {
    uint16_t tag = 1;  // PCM
    uint16_t canali = 1;
    uint16_t bit = 16;
    uint32_t frequenza = 44100;
    int blocco = -1;            // the right one for the layout when negative
    bool estensibile = false;   // the long header, whose sub-format carries the real tag
    uint32_t dim_fmt = 0;       // the header's own size when not 0
};

void fmt(Scrittore& s, const Formato& f) {
    const uint16_t blocco = static_cast<uint16_t>(f.blocco >= 0 ? f.blocco : f.canali * f.bit / 8);
    const uint32_t dim = f.dim_fmt ? f.dim_fmt : f.estensibile ? 40 : 16;
    s.tag("fmt ");
    s.u32(dim);
    s.u16(f.estensibile ? 0xFFFE : f.tag);
    s.u16(f.canali);
    s.u32(f.frequenza);
    s.u32(f.frequenza * blocco);
    s.u16(blocco);
    s.u16(f.bit);
    size_t scritti = 16;
    if (f.estensibile && dim >= 40) {
        s.u16(22);        // the extension's size
        s.u16(f.bit);     // valid bits
        s.u32(f.canali == 2 ? 3 : 4);  // speaker mask
        s.u16(f.tag);     // the sub-format GUID begins with the tag
        s.byte({0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71});
        scritti = 40;
    }
    for (; scritti < dim; ++scritti) s.dati().push_back(0);
}

// One tone's frames in the format's layout.
std::vector<uint8_t> pcm(const Formato& f, int frames) {
    std::vector<uint8_t> o;
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < f.canali; ++c) {
            const double v = 0.6 * std::sin(0.35 * i + c);
            if (f.bit == 8) {
                o.push_back(static_cast<uint8_t>(128 + std::lround(v * 127)));
            } else {
                const auto n = static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767)));
                for (int b = 0; b < f.bit / 8; ++b) o.push_back(b == f.bit / 8 - 1 ? static_cast<uint8_t>(n >> 8) : static_cast<uint8_t>(n));
            }
        }
    return o;
}

// RIFF, WAVE, the chunks given, with the RIFF size `dim_riff` when not 0.
std::vector<uint8_t> riff(const std::vector<uint8_t>& corpo, uint32_t dim_riff = 0) {
    Scrittore s;
    s.tag("RIFF");
    s.u32(dim_riff ? dim_riff : static_cast<uint32_t>(4 + corpo.size()));
    s.tag("WAVE");
    s.byte(corpo);
    return s.dati();
}

std::vector<uint8_t> chunk_data(const std::vector<uint8_t>& dati, uint32_t dim) {
    Scrittore s;
    s.tag("data");
    s.u32(dim);
    s.byte(dati);
    return s.dati();
}

std::vector<uint8_t> wav(const Formato& f, int frames = kFrames) {
    Scrittore s;
    fmt(s, f);
    const auto d = pcm(f, frames);
    s.byte(chunk_data(d, static_cast<uint32_t>(d.size())));
    return riff(s.dati());
}

Seme letto(std::string nome, std::vector<uint8_t> d) { return {std::move(nome), std::move(d), true, {}}; }
Seme rifiutato(std::string nome, std::vector<uint8_t> d) { return {std::move(nome), std::move(d), false, {}}; }

}  // namespace

std::vector<Seme> semi_wav() {
    std::vector<Seme> v;
    v.push_back(letto("pcm16_stereo_44100.wav", wav({.canali = 2})));
    v.push_back(letto("pcm16_mono_22050.wav", wav({.frequenza = 22050})));
    v.push_back(letto("pcm8_mono_11025.wav", wav({.bit = 8, .frequenza = 11025})));
    v.push_back(letto("pcm8_stereo_48000.wav", wav({.canali = 2, .bit = 8, .frequenza = 48000})));
    v.push_back(letto("pcm16_mono_4000.wav", wav({.frequenza = 4000})));
    v.push_back(letto("pcm8_mono_192000.wav", wav({.bit = 8, .frequenza = 192000})));
    v.push_back(letto("estensibile_pcm16_stereo.wav", wav({.canali = 2, .estensibile = true})));
    {
        // An odd-sized chunk of another kind, with its pad byte, before the sound.
        const Formato f{.bit = 8, .frequenza = 8000};
        Scrittore s;
        fmt(s, f);
        s.tag("LIST");
        s.u32(5);
        s.byte({'I', 'N', 'F', 'O', 'x', 0});
        const auto d = pcm(f, kFrames);
        s.byte(chunk_data(d, static_cast<uint32_t>(d.size())));
        v.push_back(letto("pcm8_con_lista.wav", riff(s.dati())));
    }
    {
        // Sizes larger than the file, as truncated downloads have: the whole frames are read.
        const Formato f{.canali = 2};
        Scrittore s;
        fmt(s, f);
        auto d = pcm(f, kFrames);
        d.resize(d.size() - 3);
        s.byte(chunk_data(d, 4000));
        v.push_back(letto("pcm16_troncato.wav", riff(s.dati(), 100000)));
    }

    const auto buono = wav({});
    v.push_back(rifiutato("rifiuto_corto.wav", {buono.begin(), buono.begin() + 11}));
    v.push_back(rifiutato("rifiuto_rifx.wav", [&] { auto d = buono; d[3] = 'X'; return d; }()));
    v.push_back(rifiutato("rifiuto_non_wave.wav", [&] { auto d = buono; d[11] = 'X'; return d; }()));
    v.push_back(rifiutato("rifiuto_float.wav", wav({.tag = 3, .bit = 32})));
    v.push_back(rifiutato("rifiuto_24_bit.wav", wav({.bit = 24})));
    v.push_back(rifiutato("rifiuto_tre_canali.wav", wav({.canali = 3})));
    v.push_back(rifiutato("rifiuto_blocco.wav", wav({.canali = 2, .blocco = 2})));
    v.push_back(rifiutato("rifiuto_3999_hz.wav", wav({.frequenza = 3999})));
    v.push_back(rifiutato("rifiuto_192001_hz.wav", wav({.bit = 8, .frequenza = 192001})));
    v.push_back(rifiutato("rifiuto_fmt_corto.wav", wav({.dim_fmt = 14})));
    v.push_back(rifiutato("rifiuto_estensibile_corto.wav", wav({.estensibile = true, .dim_fmt = 18})));
    v.push_back(rifiutato("rifiuto_estensibile_float.wav", wav({.tag = 3, .bit = 32, .estensibile = true})));
    v.push_back(rifiutato("rifiuto_senza_suono.wav", wav({}, 0)));
    {
        const Formato f{};
        const auto d = pcm(f, kFrames);
        Scrittore prima;
        prima.byte(chunk_data(d, static_cast<uint32_t>(d.size())));
        fmt(prima, f);
        v.push_back(rifiutato("rifiuto_data_prima_di_fmt.wav", riff(prima.dati())));
        Scrittore due;
        fmt(due, f);
        fmt(due, f);
        due.byte(chunk_data(d, static_cast<uint32_t>(d.size())));
        v.push_back(rifiutato("rifiuto_due_fmt.wav", riff(due.dati())));
        Scrittore oltre;
        fmt(oltre, f);
        oltre.tag("LIST");
        oltre.u32(5000);
        oltre.byte(chunk_data(d, static_cast<uint32_t>(d.size())));
        v.push_back(rifiutato("rifiuto_chunk_oltre_la_fine.wav", riff(oltre.dati())));
        Scrittore senza;
        fmt(senza, f);
        v.push_back(rifiutato("rifiuto_senza_data.wav", riff(senza.dati())));
    }
    return v;
}

}  // namespace didiv::semi
