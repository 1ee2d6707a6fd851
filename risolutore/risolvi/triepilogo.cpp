#include "triepilogo.h"

#include "wilson.h"

void TRiepilogo::Scrivi(std::FILE* file, bool cieco) const {
    const auto n = [](std::uint64_t valore) { return static_cast<unsigned long long>(valore); };
    std::fprintf(file, "# %s %llu di %llu: vinte %llu, %s %llu", cieco ? "giocate" : "decise",
                 n(decise), n(richieste), n(vinte), cieco ? "perse" : "impossibili",
                 n(decise - vinte - ignote));
    if (!cieco) {
        std::fprintf(file, ", ignote %llu", n(ignote));
    }
    const TIntervallo intervallo = IntervalloWilson(vinte, decise);
    std::fprintf(file, "\n# %s %.4f %% (95 %% Wilson%s: %.4f - %.4f %%",
                 cieco ? "vinte" : "vincibili", decise ? 100.0 * vinte / decise : 0.0,
                 cieco ? "" : ", ignote perse", 100 * intervallo.basso, 100 * intervallo.alto);
    if (!cieco) {
        const TIntervallo vincenti = IntervalloWilson(vinte + ignote, decise);
        std::fprintf(file, "; ignote vinte: %.4f - %.4f %%", 100 * vincenti.basso,
                     100 * vincenti.alto);
    }
    std::fprintf(file, ")\n");
}
