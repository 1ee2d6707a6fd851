#include "tuscita.h"

#include "guasto.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

TUscita::~TUscita() {
    if (file != nullptr && file != stdout) {
        std::fclose(file);
        if (!provvisorio.empty()) {
            std::remove(provvisorio.c_str());
        }
    }
}

bool TUscita::Apri(const std::string& destinazione, std::string& errore) {
    percorso = destinazione;
    if (percorso.empty()) {
        file = stdout;
        return true;
    }
    // A device or a pipe is written straight: there is nothing to keep whole,
    // and a file renamed over it would take its place (/dev/null among them).
    struct stat tipo {};
    if (stat(percorso.c_str(), &tipo) == 0 && !S_ISREG(tipo.st_mode)) {
        file = std::fopen(percorso.c_str(), "w");
        if (file == nullptr) {
            errore = Guasto(percorso);
        }
        return file != nullptr;
    }
    std::vector<char> modello(percorso.begin(), percorso.end());
    const char coda[] = ".XXXXXX";
    modello.insert(modello.end(), coda, coda + sizeof coda);
    const int descrittore = mkstemp(modello.data());
    if (descrittore < 0) {
        errore = Guasto(percorso);
        return false;
    }
    provvisorio = modello.data();
    file = fdopen(descrittore, "w");
    if (file == nullptr) {
        errore = Guasto(percorso);
        close(descrittore);
        std::remove(provvisorio.c_str());
        return false;
    }
    return true;
}

bool TUscita::Chiudi(std::string& errore) {
    if (file == stdout) {
        return std::fflush(stdout) == 0;
    }
    const bool scritto = std::ferror(file) == 0;
    const bool chiuso = std::fclose(file) == 0;
    file = nullptr;
    const bool alPosto =
        provvisorio.empty() || std::rename(provvisorio.c_str(), percorso.c_str()) == 0;
    if (!scritto || !chiuso || !alPosto) {
        errore = Guasto(percorso);
        if (!provvisorio.empty()) {
            std::remove(provvisorio.c_str());
        }
        return false;
    }
    return true;
}
