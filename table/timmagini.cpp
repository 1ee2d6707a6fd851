#include "timmagini.h"
#include "tbmp24.h"

#include "coordinate.h"

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
    const QByteArray dati = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (TBmp24::Incompleto(dati)) {
        return Rifiuta(percorso, QStringLiteral("il file è incompleto"));
    }
    QImage letta = TBmp24::Leggi(dati);
    QImageReader lettore(percorso);
    if (letta.isNull()) {
        letta = lettore.read();
    }
    if (letta.isNull()) {
        return Rifiuta(percorso, lettore.errorString());
    }
    // Every card, the back, the mask and the place mark share one outline.
    if (letta.size() != QSize(LarghezzaCarta, AltezzaCarta)) {
        return Rifiuta(percorso, QStringLiteral("misura %1 x %2 pixel invece di %3 x %4")
                                     .arg(letta.width())
                                     .arg(letta.height())
                                     .arg(LarghezzaCarta)
                                     .arg(AltezzaCarta));
    }
    immagine = QPixmap::fromImage(letta);
    return true;
}

bool TImmagini::Rifiuta(const QString& percorso, const QString& motivo) {
    errore = QStringLiteral("Impossibile avviare il gioco: l'immagine \"%1\" non si può "
                            "usare (%2).")
                 .arg(QDir::toNativeSeparators(percorso), motivo);
    return false;
}
