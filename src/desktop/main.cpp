// The desktop program: the start dialog, then the game window.

#include "desktop/suono/audio_sdl.h"
#include "desktop/dialoghi/inizio_fltk.h"
#include "game/modulo.h"
#include "desktop/finestra/avvio_gioco.h"
#include "desktop/finestra/piattaforma_fltk.h"

int main() {
    didiv::PiattaformaFltk piattaforma;
    auto audio = didiv::crea_audio_sdl();
    didiv::ModuloTres modulo(piattaforma, *audio);
    didiv::esegui_inizio(modulo, [&] { didiv::avvia_gioco(modulo); });
    return didiv::ciclo_eventi();
}
