#pragma once
// The game window: all of the game's state, its picture surfaces, its sixteen effects and
// its event handlers. It draws into surfaces only; the host shows `finestra` after every
// tick and event, and forwards input to the handlers in the order of the desktop's events.

#include <array>
#include <memory>
#include <span>
#include <string>

#include "game/modulo.h"
#include "platform/audio.h"
#include "platform/numeri.h"
#include "platform/superficie.h"

namespace didiv {

// One effect buffer held by the game window. A slot whose file would not load was reported
// once, when the slots were filled; from then on it is silent: playing, stopping and
// rewinding it do nothing and it reads as stopped, as every effect does on a mute device.
class SlotSuono {
public:
    void Play(int32_t flags) {
        if (b_) b_->Play(flags);
    }
    void Stop() {
        if (b_) b_->Stop();
    }
    int32_t GetStatus() { return b_ ? b_->GetStatus() : 0; }
    void SetCurrentPosition(int32_t p) {
        if (b_) b_->SetCurrentPosition(p);
    }

    void imposta(std::unique_ptr<BufferSuono> b) { b_ = std::move(b); }
    void svuota() { b_.reset(); }
    bool vuoto() const { return !b_; }

private:
    std::unique_ptr<BufferSuono> b_;
};

struct Timer {
    bool Enabled = false;
    int Interval = 60;
};

// Mouse pointer values of the window.
constexpr int vbDefault = 0;
constexpr int vbArrow = 1;
constexpr int vbCustom = 99;

// The colours of the collision map.
constexpr Colore MAPPA_BIANCO = RGB(255, 255, 255);
constexpr Colore MAPPA_ROSSO = RGB(255, 0, 0);
constexpr Colore MAPPA_BLU = RGB(0, 0, 255);
constexpr Colore MAPPA_VERDE = RGB(0, 255, 0);
constexpr Colore MAPPA_MAGENTA = RGB(255, 0, 255);

// Indexing a control array out of its range is run-time error 9.
template <class Arr>
auto& membro(Arr& a, int i, int primo = 0) {
    if (i < primo || i >= static_cast<int>(a.size())) solleva(ERR_INDICE);
    return a[static_cast<size_t>(i)];
}

class Form1 {
public:
    explicit Form1(ModuloTres& modulo);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    ModuloTres& modulo;

    // ---- the window ----------------------------------------------------------------
    static constexpr const char* Caption = "Didiv di Fiorlo";
    int Width = 0;   // outer size in twips
    int Height = 0;
    Superficie finestra;  // the client area as it stands between events (480 x 540)
    int MousePointer = vbDefault;
    const Superficie* MouseIcon = nullptr;
    Timer Timer1;
    Timer Timer2;  // declared by the layout, never enabled

    // ---- picture surfaces ------------------------------------------------------------
    Superficie Picture1, Picture5, Picture8, Picture12, Picture21, Picture22, Picture24, Picture25,
        Picture26, Picture27, Picture28, Picture29, Picture33, Picture35, Picture36, Picture40,
        Picture43, Picture45, Picture46, Picture47, Picture48, Picture49, Picture50, Picture51,
        Picture58, Picture59, Picture60, Picture63, Picture64, Picture77;
    using Coppia = std::array<Superficie, 2>;
    using Tre = std::array<Superficie, 3>;
    Coppia Picture2, Picture3, Picture4, Picture6, Picture7, Picture9, Picture10, Picture11,
        Picture13, Picture14, Picture15, Picture16, Picture17, Picture18, Picture19, Picture20,
        Picture23, Picture34, Picture37, Picture39, Picture41, Picture42, Picture44, Picture54,
        Picture55, Picture57, Picture65, Picture66, Picture67, Picture68, Picture71, Picture75,
        Picture76;
    Tre Picture31, Picture32, Picture52, Picture53, Picture61, Picture62, Picture69, Picture70,
        Picture72, Picture73, Picture74;
    std::array<Superficie, 4> Picture38;
    std::array<Superficie, 5> Picture56;
    std::array<Superficie, 5> Picture30;  // members 1 to 4

    // ---- state fields --------------------------------------------------------------
    Integer vel_ragno;
    Integer direzione;
    float pos_x = 0, pos_y = 0;
    std::string seq_fotogrammi, seq_giungla;
    Integer indice_preso, ultimo_oggetto;
    Integer scroll_x, scroll_y;
    bool fine_partita = false, finale_attivo = false;
    bool pagina1_attiva = false;
    Integer stato_ombrello, stato_vaso, stato_mosca, stato_seme, stato_forchetta, stato_nuvola;
    bool pagina7_attiva = false;
    Integer stato_libro, stato_corda, stato_flauto, stato_tarzan, stato_pagina2;
    Integer fase_ragno, fase_caduta, fase_pianta, fase_corda, fase_giungla;
    bool forchetta_posata = false, nuvola_posata = false, vaso_posato = false, seme_posato = false;
    bool salita_bloccata = false;
    float tempo_inizio = 0;
    bool musica_attiva = false;
    Integer preso_x, preso_y;
    bool va_destra = false, va_sinistra = false, sale = false, scende = false, cade = false;
    bool salta_destra = false, salta_sinistra = false;
    Integer meta_salto;
    std::array<std::string, 5> inventario;
    std::string nome_preso;
    bool su_scala = false;
    Integer fotogramma;  // this tick's frame digit

    SlotSuono suono_step, suono_stairs, suono_flub, suono_noway, suono_rain, suono_tuono,
        suono_fine, suono_mosca, suono_cresce, suono_attiva, suono_cade, suono_crash, suono_succ,
        suono_jungla, suono_tarzan, suono_flauto;

    // ---- persistent counters ---------------------------------------------------------
    Integer passo;
    bool fine_suonata_caduta = false;
    Integer ragno_y, passo_ragno, ragno_dx;
    bool fine_suonata_ragno = false;
    Integer conta_crolla, conta_pianta;
    float inizio_pioggia = 0;
    Integer conta_pianta2, vel_caduta, x_caduta, conta_corda, conta_giungla, conta_finale,
        fotogramma_finale, discesa_liana, spostamento_liana;

    // ---- start-up, shutdown, frame loop ------------------------------------------------
    void Form_Load();
    void Form_Unload();  // ends the process
    void Unload() { Form_Unload(); }
    void Timer1_Timer();
    void finetempo();

    // ---- input -------------------------------------------------------------------
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyPress(int KeyAscii);
    void Form_KeyUp(int KeyCode, int Shift);
    void Form_Click();
    void Form_DblClick();
    void Form_MouseDown(int Button, int Shift, float X, float Y);
    void Form_MouseMove(int Button, int Shift, float X, float Y);
    void Form_MouseUp(int Button, int Shift, float X, float Y);

    // ---- motion and controls ---------------------------------------------------------
    void Calcola_mov();
    void tasti(int KeyCode, int Shift);

    // ---- drawing steps of the tick ----------------------------------------------------
    void passo_personaggio(Trappola& t);
    void ringhiere();
    static bool nelle_fasce_ringhiere(float y);
    void passo_barra(Trappola& t);
    void passo_oggetto_portato(Trappola& t);

    // ---- objects and the scenes they set going ------------------------------------------
    void libri();
    void crolla();
    void ragno();
    void strato_pianta(Trappola& t);
    void strato_seme(Trappola& t);
    void strato_corda(Trappola& t);
    void pianta();
    void pianta2();
    void corda();
    void jungla();
    void anim_finale();

    // ---- sound and music --------------------------------------------------------------
    void preparasuoni();
    void vuotasuoni();
    void InitDMusic();
    void PlayMidi(const std::string& MidiString);

private:
    // Branches of the mouse handlers, run inside the handler's own trap.
    void premi_barra(Trappola& t, float X, float Y);
    void premi_campo(Trappola& t, int Shift, float X, float Y);
    void trascina(Trappola& t, float X, float Y);
    void sorvola(Trappola& t, float X, float Y);
    void rilascia_cammino(Trappola& t);
    void rilascia_oggetto(Trappola& t);

    void carica_immagini_incorporate();
};

}  // namespace didiv
