#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

// Games won and lost with their shares, and a reset of both counters.
class Statistiche : public QDialog {
public:
    explicit Statistiche(QWidget* genitore = nullptr);

    // Reads both counters again and shows them.
    void MostraStatistiche();

private:
    void CreaEtichette();
    void CreaPulsanti();
    void CancellaStatistiche();

    // Row 0 is games won, row 1 games lost.
    std::array<QLabel*, 2> txtVinte{};
    std::array<QLabel*, 2> txtPVinte{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdDelete = nullptr;
};
