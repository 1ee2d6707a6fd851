#include "tcartella.h"

// Qt
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr int QualitaJpeg = 92;
constexpr qsizetype PosizioneBitBmp = 28; // bits per pixel in the BMP info header
constexpr quint16 BitBmp = 24;
constexpr QFile::Permissions PermessiCartella =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
    QFile::ReadOther | QFile::ExeOther;

// The folder is written beside its final place under a name of its own, so
// that two runs never write into each other's files.
QString Modello(const QString& destinazione) {
    QDir().mkpath(QFileInfo(destinazione).absolutePath());
    return destinazione + ".nuova-XXXXXX";
}

bool BmpA24Bit(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray testa = file.read(PosizioneBitBmp + 2);
    return testa.size() == PosizioneBitBmp + 2 && testa.startsWith("BM") &&
           qFromLittleEndian<quint16>(testa.constData() + PosizioneBitBmp) == BitBmp;
}

} // namespace

TCartella::TCartella(const QString& destinazione)
    : destinazione(QDir::cleanPath(destinazione)), provvisoria(Modello(this->destinazione)) {
    if (!provvisoria.isValid()) {
        Fallisce(QStringLiteral("cannot create a folder beside %1").arg(this->destinazione));
    }
}

bool TCartella::Scrivi(const QString& nome, const QImage& immagine) {
    if (!errore.isEmpty()) {
        return false;
    }
    const QString suffisso = QFileInfo(nome).suffix().toLower();
    // A picture without alpha is saved by Qt's BMP writer with 24 bits per pixel.
    const QImage daScrivere =
        suffisso == "png" ? immagine : immagine.convertToFormat(QImage::Format_RGB32);
    if (!daScrivere.save(provvisoria.filePath(nome), nullptr,
                         suffisso == "jpg" ? QualitaJpeg : -1)) {
        return Fallisce(QStringLiteral("cannot write %1").arg(nome));
    }
    if (!Verifica(nome, immagine.size())) {
        return Fallisce(QStringLiteral("%1 does not read back as written").arg(nome));
    }
    return true;
}

bool TCartella::ScriviComeJpeg(const QString& nome, const QImage& immagine) {
    QByteArray jpeg;
    QBuffer memoria(&jpeg);
    memoria.open(QIODevice::WriteOnly);
    QImage letta;
    if (immagine.convertToFormat(QImage::Format_RGB32).save(&memoria, "jpg", QualitaJpeg)) {
        letta = QImage::fromData(jpeg, "jpg");
    }
    if (letta.isNull()) {
        return Fallisce(QStringLiteral("cannot pass %1 through JPEG").arg(nome));
    }
    letta.setDevicePixelRatio(immagine.devicePixelRatio());
    return Scrivi(nome, letta);
}

bool TCartella::ScriviPixel(const QString& nome, const QImage& immagine) {
    if (!errore.isEmpty()) {
        return false;
    }
    const QImage pixel = immagine.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray dati(reinterpret_cast<const char*>(pixel.constBits()), pixel.sizeInBytes());
    QFile file(provvisoria.filePath(nome));
    if (pixel.bytesPerLine() != pixel.width() * 4 || !file.open(QIODevice::WriteOnly) ||
        file.write(dati) != dati.size() || !file.flush()) {
        return Fallisce(QStringLiteral("cannot write %1").arg(nome));
    }
    return true;
}

bool TCartella::Copia(const QString& nome, const QString& sorgente) {
    if (!errore.isEmpty()) {
        return false;
    }
    QFile originale(sorgente);
    if (!originale.open(QIODevice::ReadOnly)) {
        return Fallisce(QStringLiteral("cannot read %1").arg(sorgente));
    }
    const QByteArray contenuto = originale.readAll();
    QFile copia(provvisoria.filePath(nome));
    if (contenuto.isEmpty() || !copia.open(QIODevice::WriteOnly) ||
        copia.write(contenuto) != contenuto.size() || !copia.flush()) {
        return Fallisce(QStringLiteral("cannot copy %1").arg(sorgente));
    }
    return true;
}

bool TCartella::Concludi() {
    if (!errore.isEmpty()) {
        return false;
    }
    if (!QFile::setPermissions(provvisoria.path(), PermessiCartella) ||
        !QDir(destinazione).removeRecursively() ||
        !QDir().rename(provvisoria.path(), destinazione)) {
        return Fallisce(QStringLiteral("cannot put %1 in place").arg(destinazione));
    }
    return true;
}

bool TCartella::Fallisce(const QString& motivo) {
    if (errore.isEmpty()) {
        errore = motivo;
    }
    return false;
}

bool TCartella::Verifica(const QString& nome, QSize dimensioni) const {
    const QString percorso = provvisoria.filePath(nome);
    QImageReader lettore(percorso);
    const QByteArray formato = QFileInfo(nome).suffix().toLower().toLatin1();
    if (lettore.format() != (formato == "jpg" ? QByteArray("jpeg") : formato) ||
        lettore.read().size() != dimensioni) {
        return false;
    }
    return formato != "bmp" || BmpA24Bit(percorso);
}
