#include "core_posizione.h"

#include <QStringList>

#include <set>
#include <stdexcept>

namespace {

constexpr std::int16_t ValoriPerSeme = 10;
const QString Semi = QStringLiteral("abcd");

std::set<std::int16_t> DisponiPozzi(TPartita& partita, const QString& posizione) {
    for (TDatiCarta& carta : partita.Carte) {
        carta.pozzo = -1;
        carta.Coperta = false;
    }
    for (TPozzo& pozzo : partita.Pozzi) {
        pozzo.Dispose(true);
    }
    std::set<std::int16_t> nominati;
    for (const QString& parte : posizione.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList campi = parte.split(u':');
        bool ok = false;
        const int p = campi.value(0).trimmed().toInt(&ok);
        if (campi.size() != 2 || !ok || p < 0 || p >= NumeroPozzi) {
            throw std::invalid_argument("bad pile in position");
        }
        nominati.insert(static_cast<std::int16_t>(p));
        for (QString nome : campi[1].split(u' ', Qt::SkipEmptyParts)) {
            const bool coperta = nome.startsWith(u'x');
            const std::int16_t n = NumeroCarta(coperta ? nome.mid(1) : nome);
            if (n < 0 || partita.Carte[n].pozzo >= 0) {
                throw std::invalid_argument("bad or repeated card in position");
            }
            partita.Carte[n].pozzo = static_cast<std::int16_t>(p);
            partita.Carte[n].Coperta = coperta;
            partita.Pozzi[p].AggiungiCarta(&partita.Carte[n]);
        }
    }
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

} // namespace

std::int16_t NumeroCarta(const QString& nome) {
    bool ok = false;
    const int valore = nome.chopped(1).toInt(&ok);
    const auto seme = static_cast<int>(Semi.indexOf(nome.right(1)));
    if (nome.size() < 2 || !ok || valore < 1 || valore > ValoriPerSeme || seme < 0) {
        return -1;
    }
    return static_cast<std::int16_t>(seme * ValoriPerSeme + valore - 1);
}

QString NomeCarta(std::int16_t numero) {
    return QString::number(numero % ValoriPerSeme + 1) + Semi[numero / ValoriPerSeme];
}

void Disponi(TPartita& partita, const QString& posizione) {
    DisponiPozzi(partita, posizione);
}

void DisponiChiuso(TPartita& partita, const QString& posizione) {
    const std::set<std::int16_t> nominati = DisponiPozzi(partita, posizione);
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
        partita.Carte[libera].pozzo = p;
        partita.Carte[libera].Coperta = true;
        partita.Pozzi[p].AggiungiCarta(&partita.Carte[libera]);
    }
}

QString Descrivi(const TPartita& partita) {
    QStringList pozzi;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        if (pozzo.NumeroCarte == 0) {
            continue;
        }
        QString testo = QString::number(p) + u':';
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TDatiCarta* carta = pozzo.Carta(k);
            testo += u' ' + QString(carta->Coperta ? "x" : "") + NomeCarta(carta->numero);
        }
        pozzi << testo;
    }
    return pozzi.join(QStringLiteral(" | "));
}
