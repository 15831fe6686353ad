// didiv_galleria OUTDIR [ZOOM]: plays the solution on the real level, headless, and the
// three other endings, and writes the window as the player sees it at the named moments of
// the way (NN-name.png, in the order they come), so that the art is judged in its scenes.
// The data files are read from the directory above the program's, where the build puts them.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "../tests/giocatore.h"
#include "png.h"

namespace {

using namespace didiv;
using namespace didiv::test;

struct Galleria {
    std::filesystem::path cartella;
    std::filesystem::path dati;
    int zoom = 1;
    int scritti = 0;
    std::set<std::string> visti;  // the endings pass moments of the win's way again
    int guasti = 0;
    bool errore_di_scrittura = false;

    // A game on the fake desktop whose moments become pictures.
    void gioca(int tempo_limite, void (*percorso)(Partita&), bool con_inizio = false) {
        Partita p;
        p.piattaforma.cartella = dati.string();
        p.guasto = [&](const std::string& m) {
            ++guasti;
            std::fprintf(stderr, "off the route: %s\n", m.c_str());
        };
        p.momento = [&](const std::string& nome) { scrivi(p.g().finestra, nome); };
        if (!p.inizia(tempo_limite)) return;
        if (con_inizio) {
            p.passo();
            scrivi(p.g().finestra, "l-inizio");
        }
        percorso(p);
    }

    void scrivi(const Superficie& finestra, const std::string& nome) {
        if (!visti.insert(nome).second) return;
        char numero[16];
        std::snprintf(numero, sizeof numero, "%02d-", ++scritti);
        const auto file = cartella / (numero + nome + ".png");
        if (!scrivi_png(finestra, file, zoom)) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            errore_di_scrittura = true;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [ZOOM]\n", argv[0]);
        return 2;
    }
    Galleria g;
    // Absolute, since the game changes the working directory to its own.
    g.cartella = std::filesystem::absolute(argv[1]);
    if (argc > 2 && std::atoi(argv[2]) > 0) g.zoom = std::min(std::atoi(argv[2]), 4);
    g.dati = std::filesystem::path(cartella_dati()).parent_path();
    if (!std::filesystem::exists(g.dati / "gamemap1.bmp")) {
        std::fprintf(stderr, "no game data in %s\n", g.dati.c_str());
        return 2;
    }
    std::filesystem::create_directories(g.cartella);

    g.gioca(0, gioca_fino_alla_vittoria, true);
    g.gioca(0, fatti_prendere_dal_ragno);
    g.gioca(0, cadi_senza_ombrello);
    g.gioca(30, aspetta_lo_scadere);

    std::printf("%d moments written to %s\n", g.scritti, g.cartella.c_str());
    if (g.guasti) std::fprintf(stderr, "%d steps went off the route\n", g.guasti);
    return g.errore_di_scrittura || g.guasti ? 1 : 0;
}
