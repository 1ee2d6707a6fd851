#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;

// The cloth of the table, laid from its top-left corner: a whole picture, or
// a tile of its weave repeated over the cloth's size with its shading drawn
// over it, which spares decoding a whole picture (of four times the pixels on
// a dense screen).
class TPanno {
public:
    TPanno() = default;
    explicit TPanno(QPixmap intero);
    // `trama` repeated over `misura`, in logical pixels.
    TPanno(QPixmap trama, QSize misura);

    bool isNull() const { return figura.isNull(); }
    // The logical pixels it covers.
    QSize Misura() const { return misura; }
    // The picture drawn: the whole cloth, or the tile.
    const QPixmap& Figura() const { return figura; }
    bool Ripetuto() const { return ripetuto; }
    void Dipingi(QPainter& pittore) const;

private:
    QPixmap figura;
    QSize misura;
    bool ripetuto = false;
};
