// Keyboard and mouse walking controls, the music switch and the quit question.

#include "game/form1.h"

namespace didiv {

namespace {
constexpr int TASTO_SINISTRA = 37;
constexpr int TASTO_SU = 38;
constexpr int TASTO_DESTRA = 39;
constexpr int TASTO_GIU = 40;
constexpr int CARATTERE_M = 109;
constexpr int CARATTERE_ESC = 27;
}  // namespace

void Form1::tasti(int KeyCode, int Shift) {
    Trappola t(modulo, "Form1_tasti");
    // A fall or a jump runs to its end; a finished game takes no more steps.
    if (cade || fine_partita || salta_destra || salta_sinistra) return;
    switch (KeyCode) {
        case TASTO_DESTRA:
            if (Shift == 0) {
                t([&] { va_destra = true; });
                t([&] { suono_step.Play(DSBPLAY_LOOPING); });
            } else {
                t([&] { salta_destra = true; });
                t([&] { meta_salto = pos_x + 90; });
            }
            t([&] { direzione = 1; });
            t([&] { MousePointer = vbCustom; });
            t([&] { MouseIcon = &membro(Picture30, 1, 1); });
            break;
        case TASTO_SINISTRA:
            if (Shift == 0) {
                t([&] { va_sinistra = true; });
                t([&] { suono_step.Play(DSBPLAY_LOOPING); });
            } else {
                t([&] { salta_sinistra = true; });
                t([&] { meta_salto = pos_x - 84; });
            }
            t([&] { direzione = 0; });
            t([&] { MousePointer = vbCustom; });
            t([&] { MouseIcon = &membro(Picture30, 2, 1); });
            break;
        case TASTO_GIU:
            t([&] { scende = true; });
            t([&] { MousePointer = vbCustom; });
            t([&] { suono_stairs.Play(DSBPLAY_LOOPING); });
            t([&] { MouseIcon = &membro(Picture30, 4, 1); });
            t([&] { direzione = 2; });
            break;
        case TASTO_SU:
            t([&] { suono_stairs.Play(DSBPLAY_LOOPING); });
            t([&] { sale = true; });
            t([&] { direzione = 2; });
            t([&] { MousePointer = vbCustom; });
            t([&] { MouseIcon = &membro(Picture30, 3, 1); });
            break;
        default:
            break;
    }
}

void Form1::Form_KeyDown(int KeyCode, int Shift) {
    Trappola t(modulo, "Form1_keydown");
    if (finale_attivo) return;
    if (fine_partita && (KeyCode < TASTO_SINISTRA || KeyCode > TASTO_GIU)) {
        t([&] { Unload(); });
        return;
    }
    t([&] { tasti(KeyCode, Shift); });
}

void Form1::Form_KeyPress(int KeyAscii) {
    Trappola t(modulo, "Form1_keypress");
    if (finale_attivo) return;
    if (fine_partita) {
        t([&] { Unload(); });
        return;
    }
    if (KeyAscii == CARATTERE_M) {
        if (musica_attiva) {
            t([&] { musica_attiva = false; });
            t([&] { PlayMidi(""); });
        } else {
            t([&] { musica_attiva = true; });
            t([&] { PlayMidi("intro3.mid"); });
        }
    }
    if (KeyAscii == CARATTERE_ESC) {
        int risposta = vbNo;
        t([&] {
            risposta = modulo.piattaforma.MsgBox("Si desidera terminare la partita in corso?",
                                                 vbYesNo | vbDefaultButton2, "Uscita dal gioco");
        });
        if (risposta == vbYes) {
            t([&] { fine_partita = true; });
            t([&] { Unload(); });
        }
    }
}

void Form1::Form_KeyUp(int /*KeyCode*/, int /*Shift*/) {
    Trappola t(modulo, "Form1_keyup");
    t([&] { va_destra = false; });
    t([&] { va_sinistra = false; });
    t([&] { sale = false; });
    t([&] { scende = false; });
    t([&] { suono_step.Stop(); });
    t([&] { suono_stairs.Stop(); });
    t([&] { MousePointer = vbArrow; });
    t([&] {
        if (fase_caduta == 1) fase_caduta = 0;
    });
}

void Form1::Form_DblClick() {
    Trappola t(modulo, "Form1_dblclick");
    if (fine_partita) t([&] { Unload(); });
}

// A press on the play field stands for the arrow key pointing from the professor to it.
void Form1::premi_campo(Trappola& t, int Shift, float X, float Y) {
    const float bx = pos_x - static_cast<float>(scroll_x);
    const float by = pos_y - static_cast<float>(scroll_y);
    int tasto = TASTO_SU;
    if (X > bx + 100)
        tasto = TASTO_DESTRA;
    else if (X < bx + 35)
        tasto = TASTO_SINISTRA;
    else if (Y > by)
        tasto = TASTO_GIU;
    t([&] { tasti(tasto, Shift); });
}

void Form1::rilascia_cammino(Trappola& t) {
    t([&] { suono_step.Stop(); });
    t([&] { suono_stairs.Stop(); });
    t([&] { va_destra = false; });
    t([&] { va_sinistra = false; });
    t([&] { sale = false; });
    t([&] { scende = false; });
    t([&] { MousePointer = vbArrow; });
    t([&] {
        if (fase_caduta == 1) fase_caduta = 0;
    });
}

}  // namespace didiv
