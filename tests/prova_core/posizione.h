#pragma once

#include "tpartita.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

// Positions written as text, so a test shows its table at a glance:
//   "0: 1a 2a | 9: x5b 4c | 12:"
// pile 0 holds the ace and the two of suit a (bottom first), pile 9 the five of
// suit b face down under the four of suit c, pile 12 is named but empty.
// Cards are value 1..10 followed by suit a..d; x marks a face-down card.

// Card number of a name such as "10d" (39); -1 when it names no card.
std::int16_t NumeroCarta(std::string_view nome);
std::string NomeCarta(std::int16_t numero);

// Lays the position out on the table: unnamed cards lie on no pile, face up;
// the corners open in their order as far as they hold cards; undo and restart
// are off; the deal records stay, so a restart lays out the last deal. Throws
// std::invalid_argument on a badly written position. Gives the piles it names.
std::set<std::int16_t> Disponi(TPartita& partita, std::string_view posizione);
// As Disponi, then puts one spare card face down on every table pile the
// position leaves unnamed, so that only the named piles can carry a path.
std::set<std::int16_t> DisponiChiuso(TPartita& partita, std::string_view posizione);
// The table in the same notation, non-empty piles only: Disponi reads it back.
std::string Descrivi(const TPartita& partita);
