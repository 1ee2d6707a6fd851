#include "tfinestra.h"

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QPalette>

void TFinestra::Prepara(QDialog* finestra, const QString& titolo, QSize area, QColor sfondo) {
    finestra->setWindowTitle(titolo);
    // An empty icon of its own, or the window would take its owner's.
    finestra->setWindowIcon(QIcon());
    finestra->setFixedSize(area);
    QPalette tavolozza = finestra->palette();
    tavolozza.setColor(QPalette::Window, sfondo);
    finestra->setPalette(tavolozza);
    finestra->setAutoFillBackground(true);
}

QLabel* TFinestra::NuovaEtichetta(QWidget* genitore, const QString& nome, const QString& testo,
                                  QPoint posizione, const QFont& carattere) {
    auto* etichetta = new QLabel(genitore);
    etichetta->setObjectName(nome);
    etichetta->setFont(carattere);
    etichetta->move(posizione);
    ScriviEtichetta(etichetta, testo);
    return etichetta;
}

void TFinestra::ScriviEtichetta(QLabel* etichetta, const QString& testo) {
    etichetta->setText(testo);
    etichetta->adjustSize();
}

QFont TFinestra::Carattere(const QString& famiglia, qreal punti, bool grassetto) {
    QFont carattere(famiglia);
    carattere.setStyleHint(QFont::SansSerif);
    carattere.setPointSizeF(punti);
    carattere.setWeight(grassetto ? QFont::Bold : QFont::Normal);
    return carattere;
}

QFont TFinestra::Arial(qreal punti, bool grassetto) {
    return Carattere(QStringLiteral("Arial"), punti, grassetto);
}
