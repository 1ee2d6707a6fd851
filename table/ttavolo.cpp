#include "ttavolo.h"

#include <QPainter>

namespace {

// Shown wherever the background picture does not reach.
const QColor ColoreTavolo(62, 106, 0);

} // namespace

TTavolo::TTavolo(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TTavolo::ImpostaSfondo(const QPixmap& immagine) {
    sfondo = immagine;
    update();
}

void TTavolo::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    // The picture usually covers the whole table: the colour only fills what it leaves.
    const QRect coperto(QPoint(), sfondo.deviceIndependentSize().toSize());
    if (!coperto.contains(rect())) {
        pittore.fillRect(rect(), ColoreTavolo);
    }
    // A 2x cloth is scaled to any other ratio smoothly; at its own it is copied.
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    pittore.drawPixmap(0, 0, sfondo);
}

void TTavolo::resizeEvent(QResizeEvent*) {
    emit Ridimensionato();
}
