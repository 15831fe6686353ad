#include "semi_fuzz/sf2.h"

#include <algorithm>
#include <cstring>

#include "semi_fuzz/scrittore.h"

namespace didiv::semi {

namespace {

void nome(Scrittore& s, const std::string& n) {
    std::vector<uint8_t> b(20, 0);
    std::copy_n(n.begin(), std::min<size_t>(n.size(), 20), b.begin());
    s.byte(b);
}

struct Livello {
    Scrittore bag, mod, gen;
    uint32_t n_bag = 0, n_mod = 0, n_gen = 0;

    void zone(const std::vector<ZonaDescritta>& zone) {
        for (const auto& z : zone) {
            bag.u16(n_gen), bag.u16(n_mod);
            ++n_bag;
            for (const auto& g : z.gen) gen.u16(g.tipo), gen.u16(g.valore), ++n_gen;
            for (const auto& m : z.mod) {
                mod.u16(m.sorgente), mod.u16(m.destinazione), mod.u16(static_cast<uint16_t>(m.quantita));
                mod.u16(m.sorgente_quantita), mod.u16(m.trasformazione);
                ++n_mod;
            }
        }
    }
    // The terminal records.
    void chiudi() {
        bag.u16(n_gen), bag.u16(n_mod);
        for (int i = 0; i < 5; ++i) mod.u16(0);
        gen.u32(0);
    }
};

}  // namespace

PezziSf2 pezzi_sf2(const Sf2Descritto& d) {
    PezziSf2 p;
    Scrittore info;
    Scrittore ifil;
    ifil.u16(d.versione_maggiore), ifil.u16(d.versione_minore);
    info.chunk("ifil", ifil.dati());
    info.chunk("isng", {'E', 'M', 'U', '8', '0', '0', '0', 0});
    info.chunk("INAM", {'p', 'r', 'o', 'v', 'a', 0});
    p.info = info.dati();

    Scrittore smpl;
    for (int16_t v : d.punti) smpl.u16(static_cast<uint16_t>(v));
    p.smpl = smpl.dati();
    p.sm24 = d.bassi;

    Scrittore phdr, inst, shdr;
    Livello lp, li;
    for (const auto& r : d.preset) {
        nome(phdr, r.nome);
        phdr.u16(r.programma), phdr.u16(r.banco), phdr.u16(lp.n_bag);
        phdr.u32(0), phdr.u32(0), phdr.u32(0);
        lp.zone(r.zone);
    }
    nome(phdr, "EOP");
    phdr.u16(0), phdr.u16(0), phdr.u16(lp.n_bag);
    phdr.u32(0), phdr.u32(0), phdr.u32(0);
    lp.chiudi();
    for (const auto& r : d.strumenti) {
        nome(inst, r.nome);
        inst.u16(li.n_bag);
        li.zone(r.zone);
    }
    nome(inst, "EOI");
    inst.u16(li.n_bag);
    li.chiudi();
    auto campioni = d.campioni;
    campioni.push_back(campione("EOS", 0, 0, 0, 0, 0));
    for (const auto& c : campioni) {
        nome(shdr, std::string(c.nome.data(), strnlen(c.nome.data(), 20)));
        shdr.u32(c.inizio), shdr.u32(c.fine), shdr.u32(c.inizio_ciclo), shdr.u32(c.fine_ciclo);
        shdr.u32(c.frequenza);
        shdr.dati().push_back(c.tono_originale);
        shdr.dati().push_back(static_cast<uint8_t>(c.correzione));
        shdr.u16(c.collegamento), shdr.u16(c.tipo);
    }
    p.pdta = {{"phdr", phdr.dati()},  {"pbag", lp.bag.dati()}, {"pmod", lp.mod.dati()},
              {"pgen", lp.gen.dati()}, {"inst", inst.dati()},  {"ibag", li.bag.dati()},
              {"imod", li.mod.dati()}, {"igen", li.gen.dati()}, {"shdr", shdr.dati()}};
    return p;
}

std::vector<uint8_t> unisci_sf2(const PezziSf2& p) {
    const auto lista = [](const char* tipo, const std::vector<uint8_t>& corpo) {
        Scrittore l;
        l.tag(tipo);
        l.byte(corpo);
        return l.dati();
    };
    Scrittore sdta, pdta, corpo, file;
    sdta.chunk("smpl", p.smpl);
    if (!p.sm24.empty()) sdta.chunk("sm24", p.sm24);
    for (const auto& [id, t] : p.pdta) pdta.chunk(id.c_str(), t);
    corpo.tag("sfbk");
    corpo.chunk("LIST", lista("INFO", p.info));
    corpo.chunk("LIST", lista("sdta", sdta.dati()));
    corpo.chunk("LIST", lista("pdta", pdta.dati()));
    file.chunk("RIFF", corpo.dati());
    return file.dati();
}

GeneratoreSf2 tasti(int da, int a) { return {GEN_TASTI, static_cast<uint16_t>(da | (a << 8))}; }
GeneratoreSf2 velocita(int da, int a) { return {GEN_VELOCITA, static_cast<uint16_t>(da | (a << 8))}; }

CampioneSf2 campione(const std::string& nome, uint32_t inizio, uint32_t fine, uint32_t inizio_ciclo,
                     uint32_t fine_ciclo, uint16_t tipo, uint16_t collegamento) {
    CampioneSf2 c;
    std::copy_n(nome.begin(), std::min<size_t>(nome.size(), 20), c.nome.begin());
    c.inizio = inizio, c.fine = fine, c.inizio_ciclo = inizio_ciclo, c.fine_ciclo = fine_ciclo;
    c.frequenza = tipo ? 22050 : 0;
    c.tono_originale = tipo ? 60 : 0;
    c.tipo = tipo, c.collegamento = collegamento;
    return c;
}

Sf2Descritto sf2_campionario(bool bassi) {
    // Generators by number: 16 reverb, 17 pan, 34 attack, 48 attenuation, 51 coarse tune.
    const auto g = [](uint16_t tipo, int valore) { return GeneratoreSf2{tipo, static_cast<uint16_t>(valore)}; };
    const auto str = [&](uint16_t i) { return g(GEN_STRUMENTO, i); };
    const auto cam = [&](uint16_t i) { return g(GEN_CAMPIONE, i); };
    // Velocity to attenuation, and a second one whose amount the first drives (a linked pair).
    const ModulatoreSf2 velocita_volume{0x0502, 48, 960, 0, 0};
    const ModulatoreSf2 collegato{0x0081, 0x8000, 200, 0, 0};

    Sf2Descritto d;
    d.versione_minore = bassi ? 4 : 1;
    d.preset = {
        {"Piano", 0, 0, {{{g(16, 200)}, {velocita_volume}}, {{tasti(0, 127), str(0)}, {}}}},
        {"Archi", 0, 48, {{{tasti(40, 100), str(1)}, {}}, {{velocita(100, 127), str(0)}, {}}}},
        {"Archi due", 1, 48, {{{str(1)}, {}}}},
        {"Standard", 128, 0, {{{str(2)}, {}}}},
        {"Power", 128, 16, {{{g(48, 30)}, {}}, {{str(2)}, {}}}},
        {"Basso", 0, 33, {{{g(17, 10)}, {}}, {{str(3)}, {collegato, velocita_volume}}, {{g(17, 20)}, {}}}},
        {"Doppio primo", 0, 5, {{{str(0)}, {}}}},
        {"Doppio secondo", 0, 5, {{{str(1)}, {}}}},
        {"Sinistra", 0, 49, {{{str(4)}, {}}}},
    };
    d.strumenti = {
        {"Piano",
         {{{g(48, 20)}, {velocita_volume}},
          {{tasti(0, 59), g(17, -100), cam(0)}, {}},
          {{tasti(60, 127), velocita(1, 100), cam(1)}, {}},
          {{tasti(60, 127), velocita(101, 127), g(51, 12), cam(1)}, {}}}},
        {"Archi", {{{tasti(0, 127), g(17, -500), cam(2)}, {}}, {{tasti(0, 127), g(17, 500), cam(3)}, {}},
                   {{g(34, -3000)}, {}}}},
        {"Batteria", {{{tasti(36, 36), cam(4)}, {}}, {{g(17, 300)}, {}}, {{tasti(38, 38), cam(5), g(17, 100)}, {}},
                      {{tasti(49, 49), cam(6)}, {}}}},
        {"Basso", {{{g(17, 50), tasti(0, 10), cam(7)}, {}}}},
        {"Sinistra sola", {{{cam(2)}, {}}}},
    };
    d.campioni = {
        campione("piano basso", 20, 400, 30, 350),     campione("piano alto", 500, 800, 600, 780),
        campione("archi sinistra", 900, 1200, 950, 1150, 4, 3),
        campione("archi destra", 1300, 1600, 1350, 1550, 2, 2),
        campione("cassa", 1700, 1900, 1700, 1900),     campione("rullante", 1950, 2150, 1960, 2100),
        campione("piatto", 2300, 2500, 2310, 2490),    campione("basso", 2600, 2880, 2560, 2870),
    };
    for (int i = 0; i < 2900; ++i) d.punti.push_back(static_cast<int16_t>((i * 7919 + 13) % 65521 - 32760));
    if (bassi)
        for (int i = 0; i < 2900; ++i) d.bassi.push_back(static_cast<uint8_t>(i * 31 + 7));
    return d;
}

}  // namespace didiv::semi
