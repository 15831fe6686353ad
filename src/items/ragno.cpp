// The spider guarding the upper passage.

#include "game/form1.h"

namespace didiv {

void Form1::ragno() {}

}  // namespace didiv
