#pragma once

// Qt
#include <QImage>
#include <QPointF>
#include <QRectF>

class QPainter;

// A card face: cream ground, thin border, the index in two corners and either
// the pips (values 1 to 7) or a figure (8 fante, 9 cavallo, 10 re).
class TFaccia {
public:
    static constexpr int ValoreMassimo = 10;
    static constexpr int PrimaFigura = 8;

    static QImage Disegna(int mazzo, int valore, int scala = 1);

private:
    static void Indici(QPainter& p, int mazzo, int valore);
    static void Indice(QPainter& p, int mazzo, int valore, const QRectF& cifra, QPointF segno);
    static void Semi(QPainter& p, int mazzo, int valore);
    static void Cartiglio(QPainter& p, int mazzo);
};
