// Buffers straight from the system: small and large ones hold what is written into them, grow
// and shrink like any vector, and go back when freed.

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "platform/memoria.h"

namespace didiv {
namespace {

using Vettore = std::vector<int16_t, AllocatoreGrande<int16_t>>;

TEST(Memoria, SmallAndLargeBuffersKeepWhatIsWrittenAcrossGrowthAndCopies) {
    for (size_t n : {size_t{1}, size_t{1000}, size_t{200'000}, size_t{3'000'000}}) {
        Vettore v(n);
        std::iota(v.begin(), v.end(), int16_t{0});
        v.resize(n / 2 + 1);  // shrinking keeps the front
        v.resize(n + 10, 7);  // growing moves it into a new buffer
        for (size_t i = 0; i <= n / 2; ++i) ASSERT_EQ(v[i], static_cast<int16_t>(i)) << n;
        for (size_t i = n; i < n + 10; ++i) ASSERT_EQ(v[i], 7) << n;
        const Vettore copia = v;
        EXPECT_EQ(copia, v);
        Vettore spostato = std::move(v);
        EXPECT_EQ(spostato, copia);
    }
}

TEST(Memoria, ABlockTakenLazilyReadsAsZeroAndEmptyOrNullBlocksAreSafe) {
    constexpr size_t kByte = 4u << 20;
    auto* p = static_cast<uint8_t*>(prendi_blocco(kByte, false));
    EXPECT_EQ(p[0], 0);
    EXPECT_EQ(p[kByte - 1], 0);
    p[kByte / 2] = 1;
    rendi_blocco(p, kByte);
    void* vuoto = prendi_blocco(0, true);
    EXPECT_NE(vuoto, nullptr);
    rendi_blocco(vuoto, 0);
    rendi_blocco(nullptr, kByte);
}

}  // namespace
}  // namespace didiv
