#include "tformacarta.h"
#include "ttavolozza.h"

// Qt
#include <QPainter>

QPainterPath TFormaCarta::Contorno(int scala) {
    QPainterPath contorno;
    contorno.addRoundedRect(QRectF(Rettangolo()), RaggioA(scala), RaggioA(scala));
    return contorno;
}

QPainterPath TFormaCarta::Bordo(int scala) {
    QPainterPath bordo;
    const qreal raggio = RaggioA(scala) - 0.5;
    bordo.addRoundedRect(QRectF(0.5, 0.5, Larghezza - 1, Altezza - 1), raggio, raggio);
    return bordo;
}

QImage TFormaCarta::Maschera(int scala) {
    QImage maschera = NuovaCarta(scala);
    {
        QPainter p(&maschera);
        p.setRenderHint(QPainter::Antialiasing, scala > 1);
        p.fillPath(Contorno(scala), Qt::white);
    }
    if (scala > 1) {
        // Whatever of the smooth edge strays into a pixel that the 1x mask
        // cuts away is cut too: a few faint slivers at the corners. Qt's
        // smoothing leans a little to one side, so the top-left quarter is
        // copied to the other three and all four corners match.
        const QImage semplice = Maschera();
        const int destra = maschera.width() - 1;
        const int basso = maschera.height() - 1;
        for (int y = 0; y < maschera.height() / 2; ++y) {
            for (int x = 0; x < maschera.width() / 2; ++x) {
                const QRgb pixel = semplice.pixel(x / scala, y / scala) == RossoMaschera
                                       ? RossoMaschera
                                       : maschera.pixel(x, y);
                for (const QPoint punto : {QPoint(x, y), QPoint(destra - x, y),
                                           QPoint(x, basso - y), QPoint(destra - x, basso - y)}) {
                    maschera.setPixel(punto, pixel);
                }
            }
        }
    }
    return maschera;
}

QImage TFormaCarta::NuovaCarta(int scala) {
    QImage carta(Larghezza * scala, Altezza * scala, QImage::Format_RGB32);
    carta.setDevicePixelRatio(scala);
    carta.fill(RossoMaschera);
    return carta;
}

void TFormaCarta::Fondo(QPainter& p, QRgb fondo) {
    // The ground outside the outline takes the border's colour, so the edge
    // pixels blend into the border and never into the mask's red.
    p.fillRect(Rettangolo(), QColor(TTavolozza::BordoCarta));
    p.setPen(QPen(QColor(TTavolozza::BordoCarta), 1.0));
    p.setBrush(QColor(fondo));
    p.drawPath(Bordo(qRound(p.device()->devicePixelRatioF())));
}

void TFormaCarta::Ritaglia(QImage& carta, QRgb fuori) {
    const QImage maschera = Maschera(qRound(carta.devicePixelRatio()));
    for (int y = 0; y < maschera.height(); ++y) {
        for (int x = 0; x < maschera.width(); ++x) {
            if (maschera.pixel(x, y) == RossoMaschera) {
                carta.setPixel(x, y, fuori);
            }
        }
    }
}
