// The world picture.

#include "livello_mappa.h"
#include "livello_pianta.h"
#include "tela.h"

namespace didiv::gen {

Superficie disegna_mondo() {
    Tela mondo(livello::LARGHEZZA, livello::ALTEZZA);
    colore(mondo.cr(), pal::wall);
    cairo_paint(mondo.cr());
    return mondo.opaca();
}

}  // namespace didiv::gen
