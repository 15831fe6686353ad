#include "resources/catalogo.h"

#include <array>

namespace didiv {
namespace {

using T = TipoImmagine;
constexpr Misura P{80, 120};  // the professor's box

constexpr std::array kCatalogo{
    VoceCatalogo{"Picture1", 0, 0, {{400, 400}}, T::superficie},
    VoceCatalogo{"Picture2", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture3", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture4", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture5", 0, 0, {{2200, 800}}, T::da_file},
    VoceCatalogo{"Picture6", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture7", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture8", 0, 0, {{2200, 800}}, T::mappa},
    VoceCatalogo{"Picture9", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture10", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture11", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture12", 0, 0, {{400, 60}}, T::opaca},
    VoceCatalogo{"Picture13", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture14", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture15", 0, 2, {{400, 60}, {400, 60}}, T::coppia},
    VoceCatalogo{"Picture16", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture17", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture18", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture19", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture20", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture21", 0, 0, {{17, 32}}, T::opaca},
    VoceCatalogo{"Picture22", 0, 0, {{180, 38}}, T::opaca},
    VoceCatalogo{"Picture23", 0, 2, {{35, 12}, {35, 12}}, T::alternative},
    VoceCatalogo{"Picture24", 0, 0, {{14, 20}}, T::opaca},
    VoceCatalogo{"Picture25", 0, 0, {{150, 32}}, T::opaca},
    VoceCatalogo{"Picture26", 0, 0, {{150, 32}}, T::opaca},
    VoceCatalogo{"Picture27", 0, 0, {{13, 25}}, T::opaca},
    VoceCatalogo{"Picture28", 0, 0, {{150, 32}}, T::opaca},
    VoceCatalogo{"Picture29", 0, 0, {{17, 26}}, T::opaca},
    VoceCatalogo{"Picture30", 1, 4, {{32, 32}, {32, 32}, {32, 32}, {32, 32}}, T::icone},
    VoceCatalogo{"Picture31", 0, 3, {{105, 60}, {105, 60}, {105, 60}}, T::maschere},
    VoceCatalogo{"Picture32", 0, 3, {{105, 60}, {105, 60}, {105, 60}}, T::immagini},
    VoceCatalogo{"Picture33", 0, 0, {{3, 100}}, T::opaca},
    VoceCatalogo{"Picture34", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture35", 0, 0, {{200, 58}}, T::opaca},
    VoceCatalogo{"Picture36", 0, 0, {{174, 52}}, T::opaca},
    VoceCatalogo{"Picture37", 0, 2, {{61, 29}, {61, 29}}, T::coppia},
    VoceCatalogo{"Picture38", 0, 4, {{48, 63}, {48, 63}, {48, 63}, {48, 63}}, T::alternative},
    VoceCatalogo{"Picture39", 0, 2, {{53, 47}, {53, 47}}, T::coppia},
    VoceCatalogo{"Picture40", 0, 0, {{400, 60}}, T::superficie},
    VoceCatalogo{"Picture41", 0, 2, {{65, 46}, {65, 46}}, T::coppia},
    VoceCatalogo{"Picture42", 0, 2, {{67, 151}, {67, 151}}, T::coppia},
    VoceCatalogo{"Picture43", 0, 0, {{150, 32}}, T::opaca},
    VoceCatalogo{"Picture44", 0, 2, {{50, 49}, {50, 49}}, T::coppia},
    VoceCatalogo{"Picture45", 0, 0, {{15, 30}}, T::opaca},
    VoceCatalogo{"Picture46", 0, 0, {{150, 32}}, T::opaca},
    VoceCatalogo{"Picture47", 0, 0, {{150, 32}}, T::opaca},
    VoceCatalogo{"Picture48", 0, 0, {{150, 32}}, T::opaca},
    VoceCatalogo{"Picture49", 0, 0, {{15, 25}}, T::opaca},
    VoceCatalogo{"Picture50", 0, 0, {{14, 25}}, T::opaca},
    VoceCatalogo{"Picture51", 0, 0, {{14, 25}}, T::opaca},
    VoceCatalogo{"Picture52", 0, 3, {{23, 180}, {34, 270}, {45, 360}}, T::maschere},
    VoceCatalogo{"Picture53", 0, 3, {{23, 180}, {34, 270}, {45, 360}}, T::immagini},
    VoceCatalogo{"Picture54", 0, 2, {{64, 21}, {64, 21}}, T::coppia},
    VoceCatalogo{"Picture55", 0, 2, {{34, 50}, {34, 50}}, T::coppia},
    VoceCatalogo{"Picture56", 0, 5, {{50, 50}, {50, 50}, {50, 50}, {50, 50}, {50, 50}}, T::alternative},
    VoceCatalogo{"Picture57", 0, 2, {{31, 28}, {31, 28}}, T::alternative},
    VoceCatalogo{"Picture58", 0, 0, {{15, 25}}, T::opaca},
    VoceCatalogo{"Picture59", 0, 0, {{15, 25}}, T::opaca},
    VoceCatalogo{"Picture60", 0, 0, {{14, 25}}, T::opaca},
    VoceCatalogo{"Picture61", 0, 3, {{70, 94}, {70, 94}, {70, 94}}, T::immagini},
    VoceCatalogo{"Picture62", 0, 3, {{70, 94}, {70, 94}, {70, 94}}, T::maschere},
    VoceCatalogo{"Picture63", 0, 0, {{400, 400}}, T::da_file},
    VoceCatalogo{"Picture64", 0, 0, {{480, 540}}, T::opaca},
    VoceCatalogo{"Picture65", 0, 2, {{31, 48}, {31, 48}}, T::coppia},
    VoceCatalogo{"Picture66", 0, 2, {{43, 48}, {43, 48}}, T::coppia},
    VoceCatalogo{"Picture67", 0, 2, {{50, 46}, {50, 46}}, T::coppia},
    VoceCatalogo{"Picture68", 0, 2, {P, P}, T::coppia},
    VoceCatalogo{"Picture69", 0, 3, {{50, 60}, {50, 111}, {50, 232}}, T::immagini},
    VoceCatalogo{"Picture70", 0, 3, {{50, 60}, {50, 111}, {50, 232}}, T::maschere},
    VoceCatalogo{"Picture71", 0, 2, {{43, 48}, {43, 48}}, T::coppia},
    VoceCatalogo{"Picture72", 0, 3, {{43, 48}, {43, 48}, {43, 48}}, T::da_file},
    VoceCatalogo{"Picture73", 0, 3, {P, P, P}, T::maschere},
    VoceCatalogo{"Picture74", 0, 3, {P, P, P}, T::immagini},
    VoceCatalogo{"Picture75", 0, 2, {{33, 350}, {33, 350}}, T::coppia},
    VoceCatalogo{"Picture76", 0, 2, {{71, 369}, {71, 369}}, T::coppia},
    VoceCatalogo{"Picture77", 0, 0, {{245, 69}}, T::opaca},
};

}  // namespace

std::span<const VoceCatalogo> catalogo_immagini() { return kCatalogo; }

const VoceCatalogo* voce_catalogo(std::string_view nome) {
    for (const auto& v : kCatalogo)
        if (v.nome == nome) return &v;
    return nullptr;
}

}  // namespace didiv
