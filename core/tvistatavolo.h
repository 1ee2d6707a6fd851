#pragma once

#include <cstdint>

// What the game asks of the screen, in the order it needs it. The main window
// implements it; tests record the calls. Nothing here knows of any toolkit.
class TVistaTavolo {
public:
    virtual ~TVistaTavolo() = default;

    // Card n (1-based) of pile `pozzo`: bring it to the front, then move it to
    // its place in the pile's fan (TPozzo::xyUnaCarta).
    virtual void PosizionaCarta(std::int16_t pozzo, std::int16_t n) = 0;
    // Show the empty-place mark at the base point of pile `pozzo`, without
    // changing its stacking order; -1 hides it.
    virtual void MostraSegnaposto(std::int16_t pozzo) = 0;
    // Card `numero` turned face up or down: repaint it.
    virtual void AggiornaCarta(std::int16_t numero) = 0;
    virtual void AbilitaAnnulla(bool abilitato) = 0;
    virtual void AbilitaRicomincia(bool abilitato) = 0;
    // The game is won: announce it and return only once the announcement closed.
    virtual void MostraVittoria() = 0;
    // Count the won game; called after MostraVittoria returned.
    virtual void ContaVittoria() = 0;
};
