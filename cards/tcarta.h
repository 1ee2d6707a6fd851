#pragma once

#include "tdaticarta.h"

#include <QBitmap>
#include <QColor>
#include <QCursor>
#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

// A card on the table: shows its record's face or back, cut to the card's
// outline by a mask, and reports pointer input as signals of its own. It takes
// no decisions: the main window places it, stacks it and drags it.
class TCarta : public QWidget {
    Q_OBJECT

public:
    // The record stays owned by the game; the control only shows it.
    explicit TCarta(TDatiCarta& dati, QWidget* parent = nullptr);

    std::int16_t Mazzo() const { return dati.Mazzo; }
    std::int16_t Valore() const { return dati.Valore; }
    std::int16_t pozzo() const { return dati.pozzo; }
    std::int16_t numero() const { return dati.numero; }
    QPixmap PictureDietro; // the back, shown while the card is face down

    WId hWnd() const;
    // The face: as given, or once its denser variant is read, that variant.
    // Cut by a mask picture, the variant is kept only as its cut-out.
    const QPixmap& Picture() const;
    void setPicture(const QPixmap& Value);
    // A denser variant of the face, read by `leggi` only when the face is
    // first drawn or asked for: the faces of cards that stay face down are
    // never read. A null picture from it leaves the face as it was. A new
    // mask picture or colour reads it again, to cut it afresh.
    void setPictureDoppia(std::function<QPixmap()> leggi);
    QPixmap PictureMask() const;
    void setPictureMask(const QPixmap& Value);
    QColor MaskColor() const;
    void setMaskColor(const QColor& Value);
    void Moving(bool Value);
    bool Coperta() const { return dati.Coperta; }
    void setCoperta(bool Value);

signals:
    void Click();
    void DblClick();
    void MouseDown(float X, float Y);
    void MouseMove(float X, float Y);
    void MouseUp(float X, float Y);
    void ShowOn();
    void ShowOff();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Cuts the card's shape from the mask picture, or the face when there is none.
    void ApplicaMaschera();
    // Gives the control its face picture's size, whatever its parent asked for.
    void Ridimensiona();
    static const QCursor& CursoreMano(int scala);
    // Reads the denser variant of the face, and cuts it by the mask picture.
    void LeggiDoppia() const;
    // Whether the face is the cut-out of the mask picture and colour set now.
    bool Ritagliata() const;

    TDatiCarta& dati;
    // These change when the waiting variant is read, which no caller sees.
    mutable QPixmap faccia;
    mutable std::function<QPixmap()> facciaDoppia;
    // The mask picture and colour the face was cut by; none while it is whole.
    mutable std::optional<std::pair<qint64, QRgb>> taglio;
    QPixmap maschera;
    QColor coloreMaschera{255, 0, 0};
    bool ridimensionando = false; // set while Ridimensiona itself resizes the control
};
