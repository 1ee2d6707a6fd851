#include "invarianti.h"

#include "tpartita.h"
#include "tviolazione.h"

#include <array>

namespace {

void VerificaScala(const TPozzo& pozzo, std::int16_t da, std::int16_t passo) {
    for (std::int16_t k = da + 1; k <= pozzo.NumeroCarte; ++k) {
        const TDatiCarta* sotto = pozzo.Carta(k - 1);
        const TDatiCarta* sopra = pozzo.Carta(k);
        Pretendi(sopra->Mazzo == sotto->Mazzo, "a run keeps to one suit");
        Pretendi(sopra->Valore == sotto->Valore + passo, "a run changes by one at each card");
    }
}

void VerificaPozzoTavolo(const TPozzo& pozzo) {
    if (pozzo.NumeroCarte == 0) {
        return;
    }
    const std::int16_t primaScoperta = pozzo.Carta(1)->Coperta ? 2 : 1;
    VerificaScala(pozzo, primaScoperta, -1);
}

void VerificaAngoli(const TPartita& partita) {
    Pretendi(partita.AngoloCorrente >= 0 && partita.AngoloCorrente <= NumeroAngoli,
             "between none and four corners are open");
    int assi = 0;
    for (std::int16_t a = 0; a < NumeroAngoli; ++a) {
        const TPozzo& angolo = partita.Pozzi[TPartita::Angoli[a]];
        if (a >= partita.AngoloCorrente) {
            Pretendi(angolo.NumeroCarte == 0, "a corner not yet open is empty");
            continue;
        }
        Pretendi(angolo.NumeroCarte >= 1 && angolo.Carta(1)->Valore == 1,
                 "an open corner starts with its ace");
        VerificaScala(angolo, 1, +1);
        ++assi;
    }
    Pretendi(assi == partita.AngoloCorrente, "every open corner holds an ace");
}

// What undo would take back is still there, and whatever can be undone can
// also be played again from the deal.
void VerificaMenu(const TPartita& partita) {
    const TUltimaMossa& mossa = partita.UltimaMossa;
    if (partita.AnnullaAbilitato) {
        Pretendi(mossa.MossaCarta >= 0 && mossa.MossaCarta < NumeroCarteMazzo &&
                     mossa.MossaA >= 0 && mossa.MossaA < NumeroPozzi &&
                     partita.Pozzi[mossa.MossaA].UltimaCarta() == &partita.Carte[mossa.MossaCarta],
                 "the move undo would take back tops its pile");
    }
    Pretendi(!partita.AnnullaAbilitato || partita.RicominciaAbilitato,
             "what can be undone can be restarted");
    Pretendi(!partita.PartitaIniziata || partita.RicominciaAbilitato,
             "a game in progress can be restarted");
}

} // namespace

void VerificaCollocazione(const TPartita& partita) {
    std::array<bool, NumeroCarteMazzo> vista{};
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        Pretendi(pozzo.NumeroCarte >= 0, "a pile never counts fewer than no cards");
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TDatiCarta* carta = pozzo.Carta(k);
            Pretendi(carta >= partita.Carte.data() &&
                         carta < partita.Carte.data() + NumeroCarteMazzo,
                     "a pile holds cards of the deck");
            Pretendi(carta == &partita.Carte[carta->numero], "a card keeps its number");
            Pretendi(!vista[carta->numero], "a card lies on one pile only");
            vista[carta->numero] = true;
            Pretendi(carta->pozzo == p, "a card names the pile it lies on");
            Pretendi(!carta->Coperta || (k == 1 && !pozzo.Angolo),
                     "a face-down card lies only at the bottom of a table pile");
        }
    }
    for (const TDatiCarta& carta : partita.Carte) {
        Pretendi(vista[carta.numero] || carta.pozzo == -1, "a card on no pile names none");
    }
    Pretendi(partita.CartaAttiva == -1, "no card is held between gestures");
    VerificaMenu(partita);
}

void VerificaRegole(const TPartita& partita) {
    VerificaCollocazione(partita);
    for (const TDatiCarta& carta : partita.Carte) {
        Pretendi(carta.pozzo >= 0, "every card lies on the table");
    }
    for (const TPozzo& pozzo : partita.Pozzi) {
        if (!pozzo.Angolo) {
            VerificaPozzoTavolo(pozzo);
        }
    }
    VerificaAngoli(partita);
}
