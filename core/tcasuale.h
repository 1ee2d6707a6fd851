#pragma once

#include <cstdint>
#include <functional>
#include <random>

// Uniform pseudo-random numbers for the deal. Seeded once from the clock;
// tests feed their own sequence of reals in [0, 1).
class TCasuale {
public:
    using Sorgente = std::function<double()>;

    TCasuale();
    explicit TCasuale(Sorgente sorgente);
    // The same sequence of reals for the same seed, wherever a deal must be
    // made again: the game under test, the solver, the study.
    static TCasuale DaSeme(std::uint64_t seme);

    // floor(r * n) for a fresh r in [0, 1): 0 .. n - 1. Requires n > 0.
    std::int16_t Casuale(std::int16_t n);

private:
    Sorgente sorgente;
};
