#include "tistantanea.h"

#include "tviolazione.h"

TIstantanea TIstantanea::Di(const TPartita& partita) {
    TIstantanea foto;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        Pretendi(pozzo.NumeroCarte >= 0 && pozzo.NumeroCarte <= NumeroCarteMazzo,
                 "a pile holds at most the whole deck");
        foto.quante[p] = pozzo.NumeroCarte;
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            foto.pozzi[p][k - 1] = pozzo.Carta(k)->numero;
        }
    }
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        foto.coperte[n] = partita.Carte[n].Coperta;
    }
    foto.angoloCorrente = partita.AngoloCorrente;
    return foto;
}

bool TIstantanea::StessiPozzi(const TIstantanea& altra) const {
    return quante == altra.quante && pozzi == altra.pozzi;
}
