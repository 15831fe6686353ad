#include "resources/pacchetto.h"

#include <map>
#include <utility>

extern "C" const uint8_t didiv_immagini_inizio[];
extern "C" const uint8_t didiv_immagini_fine[];

namespace didiv {

std::span<const uint8_t> pacchetto_incorporato() {
    return {didiv_immagini_inizio, static_cast<size_t>(didiv_immagini_fine - didiv_immagini_inizio)};
}

std::optional<Superficie> immagine_incorporata(std::string_view nome, int membro) {
    // The pictures stay in the program's image: a surface copies one only when drawn into.
    static const std::map<std::pair<std::string, int>, Superficie> indice = [] {
        std::map<std::pair<std::string, int>, Superficie> m;
        auto dati = pacchetto_incorporato();
        if (dati.empty()) return m;
        for (auto& v : leggi_pacchetto(dati)) m[{std::move(v.nome), v.membro}] = std::move(v.immagine);
        return m;
    }();
    auto it = indice.find({std::string(nome), membro});
    if (it == indice.end()) return std::nullopt;
    return it->second;
}

}  // namespace didiv
