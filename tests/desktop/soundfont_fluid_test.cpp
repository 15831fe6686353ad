// The soundfont cut down to the tunes' notes, against the whole one, in the real synthesizer:
// every sample of both tunes, repeat included, must come out the same.

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "audio/midi.h"
#include "audio/soundfont.h"
#include "audio/wav.h"
#include "desktop/suono/musica_fluid.h"
#include "desktop/suono/soundfont_fluid.h"

namespace didiv {
namespace {

// The small General MIDI soundfont the test set-up installs; the large one takes long to load whole.
constexpr const char* SOUNDFONT = "/usr/share/sounds/sf2/TimGM6mb.sf2";

std::vector<uint8_t> leggi(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

struct Synth {
    fluid_settings_t* impostazioni = impostazioni_synth();
    fluid_synth_t* synth = nullptr;
    Synth() {
        fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 0);
        synth = new_fluid_synth(impostazioni);
    }
    ~Synth() {
        delete_fluid_synth(synth);
        delete_fluid_settings(impostazioni);
    }
    // The tune from the reset state, repeated, for this many frames.
    std::vector<float> suona(const std::vector<uint8_t>& midi, int frames) {
        fluid_synth_system_reset(synth);
        fluid_player_t* p = new_fluid_player(synth);
        fluid_player_add_mem(p, midi.data(), midi.size());
        fluid_player_set_loop(p, -1);
        fluid_player_play(p);
        std::vector<float> out(2 * static_cast<size_t>(frames));
        for (int i = 0; i < frames; i += 4096) {
            const int k = std::min(4096, frames - i);
            float* o = out.data() + 2 * static_cast<size_t>(i);
            fluid_synth_write_float(synth, k, o, 0, 2, o, 1, 2);
        }
        fluid_player_stop(p);
        delete_fluid_player(p);
        fluid_synth_all_sounds_off(synth, -1);
        return out;
    }
};

TEST(SoundfontFluid, BothTunesSoundTheSameFromTheCutDownSoundfontAsFromTheWholeOne) {
    if (!std::filesystem::exists(SOUNDFONT)) GTEST_SKIP() << "no " << SOUNDFONT;
    struct Brano {
        const char* file;
        double secondi;  // one time through and into the repeat
    };
    const Brano brani[] = {{"intro3.mid", 62.0}, {"symphony.mid", 23.0}};

    std::set<NotaSuonata> note;
    std::vector<std::vector<uint8_t>> midi;
    for (const auto& b : brani) {
        midi.push_back(leggi(b.file));
        ASSERT_GT(midi.back().size(), 100u) << b.file;
        const BranoMidi m = leggi_brano_midi(midi.back().data(), midi.back().size());
        note.insert(m.note.begin(), m.note.end());
    }
    SoundfontSuFile file(SOUNDFONT);
    const IndiceSoundfont indice = leggi_indice_soundfont(file);
    const std::vector<uint8_t> ridotto = riduci_soundfont(indice, file, note);
    EXPECT_LT(ridotto.size(), file.dimensione() / 3);

    Synth intero, tagliato;
    ASSERT_NE(fluid_synth_sfload(intero.synth, SOUNDFONT, 1), FLUID_FAILED);
    aggiungi_caricatore_memoria(tagliato.synth, tagliato.impostazioni);
    ASSERT_NE(carica_soundfont_in_memoria(tagliato.synth, tagliato.impostazioni, ridotto), FLUID_FAILED);

    for (size_t i = 0; i < midi.size(); ++i) {
        const int frames = static_cast<int>(brani[i].secondi * FREQUENZA_MIXER);
        const std::vector<float> a = intero.suona(midi[i], frames);
        const std::vector<float> b = tagliato.suona(midi[i], frames);
        float picco = 0;
        for (float v : a) picco = std::max(picco, std::fabs(v));
        EXPECT_GT(picco, 0.05f) << brani[i].file << " is silent";
        size_t primo = 0;
        while (primo < a.size() && std::memcmp(&a[primo], &b[primo], sizeof(float)) == 0) ++primo;
        EXPECT_EQ(primo, a.size()) << brani[i].file << " differs from " << primo / 2.0 / FREQUENZA_MIXER << " s";
    }
}

TEST(SoundfontFluid, AFileOnDiskLoadsThroughTheSameLoader) {
    if (!std::filesystem::exists(SOUNDFONT)) GTEST_SKIP() << "no " << SOUNDFONT;
    Synth s;
    aggiungi_caricatore_memoria(s.synth, s.impostazioni);
    EXPECT_NE(fluid_synth_sfload(s.synth, SOUNDFONT, 1), FLUID_FAILED);
    testing::internal::CaptureStderr();
    EXPECT_EQ(fluid_synth_sfload(s.synth, "/nonexistent/none.sf2", 1), FLUID_FAILED);
    testing::internal::GetCapturedStderr();
    // Bytes that are no soundfont are refused, not read past their end.
    const std::vector<uint8_t> rotto = {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0x00, 's', 'f', 'b', 'k'};
    testing::internal::CaptureStderr();
    EXPECT_EQ(carica_soundfont_in_memoria(s.synth, s.impostazioni, rotto), FLUID_FAILED);
    testing::internal::GetCapturedStderr();
}

size_t fili() {
    size_t n = 0;
    for ([[maybe_unused]] const auto& t : std::filesystem::directory_iterator("/proc/self/task")) ++n;
    return n;
}

TEST(SoundfontFluid, ACutDownSoundfontLoadsOnTheCallersThreadAlone) {
    if (!std::filesystem::exists(SOUNDFONT)) GTEST_SKIP() << "no " << SOUNDFONT;
    SoundfontSuFile file(SOUNDFONT);
    const std::vector<uint8_t> ridotto =
        riduci_soundfont(leggi_indice_soundfont(file), file, {{0, 0, 60, 100}, {0, 48, 67, 90}});
    Synth s;
    aggiungi_caricatore_memoria(s.synth, s.impostazioni);
    const size_t prima = fili();
    ASSERT_NE(carica_soundfont_in_memoria(s.synth, s.impostazioni, ridotto), FLUID_FAILED);
    EXPECT_EQ(fili(), prima);
}

}  // namespace
}  // namespace didiv
