#pragma once

#include "tcasuale.h"
#include "tdaticarta.h"
#include "tpartita.h"
#include "tvistatavolo.h"

#include <QMainWindow>

#include <array>
#include <cstdint>

class QAction;
class QKeySequence;
class QMenu;
class QSessionManager;
class TCarta;
class TImmagini;
class TTavolo;

// The table: the main window with its 40 cards, the empty-place mark and the
// menu. It forwards every gesture to the game and mirrors on screen what the
// game reports; it decides no rule of its own.
class MF : public QMainWindow, public TVistaTavolo {
    Q_OBJECT

public:
    explicit MF(const TImmagini& immagini, TCasuale casuale = TCasuale(),
                QWidget* parent = nullptr);
    ~MF() override;

    TPartita& Partita() { return partita; }
    TCarta* Carta(std::int16_t numero) const { return carte[numero]; }
    TCarta* Segnaposto() const { return segnaposto; }
    TTavolo* Tavolo() const { return tavolo; }

    // May the game in progress be left? Asks, and counts a lost game on Yes.
    bool ConfermaAbbandono();
    // May the desktop session end? Asks as a close does; a game given up here
    // is counted and over, so a logout cancelled later leaves nothing to ask.
    bool ConfermaFineSessione();

    // Shows the pictures of the density for the device pixel ratio, read
    // again from the picture folder when it changes; the layout stays.
    void AdattaAlRapporto(qreal rapporto);

    // What the game reports for the screen.
    void PosizionaCarta(std::int16_t pozzo, std::int16_t n) override;
    void MostraSegnaposto(std::int16_t pozzo) override;
    void AggiornaCarta(std::int16_t numero) override;
    void AbilitaAnnulla(bool abilitato) override;
    void AbilitaRicomincia(bool abilitato) override;
    void MostraVittoria() override;
    void ContaVittoria() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    template <typename Comando>
    QAction* CreaVoce(const char* nome, const QString& testo, const QKeySequence& tasti,
                      Comando comando);
    void createActions();
    void createMenus();
    void CreaCarte();
    void MostraImmagini(const TImmagini& immagini);
    void CollegaCarta(std::int16_t n);

    // Pointer gestures on card n.
    void Prendi(std::int16_t n, float X, float Y);
    void Trascina(float X, float Y);
    void Lascia(std::int16_t n);
    void MostraPrimaCarta(std::int16_t n);

    // Menu commands.
    void NuovaPartita();
    void Ricomincia();
    void MostraStatistiche();
    void MostraRegole();
    void MostraInformazioni();

    void Ridimensiona();
    void FineSessione(QSessionManager& sessione);

    TPartita partita;
    TDatiCarta datiSegnaposto;
    QString cartellaImmagini;
    int scala = 1; // the density of the pictures shown
    // Set while the won game's window is open: the game is over, not yet counted.
    bool vittoriaInMostra = false;
    bool vittoriaContata = false;
    TTavolo* tavolo = nullptr;
    std::array<TCarta*, NumeroCarteMazzo> carte{};
    TCarta* segnaposto = nullptr;
    std::int16_t PresaX = 0;
    std::int16_t PresaY = 0;

    QMenu* mnuPartita = nullptr;
    QMenu* mnuHelpMenu = nullptr;
    QAction* mnuCarte = nullptr;
    QAction* mnuRicomincia = nullptr;
    QAction* mnuAnnulla = nullptr;
    QAction* mnuStat = nullptr;
    QAction* mnuEsce = nullptr;
    QAction* mnuGuida = nullptr;
    QAction* mnuHelp = nullptr;
};
