// The 60 ms frame loop and the time limit.

#include "game/form1.h"

namespace didiv {

bool Form1::nelle_fasce_ringhiere(float y) {
    return (y >= 10 && y <= 186) || (y >= -162 && y <= 6) || (y >= -225 && y <= -54) || y < -178;
}

void Form1::Timer1_Timer() {
    Trappola t(modulo, "Form1_timer1");

    t([&] {
        if (pos_x > 1400 && pos_x < 1500 && pos_y > 200 && fase_corda < 3) salita_bloccata = true;
    });
    t([&] { Calcola_mov(); });
    t([&] {
        // The digit at position passo + 1; past the end of the text it reads as 0.
        const size_t i = static_cast<size_t>(static_cast<int>(passo));
        fotogramma = i < seq_fotogrammi.size() ? seq_fotogrammi[i] - '0' : 0;
    });
    t([&] {
        const float sy = static_cast<float>(Picture5.ScaleHeight() - Picture1.ScaleHeight()) +
                         static_cast<float>(scroll_y);
        BitBlt(Picture1, 0, 0, Picture1.ScaleWidth(), Picture1.ScaleHeight(), Picture5, scroll_x,
               CInt(static_cast<double>(sy)), Rop::SRCCOPY);
    });
    t([&] { libri(); });

    if (fine_partita && fase_caduta < 2) return;

    if (vaso_posato) strato_pianta(t);
    if (seme_posato && fase_pianta < 3) strato_seme(t);
    strato_corda(t);
    if (fase_giungla == 1) t([&] { jungla(); });
    if (!fine_partita && !finale_attivo) passo_personaggio(t);
    if (finale_attivo) t([&] { anim_finale(); });
    if (nelle_fasce_ringhiere(pos_y)) t([&] { ringhiere(); });
    passo_barra(t);

    if (fine_partita && fase_caduta > 1 && fase_caduta < 5) {
        t([&] {
            BitBlt(Picture1, CInt((Picture1.ScaleWidth() - Picture35.ScaleWidth()) / 2.0),
                   CInt((Picture1.ScaleHeight() - Picture35.ScaleHeight()) / 2.0),
                   Picture35.ScaleWidth(), Picture35.ScaleHeight(), Picture35, 0, 0, Rop::SRCCOPY);
        });
        t([&] {
            const auto& m = membro(Picture62, fotogramma);
            BitBlt(Picture1, CInt(985 - scroll_x), CInt(208 - scroll_y), m.ScaleWidth(), m.ScaleHeight(), m, 0, 0, Rop::SRCAND);
        });
        t([&] {
            const auto& im = membro(Picture61, fotogramma);
            BitBlt(Picture1, CInt(985 - scroll_x), CInt(208 - scroll_y), im.ScaleWidth(), im.ScaleHeight(), im, 0, 0, Rop::SRCINVERT);
        });
        if (!fine_suonata_caduta) {
            t([&] { suono_fine.Play(0); });
            t([&] { PlayMidi(""); });
            t([&] { fine_suonata_caduta = true; });
        }
        t([&] { modulo.tempo_limite = 0; });
    }

    t([&] {
        const float trascorso = secondi_da(tempo_inizio, modulo.piattaforma.Timer());
        if (trascorso > static_cast<float>(modulo.tempo_limite) && modulo.tempo_limite > 0) finetempo();
    });

    // The bar and the play field are then drawn in place in the window buffer: from the next
    // tick on these two copies have nothing left to do.
    t([&] { incorpora(Picture64, 40, 440, Picture40); });
    t([&] { incorpora(Picture64, 40, 40, Picture1); });
    t([&] { BitBlt(finestra, 0, 0, Picture64.ScaleWidth(), Picture64.ScaleHeight(), Picture64, 0, 0, Rop::SRCCOPY); });
    if (indice_preso != -1) passo_oggetto_portato(t);
    t([&] {
        passo += 1;
        if (passo > 3) passo = 0;
    });
}

void Form1::finetempo() {
    Trappola t(modulo, "Form1_finetempo");
    t([&] { fine_partita = true; });
    t([&] {
        BitBlt(Picture1, CInt((Picture1.ScaleWidth() - Picture36.ScaleWidth()) / 2.0),
               CInt((Picture1.ScaleHeight() - Picture36.ScaleHeight()) / 2.0), Picture36.ScaleWidth(),
               Picture36.ScaleHeight(), Picture36, 0, 0, Rop::SRCCOPY);
    });
    t([&] { modulo.tempo_limite = 0; });
    t([&] { suono_fine.Play(0); });
    t([&] { PlayMidi(""); });
    t([&] { Timer1.Enabled = false; });
}

}  // namespace didiv
