#include "tvisti.h"

namespace {

// At most two thirds full, so probes stay short.
constexpr std::size_t Riempimento = 3; // slots per two positions

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

void TVisti::Svuota() {
    tavola.clear();
    valori.clear();
    quante = 0;
}

void TVisti::Prepara(std::size_t nuove) {
    std::vector<TStato::TChiave> vecchia;
    std::vector<std::uint32_t> vecchiValori;
    vecchia.swap(tavola);
    vecchiValori.swap(valori);
    std::size_t perse = 0;
    for (const std::uint32_t valore : vecchiValori) {
        perse += valore == Persa;
    }
    const std::size_t posti = (perse + nuove) * Riempimento / 2 + 2;
    tavola.assign(posti, TStato::TChiave{});
    valori.assign(posti, 0);
    quante = 0;
    for (std::size_t i = 0; i < vecchia.size(); ++i) {
        if (vecchiValori[i] == Persa && !Libera(vecchia[i])) {
            valori[Inserisci(vecchia[i]).first] = Persa;
        }
    }
}

std::pair<std::size_t, bool> TVisti::Inserisci(const TStato::TChiave& chiave) {
    for (std::size_t i = Impronta(chiave) % tavola.size();;
         i = i + 1 == tavola.size() ? 0 : i + 1) {
        TStato::TChiave& posto = tavola[i];
        if (Libera(posto)) {
            posto = chiave;
            ++quante;
            return {i, true};
        }
        if (posto == chiave) {
            return {i, false};
        }
    }
}
