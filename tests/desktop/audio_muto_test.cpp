// The silent sound system answers as a real one would.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/errori_runtime.h"
#include "platform/fltk/audio_muto.h"
#include "platform/fltk/messaggio.h"
#include "platform/piattaforma.h"

namespace didiv {
namespace {

// A mono 8-bit WAV of `byte` bytes of sound at 8000 bytes a second, with an extra chunk.
std::vector<uint8_t> wav(uint32_t byte) {
    std::vector<uint8_t> d;
    auto s = [&](const char* t) { for (int i = 0; i < 4; ++i) d.push_back(static_cast<uint8_t>(t[i])); };
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) d.push_back(static_cast<uint8_t>(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { d.push_back(static_cast<uint8_t>(v)); d.push_back(static_cast<uint8_t>(v >> 8)); };
    s("RIFF"); u32(36 + 10 + byte); s("WAVE");
    s("LIST"); u32(1); d.push_back(0); d.push_back(0);  // odd size, padded
    s("fmt "); u32(16); u16(1); u16(1); u32(8000); u32(8000); u16(1); u16(8);
    s("data"); u32(byte);
    d.resize(d.size() + byte, 128);
    return d;
}

TEST(AudioMuto, LengthOfAWavFile) {
    auto d = wav(800);
    ASSERT_TRUE(durata_wav(d));
    EXPECT_DOUBLE_EQ(*durata_wav(d), 0.1);
    d.resize(d.size() - 400);  // cut short: only what is there sounds
    EXPECT_DOUBLE_EQ(*durata_wav(d), 0.05);
    d[0] = 'X';
    EXPECT_FALSE(durata_wav(d));
    EXPECT_FALSE(durata_wav(std::vector<uint8_t>(8, 0)));
}

class BufferMutoTest : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = std::filesystem::temp_directory_path() /
                ("didiv_muto_" + std::to_string(::getpid()) + ".wav");
        auto d = wav(400);  // 50 ms
        std::ofstream(file_, std::ios::binary).write(reinterpret_cast<const char*>(d.data()),
                                                     static_cast<std::streamsize>(d.size()));
        ds_ = audio_.DirectSoundCreate();
    }
    void TearDown() override { std::filesystem::remove(file_); }

    AudioMuto audio_;
    std::unique_ptr<DispositivoSuono> ds_;
    std::filesystem::path file_;
};

TEST_F(BufferMutoTest, PlayedOnceItEndsByItselfAndLoopingItGoesOn) {
    auto b = ds_->CreateSoundBufferFromFile(file_.string());
    EXPECT_EQ(b->GetStatus(), 0);
    b->Play(0);
    EXPECT_EQ(b->GetStatus(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_EQ(b->GetStatus(), 0);
    b->Play(DSBPLAY_LOOPING);
    EXPECT_EQ(b->GetStatus(), 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(120));
    EXPECT_EQ(b->GetStatus(), 5);
    b->Play(0);  // a playing buffer goes on as it was
    EXPECT_EQ(b->GetStatus(), 5);
    b->Stop();
    EXPECT_EQ(b->GetStatus(), 0);
}

TEST_F(BufferMutoTest, MissingFileIsError53) {
    try {
        ds_->CreateSoundBufferFromFile("non_esiste.wav");
        FAIL() << "no error";
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), 53);
    }
    auto m = audio_.CreaPlayerMusica();
    EXPECT_THROW(m->LoadSegment("non_esiste.mid"), ErroreRuntime);
    EXPECT_FALSE(m->IsPlaying());
}

TEST(FormaMessaggio, ButtonsDefaultAndEscapeOfEachStyle) {
    auto rc = forma_messaggio(vbRetryCancel + vbCritical, "Fiorlo5.0");
    ASSERT_EQ(rc.pulsanti.size(), 2u);
    EXPECT_STREQ(rc.pulsanti[0].etichetta, "Riprova");
    EXPECT_EQ(rc.pulsanti[0].risposta, vbRetry);
    EXPECT_STREQ(rc.pulsanti[1].etichetta, "Annulla");
    EXPECT_EQ(rc.pulsanti[1].risposta, vbCancel);
    EXPECT_EQ(rc.predefinito, 0);
    EXPECT_EQ(rc.risposta_esc, vbCancel);
    EXPECT_TRUE(rc.icona_stop);
    EXPECT_EQ(rc.titolo, "Fiorlo5.0");

    auto yn = forma_messaggio(vbYesNo + vbDefaultButton2, "Uscita dal gioco");
    ASSERT_EQ(yn.pulsanti.size(), 2u);
    EXPECT_STREQ(yn.pulsanti[0].etichetta, "S\xC3\xAC");
    EXPECT_EQ(yn.pulsanti[0].risposta, vbYes);
    EXPECT_EQ(yn.pulsanti[1].risposta, vbNo);
    EXPECT_EQ(yn.predefinito, 1);
    EXPECT_EQ(yn.risposta_esc, vbNo);
    EXPECT_FALSE(yn.icona_stop);
    EXPECT_EQ(forma_messaggio(vbYesNo, "x").predefinito, 0);

    auto ok = forma_messaggio(vbOKOnly, "");
    ASSERT_EQ(ok.pulsanti.size(), 1u);
    EXPECT_EQ(ok.pulsanti[0].risposta, vbOK);
    EXPECT_EQ(ok.risposta_esc, vbOK);
    EXPECT_EQ(ok.titolo, "Didiv Fiorlo");
}

}  // namespace
}  // namespace didiv
