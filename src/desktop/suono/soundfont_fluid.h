#pragma once
// Soundfonts handed to FluidSynth from memory as well as from disk.

#include <cstdint>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace didiv {

// Gives the synthesizer a loader that reads soundfonts held in memory as well as files.
void aggiungi_caricatore_memoria(_fluid_synth_t* synth, _fluid_hashtable_t* impostazioni);

// Loads a soundfont held in memory, whole: its bytes may be freed once this returns. The
// soundfont's id, or -1 when the synthesizer refuses it.
int carica_soundfont_in_memoria(_fluid_synth_t* synth, _fluid_hashtable_t* impostazioni,
                                const std::vector<uint8_t>& dati);

}  // namespace didiv
