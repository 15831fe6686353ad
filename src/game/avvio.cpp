// Creation, start-up and shutdown of the game window.

#include <string>

#include "game/form1.h"
#include "platform/bmp.h"
#include "resources/catalogo.h"
#include "resources/pacchetto.h"

namespace didiv {

Form1::Form1(ModuloTres& m) : modulo(m), finestra(480, 540) {
    carica_immagini_incorporate();
}

void Form1::carica_immagini_incorporate() {
    // Each control takes its built-in picture, or a blank one of its size while the art is
    // missing (a white mask and a black image draw nothing).
    auto carica = [](auto& membri, std::string_view nome) {
        const VoceCatalogo* v = voce_catalogo(nome);
        for (int i = 0; i < v->membri; ++i) {
            auto& s = membri[static_cast<size_t>(v->primo + i)];
            if (auto img = immagine_incorporata(nome, v->primo + i)) {
                s = std::move(*img);
            } else {
                const bool maschera = v->tipo == TipoImmagine::maschere ||
                                      (v->tipo == TipoImmagine::coppia && i == 0);
                s = Superficie(v->misure[i].w, v->misure[i].h, maschera ? RGB(255, 255, 255) : 0);
            }
        }
    };
    auto singola = [](Superficie& s, std::string_view nome) {
        const VoceCatalogo* v = voce_catalogo(nome);
        if (auto img = immagine_incorporata(nome, 0))
            s = std::move(*img);
        else if (v->tipo == TipoImmagine::da_file || v->tipo == TipoImmagine::mappa)
            s = Superficie::in_attesa(v->misure[0].w, v->misure[0].h);  // its file replaces it
        else
            s = Superficie(v->misure[0].w, v->misure[0].h);
    };
#define SINGOLA(n) singola(n, #n)
#define MEMBRI(n) carica(n, #n)
    SINGOLA(Picture1); SINGOLA(Picture5); SINGOLA(Picture8); SINGOLA(Picture12); SINGOLA(Picture21);
    SINGOLA(Picture22); SINGOLA(Picture24); SINGOLA(Picture25); SINGOLA(Picture26); SINGOLA(Picture27);
    SINGOLA(Picture28); SINGOLA(Picture29); SINGOLA(Picture33); SINGOLA(Picture35); SINGOLA(Picture36);
    SINGOLA(Picture40); SINGOLA(Picture43); SINGOLA(Picture45); SINGOLA(Picture46); SINGOLA(Picture47);
    SINGOLA(Picture48); SINGOLA(Picture49); SINGOLA(Picture50); SINGOLA(Picture51); SINGOLA(Picture58);
    SINGOLA(Picture59); SINGOLA(Picture60); SINGOLA(Picture63); SINGOLA(Picture64); SINGOLA(Picture77);
    MEMBRI(Picture2); MEMBRI(Picture3); MEMBRI(Picture4); MEMBRI(Picture6); MEMBRI(Picture7);
    MEMBRI(Picture9); MEMBRI(Picture10); MEMBRI(Picture11); MEMBRI(Picture13); MEMBRI(Picture14);
    MEMBRI(Picture15); MEMBRI(Picture16); MEMBRI(Picture17); MEMBRI(Picture18); MEMBRI(Picture19);
    MEMBRI(Picture20); MEMBRI(Picture23); MEMBRI(Picture34); MEMBRI(Picture37); MEMBRI(Picture39);
    MEMBRI(Picture41); MEMBRI(Picture42); MEMBRI(Picture44); MEMBRI(Picture54); MEMBRI(Picture55);
    MEMBRI(Picture57); MEMBRI(Picture65); MEMBRI(Picture66); MEMBRI(Picture67); MEMBRI(Picture68);
    MEMBRI(Picture71); MEMBRI(Picture75); MEMBRI(Picture76); MEMBRI(Picture31); MEMBRI(Picture32);
    MEMBRI(Picture52); MEMBRI(Picture53); MEMBRI(Picture61); MEMBRI(Picture62); MEMBRI(Picture69);
    MEMBRI(Picture70); MEMBRI(Picture72); MEMBRI(Picture73); MEMBRI(Picture74); MEMBRI(Picture38);
    MEMBRI(Picture56); MEMBRI(Picture30);
#undef SINGOLA
#undef MEMBRI
}

void Form1::Form_Load() {
    Trappola t(modulo, "Form1_load");
    Piattaforma& p = modulo.piattaforma;
    // Drive letters mean nothing here; the directory change is all that matters.
    t([&] { p.ChDir(p.AppPath()); });
    t([&] { p.ChDir(p.AppPath()); });
    t([&] { Width = 7200; });
    t([&] { Height = 8400; });
    t([&] { Picture1.ridimensiona(400, Picture1.ScaleHeight()); });
    t([&] { Picture1.ridimensiona(Picture1.ScaleWidth(), 400); });
    t([&] { Picture5 = LoadPicture("gameb2.bmp"); });
    t([&] { Picture8 = LoadPicture("gamemap1.bmp"); });
    t([&] { creasuoni(modulo); });
    t([&] { p.DoEvents(); });
    t([&] { preparasuoni(); });
    t([&] { InitDMusic(); });
    t([&] { MousePointer = vbArrow; });
    t([&] {
        vel_ragno = 7;
        direzione = 1;
        pos_x = -10.0f;
        pos_y = 168.0f;
        seq_fotogrammi = "0102";
        seq_giungla = "0121";
        indice_preso = -1;
        ultimo_oggetto = -1;
        scroll_x = 0;
        scroll_y = 0;
        fine_partita = false;
        finale_attivo = false;
        pagina1_attiva = false;
        stato_ombrello = 0;
        stato_vaso = 0;
        stato_mosca = 0;
        stato_seme = 0;
        stato_forchetta = 0;
        stato_nuvola = 0;
        pagina7_attiva = false;
        stato_libro = 0;
        stato_corda = 0;
        stato_flauto = 0;
        stato_tarzan = 0;
        stato_pagina2 = 0;
        fase_ragno = 0;
        fase_caduta = 0;
        fase_pianta = 0;
        fase_corda = 0;
        fase_giungla = 0;
        forchetta_posata = false;
        nuvola_posata = false;
        vaso_posato = false;
        seme_posato = false;
        salita_bloccata = false;
    });
    t([&] { p.MostraFinestraGioco(); });
    t([&] {
        BitBlt(Picture1, 0, 0, Picture1.ScaleWidth(), Picture1.ScaleHeight(), Picture5, 0,
               Picture5.ScaleHeight() - Picture1.ScaleHeight(), Rop::SRCCOPY);
    });
    t([&] { BitBlt(finestra, 40, 40, Picture1.ScaleWidth(), Picture1.ScaleHeight(), Picture1, 0, 0, Rop::SRCCOPY); });
    t([&] { tempo_inizio = p.Timer(); });
    t([&] { p.DoEvents(); });
    t([&] { Timer1.Enabled = true; });
    t([&] { musica_attiva = true; });
    t([&] { PlayMidi("intro3.mid"); });
}

void Form1::Form_Unload() {
    Trappola t(modulo, "Form1_unload");
    Piattaforma& p = modulo.piattaforma;
    t([&] { p.ShowCursor(true); });
    t([&] { PlayMidi(""); });
    t([&] { vuotasuoni(); });
    t([&] { p.DoEvents(); });
    p.End();
}

}  // namespace didiv
