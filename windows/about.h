#pragma once

#include <QDialog>

// A splash panel: it goes away as soon as the pointer moves over it or presses
// on it, except over its lines of text.
class About : public QDialog {
public:
    explicit About(QWidget* genitore = nullptr);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    void CreaLogo();
    void CreaScritte();
};
