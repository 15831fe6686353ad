// The start dialog on its own: "Gioca" prints the chosen play time and opens a stand-in for
// the game window, which a click or its close box ends. For screenshots and end-to-end tests.

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "dialogs/fltk/inizio_fltk.h"
#include "platform/piattaforma_finta.h"

namespace {

class PiattaformaProva : public didiv::PiattaformaFinta {
public:
    using PiattaformaFinta::PiattaformaFinta;
    void DoEvents() override { Fl::check(); }
    [[noreturn]] void End() override {
        std::fflush(stdout);
        std::exit(0);
    }
};

}  // namespace

int main() {
    didiv::Registro registro;
    PiattaformaProva piattaforma(registro);
    didiv::AudioFinto audio(registro);
    didiv::ModuloTres modulo(piattaforma, audio);
    std::unique_ptr<Fl_Double_Window> gioco;
    didiv::esegui_inizio(modulo, [&] {
        std::printf("tempo_limite %d\n", static_cast<int>(modulo.tempo_limite));
        std::fflush(stdout);
        gioco = std::make_unique<Fl_Double_Window>(480, 540, "Didiv di Fiorlo");
        gioco->color(FL_BLACK);
        gioco->end();
        gioco->position((Fl::w() - 480) / 2, (Fl::h() - 540) / 2);
        gioco->show();
    });
    return Fl::run();
}
