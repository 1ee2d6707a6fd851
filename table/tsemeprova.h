#pragma once

#include <cstdint>
#include <optional>

// Testing aid: when SOLVINTRA_SEME holds a number, the deal's generator is
// seeded with it instead of the clock, so that a test driving the real program
// knows the layout. Nothing else of the game changes.
class TSemeProva {
public:
    // The seed from SOLVINTRA_SEME, when it is set to a whole number.
    static std::optional<std::uint64_t> DaAmbiente();
};
