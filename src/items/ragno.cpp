// The spider guarding the upper passage.

#include "game/form1.h"

namespace didiv {

void Form1::ragno() {
    Trappola t(modulo, "Form1_ragno");
    if (pos_y > -200) return;
    if (pos_x < 510 || pos_x > 800) {
        t([&] { ragno_y = -60; });
        return;
    }

    int f = 0;
    t([&] {
        // Past the end of the text the digit reads as 0.
        const int i = passo_ragno;
        f = i >= 0 && i < static_cast<int>(seq_fotogrammi.size()) ? seq_fotogrammi[static_cast<size_t>(i)] - '0' : 0;
    });
    t([&] {
        BitBlt(Picture1, CInt(728 - scroll_x + ragno_dx), CInt(ragno_y - 100), Picture33.ScaleWidth(),
               Picture33.ScaleHeight(), Picture33, 0, 0, Rop::SRCCOPY);
    });
    t([&] {
        const auto& m = membro(Picture31, f);
        BitBlt(Picture1, CInt(680 - scroll_x + ragno_dx), ragno_y, m.ScaleWidth(), m.ScaleHeight(), m, 0, 0, Rop::SRCAND);
    });
    t([&] {
        const auto& im = membro(Picture32, f);
        BitBlt(Picture1, CInt(680 - scroll_x + ragno_dx), ragno_y, im.ScaleWidth(), im.ScaleHeight(), im, 0, 0,
               Rop::SRCINVERT);
    });
    t([&] {
        ragno_y += vel_ragno;
        if (ragno_y < -60) ragno_y = -60;
        if (ragno_y > 100) ragno_y = 100;
    });
    if (pos_x < 511) t([&] { ragno_y = -60; });

    if (fase_ragno == 0) {
        t([&] {
            if (pos_x > 650 && pos_x < 750 && ragno_y > 80) {
                fase_ragno = 1;
                vel_ragno = -vel_ragno;
            }
        });
    } else if (fase_ragno == 1) {
        t([&] {
            const auto& m = membro(Picture34, 0);
            BitBlt(Picture1, CInt(692 - scroll_x), ragno_y, m.ScaleWidth(), m.ScaleHeight(), m, 0, 0, Rop::SRCAND);
        });
        t([&] {
            const auto& im = membro(Picture34, 1);
            BitBlt(Picture1, CInt(692 - scroll_x), ragno_y, im.ScaleWidth(), im.ScaleHeight(), im, 0, 0,
                   Rop::SRCINVERT);
        });
        t([&] { fine_partita = true; });
        if (nelle_fasce_ringhiere(pos_y)) t([&] { ringhiere(); });
        t([&] {
            BitBlt(Picture1, CInt((Picture1.ScaleWidth() - Picture35.ScaleWidth()) / 2.0),
                   CInt((Picture1.ScaleHeight() - Picture35.ScaleHeight()) / 2.0), Picture35.ScaleWidth(),
                   Picture35.ScaleHeight(), Picture35, 0, 0, Rop::SRCCOPY);
        });
        if (!fine_suonata_ragno) {
            t([&] { suono_fine.Play(0); });
            t([&] { PlayMidi(""); });
            t([&] { suono_step.Stop(); });
            // He hangs from the spider: a key still held walks, climbs or jumps him no further.
            t([&] { va_destra = va_sinistra = sale = scende = salta_destra = salta_sinistra = false; });
            t([&] { suono_stairs.Stop(); });
            t([&] { fine_suonata_ragno = true; });
        }
        t([&] { modulo.tempo_limite = 0; });
        // The frame loop stops after this layer once the game is over: show the frame here.
        t([&] {
            BitBlt(finestra, 40, 40, Picture1.ScaleWidth(), Picture1.ScaleHeight(), Picture1, 0, 0, Rop::SRCCOPY);
        });
    } else {
        t([&] { vel_ragno = -4; });
        int a = 0, b = 0;
        t([&] { a = static_cast<int>(Int(10.0f * modulo.piattaforma.Rnd())); });
        t([&] { b = static_cast<int>(Int(5.0f * modulo.piattaforma.Rnd())); });
        t([&] { preso_x = preso_x - a + b; });
        t([&] { preso_y = preso_y - a + b; });
        t([&] { ragno_dx = ragno_dx - b; });
        t([&] { Picture1.PSet(preso_x, preso_y, RGB(255, 255, 255)); });
        t([&] {
            if (ragno_y == -60) fase_ragno = 3;
        });
    }

    t([&] {
        passo_ragno += 1;
        if (passo_ragno > 3) passo_ragno = 0;
    });
}

}  // namespace didiv
