// The steps between "Gioca" and the first frame that are the game's own: unpacking the
// built-in pictures, loading the world picture and the collision map, reading the sixteen
// effects. (The soundfont belongs to the desktop's music; the whole program's first frame is
// timed by bench/programma/misura.sh.)

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

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

}  // namespace
