#include "tpartitaguidata.h"

#include "coordinate.h"
#include "invarianti.h"
#include "percorsoatteso.h"
#include "tviolazione.h"

#include <stdexcept>
#include <string>

namespace {

constexpr std::int16_t UltimoPozzo = NumeroPozzi - 1;
// Heights of the client area up to twice a large screen, for the resize rule.
constexpr int PassoAltezza = 8;
constexpr std::uint8_t LunghezzaRegistroMassima = 32;
// Bytes below this one pick a character that a deal record may hold.
constexpr std::uint8_t SogliaByteQualsiasi = 224;

} // namespace

TPartitaGuidata::TPartitaGuidata(TLettoreByte& lettore)
    : lettore(lettore), partita(vista, TCasuale([&lettore] { return lettore.Reale(); })) {
    vista.Osserva(partita);
    vista.registra = false;
}

void TPartitaGuidata::Gioca() {
    // The margin is shared by the whole program; every input starts afresh.
    MargineAlto = MargineIniziale;
    Distribuisci(true);
    while (!lettore.Finito()) {
        const auto azione =
            static_cast<TAzione>(lettore.Byte() % static_cast<std::uint8_t>(TAzione::Quante));
        Esegui(azione);
        Verifica();
    }
}

void TPartitaGuidata::Esegui(TAzione azione) {
    switch (azione) {
    case TAzione::Muovi:
        return Muovi();
    case TAzione::Lascia:
    case TAzione::DoppioClic:
        return Gesto(azione);
    case TAzione::Scopri:
        return Scopri();
    case TAzione::Annulla:
        return Annulla();
    case TAzione::Ricomincia:
        return Distribuisci(false);
    case TAzione::Nuova:
        return Distribuisci(true);
    case TAzione::Sotto:
        return Sotto();
    case TAzione::CartaDelPozzo:
        return CartaDelPozzo();
    case TAzione::Percorso:
        return Percorso();
    case TAzione::GuastaRegistro:
        return GuastaRegistro();
    case TAzione::Ridimensiona:
        MargineAlto = MargineDaAltezza(lettore.Byte() * PassoAltezza);
        return;
    case TAzione::Ridisponi:
        return Ridisponi();
    case TAzione::Spazza:
        return Spazza();
    case TAzione::Quante:
        break;
    }
    throw TViolazione("an action out of the list");
}

std::int16_t TPartitaGuidata::LeggiCarta() {
    // Half the time the top card of a pile, which a player would most often touch.
    if (lettore.Byte() % 2 == 0) {
        const TDatiCarta* cima = partita.Pozzi[lettore.Byte() % NumeroPozzi].UltimaCarta();
        return cima == nullptr ? -1 : cima->numero;
    }
    return lettore.Indice(-2, NumeroCarteMazzo + 1);
}

bool TPartitaGuidata::Coperta(std::int16_t n) const {
    return n >= 0 && n < NumeroCarteMazzo && partita.Carte[n].Coperta;
}

TRettangolo TPartitaGuidata::LeggiRettangolo() {
    if (lettore.Byte() % 2 == 0) {
        return {lettore.Intero16(), lettore.Intero16(), lettore.Intero16(), lettore.Intero16()};
    }
    // Most drops land close to a pile, a card's size apart.
    const std::int16_t p = lettore.Byte() % NumeroPozzi;
    const Punto base = PosizionePozzo(p / 8, p % 8);
    const int L = base.X + static_cast<std::int8_t>(lettore.Byte());
    const int T = base.Y + static_cast<std::int8_t>(lettore.Byte());
    return {Verifica16(L), Verifica16(T), Verifica16(L + LarghezzaCarta),
            Verifica16(T + AltezzaCarta)};
}

void TPartitaGuidata::Muovi() {
    const std::int16_t n = LeggiCarta();
    const std::int16_t T = lettore.Indice(-2, NumeroPozzi + 1);
    const TIstantanea prima = TIstantanea::Di(partita);
    const bool prendibile = !Coperta(n) && partita.PuoPrendere(n);
    const bool mossa = partita.MuoviCarta(n, T);
    if (!mossa) {
        Pretendi(TIstantanea::Di(partita) == prima, "a refused move changes nothing");
        return;
    }
    Pretendi(prendibile, "only a face-up card that may be picked up moves");
    const TPozzo& meta = partita.Pozzi[T];
    Pretendi(meta.UltimaCarta() == &partita.Carte[n], "a moved card tops its new pile");
    Pretendi(partita.UltimaMossa.MossaCarta == n && partita.UltimaMossa.MossaA == T,
             "a move is recorded for undo");
    Pretendi(partita.PartitaIniziata && vista.annulla && vista.ricomincia,
             "a move starts the game and enables undo and restart");
    primaDellaMossa = prima;
    ++mosse;
}

void TPartitaGuidata::Gesto(TAzione azione) {
    const std::int16_t n = LeggiCarta();
    if (azione == TAzione::DoppioClic) {
        Tocca(n, [&] { partita.DoppioClic(n); });
        return;
    }
    // Only a grabbed card is ever dropped, and only a face-up card is grabbed.
    if (Coperta(n) || !partita.PuoPrendere(n)) {
        return;
    }
    const TRettangolo carta = LeggiRettangolo();
    Tocca(n, [&] { partita.Lascia(n, carta); });
}

// Double-clicks every top card of the table that a hurried player would send
// home or turn up: the way deep into a game, up to a win.
void TPartitaGuidata::Spazza() {
    for (const TPozzo& pozzo : partita.Pozzi) {
        const TDatiCarta* cima = pozzo.UltimaCarta();
        if (cima != nullptr && !pozzo.Angolo && (cima->Coperta || VaInAngolo(*cima))) {
            const std::int16_t n = cima->numero;
            Tocca(n, [&] { partita.DoppioClic(n); });
        }
    }
}

bool TPartitaGuidata::VaInAngolo(const TDatiCarta& carta) const {
    if (carta.Valore == 1) {
        return true;
    }
    for (const std::int16_t angolo : TPartita::Angoli) {
        const TDatiCarta* cima = partita.Pozzi[angolo].UltimaCarta();
        if (cima != nullptr && cima->Mazzo == carta.Mazzo && cima->Valore + 1 == carta.Valore) {
            return true;
        }
    }
    return false;
}

// A gesture on card n either moves that card, to be taken back by undo, or
// at most turns it up; a win it brings is counted once.
template <typename Azione> void TPartitaGuidata::Tocca(std::int16_t n, Azione azione) {
    const TIstantanea prima = TIstantanea::Di(partita);
    const int vittorie = vista.vittorie;
    const bool vintaPrima = partita.Vinta();
    const bool carta = n >= 0 && n < NumeroCarteMazzo;
    const std::int16_t da = carta ? partita.Carte[n].pozzo : -1;
    azione();
    TIstantanea dopo = TIstantanea::Di(partita);
    if (!dopo.StessiPozzi(prima)) {
        Pretendi(carta && partita.Carte[n].pozzo != da, "only the touched card moves");
        Pretendi(partita.AnnullaAbilitato, "a move can be undone");
        primaDellaMossa = prima;
        ++mosse;
    } else {
        if (dopo.coperte != prima.coperte) {
            Pretendi(carta && Coperta(n) != prima.coperte[n], "only the touched card turns up");
            dopo.coperte[n] = prima.coperte[n];
        }
        Pretendi(dopo == prima, "a gesture without a move changes at most a face");
    }
    const bool nuovaVittoria = !vintaPrima && partita.Vinta();
    Pretendi(vista.vittorie == vittorie + (nuovaVittoria ? 1 : 0),
             "a win is counted once, when it happens");
    if (nuovaVittoria) {
        Pretendi(!partita.PartitaIniziata && !vista.annulla, "a won game is over and final");
    }
}

void TPartitaGuidata::Scopri() {
    const std::int16_t n = LeggiCarta();
    // A card a damaged record left off the table keeps its face from the last game.
    const bool scopribile = Coperta(n) && partita.Carte[n].pozzo >= 0 &&
                            partita.Pozzi[partita.Carte[n].pozzo].NumeroCarte == 1;
    TIstantanea attesa = TIstantanea::Di(partita);
    partita.ScopriCarta(n);
    if (scopribile) {
        attesa.coperte[n] = false;
        Pretendi(!vista.annulla, "turning a card up forbids undo");
    }
    Pretendi(TIstantanea::Di(partita) == attesa, "only a lone face-down card turns up");
}

void TPartitaGuidata::Annulla() {
    const bool possibile = partita.AnnullaAbilitato;
    const TIstantanea prima = TIstantanea::Di(partita);
    partita.AnnullaMossa();
    if (!possibile) {
        Pretendi(TIstantanea::Di(partita) == prima, "undo with nothing to undo changes nothing");
        return;
    }
    Pretendi(TIstantanea::Di(partita) == primaDellaMossa, "undo restores the exact prior table");
    Pretendi(!vista.annulla, "a move is undone once");
    ++annullate;
}

void TPartitaGuidata::Distribuisci(bool nuova) {
    partita.Distribuisci(nuova);
    Pretendi(!partita.PartitaIniziata && !vista.annulla && !vista.ricomincia &&
                 partita.AngoloCorrente == 0,
             "a deal starts an untouched game");
    if (nuova) {
        registroIntegro = true;
        distribuzione = TIstantanea::Di(partita);
        VerificaDistribuzione();
    } else if (registroIntegro) {
        Pretendi(TIstantanea::Di(partita) == distribuzione, "a restart lays out the same deal");
    }
}

void TPartitaGuidata::VerificaDistribuzione() const {
    for (const TPozzo& pozzo : partita.Pozzi) {
        if (pozzo.Angolo) {
            Pretendi(pozzo.NumeroCarte == 0 && pozzo.CartePartenza.empty(),
                     "a deal leaves the corners empty");
            continue;
        }
        Pretendi(pozzo.NumeroCarte == 2, "a deal gives every table pile two cards");
        Pretendi(pozzo.Carta(1)->Coperta && !pozzo.Carta(2)->Coperta,
                 "a dealt pile is one card down, one up");
        const std::string registro = "," + std::to_string(pozzo.Carta(1)->numero) + "," +
                                     std::to_string(pozzo.Carta(2)->numero);
        Pretendi(pozzo.CartePartenza == registro, "the deal record names the dealt cards");
    }
}

void TPartitaGuidata::Sotto() {
    const TRettangolo carta = LeggiRettangolo();
    const std::int16_t d = static_cast<std::int16_t>(lettore.Byte() % (NumeroPozzi + 1) - 1);
    const std::int16_t p = partita.PozzoSotto(carta, d);
    Pretendi(p == -1 || (p > d && p <= UltimoPozzo), "the pile under a card comes after d");
}

void TPartitaGuidata::CartaDelPozzo() {
    TPozzo& pozzo = partita.Pozzi[lettore.Byte() % NumeroPozzi];
    const std::int16_t c = lettore.Indice(-2, 12);
    const bool dentro = c >= 1 && c <= pozzo.NumeroCarte;
    try {
        Pretendi(pozzo.Carta(c) != nullptr && dentro, "a position in the pile holds a card");
    } catch (const std::out_of_range&) {
        Pretendi(!dentro, "a position outside the pile is an out-of-range error");
    }
    if (dentro) {
        return;
    }
    const TIstantanea prima = TIstantanea::Di(partita);
    try {
        pozzo.Carta(c, &partita.Carte[0]);
        throw TViolazione("writing outside the pile is an out-of-range error");
    } catch (const std::out_of_range&) {
        Pretendi(TIstantanea::Di(partita) == prima, "a refused write changes nothing");
    }
}

void TPartitaGuidata::Percorso() {
    const std::int16_t n = LeggiCarta();
    const std::int16_t T = lettore.Indice(-2, NumeroPozzi + 1);
    const TIstantanea prima = TIstantanea::Di(partita);
    const bool esiste = partita.EsistePercorso(n, T);
    const bool inGioco = n >= 0 && n < NumeroCarteMazzo && partita.Carte[n].pozzo >= 0;
    if (inGioco && T >= 0 && T <= UltimoPozzo) {
        Pretendi(esiste == PercorsoAtteso(partita, n, T), "the path search finds every path");
    } else {
        Pretendi(!esiste, "no path for a card or pile that is not on the table");
    }
    Pretendi(TIstantanea::Di(partita) == prima, "a path search moves nothing");
}

void TPartitaGuidata::GuastaRegistro() {
    // Digits, commas and signs make records that almost parse; any byte may follow.
    static constexpr char quasi[] = ",,,0123456789-+ ";
    TPozzo& pozzo = partita.Pozzi[lettore.Byte() % NumeroPozzi];
    const std::uint8_t lunghezza = lettore.Byte() % LunghezzaRegistroMassima;
    std::string registro;
    for (std::uint8_t i = 0; i < lunghezza; ++i) {
        const std::uint8_t b = lettore.Byte();
        registro += b < SogliaByteQualsiasi ? quasi[b % (sizeof quasi - 1)] : static_cast<char>(b);
    }
    pozzo.CartePartenza = registro;
    registroIntegro = false;
}

// Laying cards out again, as a resize or a released right button does,
// only moves them on screen.
void TPartitaGuidata::Ridisponi() {
    const TIstantanea prima = TIstantanea::Di(partita);
    const std::uint8_t quale = lettore.Byte();
    if (quale % 2 == 0) {
        partita.RidisponiTavolo();
    } else {
        partita.RiponiCarta(LeggiCarta());
    }
    Pretendi(TIstantanea::Di(partita) == prima, "laying out again moves no card between piles");
}

void TPartitaGuidata::Verifica() const {
    VerificaCollocazione(partita);
    if (registroIntegro) {
        VerificaRegole(partita);
    }
    Pretendi(partita.AnnullaAbilitato == vista.annulla &&
                 partita.RicominciaAbilitato == vista.ricomincia,
             "the menu mirrors the game");
}
