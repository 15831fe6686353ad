#pragma once
// The eleven special books. Each is one book: it stands plain among the others in the world
// picture and lights up in place when the pointer finds it. Both come from one drawing, so a
// lit spine is the same book, its cloth brighter and a glow for its outline.

#include <cairo.h>

#include <cstdint>
#include <string_view>

#include "tela.h"

namespace didiv::gen {

struct TintaSpeciale {
    const char* nome;  // as in the plan's list of special spines
    uint32_t tinta;
};
inline constexpr TintaSpeciale TINTE_SPECIALI[] = {
    {"pagina 1", pal::book_blue},   {"ombrello", pal::book_green}, {"vaso", pal::book_ochre},
    {"mosca", pal::book_red},       {"seme", pal::book_green},     {"forchetta", pal::book_blue},
    {"nuvola", 0x5A6E8C},           {"pagina 7", pal::book_red},   {"libro giungla", pal::book_red},
    {"corda", pal::book_ochre},     {"flauto", 0x6B3A6E},
};

constexpr uint32_t tinta_speciale(std::string_view nome) {
    for (const auto& t : TINTE_SPECIALI)
        if (nome == t.nome) return t.tinta;
    return pal::ink;
}

// The spine filling (x, y) .. (x + w, y + h), plain or lit.
void dorso_speciale(cairo_t* cr, int x, int y, int w, int h, uint32_t tinta, bool acceso);

}  // namespace didiv::gen
