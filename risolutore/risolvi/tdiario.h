#pragma once

#include "tstudio.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <mutex>
#include <set>
#include <string>

// The blind player's rows, written one by one as each deal ends, so that a
// run of hours stopped anyhow keeps what it did. Opened on a file that
// already holds rows, it adds to them: the deals it holds are done.
class TDiario {
public:
    ~TDiario();

    // Empty path: standard output, nothing done before. False with `errore`
    // set when the file cannot be read or written, or is not such a file.
    bool Apri(const std::string& percorso, bool soluzioni, std::string& errore);
    // Safe from any thread.
    void Scrivi(const TRiga& riga);
    bool Chiudi(std::string& errore);

    std::set<std::uint64_t> Fatte() const;
    // Deals from `primo` to `ultimo` in the file, and those won.
    std::uint64_t Giocate(std::uint64_t primo, std::uint64_t ultimo) const;
    std::uint64_t Vinte(std::uint64_t primo, std::uint64_t ultimo) const;

private:
    bool Leggi(std::FILE* vecchio, std::string& errore);

    std::string percorso;
    bool soluzioni = false;
    std::FILE* file = nullptr;
    std::mutex guardia;
    std::map<std::uint64_t, bool> esiti; // deal: won
};
