#pragma once

#include "tmossa.h"
#include "trilassato.h"
#include "tstato.h"
#include "tvisti.h"

#include <atomic>
#include <cstdint>
#include <random>
#include <vector>

enum class TEsito { Vinta, Impossibile, Ignota };

// How far the search may go, set by whoever runs it.
struct TLimiti {
    std::uint64_t posizioni = 16'000'000;     // per deal, over all attempts
    std::uint64_t primoTentativo = 2'000;     // positions of the first attempt
    const std::atomic<bool>* fermo = nullptr; // when set, give up: the answer is unknown
};

struct TRisposta {
    TEsito esito = TEsito::Ignota;
    std::vector<TMossa> mosse;   // the steps of the win, turns included
    std::uint64_t posizioni = 0; // positions entered, over all attempts
    int tentativi = 0;
};

// Depth-first search with a set of seen positions. Each attempt that runs out
// of its quota starts again with the moves in a new order within their
// classes and twice the quota; an attempt that ends without running out
// has seen every position reachable, so its answer is final.
class TRisolutore {
public:
    explicit TRisolutore(TLimiti limiti = {});

    TRisposta Risolvi(const TStato& partenza);

private:
    enum class TFine { Vinta, Esaurita, Interrotta };
    struct TLivello {
        std::size_t inizio = 0;   // its moves in `mosse`, from here
        std::size_t prossima = 0; // the next one to try
        TMossa arrivo;            // the move that led here
        TMossa scoperta;          // the turn that followed it, if any
    };

    TFine Tenta(TStato& stato, std::uint64_t quota, int tentativo);
    // Enters a position; false when there is nothing to search there. `prova`:
    // the relaxed game may have been lost by the last move.
    bool Apri(TStato& stato, int tentativo, bool prova);
    void Ordina(const TStato& stato, std::size_t inizio, int tentativo);
    void Scendi(TStato& stato, const TMossa& mossa);
    void Risali(TStato& stato);
    void Soluzione(std::vector<TMossa>& passi) const;
    bool Fermato() const;

    TLimiti limiti;
    TVisti visti;
    TRilassato rilassato;
    std::vector<TMossa> iniziali; // turns made before the search
    std::vector<TMossa> mosse;
    std::vector<TMossa> appoggio; // scratch of Ordina
    std::vector<TLivello> pila;
    std::mt19937 mescolatore;
    std::uint64_t posizioni = 0;
};
