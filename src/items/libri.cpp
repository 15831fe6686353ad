// The bookshelf layer and the collapsing steps.

#include "game/form1.h"

namespace didiv {

void Form1::libri() {}
void Form1::crolla() {}

}  // namespace didiv
