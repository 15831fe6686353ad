#pragma once
// The bundle of built-in pictures: a list of named BMP files, written by the generator and
// compiled into the program.

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
    std::vector<uint8_t> bmp;
};

std::vector<uint8_t> scrivi_pacchetto(const std::vector<VocePacchetto>& voci);
// A damaged bundle is error 481.
std::vector<VocePacchetto> leggi_pacchetto(std::span<const uint8_t> dati);

// The pictures compiled into this program; empty when none were linked in.
std::span<const uint8_t> pacchetto_incorporato();
std::optional<Superficie> immagine_incorporata(std::string_view nome, int membro);

}  // namespace didiv
