#include "tsemeprova.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

std::optional<std::uint64_t> TSemeProva::DaAmbiente() {
    const char* testo = std::getenv("SOLVINTRA_SEME");
    if (testo == nullptr) {
        return std::nullopt;
    }
    const std::string_view valore(testo);
    std::uint64_t seme = 0;
    const auto [fine, errore] = std::from_chars(valore.data(), valore.data() + valore.size(), seme);
    if (errore != std::errc() || fine != valore.data() + valore.size()) {
        return std::nullopt;
    }
    return seme;
}
