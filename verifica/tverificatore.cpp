#include "tverificatore.h"

#include "tcarteferme.h"
#include "tvistamuta.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace {

constexpr std::string_view Magia = "SVCT";
constexpr std::uint64_t Versione = 1;
constexpr std::uint64_t Etichette = 4;
// The tags: every successor of the position lies in the set; or the position
// is lost, the witness a set of cards that never leave (TCarteFerme).
constexpr std::uint64_t TuttiDentro = 0;
constexpr std::uint64_t Ferme = 1;
constexpr unsigned BitPerByte = 7;
constexpr unsigned BitMassimi = 64;
constexpr std::uint8_t Segue = 0x80;
constexpr std::uint32_t Libero = UINT32_MAX;

// The bytes read in order; running out, or a number past 64 bits, is an error.
class TLettore {
public:
    explicit TLettore(std::span<const std::uint8_t> byte) : byte(byte) {}
    std::uint64_t Varint(const std::optional<std::uint64_t>& seme) {
        std::uint64_t valore = 0;
        for (unsigned scarto = 0; scarto < BitMassimi; scarto += BitPerByte) {
            if (letti == byte.size()) {
                throw TErroreCertificato("certificato troncato", seme);
            }
            const std::uint8_t b = byte[letti++];
            if (scarto == BitMassimi - 1 && b > 1) {
                break;
            }
            valore |= std::uint64_t(b & ~Segue) << scarto;
            if ((b & Segue) == 0) {
                return valore;
            }
        }
        throw TErroreCertificato("numero oltre 64 bit", seme);
    }
    bool Magia() {
        const std::string_view testa(reinterpret_cast<const char*>(byte.data()),
                                     std::min(byte.size(), ::Magia.size()));
        letti = testa.size();
        return testa == ::Magia;
    }
    std::size_t Restano() const { return byte.size() - letti; }

private:
    std::span<const std::uint8_t> byte;
    std::size_t letti = 0;
};

// The positions of the certificate, whole, in its order, and a table of them.
class TInsieme {
public:
    explicit TInsieme(std::size_t quante) : posti(Posti(quante), Libero) {
        posizioni.reserve(quante);
    }
    // False when the position was there already.
    bool Aggiungi(const TPosizione& posizione) {
        std::size_t i = Cerca(posizione);
        if (posti[i] != Libero) {
            return false;
        }
        posti[i] = static_cast<std::uint32_t>(posizioni.size());
        posizioni.push_back(posizione);
        return true;
    }
    bool Contiene(const TPosizione& posizione) const { return posti[Cerca(posizione)] != Libero; }
    const std::vector<TPosizione>& Posizioni() const { return posizioni; }

private:
    static std::size_t Posti(std::size_t quante) {
        std::size_t posti = 1;
        while (posti < 2 * quante) {
            posti *= 2;
        }
        return posti;
    }
    std::size_t Cerca(const TPosizione& posizione) const {
        const std::string_view testo(reinterpret_cast<const char*>(posizione.byte.data()),
                                     posizione.byte.size());
        std::size_t i = std::hash<std::string_view>{}(testo) & (posti.size() - 1);
        while (posti[i] != Libero && !(posizioni[posti[i]] == posizione)) {
            i = (i + 1) & (posti.size() - 1);
        }
        return i;
    }

    std::vector<std::uint32_t> posti;
    std::vector<TPosizione> posizioni;
};

// A position whose children are still to be read: its successors, and the
// step of the last child read.
struct TAperta {
    std::uint64_t numero = 0;
    std::vector<TPosizione> successori;
    std::uint64_t figli = 0;
    std::uint64_t passo = 0; // of the next child: the last one's plus one
};

} // namespace

TErroreCertificato::TErroreCertificato(const std::string& controllo,
                                       std::optional<std::uint64_t> seme,
                                       std::optional<std::uint64_t> numero,
                                       std::optional<TPosizione> posizione)
    : std::runtime_error(controllo), seme(seme), numero(numero), posizione(posizione) {}

bool TVerificatore::ScopriSole(TPartita& partita) {
    bool scoperta = false;
    for (const TPozzo& pozzo : partita.Pozzi) {
        if (pozzo.NumeroCarte == 1 && pozzo.UltimaCarta()->Coperta) {
            partita.ScopriCarta(pozzo.UltimaCarta()->numero);
            scoperta = true;
        }
    }
    return scoperta;
}

void TVerificatore::Successori(TPartita& partita, const TPosizione& posizione,
                               std::vector<TPosizione>& successori) {
    successori.clear();
    posizione.Carica(partita);
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        if (!partita.PuoPrendere(n)) {
            continue;
        }
        for (std::int16_t T = 0; T < NumeroPozzi; ++T) {
            if (!partita.MuoviCarta(n, T)) {
                continue;
            }
            const bool scoperta = ScopriSole(partita);
            successori.push_back(TPosizione::Leggi(partita));
            // The game takes back a move, but not a turn.
            if (scoperta) {
                posizione.Carica(partita);
            } else {
                partita.AnnullaMossa();
            }
        }
    }
}

TVerificatore::TEsito TVerificatore::Verifica(std::span<const std::uint8_t> byte) {
    TLettore lettore(byte);
    if (!lettore.Magia()) {
        throw TErroreCertificato("non è un certificato di solvintra-risolvi", std::nullopt);
    }
    if (const std::uint64_t versione = lettore.Varint(std::nullopt); versione != Versione) {
        throw TErroreCertificato("versione " + std::to_string(versione) +
                                     ", questo programma legge la " + std::to_string(Versione),
                                 std::nullopt);
    }
    const std::uint64_t seme = lettore.Varint(std::nullopt);
    const std::uint64_t quante = lettore.Varint(seme);
    // Each position takes a byte at least, and the table counts them in 32 bits.
    if (quante == 0 || quante > lettore.Restano() || quante >= Libero) {
        throw TErroreCertificato(std::to_string(quante) + " posizioni in " +
                                     std::to_string(lettore.Restano()) + " byte",
                                 seme);
    }
    TVistaMuta vista;
    TPartita partita(vista, TCasuale::DaSeme(seme));
    partita.Distribuisci(true);
    ScopriSole(partita);

    // The set S, made again from the deal through the tree's steps. The first
    // position is the deal's.
    TInsieme insieme(quante);
    std::vector<std::uint64_t> testimoni; // per position: the cards that never leave, or 0
    std::vector<TAperta> aperte;
    std::optional<TPosizione> prossima = TPosizione::Leggi(partita);
    while (prossima) {
        const std::uint64_t numero = insieme.Posizioni().size();
        if (numero == quante) {
            throw TErroreCertificato("più posizioni di " + std::to_string(quante), seme);
        }
        if (!insieme.Aggiungi(*prossima)) {
            throw TErroreCertificato("posizione ripetuta", seme, numero, *prossima);
        }
        const std::uint64_t intestazione = lettore.Varint(seme);
        const std::uint64_t etichetta = intestazione % Etichette;
        if (etichetta != TuttiDentro && etichetta != Ferme) {
            throw TErroreCertificato("etichetta " + std::to_string(etichetta) + " sconosciuta",
                                     seme, numero, *prossima);
        }
        testimoni.push_back(etichetta == Ferme ? lettore.Varint(seme) : 0);
        if (etichetta == Ferme && testimoni.back() == 0) {
            throw TErroreCertificato("nessuna carta detta ferma", seme, numero, *prossima);
        }
        if (const std::uint64_t figli = intestazione / Etichette; figli > 0) {
            aperte.push_back({numero, {}, figli, 0});
            Successori(partita, *prossima, aperte.back().successori);
        }
        prossima.reset();
        while (!aperte.empty() && !prossima) {
            TAperta& aperta = aperte.back();
            if (aperta.figli == 0) {
                aperte.pop_back();
                continue;
            }
            const std::uint64_t salto = lettore.Varint(seme);
            const std::uint64_t mosse = aperta.successori.size();
            if (salto >= mosse || aperta.passo + salto >= mosse) {
                throw TErroreCertificato(
                    "passo " + std::to_string(aperta.passo) + " + " + std::to_string(salto) +
                        " inesistente: la posizione ha " + std::to_string(mosse) + " mosse",
                    seme, aperta.numero, insieme.Posizioni()[aperta.numero]);
            }
            prossima = aperta.successori[aperta.passo + salto];
            aperta.passo += salto + 1;
            --aperta.figli;
        }
    }
    if (insieme.Posizioni().size() != quante) {
        throw TErroreCertificato(std::to_string(insieme.Posizioni().size()) +
                                     " posizioni invece di " + std::to_string(quante),
                                 seme);
    }
    if (lettore.Restano() != 0) {
        throw TErroreCertificato(
            std::to_string(lettore.Restano()) + " byte dopo l'ultima posizione", seme);
    }

    // No position of S is won, and every step from one leads into S, but from
    // the positions shown lost: so no sequence of steps from the deal wins.
    for (std::uint64_t numero = 0; numero < quante; ++numero) {
        insieme.Posizioni()[numero].Carica(partita);
        if (partita.Vinta()) {
            throw TErroreCertificato("posizione vinta", seme, numero, insieme.Posizioni()[numero]);
        }
    }
    std::vector<TPosizione> successori;
    for (std::uint64_t numero = 0; numero < quante; ++numero) {
        const TPosizione& posizione = insieme.Posizioni()[numero];
        if (testimoni[numero] != 0) {
            posizione.Carica(partita);
            if (!TCarteFerme::Chiuso(partita, testimoni[numero])) {
                throw TErroreCertificato("le carte dette ferme possono lasciare il mucchio", seme,
                                         numero, posizione);
            }
            continue;
        }
        Successori(partita, posizione, successori);
        for (std::size_t passo = 0; passo < successori.size(); ++passo) {
            if (!insieme.Contiene(successori[passo])) {
                throw TErroreCertificato("il passo " + std::to_string(passo) +
                                             " porta fuori dal certificato",
                                         seme, numero, posizione);
            }
        }
    }
    return {seme, quante};
}
