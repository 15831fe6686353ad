#include "semi_fuzz/semi.h"

namespace didiv::semi {

std::vector<Cartella> corpus() {
    // fuzz_bmp feeds every input to the bundle reader as well.
    auto bmp = semi_bmp();
    for (auto& s : semi_pacchetto()) bmp.push_back(std::move(s));
    return {{"bmp", std::move(bmp)}, {"wav", semi_wav()}, {"soundfont", semi_soundfont()}};
}

}  // namespace didiv::semi
