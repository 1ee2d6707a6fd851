#include "posizione.h"
#include "tpartita.h"
#include "tvistamuta.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The three of suit a on pile 22, the four on pile 19; the piles a position
// adds are closed by a face-down card, every other pile is empty, so passable.
const std::string Sorgenti = "22: x5b 3a | 19: x6b 4a";
const std::int16_t Tre = NumeroCarta("3a");
const std::int16_t Quattro = NumeroCarta("4a");
constexpr std::int16_t Sorgente = 22;
constexpr std::int16_t Meta = 19;

void Misura(benchmark::State& stato, const std::string& chiusi, bool attesa) {
    TVistaMuta vista;
    TPartita partita(vista);
    Disponi(partita, Sorgenti + chiusi);
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
    Misura(stato, " | 8: x1c | 10: x2c | 18: x3c", true);
}

// Every neighbour of the target closed: the search enters every other pile and fails.
void BM_MossaValidaRifiutataDopoRicerca(benchmark::State& stato) {
    Misura(stato, " | 10: x1c | 11: x2c | 12: x3c | 18: x4c | 20: x5c", false);
}

// Refused by suit and sequence before any search.
void BM_MossaValidaRifiutata(benchmark::State& stato) {
    TVistaMuta vista;
    TPartita partita(vista);
    Disponi(partita, Sorgenti);
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
