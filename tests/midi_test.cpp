// The MIDI file reader: the game's own tunes, and files that cannot be played to their end.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <utility>
#include <iterator>
#include <string>
#include <vector>

#include "audio/midi.h"
#include "platform/errori_runtime.h"

namespace didiv {
namespace {

using Byte = std::vector<uint8_t>;

Byte leggi(const std::string& file) {
    std::ifstream f(file, std::ios::binary);
    return Byte((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

Byte chunk(const char* nome, const Byte& corpo) {
    Byte o(nome, nome + 4);
    const auto n = static_cast<uint32_t>(corpo.size());
    for (int i = 3; i >= 0; --i) o.push_back(static_cast<uint8_t>(n >> (8 * i)));
    o.insert(o.end(), corpo.begin(), corpo.end());
    return o;
}

// A file of the given format with these track bodies, 480 ticks a quarter note.
Byte smf(const std::vector<Byte>& tracce, uint16_t formato = 1, uint16_t divisione = 480) {
    Byte o = chunk("MThd", {0, static_cast<uint8_t>(formato), 0, static_cast<uint8_t>(tracce.size()),
                            static_cast<uint8_t>(divisione >> 8), static_cast<uint8_t>(divisione)});
    for (const auto& t : tracce) {
        const Byte c = chunk("MTrk", t);
        o.insert(o.end(), c.begin(), c.end());
    }
    return o;
}

const Byte FINE = {0x00, 0xFF, 0x2F, 0x00};

Byte con_fine(Byte t) {
    t.insert(t.end(), FINE.begin(), FINE.end());
    return t;
}

BranoMidi leggi_byte(const Byte& b) { return leggi_brano_midi(b.data(), b.size()); }

void rifiutato(const Byte& b, const char* perche) {
    try {
        leggi_byte(b);
        ADD_FAILURE() << "accepted: " << perche;
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), ERR_FORMATO_FILE) << perche;
    }
}

using Strumenti = std::set<std::pair<int, int>>;

TEST(Midi, TheThemeAndTheFanfareAreReadWithTheirInstruments) {
    const BranoMidi tema = leggi_byte(leggi("intro3.mid"));
    EXPECT_EQ(tema.strumenti, (Strumenti{{0, 71}, {0, 58}, {0, 45}, {0, 9}}));
    EXPECT_EQ(tema.durata_tick, 32u * 4 * 480);  // 32 bars, and the repeat comes in on the beat
    const BranoMidi vittoria = leggi_byte(leggi("symphony.mid"));
    EXPECT_EQ(vittoria.strumenti, (Strumenti{{0, 56}, {0, 61}, {0, 48}, {0, 47}}));
    EXPECT_EQ(vittoria.durata_tick, 9u * 4 * 480);
}

TEST(Midi, EveryCutOfTheThemeShortOfItsEndIsRefused) {
    for (const char* file : {"intro3.mid", "symphony.mid"}) {
        const Byte intero = leggi(file);
        ASSERT_GT(intero.size(), 100u) << file;
        for (size_t n = 0; n < intero.size(); ++n) {
            const Byte tagliato(intero.begin(), intero.begin() + static_cast<long>(n));
            EXPECT_THROW(leggi_byte(tagliato), ErroreRuntime) << file << " cut to " << n << " bytes";
        }
    }
}

TEST(Midi, AHeaderThatIsNotPlayableIsRefused) {
    const Byte t = con_fine({0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0});
    Byte b = smf({t});
    b[0] = 'X';
    rifiutato(b, "not MThd");
    b = smf({t});
    b[7] = 7;
    rifiutato(b, "header of 7 bytes");
    rifiutato(smf({t}, 3), "format 3");
    rifiutato(smf({}), "no track");
    rifiutato(smf({t}, 1, 0xE728), "SMPTE time");
    rifiutato(smf({t}, 1, 0), "division 0");
    b = smf({t});
    b[11] = 2;
    rifiutato(b, "a second track the file does not have");
    rifiutato({}, "no bytes");
}

TEST(Midi, EventsThatDoNotFitAreRefused) {
    rifiutato(smf({con_fine({0x00, 60, 100})}), "a data byte with no running status");
    rifiutato(smf({con_fine({0x00, 0xFF, 0x01, 0x01, 'a', 0x00, 60, 100})}), "running status after a meta event");
    rifiutato(smf({con_fine({0x00, 0xF1, 0x10})}), "a system message");
    rifiutato(smf({con_fine({0x00, 0xF7, 0x00})}), "a lone sysex continuation");
    rifiutato(smf({con_fine({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1})}), "a tempo of two bytes");
    rifiutato(smf({{0x00, 0xFF, 0x2F, 0x01, 0x00}}), "an end of track with data");
    rifiutato(smf({con_fine({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 100})}), "a delta of five bytes");
    rifiutato(smf({con_fine({0x00, 0x90, 0x80, 100})}), "a status byte as a note");
    rifiutato(smf({{0x00, 0x90, 60}}), "a note cut by its track's end");
    rifiutato(smf({{0x00, 0xFF, 0x01, 0x10, 'a'}}), "a text longer than its track");
    Byte b = smf({con_fine({0x00, 0x90, 60, 100})});
    b[21] = 0x40;  // the track claims more bytes than the file has
    rifiutato(b, "a track past the file's end");
    Byte c = chunk("\x01MTr", {});
    Byte d = smf({FINE});
    d.insert(d.begin() + 14, c.begin(), c.end());
    rifiutato(d, "a chunk whose name is not text");
}

TEST(Midi, WhatTheFormatAllowsIsRead) {
    // Running status, a sysex, an unknown chunk skipped, a track with no end of track.
    Byte d = smf({con_fine({0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x00, 0xB0, 0x00, 0x02, 0x00, 0xC0, 0x05,
                            0x00, 0x90, 60, 100, 0x83, 0x60, 60, 0}),
                  {0x00, 0xC9, 0x10, 0x10, 0x99, 36, 90}});
    const Byte extra = chunk("XFIH", {1, 2, 3});
    d.insert(d.begin() + 14, extra.begin(), extra.end());
    const BranoMidi b = leggi_byte(d);
    EXPECT_EQ(b.strumenti, (Strumenti{{2, 5}, {BANCO_PERCUSSIONI, 0x10}}));
    EXPECT_EQ(b.durata_tick, 480u);
    // Bytes after the end of track are never read.
    EXPECT_EQ(leggi_byte(smf({{0x00, 0xFF, 0x2F, 0x00, 0xF1}})).durata_tick, 0u);
}

using Note = std::set<NotaSuonata>;

TEST(Midi, TheTunesStrikeEveryNoteUnderTheirChannelsInstrumentsAndNeverUnderTheReset) {
    for (const char* file : {"intro3.mid", "symphony.mid"}) {
        const BranoMidi b = leggi_byte(leggi(file));
        ASSERT_GT(b.note.size(), 20u) << file;
        std::set<std::pair<int, int>> suonati;
        for (const auto& n : b.note) {
            suonati.insert({n.banco, n.programma});
            EXPECT_TRUE(n.tasto >= 0 && n.tasto < 128 && n.velocita > 0 && n.velocita < 128) << file;
        }
        // Each channel selects its instrument before its first note, on the same track: the
        // reset piano never sounds; the drum kit plays on the drum channel.
        std::set<std::pair<int, int>> attesi = b.strumenti;
        attesi.insert({BANCO_PERCUSSIONI, 0});
        for (const auto& s : suonati) EXPECT_TRUE(attesi.count(s)) << file << ": " << s.first << "/" << s.second;
        EXPECT_FALSE(suonati.count({0, 0})) << file;
    }
}

TEST(Midi, NotesAreListedUnderTheInstrumentInForceWhenTheyReachTheSynthesizer) {
    // One track: notes before and after a bank select and program change. Repeated, the first
    // note sounds under the instrument the tune ends with.
    const BranoMidi una = leggi_byte(smf({con_fine({0x00, 0x90, 60, 100, 0x60, 0xB0, 0x00, 0x08, 0x00, 0xC0, 0x05,
                                                     0x00, 0x90, 62, 90, 0x00, 0x99, 36, 80})}, 0));
    EXPECT_EQ(una.note, (Note{{0, 0, 60, 100}, {8, 5, 60, 100}, {8, 5, 62, 90}, {BANCO_PERCUSSIONI, 0, 36, 80}}));

    // A change on one track and a note on another in the same instant may reach the
    // synthesizer in either order; a note well after it only under the new instrument.
    const BranoMidi due = leggi_byte(smf({con_fine({0x00, 0x90, 64, 70, 0x83, 0x60, 0x90, 65, 70}),
                                           con_fine({0x00, 0xC0, 0x30})}));
    EXPECT_EQ(due.note, (Note{{0, 0, 64, 70}, {0, 48, 64, 70}, {0, 48, 65, 70}}));

    // A change on the note's own track is in its place, whatever the instant.
    const BranoMidi tre = leggi_byte(smf({con_fine({0x00, 0xC0, 0x30, 0x00, 0x90, 64, 70}), con_fine({})}));
    EXPECT_EQ(tre.note, (Note{{0, 48, 64, 70}}));
}

TEST(Midi, ANoteOffWrittenAsANoteOfNoVelocityStrikesNothing) {
    const BranoMidi b = leggi_byte(smf({con_fine({0x00, 0x90, 60, 100, 0x60, 60, 0, 0x00, 0x80, 61, 40})}));
    EXPECT_EQ(b.note, (Note{{0, 0, 60, 100}}));
}

}  // namespace
}  // namespace didiv
