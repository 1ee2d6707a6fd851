#pragma once

// Qt
#include <QImage>
#include <QSize>

// The green cloth of the table: the game's green with a faint weave and grain,
// shaded darker towards its corners.
class TTessuto {
public:
    static constexpr int Larghezza = 1024;
    static constexpr int Altezza = 768;
    static constexpr QSize Misura{Larghezza, Altezza};
    // The side of the tile of the weave, in 1x pixels: a whole number of threads.
    static constexpr int LatoTrama = 192;

    // The same seed always weaves the same cloth, so builds are reproducible.
    // `misura` is in 1x pixels; at `scala` 2 the threads keep their width in
    // them and the grain is twice as fine.
    static QImage Panno(QSize misura = Misura, int scala = 1);
    // A tile of the weave and grain alone, unshaded, that repeats with no
    // seam: the game covers its cloth with it on dense screens and draws the
    // shading over it, instead of a whole picture of four times the pixels.
    static QImage Trama(int scala);
};
