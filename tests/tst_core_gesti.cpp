#include "coordinate.h"
#include "core_suite.h"
#include "posizione.h"
#include "tpartita.h"
#include "tvistacontrollata.h"

#include <QTest>

#include <algorithm>

namespace {

// The rectangle of a 69 x 125 card whose top-left corner lies at (l, t).
TRettangolo Rettangolo(int l, int t) {
    return {static_cast<std::int16_t>(l), static_cast<std::int16_t>(t),
            static_cast<std::int16_t>(l + LarghezzaCarta),
            static_cast<std::int16_t>(t + AltezzaCarta)};
}

// The first corner one card short of full, its ten still on the table.
const std::string QuasiVinta =
    "0: 1a 2a 3a 4a 5a 6a 7a 8a 9a | 7: 1b 2b 3b 4b 5b 6b 7b 8b 9b 10b | "
    "23: 1c 2c 3c 4c 5c 6c 7c 8c 9c 10c | 16: 1d 2d 3d 4d 5d 6d 7d 8d 9d 10d | 1: 10a";
const std::string Vinta = "0: 1a 2a 3a 4a 5a 6a 7a 8a 9a 10a | 7: 1b 2b 3b 4b 5b 6b 7b 8b 9b 10b | "
                          "16: 1d 2d 3d 4d 5d 6d 7d 8d 9d 10d | 23: 1c 2c 3c 4c 5c 6c 7c 8c 9c 10c";

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
    TVistaControllata vista;
};

void TestGesti::pozzoSotto_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("dopo");
    QTest::addColumn<int>("pozzo");
    // Empty pile 12 covers (504, 292) to (573, 417); pile 11 ends at x 463.
    QTest::newRow("435: right edge touches pile 12") << ""s << 435 << 300 << 11 << 12;
    QTest::newRow("434: one pixel short of pile 12") << ""s << 434 << 300 << 11 << -1;
    QTest::newRow("435 also lies over pile 11") << ""s << 435 << 300 << -1 << 11;
    QTest::newRow("left edge on pile 12's right edge") << ""s << 573 << 300 << 11 << 12;
    QTest::newRow("top edge on pile 12's bottom edge") << ""s << 504 << 417 << -1 << 12;
    QTest::newRow("one pixel lower: the bottom row") << ""s << 504 << 418 << -1 << 20;
    QTest::newRow("bottom edge on pile 4's top edge") << ""s << 504 << 87 - 125 << -1 << 4;
    QTest::newRow("nowhere") << ""s << -200 << -200 << -1 << -1;
    QTest::newRow("past the last pile") << ""s << 834 << 497 << 23 << -1;
    QTest::newRow("a fanned pile reaches further") << "12: x5b 4a"s << 586 << 300 << 11 << 12;
    QTest::newRow("one pixel past the fan") << "12: x5b 4a"s << 587 << 300 << 11 << 13;
    QTest::newRow("a start below -1 begins at pile 0") << ""s << 64 << 87 << -300 << 0;
    QTest::newRow("the largest start finds nothing") << ""s << 64 << 87 << 32767 << -1;
}

void TestGesti::pozzoSotto() {
    QFETCH(std::string, posizione);
    QFETCH(int, l);
    QFETCH(int, t);
    QFETCH(int, dopo);
    QFETCH(int, pozzo);
    TPartita partita(vista);
    Disponi(partita, posizione);
    QCOMPARE(partita.PozzoSotto(Rettangolo(l, t), static_cast<std::int16_t>(dopo)), pozzo);
}

void TestGesti::lascia_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<std::string>("carta");
    QTest::addColumn<int>("l");
    QTest::addColumn<int>("t");
    QTest::addColumn<std::string>("dopo");
    QTest::addColumn<std::string>("eventi");
    QTest::newRow("touching counts") << "1: x5b 10a | 11: x1c"s
                                     << "10a"s << 435 << 300 << "1: x5b | 11: x1c | 12: 10a"s
                                     << "annulla 1, ricomincia 1, posiziona 12 1"s;
    QTest::newRow("one pixel short: back home") << "1: x5b 10a | 11: x1c"s
                                                << "10a"s << 434 << 300 << "1: x5b 10a | 11: x1c"s
                                                << "posiziona 1 1, posiziona 1 2"s;
    QTest::newRow("two piles accept: the lower index")
        << "1: x5b 10a"s
        << "10a"s << 435 << 300 << "1: x5b | 11: 10a"s
        << "annulla 1, ricomincia 1, posiziona 11 1"s;
    QTest::newRow("the pile that accepts, not the first hit")
        << "1: x5b 4a | 11: | 12: x6b 5a"s
        << "4a"s << 435 << 300 << "1: x5b | 12: x6b 5a 4a"s
        << "annulla 1, ricomincia 1, posiziona 12 1, posiziona 12 2, posiziona 12 3"s;
    QTest::newRow("over nothing") << "1: x5b 4a"s
                                  << "4a"s << -200 << -200 << "1: x5b 4a"s
                                  << "posiziona 1 1, posiziona 1 2"s;
    QTest::newRow("over its own pile only") << "1: x5b 4a"s
                                            << "4a"s << 174 << 100 << "1: x5b 4a"s
                                            << "posiziona 1 1, posiziona 1 2"s;
    QTest::newRow("ace over a corner not yet next") << "0: 1b | 22: x5b 1a"s
                                                    << "1a"s << 834 << 497 << "0: 1b | 22: x5b 1a"s
                                                    << "posiziona 22 1, posiziona 22 2"s;
    QTest::newRow("ace over the next corner")
        << "0: 1b | 22: x5b 1a"s
        << "1a"s << 834 << 87 << "0: 1b | 7: 1a | 22: x5b"s
        << "segnaposto 23, annulla 1, ricomincia 1, posiziona 7 1"s;
}

void TestGesti::lascia() {
    QFETCH(std::string, posizione);
    QFETCH(std::string, carta);
    QFETCH(int, l);
    QFETCH(int, t);
    QFETCH(std::string, dopo);
    QFETCH(std::string, eventi);
    TPartita partita(vista);
    Disponi(partita, posizione);
    vista.Eventi.clear();
    partita.Lascia(NumeroCarta(carta), Rettangolo(l, t));
    QCOMPARE(Descrivi(partita), dopo);
    QCOMPARE(vista.Elenco(), eventi);
}

void TestGesti::doppioClic_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<bool>("chiuso");
    QTest::addColumn<std::string>("carta");
    QTest::addColumn<std::string>("dopo"); // empty: nothing changes
    QTest::addColumn<std::string>("eventi");
    QTest::newRow("lone face-down card turns up") << "9: x5a"s << false << "5a"s
                                                  << "9: 5a"s
                                                  << "aggiorna 4, annulla 0"s;
    QTest::newRow("covered face-down card") << "9: x5a 3b"s << false << "5a"s
                                            << ""s
                                            << ""s;
    QTest::newRow("lone face-down ace only turns up") << "9: x1a"s << false << "1a"s
                                                      << "9: 1a"s
                                                      << "aggiorna 0, annulla 0"s;
    QTest::newRow("ace to the next corner without a path")
        << "22: x5b 1a"s << true << "1a"s
        << "0: 1a | 22: x5b"s
        << "segnaposto 7, annulla 1, ricomincia 1, posiziona 0 1"s;
    QTest::newRow("second ace to the second corner")
        << "0: 1b | 22: x5b 1a"s << true << "1a"s
        << "0: 1b | 7: 1a | 22: x5b"s
        << "segnaposto 23, annulla 1, ricomincia 1, posiziona 7 1"s;
    QTest::newRow("three to its corner along a path")
        << "0: 1a 2a | 1: x5b 3a"s << true << "3a"s
        << "0: 1a 2a 3a | 1: x5b"s
        << "annulla 1, ricomincia 1, posiziona 0 1, posiziona 0 2, posiziona 0 3"s;
    QTest::newRow("three to a later corner")
        << "0: 1b | 7: 1a 2a | 15: x5b 3a"s << true << "3a"s
        << "0: 1b | 7: 1a 2a 3a | 15: x5b"s
        << "annulla 1, ricomincia 1, posiziona 7 1, posiziona 7 2, posiziona 7 3"s;
    QTest::newRow("matching corner but no path") << "0: 1a 2a | 12: x5b 3a"s << true << "3a"s
                                                 << ""s
                                                 << "posiziona 12 1, posiziona 12 2"s;
    QTest::newRow("no corner one less") << "0: 1a | 1: x5b 3a"s << false << "3a"s
                                        << ""s
                                        << ""s;
    QTest::newRow("corner of another suit") << "0: 1c 2c | 1: x5b 3a"s << false << "3a"s
                                            << ""s
                                            << ""s;
    QTest::newRow("ace already on a corner") << "0: 1a"s << false << "1a"s
                                             << ""s
                                             << ""s;
    QTest::newRow("covered card on a corner") << "0: 1a 2a 3a"s << false << "2a"s
                                              << ""s
                                              << ""s;
}

void TestGesti::doppioClic() {
    QFETCH(std::string, posizione);
    QFETCH(bool, chiuso);
    QFETCH(std::string, carta);
    QFETCH(std::string, dopo);
    QFETCH(std::string, eventi);
    TPartita partita(vista);
    TPartita attesa(vista);
    const auto disponi = chiuso ? DisponiChiuso : Disponi;
    disponi(partita, posizione);
    disponi(attesa, dopo.empty() ? posizione : dopo);
    vista.Eventi.clear();
    partita.DoppioClic(NumeroCarta(carta));
    QCOMPARE(Descrivi(partita), Descrivi(attesa));
    QCOMPARE(vista.Elenco(), eventi);
}

void TestGesti::annulla_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<std::string>("carta");
    QTest::addColumn<int>("meta");
    QTest::addColumn<std::string>("eventi");
    QTest::newRow("ace that opened a corner")
        << "0: 1b | 22: x5b 1a"s
        << "1a"s << 7 << "annulla 0, segnaposto 7, posiziona 22 1, posiziona 22 2"s;
    QTest::newRow("ten onto an empty pile")
        << "1: x5b 10a"s
        << "10a"s << 22 << "annulla 0, segnaposto 0, posiziona 1 1, posiziona 1 2"s;
    QTest::newRow("card that uncovered a face-down one")
        << "1: x5b 3a | 2: x6b 4a"s
        << "3a"s << 2 << "annulla 0, segnaposto 0, posiziona 1 1, posiziona 1 2"s;
    QTest::newRow("card taken out of a corner")
        << "0: 1a 2a 3a | 1: x6b 4a"s
        << "3a"s << 1 << "annulla 0, segnaposto 7, posiziona 0 1, posiziona 0 2, posiziona 0 3"s;
    QTest::newRow("last ace that hid the placeholder")
        << "0: 1b | 7: 1c | 23: 1d | 5: x5b 1a"s
        << "1a"s << 16 << "annulla 0, segnaposto 16, posiziona 5 1, posiziona 5 2"s;
}

void TestGesti::annulla() {
    QFETCH(std::string, posizione);
    QFETCH(std::string, carta);
    QFETCH(int, meta);
    QFETCH(std::string, eventi);
    TPartita partita(vista);
    Disponi(partita, posizione);
    const std::string prima = Descrivi(partita);
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
    const std::string dopoUna = Descrivi(partita);
    QCOMPARE(dopoUna, "1: x5b | 2: x6b 4a 3a | 3: x7b 10c");
    vista.Eventi.clear();
    partita.AnnullaMossa();
    QCOMPARE(Descrivi(partita), dopoUna);
    QVERIFY(vista.Eventi.empty());
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
    const std::string distribuita = Descrivi(partita);
    vista.Eventi.clear();
    partita.AnnullaMossa();
    QCOMPARE(Descrivi(partita), distribuita);
    QVERIFY(vista.Eventi.empty());
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
    TVistaControllata vista; // checks the announcement against the game
    TPartita partita(vista);
    vista.Osserva(partita);
    Disponi(partita, QuasiVinta);
    vista.Eventi.clear();
    const std::int16_t dieci = NumeroCarta("10a");
    trascinando ? partita.Lascia(dieci, Rettangolo(64, 87)) : partita.DoppioClic(dieci);
    QCOMPARE(Descrivi(partita), Vinta);
    QVERIFY(vista.Elenco().ends_with("annulla 0, vittoria in corso, conta"));
    QVERIFY(!partita.PartitaIniziata);
    QVERIFY(!partita.AnnullaAbilitato);
    QVERIFY(partita.RicominciaAbilitato); // the won deal can be played again
    // In the won state nothing can be picked up or sent anywhere.
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        QVERIFY(!partita.PuoPrendere(n));
    }
}

void TestGesti::vinta_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<bool>("attesa");
    QTest::newRow("all four corners full") << Vinta << true;
    QTest::newRow("first corner one short") << QuasiVinta << false;
    QTest::newRow("empty table") << ""s << false;
}

void TestGesti::vinta() {
    QFETCH(std::string, posizione);
    QFETCH(bool, attesa);
    TPartita partita(vista);
    Disponi(partita, posizione);
    QCOMPARE(partita.Vinta(), attesa);
    vista.Eventi.clear();
    partita.ControllaVittoria();
    QCOMPARE(std::ranges::count(vista.Eventi, "conta"s), attesa ? 1 : 0);
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
