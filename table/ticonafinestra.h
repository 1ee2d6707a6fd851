#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QPixmap>

#include <map>

// The window icon in its seven drawn sizes, each read from its picture only
// when a size is first asked for: many platforms never ask for the window
// icon at all, and reading every size up front costs more than building the
// rest of the window. Only the window uses it, so every mode and state show
// the same picture.
class TIconaFinestra : public QIconEngine {
public:
    QIconEngine* clone() const override;
    QString key() const override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // Only the sizes a window icon is shown at; a larger one is still drawn
    // when asked for.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    // The side of the smallest drawn size that fills `size`, else the largest.
    static int Lato(const QSize& size);
    const QPixmap& Disegno(int lato);

    std::map<int, QPixmap> disegni; // the sizes read so far, by side
};
