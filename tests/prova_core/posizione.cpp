#include "posizione.h"

#include <charconv>
#include <set>
#include <stdexcept>

namespace {

constexpr std::int16_t ValoriPerSeme = 10;
constexpr std::string_view Semi = "abcd";
constexpr char SegnoCoperta = 'x';
constexpr char SeparaPozzi = '|';
constexpr char SeparaCarte = ' ';

std::string_view Rifila(std::string_view testo) {
    const std::size_t inizio = testo.find_first_not_of(SeparaCarte);
    if (inizio == std::string_view::npos) {
        return {};
    }
    return testo.substr(inizio, testo.find_last_not_of(SeparaCarte) + 1 - inizio);
}

// The whole text as a number, or -1.
int Intero(std::string_view testo) {
    int valore = -1;
    const char* fine = testo.data() + testo.size();
    const auto [letti, errore] = std::from_chars(testo.data(), fine, valore);
    return errore == std::errc() && letti == fine ? valore : -1;
}

// Calls fai(parte) for each non-empty part of the text between separators.
template <typename Fai> void PerOgniParte(std::string_view testo, char separatore, Fai fai) {
    while (!testo.empty()) {
        const std::size_t fine = testo.find(separatore);
        const std::string_view parte = Rifila(testo.substr(0, fine));
        if (!parte.empty()) {
            fai(parte);
        }
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
    }
}

void Posa(TPartita& partita, std::int16_t n, std::int16_t p, bool coperta) {
    partita.Carte[n].pozzo = p;
    partita.Carte[n].Coperta = coperta;
    partita.Pozzi[p].AggiungiCarta(&partita.Carte[n]);
}

// Lays out one "p: cards" part; returns p.
std::int16_t DisponiPozzo(TPartita& partita, std::string_view parte) {
    const std::size_t duepunti = parte.find(':');
    const int p =
        duepunti == std::string_view::npos ? -1 : Intero(Rifila(parte.substr(0, duepunti)));
    if (p < 0 || p >= NumeroPozzi) {
        throw std::invalid_argument("bad pile in position");
    }
    const auto pozzo = static_cast<std::int16_t>(p);
    PerOgniParte(parte.substr(duepunti + 1), SeparaCarte, [&](std::string_view nome) {
        const bool coperta = nome.front() == SegnoCoperta;
        const std::int16_t n = NumeroCarta(coperta ? nome.substr(1) : nome);
        if (n < 0 || partita.Carte[n].pozzo >= 0) {
            throw std::invalid_argument("bad or repeated card in position");
        }
        Posa(partita, n, pozzo, coperta);
    });
    return pozzo;
}

} // namespace

std::int16_t NumeroCarta(std::string_view nome) {
    if (nome.size() < 2) {
        return -1;
    }
    const int valore = Intero(nome.substr(0, nome.size() - 1));
    const std::size_t seme = Semi.find(nome.back());
    if (valore < 1 || valore > ValoriPerSeme || seme == std::string_view::npos) {
        return -1;
    }
    return static_cast<std::int16_t>(static_cast<int>(seme) * ValoriPerSeme + valore - 1);
}

std::string NomeCarta(std::int16_t numero) {
    return std::to_string(numero % ValoriPerSeme + 1) + Semi[numero / ValoriPerSeme];
}

std::set<std::int16_t> Disponi(TPartita& partita, std::string_view posizione) {
    for (TDatiCarta& carta : partita.Carte) {
        carta.pozzo = -1;
        carta.Coperta = false;
    }
    for (TPozzo& pozzo : partita.Pozzi) {
        pozzo.Dispose(false);
    }
    std::set<std::int16_t> nominati;
    PerOgniParte(posizione, SeparaPozzi,
                 [&](std::string_view parte) { nominati.insert(DisponiPozzo(partita, parte)); });
    partita.AngoloCorrente = 0;
    while (partita.AngoloCorrente < NumeroAngoli &&
           partita.Pozzi[TPartita::Angoli[partita.AngoloCorrente]].NumeroCarte > 0) {
        ++partita.AngoloCorrente;
    }
    partita.AnnullaAbilitato = false;
    partita.RicominciaAbilitato = false;
    partita.PartitaIniziata = false;
    return nominati;
}

std::set<std::int16_t> DisponiChiuso(TPartita& partita, std::string_view posizione) {
    const std::set<std::int16_t> nominati = Disponi(partita, posizione);
    std::int16_t libera = 0;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        if (partita.Pozzi[p].Angolo || nominati.count(p) > 0) {
            continue;
        }
        while (libera < NumeroCarteMazzo && partita.Carte[libera].pozzo >= 0) {
            ++libera;
        }
        if (libera == NumeroCarteMazzo) {
            throw std::invalid_argument("no spare card to close the table");
        }
        Posa(partita, libera, p, true);
    }
    return nominati;
}

std::string Descrivi(const TPartita& partita) {
    std::string testo;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        if (pozzo.NumeroCarte == 0) {
            continue;
        }
        testo += (testo.empty() ? "" : " | ") + std::to_string(p) + ':';
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TDatiCarta* carta = pozzo.Carta(k);
            testo += SeparaCarte;
            if (carta->Coperta) {
                testo += SegnoCoperta;
            }
            testo += NomeCarta(carta->numero);
        }
    }
    return testo;
}
