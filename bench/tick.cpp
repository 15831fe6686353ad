// The cost of one frame tick of the game window, composed and presented headless.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "game/form1.h"
#include "platform/piattaforma_finta.h"

namespace {

std::string cartella() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    buf[n > 0 ? n : 0] = 0;
    return std::filesystem::path(buf).parent_path().string();
}

void BM_Tick(benchmark::State& state) {
    using namespace didiv;
    Registro r;
    PiattaformaFinta p(r);
    p.cartella = cartella();
    AudioFinto a(r);
    ModuloTres m(p, a);
    Form1 f(m);
    f.Form_Load();
    for (auto _ : state) {
        f.Timer1_Timer();
        if (r.size() > 10000) r.clear();
    }
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
