#pragma once
// The asset generator: every picture, sound and tune of the game is drawn or synthesised
// here from code. Each family of assets is one producer, registered by a file of its own.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/superficie.h"

namespace didiv::gen {

class Uscita {
public:
    // A built-in picture: control name and member (0 for a single control).
    void immagine(const std::string& controllo, int membro, Superficie s);
    // A mask/image pair stored as members 0 and 1 of one control.
    void coppia(const std::string& controllo, std::pair<Superficie, Superficie> mi);
    // A data file written beside the program.
    void file(const std::string& nome, std::vector<uint8_t> dati);
    void bmp(const std::string& nome, const Superficie& s);

    const std::map<std::pair<std::string, int>, Superficie>& immagini() const { return immagini_; }
    const std::map<std::string, std::vector<uint8_t>>& files() const { return files_; }

private:
    std::map<std::pair<std::string, int>, Superficie> immagini_;
    std::map<std::string, std::vector<uint8_t>> files_;
};

using Produttore = void (*)(Uscita&);

struct Registrazione {
    Registrazione(const char* nome, Produttore p);
};

std::map<std::string, Produttore>& produttori();

}  // namespace didiv::gen

// Defines and registers a producer: PRODUTTORE(nome) { ... uses `out` ... }
#define PRODUTTORE(nome)                                                              \
    static void produttore_##nome(::didiv::gen::Uscita& out);                        \
    static const ::didiv::gen::Registrazione registrazione_##nome(#nome, produttore_##nome); \
    static void produttore_##nome(::didiv::gen::Uscita& out)
