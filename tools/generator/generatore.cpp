// Runs every producer in name order and writes what they made: the data files into the
// program's directory and the built-in pictures into one bundle compiled into the program.

#include "generatore.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/bmp.h"
#include "resources/catalogo.h"
#include "resources/pacchetto.h"

namespace didiv::gen {

std::map<std::string, Produttore>& produttori() {
    static std::map<std::string, Produttore> m;
    return m;
}

Registrazione::Registrazione(const char* nome, Produttore p) { produttori()[nome] = p; }

void Uscita::immagine(const std::string& controllo, int membro, Superficie s) {
    immagini_[{controllo, membro}] = std::move(s);
}

void Uscita::coppia(const std::string& controllo, std::pair<Superficie, Superficie> mi) {
    immagine(controllo, 0, std::move(mi.first));
    immagine(controllo, 1, std::move(mi.second));
}

void Uscita::file(const std::string& nome, std::vector<uint8_t> dati) { files_[nome] = std::move(dati); }

void Uscita::bmp(const std::string& nome, const Superficie& s) { file(nome, codifica_bmp24(s)); }

}  // namespace didiv::gen

namespace {

void scrivi(const std::filesystem::path& p, const std::vector<uint8_t>& dati) {
    // Write beside, then rename: a build interrupted half-way never leaves a torn file.
    auto tmp = p;
    tmp += ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary);
        f.write(reinterpret_cast<const char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
        if (!f) throw std::runtime_error("cannot write " + tmp.string());
    }
    std::filesystem::rename(tmp, p);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace didiv;
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR BUNDLE_FILE\n", argv[0]);
        return 2;
    }
    try {
        gen::Uscita out;
        for (const auto& [nome, p] : gen::produttori()) p(out);

        std::vector<VocePacchetto> voci;
        for (const auto& [chiave, s] : out.immagini()) {
            const auto& [controllo, membro] = chiave;
            Misura attesa{};
            if (controllo == kNomeIcona) {
                attesa = kMisuraIcona;
            } else {
                const VoceCatalogo* v = voce_catalogo(controllo);
                if (!v) throw std::runtime_error("unknown control " + controllo);
                const int i = membro - v->primo;
                if (i < 0 || i >= std::max(v->membri, 1)) throw std::runtime_error("bad member of " + controllo);
                attesa = v->misure[i];
            }
            if (s.ScaleWidth() != attesa.w || s.ScaleHeight() != attesa.h)
                throw std::runtime_error(controllo + "(" + std::to_string(membro) + ") is " +
                                         std::to_string(s.ScaleWidth()) + "x" + std::to_string(s.ScaleHeight()));
            voci.push_back({controllo, membro, s});
        }
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        for (const auto& [nome, dati] : out.files()) scrivi(dir / nome, dati);
        const std::filesystem::path pacchetto = argv[2];
        std::filesystem::create_directories(pacchetto.parent_path());
        scrivi(pacchetto, scrivi_pacchetto(voci));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
