#include "tcarta.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace {

// The cards and the placeholder all share one mask picture and colour, and
// cutting a shape is the costliest step in building a card: the last shape cut
// is kept and given again while its picture and colour are the same. A
// picture's cache key changes whenever its pixels do.
QRegion Forma(const QPixmap& figura, const QColor& colore) {
    static qint64 chiave = 0;
    static QRgb coloreChiave = 0;
    static QRegion forma;
    if (figura.cacheKey() != chiave || colore.rgba() != coloreChiave) {
        forma = QRegion(figura.createMaskFromColor(colore, Qt::MaskInColor));
        chiave = figura.cacheKey();
        coloreChiave = colore.rgba();
    }
    return forma;
}

} // namespace

TCarta::TCarta(TDatiCarta& dati, QWidget* parent) : QWidget(parent), dati(dati) {}

WId TCarta::hWnd() const {
    // Asking winId() would turn the card into a native window; a plain child has none.
    return internalWinId();
}

quintptr TCarta::hdc() const {
    // Qt paints through QPainter and has no drawing-context handle to give.
    return 0;
}

QPixmap TCarta::Picture() const {
    return faccia;
}

void TCarta::setPicture(const QPixmap& Value) {
    faccia = Value;
    ApplicaMaschera();
    Ridimensiona();
}

QPixmap TCarta::PictureMask() const {
    return maschera;
}

void TCarta::setPictureMask(const QPixmap& Value) {
    maschera = Value;
    ApplicaMaschera();
}

QColor TCarta::MaskColor() const {
    return coloreMaschera;
}

void TCarta::setMaskColor(const QColor& Value) {
    coloreMaschera = Value;
    ApplicaMaschera();
    update();
}

void TCarta::Moving(bool Value) {
    if (Value)
        setCursor(CursoreMano());
    else
        unsetCursor();
}

void TCarta::setCoperta(bool Value) {
    dati.Coperta = Value;
    update();
}

void TCarta::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    pittore.drawPixmap(0, 0, Coperta() ? PictureDietro : faccia);
}

void TCarta::resizeEvent(QResizeEvent*) {
    Ridimensiona();
}

void TCarta::mousePressEvent(QMouseEvent* event) {
    // Each test reads the face-down flag again: a handler may turn the card over.
    const QPointF punto = event->position();
    if (event->button() == Qt::LeftButton && !Coperta())
        emit MouseDown(punto.x(), punto.y());
    if (event->button() == Qt::RightButton && !Coperta())
        emit ShowOn();
    if (Coperta())
        emit Click();
}

void TCarta::mouseMoveEvent(QMouseEvent* event) {
    const QPointF punto = event->position();
    if (event->buttons() == Qt::LeftButton && !Coperta())
        emit MouseMove(punto.x(), punto.y());
}

void TCarta::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF punto = event->position();
    if (event->button() == Qt::LeftButton && !Coperta())
        emit MouseUp(punto.x(), punto.y());
    if (event->button() == Qt::RightButton && !Coperta())
        emit ShowOff();
}

void TCarta::mouseDoubleClickEvent(QMouseEvent*) {
    // The second press of a double-click is the double-click alone, never a new press.
    emit DblClick();
}

void TCarta::ApplicaMaschera() {
    const QPixmap& forma = maschera.isNull() ? faccia : maschera;
    if (forma.isNull())
        clearMask();
    else
        setMask(Forma(forma, coloreMaschera));
}

void TCarta::Ridimensiona() {
    if (!faccia.isNull() && !ridimensionando) {
        ridimensionando = true;
        resize(faccia.size());
        ridimensionando = false;
    }
    update();
}

const QCursor& TCarta::CursoreMano() {
    // Built once and never freed: a cursor must not outlive the application object.
    static const QCursor* const mano = [] {
        const QPixmap immagine(":/immagini/mano.png");
        return immagine.isNull() ? new QCursor(Qt::ClosedHandCursor)
                                 : new QCursor(immagine, 12, 10);
    }();
    return *mano;
}
