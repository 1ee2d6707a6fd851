#include "timmagini.h"
#include "tbmp24.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <utility>

TImmagini::TImmagini(QString cartella) : cartella(std::move(cartella)) {}

QString TImmagini::CartellaPredefinita() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Immagini"));
}

QString TImmagini::NomeFaccia(std::int16_t numero) {
    constexpr int Valori = 10;
    return QStringLiteral("%1%2.bmp").arg(numero / Valori).arg(numero % Valori);
}

QString TImmagini::Percorso(const QString& nome) const {
    return QDir(cartella).filePath(nome);
}

bool TImmagini::Carica() {
    Tavolo = QPixmap(Percorso(QStringLiteral("tavolo.jpg")));
    if (!CaricaRichiesta(QStringLiteral("mask.bmp"), Maschera) ||
        !CaricaRichiesta(QStringLiteral("Xx.bmp"), Dorso) ||
        !CaricaRichiesta(QStringLiteral("Posto.bmp"), Posto)) {
        return false;
    }
    for (std::int16_t numero = 0; numero < NumeroFacce; ++numero) {
        if (!CaricaRichiesta(NomeFaccia(numero), Facce[numero])) {
            return false;
        }
    }
    return true;
}

bool TImmagini::CaricaRichiesta(const QString& nome, QPixmap& immagine) {
    const QString percorso = Percorso(nome);
    if (!QFileInfo(percorso).isFile()) {
        errore = QStringLiteral("Impossibile avviare il gioco: manca l'immagine \"%1\".")
                     .arg(QDir::toNativeSeparators(percorso));
        return false;
    }
    // The game's own pictures take the quick path; any other file, and every
    // reason for a failure, come from Qt's reader.
    QFile file(percorso);
    QImage letta = file.open(QIODevice::ReadOnly) ? TBmp24::Leggi(file.readAll()) : QImage();
    QImageReader lettore(percorso);
    if (letta.isNull()) {
        letta = lettore.read();
    }
    if (letta.isNull()) {
        errore = QStringLiteral("Impossibile avviare il gioco: l'immagine \"%1\" non si può "
                                "leggere (%2).")
                     .arg(QDir::toNativeSeparators(percorso), lettore.errorString());
        return false;
    }
    immagine = QPixmap::fromImage(letta);
    return true;
}
