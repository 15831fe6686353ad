#pragma once
// Our own modal message box, laid out the Windows way: buttons in the Windows order, the
// default and the Escape button chosen by the style, the stop icon drawn for critical
// messages, the text wrapped.

#include <string>
#include <vector>

class Fl_Window;

namespace didiv {

class TastiMessaggio;

// The program's title, shown by a box given no title of its own.
constexpr const char* kTitoloProgramma = "Didiv Fiorlo";

struct PulsanteMessaggio {
    const char* etichetta;
    int risposta;
};

struct FormaMessaggio {
    std::vector<PulsanteMessaggio> pulsanti;  // left to right
    int predefinito = 0;    // index of the default button
    int risposta_esc = 0;   // answer to Escape and to closing the box
    bool icona_stop = false;
    std::string titolo;
};

FormaMessaggio forma_messaggio(int stile, const std::string& titolo);

// Shows the box centred over `sopra` (or the screen) and waits for the answer. Every key
// event meanwhile passes `tasti` first, whichever window the toolkit would give it to.
int mostra_messaggio(const std::string& testo, int stile, const std::string& titolo,
                     Fl_Window* sopra, TastiMessaggio& tasti);

}  // namespace didiv
