#include "desktop/suono/soundfont_fluid.h"

#include <dlfcn.h>
#include <fluidsynth.h>

#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>

namespace didiv {

namespace {

// The synthesizer names what it loads by a string: bytes in memory go by their address.
constexpr const char* PREFISSO = "didiv-memoria:";

struct Aperto {
    std::FILE* file = nullptr;
    const uint8_t* dati = nullptr;
    uint64_t n = 0;
    uint64_t pos = 0;
};

void* apri(const char* nome) {
    auto a = std::make_unique<Aperto>();
    uintptr_t indirizzo = 0;
    uint64_t n = 0;
    if (std::strncmp(nome, PREFISSO, std::strlen(PREFISSO)) == 0) {
        unsigned generazione = 0;
        if (std::sscanf(nome + std::strlen(PREFISSO), "%u:%" SCNxPTR ":%" SCNu64, &generazione, &indirizzo, &n) != 3)
            return nullptr;
        a->dati = reinterpret_cast<const uint8_t*>(indirizzo);
        a->n = n;
    } else {
        // Files too, so that a name the synthesizer cannot open is reported by it only once.
        a->file = std::fopen(nome, "rb");
        if (!a->file) return nullptr;
    }
    return a.release();
}

int leggi(void* buf, fluid_long_long_t quanti, void* h) {
    auto& a = *static_cast<Aperto*>(h);
    if (quanti < 0) return FLUID_FAILED;
    const auto k = static_cast<uint64_t>(quanti);
    if (a.file) return std::fread(buf, 1, k, a.file) == k ? FLUID_OK : FLUID_FAILED;
    if (k > a.n - a.pos) return FLUID_FAILED;
    std::memcpy(buf, a.dati + a.pos, k);
    a.pos += k;
    return FLUID_OK;
}

int cerca(void* h, fluid_long_long_t scarto, int origine) {
    auto& a = *static_cast<Aperto*>(h);
    if (a.file) return fseeko(a.file, static_cast<off_t>(scarto), origine) == 0 ? FLUID_OK : FLUID_FAILED;
    const long long base = origine == SEEK_SET ? 0 : origine == SEEK_CUR ? static_cast<long long>(a.pos)
                                                                          : static_cast<long long>(a.n);
    const long long p = base + scarto;
    if (p < 0 || static_cast<uint64_t>(p) > a.n) return FLUID_FAILED;
    a.pos = static_cast<uint64_t>(p);
    return FLUID_OK;
}

fluid_long_long_t dove(void* h) {
    auto& a = *static_cast<Aperto*>(h);
    if (a.file) return ftello(a.file);
    return static_cast<fluid_long_long_t>(a.pos);
}

int chiudi(void* h) {
    std::unique_ptr<Aperto> a(static_cast<Aperto*>(h));
    if (a->file) std::fclose(a->file);
    return FLUID_OK;
}

// A synthesizer built with OpenMP reads the samples with a team of threads, one per core: for a
// couple of megabytes, starting them costs more than the reading. The setting is the calling
// thread's own.
void un_solo_filo() {
    using Imposta = void (*)(int);
    static const auto imposta = reinterpret_cast<Imposta>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"));
    if (imposta) imposta(1);
}

}  // namespace

void aggiungi_caricatore_memoria(fluid_synth_t* synth, fluid_settings_t* impostazioni) {
    fluid_sfloader_t* c = new_fluid_defsfloader(impostazioni);
    fluid_sfloader_set_callbacks(c, apri, leggi, cerca, dove, chiudi);
    fluid_synth_add_sfloader(synth, c);
}

int carica_soundfont_in_memoria(fluid_synth_t* synth, fluid_settings_t* impostazioni, const std::vector<uint8_t>& dati) {
    // Read whole now: nothing may come back for its samples once the bytes are gone.
    fluid_settings_setint(impostazioni, "synth.dynamic-sample-loading", 0);
    un_solo_filo();
    // The synthesizer shares the samples of soundfonts of the same name: each load is named anew.
    static std::atomic<unsigned> generazione{0};
    char nome[96];
    std::snprintf(nome, sizeof nome, "%s%u:%" PRIxPTR ":%zu", PREFISSO, ++generazione,
                  reinterpret_cast<uintptr_t>(dati.data()), dati.size());
    return fluid_synth_sfload(synth, nome, 0);
}

}  // namespace didiv
