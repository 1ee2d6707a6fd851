#pragma once

#include <cstddef>
#include <cstdint>

// Turns the fuzzer's bytes into the numbers a game needs. Once the bytes run
// out every read answers zero, so any input is a complete, finite game.
class TLettoreByte {
public:
    TLettoreByte(const std::uint8_t* dati, std::size_t quanti);

    bool Finito() const { return letti >= quanti; }
    std::uint8_t Byte();
    std::int16_t Intero16();
    // Usually a value in [minimo, massimo]; now and then any 16-bit value, so
    // that the edges of every operation are tried too.
    std::int16_t Indice(std::int16_t minimo, std::int16_t massimo);
    // A real for the deal's generator: mostly in [0, 1), now and then one
    // that a broken generator could give (1, negative, NaN, infinite).
    double Reale();

private:
    const std::uint8_t* dati;
    std::size_t quanti;
    std::size_t letti = 0;
};
