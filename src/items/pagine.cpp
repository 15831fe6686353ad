// Hot spots under the pointer, the book pages and collecting their objects.

#include <cmath>

#include "game/form1.h"
#include "platform/bmp.h"

namespace didiv {

namespace {

// A pixel coordinate from the pointer's floating-point position; far outside the map reads
// as no colour.
int coordinata(double v) {
    if (!(v > -1e6 && v < 1e6)) return -1;
    return static_cast<int>(std::nearbyint(v));
}

// The books that hold an object, in the order their pages pile up into the inventory.
struct Raccolta {
    const char* parola;
    Integer Form1::*stato;
};
constexpr Raccolta kRaccolta[] = {
    {"mosca", &Form1::stato_mosca},         {"vaso", &Form1::stato_vaso},
    {"ombrello", &Form1::stato_ombrello},   {"seme", &Form1::stato_seme},
    {"forchetta", &Form1::stato_forchetta}, {"nuvola", &Form1::stato_nuvola},
    {"tarzan", &Form1::stato_tarzan},       {"flauto", &Form1::stato_flauto},
    {"corda", &Form1::stato_corda},         {"libro", &Form1::stato_libro},
};

// An object's book on the shelves: open bounds of map x, in the order the pointer is tried.
struct Libro {
    float da, a;
    Integer Form1::*stato;
};
constexpr Libro kLibriPrima[] = {
    {466, 480, &Form1::stato_ombrello}, {338, 350, &Form1::stato_vaso},
    {34, 50, &Form1::stato_mosca},      {835, 849, &Form1::stato_seme},
    {979, 993, &Form1::stato_forchetta}, {945, 958, &Form1::stato_nuvola},
};
constexpr Libro kLibriDopo[] = {
    {1737, 1751, &Form1::stato_corda},
    {1803, 1818, &Form1::stato_flauto},
    {1487, 1518, &Form1::stato_tarzan},
};

// Pages that open on a click, in page order (the fly's page has a step of its own).
struct Pagina {
    Integer Form1::*stato;
    const char* file;
};
constexpr Pagina kPagineOggetto1[] = {
    {&Form1::stato_ombrello, "lib4.bmp"},
    {&Form1::stato_vaso, "lib5.bmp"},
};
constexpr Pagina kPagineOggetto2[] = {
    {&Form1::stato_seme, "lib6.bmp"},
    {&Form1::stato_forchetta, "lib9.bmp"},
    {&Form1::stato_nuvola, "lib8.bmp"},
};
constexpr Pagina kPagineOggetto3[] = {
    {&Form1::stato_tarzan, "lib10.bmp"},
    {&Form1::stato_flauto, "lib11.bmp"},
    {&Form1::stato_corda, "lib12.bmp"},
    {&Form1::stato_libro, "lib13.bmp"},
};

}  // namespace

void Form1::Form_MouseMove(int, int, float X, float Y) {
    Trappola t(modulo, "Form1_mousemove");
    if (fine_partita) return;
    if (indice_preso != -1)
        trascina(t, X, Y);
    else
        sorvola(t, X, Y);
}

void Form1::trascina(Trappola& t, float X, float Y) {
    t([&] { preso_x = X; });
    t([&] { preso_y = Y; });
}

void Form1::sorvola(Trappola& t, float X, float Y) {
    bool acceso = false;
    Colore c = -1;
    t([&] {
        const double mx = static_cast<double>(scroll_x) + X - 40;
        const double my = static_cast<double>(Y) + 360 + scroll_y;
        c = Picture8.Point(coordinata(mx), coordinata(my));
    });

    if (c == MAPPA_MAGENTA) {
        const float mx = static_cast<float>(scroll_x) + X - 40;
        auto dentro = [&](float da, float a) { return mx > da && mx < a; };
        auto punta = [&](const Libro& l) {
            if (!dentro(l.da, l.a)) return;
            t([&] {
                Integer& s = this->*l.stato;
                if (s == 0) {
                    s = 1;
                    acceso = true;
                }
            });
        };

        if (dentro(117, 125)) {
            pagina1_attiva = true;
            acceso = true;
        }
        if (dentro(398, 433)) t([&] {
            if (stato_pagina2 == 1) stato_pagina2 = 2;
        });
        for (const auto& l : kLibriPrima) punta(l);
        if (dentro(904, 917)) {
            pagina7_attiva = true;
            acceso = true;
        }
        // The jungle book lies on a ledge: it only answers to a professor standing there.
        if (dentro(1440, 1455) && pos_x >= 1360 && pos_x < 1420) t([&] {
            if (stato_libro == 0) {
                stato_libro = 1;
                acceso = true;
            }
        });
        for (const auto& l : kLibriDopo) punta(l);

        t([&] {
            // Both halves are asked, as the sound is asked even when nothing lit.
            const bool suona = suono_attiva.GetStatus() != DSBSTATUS_PLAYING;
            if (suona && acceso) suono_attiva.Play(0);
        });
    } else {
        t([&] { suono_attiva.Stop(); });
        t([&] { suono_attiva.SetCurrentPosition(0); });
        pagina1_attiva = false;
        pagina7_attiva = false;
        for (const auto& r : kRaccolta) t([&] {
            Integer& s = this->*r.stato;
            if (s == 1) s = 0;
        });
    }
}

void Form1::Form_Click() {
    Trappola t(modulo, "Form1_click");
    if (fine_partita) {
        Unload();
        return;
    }
    if (finale_attivo) return;

    if (Timer1.Enabled) {
        bool pagina = false;
        auto apri = [&](const char* file) {
            t([&] { Timer1.Enabled = false; });
            t([&] { Picture63 = LoadPicture(file); });
        };
        auto apri_oggetto = [&](const Pagina& p) {
            Integer& s = this->*p.stato;
            if (s != 1) return;
            apri(p.file);
            t([&] { s = 2; });
            pagina = true;
        };

        if (pagina1_attiva) {
            apri("lib1.bmp");
            pagina = true;
        }
        if (stato_pagina2 == 2) {
            apri("lib2.bmp");
            t([&] { stato_pagina2 = 3; });
            pagina = true;
        }
        for (const auto& p : kPagineOggetto1) apri_oggetto(p);
        if (stato_mosca == 1) {
            // The fly sits on its own page, so that page is shown at once with it.
            apri("lib3.bmp");
            t([&] { BitBlt(finestra, 40, 40, 400, 400, Picture63, 0, 0, Rop::SRCCOPY); });
            t([&] { disegna_coppia(finestra, 240, 290, membro(Picture37, 0), membro(Picture37, 1)); });
            t([&] { stato_mosca = 2; });
        }
        for (const auto& p : kPagineOggetto2) apri_oggetto(p);
        if (pagina7_attiva) {
            apri("lib7.bmp");
            pagina = true;
        }
        for (const auto& p : kPagineOggetto3) apri_oggetto(p);

        if (pagina) t([&] {
            BitBlt(finestra, 40, 40, Picture63.ScaleWidth(), Picture63.ScaleHeight(), Picture63, 0, 0,
                   Rop::SRCCOPY);
        });
        return;
    }

    t([&] { Timer1.Enabled = true; });
    for (const auto& r : kRaccolta) {
        Integer& s = this->*r.stato;
        if (s != 2) continue;
        // A full inventory leaves the page's object waiting for a later page's click, and
        // says so with the sound of a refused drop.
        if (ultimo_oggetto >= static_cast<int>(inventario.size()) - 1) {
            t([&] { suono_noway.Play(0); });
            continue;
        }
        t([&] { ultimo_oggetto += 1; });
        t([&] { membro(inventario, ultimo_oggetto) = r.parola; });
        t([&] { s = 3; });
        t([&] { suono_flub.Play(0); });
    }
}

}  // namespace didiv
