// The cost of one frame tick of the game window, composed and presented headless, against
// the bare copies that any tick must make; the run ends with their ratio.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "cartella.h"
#include "game/form1.h"
#include "platform/piattaforma_finta.h"

namespace {

void BM_Tick(benchmark::State& state) {
    using namespace didiv;
    Registro r;
    PiattaformaFinta p(r);
    p.cartella = bench::cartella();
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

// What no tick can do without: the view out of the 2200-wide world, the empty bar, and the
// window buffer onto the window, each a plain row-by-row memcpy between buffers of the game's
// sizes.
void BM_CopieNude(benchmark::State& state) {
    struct Buffer {
        int w, h;
        std::vector<uint32_t> px;
        Buffer(int larghezza, int altezza) : w(larghezza), h(altezza), px(static_cast<size_t>(w) * h, 0x123456) {}
        uint32_t* riga(int y) { return px.data() + static_cast<size_t>(y) * w; }
    };
    auto copia = [](Buffer& d, int x, int y, Buffer& s, int sx, int sy, int w, int h) {
        for (int r = 0; r < h; ++r)
            std::memcpy(d.riga(y + r) + x, s.riga(sy + r) + sx, static_cast<size_t>(w) * 4);
    };
    Buffer mondo(2200, 800), campo(400, 400), barra_vuota(400, 60), barra(400, 60), buffer(480, 540),
        finestra(480, 540);
    int sx = 0;
    for (auto _ : state) {
        copia(campo, 0, 0, mondo, sx, 400, 400, 400);
        copia(barra, 0, 0, barra_vuota, 0, 0, 400, 60);
        copia(finestra, 0, 0, buffer, 0, 0, 480, 540);
        benchmark::DoNotOptimize(finestra.px.data());
        benchmark::ClobberMemory();
        sx = sx == 0 ? 4 : 0;  // as the view moves, never quite the same rows
    }
}
BENCHMARK(BM_CopieNude)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's CPU time, which a busy machine disturbs less than the wall time, to
// print the ratio at the end: the median when the runs are repeated, else their mean.
class Rapporto : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            Tempi& t = tempi_[r.run_name.function_name];
            if (r.run_type == Run::RT_Iteration) t.corse.push_back(r.GetAdjustedCPUTime());
            else if (r.aggregate_name == "median") t.mediana = r.GetAdjustedCPUTime();
        }
    }
    double tempo(const std::string& nome) const {
        auto it = tempi_.find(nome);
        if (it == tempi_.end()) return 0;
        if (it->second.mediana > 0) return it->second.mediana;
        double s = 0;
        for (double t : it->second.corse) s += t;
        return it->second.corse.empty() ? 0 : s / static_cast<double>(it->second.corse.size());
    }

private:
    struct Tempi {
        std::vector<double> corse;
        double mediana = 0;
    };
    std::map<std::string, Tempi> tempi_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Rapporto r;
    benchmark::RunSpecifiedBenchmarks(&r);
    const double tick = r.tempo("BM_Tick"), nude = r.tempo("BM_CopieNude");
    if (tick > 0 && nude > 0) std::printf("tick / bare copies: %.2f\n", tick / nude);
    benchmark::Shutdown();
    return 0;
}
