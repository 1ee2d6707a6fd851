#pragma once

#include <cstdint>

class TPartita;

// Whether card n could travel from its pile to pile T, found breadth-first:
// an independent answer to compare with the game's depth-first search, whose
// order must not change the outcome. n and T must exist.
bool PercorsoAtteso(const TPartita& partita, std::int16_t n, std::int16_t T);
