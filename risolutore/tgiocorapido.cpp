#include "tgiocorapido.h"
#include "tvisti.h"

#include <algorithm>

bool TGiocoRapido::Vince(TStato tavolo, std::mt19937_64& caso) {
    avute.clear();
    tavolo.ScopriSole();
    avute.insert(TVisti::Impronta(tavolo.Chiave()));
    for (int passo = 0; passo < MassimoPassi && !tavolo.Vinta(); ++passo) {
        mosse.clear();
        tavolo.MosseLegali(mosse);
        std::erase_if(mosse, [&](const TMossa& m) {
            TStato dopo = tavolo;
            dopo.Esegui(m);
            return m.scopri || avute.contains(TVisti::Impronta(dopo.Chiave()));
        });
        if (mosse.empty()) {
            return false;
        }
        const auto classe = [&tavolo](const TMossa& m) { return tavolo.Classe(m); };
        const int prima = classe(*std::ranges::min_element(mosse, {}, classe));
        std::erase_if(mosse, [&](const TMossa& m) { return classe(m) != prima; });
        const TMossa scelta = mosse[caso() % mosse.size()];
        tavolo.Esegui(scelta);
        tavolo.ScopriSole();
        avute.insert(TVisti::Impronta(tavolo.Chiave()));
    }
    return tavolo.Vinta();
}
