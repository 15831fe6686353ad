// The sixteen sound effects, synthesised: oscillators, noise, envelopes and filters.
// Everything is deterministic (own random generator, fixed seeds), so every build writes the
// same bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "generatore.h"

namespace {

constexpr int SR = 44100;
constexpr double PI = 3.14159265358979323846;

using Onda = std::vector<float>;

struct Stereo {
    Onda l, r;
    explicit Stereo(size_t n = 0) : l(n), r(n) {}
};

// xorshift32: the same sequence on every machine.
struct Caso {
    uint32_t s;
    explicit Caso(uint32_t seme) : s(seme ? seme : 1) {}
    uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    float u() { return static_cast<float>(next() >> 8) / 16777216.0f; }  // [0, 1)
    float b() { return u() * 2.0f - 1.0f; }                                 // [-1, 1)
};

size_t campioni(double sec) { return static_cast<size_t>(sec * SR + 0.5); }

// RBJ biquad.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
    static Biquad crea(const char* tipo, double f, double q) {
        Biquad k;
        const double w = 2 * PI * std::clamp(f, 10.0, SR * 0.45) / SR, c = std::cos(w), s = std::sin(w);
        const double al = s / (2 * q), a0 = 1 + al;
        const std::string t = tipo;
        if (t == "lp") {
            k.b0 = (1 - c) / 2; k.b1 = 1 - c; k.b2 = (1 - c) / 2;
        } else if (t == "hp") {
            k.b0 = (1 + c) / 2; k.b1 = -(1 + c); k.b2 = (1 + c) / 2;
        } else {  // band-pass, 0 dB peak
            k.b0 = al; k.b1 = 0; k.b2 = -al;
        }
        k.a1 = -2 * c; k.a2 = 1 - al;
        k.b0 /= a0; k.b1 /= a0; k.b2 /= a0; k.a1 /= a0; k.a2 /= a0;
        return k;
    }
    // Retunes without losing the filter's state, for sweeps.
    void accorda(const char* tipo, double f, double q) {
        Biquad n = crea(tipo, f, q);
        n.z1 = z1; n.z2 = z2;
        *this = n;
    }
    float operator()(float x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return static_cast<float>(y);
    }
};

Onda filtra(Onda x, const char* tipo, double f, double q = 0.707) {
    Biquad k = Biquad::crea(tipo, f, q);
    for (auto& v : x) v = k(v);
    return x;
}

Onda rumore(size_t n, Caso& c) {
    Onda o(n);
    for (auto& v : o) v = c.b();
    return o;
}

// Brown noise, leaky so that it stays centred.
Onda rumore_scuro(size_t n, Caso& c) {
    Onda o(n);
    double y = 0;
    for (auto& v : o) {
        y = 0.995 * y + 0.1 * c.b();
        v = static_cast<float>(y);
    }
    return o;
}

// Attack then exponential decay with the given time constant.
float inviluppo(double t, double attacco, double decadimento) {
    if (t < 0) return 0;
    if (t < attacco) return static_cast<float>(t / attacco);
    return static_cast<float>(std::exp(-(t - attacco) / decadimento));
}

// Linear fade in and out at the ends, so that nothing starts or stops with a click.
void sfuma(Onda& x, double dentro, double fuori) {
    const size_t a = std::min(x.size(), campioni(dentro)), b = std::min(x.size(), campioni(fuori));
    for (size_t i = 0; i < a; ++i) x[i] *= static_cast<float>(i) / static_cast<float>(a);
    for (size_t i = 0; i < b; ++i) x[x.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(b);
}

void somma(Onda& dst, const Onda& src, size_t da, float g = 1.0f) {
    if (dst.size() < da + src.size()) dst.resize(da + src.size());
    for (size_t i = 0; i < src.size(); ++i) dst[da + i] += g * src[i];
}

// Adds around a loop: what runs past the end comes in again at the start.
void somma_ciclica(Onda& dst, const Onda& src, size_t da, float g = 1.0f) {
    for (size_t i = 0; i < src.size(); ++i) dst[(da + i) % dst.size()] += g * src[i];
}

float picco(const Onda& x) {
    float p = 0;
    for (float v : x) p = std::max(p, std::fabs(v));
    return p;
}

void normalizza(Onda& x, float livello) {
    const float p = picco(x);
    if (p > 0) for (auto& v : x) v *= livello / p;
}

void normalizza(Stereo& s, float livello) {
    const float p = std::max(picco(s.l), picco(s.r));
    if (p > 0) {
        for (auto& v : s.l) v *= livello / p;
        for (auto& v : s.r) v *= livello / p;
    }
}

// A sine whose frequency follows f(t); phase is carried so sweeps stay smooth.
template <class F>
Onda glissato(double sec, F f) {
    Onda o(campioni(sec));
    double fase = 0;
    for (size_t i = 0; i < o.size(); ++i) {
        fase += 2 * PI * f(static_cast<double>(i) / SR) / SR;
        o[i] = static_cast<float>(std::sin(fase));
    }
    return o;
}

// A struck bell: a few inharmonic partials, the high ones dying first.
Onda campana(double f, double sec, double decad) {
    static const double rapporti[] = {1.0, 2.0, 2.76, 4.07, 5.4};
    static const double ampiezze[] = {1.0, 0.45, 0.25, 0.12, 0.06};
    Onda o(campioni(sec));
    for (size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / SR;
        double v = 0;
        for (int k = 0; k < 5; ++k)
            if (f * rapporti[k] < SR * 0.45)
                v += ampiezze[k] * std::sin(2 * PI * f * rapporti[k] * t) * inviluppo(t, 0.002, decad / (1 + k * 0.7));
        o[i] = static_cast<float>(v);
    }
    return o;
}

double nota(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

std::vector<uint8_t> wav16(const Stereo& s, bool stereo) {
    const size_t n = s.l.size();
    const uint16_t canali = stereo ? 2 : 1;
    const uint32_t byte = static_cast<uint32_t>(n * canali * 2);
    std::vector<uint8_t> o;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { o.push_back(static_cast<uint8_t>(v)); o.push_back(static_cast<uint8_t>(v >> 8)); };
    auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) o.push_back(static_cast<uint8_t>(t[i])); };
    tag("RIFF"); u32(36 + byte); tag("WAVE");
    tag("fmt "); u32(16); u16(1); u16(canali); u32(SR); u32(SR * canali * 2u); u16(static_cast<uint16_t>(canali * 2)); u16(16);
    tag("data"); u32(byte);
    auto s16 = [&](float v) {
        if (std::fabs(v) > 0.98f) throw std::runtime_error("sound clips");
        u16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767.0f))));
    };
    for (size_t i = 0; i < n; ++i) {
        s16(s.l[i]);
        if (stereo) s16(s.r[i]);
    }
    return o;
}

std::vector<uint8_t> wav16(const Onda& m) {
    Stereo s;
    s.l = m;
    return wav16(s, false);
}

// ---- the effects ------------------------------------------------------------------------

// One soft footfall: a muffled thump with a touch of sole on the floor.
Onda passo_singolo(Caso& c, double tono) {
    const size_t n = campioni(0.11);
    Onda tonfo = filtra(rumore(n, c), "lp", 380 * tono, 0.9);
    Onda tocco = filtra(rumore(n, c), "bp", 2300 * tono, 1.2);
    Onda o(n);
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / SR;
        o[i] = static_cast<float>(tonfo[i] * 3.0 * inviluppo(t, 0.004, 0.03) +
                                  0.6 * std::sin(2 * PI * 85 * tono * t) * inviluppo(t, 0.003, 0.025) +
                                  tocco[i] * 0.35 * inviluppo(t, 0.001, 0.008));
    }
    sfuma(o, 0.0, 0.02);
    return o;
}

// A stride is drawn every other 60 ms tick, so a footfall every 120 ms; two cycles of the
// walk per loop, with the feet a little different so the loop does not sound mechanical.
Onda step(Caso& c) {
    Onda o(campioni(0.48));
    somma(o, passo_singolo(c, 1.0), 0);
    somma(o, passo_singolo(c, 0.9), campioni(0.12), 0.85f);
    somma(o, passo_singolo(c, 1.03), campioni(0.24), 0.95f);
    somma(o, passo_singolo(c, 0.92), campioni(0.36), 0.8f);
    normalizza(o, 0.45f);
    return o;
}

// A wooden rung taking weight: stick-slip pulses through the resonances of a plank.
Onda scricchiolio(Caso& c, double sec, double base) {
    const size_t n = campioni(sec);
    Onda eccitazione(n);
    double prossimo = 0;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / SR;
        if (t >= prossimo) {
            eccitazione[i] = 1.0f;
            const double rate = base * (1.0 + 0.35 * std::sin(PI * t / sec)) * (0.85 + 0.3 * c.u());
            prossimo = t + 1.0 / rate;
        }
    }
    Onda o(n);
    const double risonanze[] = {420, 950, 1700, 2900};
    const double guadagni[] = {1.0, 0.7, 0.35, 0.15};
    for (int k = 0; k < 4; ++k) somma(o, filtra(eccitazione, "bp", risonanze[k], 9.0), 0, static_cast<float>(guadagni[k]));
    for (size_t i = 0; i < n; ++i) o[i] *= static_cast<float>(std::pow(std::sin(PI * i / n), 0.7));
    return o;
}

Onda colpo_legno(Caso& c, double f) {
    Onda o = filtra(rumore(campioni(0.09), c), "bp", f, 5.0);
    for (size_t i = 0; i < o.size(); ++i) o[i] *= 2.5f * inviluppo(static_cast<double>(i) / SR, 0.001, 0.018);
    return o;
}

Onda stairs(Caso& c) {
    Onda o(campioni(0.48));
    somma(o, colpo_legno(c, 520), 0);
    somma(o, colpo_legno(c, 470), campioni(0.24), 0.9f);
    somma(o, scricchiolio(c, 0.17, 55), campioni(0.04), 0.55f);
    somma(o, scricchiolio(c, 0.15, 70), campioni(0.285), 0.45f);
    normalizza(o, 0.45f);
    return o;
}

// Into the bag: a round bubble dropping in pitch.
Onda flub(Caso& c) {
    Onda o = glissato(0.22, [](double t) { return 140 + 520 * std::exp(-t / 0.045); });
    Onda fruscio = filtra(rumore(o.size(), c), "bp", 900, 2.0);
    for (size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / SR;
        o[i] = static_cast<float>(o[i] * inviluppo(t, 0.006, 0.06) + 0.25 * fruscio[i] * inviluppo(t, 0.002, 0.02));
    }
    sfuma(o, 0.0, 0.03);
    normalizza(o, 0.6f);
    return o;
}

// A fly passing by: a buzzing saw, its wings fluttering, its pitch bending as it goes.
Onda mosca(Caso& c) {
    const double sec = 1.6;
    Onda o(campioni(sec));
    double fase = 0, deriva = 0;
    for (size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / SR;
        deriva = 0.9995 * deriva + 0.002 * c.b();
        const double f = 205 + 25 * std::tanh((0.8 - t) * 3) + 9 * std::sin(2 * PI * 5.5 * t) + 300 * deriva;
        fase += f / SR;
        fase -= std::floor(fase);
        const double sega = 2 * fase - 1;
        const double ali = 0.75 + 0.25 * std::sin(2 * PI * f * 0.5 * t);
        o[i] = static_cast<float>(sega * ali);
    }
    o = filtra(o, "bp", 1400, 0.8);
    o = filtra(o, "lp", 4500);
    for (size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / SR;
        o[i] *= static_cast<float>(std::pow(std::sin(PI * t / sec), 1.5));
    }
    normalizza(o, 0.5f);
    return o;
}

// A polite "no": two soft, low, falling notes.
Onda noway(Caso&) {
    Onda o(campioni(0.42));
    const int note[] = {64, 60};
    for (int k = 0; k < 2; ++k) {
        Onda v(campioni(0.2));
        const double f = nota(note[k]);
        for (size_t i = 0; i < v.size(); ++i) {
            const double t = static_cast<double>(i) / SR;
            double s = 0;
            for (int h = 1; h <= 7; h += 2) s += std::sin(2 * PI * f * h * t) / h;  // hollow, square-ish
            v[i] = static_cast<float>(s * inviluppo(t, 0.008, 0.09));
        }
        v = filtra(v, "lp", 1800);
        sfuma(v, 0.0, 0.02);
        somma(o, v, campioni(0.18 * k));
    }
    normalizza(o, 0.4f);
    return o;
}

// Thunder: a crack overhead, then a long rolling rumble, wider than the screen.
Stereo tuono(Caso& c) {
    const double sec = 4.0;
    const size_t n = campioni(sec);
    Stereo s(n);
    for (int lato = 0; lato < 2; ++lato) {
        Onda& o = lato ? s.r : s.l;
        Onda rombo = filtra(rumore_scuro(n, c), "lp", 160, 0.8);
        Onda schiocco = filtra(rumore(n, c), "hp", 900);
        schiocco = filtra(schiocco, "lp", 5000);
        // Slow, irregular swells of the roll.
        Onda onde = filtra(rumore(n, c), "lp", 3, 0.7);
        normalizza(onde, 1.0f);
        for (size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / SR;
            const double rotola = 0.55 + 0.45 * onde[i];
            o[i] = static_cast<float>(rombo[i] * 6.0 * inviluppo(t, 0.08, 1.3) * rotola +
                                      schiocco[i] * 0.9 * inviluppo(t - 0.01 * lato, 0.003, 0.09));
        }
        sfuma(o, 0.0, 0.4);
    }
    normalizza(s, 0.8f);
    return s;
}

// Rain: a hiss of many drops with some close ones pinging, in stereo. Played once, over the
// three seconds the storm pours.
Stereo rain(Caso& c) {
    const double sec = 3.6;
    const size_t n = campioni(sec);
    Stereo s(n);
    for (int lato = 0; lato < 2; ++lato) {
        Onda& o = lato ? s.r : s.l;
        Onda fruscio = filtra(filtra(rumore(n, c), "hp", 500), "lp", 7000);
        for (size_t i = 0; i < n; ++i) o[i] = fruscio[i] * 0.25f;
        for (int k = 0; k < 260; ++k) {
            const size_t t = static_cast<size_t>(c.u() * static_cast<float>(n - campioni(0.05)));
            Onda goccia = filtra(rumore(campioni(0.03), c), "bp", 2500 + 3500 * c.u(), 6.0);
            for (size_t i = 0; i < goccia.size(); ++i) goccia[i] *= inviluppo(static_cast<double>(i) / SR, 0.0005, 0.005);
            somma(o, goccia, t, 0.5f + 0.8f * c.u());
        }
        sfuma(o, 0.35, 0.7);
    }
    normalizza(s, 0.5f);
    return s;
}

// The bean sprouts: a rising, sparkling run of bells over a swelling breath.
Onda cresce(Caso& c) {
    const double sec = 2.4;
    Onda o(campioni(sec));
    const int scala[] = {60, 62, 64, 67, 69, 72, 74, 76, 79, 81, 84, 86};
    for (int k = 0; k < 12; ++k) somma(o, campana(nota(scala[k]), 1.0, 0.35), campioni(0.11 * k), 0.35f);
    Onda soffio = filtra(rumore(o.size(), c), "bp", 1000, 1.5);
    Biquad sweep = Biquad::crea("bp", 400, 2.0);
    for (size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / SR;
        if (i % 64 == 0) sweep.accorda("bp", 300 + 3000 * (t / sec), 2.0);
        o[i] += static_cast<float>(sweep(soffio[i]) * 0.6 * std::sin(PI * std::min(1.0, t / sec)));
    }
    sfuma(o, 0.01, 0.3);
    normalizza(o, 0.6f);
    return o;
}

// A soft woody lead voice for the little tunes.
Onda voce_morbida(double f, double sec, double vibrato) {
    Onda o(campioni(sec));
    double fase = 0;
    for (size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / SR;
        const double ff = f * (1 + vibrato * std::min(1.0, t / 0.3) * std::sin(2 * PI * 5.5 * t));
        fase += 2 * PI * ff / SR;
        const double s = std::sin(fase) + 0.3 * std::sin(2 * fase) + 0.12 * std::sin(3 * fase);
        const double env = std::min(1.0, t / 0.015) * std::min(1.0, (sec - t) / 0.05);
        o[i] = static_cast<float>(s * env);
    }
    return o;
}

// Game over: a slow, sad, slightly comic fall down a minor arpeggio.
Onda fine(Caso&) {
    Onda o(campioni(2.6));
    const struct { int n; double t, d; } note[] = {{67, 0.0, 0.35}, {63, 0.38, 0.35}, {60, 0.76, 0.35}, {59, 1.14, 1.3}};
    for (const auto& x : note) {
        Onda v = voce_morbida(nota(x.n), x.d, x.d > 1 ? 0.012 : 0.004);
        somma(o, v, campioni(x.t));
        somma(o, voce_morbida(nota(x.n - 12), x.d, 0.0), campioni(x.t), 0.4f);
    }
    o = filtra(o, "lp", 2500);
    sfuma(o, 0.0, 0.3);
    normalizza(o, 0.45f);
    return o;
}

// A book glows: a soft, high two-note chime.
Onda attiva(Caso&) {
    Onda o(campioni(0.9));
    somma(o, campana(nota(88), 0.8, 0.25), 0);
    somma(o, campana(nota(95), 0.8, 0.22), campioni(0.07), 0.7f);
    sfuma(o, 0.0, 0.1);
    normalizza(o, 0.35f);
    return o;
}

// The cartoon whistle of a fall.
Onda cade(Caso&) {
    const double sec = 1.3;
    Onda o = glissato(sec, [&](double t) { return (1700 - 1250 * (t / sec)) * (1 + 0.01 * std::sin(2 * PI * 6 * t)); });
    for (size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / SR;
        o[i] *= static_cast<float>(std::min(1.0, t / 0.06) * (1 - 0.4 * t / sec));
    }
    sfuma(o, 0.0, 0.08);
    normalizza(o, 0.3f);
    return o;
}

// Stone giving way: a heavy thud, then a shower of pebbles thinning out.
Onda crash(Caso& c) {
    const double sec = 1.8;
    Onda o(campioni(sec));
    Onda tonfo = filtra(rumore_scuro(campioni(0.6), c), "lp", 180);
    for (size_t i = 0; i < tonfo.size(); ++i) tonfo[i] *= 12.0f * inviluppo(static_cast<double>(i) / SR, 0.003, 0.12);
    somma(o, tonfo, 0);
    for (int k = 0; k < 120; ++k) {
        const double t = 1.5 * std::pow(c.u(), 1.8);
        Onda sasso = filtra(rumore(campioni(0.05), c), "bp", 700 + 2500 * c.u(), 3.0);
        for (size_t i = 0; i < sasso.size(); ++i) sasso[i] *= inviluppo(static_cast<double>(i) / SR, 0.0008, 0.01);
        somma(o, sasso, campioni(t), static_cast<float>((0.6 + 0.8 * c.u()) * std::exp(-t / 0.8)));
    }
    o.resize(campioni(sec));
    sfuma(o, 0.0, 0.2);
    normalizza(o, 0.7f);
    return o;
}

// Well done: a quick rising major arpeggio of bells.
Onda succ(Caso&) {
    Onda o(campioni(1.3));
    const int note[] = {72, 76, 79, 84};
    for (int k = 0; k < 4; ++k) somma(o, campana(nota(note[k]), 1.3 - 0.09 * k, k == 3 ? 0.4 : 0.2), campioni(0.09 * k), k == 3 ? 0.9f : 0.7f);
    sfuma(o, 0.0, 0.15);
    normalizza(o, 0.5f);
    return o;
}

// A bird's call: a few fast chirps swept in frequency.
Onda uccello(Caso& c, double f, int chirp) {
    Onda o;
    for (int k = 0; k < chirp; ++k) {
        const double d = 0.06 + 0.04 * c.u();
        const double su = c.u() < 0.5 ? 1 : -1;
        Onda v = glissato(d, [&](double t) { return f * (1 + su * 0.35 * (t / d) + 0.05 * std::sin(2 * PI * 40 * t)); });
        for (size_t i = 0; i < v.size(); ++i) v[i] *= static_cast<float>(std::sin(PI * i / v.size()));
        somma(o, v, o.size() + campioni(0.03));
    }
    return o;
}

// The jungle: leaves in the wind, crickets and birds, made round so that the loop never
// shows its seam.
Stereo jungla(Caso& c) {
    const double sec = 8.0;
    const size_t n = campioni(sec), coda = campioni(0.5);
    Stereo s(n);
    for (int lato = 0; lato < 2; ++lato) {
        Onda& o = lato ? s.r : s.l;
        // The bed: made a little longer, its end crossfaded into its start.
        Onda letto = filtra(filtra(rumore(n + coda, c), "lp", 900), "hp", 120);
        Onda foglie = filtra(rumore(n + coda, c), "lp", 0.6, 0.7);
        normalizza(foglie, 1.0f);
        for (size_t i = 0; i < n + coda; ++i) letto[i] *= 0.22f * (0.7f + 0.3f * foglie[i]);
        for (size_t i = 0; i < n; ++i) o[i] = letto[i];
        for (size_t i = 0; i < coda; ++i) {
            const double w = static_cast<double>(i) / static_cast<double>(coda);
            o[i] = static_cast<float>(letto[i] * std::sqrt(w) + letto[n + i] * std::sqrt(1 - w));
        }
        // Crickets: a high tone pulsing in trains; the period divides the loop exactly.
        const double f_grillo = lato ? 4650 : 4400;
        for (size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / SR;
            const double treno = std::max(0.0, std::sin(2 * PI * t * 0.5 + lato));
            const double impulso = std::pow(std::max(0.0, std::sin(2 * PI * 30 * t)), 4);
            o[i] += static_cast<float>(0.05 * std::sin(2 * PI * f_grillo * t) * impulso * treno);
        }
    }
    // Birds at scattered times, each nearer one side.
    const double uccelli[][3] = {{0.3, 2400, 4}, {1.7, 3100, 3}, {2.9, 1900, 5}, {4.2, 2700, 2},
                                 {5.1, 3500, 4}, {6.4, 2200, 3}, {7.6, 2900, 4}};
    for (const auto& u : uccelli) {
        Onda v = uccello(c, u[1], static_cast<int>(u[2]));
        const float pan = c.u();
        somma_ciclica(s.l, v, campioni(u[0]), 0.3f * (1 - pan));
        somma_ciclica(s.r, v, campioni(u[0]), 0.3f * pan);
    }
    normalizza(s, 0.45f);
    return s;
}

// The jungle yell: a yodelling voice leaping between chest and head notes.
Onda tarzan(Caso&) {
    const struct { int n; double d; } note[] = {{57, 0.32}, {69, 0.16}, {57, 0.16}, {69, 0.16},
                                                {57, 0.16}, {69, 0.25}, {64, 0.3}, {69, 0.85}};
    double totale = 0;
    for (const auto& x : note) totale += x.d;
    Onda sorgente(campioni(totale));
    double fase = 0, t0 = 0, f_prec = nota(note[0].n);
    size_t i = 0;
    for (const auto& x : note) {
        const size_t m = campioni(x.d);
        for (size_t k = 0; k < m && i < sorgente.size(); ++k, ++i) {
            const double t = static_cast<double>(i) / SR;
            const double glide = std::min(1.0, (t - t0) / 0.035);  // the break of the voice
            const double f = (f_prec + (nota(x.n) - f_prec) * glide) * (1 + 0.02 * std::sin(2 * PI * 6 * t));
            fase += f / SR;
            fase -= std::floor(fase);
            sorgente[i] = static_cast<float>(2 * fase - 1);
        }
        t0 += x.d;
        f_prec = nota(x.n);
    }
    // The vowel "ah".
    Onda o(sorgente.size());
    const double formanti[][3] = {{750, 1.0, 6}, {1150, 0.55, 8}, {2600, 0.25, 10}};
    for (const auto& f : formanti) somma(o, filtra(sorgente, "bp", f[0], f[2]), 0, static_cast<float>(f[1]));
    for (size_t k = 0; k < o.size(); ++k) {
        const double t = static_cast<double>(k) / SR;
        o[k] *= static_cast<float>(std::min(1.0, t / 0.04) * std::min(1.0, (totale - t) / 0.35));
    }
    normalizza(o, 0.6f);
    return o;
}

// The charmer's flute: breathy, with a sinuous tune that makes a rope stand up.
Onda flauto(Caso& c) {
    const struct { int n; double d; } note[] = {{74, 0.3}, {75, 0.15}, {78, 0.15}, {79, 0.45}, {78, 0.15}, {75, 0.15},
                                                {74, 0.6}, {79, 0.3}, {81, 0.15}, {82, 0.15}, {81, 0.3}, {79, 0.3},
                                                {78, 0.15}, {75, 0.15}, {74, 0.9}};
    double totale = 0.2;
    for (const auto& x : note) totale += x.d;
    Onda o(campioni(totale));
    double t = 0;
    for (const auto& x : note) {
        const double d = x.d + 0.06;
        const double f = nota(x.n);
        Onda v = voce_morbida(f, d, 0.008);
        Onda fiato = filtra(rumore(v.size(), c), "bp", f * 2, 4.0);
        for (size_t i = 0; i < v.size(); ++i) {
            const double tt = static_cast<double>(i) / SR;
            v[i] = static_cast<float>(v[i] * 0.8 + fiato[i] * 0.5 * std::min(1.0, (d - tt) / 0.05) * std::min(1.0, tt / 0.01));
        }
        somma(o, v, campioni(t));
        t += x.d;
    }
    o.resize(campioni(totale));
    o = filtra(o, "lp", 6000);
    sfuma(o, 0.005, 0.2);
    normalizza(o, 0.5f);
    return o;
}

}  // namespace

PRODUTTORE(suoni) {
    Caso c(20240601);
    out.file("step.wav", wav16(step(c)));
    out.file("stairs.wav", wav16(stairs(c)));
    out.file("flub.wav", wav16(flub(c)));
    out.file("mosca.wav", wav16(mosca(c)));
    out.file("noway.wav", wav16(noway(c)));
    out.file("tuono.wav", wav16(tuono(c), true));
    out.file("rain.wav", wav16(rain(c), true));
    out.file("cresce.wav", wav16(cresce(c)));
    out.file("fine.wav", wav16(fine(c)));
    out.file("attiva.wav", wav16(attiva(c)));
    out.file("cade.wav", wav16(cade(c)));
    out.file("crash.wav", wav16(crash(c)));
    out.file("succ.wav", wav16(succ(c)));
    out.file("jungla.wav", wav16(jungla(c), true));
    out.file("tarzan.wav", wav16(tarzan(c)));
    out.file("flauto.wav", wav16(flauto(c)));
}
