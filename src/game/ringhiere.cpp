// Railings drawn in front of the professor.

#include "game/form1.h"

namespace didiv {

void Form1::ringhiere() {}

}  // namespace didiv
