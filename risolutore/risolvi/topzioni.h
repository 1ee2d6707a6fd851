#pragma once

#include "tcertificato.h"
#include "tmetodo.h"
#include "trisolutore.h"

#include <cstdint>
#include <string>

// The command line, read GNU-style. Leggi throws std::invalid_argument with a
// one-line message for anything it cannot use.
struct TOpzioni {
    std::uint64_t primo = 0;
    std::uint64_t ultimo = 0;
    bool intervallo = false; // FIRST-LAST rather than one deal
    std::string uscita;      // CSV file; empty: standard output
    unsigned fili = 0;       // 0: every core
    TLimiti limiti;          // of the solver
    bool soluzioni = false;  // a CSV column with each win, short
    bool cieco = false;      // played by TCieco rather than solved
    TMetodo metodo;          // how TCieco weighs its moves, and its budget a guess
    std::string certificati; // folder for the proofs of the unwinnable deals; empty: none
    std::size_t posizioniCertificato = TCertificato::Limite; // at most, in one
    bool aiuto = false;
    bool versione = false;

    static TOpzioni Leggi(int argc, char** argv);
    static std::string Aiuto();
};
