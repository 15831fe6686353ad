#include "banco_base.h"

#include <unistd.h>

namespace didiv::test {

std::string cartella_dati() {
    static const std::string dir = [] {
        char buf[4096];
        ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
        if (n <= 0) return std::string(".");
        buf[n] = 0;
        return std::filesystem::path(buf).parent_path().string();
    }();
    return dir;
}

}  // namespace didiv::test
