// The storm and the magic bean plant.

#include "game/form1.h"

namespace didiv {

void Form1::strato_pianta(Trappola&) {}
void Form1::strato_seme(Trappola&) {}
void Form1::pianta() {}
void Form1::pianta2() {}

}  // namespace didiv
