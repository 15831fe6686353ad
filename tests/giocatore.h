#pragma once
// A player at the game window on the fake desktop: keys, pointer moves, clicks and drags
// given through the handlers the desktop calls, with the frame loop ticking and the clock
// running; and the solution's route in the player's words. Free of the test framework: what
// the route does not find as it expects goes to `guasto`, and the named moments of the route
// to `momento`, so that the tests fail on the first and the gallery pictures the second.

#include <functional>
#include <source_location>
#include <sstream>
#include <string>

#include "banco_base.h"
#include "platform/bmp.h"

namespace didiv::test {

constexpr int SINISTRA = 37, SU = 38, DESTRA = 39, GIU = 40, MAIUSC = 16, SPAZIO = 32;
constexpr int CON_MAIUSC = 1;
constexpr int ESC = 27;
constexpr float SECONDI_PER_TICK = 0.06f;

struct Punto {
    float X, Y;
};

struct Partita : Banco {
    std::function<void(const std::string&)> guasto = [](const std::string&) {};
    std::function<void(const std::string&)> momento = [](const std::string&) {};

    // Form_Load; true when it ran to its end.
    bool inizia(int tempo_limite = 0) {
        const bool ok = avvia(tempo_limite);
        verifica(ok, "the game window did not load");
        return ok;
    }

    Form1& g() { return f(); }

    // ---- what the route expects -----------------------------------------------------------
    void verifica(bool ok, const std::string& cosa, std::source_location dove = std::source_location::current()) {
        if (!ok) guasto(std::string(dove.file_name()) + ":" + std::to_string(dove.line()) + ": " + cosa);
    }
    template <class A, class B>
    void uguale(const A& visto, const B& atteso, const std::string& cosa,
                std::source_location dove = std::source_location::current()) {
        if (visto == atteso) return;
        std::ostringstream m;
        m << cosa << " is " << visto << ", not " << atteso;
        verifica(false, m.str(), dove);
    }
    void segna(const std::string& nome) { momento(nome); }

    // ---- time -------------------------------------------------------------------------
    // One frame: the clock moves on by the timer's interval, then the timer fires.
    bool passo() {
        piattaforma.orologio += SECONDI_PER_TICK;
        return tick();
    }
    void aspetta(int n) {
        for (int i = 0; i < n; ++i) passo();
    }
    bool in_moto() {
        Form1& s = g();
        return s.va_destra || s.va_sinistra || s.sale || s.scende || s.cade || s.salta_destra || s.salta_sinistra;
    }

    // ---- keys -------------------------------------------------------------------------
    void premi_tasto(int tasto, int shift = 0) { evento([&] { g().Form_KeyDown(tasto, shift); }); }
    void lascia_tasto(int tasto, int shift = 0) { evento([&] { g().Form_KeyUp(tasto, shift); }); }
    // A key that gives a character: KeyDown, KeyPress and KeyUp. False when the window closed.
    bool batti(int codice, int carattere) {
        bool vivo = evento([&] { g().Form_KeyDown(codice, 0); });
        if (vivo) vivo = evento([&] { g().Form_KeyPress(carattere); });
        if (vivo) vivo = evento([&] { g().Form_KeyUp(codice, 0); });
        return vivo;
    }

    // Holds an arrow until the movement stops by itself or `basta` holds; then lets go.
    template <class Basta>
    int tieni(int tasto, Basta basta, int shift = 0) {
        premi_tasto(tasto, shift);
        int n = 0;
        while (in_moto() && !basta() && n < 1000) {
            passo();
            ++n;
        }
        lascia_tasto(tasto, shift);
        return n;
    }
    int tieni(int tasto) {
        return tieni(tasto, [] { return false; });
    }
    // A condition for `tieni` that never stops it but marks the moment `nome` (if any)
    // after `dopo` frames of the movement.
    auto segna_dopo(int dopo, const char* nome) {
        return [this, dopo, nome, n = 0]() mutable {
            if (nome && n++ == dopo) segna(nome);
            return false;
        };
    }

    void cammina_fino_a(float x) {
        const int tasto = x > g().pos_x ? DESTRA : SINISTRA;
        tieni(tasto, [&] { return g().pos_x == x; });
        uguale(g().pos_x, x, "the walk stopped short: pos_x");
    }
    // Walks on until the floor ends (or the way drops away under him).
    void cammina_fino_in_fondo(int tasto) { tieni(tasto); }
    // Up or down a ladder to its end; `nome` marks the moment halfway.
    void sali_scala(const char* nome = nullptr) { tieni(SU, segna_dopo(12, nome)); }
    void scendi_scala(const char* nome = nullptr) { tieni(GIU, segna_dopo(12, nome)); }
    void salta_a_destra(const char* nome = nullptr) {
        premi_tasto(MAIUSC, CON_MAIUSC);
        tieni(DESTRA, segna_dopo(4, nome), CON_MAIUSC);
        lascia_tasto(MAIUSC, 0);
    }
    void e_in(float x, float y, std::source_location dove = std::source_location::current()) {
        uguale(g().pos_x, x, "pos_x", dove);
        uguale(g().pos_y, y, "pos_y", dove);
    }

    // ---- the pointer ------------------------------------------------------------------
    // Where a world point is on the window in the present view.
    Punto finestra_di(float wx, float wy) {
        return {wx - static_cast<float>(g().scroll_x) + 40, wy - static_cast<float>(g().scroll_y) + 40};
    }
    static bool nel_campo(Punto p) { return p.X >= 40 && p.X < 440 && p.Y >= 40 && p.Y < 440; }
    void muovi(Punto p, int bottone = 0) { evento([&] { g().Form_MouseMove(bottone, 0, p.X, p.Y); }); }
    // A click as the desktop gives it: press, release, click. False when the window closed.
    bool clic(Punto p) {
        bool vivo = evento([&] { g().Form_MouseDown(1, 0, p.X, p.Y); });
        if (vivo) vivo = evento([&] { g().Form_MouseUp(1, 0, p.X, p.Y); });
        if (vivo) vivo = evento([&] { g().Form_Click(); });
        return vivo;
    }

    // Moves the pointer onto a book the player can see on the play field, coming from the
    // shelf beside it, as a hand does.
    void punta_libro(float wx, float wy);
    // True when the window shows the page `file` over the play field, but for the page's box
    // (sx0, sy0) .. (sx1, sy1) if one is given.
    bool mostra_pagina(const std::string& file, int sx0 = 0, int sy0 = 0, int sx1 = 0, int sy1 = 0);
    // Points at the book of `parola`, opens it (the game pauses on its page; `nome` marks
    // that moment) and closes it again, which puts the object into the bar.
    void apri_e_raccogli(const char* parola, Integer Form1::*stato, float wx, float wy, const char* pagina,
                         const char* nome = nullptr);
    // A hint page: open it, look, close it.
    void leggi_pagina(float wx, float wy, const char* pagina);

    int slot(const std::string& parola) {
        for (int i = 0; i <= g().ultimo_oggetto; ++i)
            if (g().inventario[static_cast<size_t>(i)] == parola) return i;
        return -1;
    }

    // Presses on the object in the bar, carries it to window point `p` and lets go there. The
    // carried picture hangs from the pointer by its top-left corner.
    void trascina_a(const std::string& parola, Punto p);
    // Carries the object so that its picture's corner lies on a world point the player can
    // see, and checks it was taken.
    void trascina_su(const std::string& parola, float wx, float wy);
    // Held against the professor: the object's picture over his body.
    void dai_al_professore(const std::string& parola) { trascina_su(parola, g().pos_x + 5, g().pos_y + 40); }

    // ---- what the player sees at the end -------------------------------------------------
    // True when the window shows `banner` copied whole at play-field point (x, y).
    bool banner_sulla_finestra(const Superficie& banner, int x, int y);
    // True when the window shows the sprite at play-field point (x, y), wherever it lies on
    // the field and its mask is not white; false when no such pixel is on the field.
    bool sprite_sulla_finestra(const Superficie& maschera, const Superficie& immagine, int x, int y);
};

// ---- the stages of the route, in the words of the solution -----------------------------

// "Dalla prima libreria prendere la mosca." (the first hint page is read on the way)
void prendi_la_mosca(Partita& p);
// Up ladder A to the first floor and along it; his feet pass the red book's trigger row.
void sali_al_primo_piano(Partita& p);
// "Salire le scale a pioli della seconda libreria"
void sali_alla_seconda_libreria(Partita& p);
// "Arrivati in cima": up ladder C to the spider's floor.
void sali_in_cima(Partita& p);
// "... recuperare la mosca dalla barra degli oggetti e darla al ragno che la inseguirà e
// lascerà il passaggio libero."
void dai_la_mosca_al_ragno(Partita& p);
// To the head of the stone steps.
void vai_ai_gradini(Partita& p);
// Follows the solution: every object found, taken and used where it belongs, to the win.
void gioca_fino_alla_vittoria(Partita& p);

// The endings other than the win, up to the tick that shows each one's banner.
// Without the fly, up to the spider: it takes him.
void fatti_prendere_dal_ragno(Partita& p);
// Past the spider and down the steps without the umbrella: the fall is fatal.
void cadi_senza_ombrello(Partita& p);
// A timed game of 30 seconds that runs out: the first tick after the limit ends it.
void aspetta_lo_scadere(Partita& p);

}  // namespace didiv::test
