#include "tsequenza.h"

#include "tstato.h"

namespace {

constexpr std::string_view Cifre = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr char Scopri = '*';
constexpr std::size_t CaratteriPerPasso = 2; // the card, then its pile or Scopri

int Cifra(char c, int limite) {
    const std::size_t k = Cifre.find(c);
    return k == std::string_view::npos || static_cast<int>(k) >= limite ? -1 : static_cast<int>(k);
}

} // namespace

std::string TSequenza::Scrivi(const std::vector<TMossa>& mosse) {
    std::string testo;
    for (const TMossa& mossa : mosse) {
        testo += Cifre[static_cast<std::size_t>(mossa.carta)];
        testo += mossa.scopri ? Scopri : Cifre[static_cast<std::size_t>(mossa.a)];
    }
    return testo;
}

std::optional<std::vector<TMossa>> TSequenza::Leggi(std::string_view testo) {
    if (testo.size() % CaratteriPerPasso != 0) {
        return std::nullopt;
    }
    std::vector<TMossa> mosse;
    for (std::size_t i = 0; i < testo.size(); i += CaratteriPerPasso) {
        const int carta = Cifra(testo[i], TStato::Carte);
        const bool scopri = testo[i + 1] == Scopri;
        const int meta = scopri ? -1 : Cifra(testo[i + 1], TStato::Pozzi);
        if (carta < 0 || (!scopri && meta < 0)) {
            return std::nullopt;
        }
        mosse.push_back(
            {static_cast<std::int8_t>(carta), -1, static_cast<std::int8_t>(meta), scopri});
    }
    return mosse;
}
