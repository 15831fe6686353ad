#include <filesystem>

#include "file_prova.h"
#include "banco.h"

namespace didiv::test {
namespace {

TEST(Avvio, FieldsTakeTheirStartValues) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    Form1& f = b.f();
    EXPECT_EQ(f.vel_ragno, 7);
    EXPECT_EQ(f.direzione, 1);
    EXPECT_EQ(f.pos_x, -10.0f);
    EXPECT_EQ(f.pos_y, 168.0f);
    EXPECT_EQ(f.seq_fotogrammi, "0102");
    EXPECT_EQ(f.seq_giungla, "0121");
    EXPECT_EQ(f.indice_preso, -1);
    EXPECT_EQ(f.ultimo_oggetto, -1);
    EXPECT_EQ(f.scroll_x, 0);
    EXPECT_EQ(f.scroll_y, 0);
    EXPECT_FALSE(f.fine_partita);
    EXPECT_EQ(f.fase_caduta, 0);
    EXPECT_TRUE(f.musica_attiva);
    EXPECT_EQ(f.tempo_inizio, b.piattaforma.orologio);
    EXPECT_TRUE(f.Timer1.Enabled);
    EXPECT_FALSE(f.Timer2.Enabled);
    EXPECT_EQ(f.Width, 7200);
    EXPECT_EQ(f.Height, 8400);
    EXPECT_EQ(f.Picture1.ScaleWidth(), 400);
    EXPECT_EQ(f.Picture1.ScaleHeight(), 400);
    EXPECT_EQ(f.Picture5.ScaleWidth(), 2200);
    EXPECT_EQ(f.Picture8.ScaleHeight(), 800);
    EXPECT_EQ(f.MousePointer, vbArrow);
    // Fields given values only at creation are never reset by start-up.
    for (const auto& s : f.inventario) EXPECT_EQ(s, "");
    EXPECT_FALSE(f.va_destra || f.va_sinistra || f.sale || f.scende || f.cade);
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
}

TEST(Avvio, StepsRunInOrder) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    const std::vector<std::string> attesi{
        "ChDir " + cartella_dati(), "DirectSoundCreate", "SetCooperativeLevel 1", "CreaBufferPrimario",
        "DoEvents", "Carica step.wav", "Carica flauto.wav", "CreaPlayerMusica", "musica Init",
        "musica SetPort -1 16", "musica SetMasterVolume 100", "Show", "DoEvents",
        "musica LoadSegment intro3.mid", "musica PlaySegment intro3.mid"};
    size_t da = 0;
    for (const auto& voce : attesi) {
        auto it = std::find(b.registro.begin() + static_cast<long>(da), b.registro.end(), voce);
        ASSERT_NE(it, b.registro.end()) << voce << " missing or out of order";
        da = static_cast<size_t>(it - b.registro.begin()) + 1;
    }
    EXPECT_EQ(b.piattaforma.do_events, 2);
}

TEST(Avvio, FirstFrameIsTheBottomLeftOfTheWorldAtFortyForty) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    Form1& f = b.f();
    for (auto [x, y] : {std::pair{0, 0}, {399, 399}, {123, 321}})
        EXPECT_EQ(f.finestra.Point(40 + x, 40 + y), f.Picture5.Point(x, 400 + y));
    // The frame picture comes only with the first tick.
    EXPECT_EQ(f.finestra.Point(5, 5), 0);
}

TEST(Avvio, MissingWorldPictureIsReportedOnceAndStartUpGoesOn) {
    Banco b;
    const std::filesystem::path tmp = file_prova("senza_mondo");
    std::filesystem::create_directories(tmp);
    std::filesystem::copy_file(cartella_dati() + "/gamemap1.bmp", tmp / "gamemap1.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(tmp / "gameb2.bmp");
    b.piattaforma.cartella = tmp.string();
    ASSERT_TRUE(b.avvia());
    std::filesystem::current_path(cartella_dati());
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_NE(b.piattaforma.messaggi[0].testo.find("n.  53 nella funzione 'FORM1_LOAD'"), std::string::npos)
        << b.piattaforma.messaggi[0].testo;
    EXPECT_EQ(b.f().Picture5.ScaleWidth(), 2200) << "the surface stays as it was";
    EXPECT_EQ(b.f().Picture8.Point(0, 0), 0);
    EXPECT_TRUE(b.f().Timer1.Enabled);
    std::filesystem::remove_all(tmp);
}

TEST(Avvio, CancelDuringStartUpEndsThereWithoutShutdown) {
    Banco b;
    b.audio.file_mancanti.insert("step.wav");
    b.piattaforma.risposte.push_back(vbCancel);
    EXPECT_FALSE(b.avvia());
    EXPECT_TRUE(b.piattaforma.terminato);
    EXPECT_EQ(b.conta("Carica stairs.wav"), 0) << "nothing after the failed step runs";
    EXPECT_FALSE(b.f().Timer1.Enabled);
    EXPECT_EQ(b.conta("ShowCursor 1"), 0);
}

TEST(Chiusura, UnloadShowsPointerStopsMusicReleasesSoundsAndEnds) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    b.azzera_registro();
    EXPECT_FALSE(b.evento([&] { b.f().Unload(); }));
    const std::vector<std::string> attesi{"ShowCursor 1", "musica StopMusica", "DoEvents", "End"};
    EXPECT_EQ(b.registro, attesi);
    EXPECT_TRUE(b.f().suono_step.vuoto());
    EXPECT_TRUE(b.f().suono_flauto.vuoto());
}

}  // namespace
}  // namespace didiv::test
