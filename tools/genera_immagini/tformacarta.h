#pragma once

// Qt
#include <QImage>
#include <QPainterPath>
#include <QRgb>

class QPainter;

// The card's size and rounded outline, shared by the mask and every picture
// drawn inside it.
class TFormaCarta {
public:
    static constexpr int Larghezza = 69;
    static constexpr int Altezza = 125;
    static constexpr qreal Raggio = 6.0;
    static constexpr QRgb RossoMaschera = qRgb(255, 0, 0);

    // The outline whose inside the mask keeps.
    static QPainterPath Contorno();
    // The outline moved half a pixel inwards, so a one-pixel pen stays inside the mask.
    static QPainterPath Bordo();
    // Red outside the outline, white inside, with no shades in between.
    static QImage Maschera();
    // An empty card picture, ready for a painter.
    static QImage NuovaCarta();
    // The card's ground of colour `fondo` inside a thin border.
    static void Fondo(QPainter& p, QRgb fondo);
    // Paints `fuori` wherever the mask is red, so only the inside shows.
    static void Ritaglia(QImage& carta, QRgb fuori = RossoMaschera);
};
