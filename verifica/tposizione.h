#pragma once

#include "tpartita.h"

#include <array>
#include <cstdint>
#include <string>

// A whole position of the game, as the engine holds it: for each card what
// lies under it (a card, or the bottom of a pile) and whether it is face down,
// and the next corner to open. Two positions are equal exactly when every
// pile holds the same cards in the same order, face up or down alike.
class TPosizione {
public:
    static constexpr int Byte = NumeroCarteMazzo + 1;
    std::array<std::uint8_t, Byte> byte{};

    bool operator==(const TPosizione&) const = default;

    static TPosizione Leggi(const TPartita& partita);
    // Lays the position out in `partita`, as the engine would hold it had the
    // steps that led here been made in it.
    void Carica(TPartita& partita) const;
    // The table as solvintra-risolvi prints it.
    std::string Tavolo() const;
};
