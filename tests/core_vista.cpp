#include "core_vista.h"

#include "tpartita.h"

void TVistaRegistrata::PosizionaCarta(std::int16_t pozzo, std::int16_t n) {
    Eventi << QStringLiteral("posiziona %1 %2").arg(pozzo).arg(n);
}

void TVistaRegistrata::MostraSegnaposto(std::int16_t pozzo) {
    Eventi << QStringLiteral("segnaposto %1").arg(pozzo);
}

void TVistaRegistrata::AggiornaCarta(std::int16_t numero) {
    Eventi << QStringLiteral("aggiorna %1").arg(numero);
}

void TVistaRegistrata::AbilitaAnnulla(bool abilitato) {
    Eventi << QStringLiteral("annulla %1").arg(int(abilitato));
}

void TVistaRegistrata::AbilitaRicomincia(bool abilitato) {
    Eventi << QStringLiteral("ricomincia %1").arg(int(abilitato));
}

void TVistaRegistrata::MostraVittoria() {
    const bool inCorso = Partita != nullptr && Partita->PartitaIniziata;
    Eventi << (inCorso ? QStringLiteral("vittoria in corso") : QStringLiteral("vittoria"));
}

void TVistaRegistrata::ContaVittoria() {
    Eventi << QStringLiteral("conta");
}
