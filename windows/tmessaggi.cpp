#include "tmessaggi.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <utility>

namespace {

const QString Titolo = QStringLiteral("Solvintra");

TMessaggi::Risponditore& RisponditoreAttivo() {
    static TMessaggi::Risponditore risponditore;
    return risponditore;
}

TMessaggi::Osservatore& OsservatoreAttivo() {
    static TMessaggi::Osservatore osservatore;
    return osservatore;
}

// A box needs a widget application; without one the message stays on stderr.
bool PuoMostrare() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

bool TMessaggi::Conferma(QWidget* genitore, const QString& domanda) {
    if (RisponditoreAttivo()) {
        return RisponditoreAttivo()(domanda);
    }
    QMessageBox box(QMessageBox::Question, Titolo, domanda, QMessageBox::Yes | QMessageBox::No,
                    genitore);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void TMessaggi::Errore(QWidget* genitore, const QString& testo) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(Titolo), qPrintable(testo));
    std::fflush(stderr);
    if (OsservatoreAttivo()) {
        OsservatoreAttivo()(testo);
    } else if (PuoMostrare()) {
        QMessageBox::critical(genitore, Titolo, testo);
    }
}

void TMessaggi::ImpostaRisponditore(Risponditore risponditore) {
    RisponditoreAttivo() = std::move(risponditore);
}

void TMessaggi::ImpostaOsservatoreErrori(Osservatore osservatore) {
    OsservatoreAttivo() = std::move(osservatore);
}
