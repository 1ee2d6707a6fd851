// conferma_impossibili LIMIT [COUNT]: reads solvintra-risolvi's CSV on
// standard input and gives its first COUNT unwinnable deals to the plain
// search, at most LIMIT positions each. Prints how many it confirmed, how many
// it could not finish, and any it won, which would be a fault of the solver
// (exit status 1).
#include "tricercapiana.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: conferma_impossibili LIMIT [COUNT] < studio.csv\n");
        return 2;
    }
    const std::uint64_t limite = std::strtoull(argv[1], nullptr, 10);
    const std::uint64_t quante = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : UINT64_MAX;
    std::uint64_t esaminate = 0, confermate = 0, oltre = 0, smentite = 0;
    std::string riga;
    while (esaminate < quante && std::getline(std::cin, riga)) {
        std::istringstream campi(riga);
        std::string seme, esito;
        if (!std::getline(campi, seme, ',') || !std::getline(campi, esito, ',') ||
            esito != "impossibile") {
            continue;
        }
        ++esaminate;
        TRicercaPiana piana(limite);
        switch (piana.Esplora(TStato::DaSeme(std::stoull(seme)))) {
        case TEsito::Impossibile:
            ++confermate;
            break;
        case TEsito::Ignota:
            ++oltre;
            break;
        case TEsito::Vinta:
            ++smentite;
            std::printf("deal %s: the plain search wins it\n", seme.c_str());
            break;
        }
    }
    std::printf("unwinnable deals examined %llu: confirmed %llu, beyond the limit %llu, won %llu\n",
                static_cast<unsigned long long>(esaminate),
                static_cast<unsigned long long>(confermate), static_cast<unsigned long long>(oltre),
                static_cast<unsigned long long>(smentite));
    return smentite == 0 ? 0 : 1;
}
