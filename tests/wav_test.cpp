// The WAV reader: the formats the game's effects may come in, and files that lie.

#include <gtest/gtest.h>


#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "file_prova.h"
#include "audio/wav.h"
#include "platform/errori_runtime.h"

namespace didiv {
namespace {

struct Wav {
    uint16_t tag = 1, canali = 1, bit = 16;
    uint32_t frequenza = 44100;
    std::vector<uint8_t> pcm;
    std::vector<uint8_t> extra;  // chunks between "fmt " and "data"
    int blocco = -1;

    std::vector<uint8_t> byte() const {
        std::vector<uint8_t> o;
        auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>(v >> (8 * i))); };
        auto u16 = [&](uint32_t v) { o.push_back(static_cast<uint8_t>(v)); o.push_back(static_cast<uint8_t>(v >> 8)); };
        auto tag4 = [&](const char* t) { for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>(t[i])); };
        const uint16_t b = static_cast<uint16_t>(blocco >= 0 ? blocco : canali * bit / 8);
        tag4("RIFF"); u32(static_cast<uint32_t>(36 + extra.size() + pcm.size())); tag4("WAVE");
        tag4("fmt "); u32(16); u16(tag); u16(canali); u32(frequenza); u32(frequenza * b); u16(b); u16(bit);
        o.insert(o.end(), extra.begin(), extra.end());
        tag4("data"); u32(static_cast<uint32_t>(pcm.size()));
        o.insert(o.end(), pcm.begin(), pcm.end());
        return o;
    }
};

SuonoPcm leggi(const std::vector<uint8_t>& d) { return decodifica_wav(d.data(), d.size()); }

// Every sample as the mixer plays it: left, right, left, right ...
std::vector<float> stereo(const SuonoPcm& s) {
    std::vector<float> v;
    for (size_t i = 0; i < s.frames(); ++i) {
        v.push_back(s.campione(i, 0));
        v.push_back(s.campione(i, 1));
    }
    return v;
}

int errore(const std::vector<uint8_t>& d) {
    try {
        leggi(d);
    } catch (const ErroreRuntime& e) {
        return e.numero();
    }
    return 0;
}

TEST(Wav, SixteenBitStereoAtTheMixerRateIsTakenAsItIs) {
    Wav w;
    w.canali = 2;
    for (int16_t v : {int16_t(16384), int16_t(-32768), int16_t(0), int16_t(8192)}) {
        w.pcm.push_back(static_cast<uint8_t>(v));
        w.pcm.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
    }
    auto s = leggi(w.byte());
    ASSERT_EQ(s.frames(), 2u);
    EXPECT_EQ(stereo(s), (std::vector<float>{0.5f, -1.0f, 0.0f, 0.25f}));
    EXPECT_EQ(s.blocco_file, 4);
}

TEST(Wav, EightBitMonoAtHalfRateBecomesStereoAtFullRate) {
    Wav w;
    w.bit = 8;
    w.frequenza = 22050;
    for (int i = 0; i < 100; ++i) w.pcm.push_back(192);  // +0.5
    auto s = leggi(w.byte());
    EXPECT_EQ(s.frames(), 200u);
    for (float v : stereo(s)) ASSERT_NEAR(v, 0.5f, 1e-6);
    EXPECT_EQ(s.frequenza_file, 22050u);
}

TEST(Wav, EveryDepthAndChannelCountIsConvertedSampleBySample) {
    for (uint16_t bit : {uint16_t(8), uint16_t(16)})
        for (uint16_t canali : {uint16_t(1), uint16_t(2)})
            for (size_t frames : {size_t(1), size_t(7), size_t(8), size_t(9), size_t(23)}) {
                Wav w;
                w.bit = bit;
                w.canali = canali;
                std::vector<float> attesi;
                for (size_t i = 0; i < frames; ++i) {
                    float lato[2];
                    for (int c = 0; c < canali; ++c) {
                        const int v = static_cast<int>((i * 37 + static_cast<size_t>(c) * 101) % 256);
                        if (bit == 8) {
                            w.pcm.push_back(static_cast<uint8_t>(v));
                            lato[c] = (static_cast<float>(v) - 128.0f) / 128.0f;
                        } else {
                            const auto s16 = static_cast<int16_t>((v - 128) * 256 + v);
                            w.pcm.push_back(static_cast<uint8_t>(s16));
                            w.pcm.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s16) >> 8));
                            lato[c] = static_cast<float>(s16) / 32768.0f;
                        }
                    }
                    attesi.push_back(lato[0]);
                    attesi.push_back(canali == 2 ? lato[1] : lato[0]);
                }
                EXPECT_EQ(stereo(leggi(w.byte())), attesi) << bit << " bit, " << canali << " channels, " << frames;
            }
}

TEST(Wav, ResamplingKeepsASlowSineInShape) {
    Wav w;
    w.frequenza = 11025;
    for (int i = 0; i < 1102; ++i) {
        const auto v = static_cast<int16_t>(std::lround(16000 * std::sin(2 * 3.14159265 * 441 * i / 11025.0)));
        w.pcm.push_back(static_cast<uint8_t>(v));
        w.pcm.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
    }
    auto s = leggi(w.byte());
    ASSERT_EQ(s.frames(), 4408u);
    for (size_t i = 8; i < s.frames() - 8; ++i)
        ASSERT_NEAR(s.campione(i, 0), 16000.0 / 32768 * std::sin(2 * 3.14159265 * 441 * i / 44100.0), 0.01) << i;
}

TEST(Wav, UnknownChunksAndOddSizesAreSkipped) {
    Wav w;
    w.extra = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // odd size, padded
    w.pcm = {0, 0x40};
    auto s = leggi(w.byte());
    ASSERT_EQ(s.frames(), 1u);
    EXPECT_EQ(s.campione(0, 0), 0.5f);
}

TEST(Wav, MalformedFilesAreRefusedWithAnError) {
    Wav buono;
    buono.pcm = {0, 0, 0, 0};
    ASSERT_EQ(errore(buono.byte()), 0);

    EXPECT_EQ(errore({}), ERR_FORMATO_FILE);
    EXPECT_EQ(errore({'R', 'I', 'F', 'F'}), ERR_FORMATO_FILE);
    Wav w = buono;
    w.tag = 3;  // float samples
    EXPECT_EQ(errore(w.byte()), ERR_FORMATO_FILE);
    w = buono;
    w.bit = 24;
    EXPECT_EQ(errore(w.byte()), ERR_FORMATO_FILE);
    w = buono;
    w.canali = 6;
    EXPECT_EQ(errore(w.byte()), ERR_FORMATO_FILE);
    w = buono;
    w.blocco = 7;
    EXPECT_EQ(errore(w.byte()), ERR_FORMATO_FILE);
    w = buono;
    w.frequenza = 0;
    EXPECT_EQ(errore(w.byte()), ERR_FORMATO_FILE);
    w = buono;
    w.pcm.clear();
    EXPECT_EQ(errore(w.byte()), ERR_FORMATO_FILE);

    // A chunk that claims more than the file holds.
    w = buono;
    w.extra = {'j', 'u', 'n', 'k', 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(errore(w.byte()), ERR_FORMATO_FILE);
    // Every truncation of a good file either reads what is there or fails cleanly.
    auto b = buono.byte();
    for (size_t n = 0; n < b.size(); ++n) {
        std::vector<uint8_t> t(b.begin(), b.begin() + static_cast<long>(n));
        const int e = errore(t);
        EXPECT_TRUE(e == 0 || e == ERR_FORMATO_FILE) << n;
    }
}

TEST(Wav, AFileGivesWhatItsBytesGiveInEveryFormat) {
    const std::string percorso = file_prova("prova.wav");
    for (uint16_t bit : {uint16_t(8), uint16_t(16)})
        for (uint16_t canali : {uint16_t(1), uint16_t(2)})
            for (uint32_t frequenza : {uint32_t(FREQUENZA_MIXER), uint32_t(22050)}) {
                Wav w;
                w.bit = bit;
                w.canali = canali;
                w.frequenza = frequenza;
                for (int i = 0; i < 301 * canali * bit / 8; ++i) w.pcm.push_back(static_cast<uint8_t>(i * 31 + 7));
                w.extra = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
                const auto b = w.byte();
                std::ofstream(percorso, std::ios::binary).write(reinterpret_cast<const char*>(b.data()),
                                                                static_cast<std::streamsize>(b.size()));
                const SuonoPcm dal_file = carica_wav(percorso);
                EXPECT_EQ(stereo(dal_file), stereo(leggi(b))) << bit << " bit, " << canali << " channels, " << frequenza;
                EXPECT_EQ(dal_file.frames(), leggi(b).frames());
            }
    std::remove(percorso.c_str());
}

TEST(Wav, AMissingFileIsError53) {
    try {
        carica_wav("nessun_file.wav");
        FAIL();
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), ERR_FILE_NON_TROVATO);
    }
}

// The game's own effects: all readable, none clipping, the loops without a seam.
TEST(Wav, TheGeneratedEffectsLoadAndTheLoopsJoinSmoothly) {
    const char* file[] = {"step.wav", "stairs.wav", "flub.wav", "mosca.wav", "noway.wav", "tuono.wav",
                          "rain.wav", "cresce.wav", "fine.wav", "attiva.wav", "cade.wav", "crash.wav",
                          "succ.wav", "jungla.wav", "tarzan.wav", "flauto.wav"};
    for (const char* f : file) {
        SCOPED_TRACE(f);
        auto s = carica_wav(f);
        EXPECT_GT(s.frames(), static_cast<size_t>(FREQUENZA_MIXER / 10));
        float picco = 0;
        for (float v : stereo(s)) picco = std::max(picco, std::fabs(v));
        EXPECT_GT(picco, 0.2f);
        EXPECT_LT(picco, 0.95f);
    }
    EXPECT_GE(carica_wav("rain.wav").frames(), static_cast<size_t>(3 * FREQUENZA_MIXER));
    for (const char* f : {"step.wav", "stairs.wav", "jungla.wav"}) {
        SCOPED_TRACE(f);
        const auto c = stereo(carica_wav(f));
        const size_t n = c.size() / 2;
        // Across the seam the wave moves no more than it does anywhere inside the loop.
        float salto_max = 0;
        for (size_t i = 1; i < n; ++i) salto_max = std::max(salto_max, std::fabs(c[2 * i] - c[2 * i - 2]));
        EXPECT_LE(std::fabs(c[0] - c[2 * (n - 1)]), salto_max * 0.5f);
        EXPECT_LE(std::fabs(c[1] - c[2 * n - 1]), salto_max * 0.5f);
    }
}

}  // namespace
}  // namespace didiv
