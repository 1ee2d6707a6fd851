#include "vinto.h"

#include "tfinestra.h"

#include <QLabel>
#include <QPalette>

namespace {

constexpr QSize Area{412, 104};
constexpr QColor Sfondo{222, 231, 226};
constexpr QColor ColoreScritta{64, 64, 64};
constexpr QPoint PosizioneScritta{52, 36};
constexpr qreal PuntiScritta = 14.25;

} // namespace

Vinto::Vinto(QWidget* genitore) : QDialog(genitore, TFinestra::SoloTitolo) {
    TFinestra::Prepara(this, QStringLiteral("Solvintra - Fine partita"), Area, Sfondo);
    // The label ignores presses, so they reach the window and close it too.
    QLabel* Label1 = TFinestra::NuovaEtichetta(
        this, QStringLiteral("Label1"), QStringLiteral("Congratulazioni, hai vinto !"),
        PosizioneScritta, TFinestra::Carattere(QStringLiteral("Arial Black"), PuntiScritta));
    QPalette tavolozza = Label1->palette();
    tavolozza.setColor(QPalette::WindowText, ColoreScritta);
    Label1->setPalette(tavolozza);
}

void Vinto::mousePressEvent(QMouseEvent*) {
    accept();
}
