// The bookshelf layer and the collapsing steps.

#include "game/form1.h"

namespace didiv {

namespace {

// An opaque overlay at a world position, shifted by the view in 16-bit arithmetic.
void copia_mondo(Superficie& campo, const Superficie& s, int x, int y, Integer scroll_x, Integer scroll_y) {
    BitBlt(campo, CInt(x - scroll_x), CInt(y - scroll_y), s.ScaleWidth(), s.ScaleHeight(), s, 0, 0,
           Rop::SRCCOPY);
}

}  // namespace

void Form1::libri() {
    Trappola t(modulo, "Form1_libri");
    auto copia = [&](const Superficie& s, int x, int y) { copia_mondo(Picture1, s, x, y, scroll_x, scroll_y); };

    if (pagina1_attiva) {
        t([&] { copia(Picture21, 114, 149); });
        t([&] { copia(Picture22, 130, 159); });
    }
    if (stato_pagina2 == 0) {
        t([&] { copia(membro(Picture23, 0), 398, 171); });
    } else if (stato_pagina2 < 3) {
        t([&] { copia(membro(Picture23, 1), 398, 171); });
    }

    if (fase_ragno < 3) {
        t([&] { ragno(); });
        // The caught professor hangs in front of an otherwise frozen shelf.
        if (fase_ragno == 1) return;
    }

    if (fase_caduta == 1) {
        t([&] { crolla(); });
    } else if (fase_caduta >= 2) {
        t([&] { copia(membro(Picture38, 3), 1004, -104); });
    }

    if (fase_caduta == 3) {
        auto x = [&] { return CInt(static_cast<double>(pos_x - static_cast<float>(scroll_x))); };
        auto y = [&] { return CInt(static_cast<double>(pos_y - static_cast<float>(scroll_y) + 60.0f)); };
        t([&] {
            const auto& m = membro(Picture41, 0);
            BitBlt(Picture1, x(), y(), m.ScaleWidth(), m.ScaleHeight(), m, 0, 0, Rop::SRCAND);
        });
        t([&] {
            const auto& im = membro(Picture41, 1);
            BitBlt(Picture1, x(), y(), im.ScaleWidth(), im.ScaleHeight(), im, 0, 0, Rop::SRCINVERT);
        });
    }

    struct Libro {
        bool acceso;
        const Superficie* dorso;
        int dx, dy;
        const Superficie* etichetta;
        int ex, ey;
    };
    const Libro tabella[] = {
        {stato_ombrello == 1, &Picture24, 466, 10, &Picture25, 480, 20},
        {stato_vaso == 1, &Picture27, 338, -146, &Picture26, 358, -156},
        {stato_mosca == 1, &Picture29, 34, 241, &Picture28, 55, 251},
        {stato_seme == 1, &Picture45, 835, 160, &Picture43, 855, 170},
        {stato_forchetta == 1, &Picture49, 979, 223, &Picture48, 989, 233},
        {stato_nuvola == 1, &Picture51, 945, 193, &Picture47, 955, 203},
        {pagina7_attiva, &Picture50, 904, 132, &Picture46, 914, 142},
        {stato_libro == 1, &Picture59, 1440, 5, nullptr, 0, 0},
    };
    for (const Libro& l : tabella) {
        if (!l.acceso) continue;
        t([&] { copia(*l.dorso, l.dx, l.dy); });
        if (l.etichetta) t([&] { copia(*l.etichetta, l.ex, l.ey); });
    }
    if (stato_tarzan == 0) {
        t([&] { copia(membro(Picture57, 0), 1487, 360); });
    } else if (stato_tarzan < 2) {
        t([&] { copia(membro(Picture57, 1), 1487, 360); });
    }
    if (stato_corda == 1) t([&] { copia(Picture60, 1737, -172); });
    if (stato_flauto == 1) t([&] { copia(Picture58, 1803, -18); });
}

void Form1::crolla() {
    Trappola t(modulo, "Form1_crolla");
    if (pos_x < 880) return;
    int f = 0;
    t([&] { f = static_cast<int>(Int(conta_crolla / 10.0)); });
    t([&] {
        const auto& s = membro(Picture38, f);
        BitBlt(Picture1, CInt(1004 - scroll_x), CInt(-104 - scroll_y), s.ScaleWidth(), s.ScaleHeight(), s, 0, 0,
               Rop::SRCCOPY);
    });
    t([&] {
        conta_crolla += 1;
        if (conta_crolla > 20) conta_crolla = 0;
    });
}

}  // namespace didiv
