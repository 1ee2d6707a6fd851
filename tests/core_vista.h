#pragma once

#include "tvistatavolo.h"

#include <QStringList>

class TPartita;

// A table that only writes down what the game asked of it, in order:
// "posiziona 9 2", "segnaposto 7", "aggiorna 12", "annulla 1", "ricomincia 0",
// "vittoria", "conta".
class TVistaRegistrata : public TVistaTavolo {
public:
    QStringList Eventi;
    // When set, the win announcement also notes whether the game still counts as in progress.
    const TPartita* Partita = nullptr;

    QString Elenco() const { return Eventi.join(", "); }

    void PosizionaCarta(std::int16_t pozzo, std::int16_t n) override;
    void MostraSegnaposto(std::int16_t pozzo) override;
    void AggiornaCarta(std::int16_t numero) override;
    void AbilitaAnnulla(bool abilitato) override;
    void AbilitaRicomincia(bool abilitato) override;
    void MostraVittoria() override;
    void ContaVittoria() override;
};
