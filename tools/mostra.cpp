// didiv_mostra OUTDIR [ZOOM] [CONTROL...]: writes the built-in pictures compiled into the
// game as PNG files (Picture64_0.png, Icona_0.png, ...), enlarged ZOOM times pixel for
// pixel, so that the art can be looked at outside the game. With control names, only those.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "png.h"
#include "resources/pacchetto.h"

int main(int argc, char** argv) {
    using namespace didiv;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTDIR [ZOOM] [CONTROL...]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    int zoom = 1;
    int primo_nome = 2;
    if (argc > 2 && std::atoi(argv[2]) > 0) {
        zoom = std::min(std::atoi(argv[2]), 16);
        primo_nome = 3;
    }
    std::set<std::string> scelti(argv + primo_nome, argv + argc);
    std::filesystem::create_directories(dir);

    int scritti = 0;
    for (const auto& v : leggi_pacchetto(pacchetto_incorporato())) {
        if (!scelti.empty() && !scelti.count(v.nome)) continue;
        const auto file = dir / (v.nome + "_" + std::to_string(v.membro) + ".png");
        const bool ok = scrivi_png(v.immagine, file, zoom);
        if (!ok) {
            std::fprintf(stderr, "cannot write %s\n", file.c_str());
            return 1;
        }
        ++scritti;
    }
    std::printf("%d pictures written to %s\n", scritti, dir.c_str());
    return 0;
}
