// The steps between "Gioca" and the first frame that are the game's own: unpacking the
// built-in pictures, loading the world picture and the collision map, reading the sixteen
// effects, and cutting the installed soundfont down to the tunes' notes (its tables are read
// while the start dialog waits; the cut when the theme starts). The whole program's first frame
// is timed by bench/programma/misura.sh.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "audio/midi.h"
#include "audio/soundfont.h"
#include "audio/wav.h"
#include "cartella.h"
#include "game/form1.h"
#include "platform/bmp.h"
#include "platform/piattaforma_finta.h"

namespace {

using namespace didiv;

void BM_ImmaginiIncorporate(benchmark::State& state) {
    Registro r;
    PiattaformaFinta p(r);
    AudioFinto a(r);
    ModuloTres m(p, a);
    for (auto _ : state) {
        Form1 f(m);
        benchmark::DoNotOptimize(std::as_const(f.Picture64).riga(0));
    }
}
BENCHMARK(BM_ImmaginiIncorporate)->Unit(benchmark::kMillisecond);

void BM_CaricaBmp(benchmark::State& state, const char* file) {
    const std::string percorso = bench::cartella() + "/" + file;
    for (auto _ : state) {
        const Superficie s = LoadPicture(percorso);
        benchmark::DoNotOptimize(s.riga(0));
    }
}
BENCHMARK_CAPTURE(BM_CaricaBmp, mondo, "gameb2.bmp")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CaricaBmp, mappa, "gamemap1.bmp")->Unit(benchmark::kMillisecond);

void BM_Effetti(benchmark::State& state) {
    static const char* const kFile[] = {
        "step.wav", "stairs.wav", "flub.wav",  "mosca.wav", "noway.wav",  "tuono.wav",  "rain.wav",   "cresce.wav",
        "fine.wav", "attiva.wav", "cade.wav",  "crash.wav", "succ.wav",   "jungla.wav", "tarzan.wav", "flauto.wav"};
    const std::string dir = bench::cartella() + "/";
    for (auto _ : state) {
        for (const char* f : kFile) {
            SuonoPcm s = carica_wav(dir + f);
            benchmark::DoNotOptimize(s.campioni.data());
        }
    }
}
BENCHMARK(BM_Effetti)->Unit(benchmark::kMillisecond);

const char* soundfont_installato() {
    for (const auto& f : soundfont_candidati())
        if (std::filesystem::exists(f)) return f.c_str();
    return nullptr;
}

void BM_SoundfontIndice(benchmark::State& state) {
    const char* sf = soundfont_installato();
    if (!sf) return state.SkipWithError("no soundfont installed");
    for (auto _ : state) {
        SoundfontSuFile f(sf);
        const IndiceSoundfont i = leggi_indice_soundfont(f);
        benchmark::DoNotOptimize(i.campioni.data());
    }
}
BENCHMARK(BM_SoundfontIndice)->Unit(benchmark::kMillisecond);

void BM_SoundfontRidotto(benchmark::State& state) {
    const char* sf = soundfont_installato();
    if (!sf) return state.SkipWithError("no soundfont installed");
    std::set<NotaSuonata> note;
    for (const char* brano : {"intro3.mid", "symphony.mid"}) {
        std::ifstream in(bench::cartella() + "/" + brano, std::ios::binary);
        const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const BranoMidi m = leggi_brano_midi(b.data(), b.size());
        note.insert(m.note.begin(), m.note.end());
    }
    SoundfontSuFile f(sf);
    const IndiceSoundfont indice = leggi_indice_soundfont(f);
    for (auto _ : state) {
        const std::vector<uint8_t> r = riduci_soundfont(indice, f, note);
        benchmark::DoNotOptimize(r.data());
    }
}
BENCHMARK(BM_SoundfontRidotto)->Unit(benchmark::kMillisecond);

}  // namespace
