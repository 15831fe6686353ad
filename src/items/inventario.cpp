// The inventory: the press on the bar, the drop and the use rules.

#include <algorithm>
#include <cmath>

#include "game/form1.h"
#include "platform/bmp.h"

namespace didiv {

void Form1::premi_barra(Trappola& t, float X, float Y) {
    t([&] { preso_x = X; });
    t([&] { preso_y = Y; });
    t([&] {
        // The slots are drawn from the bar's left edge; the frame beside it counts as slot 0.
        const double colonna = std::floor((static_cast<double>(X) - 40) / 100);
        indice_preso = static_cast<int>(std::clamp(colonna, 0.0, 4.0));
    });
    t([&] { nome_preso = membro(inventario, indice_preso); });
    t([&] {
        if (!nome_preso.empty()) modulo.piattaforma.ShowCursor(false);
    });
}

void Form1::rilascia_oggetto(Trappola& t) {
    // Drop measures, in the 16-bit arithmetic the rules were tuned with.
    Integer dx, wy, vy;
    t([&] { dx = Integer(preso_x + scroll_x) - 40; });
    t([&] { wy = Integer(preso_y + scroll_y) - 40; });
    t([&] { vy = Integer(preso_y - scroll_y) - 40; });

    bool usato = false;
    auto regola = [&](const char* parola, bool vale, auto&& effetto, SlotSuono& suono) {
        if (nome_preso != parola || !vale) return;
        effetto();
        usato = true;
        t([&] { suono.Play(0); });
    };
    auto nel_vaso = [&](int basso) { return dx > 989 && dx < 1060 && vy > basso && vy < 440; };

    regola("mosca", dx > 600 && dx < 750 && wy < -260, [&] { t([&] { fase_ragno = 2; }); }, suono_mosca);
    regola("vaso", fase_caduta == 5 && nel_vaso(380), [&] { vaso_posato = true; }, suono_succ);
    {
        bool sotto_ombrello = false;
        t([&] {
            const float sinistra = static_cast<float>(Integer(preso_x + scroll_x) - 60);
            const float destra = static_cast<float>(Integer(preso_x + scroll_x) + 20);
            sotto_ombrello = pos_x > 880 && sinistra <= pos_x && pos_x <= destra;
        });
        regola("ombrello", sotto_ombrello, [&] { t([&] { fase_caduta = 3; }); }, suono_succ);
    }
    regola("seme", vaso_posato && nel_vaso(380), [&] { seme_posato = true; }, suono_succ);
    regola("nuvola", vaso_posato && nel_vaso(260), [&] { nuvola_posata = true; }, suono_succ);
    regola("forchetta", vaso_posato && nel_vaso(300), [&] { forchetta_posata = true; }, suono_succ);
    regola("corda", dx > 1300 && dx < 1500 && wy > 330, [&] { t([&] { fase_corda = 1; }); }, suono_succ);
    regola("flauto", fase_corda == 1 && dx > 1300 && dx < 1500 && wy > 280,
           [&] { t([&] { fase_corda = 2; }); }, suono_succ);
    regola("libro", dx > 1880 && wy > -350, [&] {
        t([&] { fase_giungla = 1; });
        t([&] { membro(Picture72, 0) = LoadPicture("j1.bmp"); });
        t([&] { membro(Picture72, 1) = LoadPicture("j2.bmp"); });
        t([&] { membro(Picture72, 2) = LoadPicture("j3.bmp"); });
    }, suono_succ);
    regola("tarzan", pos_x > 1859 && fase_giungla == 1 && pos_y > -5, [&] { finale_attivo = true; },
           suono_succ);

    if (!nome_preso.empty() && !usato) t([&] { suono_noway.Play(0); });

    if (usato) {
        // Close the gap so the inventory stays packed from slot 0.
        const int ultimo = ultimo_oggetto;
        for (int i = indice_preso + 1; i <= ultimo; ++i)
            t([&] { membro(inventario, i - 1) = membro(inventario, i); });
        t([&] { membro(inventario, ultimo_oggetto) = ""; });
        t([&] { ultimo_oggetto -= 1; });
    }

    const bool nascosto = !nome_preso.empty();
    indice_preso = -1;
    nome_preso.clear();
    if (nascosto) t([&] { modulo.piattaforma.ShowCursor(true); });

    if (vaso_posato && nuvola_posata && forchetta_posata && seme_posato && fase_pianta < 1)
        fase_pianta = 1;
}

}  // namespace didiv
