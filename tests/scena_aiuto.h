#pragma once
// A bench for the scene pictures: the game started on a black world, every picture made
// invisible, so that a test paints only the pictures it looks for, in colours of its own.

#include "banco.h"

namespace didiv::test {

constexpr Colore NERO = 0;

struct BancoScena : Banco {
    BancoScena() {
        EXPECT_TRUE(avvia());
        Form1& g = f();
        g.Picture5 = Superficie(2200, 800, NERO);
        auto nero = [](Superficie& s) { s = Superficie(s.ScaleWidth(), s.ScaleHeight(), NERO); };
        auto bianco = [](Superficie& s) { s = Superficie(s.ScaleWidth(), s.ScaleHeight(), RGB(255, 255, 255)); };
        for (Superficie* s : {&g.Picture21, &g.Picture22, &g.Picture24, &g.Picture25, &g.Picture26, &g.Picture27,
                              &g.Picture28, &g.Picture29, &g.Picture33, &g.Picture35, &g.Picture36, &g.Picture43,
                              &g.Picture45, &g.Picture46, &g.Picture47, &g.Picture48, &g.Picture49, &g.Picture50,
                              &g.Picture51, &g.Picture58, &g.Picture59, &g.Picture60, &g.Picture77})
            nero(*s);
        for (auto* c : {&g.Picture2, &g.Picture3, &g.Picture4, &g.Picture6, &g.Picture7, &g.Picture9, &g.Picture10,
                        &g.Picture11, &g.Picture13, &g.Picture14, &g.Picture15, &g.Picture16, &g.Picture17,
                        &g.Picture18, &g.Picture19, &g.Picture20, &g.Picture34, &g.Picture37, &g.Picture39,
                        &g.Picture41, &g.Picture42, &g.Picture44, &g.Picture54, &g.Picture55, &g.Picture65,
                        &g.Picture66, &g.Picture67, &g.Picture68, &g.Picture71, &g.Picture75, &g.Picture76}) {
            bianco((*c)[0]);
            nero((*c)[1]);
        }
        for (auto* c : {&g.Picture23, &g.Picture57}) {
            nero((*c)[0]);
            nero((*c)[1]);
        }
        for (auto& s : g.Picture38) nero(s);
        for (auto& s : g.Picture56) nero(s);
        for (auto& s : g.Picture72) nero(s);
        for (auto* maschere : {&g.Picture31, &g.Picture52, &g.Picture62, &g.Picture70, &g.Picture73})
            for (auto& s : *maschere) bianco(s);
        for (auto* immagini : {&g.Picture32, &g.Picture53, &g.Picture61, &g.Picture69, &g.Picture74})
            for (auto& s : *immagini) nero(s);
        azzera_registro();
    }

    Colore px(int x, int y) { return f().Picture1.Point(x, y); }

    // A sprite that paints its whole box in one colour.
    static void piena(Superficie& maschera, Superficie& immagine, Colore c) {
        maschera = Superficie(maschera.ScaleWidth(), maschera.ScaleHeight(), NERO);
        immagine = Superficie(immagine.ScaleWidth(), immagine.ScaleHeight(), c);
    }
    static void tinta(Superficie& s, Colore c) { s = Superficie(s.ScaleWidth(), s.ScaleHeight(), c); }
};

}  // namespace didiv::test
