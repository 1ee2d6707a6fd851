#pragma once

#include <QEvent>
#include <QPixmap>
#include <QPoint>
#include <QString>

// The two densities of the game's pictures: 1x, and 2x for any device pixel
// ratio above 1, drawn smoothly from there.
class TScala {
public:
    static constexpr int Doppia = 2;

    // The density of the pictures for a device pixel ratio.
    static int Per(qreal rapporto) { return rapporto > 1 ? Doppia : 1; }
    // The built-in picture ":/immagini/<nome>.png", or its "@2x" variant,
    // for the ratio; at the same logical size either way.
    static QPixmap Risorsa(const QString& nome, qreal rapporto);
    // A cursor's hot spot given in 1x pixels, as the platform wants it for a
    // picture of the density `scala`: X11 counts it in the picture's own
    // pixels, Wayland and the others in logical ones.
    static QPoint PuntoCaldo(QPoint logico, int scala, const QString& piattaforma);
    // Whether the event may bring a widget a new device pixel ratio: its
    // window moved to another screen, or the screen's scale changed.
    static bool CambiaRapporto(const QEvent* evento);
};
