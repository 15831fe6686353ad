// The rope charmed by the flute, and the jungle.

#include "game/form1.h"

namespace didiv {

namespace {

// A rope frame stands on the shaft floor, whatever its height.
void disegna_corda(Trappola& t, Superficie& campo, const std::array<Superficie, 3>& maschere,
                   const std::array<Superficie, 3>& immagini, int n, Integer scroll_x, Integer scroll_y) {
    auto metti = [&](const Superficie& s, Rop op) {
        BitBlt(campo, CInt(1490 - scroll_x), CInt((394 - scroll_y) - s.ScaleHeight()), s.ScaleWidth(), s.ScaleHeight(),
               s, 0, 0, op);
    };
    t([&] { metti(membro(maschere, n), Rop::SRCAND); });
    t([&] { metti(membro(immagini, n), Rop::SRCINVERT); });
}

}  // namespace

void Form1::strato_corda(Trappola& t) {
    if (fase_corda == 1) {
        t([&] {
            const auto& m = membro(Picture67, 0);
            BitBlt(Picture1, CInt(1490 - scroll_x), CInt(355 - scroll_y), m.ScaleWidth(), m.ScaleHeight(), m, 0, 0,
                   Rop::SRCAND);
        });
        t([&] {
            const auto& im = membro(Picture67, 1);
            BitBlt(Picture1, CInt(1490 - scroll_x), CInt(355 - scroll_y), im.ScaleWidth(), im.ScaleHeight(), im, 0, 0,
                   Rop::SRCINVERT);
        });
    } else if (fase_corda == 2) {
        t([&] { corda(); });
    } else if (fase_corda == 3) {
        disegna_corda(t, Picture1, Picture70, Picture69, 2, scroll_x, scroll_y);
    }
}

void Form1::corda() {
    Trappola t(modulo, "Form1_corda");
    if (fase_corda == 2) {
        if (conta_corda == 0) t([&] { suono_flauto.Play(0); });
        t([&] { conta_corda += 2; });
        t([&] {
            if (conta_corda > 29) {
                conta_corda = 20;
                fase_corda = 3;
                salita_bloccata = false;
            }
        });
    }
    disegna_corda(t, Picture1, Picture70, Picture69, static_cast<int>(Int(conta_corda / 10.0)), scroll_x, scroll_y);
}

void Form1::jungla() {
    Trappola t(modulo, "Form1_jungla");
    t([&] {
        conta_giungla += 5;
        if (conta_giungla > 39) conta_giungla = 1;
    });
    int n = 0;
    t([&] {
        // Past the end of the text the digit reads as 0.
        const size_t i = static_cast<size_t>(Int(conta_giungla / 10.0));
        n = i < seq_giungla.size() ? seq_giungla[i] - '0' : 0;
    });
    t([&] {
        const auto& s = membro(Picture72, n);
        BitBlt(Picture1, CInt(1885 - scroll_x), CInt(-230 - scroll_y), s.ScaleWidth(), s.ScaleHeight(), s, 0, 0,
               Rop::SRCCOPY);
    });
}

}  // namespace didiv
