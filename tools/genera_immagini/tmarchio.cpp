#include "tmarchio.h"
#include "tcaratteri.h"
#include "tsegni.h"
#include "ttavolozza.h"

// Qt
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal LatoProgetto = 100.0;
constexpr QRgb VerdeLogo = qRgb(38, 88, 8);
const QString NomeGioco = QStringLiteral("Solvintra");

// The cards of the fan turn about a point below their centre, as in a hand.
constexpr QPointF Perno(0, 34);
const QRectF SagomaCarta(-21, -36, 42, 70);

void Ruota(QPainter& p, qreal angolo) {
    p.translate(Perno);
    p.rotate(angolo);
    p.translate(-Perno);
}

void Carta(QPainter& p, qreal angolo, QRgb fondo, QRgb bordo) {
    p.save();
    Ruota(p, angolo);
    p.setPen(QPen(QColor(bordo), 2.5));
    p.setBrush(QColor(fondo));
    p.drawRoundedRect(SagomaCarta, 5, 5);
    p.restore();
}

// A pointer reads best with crisp edges: every pixel becomes opaque black,
// opaque white or transparent.
QImage DueColori(const QImage& disegno) {
    QImage netta = disegno.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < netta.height(); ++y) {
        for (int x = 0; x < netta.width(); ++x) {
            const QRgb c = netta.pixel(x, y);
            if (qAlpha(c) < 128) {
                netta.setPixel(x, y, qRgba(0, 0, 0, 0));
            } else {
                netta.setPixel(x, y, qGray(c) < 160 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        }
    }
    return netta;
}

// The largest size of `font` at which `testo` fits in `larghezza` pixels.
void Adatta(QFont& font, const QString& testo, qreal larghezza, int massimo) {
    for (int pixel = massimo; pixel > 1; --pixel) {
        font.setPixelSize(pixel);
        if (QFontMetricsF(font).horizontalAdvance(testo) <= larghezza) {
            return;
        }
    }
}

} // namespace

void TMarchio::Ventaglio(QPainter& p) {
    constexpr qreal angoloDorso = -16;
    constexpr qreal angoloFaccia = 12;
    Carta(p, angoloDorso, TTavolozza::Blu, TTavolozza::Bianco);
    p.save();
    Ruota(p, angoloDorso);
    p.setPen(QPen(QColor(TTavolozza::Bianco).darker(110), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(SagomaCarta.adjusted(6, 6, -6, -6), 3, 3);
    p.restore();

    Carta(p, angoloFaccia, TTavolozza::Crema, TTavolozza::BordoCarta);
    p.save();
    Ruota(p, angoloFaccia);
    TSegni::Disegna(p, TSegni::Denari, SagomaCarta.center(), 34);
    p.restore();
}

QImage TMarchio::Icona(int lato) {
    QImage icona(lato, lato, QImage::Format_ARGB32_Premultiplied);
    icona.fill(Qt::transparent);
    QPainter p(&icona);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(lato / LatoProgetto, lato / LatoProgetto);

    QLinearGradient panno(0, 0, 0, LatoProgetto);
    panno.setColorAt(0, QColor(TTavolozza::Tavolo).lighter(135));
    panno.setColorAt(1, QColor(TTavolozza::Tavolo).darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(panno);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 16, 16);

    p.translate(LatoProgetto / 2, LatoProgetto / 2 + 4);
    Ventaglio(p);
    return icona;
}

QImage TMarchio::Logo(int scala) {
    QImage logo(LarghezzaLogo * scala, AltezzaLogo * scala, QImage::Format_ARGB32_Premultiplied);
    logo.setDevicePixelRatio(scala);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    constexpr qreal latoVentaglio = 50;
    p.save();
    p.translate(latoVentaglio / 2, AltezzaLogo / 2.0 + 2);
    p.scale(latoVentaglio / LatoProgetto, latoVentaglio / LatoProgetto);
    Ventaglio(p);
    p.restore();

    const QRectF scritta(latoVentaglio, 0, LarghezzaLogo - latoVentaglio - 3, AltezzaLogo);
    QFont font(TCaratteri::Serif());
    font.setBold(true);
    font.setItalic(true);
    Adatta(font, NomeGioco, scritta.width() - 2, 30);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 60));
    p.drawText(scritta.translated(1.2, 1.2), Qt::AlignLeft | Qt::AlignVCenter, NomeGioco);
    p.setPen(QColor(VerdeLogo));
    p.drawText(scritta, Qt::AlignLeft | Qt::AlignVCenter, NomeGioco);
    return logo;
}

QImage TMarchio::Mano(int scala) {
    // Four curled fingers over the palm, the thumb tucked in on the left; the
    // knuckles sit around the hot spot (12, 10), where the card is held.
    QPainterPath sagoma;
    sagoma.addRoundedRect(QRectF(8.5, 11.5, 17, 13), 5, 5);
    for (qreal x : {11.5, 15.5, 19.5, 23.0}) {
        QPainterPath dito;
        dito.addRoundedRect(QRectF(x - 2.2, 7.5, 4.4, 8), 2.2, 2.2);
        sagoma = sagoma.united(dito);
    }
    QPainterPath pollice;
    pollice.addRoundedRect(QRectF(5.5, 13.5, 6, 8), 3, 3);
    sagoma = sagoma.united(pollice);
    QPainterPath polso;
    polso.addRect(QRectF(11.5, 23, 11, 5));
    sagoma = sagoma.united(polso).simplified();

    QImage mano(LatoMano * scala, LatoMano * scala, QImage::Format_ARGB32_Premultiplied);
    mano.setDevicePixelRatio(scala);
    mano.fill(Qt::transparent);
    QPainter p(&mano);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::white);
    p.drawPath(sagoma);
    for (qreal x : {13.5, 17.5, 21.3}) {
        p.drawLine(QPointF(x, 10), QPointF(x, 14));
    }
    p.drawLine(QPointF(9.5, 17.5), QPointF(13, 17.5));
    p.end();
    return DueColori(mano);
}
