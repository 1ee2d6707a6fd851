#include "tfigure.h"
#include "tsegni.h"
#include "ttavolozza.h"

// Qt
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

// Standard library
#include <vector>

namespace {

constexpr int ValoreFante = 8;
constexpr int ValoreCavallo = 9;

constexpr QRgb Capelli = qRgb(96, 58, 26);
constexpr QRgb Barba = qRgb(150, 140, 130);
constexpr QRgb Pelo = qRgb(238, 232, 218);
constexpr QRgb Zoccolo = qRgb(70, 60, 50);

// The clothes take the colour of the suit (TSegni::Colore), the trim a colour
// that stands out from it.
QRgb Rifinitura(int mazzo) {
    static constexpr QRgb rifiniture[TSegni::NumeroSemi] = {TTavolozza::Blu, TTavolozza::Rosso,
                                                            TTavolozza::Oro, TTavolozza::Rosso};
    return rifiniture[mazzo];
}

QPen Tratto(qreal spessore = 0.8) {
    return QPen(QColor(TTavolozza::Inchiostro), spessore, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

QLinearGradient Stoffa(qreal x0, qreal x1, QRgb colore) {
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, QColor(colore).lighter(125));
    g.setColorAt(1, QColor(colore).darker(130));
    return g;
}

// An arm or a leg: a thick stroke of cloth with a dark edge.
void Arto(QPainter& p, const QPainterPath& linea, QRgb stoffa) {
    constexpr qreal spessore = 3.7;
    constexpr qreal bordo = 0.8;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(TTavolozza::Inchiostro), spessore + 2 * bordo, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(linea);
    p.setPen(QPen(QColor(stoffa), spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(linea);
}

} // namespace

void TFigure::Disegna(QPainter& p, int mazzo, int valore) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (valore == ValoreFante) {
        Fante(p, mazzo);
    } else if (valore == ValoreCavallo) {
        Cavallo(p, mazzo);
    } else {
        Re(p, mazzo);
    }
    p.restore();
}

void TFigure::Testa(QPainter& p, QPointF centro, qreal raggio, bool barba) {
    p.setPen(Tratto());
    p.setBrush(QColor(Capelli));
    p.drawEllipse(centro + QPointF(0, -raggio * 0.15), raggio * 1.1, raggio * 1.05);
    p.setBrush(QColor(TTavolozza::Pelle));
    p.drawEllipse(centro, raggio * 0.85, raggio);
    if (barba) {
        QPainterPath b;
        b.moveTo(centro + QPointF(-raggio * 0.85, 0));
        b.quadTo(centro + QPointF(0, raggio * 2.4), centro + QPointF(raggio * 0.85, 0));
        b.quadTo(centro + QPointF(0, raggio * 0.9), centro + QPointF(-raggio * 0.85, 0));
        p.setBrush(QColor(Barba));
        p.drawPath(b);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(TTavolozza::Inchiostro));
    p.drawEllipse(centro + QPointF(-raggio * 0.35, -raggio * 0.1), 0.7, 0.7);
    p.drawEllipse(centro + QPointF(raggio * 0.35, -raggio * 0.1), 0.7, 0.7);
}

void TFigure::Braccio(QPainter& p, QPointF spalla, QPointF mano, QRgb manica) {
    QPainterPath braccio(spalla);
    braccio.lineTo(mano);
    Arto(p, braccio, manica);
    p.setPen(Tratto(0.6));
    p.setBrush(QColor(TTavolozza::Pelle));
    p.drawEllipse(mano, 2.2, 2.2);
}

void TFigure::Corona(QPainter& p, QPointF centro, qreal larghezza) {
    const qreal m = larghezza / 2;
    QPainterPath c;
    c.moveTo(centro + QPointF(-m, 0));
    c.lineTo(centro + QPointF(-m - 1, -7));
    c.lineTo(centro + QPointF(-m / 2, -3));
    c.lineTo(centro + QPointF(0, -8));
    c.lineTo(centro + QPointF(m / 2, -3));
    c.lineTo(centro + QPointF(m + 1, -7));
    c.lineTo(centro + QPointF(m, 0));
    c.closeSubpath();
    p.setPen(Tratto(0.7));
    p.setBrush(QColor(TTavolozza::Oro));
    p.drawPath(c);
    p.setBrush(QColor(TTavolozza::Rosso));
    p.drawEllipse(centro + QPointF(0, -2), 1.2, 1.2);
}

void TFigure::Fante(QPainter& p, int mazzo) {
    // Legs in hose, then the tunic over them.
    p.setPen(Tratto());
    p.setBrush(QColor(Rifinitura(mazzo)));
    p.drawRect(QRectF(29, 78, 5, 32));
    p.drawRect(QRectF(38, 78, 5, 32));
    p.setBrush(QColor(Zoccolo));
    p.drawEllipse(QPointF(30.5, 111), 4, 2.2);
    p.drawEllipse(QPointF(41.5, 111), 4, 2.2);

    QPainterPath tunica;
    tunica.moveTo(27, 38);
    tunica.lineTo(45, 38);
    tunica.lineTo(44, 60);
    tunica.lineTo(49, 80);
    tunica.quadTo(36, 84, 23, 80);
    tunica.lineTo(28, 60);
    tunica.closeSubpath();
    p.setBrush(Stoffa(23, 49, TSegni::Colore(mazzo)));
    p.drawPath(tunica);
    p.setBrush(QColor(TTavolozza::Oro));
    p.drawRect(QRectF(27.5, 58, 17, 3));

    Braccio(p, QPointF(28, 40), QPointF(22, 64), TSegni::Colore(mazzo));
    Braccio(p, QPointF(44, 40), QPointF(51, 40), TSegni::Colore(mazzo));
    TSegni::Disegna(p, mazzo, QPointF(52, 27), 22);

    Testa(p, QPointF(36, 28), 6.5, false);
    // A beret with a feather.
    p.setPen(Tratto());
    p.setBrush(QColor(Rifinitura(mazzo)));
    p.drawEllipse(QPointF(35, 21.5), 9, 3.5);
    p.setBrush(QColor(TTavolozza::Bianco));
    QPainterPath piuma;
    piuma.moveTo(30, 20);
    piuma.quadTo(22, 12, 26, 8);
    piuma.quadTo(28, 15, 32, 19);
    p.drawPath(piuma);
}

void TFigure::Cavallo(QPainter& p, int mazzo) {
    // Raised a little, to keep the hooves clear of the lower index.
    p.translate(0, -4);
    p.setPen(Tratto());
    // Legs first, the body over them.
    const qreal zampe[] = {22, 27, 47, 52};
    for (qreal x : zampe) {
        p.setBrush(QColor(Pelo));
        p.drawRect(QRectF(x - 1.8, 86, 3.6, 26));
        p.setBrush(QColor(Zoccolo));
        p.drawRect(QRectF(x - 2.2, 110, 4.4, 3));
    }
    QPainterPath coda;
    coda.moveTo(53, 80);
    coda.cubicTo(61, 82, 61, 92, 57, 99);
    coda.cubicTo(57, 92, 55, 88, 52, 86);
    p.setBrush(QColor(Capelli));
    p.drawPath(coda);

    // One outline for body, chest, neck, head and ear.
    QPainterPath corpo;
    corpo.addEllipse(QPointF(38, 84), 18, 9.5);
    QPainterPath petto;
    petto.addEllipse(QPointF(24, 82), 7, 8.5);
    QPainterPath collo;
    collo.moveTo(17, 82);
    collo.lineTo(30, 77);
    collo.lineTo(20, 58);
    collo.lineTo(11, 61);
    collo.closeSubpath();
    QPainterPath muso;
    muso.addRoundedRect(QRectF(-3.8, -9, 7.6, 18), 3.6, 3.6);
    muso = QTransform().translate(11.5, 66).rotate(40).map(muso);
    QPainterPath orecchio;
    orecchio.moveTo(14, 59);
    orecchio.lineTo(16.5, 52);
    orecchio.lineTo(19, 59);
    orecchio.closeSubpath();
    const QPainterPath sagoma =
        corpo.united(petto).united(collo).united(muso).united(orecchio).simplified();
    p.setBrush(QColor(Pelo));
    p.drawPath(sagoma);

    QPainterPath criniera;
    criniera.moveTo(18, 57);
    criniera.cubicTo(23, 60, 28, 68, 32, 77);
    criniera.lineTo(28, 78);
    criniera.cubicTo(25, 70, 22, 64, 18, 57);
    p.setBrush(QColor(Capelli));
    p.drawPath(criniera);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(TTavolozza::Inchiostro));
    p.drawEllipse(QPointF(12.5, 63.5), 0.9, 0.9);
    p.drawEllipse(QPointF(6.5, 71.5), 0.6, 0.6);

    // Saddle cloth, rider and his raised sign.
    p.setPen(Tratto());
    p.setBrush(Stoffa(28, 48, Rifinitura(mazzo)));
    p.drawRoundedRect(QRectF(28, 74, 20, 12), 2, 2);
    p.setBrush(Stoffa(31, 43, TSegni::Colore(mazzo)));
    QPainterPath busto;
    busto.moveTo(32, 50);
    busto.lineTo(42, 50);
    busto.lineTo(44, 74);
    busto.lineTo(30, 74);
    busto.closeSubpath();
    p.drawPath(busto);
    // The leg bends at the knee along the horse's side.
    QPainterPath gamba;
    gamba.moveTo(38, 71);
    gamba.lineTo(31, 81);
    gamba.lineTo(33, 91);
    Arto(p, gamba, QColor(TSegni::Colore(mazzo)).darker(115).rgb());
    p.setPen(Tratto());
    p.setBrush(QColor(Zoccolo));
    p.drawEllipse(QPointF(34, 92), 3.5, 2);
    Braccio(p, QPointF(41, 52), QPointF(50, 42), TSegni::Colore(mazzo));
    TSegni::Disegna(p, mazzo, QPointF(52, 28), 22);
    Testa(p, QPointF(37, 42), 5.5, false);
    p.setPen(Tratto());
    p.setBrush(QColor(Rifinitura(mazzo)));
    p.drawEllipse(QPointF(37, 36.5), 7.5, 2.5);
}

void TFigure::Re(QPainter& p, int mazzo) {
    p.setPen(Tratto());
    QPainterPath manto;
    manto.moveTo(26, 37);
    manto.lineTo(46, 37);
    manto.lineTo(53, 112);
    manto.lineTo(19, 112);
    manto.closeSubpath();
    p.setBrush(Stoffa(19, 53, TSegni::Colore(mazzo)));
    p.drawPath(manto);

    // Ermine down the front, along the hem and over the shoulders.
    p.setBrush(QColor(TTavolozza::Bianco));
    p.drawRect(QRectF(33.5, 40, 5, 70));
    p.drawRect(QRectF(19.5, 106, 33, 6));
    QPainterPath mantellina;
    mantellina.moveTo(24, 40);
    mantellina.quadTo(36, 33, 48, 40);
    mantellina.lineTo(48, 47);
    mantellina.quadTo(36, 53, 24, 47);
    mantellina.closeSubpath();
    p.drawPath(mantellina);
    std::vector<QPointF> macchie = {{28, 44}, {36, 47}, {44, 44}};
    for (qreal y = 56; y < 104; y += 9) {
        macchie.emplace_back(36, y);
    }
    for (qreal x = 23; x < 52; x += 6) {
        macchie.emplace_back(x, 109);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(TTavolozza::Inchiostro));
    for (const QPointF& macchia : macchie) {
        p.drawEllipse(macchia, 0.7, 1.1);
    }

    // The sceptre in one hand, the sign of the suit in the other.
    p.setPen(QPen(QColor(TTavolozza::OroScuro), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 44), QPointF(22, 84));
    p.setPen(Tratto(0.6));
    p.setBrush(QColor(TTavolozza::Oro));
    p.drawEllipse(QPointF(20, 43), 2.4, 2.4);
    Braccio(p, QPointF(28, 40), QPointF(21.5, 64), TSegni::Colore(mazzo));
    Braccio(p, QPointF(44, 40), QPointF(51, 41), TSegni::Colore(mazzo));
    TSegni::Disegna(p, mazzo, QPointF(53, 28), 22);

    Testa(p, QPointF(36, 28), 6.5, true);
    Corona(p, QPointF(36, 22), 12);
}
