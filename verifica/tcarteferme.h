#pragma once

#include "tpartita.h"

#include <cstdint>

// The witness of a position lost because some cards can never leave their
// table piles: a set F of cards, one bit per card, closed under the rule
// below. Given F, each table pile may show on top, while F stays, only
// cards bounded by its highest card of F, h:
//   - a pile with no card of F may hold anything, and may be empty;
//   - over h face up lie only cards of h's suit, each on the next, down to
//     the first lower card of the suit in F: those may show and join;
//   - over h face down, also the run on it now and the cards of the run's
//     suit below its lowest;
// a path may cross a table pile where the card matches by suit or value a
// card that may show there; corners are never crossed. F holds when it is not
// empty, lies on table piles only, and no pile's highest card h of F may
// leave: h is no ace; no ten with another table pile free of F; no card
// whose corner (its suit's, or any not yet opened, when no lower card of its
// suit is in F) or whose next card's place (a pile that may show that card,
// or, the next card being in F, its pile when it is that pile's highest
// card of F and lies over no face-down lower card of h's suit) lies at the
// end of such a path.
class TCarteFerme {
public:
    static bool Chiuso(const TPartita& partita, std::uint64_t insieme);
};
