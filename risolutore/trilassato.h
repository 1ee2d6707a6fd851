#pragma once

#include "tstato.h"

#include <array>
#include <cstdint>
#include <vector>

// The game without the path rule, where a card on its corner stays there and
// where a pile lies stops mattering. It has fewer moves than the real game (none
// off a corner, no ten from one empty pile to another), yet a position lost
// here is lost for real: take any real win and drop every move a card makes
// after it first reaches its corner, and every move of a ten between empty
// piles. What is left is a win here. A card still to reach its corner finds
// the same pile under it and the same card to join, since the cards dropped
// from the table are lower ones of its suit, which reached their corner first;
// an empty place stays empty, and no move needs a path.
//
// Here most moves are forced: a card going to its corner, turning up a lone
// face-down card and a lone card joining a run of two or more never hurt. Only
// a lone card joining another lone card (which then can no longer move) and a
// ten leaving a face-down card for an empty pile are choices. Every move is a
// step forward, so the answers are kept for the whole deal.
class TRilassato {
public:
    // True when not even the game without paths can be won from here.
    bool Perduta(const TStato& stato);
    // Whether the move, about to be made, can lose a won relaxed game: the
    // others are forced moves here, or a ten between empty piles, which
    // changes nothing here, so the test can be skipped after them.
    static bool PuoNuocere(const TStato& stato, const TMossa& mossa);
    // Forgets the answers: a new deal.
    void Svuota();

private:
    static constexpr int PozziTavolo = TStato::PozziTavolo;
    static constexpr int Semi = TStato::Semi;
    // A position of the relaxed game, exactly: for each card at the bottom of
    // a run, the run's top card and the face-down card under it, 12 bits at
    // the card's place. The rest follows: every other pile is empty, and the
    // cards in no run and not face down are on the corners.
    using TChiaveRilassata = std::array<std::uint64_t, 8>;

    // Per table pile: the face-down card and the run from its bottom to its top.
    struct TPosizioneRilassata {
        std::array<std::int8_t, PozziTavolo> coperta{};
        std::array<std::int8_t, PozziTavolo> base{};
        std::array<std::int8_t, PozziTavolo> cima{};
        std::array<std::int8_t, TStato::Carte> pozzoDi{}; // of a top card; stale for the others
        std::array<std::int8_t, Semi> altezza{};          // cards of each suit on a corner
        int suiAngoli = 0;

        // Plays the forced moves, looking first at the piles of `daVedere`:
        // every pile where one may be made must be among them.
        void GiocaForzate(std::uint32_t daVedere = (1u << PozziTavolo) - 1);
        // One forced move from pile i, adding to `sbloccati` the piles it may unlock.
        bool GiocaForzata(int i, std::uint32_t& sbloccati);
        bool MandaAdAngolo(int i);
        bool Accoda(int i, bool ancheSolitaria);
        bool Accodabile(int i, bool ancheSolitaria) const;
        void Copri(int i, int carta); // `carta` becomes the top of pile i
        void Libera(int i);
        // The lone ten on a face-down card to an empty pile, which there must be.
        void LiberaDieci(int i);
        bool DieciLiberabile(int i) const;
        int Vuoto() const; // an empty table pile, or -1
        TChiaveRilassata Chiave() const;
    };

    // Ignoto: the search of the relaxed game gave up, so nothing is pruned.
    enum class TVerdetto { Ignoto, Persa, Vinta };
    // `daVedere`: the piles where a forced move may have become possible.
    TVerdetto Vincibile(TPosizioneRilassata tavolo, std::uint32_t daVedere);

    static constexpr int PassiMassimi = 256; // positions of the relaxed game per question

    // The answers of this deal, in open addressing: the place of a position's
    // slot, either holding it or free. A slot holds an answer only when its
    // stamp is this deal's, so a new deal clears nothing.
    std::size_t Posto(const TChiaveRilassata& chiave) const;
    void Annota(std::size_t posto, const TChiaveRilassata& chiave, bool vinta);
    void Ingrandisci();

    static constexpr std::size_t PostiIniziali = 4096;
    // Beyond this many slots a table is given back at the next deal.
    static constexpr std::size_t PostiTenuti = std::size_t{1} << 16;
    std::vector<TChiaveRilassata> esiti =
        std::vector<TChiaveRilassata>(PostiIniziali); // the won flag in the first word
    std::vector<std::uint32_t> timbri = std::vector<std::uint32_t>(PostiIniziali);
    std::uint32_t timbro = 1;
    std::size_t note = 0;
    int passi = 0;
};
