#pragma once
// The balustrade that the game draws in front of the professor, and the five places of the
// world where it stands. The world picture shows it at the same places, so that drawing it
// over him changes only what covers him.

#include <utility>

#include "platform/superficie.h"

namespace didiv::gen {

struct PostoRinghiera {
    int x, y;       // world corner
    int larghezza;  // columns shown, from the picture's left edge
};
inline constexpr PostoRinghiera POSTI_RINGHIERA[] = {
    {298, 133, 238}, {298, -47, 238}, {458, -231, 400}, {1662, -108, 238}, {1664, -288, 400},
};

// Mask and image, 400 x 60.
std::pair<Superficie, Superficie> disegna_ringhiera();

// Puts the balustrades on a picture of the world whose top-left is world (x, y), as the game
// draws them (mask, then image), so that when he walks into their band only what covers him
// changes.
void metti_ringhiere(Superficie& s, int x, int y);

}  // namespace didiv::gen
