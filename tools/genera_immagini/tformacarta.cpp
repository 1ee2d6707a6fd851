#include "tformacarta.h"
#include "ttavolozza.h"

// Qt
#include <QPainter>

QPainterPath TFormaCarta::Contorno() {
    QPainterPath contorno;
    contorno.addRoundedRect(QRectF(0, 0, Larghezza, Altezza), Raggio, Raggio);
    return contorno;
}

QPainterPath TFormaCarta::Bordo() {
    QPainterPath bordo;
    bordo.addRoundedRect(QRectF(0.5, 0.5, Larghezza - 1, Altezza - 1), Raggio - 0.5, Raggio - 0.5);
    return bordo;
}

QImage TFormaCarta::Maschera() {
    QImage maschera(Larghezza, Altezza, QImage::Format_RGB32);
    maschera.fill(RossoMaschera);
    QPainter p(&maschera);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(Contorno(), Qt::white);
    return maschera;
}

QImage TFormaCarta::NuovaCarta() {
    QImage carta(Larghezza, Altezza, QImage::Format_RGB32);
    carta.fill(RossoMaschera);
    return carta;
}

void TFormaCarta::Fondo(QPainter& p, QRgb fondo) {
    // The ground outside the outline takes the border's colour, so the edge
    // pixels blend into the border and never into the mask's red.
    p.fillRect(QRect(0, 0, Larghezza, Altezza), QColor(TTavolozza::BordoCarta));
    p.setPen(QPen(QColor(TTavolozza::BordoCarta), 1.0));
    p.setBrush(QColor(fondo));
    p.drawPath(Bordo());
}

void TFormaCarta::Ritaglia(QImage& carta, QRgb fuori) {
    const QImage maschera = Maschera();
    for (int y = 0; y < Altezza; ++y) {
        for (int x = 0; x < Larghezza; ++x) {
            if (maschera.pixel(x, y) == RossoMaschera) {
                carta.setPixel(x, y, fuori);
            }
        }
    }
}
