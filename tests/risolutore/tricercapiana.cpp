#include "tricercapiana.h"

#include <unordered_set>
#include <vector>

namespace {

struct THashChiave {
    std::size_t operator()(const TStato::TChiave& chiave) const {
        std::size_t h = 0;
        for (const std::uint64_t parola : chiave.parole) {
            h = h * 1000003u ^ std::hash<std::uint64_t>()(parola);
        }
        return h;
    }
};

} // namespace

TEsito TRicercaPiana::Esplora(const TStato& partenza) {
    std::unordered_set<TStato::TChiave, THashChiave> visti{partenza.Chiave()};
    std::vector<TStato> daVedere{partenza};
    std::vector<TMossa> mosse;
    posizioni = 1;
    while (!daVedere.empty()) {
        const TStato stato = daVedere.back();
        daVedere.pop_back();
        if (stato.Vinta()) {
            return TEsito::Vinta;
        }
        mosse.clear();
        stato.MosseLegali(mosse);
        for (const TMossa& mossa : mosse) {
            TStato dopo = stato;
            dopo.Esegui(mossa);
            if (visti.insert(dopo.Chiave()).second) {
                if (++posizioni > limite) {
                    return TEsito::Ignota;
                }
                daVedere.push_back(dopo);
            }
        }
    }
    return TEsito::Impossibile;
}
