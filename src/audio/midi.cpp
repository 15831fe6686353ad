#include "audio/midi.h"

#include <algorithm>
#include <cstring>

#include "platform/errori_runtime.h"

namespace didiv {

namespace {

[[noreturn]] void malformato() { solleva(ERR_FORMATO_FILE); }

uint32_t be32(const uint8_t* p) {
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}
uint16_t be16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

// The bytes of one track chunk, read front to back.
class Lettore {
public:
    Lettore(const uint8_t* p, size_t n) : p_(p), n_(n) {}
    bool finito() const { return i_ >= n_; }
    uint8_t byte() {
        if (i_ >= n_) malformato();
        return p_[i_++];
    }
    uint8_t dato() {
        const uint8_t b = byte();
        if (b & 0x80) malformato();
        return b;
    }
    // At most four bytes, as the format allows.
    uint32_t varlen() {
        uint32_t v = 0;
        for (int k = 0; k < 4; ++k) {
            const uint8_t b = byte();
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return v;
        }
        malformato();
    }
    void salta(uint32_t k) {
        if (k > n_ - i_) malformato();
        i_ += k;
    }

private:
    const uint8_t* p_;
    size_t n_;
    size_t i_ = 0;
};

// Data bytes of each channel message, by its upper four bits (0x8 to 0xE).
int byte_dati(uint8_t stato) { return (stato >> 4) == 0xC || (stato >> 4) == 0xD ? 1 : 2; }

// Meta events the player checks the length of.
bool lunghezza_meta_valida(uint8_t tipo, uint32_t l) {
    switch (tipo) {
        case 0x2F: return l == 0;  // end of track
        case 0x51: return l == 3;  // tempo
        case 0x54: return l == 5;  // SMPTE offset
        case 0x58: return l == 4;  // time signature
        case 0x59: return l == 2;  // key signature
        default: return true;
    }
}

void leggi_traccia(Lettore& t, BranoMidi& b, int banco[16]) {
    uint64_t ora = 0;
    uint8_t corrente = 0;  // running status: only channel messages carry it
    while (!t.finito()) {
        ora += t.varlen();
        b.durata_tick = std::max(b.durata_tick, ora);
        uint8_t stato = t.byte();
        uint8_t primo;
        if (!(stato & 0x80)) {
            if (!corrente) malformato();
            primo = stato;
            stato = corrente;
        } else if (stato == 0xFF) {
            corrente = 0;
            const uint8_t tipo = t.dato();
            const uint32_t l = t.varlen();
            if (!lunghezza_meta_valida(tipo, l)) malformato();
            t.salta(l);
            if (tipo == 0x2F) break;  // anything after it in the chunk is never read
            continue;
        } else if (stato == 0xF0) {
            corrente = 0;
            t.salta(t.varlen());
            continue;
        } else if (stato >= 0xF0) {
            malformato();  // no other system message belongs in a file
        } else {
            corrente = stato;
            primo = t.dato();
        }
        const uint8_t secondo = byte_dati(stato) == 2 ? t.dato() : 0;
        const int canale = stato & 0x0F;
        if ((stato >> 4) == 0xB && primo == 0) banco[canale] = secondo;
        if ((stato >> 4) == 0xC)
            b.strumenti.insert({canale == CANALE_PERCUSSIONI ? BANCO_PERCUSSIONI : banco[canale], primo});
    }
}

}  // namespace

BranoMidi leggi_brano_midi(const uint8_t* dati, size_t n) {
    if (!dati || n < 14 || std::memcmp(dati, "MThd", 4) != 0 || be32(dati + 4) != 6) malformato();
    const uint16_t formato = be16(dati + 8);
    const uint16_t tracce = be16(dati + 10);
    const uint16_t divisione = be16(dati + 12);
    // Time in SMPTE frames is not played; no division at all would make every tick endless.
    if (formato > 2 || tracce == 0 || (divisione & 0x8000) || divisione == 0) malformato();

    BranoMidi b;
    int banco[16] = {};
    size_t i = 14;
    for (int letti = 0; letti < tracce;) {
        if (n - i < 8) malformato();
        const uint8_t* id = dati + i;
        const uint32_t l = be32(dati + i + 4);
        i += 8;
        if (l > n - i) malformato();
        if (std::memcmp(id, "MTrk", 4) == 0) {
            Lettore t(dati + i, l);
            leggi_traccia(t, b, banco);
            ++letti;
        } else {
            // Chunks of other kinds are skipped, as long as their name is text.
            for (int k = 0; k < 4; ++k)
                if (id[k] < 0x20 || id[k] > 0x7E) malformato();
        }
        i += l;
    }
    return b;
}

}  // namespace didiv
