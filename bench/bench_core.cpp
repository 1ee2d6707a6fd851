#include "tpartita.h"
#include "tvistamuta.h"

#include <benchmark/benchmark.h>

#include <initializer_list>

namespace {

constexpr std::int16_t Tre = 2;     // three of suit 0
constexpr std::int16_t Quattro = 3; // four of suit 0
constexpr std::int16_t Sorgente = 22;
constexpr std::int16_t Meta = 19;
constexpr std::int16_t PrimoTappo = 20; // spare face-down cards that close piles

void Posa(TPartita& partita, std::int16_t n, std::int16_t p, bool coperta) {
    partita.Carte[n].pozzo = p;
    partita.Carte[n].Coperta = coperta;
    partita.Pozzi[p].AggiungiCarta(&partita.Carte[n]);
}

// The three of suit 0 on pile 22, the four on pile 19, the given piles closed
// by a face-down card and every other pile empty, so passable.
void Prepara(TPartita& partita, std::initializer_list<std::int16_t> chiusi) {
    for (TDatiCarta& carta : partita.Carte) {
        carta.pozzo = -1;
    }
    for (TPozzo& pozzo : partita.Pozzi) {
        pozzo.Dispose(true);
    }
    Posa(partita, 14, Sorgente, true);
    Posa(partita, Tre, Sorgente, false);
    Posa(partita, 15, Meta, true);
    Posa(partita, Quattro, Meta, false);
    std::int16_t tappo = PrimoTappo;
    for (const std::int16_t p : chiusi) {
        Posa(partita, tappo++, p, true);
    }
    partita.AngoloCorrente = 0;
}

void Misura(benchmark::State& stato, std::initializer_list<std::int16_t> chiusi, bool attesa) {
    TVistaMuta vista;
    TPartita partita(vista);
    Prepara(partita, chiusi);
    if (partita.MossaValida(Tre, Meta) != attesa) {
        stato.SkipWithError("the position does not judge as intended");
        return;
    }
    for (auto _ : stato) {
        benchmark::DoNotOptimize(partita.MossaValida(Tre, Meta));
    }
}

// The depth-first search enters 20 piles before it finds the way round.
void BM_MossaValidaPercorsoLungo(benchmark::State& stato) {
    Misura(stato, {8, 10, 18}, true);
}

// Every neighbour of the target closed: the search enters every other pile and fails.
void BM_MossaValidaRifiutataDopoRicerca(benchmark::State& stato) {
    Misura(stato, {10, 11, 12, 18, 20}, false);
}

// Refused by suit and sequence before any search.
void BM_MossaValidaRifiutata(benchmark::State& stato) {
    TVistaMuta vista;
    TPartita partita(vista);
    Prepara(partita, {});
    for (auto _ : stato) {
        benchmark::DoNotOptimize(partita.MossaValida(Quattro, Sorgente));
    }
}

void BM_DistribuisciNuova(benchmark::State& stato) {
    TVistaMuta vista;
    TPartita partita(vista);
    for (auto _ : stato) {
        partita.Distribuisci(true);
        benchmark::DoNotOptimize(partita.Pozzi);
    }
}

void BM_Ricomincia(benchmark::State& stato) {
    TVistaMuta vista;
    TPartita partita(vista);
    partita.Distribuisci(true);
    for (auto _ : stato) {
        partita.Distribuisci(false);
        benchmark::DoNotOptimize(partita.Pozzi);
    }
}

} // namespace

BENCHMARK(BM_MossaValidaPercorsoLungo);
BENCHMARK(BM_MossaValidaRifiutataDopoRicerca);
BENCHMARK(BM_MossaValidaRifiutata);
BENCHMARK(BM_DistribuisciNuova);
BENCHMARK(BM_Ricomincia);

BENCHMARK_MAIN();
