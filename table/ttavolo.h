#pragma once

#include "tpanno.h"

#include <QWidget>

// The green table, the client area of the main window: paints its cloth from
// the top-left corner and tells when its size changes.
class TTavolo : public QWidget {
    Q_OBJECT

public:
    explicit TTavolo(QWidget* parent = nullptr);

    void ImpostaSfondo(const TPanno& panno);
    const TPanno& Sfondo() const { return sfondo; }

signals:
    void Ridimensionato();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TPanno sfondo;
};
