// The sound device and the effect slots on the recording fake: creation with its
// registration retries, the load order, missing files and the silent-device mend.

#include <gmock/gmock.h>

#include "banco.h"

namespace didiv::test {
namespace {

using ::testing::HasSubstr;

const std::vector<std::string> kFile = {"step.wav", "stairs.wav", "flub.wav",   "mosca.wav",
                                        "noway.wav", "tuono.wav", "rain.wav",   "cresce.wav",
                                        "fine.wav",  "attiva.wav", "cade.wav",  "crash.wav",
                                        "succ.wav",  "jungla.wav", "tarzan.wav", "flauto.wav"};

std::vector<std::string> voci_con(const Registro& r, const std::string& prefisso) {
    std::vector<std::string> v;
    for (const auto& e : r)
        if (e.rfind(prefisso, 0) == 0) v.push_back(e.substr(prefisso.size()));
    return v;
}

int messaggi_con(const Banco& b, const std::string& etichetta) {
    int n = 0;
    for (const auto& m : b.piattaforma.messaggi)
        if (m.testo.find("'" + etichetta + "'") != std::string::npos) ++n;
    return n;
}

TEST(Suoni, StartUpCreatesTheDeviceThenLoadsTheSixteenInOrder) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_EQ(voci_con(b.registro, "Carica "), kFile);
    // Device, pending events, then the effects, then the music.
    auto pos = [&](const std::string& s) { return std::find(b.registro.begin(), b.registro.end(), s) - b.registro.begin(); };
    EXPECT_LT(pos("DirectSoundCreate"), pos("SetCooperativeLevel 1"));
    EXPECT_LT(pos("SetCooperativeLevel 1"), pos("CreaBufferPrimario"));
    EXPECT_LT(pos("CreaBufferPrimario"), pos("DoEvents"));
    EXPECT_LT(pos("DoEvents"), pos("Carica step.wav"));
    EXPECT_LT(pos("Carica flauto.wav"), pos("CreaPlayerMusica"));
    EXPECT_TRUE(b.modulo.ds_primario);
    EXPECT_EQ(b.modulo.tentativi, 0);
    EXPECT_EQ(b.audio.buffer.size(), 16u);
}

TEST(Suoni, MissingCrashWavIsReportedOnceAndLeavesOnlyItsSlotEmpty) {
    Banco b;
    b.audio.file_mancanti = {"crash.wav"};
    ASSERT_TRUE(b.avvia());
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_THAT(b.piattaforma.messaggi[0].testo, HasSubstr("n.  53 nella funzione 'FORM1_PREPARASUONI'"));
    EXPECT_TRUE(b.f().suono_crash.vuoto());
    EXPECT_FALSE(b.f().suono_succ.vuoto());  // loading went on after it
    EXPECT_TRUE(b.f().Timer1.Enabled);
    // From then on the empty slot is silent: it plays, stops and rewinds nothing and reads
    // as stopped.
    SlotSuono& crash = b.f().suono_crash;
    EXPECT_NO_THROW(crash.Play(0));
    EXPECT_NO_THROW(crash.Play(DSBPLAY_LOOPING));
    EXPECT_EQ(crash.GetStatus(), 0);
    EXPECT_NO_THROW(crash.Stop());
    EXPECT_NO_THROW(crash.SetCurrentPosition(0));
    EXPECT_EQ(b.conta("crash.wav Play 0"), 0);
}

TEST(Suoni, AMissingEffectIsReportedOnlyAtStartUp) {
    Banco b;
    b.audio.file_mancanti = {"fine.wav"};
    ASSERT_TRUE(b.avvia(30));
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    b.piattaforma.orologio += 31;
    b.tick();  // the time limit would play "fine.wav"
    EXPECT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_TRUE(b.f().fine_partita);
    EXPECT_FALSE(b.f().Timer1.Enabled);
}

TEST(Suoni, MissingLoopsAndTheBookSoundAskNothingOfThePlayerDuringPlay) {
    Banco b;
    b.audio.file_mancanti = {"step.wav", "stairs.wav", "attiva.wav"};
    ASSERT_TRUE(b.avvia());
    ASSERT_EQ(messaggi_con(b, "FORM1_PREPARASUONI"), 3);
    Form1& g = b.f();
    // The pointer on and off the fly's book, world (42, 253) at the start's view.
    for (int i = 0; i < 3; ++i) {
        b.evento([&] { g.Form_MouseMove(0, 0, 82, 293); });
        EXPECT_EQ(g.stato_mosca, 1);
        b.evento([&] { g.Form_MouseMove(0, 0, 10, 10); });
        EXPECT_EQ(g.stato_mosca, 0);
    }
    // Walking on, into the wall at the left edge, and climbing where there is no ladder.
    for (int tasto : {39, 37, 38, 40}) {
        b.evento([&] { g.Form_KeyDown(tasto, 0); });
        b.ticks(4);
        b.evento([&] { g.Form_KeyUp(tasto, 0); });
    }
    b.evento([&] { g.Form_MouseDown(1, 0, 300, 300); });
    b.ticks(4);
    b.evento([&] { g.Form_MouseUp(1, 0, 300, 300); });
    EXPECT_EQ(b.piattaforma.messaggi.size(), 3u);
    EXPECT_GT(g.pos_x, -10.0f);  // he did walk
}

TEST(Suoni, TwoMissingComponentsAreRegisteredAndStartUpGoesOn) {
    Banco b;
    b.audio.fallimenti_429 = 2;
    ASSERT_TRUE(b.avvia());
    EXPECT_EQ(b.audio.registrazioni, 2);
    EXPECT_EQ(b.modulo.tentativi, 2);
    EXPECT_EQ(b.conta("DirectSoundCreate"), 3);
    EXPECT_TRUE(b.piattaforma.messaggi.empty());
    EXPECT_EQ(b.audio.buffer.size(), 16u);
}

TEST(Suoni, TheThirdMissingComponentShowsTheMessageAndEnds) {
    Banco b;
    b.audio.fallimenti_429 = 3;
    EXPECT_FALSE(b.avvia());
    EXPECT_EQ(b.audio.registrazioni, 2);
    EXPECT_TRUE(b.piattaforma.terminato);
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    const auto& m = b.piattaforma.messaggi[0];
    EXPECT_EQ(m.titolo, "Didiv Fiorlo");
    EXPECT_EQ(m.stile, vbOKOnly | vbCritical);
    EXPECT_EQ(m.testo,
              "Non è possibile registrare un componente necessario al funzionamento del Programma. Se "
              "questo messaggio compare al primo avvio di Fiorlo5.0 dopo l'installazione, verificare che "
              "essa sia stata eseguita come Amministratore di Sistema e che l'accesso attuale al Sistema "
              "avvenga con l'account di Amministratore. Inoltre, se si utilizza il Sistema Operativo "
              "Windows Vista, verificare che il 'Controllo account utente' sia attualmente disabilitato e "
              "che sia stato disabilitato prima di procedere all'installazione.");
    EXPECT_EQ(b.conta("Carica step.wav"), 0);  // nothing after the end
}

TEST(Suoni, RegistrationAttemptsAreCountedForTheWholeProcess) {
    Banco b;
    b.audio.fallimenti_429 = 2;
    ASSERT_TRUE(b.avvia());
    b.audio.fallimenti_429 = 1;
    EXPECT_FALSE(b.evento([&] { creasuoni(b.modulo); }));
    EXPECT_EQ(b.audio.registrazioni, 2);
    EXPECT_EQ(b.piattaforma.messaggi.size(), 1u);
}

TEST(Suoni, AnotherCreationFailureIsReportedStepByStepAndEveryLoadFails) {
    Banco b;
    b.audio.errore_creazione = ERR_CHIAMATA_NON_VALIDA;
    ASSERT_TRUE(b.avvia());
    EXPECT_EQ(b.audio.registrazioni, 0);
    EXPECT_EQ(messaggi_con(b, "CREASUONI"), 3);
    EXPECT_EQ(messaggi_con(b, "FORM1_PREPARASUONI"), 16);
    EXPECT_TRUE(b.f().suono_step.vuoto());
}

TEST(Suoni, NoOutputIsReportedOnceThenTheEffectsWorkSilently) {
    Banco b;
    b.audio.senza_uscita = true;
    ASSERT_TRUE(b.avvia());
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    EXPECT_THAT(b.piattaforma.messaggi[0].testo,
                HasSubstr("n.  68 nella funzione 'CREASUONI': Periferica non disponibile."));
    EXPECT_EQ(b.audio.buffer.size(), 16u);
    EXPECT_EQ(b.conta("CreaBufferPrimario"), 1);
    b.f().suono_step.Play(DSBPLAY_LOOPING);
    EXPECT_EQ(b.f().suono_step.GetStatus(), 5);
    EXPECT_EQ(b.piattaforma.messaggi.size(), 1u);
}

TEST(Suoni, UnloadReleasesTheSlotsInLoadOrderAfterStoppingTheMusic) {
    Banco b;
    ASSERT_TRUE(b.avvia());
    b.azzera_registro();
    EXPECT_FALSE(b.evento([&] { b.f().Form_Unload(); }));
    EXPECT_EQ(b.registro.front(), "ShowCursor 1");
    EXPECT_EQ(b.conta("musica StopMusica"), 1);
    EXPECT_TRUE(b.f().suono_step.vuoto());
    EXPECT_TRUE(b.f().suono_flauto.vuoto());
    EXPECT_EQ(b.registro.back(), "End");
}

}  // namespace
}  // namespace didiv::test
