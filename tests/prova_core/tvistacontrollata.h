#pragma once

#include "tvistatavolo.h"

#include <cstdint>
#include <string>
#include <vector>

class TPartita;

// A table that writes down what the game asked of it, in order:
// "posiziona 9 2", "segnaposto 7", "aggiorna 12", "annulla 1", "ricomincia 0",
// "vittoria" ("vittoria in corso" while the game still counts as started),
// "conta". Once it observes a game it also checks every request against the
// game's own state at the moment it is made, throwing TViolazione, and keeps
// what a window would show.
class TVistaControllata : public TVistaTavolo {
public:
    void Osserva(const TPartita& partita) { this->partita = &partita; }

    void PosizionaCarta(std::int16_t pozzo, std::int16_t n) override;
    void MostraSegnaposto(std::int16_t pozzo) override;
    void AggiornaCarta(std::int16_t numero) override;
    void AbilitaAnnulla(bool abilitato) override;
    void AbilitaRicomincia(bool abilitato) override;
    void MostraVittoria() override;
    void ContaVittoria() override;

    // The requests joined by ", ".
    std::string Elenco() const;

    std::vector<std::string> Eventi;
    bool registra = true; // off where only the checks matter, for speed
    bool annulla = false;
    bool ricomincia = false;
    int vittorie = 0;

private:
    const TPartita* partita = nullptr;
    bool annunciata = false;
};
