#pragma once
// The built-in pictures of the game window: every picture control with its members, their
// sizes and how they are drawn. The generator draws to these sizes; the game loads them.

#include <span>
#include <string_view>

namespace didiv {

enum class TipoImmagine {
    superficie,    // a buffer with no picture of its own
    coppia,        // members 0 mask, 1 image
    maschere,      // twin array of masks
    immagini,      // twin array of images
    opaca,         // copied unmasked
    alternative,   // opaque variants, one copied at a time
    icone,         // mouse-pointer icons
    mappa,         // read pixel by pixel, never drawn
    da_file,       // receives a picture loaded at run time
};

struct Misura {
    int w, h;
};

struct VoceCatalogo {
    std::string_view nome;
    int primo;      // index of the first member
    int membri;     // 0 for a single control
    Misura misure[5];
    TipoImmagine tipo;
};

std::span<const VoceCatalogo> catalogo_immagini();
const VoceCatalogo* voce_catalogo(std::string_view nome);

// The window's own icon: 32 x 32.
constexpr std::string_view kNomeIcona = "Icona";
constexpr Misura kMisuraIcona{32, 32};

}  // namespace didiv
