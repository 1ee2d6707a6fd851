#include "tsegni.h"
#include "ttavolozza.h"

// Qt
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal AltezzaProgetto = 100.0;

QPen Contorno(QRgb colore, qreal pixel, qreal spessore = 1.0) {
    return QPen(QColor(colore), spessore * pixel, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient Sfumatura(qreal x0, qreal x1, QRgb chiaro, QRgb scuro) {
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, QColor(scuro));
    g.setColorAt(0.35, QColor(chiaro));
    g.setColorAt(1, QColor(scuro));
    return g;
}

} // namespace

void TSegni::Disegna(QPainter& p, int mazzo, QPointF centro, qreal altezza, qreal angolo) {
    const qreal scala = altezza / AltezzaProgetto;
    const qreal pixel = 1.0 / scala;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(centro);
    p.rotate(angolo);
    p.scale(scala, scala);
    switch (mazzo) {
    case Coppe:
        Coppa(p, pixel);
        break;
    case Denari:
        Denaro(p, pixel);
        break;
    case Spade:
        Spada(p, pixel);
        break;
    default:
        Bastone(p, pixel);
        break;
    }
    p.restore();
}

QRgb TSegni::Colore(int mazzo) {
    static constexpr QRgb colori[NumeroSemi] = {TTavolozza::Rosso, TTavolozza::OroScuro,
                                                TTavolozza::Blu, TTavolozza::VerdeScuro};
    return colori[mazzo];
}

void TSegni::Coppa(QPainter& p, qreal pixel) {
    p.setPen(Contorno(TTavolozza::RossoScuro, pixel));

    QPainterPath base;
    base.moveTo(-5, 26);
    base.cubicTo(-6, 38, -20, 40, -27, 44);
    base.quadTo(-28, 50, -20, 50);
    base.lineTo(20, 50);
    base.quadTo(28, 50, 27, 44);
    base.cubicTo(20, 40, 6, 38, 5, 26);
    base.closeSubpath();
    p.setBrush(Sfumatura(-27, 27, TTavolozza::Oro, TTavolozza::OroScuro));
    p.drawPath(base);

    p.setBrush(Sfumatura(-8, 8, TTavolozza::Oro, TTavolozza::OroScuro));
    p.drawRect(QRectF(-5, -4, 10, 32));
    p.setBrush(QColor(TTavolozza::Blu));
    p.drawEllipse(QPointF(0, 10), 9, 6);

    QPainterPath coppa;
    coppa.moveTo(-36, -40);
    coppa.cubicTo(-36, -14, -18, -4, -6, -2);
    coppa.lineTo(6, -2);
    coppa.cubicTo(18, -4, 36, -14, 36, -40);
    coppa.closeSubpath();
    p.setBrush(Sfumatura(-36, 36, TTavolozza::Oro, TTavolozza::OroScuro));
    p.drawPath(coppa);

    p.setBrush(QColor(TTavolozza::Rosso));
    QPainterPath fascia;
    fascia.moveTo(-34, -28);
    fascia.quadTo(0, -20, 34, -28);
    fascia.lineTo(31, -20);
    fascia.quadTo(0, -12, -31, -20);
    fascia.closeSubpath();
    p.drawPath(fascia);

    p.setBrush(QColor(TTavolozza::RossoScuro));
    p.drawEllipse(QPointF(0, -40), 36, 7);
}

void TSegni::Denaro(QPainter& p, qreal pixel) {
    QRadialGradient oro(QPointF(-14, -14), 70);
    oro.setColorAt(0, QColor(TTavolozza::Oro).lighter(130));
    oro.setColorAt(0.6, QColor(TTavolozza::Oro));
    oro.setColorAt(1, QColor(TTavolozza::OroScuro));
    p.setPen(Contorno(TTavolozza::RossoScuro, pixel));
    p.setBrush(oro);
    p.drawEllipse(QPointF(0, 0), 48, 48);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 40, 40);

    p.setBrush(QColor(TTavolozza::Rosso));
    p.drawEllipse(QPointF(0, 0), 30, 30);

    // A rosette of eight petals on the red field.
    p.setBrush(oro);
    constexpr int petali = 8;
    for (int i = 0; i < petali; ++i) {
        p.save();
        p.rotate(i * 360.0 / petali);
        p.drawEllipse(QRectF(-5, -27, 10, 22));
        p.restore();
    }
    p.setBrush(QColor(TTavolozza::Blu));
    p.drawEllipse(QPointF(0, 0), 7, 7);
}

void TSegni::Spada(QPainter& p, qreal pixel) {
    p.setPen(Contorno(TTavolozza::BluScuro, pixel));

    QPainterPath lama;
    lama.moveTo(0, -50);
    lama.cubicTo(4, -40, 7, -30, 7, -20);
    lama.lineTo(7, 20);
    lama.lineTo(-7, 20);
    lama.lineTo(-7, -20);
    lama.cubicTo(-7, -30, -4, -40, 0, -50);
    p.setBrush(Sfumatura(-7, 7, TTavolozza::Acciaio, TTavolozza::AcciaioScuro));
    p.drawPath(lama);
    p.drawLine(QPointF(0, -38), QPointF(0, 16));

    p.setBrush(Sfumatura(-8, 8, TTavolozza::Rosso, TTavolozza::RossoScuro));
    p.drawRoundedRect(QRectF(-4.5, 26, 9, 16), 3, 3);
    p.setBrush(Sfumatura(-24, 24, TTavolozza::Oro, TTavolozza::OroScuro));
    p.drawRoundedRect(QRectF(-24, 19, 48, 8), 4, 4);
    p.drawEllipse(QPointF(0, 45), 6, 5);
}

void TSegni::Bastone(QPainter& p, qreal pixel) {
    p.setPen(Contorno(TTavolozza::VerdeScuro, pixel));

    // A club that thickens towards the top, with the stubs of cut branches.
    constexpr qreal piede = 50;
    constexpr qreal cima = -40;
    const auto mezzaLarghezza = [](qreal y) { return 5 + (piede - y) / (piede - cima) * 8; };

    // The stubs first, so the trunk covers their roots.
    const QPointF rami[] = {{-1, -22}, {1, -6}, {-1, 10}, {1, 26}};
    for (const QPointF& r : rami) {
        p.save();
        p.translate(r.x() * (mezzaLarghezza(r.y()) - 1), r.y());
        p.rotate(r.x() * 55);
        p.setBrush(QColor(TTavolozza::Verde));
        p.drawRoundedRect(QRectF(-3, -10, 6, 11), 1.5, 1.5);
        p.setBrush(QColor(TTavolozza::Legno));
        p.drawEllipse(QPointF(0, -10), 3, 1.6);
        p.restore();
    }

    QPainterPath tronco;
    tronco.moveTo(-mezzaLarghezza(piede), piede);
    tronco.cubicTo(-6, 20, -mezzaLarghezza(cima), -10, -mezzaLarghezza(cima), cima);
    tronco.lineTo(mezzaLarghezza(cima), cima);
    tronco.cubicTo(mezzaLarghezza(cima), -10, 6, 20, mezzaLarghezza(piede), piede);
    tronco.closeSubpath();
    p.setBrush(Sfumatura(-13, 13, TTavolozza::Verde, TTavolozza::VerdeScuro));
    p.drawPath(tronco);

    p.setBrush(QColor(TTavolozza::Legno));
    p.drawEllipse(QPointF(0, cima), mezzaLarghezza(cima), 5);
    p.setBrush(QColor(TTavolozza::Rosso));
    p.drawRect(QRectF(-mezzaLarghezza(38), 36, 2 * mezzaLarghezza(38), 5));
}
