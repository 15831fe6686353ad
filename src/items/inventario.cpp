// The inventory: the press on the bar, the drop and the use rules.

#include "game/form1.h"

namespace didiv {

void Form1::premi_barra(Trappola&, float, float) {}
void Form1::rilascia_oggetto(Trappola&) {}

}  // namespace didiv
