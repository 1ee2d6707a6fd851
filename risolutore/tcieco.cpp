#include "tcieco.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr std::uint64_t SemeIpotesi = 20261207;
constexpr std::uint64_t SemeRapide = 20261208;
// How far upper confidence bounds reach past a move's share of guesses won.
constexpr double EsplorazioneUct = 0.7;

// A guess gets a few thousand positions. In so few, the search that keeps
// every placing of the lone tens apart wins more guesses, and the player more
// games: 140 of deals 0 to 199 against 125, with 64 guesses in doubt. The core
// and the cards that can never leave their pile are for the deals that need
// millions; without them the player plays as it was measured.
TLimiti PerIpotesi(TLimiti limiti) {
    limiti.classi = false;
    limiti.nucleo = 0;
    limiti.fermi = false;
    return limiti;
}

} // namespace

TCieco::TCieco(TLimiti perIpotesi, TMetodo metodo)
    : risolutore(PerIpotesi(perIpotesi)), metodo(metodo), fermo(perIpotesi.fermo) {}

TRisposta TCieco::Gioca(TStato tavolo) {
    TRisposta risposta;
    // The same play whatever thread or order the deals come in.
    caso.seed(SemeIpotesi);
    casoRapido.seed(SemeRapide);
    avute.clear();
    senzaProgresso = false;
    for (int p = 0; p < TStato::Pozzi; ++p) {
        ScopriSola(tavolo, p, risposta.mosse);
    }
    stime.assign(risposta.mosse.size(), {});
    avute.insert(tavolo.Chiave().parole);
    int record = tavolo.SuiAngoli();
    for (int ferme = 0; !tavolo.Vinta();) {
        if (Fermato()) {
            return risposta;
        }
        std::optional<TMossa> mossa;
        if (ferme < metodo.ferme) {
            mossa = metodo.giriUct > 0 ? ScegliUct(tavolo, risposta) : Scegli(tavolo, risposta);
        }
        // Stopped while choosing, or no guess decided within the limit: it
        // knows nothing, so it has given up nothing.
        if (Fermato() || (!mossa && provate > 0 && decise == 0)) {
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
    if (dubbio && metodo.ipotesiDubbio > metodo.ipotesi && !Fermato()) {
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
    const int massimo = quante + metodo.premioScoperta;
    std::optional<TMossa> migliore;
    int punti = 0;
    int rapide = 0;
    for (std::size_t i = 0; i < mosse.size(); ++i) {
        const TMossa& mossa = mosse[i];
        const int premio = tavolo.Classe(mossa) == TStato::ClasseScopre ? metodo.premioScoperta : 0;
        const int vinte = Vinte(i, quante, punti - premio - pari, conto);
        const int suoi = vinte + premio;
        if (vinte == 0 || suoi < punti) {
            continue;
        }
        const int suoiRapide = metodo.rapide > 0 ? Rapide(i) : 0;
        if (!migliore || suoi > punti || suoiRapide > rapide) {
            migliore = mossa;
            punti = suoi;
            rapide = suoiRapide;
            scelta = {vinte, quante};
        }
        if ((punti == massimo && metodo.rapide == 0) || Fermato()) {
            break;
        }
    }
    return migliore;
}

// Each move is a bandit's arm; a pull solves the move's next guess. Guesses
// are shared, the k-th of every move the same, so that moves are told apart
// by what they do and not by the luck of their guesses.
std::optional<TMossa> TCieco::ScegliUct(const TStato& tavolo, TRisposta& conto) {
    Candidate(tavolo);
    const std::size_t n = mosse.size();
    if (n == 0) {
        return std::nullopt;
    }
    std::vector<int> vinte(n, 0);
    std::vector<int> tirate(n, 0);
    const auto valore = [&](std::size_t i, double logTotale) {
        const double media = static_cast<double>(vinte[i]) / tirate[i];
        return media + EsplorazioneUct * std::sqrt(logTotale / tirate[i]);
    };
    const auto giri = std::max<std::size_t>(static_cast<std::size_t>(metodo.giriUct), n);
    for (std::size_t giro = 0; giro < giri && !Fermato(); ++giro) {
        std::size_t i = giro;
        if (giro >= n) {
            const double logTotale = std::log(static_cast<double>(giro));
            i = 0;
            for (std::size_t j = 1; j < n; ++j) {
                if (valore(j, logTotale) > valore(i, logTotale)) {
                    i = j;
                }
            }
        }
        const auto k = static_cast<std::size_t>(tirate[i]++);
        vinte[i] += Vince(Congettura(tavolo, k), mosse[i], conto);
    }
    std::optional<TMossa> migliore;
    std::size_t m = 0;
    for (std::size_t i = 0; i < n; ++i) {
        // The share of guesses won, compared without division: v_i / t_i > v_m / t_m.
        if (vinte[i] > 0 && (!migliore || vinte[i] * tirate[m] > vinte[m] * tirate[i])) {
            migliore = mosse[i];
            m = i;
        }
    }
    if (migliore) {
        scelta = {vinte[m], tirate[m]};
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
    return !avute.contains(dopo.Chiave().parole);
}

void TCieco::Fai(TStato& tavolo, const TMossa& mossa, std::vector<TMossa>& passi) {
    tavolo.Esegui(mossa);
    passi.push_back(mossa);
    stime.push_back(scelta);
    ScopriSola(tavolo, mossa.da, passi);
    stime.resize(passi.size());
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
