#pragma once

// Qt
#include <QImage>
#include <QPoint>

class QPainter;

// A contact sheet of every picture on the table's cloth, to judge the deck at a glance.
class TFoglio {
public:
    static QImage Disegna();

private:
    static int Facce(QPainter& p, int y);
    static int Speciali(QPainter& p, int y);
    static int Marchi(QPainter& p, int y);
    static int Ingranditi(QPainter& p, int y);
    static int Doppi(QPainter& p, int y);
    static void Mucchio(QPainter& p, QPoint base, int mazzo);
    static void Didascalia(QPainter& p, QPoint sotto, const QString& testo);
};
