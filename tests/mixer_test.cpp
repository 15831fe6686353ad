// The effects mixer: one voice per buffer with the play, stop, status and rewind rules the
// game relies on, rendered by hand as the output thread would.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "file_prova.h"
#include "audio/mixer.h"
#include "platform/errori_runtime.h"

namespace didiv {
namespace {

// A ramp 1, 2, 3 ... / 2(n + 1) on both channels, under the limiter's threshold, so that any sample tells where the voice is.
std::shared_ptr<const SuonoPcm> rampa(size_t n) {
    auto s = std::make_shared<SuonoPcm>();
    s->frequenza_file = FREQUENZA_MIXER;
    s->blocco_file = 4;
    for (size_t i = 0; i < n; ++i) {
        s->campioni.push_back(static_cast<float>(i + 1) / static_cast<float>(2 * (n + 1)));
        s->campioni.push_back(static_cast<float>(i + 1) / static_cast<float>(2 * (n + 1)));
    }
    return s;
}

struct Banco {
    std::shared_ptr<Mixer> mixer = std::make_shared<Mixer>();
    std::vector<float> out;
    std::vector<float> rendi(int frames) {
        out.assign(2 * static_cast<size_t>(frames), 9.0f);
        mixer->rendi(out.data(), frames);
        return out;
    }
};

constexpr int N = 1000;

TEST(Mixer, PlayedOnceRunsToItsEndThenStartsAgainFromTheBeginning) {
    Banco b;
    auto v = b.mixer->nuova_voce(rampa(N));
    EXPECT_EQ(v->stato(), 0);
    v->play(false);
    EXPECT_EQ(v->stato(), 1);
    b.rendi(600);
    EXPECT_EQ(v->posizione(), 600u);
    EXPECT_EQ(v->stato(), 1);
    auto o = b.rendi(600);
    EXPECT_EQ(v->stato(), 0);
    EXPECT_EQ(v->posizione(), 0u);
    EXPECT_FLOAT_EQ(o[2 * 399], static_cast<float>(N) / (2 * (N + 1)));  // the last frame
    EXPECT_EQ(o[2 * 400], 0.0f);                                     // then silence
    v->play(false);
    o = b.rendi(200);
    EXPECT_EQ(v->posizione(), 200u);
    EXPECT_NEAR(o[2 * 199], 200.0f / (2 * (N + 1)), 1e-6);
}

TEST(Mixer, SixteenBitSamplesPlayExactlyAsTheirFloatValues) {
    // The same sounds kept as the file's 16-bit samples, mono and stereo, and as stereo
    // floats: the output must not differ in one bit, through starts, loops, stops and fades.
    for (uint16_t canali : {uint16_t(1), uint16_t(2)}) {
        auto interi = std::make_shared<SuonoPcm>();
        auto reali = std::make_shared<SuonoPcm>();
        interi->canali = canali;
        for (size_t i = 0; i < 700; ++i)
            for (int c = 0; c < 2; ++c) {
                const auto v = static_cast<int16_t>((static_cast<int>(i) * 97 + c * 5003) % 52000 - 26000);
                if (c < canali) interi->interi.push_back(v);
                const int16_t usato = canali == 2 ? v : interi->interi[i];
                reali->campioni.push_back(static_cast<float>(usato) / 32768.0f);
            }
        ASSERT_EQ(interi->frames(), reali->frames());
        Banco a, b;
        auto va = a.mixer->nuova_voce(interi), vb = b.mixer->nuova_voce(reali);
        auto passo = [&](auto&& f, int frames) {
            f(*va);
            f(*vb);
            ASSERT_EQ(a.rendi(frames), b.rendi(frames)) << canali << " channels";
        };
        passo([](Voce& v) { v.play(false); }, 300);
        passo([](Voce& v) { v.play(true); }, 512);
        passo([](Voce&) {}, 512);
        passo([](Voce& v) { v.stop(); }, 128);
        passo([](Voce& v) { v.posiziona(650); v.play(false); }, 256);
        a.mixer->effetti_udibili(false);
        b.mixer->effetti_udibili(false);
        passo([](Voce& v) { v.play(true); }, 256);
    }
}

TEST(Mixer, PlayOnAPlayingVoiceDoesNotRestartIt) {
    Banco b;
    auto v = b.mixer->nuova_voce(rampa(N));
    v->play(true);
    b.rendi(300);
    v->play(true);
    b.rendi(100);
    EXPECT_EQ(v->posizione(), 400u);
    EXPECT_EQ(v->stato(), 5);
}

TEST(Mixer, StopKeepsThePositionAndPlayResumesThere) {
    Banco b;
    auto v = b.mixer->nuova_voce(rampa(N));
    v->play(true);
    b.rendi(300);
    v->stop();
    EXPECT_EQ(v->stato(), 0);
    b.rendi(512);  // a short fade, nothing more
    auto o = b.rendi(64);
    EXPECT_EQ(o[0], 0.0f);
    EXPECT_EQ(v->posizione(), 300u);
    v->play(false);
    o = b.rendi(100);
    EXPECT_EQ(v->posizione(), 400u);
    EXPECT_NEAR(o[2 * 99], 400.0f / (2 * (N + 1)), 1e-6);  // resumed, not restarted
}

TEST(Mixer, AStoppedVoiceFadesInsteadOfCutting) {
    Banco b;
    auto v = b.mixer->nuova_voce(rampa(N));
    v->play(true);
    b.rendi(300);
    v->stop();
    auto o = b.rendi(128);
    EXPECT_GT(o[0], 0.0f);
    EXPECT_LT(o[0], 302.0f / (2 * (N + 1)));
    EXPECT_EQ(o[2 * (Mixer::FRAMES_RAMPA + 1)], 0.0f);
}

TEST(Mixer, LoopingWrapsAroundAndKeepsPlaying) {
    Banco b;
    auto v = b.mixer->nuova_voce(rampa(N));
    v->play(true);
    auto o = b.rendi(N + 10);
    EXPECT_EQ(v->stato(), 5);
    EXPECT_EQ(v->posizione(), 10u);
    EXPECT_NEAR(o[2 * N], 1.0f / (2 * (N + 1)), 1e-6);
}

TEST(Mixer, RewindToZero) {
    Banco b;
    auto v = b.mixer->nuova_voce(rampa(N));
    v->play(false);
    b.rendi(500);
    v->stop();
    v->posiziona(0);
    EXPECT_EQ(v->posizione(), 0u);
    v->play(false);
    b.rendi(10);
    EXPECT_EQ(v->posizione(), 10u);
}

TEST(Mixer, ManyVoicesSoundTogether) {
    Banco b;
    auto a = b.mixer->nuova_voce(rampa(N));
    auto c = b.mixer->nuova_voce(rampa(N));
    a->play(false);
    c->play(false);
    auto o = b.rendi(200);
    EXPECT_NEAR(o[2 * 199], 2 * 200.0f / (2 * (N + 1)), 1e-5);
    b.mixer->rimuovi(c.get());
    o = b.rendi(1);
    EXPECT_NEAR(o[0], 201.0f / (2 * (N + 1)), 1e-5);
}

class Tono : public SorgenteMusica {
public:
    void rendi(float* out, int frames) override {
        for (int i = 0; i < 2 * frames; ++i) out[i] = 0.25f;
    }
};

TEST(Mixer, AnInactiveWindowMutesTheEffectsNotTheMusicAndTimeRunsOn) {
    Banco b;
    Tono musica;
    b.mixer->imposta_musica(&musica);
    auto v = b.mixer->nuova_voce(rampa(N));
    v->play(true);
    b.mixer->effetti_udibili(false);
    b.rendi(100);  // fades out over this callback
    auto o = b.rendi(100);
    for (float s : o) ASSERT_FLOAT_EQ(s, 0.25f);
    EXPECT_EQ(v->posizione(), 200u);
    b.mixer->effetti_udibili(true);
    b.rendi(100);
    o = b.rendi(1);
    EXPECT_NEAR(o[0], 0.25f + 301.0f / (2 * (N + 1)), 1e-5);
    b.mixer->imposta_musica(nullptr);
}

TEST(Mixer, TheSumIsNeverLetPastFullScale) {
    Banco b;
    std::vector<std::shared_ptr<Voce>> voci;
    for (int i = 0; i < 4; ++i) {
        voci.push_back(b.mixer->nuova_voce(rampa(N)));
        voci.back()->play(false);
    }
    auto o = b.rendi(N);
    for (float s : o) ASSERT_LT(std::fabs(s), 1.0f);
    EXPECT_GT(o[2 * (N - 1)], Mixer::SOGLIA);  // 4 x 0.5 bent under full scale, still loud
}

TEST(DispositivoMixer, BuffersFollowTheDeviceRulesAndFilesAreChecked) {
    auto mixer = std::make_shared<Mixer>();
    DispositivoMixer d(mixer, false);
    try {
        d.CreateSoundBufferFromFile("non_esiste.wav");
        FAIL();
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), ERR_FILE_NON_TROVATO);
    }
    const std::string rotto = file_prova("rotto.wav");
    {
        std::ofstream f(rotto, std::ios::binary);
        f << "RIFF????WAVEjunk";
    }
    try {
        d.CreateSoundBufferFromFile(rotto);
        FAIL();
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), ERR_FORMATO_FILE);
    }
    std::remove(rotto.c_str());

    auto buf = d.CreateSoundBufferFromFile("step.wav");
    buf->Play(DSBPLAY_LOOPING);
    EXPECT_EQ(buf->GetStatus(), 5);
    std::vector<float> out(2 * 512);
    mixer->rendi(out.data(), 512);
    float picco = 0;
    for (float s : out) picco = std::max(picco, std::fabs(s));
    EXPECT_GT(picco, 0.01f);
    buf->Stop();
    EXPECT_EQ(buf->GetStatus(), 0);
    buf->SetCurrentPosition(0);
    buf.reset();  // releases its voice
    out.assign(out.size(), 1.0f);
    mixer->rendi(out.data(), 512);
    for (float s : out) ASSERT_EQ(s, 0.0f);
}

}  // namespace
}  // namespace didiv
