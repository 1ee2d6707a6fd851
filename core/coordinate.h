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
// The fan of a pile: each card lies 2 right and 3 down from the one below it,
// except over a face-down bottom card, which stays visible by 13 each way.
constexpr std::int16_t ScartoX = 2;
constexpr std::int16_t ScartoY = 3;
constexpr std::int16_t ScartoCoperta = 13;

struct Punto {
    std::int16_t X = 0;
    std::int16_t Y = 0;
};

// Vertical offset of the whole grid; the resize rule is its only writer after start-up.
extern std::int16_t MargineAlto;

// The value as a 16-bit table coordinate; std::overflow_error when it does not fit.
std::int16_t Verifica16(std::int64_t valore);

// Top-left corner of the bottom card of the pile at (riga, posto).
// Throws std::overflow_error when the result does not fit 16 bits.
Punto PosizionePozzo(std::int16_t riga, std::int16_t posto);

// The margin that centres the grid in a client area of the given height:
// (altezza - 535) / 2 in single precision, rounded half to even, capped at 120.
std::int16_t MargineDaAltezza(int altezzaClient);
