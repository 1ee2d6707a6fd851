#pragma once

#include "tmossa.h"
#include "tstato.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The lone tens of a position, and its empty table piles: the places. A ten
// alone on a table pile goes to any empty table pile with no path, and back
// the same way; so while a place is empty, the lone tens can be brought to
// any placing among the places, and every placing wins or loses with the
// others. The search keeps one position for them all (TStato::ChiaveClasse)
// and makes from it the moves of every placing, each after the ten moves that
// bring the placing it needs. Only where a move covers a lone ten, or fills
// the last empty place, does the placing outlive the move, and then each
// placing it may leave is a move of its own.
class TDieciSoli {
public:
    explicit TDieciSoli(const TStato& stato);

    // Whether the position stands for every placing: a place is empty.
    bool Liberi() const { return vuoti != 0; }

    // The moves of every placing, once each, but those of a lone ten to an
    // empty place, which only lead to another placing. `Liberi` must hold.
    void Mosse(const TStato& stato, std::vector<TMossa>& mosse) const;
    // Carries out on `stato`, and appends to `passi`, the ten moves that bring
    // the placing `mossa` of Mosse needs; gives the move as it is then made.
    TMossa Disponi(TStato& stato, const TMossa& mossa, std::vector<TMossa>& passi) const;

private:
    // For each suit, the place its ten is to lie on, or -1: not a lone ten.
    using TPosa = std::array<int, TStato::Semi>;

    void MosseDelDieci(const TStato& stato, int dieci, std::vector<TMossa>& mosse) const;
    void MossaConStrada(const TStato& stato, int carta, int meta, std::vector<TMossa>& mosse) const;
    // The places where the lone tens that bar `carta`'s way may lie so that it
    // reaches `meta`: the present ones when they do; none when no placing lets it.
    std::optional<std::uint32_t> Sbarrate(const TStato& stato, int carta, int meta) const;
    // A place from which the lone ten reaches its corner.
    std::optional<int> Partenza(const TStato& stato, int dieci, int angolo) const;
    // The placing numbered `numero` of the lone tens and `nuovo`, which fills the last empty place.
    TPosa Disposizione(const TStato& stato, int nuovo, int numero) const;
    // How many placings that move has.
    int Disposizioni() const;
    TPosa Presente(const TStato& stato) const;
    static void Riordina(TStato& stato, const TPosa& posa, std::vector<TMossa>& passi);

    std::uint32_t vuoti = 0; // the empty table piles
    std::uint32_t soli = 0;  // the table piles of the lone tens
    std::uint32_t posti = 0; // both
};
