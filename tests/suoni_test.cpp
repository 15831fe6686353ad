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
    // Using the empty slot is error 91, which the calling procedure reports.
    try {
        b.f().suono_crash.Play(0);
        FAIL();
    } catch (const ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), ERR_OGGETTO_NON_IMPOSTATO);
    }
}

TEST(Suoni, EachPlayOfAMissingEffectShowsOneMoreMessage) {
    Banco b;
    b.audio.file_mancanti = {"fine.wav"};
    ASSERT_TRUE(b.avvia(30));
    ASSERT_EQ(b.piattaforma.messaggi.size(), 1u);
    b.piattaforma.orologio += 31;
    b.tick();  // the time limit plays "fine.wav"
    ASSERT_EQ(b.piattaforma.messaggi.size(), 2u);
    EXPECT_THAT(b.piattaforma.messaggi[1].testo, HasSubstr("n.  91 nella funzione 'FORM1_FINETEMPO'"));
    EXPECT_FALSE(b.f().Timer1.Enabled);  // the procedure went on after the failed step
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
