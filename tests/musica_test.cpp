// Music: set-up, one tune at a time, stop before start, silent failure.

#include "banco.h"

namespace didiv::test {
namespace {

std::vector<std::string> musica(const Registro& r) {
    std::vector<std::string> v;
    for (const auto& e : r)
        if (e.rfind("musica ", 0) == 0 || e == "CreaPlayerMusica") v.push_back(e);
    return v;
}

TEST(Musica, StartUpSetsUpThePlayerAndStartsTheThemeFromItsBeginning) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    EXPECT_EQ(musica(b.registro),
              (std::vector<std::string>{"CreaPlayerMusica", "musica Init", "musica SetPort -1 16",
                                        "musica SetMasterAutoDownload", "musica SetMasterVolume 100",
                                        "musica LoadSegment intro3.mid", "musica ConfiguraSegmento 2",
                                        "musica PlaySegment intro3.mid"}));
    EXPECT_TRUE(b.f().musica_attiva);
    EXPECT_EQ(b.audio.musica_in_corso, "intro3.mid");
}

TEST(Musica, EmptyNameWhileNothingPlaysDoesNothing) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    b.f().PlayMidi("");
    b.azzera_registro();
    b.f().PlayMidi("");
    EXPECT_TRUE(musica(b.registro).empty());
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
}

TEST(Musica, ThePlayingThemeIsStoppedAndStartedAgain) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    b.azzera_registro();
    b.f().PlayMidi("intro3.mid");
    EXPECT_EQ(musica(b.registro),
              (std::vector<std::string>{"musica StopMusica", "musica LoadSegment intro3.mid",
                                        "musica ConfiguraSegmento 2", "musica PlaySegment intro3.mid"}));
    EXPECT_EQ(b.audio.musica_avvii, 2);
}

TEST(Musica, AMissingFileStopsTheOldTuneSilently) {
    Banco b;
    b.audio.file_mancanti = {"symphony.mid"};
    ASSERT_TRUE(b.avvia());
    b.f().PlayMidi("symphony.mid");
    EXPECT_TRUE(b.audio.musica_in_corso.empty());
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_EQ(b.conta("musica PlaySegment symphony.mid"), 0);
    // The old, stopped tune is still the one asked about: nothing to stop next time.
    b.azzera_registro();
    b.f().PlayMidi("");
    EXPECT_TRUE(musica(b.registro).empty());
}

TEST(Musica, ABrokenPlayerNeverShowsAMessage) {
    Banco b;
    b.audio.musica_rotta = true;
    ASSERT_TRUE(b.avvia());
    b.f().PlayMidi("intro3.mid");
    b.f().PlayMidi("");
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_EQ(b.audio.musica_avvii, 0);
}

}  // namespace
}  // namespace didiv::test
