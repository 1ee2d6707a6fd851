#include "tfoglio.h"
#include "tcaratteri.h"
#include "tdorsoeposto.h"
#include "tfaccia.h"
#include "tformacarta.h"
#include "tmarchio.h"
#include "tsegni.h"
#include "ttessuto.h"

// Qt
#include <QFont>
#include <QPainter>

namespace {

constexpr int Margine = 16;
constexpr int Spazio = 8;
constexpr int SpazioDidascalia = 18;
constexpr int PassoX = TFormaCarta::Larghezza + Spazio;
constexpr int PassoY = TFormaCarta::Altezza + Spazio;
constexpr int Doppio = 2;
constexpr int PassoXDoppio = Doppio * TFormaCarta::Larghezza + Spazio;
constexpr int PassoYDoppio = Doppio * TFormaCarta::Altezza + Spazio;
// The 2x set, at its own pixels, is the widest part.
constexpr int Larghezza = 2 * Margine + TFaccia::ValoreMassimo * PassoXDoppio - Spazio;
constexpr int Ingrandimento = 3;
constexpr int AltezzaMucchio = TFormaCarta::Altezza + 13 + 4 * 3; // a face-down card and five faces
constexpr int AltezzaMarchi = TMarchio::LatoMano * Ingrandimento;
constexpr int AltezzaIngranditi = TFormaCarta::Altezza * Ingrandimento;
constexpr int AltezzaDoppi = (TSegni::NumeroSemi + 1) * PassoYDoppio; // the faces, then the rest
constexpr int Altezza = Margine + TSegni::NumeroSemi * PassoY + AltezzaMucchio + SpazioDidascalia +
                        AltezzaMarchi + SpazioDidascalia + Spazio + AltezzaIngranditi +
                        SpazioDidascalia + Spazio + AltezzaDoppi + SpazioDidascalia + Margine;

// A card as the table shows it: cut to the mask of its density, the cloth
// around it; at 2x the edge pixels let the cloth through as much as the mask
// shades them. The mask's white has full green and its red none.
QImage Ritagliata(const QImage& carta) {
    const QImage maschera = TFormaCarta::Maschera(qRound(carta.devicePixelRatio()));
    QImage ritagliata = carta.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < ritagliata.height(); ++y) {
        for (int x = 0; x < ritagliata.width(); ++x) {
            const QRgb c = ritagliata.pixel(x, y);
            ritagliata.setPixel(x, y,
                                qRgba(qRed(c), qGreen(c), qBlue(c), qGreen(maschera.pixel(x, y))));
        }
    }
    // The sheet shows every picture at its own pixels.
    ritagliata.setDevicePixelRatio(1);
    return ritagliata;
}

QImage Ingrandita(const QImage& immagine) {
    return immagine.scaled(immagine.size() * Ingrandimento, Qt::IgnoreAspectRatio,
                           Qt::FastTransformation);
}

} // namespace

QImage TFoglio::Disegna() {
    QImage foglio = TTessuto::Panno(QSize(Larghezza, Altezza));
    QPainter p(&foglio);
    p.setRenderHint(QPainter::Antialiasing, true);
    int y = Facce(p, Margine);
    y = Speciali(p, y);
    y = Marchi(p, y);
    y = Ingranditi(p, y);
    Doppi(p, y + Spazio);
    return foglio;
}

int TFoglio::Facce(QPainter& p, int y) {
    for (int mazzo = 0; mazzo < TSegni::NumeroSemi; ++mazzo) {
        for (int valore = 1; valore <= TFaccia::ValoreMassimo; ++valore) {
            p.drawImage(QPoint(Margine + (valore - 1) * PassoX, y),
                        Ritagliata(TFaccia::Disegna(mazzo, valore)));
        }
        y += PassoY;
    }
    return y;
}

int TFoglio::Speciali(QPainter& p, int y) {
    const QImage carte[] = {Ritagliata(TDorsoEPosto::Dorso()), TFormaCarta::Maschera(),
                            Ritagliata(TDorsoEPosto::Posto())};
    const QString nomi[] = {QStringLiteral("Xx.bmp"), QStringLiteral("mask.bmp"),
                            QStringLiteral("Posto.bmp")};
    for (int i = 0; i < 3; ++i) {
        const QPoint posto(Margine + i * PassoX, y);
        p.drawImage(posto, carte[i]);
        Didascalia(p, posto + QPoint(0, TFormaCarta::Altezza), nomi[i]);
    }
    // Piles as the table lays them out.
    for (int mazzo = 0; mazzo < TSegni::NumeroSemi; ++mazzo) {
        Mucchio(p, QPoint(Margine + 3 * PassoX + 10 + mazzo * 112, y), mazzo);
    }
    return y + AltezzaMucchio + SpazioDidascalia;
}

void TFoglio::Mucchio(QPainter& p, QPoint base, int mazzo) {
    // Over a face-down card the next one lies 13, 13 away; every further one 2, 3.
    p.drawImage(base, Ritagliata(TDorsoEPosto::Dorso()));
    QPoint punto = base + QPoint(13, 13);
    for (int valore = TFaccia::ValoreMassimo; valore > TFaccia::ValoreMassimo - 5; --valore) {
        p.drawImage(punto, Ritagliata(TFaccia::Disegna(mazzo, valore)));
        punto += QPoint(2, 3);
    }
}

int TFoglio::Marchi(QPainter& p, int y) {
    // Everything stands on one base line, the icons up to the size that fits.
    const int base = y + AltezzaMarchi;
    int x = Margine;
    for (int lato : TMarchio::LatiIcona) {
        if (lato <= AltezzaMarchi) {
            p.drawImage(QPoint(x, base - lato), TMarchio::Icona(lato));
            x += lato + Spazio;
        }
    }
    Didascalia(p, QPoint(Margine, base), QStringLiteral("icona"));
    x += 2 * Spazio;
    const QImage mano = TMarchio::Mano();
    Didascalia(p, QPoint(x, base), QStringLiteral("mano"));
    p.drawImage(QPoint(x, base - TMarchio::LatoMano), mano);
    x += TMarchio::LatoMano + Spazio;
    p.drawImage(QPoint(x, y), Ingrandita(mano));
    x += AltezzaMarchi + 2 * Spazio;
    const QRect fondoLogo(QPoint(x, base - TMarchio::AltezzaLogo),
                          QSize(TMarchio::LarghezzaLogo, TMarchio::AltezzaLogo));
    p.fillRect(fondoLogo, Qt::white);
    p.drawImage(fondoLogo.topLeft(), TMarchio::Logo());
    Didascalia(p, QPoint(x, base), QStringLiteral("logo"));
    return base + SpazioDidascalia + Spazio;
}

int TFoglio::Ingranditi(QPainter& p, int y) {
    const QImage carte[] = {TFaccia::Disegna(TSegni::Denari, 7), TFaccia::Disegna(TSegni::Coppe, 9),
                            TFaccia::Disegna(TSegni::Spade, 10)};
    int x = Margine;
    for (const QImage& carta : carte) {
        p.drawImage(QPoint(x, y), Ingrandita(Ritagliata(carta)));
        x += TFormaCarta::Larghezza * Ingrandimento + Spazio;
    }
    Didascalia(p, QPoint(Margine, y + AltezzaIngranditi), QStringLiteral("x3"));
    return y + AltezzaIngranditi + SpazioDidascalia;
}

int TFoglio::Doppi(QPainter& p, int y) {
    for (int mazzo = 0; mazzo < TSegni::NumeroSemi; ++mazzo) {
        for (int valore = 1; valore <= TFaccia::ValoreMassimo; ++valore) {
            p.drawImage(QPoint(Margine + (valore - 1) * PassoXDoppio, y),
                        Ritagliata(TFaccia::Disegna(mazzo, valore, Doppio)));
        }
        y += PassoYDoppio;
    }
    QImage maschera = TFormaCarta::Maschera(Doppio);
    maschera.setDevicePixelRatio(1);
    const QImage carte[] = {Ritagliata(TDorsoEPosto::Dorso(Doppio)), maschera,
                            Ritagliata(TDorsoEPosto::Posto(Doppio))};
    for (int i = 0; i < 3; ++i) {
        p.drawImage(QPoint(Margine + i * PassoXDoppio, y), carte[i]);
    }
    const QImage mano = TMarchio::Mano(Doppio);
    const QImage logo = TMarchio::Logo(Doppio);
    const QPoint posto(Margine + 3 * PassoXDoppio, y);
    p.drawImage(QRect(posto, mano.size()), mano);
    const QRect fondoLogo(posto + QPoint(mano.width() + Spazio, 0), logo.size());
    p.fillRect(fondoLogo, Qt::white);
    p.drawImage(fondoLogo, logo);
    y += PassoYDoppio;
    Didascalia(p, QPoint(Margine, y - Spazio), QStringLiteral("@2x"));
    return y + SpazioDidascalia;
}

void TFoglio::Didascalia(QPainter& p, QPoint sotto, const QString& testo) {
    QFont font(TCaratteri::Sans());
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(sotto + QPoint(0, 13), testo);
}
