#pragma once

#include "tpanno.h"

#include <QWidget>

// The green table, the client area of the main window: paints its cloth from
// the top-left corner and tells when its size or its device pixel ratio changes.
class TTavolo : public QWidget {
    Q_OBJECT

public:
    explicit TTavolo(QWidget* parent = nullptr);

    void ImpostaSfondo(const TPanno& panno);
    const TPanno& Sfondo() const { return sfondo; }

signals:
    void Ridimensionato();
    // Painted at a device pixel ratio other than the last time, or the first time.
    void NuovoRapporto(qreal rapporto);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TPanno sfondo;
    qreal rapportoDipinto = 0;
};
