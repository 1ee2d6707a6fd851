#pragma once

#include "tstato.h"

#include <random>
#include <unordered_set>

// A quick blind policy, played to the end on one guess: a card to a corner
// first, then a move that uncovers a face-down card, then any other, chosen
// at random within its kind; never a table it has already had. It looks only
// at what a player sees, so its wins tell how easy a position is to play,
// not only to solve.
class TGiocoRapido {
public:
    // The blind player's wins take 85 steps at the median and 209 at the 99th
    // percentile, turns included: a quick game still going after 200 moves is
    // wandering, and counts as lost.
    static constexpr int MassimoPassi = 200;

    // True when the policy wins the table, which may be a guess.
    bool Vince(TStato tavolo, std::mt19937_64& caso);

private:
    std::vector<TMossa> mosse;
    std::unordered_set<std::size_t> avute; // the tables it has had, by their impronta
};
