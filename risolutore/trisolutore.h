#pragma once

#include "tesito.h"
#include "tfermi.h"
#include "tmossa.h"
#include "tnucleo.h"
#include "trilassato.h"
#include "tstato.h"
#include "tvisti.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

// How far the search may go, set by whoever runs it.
struct TLimiti {
    // Per deal, over all attempts: 26,000,000 for the first order and its
    // shuffles, which the slowest deals searched at 2.2 microseconds a
    // position, and 12,264,000 for the attempts in the other orders. A deal
    // that reaches it is one that no order wins, searched at about half that
    // rate: under 60 s of a processor here, the other one busy too.
    std::uint64_t posizioni = 38'264'000;
    std::uint64_t primoTentativo = 2'000; // positions of the first attempt
    // The attempts double while they stay within this, each size from the
    // third on tried in four orders (see TRisolutore); the next, the last,
    // goes back to the first order and has what is left, as far as the table
    // of positions holds.
    std::uint64_t ultimoRaddoppio = 2'048'000;
    // One position for all the placings of the lone tens (TDieciSoli). Off,
    // each placing is a position of its own, as the plain search has it.
    bool classi = true;
    // When the attempts stop doubling, the deal is looked at through the
    // cards of one suit, then of two (TNucleo), with at most this many
    // positions over all of them, on top of the search's own; 0: never.
    std::uint64_t nucleo = 24'000'000;
    // From the fourth size of attempt on (16,000 positions), positions where
    // some card can never leave its pile are dropped (TFermi).
    bool fermi = true;
    const std::atomic<bool>* fermo = nullptr; // when set, give up: the answer is unknown

    bool Fermato() const { return fermo != nullptr && fermo->load(std::memory_order_relaxed); }
};

struct TRisposta {
    TEsito esito = TEsito::Ignota;
    std::vector<TMossa> mosse;   // the steps of the win, turns included
    std::uint64_t posizioni = 0; // positions entered, over all attempts and cores
    int tentativi = 0;
};

// Depth-first search with a set of seen positions, one for all the placings
// of the lone tens of a position (see TDieciSoli). Each attempt that runs out
// of its quota starts again with the moves in a new order within their
// classes and twice the quota, and skips the positions an earlier attempt
// proved lost; an attempt that ends without running out has seen every
// position reachable, so its answer is final. From the third size on, each
// size is tried four ways: moves to a corner first, as the first two; the
// same shuffle with the moves that uncover a card first; those first with no
// shuffle; and the same shuffle with them last. Some deals are won at once
// one way and not in tens of millions of positions another. The short
// attempts find the wins that one order would miss; the last is as large as
// the table holds, in the first order, where the hardest deals are decided.
// Before it, the cores (TNucleo) may prove a deal lost at a fraction of its
// cost.
//
// A position is proved lost when every position reachable from it has been
// searched, and none wins. A search cut short where it meets a position on its
// own path, or one that depends on such a one, proves nothing yet: the
// positions are numbered as they are entered, each remembers the lowest number
// it met that is still unproved (as Tarjan's strongly connected components
// do), and a position that met none lower than its own, once searched, is
// proved lost together with every unproved position entered after it.
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
        std::size_t riordini = 0; // the ten moves made before it, in `riordino`
        bool classe = false;      // it stands for every placing of its lone tens
        std::size_t posto = 0;    // its place in `visti`
        std::uint32_t numero = 0; // its number in the order of the attempt
        // The lowest number of an unproved position met from here; Persa: none.
        std::uint32_t minimo = TVisti::Persa;
    };

    // How an attempt orders the moves of a position: the rank of each class
    // (TStato::Classe), and the shuffle within the classes, 0 for none.
    struct TOrdine {
        std::array<std::uint8_t, TStato::Classi> rango;
        int mescola = 0;
    };
    static constexpr std::array<std::uint8_t, TStato::Classi> AngoliPrima{0, 1, 2};
    static constexpr std::array<std::uint8_t, TStato::Classi> ScoperteInnanzi{1, 0, 2};
    static constexpr std::array<std::uint8_t, TStato::Classi> ScoperteInfine{0, 2, 1};
    // The orders of the attempts of the n-th size.
    static std::vector<TOrdine> Ordini(int n);

    // Makes an attempt and says so in `risposta`; true when it decided the deal.
    bool Decisa(const TStato& partenza, std::uint64_t quota, const TOrdine& ordine,
                TRisposta& risposta);
    TFine Tenta(TStato& stato, std::uint64_t quota, const TOrdine& ordine);
    // Enters a position; false when there is nothing to search there. `prova`:
    // the relaxed game may have been lost by the last move.
    bool Apri(TStato& stato, const TOrdine& ordine, bool prova);
    // Lists the moves of every placing of the lone tens; false, listing
    // nothing, when they cannot move.
    bool MosseDellaClasse(const TStato& stato);
    void Ordina(const TStato& stato, std::size_t inizio, const TOrdine& ordine);
    // Makes the move, after the ten moves its placing needs; true when the
    // relaxed game may have been lost by it.
    bool Scendi(TStato& stato, const TMossa& mossa);
    // Leaves a position: a searched one proves lost what it can, and each
    // tells the one above what it met.
    void Chiudi();
    void Risali(TStato& stato);
    void Soluzione(std::vector<TMossa>& passi) const;
    // Whether the core of one suit or two, looked at alone, proves the deal lost.
    bool NucleoPerso(const TStato& partenza, TRisposta& risposta);
    static std::vector<unsigned> Nuclei();

    TLimiti limiti;
    TVisti visti;
    TRilassato rilassato;
    TFermi fermi;
    bool provaFermi = false; // in this attempt
    TNucleo nucleo;
    std::vector<TMossa> iniziali; // turns made before the search
    std::vector<TMossa> mosse;
    std::vector<TMossa> appoggio; // scratch of Ordina
    std::vector<TMossa> riordino; // the ten moves of the levels, in order
    std::vector<TLivello> pila;
    std::vector<std::size_t> aperte; // the unproved positions entered, in order
    std::uint32_t numeri = 0;
    std::uint64_t posizioni = 0; // of the attempt
    std::uint64_t cercate = 0;   // of the deal's attempts, the cores' apart
};
