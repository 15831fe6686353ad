#pragma once
// The effects mixer: every loaded effect is one voice with its own position, mixed with the
// music into one 44.1 kHz stereo float stream. The game thread only flips atomic words; the
// output thread renders without allocating, taking a lock that the game thread holds only
// while voices are added or removed and while the music changes.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/wav.h"
#include "platform/audio.h"

namespace didiv {

// Something that fills the output with music; called under the mixer's lock.
class SorgenteMusica {
public:
    virtual ~SorgenteMusica() = default;
    // Writes (not adds) `frames` interleaved stereo frames.
    virtual void rendi(float* uscita, int frames) = 0;
};

class Voce {
public:
    explicit Voce(std::shared_ptr<const SuonoPcm> pcm) : pcm_(std::move(pcm)) {}

    // A voice that plays goes on from where it is; only the looping switch follows the call.
    void play(bool ciclo);
    void stop();
    // 0 stopped, 1 playing once, 5 playing and looping.
    int32_t stato() const;
    void posiziona(uint64_t frame);
    uint64_t posizione() const { return parola_.load() & MASCHERA_POS; }
    const SuonoPcm& pcm() const { return *pcm_; }

private:
    friend class Mixer;
    static constexpr uint64_t SUONA = uint64_t{1} << 62;
    static constexpr uint64_t CICLO = uint64_t{1} << 61;
    static constexpr uint64_t MASCHERA_POS = (uint64_t{1} << 48) - 1;

    std::shared_ptr<const SuonoPcm> pcm_;
    // Position in frames and the two switches in one word, so that the output thread never
    // sees a half-made change.
    std::atomic<uint64_t> parola_{0};
    // Output thread only: the gain of the last frame, for short fades that keep starts and
    // stops from clicking.
    float guadagno_ = 0.0f;
};

class Mixer {
public:
    static constexpr int FRAMES_RAMPA = 64;
    static constexpr float SOGLIA = 0.8f;  // the output is untouched below this level

    std::shared_ptr<Voce> nuova_voce(std::shared_ptr<const SuonoPcm> pcm);
    void rimuovi(const Voce* v);
    void imposta_musica(SorgenteMusica* m);

    // Effects fall silent (and still run on) while the game window is not the active one.
    void effetti_udibili(bool si) { udibili_.store(si); }
    bool effetti_udibili() const { return udibili_.load(); }

    // The output callback: `frames` interleaved stereo frames.
    void rendi(float* uscita, int frames);

    // Held around every change of the music player.
    std::unique_lock<std::mutex> blocca() { return std::unique_lock<std::mutex>(mutex_); }

private:
    void mescola(Voce& v, float* uscita, int frames, float g0, float g1);
    template <class Campioni>
    void mescola_con(Voce& v, float* uscita, int frames, float g0, float g1, Campioni dati);

    std::mutex mutex_;
    std::vector<std::shared_ptr<Voce>> voci_;
    SorgenteMusica* musica_ = nullptr;
    std::atomic<bool> udibili_{true};
    float guadagno_effetti_ = 1.0f;  // output thread only
};

// The effect buffers and the device on top of the mixer; a device with no output behind it
// answers muto() and otherwise works the same.
class DispositivoMixer : public DispositivoSuono {
public:
    DispositivoMixer(std::shared_ptr<Mixer> m, bool muto) : mixer_(std::move(m)), muto_(muto) {}
    void SetCooperativeLevel(int32_t) override {}
    void CreaBufferPrimario() override {}
    std::unique_ptr<BufferSuono> CreateSoundBufferFromFile(const std::string& file) override;
    bool muto() const override { return muto_; }

private:
    std::shared_ptr<Mixer> mixer_;
    bool muto_;
};

}  // namespace didiv
