#pragma once
// Standard MIDI Files, read whole before a tune is handed to the synthesizer: a file that
// cannot be read to its end is refused here, once, instead of failing inside the player.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <set>
#include <utility>

namespace didiv {

constexpr int BANCO_PERCUSSIONI = 128;  // the drum channel's instruments
constexpr int CANALE_PERCUSSIONI = 9;

// One note as the synthesizer meets it: the instrument selected on its channel and what is
// struck.
struct NotaSuonata {
    int banco;
    int programma;
    int tasto;
    int velocita;
    auto operator<=>(const NotaSuonata&) const = default;
};

struct BranoMidi {
    // (bank, program) of every instrument the tune selects; a channel that plays before any
    // program change uses the synthesizer's reset instrument, which is not listed.
    std::set<std::pair<int, int>> strumenti;
    uint64_t durata_tick = 0;  // of the longest track, to its last event or its end
    // Every note the tune strikes, played once and then repeated from the state it ends in.
    // Where tracks could reach the synthesizer in either order (a program change on one and a
    // note on another within one block of the synthesizer), the note is listed under both
    // instruments: never fewer than are heard.
    std::set<NotaSuonata> note;
};

// Formats 0 to 2 with at least one track and a division in ticks per quarter note. Any byte
// that does not fit, an event that runs past its track or a track past the file, is run-time
// error 321; the reader never looks past the bytes it was given.
BranoMidi leggi_brano_midi(const uint8_t* dati, size_t n);

}  // namespace didiv
