#include "timmagini.h"
#include "tbmp24.h"
#include "tscala.h"

#include "coordinate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QResource>

#include <utility>

namespace {

const QString NomeTavolo = QStringLiteral("tavolo.jpg");
const QString NomeTrama = QStringLiteral("trama.bmp");
// The game's own cloth, built into the program as the stand-in for a missing one.
const QString TavoloIncorporato = QStringLiteral(":/immagini/sfondo.jpg");
// The size of the game's own cloth, covered by the tile of its weave.
constexpr QSize MisuraTavolo(1024, 768);

QByteArray LeggiFile(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the file at `percorso` is byte for byte the game's own cloth: only
// then does the tile of its weave stand in for it. Comparing costs a read, not
// a decoding.
bool TavoloProprio(const QString& percorso) {
    const QResource proprio(TavoloIncorporato);
    QFile file(percorso);
    return proprio.isValid() && file.open(QIODevice::ReadOnly) &&
           file.size() == proprio.uncompressedSize() &&
           file.readAll() == proprio.uncompressedData();
}

// The picture in the file at `percorso`; a null picture and the reason when it
// cannot be read. The game's own pictures take the quick path; any other
// file, and every reason for a failure, come from Qt's reader.
QImage Leggi(const QString& percorso, QString& motivo) {
    const QByteArray dati = LeggiFile(percorso);
    if (TBmp24::Incompleto(dati)) {
        motivo = QStringLiteral("il file è incompleto");
        return {};
    }
    QImage letta = TBmp24::Leggi(dati);
    QImageReader lettore(percorso);
    if (letta.isNull()) {
        letta = lettore.read();
    }
    if (letta.isNull()) {
        motivo = lettore.errorString();
    }
    return letta;
}

// The picture in the file at `percorso`, which must be `misura` pixels; a null
// picture and the reason when it cannot be used.
QImage LeggiCarta(const QString& percorso, QSize misura, QString& motivo) {
    QImage letta = Leggi(percorso, motivo);
    if (letta.isNull()) {
        return {};
    }
    if (letta.size() != misura) {
        motivo = QStringLiteral("misura %1 x %2 pixel invece di %3 x %4")
                     .arg(letta.width())
                     .arg(letta.height())
                     .arg(misura.width())
                     .arg(misura.height());
        return {};
    }
    return letta;
}

// A picture of twice the pixels, shown at its logical size.
QPixmap SegnaDoppia(QImage immagine) {
    immagine.setDevicePixelRatio(TScala::Doppia);
    return QPixmap::fromImage(std::move(immagine));
}

// The 2x card picture at `percorso`; a null one when it is missing or unusable.
QPixmap LeggiDoppia(const QString& percorso) {
    if (!QFileInfo(percorso).isFile()) {
        return {};
    }
    QString motivo;
    QImage letta =
        LeggiCarta(percorso, QSize(LarghezzaCarta, AltezzaCarta) * TScala::Doppia, motivo);
    return letta.isNull() ? QPixmap() : SegnaDoppia(std::move(letta));
}

} // namespace

TImmagini::TImmagini(QString cartella, qreal rapporto)
    : cartella(std::move(cartella)), rapporto(rapporto) {}

int TImmagini::Scala() const {
    return TScala::Per(rapporto);
}

qreal TImmagini::RapportoSchermo() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

QString TImmagini::NomeDoppio(const QString& nome) {
    const qsizetype punto = nome.lastIndexOf('.');
    return nome.left(punto) + QStringLiteral("@%1x").arg(TScala::Doppia) + nome.mid(punto);
}

QString TImmagini::CartellaPredefinita() {
    return QDir(QGuiApplication::applicationDirPath()).filePath(QStringLiteral("Immagini"));
}

QString TImmagini::NomeFaccia(std::int16_t numero) {
    constexpr int Valori = 10;
    return QStringLiteral("%1%2.bmp").arg(numero / Valori).arg(numero % Valori);
}

QString TImmagini::Percorso(const QString& nome) const {
    return QDir(cartella).filePath(nome);
}

bool TImmagini::Carica() {
    CaricaTavolo();
    if (!CaricaRichiesta(QStringLiteral("mask.bmp"), Maschera) ||
        !CaricaRichiesta(QStringLiteral("Xx.bmp"), Dorso) ||
        !CaricaRichiesta(QStringLiteral("Posto.bmp"), Posto)) {
        return false;
    }
    // Only the faces shown need their 2x variants: each card reads its own (FacciaDoppia).
    for (std::int16_t numero = 0; numero < NumeroFacce; ++numero) {
        if (!CaricaSemplice(NomeFaccia(numero), Facce[numero])) {
            return false;
        }
    }
    return true;
}

std::function<QPixmap()> TImmagini::FacciaDoppia(std::int16_t numero) const {
    if (rapporto <= 1) {
        return {};
    }
    return [percorso = Percorso(NomeDoppio(NomeFaccia(numero)))] { return LeggiDoppia(percorso); };
}

void TImmagini::CaricaTavolo() {
    // The tile spares decoding the whole cloth, and loading the JPEG reader at all.
    if (TavoloProprio(Percorso(NomeTavolo))) {
        const bool doppia = rapporto > 1;
        QString motivo;
        QImage trama = Leggi(Percorso(doppia ? NomeDoppio(NomeTrama) : NomeTrama), motivo);
        if (!trama.isNull()) {
            Tavolo = TPanno(doppia ? SegnaDoppia(std::move(trama))
                                   : QPixmap::fromImage(std::move(trama)),
                            MisuraTavolo);
            return;
        }
    }
    Tavolo = TPanno(QPixmap(Percorso(NomeTavolo)));
}

bool TImmagini::CaricaRichiesta(const QString& nome, QPixmap& immagine) {
    if (!CaricaSemplice(nome, immagine)) {
        return false;
    }
    if (rapporto > 1) {
        const QPixmap doppia = LeggiDoppia(Percorso(NomeDoppio(nome)));
        if (!doppia.isNull()) {
            immagine = doppia;
        }
    }
    return true;
}

bool TImmagini::CaricaSemplice(const QString& nome, QPixmap& immagine) {
    const QString percorso = Percorso(nome);
    if (!QFileInfo(percorso).isFile()) {
        errore = QStringLiteral("Impossibile avviare il gioco: manca l'immagine \"%1\".")
                     .arg(QDir::toNativeSeparators(percorso));
        return false;
    }
    // Every card, the back, the mask and the place mark share one outline.
    QString motivo;
    const QImage letta = LeggiCarta(percorso, QSize(LarghezzaCarta, AltezzaCarta), motivo);
    if (letta.isNull()) {
        return Rifiuta(percorso, motivo);
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
