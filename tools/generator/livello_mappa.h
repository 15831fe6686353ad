#pragma once
// The two pictures of the level.

#include <cairo.h>

#include "platform/superficie.h"

namespace didiv::gen {

// The collision map, 2200 x 800: black, with the plan's white, red, blue, green, magenta.
Superficie dipingi_mappa();

// The world picture the player sees, 2200 x 800.
Superficie disegna_mondo();
// The same, drawn once: the pictures the game copies over the world are composed on it.
const Superficie& mondo();

// What stands on the near side of the chasm, in front of the jungle too: the ends of the rim
// and of bookcase 3's floors, and the wall above. World coordinates.
void sponda_del_baratro(cairo_t* cr);

}  // namespace didiv::gen
