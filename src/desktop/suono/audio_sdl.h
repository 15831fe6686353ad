#pragma once
// The desktop's sound: SDL2 audio output (nothing else of SDL), the effects mixer and a
// FluidSynth player rendered into the same stream.

#include <memory>

#include "platform/audio.h"

namespace didiv {

std::unique_ptr<SistemaAudio> crea_audio_sdl();

}  // namespace didiv
