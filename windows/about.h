#pragma once

#include <QDialog>

class QLabel;

// A splash panel: it goes away as soon as the pointer moves over it or presses
// on it, except over its lines of text.
class About : public QDialog {
public:
    explicit About(QWidget* genitore = nullptr);

protected:
    bool event(QEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    void CreaLogo();
    // The logo at the density of the screen the panel is on now.
    void MostraLogo();
    void CreaScritte();

    QLabel* Image1 = nullptr;
};
