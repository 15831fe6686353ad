// The desktop program: the start dialog, then the game window.

#include "audio/uscita/audio_sdl.h"
#include "dialogs/fltk/inizio_fltk.h"
#include "game/modulo.h"
#include "platform/fltk/avvio_gioco.h"
#include "platform/fltk/piattaforma_fltk.h"

int main() {
    didiv::PiattaformaFltk piattaforma;
    auto audio = didiv::crea_audio_sdl();
    didiv::ModuloTres modulo(piattaforma, *audio);
    didiv::esegui_inizio(modulo, [&] { didiv::avvia_gioco(modulo); });
    return didiv::ciclo_eventi();
}
