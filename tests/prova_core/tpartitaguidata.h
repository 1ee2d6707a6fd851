#pragma once

#include "tistantanea.h"
#include "tlettorebyte.h"
#include "tpartita.h"
#include "tvistacontrollata.h"

#include <cstdint>

// A game whose deal and gestures come from a sequence of bytes: the fuzzer's,
// or a seeded generator's in the random-games test. It drops only a card that
// could be grabbed, as the window does, but otherwise calls the game with any
// card, pile, position and rectangle, and checks every rule after every step.
class TPartitaGuidata {
public:
    explicit TPartitaGuidata(TLettoreByte& lettore);

    // Plays until the bytes run out; throws TViolazione at the first broken rule.
    void Gioca();

    const TPartita& Partita() const { return partita; }

    // How much of the game the bytes reached.
    int mosse = 0;
    int annullate = 0;
    int Vittorie() const { return vista.vittorie; }

private:
    enum class TAzione : std::uint8_t {
        Muovi,
        Lascia,
        DoppioClic,
        Scopri,
        Annulla,
        Ricomincia,
        Nuova,
        Sotto,
        CartaDelPozzo,
        Percorso,
        GuastaRegistro,
        Ridimensiona,
        Ridisponi,
        Spazza,
        Quante
    };

    void Esegui(TAzione azione);
    void Muovi();
    void Gesto(TAzione azione);
    template <typename Azione> void Tocca(std::int16_t n, Azione azione);
    void Spazza();
    bool VaInAngolo(const TDatiCarta& carta) const;
    void Scopri();
    void Annulla();
    void Distribuisci(bool nuova);
    void Sotto();
    void CartaDelPozzo();
    void Percorso();
    void GuastaRegistro();
    void Ridisponi();

    std::int16_t LeggiCarta();
    bool Coperta(std::int16_t n) const;
    TRettangolo LeggiRettangolo();
    void Verifica() const;
    void VerificaDistribuzione() const;

    TLettoreByte& lettore;
    TVistaControllata vista;
    TPartita partita;
    TIstantanea distribuzione; // the table right after the last new deal
    TIstantanea primaDellaMossa;
    bool registroIntegro = true; // no deal record was damaged since the last new deal
};
