// The professor's sprite, chosen each tick from his state.

#include "game/form1.h"

namespace didiv {

namespace {

enum class Posto { personaggio, salto, flauto };

struct Punto {
    int x, y;
};

}  // namespace

void Form1::passo_personaggio(Trappola& t) {
    if (fine_partita || finale_attivo) return;

    // The walk and climb cycles: frame 0 between two strides. Any other digit shows frame 0.
    auto ciclo = [&](Coppia& f0, Coppia& f1, Coppia& f2) -> Coppia& {
        if (fotogramma == 1) return f1;
        if (fotogramma == 2) return f2;
        return f0;
    };

    // The first row that holds wins: requests, then leaps, the flute, the facing, the umbrella.
    Coppia* posa = &Picture16;
    Posto posto = Posto::personaggio;
    if (va_destra) {
        posa = &ciclo(Picture2, su_scala ? Picture6 : Picture3, su_scala ? Picture7 : Picture4);
    } else if (va_sinistra) {
        posa = &ciclo(Picture11, su_scala ? Picture17 : Picture9, su_scala ? Picture18 : Picture10);
    } else if (sale || scende) {
        posa = &ciclo(Picture16, Picture13, Picture14);
    } else if (salta_destra) {
        posa = &Picture19;
        posto = Posto::salto;
    } else if (salta_sinistra) {
        posa = &Picture20;
        posto = Posto::salto;
    } else if (fase_corda == 2) {
        posa = &Picture68;
        posto = Posto::flauto;
    } else if (direzione == 1 && fase_caduta != 4) {
        posa = &Picture2;
    } else if (direzione == 0) {
        posa = &Picture11;
    } else if (fase_caduta == 4) {
        posa = &Picture42;
    }

    // Worked out anew for each copy, so a failure in one does not stop the other.
    auto dove = [&]() -> Punto {
        switch (posto) {
        case Posto::flauto:
            return {CInt(1435 - static_cast<int>(scroll_x)), CInt(276 - static_cast<int>(scroll_y))};
        case Posto::salto:
            return {CInt(static_cast<double>(pos_x - static_cast<float>(scroll_x))),
                    CInt(static_cast<double>((pos_y - 8.0f) - static_cast<float>(scroll_y)))};
        case Posto::personaggio:
            break;
        }
        return {CInt(static_cast<double>(pos_x - static_cast<float>(scroll_x))),
                CInt(static_cast<double>(pos_y - static_cast<float>(scroll_y)))};
    };

    t([&] {
        const Punto p = dove();
        const Superficie& m = (*posa)[0];
        BitBlt(Picture1, p.x, p.y, m.ScaleWidth(), m.ScaleHeight(), m, 0, 0, Rop::SRCAND);
    });
    t([&] {
        const Punto p = dove();
        const Superficie& im = (*posa)[1];
        BitBlt(Picture1, p.x, p.y, im.ScaleWidth(), im.ScaleHeight(), im, 0, 0, Rop::SRCINVERT);
    });
}

}  // namespace didiv
