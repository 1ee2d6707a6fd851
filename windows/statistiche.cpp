#include "statistiche.h"

#include "tfinestra.h"
#include "tmessaggi.h"
#include "tstatistiche.h"

#include <QLabel>
#include <QPushButton>

#include <cstdint>

namespace {

constexpr QSize Area{277, 206};
constexpr QColor Sfondo{224, 224, 224};
constexpr qreal PuntiEtichette = 12;
constexpr qreal PuntiPulsanti = 8.25;

// One row per counter: its caption and the left edge of each column.
constexpr std::array<int, 2> AltezzaRiga{32, 72};
constexpr int ColonnaTitolo = 40;
constexpr int ColonnaConteggio = 156;
constexpr int ColonnaPercentuale = 208;

constexpr QPoint PosizioneOK{64, 160};
constexpr QPoint PosizioneCancella{168, 160};
constexpr QSize MisuraPulsante{65, 25};

const QString Domanda = QStringLiteral("Eliminare tutte le statistiche?");

// Cut down to a whole number; wide enough for two counters at 32767.
QString Percentuale(std::int32_t conteggio, std::int32_t totale) {
    if (totale <= 0)
        return QStringLiteral("0%");
    return QString::number(100 * conteggio / totale) + QLatin1Char('%');
}

QPushButton* NuovoPulsante(QWidget* genitore, const QString& nome, const QString& testo,
                           QPoint posizione) {
    auto* pulsante = new QPushButton(testo, genitore);
    pulsante->setObjectName(nome);
    pulsante->setFont(TFinestra::Arial(PuntiPulsanti));
    pulsante->setGeometry(QRect(posizione, MisuraPulsante));
    return pulsante;
}

} // namespace

Statistiche::Statistiche(QWidget* genitore) : QDialog(genitore, TFinestra::ConChiusura) {
    TFinestra::Prepara(this, QStringLiteral("Statistiche di Solvintra"), Area, Sfondo);
    CreaEtichette();
    CreaPulsanti();
    MostraStatistiche();
}

void Statistiche::CreaEtichette() {
    const QFont normale = TFinestra::Arial(PuntiEtichette);
    const QFont grassetto = TFinestra::Arial(PuntiEtichette, true);
    const std::array<QString, 2> titoli{QStringLiteral("Partite vinte:"),
                                        QStringLiteral("Partite perse:")};
    for (std::size_t riga = 0; riga < titoli.size(); ++riga) {
        const int y = AltezzaRiga[riga];
        const QString numero = QString::number(riga);
        TFinestra::NuovaEtichetta(this, QStringLiteral("Label") + QString::number(riga + 1),
                                  titoli[riga], {ColonnaTitolo, y}, normale);
        txtVinte[riga] =
            TFinestra::NuovaEtichetta(this, QStringLiteral("txtVinte") + numero,
                                      QStringLiteral("0"), {ColonnaConteggio, y}, grassetto);
        txtPVinte[riga] =
            TFinestra::NuovaEtichetta(this, QStringLiteral("txtPVinte") + numero,
                                      QStringLiteral("0%"), {ColonnaPercentuale, y}, normale);
    }
}

// OK comes first in the tab order, holds the focus and answers both Enter and Escape.
void Statistiche::CreaPulsanti() {
    cmdOK = NuovoPulsante(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), PosizioneOK);
    cmdDelete = NuovoPulsante(this, QStringLiteral("cmdDelete"), QStringLiteral("Cancella"),
                              PosizioneCancella);
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdDelete, &QPushButton::clicked, this, &Statistiche::CancellaStatistiche);
}

void Statistiche::MostraStatistiche() {
    const std::array<std::int32_t, 2> conteggi{TStatistiche::LeggiStatistica(TStatistiche::Vinte),
                                               TStatistiche::LeggiStatistica(TStatistiche::Perse)};
    const std::int32_t totale = conteggi[0] + conteggi[1];
    for (std::size_t riga = 0; riga < conteggi.size(); ++riga) {
        TFinestra::ScriviEtichetta(txtVinte[riga], QString::number(conteggi[riga]));
        TFinestra::ScriviEtichetta(txtPVinte[riga], Percentuale(conteggi[riga], totale));
    }
    cmdDelete->setEnabled(totale > 0);
}

void Statistiche::CancellaStatistiche() {
    if (!TMessaggi::Conferma(this, Domanda))
        return;
    TStatistiche::ScriviStatistica(TStatistiche::Vinte, 0);
    TStatistiche::ScriviStatistica(TStatistiche::Perse, 0);
    MostraStatistiche();
}
