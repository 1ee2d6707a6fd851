#include "tposizione.h"

#include <iomanip>
#include <sstream>
#include <vector>

namespace {

constexpr std::uint8_t Coperta = 0x40;
constexpr std::uint8_t Sotto = 0x3f;
constexpr std::uint8_t Fondo = NumeroCarteMazzo; // + the pile: the card lies at its bottom
constexpr int Dieci = 10;
constexpr int LarghezzaCella = 14;
constexpr std::array<char, 4> SigleSemi{'C', 'D', 'S', 'B'};

std::string Sigla(int carta) {
    return std::to_string(carta % Dieci + 1) + SigleSemi[carta / Dieci];
}

bool Angolo(int p) {
    for (const std::int16_t angolo : TPartita::Angoli) {
        if (angolo == p) {
            return true;
        }
    }
    return false;
}

// For each card the card on it, for each pile its bottom card; -1: none.
struct TCatene {
    std::array<std::int8_t, NumeroCarteMazzo> sopra;
    std::array<std::int8_t, NumeroPozzi> fondo;
};

TCatene Catene(const TPosizione& posizione) {
    TCatene catene;
    catene.sopra.fill(-1);
    catene.fondo.fill(-1);
    for (int c = 0; c < NumeroCarteMazzo; ++c) {
        const int sotto = posizione.byte[c] & Sotto;
        (sotto < Fondo ? catene.sopra[sotto] : catene.fondo[sotto - Fondo]) =
            static_cast<std::int8_t>(c);
    }
    return catene;
}

// Each pile's cards from the bottom up.
std::array<std::vector<int>, NumeroPozzi> Pile(const TPosizione& posizione) {
    const TCatene catene = Catene(posizione);
    std::array<std::vector<int>, NumeroPozzi> pile;
    for (int p = 0; p < NumeroPozzi; ++p) {
        for (int c = catene.fondo[p]; c >= 0; c = catene.sopra[c]) {
            pile[p].push_back(c);
        }
    }
    return pile;
}

// A pile written as the solver writes it: the face-down card in brackets,
// then its first and last face-up cards.
std::string Cella(const TPosizione& posizione, const std::vector<int>& pila, int p) {
    std::string testo;
    std::size_t k = 0;
    if (!pila.empty() && (posizione.byte[pila[0]] & Coperta) != 0) {
        testo.append("(").append(Sigla(pila[0])).append(") ");
        k = 1;
    }
    if (k < pila.size()) {
        testo.append(Sigla(pila[k]));
        if (pila.size() - k > 1) {
            testo.append(pila.size() - k == 2 ? " " : "..").append(Sigla(pila.back()));
        }
    }
    if (testo.empty()) {
        testo = Angolo(p) ? "[angolo]" : "-";
    }
    return testo;
}

} // namespace

TPosizione TPosizione::Leggi(const TPartita& partita) {
    TPosizione posizione;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TDatiCarta* carta = pozzo.Carta(k);
            const int sotto = k == 1 ? Fondo + p : pozzo.Carta(k - 1)->numero;
            posizione.byte[carta->numero] =
                static_cast<std::uint8_t>(sotto | (carta->Coperta ? Coperta : 0));
        }
    }
    posizione.byte[NumeroCarteMazzo] = static_cast<std::uint8_t>(partita.AngoloCorrente);
    return posizione;
}

void TPosizione::Carica(TPartita& partita) const {
    const TCatene catene = Catene(*this);
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        partita.Pozzi[p].Dispose(false);
        for (int c = catene.fondo[p]; c >= 0; c = catene.sopra[c]) {
            TDatiCarta& carta = partita.Carte[c];
            carta.pozzo = p;
            carta.Coperta = (byte[c] & Coperta) != 0;
            partita.Pozzi[p].AggiungiCarta(&carta);
        }
    }
    partita.AngoloCorrente = byte[NumeroCarteMazzo];
}

std::string TPosizione::Tavolo() const {
    const auto pile = Pile(*this);
    std::ostringstream testo;
    testo << std::left << std::setw(LarghezzaCella / 2) << "";
    for (int c = 1; c <= NumeroColonne; ++c) {
        testo << std::setw(LarghezzaCella) << ("colonna " + std::to_string(c));
    }
    testo << '\n';
    for (int r = 0; r < NumeroRighe; ++r) {
        testo << std::setw(LarghezzaCella / 2) << ("riga " + std::to_string(r + 1));
        for (int c = 0; c < NumeroColonne; ++c) {
            const int p = r * NumeroColonne + c;
            testo << std::setw(LarghezzaCella) << Cella(*this, pile[p], p);
        }
        testo << '\n';
    }
    return testo.str();
}
