#pragma once

// Qt
#include <QImage>

class QPainter;

// A contact sheet of every picture on the table's cloth, to judge the deck at a glance.
class TFoglio {
public:
    static QImage Disegna();

private:
    static void Facce(QPainter& p);
    static void Speciali(QPainter& p);
    static void Ventagli(QPainter& p);
    static void Marchi(QPainter& p);
    static void Didascalia(QPainter& p, QPointF dove, const QString& testo);
};
