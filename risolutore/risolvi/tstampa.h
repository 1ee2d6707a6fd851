#pragma once

#include "tmossa.h"
#include "trisolutore.h"
#include "tstato.h"

#include <string>
#include <vector>

// Cards, piles and steps written for a player: "fante di spade", "riga 2,
// colonna 5", the table as a grid.
class TStampa {
public:
    static std::string NomeCarta(int carta);
    static std::string SiglaCarta(int carta); // "9S"; in brackets when face down
    static std::string NomePozzo(int pozzo);
    static std::string Tavolo(const TStato& stato);
    // One step a line; with `note`, each line ends with its own, when not empty.
    static std::string Passi(const std::vector<TMossa>& mosse,
                             const std::vector<std::string>& note = {});
    // A deal the blind player gives up is only lost by it, not proved unwinnable.
    static const char* NomeEsito(TEsito esito, bool cieco);
};
