#pragma once

#include <QByteArray>
#include <QImage>

// Reads the pictures the game ships, uncompressed 24-bit BMP files, in one
// pass straight into the 32-bit layout that a pixmap keeps. Qt's own reader
// widens such files pixel by pixel through general colour masks, several times
// slower, and at start-up that is most of the time spent on the 43 cards'
// pictures. Any other file, and any damaged one, is left to Qt's reader.
class TBmp24 {
public:
    // The picture held in `dati`; a null image when they are not a whole,
    // uncompressed 24-bit BMP.
    static QImage Leggi(const QByteArray& dati);
    // An uncompressed BMP, of any depth, whose pixel rows run past the end of
    // the file: Qt's reader would show the part it has without a word.
    static bool Incompleto(const QByteArray& dati);
};
