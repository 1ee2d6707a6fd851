#include "tcieco.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::uint64_t SemeIpotesi = 20261207;

} // namespace

TCieco::TCieco(TLimiti perIpotesi) : risolutore(perIpotesi), fermo(perIpotesi.fermo) {}

TRisposta TCieco::Gioca(TStato tavolo) {
    TRisposta risposta;
    caso.seed(SemeIpotesi); // the same play whatever thread or order the deals come in
    avute.clear();
    for (int p = 0; p < TStato::Pozzi; ++p) {
        ScopriSola(tavolo, p, risposta.mosse);
    }
    avute.insert(tavolo.Chiave().parole);
    int record = tavolo.SuiAngoli();
    for (int ferme = 0; !tavolo.Vinta();) {
        if (Fermato()) {
            return risposta;
        }
        const std::optional<TMossa> mossa =
            ferme < MosseSenzaProgresso ? Scegli(tavolo, risposta) : std::nullopt;
        // Stopped while choosing, or no guess decided within the limit: it
        // knows nothing, so it has given up nothing.
        if (Fermato() || (!mossa && provate > 0 && decise == 0)) {
            return risposta;
        }
        if (!mossa) {
            risposta.esito = TEsito::Impossibile;
            return risposta;
        }
        const std::size_t passi = risposta.mosse.size();
        Fai(tavolo, *mossa, risposta.mosse);
        const bool scoperta = risposta.mosse.size() > passi + 1;
        ferme = scoperta || tavolo.SuiAngoli() > record ? 0 : ferme + 1;
        record = std::max(record, tavolo.SuiAngoli());
    }
    risposta.esito = TEsito::Vinta;
    return risposta;
}

std::optional<TMossa> TCieco::Scegli(const TStato& tavolo, TRisposta& conto) {
    // No lone face-down card is left on the table, so every step is a move,
    // and the moves do not depend on where the face-down cards lie.
    mosse.clear();
    tavolo.MosseLegali(mosse);
    std::erase_if(mosse, [&](const TMossa& m) { return !PortaAltrove(tavolo, m); });
    // In the solver's order of classes: the first of the best is made.
    std::stable_sort(mosse.begin(), mosse.end(), [&tavolo](const TMossa& a, const TMossa& b) {
        return tavolo.Classe(a) < tavolo.Classe(b);
    });
    provate = decise = 0;
    ipotesi.assign(Ipotesi, tavolo);
    for (TStato& congettura : ipotesi) {
        congettura.RimescolaCoperte(caso);
    }
    std::optional<TMossa> scelta;
    int migliore = 0;
    for (const TMossa& mossa : mosse) {
        const int vinte = Vinte(mossa, migliore, conto);
        if (vinte > migliore) {
            scelta = mossa;
            migliore = vinte;
        }
        if (migliore == Ipotesi || Fermato()) {
            break;
        }
    }
    return scelta;
}

int TCieco::Vinte(const TMossa& mossa, int daBattere, TRisposta& conto) {
    int vinte = 0;
    int restano = Ipotesi;
    for (const TStato& congettura : ipotesi) {
        if (vinte + restano-- <= daBattere) {
            break;
        }
        TStato dopo = congettura;
        dopo.Esegui(mossa);
        const TRisposta risposta = risolutore.Risolvi(dopo);
        conto.posizioni += risposta.posizioni;
        ++conto.tentativi;
        ++provate;
        decise += risposta.esito != TEsito::Ignota;
        vinte += risposta.esito == TEsito::Vinta;
    }
    return vinte;
}

// A move that leaves a lone face-down card always leads somewhere new: a card
// once turned up never goes face down again. So looking before the turn tells
// nothing of the hidden cards.
bool TCieco::PortaAltrove(const TStato& tavolo, const TMossa& mossa) const {
    TStato dopo = tavolo;
    dopo.Esegui(mossa);
    return !avute.contains(dopo.Chiave().parole);
}

void TCieco::Fai(TStato& tavolo, const TMossa& mossa, std::vector<TMossa>& passi) {
    tavolo.Esegui(mossa);
    passi.push_back(mossa);
    ScopriSola(tavolo, mossa.da, passi);
    avute.insert(tavolo.Chiave().parole);
}

void TCieco::ScopriSola(TStato& tavolo, int p, std::vector<TMossa>& passi) {
    if (const auto scoperta = tavolo.Scoperta(p)) {
        passi.push_back(*scoperta);
        tavolo.Esegui(*scoperta);
    }
}

bool TCieco::Fermato() const {
    return fermo != nullptr && fermo->load(std::memory_order_relaxed);
}
