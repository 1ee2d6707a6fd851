#include "tcarteferme.h"

#include <array>

namespace {

constexpr int Valori = 10;
constexpr int ColonneGriglia = 8;
constexpr int RigheGriglia = NumeroPozzi / ColonneGriglia;
constexpr std::uint64_t Tutte = (std::uint64_t{1} << NumeroCarteMazzo) - 1;

int Seme(int carta) {
    return carta / Valori;
}
int Valore(int carta) {
    return carta % Valori + 1;
}
bool In(std::uint64_t insieme, int carta) {
    return (insieme >> carta & 1u) != 0;
}
// The cards of suit `seme` (-1: of every suit) of values da to a.
std::uint64_t Carte(int seme, int da, int a) {
    std::uint64_t carte = 0;
    for (int c = 0; c < NumeroCarteMazzo; ++c) {
        if ((seme < 0 || Seme(c) == seme) && Valore(c) >= da && Valore(c) <= a) {
            carte |= std::uint64_t{1} << c;
        }
    }
    return carte;
}

// What each pile may show while F stays: `passa` the cards that may show on
// top, `posa` those that may lie there out of F, `cima` its highest card of F.
struct TPile {
    std::array<std::uint64_t, NumeroPozzi> passa{};
    std::array<std::uint64_t, NumeroPozzi> posa{};
    std::array<int, NumeroPozzi> cima{};
};

// The highest card of the set lower than `carta` in its suit, by value; 0: none.
int SottoInF(std::uint64_t insieme, int carta) {
    for (int c = carta - 1; c >= Seme(carta) * Valori; --c) {
        if (In(insieme, c)) {
            return Valore(c);
        }
    }
    return 0;
}

TPile Descrivi(const TPartita& partita, std::uint64_t insieme) {
    TPile pile;
    for (int p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        pile.cima[p] = -1;
        if (pozzo.Angolo) {
            continue; // never crossed, never joined but by its own suit's corner rule
        }
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            if (In(insieme, pozzo.Carta(k)->numero)) {
                pile.cima[p] = pozzo.Carta(k)->numero;
            }
        }
        const int h = pile.cima[p];
        if (h < 0) {
            pile.passa[p] = pile.posa[p] = Tutte;
            continue;
        }
        const int minimo = SottoInF(insieme, h) + 1;
        pile.passa[p] = Carte(Seme(h), 1, Valori) | Carte(-1, minimo, Valore(h));
        pile.posa[p] = Carte(Seme(h), minimo, Valore(h) - 1);
        const TDatiCarta* fondo = pozzo.Carta(1);
        if (fondo->Coperta && fondo->numero == h && pozzo.NumeroCarte > 1) {
            const int base = pozzo.Carta(2)->numero;
            pile.passa[p] |= Carte(Seme(base), 1, Valori) | Carte(-1, 1, Valore(base));
            pile.posa[p] |= Carte(Seme(base), 1, Valore(base));
        }
    }
    return pile;
}

// Whether a card on pile `da` reaches a pile of `mete` crossing only piles of
// `transitabili`, neighbours in the grid of rows and columns, as the game's
// path rule goes.
bool Raggiunge(int da, std::uint32_t mete, std::uint32_t transitabili) {
    std::uint32_t raggiunti = 1u << da;
    std::array<int, NumeroPozzi> coda{da};
    for (int letti = 0, scritti = 1; letti < scritti; ++letti) {
        const int r = coda[letti] / ColonneGriglia;
        const int c = coda[letti] % ColonneGriglia;
        for (int i = r - 1; i <= r + 1; ++i) {
            for (int j = c - 1; j <= c + 1; ++j) {
                if (i < 0 || i >= RigheGriglia || j < 0 || j >= ColonneGriglia) {
                    continue;
                }
                const int k = i * ColonneGriglia + j;
                if ((mete >> k & 1u) != 0) {
                    return true;
                }
                if ((transitabili >> k & 1u) != 0 && (raggiunti >> k & 1u) == 0) {
                    raggiunti |= 1u << k;
                    coda[scritti++] = k;
                }
            }
        }
    }
    return false;
}

// The piles where card h may go, by the rule of the class comment.
std::uint32_t Mete(const TPartita& partita, const TPile& pile, std::uint64_t insieme, int h) {
    std::uint32_t mete = 0;
    if (SottoInF(insieme, h) == 0) {
        std::uint32_t chiusi = 0;
        for (const std::int16_t a : TPartita::Angoli) {
            const TPozzo& angolo = partita.Pozzi[a];
            if (angolo.NumeroCarte > 0 && Seme(angolo.Carta(1)->numero) == Seme(h)) {
                chiusi = 1u << a;
                break;
            }
            chiusi |= angolo.NumeroCarte == 0 ? 1u << a : 0;
        }
        mete |= chiusi;
    }
    if (Valore(h) == Valori) {
        return mete;
    }
    const int seguente = h + 1;
    if (!In(insieme, seguente)) {
        for (int p = 0; p < NumeroPozzi; ++p) {
            mete |= In(pile.posa[p], seguente) ? 1u << p : 0;
        }
        return mete;
    }
    const int q = partita.Carte[seguente].pozzo;
    const TDatiCarta* fondo = partita.Pozzi[q].Carta(1);
    const bool chiude = fondo->Coperta && fondo->numero != seguente &&
                        Seme(fondo->numero) == Seme(h) && fondo->numero < h;
    return pile.cima[q] == seguente && !chiude ? mete | 1u << q : mete;
}

bool PuoPartire(const TPartita& partita, const TPile& pile, std::uint64_t insieme, int h) {
    const int p = partita.Carte[h].pozzo;
    if (Valore(h) == 1) {
        return true;
    }
    for (int q = 0; q < NumeroPozzi; ++q) {
        if (Valore(h) == Valori && q != p && !partita.Pozzi[q].Angolo && pile.cima[q] < 0) {
            return true;
        }
    }
    std::uint32_t transitabili = 0;
    for (int q = 0; q < NumeroPozzi; ++q) {
        transitabili |= In(pile.passa[q], h) ? 1u << q : 0;
    }
    const std::uint32_t mete = Mete(partita, pile, insieme, h) & ~(1u << p);
    return mete != 0 && Raggiunge(p, mete, transitabili);
}

} // namespace

bool TCarteFerme::Chiuso(const TPartita& partita, std::uint64_t insieme) {
    if (insieme == 0 || (insieme & ~Tutte) != 0) {
        return false;
    }
    for (int c = 0; c < NumeroCarteMazzo; ++c) {
        const int p = partita.Carte[c].pozzo;
        if (In(insieme, c) && (p < 0 || partita.Pozzi[p].Angolo)) {
            return false;
        }
    }
    const TPile pile = Descrivi(partita, insieme);
    for (int p = 0; p < NumeroPozzi; ++p) {
        if (pile.cima[p] >= 0 && PuoPartire(partita, pile, insieme, pile.cima[p])) {
            return false;
        }
    }
    return true;
}
