#include "tcertificato.h"

#include "tfermi.h"
#include "tvisti.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::uint8_t Magia[] = {'S', 'V', 'C', 'T'};
constexpr std::uint32_t Libero = UINT32_MAX;
constexpr unsigned BitPerByte = 7;
constexpr std::uint8_t Segue = 0x80;

void ScriviVarint(std::vector<std::uint8_t>& byte, std::uint64_t valore) {
    while (valore >= Segue) {
        byte.push_back(static_cast<std::uint8_t>(valore | Segue));
        valore >>= BitPerByte;
    }
    byte.push_back(static_cast<std::uint8_t>(valore));
}

// The positions found, in the order found, which is the tree's preorder: each
// with its parent and its step, and a table of their keys.
class TAlbero {
public:
    // The new position's number, or nothing when it was there already.
    std::optional<std::uint32_t> Aggiungi(const TStato::TChiaveCorta& chiave, std::uint32_t padre,
                                          std::uint8_t passo) {
        if (2 * (chiavi.size() + 1) > posti.size()) {
            Allarga();
        }
        std::size_t i = Posto(chiave);
        for (; posti[i] != Libero; i = (i + 1) & (posti.size() - 1)) {
            if (chiavi[posti[i]] == chiave) {
                return std::nullopt;
            }
        }
        const auto numero = static_cast<std::uint32_t>(chiavi.size());
        posti[i] = numero;
        chiavi.push_back(chiave);
        padri.push_back(padre);
        passi.push_back(passo);
        ferme.push_back(0);
        return numero;
    }
    std::size_t Quante() const { return chiavi.size(); }
    // Position n is lost: the cards of `insieme` never leave their piles.
    void Ferma(std::uint32_t n, std::uint64_t insieme) { ferme[n] = insieme; }
    std::vector<std::uint8_t> Byte(std::uint64_t seme) const;

private:
    std::size_t Posto(const TStato::TChiaveCorta& chiave) const {
        return TVisti::Impronta(chiave) & (posti.size() - 1);
    }
    void Allarga() {
        posti.assign(std::max<std::size_t>(posti.size() * 2, 1024), Libero);
        for (std::uint32_t n = 0; n < chiavi.size(); ++n) {
            std::size_t i = Posto(chiavi[n]);
            while (posti[i] != Libero) {
                i = (i + 1) & (posti.size() - 1);
            }
            posti[i] = n;
        }
    }

    std::vector<std::uint32_t> posti;
    std::vector<TStato::TChiaveCorta> chiavi;
    std::vector<std::uint32_t> padri;
    std::vector<std::uint8_t> passi;
    std::vector<std::uint64_t> ferme; // 0: every successor follows
};

std::vector<std::uint8_t> TAlbero::Byte(std::uint64_t seme) const {
    std::vector<std::uint32_t> figli(chiavi.size(), 0);
    for (std::size_t n = 1; n < chiavi.size(); ++n) {
        ++figli[padri[n]];
    }
    std::vector<std::uint8_t> byte(std::begin(Magia), std::end(Magia));
    ScriviVarint(byte, TCertificato::Versione);
    ScriviVarint(byte, seme);
    ScriviVarint(byte, chiavi.size());
    // The step of each parent's last child written so far, to write the next
    // one's as the gap after it.
    std::vector<int> ultimo(chiavi.size(), -1);
    for (std::size_t n = 0; n < chiavi.size(); ++n) {
        if (n > 0) {
            ScriviVarint(byte, static_cast<std::uint64_t>(passi[n] - ultimo[padri[n]] - 1));
            ultimo[padri[n]] = passi[n];
        }
        const bool fermo = ferme[n] != 0;
        ScriviVarint(byte, std::uint64_t{figli[n]} * TCertificato::Etichette +
                               (fermo ? TCertificato::Ferme : TCertificato::TuttiDentro));
        if (fermo) {
            ScriviVarint(byte, ferme[n]);
        }
    }
    return byte;
}

// A position on the path of the search: its moves and how it was entered.
struct TLivello {
    std::vector<TMossa> mosse;
    std::size_t prossima = 0;
    std::uint32_t numero = 0;
    TMossa arrivo;
    std::vector<TMossa> scoperte;
};

void Lascia(TStato& stato, const TLivello& livello) {
    for (auto s = livello.scoperte.rbegin(); s != livello.scoperte.rend(); ++s) {
        stato.Annulla(*s);
    }
    stato.Annulla(livello.arrivo);
}

// The moves to follow from a position just entered: none when it is lost
// because some cards can never leave their piles.
void Espandi(const TStato& stato, TAlbero& albero, TFermi& fermi, TLivello& livello) {
    livello.prossima = 0;
    if (fermi.Perduta(stato)) {
        livello.mosse.clear();
        albero.Ferma(livello.numero, fermi.Insieme());
        return;
    }
    TCertificato::MosseOrdinate(stato, livello.mosse);
}

} // namespace

void TCertificato::MosseOrdinate(const TStato& stato, std::vector<TMossa>& mosse) {
    mosse.clear();
    stato.MosseLegali(mosse);
    std::erase_if(mosse, [](const TMossa& m) { return m.scopri; });
    std::sort(mosse.begin(), mosse.end(), [](const TMossa& x, const TMossa& y) {
        return x.carta != y.carta ? x.carta < y.carta : x.a < y.a;
    });
}

TCertificato::TProva TCertificato::Scrivi(std::uint64_t seme, std::size_t limite) {
    TStato stato = TStato::DaSeme(seme);
    stato.ScopriSole();
    TAlbero albero;
    TFermi fermi;
    albero.Aggiungi(stato.ChiaveCorta(false), 0, 0);
    std::vector<TLivello> pila(1);
    Espandi(stato, albero, fermi, pila[0]);
    std::size_t altezza = 1; // the levels below keep their vectors for reuse
    while (altezza > 0) {
        TLivello& cima = pila[altezza - 1];
        if (stato.Vinta()) {
            return {TFine::Vinta, {}};
        }
        if (cima.prossima == cima.mosse.size()) {
            if (--altezza > 0) {
                Lascia(stato, cima);
            }
            continue;
        }
        const auto passo = static_cast<std::uint8_t>(cima.prossima);
        const TMossa mossa = cima.mosse[cima.prossima++];
        const std::uint32_t padre = cima.numero;
        if (altezza == pila.size()) {
            pila.emplace_back();
        }
        TLivello& sotto = pila[altezza];
        sotto.arrivo = mossa;
        sotto.scoperte.clear();
        stato.Esegui(mossa);
        stato.ScopriSole(&sotto.scoperte);
        const auto numero = albero.Aggiungi(stato.ChiaveCorta(false), padre, passo);
        if (!numero) {
            Lascia(stato, sotto);
            continue;
        }
        if (albero.Quante() > limite) {
            return {TFine::Troppe, {}};
        }
        sotto.numero = *numero;
        Espandi(stato, albero, fermi, sotto);
        ++altezza;
    }
    return {TFine::Chiuso, albero.Byte(seme)};
}
