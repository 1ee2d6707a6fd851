#include "tst_table_tavola.h"

#include "tcarta.h"
#include "timmagini.h"
#include "ttavolo.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

constexpr int CarteTirabili = NumeroCarteMazzo - 1; // the deal draws 0..38
constexpr std::int16_t UltimaCarta = NumeroCarteMazzo - 1;

// The real that makes Casuale(n) return k.
double Reale(int k, int n) {
    return (k + 0.5) / n;
}

} // namespace

const TImmagini& TTavolaProva::Immagini() {
    static const TImmagini immagini = [] {
        TImmagini lette(qEnvironmentVariable("SOLVINTRA_IMMAGINI"));
        if (!lette.Carica()) {
            qFatal("%s", qPrintable(lette.Errore()));
        }
        return lette;
    }();
    return immagini;
}

std::unique_ptr<MF> TTavolaProva::Crea(std::vector<double> reali) {
    if (reali.empty()) {
        return std::make_unique<MF>(Immagini());
    }
    // The sequence starts again for every later deal.
    TCasuale casuale([reali = std::move(reali), i = std::size_t{0}]() mutable {
        return reali[i++ % reali.size()];
    });
    return std::make_unique<MF>(Immagini(), std::move(casuale));
}

std::unique_ptr<MF> TTavolaProva::Mostra(std::vector<double> reali) {
    auto mf = Crea(std::move(reali));
    mf->show();
    if (!QTest::qWaitForWindowExposed(mf.get())) {
        qFatal("the table never showed");
    }
    return mf;
}

std::vector<double> TTavolaProva::Deal(const std::vector<std::pair<int, int>>& carteSuPozzi) {
    std::vector<double> reali;
    for (const auto& [carta, pozzo] : carteSuPozzi) {
        // The last card is drawn only by probing on from the one before it.
        reali.push_back(Reale(carta == UltimaCarta ? carta - 1 : carta, CarteTirabili));
        reali.push_back(Reale(pozzo, NumeroPozzi));
    }
    return reali;
}

void TTavolaProva::Disponi(MF& mf, const QString& notazione) {
    TPartita& partita = mf.Partita();
    for (TDatiCarta& carta : partita.Carte) {
        carta.pozzo = -1;
    }
    for (TPozzo& pozzo : partita.Pozzi) {
        pozzo.Dispose(false);
    }
    static const QRegularExpression gettone(QStringLiteral("^(c?)(\\d+)(?:-(\\d+))?$"));
    for (const QString& pila : notazione.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList parti = pila.split(u':');
        const int p = parti.value(0).trimmed().toInt();
        for (const QString& testo : parti.value(1).split(u' ', Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch m = gettone.match(testo);
            if (!m.hasMatch()) {
                qFatal("bad card '%s'", qPrintable(testo));
            }
            const int primo = m.captured(2).toInt();
            const int ultimo = m.captured(3).isEmpty() ? primo : m.captured(3).toInt();
            for (int c = primo; c <= ultimo; ++c) {
                partita.Carte[c].pozzo = static_cast<std::int16_t>(p);
                partita.Carte[c].Coperta = !m.captured(1).isEmpty();
                partita.Pozzi[p].AggiungiCarta(&partita.Carte[c]);
            }
        }
    }
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        mf.Carta(n)->setVisible(partita.Carte[n].pozzo >= 0);
    }
    partita.AngoloCorrente = 0;
    while (partita.AngoloCorrente < NumeroAngoli &&
           partita.Pozzi[TPartita::Angoli[partita.AngoloCorrente]].NumeroCarte > 0) {
        ++partita.AngoloCorrente;
    }
    partita.RidisponiTavolo();
}

QString TTavolaProva::Descrivi(MF& mf) {
    QStringList pile;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = mf.Partita().Pozzi[p];
        QStringList carte;
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TDatiCarta* carta = pozzo.Carta(k);
            carte << (carta->Coperta ? QStringLiteral("c") : QString()) +
                         QString::number(carta->numero);
        }
        if (!carte.isEmpty()) {
            pile << QStringLiteral("%1: %2").arg(p).arg(carte.join(u' '));
        }
    }
    return pile.join(QStringLiteral(" | "));
}

QPoint TTavolaProva::NellaFinestra(const QWidget* widget, QPoint punto) {
    return widget->mapTo(widget->window(), punto);
}

void TTavolaProva::Premi(MF& mf, QPoint finestra, Qt::MouseButton tasto) {
    QTest::mousePress(mf.windowHandle(), tasto, {}, finestra);
}

void TTavolaProva::Rilascia(MF& mf, QPoint finestra, Qt::MouseButton tasto) {
    QTest::mouseRelease(mf.windowHandle(), tasto, {}, finestra);
}

void TTavolaProva::Muovi(MF& mf, QPoint finestra) {
    QTest::mouseMove(mf.windowHandle(), finestra);
}

void TTavolaProva::DoppioClic(MF& mf, std::int16_t carta, QPoint punto) {
    QTest::mouseDClick(mf.windowHandle(), Qt::LeftButton, {},
                       NellaFinestra(mf.Carta(carta), punto));
}

void TTavolaProva::Trascina(MF& mf, std::int16_t carta, QPoint angolo, QPoint presa) {
    Premi(mf, NellaFinestra(mf.Carta(carta), presa));
    const QPoint arrivo = NellaFinestra(mf.Tavolo(), angolo + presa);
    Muovi(mf, arrivo);
    Rilascia(mf, arrivo);
}

void TTavolaProva::Clicca(MF& mf, std::int16_t carta, QPoint punto) {
    QTest::mouseClick(mf.windowHandle(), Qt::LeftButton, {}, NellaFinestra(mf.Carta(carta), punto));
}

void TTavolaProva::ChiudiModale(std::function<void(QWidget*)> primaDiChiudere) {
    constexpr int Tentativi = 3000; // half a minute at most, then give up
    auto* attesa = new QTimer;
    attesa->setInterval(10);
    QObject::connect(attesa, &QTimer::timeout, [attesa, primaDiChiudere, volte = 0]() mutable {
        QWidget* modale = QApplication::activeModalWidget();
        if (modale == nullptr && ++volte < Tentativi) {
            return;
        }
        attesa->stop();
        attesa->deleteLater();
        if (modale == nullptr) {
            return;
        }
        if (primaDiChiudere) {
            primaDiChiudere(modale);
        }
        const QPointer<QWidget> aperta(modale);
        QTest::mouseClick(modale, Qt::LeftButton);
        // A window that a press does not close is dismissed as Escape would.
        if (auto* dialogo = qobject_cast<QDialog*>(aperta.data());
            dialogo && dialogo->isVisible()) {
            dialogo->reject();
        }
    });
    attesa->start();
}
