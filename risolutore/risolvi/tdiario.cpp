#include "tdiario.h"

#include "guasto.h"
#include "tcsv.h"
#include "tstampa.h"

#include <charconv>
#include <string_view>

namespace {

// A row is some 60 characters, and its win two a step: this holds a game of
// some 2,000 steps, where the longest of deals 0 to 9,999 took 769.
constexpr std::size_t LungaRiga = 4096;

} // namespace

TDiario::~TDiario() {
    if (file != nullptr && file != stdout) {
        std::fclose(file);
    }
}

bool TDiario::Apri(const std::string& destinazione, bool conSoluzioni, std::string& errore) {
    percorso = destinazione;
    soluzioni = conSoluzioni;
    if (percorso.empty()) {
        file = stdout;
        std::printf("%s\n", TCsv::Intestazione(soluzioni));
        return true;
    }
    if (std::FILE* vecchio = std::fopen(percorso.c_str(), "r")) {
        const bool letto = Leggi(vecchio, errore);
        std::fclose(vecchio);
        if (!letto) {
            return false;
        }
    }
    file = std::fopen(percorso.c_str(), "a");
    if (file == nullptr) {
        errore = Guasto(percorso);
        return false;
    }
    if (std::ftell(file) == 0) {
        std::fprintf(file, "%s\n", TCsv::Intestazione(soluzioni));
    }
    if (std::fflush(file) != 0) {
        errore = Guasto(percorso);
        return false;
    }
    return true;
}

// A line cut short by a run that was killed is left out, and ended, so that
// the next row starts a line of its own. The solver's study has the same
// columns: a deal proved unwinnable tells its rows apart.
bool TDiario::Leggi(std::FILE* vecchio, std::string& errore) {
    const std::string altrui =
        percorso + ": non è un diario del giocatore cieco con queste colonne";
    const std::string impossibile =
        std::string(TStampa::NomeEsito(TEsito::Impossibile, false)) + ",";
    char riga[LungaRiga];
    bool prima = true;
    bool finita = true;
    while (std::fgets(riga, sizeof riga, vecchio) != nullptr) {
        std::string_view testo(riga);
        finita = testo.ends_with('\n');
        if (prima) {
            prima = false;
            if (testo.substr(0, testo.size() - finita) != TCsv::Intestazione(soluzioni)) {
                errore = altrui;
                return false;
            }
            continue;
        }
        std::uint64_t seme = 0;
        const auto [fine, sbaglio] =
            std::from_chars(testo.data(), testo.data() + testo.size(), seme);
        const std::string_view resto = testo.substr(static_cast<std::size_t>(fine - testo.data()));
        if (!finita || sbaglio != std::errc() || !resto.starts_with(',')) {
            continue;
        }
        if (resto.substr(1).starts_with(impossibile)) {
            errore = altrui;
            return false;
        }
        for (const TEsito esito : {TEsito::Vinta, TEsito::Impossibile, TEsito::Ignota}) {
            if (resto.substr(1).starts_with(std::string(TStampa::NomeEsito(esito, true)) + ",")) {
                esiti[seme] = esito == TEsito::Vinta;
            }
        }
    }
    if (!finita) {
        std::FILE* coda = std::fopen(percorso.c_str(), "a");
        const bool chiusa = coda != nullptr && std::fputc('\n', coda) != EOF;
        if (coda == nullptr || std::fclose(coda) != 0 || !chiusa) {
            errore = Guasto(percorso);
            return false;
        }
    }
    return true;
}

void TDiario::Scrivi(const TRiga& riga) {
    std::lock_guard blocco(guardia);
    TCsv::Scrivi(file, riga, true, soluzioni);
    std::fflush(file);
    esiti[riga.seme] = riga.esito == TEsito::Vinta;
}

bool TDiario::Chiudi(std::string& errore) {
    const bool scritto = std::ferror(file) == 0;
    const bool chiuso = file == stdout ? std::fflush(file) == 0 : std::fclose(file) == 0;
    file = nullptr;
    if (!scritto || !chiuso) {
        errore = Guasto(percorso.empty() ? std::string("standard output") : percorso);
        return false;
    }
    return true;
}

std::set<std::uint64_t> TDiario::Fatte() const {
    std::set<std::uint64_t> fatte;
    for (const auto& [seme, vinta] : esiti) {
        fatte.insert(seme);
    }
    return fatte;
}

std::uint64_t TDiario::Giocate(std::uint64_t primo, std::uint64_t ultimo) const {
    return static_cast<std::uint64_t>(
        std::distance(esiti.lower_bound(primo), esiti.upper_bound(ultimo)));
}

std::uint64_t TDiario::Vinte(std::uint64_t primo, std::uint64_t ultimo) const {
    std::uint64_t vinte = 0;
    for (auto i = esiti.lower_bound(primo); i != esiti.upper_bound(ultimo); ++i) {
        vinte += i->second;
    }
    return vinte;
}
