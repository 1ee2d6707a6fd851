#include "tvignettatura.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

// Stops along the radius: the square between two of them is drawn as a line,
// off by less than a twentieth of a level.
constexpr int Passi = 10;

} // namespace

void TVignettatura::Dipingi(QPainter& pittore, const QRect& panno) {
    const QRectF area(panno);
    const QPointF centro = area.center();
    QRadialGradient ombra(centro, std::hypot(area.width() / 2, area.height() / 2));
    for (int passo = 0; passo <= Passi; ++passo) {
        const double t = double(passo) / Passi;
        ombra.setColorAt(t, QColor::fromRgbF(0, 0, 0, float(Intensita * t * t)));
    }
    // Black of this opacity over a colour multiplies it by one less the opacity.
    pittore.fillRect(panno, ombra);
}
