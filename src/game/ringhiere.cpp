// Railings drawn in front of the professor.

#include "game/form1.h"

namespace didiv {

void Form1::ringhiere() {
    Trappola t(modulo, "Form1_ringhiere");

    // Five places in the world; the bands of pos_y never overlap within one range of pos_x.
    Integer x, y, larghezza;
    if (pos_x > 280.0f && pos_x < 1500.0f) {
        if (pos_y > 10.0f && pos_y < 186.0f) t([&] { x = 298; y = 133; larghezza = 238; });
        if (pos_y > -163.0f && pos_y < 7.0f) t([&] { x = 298; y = -47; larghezza = 238; });
        if (pos_y < -178.0f) t([&] { x = 458; y = -231; larghezza = Picture15[0].ScaleWidth(); });
    } else {
        if (pos_y > -225.0f && pos_y < -54.0f) t([&] { x = 1662; y = -108; larghezza = 238; });
        if (pos_y < -228.0f) t([&] { x = 1664; y = -288; larghezza = Picture15[0].ScaleWidth(); });
    }

    t([&] {
        const Superficie& m = Picture15[0];
        BitBlt(Picture1, CInt(x - scroll_x), CInt(y - scroll_y), larghezza, m.ScaleHeight(), m, 0, 0,
               Rop::SRCAND);
    });
    t([&] {
        const Superficie& im = Picture15[1];
        BitBlt(Picture1, CInt(x - scroll_x), CInt(y - scroll_y), larghezza, im.ScaleHeight(), im, 0, 0,
               Rop::SRCINVERT);
    });
}

}  // namespace didiv
