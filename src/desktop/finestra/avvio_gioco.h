#pragma once
// The desktop program's entry points for the windows that start the game.

#include "game/modulo.h"

namespace didiv {

// Creates and shows the game window and runs its start-up, with the module's desktop,
// which must be the FLTK one. Returns when start-up is over; the window lives on.
void avvia_gioco(ModuloTres& modulo);

// Runs the desktop's event loop until the process ends.
int ciclo_eventi();

}  // namespace didiv
