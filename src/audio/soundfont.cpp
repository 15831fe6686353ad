#include "audio/soundfont.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/errori_runtime.h"

namespace didiv {

namespace {

[[noreturn]] void malformato() { solleva(ERR_FORMATO_FILE); }

}  // namespace

// ---- where the bytes come from ------------------------------------------------------------

SoundfontSuFile::SoundfontSuFile(const std::string& percorso) {
    fd_ = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) solleva(ERR_FILE_NON_TROVATO);
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        solleva(ERR_FILE_NON_TROVATO);
    }
    dimensione_ = static_cast<uint64_t>(st.st_size);
}

SoundfontSuFile::~SoundfontSuFile() { ::close(fd_); }

void SoundfontSuFile::leggi(uint64_t pos, void* dst, size_t n) {
    if (pos > dimensione_ || n > dimensione_ - pos) malformato();
    auto* d = static_cast<uint8_t*>(dst);
    while (n > 0) {
        const ssize_t letti = ::pread(fd_, d, n, static_cast<off_t>(pos));
        if (letti < 0 && errno == EINTR) continue;
        if (letti <= 0) malformato();  // shortened under us, or unreadable
        d += letti;
        pos += static_cast<uint64_t>(letti);
        n -= static_cast<size_t>(letti);
    }
}

void SoundfontInMemoria::leggi(uint64_t pos, void* dst, size_t n) {
    if (pos > n_ || n > n_ - pos) malformato();
    if (n) std::memcpy(dst, dati_ + pos, n);
}

namespace {

// ---- records ---------------------------------------------------------------------------------

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

std::array<char, 20> nome(const uint8_t* p) {
    std::array<char, 20> n;
    std::memcpy(n.data(), p, 20);
    return n;
}

// The records' layouts, for reading and writing alike.
template <class T> struct Record;

template <> struct Record<PresetSf2> {
    static constexpr size_t lunghezza = 38;
    static PresetSf2 da(const uint8_t* p) {
        return {nome(p), le16(p + 20), le16(p + 22), le16(p + 24), le32(p + 26), le32(p + 30), le32(p + 34)};
    }
};
template <> struct Record<BagSf2> {
    static constexpr size_t lunghezza = 4;
    static BagSf2 da(const uint8_t* p) { return {le16(p), le16(p + 2)}; }
};
template <> struct Record<ModulatoreSf2> {
    static constexpr size_t lunghezza = 10;
    static ModulatoreSf2 da(const uint8_t* p) {
        return {le16(p), le16(p + 2), static_cast<int16_t>(le16(p + 4)), le16(p + 6), le16(p + 8)};
    }
};
template <> struct Record<GeneratoreSf2> {
    static constexpr size_t lunghezza = 4;
    static GeneratoreSf2 da(const uint8_t* p) { return {le16(p), le16(p + 2)}; }
};
template <> struct Record<StrumentoSf2> {
    static constexpr size_t lunghezza = 22;
    static StrumentoSf2 da(const uint8_t* p) { return {nome(p), le16(p + 20)}; }
};
template <> struct Record<CampioneSf2> {
    static constexpr size_t lunghezza = 46;
    static CampioneSf2 da(const uint8_t* p) {
        return {nome(p), le32(p + 20), le32(p + 24), le32(p + 28), le32(p + 32), le32(p + 36),
                p[40], static_cast<int8_t>(p[41]), le16(p + 42), le16(p + 44)};
    }
};

class Uscita {
public:
    void u8(uint8_t v) { b_.push_back(v); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void tag(const char* t) { b_.insert(b_.end(), t, t + 4); }
    void byte(const void* p, size_t n) {
        const auto* c = static_cast<const uint8_t*>(p);
        b_.insert(b_.end(), c, c + n);
    }
    // A chunk whose size is filled in when it is closed.
    size_t apri(const char* id) {
        tag(id);
        u32(0);
        return b_.size();
    }
    size_t apri_lista(const char* tipo) {
        const size_t p = apri("LIST");
        tag(tipo);
        return p;
    }
    void chiudi(size_t inizio) {
        const size_t n = b_.size() - inizio;
        if (n > std::numeric_limits<uint32_t>::max()) malformato();
        for (int i = 0; i < 4; ++i) b_[inizio - 4 + static_cast<size_t>(i)] = static_cast<uint8_t>(n >> (8 * i));
        if (n & 1) u8(0);
    }
    std::vector<uint8_t>& dati() { return b_; }

    void scrivi(const PresetSf2& r) {
        byte(r.nome.data(), 20);
        u16(r.programma), u16(r.banco), u16(r.primo_bag);
        u32(r.libreria), u32(r.genere), u32(r.morfologia);
    }
    void scrivi(const BagSf2& r) { u16(r.primo_generatore), u16(r.primo_modulatore); }
    void scrivi(const ModulatoreSf2& r) {
        u16(r.sorgente), u16(r.destinazione), u16(static_cast<uint16_t>(r.quantita));
        u16(r.sorgente_quantita), u16(r.trasformazione);
    }
    void scrivi(const GeneratoreSf2& r) { u16(r.tipo), u16(r.valore); }
    void scrivi(const StrumentoSf2& r) {
        byte(r.nome.data(), 20);
        u16(r.primo_bag);
    }
    void scrivi(const CampioneSf2& r) {
        byte(r.nome.data(), 20);
        u32(r.inizio), u32(r.fine), u32(r.inizio_ciclo), u32(r.fine_ciclo), u32(r.frequenza);
        u8(r.tono_originale), u8(static_cast<uint8_t>(r.correzione));
        u16(r.collegamento), u16(r.tipo);
    }
    template <class T>
    void tabella(const char* id, const std::vector<T>& righe) {
        const size_t c = apri(id);
        for (const T& r : righe) scrivi(r);
        chiudi(c);
    }

private:
    std::vector<uint8_t> b_;
};

// ---- reading the headers -----------------------------------------------------------------

struct Intervallo {
    uint64_t da = 0, a = 0;  // bytes of a chunk's body
};

struct IntestazioneChunk {
    char id[4];
    uint32_t dimensione;
};

IntestazioneChunk leggi_intestazione(SorgenteSoundfont& s, uint64_t p, uint64_t fine) {
    if (fine < p || fine - p < 8) malformato();
    uint8_t b[8];
    s.leggi(p, b, 8);
    IntestazioneChunk c;
    std::memcpy(c.id, b, 4);
    c.dimensione = le32(b + 4);
    if (c.dimensione > fine - p - 8) malformato();
    return c;
}

bool chiamato(const char id[4], const char* atteso) { return std::memcmp(id, atteso, 4) == 0; }

// The LIST chunk of type `tipo` at `p`, which must be there; `p` moves past it and its pad byte.
Intervallo lista(SorgenteSoundfont& s, uint64_t& p, uint64_t fine, const char* tipo) {
    const IntestazioneChunk c = leggi_intestazione(s, p, fine);
    if (!chiamato(c.id, "LIST") || c.dimensione < 4) malformato();
    char t[4];
    s.leggi(p + 8, t, 4);
    if (!chiamato(t, tipo)) malformato();
    const Intervallo corpo{p + 12, p + 8 + c.dimensione};
    p = corpo.a + (c.dimensione & 1);
    return corpo;
}

void leggi_info(SorgenteSoundfont& s, Intervallo info, IndiceSoundfont& x) {
    bool versione = false;
    for (uint64_t p = info.da; p < info.a;) {
        const IntestazioneChunk c = leggi_intestazione(s, p, info.a);
        if (chiamato(c.id, "ifil")) {
            if (c.dimensione != 4) malformato();
            uint8_t v[4];
            s.leggi(p + 8, v, 4);
            x.versione_maggiore = le16(v);
            x.versione_minore = le16(v + 2);
            versione = true;
        }
        p += 8 + uint64_t{c.dimensione} + (c.dimensione & 1);
    }
    // Version 3 fonts hold compressed samples, whose points cannot be cut out of the chunk.
    if (!versione || x.versione_maggiore != 2) malformato();
}

void leggi_sdta(SorgenteSoundfont& s, Intervallo sdta, IndiceSoundfont& x) {
    const IntestazioneChunk smpl = leggi_intestazione(s, sdta.da, sdta.a);
    // An odd smpl makes the synthesizer refuse every sample in it.
    if (!chiamato(smpl.id, "smpl") || smpl.dimensione % 2) malformato();
    x.pos_smpl = sdta.da + 8;
    x.punti = smpl.dimensione / 2;
    // The synthesizer takes the low bytes only from a 2.04 font, from an sm24 right after smpl
    // that holds one byte a point, rounded up to an even size; otherwise it ignores them.
    const uint64_t p = x.pos_smpl + smpl.dimensione;
    if (x.versione_minore < 4 || sdta.a - p <= 8) return;
    const IntestazioneChunk sm24 = leggi_intestazione(s, p, sdta.a);
    if (chiamato(sm24.id, "sm24") && sm24.dimensione == x.punti + (x.punti & 1)) {
        x.ha_sm24 = true;
        x.pos_sm24 = p + 8;
    }
}

template <class T>
std::vector<T> tabella(SorgenteSoundfont& s, uint64_t& p, uint64_t fine, const char* id) {
    const IntestazioneChunk c = leggi_intestazione(s, p, fine);
    constexpr size_t L = Record<T>::lunghezza;
    // At least the terminal record.
    if (!chiamato(c.id, id) || c.dimensione % L || c.dimensione == 0) malformato();
    std::vector<uint8_t> b(c.dimensione);
    s.leggi(p + 8, b.data(), b.size());
    p += 8 + uint64_t{c.dimensione};
    std::vector<T> v;
    v.reserve(b.size() / L);
    for (size_t i = 0; i < b.size(); i += L) v.push_back(Record<T>::da(b.data() + i));
    return v;
}

// ---- zones -----------------------------------------------------------------------------------

// One zone as the synthesizer's loader reads it: a key range counts only as the zone's first
// generator and a velocity range only as its first or right after the key range; the first
// instrument generator (sample, in an instrument) ends the zone, and what follows it is dropped.
struct Zona {
    uint32_t gen_da = 0, gen_a = 0;  // what is written: up to the ending generator, included
    uint32_t mod_da = 0, mod_a = 0;
    bool globale = true;  // no ending generator
    uint16_t riferimento = 0;
    int tasto_min = 0, tasto_max = 127, vel_min = 0, vel_max = 127;

    bool contiene(const NotaSuonata& n) const {
        return tasto_min <= n.tasto && n.tasto <= tasto_max && vel_min <= n.velocita && n.velocita <= vel_max;
    }
};

Zona zona(const std::vector<BagSf2>& bag, const std::vector<GeneratoreSf2>& gen, size_t b, uint16_t finale) {
    Zona z;
    z.gen_da = bag[b].primo_generatore;
    z.gen_a = bag[b + 1].primo_generatore;
    z.mod_da = bag[b].primo_modulatore;
    z.mod_a = bag[b + 1].primo_modulatore;
    int livello = 0;
    for (uint32_t k = z.gen_da; k < z.gen_a; ++k) {
        const GeneratoreSf2& g = gen[k];
        if (g.tipo == GEN_TASTI) {
            if (livello == 0) {
                livello = 1;
                z.tasto_min = g.valore & 0xFF;
                z.tasto_max = g.valore >> 8;
            }
        } else if (g.tipo == GEN_VELOCITA) {
            if (livello <= 1) {
                livello = 2;
                z.vel_min = g.valore & 0xFF;
                z.vel_max = g.valore >> 8;
            }
        } else if (g.tipo == finale) {
            z.globale = false;
            z.riferimento = g.valore;
            z.gen_a = k + 1;
            break;
        } else {
            livello = 2;
        }
    }
    return z;
}

// Indices into `bag` of the zones of record `r`.
template <class T>
std::pair<size_t, size_t> zone_di(const std::vector<T>& righe, size_t r) {
    return {righe[r].primo_bag, righe[r + 1].primo_bag};
}

// Bag indices start at 0, never go backwards, and the terminal record points at the last bag,
// so that every record's zones lie in the table; the same for the bags' generators and
// modulators. Every ending generator names a record that exists below.
template <class T>
void controlla_livello(const std::vector<T>& righe, const std::vector<BagSf2>& bag,
                       const std::vector<ModulatoreSf2>& mod, const std::vector<GeneratoreSf2>& gen,
                       uint16_t finale, size_t sotto) {
    if (righe.empty() || bag.empty() || mod.empty() || gen.empty()) malformato();
    if (righe.front().primo_bag != 0 || righe.back().primo_bag != bag.size() - 1) malformato();
    for (size_t i = 1; i < righe.size(); ++i)
        if (righe[i].primo_bag < righe[i - 1].primo_bag) malformato();
    if (bag.front().primo_generatore != 0 || bag.back().primo_generatore != gen.size() - 1 ||
        bag.front().primo_modulatore != 0 || bag.back().primo_modulatore != mod.size() - 1)
        malformato();
    for (size_t i = 1; i < bag.size(); ++i)
        if (bag[i].primo_generatore < bag[i - 1].primo_generatore ||
            bag[i].primo_modulatore < bag[i - 1].primo_modulatore)
            malformato();
    for (size_t b = 0; b + 1 < bag.size(); ++b) {
        const Zona z = zona(bag, gen, b, finale);
        if (!z.globale && z.riferimento >= sotto) malformato();
    }
}

void controlla_tabelle(const IndiceSoundfont& x) {
    if (x.campioni.empty() || x.strumenti.empty()) malformato();
    controlla_livello(x.preset, x.bag_preset, x.mod_preset, x.gen_preset, GEN_STRUMENTO, x.strumenti.size() - 1);
    controlla_livello(x.strumenti, x.bag_strumenti, x.mod_strumenti, x.gen_strumenti, GEN_CAMPIONE,
                      x.campioni.size() - 1);
}

// ---- what the notes reach ----------------------------------------------------------------

using Note = std::set<NotaSuonata>;

// The preset a program change lands on, -1 for none: the one asked for, else for a melodic bank
// (0, program) and then (0, 0), for the drum bank (128, 0). The synthesizer sorts its presets
// with a merge that puts equal ones in reverse order, so of several with the same bank and
// program it always finds the last in the file.
int preset_scelto(const std::vector<PresetSf2>& preset, int banco, int programma) {
    // Its sort compares bank << 16 | program as an int: past bank 32767 the order is no longer
    // one the reduction can foresee, and with it which of equal presets is found.
    const bool ordine_incerto =
        std::any_of(preset.begin(), preset.end() - 1, [](const PresetSf2& p) { return p.banco > 0x7FFF; });
    const auto cerca = [&](int b, int p) {
        int trovato = -1, quanti = 0;
        for (size_t i = 0; i + 1 < preset.size(); ++i)
            if (preset[i].banco == b && preset[i].programma == p) trovato = static_cast<int>(i), ++quanti;
        if (quanti > 1 && ordine_incerto) malformato();
        return trovato;
    };
    int i = cerca(banco, programma);
    if (i >= 0) return i;
    if (banco == 128) return cerca(128, 0);
    i = cerca(0, programma);
    return i >= 0 ? i : cerca(0, 0);
}

// For each record of one level that has notes: its global zone, and every zone one of its notes
// falls in. The notes a kept zone lets through go to the record it names below.
template <class T>
std::vector<std::vector<Zona>> scegli_zone(const std::vector<T>& righe, const std::vector<BagSf2>& bag,
                                           const std::vector<GeneratoreSf2>& gen, uint16_t finale,
                                           const std::vector<Note>& note, std::vector<Note>& sotto) {
    std::vector<std::vector<Zona>> tenute(righe.size() - 1);
    for (size_t r = 0; r + 1 < righe.size(); ++r) {
        if (note[r].empty()) continue;
        const auto [da, a] = zone_di(righe, r);
        for (size_t b = da; b < a; ++b) {
            const Zona z = zona(bag, gen, b, finale);
            if (z.globale) {
                // The loader takes a zone naming nothing as the global one only when it comes
                // first, and drops it anywhere else: kept there, it could become first here.
                if (b == da) tenute[r].push_back(z);
                continue;
            }
            bool presa = false;
            for (const NotaSuonata& n : note[r])
                if (z.contiene(n)) {
                    sotto[z.riferimento].insert(n);
                    presa = true;
                }
            if (presa) tenute[r].push_back(z);
        }
    }
    return tenute;
}

// The zones kept, written as a new level: records in their order with the renumbered references.
template <class T>
void scrivi_livello(const std::vector<T>& righe, const std::vector<std::vector<Zona>>& tenute,
                    const std::vector<int>& nuovi, const std::vector<int>& nuovi_sotto,
                    const std::vector<ModulatoreSf2>& mod, const std::vector<GeneratoreSf2>& gen,
                    std::vector<T>& righe_out, std::vector<BagSf2>& bag_out, std::vector<ModulatoreSf2>& mod_out,
                    std::vector<GeneratoreSf2>& gen_out, const char* fine) {
    const auto bag_qui = [&] {
        bag_out.push_back({static_cast<uint16_t>(gen_out.size()), static_cast<uint16_t>(mod_out.size())});
    };
    for (size_t r = 0; r + 1 < righe.size(); ++r) {
        if (nuovi[r] < 0) continue;
        T t = righe[r];
        t.primo_bag = static_cast<uint16_t>(bag_out.size());
        righe_out.push_back(t);
        for (const Zona& z : tenute[r]) {
            bag_qui();
            gen_out.insert(gen_out.end(), gen.begin() + z.gen_da, gen.begin() + z.gen_a);
            if (!z.globale) gen_out.back().valore = static_cast<uint16_t>(nuovi_sotto[z.riferimento]);
            mod_out.insert(mod_out.end(), mod.begin() + z.mod_da, mod.begin() + z.mod_a);
        }
    }
    T terminale{};
    std::memcpy(terminale.nome.data(), fine, std::strlen(fine));
    terminale.primo_bag = static_cast<uint16_t>(bag_out.size());
    righe_out.push_back(terminale);
    bag_qui();
    mod_out.push_back({});
    gen_out.push_back({});
}

// New indices of the records kept, -1 for the others.
std::vector<int> numera(const std::vector<bool>& tenuto) {
    std::vector<int> v(tenuto.size(), -1);
    int n = 0;
    for (size_t i = 0; i < tenuto.size(); ++i)
        if (tenuto[i]) v[i] = n++;
    return v;
}

constexpr uint32_t MARGINE = 46;  // points the format keeps around every sample
constexpr uint16_t CAMPIONE_STEREO = 2 | 4 | 8;  // right, left, linked: the link names the other half

// The points a kept sample may be read at, with the margin either side.
Intervallo punti_di(const CampioneSf2& c, uint32_t punti) {
    const uint32_t lo = std::min({c.inizio, c.fine, c.inizio_ciclo, c.fine_ciclo});
    const uint32_t hi = std::max({c.inizio, c.fine, c.inizio_ciclo, c.fine_ciclo});
    return {lo > MARGINE ? lo - MARGINE : 0, std::min<uint64_t>(uint64_t{hi} + MARGINE, punti)};
}

}  // namespace

IndiceSoundfont leggi_indice_soundfont(SorgenteSoundfont& s) {
    uint8_t testa[12];
    s.leggi(0, testa, 12);
    const uint64_t fine = 8 + uint64_t{le32(testa + 4)};
    if (std::memcmp(testa, "RIFF", 4) != 0 || std::memcmp(testa + 8, "sfbk", 4) != 0 || fine < 12 ||
        fine > s.dimensione())
        malformato();

    IndiceSoundfont x;
    uint64_t p = 12;
    // The synthesizer takes the three lists in this order only.
    const Intervallo info = lista(s, p, fine, "INFO");
    const Intervallo sdta = lista(s, p, fine, "sdta");
    const Intervallo pdta = lista(s, p, fine, "pdta");
    leggi_info(s, info, x);
    leggi_sdta(s, sdta, x);

    uint64_t q = pdta.da;
    x.preset = tabella<PresetSf2>(s, q, pdta.a, "phdr");
    x.bag_preset = tabella<BagSf2>(s, q, pdta.a, "pbag");
    x.mod_preset = tabella<ModulatoreSf2>(s, q, pdta.a, "pmod");
    x.gen_preset = tabella<GeneratoreSf2>(s, q, pdta.a, "pgen");
    x.strumenti = tabella<StrumentoSf2>(s, q, pdta.a, "inst");
    x.bag_strumenti = tabella<BagSf2>(s, q, pdta.a, "ibag");
    x.mod_strumenti = tabella<ModulatoreSf2>(s, q, pdta.a, "imod");
    x.gen_strumenti = tabella<GeneratoreSf2>(s, q, pdta.a, "igen");
    x.campioni = tabella<CampioneSf2>(s, q, pdta.a, "shdr");
    controlla_tabelle(x);
    return x;
}

std::vector<uint8_t> riduci_soundfont(const IndiceSoundfont& x, SorgenteSoundfont& s, const Note& note) {
    // The index may come from anywhere: nothing below reads past its tables.
    controlla_tabelle(x);
    const size_t n_preset = x.preset.size() - 1, n_strumenti = x.strumenti.size() - 1,
                 n_campioni = x.campioni.size() - 1;

    std::vector<Note> note_preset(n_preset), note_strumenti(n_strumenti), note_campioni(n_campioni);
    for (const NotaSuonata& n : note) {
        const int p = preset_scelto(x.preset, n.banco, n.programma);
        if (p >= 0) note_preset[static_cast<size_t>(p)].insert(n);
    }
    const auto zone_preset =
        scegli_zone(x.preset, x.bag_preset, x.gen_preset, GEN_STRUMENTO, note_preset, note_strumenti);
    const auto zone_strumenti =
        scegli_zone(x.strumenti, x.bag_strumenti, x.gen_strumenti, GEN_CAMPIONE, note_strumenti, note_campioni);

    std::vector<bool> tenuto(n_campioni);
    std::vector<size_t> da_vedere;
    for (size_t c = 0; c < n_campioni; ++c)
        if (!note_campioni[c].empty()) tenuto[c] = true, da_vedere.push_back(c);
    // The other half of a stereo pair comes along.
    while (!da_vedere.empty()) {
        const CampioneSf2& c = x.campioni[da_vedere.back()];
        da_vedere.pop_back();
        if (!(c.tipo & CAMPIONE_STEREO)) continue;
        if (c.collegamento >= n_campioni) malformato();
        if (!tenuto[c.collegamento]) tenuto[c.collegamento] = true, da_vedere.push_back(c.collegamento);
    }

    // The points kept: every kept sample's span, overlapping or touching spans merged, in order.
    std::vector<std::pair<Intervallo, size_t>> spazi;
    for (size_t c = 0; c < n_campioni; ++c) {
        if (!tenuto[c]) continue;
        const CampioneSf2& k = x.campioni[c];
        // ROM samples are not in the file; compressed ones cannot be cut.
        if (k.tipo & ~uint16_t{0x000F}) malformato();
        if (std::max({k.inizio, k.fine, k.inizio_ciclo, k.fine_ciclo}) > x.punti) malformato();
        spazi.push_back({punti_di(k, x.punti), c});
    }
    std::sort(spazi.begin(), spazi.end(), [](const auto& a, const auto& b) { return a.first.da < b.first.da; });
    std::vector<Intervallo> uniti;
    std::vector<int64_t> spostamento(n_campioni);  // new position minus old, by sample
    uint64_t prima = 0;  // points written before the span being merged
    for (const auto& [iv, c] : spazi) {
        if (uniti.empty() || iv.da > uniti.back().a) {
            if (!uniti.empty()) prima += uniti.back().a - uniti.back().da;
            uniti.push_back(iv);
        } else {
            uniti.back().a = std::max(uniti.back().a, iv.a);
        }
        spostamento[c] = static_cast<int64_t>(prima) - static_cast<int64_t>(uniti.back().da);
    }
    const uint64_t scritti = uniti.empty() ? 0 : prima + uniti.back().a - uniti.back().da;
    // Not one sample: a few silent points, so that the synthesizer has sample data to load.
    const uint64_t punti_out = uniti.empty() ? MARGINE : scritti;

    const std::vector<int> nuovi_preset = [&] {
        std::vector<bool> t(n_preset);
        for (size_t p = 0; p < n_preset; ++p) t[p] = !note_preset[p].empty();
        return numera(t);
    }();
    const std::vector<int> nuovi_strumenti = [&] {
        std::vector<bool> t(n_strumenti);
        for (size_t i = 0; i < n_strumenti; ++i) t[i] = !note_strumenti[i].empty();
        return numera(t);
    }();
    const std::vector<int> nuovi_campioni = numera(tenuto);

    IndiceSoundfont y;
    scrivi_livello(x.preset, zone_preset, nuovi_preset, nuovi_strumenti, x.mod_preset, x.gen_preset, y.preset,
                   y.bag_preset, y.mod_preset, y.gen_preset, "EOP");
    scrivi_livello(x.strumenti, zone_strumenti, nuovi_strumenti, nuovi_campioni, x.mod_strumenti,
                   x.gen_strumenti, y.strumenti, y.bag_strumenti, y.mod_strumenti, y.gen_strumenti, "EOI");
    for (size_t c = 0; c < n_campioni; ++c) {
        if (!tenuto[c]) continue;
        CampioneSf2 k = x.campioni[c];
        const auto sposta = [&](uint32_t& v) { v = static_cast<uint32_t>(v + spostamento[c]); };
        sposta(k.inizio), sposta(k.fine), sposta(k.inizio_ciclo), sposta(k.fine_ciclo);
        k.collegamento = (k.tipo & CAMPIONE_STEREO) ? static_cast<uint16_t>(nuovi_campioni[k.collegamento]) : 0;
        y.campioni.push_back(k);
    }
    y.campioni.push_back(CampioneSf2{{'E', 'O', 'S'}});

    Uscita o;
    const size_t riff = o.apri("RIFF");
    o.tag("sfbk");
    const size_t info = o.apri_lista("INFO");
    const size_t ifil = o.apri("ifil");
    o.u16(x.versione_maggiore), o.u16(x.versione_minore);
    o.chiudi(ifil);
    const size_t isng = o.apri("isng");
    o.byte("EMU8000", 8);
    o.chiudi(isng);
    const size_t inam = o.apri("INAM");
    o.byte("didiv", 6);
    o.chiudi(inam);
    o.chiudi(info);

    if (punti_out * 3 > std::numeric_limits<uint32_t>::max()) malformato();
    const size_t sdta = o.apri_lista("sdta");
    const size_t smpl = o.apri("smpl");
    const size_t inizio_punti = o.dati().size();
    o.dati().resize(inizio_punti + punti_out * 2);
    for (size_t i = 0, p = inizio_punti; i < uniti.size(); p += (uniti[i].a - uniti[i].da) * 2, ++i)
        s.leggi(x.pos_smpl + uniti[i].da * 2, o.dati().data() + p, (uniti[i].a - uniti[i].da) * 2);
    o.chiudi(smpl);
    if (x.ha_sm24) {
        const size_t sm24 = o.apri("sm24");
        const size_t inizio_bassi = o.dati().size();
        o.dati().resize(inizio_bassi + punti_out + (punti_out & 1));
        for (size_t i = 0, p = inizio_bassi; i < uniti.size(); p += uniti[i].a - uniti[i].da, ++i)
            s.leggi(x.pos_sm24 + uniti[i].da, o.dati().data() + p, uniti[i].a - uniti[i].da);
        o.chiudi(sm24);
    }
    o.chiudi(sdta);

    const size_t pdta = o.apri_lista("pdta");
    o.tabella("phdr", y.preset);
    o.tabella("pbag", y.bag_preset);
    o.tabella("pmod", y.mod_preset);
    o.tabella("pgen", y.gen_preset);
    o.tabella("inst", y.strumenti);
    o.tabella("ibag", y.bag_strumenti);
    o.tabella("imod", y.mod_strumenti);
    o.tabella("igen", y.gen_strumenti);
    o.tabella("shdr", y.campioni);
    o.chiudi(pdta);
    o.chiudi(riff);
    return std::move(o.dati());
}

const std::vector<std::string>& soundfont_candidati() {
    static const std::vector<std::string> v = {
        "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",
        "/usr/share/soundfonts/freepats-general-midi.sf2",
        "/usr/share/soundfonts/TimGM6mb.sf2",
    };
    return v;
}

}  // namespace didiv
