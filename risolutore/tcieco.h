#pragma once

#include "tgiocorapido.h"
#include "tmetodo.h"
#include "trisolutore.h"

#include <optional>
#include <random>
#include <set>

// A player who sees only the face-up cards. Before each move it guesses, a
// few times over, where the face-down cards lie, and makes the move after
// which most guesses can still be won, each solved as if every card were
// known; TMetodo says how it weighs them. It never brings back a table it has
// already had, and it gives up when no move leaves a guess that can be won, or
// when many moves in a row have neither turned a card up nor put more cards on
// the corners than ever. Its wins are real wins and its losses only its own, so
// its share of wins is a lower bound for a player who cannot see through the
// backs.
class TCieco {
public:
    // What it knew when it chose a step: the guesses won after it, of those
    // solved for it. Both zero for a turn, which is not chosen.
    struct TStima {
        int vinte = 0;
        int provate = 0;
    };

    // `fermo`, when set: give up, the answer unknown.
    explicit TCieco(TMetodo metodo = {}, const std::atomic<bool>* fermo = nullptr);

    // Plays the deal to its end. `esito`: Vinta, Impossibile when it gave up,
    // Ignota when stopped or when its limit was too small to decide a guess.
    // `mosse`: the steps it made; `posizioni` and `tentativi`: the positions
    // and the guesses of all its searches.
    TRisposta Gioca(TStato tavolo);
    // Step by step, what the last game's choices rested on.
    const std::vector<TStima>& Stime() const { return stime; }
    // Whether the last game was given up for want of progress, not of a guess won.
    bool SenzaProgresso() const { return senzaProgresso; }

private:
    std::optional<TMossa> Scegli(const TStato& tavolo, TRisposta& conto);
    // The move after which most of the first `quante` guesses can be won.
    std::optional<TMossa> Pesa(const TStato& tavolo, int quante, TRisposta& conto);
    // How many of the first `quante` guesses can be won after the i-th move,
    // counted only while it may still beat `daBattere`.
    int Vinte(std::size_t i, int quante, int daBattere, TRisposta& conto);
    bool Vince(const TStato& congettura, const TMossa& mossa, TRisposta& conto);
    int Rapide(std::size_t i);
    const TStato& Congettura(const TStato& tavolo, std::size_t k);
    void Candidate(const TStato& tavolo);
    bool PortaAltrove(const TStato& tavolo, const TMossa& mossa) const;
    void Fai(TStato& tavolo, const TMossa& mossa, std::vector<TMossa>& passi);

    TLimiti limiti; // of the search of one guess
    TRisolutore risolutore;
    TMetodo metodo;
    TGiocoRapido giocoRapido;
    std::mt19937_64 caso;
    std::mt19937_64 casoRapido;
    std::set<TStato::TChiave> avute; // the tables it has had, each after its turns
    std::vector<TStato> ipotesi;
    std::vector<TMossa> mosse;
    std::vector<TStima> stime;
    // For each move of this choice: whether each guess solved so far is won
    // after it, and its quick games won (-1 before they are played).
    std::vector<std::vector<bool>> esiti;
    std::vector<int> rapideDi;
    TStima scelta;
    bool senzaProgresso = false;
    // The guesses the last choice solved, and those decided within the limit.
    int provate = 0;
    int decise = 0;
};
