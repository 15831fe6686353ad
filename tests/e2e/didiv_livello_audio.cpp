// The loudness of a stretch of the sound that SDL's file-writing driver recorded: raw 32-bit
// float stereo samples. Prints "rms R picco P campioni N" for the bytes from OFFSET, LENGTH
// long (rounded down to whole frames).
// Usage: didiv_livello_audio FILE OFFSET LENGTH

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "use: %s FILE OFFSET LENGTH\n", argv[0]);
        return 2;
    }
    FILE* f = std::fopen(argv[1], "rb");
    if (!f) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    const long inizio = std::atol(argv[2]) / 8 * 8;
    const long lunghezza = std::atol(argv[3]) / 8 * 8;
    if (inizio < 0 || lunghezza <= 0 || std::fseek(f, inizio, SEEK_SET) != 0) {
        std::fprintf(stderr, "bad stretch\n");
        return 1;
    }
    std::vector<float> v(static_cast<size_t>(lunghezza) / sizeof(float));
    const size_t letti = std::fread(v.data(), sizeof(float), v.size(), f);
    std::fclose(f);
    double somma = 0, picco = 0;
    for (size_t i = 0; i < letti; ++i) {
        const double s = v[i];
        if (!std::isfinite(s)) {
            std::printf("rms nan picco nan campioni %zu\n", letti);
            return 0;
        }
        somma += s * s;
        picco = std::fmax(picco, std::fabs(s));
    }
    std::printf("rms %.6f picco %.6f campioni %zu\n", letti ? std::sqrt(somma / letti) : 0.0, picco, letti);
    return 0;
}
