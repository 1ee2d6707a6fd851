#pragma once

#include "tmossa.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A win written short, two characters a step: the card, then the target pile
// or '*' for turning the card up. Only card and target are kept: the game
// knows where a card lies.
class TSequenza {
public:
    static std::string Scrivi(const std::vector<TMossa>& mosse);
    // Nothing when the text is not such a sequence.
    static std::optional<std::vector<TMossa>> Leggi(std::string_view testo);
};
