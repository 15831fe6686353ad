// didiv_semi_fuzz DIR: writes the fuzzers' seed corpus, DIR/bmp, DIR/wav and DIR/soundfont,
// afresh: every seed, and nothing else in those folders. The repository keeps its output in fuzz/semi.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

#include "semi_fuzz/semi.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    namespace fs = std::filesystem;
    for (const auto& c : didiv::semi::corpus()) {
        const fs::path dir = fs::path(argv[1]) / c.nome;
        fs::create_directories(dir);
        std::set<std::string> nomi;
        for (const auto& s : c.semi) {
            nomi.insert(s.nome);
            std::ofstream f(dir / s.nome, std::ios::binary | std::ios::trunc);
            f.write(reinterpret_cast<const char*>(s.dati.data()), static_cast<std::streamsize>(s.dati.size()));
            if (!f) {
                std::fprintf(stderr, "cannot write %s\n", (dir / s.nome).c_str());
                return 1;
            }
        }
        for (const auto& e : fs::directory_iterator(dir))
            if (e.is_regular_file() && !nomi.count(e.path().filename().string())) fs::remove(e.path());
    }
    return 0;
}
