// The level: the collision map painted pixel by pixel from the plan, and the world picture
// drawn to agree with it.

#include "generatore.h"
#include "livello_mappa.h"
#include "livello_pianta.h"
#include "tela.h"

namespace didiv::gen {

const Superficie& mondo() {
    static const Superficie m = disegna_mondo();
    return m;
}

void dipingi_mondo(cairo_t* cr, int x, int y, int w, int h) { dipingi_superficie(cr, mondo(), x, y + livello::RIGA_ZERO, w, h); }

PRODUTTORE(livello) {
    out.bmp("gamemap1.bmp", dipingi_mappa());
    out.bmp("gameb2.bmp", mondo());
}

}  // namespace didiv::gen
