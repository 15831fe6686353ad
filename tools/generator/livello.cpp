// The level: the world picture and its collision map.

#include "generatore.h"
#include "tela.h"

namespace didiv::gen {

PRODUTTORE(livello) {
    Tela mondo(2200, 800);
    colore(mondo.cr(), pal::wall);
    cairo_paint(mondo.cr());
    colore(mondo.cr(), pal::plank);
    cairo_rectangle(mondo.cr(), 0, 685, 2200, 115);
    cairo_fill(mondo.cr());
    out.bmp("gameb2.bmp", mondo.opaca());

    Superficie mappa(2200, 800);
    for (int x = -10; x <= 2100; ++x) mappa.PSet(x + 14, 684, RGB(255, 255, 255));
    out.bmp("gamemap1.bmp", mappa);
}

}  // namespace didiv::gen
