#include "tst_table_tavola.h"

#include "coordinate.h"
#include "tcarta.h"
#include "tmessaggi.h"
#include "tstatistiche.h"
#include "ttavolo.h"
#include "vinto.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <array>
#include <map>

// Play through real pointer events on the cards: grab, drag, drop,
// double-click, the right button, undo and a whole game won.
class TestTableGioco : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void presa_data();
    void presa();
    void rilascio_data();
    void rilascio();
    void bordi_data();
    void bordi();
    void doppioClic_data();
    void doppioClic();
    void sequenza_data();
    void sequenza();
    void annulla_data();
    void annulla();
    void abilitazioneAnnulla();
    void partitaIntera();

private:
    std::unique_ptr<MF> mf;
};

namespace {

// A point of the table where a card's middle lies.
QPoint Centro(const TCarta* carta) {
    return carta->geometry().center();
}

bool Annullabile(MF& mf) {
    return mf.findChild<QAction*>(QStringLiteral("mnuAnnulla"))->isEnabled();
}

bool Ricominciabile(MF& mf) {
    return mf.findChild<QAction*>(QStringLiteral("mnuRicomincia"))->isEnabled();
}

// Every card where its pile's fan puts it.
void ControllaPosti(MF& mf) {
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = mf.Partita().Pozzi[p];
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            std::int16_t X = 0;
            std::int16_t Y = 0;
            pozzo.xyUnaCarta(k, X, Y);
            QCOMPARE(mf.Carta(pozzo.Carta(k)->numero)->pos(), QPoint(X, Y));
        }
    }
}

} // namespace

void TestTableGioco::initTestCase() {
    TMessaggi::ImpostaRisponditore([](const QString& domanda) {
        qFatal("unexpected question: %s", qPrintable(domanda));
        return false;
    });
}

void TestTableGioco::init() {
    mf = TTavolaProva::Mostra();
    QCOMPARE(MargineAlto, 88);
}

void TestTableGioco::presa_data() {
    QTest::addColumn<QString>("tavolo");
    QTest::addColumn<std::int16_t>("carta");
    QTest::addColumn<std::int16_t>(
        "sopra"); // the card that must stay on top, -1 when the card is grabbed
    QTest::newRow("top card of a table pile")
        << "5: x2a 3a | 6: x4a 5a" << NumeroCarta("3a") << std::int16_t{-1};
    QTest::newRow("lone ace on a corner")
        << "0: 1a | 5: x2a 3a" << NumeroCarta("1a") << std::int16_t{-1};
    QTest::newRow("ten on a full corner") << "0: 1a 2a 3a 4a 5a 6a 7a 8a 9a 10a | 5: x2b 3b"
                                          << NumeroCarta("10a") << NumeroCarta("10a");
    QTest::newRow("covered face-up card")
        << "5: x1c 4b 3b" << NumeroCarta("4b") << NumeroCarta("3b");
    QTest::newRow("covered ace on a corner")
        << "0: 1a 2a | 5: x1c 3b" << NumeroCarta("1a") << NumeroCarta("2a");
}

void TestTableGioco::presa() {
    QFETCH(QString, tavolo);
    QFETCH(std::int16_t, carta);
    QFETCH(std::int16_t, sopra);
    TTavolaProva::Disponi(*mf, tavolo);
    // The left edge of a card stays uncovered by the cards fanned over it.
    const QPoint punto = TTavolaProva::NellaFinestra(mf->Carta(carta), {1, 60});
    const bool presa = sopra < 0 && mf->Partita().Carte[carta].Valore != 1;
    TTavolaProva::Premi(*mf, punto);
    QCOMPARE(mf->Partita().CartaAttiva, presa ? carta : -1);
    QCOMPARE(mf->Carta(carta)->testAttribute(Qt::WA_SetCursor), presa);
    if (sopra >= 0) {
        QCOMPARE(mf->Tavolo()->childAt(Centro(mf->Carta(sopra))), mf->Carta(sopra));
    }
    TTavolaProva::Rilascia(*mf, punto);
    QCOMPARE(mf->Partita().CartaAttiva, -1);
    QVERIFY(!mf->Carta(carta)->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(TTavolaProva::Descrivi(*mf), tavolo);
}

void TestTableGioco::rilascio_data() {
    QTest::addColumn<QString>("tavolo");
    QTest::addColumn<std::int16_t>("carta");
    QTest::addColumn<QPoint>("angolo");
    QTest::addColumn<QString>("dopo");
    const QString fila = QStringLiteral("3: 10a | 4: x8c 8b | 11: x6c 6b | 13: x7c 7b");
    const QString preso = QStringLiteral("4: x8c 8b | 11: x6c 6b | 12: 10a | 13: x7c 7b");
    QTest::newRow("right edge touches pile 12")
        << fila << NumeroCarta("10a") << QPoint(435, 300) << preso;
    QTest::newRow("one pixel short of pile 12")
        << fila << NumeroCarta("10a") << QPoint(434, 300) << fila;
    QTest::newRow("left edge touches pile 12")
        << fila << NumeroCarta("10a") << QPoint(573, 300) << preso;
    QTest::newRow("one pixel past pile 12")
        << fila << NumeroCarta("10a") << QPoint(574, 300) << fila;
    QTest::newRow("top edge touches pile 12")
        << fila << NumeroCarta("10a") << QPoint(520, 417) << preso;
    QTest::newRow("bottom edge touches pile 12")
        << fila << NumeroCarta("10a") << QPoint(520, 167) << preso;
    QTest::newRow("two piles accept: the left one")
        << "3: 10a" << NumeroCarta("10a") << QPoint(450, 300) << "11: 10a";
    QTest::newRow("two piles accept: the upper one")
        << "3: 10a" << NumeroCarta("10a") << QPoint(504, 180) << "4: 10a";
    QTest::newRow("over no pile") << "5: x1c 3a" << NumeroCarta("3a") << QPoint(920, 300)
                                  << "5: x1c 3a";
    QTest::newRow("ace on a corner not yet open")
        << "5: x2a 1a" << NumeroCarta("1a") << QPoint(834, 87) << "5: x2a 1a";
    QTest::newRow("ace on the next corner")
        << "5: x2a 1a" << NumeroCarta("1a") << QPoint(70, 90) << "0: 1a | 5: x2a";
    QTest::newRow("onto its suit one higher") << "5: x1c 3a | 6: x2c 4a" << NumeroCarta("3a")
                                              << QPoint(740, 100) << "5: x1c | 6: x2c 4a 3a";
    QTest::newRow("onto another suit") << "5: x1c 3a | 6: x2c 4b" << NumeroCarta("3a")
                                       << QPoint(740, 100) << "5: x1c 3a | 6: x2c 4b";
}

void TestTableGioco::rilascio() {
    QFETCH(QString, tavolo);
    QFETCH(std::int16_t, carta);
    QFETCH(QPoint, angolo);
    QFETCH(QString, dopo);
    TTavolaProva::Disponi(*mf, tavolo);
    TTavolaProva::Trascina(*mf, carta, angolo);
    QCOMPARE(TTavolaProva::Descrivi(*mf), dopo);
    QCOMPARE(mf->Partita().CartaAttiva, -1);
    QVERIFY(!mf->Carta(carta)->testAttribute(Qt::WA_SetCursor));
    ControllaPosti(*mf);
    QCOMPARE(Annullabile(*mf), dopo != tavolo);
}

void TestTableGioco::bordi_data() {
    QTest::addColumn<QPoint>("spinta"); // where the pointer goes, from the card's place
    QTest::addColumn<QPoint>("angolo");
    QTest::newRow("past the left edge") << QPoint(-700, 10) << QPoint(0, 97);
    QTest::newRow("past the top edge") << QPoint(10, -300) << QPoint(404, 0);
    QTest::newRow("past the top-left corner") << QPoint(-700, -300) << QPoint(0, 0);
    QTest::newRow("far right and down: no limit") << QPoint(900, 700) << QPoint(1294, 787);
}

void TestTableGioco::bordi() {
    QFETCH(QPoint, spinta);
    QFETCH(QPoint, angolo);
    TTavolaProva::Disponi(*mf, QStringLiteral("3: 10a"));
    const TCarta* carta = mf->Carta(NumeroCarta("10a"));
    QCOMPARE(carta->pos(), QPoint(394, 87));
    const QPoint presa = TTavolaProva::NellaFinestra(carta, {30, 40});
    TTavolaProva::Premi(*mf, presa);
    TTavolaProva::Muovi(*mf, presa + spinta);
    QCOMPARE(carta->pos(), angolo);
    TTavolaProva::Rilascia(*mf, presa + spinta);
    QCOMPARE(carta->pos(), QPoint(394, 87));
}

void TestTableGioco::doppioClic_data() {
    QTest::addColumn<QString>("tavolo");
    QTest::addColumn<std::int16_t>("carta");
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<QString>("dopo");
    const QPoint mezzo(34, 62);
    QTest::newRow("ace from afar")
        << "22: x6a 1a" << NumeroCarta("1a") << mezzo << "0: 1a | 22: x6a";
    QTest::newRow("second ace opens the next corner")
        << "0: 1a | 22: x6a 1b" << NumeroCarta("1b") << mezzo << "0: 1a | 7: 1b | 22: x6a";
    QTest::newRow("two beside its corner")
        << "0: 1a | 9: x6a 2a" << NumeroCarta("2a") << mezzo << "0: 1a 2a | 9: x6a";
    QTest::newRow("corner lacks the path")
        << "0: 1a | 13: 6b | 14: 6c | 15: 6d | 21: 7b | 22: x1d 2a" << NumeroCarta("2a") << mezzo
        << "0: 1a | 13: 6b | 14: 6c | 15: 6d | 21: 7b | 22: x1d 2a";
    QTest::newRow("no corner of its suit")
        << "0: 1a | 5: x1c 3b" << NumeroCarta("3b") << mezzo << "0: 1a | 5: x1c 3b";
    QTest::newRow("covered face-down card")
        << "5: x1a 8b" << NumeroCarta("1a") << QPoint(5, 5) << "5: x1a 8b";
    QTest::newRow("lone face-down ace") << "5: x1a" << NumeroCarta("1a") << mezzo << "0: 1a";
    QTest::newRow("lone face-down two")
        << "0: 1a | 9: x2a" << NumeroCarta("2a") << mezzo << "0: 1a 2a";
}

void TestTableGioco::doppioClic() {
    QFETCH(QString, tavolo);
    QFETCH(std::int16_t, carta);
    QFETCH(QPoint, punto);
    QFETCH(QString, dopo);
    TTavolaProva::Disponi(*mf, tavolo);
    TTavolaProva::DoppioClic(*mf, carta, punto);
    QCOMPARE(TTavolaProva::Descrivi(*mf), dopo);
    QCOMPARE(mf->Partita().CartaAttiva, -1);
    ControllaPosti(*mf);
}

void TestTableGioco::sequenza_data() {
    QTest::addColumn<QString>("tavolo");
    QTest::addColumn<std::int16_t>("carta");
    QTest::addColumn<std::int16_t>("mostrata");
    QTest::newRow("run over a face-down card")
        << "4: x6a 5b 4b 3b" << NumeroCarta("3b") << NumeroCarta("5b");
    QTest::newRow("run on a face-up card")
        << "4: 5b 4b 3b" << NumeroCarta("3b") << NumeroCarta("5b");
    QTest::newRow("corner shows its ace")
        << "0: 1a 2a 3a" << NumeroCarta("3a") << NumeroCarta("1a");
}

void TestTableGioco::sequenza() {
    QFETCH(QString, tavolo);
    QFETCH(std::int16_t, carta);
    QFETCH(std::int16_t, mostrata);
    TTavolaProva::Disponi(*mf, tavolo);
    const QPoint dove = Centro(mf->Carta(carta));
    const QPoint punto = TTavolaProva::NellaFinestra(mf->Tavolo(), dove);
    TTavolaProva::Premi(*mf, punto, Qt::RightButton);
    QCOMPARE(mf->Tavolo()->childAt(dove), mf->Carta(mostrata));
    TTavolaProva::Rilascia(*mf, punto, Qt::RightButton);
    QCOMPARE(mf->Tavolo()->childAt(dove), mf->Carta(carta));
    QCOMPARE(TTavolaProva::Descrivi(*mf), tavolo);
}

void TestTableGioco::annulla_data() {
    QTest::addColumn<QString>("tavolo");
    QTest::addColumn<std::int16_t>("carta");
    QTest::addColumn<QPoint>("angolo"); // where it is dropped; a double-click when null
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<bool>("tasti");
    QTest::newRow("ace that opened a corner")
        << "22: x6a 1a" << NumeroCarta("1a") << QPoint() << "0: 1a | 22: x6a" << true;
    QTest::newRow("ace that opened the last corner")
        << "0: 1a | 7: 1b | 22: x6a 1d | 23: 1c" << NumeroCarta("1d") << QPoint()
        << "0: 1a | 7: 1b | 16: 1d | 22: x6a | 23: 1c" << false;
    QTest::newRow("ten onto an empty table pile")
        << "3: x6a 10a" << NumeroCarta("10a") << QPoint(504, 292) << "3: x6a | 12: 10a" << true;
    QTest::newRow("move that uncovered a face-down card")
        << "5: x1c 3a | 6: x2c 4a" << NumeroCarta("3a") << QPoint(740, 100)
        << "5: x1c | 6: x2c 4a 3a" << false;
    QTest::newRow("card taken out of a corner")
        << "0: 1a 2a 3a | 9: x1c 4a" << NumeroCarta("3a") << QPoint(190, 310)
        << "0: 1a 2a | 9: x1c 4a 3a" << true;
}

void TestTableGioco::annulla() {
    QFETCH(QString, tavolo);
    QFETCH(std::int16_t, carta);
    QFETCH(QPoint, angolo);
    QFETCH(QString, dopo);
    QFETCH(bool, tasti);
    TTavolaProva::Disponi(*mf, tavolo);
    const std::int16_t angoloPrima = mf->Partita().AngoloCorrente;
    const QPoint segnaposto = mf->Segnaposto()->pos();
    const bool visibile = mf->Segnaposto()->isVisible();
    if (angolo.isNull()) {
        TTavolaProva::DoppioClic(*mf, carta);
    } else {
        TTavolaProva::Trascina(*mf, carta, angolo);
    }
    QCOMPARE(TTavolaProva::Descrivi(*mf), dopo);
    QVERIFY(Annullabile(*mf));
    for (int volta = 0; volta < 2; ++volta) { // the second undo finds nothing to take back
        if (tasti) {
            QTest::keyClick(mf.get(), Qt::Key_Z, Qt::ControlModifier);
        } else {
            mf->findChild<QAction*>(QStringLiteral("mnuAnnulla"))->trigger();
        }
        QCOMPARE(TTavolaProva::Descrivi(*mf), tavolo);
        QVERIFY(!Annullabile(*mf));
        QVERIFY(Ricominciabile(*mf));
        QCOMPARE(mf->Partita().AngoloCorrente, angoloPrima);
        QCOMPARE(mf->Segnaposto()->isVisible(), visibile);
        QCOMPARE(mf->Segnaposto()->pos(), segnaposto);
        ControllaPosti(*mf);
    }
}

// Undo is on from a move until the next of: a card turned up, undo, a deal.
void TestTableGioco::abilitazioneAnnulla() {
    QVERIFY(!Annullabile(*mf));
    QVERIFY(!Ricominciabile(*mf));
    const std::int16_t tre = NumeroCarta("3a");
    const std::int16_t dieci = NumeroCarta("10a");
    const std::int16_t coperta = NumeroCarta("1c");
    TTavolaProva::Disponi(*mf, QStringLiteral("5: x1c 3a | 6: x2c 4a | 12: 10a"));
    TTavolaProva::Trascina(*mf, tre, {740, 100});
    QVERIFY(Annullabile(*mf));
    QVERIFY(Ricominciabile(*mf));
    TTavolaProva::Trascina(*mf, dieci, {920, 300}); // refused: changes nothing
    QVERIFY(Annullabile(*mf));
    TTavolaProva::Clicca(*mf, coperta);
    QVERIFY(!mf->Partita().Carte[coperta].Coperta);
    QVERIFY(!Annullabile(*mf));
    TTavolaProva::Trascina(*mf, dieci, {614, 292});
    QCOMPARE(TTavolaProva::Descrivi(*mf), QStringLiteral("5: 1c | 6: x2c 4a 3a | 13: 10a"));
    QVERIFY(Annullabile(*mf));
    QTest::keyClick(mf.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!Annullabile(*mf));
    TTavolaProva::Trascina(*mf, dieci, {614, 292});
    TMessaggi::ImpostaRisponditore([](const QString&) { return true; });
    mf->findChild<QAction*>(QStringLiteral("mnuCarte"))->trigger();
    TMessaggi::ImpostaRisponditore([](const QString& domanda) {
        qFatal("unexpected question: %s", qPrintable(domanda));
        return false;
    });
    QVERIFY(!Annullabile(*mf));
    QVERIFY(!Ricominciabile(*mf));
}

// A deal where each suit lies on five neighbouring piles beside its own
// corner, high cards face down under low ones: sending every card to its
// corner as soon as it can go wins the game.
void TestTableGioco::partitaIntera() {
    const std::array<std::array<int, 5>, 4> zone{
        {{1, 2, 3, 4, 8}, {5, 6, 12, 13, 14}, {11, 15, 20, 21, 22}, {9, 10, 17, 18, 19}}};
    std::vector<std::pair<int, int>> ordine;
    std::map<int, QString> pile;
    for (int mazzo = 0; mazzo < 4; ++mazzo) {
        for (const int primo : {5, 0}) { // face-down bottoms first
            for (int k = 0; k < 5; ++k) {
                const int carta = mazzo * 10 + primo + k;
                ordine.emplace_back(carta, zone[mazzo][k]);
                pile[zone[mazzo][k]] +=
                    (primo ? QStringLiteral(" x") : QStringLiteral(" ")) +
                    QString::fromStdString(NomeCarta(static_cast<std::int16_t>(carta)));
            }
        }
    }
    QStringList attesa;
    for (const auto& [pozzo, carte] : pile) {
        attesa << QString::number(pozzo) + u':' + carte;
    }
    mf = TTavolaProva::Mostra(TTavolaProva::Deal(ordine));
    TPartita& partita = mf->Partita();
    QCOMPARE(TTavolaProva::Descrivi(*mf), attesa.join(QStringLiteral(" | ")));

    const std::int16_t vinte = TStatistiche::LeggiStatistica(TStatistiche::Vinte);
    bool chiusa = false;
    TTavolaProva::ChiudiModale([&](QWidget* modale) {
        QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), vinte);
        QVERIFY(dynamic_cast<Vinto*>(modale) != nullptr);
        QCOMPARE(modale->parentWidget(), mf.get());
        chiusa = true;
    });
    for (int giro = 0; giro < 40 && !partita.Vinta(); ++giro) {
        for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
            const TDatiCarta& carta = partita.Carte[n];
            const TPozzo& pozzo = partita.Pozzi[carta.pozzo];
            if (carta.Coperta && pozzo.NumeroCarte == 1) {
                TTavolaProva::Clicca(*mf, n);
            }
        }
        for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
            const TDatiCarta& carta = partita.Carte[n];
            const TPozzo& pozzo = partita.Pozzi[carta.pozzo];
            bool pronta = carta.Valore == 1;
            for (const std::int16_t angolo : TPartita::Angoli) {
                const TDatiCarta* cima = partita.Pozzi[angolo].UltimaCarta();
                pronta |= cima && cima->Mazzo == carta.Mazzo && cima->Valore + 1 == carta.Valore;
            }
            if (!pozzo.Angolo && pozzo.UltimaCarta() == &carta && !carta.Coperta && pronta) {
                TTavolaProva::DoppioClic(*mf, n);
            }
        }
    }
    QVERIFY(partita.Vinta());
    QVERIFY(chiusa);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), vinte + 1);
    QVERIFY(!partita.PartitaIniziata);
    QVERIFY(!Annullabile(*mf));
    QVERIFY(Ricominciabile(*mf));

    // The won deal can be played again, without a question.
    mf->findChild<QAction*>(QStringLiteral("mnuRicomincia"))->trigger();
    QCOMPARE(TTavolaProva::Descrivi(*mf), attesa.join(QStringLiteral(" | ")));
}

QTEST_MAIN(TestTableGioco)
#include "tst_table_gioco.moc"
