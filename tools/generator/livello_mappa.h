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

// The last stone steps at (1004, -104), 48 x 63, cut from the world: 0 to 2 cracking under
// him, 3 fallen through where he drops into the shaft.
Superficie gradini_che_crollano(int fase);

// What stands on the near side of the chasm, in front of the jungle too: the ends of the rim
// and of bookcase 3's floors, and the wall above. World coordinates.
void sponda_del_baratro(cairo_t* cr);

}  // namespace didiv::gen
