#pragma once

// Qt
#include <QPointF>
#include <QRgb>

class QPainter;

// The three figures of each suit: fante (a standing page), cavallo (a rider on
// his horse) and re (a crowned king), each holding the sign of the suit.
class TFigure {
public:
    static void Disegna(QPainter& p, int mazzo, int valore);

private:
    static void Fante(QPainter& p, int mazzo);
    static void Cavallo(QPainter& p, int mazzo);
    static void Re(QPainter& p, int mazzo);

    static void Testa(QPainter& p, QPointF centro, qreal raggio, bool barba);
    static void Braccio(QPainter& p, QPointF spalla, QPointF mano, QRgb manica);
    static void Corona(QPainter& p, QPointF centro, qreal larghezza);
};
