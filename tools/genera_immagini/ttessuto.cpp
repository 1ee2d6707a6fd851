#include "ttessuto.h"
#include "ttavolozza.h"

#include "tvignettatura.h"

// Qt
#include <QPainter>
#include <QRandomGenerator>

// Standard library
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr quint32 Seme = 62106;
constexpr double Grana = 5.0;    // largest brightness change of one fibre, in levels
constexpr double Trama = 3.0;    // depth of the weave, in levels
constexpr int LarghezzaFilo = 3; // width of one thread, in pixels
static_assert(TTessuto::LatoTrama % (2 * LarghezzaFilo) == 0, "the tile must hold whole threads");

int Limita(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

// Weave and grain over `misura` 1x pixels at `scala`, unshaded.
QImage Tessi(QSize misura, int scala) {
    const int larghezza = misura.width() * scala;
    const int altezza = misura.height() * scala;
    QImage panno(larghezza, altezza, QImage::Format_RGB32);
    panno.setDevicePixelRatio(scala);
    QRandomGenerator caso(Seme);
    const double onda = 2 * std::numbers::pi / (LarghezzaFilo * scala);
    for (int y = 0; y < altezza; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(panno.scanLine(y));
        for (int x = 0; x < larghezza; ++x) {
            // Warp and weft cross over and under each other in a checker of threads.
            const double filo = std::sin(x * onda) * std::sin(y * onda);
            const double grana = (caso.generateDouble() * 2 - 1) * Grana;
            const double scarto = filo * Trama + grana;
            riga[x] = qRgb(Limita(qRed(TTavolozza::Tavolo) + scarto),
                           Limita(qGreen(TTavolozza::Tavolo) + scarto),
                           Limita(qBlue(TTavolozza::Tavolo) + scarto * 0.5));
        }
    }
    return panno;
}

} // namespace

QImage TTessuto::Panno(QSize misura, int scala) {
    QImage panno = Tessi(misura, scala);
    QPainter pittore(&panno);
    TVignettatura::Dipingi(pittore, QRect(QPoint(), misura));
    return panno;
}

QImage TTessuto::Trama(int scala) {
    return Tessi(QSize(LatoTrama, LatoTrama), scala);
}
