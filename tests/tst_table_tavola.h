#pragma once

#include "mf.h"
#include "posizione.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QWidget;
class TImmagini;

// A table on screen for the tests: the generated pictures, a deal fed from a
// list of reals, positions written as text, and real pointer input.
class TTavolaProva {
public:
    // The pictures of the build's Immagini folder, read once.
    static const TImmagini& Immagini();
    // A window dealt from the given reals (the clock's deal when empty).
    static std::unique_ptr<MF> Crea(std::vector<double> reali = {});
    // The same, shown at its design size and centred by its first resize.
    static std::unique_ptr<MF> Mostra(std::vector<double> reali = {});
    // Reals that make the deal put each card on the pile named beside it, in this order.
    static std::vector<double> Deal(const std::vector<std::pair<int, int>>& carteSuPozzi);

    // Lays the position out in the engine tests' notation ("0: 1a 2a | 12: x6c 5b",
    // see posizione.h) and shows it: the cards not named leave the table.
    static void Disponi(MF& mf, const QString& posizione);
    // The same notation read back from the game.
    static QString Descrivi(MF& mf);

    // Pointer input through the window, at a point of a card (or of the table).
    static QPoint NellaFinestra(const QWidget* widget, QPoint punto);
    static void Premi(MF& mf, QPoint finestra, Qt::MouseButton tasto = Qt::LeftButton);
    static void Rilascia(MF& mf, QPoint finestra, Qt::MouseButton tasto = Qt::LeftButton);
    static void Muovi(MF& mf, QPoint finestra);
    // The points default to the middle of the card.
    static void DoppioClic(MF& mf, std::int16_t carta, QPoint punto = {34, 62});
    // Grabs the card at `presa` (its own pixels) and lets it go with its
    // top-left corner at `angolo` (client pixels).
    static void Trascina(MF& mf, std::int16_t carta, QPoint angolo, QPoint presa = {30, 40});
    static void Clicca(MF& mf, std::int16_t carta, QPoint punto = {34, 62});

    // Closes the next modal window with a press, showing it to `primaDiChiudere` first.
    static void ChiudiModale(std::function<void(QWidget*)> primaDiChiudere = {});
};
