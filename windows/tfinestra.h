#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

// What the secondary windows share: no icon, a fixed client area on a plain
// colour and labels that keep their top-left corner and size themselves to
// their text.
class TFinestra {
public:
    // A title bar with the caption only, and the same with the close box.
    static constexpr Qt::WindowFlags SoloTitolo =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    static constexpr Qt::WindowFlags ConChiusura =
        SoloTitolo | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

    static void Prepara(QDialog* finestra, const QString& titolo, QSize area, QColor sfondo);
    static QLabel* NuovaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                                  QPoint posizione, const QFont& carattere);
    static void ScriviEtichetta(QLabel* etichetta, const QString& testo);
    // Where the family is missing, the closest sans-serif stands in.
    static QFont Carattere(const QString& famiglia, qreal punti, bool grassetto = false);
    static QFont Arial(qreal punti, bool grassetto = false);
};
