#include "tdorsoeposto.h"
#include "tcaratteri.h"
#include "tformacarta.h"
#include "ttavolozza.h"

// Qt
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr QRgb FondoDorso = qRgb(24, 52, 120);
constexpr QRgb TramaDorso = qRgb(104, 144, 214);
constexpr QRgb NodoDorso = qRgb(226, 196, 110);
constexpr qreal PassoTrama = 7.0;
constexpr qreal MargineDorso = 4.0;

// The empty place: the table's green a little lighter, as if seen through glass.
constexpr QRgb FondoPosto = qRgb(92, 136, 40);
constexpr QRgb SegnoPosto = qRgb(214, 232, 180);

QRectF Interno(qreal margine) {
    return QRectF(margine, margine, TFormaCarta::Larghezza - 2 * margine,
                  TFormaCarta::Altezza - 2 * margine);
}

void Trama(QPainter& p, const QRectF& campo) {
    p.save();
    p.setClipRect(campo);
    p.fillRect(campo, QColor(FondoDorso));
    p.setPen(QPen(QColor(TramaDorso), 1.0));
    const qreal estensione = campo.width() + campo.height();
    for (qreal d = -estensione; d < estensione; d += PassoTrama) {
        p.drawLine(QPointF(campo.left() + d, campo.top()),
                   QPointF(campo.left() + d + campo.height(), campo.bottom()));
        p.drawLine(QPointF(campo.right() - d, campo.top()),
                   QPointF(campo.right() - d - campo.height(), campo.bottom()));
    }
    p.restore();
}

void Medaglione(QPainter& p) {
    const QPointF centro(TFormaCarta::Larghezza / 2.0, TFormaCarta::Altezza / 2.0);
    p.setPen(QPen(QColor(NodoDorso), 1.2));
    p.setBrush(QColor(FondoDorso));
    p.drawEllipse(centro, 15, 22);
    p.setBrush(QColor(NodoDorso));
    QPainterPath rombo;
    rombo.moveTo(centro + QPointF(0, -14));
    rombo.lineTo(centro + QPointF(9, 0));
    rombo.lineTo(centro + QPointF(0, 14));
    rombo.lineTo(centro + QPointF(-9, 0));
    rombo.closeSubpath();
    p.drawPath(rombo);
    p.setBrush(QColor(FondoDorso));
    p.drawEllipse(centro, 3, 3);
}

} // namespace

QImage TDorsoEPosto::Dorso(int scala) {
    QImage carta = TFormaCarta::NuovaCarta(scala);
    {
        QPainter p(&carta);
        p.setRenderHint(QPainter::Antialiasing, true);
        TFormaCarta::Fondo(p, TTavolozza::Bianco);
        Trama(p, Interno(MargineDorso));
        p.setPen(QPen(QColor(TTavolozza::Bianco), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(Interno(MargineDorso + 2.5));
        Medaglione(p);
    }
    TFormaCarta::Ritaglia(carta);
    return carta;
}

QImage TDorsoEPosto::Posto(int scala) {
    QImage carta = TFormaCarta::NuovaCarta(scala);
    {
        QPainter p(&carta);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillRect(TFormaCarta::Rettangolo(), QColor(FondoPosto));
        QPen tratteggio(QColor(SegnoPosto), 1.5, Qt::DashLine, Qt::RoundCap);
        tratteggio.setDashPattern({3, 2.5});
        p.setPen(tratteggio);
        p.drawRoundedRect(Interno(3), TFormaCarta::Raggio - 2, TFormaCarta::Raggio - 2);

        QFont font(TCaratteri::Serif());
        font.setBold(true);
        font.setPixelSize(40);
        p.setFont(font);
        p.setPen(QColor(SegnoPosto));
        p.setOpacity(0.55);
        p.drawText(TFormaCarta::Rettangolo(), Qt::AlignCenter, QStringLiteral("1"));
    }
    TFormaCarta::Ritaglia(carta);
    return carta;
}
