#pragma once

#include <cstdio>
#include <string>

// A file that appears whole or not at all: written under a temporary name
// beside it and renamed over it when complete. Apri fails at once, before any
// work, when the folder cannot take the file. A device or a pipe is written
// straight.
class TUscita {
public:
    ~TUscita();

    // Empty path: standard output. False with `errore` set when it cannot.
    bool Apri(const std::string& percorso, std::string& errore);
    std::FILE* File() const { return file; }
    bool Chiudi(std::string& errore);

private:
    std::string percorso;
    std::string provvisorio;
    std::FILE* file = nullptr;
};
