#pragma once

#include "tmossa.h"
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
    static std::string Passi(const std::vector<TMossa>& mosse);
};
