#include "coordinate.h"

#include <cmath>
#include <limits>
#include <stdexcept>

std::int16_t MargineAlto = MargineIniziale;

std::int16_t Verifica16(std::int64_t valore) {
    if (valore < std::numeric_limits<std::int16_t>::min() ||
        valore > std::numeric_limits<std::int16_t>::max()) {
        throw std::overflow_error("table coordinate outside 16 bits");
    }
    return static_cast<std::int16_t>(valore);
}

Punto PosizionePozzo(std::int16_t riga, std::int16_t posto) {
    const std::int16_t colonna = Verifica16(PassoColonna * posto);
    const std::int16_t fila = Verifica16(PassoRiga * riga);
    const std::int16_t margine = Verifica16(MargineAlto - 1);
    return {Verifica16(colonna + MargineSinistro), Verifica16(fila + margine)};
}

namespace {

// Nearest integer, halves to the even neighbour, whatever the FPU's mode.
std::int64_t ArrotondaPari(float h) {
    const float base = std::floor(h);
    const float resto = h - base;
    auto intero = static_cast<std::int64_t>(base);
    if (resto > 0.5f || (resto == 0.5f && intero % 2 != 0)) {
        ++intero;
    }
    return intero;
}

} // namespace

std::int16_t MargineDaAltezza(int altezzaClient) {
    const float h = static_cast<float>(altezzaClient - AltezzaGriglia) / 2.0f;
    if (h < MargineMassimo) {
        return Verifica16(ArrotondaPari(h));
    }
    return MargineMassimo;
}
