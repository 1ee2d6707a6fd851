#pragma once

#include "tmossa.h"
#include "tpartita.h"

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// The table as the solver sees it, every card known. A table pile is at most
// one face-down card under a run of one suit falling by one; a corner is a run
// rising from its ace. So a pile is three card numbers, and card n + 1 lies
// under card n in a table run, card n - 1 under it on a corner.
class TStato {
public:
    static constexpr int Carte = NumeroCarteMazzo;
    static constexpr int Pozzi = NumeroPozzi;
    static constexpr int ValoriPerSeme = 10;
    static constexpr int Semi = Carte / ValoriPerSeme;
    static constexpr int PozziTavolo = Pozzi - NumeroAngoli;
    static constexpr std::uint32_t TuttiPozzi = (1u << Pozzi) - 1;

    // The order the searches try moves in: to a corner, uncovering a face-down
    // card, the rest.
    static constexpr int Classi = 3;
    static constexpr int ClasseAngolo = 0;
    static constexpr int ClasseScopre = 1;
    static constexpr int ClasseAltra = 2;

    // The exact position, packed: every card's pile, and for each pile whether
    // its bottom card is face down. A face-down card never moves, so within a
    // deal that tells which cards are face down. The last word's top
    // BitLiberiChiave bits stay zero, free for whoever keeps the key.
    static constexpr int BitLiberiChiave = 32;
    struct TChiave {
        std::array<std::uint64_t, 4> parole{};
        auto operator<=>(const TChiave&) const = default; // ordered, to be kept in a set
    };

    // The position in 80 bits, for the table of positions seen: for each card
    // but the tens, whether it lies on the next card of its suit; each ten's
    // pile; each suit's height on its corner, and each corner's suit. A card
    // on no corner and on no next card lies where it was dealt, and once the
    // lone face-down cards are turned, as the solver turns them at once, a
    // card is face down exactly while a card lies on it: so within a deal no
    // two such positions share it. The lone tens may be left out as ChiaveClasse
    // leaves them. The top 32 bits of the last word stay zero.
    struct TChiaveCorta {
        std::array<std::uint64_t, 2> parole{};
        bool operator==(const TChiaveCorta&) const = default;
    };

    // The table of a game, which must keep the engine's invariants.
    static TStato DaPartita(const TPartita& partita);
    // Deal `seme` as the game makes it with the same seed.
    static TStato DaSeme(std::uint64_t seme);

    static constexpr int Seme(int carta) { return carta / ValoriPerSeme; }
    static constexpr int Valore(int carta) { return carta % ValoriPerSeme + 1; }
    static bool Angolo(int p) { return ((1u << p) & MascheraAngoli) != 0; }

    int Classe(const TMossa& mossa) const;
    // Turning up the lone face-down card of pile p, when it has one: that can
    // only open ways, so every search makes it at once.
    std::optional<TMossa> Scoperta(int p) const;
    // Turns up every lone face-down card, adding the turns to `passi` when given.
    void ScopriSole(std::vector<TMossa>* passi = nullptr);

    // Every legal step, moves and turns, in no particular order.
    void MosseLegali(std::vector<TMossa>& mosse) const;
    // Only the moves of card `carta`, which must lie on top of its pile.
    void MosseDi(int carta, std::vector<TMossa>& mosse) const;
    bool EsistePercorso(int carta, int meta) const;
    // The piles card `carta` may pass over on its way.
    std::uint32_t Transitabili(int carta) const;
    // Whether a card on pile `da` reaches `meta` over the piles of `transitabili`.
    static bool Raggiunge(int da, int meta, std::uint32_t transitabili) {
        return RaggiungeUna(da, 1u << meta, transitabili);
    }
    // Whether it reaches any pile of `mete`.
    static bool RaggiungeUna(int da, std::uint32_t mete, std::uint32_t transitabili);

    // The empty table piles, and the table piles where a ten lies alone.
    std::uint32_t VuotiTavolo() const { return vuoti & ~MascheraAngoli; }
    std::uint32_t DieciSoli() const;
    // The key of the position and of every other placing of its lone tens
    // among their piles and the empty ones, while a table pile is empty: such
    // a ten goes to an empty table pile with no path, so the placings can all
    // be reached from one another. With no empty table pile, the exact key.
    TChiave ChiaveClasse() const;
    // `classe`: the lone tens left out, as ChiaveClasse leaves them.
    TChiaveCorta ChiaveCorta(bool classe = true) const;

    // Deals the face-down cards again at random among their places: a guess
    // of someone who sees only the face-up ones.
    void RimescolaCoperte(std::mt19937_64& caso);

    // Carries out a legal step; the same step given to Annulla takes it back.
    void Esegui(const TMossa& mossa);
    void Annulla(const TMossa& mossa);

    bool Vinta() const { return suiAngoli == Carte; }
    int SuiAngoli() const { return suiAngoli; }
    int AngoloCorrente() const { return angoliAperti; }
    const TChiave& Chiave() const { return chiave; }

    // Pile by pile: the face-down card (or -1), and the run from its bottom
    // card to its top card (both -1 when there is none).
    int Coperta(int p) const { return coperta[p]; }
    int Base(int p) const { return base[p]; }
    int Cima(int p) const { return cima[p]; }
    int PozzoDi(int carta) const { return pozzo[carta]; }

private:
    static constexpr std::uint32_t MascheraAngoli = [] {
        std::uint32_t maschera = 0;
        for (const std::int16_t p : TPartita::Angoli) {
            maschera |= 1u << p;
        }
        return maschera;
    }();

    void Posa(int carta, int p);
    void Togli(int carta, int p);
    // Takes pile p out of the masks below, or puts it back as it now is.
    void Smarca(int p);
    void Marca(int p);
    static void ScriviPozzoIn(TChiave& chiave, int carta, int p);
    void ScriviPozzo(int carta, int p);
    void ScriviCoperta(int p, bool coperta);
    void AggiungiMossa(int carta, int meta, bool serveStrada, std::vector<TMossa>& mosse) const;

    std::array<std::int8_t, Pozzi> coperta{};
    std::array<std::int8_t, Pozzi> base{};
    std::array<std::int8_t, Pozzi> cima{};
    std::array<std::int8_t, Carte> pozzo{};
    // The piles a card may pass over, kept as moves are made: by the suit and
    // by the value of their top card, and the empty ones.
    std::array<std::uint32_t, 4> perSeme{};
    std::array<std::uint32_t, ValoriPerSeme> perValore{};
    std::uint32_t vuoti = TuttiPozzi;
    // A bit for each card but the tens: it lies on the next card of its suit.
    std::uint64_t sulSeguente = 0;
    int angoliAperti = 0;
    int suiAngoli = 0;
    TChiave chiave;
};
