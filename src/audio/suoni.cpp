// The sound device and the sixteen effects.

#include "game/form1.h"

namespace didiv {

void creasuoni(ModuloTres& m) {
    // Each step is retried from its beginning after a registration of the component; any
    // other failure is reported and set-up goes on with the next step.
    auto passo = [&](auto&& azione) {
        for (;;) {
            try {
                azione();
                return;
            } catch (const ErroreRuntime& e) {
                if (e.numero() != ERR_COMPONENTE) {
                    gestione_errore(m, e.numero(), e.descrizione(), "creasuoni");
                    return;
                }
                m.tentativi += 1;
                if (m.tentativi < 3) {
                    m.audio.RegistraComponente();
                    m.piattaforma.DoEvents();
                    continue;
                }
                m.piattaforma.MsgBox(
                    "Non è possibile registrare un componente necessario al funzionamento del "
                    "Programma. Se questo messaggio compare al primo avvio di Fiorlo5.0 dopo "
                    "l'installazione, verificare che essa sia stata eseguita come Amministratore "
                    "di Sistema e che l'accesso attuale al Sistema avvenga con l'account di "
                    "Amministratore. Inoltre, se si utilizza il Sistema Operativo Windows Vista, "
                    "verificare che il 'Controllo account utente' sia attualmente disabilitato e "
                    "che sia stato disabilitato prima di procedere all'installazione.",
                    vbOKOnly | vbCritical, "Didiv Fiorlo");
                m.piattaforma.End();
            }
        }
    };
    passo([&] {
        m.ds = m.audio.DirectSoundCreate();
        // With no output at all the game still runs on a device that plays into nothing: one
        // message here instead of one for every effect the player triggers.
        if (m.ds->muto()) solleva(ERR_PERIFERICA_NON_DISPONIBILE);
    });
    passo([&] {
        if (!m.ds) solleva(ERR_OGGETTO_NON_IMPOSTATO);
        m.ds->SetCooperativeLevel(1);
    });
    passo([&] {
        if (!m.ds) solleva(ERR_OGGETTO_NON_IMPOSTATO);
        m.ds->CreaBufferPrimario();
        m.ds_primario = true;
    });
}

namespace {
struct VoceSuono {
    SlotSuono Form1::*slot;
    const char* file;
};
constexpr VoceSuono kSuoni[] = {
    {&Form1::suono_step, "step.wav"},     {&Form1::suono_stairs, "stairs.wav"},
    {&Form1::suono_flub, "flub.wav"},     {&Form1::suono_mosca, "mosca.wav"},
    {&Form1::suono_noway, "noway.wav"},   {&Form1::suono_tuono, "tuono.wav"},
    {&Form1::suono_rain, "rain.wav"},     {&Form1::suono_cresce, "cresce.wav"},
    {&Form1::suono_fine, "fine.wav"},     {&Form1::suono_attiva, "attiva.wav"},
    {&Form1::suono_cade, "cade.wav"},     {&Form1::suono_crash, "crash.wav"},
    {&Form1::suono_succ, "succ.wav"},     {&Form1::suono_jungla, "jungla.wav"},
    {&Form1::suono_tarzan, "tarzan.wav"}, {&Form1::suono_flauto, "flauto.wav"},
};
}  // namespace

void Form1::preparasuoni() {
    Trappola t(modulo, "Form1_preparasuoni");
    for (const auto& v : kSuoni) {
        t([&] {
            if (!modulo.ds) solleva(ERR_OGGETTO_NON_IMPOSTATO);
            (this->*v.slot).imposta(modulo.ds->CreateSoundBufferFromFile(v.file));
        });
    }
}

void Form1::vuotasuoni() {
    Trappola t(modulo, "Form1_vuotasuoni");
    for (const auto& v : kSuoni) t([&] { (this->*v.slot).svuota(); });
}

}  // namespace didiv
