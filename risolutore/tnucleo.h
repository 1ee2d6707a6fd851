#pragma once

#include "tesito.h"
#include "tpartita.h"
#include "tstato.h"
#include "tvisti.h"

#include <array>
#include <cstdint>
#include <vector>

// The game seen through the cards of a few suits, the core; the cards of the
// other suits are wild. A pile with no card of the core on it lets every card
// pass and takes a ten of the core; a face-down card of the core under wild
// cards may be bared whenever a move of its own, or onto it, wants it; the
// aces of the other suits reach the corners whenever it suits the core. A ten
// of the core alone on a pile with nothing under it floats: it may be put on
// any pile with no card of the core when a nine joins it, and reaches its
// corner from any such pile that has a path there.
//
// This is more than the real game allows, and never less: take any real game
// and drop every move of a wild card. Each move of a core card stays legal
// here, since a pile it passed over holds the same core cards and, where it
// held wild ones on top, passes everything here; a face-down card turned up
// for real is bared here by the move that first needs it, and baring it no
// later only leaves its pile open longer. So when the core cannot all reach
// the corners here, the real game cannot be won: a second proof of
// "unwinnable", for deals whose core is held down by paths while the rest of
// the table has millions of arrangements the solver would enter one by one.
class TNucleo {
public:
    // At most three suits: with four the core is the whole game.
    static constexpr int SemiMassimi = 3;

    // Whether the cards of `semi` (a bit per suit) can all reach their corners
    // from `stato` here, searching at most `quota` positions. Impossibile
    // proves the real game lost; Vinta says nothing of it; Ignota when the
    // quota ran out.
    TEsito Decidi(const TStato& stato, unsigned semi, std::uint64_t quota);
    std::uint64_t Posizioni() const { return posizioni; }

private:
    static constexpr int Pozzi = TStato::Pozzi;
    static constexpr int Carte = TStato::Carte;
    static constexpr int Semi = TStato::Semi;
    static constexpr int Dieci = TStato::ValoriPerSeme;

    struct TPosizioneNucleo {
        // Piles, as TStato keeps them, with the core's cards only.
        std::array<std::int8_t, Pozzi> coperta{}, base{}, cima{};
        std::array<std::int8_t, Carte> pozzo{}; // -1 for a wild card
        std::array<std::int8_t, Semi> angolo{}; // each core suit's corner, or -1
        std::array<std::int8_t, Semi> altezza{};
        std::uint32_t velati = 0;  // face-down core cards under wild ones
        std::int8_t aperti = 0;    // corners opened, as the next ace's turn
        std::int8_t altriAssi = 0; // wild aces among them
        int aCasa = 0;
    };
    struct TPasso {
        std::int8_t carta = -1;
        std::int8_t a = -1;     // a pile, or Galleggiante: the ten leaves for an empty pile
        bool posaDieci = false; // the floating ten is first put on pile `a`
    };
    struct TLivelloNucleo {
        TPosizioneNucleo tavolo;
        std::size_t inizio = 0;   // its steps in `passi`, from here
        std::size_t prossimo = 0; // the next one to try
        std::size_t fine = 0;
    };

    TEsito Tenta(const TPosizioneNucleo& partenza, std::uint64_t quota);
    TPosizioneNucleo Proietta(const TStato& stato) const;
    bool Nucleo(int carta) const { return (semi >> TStato::Seme(carta) & 1u) != 0; }
    static bool Velato(const TPosizioneNucleo& t, int p) { return (t.velati >> p & 1u) != 0; }
    static int Mobile(const TPosizioneNucleo& t, int p);
    static bool VuotoDiNucleo(const TPosizioneNucleo& t, int p);
    // Whether a table pile other than p holds no core card.
    static bool AltroVuoto(const TPosizioneNucleo& t, int p);
    static std::uint32_t Transitabili(const TPosizioneNucleo& t, int carta);
    void Passi(const TPosizioneNucleo& t, std::vector<TPasso>& passi) const;
    void PassiDi(const TPosizioneNucleo& t, int p, std::vector<TPasso>& passi) const;
    void Esegui(TPosizioneNucleo& t, const TPasso& passo) const;
    void Galleggia(TPosizioneNucleo& t) const;
    static void Scopri(TPosizioneNucleo& t, int p);
    static void Svela(TPosizioneNucleo& t, int p);
    TStato::TChiaveCorta Chiave(const TPosizioneNucleo& t) const;

    std::uint64_t posizioni = 0;
    unsigned semi = 0;
    int altriSemi = 0;
    int daPortare = 0;
    TVisti visti;
    std::vector<TPasso> passi;
    std::vector<TLivelloNucleo> pila;
};
