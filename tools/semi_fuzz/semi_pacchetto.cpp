// Bundle seeds: whole bundles of small pictures, and bundles damaged in one way each.

#include "platform/bmp.h"
#include "resources/pacchetto.h"
#include "semi_fuzz/semi.h"

namespace didiv::semi {
namespace {

Seme letto(std::string nome, std::vector<uint8_t> d) { return {std::move(nome), std::move(d), true, {}}; }
Seme rifiutato(std::string nome, std::vector<uint8_t> d) { return {std::move(nome), std::move(d), false, {}}; }

}  // namespace

std::vector<Seme> semi_pacchetto() {
    // Two of the BMP seeds, so that the bundle's pictures are ones the loader reads.
    std::vector<VocePacchetto> voci;
    for (const auto& s : semi_bmp())
        if (s.nome == "bmp1.bmp" || s.nome == "os2_4.bmp")
            voci.push_back({s.nome == "bmp1.bmp" ? "Picture2" : "Picture64", voci.empty() ? 0 : 3,
                            decodifica_bmp(s.dati)});
    const auto due = scrivi_pacchetto(voci);

    std::vector<Seme> v;
    v.push_back(letto("pacchetto_due_immagini.bin", due));
    v.push_back(letto("pacchetto_vuoto.bin", scrivi_pacchetto({})));
    v.push_back(rifiutato("rifiuto_pacchetto_troncato.bin", {due.begin(), due.end() - 1}));
    v.push_back(rifiutato("rifiuto_pacchetto_firma.bin", [&] { auto d = due; d[0] = 'X'; return d; }()));
    // Counts and lengths far beyond the bytes there are.
    v.push_back(rifiutato("rifiuto_pacchetto_conteggio.bin", [&] {
        std::vector<uint8_t> d(due.begin(), due.begin() + 4);
        d.insert(d.end(), {0xFF, 0xFF, 0xFF, 0xFF});
        return d;
    }()));
    v.push_back(rifiutato("rifiuto_pacchetto_nome_lungo.bin", [&] {
        auto d = due;
        d[8] = 0xF0; d[9] = 0xFF; d[10] = 0xFF; d[11] = 0xFF;
        return d;
    }()));
    return v;
}

}  // namespace didiv::semi
