#pragma once
// The benchmarks read the game's data files from beside the program, as the game does.

#include <filesystem>
#include <string>

namespace didiv::bench {

inline std::string cartella() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path().string() : exe.parent_path().string();
}

}  // namespace didiv::bench
