#pragma once

#include "tvistatavolo.h"

#include <cstdint>

class TPartita;

// A table that checks every request of the game against the game's own state
// at the moment it is made, and keeps what a window would show.
class TVistaControllata : public TVistaTavolo {
public:
    void Osserva(const TPartita& partita) { this->partita = &partita; }

    void PosizionaCarta(std::int16_t pozzo, std::int16_t n) override;
    void MostraSegnaposto(std::int16_t pozzo) override;
    void AggiornaCarta(std::int16_t numero) override;
    void AbilitaAnnulla(bool abilitato) override { annulla = abilitato; }
    void AbilitaRicomincia(bool abilitato) override { ricomincia = abilitato; }
    void MostraVittoria() override;
    void ContaVittoria() override;

    bool annulla = false;
    bool ricomincia = false;
    int vittorie = 0;

private:
    const TPartita* partita = nullptr;
    bool annunciata = false;
};
