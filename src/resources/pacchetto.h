#pragma once
// The bundle of built-in pictures: named pictures written by the generator as the game's own
// pixels and compiled into the program, so that showing one needs no decoding at all. A list
// of the pictures comes first; the pixels of one that is never drawn are never read.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/superficie.h"

namespace didiv {

struct VocePacchetto {
    std::string nome;   // control name, e.g. "Picture2"
    int32_t membro;     // member index, 0 for a single control
    Superficie immagine;
};

std::vector<uint8_t> scrivi_pacchetto(const std::vector<VocePacchetto>& voci);
// A damaged bundle is error 481. The pictures are read where they lie in `dati`, which must
// outlive them (their copies too) unless they are drawn into first.
std::vector<VocePacchetto> leggi_pacchetto(std::span<const uint8_t> dati);

// The pictures compiled into this program; empty when none were linked in.
std::span<const uint8_t> pacchetto_incorporato();
std::optional<Superficie> immagine_incorporata(std::string_view nome, int membro);

}  // namespace didiv
