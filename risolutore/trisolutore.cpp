#include "trisolutore.h"

#include "tdiecisoli.h"
#include "tnucleo.h"
#include "trilassato.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr std::uint64_t PassoTentativo = 0x9e3779b97f4a7c15ull;

// A small generator for the shuffles (splitmix64).
class TMescolatore {
public:
    using result_type = std::uint64_t;
    explicit TMescolatore(std::uint64_t seme) : stato(seme) {}
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return UINT64_MAX; }
    result_type operator()() {
        std::uint64_t z = (stato += PassoTentativo);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t stato;
};
// Positions between looks at the stop flag: a few milliseconds of search, so
// that Ctrl+C is answered at once, and the look costs nothing beside them.
constexpr std::uint64_t Controllo = 4096;
// The least quota a core gets in the first round: some fifty times the few
// hundred positions most cores are won in, so that the first round decides
// nearly all of them and only the lost core needs the later rounds.
constexpr std::uint64_t PrimaQuotaNucleo = std::uint64_t{1} << 14;
constexpr std::uint64_t CrescitaNucleo = 8;
// Cores of one suit and of two. Cores of three suits proved none of the deals
// that needed them, the few of a million left undecided, in tens of millions
// of positions each: they cost much and see no more.
constexpr int SemiNelNucleo = 2;
// The first sizes of attempt, tried in the first order only: they decide most
// deals, and four orders would cost four times as much on each of them.
constexpr int TaglieInUnOrdine = 2;
// The first sizes of attempt decide all but one deal in a thousand, and need the
// test of cards that can never leave their pile too seldom to pay for it.
constexpr int TaglieSenzaFermi = 3;

} // namespace

TRisolutore::TRisolutore(TLimiti limiti) : limiti(limiti) {}

TRisposta TRisolutore::Risolvi(const TStato& partenza) {
    TRisposta risposta;
    rilassato.Svuota();
    visti.Svuota();
    cercate = 0;
    const auto resto = [this] { return limiti.Fermato() ? 0 : limiti.posizioni - cercate; };
    std::uint64_t quota = std::max<std::uint64_t>(limiti.primoTentativo, 1);
    for (int n = 0; quota <= limiti.ultimoRaddoppio && resto() > 0; quota *= 2, ++n) {
        provaFermi = limiti.fermi && n >= TaglieSenzaFermi;
        for (const TOrdine& ordine : Ordini(n)) {
            if (resto() > 0 && Decisa(partenza, std::min(quota, resto()), ordine, risposta)) {
                return risposta;
            }
        }
    }
    // The cores, once the cheap deals are decided; the last attempt, in the
    // first order, has what is left as far as the table holds.
    provaFermi = limiti.fermi;
    if (limiti.nucleo > 0 && NucleoPerso(partenza, risposta)) {
        risposta.esito = TEsito::Impossibile;
    } else if (resto() > 0) {
        Decisa(partenza, std::min<std::uint64_t>(visti.Spazio(), resto()), {AngoliPrima, 0},
               risposta);
    }
    return risposta;
}

std::vector<TRisolutore::TOrdine> TRisolutore::Ordini(int n) {
    if (n < TaglieInUnOrdine) {
        return {{AngoliPrima, n}};
    }
    return {{AngoliPrima, n}, {ScoperteInnanzi, n}, {ScoperteInnanzi, 0}, {ScoperteInfine, n}};
}

bool TRisolutore::Decisa(const TStato& partenza, std::uint64_t quota, const TOrdine& ordine,
                         TRisposta& risposta) {
    TStato stato = partenza;
    posizioni = 0;
    const TFine fine = Tenta(stato, quota, ordine);
    cercate += posizioni;
    risposta.posizioni += posizioni;
    ++risposta.tentativi;
    if (fine == TFine::Vinta) {
        risposta.esito = TEsito::Vinta;
        Soluzione(risposta.mosse);
    } else if (fine == TFine::Esaurita) {
        risposta.esito = TEsito::Impossibile;
    }
    return fine != TFine::Interrotta;
}

// Each core a mask of suits, a bit a suit: one suit first, the cheap ones;
// then the pairs, which see more.
std::vector<unsigned> TRisolutore::Nuclei() {
    std::vector<unsigned> nuclei;
    for (int semi = 1; semi <= SemiNelNucleo; ++semi) {
        for (unsigned maschera = 1; maschera < 1u << TStato::Semi; ++maschera) {
            if (std::popcount(maschera) == semi) {
                nuclei.push_back(maschera);
            }
        }
    }
    return nuclei;
}

bool TRisolutore::NucleoPerso(const TStato& partenza, TRisposta& risposta) {
    std::vector<unsigned> nuclei = Nuclei();
    // Each round gives every core not yet won eight times the quota of the
    // round before, up to what is left: most cores are won in a few hundred
    // positions, and one that is lost needs the whole of its quota once.
    std::uint64_t divisore = 1;
    while (limiti.nucleo / (divisore * CrescitaNucleo) >= PrimaQuotaNucleo) {
        divisore *= CrescitaNucleo;
    }
    std::uint64_t spese = 0;
    for (;; divisore /= CrescitaNucleo) {
        std::vector<unsigned> ignoti;
        for (const unsigned semi : nuclei) {
            if (limiti.Fermato() || spese >= limiti.nucleo) {
                return false;
            }
            const std::uint64_t quota = std::min(limiti.nucleo / divisore, limiti.nucleo - spese);
            const TEsito esito = nucleo.Decidi(partenza, semi, quota);
            spese += nucleo.Posizioni();
            risposta.posizioni += nucleo.Posizioni();
            if (esito == TEsito::Impossibile) {
                return true;
            }
            if (esito == TEsito::Ignota) {
                ignoti.push_back(semi);
            }
        }
        nuclei.swap(ignoti);
        if (nuclei.empty() || divisore == 1) {
            return false;
        }
    }
}

TRisolutore::TFine TRisolutore::Tenta(TStato& stato, std::uint64_t quota, const TOrdine& ordine) {
    visti.Prepara(quota);
    mosse.clear();
    pila.clear();
    riordino.clear();
    aperte.clear();
    numeri = 0;
    pila.push_back({});
    iniziali.clear();
    stato.ScopriSole(&iniziali);
    if (!Apri(stato, ordine, true)) {
        return stato.Vinta() ? TFine::Vinta : TFine::Esaurita;
    }
    while (!pila.empty()) {
        TLivello& livello = pila.back();
        if (livello.prossima == mosse.size()) {
            Chiudi();
            Risali(stato);
            continue;
        }
        const TMossa mossa = mosse[livello.prossima++];
        const bool prova = Scendi(stato, mossa);
        if (stato.Vinta()) {
            return TFine::Vinta;
        }
        if (posizioni >= quota || (posizioni % Controllo == 0 && limiti.Fermato())) {
            return TFine::Interrotta;
        }
        if (!Apri(stato, ordine, prova)) {
            Risali(stato);
        }
    }
    return TFine::Esaurita;
}

bool TRisolutore::Apri(TStato& stato, const TOrdine& ordine, bool prova) {
    TLivello& livello = pila.back();
    const auto [posto, nuova] = visti.Inserisci(stato.ChiaveCorta(limiti.classi));
    if (!nuova) {
        livello.minimo = visti.Valore(posto);
        return false;
    }
    ++posizioni;
    if (stato.Vinta()) {
        return false;
    }
    if ((prova && rilassato.Perduta(stato)) || (provaFermi && fermi.Perduta(stato))) {
        visti.Segna(posto, TVisti::Persa);
        return false;
    }
    livello.posto = posto;
    livello.numero = livello.minimo = numeri++;
    visti.Segna(posto, livello.numero);
    aperte.push_back(posto);
    const std::size_t inizio = mosse.size();
    livello.inizio = livello.prossima = inizio;
    livello.classe = limiti.classi && MosseDellaClasse(stato);
    if (!livello.classe) {
        stato.MosseLegali(mosse);
    }
    Ordina(stato, inizio, ordine);
    return true;
}

bool TRisolutore::MosseDellaClasse(const TStato& stato) {
    const TDieciSoli dieci(stato);
    if (!dieci.Liberi()) {
        return false;
    }
    dieci.Mosse(stato, mosse);
    return true;
}

void TRisolutore::Ordina(const TStato& stato, std::size_t inizio, const TOrdine& ordine) {
    const auto classe = [&stato, &ordine](const TMossa& m) {
        return ordine.rango[static_cast<std::size_t>(stato.Classe(m))];
    };
    // A counting sort, stable, with no allocation once the scratch has grown.
    appoggio.assign(mosse.begin() + static_cast<std::ptrdiff_t>(inizio), mosse.end());
    std::array<std::size_t, TStato::Classi + 1> limite{};
    for (const TMossa& m : appoggio) {
        ++limite[classe(m) + 1];
    }
    limite[0] = inizio;
    for (int c = 1; c <= TStato::Classi; ++c) {
        limite[c] += limite[c - 1];
    }
    std::array<std::size_t, TStato::Classi> posto{};
    std::copy_n(limite.begin(), TStato::Classi, posto.begin());
    for (const TMossa& m : appoggio) {
        mosse[posto[classe(m)]++] = m;
    }
    if (ordine.mescola == 0) {
        return;
    }
    // The order hangs on the position and the attempt alone, not on what the
    // attempt met before: an attempt that skips positions proved lost meets
    // the others in the same order as it would without skipping.
    const TStato::TChiave chiave = limiti.classi ? stato.ChiaveClasse() : stato.Chiave();
    TMescolatore mescolatore(TVisti::Impronta(chiave) ^ ordine.mescola * PassoTentativo);
    for (int c = 0; c < TStato::Classi; ++c) {
        std::shuffle(mosse.begin() + static_cast<std::ptrdiff_t>(limite[c]),
                     mosse.begin() + static_cast<std::ptrdiff_t>(limite[c + 1]), mescolatore);
    }
}

bool TRisolutore::Scendi(TStato& stato, const TMossa& scelta) {
    TLivello livello;
    const std::size_t prima = riordino.size();
    livello.arrivo =
        pila.back().classe ? TDieciSoli(stato).Disponi(stato, scelta, riordino) : scelta;
    livello.riordini = riordino.size() - prima;
    const bool prova = TRilassato::PuoNuocere(stato, livello.arrivo);
    stato.Esegui(livello.arrivo);
    if (const auto scoperta = stato.Scoperta(livello.arrivo.da)) {
        livello.scoperta = *scoperta;
        stato.Esegui(livello.scoperta);
    }
    livello.inizio = livello.prossima = mosse.size();
    pila.push_back(livello);
    return prova;
}

void TRisolutore::Chiudi() {
    TLivello& livello = pila.back();
    if (livello.minimo != livello.numero) {
        return;
    }
    std::size_t posto = 0;
    do {
        posto = aperte.back();
        aperte.pop_back();
        visti.Segna(posto, TVisti::Persa);
    } while (posto != livello.posto);
    livello.minimo = TVisti::Persa;
}

void TRisolutore::Risali(TStato& stato) {
    const TLivello& livello = pila.back();
    if (pila.size() > 1) {
        TLivello& sopra = pila[pila.size() - 2];
        sopra.minimo = std::min(sopra.minimo, livello.minimo);
    }
    if (livello.scoperta.scopri) {
        stato.Annulla(livello.scoperta);
    }
    if (livello.arrivo.carta >= 0) {
        stato.Annulla(livello.arrivo);
    }
    for (std::size_t i = 0; i < livello.riordini; ++i) {
        stato.Annulla(riordino.back());
        riordino.pop_back();
    }
    mosse.resize(livello.inizio);
    pila.pop_back();
}

void TRisolutore::Soluzione(std::vector<TMossa>& passi) const {
    passi = iniziali;
    auto riordinato = riordino.begin();
    for (const TLivello& livello : pila) {
        passi.insert(passi.end(), riordinato,
                     riordinato + static_cast<std::ptrdiff_t>(livello.riordini));
        riordinato += static_cast<std::ptrdiff_t>(livello.riordini);
        if (livello.arrivo.carta >= 0) {
            passi.push_back(livello.arrivo);
        }
        if (livello.scoperta.scopri) {
            passi.push_back(livello.scoperta);
        }
    }
}
