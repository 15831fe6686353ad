// The final animation.

#include "game/form1.h"

namespace didiv {

void Form1::anim_finale() {}

}  // namespace didiv
