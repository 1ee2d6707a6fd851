#pragma once

// Qt
#include <QImage>

// The pictures that are not faces: the back and the mark of the empty place
// where the next ace goes.
class TDorsoEPosto {
public:
    static QImage Dorso(int scala = 1);
    static QImage Posto(int scala = 1);
};
