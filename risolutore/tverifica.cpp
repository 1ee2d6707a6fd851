#include "tverifica.h"

#include "tpartita.h"
#include "tvistamuta.h"

bool RigiocaVinta(std::uint64_t seme, const std::vector<TMossa>& mosse) {
    TVistaMuta vista;
    TPartita partita(vista, TCasuale::DaSeme(seme));
    partita.Distribuisci(true);
    for (const TMossa& mossa : mosse) {
        const TDatiCarta& carta = partita.Carte[mossa.carta];
        if (mossa.scopri) {
            partita.ScopriCarta(mossa.carta);
            if (carta.Coperta) {
                return false;
            }
        } else if (!partita.PuoPrendere(mossa.carta) || !partita.MuoviCarta(mossa.carta, mossa.a)) {
            return false;
        }
    }
    return partita.Vinta();
}
