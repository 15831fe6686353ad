#include "platform/piattaforma_finta.h"

#include <filesystem>

#include "platform/errori_runtime.h"

namespace didiv {

void PiattaformaFinta::DoEvents() {
    ++do_events;
    registro.push_back("DoEvents");
}

int PiattaformaFinta::MsgBox(const std::string& testo, int stile, const std::string& titolo) {
    messaggi.push_back({testo, stile, titolo});
    registro.push_back("MsgBox " + titolo);
    if (!risposte.empty()) {
        int r = risposte.front();
        risposte.pop_front();
        return r;
    }
    // The default button of each kind of box.
    if ((stile & 7) == vbRetryCancel) return vbRetry;
    if ((stile & 7) == vbYesNo) return (stile & vbDefaultButton2) ? vbNo : vbYes;
    return vbOK;
}

void PiattaformaFinta::ShowCursor(bool mostra) {
    conteggio_cursore += mostra ? 1 : -1;
    registro.push_back(mostra ? "ShowCursor 1" : "ShowCursor 0");
}

void PiattaformaFinta::End() {
    terminato = true;
    registro.push_back("End");
    throw FineProcesso{};
}

void PiattaformaFinta::ChDir(const std::string& percorso) {
    registro.push_back("ChDir " + percorso);
    std::filesystem::current_path(percorso);
}

void PiattaformaFinta::MostraFinestraGioco() {
    finestra_mostrata = true;
    registro.push_back("Show");
}

namespace {

class BufferFinto : public BufferSuono {
public:
    BufferFinto(Registro& r, std::string file, std::shared_ptr<AudioFinto::StatoBuffer> s)
        : registro_(r), file_(std::move(file)), s_(std::move(s)) {}
    void Play(int32_t flags) override {
        registro_.push_back(file_ + " Play " + std::to_string(flags));
        ++s_->play;
        if (s_->stato == 0) s_->stato = (flags & DSBPLAY_LOOPING) ? 5 : 1;
    }
    void Stop() override {
        registro_.push_back(file_ + " Stop");
        s_->stato = 0;
    }
    int32_t GetStatus() override { return s_->stato; }
    void SetCurrentPosition(int32_t p) override {
        registro_.push_back(file_ + " SetCurrentPosition " + std::to_string(p));
        s_->posizione = p;
    }

private:
    Registro& registro_;
    std::string file_;
    std::shared_ptr<AudioFinto::StatoBuffer> s_;
};

class DispositivoFinto : public DispositivoSuono {
public:
    explicit DispositivoFinto(AudioFinto& a) : a_(a) {}
    void SetCooperativeLevel(int32_t l) override { a_.registro.push_back("SetCooperativeLevel " + std::to_string(l)); }
    void CreaBufferPrimario() override { a_.registro.push_back("CreaBufferPrimario"); }
    bool muto() const override { return a_.senza_uscita; }
    std::unique_ptr<BufferSuono> CreateSoundBufferFromFile(const std::string& file) override {
        a_.registro.push_back("Carica " + file);
        if (a_.file_mancanti.count(file)) solleva(ERR_FILE_NON_TROVATO);
        auto s = std::make_shared<AudioFinto::StatoBuffer>();
        a_.buffer[file] = s;
        return std::make_unique<BufferFinto>(a_.registro, file, s);
    }

private:
    AudioFinto& a_;
};

class MusicaFinta : public PlayerMusica {
public:
    explicit MusicaFinta(AudioFinto& a) : a_(a) {}
    void Init() override { controlla("Init"); }
    void SetPort(int32_t p, int32_t g) override { controlla("SetPort " + std::to_string(p) + " " + std::to_string(g)); }
    void SetMasterAutoDownload(bool) override { controlla("SetMasterAutoDownload"); }
    void SetMasterVolume(int32_t v) override { controlla("SetMasterVolume " + std::to_string(v)); }
    void LoadSegment(const std::string& file) override {
        controlla("LoadSegment " + file);
        if (a_.file_mancanti.count(file)) solleva(ERR_FILE_NON_TROVATO);
        caricato_ = file;
    }
    void ConfiguraSegmento(int32_t v) override { controlla("ConfiguraSegmento " + std::to_string(v)); }
    void PlaySegment() override {
        controlla("PlaySegment " + caricato_);
        a_.musica_in_corso = caricato_;
        ++a_.musica_avvii;
    }
    bool IsPlaying() override { return !a_.musica_in_corso.empty(); }
    void Stop() override {
        controlla("StopMusica");
        a_.musica_in_corso.clear();
    }

private:
    void controlla(const std::string& cosa) {
        a_.registro.push_back("musica " + cosa);
        if (a_.musica_rotta) solleva(ERR_OGGETTO_NON_IMPOSTATO);
    }
    AudioFinto& a_;
    std::string caricato_;
};

}  // namespace

void AudioFinto::finisci(const std::string& file) {
    if (auto it = buffer.find(file); it != buffer.end() && it->second->stato == 1) it->second->stato = 0;
}

std::unique_ptr<DispositivoSuono> AudioFinto::DirectSoundCreate() {
    registro.push_back("DirectSoundCreate");
    if (fallimenti_429 > 0) {
        --fallimenti_429;
        solleva(ERR_COMPONENTE);
    }
    if (errore_creazione) solleva(errore_creazione);
    return std::make_unique<DispositivoFinto>(*this);
}

void AudioFinto::RegistraComponente() {
    ++registrazioni;
    registro.push_back("RegistraComponente");
}

std::unique_ptr<PlayerMusica> AudioFinto::CreaPlayerMusica() {
    registro.push_back("CreaPlayerMusica");
    if (musica_rotta) solleva(ERR_OGGETTO_NON_IMPOSTATO);
    return std::make_unique<MusicaFinta>(*this);
}

}  // namespace didiv
