// The inventory bar and the carried object.

#include "game/form1.h"

namespace didiv {

void Form1::passo_barra(Trappola& t) {
    t([&] { BitBlt(Picture40, 0, 0, Picture12.ScaleWidth(), Picture12.ScaleHeight(), Picture12, 0, 0, Rop::SRCCOPY); });
}

void Form1::passo_oggetto_portato(Trappola&) {}

}  // namespace didiv
