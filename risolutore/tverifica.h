#pragma once

#include "tmossa.h"

#include <cstdint>
#include <vector>

// A win checked by the game itself: deal `seme` as the game deals it, each
// step made as a player's drag or click would make it, and the game won at
// the end. The solver's own rules are not trusted for this.
bool RigiocaVinta(std::uint64_t seme, const std::vector<TMossa>& mosse);
