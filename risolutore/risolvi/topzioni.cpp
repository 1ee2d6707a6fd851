#include "topzioni.h"

#include <charconv>
#include <getopt.h>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace {

constexpr int OpzionePrimo = 1000;
constexpr int OpzioneSoluzioni = 1001;
constexpr int OpzioneCieco = 1002;
constexpr int OpzioneIpotesi = 1003;
constexpr int OpzioneRapide = 1005;
constexpr int OpzioneSemplice = 1007;
constexpr int OpzioneDubbio = 1008;
constexpr int OpzioneRaddoppio = 1009;
constexpr int OpzioneNucleo = 1010;
constexpr int OpzioneFerme = 1011;
// Far past anything that ends in a day; a bound keeps the counts in an int.
constexpr std::uint64_t MassimoMetodo = 100'000;
// Far past the cores of any machine this runs on; a bound catches a typo
// before it starts that many threads.
constexpr std::uint64_t MassimoFili = 1024;

std::uint64_t Numero(std::string_view testo, const char* cosa) {
    std::uint64_t valore = 0;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (testo.empty() || errore != std::errc() || fine != testo.data() + testo.size()) {
        throw std::invalid_argument(std::string(cosa) + " non valido: '" + std::string(testo) +
                                    "'");
    }
    return valore;
}

std::uint64_t Positivo(std::string_view testo, const char* cosa) {
    const std::uint64_t valore = Numero(testo, cosa);
    if (valore == 0) {
        throw std::invalid_argument(std::string(cosa) + " deve essere maggiore di zero");
    }
    return valore;
}

int Misura(std::string_view testo, const char* cosa) {
    const std::uint64_t valore = Numero(testo, cosa);
    if (valore > MassimoMetodo) {
        throw std::invalid_argument(std::string(cosa) + " troppo grande: '" + std::string(testo) +
                                    "'");
    }
    return static_cast<int>(valore);
}

int MisuraPositiva(std::string_view testo, const char* cosa) {
    Positivo(testo, cosa);
    return Misura(testo, cosa);
}

void LeggiPartite(TOpzioni& opzioni, std::string_view testo) {
    const std::size_t trattino = testo.find('-');
    if (trattino == std::string_view::npos) {
        opzioni.primo = opzioni.ultimo = Numero(testo, "numero di partita");
        return;
    }
    opzioni.intervallo = true;
    opzioni.primo = Numero(testo.substr(0, trattino), "intervallo");
    opzioni.ultimo = Numero(testo.substr(trattino + 1), "intervallo");
    if (opzioni.ultimo < opzioni.primo) {
        throw std::invalid_argument("intervallo vuoto: '" + std::string(testo) + "'");
    }
}

} // namespace

TOpzioni TOpzioni::Leggi(int argc, char** argv) {
    static const option lunghe[] = {
        {"uscita", required_argument, nullptr, 'o'},
        {"fili", required_argument, nullptr, 'j'},
        {"posizioni", required_argument, nullptr, 'p'},
        {"primo-tentativo", required_argument, nullptr, OpzionePrimo},
        {"ultimo-raddoppio", required_argument, nullptr, OpzioneRaddoppio},
        {"nucleo", required_argument, nullptr, OpzioneNucleo},
        {"soluzioni", no_argument, nullptr, OpzioneSoluzioni},
        {"cieco", no_argument, nullptr, OpzioneCieco},
        {"ipotesi", required_argument, nullptr, OpzioneIpotesi},
        {"dubbio", required_argument, nullptr, OpzioneDubbio},
        {"rapide", required_argument, nullptr, OpzioneRapide},
        {"semplice", no_argument, nullptr, OpzioneSemplice},
        {"ferme", required_argument, nullptr, OpzioneFerme},
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},
        {nullptr, 0, nullptr, 0},
    };
    TOpzioni opzioni;
    opterr = 0; // the messages are ours, on one line
    optind = 1;
    int scelta = 0;
    std::optional<std::uint64_t> posizioni;
    while ((scelta = getopt_long(argc, argv, ":o:j:p:hV", lunghe, nullptr)) != -1) {
        switch (scelta) {
        case 'o':
            opzioni.uscita = optarg;
            if (opzioni.uscita.empty()) {
                throw std::invalid_argument("file di uscita vuoto");
            }
            break;
        case 'j': {
            const std::uint64_t fili = Positivo(optarg, "numero di fili");
            if (fili > MassimoFili) {
                throw std::invalid_argument("troppi fili: " + std::string(optarg));
            }
            opzioni.fili = static_cast<unsigned>(fili);
            break;
        }
        case 'p':
            posizioni = Positivo(optarg, "limite di posizioni");
            break;
        case OpzionePrimo:
            opzioni.limiti.primoTentativo = Positivo(optarg, "primo tentativo");
            break;
        case OpzioneRaddoppio:
            opzioni.limiti.ultimoRaddoppio = Positivo(optarg, "ultimo raddoppio");
            break;
        case OpzioneNucleo:
            opzioni.limiti.nucleo = Numero(optarg, "posizioni del nucleo");
            break;
        case OpzioneSoluzioni:
            opzioni.soluzioni = true;
            break;
        case OpzioneCieco:
            opzioni.cieco = true;
            break;
        case OpzioneIpotesi:
            opzioni.metodo.ipotesi = MisuraPositiva(optarg, "numero di ipotesi");
            break;
        case OpzioneDubbio:
            opzioni.metodo.ipotesiDubbio = Misura(optarg, "numero di ipotesi nel dubbio");
            break;
        case OpzioneRapide:
            opzioni.metodo.rapide = Misura(optarg, "numero di partite rapide");
            break;
        case OpzioneSemplice:
            opzioni.metodo = TMetodo::Semplice();
            break;
        case OpzioneFerme:
            opzioni.metodo.ferme = MisuraPositiva(optarg, "mosse senza progresso");
            break;
        case 'h':
            opzioni.aiuto = true;
            return opzioni;
        case 'V':
            opzioni.versione = true;
            return opzioni;
        case ':':
            throw std::invalid_argument(std::string("l'opzione '") + argv[optind - 1] +
                                        "' vuole un valore");
        default:
            throw std::invalid_argument(std::string("opzione sconosciuta: '") + argv[optind - 1] +
                                        "'");
        }
    }
    if (argc - optind != 1) {
        throw std::invalid_argument(argc == optind ? "manca la partita (un numero o PRIMA-ULTIMA)"
                                                   : "una sola partita o un solo intervallo");
    }
    LeggiPartite(opzioni, argv[optind]);
    // Applied last, so that --semplice, which sets the whole method, keeps it.
    if (posizioni) {
        (opzioni.cieco ? opzioni.metodo.posizioni : opzioni.limiti.posizioni) = *posizioni;
    }
    return opzioni;
}

std::string TOpzioni::Aiuto() {
    const TLimiti limiti;
    const TMetodo metodo;
    const TMetodo semplice = TMetodo::Semplice();
    const auto n = [](auto valore) { return std::to_string(valore); };
    return R"(Uso: solvintra-risolvi [OPZIONE]... PARTITA
  oppure: solvintra-risolvi [OPZIONE]... PRIMA-ULTIMA
Risolve le partite di Solvintra: la partita numero K è quella che il gioco
distribuisce con il seme K (SOLVINTRA_SEME=K).

Con una partita sola stampa il tavolo e le mosse che la vincono, oppure dice
che la partita è impossibile o che il limite di posizioni non è bastato.
Con un intervallo risolve tutte le partite su tutti i processori, mostra
l'avanzamento sullo standard error e scrive una riga CSV per partita, poi il
riepilogo. Ctrl+C ferma il lavoro e scrive quanto deciso fino a quel momento.

  -o, --uscita=FILE        scrive le righe CSV in FILE invece che sullo
                           standard output
  -j, --fili=N             usa N fili, al più )" +
           n(MassimoFili) + R"( (predefinito: uno per
                           processore)
  -p, --posizioni=N        posizioni al massimo per partita, poi la partita
                           resta ignota (predefinito: )" +
           n(limiti.posizioni) + R"(; con --cieco,
                           per ipotesi: )" +
           n(metodo.posizioni) + R"()
      --primo-tentativo=N  posizioni del primo tentativo; ogni nuovo
                           tentativo ne ha il doppio (predefinito: )" +
           n(limiti.primoTentativo) + R"()
      --ultimo-raddoppio=N i tentativi raddoppiano finché restano entro N
                           posizioni, dal terzo in poi ciascuno in quattro
                           ordini (prima le mosse agli angoli, oppure prima o
                           per ultime quelle che scoprono una carta); l'ultimo
                           torna al primo ordine e ha quanto resta
                           (predefinito: )" +
           n(limiti.ultimoRaddoppio) + R"()
      --nucleo=N           prima dell'ultimo tentativo la partita è guardata
                           con le sole carte di un seme, poi di due, le altre
                           libere di passare e di lasciare il loro mucchio; se
                           neanche così si vince, è impossibile. Al più N
                           posizioni per tutte le prove, oltre a quelle dei
                           tentativi (predefinito: )" +
           n(limiti.nucleo) + R"(; 0, mai)
      --soluzioni          aggiunge a ogni riga la vincita in breve: due
                           caratteri per passo, la carta (0-9, A-Z, a-d) e il
                           mucchio di arrivo (0-9, A-N), o '*' per scoprirla
      --cieco              gioca le partite come chi non vede le carte
                           coperte: prima di ogni mossa immagina più volte dove
                           siano e fa la mossa dopo la quale si vincono più
                           ipotesi; si arrende quando non se ne vince nessuna.
                           Con un intervallo e -o scrive ogni partita appena
                           finita e, se il file c'è già, salta quelle che ha
      --ipotesi=N          con --cieco, ipotesi prima di ogni mossa
                           (predefinito: )" +
           n(metodo.ipotesi) + R"()
      --dubbio=N           con --cieco, N ipotesi in tutto quando nessuna
                           mossa vince tutte le prime (predefinito: )" +
           n(metodo.ipotesiDubbio) + R"(; 0, no)
      --rapide=N           con --cieco, N partite rapide sulle ipotesi
                           decidono fra mosse pari (predefinito: )" +
           n(metodo.rapide) + R"()
      --ferme=N            con --cieco, si arrende dopo N mosse di fila che
                           non scoprono una carta né portano agli angoli più
                           carte di prima (predefinito: )" +
           n(metodo.ferme) + R"()
      --semplice           con --cieco, il giocatore semplice: )" +
           n(semplice.ipotesi) + R"( ipotesi,
                           nessuna in più nel dubbio, nessuna partita rapida,
                           )" +
           n(semplice.ferme) + R"( mosse senza progresso; costa circa la metà
  -h, --help               mostra questo aiuto ed esce
  -V, --version            mostra la versione ed esce

Ogni vincita trovata viene rigiocata con le regole del gioco prima di
contarla.

Stato di uscita: 0 se tutto è andato bene, 1 se il gioco non rigioca una
vincita trovata, 2 per un errore negli argomenti o nel file di uscita, 130 se
interrotto con Ctrl+C.
)";
}
