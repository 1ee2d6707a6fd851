#pragma once

#include "tesito.h"
#include "tstato.h"

#include <cstdint>

// A second opinion on "unwinnable": every legal step from every position,
// turns included, with nothing but a set of positions seen. No dead-position
// test, no forced turns, no order, no restarts.
class TRicercaPiana {
public:
    explicit TRicercaPiana(std::uint64_t limite) : limite(limite) {}
    TEsito Esplora(const TStato& partenza);
    std::uint64_t Posizioni() const { return posizioni; }

private:
    std::uint64_t limite;
    std::uint64_t posizioni = 0;
};
