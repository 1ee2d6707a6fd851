#pragma once

#include "tvistatavolo.h"

#include <cstdint>

// A screen that shows nothing: the game played headless, by benchmarks and
// tools that only need its rules.
class TVistaMuta : public TVistaTavolo {
public:
    void PosizionaCarta(std::int16_t, std::int16_t) override {}
    void MostraSegnaposto(std::int16_t) override {}
    void AggiornaCarta(std::int16_t) override {}
    void AbilitaAnnulla(bool) override {}
    void AbilitaRicomincia(bool) override {}
    void MostraVittoria() override {}
    void ContaVittoria() override {}
};
