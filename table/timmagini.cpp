#include "timmagini.h"
#include "tbmp24.h"
#include "tscala.h"

#include "coordinate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include <utility>

namespace {

const QString NomeTavolo = QStringLiteral("tavolo.jpg");
const QString NomeTrama = QStringLiteral("trama.jpg");
// The size of the game's own cloth: the tile of its weave stands in for no other.
constexpr QSize MisuraTavolo(1024, 768);

// The picture in the file at `percorso`, which must be `misura` pixels; a null
// picture and the reason when it cannot be used. The game's own pictures take
// the quick path; any other file, and every reason for a failure, come from
// Qt's reader.
QImage LeggiCarta(const QString& percorso, QSize misura, QString& motivo) {
    QFile file(percorso);
    const QByteArray dati = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    for (std::int16_t numero = 0; numero < NumeroFacce; ++numero) {
        if (!CaricaRichiesta(NomeFaccia(numero), Facce[numero])) {
            return false;
        }
    }
    return true;
}

void TImmagini::CaricaTavolo() {
    // The tile spares decoding the 1x cloth, whose size is read from its header alone.
    if (rapporto > 1 && QImageReader(Percorso(NomeTavolo)).size() == MisuraTavolo) {
        QImage trama = QImageReader(Percorso(NomeDoppio(NomeTrama))).read();
        if (!trama.isNull()) {
            Tavolo = TPanno(SegnaDoppia(std::move(trama)), MisuraTavolo);
            return;
        }
    }
    Tavolo = TPanno(QPixmap(Percorso(NomeTavolo)));
}

bool TImmagini::CaricaRichiesta(const QString& nome, QPixmap& immagine) {
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
    if (rapporto > 1) {
        CaricaDoppia(nome, immagine);
    }
    return true;
}

void TImmagini::CaricaDoppia(const QString& nome, QPixmap& immagine) {
    const QString percorso = Percorso(NomeDoppio(nome));
    if (!QFileInfo(percorso).isFile()) {
        return;
    }
    QString motivo;
    QImage letta =
        LeggiCarta(percorso, QSize(LarghezzaCarta, AltezzaCarta) * TScala::Doppia, motivo);
    if (!letta.isNull()) {
        immagine = SegnaDoppia(std::move(letta));
    }
}

bool TImmagini::Rifiuta(const QString& percorso, const QString& motivo) {
    errore = QStringLiteral("Impossibile avviare il gioco: l'immagine \"%1\" non si può "
                            "usare (%2).")
                 .arg(QDir::toNativeSeparators(percorso), motivo);
    return false;
}
