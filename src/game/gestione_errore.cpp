#include <cctype>

#include "game/modulo.h"

namespace didiv {

std::string testo_errore(int32_t numero, const std::string& descrizione, const std::string& funzione) {
    std::string etichetta = funzione;
    for (char& c : etichetta) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return "Si è verificato l'errore n. " + Str(numero) + " nella funzione '" + etichetta + "': " +
           descrizione + ". Fare clic su 'Riprova' per continuare, su 'Annulla' per terminare il programma.";
}

void gestione_errore(ModuloTres& m, int32_t numero, const std::string& descrizione,
                     const std::string& funzione) {
    int risposta = vbRetry;
    // The reporter traps its own failures with a plain fall-back message and goes on.
    auto ripiego = [&](int32_t n) {
        m.piattaforma.MsgBox("Errore n." + Str(n) + "nella routine di gestione", vbOKOnly, "");
    };
    std::string testo;
    try {
        testo = testo_errore(numero, descrizione, funzione);
    } catch (const ErroreRuntime& e) {
        ripiego(e.numero());
    }
    try {
        risposta = m.piattaforma.MsgBox(testo, vbRetryCancel | vbCritical, "Fiorlo5.0");
    } catch (const ErroreRuntime& e) {
        ripiego(e.numero());
    }
    if (risposta == vbCancel) m.piattaforma.End();
}

}  // namespace didiv
