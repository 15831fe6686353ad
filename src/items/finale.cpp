// The final animation: the vine, the cry, the swing out of the library.

#include "game/form1.h"

namespace didiv {

void Form1::anim_finale() {
    Trappola t(modulo, "Form1_animfinale");
    Integer& c = conta_finale;
    Integer& f = fotogramma_finale;
    Integer& d = discesa_liana;
    Integer& s = spostamento_liana;

    // A mask and its image, from one array (members 0 and 1) or from twin arrays (the same frame).
    auto coppia = [&](const auto& maschere, int nm, const auto& immagini, int ni, int x, int y) {
        t([&] {
            const auto& m = membro(maschere, nm);
            BitBlt(Picture1, x, y, m.ScaleWidth(), m.ScaleHeight(), m, 0, 0, Rop::SRCAND);
        });
        t([&] {
            const auto& im = membro(immagini, ni);
            BitBlt(Picture1, x, y, im.ScaleWidth(), im.ScaleHeight(), im, 0, 0, Rop::SRCINVERT);
        });
    };

    t([&] { c += 1; });
    if (c == 30) {
        t([&] { suono_tarzan.Play(0); });
        // Skip past 30 so the cry is heard once.
        t([&] { c += 1; });
        t([&] { f = 1; });
    }
    if (c >= 31 && c < 40) t([&] { f = f == 1 ? 2 : 1; });
    if (c >= 40) {
        t([&] { f = 0; });
        t([&] { s += 20; });
    }
    if (c <= 30) t([&] { d += 10; });
    if (d > 150) t([&] { d = 150; });

    if (c <= 41) {
        int x = 0, y = 0;
        t([&] {
            x = CInt(static_cast<double>(pos_x - static_cast<float>(scroll_x) + 60.0f));
            y = CInt(-443 - scroll_y + d);
        });
        coppia(Picture75, 0, Picture75, 1, x, y);
        t([&] {
            x = CInt(static_cast<double>(pos_x - static_cast<float>(scroll_x)));
            y = CInt(static_cast<double>(pos_y - static_cast<float>(scroll_y)));
        });
        coppia(Picture73, f, Picture74, f, x, y);
    } else {
        if (c == 42) {
            t([&] { PlayMidi("symphony.mid"); });
            t([&] { fase_giungla = 2; });
        }
        int x = 0, y = 0;
        t([&] {
            x = CInt(static_cast<double>(pos_x - static_cast<float>(scroll_x) + static_cast<float>(s)));
            y = CInt(static_cast<double>(-443 - scroll_y + d) + s / 10.0);
        });
        coppia(Picture76, 0, Picture76, 1, x, y);
    }

    if (s > 400) {
        t([&] { finale_attivo = false; });
        t([&] { fine_partita = true; });
        t([&] { suono_jungla.Stop(); });
        t([&] {
            BitBlt(Picture1, CInt((Picture1.ScaleWidth() - Picture77.ScaleWidth()) / 2.0),
                   CInt((Picture1.ScaleHeight() - Picture77.ScaleHeight()) / 2.0), Picture77.ScaleWidth(),
                   Picture77.ScaleHeight(), Picture77, 0, 0, Rop::SRCCOPY);
        });
        t([&] { Timer1.Enabled = false; });
    }
    t([&] { modulo.tempo_limite = 0; });
}

}  // namespace didiv
