// solvintra-risolvi: solves one deal and shows its moves, or a range of deals
// on every core as a table of figures.
#include "certifica.h"
#include "tcertificato.h"
#include "tcieco.h"
#include "tcsv.h"
#include "tdiario.h"
#include "topzioni.h"
#include "triepilogo.h"
#include "tstampa.h"
#include "tstudio.h"
#include "tuscita.h"
#include "tverifica.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

constexpr int ErroreArgomenti = 2;
constexpr int Interrotto = 130;
constexpr int LarghezzaBarra = 30;
constexpr auto IntervalloAvanzamento = std::chrono::milliseconds(500);
// A log read later wants a line now and then, not a frame twice a second.
constexpr auto IntervalloRegistro = std::chrono::seconds(10);

std::atomic<bool> interruzione{false};

void SuInterruzione(int) {
    interruzione = true;
    std::signal(SIGINT, SIG_DFL); // a second Ctrl+C ends at once
}

int Errore(const std::string& messaggio) {
    std::fprintf(stderr, "solvintra-risolvi: %s\n", messaggio.c_str());
    return ErroreArgomenti;
}

// Beside each step the blind player chose, the share of guesses it won.
std::vector<std::string> NoteCieco(const std::vector<TCieco::TStima>& stime) {
    std::vector<std::string> note;
    for (const TCieco::TStima& stima : stime) {
        note.push_back(stima.provate == 0
                           ? std::string()
                           : "(vince " + std::to_string(stima.vinte) + " ipotesi su " +
                                 std::to_string(stima.provate) + ")");
    }
    return note;
}

std::string PerchePersa(const TCieco& cieco, const TMetodo& metodo) {
    return cieco.SenzaProgresso()
               ? (metodo.ferme == 1 ? std::string("1 mossa")
                                    : std::to_string(metodo.ferme) + " mosse") +
                     " di fila senza scoprire una carta né portarne di nuove agli angoli"
               : "nessuna ipotesi sulle carte coperte si vince più";
}

int ScriviCertificato(const TOpzioni& opzioni) {
    std::string errore;
    switch (Certifica(opzioni.certificati, opzioni.primo, opzioni.posizioniCertificato, errore)) {
    case TCertificazione::Scritta:
        std::printf("Certificato scritto in %s/%llu.svct\n", opzioni.certificati.c_str(),
                    static_cast<unsigned long long>(opzioni.primo));
        return 0;
    case TCertificazione::Troppe:
        std::printf("Nessun certificato: più di %zu posizioni.\n", opzioni.posizioniCertificato);
        return 0;
    case TCertificazione::Vinta:
        std::fprintf(stderr, "solvintra-risolvi: la partita si vince, senza i tagli\n");
        return EXIT_FAILURE;
    case TCertificazione::Guasto:
        break;
    }
    return Errore(errore);
}

int RisolviUna(const TOpzioni& opzioni) {
    const TStato stato = TStato::DaSeme(opzioni.primo);
    TCieco cieco(opzioni.metodo);
    const TRisposta risposta =
        opzioni.cieco ? cieco.Gioca(stato) : TRisolutore(opzioni.limiti).Risolvi(stato);
    const std::vector<std::string> note =
        opzioni.cieco ? NoteCieco(cieco.Stime()) : std::vector<std::string>();
    std::printf("Partita %llu\n\n%s\n", static_cast<unsigned long long>(opzioni.primo),
                TStampa::Tavolo(stato).c_str());
    if (risposta.esito == TEsito::Vinta && !RigiocaVinta(opzioni.primo, risposta.mosse)) {
        std::fprintf(stderr, "solvintra-risolvi: il gioco non rigioca la vincita trovata\n");
        return EXIT_FAILURE;
    }
    switch (risposta.esito) {
    case TEsito::Vinta:
        std::printf("Vinta in %zu passi:\n%s", risposta.mosse.size(),
                    TStampa::Passi(risposta.mosse, note).c_str());
        break;
    case TEsito::Impossibile:
        if (opzioni.cieco) {
            std::printf("Persa dopo %zu passi: %s.\n%s", risposta.mosse.size(),
                        PerchePersa(cieco, opzioni.metodo).c_str(),
                        TStampa::Passi(risposta.mosse, note).c_str());
        } else {
            std::printf("Impossibile: nessuna sequenza di mosse la vince.\n");
            if (!opzioni.certificati.empty()) {
                return ScriviCertificato(opzioni);
            }
        }
        break;
    case TEsito::Ignota:
        std::printf("Ignota: %llu posizioni non sono bastate a deciderla.\n",
                    static_cast<unsigned long long>(risposta.posizioni));
        break;
    }
    std::printf("(%llu posizioni esaminate)\n",
                static_cast<unsigned long long>(risposta.posizioni));
    return 0;
}

// How far the study has got: deals decided of all, the share, the rate and
// the time left at that rate.
std::string Avanzamento(const TStudio& studio, std::chrono::steady_clock::time_point inizio) {
    const double secondi =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
    const auto decise = static_cast<double>(studio.Decise());
    const auto totale = static_cast<double>(studio.Totale());
    const double ritmo = secondi > 0 ? decise / secondi : 0;
    const auto restano = static_cast<long long>(ritmo > 0 ? (totale - decise) / ritmo : 0);
    char testo[128];
    std::snprintf(testo, sizeof testo,
                  "%5.1f %%  %.0f/%.0f  %.2f partite/s  mancano %02lld:%02lld:%02lld",
                  totale > 0 ? 100 * decise / totale : 100.0, decise, totale, ritmo, restano / 3600,
                  restano / 60 % 60, restano % 60);
    return testo;
}

// At a terminal, a bar drawn again in place.
void DisegnaBarra(const TStudio& studio, std::chrono::steady_clock::time_point inizio) {
    const std::uint64_t totale = studio.Totale();
    const auto piene =
        static_cast<int>(totale > 0 ? LarghezzaBarra * studio.Decise() / totale : LarghezzaBarra);
    std::fprintf(stderr, "\r[%s%s] %s ", std::string(piene, '#').c_str(),
                 std::string(LarghezzaBarra - piene, '.').c_str(),
                 Avanzamento(studio, inizio).c_str());
}

// Runs the study to its end or to Ctrl+C, showing how far it has got: a bar
// for a person at a terminal; in a log, a plain line as soon as a deal is
// decided, so that the log shows the work running, then now and then, and
// one at the end.
void Segui(TStudio& studio) {
    std::signal(SIGINT, SuInterruzione);
    const bool terminale = isatty(STDERR_FILENO) != 0;
    const auto inizio = std::chrono::steady_clock::now();
    std::optional<std::chrono::steady_clock::time_point> scritta;
    studio.Avvia();
    while (!studio.Finito()) {
        if (interruzione) {
            studio.Ferma();
        }
        const auto adesso = std::chrono::steady_clock::now();
        if (terminale) {
            DisegnaBarra(studio, inizio);
        } else if (studio.Decise() > 0 && (!scritta || adesso - *scritta >= IntervalloRegistro)) {
            std::fprintf(stderr, "%s\n", Avanzamento(studio, inizio).c_str());
            scritta = adesso;
        }
        std::this_thread::sleep_for(IntervalloAvanzamento);
    }
    studio.Attendi();
    if (terminale) {
        DisegnaBarra(studio, inizio);
        std::fputc('\n', stderr);
    } else {
        std::fprintf(stderr, "%s\n", Avanzamento(studio, inizio).c_str());
    }
}

int Esito(TStudio& studio) {
    if (const std::string guasto = studio.GuastoCertificati(); !guasto.empty()) {
        return Errore(guasto);
    }
    if (studio.Smentite() > 0) {
        std::fprintf(stderr, "solvintra-risolvi: %llu vincite non rigiocate dal gioco\n",
                     static_cast<unsigned long long>(studio.Smentite()));
        return EXIT_FAILURE;
    }
    if (studio.Contraddette() > 0) {
        std::fprintf(stderr,
                     "solvintra-risolvi: %llu partite impossibili si vincono senza i tagli\n",
                     static_cast<unsigned long long>(studio.Contraddette()));
        return EXIT_FAILURE;
    }
    return interruzione ? Interrotto : 0;
}

unsigned Fili(const TOpzioni& opzioni) {
    return opzioni.fili ? opzioni.fili : std::max(1u, std::thread::hardware_concurrency());
}

int Studia(const TOpzioni& opzioni) {
    TUscita uscita;
    std::string errore;
    if (!uscita.Apri(opzioni.uscita, errore)) {
        return Errore(errore);
    }
    TStudio studio(opzioni.primo, opzioni.ultimo, Fili(opzioni), opzioni.limiti, opzioni.soluzioni);
    studio.Certifica(opzioni.certificati, opzioni.posizioniCertificato);
    Segui(studio);
    if (!opzioni.certificati.empty()) {
        std::fprintf(stderr, "certificati: %llu scritti, %llu con più di %zu posizioni\n",
                     static_cast<unsigned long long>(studio.Certificate()),
                     static_cast<unsigned long long>(studio.Troppe()),
                     opzioni.posizioniCertificato);
    }
    std::FILE* file = uscita.File();
    std::fprintf(file, "%s\n", TCsv::Intestazione(opzioni.soluzioni));
    TRiepilogo riepilogo{.richieste = studio.Totale()};
    for (const TRiga& riga : studio.Righe()) {
        TCsv::Scrivi(file, riga, false, opzioni.soluzioni);
        ++riepilogo.decise;
        riepilogo.vinte += riga.esito == TEsito::Vinta;
        riepilogo.ignote += riga.esito == TEsito::Ignota;
    }
    if (!uscita.Chiudi(errore)) {
        return Errore(errore);
    }
    riepilogo.Scrivi(stdout, false);
    return Esito(studio);
}

// The blind player's study writes each deal as it ends and takes up again
// where an earlier run on the same file left off.
int StudiaCieco(const TOpzioni& opzioni) {
    TDiario diario;
    std::string errore;
    if (!diario.Apri(opzioni.uscita, opzioni.soluzioni, errore)) {
        return Errore(errore);
    }
    TStudio studio(opzioni.primo, opzioni.ultimo, Fili(opzioni), opzioni.limiti, opzioni.soluzioni);
    studio.Cieco(opzioni.metodo);
    studio.Salta(diario.Fatte());
    studio.SuRiga([&diario](const TRiga& riga) { diario.Scrivi(riga); });
    Segui(studio);
    if (!diario.Chiudi(errore)) {
        return Errore(errore);
    }
    const TRiepilogo riepilogo{.richieste = opzioni.ultimo - opzioni.primo + 1,
                               .decise = diario.Giocate(opzioni.primo, opzioni.ultimo),
                               .vinte = diario.Vinte(opzioni.primo, opzioni.ultimo)};
    riepilogo.Scrivi(stdout, true);
    return Esito(studio);
}

} // namespace

int main(int argc, char** argv) {
    TOpzioni opzioni;
    try {
        opzioni = TOpzioni::Leggi(argc, argv);
    } catch (const std::invalid_argument& e) {
        return Errore(e.what());
    }
    if (opzioni.aiuto) {
        std::fputs(TOpzioni::Aiuto().c_str(), stdout);
        return 0;
    }
    if (opzioni.versione) {
        std::printf("solvintra-risolvi %s\n", SOLVINTRA_VERSIONE);
        return 0;
    }
    if (!opzioni.intervallo) {
        return RisolviUna(opzioni);
    }
    return opzioni.cieco ? StudiaCieco(opzioni) : Studia(opzioni);
}
