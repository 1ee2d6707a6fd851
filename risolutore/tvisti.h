#pragma once

#include "tstato.h"

#include <cstddef>
#include <vector>

// The positions one search has already entered, kept exactly: a position is
// never taken for another, so a search that runs out of positions proves.
class TVisti {
public:
    // Empties the set and makes room for `quante` positions.
    void Prepara(std::size_t quante);
    // True when the position was not there yet.
    bool Inserisci(const TStato::TChiave& chiave);
    std::size_t Quante() const { return quante; }

private:
    std::vector<TStato::TChiave> tavola;
    std::size_t maschera = 0;
    std::size_t quante = 0;
};
