#pragma once

#include "tpartita.h"

#include <array>
#include <cstdint>

// What a player sees of a game: the cards of every pile from the bottom, which
// cards lie face down, and how many corners are open. Undo and restart must
// bring back exactly such a picture. Fixed arrays: taken after every step.
struct TIstantanea {
    std::array<std::int16_t, NumeroPozzi> quante{};
    std::array<std::array<std::int16_t, NumeroCarteMazzo>, NumeroPozzi> pozzi{};
    std::array<bool, NumeroCarteMazzo> coperte{};
    std::int16_t angoloCorrente = 0;

    static TIstantanea Di(const TPartita& partita);
    bool StessiPozzi(const TIstantanea& altra) const;
    bool operator==(const TIstantanea&) const = default;
};
