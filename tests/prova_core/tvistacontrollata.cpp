#include "tvistacontrollata.h"

#include "tpartita.h"
#include "tviolazione.h"

namespace {

std::string Bit(bool acceso) {
    return acceso ? "1" : "0";
}

} // namespace

void TVistaControllata::PosizionaCarta(std::int16_t pozzo, std::int16_t n) {
    if (registra) {
        Eventi.push_back("posiziona " + std::to_string(pozzo) + ' ' + std::to_string(n));
    }
    if (partita == nullptr) {
        return;
    }
    Pretendi(pozzo >= 0 && pozzo < NumeroPozzi, "a card is placed on a real pile");
    const TPozzo& p = partita->Pozzi[pozzo];
    Pretendi(n >= 1 && n <= p.NumeroCarte, "a card is placed at a position its pile holds");
    Pretendi(p.Carta(n)->pozzo == pozzo, "a placed card names the pile it lies on");
    std::int16_t X = 0;
    std::int16_t Y = 0;
    p.xyUnaCarta(n, X, Y);
}

void TVistaControllata::MostraSegnaposto(std::int16_t pozzo) {
    if (registra) {
        Eventi.push_back("segnaposto " + std::to_string(pozzo));
    }
    if (partita == nullptr) {
        return;
    }
    const std::int16_t angolo = partita->AngoloCorrente;
    if (angolo >= NumeroAngoli) {
        Pretendi(pozzo == -1, "the mark is hidden once every corner is open");
        return;
    }
    Pretendi(pozzo == TPartita::Angoli[angolo], "the mark stands on the next corner");
    Pretendi(partita->Pozzi[pozzo].NumeroCarte == 0, "the next corner is empty");
}

void TVistaControllata::AggiornaCarta(std::int16_t numero) {
    if (registra) {
        Eventi.push_back("aggiorna " + std::to_string(numero));
    }
    if (partita == nullptr) {
        return;
    }
    Pretendi(numero >= 0 && numero < NumeroCarteMazzo, "only real cards are repainted");
    Pretendi(!partita->Carte[numero].Coperta, "a card is repainted once it is face up");
}

void TVistaControllata::AbilitaAnnulla(bool abilitato) {
    if (registra) {
        Eventi.push_back("annulla " + Bit(abilitato));
    }
    annulla = abilitato;
}

void TVistaControllata::AbilitaRicomincia(bool abilitato) {
    if (registra) {
        Eventi.push_back("ricomincia " + Bit(abilitato));
    }
    ricomincia = abilitato;
}

void TVistaControllata::MostraVittoria() {
    const bool inCorso = partita != nullptr && partita->PartitaIniziata;
    if (registra) {
        Eventi.emplace_back(inCorso ? "vittoria in corso" : "vittoria");
    }
    if (partita != nullptr) {
        Pretendi(partita->Vinta(), "a win is announced only with four full corners");
    }
    annunciata = true;
}

void TVistaControllata::ContaVittoria() {
    if (registra) {
        Eventi.emplace_back("conta");
    }
    Pretendi(annunciata, "a win is counted after its announcement");
    annunciata = false;
    ++vittorie;
}

std::string TVistaControllata::Elenco() const {
    std::string elenco;
    for (const std::string& evento : Eventi) {
        elenco += (elenco.empty() ? "" : ", ") + evento;
    }
    return elenco;
}
