#include "coordinate.h"
#include "core_posizione.h"
#include "core_suite.h"
#include "core_vista.h"
#include "tpartita.h"

#include <QTest>

namespace {

// The rectangle of a 69 x 125 card whose top-left corner lies at (l, t).
TRettangolo Rettangolo(int l, int t) {
    return {static_cast<std::int16_t>(l), static_cast<std::int16_t>(t),
            static_cast<std::int16_t>(l + LarghezzaCarta),
            static_cast<std::int16_t>(t + AltezzaCarta)};
}

// The first corner one card short of full, its ten still on the table.
const QString QuasiVinta = QStringLiteral(
    "0: 1a 2a 3a 4a 5a 6a 7a 8a 9a | 7: 1b 2b 3b 4b 5b 6b 7b 8b 9b 10b | "
    "23: 1c 2c 3c 4c 5c 6c 7c 8c 9c 10c | 16: 1d 2d 3d 4d 5d 6d 7d 8d 9d 10d | 1: 10a");
const QString Vinta =
    QStringLiteral("0: 1a 2a 3a 4a 5a 6a 7a 8a 9a 10a | 7: 1b 2b 3b 4b 5b 6b 7b 8b 9b 10b | "
                   "16: 1d 2d 3d 4d 5d 6d 7d 8d 9d 10d | 23: 1c 2c 3c 4c 5c 6c 7c 8c 9c 10c");

} // namespace

// The decisions behind the pointer: where a dropped card lands, what a
// double-click does, taking a move back, the end of the game and re-placing.
class TestGesti : public QObject {
    Q_OBJECT

private slots:
    void init() { MargineAlto = 88; }
    void cleanup() { MargineAlto = MargineIniziale; }

    void pozzoSotto_data();
    void pozzoSotto();
    void lascia_data();
    void lascia();
    void doppioClic_data();
    void doppioClic();
    void annulla_data();
    void annulla();
    void annullaSoloUnaVolta();
    void annullaDopoScoperta();
    void annullaDopoDistribuzione();
    void abbandona_data();
    void abbandona();
    void vittoria_data();
    void vittoria();
    void vinta_data();
    void vinta();
    void ridisponiTavolo();
    void segnapostoNascosto();

private:
    TVistaRegistrata vista;
};

void TestGesti::pozzoSotto_data() {
    QTest::addColumn<QString>("posizione");
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("dopo");
    QTest::addColumn<int>("pozzo");
    // Empty pile 12 covers (504, 292) to (573, 417); pile 11 ends at x 463.
    QTest::newRow("435: right edge touches pile 12") << "" << 435 << 300 << 11 << 12;
    QTest::newRow("434: one pixel short of pile 12") << "" << 434 << 300 << 11 << -1;
    QTest::newRow("435 also lies over pile 11") << "" << 435 << 300 << -1 << 11;
    QTest::newRow("left edge on pile 12's right edge") << "" << 573 << 300 << 11 << 12;
    QTest::newRow("top edge on pile 12's bottom edge") << "" << 504 << 417 << -1 << 12;
    QTest::newRow("one pixel lower: the bottom row") << "" << 504 << 418 << -1 << 20;
    QTest::newRow("bottom edge on pile 4's top edge") << "" << 504 << 87 - 125 << -1 << 4;
    QTest::newRow("nowhere") << "" << -200 << -200 << -1 << -1;
    QTest::newRow("past the last pile") << "" << 834 << 497 << 23 << -1;
    QTest::newRow("a fanned pile reaches further") << "12: x5b 4a" << 586 << 300 << 11 << 12;
    QTest::newRow("one pixel past the fan") << "12: x5b 4a" << 587 << 300 << 11 << 13;
    QTest::newRow("a start below -1 begins at pile 0") << "" << 64 << 87 << -300 << 0;
    QTest::newRow("the largest start finds nothing") << "" << 64 << 87 << 32767 << -1;
}

void TestGesti::pozzoSotto() {
    QFETCH(QString, posizione);
    QFETCH(int, l);
    QFETCH(int, t);
    QFETCH(int, dopo);
    QFETCH(int, pozzo);
    TPartita partita(vista);
    Disponi(partita, posizione);
    QCOMPARE(partita.PozzoSotto(Rettangolo(l, t), static_cast<std::int16_t>(dopo)), pozzo);
}

void TestGesti::lascia_data() {
    QTest::addColumn<QString>("posizione");
    QTest::addColumn<QString>("carta");
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("t");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<QString>("eventi");
    QTest::newRow("touching counts") << "1: x5b 10a | 11: x1c"
                                     << "10a" << 435 << 300 << "1: x5b | 11: x1c | 12: 10a"
                                     << "annulla 1, ricomincia 1, posiziona 12 1";
    QTest::newRow("one pixel short: back home") << "1: x5b 10a | 11: x1c"
                                                << "10a" << 434 << 300 << "1: x5b 10a | 11: x1c"
                                                << "posiziona 1 1, posiziona 1 2";
    QTest::newRow("two piles accept: the lower index") << "1: x5b 10a"
                                                       << "10a" << 435 << 300 << "1: x5b | 11: 10a"
                                                       << "annulla 1, ricomincia 1, posiziona 11 1";
    QTest::newRow("the pile that accepts, not the first hit")
        << "1: x5b 4a | 11: | 12: x6b 5a"
        << "4a" << 435 << 300 << "1: x5b | 12: x6b 5a 4a"
        << "annulla 1, ricomincia 1, posiziona 12 1, posiziona 12 2, posiziona 12 3";
    QTest::newRow("over nothing") << "1: x5b 4a"
                                  << "4a" << -200 << -200 << "1: x5b 4a"
                                  << "posiziona 1 1, posiziona 1 2";
    QTest::newRow("over its own pile only") << "1: x5b 4a"
                                            << "4a" << 174 << 100 << "1: x5b 4a"
                                            << "posiziona 1 1, posiziona 1 2";
    QTest::newRow("ace over a corner not yet next") << "0: 1b | 22: x5b 1a"
                                                    << "1a" << 834 << 497 << "0: 1b | 22: x5b 1a"
                                                    << "posiziona 22 1, posiziona 22 2";
    QTest::newRow("ace over the next corner")
        << "0: 1b | 22: x5b 1a"
        << "1a" << 834 << 87 << "0: 1b | 7: 1a | 22: x5b"
        << "segnaposto 23, annulla 1, ricomincia 1, posiziona 7 1";
}

void TestGesti::lascia() {
    QFETCH(QString, posizione);
    QFETCH(QString, carta);
    QFETCH(int, l);
    QFETCH(int, t);
    QFETCH(QString, dopo);
    QFETCH(QString, eventi);
    TPartita partita(vista);
    Disponi(partita, posizione);
    vista.Eventi.clear();
    partita.Lascia(NumeroCarta(carta), Rettangolo(l, t));
    QCOMPARE(Descrivi(partita), dopo);
    QCOMPARE(vista.Elenco(), eventi);
}

void TestGesti::doppioClic_data() {
    QTest::addColumn<QString>("posizione");
    QTest::addColumn<bool>("chiuso");
    QTest::addColumn<QString>("carta");
    QTest::addColumn<QString>("dopo"); // empty: nothing changes
    QTest::addColumn<QString>("eventi");
    QTest::newRow("lone face-down card turns up") << "9: x5a" << false << "5a"
                                                  << "9: 5a"
                                                  << "aggiorna 4, annulla 0";
    QTest::newRow("covered face-down card") << "9: x5a 3b" << false << "5a"
                                            << ""
                                            << "";
    QTest::newRow("lone face-down ace only turns up") << "9: x1a" << false << "1a"
                                                      << "9: 1a"
                                                      << "aggiorna 0, annulla 0";
    QTest::newRow("ace to the next corner without a path")
        << "22: x5b 1a" << true << "1a"
        << "0: 1a | 22: x5b"
        << "segnaposto 7, annulla 1, ricomincia 1, posiziona 0 1";
    QTest::newRow("second ace to the second corner")
        << "0: 1b | 22: x5b 1a" << true << "1a"
        << "0: 1b | 7: 1a | 22: x5b"
        << "segnaposto 23, annulla 1, ricomincia 1, posiziona 7 1";
    QTest::newRow("three to its corner along a path")
        << "0: 1a 2a | 1: x5b 3a" << true << "3a"
        << "0: 1a 2a 3a | 1: x5b"
        << "annulla 1, ricomincia 1, posiziona 0 1, posiziona 0 2, posiziona 0 3";
    QTest::newRow("three to a later corner")
        << "0: 1b | 7: 1a 2a | 15: x5b 3a" << true << "3a"
        << "0: 1b | 7: 1a 2a 3a | 15: x5b"
        << "annulla 1, ricomincia 1, posiziona 7 1, posiziona 7 2, posiziona 7 3";
    QTest::newRow("matching corner but no path") << "0: 1a 2a | 12: x5b 3a" << true << "3a"
                                                 << ""
                                                 << "posiziona 12 1, posiziona 12 2";
    QTest::newRow("no corner one less") << "0: 1a | 1: x5b 3a" << false << "3a"
                                        << ""
                                        << "";
    QTest::newRow("corner of another suit") << "0: 1c 2c | 1: x5b 3a" << false << "3a"
                                            << ""
                                            << "";
    QTest::newRow("ace already on a corner") << "0: 1a" << false << "1a"
                                             << ""
                                             << "";
    QTest::newRow("covered card on a corner") << "0: 1a 2a 3a" << false << "2a"
                                              << ""
                                              << "";
}

void TestGesti::doppioClic() {
    QFETCH(QString, posizione);
    QFETCH(bool, chiuso);
    QFETCH(QString, carta);
    QFETCH(QString, dopo);
    QFETCH(QString, eventi);
    TPartita partita(vista);
    TPartita attesa(vista);
    const auto disponi = chiuso ? DisponiChiuso : Disponi;
    disponi(partita, posizione);
    disponi(attesa, dopo.isEmpty() ? posizione : dopo);
    vista.Eventi.clear();
    partita.DoppioClic(NumeroCarta(carta));
    QCOMPARE(Descrivi(partita), Descrivi(attesa));
    QCOMPARE(vista.Elenco(), eventi);
}

void TestGesti::annulla_data() {
    QTest::addColumn<QString>("posizione");
    QTest::addColumn<QString>("carta");
    QTest::addColumn<int>("meta");
    QTest::addColumn<QString>("eventi");
    QTest::newRow("ace that opened a corner")
        << "0: 1b | 22: x5b 1a"
        << "1a" << 7 << "annulla 0, segnaposto 7, posiziona 22 1, posiziona 22 2";
    QTest::newRow("ten onto an empty pile")
        << "1: x5b 10a"
        << "10a" << 22 << "annulla 0, segnaposto 0, posiziona 1 1, posiziona 1 2";
    QTest::newRow("card that uncovered a face-down one")
        << "1: x5b 3a | 2: x6b 4a"
        << "3a" << 2 << "annulla 0, segnaposto 0, posiziona 1 1, posiziona 1 2";
    QTest::newRow("card taken out of a corner")
        << "0: 1a 2a 3a | 1: x6b 4a"
        << "3a" << 1 << "annulla 0, segnaposto 7, posiziona 0 1, posiziona 0 2, posiziona 0 3";
    QTest::newRow("last ace that hid the placeholder")
        << "0: 1b | 7: 1c | 23: 1d | 5: x5b 1a"
        << "1a" << 16 << "annulla 0, segnaposto 16, posiziona 5 1, posiziona 5 2";
}

void TestGesti::annulla() {
    QFETCH(QString, posizione);
    QFETCH(QString, carta);
    QFETCH(int, meta);
    QFETCH(QString, eventi);
    TPartita partita(vista);
    Disponi(partita, posizione);
    const QString prima = Descrivi(partita);
    const std::int16_t angolo = partita.AngoloCorrente;
    QVERIFY(partita.MuoviCarta(NumeroCarta(carta), static_cast<std::int16_t>(meta)));
    QVERIFY(Descrivi(partita) != prima);
    vista.Eventi.clear();
    partita.AnnullaMossa();
    QCOMPARE(Descrivi(partita), prima);
    QCOMPARE(partita.AngoloCorrente, angolo);
    QCOMPARE(vista.Elenco(), eventi);
    QVERIFY(!partita.AnnullaAbilitato);
    QVERIFY(partita.PartitaIniziata); // taking a move back leaves the game in progress
    QVERIFY(partita.RicominciaAbilitato);
}

void TestGesti::annullaSoloUnaVolta() {
    TPartita partita(vista);
    Disponi(partita, "1: x5b 3a | 2: x6b 4a | 3: x7b 10c");
    QVERIFY(partita.MuoviCarta(NumeroCarta("3a"), 2));
    QVERIFY(partita.MuoviCarta(NumeroCarta("10c"), 22));
    partita.AnnullaMossa();
    const QString dopoUna = Descrivi(partita);
    QCOMPARE(dopoUna, "1: x5b | 2: x6b 4a 3a | 3: x7b 10c");
    vista.Eventi.clear();
    partita.AnnullaMossa();
    QCOMPARE(Descrivi(partita), dopoUna);
    QVERIFY(vista.Eventi.isEmpty());
}

void TestGesti::annullaDopoScoperta() {
    TPartita partita(vista);
    Disponi(partita, "1: x5b 3a | 2: x6b 4a");
    QVERIFY(partita.MuoviCarta(NumeroCarta("3a"), 2));
    partita.ScopriCarta(NumeroCarta("5b"));
    QVERIFY(!partita.AnnullaAbilitato);
    partita.AnnullaMossa();
    QCOMPARE(Descrivi(partita), "1: 5b | 2: x6b 4a 3a");
}

void TestGesti::annullaDopoDistribuzione() {
    // The record of the last game's move must not touch the new deal.
    TPartita partita(vista);
    Disponi(partita, "1: x5b 10a");
    QVERIFY(partita.MuoviCarta(NumeroCarta("10a"), 22));
    partita.Distribuisci(true);
    const QString distribuita = Descrivi(partita);
    vista.Eventi.clear();
    partita.AnnullaMossa();
    QCOMPARE(Descrivi(partita), distribuita);
    QVERIFY(vista.Eventi.isEmpty());
}

void TestGesti::abbandona_data() {
    QTest::addColumn<bool>("mossa");
    QTest::addColumn<bool>("annullata");
    QTest::newRow("after a move") << true << false;
    QTest::newRow("after a move taken back") << true << true;
    QTest::newRow("untouched deal") << false << false;
}

// A game given up where it lies is over, as a won one is: the table stays,
// nothing can be taken back, and only the next move starts it again.
void TestGesti::abbandona() {
    QFETCH(bool, mossa);
    QFETCH(bool, annullata);
    TPartita partita(vista);
    Disponi(partita, "1: x5b 3a | 2: x6b 4a | 3: x7b 10c");
    if (mossa) {
        QVERIFY(partita.MuoviCarta(NumeroCarta("3a"), 2));
    }
    if (annullata) {
        partita.AnnullaMossa();
    }
    const QString prima = Descrivi(partita);
    const bool ricominciabile = partita.RicominciaAbilitato;
    vista.Eventi.clear();
    partita.Abbandona();
    QCOMPARE(vista.Elenco(), "annulla 0");
    QVERIFY(!partita.PartitaIniziata);
    QVERIFY(!partita.AnnullaAbilitato);
    QCOMPARE(partita.RicominciaAbilitato, ricominciabile);
    partita.AnnullaMossa();
    QCOMPARE(Descrivi(partita), prima);
    QVERIFY(partita.MuoviCarta(NumeroCarta("10c"), 22));
    QVERIFY(partita.PartitaIniziata);
    QVERIFY(partita.AnnullaAbilitato);
}

void TestGesti::vittoria_data() {
    QTest::addColumn<bool>("trascinando");
    QTest::newRow("double-click") << false;
    QTest::newRow("drop") << true;
}

void TestGesti::vittoria() {
    QFETCH(bool, trascinando);
    TPartita partita(vista);
    vista.Partita = &partita;
    Disponi(partita, QuasiVinta);
    vista.Eventi.clear();
    const std::int16_t dieci = NumeroCarta("10a");
    trascinando ? partita.Lascia(dieci, Rettangolo(64, 87)) : partita.DoppioClic(dieci);
    vista.Partita = nullptr;
    QCOMPARE(Descrivi(partita), Vinta);
    QCOMPARE(vista.Eventi.mid(vista.Eventi.size() - 3).join(", "),
             "annulla 0, vittoria in corso, conta");
    QVERIFY(!partita.PartitaIniziata);
    QVERIFY(!partita.AnnullaAbilitato);
    QVERIFY(partita.RicominciaAbilitato); // the won deal can be played again
    // In the won state nothing can be picked up or sent anywhere.
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        QVERIFY(!partita.PuoPrendere(n));
    }
}

void TestGesti::vinta_data() {
    QTest::addColumn<QString>("posizione");
    QTest::addColumn<bool>("attesa");
    QTest::newRow("all four corners full") << Vinta << true;
    QTest::newRow("first corner one short") << QuasiVinta << false;
    QTest::newRow("empty table") << "" << false;
}

void TestGesti::vinta() {
    QFETCH(QString, posizione);
    QFETCH(bool, attesa);
    TPartita partita(vista);
    Disponi(partita, posizione);
    QCOMPARE(partita.Vinta(), attesa);
    vista.Eventi.clear();
    partita.ControllaVittoria();
    QCOMPARE(vista.Eventi.contains("conta"), attesa);
}

void TestGesti::ridisponiTavolo() {
    TPartita partita(vista);
    Disponi(partita, "0: 1a 2a | 9: x5b 4c 3c | 22: 10d");
    vista.Eventi.clear();
    partita.RidisponiTavolo();
    QCOMPARE(vista.Elenco(), "posiziona 0 1, posiziona 0 2, posiziona 9 1, posiziona 9 2, "
                             "posiziona 9 3, posiziona 22 1, segnaposto 7");
}

void TestGesti::segnapostoNascosto() {
    TPartita partita(vista);
    Disponi(partita, "0: 1a | 7: 1b | 23: 1c | 16: 1d");
    vista.Eventi.clear();
    partita.MostraSegnaposto();
    QCOMPARE(vista.Elenco(), "segnaposto -1");
}

int EseguiTestGesti(int argc, char** argv) {
    TestGesti test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_core_gesti.moc"
