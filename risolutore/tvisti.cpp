#include "tvisti.h"

#include <algorithm>
#include <bit>

namespace {

// No position has all of cards 0..11 on pile 0, so a zero first word marks a free slot.
bool Libera(const TStato::TChiave& chiave) {
    return chiave.parole[0] == 0;
}

std::size_t Impronta(const TStato::TChiave& chiave) {
    std::uint64_t h = chiave.parole[0];
    h = (h ^ (h >> 29)) * 0xbf58476d1ce4e5b9ull ^ chiave.parole[1];
    h = (h ^ (h >> 31)) * 0x94d049bb133111ebull ^ chiave.parole[2];
    h = (h ^ (h >> 29)) * 0xbf58476d1ce4e5b9ull ^ chiave.parole[3];
    return static_cast<std::size_t>((h ^ (h >> 32)) * 0x94d049bb133111ebull >> 20);
}

} // namespace

void TVisti::Prepara(std::size_t posizioni) {
    // At most half full, so probes stay short.
    const std::size_t posti = std::bit_ceil(2 * posizioni + 2);
    if (tavola.size() != posti) {
        tavola.assign(posti, TStato::TChiave{});
    } else {
        std::fill(tavola.begin(), tavola.end(), TStato::TChiave{});
    }
    maschera = posti - 1;
    quante = 0;
}

bool TVisti::Inserisci(const TStato::TChiave& chiave) {
    for (std::size_t i = Impronta(chiave) & maschera;; i = (i + 1) & maschera) {
        TStato::TChiave& posto = tavola[i];
        if (Libera(posto)) {
            posto = chiave;
            ++quante;
            return true;
        }
        if (posto == chiave) {
            return false;
        }
    }
}
