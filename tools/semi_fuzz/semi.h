#pragma once
// The fuzzers' seed corpus: a few small files of every kind each loader reads, and a few it
// must refuse, so that fuzzing starts past the header checks. Written by didiv_semi_fuzz
// into fuzz/semi/, and checked against the real loaders by the tests.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/superficie.h"

namespace didiv::semi {

struct Seme {
    std::string nome;           // the file's name in its corpus folder
    std::vector<uint8_t> dati;
    bool letto = false;         // the loader it is meant for reads it; otherwise it refuses it
    Superficie immagine;        // a BMP that is read: the picture it holds
};

// For the BMP loader: every depth, header kind and row order it reads, and malformed files.
std::vector<Seme> semi_bmp();
// For the bundle reader, which the BMP fuzzer also feeds: whole bundles and damaged ones.
std::vector<Seme> semi_pacchetto();
// For the WAV reader: the PCM layouts and rates it reads, and files that lie.
std::vector<Seme> semi_wav();
// For the SoundFont reader and reducer: small fonts and fonts whose tables do not hold together.
std::vector<Seme> semi_soundfont();

// The corpus folders under fuzz/semi/ and what goes in each.
struct Cartella {
    std::string nome;
    std::vector<Seme> semi;
};
std::vector<Cartella> corpus();

}  // namespace didiv::semi
