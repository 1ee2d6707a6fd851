#pragma once

// Qt
#include <QImage>
#include <QSize>

// The green cloth of the table: the game's green with a faint weave and grain.
class TTavolo {
public:
    static constexpr int Larghezza = 1024;
    static constexpr int Altezza = 768;
    static constexpr QSize Misura{Larghezza, Altezza};

    // The same seed always weaves the same cloth, so builds are reproducible.
    // `misura` is in 1x pixels; at `scala` 2 the threads keep their width in
    // them and the grain is twice as fine.
    static QImage Panno(QSize misura = Misura, int scala = 1);
};
