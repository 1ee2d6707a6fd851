#pragma once

#include <cstdint>

// Table geometry in pixels of the main window's client area, origin top-left.
constexpr std::int16_t LarghezzaCarta = 69;
constexpr std::int16_t AltezzaCarta = 125;
constexpr std::int16_t PassoColonna = 110;
constexpr std::int16_t PassoRiga = 205;
constexpr std::int16_t MargineSinistro = 64;
constexpr std::int16_t AltezzaGriglia = 2 * PassoRiga + AltezzaCarta; // 535
constexpr std::int16_t MargineIniziale = 80;
constexpr std::int16_t MargineMassimo = 120;

struct Punto {
    std::int16_t X = 0;
    std::int16_t Y = 0;
};

// Vertical offset of the whole grid; the resize rule is its only writer after start-up.
extern std::int16_t MargineAlto;

// Top-left corner of the bottom card of the pile at (riga, posto).
// Throws std::overflow_error when the result does not fit 16 bits.
Punto PosizionePozzo(std::int16_t riga, std::int16_t posto);

// The margin that centres the grid in a client area of the given height:
// (altezza - 535) / 2 in single precision, rounded half to even, capped at 120.
std::int16_t MargineDaAltezza(int altezzaClient);
