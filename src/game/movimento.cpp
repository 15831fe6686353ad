// The movement step against the collision map.

#include "game/form1.h"

namespace didiv {

void Form1::Calcola_mov() {}

}  // namespace didiv
