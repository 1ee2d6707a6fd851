#include "tcarta.h"
#include "tscala.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>
#include <utility>

namespace {

// Pictures cut for a ratio above 1 are kept for so many pictures, masks and
// colours: in the game only the back and the place mark, as each face keeps
// its own cut-out; the tests try a few more.
constexpr std::size_t ScontornateMassime = 64;
// Where the grabbing hand holds the card, in the 1x hand's pixels.
constexpr QPoint PuntoCaldoMano(12, 10);

QSize Logica(const QPixmap& figura) {
    return figura.deviceIndependentSize().toSize();
}

// A mask of a ratio above 1 seen in logical pixels: a logical pixel is kept
// when any of its device pixels is, so the shape covers a smooth edge whole.
QImage InPixelLogici(const QPixmap& figura, QRgb colore) {
    const QImage pixel = figura.toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal rapporto = figura.devicePixelRatio();
    QImage logica(Logica(figura), QImage::Format_ARGB32);
    logica.fill(colore);
    for (int y = 0; y < pixel.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(pixel.constScanLine(y));
        for (int x = 0; x < pixel.width(); ++x) {
            const QPoint punto(int(x / rapporto), int(y / rapporto));
            if (riga[x] != colore && logica.rect().contains(punto)) {
                logica.setPixel(punto, ~colore);
            }
        }
    }
    return logica;
}

QRegion TagliaForma(const QPixmap& figura, const QColor& colore) {
    if (figura.devicePixelRatio() == 1) {
        return QRegion(figura.createMaskFromColor(colore, Qt::MaskInColor));
    }
    return QRegion(QBitmap::fromImage(
        InPixelLogici(figura, colore.rgba()).createMaskFromColor(colore.rgba(), Qt::MaskInColor)));
}

// The cards and the placeholder all share one mask picture and colour, and
// cutting a shape is the costliest step in building a card: the last shape cut
// is kept and given again while its picture and colour are the same. A
// picture's cache key changes whenever its pixels do.
QRegion Forma(const QPixmap& figura, const QColor& colore) {
    static qint64 chiave = 0;
    static QRgb coloreChiave = 0;
    static QRegion forma;
    if (figura.cacheKey() != chiave || colore.rgba() != coloreChiave) {
        forma = TagliaForma(figura, colore);
        chiave = figura.cacheKey();
        coloreChiave = colore.rgba();
    }
    return forma;
}

// How much of a pixel of the mask the card covers, 0 to 255: nothing where it
// has the mask colour, all of it elsewhere. A mask of a ratio above 1 smooths
// its edge with shades between the mask colour and white: each covers as much
// as it has gone from the one towards the other.
int Copertura(QRgb pixel, QRgb colore, bool sfumata) {
    if (pixel == colore) {
        return 0;
    }
    if (!sfumata) {
        return 255;
    }
    int copertura = 0;
    // Blue, green and red, a byte each.
    for (const int spostamento : {0, 8, 16}) {
        const int daColore = int(colore >> spostamento) & 0xff;
        const int daPixel = int(pixel >> spostamento) & 0xff;
        if (daColore < 255) {
            copertura = std::max(copertura, (daPixel - daColore) * 255 / (255 - daColore));
        }
    }
    return std::clamp(copertura, 1, 255);
}

// The picture's pixels at twice its logical size: a 1x picture blown up pixel
// by pixel, so what lies outside its mask never bleeds into its edge.
QImage PixelDoppi(const QPixmap& figura, QImage::Format formato) {
    QImage immagine = figura.toImage().convertToFormat(formato);
    const QSize doppia = Logica(figura) * TScala::Doppia;
    if (immagine.size() != doppia) {
        immagine = immagine.scaled(doppia, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    immagine.setDevicePixelRatio(1);
    return immagine;
}

// The mask's coverage at twice the density, as the alpha of a black picture.
// Every card shares the mask: the last one is kept, as its shape is.
const QImage& Alfa(const QPixmap& forma, QRgb colore) {
    static qint64 chiave = 0;
    static QRgb coloreChiave = 0;
    static QImage alfa;
    if (forma.cacheKey() != chiave || colore != coloreChiave) {
        const QImage pixel = PixelDoppi(forma, QImage::Format_ARGB32);
        const bool sfumata = forma.devicePixelRatio() > 1;
        alfa = QImage(pixel.size(), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < pixel.height(); ++y) {
            const auto* riga = reinterpret_cast<const QRgb*>(pixel.constScanLine(y));
            auto* uscita = reinterpret_cast<QRgb*>(alfa.scanLine(y));
            for (int x = 0; x < pixel.width(); ++x) {
                uscita[x] = qRgba(0, 0, 0, Copertura(riga[x], colore, sfumata));
            }
        }
        chiave = forma.cacheKey();
        coloreChiave = colore;
    }
    return alfa;
}

// The picture at twice the density with the mask's coverage as its alpha.
QImage Scontorna(const QPixmap& figura, const QPixmap& forma, QRgb colore) {
    QImage carta = PixelDoppi(figura, QImage::Format_ARGB32_Premultiplied);
    if (!forma.isNull()) {
        QPainter pittore(&carta);
        pittore.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        pittore.drawImage(0, 0, Alfa(forma, colore));
    }
    carta.setDevicePixelRatio(TScala::Doppia);
    return carta;
}

// The cards share their back, and all of them their mask: each such picture is
// cut once and kept while its picture, mask and colour stay the same.
const QImage& Scontornata(const QPixmap& figura, const QPixmap& forma, const QColor& colore) {
    static std::map<std::tuple<qint64, qint64, QRgb>, QImage> fatte;
    const auto chiave = std::make_tuple(figura.cacheKey(), forma.cacheKey(), colore.rgba());
    auto trovata = fatte.find(chiave);
    if (trovata == fatte.end()) {
        if (fatte.size() >= ScontornateMassime) {
            fatte.clear();
        }
        trovata = fatte.emplace(chiave, Scontorna(figura, forma, colore.rgba())).first;
    }
    return trovata->second;
}

} // namespace

TCarta::TCarta(TDatiCarta& dati, QWidget* parent) : QWidget(parent), dati(dati) {}

WId TCarta::hWnd() const {
    // Asking winId() would turn the card into a native window; a plain child has none.
    return internalWinId();
}

const QPixmap& TCarta::Picture() const {
    if (facciaDoppia && !Ritagliata()) {
        LeggiDoppia();
    }
    return faccia;
}

void TCarta::setPicture(const QPixmap& Value) {
    faccia = Value;
    facciaDoppia = nullptr;
    taglio.reset();
    ApplicaMaschera();
    Ridimensiona();
}

void TCarta::setPictureDoppia(std::function<QPixmap()> leggi) {
    facciaDoppia = std::move(leggi);
    taglio.reset();
    // Without a mask the face is the shape: it is cut from the denser one.
    if (maschera.isNull())
        ApplicaMaschera();
    update();
}

void TCarta::LeggiDoppia() const {
    const QPixmap doppia = facciaDoppia();
    if (doppia.isNull()) {
        facciaDoppia = nullptr;
        return;
    }
    if (maschera.isNull()) {
        // The face is its own shape, cut by whatever colour comes: kept whole.
        faccia = doppia;
        facciaDoppia = nullptr;
        taglio.reset();
        return;
    }
    // Only the cut-out is kept: the variant is read again should the mask or
    // its colour change.
    faccia = QPixmap::fromImage(Scontorna(doppia, maschera, coloreMaschera.rgba()));
    taglio = std::make_pair(maschera.cacheKey(), coloreMaschera.rgba());
}

bool TCarta::Ritagliata() const {
    return !maschera.isNull() &&
           taglio == std::make_pair(maschera.cacheKey(), coloreMaschera.rgba());
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
    // The hand of the density the card is shown at now: the window may have
    // moved to a screen of another scale since the last grab.
    if (Value)
        setCursor(CursoreMano(TScala::Per(devicePixelRatioF())));
    else
        unsetCursor();
}

void TCarta::setCoperta(bool Value) {
    dati.Coperta = Value;
    update();
}

void TCarta::paintEvent(QPaintEvent*) {
    QPainter pittore(this);
    const QPixmap& figura = Coperta() ? PictureDietro : Picture();
    if (figura.isNull() || (devicePixelRatioF() <= 1 && figura.devicePixelRatio() <= 1)) {
        pittore.drawPixmap(0, 0, figura);
        return;
    }
    // The shape cuts whole logical pixels; the smooth edge comes from the
    // picture's own alpha, inside it. A 2x picture takes this way on a 1x
    // screen too (a window moved to another screen): its outside must not show.
    pittore.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!Coperta() && Ritagliata()) {
        pittore.drawPixmap(QPointF(0, 0), figura);
        return;
    }
    pittore.drawImage(QPointF(0, 0), Scontornata(figura, maschera.isNull() ? Picture() : maschera,
                                                 coloreMaschera));
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
    const QPixmap& forma = maschera.isNull() ? Picture() : maschera;
    if (forma.isNull())
        clearMask();
    else
        setMask(Forma(forma, coloreMaschera));
}

void TCarta::Ridimensiona() {
    if (!faccia.isNull() && !ridimensionando) {
        ridimensionando = true;
        resize(Logica(faccia));
        ridimensionando = false;
    }
    update();
}

const QCursor& TCarta::CursoreMano(int scala) {
    // Built once per density and never freed: a cursor must not outlive the
    // application object. Each density's hand holds the card at the same
    // logical point, as the platform counts it.
    static std::array<const QCursor*, TScala::Doppia> mani{};
    const QCursor*& mano = mani.at(scala - 1);
    if (mano == nullptr) {
        const QPixmap immagine = TScala::Risorsa(QStringLiteral("mano"), scala);
        const QPoint presa =
            TScala::PuntoCaldo(PuntoCaldoMano, scala, QGuiApplication::platformName());
        mano = immagine.isNull() ? new QCursor(Qt::ClosedHandCursor)
                                 : new QCursor(immagine, presa.x(), presa.y());
    }
    return *mano;
}
