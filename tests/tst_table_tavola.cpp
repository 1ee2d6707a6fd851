#include "tst_table_tavola.h"

#include "tcarta.h"
#include "timmagini.h"
#include "ttavolo.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
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

void TTavolaProva::Disponi(MF& mf, const QString& posizione) {
    TPartita& partita = mf.Partita();
    ::Disponi(partita, posizione.toStdString());
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        mf.Carta(n)->setVisible(partita.Carte[n].pozzo >= 0);
    }
    partita.RidisponiTavolo();
}

QString TTavolaProva::Descrivi(MF& mf) {
    return QString::fromStdString(::Descrivi(mf.Partita()));
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
