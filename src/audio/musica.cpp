// Music: one tune at a time, never a message on failure.

#include "game/form1.h"

namespace didiv {

void Form1::InitDMusic() {
    try {
        modulo.musica_loader = true;
        modulo.musica_perf = modulo.audio.CreaPlayerMusica();
        if (!modulo.musica_perf) solleva(ERR_OGGETTO_NON_IMPOSTATO);
        modulo.musica_perf->Init();
        modulo.musica_perf->SetPort(-1, 16);
        modulo.musica_perf->SetMasterAutoDownload(true);
        modulo.musica_perf->SetMasterVolume(100);
    } catch (const ErroreRuntime&) {
    }
}

void Form1::PlayMidi(const std::string& MidiString) {
    try {
        auto* perf = modulo.musica_perf.get();
        if (modulo.musica_stato && modulo.musica_seg) {
            if (!perf) solleva(ERR_OGGETTO_NON_IMPOSTATO);
            if (perf->IsPlaying()) perf->Stop();
        }
        if (MidiString.empty()) return;
        if (!perf || !modulo.musica_loader) solleva(ERR_OGGETTO_NON_IMPOSTATO);
        perf->LoadSegment(MidiString);
        modulo.musica_seg = true;
        // The tune repeats until it is stopped.
        perf->ConfiguraSegmento(2);
        perf->PlaySegment();
        modulo.musica_stato = true;
    } catch (const ErroreRuntime&) {
    }
}

}  // namespace didiv
