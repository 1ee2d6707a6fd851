#include "coordinate.h"
#include "core_posizione.h"
#include "core_suite.h"
#include "tpartita.h"

#include <QTest>

#include <array>
#include <random>

namespace {

// Tune these to trade run time for coverage.
constexpr int NumeroPartite = 10000;
constexpr int AzioniPerPartita = 200;
constexpr std::uint64_t Seme = 20261207;
constexpr int ScartoCaduta = 40; // how far a drop may miss a pile's last card, in pixels

// The whole table in a few bytes: pile by pile the cards bottom first, each
// pile closed by -1; then every card's face and the corner count.
struct TIstantanea {
    std::array<std::int8_t, NumeroCarteMazzo + NumeroPozzi> pozzi{};
    std::array<bool, NumeroCarteMazzo> coperte{};
    std::int16_t angolo = 0;
    bool operator==(const TIstantanea&) const = default;
};

TIstantanea Istantanea(const TPartita& partita) {
    TIstantanea foto;
    foto.pozzi.fill(-2);
    std::size_t k = 0;
    for (const TPozzo& pozzo : partita.Pozzi) {
        for (std::int16_t c = 1; c <= pozzo.NumeroCarte && k < foto.pozzi.size(); ++c) {
            foto.pozzi[k++] = static_cast<std::int8_t>(pozzo.Carta(c)->numero);
        }
        if (k < foto.pozzi.size()) {
            foto.pozzi[k++] = -1;
        }
    }
    for (std::size_t n = 0; n < foto.coperte.size(); ++n) {
        foto.coperte[n] = partita.Carte[n].Coperta;
    }
    foto.angolo = partita.AngoloCorrente;
    return foto;
}

// A table that checks every request against the game it shows.
class TVistaControllo : public TVistaTavolo {
public:
    const TPartita* partita = nullptr;
    QString errore;
    int vittorie = 0;

    void PosizionaCarta(std::int16_t pozzo, std::int16_t n) override {
        if (pozzo < 0 || pozzo >= NumeroPozzi || n < 1 || n > partita->Pozzi[pozzo].NumeroCarte) {
            Segnala(QStringLiteral("placed card %1 of pile %2").arg(n).arg(pozzo));
        }
    }
    void MostraSegnaposto(std::int16_t pozzo) override {
        const std::int16_t angolo = partita->AngoloCorrente;
        if (pozzo != (angolo < NumeroAngoli ? TPartita::Angoli[angolo] : -1)) {
            Segnala(
                QStringLiteral("placeholder on %1 with %2 corners open").arg(pozzo).arg(angolo));
        }
    }
    void AggiornaCarta(std::int16_t numero) override {
        if (numero < 0 || numero >= NumeroCarteMazzo || partita->Carte[numero].Coperta) {
            Segnala(QStringLiteral("repainted card %1").arg(numero));
        }
    }
    void AbilitaAnnulla(bool) override {}
    void AbilitaRicomincia(bool) override {}
    void MostraVittoria() override {
        if (!partita->Vinta()) {
            Segnala(QStringLiteral("won before the corners were full"));
        }
    }
    void ContaVittoria() override { ++vittorie; }

private:
    void Segnala(const QString& testo) {
        if (errore.isEmpty()) {
            errore = testo;
        }
    }
};

QString InvariantiPozzi(const TPartita& partita) {
    std::array<bool, NumeroCarteMazzo> visto{};
    int totale = 0;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TDatiCarta* carta = pozzo.Carta(k);
            const auto n = carta - partita.Carte.data();
            if (n < 0 || n >= NumeroCarteMazzo || visto[n] || carta->pozzo != p) {
                return QStringLiteral("card %1 misplaced on pile %2").arg(n).arg(p);
            }
            visto[n] = true;
            ++totale;
            if (carta->Coperta && (k != 1 || pozzo.Angolo)) {
                return QStringLiteral("face-down card %1 at %2 of pile %3").arg(n).arg(k).arg(p);
            }
            const TDatiCarta* sotto = k > 1 ? pozzo.Carta(k - 1) : nullptr;
            const bool seguito = sotto != nullptr && !sotto->Coperta;
            const int passo = pozzo.Angolo ? 1 : -1;
            if (seguito &&
                (carta->Mazzo != sotto->Mazzo || carta->Valore != sotto->Valore + passo)) {
                return QStringLiteral("broken run on pile %1").arg(p);
            }
        }
    }
    return totale == NumeroCarteMazzo ? QString()
                                      : QStringLiteral("%1 cards on the table").arg(totale);
}

QString InvariantiAngoli(const TPartita& partita) {
    int assi = 0;
    for (std::int16_t i = 0; i < NumeroAngoli; ++i) {
        const TPozzo& angolo = partita.Pozzi[TPartita::Angoli[i]];
        const bool aperto = i < partita.AngoloCorrente;
        if (aperto != (angolo.NumeroCarte > 0) || (aperto && angolo.Carta(1)->Valore != 1)) {
            return QStringLiteral("corner %1 open wrongly").arg(i);
        }
        assi += aperto ? 1 : 0;
    }
    if (assi != partita.AngoloCorrente) {
        return QStringLiteral("%1 aces for %2 open corners").arg(assi).arg(partita.AngoloCorrente);
    }
    const TUltimaMossa& mossa = partita.UltimaMossa;
    if (partita.AnnullaAbilitato &&
        partita.Pozzi[mossa.MossaA].UltimaCarta() != &partita.Carte[mossa.MossaCarta]) {
        return QStringLiteral("undo enabled but the moved card is not on top");
    }
    if (partita.CartaAttiva != -1 || (partita.PartitaIniziata && !partita.RicominciaAbilitato)) {
        return QStringLiteral("stray flags");
    }
    return {};
}

// One random game: every action of the player, each checked against the table as it was.
class TGiocatore {
public:
    TGiocatore(TPartita& partita, std::mt19937_64& caso) : partita(partita), caso(caso) {}

    int mosse = 0, annullate = 0, ricominciate = 0;

    QString Gioca() {
        partita.Distribuisci(true);
        distribuita = Istantanea(partita);
        for (int azione = 0; azione < AzioniPerPartita; ++azione) {
            const QString errore = Agisci(Tra(0, 99));
            if (!errore.isEmpty()) {
                return QStringLiteral("action %1: %2\n%3")
                    .arg(azione)
                    .arg(errore, Descrivi(partita));
            }
        }
        return {};
    }

private:
    TPartita& partita;
    std::mt19937_64& caso;
    TIstantanea distribuita;
    TIstantanea primaDellaMossa;

    int Tra(int da, int a) { return std::uniform_int_distribution<int>(da, a)(caso); }

    std::int16_t CartaQualsiasi() {
        return static_cast<std::int16_t>(Tra(0, NumeroCarteMazzo - 1));
    }

    QString Agisci(int tipo) {
        const TIstantanea prima = Istantanea(partita);
        QString errore;
        if (tipo < 40) {
            errore = Lascia(prima);
        } else if (tipo < 55) {
            errore = Muovi(prima);
        } else if (tipo < 70) {
            errore = Gesto(CartaQualsiasi(), [&](std::int16_t n) { partita.DoppioClic(n); });
        } else if (tipo < 78) {
            errore = Gesto(CartaQualsiasi(), [&](std::int16_t n) { partita.ScopriCarta(n); });
        } else if (tipo < 90) {
            errore = Annulla(prima);
        } else if (tipo < 92) {
            partita.Distribuisci(false);
            ++ricominciate;
            if (Istantanea(partita) != distribuita) {
                errore = QStringLiteral("restart did not rebuild the deal");
            }
        } else {
            // Send every top card towards its corner, as a hurried player would.
            for (std::int16_t p = 0; p < NumeroPozzi && errore.isEmpty(); ++p) {
                if (const TDatiCarta* cima = partita.Pozzi[p].UltimaCarta()) {
                    errore = Gesto(cima->numero, [&](std::int16_t n) { partita.DoppioClic(n); });
                }
            }
        }
        if (errore.isEmpty()) {
            errore = InvariantiPozzi(partita);
        }
        return errore.isEmpty() ? InvariantiAngoli(partita) : errore;
    }

    QString Annulla(const TIstantanea& prima) {
        const bool annullabile = partita.AnnullaAbilitato;
        partita.AnnullaMossa();
        annullate += annullabile ? 1 : 0;
        if (Istantanea(partita) != (annullabile ? primaDellaMossa : prima)) {
            return QStringLiteral("undo did not restore the table");
        }
        return {};
    }

    // A gesture on card n: a move is remembered for undo; anything else may
    // only have turned a lone card up.
    template <typename Azione> QString Gesto(std::int16_t n, Azione azione) {
        const TIstantanea prima = Istantanea(partita);
        const std::int16_t da = partita.Carte[n].pozzo;
        azione(n);
        if (partita.Carte[n].pozzo != da) {
            return Esito(prima, n, da);
        }
        TIstantanea dopo = Istantanea(partita);
        dopo.coperte = prima.coperte;
        return dopo == prima ? QString()
                             : QStringLiteral("a gesture changed the table without a move");
    }

    QString Lascia(const TIstantanea& prima) {
        std::vector<std::int16_t> prendibili;
        for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
            if (partita.PuoPrendere(n) && !partita.Carte[n].Coperta) {
                prendibili.push_back(n);
            }
        }
        const std::int16_t n = prendibili[Tra(0, int(prendibili.size()) - 1)];
        std::int16_t x = 0, y = 0;
        partita.Pozzi[Tra(0, NumeroPozzi - 1)].xyUltimaCarta(x, y);
        x = static_cast<std::int16_t>(x + Tra(-ScartoCaduta, ScartoCaduta));
        y = static_cast<std::int16_t>(y + Tra(-ScartoCaduta, ScartoCaduta));
        const std::int16_t da = partita.Carte[n].pozzo;
        partita.Lascia(n, {x, y, static_cast<std::int16_t>(x + LarghezzaCarta),
                           static_cast<std::int16_t>(y + AltezzaCarta)});
        return Esito(prima, n, da);
    }

    QString Muovi(const TIstantanea& prima) {
        const auto n = static_cast<std::int16_t>(Tra(0, NumeroCarteMazzo - 1));
        const auto meta = static_cast<std::int16_t>(Tra(0, NumeroPozzi - 1));
        const bool prendibile = partita.PuoPrendere(n) && !partita.Carte[n].Coperta;
        const std::int16_t da = partita.Carte[n].pozzo;
        if (partita.MuoviCarta(n, meta) &&
            (!prendibile || partita.Pozzi[meta].UltimaCarta() != &partita.Carte[n])) {
            return QStringLiteral("moved card %1 that could not be taken").arg(n);
        }
        return Esito(prima, n, da);
    }

    QString Esito(const TIstantanea& prima, std::int16_t n, std::int16_t da) {
        if (partita.Carte[n].pozzo != da) {
            ++mosse;
            primaDellaMossa = prima;
            return partita.AnnullaAbilitato ? QString() : QStringLiteral("a move left undo off");
        }
        return Istantanea(partita) == prima ? QString()
                                            : QStringLiteral("a refused move changed the table");
    }
};

} // namespace

// Thousands of random games, checked after every single action.
class TestPartiteCasuali : public QObject {
    Q_OBJECT

private slots:
    void partiteCasuali();
};

void TestPartiteCasuali::partiteCasuali() {
    std::mt19937_64 caso(Seme);
    TVistaControllo vista;
    std::mt19937_64 mazziere(Seme + 1);
    TPartita partita(vista, TCasuale([&mazziere] {
                         return std::uniform_real_distribution<double>(0, 1)(mazziere);
                     }));
    vista.partita = &partita;
    TGiocatore giocatore(partita, caso);
    for (int numero = 0; numero < NumeroPartite; ++numero) {
        const QString errore = giocatore.Gioca();
        QVERIFY2(errore.isEmpty(),
                 qPrintable(QStringLiteral("game %1, %2").arg(numero).arg(errore)));
        QVERIFY2(vista.errore.isEmpty(),
                 qPrintable(QStringLiteral("game %1: %2").arg(numero).arg(vista.errore)));
    }
    qInfo("%d games: %d moves, %d undone, %d restarts, %d won", NumeroPartite, giocatore.mosse,
          giocatore.annullate, giocatore.ricominciate, vista.vittorie);
    QVERIFY(giocatore.mosse > NumeroPartite);
    QVERIFY(giocatore.annullate > 0);
}

int EseguiTestPartiteCasuali(int argc, char** argv) {
    TestPartiteCasuali test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_core_partite.moc"
