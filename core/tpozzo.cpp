#include "tpozzo.h"

#include "coordinate.h"

#include <limits>
#include <stdexcept>

namespace {

TDatiCarta* NonNulla(TDatiCarta* carta) {
    if (carta == nullptr) {
        throw std::invalid_argument("a pile holds cards, never nothing");
    }
    return carta;
}

} // namespace

void TPozzo::Dispose(bool nuova) {
    const std::int16_t quante = NumeroCarte;
    for (std::int16_t k = 1; k <= quante; ++k) {
        carte.at(k - 1) = nullptr;
    }
    NumeroCarte = 0;
    if (nuova) {
        CartePartenza.clear();
    }
}

TDatiCarta* TPozzo::Carta(std::int16_t c) const {
    if (c < 1 || c > NumeroCarte) {
        throw std::out_of_range("no card at this position of the pile");
    }
    return carte.at(c - 1);
}

void TPozzo::Carta(std::int16_t c, TDatiCarta* Value) {
    if (c < 1 || c > NumeroCarte) {
        throw std::out_of_range("no card at this position of the pile");
    }
    carte.at(c - 1) = NonNulla(Value);
}

void TPozzo::AggiungiCarta(TDatiCarta* carta) {
    if (NumeroCarte == std::numeric_limits<std::int16_t>::max()) {
        throw std::overflow_error("pile full");
    }
    carte.resize(NumeroCarte + 1);
    carte[NumeroCarte] = NonNulla(carta);
    ++NumeroCarte;
}

void TPozzo::TogliCarta() {
    if (NumeroCarte <= 0) {
        return;
    }
    --NumeroCarte;
    carte.at(NumeroCarte) = nullptr;
}

TDatiCarta* TPozzo::UltimaCarta() const {
    return NumeroCarte <= 0 ? nullptr : carte.at(NumeroCarte - 1);
}

TDatiCarta* TPozzo::PrimaCarta() const {
    if (NumeroCarte <= 0) {
        return nullptr;
    }
    if (!carte[0]->Coperta) {
        return carte[0];
    }
    // A lone face-down card has no face-up card above it.
    return NumeroCarte >= 2 ? carte[1] : nullptr;
}

void TPozzo::xyUnaCarta(std::int16_t n, std::int16_t& X, std::int16_t& Y) const {
    const Punto base = PosizionePozzo(riga, posto);
    X = base.X;
    Y = base.Y;
    if (n <= 1) {
        return;
    }
    std::int16_t k = n - 1;
    if (Carta(1)->Coperta) {
        X = Verifica16(X + ScartoCoperta);
        Y = Verifica16(Y + ScartoCoperta);
        k = n - 2;
    }
    if (k > 0) {
        X = Verifica16(X + Verifica16(ScartoX * k));
        Y = Verifica16(Y + Verifica16(ScartoY * k));
    }
}

void TPozzo::xyUltimaCarta(std::int16_t& X, std::int16_t& Y) const {
    xyUnaCarta(NumeroCarte, X, Y);
}

void TPozzo::UltimaCartaXY(std::int16_t& X, std::int16_t& Y) const {
    xyUltimaCarta(X, Y);
    X = Verifica16(X + LarghezzaCarta);
    Y = Verifica16(Y + AltezzaCarta);
}
