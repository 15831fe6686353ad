#pragma once
// Large buffers straight from the system, in huge pages where it has them: taking a page one
// fault at a time costs more than filling it. Every buffer goes back the moment it is freed.

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace didiv {

// `subito`: the caller is about to write all of it, so its pages are taken at once; otherwise
// they come when first touched. Never fails quietly: std::bad_alloc.
void* prendi_blocco(size_t byte, bool subito);
void rendi_blocco(void* p, size_t byte) noexcept;

// For vectors filled right after they are sized (samples read from a file): their elements
// are left as they come instead of zeroed first.
template <class T>
struct AllocatoreGrande {
    using value_type = T;
    AllocatoreGrande() = default;
    template <class U>
    AllocatoreGrande(const AllocatoreGrande<U>&) noexcept {}

    T* allocate(size_t n) { return static_cast<T*>(prendi_blocco(n * sizeof(T), true)); }
    void deallocate(T* p, size_t n) noexcept { rendi_blocco(p, n * sizeof(T)); }
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... A>
    void construct(U* p, A&&... a) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
    template <class U>
    bool operator==(const AllocatoreGrande<U>&) const noexcept { return true; }
};

}  // namespace didiv
