#pragma once
// The start dialog and its two help windows, without any toolkit: the state of the
// controls and what each click does. A desktop skin draws it and forwards the clicks.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/modulo.h"

namespace didiv {

enum class Aiuto { Comandi, Soluzione };

// What the dialog asks of the windows on screen.
class SchermoInizio {
public:
    virtual ~SchermoInizio() = default;

    virtual void abilita_inizio(bool abilitato) = 0;
    virtual void porta_davanti_inizio() = 0;
    // Closes and unloads Inizio for good.
    virtual void scarica_inizio() = 0;

    // Creates the help window and shows it, not modal.
    virtual void mostra_aiuto(Aiuto a) = 0;
    virtual bool aiuto_visibile(Aiuto a) = 0;
    virtual void porta_davanti_aiuto(Aiuto a) = 0;
    virtual void scarica_aiuto(Aiuto a) = 0;

    // Creates form1 and shows it, not modal; its whole start-up runs inside.
    virtual void mostra_gioco() = 0;
    virtual bool gioco_abilitato() = 0;
    virtual void porta_davanti_gioco() = 0;
};

// The solution window: its text box is filled from the hidden label at every load.
struct Soluzione {
    std::string Label1;
    std::string Text1;

    Soluzione();
    void Form_Load();
};

class Inizio {
public:
    Inizio(ModuloTres& m, SchermoInizio& s);

    struct Elenco {
        std::vector<std::string> voci;
        int ListIndex = -1;
        bool Enabled = false;
        std::string Text() const;
    };

    // The controls' state.
    std::array<bool, 2> Option1{true, false};
    Elenco Combo1;
    bool Enabled = true;
    bool caricato = true;
    std::optional<Aiuto> aiuto_aperto;
    std::optional<Soluzione> soluzione;  // exists while its window does

    // The handlers.
    void Form_Load();
    void Option1_Click(int Index);
    void OKButton_Click();
    void CancelButton_Click();
    void Command1_Click();
    void Command2_Click();

    // What the player does; nothing happens while the dialog is disabled or gone.
    void clic_opzione(int indice);
    void scegli_voce(int indice);
    void clic_gioca() { if (attivo()) OKButton_Click(); }
    void clic_riepilogo() { if (attivo()) CancelButton_Click(); }
    void clic_soluzione() { if (attivo()) Command1_Click(); }
    void clic_esci() { if (attivo()) Command2_Click(); }
    // The close box of Inizio: leaving before the game, like "Esci".
    void chiudi_inizio() { if (attivo()) Command2_Click(); }

    // The help window's own button, and its close box, which must not leave Inizio disabled.
    void chiudi_aiuto();

private:
    bool attivo() const { return caricato && Enabled; }
    void apri_aiuto(Aiuto a);

    ModuloTres& m_;
    SchermoInizio& s_;
};

}  // namespace didiv
