#pragma once
// The module shared by all windows: the play time chosen in the start dialog, the sound
// and music objects that live as long as the process, and the error reporter.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/numeri.h"
#include "platform/piattaforma.h"

namespace didiv {

struct ModuloTres {
    ModuloTres(Piattaforma& p, SistemaAudio& a) : piattaforma(p), audio(a) {}

    Piattaforma& piattaforma;
    SistemaAudio& audio;

    // Seconds of play, 0 for free play; set by the start dialog, cleared by every ending.
    Integer tempo_limite;

    // Sound device objects; never released while the process lives.
    std::unique_ptr<DispositivoSuono> ds;
    bool ds_primario = false;
    Integer tentativi;  // registrations of the sound component tried so far

    // Music objects.
    std::unique_ptr<PlayerMusica> musica_perf;
    bool musica_loader = false;
    bool musica_seg = false;
    bool musica_stato = false;
};

// Shows the error message; returns on Retry, ends the process on Cancel.
void gestione_errore(ModuloTres& m, int32_t numero, const std::string& descrizione,
                     const std::string& funzione);

// The text of the error message, exactly as shown.
std::string testo_errore(int32_t numero, const std::string& descrizione, const std::string& funzione);

// Runs a procedure's steps one by one: a step that fails is reported with the procedure's
// label and the procedure goes on with the next step.
class Trappola {
public:
    Trappola(ModuloTres& m, const char* etichetta) : m_(m), etichetta_(etichetta) {}

    template <class Passo>
    void operator()(Passo&& passo) {
        try {
            passo();
        } catch (const ErroreRuntime& e) {
            gestione_errore(m_, e.numero(), e.descrizione(), etichetta_);
        }
    }

private:
    ModuloTres& m_;
    const char* etichetta_;
};

// Creates the sound device; registers the component when it is missing.
void creasuoni(ModuloTres& m);

}  // namespace didiv
