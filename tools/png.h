#pragma once
// A picture surface written as a PNG file, for looking at the game's pictures outside it.

#include <filesystem>

#include "platform/superficie.h"

namespace didiv {

// Enlarged `zoom` times pixel for pixel; false when the file cannot be written.
bool scrivi_png(const Superficie& s, const std::filesystem::path& file, int zoom = 1);

}  // namespace didiv
