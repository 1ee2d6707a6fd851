#include "tfaccia.h"
#include "tcaratteri.h"
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

constexpr qreal Centro = TFormaCarta::Larghezza / 2.0;
constexpr qreal Sinistra = Centro - 11.5;
constexpr qreal Destra = Centro + 11.5;
constexpr qreal Esterna = 21.0; // from the centre to the outer pips of a row of three
constexpr qreal Mezzo = TFormaCarta::Altezza / 2.0;
constexpr qreal Alto = Mezzo - 34.5;
constexpr qreal Basso = Mezzo + 34.5;
// Swords and batons are slender and may be drawn taller; coins are wide and
// must leave a gap between neighbours.
constexpr qreal ScalaSeme[TSegni::NumeroSemi] = {1.0, 0.88, 1.18, 1.18};

// Where the pips of each value go, and how tall they are.
struct TDisposizione {
    qreal altezza;
    std::vector<QPointF> posti;
};

const std::array<TDisposizione, TFaccia::PrimaFigura - 1>& Disposizioni() {
    static const std::array<TDisposizione, TFaccia::PrimaFigura - 1> disposizioni = {{
        {58, {{Centro, Mezzo}}},
        {33, {{Centro, Mezzo - 30}, {Centro, Mezzo + 30}}},
        {28, {{Centro, Alto - 2}, {Centro, Mezzo}, {Centro, Basso + 2}}},
        {28,
         {{Sinistra, Mezzo - 24},
          {Destra, Mezzo - 24},
          {Sinistra, Mezzo + 24},
          {Destra, Mezzo + 24}}},
        {25,
         {{Sinistra, Alto}, {Destra, Alto}, {Centro, Mezzo}, {Sinistra, Basso}, {Destra, Basso}}},
        {25,
         {{Sinistra, Alto},
          {Destra, Alto},
          {Sinistra, Mezzo},
          {Destra, Mezzo},
          {Sinistra, Basso},
          {Destra, Basso}}},
        {23,
         {{Sinistra, Alto},
          {Destra, Alto},
          {Centro - Esterna, Mezzo},
          {Centro, Mezzo},
          {Centro + Esterna, Mezzo},
          {Sinistra, Basso},
          {Destra, Basso}}},
    }};
    return disposizioni;
}

qreal Altezza(int mazzo, qreal altezza) {
    return altezza * ScalaSeme[mazzo];
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

QImage TFaccia::Disegna(int mazzo, int valore, int scala) {
    QImage carta = TFormaCarta::NuovaCarta(scala);
    {
        QPainter p(&carta);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        TFormaCarta::Fondo(p, TTavolozza::Crema);
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

void TFaccia::Indici(QPainter& p, int mazzo, int valore) {
    // Both indices stand upright: turned over, a 9 would read as a 6.
    constexpr qreal lato = 15;
    constexpr qreal cifra = 12;
    constexpr qreal segno = 11;
    constexpr qreal margine = 2;
    const QRectF alto(1, margine, lato, cifra);
    const QRectF basso(TFormaCarta::Larghezza - 1 - lato, TFormaCarta::Altezza - margine - cifra,
                       lato, cifra);
    Indice(p, mazzo, valore, alto, alto.center() + QPointF(0, segno + 0.5));
    Indice(p, mazzo, valore, basso, basso.center() - QPointF(0, segno + 0.5));
}

void TFaccia::Indice(QPainter& p, int mazzo, int valore, const QRectF& cifra, QPointF segno) {
    QFont font(TCaratteri::Sans());
    font.setBold(true);
    font.setPixelSize(qRound(cifra.height()));
    // Two digits close up, to stay clear of the card's edge.
    const QString testo = QString::number(valore);
    font.setLetterSpacing(QFont::AbsoluteSpacing, testo.size() > 1 ? -1.2 : 0);
    p.setFont(font);
    p.setPen(QColor(TSegni::Colore(mazzo)));
    p.drawText(cifra, Qt::AlignCenter, testo);
    TSegni::Disegna(p, mazzo, segno, 11);
}

void TFaccia::Semi(QPainter& p, int mazzo, int valore) {
    if (valore == 1) {
        Cartiglio(p, mazzo);
    }
    const TDisposizione& d = Disposizioni()[valore - 1];
    for (const QPointF& posto : d.posti) {
        TSegni::Disegna(p, mazzo, posto, Altezza(mazzo, d.altezza), Inclinazione(mazzo, posto));
    }
}

void TFaccia::Cartiglio(QPainter& p, int mazzo) {
    // The ace's sign stands in an oval frame, as on the old decks.
    const QPointF centro(Centro, Mezzo);
    constexpr qreal rx = 28;
    constexpr qreal ry = 46;
    QColor colore(TSegni::Colore(mazzo));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colore, 1.2));
    p.drawEllipse(centro, rx, ry);
    colore.setAlpha(110);
    p.setPen(QPen(colore, 0.8));
    p.drawEllipse(centro, rx - 2.5, ry - 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(TSegni::Colore(mazzo)));
    for (const QPointF& punto :
         {QPointF(0, -ry), QPointF(0, ry), QPointF(-rx, 0), QPointF(rx, 0)}) {
        p.drawEllipse(centro + punto, 2.2, 2.2);
    }
}
