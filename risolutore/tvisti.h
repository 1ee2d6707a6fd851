#pragma once

#include "tpaginegrandi.h"
#include "tstato.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The positions the search has entered, kept exactly: a position is never
// taken for another, so a search that runs out of positions proves. Each holds
// a number: its place in the order of the attempt that entered it, or Persa
// once that attempt has proved no win can be reached from it. Only those
// proved lost outlive their attempt.
class TVisti {
public:
    static constexpr std::uint32_t Persa = UINT32_MAX;
    // What the set may take, at its largest, to keep the lost positions.
    static constexpr std::size_t MemoriaMassima = std::size_t{900} << 20;

    // The most positions one attempt may enter within MemoriaMassima.
    static std::size_t Capienza();
    // A well-mixed number of the position.
    static std::size_t Impronta(const TStato::TChiave& chiave);
    static std::size_t Impronta(const TStato::TChiaveCorta& chiave);
    // Forgets every position: a new deal.
    void Svuota();
    // The most positions the next attempt may enter with the lost ones kept:
    // fewer than Capienza() by those, or Capienza() when they cannot be kept.
    std::size_t Spazio() const;
    // Forgets all but the positions proved lost, and makes room for `nuove`
    // more; when both would pass MemoriaMassima, forgets the lost ones too.
    void Prepara(std::size_t nuove);
    // The place of the position, and whether it was not there yet.
    std::pair<std::size_t, bool> Inserisci(const TStato::TChiaveCorta& chiave);
    std::uint32_t Valore(std::size_t posto) const;
    void Segna(std::size_t posto, std::uint32_t valore);
    std::size_t Quante() const { return quante; }

private:
    static std::size_t Posti(std::size_t posizioni);
    // The most positions `posti` slots hold: the inverse of Posti.
    static std::size_t Posizioni(std::size_t posti);
    static std::size_t Byte(std::size_t posti);
    std::size_t Perse() const;
    // Whether `perse` lost positions and `nuove` more fit within MemoriaMassima,
    // the lost ones set aside while the table is made again.
    bool Tengono(std::size_t perse, std::size_t nuove) const;

    // The key with its number in the key's free bits: one slot, a quarter of a cache line.
    struct alignas(16) TPosto {
        TStato::TChiaveCorta chiave;
    };

    static bool PostoPerso(const TPosto& posto);

    using TTavola = std::vector<TPosto, TPagineGrandi<TPosto>>;
    TTavola tavola;
    std::size_t quante = 0;
};
