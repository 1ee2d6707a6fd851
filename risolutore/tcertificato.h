#pragma once

#include "tstato.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The proof that a deal cannot be won, for a checker that trusts only the
// game: a set of positions reachable from the deal, each lone face-down card
// turned up at once, none of them won, holding every successor of each of its
// positions bar those shown lost by a test whose witness the checker checks. The positions are
// written as a tree of steps from the deal, in preorder; a position's step is its number among the
// legal moves of its parent, taken card by card and, for each card, pile by
// pile. Bytes: "SVCT", then varints: the version, the deal, the number of
// positions, and for each position, the first bar, its step as the gap after
// the step of the child of its parent written before it, then for each its
// number of children times Etichette plus its tag.
class TCertificato {
public:
    static constexpr std::uint64_t Versione = 1;
    static constexpr std::uint64_t Etichette = 4;
    // Tags: each successor of the position is in the set; or the position is
    // lost, since the cards of a set, written after the tag as a varint with
    // one bit per card, can never leave their piles (TFermi).
    static constexpr std::uint64_t TuttiDentro = 0;
    static constexpr std::uint64_t Ferme = 1;
    // Positions at most in a certificate.
    static constexpr std::size_t Limite = 2'000'000;

    enum class TFine { Chiuso, Vinta, Troppe };
    struct TProva {
        TFine fine = TFine::Chiuso;
        std::vector<std::uint8_t> byte; // the certificate, when Chiuso
    };

    // The certificate, unless a win lies within reach or the positions are
    // more than `limite`.
    static TProva Scrivi(std::uint64_t seme, std::size_t limite);
    // The moves of a position in the certificate's order.
    static void MosseOrdinate(const TStato& stato, std::vector<TMossa>& mosse);
};
