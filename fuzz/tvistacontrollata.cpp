#include "tvistacontrollata.h"

#include "tpartita.h"
#include "violazione.h"

void TVistaControllata::PosizionaCarta(std::int16_t pozzo, std::int16_t n) {
    Pretendi(pozzo >= 0 && pozzo < NumeroPozzi, "a card is placed on a real pile");
    const TPozzo& p = partita->Pozzi[pozzo];
    Pretendi(n >= 1 && n <= p.NumeroCarte, "a card is placed at a position its pile holds");
    Pretendi(p.Carta(n)->pozzo == pozzo, "a placed card names the pile it lies on");
    std::int16_t X = 0;
    std::int16_t Y = 0;
    p.xyUnaCarta(n, X, Y);
}

void TVistaControllata::MostraSegnaposto(std::int16_t pozzo) {
    const std::int16_t angolo = partita->AngoloCorrente;
    if (angolo >= NumeroAngoli) {
        Pretendi(pozzo == -1, "the mark is hidden once every corner is open");
        return;
    }
    Pretendi(pozzo == TPartita::Angoli[angolo], "the mark stands on the next corner");
    Pretendi(partita->Pozzi[pozzo].NumeroCarte == 0, "the next corner is empty");
}

void TVistaControllata::AggiornaCarta(std::int16_t numero) {
    Pretendi(numero >= 0 && numero < NumeroCarteMazzo, "only real cards are repainted");
}

void TVistaControllata::MostraVittoria() {
    Pretendi(partita->Vinta(), "a win is announced only with four full corners");
    annunciata = true;
}

void TVistaControllata::ContaVittoria() {
    Pretendi(annunciata, "a win is counted after its announcement");
    annunciata = false;
    ++vittorie;
}
