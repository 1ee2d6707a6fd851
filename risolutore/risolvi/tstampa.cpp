#include "tstampa.h"

#include <array>
#include <iomanip>
#include <sstream>

namespace {

constexpr int LarghezzaCella = 14;
constexpr std::array<const char*, 4> NomiSemi{"coppe", "denari", "spade", "bastoni"};
constexpr std::array<char, 4> SigleSemi{'C', 'D', 'S', 'B'};
constexpr std::array<const char*, 10> NomiValori{"asso", "2", "3",     "4",       "5",
                                                 "6",    "7", "fante", "cavallo", "re"};

std::string Cella(const TStato& stato, int p) {
    std::string testo;
    if (stato.Coperta(p) >= 0) {
        testo.append("(").append(TStampa::SiglaCarta(stato.Coperta(p))).append(") ");
    }
    const int cima = stato.Cima(p);
    if (cima >= 0) {
        const int base = stato.Base(p);
        const int passo = TStato::Angolo(p) ? 1 : -1; // corners rise, table piles fall
        testo.append(TStampa::SiglaCarta(base));
        if (base != cima) {
            testo.append(base + passo == cima ? " " : "..").append(TStampa::SiglaCarta(cima));
        }
    }
    if (testo.empty()) {
        testo = TStato::Angolo(p) ? "[angolo]" : "-";
    }
    return testo;
}

} // namespace

std::string TStampa::NomeCarta(int carta) {
    return std::string(NomiValori[TStato::Valore(carta) - 1]) + " di " +
           NomiSemi[TStato::Seme(carta)];
}

std::string TStampa::SiglaCarta(int carta) {
    return std::to_string(TStato::Valore(carta)) + SigleSemi[TStato::Seme(carta)];
}

std::string TStampa::NomePozzo(int pozzo) {
    std::string nome = "riga " + std::to_string(pozzo / NumeroColonne + 1) + ", colonna " +
                       std::to_string(pozzo % NumeroColonne + 1);
    return TStato::Angolo(pozzo) ? nome + " (angolo)" : nome;
}

std::string TStampa::Tavolo(const TStato& stato) {
    std::ostringstream testo;
    testo << std::left << std::setw(LarghezzaCella / 2) << "";
    for (int c = 1; c <= NumeroColonne; ++c) {
        testo << std::setw(LarghezzaCella) << ("colonna " + std::to_string(c));
    }
    testo << '\n';
    for (int r = 0; r < NumeroRighe; ++r) {
        testo << std::setw(LarghezzaCella / 2) << ("riga " + std::to_string(r + 1));
        for (int c = 0; c < NumeroColonne; ++c) {
            testo << std::setw(LarghezzaCella) << Cella(stato, r * NumeroColonne + c);
        }
        testo << '\n';
    }
    return testo.str();
}

std::string TStampa::Passi(const std::vector<TMossa>& mosse, const std::vector<std::string>& note) {
    std::ostringstream testo;
    std::size_t numero = 0;
    for (const TMossa& mossa : mosse) {
        testo << std::right << std::setw(4) << ++numero << ". ";
        if (mossa.scopri) {
            testo << "scopri la carta di " << NomePozzo(mossa.a) << ": " << NomeCarta(mossa.carta);
        } else {
            testo << NomeCarta(mossa.carta) << " da " << NomePozzo(mossa.da) << " a "
                  << NomePozzo(mossa.a);
        }
        if (numero <= note.size() && !note[numero - 1].empty()) {
            testo << "  " << note[numero - 1];
        }
        testo << '\n';
    }
    return testo.str();
}

const char* TStampa::NomeEsito(TEsito esito, bool cieco) {
    switch (esito) {
    case TEsito::Vinta:
        return "vinta";
    case TEsito::Impossibile:
        return cieco ? "persa" : "impossibile";
    case TEsito::Ignota:
        break;
    }
    return "ignota";
}
