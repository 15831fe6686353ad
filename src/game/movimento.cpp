// The movement step against the collision map: one request carried out per tick, then the
// jungle ambience switched by where the professor stands.

#include <cmath>

#include "game/form1.h"

namespace didiv {

namespace {

// One pixel of the map; a point that is not a whole pixel of it matches no colour.
Colore leggi(const Superficie& mappa, double x, double y) {
    if (!(std::fabs(x) < 1e6 && std::fabs(y) < 1e6)) return -1;
    return mappa.Point(static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y)));
}

constexpr float META_CAMPO = 200;  // half of the play field
constexpr float RIGA_ATTERRAGGIO = 182;

}  // namespace

void Form1::Calcola_mov() {
    Trappola t(modulo, "Form1_calcolamov");
    auto mappa = [&](double x, double y) { return leggi(Picture8, x, y); };
    // The lowest the view can go: the world's height beyond the play field's.
    auto limite_alto = [&] { return Picture1.ScaleHeight() - Picture5.ScaleHeight(); };
    // The view never shows past either side of the world, or the field's edge would keep
    // the pixels of an earlier frame.
    auto scorri_x = [&](int passo) {
        t([&] {
            scroll_x += passo;
            const int destra = Picture5.ScaleWidth() - Picture1.ScaleWidth();
            if (scroll_x > destra) scroll_x = destra;
            if (scroll_x < 0) scroll_x = 0;
        });
    };

    t([&] { su_scala = false; });

    if (va_destra) {
        t([&] {
            if (fase_caduta == 0) fase_caduta = 1;
        });
        const Colore c = mappa(pos_x + 14, pos_y + 516);
        if (c == MAPPA_BIANCO) {
            t([&] { pos_x += 5; });
            t([&] {
                if (mappa(pos_x + 14, pos_y + 510) == MAPPA_MAGENTA && stato_pagina2 == 0) stato_pagina2 = 1;
            });
            if (mappa(pos_x + 14, pos_y + 521) == MAPPA_VERDE) {
                t([&] { x_caduta = pos_x + 14; });
                t([&] { pos_x += 5; });
                t([&] { va_destra = false; });
                t([&] { suono_cade.Play(0); });
                t([&] { cade = true; });
                t([&] {
                    if (fase_caduta == 1) fase_caduta = 2;
                });
                t([&] {
                    if (fase_caduta == 3) fase_caduta = 4;
                });
                t([&] { suono_crash.Play(0); });
            }
        } else if (c == MAPPA_ROSSO) {
            t([&] { pos_x += 5; });
            t([&] { pos_y += 5; });
            t([&] { su_scala = true; });
            if (pos_y - scroll_y > META_CAMPO) {
                t([&] { scroll_y += 5; });
                t([&] {
                    if (scroll_y > 0) scroll_y = 0;
                });
            }
        } else if (c == MAPPA_BLU) {
            t([&] { pos_x += 5; });
            t([&] { pos_y -= 5; });
            t([&] { su_scala = true; });
        } else {
            t([&] { va_destra = false; });
            t([&] { suono_step.Stop(); });
        }
        if (pos_x - scroll_x > META_CAMPO) scorri_x(5);
    } else if (va_sinistra) {
        const Colore c = mappa(pos_x - 5, pos_y + 516);
        if (c == MAPPA_BIANCO) {
            t([&] { pos_x -= 5; });
            t([&] {
                if (mappa(pos_x - 5, pos_y + 510) == MAPPA_MAGENTA && stato_pagina2 == 0) stato_pagina2 = 1;
            });
            if (mappa(pos_x - 5, pos_y + 521) == MAPPA_VERDE) {
                t([&] { x_caduta = pos_x - 5; });
                t([&] { pos_x -= 5; });
                t([&] { va_sinistra = false; });
                t([&] { suono_cade.Play(0); });
                t([&] { cade = true; });
            }
        } else if (c == MAPPA_ROSSO) {
            t([&] { pos_x -= 5; });
            t([&] { pos_y += 5; });
            t([&] { su_scala = true; });
        } else if (c == MAPPA_BLU) {
            t([&] { pos_x -= 5; });
            t([&] { pos_y -= 5; });
            t([&] { su_scala = true; });
            if (pos_y - scroll_y < META_CAMPO) {
                t([&] { scroll_y -= 5; });
                t([&] {
                    if (scroll_y < limite_alto()) scroll_y = limite_alto();
                });
            }
        } else {
            t([&] { va_sinistra = false; });
            t([&] { suono_step.Stop(); });
        }
        if (pos_x - scroll_x < META_CAMPO) scorri_x(-5);
    } else if (sale) {
        if (fase_caduta == 5 || salita_bloccata) {
            t([&] { sale = false; });
            t([&] { suono_stairs.Stop(); });
        } else if (mappa(pos_x, pos_y + 511) == MAPPA_BIANCO) {
            t([&] { pos_y -= 4; });
        } else {
            t([&] { sale = false; });
            t([&] { suono_stairs.Stop(); });
        }
        if (pos_y - scroll_y < META_CAMPO && sale) {
            t([&] { scroll_y -= 5; });
            t([&] {
                if (scroll_y < limite_alto()) scroll_y = limite_alto();
            });
        }
    } else if (scende) {
        if (fase_caduta == 5) {
            t([&] { scende = false; });
            t([&] { suono_stairs.Stop(); });
        } else if (mappa(pos_x, pos_y + 521) == MAPPA_BIANCO) {
            t([&] { pos_y += 4; });
        } else {
            t([&] { suono_stairs.Stop(); });
            t([&] { scende = false; });
        }
        if (pos_y - scroll_y > META_CAMPO && scende) {
            t([&] { scroll_y += 5; });
            t([&] {
                if (scroll_y > 0) scroll_y = 0;
            });
        }
    } else if (cade) {
        if (mappa(x_caduta, pos_y + 521) == MAPPA_VERDE) {
            // Under the open umbrella the fall gathers speed slowly.
            t([&] { vel_caduta += fase_caduta == 4 ? 1 : 5; });
            t([&] { pos_y += static_cast<float>(vel_caduta); });
        } else {
            t([&] { vel_caduta = 0; });
            t([&] { pos_y -= 5; });
            t([&] { cade = false; });
            if (fase_caduta == 2) {
                t([&] { fine_partita = true; });
                t([&] { pos_y = RIGA_ATTERRAGGIO; });
            } else if (fase_caduta == 4) {
                t([&] { pos_y = RIGA_ATTERRAGGIO; });
                t([&] { fase_caduta = 5; });
            }
        }
        if (pos_y - scroll_y > META_CAMPO) {
            t([&] { scroll_y += vel_caduta; });
            t([&] {
                if (scroll_y > 0) scroll_y = 0;
            });
        }
    } else if (salta_destra) {
        if (mappa(meta_salto, pos_y + 516) == MAPPA_BIANCO) {
            t([&] { pos_x += 10; });
            if (pos_x >= meta_salto) {
                t([&] { salta_destra = false; });
                if (mappa(meta_salto, pos_y + 521) == MAPPA_VERDE) {
                    t([&] { x_caduta = meta_salto; });
                    t([&] { suono_cade.Play(0); });
                    t([&] { cade = true; });
                }
            }
        } else {
            t([&] { salta_destra = false; });
        }
        if (pos_x - scroll_x > META_CAMPO) scorri_x(20);
    } else if (salta_sinistra) {
        if (mappa(meta_salto, pos_y + 516) == MAPPA_BIANCO) {
            t([&] { pos_x -= 10; });
            if (pos_x <= meta_salto) {
                t([&] { salta_sinistra = false; });
                if (mappa(meta_salto, pos_y + 521) == MAPPA_VERDE) {
                    t([&] { x_caduta = meta_salto; });
                    t([&] { suono_cade.Play(0); });
                    t([&] { cade = true; });
                }
            }
        } else {
            t([&] { salta_sinistra = false; });
        }
        if (pos_x - scroll_x < META_CAMPO) scorri_x(-20);
    }

    // The jungle is heard only beyond its edge, and the music gives way to it there.
    if (fase_giungla == 1) {
        int32_t stato = 0;
        bool letto = false;
        t([&] {
            stato = suono_jungla.GetStatus();
            letto = true;
        });
        if (pos_x > 1859) {
            if (letto && stato != DSBSTATUS_PLAYING) {
                if (musica_attiva) t([&] { PlayMidi(""); });
                t([&] { suono_jungla.Play(DSBPLAY_LOOPING); });
            }
        } else if (letto && stato == (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING)) {
            t([&] { suono_jungla.Stop(); });
            if (musica_attiva) t([&] { PlayMidi("intro3.mid"); });
        }
    }
}

}  // namespace didiv
