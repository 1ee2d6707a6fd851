#pragma once

#include "tstato.h"

#include <array>
#include <cstdint>

// A dead-position test that keeps the path rule. It looks for cards on the
// table piles that no win can ever move: the largest set such that, if those
// cards stay where they lie, none of them can leave even so. Cards stuck under
// one of their own suit, and cards walled in by piles whose tops can never let
// them pass, hold one another down this way; the relaxed game, which has no
// paths, misses the walls.
//
// Why it is sound: take a win and the first step at which a card of the set
// leaves its pile. Until then every card of the set lies where it lies now, so
// what a pile may show on top is bounded: below its highest card of the set
// nothing has changed, and above it lie only cards that may join that card.
// So every pile the real path crosses is one that Perduta lets the card cross,
// the card it joins is one Perduta lets it reach, and that step cannot be made.
// One step more is ruled out: a card laid on the next card of its suit above a
// face-down lower card of that suit can never leave again, since the next card
// lies under it and its corner needs the card below; no win makes that step.
class TFermi {
public:
    // True when some card on a table pile can never leave it in any win.
    bool Perduta(const TStato& stato);
    // After Perduta: the set, one bit per card, the witness of a certificate.
    std::uint64_t Insieme() const { return fermi; }

private:
    static constexpr int Pozzi = TStato::Pozzi;

    void Ferma(const TStato& stato);
    // Takes the card out of the set, and describes again the piles it changes.
    void Togli(const TStato& stato, int carta);
    // Pile p's highest card of the set, and what may show on its top while
    // that card stays.
    void Descrivi(const TStato& stato, int p);
    bool PuoPartire(const TStato& stato, int carta) const;
    // Where the next card of its suit may be joined: the piles it may lie on.
    std::uint32_t Seguente(const TStato& stato, int carta) const;
    // The piles of a suit's corner that card `carta` may go to.
    std::uint32_t Angoli(const TStato& stato, int carta) const;
    // The suit's lowest card in the set, less one: how high its corner may rise.
    int Altezza(int seme) const;

    std::uint64_t fermi = 0;               // one bit per card
    std::array<std::int8_t, Pozzi> cima{}; // the highest card of the set, or -1
    // Per pile, one bit per card: the cards it may let pass, and the cards that
    // may lie on it while out of the set.
    std::array<std::uint64_t, Pozzi> passa{};
    std::array<std::uint64_t, Pozzi> posa{};
    std::uint32_t liberi = 0; // table piles with no card of the set: they may empty
    // Per pile: how many cards had left the set when its highest could not.
    std::array<std::uint32_t, Pozzi> provata{};
};
