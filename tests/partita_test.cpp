// Whole games on the real level, played only through the handlers the desktop calls: keys,
// pointer moves, clicks and drags, with the frame loop ticking and the clock running. One game
// is won by the solution; the others end in each of the ways a game can end.

#include "banco.h"
#include "giocatore.h"

namespace didiv::test {
namespace {

// The player of the shared route, whose every surprise fails the test.
struct PartitaProvata : Partita {
    explicit PartitaProvata(int tempo_limite = 0) {
        guasto = [](const std::string& m) { ADD_FAILURE() << m; };
        inizia(tempo_limite);
    }
};

// After every ending the player sees the banner and hears the jingle once, the music is off,
// the professor no longer answers the arrows, and the next key or click closes the window.
void controlla_fine(PartitaProvata& p, const Superficie& banner, int bx, int by) {
    Form1& g = p.g();
    EXPECT_TRUE(g.fine_partita);
    EXPECT_TRUE(p.banner_sulla_finestra(banner, bx, by));
    EXPECT_EQ(p.conta("fine.wav Play 0"), 1);
    EXPECT_EQ(p.audio.musica_in_corso, "");
    EXPECT_EQ(p.modulo.tempo_limite, 0);
    const float x = g.pos_x, y = g.pos_y;
    p.premi_tasto(DESTRA);
    p.aspetta(3);
    p.lascia_tasto(DESTRA);
    EXPECT_EQ(g.pos_x, x);
    EXPECT_EQ(g.pos_y, y);
    EXPECT_FALSE(p.piattaforma.terminato);
}

TEST(Partita, LaSoluzioneVinceLaPartita) {
    PartitaProvata p;
    gioca_fino_alla_vittoria(p);
    Form1& g = p.g();
    EXPECT_TRUE(g.fine_partita);
    EXPECT_FALSE(g.finale_attivo);
    EXPECT_FALSE(g.Timer1.Enabled);
    EXPECT_EQ(g.conta_finale, 60);
    EXPECT_EQ(p.conta("tarzan.wav Play 0"), 1);
    EXPECT_EQ(p.conta("musica PlaySegment symphony.mid"), 1);
    EXPECT_EQ(p.audio.musica_in_corso, "symphony.mid");
    EXPECT_EQ(p.audio.buffer["jungla.wav"]->stato, 0);
    EXPECT_TRUE(p.banner_sulla_finestra(g.Picture77, 78, 166));
    EXPECT_FALSE(p.banner_sulla_finestra(g.Picture35, 100, 171));
    EXPECT_EQ(p.conta("fine.wav Play 0"), 0);
    EXPECT_EQ(p.conta("noway.wav Play 0"), 0);  // no drop was refused
    EXPECT_TRUE(p.piattaforma.messaggi.empty());  // no error on the way
    // The arrows do nothing more; a click closes the window and ends the program.
    p.premi_tasto(DESTRA);
    EXPECT_FALSE(g.va_destra);
    EXPECT_FALSE(p.clic({240, 240}));
    EXPECT_TRUE(p.piattaforma.terminato);
    EXPECT_EQ(p.conta("End"), 1);
}

TEST(Partita, IlRagnoPrendeChiPassaSenzaDargliLaMosca) {
    PartitaProvata p;
    Form1& g = p.g();
    fatti_prendere_dal_ragno(p);
    EXPECT_EQ(g.ragno_y, -60);
    EXPECT_EQ(p.audio.buffer["step.wav"]->stato, 0);
    controlla_fine(p, g.Picture35, 100, 171);
    // The professor hangs under the spider at the top, field (692 - scroll_x, -60): his feet show.
    EXPECT_TRUE(p.sprite_sulla_finestra(membro(g.Picture34, 0), membro(g.Picture34, 1), 692 - g.scroll_x, -60));
    // A key that is not an arrow closes the window.
    EXPECT_FALSE(p.batti(SPAZIO, 32));
    EXPECT_TRUE(p.piattaforma.terminato);
}

TEST(Partita, PresoDalRagnoNonCamminaPiuConLaFrecciaTenuta) {
    PartitaProvata p;
    Form1& g = p.g();
    sali_al_primo_piano(p);
    sali_alla_seconda_libreria(p);
    sali_in_cima(p);
    // Right held: the desktop repeats its key-down and never sends the release.
    p.premi_tasto(DESTRA);
    for (int n = 0; !g.fine_partita && n < 200; ++n) {
        p.passo();
        p.premi_tasto(DESTRA);
    }
    ASSERT_TRUE(g.fine_partita);
    ASSERT_EQ(g.fase_ragno, 1);
    const float x = g.pos_x;
    const int sx = g.scroll_x;
    for (int n = 0; n < 100; ++n) {
        p.passo();
        p.premi_tasto(DESTRA);
    }
    EXPECT_EQ(g.pos_x, x);
    EXPECT_EQ(g.scroll_x, sx);
    EXPECT_FALSE(g.va_destra);
    EXPECT_EQ(g.fase_caduta, 1);  // no walk down the steps into the fatal fall
    EXPECT_EQ(p.audio.buffer["step.wav"]->stato, 0);
    controlla_fine(p, g.Picture35, 100, 171);
    EXPECT_TRUE(p.sprite_sulla_finestra(membro(g.Picture34, 0), membro(g.Picture34, 1), 692 - g.scroll_x, -60));
}

TEST(Partita, SenzaOmbrelloLaCadutaNelPozzoEFatale) {
    PartitaProvata p;
    Form1& g = p.g();
    cadi_senza_ombrello(p);  // where he lands, in the fatal phase, the frame loop going on
    EXPECT_EQ(p.conta("crash.wav Play 0"), 1);
    controlla_fine(p, g.Picture35, 100, 171);
    // The dazed professor lies where he fell, at world (985, 208).
    EXPECT_TRUE(p.sprite_sulla_finestra(membro(g.Picture62, g.fotogramma), membro(g.Picture61, g.fotogramma),
                                        985 - g.scroll_x, 208 - g.scroll_y));
    // A walking press on the field does nothing; the click that follows it closes.
    EXPECT_FALSE(p.clic({300, 300}));
    EXPECT_TRUE(p.piattaforma.terminato);
}

TEST(Partita, AlloScadereDelTempoLaPartitaFinisce) {
    PartitaProvata p(30);
    Form1& g = p.g();
    aspetta_lo_scadere(p);  // not at the limit itself, at the tick after it
    const Superficie& banner = g.Picture36;
    controlla_fine(p, banner, (400 - banner.ScaleWidth()) / 2, (400 - banner.ScaleHeight()) / 2);
    // A letter closes the window.
    EXPECT_FALSE(p.evento([&] { g.Form_KeyDown('A', 0); }));
    EXPECT_TRUE(p.piattaforma.terminato);
}

TEST(Partita, EscChiedeEConNoSiContinua) {
    PartitaProvata p;
    Form1& g = p.g();
    p.premi_tasto(DESTRA);
    p.aspetta(4);
    EXPECT_TRUE(p.batti(ESC, 27));  // unanswered, the box gives its default: No
    ASSERT_EQ(p.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(p.piattaforma.messaggi[0].testo, "Si desidera terminare la partita in corso?");
    EXPECT_EQ(p.piattaforma.messaggi[0].titolo, "Uscita dal gioco");
    EXPECT_EQ(p.piattaforma.messaggi[0].stile, vbYesNo | vbDefaultButton2);
    EXPECT_FALSE(g.fine_partita);
    // The Esc key's own release ended the walk; the game still answers the arrows.
    const float x = g.pos_x;
    p.tieni(DESTRA, [&] { return g.pos_x == x + 20; });
    EXPECT_EQ(g.pos_x, x + 20);
    EXPECT_EQ(p.audio.musica_in_corso, "intro3.mid");

    p.piattaforma.risposte.push_back(vbNo);
    EXPECT_TRUE(p.batti(ESC, 27));
    EXPECT_FALSE(g.fine_partita);
    EXPECT_TRUE(g.Timer1.Enabled);

    p.piattaforma.risposte.push_back(vbYes);
    EXPECT_FALSE(p.batti(ESC, 27));
    EXPECT_EQ(p.piattaforma.messaggi.size(), 3u);
    EXPECT_TRUE(g.fine_partita);
    EXPECT_TRUE(p.piattaforma.terminato);
    EXPECT_EQ(p.audio.musica_in_corso, "");
    EXPECT_EQ(p.conta("fine.wav Play 0"), 0);  // quitting is no defeat
}

}  // namespace
}  // namespace didiv::test
