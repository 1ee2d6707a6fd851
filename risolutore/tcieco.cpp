#include "tcieco.h"

#include <algorithm>
#include <utility>

namespace {

// Any fixed seeds would do; these are the ones the recorded games were played with.
constexpr std::uint64_t SemeIpotesi = 20261207;
constexpr std::uint64_t SemeRapide = 20261208;

// A guess gets a few thousand positions. In so few, the search that keeps
// every placing of the lone tens apart wins more guesses, and the player more
// games: 140 of deals 0 to 199 against 125, with 64 guesses in doubt. The core
// and the cards that can never leave their pile are for the deals that need
// millions; without them the player plays as it was measured.
TLimiti PerIpotesi(const TMetodo& metodo, const std::atomic<bool>* fermo) {
    TLimiti limiti;
    limiti.posizioni = metodo.posizioni;
    limiti.fermo = fermo;
    limiti.classi = false;
    limiti.nucleo = 0;
    limiti.fermi = false;
    return limiti;
}

} // namespace

TCieco::TCieco(TMetodo metodo, const std::atomic<bool>* fermo)
    : limiti(PerIpotesi(metodo, fermo)), risolutore(limiti), metodo(metodo) {}

TRisposta TCieco::Gioca(TStato tavolo) {
    TRisposta risposta;
    // The same play whatever thread or order the deals come in.
    caso.seed(SemeIpotesi);
    casoRapido.seed(SemeRapide);
    avute.clear();
    senzaProgresso = false;
    tavolo.ScopriSole(&risposta.mosse);
    stime.assign(risposta.mosse.size(), {});
    avute.insert(tavolo.Chiave());
    int record = tavolo.SuiAngoli();
    for (int ferme = 0; !tavolo.Vinta();) {
        if (limiti.Fermato()) {
            return risposta;
        }
        std::optional<TMossa> mossa;
        if (ferme < metodo.ferme) {
            mossa = Scegli(tavolo, risposta);
        }
        // Stopped while choosing, or no guess decided within the limit: it
        // knows nothing, so it has given up nothing.
        if (limiti.Fermato() || (!mossa && provate > 0 && decise == 0)) {
            return risposta;
        }
        if (!mossa) {
            senzaProgresso = ferme >= metodo.ferme;
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

// No lone face-down card is left on the table, so every step is a move, and
// the moves do not depend on where the face-down cards lie. In the solver's
// order of classes: the first of the best is made.
void TCieco::Candidate(const TStato& tavolo) {
    mosse.clear();
    tavolo.MosseLegali(mosse);
    std::erase_if(mosse, [&](const TMossa& m) { return !PortaAltrove(tavolo, m); });
    std::stable_sort(mosse.begin(), mosse.end(), [&tavolo](const TMossa& a, const TMossa& b) {
        return tavolo.Classe(a) < tavolo.Classe(b);
    });
    provate = decise = 0;
    ipotesi.clear();
    esiti.assign(mosse.size(), {});
    rapideDi.assign(mosse.size(), -1);
}

std::optional<TMossa> TCieco::Scegli(const TStato& tavolo, TRisposta& conto) {
    Candidate(tavolo);
    std::optional<TMossa> migliore = Pesa(tavolo, metodo.ipotesi, conto);
    // When a move wins every guess, more guesses would seldom tell the moves
    // apart: the quick games do. Only a choice in doubt gets them, and the
    // guesses already solved are not solved again.
    const bool dubbio = !migliore || scelta.vinte < metodo.ipotesi;
    if (dubbio && metodo.ipotesiDubbio > metodo.ipotesi && !limiti.Fermato()) {
        migliore = Pesa(tavolo, metodo.ipotesiDubbio, conto);
    }
    return migliore;
}

std::optional<TMossa> TCieco::Pesa(const TStato& tavolo, int quante, TRisposta& conto) {
    for (int k = 0; k < quante; ++k) {
        Congettura(tavolo, static_cast<std::size_t>(k));
    }
    // A tie decided by the quick games needs each guess of a move that can still tie.
    const int pari = metodo.rapide > 0 ? 1 : 0;
    std::optional<TMossa> migliore;
    int punti = 0;
    int rapide = 0;
    for (std::size_t i = 0; i < mosse.size(); ++i) {
        const TMossa& mossa = mosse[i];
        const int vinte = Vinte(i, quante, punti - pari, conto);
        if (vinte == 0 || vinte < punti) {
            continue;
        }
        const int suoiRapide = metodo.rapide > 0 ? Rapide(i) : 0;
        if (!migliore || vinte > punti || suoiRapide > rapide) {
            migliore = mossa;
            punti = vinte;
            rapide = suoiRapide;
            scelta = {vinte, quante};
        }
        if ((punti == quante && metodo.rapide == 0) || limiti.Fermato()) {
            break;
        }
    }
    return migliore;
}

int TCieco::Vinte(std::size_t i, int quante, int daBattere, TRisposta& conto) {
    std::vector<bool>& note = esiti[i];
    int vinte = 0;
    int restano = quante;
    for (int k = 0; k < quante; ++k) {
        if (vinte + restano-- <= daBattere) {
            break;
        }
        const auto ik = static_cast<std::size_t>(k);
        if (ik == note.size()) {
            note.push_back(Vince(ipotesi[ik], mosse[i], conto));
        }
        vinte += note[ik];
    }
    return vinte;
}

bool TCieco::Vince(const TStato& congettura, const TMossa& mossa, TRisposta& conto) {
    TStato dopo = congettura;
    dopo.Esegui(mossa);
    const TRisposta risposta = risolutore.Risolvi(dopo);
    conto.posizioni += risposta.posizioni;
    ++conto.tentativi;
    ++provate;
    decise += risposta.esito != TEsito::Ignota;
    return risposta.esito == TEsito::Vinta;
}

int TCieco::Rapide(std::size_t i) {
    if (rapideDi[i] >= 0) {
        return rapideDi[i];
    }
    int vinte = 0;
    for (int r = 0; r < metodo.rapide; ++r) {
        TStato dopo = ipotesi[static_cast<std::size_t>(r) % ipotesi.size()];
        dopo.Esegui(mosse[i]);
        vinte += giocoRapido.Vince(dopo, casoRapido);
    }
    return rapideDi[i] = vinte;
}

// The k-th guess of this choice, dealt when first asked for.
const TStato& TCieco::Congettura(const TStato& tavolo, std::size_t k) {
    while (ipotesi.size() <= k) {
        ipotesi.push_back(tavolo);
        ipotesi.back().RimescolaCoperte(caso);
    }
    return ipotesi[k];
}

// A move that leaves a lone face-down card always leads somewhere new: a card
// once turned up never goes face down again. So looking before the turn tells
// nothing of the hidden cards.
bool TCieco::PortaAltrove(const TStato& tavolo, const TMossa& mossa) const {
    TStato dopo = tavolo;
    dopo.Esegui(mossa);
    return !avute.contains(dopo.Chiave());
}

void TCieco::Fai(TStato& tavolo, const TMossa& mossa, std::vector<TMossa>& passi) {
    tavolo.Esegui(mossa);
    passi.push_back(mossa);
    stime.push_back(scelta);
    tavolo.ScopriSole(&passi);
    stime.resize(passi.size());
    avute.insert(tavolo.Chiave());
}
