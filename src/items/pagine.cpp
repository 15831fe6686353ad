// Hot spots under the pointer, the book pages and collecting their objects.

#include "game/form1.h"

namespace didiv {

void Form1::Form_MouseMove(int, int, float, float) {}
void Form1::Form_Click() {
    Trappola t(modulo, "Form1_click");
    if (fine_partita) Unload();
}
void Form1::sorvola(Trappola&, float, float) {}
void Form1::trascina(Trappola&, float, float) {}

}  // namespace didiv
