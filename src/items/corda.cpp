// The rope charmed by the flute, and the jungle.

#include "game/form1.h"

namespace didiv {

void Form1::strato_corda(Trappola&) {}
void Form1::corda() {}
void Form1::jungla() {}

}  // namespace didiv
