#pragma once

// Qt
#include <QImage>

// Standard library
#include <array>

class QPainter;

// The game's own marks: the window icon, the logo of the about window and the
// grabbing hand shown while a card is dragged.
class TMarchio {
public:
    static constexpr int LarghezzaLogo = 164;
    static constexpr int AltezzaLogo = 50;
    static constexpr int LatoMano = 32;
    // The icon comes in the sizes desktops ask for, smallest first.
    static constexpr std::array<int, 7> LatiIcona = {16, 24, 32, 48, 64, 128, 256};

    // A fanned pair of cards on green, `lato` pixels square.
    static QImage Icona(int lato);
    // The logo and the hand come at `scala` 1 and 2, like the card pictures:
    // twice the pixels, with a device pixel ratio of 2.
    static QImage Logo(int scala = 1);
    // A closed hand, black outline on white, transparent around it.
    static QImage Mano(int scala = 1);

private:
    // Two cards fanned from a common corner, drawn in a box 100 units tall.
    static void Ventaglio(QPainter& p);
};
