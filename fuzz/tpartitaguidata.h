#pragma once

#include "tfotografia.h"
#include "tlettorebyte.h"
#include "tpartita.h"
#include "tvistacontrollata.h"

#include <cstdint>

// A game whose deal and gestures come from the fuzzer's bytes. It drops only
// a card that could be grabbed, as the window does, but otherwise calls the
// game with any card, pile, position and rectangle, and checks every rule
// after every step.
class TPartitaGuidata {
public:
    explicit TPartitaGuidata(TLettoreByte& lettore);

    // Plays until the bytes run out; aborts at the first broken rule.
    void Gioca();

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
        Quante
    };

    void Esegui(TAzione azione);
    void Muovi();
    void Gesto(TAzione azione);
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
    TFotografia distribuzione; // the table right after the last new deal
    TFotografia primaDellaMossa;
    bool registroIntegro = true; // no deal record was damaged since the last new deal
};
