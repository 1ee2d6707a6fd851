#pragma once

class QPainter;
class QRect;

// The cloth's shading: darker towards its far corners, as under a lamp. The
// picture generator draws it over the 1x cloth, and the table over the
// repeated tile of the weave, so the two look alike.
class TVignettatura {
public:
    // How much darker the far corners are than the centre.
    static constexpr double Intensita = 0.16;

    // Darkens `panno` by Intensita times the square of each point's distance
    // from its centre, over that of its corners.
    static void Dipingi(QPainter& pittore, const QRect& panno);
};
