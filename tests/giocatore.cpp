#include "giocatore.h"

namespace didiv::test {

void Partita::punta_libro(float wx, float wy) {
    const Punto p = finestra_di(wx, wy);
    std::ostringstream dove;
    dove << "the book at world (" << wx << ", " << wy << ") is out of view at window (" << p.X << ", " << p.Y << ")";
    verifica(nel_campo(p), dove.str());
    const Punto accanto{p.X - 25, p.Y};
    verifica(g().Picture8.Point(static_cast<int>(wx) - 25, static_cast<int>(wy) + 400) != MAPPA_MAGENTA,
             "the shelf beside the book is a hot spot");
    muovi(accanto);
    muovi(p);
}

bool Partita::mostra_pagina(const std::string& file, int sx0, int sy0, int sx1, int sy1) {
    const Superficie pagina = LoadPicture(file);
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 400; x += 7) {
            if (x >= sx0 && x < sx1 && y >= sy0 && y < sy1) continue;
            if (g().finestra.Point(40 + x, 40 + y) != pagina.Point(x, y)) return false;
        }
    return true;
}

void Partita::apri_e_raccogli(const char* parola, Integer Form1::*stato, float wx, float wy, const char* pagina,
                              const char* nome) {
    const std::string di = std::string(" (") + parola + ")";
    const int suoni = conta("attiva.wav Play 0");
    punta_libro(wx, wy);
    if (g().*stato != 1) {
        verifica(false, "the book did not light" + di);
        return;
    }
    uguale(conta("attiva.wav Play 0"), suoni + 1, "lit-book sounds" + di);
    const Punto p = finestra_di(wx, wy);
    clic(p);
    verifica(!g().Timer1.Enabled, "the page did not pause the game" + di);
    uguale(g().*stato, 2, "the book's state" + di);
    if (std::string(parola) == "mosca") {  // the fly sits on its page, at window (240, 290)
        verifica(mostra_pagina(pagina, 200, 250, 261, 279), "the page is not shown" + di);
        verifica(sprite_sulla_finestra(membro(g().Picture37, 0), membro(g().Picture37, 1), 200, 250),
                 "the fly is not on its page");
    } else
        verifica(mostra_pagina(pagina), "the page is not shown" + di);
    if (nome) segna(nome);
    const int flub = conta("flub.wav Play 0");
    clic(p);
    verifica(g().Timer1.Enabled, "closing the page did not resume the game" + di);
    uguale(g().*stato, 3, "the book's state" + di);
    uguale(conta("flub.wav Play 0"), flub + 1, "collecting sounds" + di);
    verifica(slot(parola) >= 0, "not in the bar" + di);
}

void Partita::leggi_pagina(float wx, float wy, const char* pagina) {
    const std::string di = std::string(" (") + pagina + ")";
    punta_libro(wx, wy);
    const Punto p = finestra_di(wx, wy);
    clic(p);
    verifica(!g().Timer1.Enabled, "the page did not pause the game" + di);
    verifica(mostra_pagina(pagina), "the page is not shown" + di);
    const int pieni = g().ultimo_oggetto;
    clic(p);
    verifica(g().Timer1.Enabled, "closing the page did not resume the game" + di);
    uguale(g().ultimo_oggetto, pieni, "the last slot filled" + di);
}

void Partita::trascina_a(const std::string& parola, Punto p) {
    const int i = slot(parola);
    if (i < 0) {
        verifica(false, parola + " is not in the bar");
        return;
    }
    const Punto barra{90.0f + 100.0f * static_cast<float>(i), 470};
    muovi(barra);
    evento([&] { g().Form_MouseDown(1, 0, barra.X, barra.Y); });
    if (g().nome_preso != parola) {
        verifica(false, "pressing on the bar took " + g().nome_preso + ", not " + parola);
        return;
    }
    uguale(piattaforma.conteggio_cursore, -1, "the pointer count while carrying");
    muovi({(barra.X + p.X) / 2, (barra.Y + p.Y) / 2}, 1);
    muovi(p, 1);
    evento([&] { g().Form_MouseUp(1, 0, p.X, p.Y); });
    evento([&] { g().Form_Click(); });
    uguale(g().indice_preso, -1, "the slot carried after the drop");
    uguale(piattaforma.conteggio_cursore, 0, "the pointer count after the drop");
}

void Partita::trascina_su(const std::string& parola, float wx, float wy) {
    const Punto p = finestra_di(wx, wy);
    std::ostringstream dove;
    dove << parola << " dropped at world (" << wx << ", " << wy << "), window (" << p.X << ", " << p.Y << ")";
    verifica(nel_campo(p), dove.str() + ": out of view");
    const int successi = conta("succ.wav Play 0") + conta("mosca.wav Play 0");
    trascina_a(parola, p);
    verifica(slot(parola) == -1, dove.str() + ": refused");
    uguale(conta("succ.wav Play 0") + conta("mosca.wav Play 0"), successi + 1, "success sounds after " + dove.str());
}

bool Partita::banner_sulla_finestra(const Superficie& banner, int x, int y) {
    for (int by = 0; by < banner.ScaleHeight(); ++by)
        for (int bx = 0; bx < banner.ScaleWidth(); ++bx)
            if (g().finestra.Point(40 + x + bx, 40 + y + by) != banner.Point(bx, by)) return false;
    return true;
}

bool Partita::sprite_sulla_finestra(const Superficie& maschera, const Superficie& immagine, int x, int y) {
    int visti = 0;
    for (int sy = 0; sy < maschera.ScaleHeight(); ++sy)
        for (int sx = 0; sx < maschera.ScaleWidth(); ++sx) {
            const int px = x + sx, py = y + sy;
            if (px < 0 || px >= 400 || py < 0 || py >= 400 || maschera.Point(sx, sy) == RGB(255, 255, 255)) continue;
            if (g().finestra.Point(40 + px, 40 + py) != immagine.Point(sx, sy)) return false;
            ++visti;
        }
    return visti > 0;
}

// ---- the route ---------------------------------------------------------------------------

void prendi_la_mosca(Partita& p) {
    p.e_in(-10, 168);
    p.leggi_pagina(121, 165, "lib1.bmp");
    p.apri_e_raccogli("mosca", &Form1::stato_mosca, 42, 253, "lib3.bmp", "pagina-della-mosca");
}

void sali_al_primo_piano(Partita& p) {
    p.cammina_fino_a(270);
    p.sali_scala("scala-a");
    p.e_in(270, 72);
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(455, 72);
    p.uguale(p.g().stato_pagina2, 1, "the hidden page's state");
}

void sali_alla_seconda_libreria(Partita& p) {
    p.sali_scala("scala-b");
    p.e_in(455, -108);
}

void sali_in_cima(Partita& p) {
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(490, -108);
    p.sali_scala("scala-c");
    p.e_in(490, -292);
}

void dai_la_mosca_al_ragno(Partita& p) {
    Form1& g = p.g();
    p.cammina_fino_a(550);  // into the passage: the spider lets itself down
    p.uguale(g.fase_ragno, 0, "the spider's phase");
    p.verifica(g.ragno_y > -30, "the spider is not yet in sight");
    p.segna("il-ragno");
    // Onto the spider, drawn at field y ragno_y whatever the view.
    p.trascina_su("mosca", 680 + 20, static_cast<float>(g.scroll_y + g.ragno_y + 15));
    p.uguale(g.fase_ragno, 2, "the spider's phase after the fly");
    for (int n = 0; g.fase_ragno == 2 && n < 100; ++n) {
        p.passo();
        if (n == 6) p.segna("il-ragno-insegue-la-mosca");
    }
    p.uguale(g.fase_ragno, 3, "the spider's phase once gone");
}

void vai_ai_gradini(Partita& p) {
    p.cammina_fino_a(890);
    p.e_in(890, -292);
}

void gioca_fino_alla_vittoria(Partita& p) {
    Form1& g = p.g();
    prendi_la_mosca(p);
    sali_al_primo_piano(p);
    p.punta_libro(415, 176);  // the red book that the walk revealed
    p.uguale(g.stato_pagina2, 2, "the hidden page's state");
    p.leggi_pagina(415, 176, "lib2.bmp");
    p.uguale(g.stato_pagina2, 3, "the hidden page's state");

    sali_alla_seconda_libreria(p);
    // "... prendere l'ombrello e il vaso."
    p.apri_e_raccogli("ombrello", &Form1::stato_ombrello, 473, 20, "lib4.bmp");
    p.apri_e_raccogli("vaso", &Form1::stato_vaso, 344, -134, "lib5.bmp");
    p.segna("la-barra-con-gli-oggetti");
    sali_in_cima(p);
    dai_la_mosca_al_ragno(p);

    // "All'inizio della discesa dei gradini di pietra, recuperare l'ombrello e darlo al
    // professore: lo userà come paracadute ... dopo il crollo del passaggio."
    vai_ai_gradini(p);
    p.segna("in-cima-ai-gradini");
    p.dai_al_professore("ombrello");
    p.uguale(g.fase_caduta, 3, "the fall phase with the umbrella");
    p.aspetta(1);
    p.segna("l-ombrello-in-cima-ai-gradini");
    // Down the steps and onto the crumbling ones.
    p.tieni(DESTRA, [&, n = 0]() mutable {
        if (n++ == 8) p.segna("sui-gradini");
        return g.cade;
    });
    p.e_in(985, -207);
    p.uguale(g.fase_caduta, 4, "the fall phase under the umbrella");
    for (int n = 0; g.cade && n < 300; ++n) {
        p.passo();
        if (n == 14) p.segna("il-paracadute");
    }
    p.e_in(985, 182);
    p.uguale(g.fase_caduta, 5, "the fall phase at the bottom");
    p.verifica(!g.fine_partita, "the umbrella's fall ended the game");

    // "Nella libreria del vano sotterraneo prendere il seme, la forchetta e la nuvola."
    p.leggi_pagina(910, 144, "lib7.bmp");
    p.apri_e_raccogli("seme", &Form1::stato_seme, 842, 175, "lib6.bmp");
    p.apri_e_raccogli("forchetta", &Form1::stato_forchetta, 988, 235, "lib9.bmp");
    p.apri_e_raccogli("nuvola", &Form1::stato_nuvola, 951, 205, "lib8.bmp");
    p.uguale(g.ultimo_oggetto, 3, "the last slot filled");  // vase, seed, fork, cloud

    // "Mettere il vaso alla base del cunicolo verticale, mettere il seme nel vaso, la nuvola
    // sul vaso e infine la forchetta nel vaso: scoppierà un temporale"
    p.trascina_su("vaso", 998, 255);  // where the vase then stands
    p.verifica(g.vaso_posato, "the vase is not placed");
    p.trascina_su("seme", 1000, 241);  // over the seed's place in the vase, (1025, 265)
    p.trascina_su("nuvola", 992, 175);
    p.uguale(g.fase_pianta, 0, "the plant's phase");
    p.aspetta(1);
    p.segna("il-vaso-la-nuvola-e-il-seme");
    p.trascina_su("forchetta", 1008, 235);
    p.uguale(g.fase_pianta, 1, "the plant's phase");
    p.uguale(g.ultimo_oggetto, -1, "the last slot filled");

    // Thunder, three seconds of rain by the clock, and the bean plant grows.
    for (int n = 0; g.fase_pianta < 2 && n < 20; ++n) {
        p.passo();
        if (n == 2) p.segna("il-fulmine");
    }
    p.uguale(p.conta("tuono.wav Play 0"), 1, "thunders");
    float prima = p.piattaforma.orologio;
    for (int n = 0; g.fase_pianta == 2 && n < 200; ++n) {
        prima = p.piattaforma.orologio;
        p.passo();
        if (n == 10) p.segna("la-pioggia");
    }
    // The rain stops at the first tick three seconds after it began.
    p.verifica(p.piattaforma.orologio - g.inizio_pioggia >= 3.0f, "the rain stopped before three seconds");
    p.verifica(prima - g.inizio_pioggia < 3.0f, "the rain went on after three seconds");
    for (int n = 0; g.fase_pianta < 4 && n < 20; ++n) {
        p.passo();
        if (n == 3) p.segna("la-pianta-cresce");
    }
    p.uguale(g.fase_pianta, 4, "the plant's phase");
    p.uguale(g.fase_caduta, 6, "the fall phase once the plant grew");
    p.uguale(p.conta("rain.wav Play 0"), 1, "rain sounds");
    p.uguale(p.conta("rain.wav Stop"), 1, "rain stops");
    p.uguale(p.conta("cresce.wav Play 0"), 1, "growth sounds");
    p.segna("la-pianta");

    // "Usare la pianta come scala per uscire dal cunicolo e proseguire a destra fino al pozzo
    // verticale."
    p.sali_scala("sulla-pianta");
    p.e_in(985, 46);
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(1310, 56);

    // "Saltare dall'altro lato (Maiusc+ freccia a destra) e nella libreria al centro tra i due
    // pozzi prendere il libro della giungla."
    p.salta_a_destra("il-salto");
    p.e_in(1400, 56);
    p.apri_e_raccogli("libro", &Form1::stato_libro, 1447, 17, "lib13.bmp");

    // "Saltare anche il secondo pozzo verticale e nella libreria seguente prendere il flauto
    // e la corda."
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(1415, 56);
    p.salta_a_destra();
    p.e_in(1505, 56);
    p.cammina_fino_a(1700);
    p.apri_e_raccogli("flauto", &Form1::stato_flauto, 1810, -6, "lib11.bmp");
    p.sali_scala("scala-d");
    p.e_in(1700, -168);
    p.apri_e_raccogli("corda", &Form1::stato_corda, 1744, -160, "lib12.bmp");

    // "Poi tornare indietro e lasciarsi cadere nel pozzo verticale."
    p.scendi_scala();
    p.e_in(1700, 56);
    p.cammina_fino_in_fondo(SINISTRA);  // the floor drops away into shaft 2
    p.e_in(1500, 276);
    p.verifica(!g.fine_partita, "the drop into shaft 2 ended the game");
    p.segna("in-fondo-al-pozzo");

    // "Aprire il libro che si trova sul fondo e prendere il costume da Tarzan."
    p.apri_e_raccogli("tarzan", &Form1::stato_tarzan, 1502, 372, "lib10.bmp", "la-pagina-del-costume");
    p.uguale(g.ultimo_oggetto, 3, "the last slot filled");  // book, flute, rope, costume

    // "Mettere la corda sul fondo del pozzo ed dare il flauto al professore che lo userà per
    // incantarla."
    p.cammina_fino_a(1475);
    p.trascina_su("corda", 1490, 355);  // where the coiled rope then lies
    p.uguale(g.fase_corda, 1, "the rope's phase");
    p.dai_al_professore("flauto");
    p.uguale(g.fase_corda, 2, "the rope's phase");
    for (int n = 0; g.fase_corda < 3 && n < 100; ++n) {
        p.passo();
        if (n == 8) p.segna("il-flauto-e-la-corda");
    }
    p.uguale(g.fase_corda, 3, "the rope's phase");
    p.uguale(p.conta("flauto.wav Play 0"), 1, "flute tunes");

    // "Risalire utilizzando la corda come scala. Proseguire fino al baratro successivo senza
    // salire sulla libreria."
    p.sali_scala("sulla-corda");
    p.e_in(1475, 56);
    p.cammina_fino_in_fondo(DESTRA);
    p.e_in(1880, 56);
    p.segna("l-orlo-del-baratro");

    // "Giunti quasi sull'orlo, prendere il libro della giungla e metterlo vicino al baratro"
    p.trascina_su("libro", 1900, 40);
    p.uguale(g.fase_giungla, 1, "the jungle's phase");
    p.aspetta(3);
    p.segna("la-giungla");

    // "Prendere il costume da Tarzan e darlo al professore..."
    p.dai_al_professore("tarzan");
    p.verifica(g.finale_attivo, "the final animation did not start");
    p.uguale(g.ultimo_oggetto, -1, "the last slot filled");
    for (int n = 0; g.Timer1.Enabled && n < 100; ++n) {
        p.passo();
        if (n == 25) p.segna("l-altalena");
    }
    p.segna("la-vittoria");
}

namespace {
// The three ladders straight up to the spider's floor, taking nothing.
void dritto_in_cima(Partita& p) {
    sali_al_primo_piano(p);
    sali_alla_seconda_libreria(p);
    sali_in_cima(p);
}
}  // namespace

void fatti_prendere_dal_ragno(Partita& p) {
    Form1& g = p.g();
    dritto_in_cima(p);
    p.tieni(DESTRA, [&] { return g.fine_partita; });
    p.uguale(g.fase_ragno, 1, "the spider's phase");
    p.verifica(g.pos_x > 650 && g.pos_x < 750, "caught outside the passage");
    p.aspetta(30);  // the spider climbs away with him
    p.segna("preso-dal-ragno");
}

void cadi_senza_ombrello(Partita& p) {
    Form1& g = p.g();
    prendi_la_mosca(p);
    dritto_in_cima(p);
    dai_la_mosca_al_ragno(p);
    vai_ai_gradini(p);
    p.tieni(DESTRA, [&] { return g.fine_partita; });
    p.e_in(985, 182);
    p.uguale(g.fase_caduta, 2, "the fall phase");
    p.verifica(g.Timer1.Enabled, "the frame loop stopped at the fatal fall");
    p.aspetta(5);
    p.segna("la-caduta-fatale");
}

void aspetta_lo_scadere(Partita& p) {
    Form1& g = p.g();
    p.cammina_fino_a(100);
    // Exactly 30 seconds is still in time; the next tick after it is not.
    p.piattaforma.orologio = g.tempo_inizio + 30.0f;
    p.tick();
    p.verifica(!g.fine_partita && g.Timer1.Enabled, "the game ended at exactly the time limit");
    p.passo();
    p.verifica(!g.Timer1.Enabled, "the game went on past the time limit");
    p.segna("il-tempo-scaduto");
}

}  // namespace didiv::test
