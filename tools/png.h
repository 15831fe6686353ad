#pragma once
// Picture surfaces handed to Cairo: drawn into the generator's pictures, or written as PNG
// files for looking at the game's pictures outside it.

#include <cairo.h>

#include <filesystem>

#include "platform/superficie.h"

namespace didiv {

// A part of a surface as an RGB image, pixel for pixel; what lies outside the surface comes
// out white. The caller destroys it.
cairo_surface_t* immagine_cairo(const Superficie& s, int sx, int sy, int w, int h);

// Enlarged `zoom` times pixel for pixel; false when the file cannot be written.
bool scrivi_png(const Superficie& s, const std::filesystem::path& file, int zoom = 1);

}  // namespace didiv
