#include "tscheggia.h"

#include <QList>
#include <QtGlobal>

#include <algorithm>

std::optional<TScheggia> TScheggia::Leggi(const QByteArray& testo) {
    if (testo.isEmpty()) {
        return TScheggia(0, 1);
    }
    const QList<QByteArray> parti = testo.split('/');
    if (parti.size() != 2) {
        return std::nullopt;
    }
    bool indiceLetto = false;
    bool numeroLetto = false;
    const uint indice = parti[0].toUInt(&indiceLetto);
    const uint numero = parti[1].toUInt(&numeroLetto);
    // toUInt also takes signs and blanks; only plain digits are meant.
    const auto cifre = [](const QByteArray& parte) {
        return std::all_of(parte.begin(), parte.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!indiceLetto || !numeroLetto || !cifre(parti[0]) || !cifre(parti[1]) || indice >= numero) {
        return std::nullopt;
    }
    return TScheggia(indice, numero);
}

std::optional<TScheggia> TScheggia::LeggiAmbiente() {
    return Leggi(qgetenv("SOLVINTRA_SCHEGGIA"));
}
