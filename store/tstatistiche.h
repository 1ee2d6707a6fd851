#pragma once

#include <cstdint>

// The two persistent counters: 0 games won, 1 games lost (abandoned).
class TStatistiche {
public:
    static constexpr std::int16_t Vinte = 0;
    static constexpr std::int16_t Perse = 1;
    static constexpr std::int16_t Massimo = 32767;

    // Always a valid count 0..32767, whatever the store holds.
    static std::int16_t LeggiStatistica(std::int16_t indice);
    static void ScriviStatistica(std::int16_t indice, std::int16_t conteggio);
    // Read, add one (stopping at 32767) and write, under a lock shared by every
    // copy of the game running for this user.
    static void IncrementaStatistica(std::int16_t indice);
};
