#pragma once

// Qt
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QRgb>

class QPainter;

// The card's size and rounded outline, shared by the mask and every picture
// drawn inside it. Every picture comes at two densities: `scala` 1, the
// pixels the table is laid out in, and 2 for high-density screens. Drawing is
// always in the 1x pixels; a 2x picture is an image of twice the pixels whose
// device pixel ratio is 2.
class TFormaCarta {
public:
    static constexpr int Larghezza = 69;
    static constexpr int Altezza = 125;
    static constexpr qreal Raggio = 6.0;
    // The 2x outline is smooth and must stay inside the 1x pixels the 1x mask
    // keeps, so the card has the same shape for the pointer at every scale: a
    // little rounder corner does, where a radius of 6 would poke out of them.
    static constexpr qreal RaggioDoppio = 7.5;
    static constexpr QRgb RossoMaschera = qRgb(255, 0, 0);

    static QRect Rettangolo() { return {0, 0, Larghezza, Altezza}; }
    // The outline whose inside the mask keeps.
    static QPainterPath Contorno(int scala = 1);
    // The outline moved half a pixel inwards, so a one-pixel pen stays inside the mask.
    static QPainterPath Bordo(int scala = 1);
    // Red outside the outline, white inside. At 1x with no shades in between;
    // at 2x the edge pixels blend red into white as much as the outline
    // covers them, and none lies in a 1x pixel that the 1x mask leaves red.
    static QImage Maschera(int scala = 1);
    // An empty card picture, ready for a painter.
    static QImage NuovaCarta(int scala = 1);
    // The card's ground of colour `fondo` inside a thin border, at the density
    // of the painter's picture.
    static void Fondo(QPainter& p, QRgb fondo);
    // Paints `fuori` wherever the mask of the picture's density is pure red,
    // so only the inside shows.
    static void Ritaglia(QImage& carta, QRgb fuori = RossoMaschera);

private:
    static qreal RaggioA(int scala) { return scala > 1 ? RaggioDoppio : Raggio; }
};
