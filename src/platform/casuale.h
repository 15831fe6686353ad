#pragma once
// The desktop's random numbers: a 24-bit linear congruential generator that is never
// seeded, so every run draws the same sequence.

#include <cstdint>

namespace didiv {

class GeneratoreCasuale {
public:
    float Rnd() {
        stato_ = (stato_ * 1140671485u + 12820163u) & 0xFFFFFFu;
        return static_cast<float>(stato_) / 16777216.0f;
    }

private:
    uint32_t stato_ = 327680u;
};

}  // namespace didiv
