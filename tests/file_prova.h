#pragma once
// Scratch files of the tests: in the temporary directory, never beside the game's data files
// that other tests copy, and named for this process, so that two runs of the tests side by
// side never share one.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace didiv {

inline std::string file_prova(const std::string& nome) {
    return (std::filesystem::temp_directory_path() / ("didiv_" + std::to_string(::getpid()) + "_" + nome)).string();
}

}  // namespace didiv
