#include "ttavolo.h"

#include <QPainter>

namespace {

// Shown wherever the background picture does not reach.
const QColor ColoreTavolo(62, 106, 0);

} // namespace

TTavolo::TTavolo(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TTavolo::ImpostaSfondo(const TPanno& panno) {
    sfondo = panno;
    update();
}

void TTavolo::paintEvent(QPaintEvent*) {
    // A desktop whose scale changes under a window that stays on its screen
    // sends the window no event before Qt 6.6: the first paint at the new
    // ratio tells.
    if (devicePixelRatioF() != rapportoDipinto) {
        rapportoDipinto = devicePixelRatioF();
        emit NuovoRapporto(rapportoDipinto);
    }
    QPainter pittore(this);
    // The picture usually covers the whole table: the colour only fills what it leaves.
    if (!QRect(QPoint(), sfondo.Misura()).contains(rect())) {
        pittore.fillRect(rect(), ColoreTavolo);
    }
    sfondo.Dipingi(pittore);
}

void TTavolo::resizeEvent(QResizeEvent*) {
    emit Ridimensionato();
}
