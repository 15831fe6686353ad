#pragma once
// A headless desktop and sound system for tests and benchmarks: a clock you set, answers
// you script, and a log of every call in the order it was made.

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/casuale.h"
#include "platform/piattaforma.h"

namespace didiv {

using Registro = std::vector<std::string>;

struct MessaggioMostrato {
    std::string testo;
    int stile;
    std::string titolo;
};

class PiattaformaFinta : public Piattaforma {
public:
    explicit PiattaformaFinta(Registro& r) : registro(r) {}

    Registro& registro;
    float orologio = 36000.0f;
    std::string cartella = ".";
    std::vector<MessaggioMostrato> messaggi;
    std::deque<int> risposte;  // answers to the next message boxes; otherwise the default
    int conteggio_cursore = 0;
    int do_events = 0;
    bool finestra_mostrata = false;
    bool terminato = false;

    float Timer() override { return orologio; }
    float Rnd() override { return casuale_.Rnd(); }
    void DoEvents() override;
    int MsgBox(const std::string& testo, int stile, const std::string& titolo) override;
    void ShowCursor(bool mostra) override;
    [[noreturn]] void End() override;
    std::string AppPath() override { return cartella; }
    void ChDir(const std::string& percorso) override;
    void MostraFinestraGioco() override;

private:
    GeneratoreCasuale casuale_;
};

class AudioFinto : public SistemaAudio {
public:
    explicit AudioFinto(Registro& r) : registro(r) {}

    struct StatoBuffer {
        int32_t stato = 0;
        int posizione = 0;  // advanced by the test, rewound by SetCurrentPosition
        int play = 0;
    };

    Registro& registro;
    int fallimenti_429 = 0;          // the next creations that fail as a missing component
    int32_t errore_creazione = 0;    // another error for every creation, 0 for none
    bool senza_uscita = false;       // devices come with no output behind them
    std::set<std::string> file_mancanti;
    std::map<std::string, std::shared_ptr<StatoBuffer>> buffer;  // by file name
    int registrazioni = 0;
    bool musica_rotta = false;       // every music call fails
    std::string musica_in_corso;     // "" while nothing plays
    int musica_avvii = 0;
    bool attiva = true;

    // A played-once buffer that reaches its end.
    void finisci(const std::string& file);

    std::unique_ptr<DispositivoSuono> DirectSoundCreate() override;
    void RegistraComponente() override;
    std::unique_ptr<PlayerMusica> CreaPlayerMusica() override;
    void FinestraAttiva(bool a) override { attiva = a; }
};

}  // namespace didiv
