#include "core_suite.h"
#include "percorsoatteso.h"
#include "posizione.h"
#include "tpartita.h"
#include "tvistacontrollata.h"

#include <QTest>

// What may move where: pick-up, legality with its paths, carrying a move out,
// turning a card up.
class TestRegole : public QObject {
    Q_OBJECT

private slots:
    void puoPrendere_data();
    void puoPrendere();
    void mossaValida_data();
    void mossaValida();
    void transitabile_data();
    void transitabile();
    void percorsoComeInAmpiezza_data();
    void percorsoComeInAmpiezza();
    void muoviCarta_data();
    void muoviCarta();
    void muoviCartaRegistraLaMossa();
    void muoviCartaRifiutataNonTocca();
    void numeriFuoriDalMazzo_data();
    void numeriFuoriDalMazzo();
    void scopriCarta_data();
    void scopriCarta();

private:
    TVistaControllata vista;
};

void TestRegole::puoPrendere_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<std::string>("carta");
    QTest::addColumn<bool>("attesa");
    QTest::newRow("top of a table pile") << "9: x5b 4a"s
                                         << "4a"s << true;
    QTest::newRow("covered card") << "9: 5a 4a"s
                                  << "5a"s << false;
    QTest::newRow("corner ace") << "0: 1a"s
                                << "1a"s << false;
    QTest::newRow("corner ten") << "0: 1a 2a 3a 4a 5a 6a 7a 8a 9a 10a"s
                                << "10a"s << false;
    QTest::newRow("corner five on top") << "0: 1a 2a 3a 4a 5a"s
                                        << "5a"s << true;
    QTest::newRow("corner four under the five") << "0: 1a 2a 3a 4a 5a"s
                                                << "4a"s << false;
    QTest::newRow("ace on a table pile") << "0: 1b | 12: x5c 1a"s
                                         << "1a"s << true;
    QTest::newRow("card on no pile") << "9: x5b 4a"s
                                     << "7c"s << false;
}

void TestRegole::puoPrendere() {
    QFETCH(std::string, posizione);
    QFETCH(std::string, carta);
    QFETCH(bool, attesa);
    TPartita partita(vista);
    Disponi(partita, posizione);
    QCOMPARE(partita.PuoPrendere(NumeroCarta(carta)), attesa);
}

void TestRegole::mossaValida_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<bool>("chiuso"); // unnamed table piles hold a face-down card
    QTest::addColumn<std::string>("carta");
    QTest::addColumn<int>("meta");
    QTest::addColumn<bool>("valida");
    QTest::addColumn<int>("angoloDopo");
    // Aces and tens need no path.
    QTest::newRow("ace to the next corner from afar")
        << "22: x5b 1a"s << true << "1a"s << 0 << true << 1;
    QTest::newRow("ace to a corner not yet next")
        << "22: x5b 1a"s << false << "1a"s << 7 << false << 0;
    QTest::newRow("ace to the second corner")
        << "0: 1b | 22: x5b 1a"s << true << "1a"s << 7 << true << 2;
    QTest::newRow("ace back to an opened corner")
        << "0: 1b | 22: x5b 1a"s << false << "1a"s << 0 << false << 1;
    QTest::newRow("ace to the last corner")
        << "0: 1b | 7: 1c | 23: 1d | 5: x5b 1a"s << true << "1a"s << 16 << true << 4;
    QTest::newRow("ace on its suit's two, neighbours")
        << "9: x5b 1a | 10: x6b 2a"s << false << "1a"s << 10 << true << 0;
    QTest::newRow("ace on another suit's two")
        << "9: x5b 1a | 10: x6b 2c"s << false << "1a"s << 10 << false << 0;
    QTest::newRow("ace on its suit's two, no path")
        << "1: x5b 1a | 12: x6b 2a"s << true << "1a"s << 12 << false << 0;
    QTest::newRow("ten on a far empty table pile")
        << "1: x5b 10a | 22:"s << true << "10a"s << 22 << true << 0;
    QTest::newRow("ten on an empty corner") << "1: x5b 10a"s << false << "10a"s << 0 << false << 0;
    QTest::newRow("nine on an empty table pile")
        << "1: x5b 9a"s << false << "9a"s << 22 << false << 0;
    // Suit and sequence.
    QTest::newRow("three on its suit's two, corner")
        << "0: 1a 2a | 1: x5b 3a"s << false << "3a"s << 0 << true << 1;
    QTest::newRow("three on another suit's two, corner")
        << "0: 1c 2c | 1: x5b 3a"s << false << "3a"s << 0 << false << 1;
    QTest::newRow("three on the corner's ace")
        << "0: 1a | 1: x5b 3a"s << false << "3a"s << 0 << false << 1;
    QTest::newRow("three on its suit's four")
        << "1: x5b 3a | 2: x6b 4a"s << false << "3a"s << 2 << true << 0;
    QTest::newRow("three on another suit's four")
        << "1: x5b 3a | 2: x6b 4c"s << false << "3a"s << 2 << false << 0;
    QTest::newRow("three on its suit's five")
        << "1: x5b 3a | 2: x6b 5a"s << false << "3a"s << 2 << false << 0;
    QTest::newRow("three on its suit's two, table")
        << "1: x5b 3a | 2: x6b 2a"s << false << "3a"s << 2 << false << 0;
    QTest::newRow("face-down top accepts nothing")
        << "1: x5b 3a | 2: x4a"s << false << "3a"s << 2 << false << 0;
    QTest::newRow("corner's top back onto the table")
        << "0: 1a 2a 3a | 1: x6b 4a"s << false << "3a"s << 1 << true << 1;
    // Paths between piles that do not touch.
    QTest::newRow("9 to 11 through a same-suit 10")
        << "9: x5b 3a | 10: x1c 7a | 11: x6b 4a"s << true << "3a"s << 11 << true << 0;
    QTest::newRow("9 to 11 through a same-value 2")
        << "9: x5b 3a | 2: x1c 3c | 11: x6b 4a"s << true << "3a"s << 11 << true << 0;
    QTest::newRow("9 to 11 through an empty 18")
        << "9: x5b 3a | 18: | 11: x6b 4a"s << true << "3a"s << 11 << true << 0;
    QTest::newRow("9 to 11 with nothing passable")
        << "9: x5b 3a | 11: x6b 4a"s << true << "3a"s << 11 << false << 0;
    QTest::newRow("9 to 11, a stranger between")
        << "9: x5b 3a | 10: x1c 7c | 11: x6b 4a"s << true << "3a"s << 11 << false << 0;
    QTest::newRow("a chain from 8 to 11")
        << "8: x5b 3a | 9: x1c 5a | 10: x2c 3d | 11: x6b 4a"s << true << "3a"s << 11 << true << 0;
    QTest::newRow("a chain with a gap")
        << "8: x5b 3a | 9: x1c 5a | 11: x6b 4a"s << true << "3a"s << 11 << false << 0;
    QTest::newRow("diagonal neighbours")
        << "9: x5b 3a | 18: x6b 4a"s << true << "3a"s << 18 << true << 0;
    QTest::newRow("7 and 8 do not touch")
        << "0: 1b | 7: 1a 2a 3a | 8: x6b 4a"s << true << "3a"s << 8 << false << 2;
    QTest::newRow("15 touches corner 7")
        << "0: 1b | 7: 1a 2a 3a | 15: x6b 4a"s << true << "3a"s << 15 << true << 2;
}

void TestRegole::mossaValida() {
    QFETCH(std::string, posizione);
    QFETCH(bool, chiuso);
    QFETCH(std::string, carta);
    QFETCH(int, meta);
    QFETCH(bool, valida);
    QFETCH(int, angoloDopo);
    TPartita partita(vista);
    chiuso ? DisponiChiuso(partita, posizione) : Disponi(partita, posizione);
    const std::string prima = Descrivi(partita);
    QCOMPARE(partita.MossaValida(NumeroCarta(carta), static_cast<std::int16_t>(meta)), valida);
    QCOMPARE(partita.AngoloCorrente, angoloDopo);
    QCOMPARE(Descrivi(partita), prima); // judging moves nothing
}

void TestRegole::transitabile_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<int>("riga");
    QTest::addColumn<int>("posto");
    QTest::addColumn<bool>("attesa");
    QTest::newRow("empty table pile") << "9: x5b 3a"s << 1 << 2 << true;
    QTest::newRow("empty corner") << "9: x5b 3a"s << 0 << 0 << true;
    QTest::newRow("face-down top") << "9: x5b 3a | 10: x3c"s << 1 << 2 << false;
    QTest::newRow("same value") << "9: x5b 3a | 10: x1c 3c"s << 1 << 2 << true;
    QTest::newRow("same suit") << "9: x5b 3a | 10: x1c 9a"s << 1 << 2 << true;
    QTest::newRow("neither") << "9: x5b 3a | 10: x1c 9c"s << 1 << 2 << false;
    QTest::newRow("opened corner of the suit") << "0: 1a | 9: x5b 3a"s << 0 << 0 << true;
    QTest::newRow("opened corner of another suit") << "0: 1c | 9: x5b 3a"s << 0 << 0 << false;
}

void TestRegole::transitabile() {
    QFETCH(std::string, posizione);
    QFETCH(int, riga);
    QFETCH(int, posto);
    QFETCH(bool, attesa);
    TPartita partita(vista);
    Disponi(partita, posizione);
    QCOMPARE(partita.Transitabile(NumeroCarta("3a"), static_cast<std::int16_t>(riga),
                                  static_cast<std::int16_t>(posto)),
             attesa);
}

void TestRegole::percorsoComeInAmpiezza_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::newRow("a corner beside the card") << "0: 1a 2a 3a 4a | 9: x5b 5a"s;
    QTest::newRow("through a same-suit pile") << "9: x5b 3a | 10: x1c 7a | 11: x6b 4a"s;
    QTest::newRow("by way of corner 0") << "9: x5b 3a | 8: 3c | 10: x1c 7a | 11: x6b 4a"s;
    QTest::newRow("a closed neighbour") << "9: x5b 3a | 10: x7c"s;
    QTest::newRow("no way") << "9: x5b 3a | 11: x6b 4a"s;
    QTest::newRow("a chain") << "8: x5b 3a | 9: x1c 5a | 10: x2c 3d | 11: x6b 4a"s;
    QTest::newRow("across the table") << "16: x5b 3a | 17: 3b | 10: 8a | 3: x1c 3c | 7: 1a"s;
}

// The game's depth-first search finds a way exactly when a breadth-first one
// does, for every card to every pile, whatever marks an earlier search left.
void TestRegole::percorsoComeInAmpiezza() {
    QFETCH(std::string, posizione);
    TPartita partita(vista);
    DisponiChiuso(partita, posizione);
    const std::string prima = Descrivi(partita);
    int trovati = 0;
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        for (std::int16_t meta = 0; meta < NumeroPozzi && partita.Carte[n].pozzo >= 0; ++meta) {
            for (TPozzo& pozzo : partita.Pozzi) {
                pozzo.Controllato = (n + meta + pozzo.posto) % 2 == 0;
            }
            const bool atteso = PercorsoAtteso(partita, n, meta);
            QCOMPARE(partita.EsistePercorso(n, meta), atteso);
            trovati += atteso ? 1 : 0;
        }
    }
    QVERIFY(trovati > 0);
    QCOMPARE(Descrivi(partita), prima); // searching moves nothing
}

void TestRegole::muoviCarta_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<std::string>("carta");
    QTest::addColumn<int>("meta");
    QTest::addColumn<std::string>("dopo"); // empty: nothing may change
    QTest::newRow("legal move") << "1: x5b 3a | 2: x6b 4a"s
                                << "3a"s << 2 << "1: x5b | 2: x6b 4a 3a"s;
    QTest::newRow("ace opens the next corner") << "5: x5b 1a"s
                                               << "1a"s << 0 << "0: 1a | 5: x5b"s;
    QTest::newRow("illegal target") << "1: x5b 3a | 2: x6b 4a"s
                                    << "3a"s << 3 << ""s;
    QTest::newRow("covered card that would fit") << "1: x6b 4a 3a | 2: x7b 5a"s
                                                 << "4a"s << 2 << ""s;
    QTest::newRow("lone face-down ten") << "1: x10a"s
                                        << "10a"s << 22 << ""s;
    QTest::newRow("corner ace to the next corner") << "0: 1a | 5: x5b"s
                                                   << "1a"s << 7 << ""s;
    QTest::newRow("card on no pile") << "9: x5b 4a"s
                                     << "7c"s << 22 << ""s;
    QTest::newRow("pile past the table") << "9: x5b 10a"s
                                         << "10a"s << 24 << ""s;
    QTest::newRow("negative pile") << "9: x5b 10a"s
                                   << "10a"s << -1 << ""s;
    QTest::newRow("onto its own pile") << "9: x5b 4a"s
                                       << "4a"s << 9 << ""s;
}

void TestRegole::muoviCarta() {
    QFETCH(std::string, posizione);
    QFETCH(std::string, carta);
    QFETCH(int, meta);
    QFETCH(std::string, dopo);
    TPartita partita(vista);
    Disponi(partita, posizione);
    const std::int16_t angolo = partita.AngoloCorrente;
    const std::string prima = Descrivi(partita);
    vista.Eventi.clear();
    const bool mossa = partita.MuoviCarta(NumeroCarta(carta), static_cast<std::int16_t>(meta));
    QCOMPARE(mossa, !dopo.empty());
    QCOMPARE(Descrivi(partita), mossa ? dopo : prima);
    if (!mossa) {
        QCOMPARE(partita.AngoloCorrente, angolo);
        QVERIFY(!partita.AnnullaAbilitato);
        QVERIFY(!partita.PartitaIniziata);
        QVERIFY(vista.Eventi.empty());
    }
}

void TestRegole::muoviCartaRegistraLaMossa() {
    TPartita partita(vista);
    Disponi(partita, "22: x5b 1a");
    vista.Eventi.clear();
    QVERIFY(partita.MuoviCarta(NumeroCarta("1a"), 0));
    QCOMPARE(partita.UltimaMossa.MossaCarta, NumeroCarta("1a"));
    QCOMPARE(partita.UltimaMossa.MossaDa, 22);
    QCOMPARE(partita.UltimaMossa.MossaA, 0);
    QCOMPARE(partita.AngoloPrecedente, 0);
    QCOMPARE(partita.AngoloCorrente, 1);
    QCOMPARE(partita.Carte[NumeroCarta("1a")].pozzo, 0);
    QVERIFY(partita.PartitaIniziata);
    QVERIFY(partita.AnnullaAbilitato);
    QVERIFY(partita.RicominciaAbilitato);
    QCOMPARE(vista.Elenco(), "segnaposto 7, annulla 1, ricomincia 1");
}

void TestRegole::muoviCartaRifiutataNonTocca() {
    TPartita partita(vista);
    Disponi(partita, "1: x5b 3a | 2: x6b 4a | 3: x7b 10c");
    QVERIFY(partita.MuoviCarta(NumeroCarta("3a"), 2));
    vista.Eventi.clear();
    const TUltimaMossa record = partita.UltimaMossa;
    QVERIFY(!partita.MuoviCarta(NumeroCarta("10c"), 0));
    QVERIFY(vista.Eventi.empty());
    QVERIFY(partita.AnnullaAbilitato); // the earlier move can still be taken back
    QCOMPARE(partita.UltimaMossa.MossaCarta, record.MossaCarta);
    QCOMPARE(partita.UltimaMossa.MossaDa, record.MossaDa);
    QCOMPARE(partita.UltimaMossa.MossaA, record.MossaA);
}

void TestRegole::numeriFuoriDalMazzo_data() {
    QTest::addColumn<int>("numero");
    QTest::newRow("one past the deck") << 40;
    QTest::newRow("negative") << -1;
    QTest::newRow("far out") << 32767;
}

void TestRegole::numeriFuoriDalMazzo() {
    QFETCH(int, numero);
    const auto n = static_cast<std::int16_t>(numero);
    TPartita partita(vista);
    Disponi(partita, "1: x5a | 9: x5b 10a");
    const std::string prima = Descrivi(partita);
    vista.Eventi.clear();
    QVERIFY(!partita.PuoPrendere(n));
    QVERIFY(!partita.MossaValida(n, 22));
    QVERIFY(!partita.EsistePercorso(n, 22));
    QVERIFY(!partita.MuoviCarta(n, 22));
    partita.ScopriCarta(n);
    partita.DoppioClic(n);
    partita.RiponiCarta(n);
    QCOMPARE(Descrivi(partita), prima);
    QVERIFY(vista.Eventi.empty());
}

void TestRegole::scopriCarta_data() {
    QTest::addColumn<std::string>("posizione");
    QTest::addColumn<std::string>("carta");
    QTest::addColumn<std::string>("dopo");
    QTest::addColumn<std::string>("eventi");
    QTest::newRow("lone face-down card") << "9: x5a"s
                                         << "5a"s
                                         << "9: 5a"s
                                         << "aggiorna 4, annulla 0"s;
    QTest::newRow("face-down card under another") << "9: x5a 3b"s
                                                  << "5a"s
                                                  << "9: x5a 3b"s
                                                  << ""s;
    QTest::newRow("face-up card") << "9: 5a"s
                                  << "5a"s
                                  << "9: 5a"s
                                  << ""s;
    QTest::newRow("card on no pile") << "9: x5a"s
                                     << "7c"s
                                     << "9: x5a"s
                                     << ""s;
}

void TestRegole::scopriCarta() {
    QFETCH(std::string, posizione);
    QFETCH(std::string, carta);
    QFETCH(std::string, dopo);
    QFETCH(std::string, eventi);
    TPartita partita(vista);
    Disponi(partita, posizione);
    partita.PartitaIniziata = true;
    partita.RicominciaAbilitato = true;
    vista.Eventi.clear();
    partita.ScopriCarta(NumeroCarta(carta));
    QCOMPARE(Descrivi(partita), dopo);
    QCOMPARE(vista.Elenco(), eventi);
    QVERIFY(partita.PartitaIniziata); // turning a card up is not a move
    QVERIFY(partita.RicominciaAbilitato);
}

int EseguiTestRegole(int argc, char** argv) {
    TestRegole test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_core_regole.moc"
