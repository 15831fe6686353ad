#include "dialogs/inizio.h"

#include <string>

#include "resources/testi_dialoghi.h"

namespace didiv {

Soluzione::Soluzione() : Label1(dialoghi::kTestoSoluzione) {}

void Soluzione::Form_Load() { Text1 = Label1; }

std::string Inizio::Elenco::Text() const {
    if (ListIndex < 0 || ListIndex >= static_cast<int>(voci.size())) return {};
    return voci[static_cast<size_t>(ListIndex)];
}

Inizio::Inizio(ModuloTres& m, SchermoInizio& s) : m_(m), s_(s) {
    for (std::string_view v : dialoghi::voci_combo1()) Combo1.voci.emplace_back(v);
}

void Inizio::Form_Load() { Combo1.ListIndex = 0; }

void Inizio::Option1_Click(int) { Combo1.Enabled = !Option1[0]; }

void Inizio::clic_opzione(int indice) {
    if (!attivo() || indice < 0 || indice > 1) return;
    Option1[0] = indice == 0;
    Option1[1] = indice == 1;
    Option1_Click(indice);
}

void Inizio::scegli_voce(int indice) {
    if (!attivo() || !Combo1.Enabled) return;
    if (indice < 0 || indice >= static_cast<int>(Combo1.voci.size())) return;
    Combo1.ListIndex = indice;
}

void Inizio::OKButton_Click() {
    m_.tempo_limite = 0;
    // Every item is a whole number of seconds that fits 16 bits.
    if (Option1[1]) m_.tempo_limite = CInt(std::stoll(Combo1.Text()));
    caricato = false;
    s_.scarica_inizio();
    s_.mostra_gioco();
    m_.piattaforma.DoEvents();
    if (s_.gioco_abilitato()) s_.porta_davanti_gioco();
}

void Inizio::CancelButton_Click() { apri_aiuto(Aiuto::Comandi); }

void Inizio::Command1_Click() { apri_aiuto(Aiuto::Soluzione); }

void Inizio::Command2_Click() { m_.piattaforma.End(); }

void Inizio::apri_aiuto(Aiuto a) {
    Enabled = false;
    s_.abilita_inizio(false);
    aiuto_aperto = a;
    if (a == Aiuto::Soluzione) {
        soluzione.emplace();
        soluzione->Form_Load();
    }
    s_.mostra_aiuto(a);
    m_.piattaforma.DoEvents();
    if (s_.aiuto_visibile(a)) s_.porta_davanti_aiuto(a);
}

void Inizio::chiudi_aiuto() {
    if (!aiuto_aperto) return;
    const Aiuto a = *aiuto_aperto;
    aiuto_aperto.reset();
    s_.scarica_aiuto(a);
    soluzione.reset();
    Enabled = true;
    s_.abilita_inizio(true);
    m_.piattaforma.DoEvents();
    if (Enabled) s_.porta_davanti_inizio();
}

}  // namespace didiv
