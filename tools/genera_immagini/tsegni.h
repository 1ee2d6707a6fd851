#pragma once

// Qt
#include <QPointF>
#include <QRgb>

class QPainter;

// The four suit signs, drawn as vector shapes at any size and angle.
class TSegni {
public:
    enum Seme { Coppe = 0, Denari = 1, Spade = 2, Bastoni = 3 };
    static constexpr int NumeroSemi = 4;

    // Draws the sign of suit `mazzo` centred on `centro`, `altezza` pixels tall,
    // turned by `angolo` degrees clockwise.
    static void Disegna(QPainter& p, int mazzo, QPointF centro, qreal altezza, qreal angolo = 0);
    // The colour that names the suit in the card's index.
    static QRgb Colore(int mazzo);

private:
    // Each sign is designed in a box 100 units tall centred on the origin;
    // `pixel` is the size of one unit, for pens that stay one pixel wide.
    static void Coppa(QPainter& p, qreal pixel);
    static void Denaro(QPainter& p, qreal pixel);
    static void Spada(QPainter& p, qreal pixel);
    static void Bastone(QPainter& p, qreal pixel);
};
