// Keyboard and mouse walking controls.

#include "game/form1.h"

namespace didiv {

void Form1::tasti(int, int) {}
void Form1::Form_KeyDown(int, int) {}
void Form1::Form_KeyPress(int) {}
void Form1::Form_KeyUp(int, int) {}
void Form1::Form_DblClick() {
    Trappola t(modulo, "Form1_dblclick");
    if (fine_partita) Unload();
}
void Form1::premi_campo(Trappola&, int, float, float) {}
void Form1::rilascia_cammino(Trappola&) {}

}  // namespace didiv
