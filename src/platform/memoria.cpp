#include "platform/memoria.h"

#include <sys/mman.h>

#include <cstdlib>

namespace didiv {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSottoAsan = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSottoAsan = true;
#else
constexpr bool kSottoAsan = false;
#endif
#else
constexpr bool kSottoAsan = false;
#endif

// Under AddressSanitizer the allocator's bounds checks matter more.
constexpr size_t kSogliaMappa = 256u << 10;
constexpr size_t kPaginaGrande = 2u << 20;

bool mappato(size_t byte) { return byte >= kSogliaMappa && !kSottoAsan; }

}  // namespace

void* prendi_blocco(size_t byte, bool subito) {
    if (byte == 0) byte = 1;
    if (mappato(byte)) {
        void* p = mmap(nullptr, byte, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        // Both are hints: without them the pages still come, one fault at a time.
        if (byte >= kPaginaGrande) madvise(p, byte, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
        if (subito) madvise(p, byte, MADV_POPULATE_WRITE);
#else
        (void)subito;
#endif
        return p;
    }
    void* p = std::calloc(byte, 1);
    if (!p) throw std::bad_alloc();
    return p;
}

void rendi_blocco(void* p, size_t byte) noexcept {
    if (!p) return;
    if (byte == 0) byte = 1;
    if (mappato(byte))
        munmap(p, byte);
    else
        std::free(p);
}

}  // namespace didiv
