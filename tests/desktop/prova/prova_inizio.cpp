// The start dialog on its own: "Gioca" prints the chosen play time and opens a stand-in for
// the game window, which its close box ends. For screenshots and end-to-end tests.
// `--chiudi ID` instead asks window ID to close, as a window manager's close box does.

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "desktop/dialoghi/inizio_fltk.h"
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

int chiudi_finestra(const char* id) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 1;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = static_cast<Window>(std::strtoul(id, nullptr, 0));
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    const Status s = XSendEvent(d, e.xclient.window, False, NoEventMask, &e);
    XCloseDisplay(d);
    return s ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--chiudi") == 0) return chiudi_finestra(argv[2]);
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
