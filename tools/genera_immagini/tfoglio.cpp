#include "tfoglio.h"
#include "tcartespeciali.h"
#include "tfaccia.h"
#include "tformacarta.h"
#include "tmarchio.h"
#include "tsegni.h"
#include "ttavolo.h"

// Qt
#include <QFont>
#include <QPainter>

namespace {

constexpr int Margine = 16;
constexpr int Spazio = 8;
constexpr int PassoX = TFormaCarta::Larghezza + Spazio;
constexpr int PassoY = TFormaCarta::Altezza + Spazio;
constexpr int Larghezza = 2 * Margine + TFaccia::ValoreMassimo * PassoX - Spazio;
constexpr int RigaSpeciali = Margine + TSegni::NumeroSemi * PassoY;
constexpr int RigaVentagli = RigaSpeciali + PassoY + 14;
constexpr int RigaMarchi = RigaVentagli + 190;
constexpr int Altezza = RigaMarchi + 300;
constexpr int Ingrandimento = 3;

// A card as the table shows it: cut to the mask, the table around it.
QImage Ritagliata(const QImage& carta) {
    QImage ritagliata = carta.convertToFormat(QImage::Format_ARGB32);
    const QImage maschera = TFormaCarta::Maschera();
    for (int y = 0; y < ritagliata.height(); ++y) {
        for (int x = 0; x < ritagliata.width(); ++x) {
            if (maschera.pixel(x, y) == TFormaCarta::RossoMaschera) {
                ritagliata.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    return ritagliata;
}

QPoint Posto(int colonna, int riga) {
    return QPoint(Margine + colonna * PassoX, riga);
}

} // namespace

QImage TFoglio::Disegna() {
    QImage foglio = TTavolo::Panno(Larghezza, Altezza);
    QPainter p(&foglio);
    p.setRenderHint(QPainter::Antialiasing, true);
    Facce(p);
    Speciali(p);
    Ventagli(p);
    Marchi(p);
    return foglio;
}

void TFoglio::Facce(QPainter& p) {
    for (int mazzo = 0; mazzo < TSegni::NumeroSemi; ++mazzo) {
        for (int valore = 1; valore <= TFaccia::ValoreMassimo; ++valore) {
            p.drawImage(Posto(valore - 1, Margine + mazzo * PassoY),
                        Ritagliata(TFaccia::Disegna(mazzo, valore)));
        }
    }
}

void TFoglio::Speciali(QPainter& p) {
    p.drawImage(Posto(0, RigaSpeciali), Ritagliata(TCarteSpeciali::Dorso()));
    p.drawImage(Posto(1, RigaSpeciali), TFormaCarta::Maschera());
    p.drawImage(Posto(2, RigaSpeciali), Ritagliata(TCarteSpeciali::Posto()));
    p.drawImage(Posto(3, RigaSpeciali), TCarteSpeciali::Posto());
    Didascalia(p, Posto(0, RigaSpeciali + PassoY - Spazio), QStringLiteral("Xx.bmp"));
    Didascalia(p, Posto(1, RigaSpeciali + PassoY - Spazio), QStringLiteral("mask.bmp"));
    Didascalia(p, Posto(2, RigaSpeciali + PassoY - Spazio), QStringLiteral("Posto.bmp"));
}

void TFoglio::Ventagli(QPainter& p) {
    // Piles as the table lays them: over a face-down card 13, 13; then 2, 3.
    const int valori[] = {10, 9, 8, 7, 6};
    for (int mazzo = 0; mazzo < TSegni::NumeroSemi; ++mazzo) {
        QPoint base = Posto(mazzo * 2, RigaVentagli);
        p.drawImage(base, Ritagliata(TCarteSpeciali::Dorso()));
        QPoint punto = base + QPoint(13, 13);
        for (int v : valori) {
            p.drawImage(punto, Ritagliata(TFaccia::Disegna(mazzo, v)));
            punto += QPoint(2, 3);
        }
    }
}

void TFoglio::Marchi(QPainter& p) {
    int x = Margine;
    for (int lato : {16, 24, 32, 48, 64, 128}) {
        p.drawImage(QPoint(x, RigaMarchi), TMarchio::Icona(lato));
        x += lato + Spazio;
    }
    p.drawImage(QPoint(x, RigaMarchi), TMarchio::Mano());
    const QImage mano = TMarchio::Mano();
    p.drawImage(
        QPoint(x, RigaMarchi + 40),
        mano.scaled(mano.size() * Ingrandimento, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    x += TMarchio::LatoMano * Ingrandimento + Spazio;
    p.fillRect(QRect(QPoint(x, RigaMarchi), QSize(TMarchio::LarghezzaLogo, TMarchio::AltezzaLogo)),
               Qt::white);
    p.drawImage(QPoint(x, RigaMarchi), TMarchio::Logo());

    const QImage faccia = Ritagliata(TFaccia::Disegna(TSegni::Denari, 7));
    p.drawImage(QPoint(x, RigaMarchi + 60),
                faccia.scaled(faccia.size() * Ingrandimento, Qt::IgnoreAspectRatio,
                              Qt::FastTransformation));
    const QImage re = Ritagliata(TFaccia::Disegna(TSegni::Bastoni, 10));
    p.drawImage(
        QPoint(x + 220, RigaMarchi - 80),
        re.scaled(re.size() * Ingrandimento, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void TFoglio::Didascalia(QPainter& p, QPointF dove, const QString& testo) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(dove + QPointF(0, 10), testo);
}
