#pragma once

#include <QDialog>

// The congratulations at the end of a won game; any press on it dismisses it.
class Vinto : public QDialog {
public:
    explicit Vinto(QWidget* genitore = nullptr);

protected:
    void mousePressEvent(QMouseEvent* evento) override;
};
