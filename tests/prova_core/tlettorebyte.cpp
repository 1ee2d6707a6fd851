#include "tlettorebyte.h"

#include <array>
#include <limits>

namespace {

// One byte in this many leaves the usual range.
constexpr std::uint8_t SogliaFuoriRango = 240;
constexpr std::uint16_t SogliaRealeStrano = 0xFFF0;

} // namespace

TLettoreByte::TLettoreByte(const std::uint8_t* dati, std::size_t quanti)
    : dati(dati), quanti(quanti) {}

std::uint8_t TLettoreByte::Byte() {
    return Finito() ? 0 : dati[letti++];
}

std::int16_t TLettoreByte::Intero16() {
    const auto basso = static_cast<std::uint16_t>(Byte());
    const auto alto = static_cast<std::uint16_t>(Byte());
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(basso | (alto << 8)));
}

std::int16_t TLettoreByte::Indice(std::int16_t minimo, std::int16_t massimo) {
    const std::uint8_t b = Byte();
    if (b >= SogliaFuoriRango) {
        return Intero16();
    }
    const int ampiezza = massimo - minimo + 1;
    return static_cast<std::int16_t>(minimo + b % ampiezza);
}

double TLettoreByte::Reale() {
    static constexpr std::array<double, 5> strani{1.0, -0.25, 1.5,
                                                  std::numeric_limits<double>::quiet_NaN(),
                                                  std::numeric_limits<double>::infinity()};
    const auto v = static_cast<std::uint16_t>(Intero16());
    if (v >= SogliaRealeStrano) {
        return strani[(v - SogliaRealeStrano) % strani.size()];
    }
    return static_cast<double>(v) / SogliaRealeStrano;
}
