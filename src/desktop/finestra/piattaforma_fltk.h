#pragma once
// The real desktop: the game window on the X display through FLTK, its frame timer, its
// input turned into the game's events, our own modal message boxes, the pointer and the
// clock. One instance per process.

#include <memory>
#include <string>

#include "game/modulo.h"
#include "platform/casuale.h"
#include "platform/piattaforma.h"

namespace didiv {

class Form1;

class PiattaformaFltk : public Piattaforma {
public:
    // Opens the display: the key repeat must be set up before any window is shown.
    PiattaformaFltk();
    ~PiattaformaFltk() override;
    PiattaformaFltk(const PiattaformaFltk&) = delete;
    PiattaformaFltk& operator=(const PiattaformaFltk&) = delete;

    float Timer() override;
    float Rnd() override { return casuale_.Rnd(); }
    void DoEvents() override;
    int MsgBox(const std::string& testo, int stile, const std::string& titolo) override;
    void ShowCursor(bool mostra) override;
    [[noreturn]] void End() override;
    std::string AppPath() override;
    void ChDir(const std::string& percorso) override;
    void MostraFinestraGioco() override;

    // Creates the game window `form1` and runs its start-up; the window then lives until
    // the process ends.
    void avvia_gioco(ModuloTres& modulo);

    // Whether the X server stops its autorepeat's false releases by itself.
    bool ripetizione_rilevabile() const;

    struct Interno;

private:
    GeneratoreCasuale casuale_;
    std::unique_ptr<Interno> i_;
};

}  // namespace didiv
