// The window's own pictures: the frame, the empty bar, the banners, the pointer icons and
// the window icon.

#include "generatore.h"
#include "tela.h"

namespace didiv::gen {

PRODUTTORE(finestra) {
    Tela cornice(480, 540);
    colore(cornice.cr(), pal::walnut);
    cairo_paint(cornice.cr());
    colore(cornice.cr(), 0);
    cairo_rectangle(cornice.cr(), 40, 40, 400, 400);
    cairo_fill(cornice.cr());
    out.immagine("Picture64", 0, cornice.opaca());

    Tela barra(400, 60);
    colore(barra.cr(), pal::parchment);
    cairo_paint(barra.cr());
    out.immagine("Picture12", 0, barra.opaca());
}

}  // namespace didiv::gen
