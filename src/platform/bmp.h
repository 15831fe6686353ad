#pragma once
// Windows BMP files: the only picture format the game reads. A malformed file is refused
// with run-time error 481, never read out of bounds.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/superficie.h"

namespace didiv {

// Missing file: error 53. Anything we cannot read as a BMP: error 481.
Superficie LoadPicture(const std::string& percorso);
Superficie decodifica_bmp(std::span<const uint8_t> dati);

// A 24-bit bottom-up BMP of the surface, byte for byte the same for the same pixels.
std::vector<uint8_t> codifica_bmp24(const Superficie& s);

}  // namespace didiv
