#include "tpanno.h"
#include "tvignettatura.h"

#include <QPainter>

#include <utility>

TPanno::TPanno(QPixmap intero)
    : figura(std::move(intero)), misura(figura.deviceIndependentSize().toSize()) {}

TPanno::TPanno(QPixmap trama, QSize misura)
    : figura(std::move(trama)), misura(misura), ripetuto(true) {}

void TPanno::Dipingi(QPainter& pittore) const {
    // A 2x picture is scaled to any other ratio smoothly; at its own it is copied.
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!ripetuto) {
        pittore.drawPixmap(0, 0, figura);
        return;
    }
    const QRect panno(QPoint(), misura);
    pittore.drawTiledPixmap(panno, figura);
    TVignettatura::Dipingi(pittore, panno);
}
