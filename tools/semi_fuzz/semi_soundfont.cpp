// SoundFont seeds: the reducer's sample font and a one-sample font, then fonts whose tables do
// not hold together in one way each.

#include "semi_fuzz/scrittore.h"
#include "semi_fuzz/semi.h"
#include "semi_fuzz/sf2.h"

namespace didiv::semi {
namespace {

Seme letto(std::string nome, std::vector<uint8_t> d) { return {std::move(nome), std::move(d), true, {}}; }
Seme rifiutato(std::string nome, std::vector<uint8_t> d) { return {std::move(nome), std::move(d), false, {}}; }

Sf2Descritto minimo() {
    Sf2Descritto d;
    d.preset = {{"Uno", 0, 0, {{{{48, 10}}, {}}, {{tasti(0, 127), {GEN_STRUMENTO, 0}}, {}}}}};
    d.strumenti = {{"Uno", {{{{GEN_CAMPIONE, 0}}, {}}}}};
    d.campioni = {campione("uno", 46, 86, 50, 80)};
    for (int i = 0; i < 132; ++i) d.punti.push_back(static_cast<int16_t>(i * 97));
    return d;
}

// The minimal font with `cambia` done to its chunks.
template <class F>
std::vector<uint8_t> guasto(F cambia) {
    PezziSf2 p = pezzi_sf2(minimo());
    cambia(p);
    return unisci_sf2(p);
}

std::vector<uint8_t>& tabella(PezziSf2& p, const char* id) {
    for (auto& [nome, t] : p.pdta)
        if (nome == id) return t;
    return p.pdta.front().second;
}

}  // namespace

std::vector<Seme> semi_soundfont() {
    std::vector<Seme> v;
    v.push_back(letto("campionario.sf2", scrivi_sf2(sf2_campionario())));
    v.push_back(letto("campionario_24_bit.sf2", scrivi_sf2(sf2_campionario(true))));
    v.push_back(letto("minimo.sf2", scrivi_sf2(minimo())));
    // An odd-sized chunk and its pad byte before the version.
    v.push_back(letto("info_dispari.sf2", guasto([](PezziSf2& p) {
        Scrittore s;
        s.chunk("ICMT", {'a', 'b', 'c'});
        p.info.insert(p.info.begin(), s.dati().begin(), s.dati().end());
    })));
    // Read, but not reduced: the sample is in ROM.
    v.push_back(letto("campione_rom.sf2", [] {
        Sf2Descritto d = minimo();
        d.campioni[0].tipo = 0x8001;
        return scrivi_sf2(d);
    }()));

    const auto intero = scrivi_sf2(minimo());
    v.push_back(rifiutato("rifiuto_troncato.sf2", {intero.begin(), intero.end() - 1}));
    v.push_back(rifiutato("rifiuto_versione_3.sf2", guasto([](PezziSf2& p) { p.info[8] = 3; })));
    v.push_back(rifiutato("rifiuto_pgen_dispari.sf2", guasto([](PezziSf2& p) { tabella(p, "pgen").push_back(0); })));
    v.push_back(rifiutato("rifiuto_senza_terminale.sf2",
                          guasto([](PezziSf2& p) { tabella(p, "igen").resize(tabella(p, "igen").size() - 4); })));
    v.push_back(rifiutato("rifiuto_bag_indietro.sf2", guasto([](PezziSf2& p) { tabella(p, "pbag")[4] = 5; })));
    v.push_back(rifiutato("rifiuto_strumento_inesistente.sf2", guasto([](PezziSf2& p) { tabella(p, "pgen")[10] = 1; })));
    return v;
}

}  // namespace didiv::semi
