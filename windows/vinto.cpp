#include "vinto.h"

#include "tfinestra.h"

#include <QFontInfo>
#include <QLabel>
#include <QPalette>

namespace {

constexpr QSize Area{412, 104};
constexpr QColor Sfondo{222, 231, 226};
constexpr QColor ColoreScritta{64, 64, 64};
constexpr QPoint PosizioneScritta{52, 36};
constexpr qreal PuntiScritta = 14.25;

// Arial Black is a heavy face drawn at normal weight; where it is missing the
// sans-serif that stands in is drawn heavy, so the message keeps its look.
QFont CarattereScritta() {
    const QString famiglia = QStringLiteral("Arial Black");
    QFont carattere = TFinestra::Carattere(famiglia, PuntiScritta);
    if (QFontInfo(carattere).family() != famiglia) {
        carattere.setWeight(QFont::Black);
    }
    return carattere;
}

} // namespace

Vinto::Vinto(QWidget* genitore) : QDialog(genitore, TFinestra::SoloTitolo) {
    TFinestra::Prepara(this, QStringLiteral("Solvintra - Fine partita"), Area, Sfondo);
    // The label ignores presses, so they reach the window and close it too.
    QLabel* Label1 = TFinestra::NuovaEtichetta(this, QStringLiteral("Label1"),
                                               QStringLiteral("Congratulazioni, hai vinto !"),
                                               PosizioneScritta, CarattereScritta());
    QPalette tavolozza = Label1->palette();
    tavolozza.setColor(QPalette::WindowText, ColoreScritta);
    Label1->setPalette(tavolozza);
}

void Vinto::mousePressEvent(QMouseEvent*) {
    accept();
}
