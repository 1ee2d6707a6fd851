#include "percorsoatteso.h"

#include "tpartita.h"

#include <array>
#include <cstdlib>
#include <deque>

namespace {

bool Vicini(int a, int b) {
    return a != b && std::abs(a / NumeroColonne - b / NumeroColonne) <= 1 &&
           std::abs(a % NumeroColonne - b % NumeroColonne) <= 1;
}

// An empty pile lets anything pass; a face-up top card lets its suit and its value pass.
bool Passa(const TPartita& partita, const TDatiCarta& carta, int p) {
    const TDatiCarta* cima = partita.Pozzi[p].UltimaCarta();
    return cima == nullptr ||
           (!cima->Coperta && (cima->Mazzo == carta.Mazzo || cima->Valore == carta.Valore));
}

} // namespace

bool PercorsoAtteso(const TPartita& partita, std::int16_t n, std::int16_t T) {
    const TDatiCarta& carta = partita.Carte[n];
    std::array<bool, NumeroPozzi> raggiunto{};
    std::deque<int> daVisitare{carta.pozzo};
    raggiunto[carta.pozzo] = true;
    while (!daVisitare.empty()) {
        const int p = daVisitare.front();
        daVisitare.pop_front();
        for (int q = 0; q < NumeroPozzi; ++q) {
            if (!Vicini(p, q)) {
                continue;
            }
            // The target counts once next to the path, even the card's own pile.
            if (q == T) {
                return true;
            }
            if (!raggiunto[q] && Passa(partita, carta, q)) {
                raggiunto[q] = true;
                daVisitare.push_back(q);
            }
        }
    }
    return false;
}
