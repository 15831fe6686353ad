// The professor's sprite, chosen each tick from his state.

#include "game/form1.h"

namespace didiv {

void Form1::passo_personaggio(Trappola&) {}

}  // namespace didiv
