#pragma once
// SoundFont 2 files, read as far as their preset tables and cut down to what the tunes strike:
// the synthesizer then holds the few samples the notes play instead of a whole General MIDI
// font. The reduced font plays every given note exactly as the whole one does, because it is
// chosen the way the synthesizer chooses: its preset lookup, its reading of key and velocity
// ranges, its zone and sample rules.

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "audio/midi.h"

namespace didiv {

// The paths where distributions install a General MIDI soundfont, in the order the game
// tries them.
const std::vector<std::string>& soundfont_candidati();

// Where the font's bytes come from. Reads that run past the end are run-time error 321.
class SorgenteSoundfont {
public:
    virtual ~SorgenteSoundfont() = default;
    virtual uint64_t dimensione() const = 0;
    virtual void leggi(uint64_t pos, void* dst, size_t n) = 0;
};

// The installed file, read a stretch at a time where asked: never mapped, never read whole.
class SoundfontSuFile : public SorgenteSoundfont {
public:
    explicit SoundfontSuFile(const std::string& percorso);  // error 53 when it cannot be opened
    ~SoundfontSuFile() override;
    SoundfontSuFile(const SoundfontSuFile&) = delete;
    SoundfontSuFile& operator=(const SoundfontSuFile&) = delete;

    uint64_t dimensione() const override { return dimensione_; }
    void leggi(uint64_t pos, void* dst, size_t n) override;

private:
    int fd_ = -1;
    uint64_t dimensione_ = 0;
};

// Bytes someone else owns, for as long as this lives.
class SoundfontInMemoria : public SorgenteSoundfont {
public:
    SoundfontInMemoria(const uint8_t* dati, size_t n) : dati_(dati), n_(n) {}
    uint64_t dimensione() const override { return n_; }
    void leggi(uint64_t pos, void* dst, size_t n) override;

private:
    const uint8_t* dati_;
    size_t n_;
};

// The preset tables' records with their fields decoded, each table ending with its terminal
// record as in the file.
struct PresetSf2 {
    std::array<char, 20> nome{};
    uint16_t programma = 0, banco = 0, primo_bag = 0;
    uint32_t libreria = 0, genere = 0, morfologia = 0;
};
struct BagSf2 {
    uint16_t primo_generatore = 0, primo_modulatore = 0;
};
struct ModulatoreSf2 {
    uint16_t sorgente = 0, destinazione = 0;
    int16_t quantita = 0;
    uint16_t sorgente_quantita = 0, trasformazione = 0;
    bool operator==(const ModulatoreSf2&) const = default;
};
struct GeneratoreSf2 {
    uint16_t tipo = 0;
    uint16_t valore = 0;  // a range keeps its low end in the low byte
    bool operator==(const GeneratoreSf2&) const = default;
};
struct StrumentoSf2 {
    std::array<char, 20> nome{};
    uint16_t primo_bag = 0;
};
struct CampioneSf2 {
    std::array<char, 20> nome{};
    uint32_t inizio = 0, fine = 0, inizio_ciclo = 0, fine_ciclo = 0;  // in points of smpl
    uint32_t frequenza = 0;
    uint8_t tono_originale = 0;
    int8_t correzione = 0;
    uint16_t collegamento = 0, tipo = 0;
    bool operator==(const CampioneSf2&) const = default;
};

// Generators the reduction reads.
constexpr uint16_t GEN_STRUMENTO = 41;
constexpr uint16_t GEN_TASTI = 43;
constexpr uint16_t GEN_VELOCITA = 44;
constexpr uint16_t GEN_CAMPIONE = 53;

struct IndiceSoundfont {
    uint16_t versione_maggiore = 0, versione_minore = 0;  // ifil
    uint64_t pos_smpl = 0;  // of the first 16-bit point
    uint32_t punti = 0;     // in smpl
    // The low bytes of 24-bit points, when the synthesizer reads them: a version 2.04 or later
    // font whose sm24 follows smpl with one byte a point.
    bool ha_sm24 = false;
    uint64_t pos_sm24 = 0;

    std::vector<PresetSf2> preset;
    std::vector<BagSf2> bag_preset;
    std::vector<ModulatoreSf2> mod_preset;
    std::vector<GeneratoreSf2> gen_preset;
    std::vector<StrumentoSf2> strumenti;
    std::vector<BagSf2> bag_strumenti;
    std::vector<ModulatoreSf2> mod_strumenti;
    std::vector<GeneratoreSf2> gen_strumenti;
    std::vector<CampioneSf2> campioni;
};

// The RIFF headers and the preset tables, never the sample data. A file that is not a version 2
// SoundFont with the chunks in the synthesizer's order, or whose tables do not hold together
// (zone indices that go backwards or past their tables, references to instruments or samples
// that do not exist, a missing terminal record), is run-time error 321.
IndiceSoundfont leggi_indice_soundfont(SorgenteSoundfont& s);

// A complete SoundFont holding what the notes strike: the presets they select, the preset and
// instrument zones their keys and velocities reach, and the points of the samples those zones
// play, with 46 points either side. Error 321 whenever the result could sound otherwise than
// the whole font: the caller then hands the synthesizer the whole file.
std::vector<uint8_t> riduci_soundfont(const IndiceSoundfont& indice, SorgenteSoundfont& s,
                                      const std::set<NotaSuonata>& note);

}  // namespace didiv
