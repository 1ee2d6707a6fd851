#include "ticonafinestra.h"

#include <QImage>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <array>

namespace {

constexpr std::array Lati{16, 24, 32, 48, 64, 128, 256};

// The sizes offered to the platform as the window's own: a title bar and a
// window switcher draw no larger, while menus and docks take the installed
// icon theme. X11 converts and sends every size offered as the window is
// shown, and the two largest are nine tenths of the pixels (more at 2x).
constexpr std::array Offerti{16, 24, 32, 48, 64};

} // namespace

QIconEngine* TIconaFinestra::clone() const {
    return new TIconaFinestra(*this);
}

QString TIconaFinestra::key() const {
    return QStringLiteral("TIconaFinestra");
}

void TIconaFinestra::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QSize TIconaFinestra::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int lato = Lato(size);
    const QSize disegno(lato, lato);
    // A larger drawing is shrunk to fit; a smaller one is never blown up.
    return disegno.boundedTo(size) == disegno ? disegno : disegno.scaled(size, Qt::KeepAspectRatio);
}

QPixmap TIconaFinestra::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QPixmap& disegno = Disegno(Lato(size));
    const QSize misura = actualSize(size, mode, state);
    return disegno.size() == misura
               ? disegno
               : disegno.scaled(misura, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QList<QSize> TIconaFinestra::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> misure;
    for (const int lato : Offerti) {
        misure.append(QSize(lato, lato));
    }
    return misure;
}

int TIconaFinestra::Lato(const QSize& size) {
    const int richiesto = std::max(size.width(), size.height());
    const auto lato =
        std::find_if(Lati.begin(), Lati.end(), [richiesto](int l) { return l >= richiesto; });
    return lato == Lati.end() ? Lati.back() : *lato;
}

const QPixmap& TIconaFinestra::Disegno(int lato) {
    QPixmap& disegno = disegni[lato];
    if (disegno.isNull()) {
        // Bare pixels: nothing to decode, no image plugin to load.
        const QByteArray pixel =
            QResource(QStringLiteral(":/immagini/icona_%1.argb").arg(lato)).uncompressedData();
        if (pixel.size() == qsizetype(lato) * lato * 4) {
            disegno = QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixel.constData()),
                                                lato, lato, QImage::Format_ARGB32_Premultiplied)
                                             .copy());
        }
    }
    return disegno;
}
