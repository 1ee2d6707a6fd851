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

    // A table smaller than one large page takes small ones: a large page is
    // cleared whole when first touched.
    T* allocate(std::size_t n) {
        const std::size_t byte = n * sizeof(T);
        if (byte < Pagina) {
            return static_cast<T*>(::operator new (byte, std::align_val_t{alignof(T)}));
        }
        const std::size_t pagine = (byte + Pagina - 1) / Pagina * Pagina;
        void* memoria = std::aligned_alloc(Pagina, pagine);
        if (memoria == nullptr) {
            throw std::bad_alloc();
        }
        madvise(memoria, pagine, MADV_HUGEPAGE); // only advice: without it the pages are small
        return static_cast<T*>(memoria);
    }
    void deallocate(T* p, std::size_t n) {
        if (n * sizeof(T) < Pagina) {
            ::operator delete (p, std::align_val_t{alignof(T)});
        } else {
            std::free(p);
        }
    }
    template <typename U> bool operator==(const TPagineGrandi<U>&) const { return true; }
};
