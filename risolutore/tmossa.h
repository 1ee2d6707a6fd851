#pragma once

#include <cstdint>

// One step a player can make: a card carried onto a pile, or a lone
// face-down card turned up (then `a` is the card's own pile).
struct TMossa {
    std::int8_t carta = -1;
    std::int8_t da = -1;
    std::int8_t a = -1;
    bool scopri = false;
    bool operator==(const TMossa&) const = default;
};
