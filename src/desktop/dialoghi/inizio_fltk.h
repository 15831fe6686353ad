#pragma once
// The start dialog on the desktop.

#include <functional>

#include "game/modulo.h"

namespace didiv {

// Shows the start dialog and runs the desktop's events until "Gioca" closes it for good.
// On "Gioca" it sets `m.tempo_limite`, closes the dialog and calls `gioca`, which creates
// and shows the game window and runs its start-up; once that returns, so does this, with 0,
// and the caller goes on running the events of the game. "Esci" and the dialog's close box
// end the process through the platform's End, before any game window exists.
int esegui_inizio(ModuloTres& m, std::function<void()> gioca);

}  // namespace didiv
