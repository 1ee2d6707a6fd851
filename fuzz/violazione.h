#pragma once

#include <cstdio>
#include <cstdlib>

// A broken rule of the game: say which and stop, so that the fuzzer keeps the
// input that led here.
[[noreturn]] inline void Violazione(const char* regola) {
    std::fprintf(stderr, "invariant broken: %s\n", regola);
    std::abort();
}

inline void Pretendi(bool condizione, const char* regola) {
    if (!condizione) {
        Violazione(regola);
    }
}
