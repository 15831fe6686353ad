// The desktop program. Until the start dialog is in, it opens the game window directly,
// in free play.

#include "game/modulo.h"
#include "platform/fltk/audio_muto.h"
#include "platform/fltk/avvio_gioco.h"
#include "platform/fltk/piattaforma_fltk.h"

int main() {
    didiv::PiattaformaFltk piattaforma;
    didiv::AudioMuto audio;
    didiv::ModuloTres modulo(piattaforma, audio);
    modulo.tempo_limite = 0;
    didiv::avvia_gioco(modulo);
    return didiv::ciclo_eventi();
}
