#pragma once

#include "tcasuale.h"
#include "tdaticarta.h"
#include "tpozzo.h"
#include "tvistatavolo.h"

#include <array>
#include <cstdint>

constexpr std::int16_t NumeroCarteMazzo = 40;
constexpr std::int16_t NumeroPozzi = 24;
constexpr std::int16_t NumeroAngoli = 4;
// The piles lie in rows of eight, numbered along each row.
constexpr std::int16_t NumeroColonne = 8;
constexpr std::int16_t NumeroRighe = NumeroPozzi / NumeroColonne;

struct TUltimaMossa {
    std::int16_t MossaCarta = -1;
    std::int16_t MossaDa = -1;
    std::int16_t MossaA = -1;
};

// The pixel rectangle of a card where it lies now, rounded to whole pixels.
struct TRettangolo {
    std::int16_t L = 0, T = 0, R = 0, B = 0;
};

// One game of patience: the deck, the 24 piles and every rule. Everything the
// screen must do is told to the TVistaTavolo, in order.
class TPartita {
public:
    explicit TPartita(TVistaTavolo& vista, TCasuale casuale = TCasuale());
    // The piles point into this game's own deck: a copy would share it.
    TPartita(const TPartita&) = delete;
    TPartita& operator=(const TPartita&) = delete;

    std::array<TDatiCarta, NumeroCarteMazzo> Carte; // Carte[n].numero == n
    std::array<TPozzo, NumeroPozzi> Pozzi;
    static constexpr std::array<std::int16_t, NumeroAngoli> Angoli{0, 7, 23, 16};
    std::int16_t AngoloCorrente = 0;
    TUltimaMossa UltimaMossa;
    std::int16_t AngoloPrecedente = 0;
    bool PartitaIniziata = false;
    std::int16_t CartaAttiva = -1;
    bool AnnullaAbilitato = false;    // mirrors "Annulla mossa"
    bool RicominciaAbilitato = false; // mirrors "Ricomincia questa partita"

    // Deal: a new random one, or the last new deal laid out again.
    void Distribuisci(bool nuova);

    // Move rules.
    bool PuoPrendere(std::int16_t n) const;
    bool MossaValida(std::int16_t n, std::int16_t T); // may open the next corner
    bool EsistePercorso(std::int16_t n, std::int16_t T);
    bool CercaPercorso(std::int16_t n, std::int16_t D, std::int16_t T);
    bool Transitabile(std::int16_t n, std::int16_t i, std::int16_t j) const;
    bool MuoviCarta(std::int16_t n, std::int16_t T);
    void ScopriCarta(std::int16_t n);
    void AnnullaMossa();
    // The game in progress is given up where it lies, as when the desktop
    // session ends: it is over, as after a win, until the next move.
    void Abbandona();

    // Pointer gestures, decided here so the window only forwards them.
    std::int16_t PozzoSotto(const TRettangolo& carta, std::int16_t d) const;
    void Lascia(std::int16_t n, const TRettangolo& carta); // drop: try piles, re-place, check
    void DoppioClic(std::int16_t n);

    // End of game: all four corners full. Announces and counts the win.
    void ControllaVittoria();
    bool Vinta() const;

    // Layout, reported through the view.
    void RidisponiPozzo(std::int16_t p);
    void RidisponiTavolo();
    void RiponiCarta(std::int16_t n);
    void MostraSegnaposto();

private:
    void AbilitaAnnulla(bool abilitato);
    void AbilitaRicomincia(bool abilitato);
    void DistribuisciNuova();
    void DistribuisciDiNuovo(); // reads back CartePartenza
    void PosaCarta(std::int16_t c, std::int16_t p);
    void Sposta(std::int16_t n, std::int16_t da, std::int16_t a);
    bool CartaInGioco(std::int16_t n) const; // a real card lying on a real pile

    TVistaTavolo& vista;
    TCasuale casuale;
};
