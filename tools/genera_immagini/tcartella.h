#pragma once

// Qt
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// Writes a folder of pictures aside, checks every file by reading it back, and
// only then puts it in place of the old one: a failure leaves no half folder.
class TCartella {
public:
    explicit TCartella(const QString& destinazione);

    // The picture's format follows the name's ending: .bmp (24 bits), .jpg or .png.
    bool Scrivi(const QString& nome, const QImage& immagine);
    // Writes the pixels that the picture's JPEG file would read back as, so
    // that they look as a JPEG's do with no JPEG to decode.
    bool ScriviComeJpeg(const QString& nome, const QImage& immagine);
    // Writes the picture's bare pixels, premultiplied ARGB, row after row: the
    // program shows them straight from its own bytes, with nothing to decode.
    bool ScriviPixel(const QString& nome, const QImage& immagine);
    bool Copia(const QString& nome, const QString& sorgente);
    bool Concludi();
    QString Errore() const { return errore; }

private:
    bool Fallisce(const QString& motivo);
    bool Verifica(const QString& nome, QSize dimensioni) const;

    QString destinazione;
    QTemporaryDir provvisoria;
    QString errore;
};
