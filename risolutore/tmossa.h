#pragma once

#include <cstdint>

// One step a player can make: a card carried onto a pile, or a lone
// face-down card turned up (then `a` is the card's own pile).
struct TMossa {
    std::int8_t carta = -1;
    std::int8_t da = -1;
    std::int8_t a = -1;
    bool scopri = false;
    // For the solver: which placing of the lone tens the move leads to, when
    // it fills the last empty table pile (see TDieciSoli).
    std::int8_t disposizione = 0;
    bool operator==(const TMossa&) const = default;
};
