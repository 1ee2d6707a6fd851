#include "coordinate.h"
#include "core_suite.h"
#include "tcasuale.h"
#include "tpartita.h"
#include "tpozzo.h"
#include "tvistacontrollata.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

// Coordinates, the random source, the pile and the deck as the game builds them.
class TestBase : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { MargineAlto = MargineIniziale; }

    void mazzo_data();
    void mazzo();
    void pozziDelTavolo_data();
    void pozziDelTavolo();

    void posizionePozzo_data();
    void posizionePozzo();
    void posizionePozzoTraboccante_data();
    void posizionePozzoTraboccante();
    void margineDaAltezza_data();
    void margineDaAltezza();

    void casualeIniettato_data();
    void casualeIniettato();
    void casualeSenzaIntervallo();
    void casualeDalOrologio();

    void pozzoNuovo();
    void pozzoAggiungiTogli();
    void pozzoTogliVuoto();
    void pozzoDispose_data();
    void pozzoDispose();
    void pozzoFuoriIntervallo_data();
    void pozzoFuoriIntervallo();
    void pozzoRifiutaNulla();
    void ventaglio_data();
    void ventaglio();
    void ventaglioSenzaMemoria();
    void primaCarta_data();
    void primaCarta();
    void ventaglioTraboccante();

private:
    // Five cards to stack, face down as asked.
    std::vector<TDatiCarta> mucchio = std::vector<TDatiCarta>(5);
};

void TestBase::mazzo_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("mazzo");
    QTest::addColumn<int>("valore");
    QTest::newRow("first card") << 0 << 0 << 1;
    QTest::newRow("ten of suit 1") << 19 << 1 << 10;
    QTest::newRow("last card") << 39 << 3 << 10;
    QTest::newRow("five of suit 2") << 24 << 2 << 5;
}

void TestBase::mazzo() {
    QFETCH(int, numero);
    QFETCH(int, mazzo);
    QFETCH(int, valore);
    TVistaControllata vista;
    TPartita partita(vista);
    const TDatiCarta& carta = partita.Carte[numero];
    QCOMPARE(carta.numero, numero);
    QCOMPARE(carta.Mazzo, mazzo);
    QCOMPARE(carta.Valore, valore);
    QCOMPARE(carta.pozzo, -1);
    QVERIFY(vista.Eventi.empty()); // building the game deals nothing
}

void TestBase::pozziDelTavolo_data() {
    QTest::addColumn<int>("pozzo");
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("posto");
    QTest::addColumn<bool>("angolo");
    QTest::newRow("top left corner") << 0 << 0 << 0 << true;
    QTest::newRow("top right corner") << 7 << 0 << 7 << true;
    QTest::newRow("end of the middle row") << 15 << 1 << 7 << false;
    QTest::newRow("bottom left corner") << 16 << 2 << 0 << true;
    QTest::newRow("bottom right corner") << 23 << 2 << 7 << true;
    QTest::newRow("middle") << 12 << 1 << 4 << false;
    QTest::newRow("second of the top row") << 1 << 0 << 1 << false;
}

void TestBase::pozziDelTavolo() {
    QFETCH(int, pozzo);
    QFETCH(int, riga);
    QFETCH(int, posto);
    QFETCH(bool, angolo);
    TVistaControllata vista;
    TPartita partita(vista);
    QCOMPARE(partita.Pozzi[pozzo].riga, riga);
    QCOMPARE(partita.Pozzi[pozzo].posto, posto);
    QCOMPARE(partita.Pozzi[pozzo].Angolo, angolo);
    QCOMPARE(partita.Pozzi[pozzo].NumeroCarte, 0);
    int angoli = 0;
    for (const TPozzo& p : partita.Pozzi) {
        angoli += p.Angolo ? 1 : 0;
    }
    QCOMPARE(angoli, 4);
}

void TestBase::posizionePozzo_data() {
    QTest::addColumn<int>("margine");
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("posto");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("start margin, pile 0") << 80 << 0 << 0 << 64 << 79;
    QTest::newRow("start margin, pile 23") << 80 << 2 << 7 << 834 << 489;
    QTest::newRow("design height, pile 0") << 88 << 0 << 0 << 64 << 87;
    QTest::newRow("design height, pile 7") << 88 << 0 << 7 << 834 << 87;
    QTest::newRow("design height, pile 12") << 88 << 1 << 4 << 504 << 292;
    QTest::newRow("design height, pile 16") << 88 << 2 << 0 << 64 << 497;
    QTest::newRow("design height, pile 23") << 88 << 2 << 7 << 834 << 497;
    QTest::newRow("low window, top row above the client") << -68 << 0 << 3 << 394 << -69;
    QTest::newRow("column 5 whatever the margin") << 120 << 1 << 5 << 614 << 324;
}

void TestBase::posizionePozzo() {
    QFETCH(int, margine);
    QFETCH(int, riga);
    QFETCH(int, posto);
    QFETCH(int, x);
    QFETCH(int, y);
    MargineAlto = static_cast<std::int16_t>(margine);
    const Punto punto =
        PosizionePozzo(static_cast<std::int16_t>(riga), static_cast<std::int16_t>(posto));
    QCOMPARE(punto.X, x);
    QCOMPARE(punto.Y, y);
}

void TestBase::posizionePozzoTraboccante_data() {
    QTest::addColumn<int>("margine");
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("posto");
    QTest::newRow("row too far down") << 80 << 160 << 0;
    QTest::newRow("column too far right") << 80 << 0 << 298;
    QTest::newRow("column product overflows") << 80 << 0 << 300;
    QTest::newRow("margin at the bottom of 16 bits") << -32768 << 0 << 0;
    QTest::newRow("margin near the top of 16 bits") << 32767 << 1 << 0;
    QTest::newRow("row far up") << 80 << -200 << 0;
}

void TestBase::posizionePozzoTraboccante() {
    QFETCH(int, margine);
    QFETCH(int, riga);
    QFETCH(int, posto);
    MargineAlto = static_cast<std::int16_t>(margine);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, PosizionePozzo(static_cast<std::int16_t>(riga),
                                                                 static_cast<std::int16_t>(posto)));
}

void TestBase::margineDaAltezza_data() {
    QTest::addColumn<int>("altezza");
    QTest::addColumn<int>("margine");
    QTest::newRow("design height") << 711 << 88;
    QTest::newRow("above the cap") << 800 << 120;
    QTest::newRow("87.5 to even 88") << 710 << 88;
    QTest::newRow("88.5 to even 88") << 712 << 88;
    QTest::newRow("89.5 to even 90") << 714 << 90;
    QTest::newRow("negative half to even") << 400 << -68;
    QTest::newRow("-66.5 to even -66") << 402 << -66;
    QTest::newRow("exactly the grid") << 535 << 0;
    QTest::newRow("-0.5 to 0") << 534 << 0;
    QTest::newRow("0.5 to 0") << 536 << 0;
    QTest::newRow("119.5 rounds to 120") << 774 << 120;
    QTest::newRow("119 below the cap") << 773 << 119;
    QTest::newRow("exactly the cap") << 775 << 120;
    QTest::newRow("empty client") << 0 << -268;
}

void TestBase::margineDaAltezza() {
    QFETCH(int, altezza);
    QFETCH(int, margine);
    QCOMPARE(MargineDaAltezza(altezza), margine);
}

void TestBase::casualeIniettato_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("atteso");
    const double quasiUno = std::nextafter(1.0, 0.0);
    QTest::newRow("zero") << 0.0 << 39 << 0;
    QTest::newRow("half") << 0.5 << 24 << 12;
    QTest::newRow("just below a step") << 0.4999 << 24 << 11;
    QTest::newRow("largest below one, cards") << quasiUno << 39 << 38;
    QTest::newRow("largest below one, piles") << quasiUno << 24 << 23;
    QTest::newRow("one") << 1.0 << 39 << 38;
    QTest::newRow("above one") << 1.5 << 24 << 23;
    QTest::newRow("negative") << -0.1 << 24 << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 24 << 0;
    QTest::newRow("plus infinity") << std::numeric_limits<double>::infinity() << 24 << 23;
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << 24 << 0;
    QTest::newRow("a single choice") << 0.9 << 1 << 0;
}

void TestBase::casualeIniettato() {
    QFETCH(double, r);
    QFETCH(int, n);
    QFETCH(int, atteso);
    TCasuale casuale([r] { return r; });
    QCOMPARE(casuale.Casuale(static_cast<std::int16_t>(n)), atteso);
}

void TestBase::casualeSenzaIntervallo() {
    TCasuale casuale([] { return 0.5; });
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, casuale.Casuale(0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, casuale.Casuale(-3));
}

void TestBase::casualeDalOrologio() {
    TCasuale casuale;
    std::vector<int> visti(24, 0);
    for (int volta = 0; volta < 10000; ++volta) {
        const std::int16_t k = casuale.Casuale(24);
        QVERIFY(k >= 0 && k < 24);
        ++visti[k];
    }
    for (int volte : visti) {
        QVERIFY(volte > 0);
    }
}

void TestBase::pozzoNuovo() {
    MargineAlto = 88;
    TPozzo pozzo;
    pozzo.riga = 1;
    pozzo.posto = 4;
    QCOMPARE(pozzo.NumeroCarte, 0);
    QVERIFY(pozzo.UltimaCarta() == nullptr);
    QVERIFY(pozzo.PrimaCarta() == nullptr);
    std::int16_t x = 0, y = 0;
    pozzo.xyUltimaCarta(x, y);
    QCOMPARE(x, 504);
    QCOMPARE(y, 292);
    pozzo.xyUnaCarta(1, x, y);
    QCOMPARE(x, 504);
    QCOMPARE(y, 292);
    pozzo.UltimaCartaXY(x, y);
    QCOMPARE(x, 573);
    QCOMPARE(y, 417);
}

void TestBase::pozzoAggiungiTogli() {
    TPozzo pozzo;
    for (int k = 0; k < 3; ++k) {
        pozzo.AggiungiCarta(&mucchio[k]);
    }
    pozzo.TogliCarta();
    pozzo.AggiungiCarta(&mucchio[3]);
    QCOMPARE(pozzo.NumeroCarte, 3);
    QCOMPARE(pozzo.Carta(1), &mucchio[0]);
    QCOMPARE(pozzo.Carta(2), &mucchio[1]);
    QCOMPARE(pozzo.Carta(3), &mucchio[3]);
    QCOMPARE(pozzo.UltimaCarta(), &mucchio[3]);
    pozzo.Carta(2, &mucchio[4]);
    QCOMPARE(pozzo.Carta(2), &mucchio[4]);
    QCOMPARE(pozzo.NumeroCarte, 3);
}

void TestBase::pozzoTogliVuoto() {
    TPozzo pozzo;
    pozzo.TogliCarta();
    QCOMPARE(pozzo.NumeroCarte, 0);
    pozzo.AggiungiCarta(&mucchio[0]);
    pozzo.TogliCarta();
    pozzo.TogliCarta();
    QCOMPARE(pozzo.NumeroCarte, 0);
    QVERIFY(pozzo.UltimaCarta() == nullptr);
    pozzo.AggiungiCarta(&mucchio[1]);
    QCOMPARE(pozzo.NumeroCarte, 1);
    QCOMPARE(pozzo.Carta(1), &mucchio[1]);
}

void TestBase::pozzoDispose_data() {
    QTest::addColumn<bool>("nuova");
    QTest::addColumn<std::string>("partenza");
    QTest::newRow("new deal forgets the record") << true << ""s;
    QTest::newRow("restart keeps the record") << false << ",12,3"s;
}

void TestBase::pozzoDispose() {
    QFETCH(bool, nuova);
    QFETCH(std::string, partenza);
    TPozzo pozzo;
    pozzo.riga = 2;
    pozzo.posto = 7;
    pozzo.Angolo = true;
    pozzo.CartePartenza = ",12,3";
    pozzo.AggiungiCarta(&mucchio[0]);
    pozzo.AggiungiCarta(&mucchio[1]);
    pozzo.Dispose(nuova);
    QCOMPARE(pozzo.NumeroCarte, 0);
    QCOMPARE(pozzo.CartePartenza, partenza);
    QCOMPARE(pozzo.riga, 2);
    QCOMPARE(pozzo.posto, 7);
    QVERIFY(pozzo.Angolo);
    QVERIFY(pozzo.UltimaCarta() == nullptr);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, pozzo.Carta(1));
}

void TestBase::pozzoFuoriIntervallo_data() {
    QTest::addColumn<int>("carte");
    QTest::addColumn<int>("posizione");
    QTest::newRow("empty pile, position 1") << 0 << 1;
    QTest::newRow("position 0") << 2 << 0;
    QTest::newRow("one past the top") << 2 << 3;
    QTest::newRow("negative") << 2 << -1;
    QTest::newRow("largest 16-bit") << 2 << 32767;
    QTest::newRow("smallest 16-bit") << 2 << -32768;
}

void TestBase::pozzoFuoriIntervallo() {
    QFETCH(int, carte);
    QFETCH(int, posizione);
    TPozzo pozzo;
    for (int k = 0; k < carte; ++k) {
        pozzo.AggiungiCarta(&mucchio[k]);
    }
    const auto c = static_cast<std::int16_t>(posizione);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, pozzo.Carta(c));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, pozzo.Carta(c, &mucchio[4]));
    QCOMPARE(pozzo.NumeroCarte, carte);
    for (int k = 0; k < carte; ++k) {
        QCOMPARE(pozzo.Carta(static_cast<std::int16_t>(k + 1)), &mucchio[k]);
    }
}

void TestBase::pozzoRifiutaNulla() {
    TPozzo pozzo;
    pozzo.AggiungiCarta(&mucchio[0]);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, pozzo.AggiungiCarta(nullptr));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, pozzo.Carta(1, nullptr));
    QCOMPARE(pozzo.NumeroCarte, 1);
    QCOMPARE(pozzo.Carta(1), &mucchio[0]);
}

void TestBase::ventaglio_data() {
    QTest::addColumn<bool>("primaCoperta");
    QTest::addColumn<int>("carte");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::newRow("face up, card 1") << false << 4 << 1 << 0 << 0;
    QTest::newRow("face up, card 2") << false << 4 << 2 << 2 << 3;
    QTest::newRow("face up, card 3") << false << 4 << 3 << 4 << 6;
    QTest::newRow("face up, card 4") << false << 4 << 4 << 6 << 9;
    QTest::newRow("face down, card 1") << true << 4 << 1 << 0 << 0;
    QTest::newRow("face down, card 2") << true << 4 << 2 << 13 << 13;
    QTest::newRow("face down, card 3") << true << 4 << 3 << 15 << 16;
    QTest::newRow("face down, card 4") << true << 4 << 4 << 17 << 19;
    QTest::newRow("position 0 is the base") << false << 2 << 0 << 0 << 0;
    QTest::newRow("negative position is the base") << true << 2 << -5 << 0 << 0;
    QTest::newRow("the place of the next card") << false << 5 << 6 << 10 << 15;
}

void TestBase::ventaglio() {
    QFETCH(bool, primaCoperta);
    QFETCH(int, carte);
    QFETCH(int, n);
    QFETCH(int, dx);
    QFETCH(int, dy);
    MargineAlto = 88;
    TPozzo pozzo;
    pozzo.riga = 2;
    pozzo.posto = 3;
    for (int k = 0; k < carte; ++k) {
        mucchio[k].Coperta = k == 0 && primaCoperta;
        pozzo.AggiungiCarta(&mucchio[k]);
    }
    std::int16_t x = 0, y = 0;
    pozzo.xyUnaCarta(static_cast<std::int16_t>(n), x, y);
    QCOMPARE(x, 394 + dx);
    QCOMPARE(y, 497 + dy);
}

void TestBase::ventaglioSenzaMemoria() {
    MargineAlto = 80;
    TPozzo pozzo;
    mucchio[0].Coperta = true;
    mucchio[1].Coperta = false;
    pozzo.AggiungiCarta(&mucchio[0]);
    pozzo.AggiungiCarta(&mucchio[1]);
    std::int16_t x = 0, y = 0;
    pozzo.xyUltimaCarta(x, y);
    QCOMPARE(x, 64 + 13);
    QCOMPARE(y, 79 + 13);
    pozzo.UltimaCartaXY(x, y);
    QCOMPARE(x, 64 + 82);
    QCOMPARE(y, 79 + 138);
    mucchio[0].Coperta = false;
    pozzo.xyUltimaCarta(x, y);
    QCOMPARE(x, 64 + 2);
    QCOMPARE(y, 79 + 3);
    MargineAlto = 100;
    pozzo.xyUltimaCarta(x, y);
    QCOMPARE(y, 99 + 3);
}

void TestBase::primaCarta_data() {
    QTest::addColumn<int>("carte");
    QTest::addColumn<bool>("primaCoperta");
    QTest::addColumn<int>("attesa"); // index into the stack, -1 for none
    QTest::newRow("face-up bottom") << 3 << false << 0;
    QTest::newRow("face-down bottom") << 2 << true << 1;
    QTest::newRow("five cards over a face-down one") << 5 << true << 1;
    QTest::newRow("a lone face-down card has none") << 1 << true << -1;
    QTest::newRow("a lone face-up card") << 1 << false << 0;
}

void TestBase::primaCarta() {
    QFETCH(int, carte);
    QFETCH(bool, primaCoperta);
    QFETCH(int, attesa);
    TPozzo pozzo;
    for (int k = 0; k < carte; ++k) {
        mucchio[k].Coperta = k == 0 && primaCoperta;
        pozzo.AggiungiCarta(&mucchio[k]);
    }
    QCOMPARE(pozzo.PrimaCarta(), attesa < 0 ? nullptr : &mucchio[attesa]);
}

void TestBase::ventaglioTraboccante() {
    TPozzo pozzo;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, [&] {
        std::int16_t x = 0, y = 0;
        pozzo.xyUnaCarta(2, x, y);
    }());
    mucchio[0].Coperta = false;
    pozzo.AggiungiCarta(&mucchio[0]);
    QVERIFY_THROWS_EXCEPTION(std::overflow_error, [&] {
        std::int16_t x = 0, y = 0;
        pozzo.xyUnaCarta(std::numeric_limits<std::int16_t>::max(), x, y);
    }());
}

int EseguiTestBase(int argc, char** argv) {
    TestBase test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_core_base.moc"
