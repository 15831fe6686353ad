#pragma once
// The two pictures of the level.

#include <cairo.h>

#include <functional>

#include "platform/superficie.h"

namespace didiv::gen {

// The collision map, 2200 x 800: black, with the plan's white, red, blue, green, magenta.
Superficie dipingi_mappa();

// What fills the chasm beyond the library's right end, drawn in world coordinates: `dentro`
// inside the opening, before the near side (the rim, the floors reaching out, the broken
// wall) is drawn over it; `davanti`, if any, after the near side.
struct Baratro {
    std::function<void(cairo_t*)> dentro;
    std::function<void(cairo_t*)> davanti;
};

// The world picture the player sees, 2200 x 800, with the chasm as a gorge at night.
Superficie disegna_mondo();
// The same with something else in the chasm.
Superficie disegna_mondo(const Baratro& baratro);
// The same, drawn once: the pictures the game copies over the world are composed on it.
const Superficie& mondo();
// Paints the w x h of it at world (x, y) with its top-left at (0, 0) of user space: an opaque
// picture the game copies there starts from it, so that only what it adds shows.
void dipingi_mondo(cairo_t* cr, int x, int y, int w, int h);

// The last stone steps at (1004, -104), 48 x 63, cut from the world: 0 to 2 cracking under
// him, 3 fallen through where he drops into the shaft.
Superficie gradini_che_crollano(int fase);

}  // namespace didiv::gen
