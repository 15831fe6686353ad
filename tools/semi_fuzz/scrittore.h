#pragma once
// Little-endian fields one after another, as RIFF files lay them out.

#include <cstdint>
#include <vector>

namespace didiv::semi {

class Scrittore {
public:
    void u16(uint32_t v) {
        o_.push_back(static_cast<uint8_t>(v));
        o_.push_back(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        for (int i = 0; i < 4; ++i) o_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void tag(const char* t) { o_.insert(o_.end(), t, t + 4); }
    void byte(const std::vector<uint8_t>& b) { o_.insert(o_.end(), b.begin(), b.end()); }
    // A chunk: its id, its size, the bytes and the pad byte an odd size takes.
    void chunk(const char* id, const std::vector<uint8_t>& corpo) {
        tag(id);
        u32(static_cast<uint32_t>(corpo.size()));
        byte(corpo);
        if (corpo.size() & 1) o_.push_back(0);
    }
    std::vector<uint8_t>& dati() { return o_; }

private:
    std::vector<uint8_t> o_;
};

}  // namespace didiv::semi
