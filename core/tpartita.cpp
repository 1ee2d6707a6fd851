#include "tpartita.h"

#include "coordinate.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr std::int16_t CarteAngoloPieno = 10;
constexpr std::int16_t CartePerPozzo = 2;
constexpr std::int16_t Asso = 1;
constexpr std::int16_t Dieci = 10;
constexpr char Separatore = ',';

bool IndiceValido(std::int16_t i, std::int16_t quanti) {
    return i >= 0 && i < quanti;
}

// The card number a deal record token names, or -1 when it names none.
std::int16_t LeggiNumero(std::string_view testo) {
    int valore = -1;
    const char* fine = testo.data() + testo.size();
    const auto [letti, errore] = std::from_chars(testo.data(), fine, valore);
    if (errore != std::errc() || letti != fine || valore < 0 || valore >= NumeroCarteMazzo) {
        return -1;
    }
    return static_cast<std::int16_t>(valore);
}

// Appends ",c" to a deal record.
void Annota(std::string& registro, std::int16_t c) {
    std::array<char, 8> testo{Separatore};
    char* fine = std::to_chars(testo.data() + 1, testo.data() + testo.size(), c).ptr;
    registro.append(testo.data(), fine);
}

} // namespace

TPartita::TPartita(TVistaTavolo& vista, TCasuale casuale)
    : vista(vista), casuale(std::move(casuale)) {
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        Carte[n].numero = n;
        Carte[n].Mazzo = n / Dieci;
        Carte[n].Valore = n % Dieci + 1;
    }
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        Pozzi[p].riga = p / NumeroColonne;
        Pozzi[p].posto = p % NumeroColonne;
    }
    for (const std::int16_t angolo : Angoli) {
        Pozzi[angolo].Angolo = true;
    }
}

// ---- Deal ----

void TPartita::Distribuisci(bool nuova) {
    for (TDatiCarta& carta : Carte) {
        carta.pozzo = -1;
    }
    for (TPozzo& pozzo : Pozzi) {
        pozzo.Dispose(nuova);
    }
    if (nuova) {
        DistribuisciNuova();
    } else {
        DistribuisciDiNuovo();
    }
    AngoloCorrente = 0;
    MostraSegnaposto();
    AbilitaAnnulla(false);
    PartitaIniziata = false;
    AbilitaRicomincia(false);
}

void TPartita::DistribuisciNuova() {
    for (std::int16_t volta = 0; volta < NumeroCarteMazzo; ++volta) {
        std::int16_t c = casuale.Casuale(NumeroCarteMazzo - 1);
        while (Carte[c].pozzo >= 0) {
            c = (c + 1) % NumeroCarteMazzo;
        }
        std::int16_t p = casuale.Casuale(NumeroPozzi);
        while (Pozzi[p].Angolo || Pozzi[p].NumeroCarte >= CartePerPozzo) {
            p = (p + 1) % NumeroPozzi;
        }
        Annota(Pozzi[p].CartePartenza, c);
        PosaCarta(c, p);
    }
}

void TPartita::DistribuisciDiNuovo() {
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        if (Pozzi[p].Angolo || Pozzi[p].CartePartenza.empty()) {
            continue;
        }
        std::string_view resto(Pozzi[p].CartePartenza);
        resto.remove_prefix(1);
        while (true) {
            const std::size_t virgola = resto.find(Separatore);
            const std::int16_t c = LeggiNumero(resto.substr(0, virgola));
            // A damaged record must not put a card in two places.
            if (c >= 0 && Carte[c].pozzo < 0) {
                PosaCarta(c, p);
            }
            if (virgola == std::string_view::npos) {
                break;
            }
            resto.remove_prefix(virgola + 1);
        }
    }
}

void TPartita::PosaCarta(std::int16_t c, std::int16_t p) {
    TPozzo& pozzo = Pozzi[p];
    Carte[c].pozzo = p;
    pozzo.AggiungiCarta(&Carte[c]);
    // Cards keep their face from the last game until they are dealt again.
    Carte[c].Coperta = pozzo.NumeroCarte == 1;
    vista.PosizionaCarta(p, pozzo.NumeroCarte);
}

// ---- Move rules ----

bool TPartita::CartaInGioco(std::int16_t n) const {
    return IndiceValido(n, NumeroCarteMazzo) && IndiceValido(Carte[n].pozzo, NumeroPozzi);
}

bool TPartita::PuoPrendere(std::int16_t n) const {
    if (!CartaInGioco(n)) {
        return false;
    }
    const TDatiCarta& carta = Carte[n];
    const TPozzo& pozzo = Pozzi[carta.pozzo];
    if (pozzo.Angolo && (carta.Valore == Asso || carta.Valore == Dieci)) {
        return false;
    }
    return pozzo.UltimaCarta() == &carta;
}

bool TPartita::MossaValida(std::int16_t n, std::int16_t T) {
    if (!CartaInGioco(n) || !IndiceValido(T, NumeroPozzi)) {
        return false;
    }
    const TDatiCarta& carta = Carte[n];
    if (AngoloCorrente < NumeroAngoli && T == Angoli[AngoloCorrente] && carta.Valore == Asso) {
        ++AngoloCorrente;
        MostraSegnaposto();
        return true;
    }
    const TPozzo& meta = Pozzi[T];
    const TDatiCarta* cima = meta.UltimaCarta();
    if (cima == nullptr) {
        return !meta.Angolo && carta.Valore == Dieci;
    }
    if (cima->Coperta) {
        return false;
    }
    const std::int16_t attesa = meta.Angolo ? cima->Valore + 1 : cima->Valore - 1;
    if (carta.Valore != attesa || carta.Mazzo != cima->Mazzo) {
        return false;
    }
    return EsistePercorso(n, T);
}

bool TPartita::EsistePercorso(std::int16_t n, std::int16_t T) {
    if (!CartaInGioco(n) || !IndiceValido(T, NumeroPozzi)) {
        return false;
    }
    for (TPozzo& pozzo : Pozzi) {
        pozzo.Controllato = false;
    }
    return CercaPercorso(n, Carte[n].pozzo, T);
}

bool TPartita::CercaPercorso(std::int16_t n, std::int16_t D, std::int16_t T) {
    Pozzi[D].Controllato = true;
    const std::int16_t r = Pozzi[D].riga;
    const std::int16_t c = Pozzi[D].posto;
    for (std::int16_t i = r - 1; i <= r + 1; ++i) {
        for (std::int16_t j = c - 1; j <= c + 1; ++j) {
            if ((i == r && j == c) || !IndiceValido(i, NumeroRighe) ||
                !IndiceValido(j, NumeroColonne)) {
                continue;
            }
            const std::int16_t k = i * NumeroColonne + j;
            if (k == T) {
                return true;
            }
            if (!Pozzi[k].Controllato && Transitabile(n, i, j) && CercaPercorso(n, k, T)) {
                return true;
            }
        }
    }
    return false;
}

bool TPartita::Transitabile(std::int16_t n, std::int16_t i, std::int16_t j) const {
    const TDatiCarta* cima = Pozzi[i * NumeroColonne + j].UltimaCarta();
    if (cima == nullptr) {
        return true;
    }
    if (cima->Coperta) {
        return false;
    }
    return cima->Valore == Carte[n].Valore || cima->Mazzo == Carte[n].Mazzo;
}

bool TPartita::MuoviCarta(std::int16_t n, std::int16_t T) {
    // Only a face-up card that may be picked up ever moves: the pile loses its top card.
    if (!PuoPrendere(n) || Carte[n].Coperta) {
        return false;
    }
    const std::int16_t angoloPrima = AngoloCorrente;
    if (!MossaValida(n, T)) {
        return false;
    }
    UltimaMossa = {n, Carte[n].pozzo, T};
    AngoloPrecedente = angoloPrima;
    AbilitaAnnulla(true);
    Sposta(n, UltimaMossa.MossaDa, T);
    AbilitaRicomincia(true);
    PartitaIniziata = true;
    return true;
}

void TPartita::Sposta(std::int16_t n, std::int16_t da, std::int16_t a) {
    Pozzi[da].TogliCarta();
    Carte[n].pozzo = a;
    Pozzi[a].AggiungiCarta(&Carte[n]);
}

void TPartita::ScopriCarta(std::int16_t n) {
    if (!CartaInGioco(n) || !Carte[n].Coperta || Pozzi[Carte[n].pozzo].NumeroCarte != 1) {
        return;
    }
    Carte[n].Coperta = false;
    vista.AggiornaCarta(n);
    AbilitaAnnulla(false);
}

void TPartita::AnnullaMossa() {
    // Without a move to take back the record may be stale.
    if (!AnnullaAbilitato) {
        return;
    }
    AbilitaAnnulla(false);
    Sposta(UltimaMossa.MossaCarta, UltimaMossa.MossaA, UltimaMossa.MossaDa);
    AngoloCorrente = AngoloPrecedente;
    MostraSegnaposto();
    RiponiCarta(UltimaMossa.MossaCarta);
}

void TPartita::Abbandona() {
    AbilitaAnnulla(false);
    PartitaIniziata = false;
}

// ---- Pointer gestures ----

std::int16_t TPartita::PozzoSotto(const TRettangolo& carta, std::int16_t d) const {
    // Any d is safe: below -1 the search starts at pile 0, past 22 it finds none.
    for (int i = std::max(d + 1, 0); i < NumeroPozzi; ++i) {
        const TPozzo& pozzo = Pozzi[i];
        const Punto base = PosizionePozzo(pozzo.riga, pozzo.posto);
        std::int16_t QX = 0;
        std::int16_t QY = 0;
        pozzo.UltimaCartaXY(QX, QY);
        if (carta.R >= base.X && carta.L <= QX && carta.B >= base.Y && carta.T <= QY) {
            return static_cast<std::int16_t>(i);
        }
    }
    return -1;
}

void TPartita::Lascia(std::int16_t n, const TRettangolo& carta) {
    for (std::int16_t p = PozzoSotto(carta, -1); p >= 0; p = PozzoSotto(carta, p)) {
        if (MuoviCarta(n, p)) {
            break;
        }
    }
    RiponiCarta(n);
    ControllaVittoria();
}

void TPartita::DoppioClic(std::int16_t n) {
    if (!CartaInGioco(n)) {
        return;
    }
    const TDatiCarta& carta = Carte[n];
    if (carta.Coperta) {
        ScopriCarta(n);
        return;
    }
    if (carta.Valore == Asso && !Pozzi[carta.pozzo].Angolo) {
        // With every corner open no ace is left on the table; guard the index anyway.
        if (AngoloCorrente < NumeroAngoli) {
            MuoviCarta(n, Angoli[AngoloCorrente]);
            RiponiCarta(n);
        }
        return;
    }
    for (const std::int16_t angolo : Angoli) {
        const TDatiCarta* cima = Pozzi[angolo].UltimaCarta();
        if (cima != nullptr && cima->Mazzo == carta.Mazzo && cima->Valore + 1 == carta.Valore) {
            MuoviCarta(n, angolo);
            RiponiCarta(n);
            ControllaVittoria();
            return;
        }
    }
}

// ---- End of game ----

bool TPartita::Vinta() const {
    for (const std::int16_t angolo : Angoli) {
        if (Pozzi[angolo].NumeroCarte < CarteAngoloPieno) {
            return false;
        }
    }
    return true;
}

void TPartita::ControllaVittoria() {
    if (!Vinta()) {
        return;
    }
    AbilitaAnnulla(false);
    vista.MostraVittoria();
    PartitaIniziata = false;
    vista.ContaVittoria();
}

// ---- Layout ----

void TPartita::RidisponiPozzo(std::int16_t p) {
    const std::int16_t quante = Pozzi[p].NumeroCarte;
    for (std::int16_t n = 1; n <= quante; ++n) {
        vista.PosizionaCarta(p, n);
    }
}

void TPartita::RidisponiTavolo() {
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        RidisponiPozzo(p);
    }
    MostraSegnaposto();
}

void TPartita::RiponiCarta(std::int16_t n) {
    if (CartaInGioco(n)) {
        RidisponiPozzo(Carte[n].pozzo);
    }
}

void TPartita::MostraSegnaposto() {
    vista.MostraSegnaposto(AngoloCorrente >= NumeroAngoli ? -1 : Angoli[AngoloCorrente]);
}

void TPartita::AbilitaAnnulla(bool abilitato) {
    AnnullaAbilitato = abilitato;
    vista.AbilitaAnnulla(abilitato);
}

void TPartita::AbilitaRicomincia(bool abilitato) {
    RicominciaAbilitato = abilitato;
    vista.AbilitaRicomincia(abilitato);
}
