#pragma once
// A bench: the game window on a headless desktop, driven tick by tick, with a clock and
// answers the driver sets and every sound, message and call recorded. Free of the test
// framework, so that tools can drive the game too.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "game/form1.h"
#include "platform/piattaforma_finta.h"

namespace didiv::test {

// The directory of the running program; the tests sit beside the generated data files.
std::string cartella_dati();

struct Banco {
    Registro registro;
    PiattaformaFinta piattaforma{registro};
    AudioFinto audio{registro};
    ModuloTres modulo{piattaforma, audio};
    std::unique_ptr<Form1> form;

    Banco() {
        piattaforma.cartella = cartella_dati();
        form = std::make_unique<Form1>(modulo);
    }

    Form1& f() { return *form; }

    // Form_Load; true when it ran to its end without ending the process.
    bool avvia(int tempo_limite = 0) {
        modulo.tempo_limite = tempo_limite;
        try {
            form->Form_Load();
            return true;
        } catch (const FineProcesso&) {
            return false;
        }
    }

    // One tick, if the timer is on. False when the process ended inside it.
    bool tick() {
        if (!form->Timer1.Enabled) return true;
        try {
            form->Timer1_Timer();
            return true;
        } catch (const FineProcesso&) {
            return false;
        }
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) tick();
    }

    template <class F>
    bool evento(F&& f) {
        try {
            f();
            return true;
        } catch (const FineProcesso&) {
            return false;
        }
    }

    int conta(const std::string& voce) const {
        return static_cast<int>(std::count(registro.begin(), registro.end(), voce));
    }
    void azzera_registro() { registro.clear(); }
};

}  // namespace didiv::test
