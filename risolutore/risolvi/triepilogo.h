#pragma once

#include <cstdint>
#include <cstdio>

// The closing lines of a study: the deals decided of those asked for, how
// they ended, and the share won with its 95 % Wilson interval. The solver's
// unknown deals give a second interval, counted as won.
struct TRiepilogo {
    std::uint64_t richieste = 0;
    std::uint64_t decise = 0;
    std::uint64_t vinte = 0;
    std::uint64_t ignote = 0; // the solver's only: the blind player's are losses

    void Scrivi(std::FILE* file, bool cieco) const;
};
