#include "core_suite.h"
#include "posizione.h"
#include "tpartita.h"
#include "tvistacontrollata.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

// Also notes which card each placement put down, in deal order.
class TVistaMazziere : public TVistaControllata {
public:
    const TPartita* tavolo = nullptr;
    QList<int> Posate;

    void PosizionaCarta(std::int16_t pozzo, std::int16_t n) override {
        TVistaControllata::PosizionaCarta(pozzo, n);
        Posate << tavolo->Pozzi[pozzo].Carta(n)->numero;
    }
};

// The deal draws a card, then a pile, forty times. These draws come first;
// a fixed generator follows them.
TCasuale Estrazioni(QList<int> carte, QList<int> pozzi) {
    std::vector<double> valori;
    for (qsizetype k = 0; k < std::max(carte.size(), pozzi.size()); ++k) {
        valori.push_back((carte.value(k, 0) + 0.5) / (NumeroCarteMazzo - 1));
        valori.push_back((pozzi.value(k, 0) + 0.5) / NumeroPozzi);
    }
    std::mt19937 riserva(2026);
    std::size_t prossimo = 0;
    return TCasuale([valori, riserva, prossimo]() mutable {
        return prossimo < valori.size() ? valori[prossimo++]
                                        : std::uniform_real_distribution<double>(0, 1)(riserva);
    });
}

// Plays whatever the double-click and every drop allow, a few rounds over.
void GiocaUnPo(TPartita& partita) {
    for (int giro = 0; giro < 4; ++giro) {
        for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
            partita.DoppioClic(n);
            for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
                partita.MuoviCarta(n, p);
            }
        }
    }
}

QString Registro(const TPartita& partita) {
    QStringList pozzi;
    for (const TPozzo& pozzo : partita.Pozzi) {
        pozzi << QString::fromStdString(pozzo.CartePartenza);
    }
    return pozzi.join(u'/');
}

void VerificaAppenaDistribuita(const TPartita& partita) {
    for (int p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        if (pozzo.Angolo) {
            QCOMPARE(pozzo.NumeroCarte, 0);
            continue;
        }
        QCOMPARE(pozzo.NumeroCarte, 2);
        QVERIFY(pozzo.Carta(1)->Coperta);
        QVERIFY(!pozzo.Carta(2)->Coperta);
        QCOMPARE(pozzo.Carta(1)->pozzo, p);
        QCOMPARE(pozzo.Carta(2)->pozzo, p);
    }
    QCOMPARE(partita.AngoloCorrente, 0);
    QVERIFY(!partita.PartitaIniziata);
    QVERIFY(!partita.AnnullaAbilitato);
    QVERIFY(!partita.RicominciaAbilitato);
}

const std::string FineDistribuzione = "segnaposto 0, annulla 0, ricomincia 0";

} // namespace

// The deal, its record and the restart that reads the record back.
class TestDistribuzione : public QObject {
    Q_OBJECT

private slots:
    void nuovaDistribuzione();
    void primaCartaMai39();
    void sondaDelleCarte_data();
    void sondaDelleCarte();
    void sondaDeiPozzi_data();
    void sondaDeiPozzi();
    void generatoreDegenere_data();
    void generatoreDegenere();
    void ricominciaRifaLaStessa();
    void registroGuasto_data();
    void registroGuasto();
};

void TestDistribuzione::nuovaDistribuzione() {
    TVistaMazziere vista;
    TPartita partita(vista);
    vista.tavolo = &partita;
    for (int volta = 0; volta < 200; ++volta) {
        GiocaUnPo(partita);
        for (TDatiCarta& carta : partita.Carte) {
            carta.Coperta = volta % 2 == 0; // faces left over from the last game
        }
        vista.Eventi.clear();
        vista.Posate.clear();
        partita.Distribuisci(true);
        VerificaAppenaDistribuita(partita);
        QCOMPARE(vista.Eventi.size(), std::size_t{NumeroCarteMazzo + 3});
        QVERIFY(vista.Elenco().ends_with(FineDistribuzione));
        // Each record lists the pile's own cards, bottom first, in the form ",c,c".
        for (const TPozzo& pozzo : partita.Pozzi) {
            const QString atteso = pozzo.Angolo ? QString()
                                                : QStringLiteral(",%1,%2")
                                                      .arg(pozzo.Carta(1)->numero)
                                                      .arg(pozzo.Carta(2)->numero);
            QCOMPARE(QString::fromStdString(pozzo.CartePartenza), atteso);
        }
        QList<int> tutte = vista.Posate;
        std::sort(tutte.begin(), tutte.end());
        for (int n = 0; n < NumeroCarteMazzo; ++n) {
            QCOMPARE(tutte.value(n), n); // every card placed once, as it was dealt
        }
    }
}

void TestDistribuzione::primaCartaMai39() {
    constexpr int Passi = 2000;
    for (int k = 0; k <= Passi; ++k) {
        const double r = k == Passi ? std::nextafter(1.0, 0.0) : double(k) / Passi;
        TVistaMazziere vista;
        TPartita partita(vista, TCasuale([r] { return r; }));
        vista.tavolo = &partita;
        partita.Distribuisci(true);
        QVERIFY(vista.Posate.value(0) != 39);
    }
}

void TestDistribuzione::sondaDelleCarte_data() {
    QTest::addColumn<QList<int>>("estratte");
    QTest::addColumn<QList<int>>("distribuite");
    QTest::newRow("top draw: 38, then 39 by the probe, then round to 0")
        << QList<int>{38, 38, 38} << QList<int>{38, 39, 0};
    QTest::newRow("zero draws deal in order") << QList<int>{0, 0, 0} << QList<int>{0, 1, 2};
    QTest::newRow("the probe runs over dealt cards")
        << QList<int>{5, 6, 5, 5} << QList<int>{5, 6, 7, 8};
    QTest::newRow("a run up to 39") << QList<int>{37, 38, 37} << QList<int>{37, 38, 39};
}

void TestDistribuzione::sondaDelleCarte() {
    QFETCH(QList<int>, estratte);
    QFETCH(QList<int>, distribuite);
    TVistaMazziere vista;
    TPartita partita(vista, Estrazioni(estratte, {}));
    vista.tavolo = &partita;
    partita.Distribuisci(true);
    QCOMPARE(vista.Posate.mid(0, distribuite.size()), distribuite);
    VerificaAppenaDistribuita(partita);
}

void TestDistribuzione::sondaDeiPozzi_data() {
    QTest::addColumn<QList<int>>("estratti");
    QTest::addColumn<int>("carta"); // zero card draws: the k-th card dealt is card k
    QTest::addColumn<int>("pozzo");
    QTest::newRow("0 is a corner: pile 1") << QList<int>{0} << 0 << 1;
    QTest::newRow("23 wraps past corner 0: pile 1") << QList<int>{23} << 0 << 1;
    QTest::newRow("7 is a corner: pile 8") << QList<int>{7} << 0 << 8;
    QTest::newRow("16 is a corner: pile 17") << QList<int>{16} << 0 << 17;
    QTest::newRow("a table pile takes the card") << QList<int>{12} << 0 << 12;
    QTest::newRow("a full pile passes it on") << QList<int>{1, 1, 1} << 2 << 2;
    QTest::newRow("full pile, then a corner") << QList<int>{6, 6, 6} << 2 << 8;
    QTest::newRow("full pile, corner, wrap, corner") << QList<int>{22, 22, 22} << 2 << 1;
}

void TestDistribuzione::sondaDeiPozzi() {
    QFETCH(QList<int>, estratti);
    QFETCH(int, carta);
    QFETCH(int, pozzo);
    TVistaControllata vista;
    TPartita partita(vista, Estrazioni({}, estratti));
    partita.Distribuisci(true);
    QCOMPARE(partita.Carte[carta].pozzo, pozzo);
    VerificaAppenaDistribuita(partita);
}

void TestDistribuzione::generatoreDegenere_data() {
    QTest::addColumn<double>("r");
    QTest::newRow("always zero") << 0.0;
    QTest::newRow("always one") << 1.0;
    QTest::newRow("always negative") << -5.0;
    QTest::newRow("always not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("always infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("always just below one") << std::nextafter(1.0, 0.0);
}

void TestDistribuzione::generatoreDegenere() {
    QFETCH(double, r);
    TVistaControllata vista;
    TPartita partita(vista, TCasuale([r] { return r; }));
    partita.Distribuisci(true);
    VerificaAppenaDistribuita(partita);
}

void TestDistribuzione::ricominciaRifaLaStessa() {
    TVistaControllata vista;
    TPartita partita(vista, Estrazioni({}, {}));
    partita.Distribuisci(true);
    const std::string distribuita = Descrivi(partita);
    const QString registro = Registro(partita);
    std::string attesi;
    for (int p = 0; p < NumeroPozzi; ++p) {
        if (!partita.Pozzi[p].Angolo) {
            const std::string pozzo = "posiziona " + std::to_string(p);
            attesi += pozzo + " 1, " + pozzo + " 2, ";
        }
    }
    attesi += FineDistribuzione;
    for (int volta = 0; volta < 3; ++volta) {
        GiocaUnPo(partita);
        QVERIFY(partita.AngoloCorrente > 0); // aces reached the corners
        QVERIFY(Descrivi(partita) != distribuita);
        vista.Eventi.clear();
        partita.Distribuisci(false);
        QCOMPARE(Descrivi(partita), distribuita);
        QCOMPARE(Registro(partita), registro);
        QCOMPARE(vista.Elenco(), attesi);
        VerificaAppenaDistribuita(partita);
    }
}

void TestDistribuzione::registroGuasto_data() {
    QTest::addColumn<QStringList>("registri"); // "pile=record"
    QTest::addColumn<std::string>("dopo");
    QTest::newRow("garbage token") << QStringList{"1=,abc,3"} << "1: x4a"s;
    QTest::newRow("numbers outside the deck") << QStringList{"1=,40,-1,3,39"} << "1: x4a 10d"s;
    QTest::newRow("card listed twice") << QStringList{"1=,3,4", "2=,3,5"} << "1: x4a 5a | 2: x6a"s;
    QTest::newRow("card twice on one pile") << QStringList{"1=,3,3"} << "1: x4a"s;
    QTest::newRow("more than two cards") << QStringList{"1=,1,2,3"} << "1: x2a 3a 4a"s;
    QTest::newRow("empty tokens") << QStringList{"1=,,,7,"} << "1: x8a"s;
    QTest::newRow("no leading comma") << QStringList{"1=12,3"} << "1: x3a 4a"s;
    QTest::newRow("number too long") << QStringList{"1=,99999999999999999999,5"} << "1: x6a"s;
    QTest::newRow("numbers that wrap in 16 bits") << QStringList{"1=,65536,65539"} << ""s;
    QTest::newRow("spaces, signs, hex") << QStringList{"1=, 3,+4,3 ,0x5"} << ""s;
    QTest::newRow("a record on a corner") << QStringList{"0=,5", "1=,6"} << "1: x7a"s;
    QTest::newRow("a lone comma") << QStringList{"1=,"} << ""s;
    QTest::newRow("a lone digit") << QStringList{"1=7"} << ""s;
}

void TestDistribuzione::registroGuasto() {
    QFETCH(QStringList, registri);
    QFETCH(std::string, dopo);
    TVistaControllata vista;
    TPartita partita(vista);
    partita.Distribuisci(true);
    for (TPozzo& pozzo : partita.Pozzi) {
        pozzo.CartePartenza.clear();
    }
    for (const QString& registro : registri) {
        const qsizetype uguale = registro.indexOf(u'=');
        partita.Pozzi[registro.left(uguale).toInt()].CartePartenza =
            registro.mid(uguale + 1).toStdString();
    }
    vista.Eventi.clear();
    partita.Distribuisci(false);
    QCOMPARE(Descrivi(partita), dopo);
    int posate = 0;
    for (const TPozzo& pozzo : partita.Pozzi) {
        posate += pozzo.NumeroCarte;
    }
    QCOMPARE(vista.Eventi.size(), std::size_t(posate + 3));
    // Cards the record left out lie on no pile and take part in nothing.
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        if (partita.Carte[n].pozzo < 0) {
            QVERIFY(!partita.PuoPrendere(n));
            QVERIFY(!partita.MuoviCarta(n, 22));
            partita.DoppioClic(n);
        }
    }
    QCOMPARE(Descrivi(partita), dopo);
}

int EseguiTestDistribuzione(int argc, char** argv) {
    TestDistribuzione test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_core_distribuzione.moc"
