// The level: the collision map painted pixel by pixel from the plan, and the world picture
// drawn to agree with it.

#include "generatore.h"
#include "livello_mappa.h"
#include "livello_pianta.h"
#include "tela.h"

namespace didiv::gen {

PRODUTTORE(livello) {
    out.bmp("gamemap1.bmp", dipingi_mappa());
    out.bmp("gameb2.bmp", disegna_mondo());
}

}  // namespace didiv::gen
