#include "tstatistiche.h"
#include "timpostazioni.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace {

const QString Nessuna = QStringLiteral("0");

QString Chiave(std::int16_t indice) {
    return QStringLiteral("stat") + QString::number(indice);
}

// Whatever the file holds, a valid count: the statistics must never show a
// negative number of games or a share above 100%.
std::int16_t Conteggio(const QString& testo) {
    bool numero = false;
    const double valore = testo.trimmed().toDouble(&numero);
    if (!numero || std::isnan(valore)) {
        return 0;
    }
    return static_cast<std::int16_t>(
        std::clamp(std::floor(valore), 0.0, static_cast<double>(TStatistiche::Massimo)));
}

} // namespace

std::int16_t TStatistiche::LeggiStatistica(std::int16_t indice) {
    return Conteggio(TImpostazioni::LeggiImpostazione(Chiave(indice), Nessuna));
}

void TStatistiche::ScriviStatistica(std::int16_t indice, std::int16_t conteggio) {
    TImpostazioni::SalvaImpostazione(Chiave(indice), QString::number(conteggio));
}

void TStatistiche::IncrementaStatistica(std::int16_t indice) {
    TImpostazioni::AggiornaImpostazione(Chiave(indice), Nessuna, [](const QString& attuale) {
        const std::int16_t conteggio = Conteggio(attuale);
        return QString::number(conteggio < Massimo ? conteggio + 1 : Massimo);
    });
}
