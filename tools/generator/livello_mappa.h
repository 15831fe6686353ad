#pragma once
// The two pictures of the level.

#include "platform/superficie.h"

namespace didiv::gen {

// The collision map, 2200 x 800: black, with the plan's white, red, blue, green, magenta.
Superficie dipingi_mappa();

// The world picture the player sees, 2200 x 800.
Superficie disegna_mondo();

}  // namespace didiv::gen
