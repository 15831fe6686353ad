#pragma once
// Small SoundFont 2 files written from a description, for the soundfont fuzzer's seeds and the
// reducer's tests. Nothing is checked, so that broken fonts can be described as well; the chunks
// are handed out before they are put together, for breaking one of them.

#include <string>
#include <utility>
#include <vector>

#include "audio/soundfont.h"

namespace didiv::semi {

struct ZonaDescritta {
    std::vector<GeneratoreSf2> gen;
    std::vector<ModulatoreSf2> mod;
};
struct PresetDescritto {
    std::string nome;
    uint16_t banco = 0, programma = 0;
    std::vector<ZonaDescritta> zone;
};
struct StrumentoDescritto {
    std::string nome;
    std::vector<ZonaDescritta> zone;
};
struct Sf2Descritto {
    uint16_t versione_maggiore = 2, versione_minore = 1;
    std::vector<PresetDescritto> preset;
    std::vector<StrumentoDescritto> strumenti;
    std::vector<CampioneSf2> campioni;  // names past 20 characters are cut
    std::vector<int16_t> punti;
    std::vector<uint8_t> bassi;  // an sm24 chunk after smpl when not empty, as given
};

// The bodies of the chunks, in the order they are written.
struct PezziSf2 {
    std::vector<uint8_t> info;  // the sub-chunks of LIST INFO
    std::vector<uint8_t> smpl, sm24;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> pdta;  // the nine tables
};

PezziSf2 pezzi_sf2(const Sf2Descritto& d);
std::vector<uint8_t> unisci_sf2(const PezziSf2& p);
inline std::vector<uint8_t> scrivi_sf2(const Sf2Descritto& d) { return unisci_sf2(pezzi_sf2(d)); }

GeneratoreSf2 tasti(int da, int a);
GeneratoreSf2 velocita(int da, int a);
CampioneSf2 campione(const std::string& nome, uint32_t inizio, uint32_t fine, uint32_t inizio_ciclo,
                     uint32_t fine_ciclo, uint16_t tipo = 1, uint16_t collegamento = 0);

// A font with what the reducer must get right: zones naming nothing that are not first, which the
// synthesizer drops, key and velocity ranges it reads and one it ignores, an instrument two
// presets share, a stereo pair, loops that start before their sample, presets that a program
// change falls back to, the same bank and program twice, and every point a different value.
// `bassi` makes it a version 2.04 font with 24-bit points.
Sf2Descritto sf2_campionario(bool bassi = false);

}  // namespace didiv::semi
