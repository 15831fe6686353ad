// The press and release of the mouse: a press on the bar starts a drag, a press on the play
// field walks; the release drops the dragged object or ends the walk.

#include "game/form1.h"

namespace didiv {

void Form1::Form_MouseDown(int /*Button*/, int Shift, float X, float Y) {
    Trappola t(modulo, "Form1_mousedown");
    if (fine_partita || finale_attivo || indice_preso != -1) return;
    if (Y > 440)
        premi_barra(t, X, Y);
    else
        premi_campo(t, Shift, X, Y);
}

void Form1::Form_MouseUp(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
    Trappola t(modulo, "Form1_mouseup");
    if (finale_attivo) return;
    if (indice_preso == -1)
        rilascia_cammino(t);
    else
        rilascia_oggetto(t);
}

}  // namespace didiv
