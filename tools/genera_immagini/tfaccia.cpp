#include "tfaccia.h"
#include "tfigure.h"
#include "tformacarta.h"
#include "tsegni.h"
#include "ttavolozza.h"

// Qt
#include <QFont>
#include <QPainter>

// Standard library
#include <array>
#include <vector>

namespace {

constexpr qreal Sinistra = 24.5;
constexpr qreal Centro = TFormaCarta::Larghezza / 2.0;
constexpr qreal Destra = 44.5;
constexpr qreal Mezzo = TFormaCarta::Altezza / 2.0;

// Where the pips of each value go, and how tall they are.
struct TDisposizione {
    qreal altezza;
    std::vector<QPointF> posti;
};

const std::array<TDisposizione, TFaccia::PrimaFigura - 1>& Disposizioni() {
    static const std::array<TDisposizione, TFaccia::PrimaFigura - 1> disposizioni = {{
        {62, {{Centro, Mezzo}}},
        {34, {{Centro, 33}, {Centro, 92}}},
        {29, {{Centro, 28}, {Centro, Mezzo}, {Centro, 97}}},
        {30, {{Sinistra, 36}, {Destra, 36}, {Sinistra, 89}, {Destra, 89}}},
        {27, {{Sinistra, 30}, {Destra, 30}, {Centro, Mezzo}, {Sinistra, 95}, {Destra, 95}}},
        {26,
         {{Sinistra, 27},
          {Destra, 27},
          {Sinistra, Mezzo},
          {Destra, Mezzo},
          {Sinistra, 98},
          {Destra, 98}}},
        {23,
         {{Sinistra, 24},
          {Destra, 24},
          {Centro, 44},
          {Sinistra, 66},
          {Destra, 66},
          {Sinistra, 100},
          {Destra, 100}}},
    }};
    return disposizioni;
}

// Swords and batons lean outwards in the side columns, as on the old decks.
qreal Inclinazione(int mazzo, QPointF posto) {
    if (mazzo != TSegni::Spade && mazzo != TSegni::Bastoni) {
        return 0;
    }
    constexpr qreal gradi = 12;
    if (posto.x() < Centro) {
        return -gradi;
    }
    return posto.x() > Centro ? gradi : 0;
}

} // namespace

QImage TFaccia::Disegna(int mazzo, int valore) {
    QImage carta = TFormaCarta::NuovaCarta();
    {
        QPainter p(&carta);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        Fondo(p);
        if (valore >= PrimaFigura) {
            TFigure::Disegna(p, mazzo, valore);
        } else {
            Semi(p, mazzo, valore);
        }
        Indici(p, mazzo, valore);
    }
    TFormaCarta::Ritaglia(carta);
    return carta;
}

void TFaccia::Fondo(QPainter& p) {
    // The ground outside the outline takes the border's colour, so the edge
    // pixels blend into the border and never into the mask's red.
    p.fillRect(QRect(0, 0, TFormaCarta::Larghezza, TFormaCarta::Altezza),
               QColor(TTavolozza::BordoCarta));
    p.setPen(QPen(QColor(TTavolozza::BordoCarta), 1.0));
    p.setBrush(QColor(TTavolozza::Crema));
    p.drawPath(TFormaCarta::Bordo());
}

void TFaccia::Indici(QPainter& p, int mazzo, int valore) {
    Indice(p, mazzo, valore);
    p.save();
    p.translate(TFormaCarta::Larghezza, TFormaCarta::Altezza);
    p.rotate(180);
    Indice(p, mazzo, valore);
    p.restore();
}

void TFaccia::Indice(QPainter& p, int mazzo, int valore) {
    const QRectF casella(2, 3, 14, 12);
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setBold(true);
    font.setPixelSize(12);
    font.setStretch(valore == ValoreMassimo ? QFont::ExtraCondensed : QFont::Unstretched);
    p.setFont(font);
    p.setPen(QColor(TSegni::Colore(mazzo)));
    p.drawText(casella, Qt::AlignCenter, QString::number(valore));
    TSegni::Disegna(p, mazzo, QPointF(casella.center().x(), 23), 11);
}

void TFaccia::Semi(QPainter& p, int mazzo, int valore) {
    const TDisposizione& d = Disposizioni()[valore - 1];
    for (const QPointF& posto : d.posti) {
        TSegni::Disegna(p, mazzo, posto, d.altezza, Inclinazione(mazzo, posto));
    }
}
