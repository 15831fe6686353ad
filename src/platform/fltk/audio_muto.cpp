#include "platform/fltk/audio_muto.h"

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/errori_runtime.h"

namespace didiv {

namespace {

using Orologio = std::chrono::steady_clock;

uint32_t le32(std::span<const uint8_t> d, size_t i) {
    return d[i] | (d[i + 1] << 8) | (d[i + 2] << 16) | (static_cast<uint32_t>(d[i + 3]) << 24);
}

std::vector<uint8_t> leggi_file(const std::string& nome) {
    std::ifstream f(nome, std::ios::binary);
    if (!f) solleva(ERR_FILE_NON_TROVATO);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Position and status follow the clock: a buffer played once is silent again when its
// length has passed, back at its start.
class BufferMuto : public BufferSuono {
public:
    explicit BufferMuto(double durata) : durata_(durata) {}

    void Play(int32_t flags) override {
        aggiorna();
        if (suona_) return;
        suona_ = true;
        ciclo_ = flags & DSBPLAY_LOOPING;
        avvio_ = Orologio::now();
    }
    void Stop() override {
        aggiorna();
        if (suona_) posizione_ = posizione_corrente();
        suona_ = false;
    }
    int32_t GetStatus() override {
        aggiorna();
        if (!suona_) return 0;
        return ciclo_ ? DSBSTATUS_PLAYING | DSBSTATUS_LOOPING : DSBSTATUS_PLAYING;
    }
    void SetCurrentPosition(int32_t) override {
        aggiorna();
        posizione_ = 0;
        avvio_ = Orologio::now();
    }

private:
    double trascorso() const {
        return std::chrono::duration<double>(Orologio::now() - avvio_).count();
    }
    double posizione_corrente() const {
        const double p = posizione_ + trascorso();
        if (!ciclo_ || durata_ <= 0) return p;
        return p - durata_ * static_cast<long long>(p / durata_);
    }
    void aggiorna() {
        if (suona_ && !ciclo_ && posizione_ + trascorso() >= durata_) {
            suona_ = false;
            posizione_ = 0;
        }
    }

    double durata_;
    double posizione_ = 0;  // seconds from the start where the buffer stands or started
    bool suona_ = false;
    bool ciclo_ = false;
    Orologio::time_point avvio_{};
};

class DispositivoMuto : public DispositivoSuono {
public:
    void SetCooperativeLevel(int32_t) override {}
    void CreaBufferPrimario() override {}
    std::unique_ptr<BufferSuono> CreateSoundBufferFromFile(const std::string& file) override {
        const auto dati = leggi_file(file);
        const auto durata = durata_wav(dati);
        if (!durata) solleva(ERR_CHIAMATA_NON_VALIDA);
        return std::make_unique<BufferMuto>(*durata);
    }
};

class PlayerMuto : public PlayerMusica {
public:
    void Init() override {}
    void SetPort(int32_t, int32_t) override {}
    void SetMasterAutoDownload(bool) override {}
    void SetMasterVolume(int32_t) override {}
    void LoadSegment(const std::string& file) override {
        const auto dati = leggi_file(file);
        if (dati.size() < 14 || std::memcmp(dati.data(), "MThd", 4) != 0)
            solleva(ERR_CHIAMATA_NON_VALIDA);
        caricato_ = true;
    }
    void ConfiguraSegmento(int32_t) override {}
    void PlaySegment() override {
        if (!caricato_) solleva(ERR_OGGETTO_NON_IMPOSTATO);
        suona_ = true;
    }
    bool IsPlaying() override { return suona_; }
    void Stop() override { suona_ = false; }

private:
    bool caricato_ = false;
    bool suona_ = false;
};

}  // namespace

std::optional<double> durata_wav(std::span<const uint8_t> d) {
    if (d.size() < 12 || std::memcmp(d.data(), "RIFF", 4) != 0 ||
        std::memcmp(d.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    uint32_t byte_al_secondo = 0;
    size_t i = 12;
    while (i + 8 <= d.size()) {
        const uint32_t n = le32(d, i + 4);
        const size_t inizio = i + 8;
        if (std::memcmp(d.data() + i, "fmt ", 4) == 0 && n >= 16 && inizio + 16 <= d.size()) {
            byte_al_secondo = le32(d, inizio + 8);
        } else if (std::memcmp(d.data() + i, "data", 4) == 0) {
            if (byte_al_secondo == 0) return std::nullopt;
            const size_t disponibili = d.size() - inizio;
            return static_cast<double>(std::min<size_t>(n, disponibili)) / byte_al_secondo;
        }
        if (n > d.size() - inizio) return std::nullopt;
        i = inizio + n + (n & 1);
    }
    return std::nullopt;
}

std::unique_ptr<DispositivoSuono> AudioMuto::DirectSoundCreate() {
    return std::make_unique<DispositivoMuto>();
}

std::unique_ptr<PlayerMusica> AudioMuto::CreaPlayerMusica() {
    return std::make_unique<PlayerMuto>();
}

}  // namespace didiv
