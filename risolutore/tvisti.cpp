#include "tvisti.h"

#include <algorithm>
#include <array>

namespace {

// At most two thirds full, so probes stay short.
constexpr std::size_t Riempimento = 3; // slots per two positions

constexpr std::size_t MemoriaTenuta = std::size_t{4} << 20;
constexpr int ParolaValore = 1;
constexpr int BitValore = 64 - TStato::BitLiberiChiave;
constexpr std::uint64_t MascheraChiave = (std::uint64_t{1} << BitValore) - 1;
static_assert(TStato::BitLiberiChiave >= 32);

// No position has its four tens on pile 0, so a zero first word marks a free slot.
bool Libera(const TStato::TChiaveCorta& chiave) {
    return chiave.parole[0] == 0;
}

// The same position, whatever number the slot holds.
bool Uguale(const TStato::TChiaveCorta& posto, const TStato::TChiaveCorta& chiave) {
    return posto.parole[0] == chiave.parole[0] &&
           (posto.parole[ParolaValore] & MascheraChiave) == chiave.parole[ParolaValore];
}

// The impronta scaled to a slot among `posti`: a multiplication, not a division.
std::size_t Posto(std::size_t impronta, std::size_t posti) {
    __extension__ using TDoppia = unsigned __int128;
    return static_cast<std::size_t>(static_cast<TDoppia>(impronta) * posti >> 64);
}

// The words folded one into the next (splitmix64's steps, taking turns), then
// mixed once more.
template <std::size_t N> std::size_t Mescola(const std::array<std::uint64_t, N>& parole) {
    std::uint64_t h = parole[0];
    for (std::size_t i = 1; i < N; ++i) {
        h = i % 2 != 0 ? (h ^ (h >> 29)) * 0xbf58476d1ce4e5b9ull
                       : (h ^ (h >> 31)) * 0x94d049bb133111ebull;
        h ^= parole[i];
    }
    return static_cast<std::size_t>((h ^ (h >> 32)) * 0x94d049bb133111ebull);
}

} // namespace

std::size_t TVisti::Impronta(const TStato::TChiave& chiave) {
    return Mescola(chiave.parole);
}

std::size_t TVisti::Impronta(const TStato::TChiaveCorta& chiave) {
    return Mescola(chiave.parole);
}

void TVisti::Svuota() {
    // A small table is kept for the next deal; a large one is given back.
    if (Byte(tavola.capacity()) > MemoriaTenuta) {
        tavola = TTavola(); // given back, not only emptied
    }
    tavola.clear();
    quante = 0;
}

std::uint32_t TVisti::Valore(std::size_t posto) const {
    return static_cast<std::uint32_t>(tavola[posto].chiave.parole[ParolaValore] >> BitValore);
}

void TVisti::Segna(std::size_t posto, std::uint32_t valore) {
    std::uint64_t& parola = tavola[posto].chiave.parole[ParolaValore];
    parola = (parola & MascheraChiave) | std::uint64_t{valore} << BitValore;
}

std::size_t TVisti::Byte(std::size_t posti) {
    return posti * sizeof(TPosto);
}

bool TVisti::PostoPerso(const TPosto& posto) {
    return !Libera(posto.chiave) && posto.chiave.parole[ParolaValore] >> BitValore == Persa;
}

std::size_t TVisti::Perse() const {
    return static_cast<std::size_t>(std::count_if(tavola.begin(), tavola.end(), PostoPerso));
}

bool TVisti::Tengono(std::size_t perse, std::size_t nuove) const {
    // The lost ones are set aside before the old table goes, so that the two
    // tables never take memory at once.
    const std::size_t accanto = perse * sizeof(TStato::TChiaveCorta);
    return std::max(Byte(tavola.size()), Byte(Posti(perse + nuove))) + accanto <= MemoriaMassima;
}

std::size_t TVisti::Spazio() const {
    const std::size_t perse = Perse();
    if (!Tengono(perse, 0)) {
        return Capienza();
    }
    const std::size_t tutte =
        Posizioni((MemoriaMassima - perse * sizeof(TStato::TChiaveCorta)) / sizeof(TPosto));
    return tutte > perse ? tutte - perse : Capienza();
}

void TVisti::Prepara(std::size_t nuove) {
    auto quantePerse = Perse();
    // When even they would pass the budget, the lost ones are forgotten: the
    // search only prunes less.
    if (!Tengono(quantePerse, nuove)) {
        quantePerse = 0;
    }
    std::vector<TStato::TChiaveCorta> perse;
    perse.reserve(quantePerse);
    for (std::size_t i = 0; i < tavola.size() && perse.size() < quantePerse; ++i) {
        if (PostoPerso(tavola[i])) {
            perse.push_back(tavola[i].chiave);
            perse.back().parole[ParolaValore] &= MascheraChiave;
        }
    }
    // A table big enough already is cleared where it lies: a new allocation
    // would fault in every page again.
    const std::size_t posti = Posti(perse.size() + nuove);
    if (posti > tavola.capacity()) {
        tavola = TTavola(); // given back, not only emptied
    }
    tavola.assign(posti, TPosto{});
    quante = 0;
    for (const TStato::TChiaveCorta& chiave : perse) {
        Segna(Inserisci(chiave).first, Persa);
    }
}

std::size_t TVisti::Capienza() {
    return Posizioni(MemoriaMassima / sizeof(TPosto));
}

std::size_t TVisti::Posizioni(std::size_t posti) {
    return (posti - 2) * 2 / Riempimento;
}

std::size_t TVisti::Posti(std::size_t posizioni) {
    return posizioni * Riempimento / 2 + 2;
}

std::pair<std::size_t, bool> TVisti::Inserisci(const TStato::TChiaveCorta& chiave) {
    for (std::size_t i = Posto(Impronta(chiave), tavola.size());;
         i = i + 1 == tavola.size() ? 0 : i + 1) {
        TStato::TChiaveCorta& posto = tavola[i].chiave;
        if (Libera(posto)) {
            posto = chiave;
            ++quante;
            return {i, true};
        }
        if (Uguale(posto, chiave)) {
            return {i, false};
        }
    }
}
