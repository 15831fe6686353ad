#pragma once
// The ten objects, drawn in their own picture's coordinates: the inventory pictures and the
// illustrations of their pages share one drawing.

#include <cairo.h>

#include <string>

namespace didiv::gen {

struct MisuraOggetto {
    const char* parola;
    const char* controllo;
    int w, h;
};
inline constexpr MisuraOggetto kOggetti[] = {
    {"mosca", "Picture37", 61, 29},    {"vaso", "Picture39", 53, 47},
    {"ombrello", "Picture41", 65, 46}, {"seme", "Picture44", 50, 49},
    {"nuvola", "Picture54", 64, 21},   {"forchetta", "Picture55", 34, 50},
    {"tarzan", "Picture65", 31, 48},   {"flauto", "Picture66", 43, 48},
    {"corda", "Picture67", 50, 46},    {"libro", "Picture71", 43, 48},
};

// Draws the object of that word into (0, 0) .. (w, h) of the current user space.
void disegna_oggetto(cairo_t* cr, const std::string& parola);

}  // namespace didiv::gen
