#include "audio/mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/errori_runtime.h"

namespace didiv {

void Voce::play(bool ciclo) {
    uint64_t w = parola_.load();
    uint64_t nuova;
    do {
        nuova = (w & MASCHERA_POS) | SUONA | (ciclo ? CICLO : 0);
    } while (!parola_.compare_exchange_weak(w, nuova));
}

void Voce::stop() { parola_.fetch_and(~(SUONA | CICLO)); }

int32_t Voce::stato() const {
    const uint64_t w = parola_.load();
    if (!(w & SUONA)) return 0;
    return (w & CICLO) ? DSBSTATUS_PLAYING | DSBSTATUS_LOOPING : DSBSTATUS_PLAYING;
}

void Voce::posiziona(uint64_t frame) {
    frame = std::min<uint64_t>(frame, pcm_->frames());
    uint64_t w = parola_.load();
    while (!parola_.compare_exchange_weak(w, (w & ~MASCHERA_POS) | frame)) {
    }
}

std::shared_ptr<Voce> Mixer::nuova_voce(std::shared_ptr<const SuonoPcm> pcm) {
    auto v = std::make_shared<Voce>(std::move(pcm));
    std::lock_guard<std::mutex> l(mutex_);
    voci_.push_back(v);
    return v;
}

void Mixer::rimuovi(const Voce* v) {
    std::shared_ptr<Voce> ultima;  // freed after the lock is let go
    std::lock_guard<std::mutex> l(mutex_);
    auto it = std::find_if(voci_.begin(), voci_.end(), [&](const auto& p) { return p.get() == v; });
    if (it == voci_.end()) return;
    ultima = std::move(*it);
    voci_.erase(it);
}

void Mixer::imposta_musica(SorgenteMusica* m) {
    std::lock_guard<std::mutex> l(mutex_);
    musica_ = m;
}

namespace {

// The samples of a sound as the mixer reads them, frame by frame.
struct StereoFloat {
    const float* d;
    float sinistro(uint64_t i) const { return d[2 * i]; }
    float destro(uint64_t i) const { return d[2 * i + 1]; }
};
template <int Canali>
struct Interi {
    const int16_t* d;
    float sinistro(uint64_t i) const { return static_cast<float>(d[Canali * i]) * (1.0f / 32768.0f); }
    float destro(uint64_t i) const { return static_cast<float>(d[Canali * i + Canali - 1]) * (1.0f / 32768.0f); }
};

}  // namespace

void Mixer::mescola(Voce& v, float* out, int frames, float g0, float g1) {
    const SuonoPcm& s = *v.pcm_;
    if (s.interi.empty()) mescola_con(v, out, frames, g0, g1, StereoFloat{s.campioni.data()});
    else if (s.canali == 1) mescola_con(v, out, frames, g0, g1, Interi<1>{s.interi.data()});
    else mescola_con(v, out, frames, g0, g1, Interi<2>{s.interi.data()});
}

template <class Campioni>
void Mixer::mescola_con(Voce& v, float* out, int frames, float g0, float g1, Campioni dati) {
    const uint64_t w0 = v.parola_.load();
    const uint64_t n = v.pcm_->frames();
    uint64_t pos = std::min(w0 & Voce::MASCHERA_POS, n);
    const float passo_eff = (g1 - g0) / static_cast<float>(frames);
    constexpr float passo_rampa = 1.0f / FRAMES_RAMPA;
    float g = v.guadagno_;

    if (!(w0 & Voce::SUONA)) {
        // Just stopped: a short fade from where it stopped, leaving the position alone.
        if (g > 0.0f) {
            const int m = static_cast<int>(std::min<uint64_t>(std::min(frames, FRAMES_RAMPA), n - pos));
            for (int i = 0; i < m && g > 0.0f; ++i) {
                g = std::max(0.0f, g - passo_rampa);
                const float k = g * (g0 + passo_eff * static_cast<float>(i));
                out[2 * i] += k * dati.sinistro(pos + static_cast<uint64_t>(i));
                out[2 * i + 1] += k * dati.destro(pos + static_cast<uint64_t>(i));
            }
            v.guadagno_ = 0.0f;
        }
        return;
    }

    const bool ciclo = (w0 & Voce::CICLO) != 0;
    bool finita = false;
    int i = 0;
    if (pos >= n) {
        if (ciclo) pos = 0; else finita = true;
    }
    while (i < frames && !finita) {
        const int pezzo = static_cast<int>(std::min<uint64_t>(static_cast<uint64_t>(frames - i), n - pos));
        float* o = out + 2 * i;
        for (int k = 0; k < pezzo; ++k) {
            if (g < 1.0f) g = std::min(1.0f, g + passo_rampa);
            const float kk = g * (g0 + passo_eff * static_cast<float>(i + k));
            o[2 * k] += kk * dati.sinistro(pos + static_cast<uint64_t>(k));
            o[2 * k + 1] += kk * dati.destro(pos + static_cast<uint64_t>(k));
        }
        i += pezzo;
        pos += static_cast<uint64_t>(pezzo);
        if (pos >= n) {
            if (ciclo) pos = 0; else finita = true;
        }
    }
    // A played-once voice that reached its end stops there and starts from the beginning
    // next time. If the game changed the voice meanwhile, its change wins.
    const uint64_t nuova = finita ? 0 : ((w0 & ~Voce::MASCHERA_POS) | pos);
    uint64_t atteso = w0;
    v.parola_.compare_exchange_strong(atteso, nuova);
    v.guadagno_ = finita ? 0.0f : g;
}

void Mixer::rendi(float* out, int frames) {
    std::lock_guard<std::mutex> l(mutex_);
    if (musica_)
        musica_->rendi(out, frames);
    else
        std::memset(out, 0, sizeof(float) * 2 * static_cast<size_t>(frames));
    if (frames <= 0) return;

    const float g0 = guadagno_effetti_;
    const float bersaglio = udibili_.load(std::memory_order_relaxed) ? 1.0f : 0.0f;
    // Muting and unmuting fade over one callback instead of cutting.
    const float g1 = bersaglio;
    for (auto& v : voci_) mescola(*v, out, frames, g0, g1);
    guadagno_effetti_ = g1;

    // Loud moments (thunder over the music) are bent softly under full scale, not clipped.
    for (int i = 0; i < 2 * frames; ++i) {
        const float a = std::fabs(out[i]);
        if (a > SOGLIA) out[i] = std::copysign(SOGLIA + (1.0f - SOGLIA) * std::tanh((a - SOGLIA) / (1.0f - SOGLIA)), out[i]);
    }
}

namespace {

class BufferMixer : public BufferSuono {
public:
    BufferMixer(std::shared_ptr<Mixer> m, std::shared_ptr<Voce> v) : mixer_(std::move(m)), voce_(std::move(v)) {}
    ~BufferMixer() override { mixer_->rimuovi(voce_.get()); }

    void Play(int32_t flags) override { voce_->play((flags & DSBPLAY_LOOPING) != 0); }
    void Stop() override { voce_->stop(); }
    int32_t GetStatus() override { return voce_->stato(); }
    // Positions are bytes of the file's own format.
    void SetCurrentPosition(int32_t p) override {
        const SuonoPcm& s = voce_->pcm();
        if (p < 0) solleva(ERR_CHIAMATA_NON_VALIDA);
        const uint64_t frame_file = static_cast<uint64_t>(p) / s.blocco_file;
        voce_->posiziona(frame_file * FREQUENZA_MIXER / s.frequenza_file);
    }

private:
    std::shared_ptr<Mixer> mixer_;
    std::shared_ptr<Voce> voce_;
};

}  // namespace

std::unique_ptr<BufferSuono> DispositivoMixer::CreateSoundBufferFromFile(const std::string& file) {
    auto pcm = std::make_shared<const SuonoPcm>(carica_wav(file));
    return std::make_unique<BufferMixer>(mixer_, mixer_->nuova_voce(std::move(pcm)));
}

}  // namespace didiv
