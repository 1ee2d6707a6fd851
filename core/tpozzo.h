#pragma once

#include "tdaticarta.h"

#include <cstdint>
#include <string>
#include <vector>

// One pile of the table: references to card records, counted from 1 (bottom)
// to NumeroCarte (top). The pile never owns its cards.
class TPozzo {
public:
    std::int16_t NumeroCarte = 0;
    std::int16_t riga = 0;
    std::int16_t posto = 0;
    bool Angolo = false;
    bool Controllato = false;
    std::string CartePartenza; // ",12,3": the cards the deal put here, in order

    // Empties the pile; a new deal (nuova) also forgets CartePartenza.
    void Dispose(bool nuova);
    // Card at position c (1..NumeroCarte); std::out_of_range otherwise.
    TDatiCarta* Carta(std::int16_t c) const;
    void Carta(std::int16_t c, TDatiCarta* Value);
    void AggiungiCarta(TDatiCarta* carta);
    // Removes the top card; on an empty pile nothing happens.
    void TogliCarta();
    TDatiCarta* UltimaCarta() const;
    // The lowest face-up card: card 1, or card 2 when card 1 is face down.
    TDatiCarta* PrimaCarta() const;
    // Top-left corner, in table pixels, of the card at position n.
    void xyUnaCarta(std::int16_t n, std::int16_t& X, std::int16_t& Y) const;
    void xyUltimaCarta(std::int16_t& X, std::int16_t& Y) const;
    // Bottom-right corner of the top card (the base point's when empty).
    void UltimaCartaXY(std::int16_t& X, std::int16_t& Y) const;

private:
    std::vector<TDatiCarta*> carte;
};
