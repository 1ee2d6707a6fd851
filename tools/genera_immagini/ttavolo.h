#pragma once

// Qt
#include <QImage>

// The green cloth of the table: the game's green with a faint weave and grain.
class TTavolo {
public:
    static constexpr int Larghezza = 1024;
    static constexpr int Altezza = 768;

    // The same seed always weaves the same cloth, so builds are reproducible.
    static QImage Panno(int larghezza = Larghezza, int altezza = Altezza);
};
