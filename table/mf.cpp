#include "mf.h"

#include "about.h"
#include "coordinate.h"
#include "help.h"
#include "statistiche.h"
#include "tcarta.h"
#include "ticonafinestra.h"
#include "timmagini.h"
#include "tmessaggi.h"
#include "tscala.h"
#include "tstatistiche.h"
#include "ttavolo.h"
#include "vinto.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QSessionManager>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The client area the table was designed for.
constexpr int LarghezzaIniziale = 984;
constexpr int AltezzaIniziale = 711;

const QString DomandaAbbandono = QStringLiteral("Abbandonare la partita?");

// Pixel values rounded half to even, kept within the game's 16-bit coordinates
// so that a card dragged far away cannot overflow them.
std::int16_t Arrotonda16(double valore) {
    constexpr double Minimo = std::numeric_limits<std::int16_t>::min();
    constexpr double Massimo = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(valore), Minimo, Massimo));
}

} // namespace

MF::MF(const TImmagini& immagini, TCasuale casuale, QWidget* parent)
    : QMainWindow(parent), partita(*this, std::move(casuale)),
      cartellaImmagini(immagini.Cartella()), tavolo(new TTavolo(this)) {
    setWindowTitle(QStringLiteral("Solvintra"));
    setWindowIcon(QIcon(new TIconaFinestra));
    setCentralWidget(tavolo);
    createActions();
    createMenus();
    resize(LarghezzaIniziale, AltezzaIniziale + menuBar()->sizeHint().height());

    MargineAlto = MargineIniziale;
    CreaCarte();
    MostraImmagini(immagini);
    partita.CartaAttiva = -1;
    partita.Distribuisci(true);

    connect(tavolo, &TTavolo::Ridimensionato, this, &MF::Ridimensiona);
    // Queued: the pictures change after the paint that found the new ratio.
    connect(tavolo, &TTavolo::NuovoRapporto, this, &MF::AdattaAlRapporto, Qt::QueuedConnection);
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MF::FineSessione);
}

// The cards show the game's records: they must go before the records do.
MF::~MF() {
    delete tavolo;
}

template <typename Comando>
QAction* MF::CreaVoce(const char* nome, const QString& testo, const QKeySequence& tasti,
                      Comando comando) {
    auto* voce = new QAction(testo, this);
    voce->setObjectName(QLatin1String(nome));
    voce->setShortcut(tasti);
    connect(voce, &QAction::triggered, this, comando);
    return voce;
}

void MF::createActions() {
    mnuCarte = CreaVoce("mnuCarte", QStringLiteral("Nuova partita"), Qt::Key_F2, &MF::NuovaPartita);
    mnuRicomincia =
        CreaVoce("mnuRicomincia", QStringLiteral("Ricomincia questa partita"), {}, &MF::Ricomincia);
    mnuAnnulla = CreaVoce("mnuAnnulla", QStringLiteral("Annulla mossa"), Qt::CTRL | Qt::Key_Z,
                          [this] { partita.AnnullaMossa(); });
    mnuAnnulla->setEnabled(false);
    mnuStat =
        CreaVoce("mnuStat", QStringLiteral("Statistiche..."), Qt::Key_F4, &MF::MostraStatistiche);
    mnuEsce = CreaVoce("mnuEsce", QStringLiteral("Esci"), {}, &QWidget::close);
    mnuGuida =
        CreaVoce("mnuGuida", QStringLiteral("Regole del gioco..."), Qt::Key_F1, &MF::MostraRegole);
    mnuHelp = CreaVoce("mnuHelp", QStringLiteral("Informazionu su Solvintra..."), {},
                       &MF::MostraInformazioni);
}

void MF::createMenus() {
    mnuPartita = menuBar()->addMenu(QStringLiteral("Partita"));
    mnuPartita->setObjectName(QStringLiteral("mnuPartita"));
    mnuPartita->addAction(mnuCarte);
    mnuPartita->addAction(mnuRicomincia);
    mnuPartita->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    mnuPartita->addAction(mnuAnnulla);
    mnuPartita->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuPartita->addAction(mnuStat);
    mnuPartita->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    mnuPartita->addAction(mnuEsce);

    mnuHelpMenu = menuBar()->addMenu(QStringLiteral("?"));
    mnuHelpMenu->setObjectName(QStringLiteral("mnuHelpMenu"));
    mnuHelpMenu->addAction(mnuGuida);
    mnuHelpMenu->addAction(mnuHelp);
}

void MF::CreaCarte() {
    // The mark is made first, so the cards dealt onto its corner lie above it.
    segnaposto = new TCarta(datiSegnaposto, tavolo);
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        carte[n] = new TCarta(partita.Carte[n], tavolo);
        CollegaCarta(n);
    }
}

void MF::MostraImmagini(const TImmagini& immagini) {
    scala = immagini.Scala();
    tavolo->ImpostaSfondo(immagini.Tavolo.isNull()
                              ? TPanno(QPixmap(QStringLiteral(":/immagini/sfondo.jpg")))
                              : immagini.Tavolo);
    // The face goes last: it takes the mask and gives the card its size.
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        carte[n]->setPictureMask(immagini.Maschera);
        carte[n]->PictureDietro = immagini.Dorso;
        carte[n]->setPicture(immagini.Facce[n]);
        carte[n]->setPictureDoppia(immagini.FacciaDoppia(n));
    }
    segnaposto->setPictureMask(immagini.Maschera);
    segnaposto->setPicture(immagini.Posto);
}

void MF::AdattaAlRapporto(qreal rapporto) {
    if (TScala::Per(rapporto) == scala) {
        return;
    }
    // Pictures that cannot be read again now leave those on screen.
    TImmagini immagini(cartellaImmagini, rapporto);
    if (immagini.Carica()) {
        MostraImmagini(immagini);
    }
}

void MF::CollegaCarta(std::int16_t n) {
    TCarta* carta = carte[n];
    connect(carta, &TCarta::Click, this, [this, n] { partita.ScopriCarta(n); });
    connect(carta, &TCarta::DblClick, this, [this, n] { partita.DoppioClic(n); });
    connect(carta, &TCarta::MouseDown, this, [this, n](float X, float Y) { Prendi(n, X, Y); });
    connect(carta, &TCarta::MouseMove, this, &MF::Trascina);
    connect(carta, &TCarta::MouseUp, this, [this, n] { Lascia(n); });
    connect(carta, &TCarta::ShowOn, this, [this, n] { MostraPrimaCarta(n); });
    connect(carta, &TCarta::ShowOff, this, [this, n] { partita.RiponiCarta(n); });
}

// ---- What the game reports ----

void MF::PosizionaCarta(std::int16_t pozzo, std::int16_t n) {
    const TPozzo& pila = partita.Pozzi[pozzo];
    TCarta* carta = carte[pila.Carta(n)->numero];
    std::int16_t X = 0;
    std::int16_t Y = 0;
    pila.xyUnaCarta(n, X, Y);
    carta->raise();
    carta->move(X, Y);
    // A deal may turn a card over where it already lay.
    carta->update();
}

void MF::MostraSegnaposto(std::int16_t pozzo) {
    if (pozzo < 0) {
        segnaposto->hide();
        return;
    }
    const TPozzo& pila = partita.Pozzi[pozzo];
    const Punto base = PosizionePozzo(pila.riga, pila.posto);
    segnaposto->move(base.X, base.Y);
    segnaposto->show();
}

void MF::AggiornaCarta(std::int16_t numero) {
    carte[numero]->update();
}

void MF::AbilitaAnnulla(bool abilitato) {
    mnuAnnulla->setEnabled(abilitato);
}

void MF::AbilitaRicomincia(bool abilitato) {
    mnuRicomincia->setEnabled(abilitato);
}

void MF::MostraVittoria() {
    vittoriaInMostra = true;
    Vinto vinto(this);
    vinto.exec();
    vittoriaInMostra = false;
}

void MF::ContaVittoria() {
    if (!vittoriaContata) {
        TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    }
    vittoriaContata = false;
}

// ---- Pointer gestures ----

void MF::Prendi(std::int16_t n, float X, float Y) {
    if (partita.CartaAttiva != -1 || !partita.PuoPrendere(n)) {
        return;
    }
    partita.CartaAttiva = n;
    PresaX = Arrotonda16(X);
    PresaY = Arrotonda16(Y);
    carte[n]->raise();
    carte[n]->Moving(true);
}

void MF::Trascina(float X, float Y) {
    if (partita.CartaAttiva < 0) {
        return;
    }
    TCarta* carta = carte[partita.CartaAttiva];
    const float sinistra = std::max(0.0f, static_cast<float>(carta->x()) + X - PresaX);
    const float alto = std::max(0.0f, static_cast<float>(carta->y()) + Y - PresaY);
    carta->move(Arrotonda16(sinistra), Arrotonda16(alto));
}

void MF::Lascia(std::int16_t n) {
    if (partita.CartaAttiva < 0) {
        return;
    }
    carte[partita.CartaAttiva]->Moving(false);
    partita.CartaAttiva = -1;
    const QRect dove = carte[n]->geometry();
    partita.Lascia(n, {Arrotonda16(dove.x()), Arrotonda16(dove.y()),
                       Arrotonda16(double(dove.x()) + dove.width()),
                       Arrotonda16(double(dove.y()) + dove.height())});
}

void MF::MostraPrimaCarta(std::int16_t n) {
    const std::int16_t pozzo = partita.Carte[n].pozzo;
    const TDatiCarta* prima = pozzo < 0 ? nullptr : partita.Pozzi[pozzo].PrimaCarta();
    if (prima != nullptr) {
        carte[prima->numero]->raise();
    }
}

// ---- Menu commands ----

bool MF::ConfermaAbbandono() {
    if (!partita.PartitaIniziata) {
        return true;
    }
    if (!TMessaggi::Conferma(this, DomandaAbbandono)) {
        return false;
    }
    TStatistiche::IncrementaStatistica(TStatistiche::Perse);
    return true;
}

void MF::NuovaPartita() {
    if (ConfermaAbbandono()) {
        partita.Distribuisci(true);
    }
}

void MF::Ricomincia() {
    if (ConfermaAbbandono()) {
        partita.Distribuisci(false);
    }
}

void MF::MostraStatistiche() {
    Statistiche finestra(this);
    finestra.exec();
}

void MF::MostraRegole() {
    Help finestra(cartellaImmagini, this);
    finestra.exec();
}

void MF::MostraInformazioni() {
    About finestra(this);
    finestra.exec();
}

// ---- Window ----

bool MF::event(QEvent* event) {
    if (TScala::CambiaRapporto(event)) {
        AdattaAlRapporto(devicePixelRatioF());
    }
    return QMainWindow::event(event);
}

void MF::closeEvent(QCloseEvent* event) {
    if (ConfermaAbbandono()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool MF::ConfermaFineSessione() {
    // A won game is no longer in progress, though its window is still open:
    // it counts as won now, as the session may end before that window closes.
    if (vittoriaInMostra) {
        if (!vittoriaContata) {
            TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
            vittoriaContata = true;
        }
        return true;
    }
    if (!ConfermaAbbandono()) {
        return false;
    }
    partita.Abbandona();
    return true;
}

void MF::FineSessione(QSessionManager& sessione) {
    if (!sessione.allowsInteraction()) {
        return;
    }
    if (!ConfermaFineSessione()) {
        sessione.cancel();
    }
    sessione.release();
}

void MF::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Restoring from the task bar must centre the grid again even at the same size.
    if (event->type() == QEvent::WindowStateChange) {
        Ridimensiona();
    }
}

void MF::Ridimensiona() {
    if (isMinimized()) {
        return;
    }
    MargineAlto = MargineDaAltezza(tavolo->height());
    partita.RidisponiTavolo();
}
