// The inventory bar and the carried object.

#include "game/form1.h"

namespace didiv {

namespace {

// The picture of each object and how far down the bar it sits; the low ones sit lower.
struct Figura {
    const char* parola;
    Form1::Coppia Form1::*coppia;
    int y_barra;
};
constexpr Figura kFigure[] = {
    {"mosca", &Form1::Picture37, 15},    {"vaso", &Form1::Picture39, 5},
    {"ombrello", &Form1::Picture41, 5},  {"seme", &Form1::Picture44, 5},
    {"nuvola", &Form1::Picture54, 15},   {"forchetta", &Form1::Picture55, 5},
    {"tarzan", &Form1::Picture65, 5},    {"flauto", &Form1::Picture66, 5},
    {"corda", &Form1::Picture67, 5},     {"libro", &Form1::Picture71, 5},
};

const Figura* figura(const std::string& parola) {
    for (const auto& f : kFigure)
        if (parola == f.parola) return &f;
    return nullptr;
}

}  // namespace

void Form1::passo_barra(Trappola& t) {
    t([&] { BitBlt(Picture40, 0, 0, Picture12.ScaleWidth(), Picture12.ScaleHeight(), Picture12, 0, 0, Rop::SRCCOPY); });
    const int ultimo = ultimo_oggetto;
    for (int i = 0; i <= ultimo; ++i) {
        if (i == indice_preso) continue;
        const Figura* fig = nullptr;
        t([&] { fig = figura(membro(inventario, i)); });
        if (!fig) continue;
        const Coppia& c = this->*fig->coppia;
        int x = 0;
        // Centred on the slot; an odd width rounds its half pixel to the even side.
        t([&] { x = CInt(static_cast<double>(Integer(100 * i + 50)) - membro(c, 0).ScaleWidth() / 2.0); });
        t([&] { BitBlt(Picture40, x, fig->y_barra, c[0].ScaleWidth(), c[0].ScaleHeight(), c[0], 0, 0, Rop::SRCAND); });
        t([&] { BitBlt(Picture40, x, fig->y_barra, c[1].ScaleWidth(), c[1].ScaleHeight(), c[1], 0, 0, Rop::SRCINVERT); });
    }
}

void Form1::passo_oggetto_portato(Trappola& t) {
    if (indice_preso == -1) return;
    const Figura* fig = figura(nome_preso);
    if (!fig) return;
    const Coppia& c = this->*fig->coppia;
    t([&] { BitBlt(finestra, preso_x, preso_y, c[0].ScaleWidth(), c[0].ScaleHeight(), c[0], 0, 0, Rop::SRCAND); });
    t([&] { BitBlt(finestra, preso_x, preso_y, c[1].ScaleWidth(), c[1].ScaleHeight(), c[1], 0, 0, Rop::SRCINVERT); });
}

}  // namespace didiv
