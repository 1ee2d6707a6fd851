#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#include <sys/mman.h>

// An allocator for large tables read at random: their memory in pages of
// 2 MiB where the system allows it, so that a look-up rarely misses the
// processor's table of pages as well as its caches.
template <typename T> struct TPagineGrandi {
    using value_type = T;
    static constexpr std::size_t Pagina = std::size_t{2} << 20;

    TPagineGrandi() = default;
    template <typename U> TPagineGrandi(const TPagineGrandi<U>&) {}

    T* allocate(std::size_t n) {
        const std::size_t byte = (n * sizeof(T) + Pagina - 1) / Pagina * Pagina;
        void* memoria = std::aligned_alloc(Pagina, byte);
        if (memoria == nullptr) {
            throw std::bad_alloc();
        }
        madvise(memoria, byte, MADV_HUGEPAGE); // only advice: without it the pages are small
        return static_cast<T*>(memoria);
    }
    void deallocate(T* p, std::size_t) { std::free(p); }
    template <typename U> bool operator==(const TPagineGrandi<U>&) const { return true; }
};
