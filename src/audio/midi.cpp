#include "audio/midi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "audio/wav.h"
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

// The channel messages that decide which instrument sounds which note.
struct EventoCanale {
    uint64_t tick;
    uint32_t traccia;
    uint8_t tipo;  // 0xB: bank select; 0xC: program change; 0x9: a note struck
    uint8_t canale;
    uint8_t primo;
    uint8_t secondo;
};

struct Lettura {
    BranoMidi brano;
    std::vector<EventoCanale> eventi;
    uint32_t tempo_minimo = 500000;  // microseconds a quarter note; the default when none is set
};

void leggi_traccia(Lettore& t, uint32_t traccia, Lettura& r) {
    uint64_t ora = 0;
    uint8_t corrente = 0;  // running status: only channel messages carry it
    while (!t.finito()) {
        ora += t.varlen();
        r.brano.durata_tick = std::max(r.brano.durata_tick, ora);
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
            if (tipo == 0x51) {
                uint32_t us = 0;
                for (int k = 0; k < 3; ++k) us = (us << 8) | t.byte();
                if (us > 0) r.tempo_minimo = std::min(r.tempo_minimo, us);
                continue;
            }
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
        const uint8_t tipo = stato >> 4;
        if ((tipo == 0xB && primo == 0) || tipo == 0xC || (tipo == 0x9 && secondo > 0))
            r.eventi.push_back({ora, traccia, tipo, static_cast<uint8_t>(stato & 0x0F), primo, secondo});
    }
}

using Strumento = std::pair<int, int>;  // bank, program

Strumento strumento_reset(int canale) { return {canale == CANALE_PERCUSSIONI ? BANCO_PERCUSSIONI : 0, 0}; }

// Ticks the player may send within one block of the synthesizer, at the file's fastest tempo:
// within that many, messages of different tracks can reach it in track order, not time order.
uint64_t ticks_per_blocco(uint16_t divisione, uint32_t tempo_minimo) {
    constexpr double FRAMES_BLOCCO = 64;
    const double t = FRAMES_BLOCCO / FREQUENZA_MIXER * divisione * 1e6 / tempo_minimo;
    return static_cast<uint64_t>(std::ceil(t)) + 1;
}

// The instruments heard, and under which each note is struck: the tune once from the reset
// state, then once more from the state it ends in, as it does when repeated.
void elenca_note(Lettura& r, uint64_t finestra) {
    auto& ev = r.eventi;
    std::stable_sort(ev.begin(), ev.end(), [](const EventoCanale& a, const EventoCanale& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.traccia < b.traccia;
    });
    struct Cambio {
        uint64_t tick;
        uint32_t traccia;
        Strumento prima, dopo;
    };
    // Beyond this many changes near one note, the note is listed under every instrument its
    // channel ever selects.
    constexpr size_t MOLTI_CAMBI = 64;

    std::array<Strumento, 16> in_vigore;
    std::array<int, 16> banco{};
    for (int c = 0; c < 16; ++c) in_vigore[static_cast<size_t>(c)] = strumento_reset(c);
    for (int giro = 0; giro < 2; ++giro) {
        std::array<std::vector<Cambio>, 16> cambi;
        std::array<std::set<Strumento>, 16> tutti;
        std::vector<Strumento> per_nota;
        for (const auto& e : ev) {
            const size_t c = e.canale;
            if (e.tipo == 0xB) {
                banco[c] = e.secondo;
            } else if (e.tipo == 0xC) {
                const Strumento nuovo{c == CANALE_PERCUSSIONI ? BANCO_PERCUSSIONI : banco[c], e.primo};
                r.brano.strumenti.insert(nuovo);
                cambi[c].push_back({e.tick, e.traccia, in_vigore[c], nuovo});
                tutti[c].insert(in_vigore[c]);
                tutti[c].insert(nuovo);
                in_vigore[c] = nuovo;
            } else {
                per_nota.push_back(in_vigore[c]);
            }
        }
        size_t n = 0;
        for (const auto& e : ev) {
            if (e.tipo != 0x9) continue;
            const Strumento esatto = per_nota[n++];
            auto segna = [&](const Strumento& s) { r.brano.note.insert({s.first, s.second, e.primo, e.secondo}); };
            segna(esatto);
            const auto& cc = cambi[e.canale];
            const uint64_t da = e.tick > finestra ? e.tick - finestra : 0;
            auto i = std::lower_bound(cc.begin(), cc.end(), da, [](const Cambio& k, uint64_t t) { return k.tick < t; });
            auto j = std::upper_bound(i, cc.end(), e.tick + finestra, [](uint64_t t, const Cambio& k) { return t < k.tick; });
            if (static_cast<size_t>(j - i) > MOLTI_CAMBI) {
                for (const auto& s : tutti[e.canale]) segna(s);
                continue;
            }
            // A change on the note's own track reaches the synthesizer in its place.
            for (; i != j; ++i)
                if (i->traccia != e.traccia) {
                    segna(i->prima);
                    segna(i->dopo);
                }
        }
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

    Lettura r;
    size_t i = 14;
    for (int letti = 0; letti < tracce;) {
        if (n - i < 8) malformato();
        const uint8_t* id = dati + i;
        const uint32_t l = be32(dati + i + 4);
        i += 8;
        if (l > n - i) malformato();
        if (std::memcmp(id, "MTrk", 4) == 0) {
            Lettore t(dati + i, l);
            leggi_traccia(t, static_cast<uint32_t>(letti), r);
            ++letti;
        } else {
            // Chunks of other kinds are skipped, as long as their name is text.
            for (int k = 0; k < 4; ++k)
                if (id[k] < 0x20 || id[k] > 0x7E) malformato();
        }
        i += l;
    }
    elenca_note(r, ticks_per_blocco(divisione, r.tempo_minimo));
    return std::move(r.brano);
}

}  // namespace didiv
