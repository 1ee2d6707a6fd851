#include "trisolutore.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

constexpr std::uint64_t PrimaPartita = 0;
constexpr std::uint64_t Partite = 200; // deals per round: enough for a 99th percentile
constexpr double Millisecondi = 1000.0;

// Positions searched per second on one core, over a fixed run of deals.
void BM_PosizioniAlSecondo(benchmark::State& stato) {
    TRisolutore risolutore;
    double posizioni = 0;
    for (auto _ : stato) {
        for (std::uint64_t seme = PrimaPartita; seme < PrimaPartita + Partite; ++seme) {
            posizioni += static_cast<double>(risolutore.Risolvi(TStato::DaSeme(seme)).posizioni);
        }
    }
    stato.counters["posizioni"] = benchmark::Counter(posizioni, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PosizioniAlSecondo)->Unit(benchmark::kMillisecond);

// Processor time of this thread, so that other work on the machine does not count.
double Secondi() {
    timespec adesso{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &adesso);
    return static_cast<double>(adesso.tv_sec) + static_cast<double>(adesso.tv_nsec) * 1e-9;
}

// Time to decide one deal: median and 99th percentile over the same deals.
void BM_TempoPerPartita(benchmark::State& stato) {
    TRisolutore risolutore;
    std::vector<double> tempi;
    for (auto _ : stato) {
        for (std::uint64_t seme = PrimaPartita; seme < PrimaPartita + Partite; ++seme) {
            const double inizio = Secondi();
            benchmark::DoNotOptimize(risolutore.Risolvi(TStato::DaSeme(seme)));
            tempi.push_back(Secondi() - inizio);
        }
    }
    std::sort(tempi.begin(), tempi.end());
    const auto quantile = [&tempi](double q) {
        return tempi[static_cast<std::size_t>(q * static_cast<double>(tempi.size() - 1))];
    };
    stato.counters["mediana_ms"] = quantile(0.5) * Millisecondi;
    stato.counters["p99_ms"] = quantile(0.99) * Millisecondi;
}
BENCHMARK(BM_TempoPerPartita)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
