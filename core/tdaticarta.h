#pragma once

#include <cstdint>

// The record of one card. The card control on screen shows it; this record is
// the one source of truth for the rules.
struct TDatiCarta {
    std::int16_t numero = 0; // index 0..39 in the deck: Mazzo * 10 + Valore - 1
    std::int16_t Mazzo = 0;  // suit 0..3
    std::int16_t Valore = 0; // value 1..10
    std::int16_t pozzo = -1; // pile 0..23 that holds the card, -1 while on none
    bool Coperta = false;    // face down
};
