#include "tcasuale.h"

#include <chrono>
#include <stdexcept>

TCasuale::TCasuale()
    : TCasuale(DaSeme(static_cast<std::uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count()))) {}

TCasuale::TCasuale(Sorgente sorgente) : sorgente(std::move(sorgente)) {}

TCasuale TCasuale::DaSeme(std::uint64_t seme) {
    std::mt19937_64 generatore(seme);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    return TCasuale([generatore, uniforme]() mutable { return uniforme(generatore); });
}

std::int16_t TCasuale::Casuale(std::int16_t n) {
    if (n <= 0) {
        throw std::invalid_argument("Casuale needs n > 0");
    }
    const double r = sorgente();
    // A value outside [0, 1) (NaN included) or a product rounded up to n must
    // still give an index the caller can use.
    if (!(r >= 0.0)) {
        return 0;
    }
    if (r >= 1.0) {
        return static_cast<std::int16_t>(n - 1);
    }
    // r * n is not negative here, so truncation is the floor.
    const auto k = static_cast<std::int16_t>(r * n);
    return k < n ? k : static_cast<std::int16_t>(n - 1);
}
