// The storm and the magic bean plant.

#include "game/form1.h"

namespace didiv {

namespace {

constexpr float kSecondiPioggia = 3.0f;

// A plant stage stands on the vase, centred on its mouth; odd widths land on the even pixel.
void disegna_stadio(Trappola& t, Superficie& campo, const std::array<Superficie, 3>& maschere,
                    const std::array<Superficie, 3>& immagini, int stadio, Integer scroll_x, Integer scroll_y) {
    auto metti = [&](const Superficie& s, Rop op) {
        const int w = s.ScaleWidth(), h = s.ScaleHeight();
        BitBlt(campo, CInt(static_cast<double>(1024 - scroll_x) - w / 2.0), CInt(static_cast<double>(266 - scroll_y) - h),
               w, h, s, 0, 0, op);
    };
    t([&] { metti(membro(maschere, stadio), Rop::SRCAND); });
    t([&] { metti(membro(immagini, stadio), Rop::SRCINVERT); });
}

}  // namespace

void Form1::strato_pianta(Trappola& t) {
    auto coppia = [&](const Coppia& c, int x, int y) {
        t([&] {
            const auto& m = membro(c, 0);
            BitBlt(Picture1, CInt(x - scroll_x), CInt(y - scroll_y), m.ScaleWidth(), m.ScaleHeight(), m, 0, 0, Rop::SRCAND);
        });
        t([&] {
            const auto& im = membro(c, 1);
            BitBlt(Picture1, CInt(x - scroll_x), CInt(y - scroll_y), im.ScaleWidth(), im.ScaleHeight(), im, 0, 0,
                   Rop::SRCINVERT);
        });
    };
    if (fase_pianta > 0 && fase_pianta < 3) t([&] { pianta(); });
    if (forchetta_posata && fase_pianta < 4) coppia(Picture55, 1008, 235);
    coppia(Picture39, 998, 255);
    if (nuvola_posata && fase_pianta < 3) coppia(Picture54, 988, 175);
    if (fase_pianta == 3) {
        t([&] { pianta2(); });
    } else if (fase_pianta == 4) {
        disegna_stadio(t, Picture1, Picture52, Picture53, 2, scroll_x, scroll_y);
    }
}

void Form1::strato_seme(Trappola& t) {
    t([&] { Picture1.PSet(CInt(1025 - scroll_x), CInt(265 - scroll_y), RGB(0, 255, 0)); });
}

void Form1::pianta() {
    Trappola t(modulo, "Form1_pianta");
    if (fase_pianta == 1) t([&] { inizio_pioggia = modulo.piattaforma.Timer(); });
    if (fase_pianta == 1) {
        if (conta_pianta == 0) t([&] { suono_tuono.Play(0); });
        t([&] { conta_pianta += 4; });
        t([&] {
            if (conta_pianta > 19) {
                fase_pianta = 2;
                conta_pianta = 10;
            }
        });
    } else if (fase_pianta == 2) {
        if (conta_pianta == 10) t([&] { suono_rain.Play(0); });
        float d = 0;
        t([&] { d = secondi_da(inizio_pioggia, modulo.piattaforma.Timer()); });
        if (d < kSecondiPioggia) {
            t([&] {
                conta_pianta += 10;
                if (conta_pianta > 40) conta_pianta = 20;
            });
        } else {
            t([&] { suono_rain.Stop(); });
            t([&] { fase_pianta = 3; });
            t([&] { conta_pianta = 0; });
        }
    }
    if (fase_pianta < 3) {
        t([&] {
            const auto& s = membro(Picture56, static_cast<int>(Int(conta_pianta / 10.0)));
            BitBlt(Picture1, CInt(996 - scroll_x), CInt(196 - scroll_y), s.ScaleWidth(), s.ScaleHeight(), s, 0, 0,
                   Rop::SRCCOPY);
        });
    }
}

void Form1::pianta2() {
    Trappola t(modulo, "Form1_pianta2");
    if (fase_pianta == 3) {
        if (conta_pianta2 == 0) t([&] { suono_cresce.Play(0); });
        t([&] { conta_pianta2 += 3; });
        t([&] {
            if (conta_pianta2 > 29) {
                conta_pianta2 = 20;
                fase_pianta = 4;
                fase_caduta = 6;
            }
        });
    }
    disegna_stadio(t, Picture1, Picture52, Picture53, static_cast<int>(Int(conta_pianta2 / 10.0)), scroll_x,
                   scroll_y);
}

}  // namespace didiv
