// The two tunes, written as Standard MIDI Files for any General MIDI synthesizer:
// "intro3.mid", the light-hearted main theme, and "symphony.mid", the fanfare for the win.

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "generatore.h"

namespace {

constexpr int PPQ = 480;
constexpr int OTTAVO = PPQ / 2;
constexpr int BATTUTA = 4 * PPQ;

struct Evento {
    int tick;
    int ordine;  // note-offs before note-ons at the same tick
    std::vector<uint8_t> byte;
};

class Traccia {
public:
    explicit Traccia(int canale = 0) : ch_(static_cast<uint8_t>(canale)) {}

    void programma(int p) { ev_.push_back({0, 0, {static_cast<uint8_t>(0xC0 | ch_), static_cast<uint8_t>(p)}}); }
    void controllo(int tick, int cc, int v) {
        ev_.push_back({tick, 1, {static_cast<uint8_t>(0xB0 | ch_), static_cast<uint8_t>(cc), static_cast<uint8_t>(v)}});
    }
    void nota(int tick, int durata, int n, int vel) {
        ev_.push_back({tick, 2, {static_cast<uint8_t>(0x90 | ch_), static_cast<uint8_t>(n), static_cast<uint8_t>(vel)}});
        ev_.push_back({tick + durata, 0, {static_cast<uint8_t>(0x80 | ch_), static_cast<uint8_t>(n), 0}});
    }
    void tempo(int tick, int bpm) {
        const uint32_t us = 60000000u / static_cast<uint32_t>(bpm);
        ev_.push_back({tick, 0, {0xFF, 0x51, 3, static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8), static_cast<uint8_t>(us)}});
    }
    void metrica(int num, int den_pot) { ev_.push_back({0, 0, {0xFF, 0x58, 4, static_cast<uint8_t>(num), static_cast<uint8_t>(den_pot), 24, 8}}); }
    void nome(const std::string& s) {
        std::vector<uint8_t> b = {0xFF, 0x03, static_cast<uint8_t>(s.size())};
        b.insert(b.end(), s.begin(), s.end());
        ev_.push_back({0, 0, b});
    }

    // The track chunk; it ends exactly at `fine`, so that a repeat comes in on the beat.
    std::vector<uint8_t> chunk(int fine) const {
        auto ev = ev_;
        std::stable_sort(ev.begin(), ev.end(), [](const Evento& a, const Evento& b) {
            return std::tie(a.tick, a.ordine) < std::tie(b.tick, b.ordine);
        });
        std::vector<uint8_t> corpo;
        int ora = 0;
        auto vlq = [&](uint32_t v) {
            uint8_t tmp[5];
            int n = 0;
            tmp[n++] = v & 0x7F;
            while (v >>= 7) tmp[n++] = static_cast<uint8_t>(0x80 | (v & 0x7F));
            while (n) corpo.push_back(tmp[--n]);
        };
        for (const auto& e : ev) {
            vlq(static_cast<uint32_t>(e.tick - ora));
            ora = e.tick;
            corpo.insert(corpo.end(), e.byte.begin(), e.byte.end());
        }
        vlq(static_cast<uint32_t>(std::max(0, fine - ora)));
        corpo.insert(corpo.end(), {0xFF, 0x2F, 0x00});
        std::vector<uint8_t> c = {'M', 'T', 'r', 'k'};
        const uint32_t n = static_cast<uint32_t>(corpo.size());
        for (int i = 3; i >= 0; --i) c.push_back(static_cast<uint8_t>(n >> (8 * i)));
        c.insert(c.end(), corpo.begin(), corpo.end());
        return c;
    }

private:
    uint8_t ch_;
    std::vector<Evento> ev_;
};

std::vector<uint8_t> smf(const std::vector<Traccia>& tracce, int fine) {
    std::vector<uint8_t> o = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, static_cast<uint8_t>(tracce.size()),
                              static_cast<uint8_t>(PPQ >> 8), static_cast<uint8_t>(PPQ & 0xFF)};
    for (const auto& t : tracce) {
        auto c = t.chunk(fine);
        o.insert(o.end(), c.begin(), c.end());
    }
    return o;
}

// A melody line in a small text notation: "c5 2 e5 1 r 1 ..." (note and length in eighths,
// "r" a rest, "#" and "b" after the letter). Returns the tick after the last note.
int melodia(Traccia& t, int inizio, const std::string& testo, int vel, int trasponi = 0, double legato = 0.9) {
    std::istringstream in(testo);
    std::string n;
    int d;
    int ora = inizio;
    static const int semitoni[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    while (in >> n >> d) {
        if (n != "r") {
            int s = semitoni[n[0] - 'a'];
            size_t k = 1;
            if (n[k] == '#') { ++s; ++k; }
            else if (n[k] == 'b') { --s; ++k; }
            const int ottava = n[k] - '0';
            t.nota(ora, static_cast<int>(d * OTTAVO * legato), 12 * (ottava + 1) + s + trasponi, vel);
        }
        ora += d * OTTAVO;
    }
    return ora;
}

// Chords by bar: root (MIDI note of the bass) and the chord tones above it.
struct Accordo {
    int basso;
    std::vector<int> voci;
};

Accordo acc(const std::string& nome) {
    // Root in the bass octave; triads voiced around middle C.
    static const std::vector<std::tuple<std::string, int, std::vector<int>>> tab = {
        {"C", 36, {60, 64, 67}}, {"Am", 45, {60, 64, 69}}, {"F", 41, {60, 65, 69}}, {"G", 43, {59, 62, 67}},
        {"Dm", 38, {62, 65, 69}}, {"G7", 43, {59, 62, 65}}, {"Em", 40, {59, 64, 67}}, {"C/E", 40, {60, 64, 67}},
    };
    for (const auto& [n, b, v] : tab)
        if (n == nome) return {b, v};
    return {36, {60, 64, 67}};
}

// The main theme: 32 bars of 4/4 at 128 beats a minute, one minute, in C major: a bouncy
// tune over an oom-pah of tuba and pizzicato strings. The last bar turns round to the first.
std::vector<uint8_t> intro3() {
    const int bpm = 128;
    Traccia meta;
    meta.nome("Didiv");
    meta.tempo(0, bpm);
    meta.metrica(4, 2);

    const std::string A1 =
        "c5 2 e5 1 g5 1 a5 2 g5 2  e5 2 c5 1 e5 1 a4 4  f5 2 a5 1 f5 1 c5 2 a4 2  g4 1 a4 1 b4 1 c5 1 d5 4 "
        "c5 2 e5 1 g5 1 c6 2 b5 1 a5 1  a5 2 g5 1 e5 1 c5 4  d5 2 f5 1 a5 1 g5 2 b4 2  c5 6 r 2 ";
    const std::string A2 =
        "c5 2 e5 1 g5 1 a5 2 g5 2  e5 2 c5 1 e5 1 a4 4  f5 2 a5 1 f5 1 c5 2 a4 2  g4 1 a4 1 b4 1 c5 1 d5 4 "
        "c5 2 e5 1 g5 1 c6 2 b5 1 a5 1  a5 2 g5 1 e5 1 c5 4  d5 2 f5 1 a5 1 b5 2 d6 2  c6 4 g5 2 e5 2 ";
    const std::string B =
        "a5 3 g5 1 f5 2 c5 2  e5 3 d5 1 c5 4  d5 2 e5 1 f5 1 a5 2 f5 2  g5 6 r 2 "
        "a5 3 b5 1 c6 2 a5 2  g5 3 e5 1 c5 2 e5 2  f5 2 e5 1 d5 1 a5 2 f5 2  g5 2 f5 2 e5 2 d5 2 ";
    const std::string A3 =
        "c5 2 e5 1 g5 1 a5 2 g5 2  e5 2 c5 1 e5 1 a4 4  f5 2 a5 1 f5 1 c5 2 a4 2  g4 1 a4 1 b4 1 c5 1 d5 4 "
        "c5 2 e5 1 g5 1 c6 2 b5 1 a5 1  a5 2 g5 1 e5 1 c5 4  d5 2 f5 1 a5 1 g5 2 b4 2  c5 4 g4 1 a4 1 b4 2 ";
    const std::vector<std::string> giro_A = {"C", "Am", "F", "G", "C", "Am", "Dm", "C"};
    const std::vector<std::string> giro_A2 = {"C", "Am", "F", "G", "C", "Am", "Dm", "C"};
    const std::vector<std::string> giro_B = {"F", "C", "Dm", "G", "F", "C/E", "Dm", "G7"};
    const std::vector<std::string> giro_A3 = {"C", "Am", "F", "G", "C", "Am", "Dm", "G7"};
    std::vector<std::string> accordi;
    for (const auto* g : {&giro_A, &giro_A2, &giro_B, &giro_A3}) accordi.insert(accordi.end(), g->begin(), g->end());

    Traccia clarinetto(0);
    clarinetto.nome("Clarinetto");
    clarinetto.programma(71);
    clarinetto.controllo(0, 7, 100);
    clarinetto.controllo(0, 91, 40);
    int ora = melodia(clarinetto, 0, A1, 92);
    ora = melodia(clarinetto, ora, A2, 96);
    ora = melodia(clarinetto, ora, B, 88, 0, 0.97);
    melodia(clarinetto, ora, A3, 96);

    // The glockenspiel doubles the tune an octave up in the middle and the last part.
    Traccia glock(3);
    glock.nome("Glockenspiel");
    glock.programma(9);
    glock.controllo(0, 7, 62);
    glock.controllo(0, 91, 50);
    melodia(glock, 16 * BATTUTA, B, 70, 12, 0.6);
    melodia(glock, 24 * BATTUTA, A3, 64, 12, 0.6);

    Traccia tuba(1), pizz(2), batteria(9);
    tuba.nome("Tuba");
    tuba.programma(58);
    tuba.controllo(0, 7, 96);
    pizz.nome("Pizzicato");
    pizz.programma(45);
    pizz.controllo(0, 7, 84);
    pizz.controllo(0, 10, 80);
    batteria.nome("Batteria");
    batteria.controllo(0, 7, 70);
    for (size_t b = 0; b < accordi.size(); ++b) {
        const int t0 = static_cast<int>(b) * BATTUTA;
        // Two chords in a bar where the tune moves from Dm to G.
        const bool doppio = accordi[b] == "Dm" && (b % 8 == 6);
        for (int battito = 0; battito < 4; ++battito) {
            const Accordo a = acc(doppio && battito >= 2 ? "G" : accordi[b]);
            const int t = t0 + battito * PPQ;
            if (battito % 2 == 0) tuba.nota(t, PPQ * 7 / 10, battito == 0 ? a.basso : a.basso + 7, 90);
            for (int v : a.voci) pizz.nota(t + OTTAVO, OTTAVO / 2, v, 68);
            batteria.nota(t, 60, 42, battito % 2 ? 38 : 48);          // closed hi-hat
            batteria.nota(t + OTTAVO, 60, 42, 28);
            if (battito % 2) batteria.nota(t, 60, 37, 50);            // side stick on 2 and 4
            if (battito == 0 && b % 4 == 0) batteria.nota(t, 120, 36, 64);  // kick
        }
    }
    return smf({meta, clarinetto, tuba, pizz, glock, batteria}, static_cast<int>(accordi.size()) * BATTUTA);
}

// The win: eight bars of brass over strings and timpani, then a bar to breathe before it
// sounds again.
std::vector<uint8_t> symphony() {
    Traccia meta;
    meta.nome("Vittoria");
    meta.tempo(0, 104);
    meta.metrica(4, 2);

    Traccia tromba(0);
    tromba.nome("Tromba");
    tromba.programma(56);
    tromba.controllo(0, 7, 110);
    tromba.controllo(0, 91, 60);
    const std::string tema =
        "g4 1 c5 1 e5 1 g5 1 e5 2 g5 2  a5 4 f5 2 a5 2  g5 2 f5 1 e5 1 d5 2 b4 2  c5 2 e5 2 g5 4 "
        "a5 2 c6 2 a5 2 f5 2  g5 3 a5 1 b5 4  c6 15 r 1 ";
    melodia(tromba, 0, tema, 112, 0, 0.92);

    Traccia ottoni(1), archi(2), timpani(3), piatti(9);
    ottoni.nome("Ottoni");
    ottoni.programma(61);
    ottoni.controllo(0, 7, 90);
    archi.nome("Archi");
    archi.programma(48);
    archi.controllo(0, 7, 88);
    archi.controllo(0, 91, 70);
    timpani.nome("Timpani");
    timpani.programma(47);
    timpani.controllo(0, 7, 100);
    const std::vector<std::string> giro = {"C", "F", "G", "C", "F", "G", "C", "C"};
    for (size_t b = 0; b < giro.size(); ++b) {
        const int t0 = static_cast<int>(b) * BATTUTA;
        const Accordo a = acc(giro[b]);
        for (int v : a.voci) archi.nota(t0, BATTUTA - 20, v - 12, 80);
        archi.nota(t0, BATTUTA - 20, a.basso, 84);
        if (b < 6) {
            // Brass stabs: long, short-short, long.
            for (auto [t, d] : {std::pair{0, PPQ + OTTAVO}, std::pair{PPQ * 2, OTTAVO / 2},
                                std::pair{PPQ * 2 + OTTAVO, OTTAVO / 2}, std::pair{PPQ * 3, PPQ}})
                for (int v : a.voci) ottoni.nota(t0 + t, d * 9 / 10, v - 12, 92);
            timpani.nota(t0, PPQ, a.basso, 100);
            timpani.nota(t0 + PPQ * 2, PPQ, a.basso + 7 - 12 * (a.basso + 7 > 48), 84);
        }
    }
    // The last chord: held brass, a timpani roll swelling, a cymbal on the downbeat.
    const int fine_t = 6 * BATTUTA;
    for (int v : acc("C").voci) ottoni.nota(fine_t, 2 * BATTUTA - PPQ, v - 12, 100);
    for (int k = 0; k < 28; ++k) timpani.nota(fine_t + k * PPQ / 4, PPQ / 4, 36, 60 + k);
    piatti.nota(0, PPQ, 49, 90);
    piatti.nota(fine_t, PPQ * 2, 49, 110);
    return smf({meta, tromba, ottoni, archi, timpani, piatti}, 9 * BATTUTA);
}

}  // namespace

PRODUTTORE(musica) {
    out.file("intro3.mid", intro3());
    out.file("symphony.mid", symphony());
}
