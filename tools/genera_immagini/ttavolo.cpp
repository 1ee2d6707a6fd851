#include "ttavolo.h"
#include "ttavolozza.h"

// Qt
#include <QRandomGenerator>

// Standard library
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr quint32 Seme = 62106;
constexpr double Grana = 5.0;         // largest brightness change of one fibre, in levels
constexpr double Trama = 3.0;         // depth of the weave, in levels
constexpr double PassoTrama = 3.0;    // width of one thread, in pixels
constexpr double Vignettatura = 0.16; // how much darker the far corners are

int Limita(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

} // namespace

QImage TTavolo::Panno(QSize misura, int scala) {
    const int larghezza = misura.width() * scala;
    const int altezza = misura.height() * scala;
    QImage panno(larghezza, altezza, QImage::Format_RGB32);
    panno.setDevicePixelRatio(scala);
    QRandomGenerator caso(Seme);
    const double cx = larghezza / 2.0;
    const double cy = altezza / 2.0;
    const double raggio2 = cx * cx + cy * cy;
    const double onda = 2 * std::numbers::pi / (PassoTrama * scala);
    for (int y = 0; y < altezza; ++y) {
        auto* riga = reinterpret_cast<QRgb*>(panno.scanLine(y));
        for (int x = 0; x < larghezza; ++x) {
            // Warp and weft cross over and under each other in a checker of threads.
            const double filo = std::sin(x * onda) * std::sin(y * onda);
            const double grana = (caso.generateDouble() * 2 - 1) * Grana;
            const double d2 = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / raggio2;
            const double luce = 1.0 - Vignettatura * d2;
            const double scarto = filo * Trama + grana;
            riga[x] = qRgb(Limita((qRed(TTavolozza::Tavolo) + scarto) * luce),
                           Limita((qGreen(TTavolozza::Tavolo) + scarto) * luce),
                           Limita((qBlue(TTavolozza::Tavolo) + scarto * 0.5) * luce));
        }
    }
    return panno;
}
