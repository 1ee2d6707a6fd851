// The certificates of unwinnable deals and their checker: good ones pass,
// each kind of bad one fails with a message naming the deal and the position,
// and the checker's steps and dead-position test agree with the solver's.
#include "tcarteferme.h"
#include "tcertificato.h"
#include "tfermi.h"
#include "topzioni.h"
#include "tposizione.h"
#include "trisolutore.h"
#include "tstampa.h"
#include "tverificatore.h"
#include "tvistamuta.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr std::uint64_t Piccola = 946; // unwinnable, 126 positions, some lost by TFermi
constexpr std::uint64_t Vincibile = 1;
constexpr std::size_t Limite = 100'000;
constexpr int PartiteCasuali = 150;
constexpr int PassiCasuali = 80;
constexpr int InsiemiCasuali = 12;
constexpr std::uint64_t SemeCasuale = 20261209;
constexpr int AttesaProcesso = 30000; // ms, a deadline, never a pause
constexpr unsigned BitPerByte = 7;
constexpr std::uint8_t Segue = 0x80;

// A certificate taken apart: its header and its tree in preorder.
struct TNodo {
    std::size_t padre = 0;
    std::uint64_t passo = 0;
    std::uint64_t etichetta = TCertificato::TuttiDentro;
    std::uint64_t testimone = 0;
};
struct TAperto {
    std::uint64_t versione = TCertificato::Versione;
    std::uint64_t seme = 0;
    std::vector<TNodo> nodi;
};

std::uint64_t Leggi(const std::vector<std::uint8_t>& byte, std::size_t& i) {
    std::uint64_t valore = 0;
    for (unsigned scarto = 0;; scarto += BitPerByte) {
        const std::uint8_t b = byte.at(i++);
        valore |= std::uint64_t(b & ~Segue) << scarto;
        if ((b & Segue) == 0) {
            return valore;
        }
    }
}

void Scrivi(std::vector<std::uint8_t>& byte, std::uint64_t valore) {
    for (; valore >= Segue; valore >>= BitPerByte) {
        byte.push_back(static_cast<std::uint8_t>(valore | Segue));
    }
    byte.push_back(static_cast<std::uint8_t>(valore));
}

TAperto Apri(const std::vector<std::uint8_t>& byte) {
    TAperto aperto;
    std::size_t i = 4;
    aperto.versione = Leggi(byte, i);
    aperto.seme = Leggi(byte, i);
    const std::uint64_t quante = Leggi(byte, i);
    std::vector<std::pair<std::size_t, std::uint64_t>> aperti; // node, children left
    std::vector<std::int64_t> ultimo;
    for (std::size_t n = 0; n < quante; ++n) {
        TNodo nodo;
        if (n > 0) {
            while (aperti.back().second == 0) {
                aperti.pop_back();
            }
            --aperti.back().second;
            nodo.padre = aperti.back().first;
            nodo.passo = std::uint64_t(ultimo[nodo.padre] + 1) + Leggi(byte, i);
            ultimo[nodo.padre] = std::int64_t(nodo.passo);
        }
        const std::uint64_t testa = Leggi(byte, i);
        nodo.etichetta = testa % TCertificato::Etichette;
        if (nodo.etichetta == TCertificato::Ferme) {
            nodo.testimone = Leggi(byte, i);
        }
        aperti.emplace_back(n, testa / TCertificato::Etichette);
        ultimo.push_back(-1);
        aperto.nodi.push_back(nodo);
    }
    return aperto;
}

// The nodes must be in preorder, each parent's children in the order of their steps.
std::vector<std::uint8_t> Chiudi(const TAperto& aperto) {
    std::vector<std::uint8_t> byte{'S', 'V', 'C', 'T'};
    Scrivi(byte, aperto.versione);
    Scrivi(byte, aperto.seme);
    Scrivi(byte, aperto.nodi.size());
    std::vector<std::uint64_t> figli(aperto.nodi.size(), 0);
    for (std::size_t n = 1; n < aperto.nodi.size(); ++n) {
        ++figli[aperto.nodi[n].padre];
    }
    std::vector<std::int64_t> ultimo(aperto.nodi.size(), -1);
    for (std::size_t n = 0; n < aperto.nodi.size(); ++n) {
        const TNodo& nodo = aperto.nodi[n];
        if (n > 0) {
            Scrivi(byte, nodo.passo - std::uint64_t(ultimo[nodo.padre] + 1));
            ultimo[nodo.padre] = std::int64_t(nodo.passo);
        }
        Scrivi(byte, figli[n] * TCertificato::Etichette + nodo.etichetta);
        if (nodo.etichetta == TCertificato::Ferme) {
            Scrivi(byte, nodo.testimone);
        }
    }
    return byte;
}

std::vector<std::uint8_t> Certificato(std::uint64_t seme) {
    TCertificato::TProva prova = TCertificato::Scrivi(seme, Limite);
    if (prova.fine != TCertificato::TFine::Chiuso) {
        throw std::runtime_error("no certificate for deal " + std::to_string(seme));
    }
    return prova.byte;
}

// The check that fails on the bytes, or an empty string when they pass.
QString Errore(const std::vector<std::uint8_t>& byte,
               std::optional<std::uint64_t>* numero = nullptr) {
    try {
        TVerificatore::Verifica(byte);
        return {};
    } catch (const TErroreCertificato& errore) {
        if (numero != nullptr) {
            *numero = errore.numero;
        }
        return QString::fromStdString(errore.what());
    }
}

bool Foglia(const TAperto& aperto, std::size_t n) {
    return n + 1 == aperto.nodi.size() || aperto.nodi[n + 1].padre != n;
}

// Each node's position, made by the checker's steps from the deal.
std::vector<TPosizione> Posizioni(const TAperto& aperto) {
    TVistaMuta vista;
    TPartita partita(vista, TCasuale::DaSeme(aperto.seme));
    partita.Distribuisci(true);
    TVerificatore::ScopriSole(partita);
    std::vector<TPosizione> posizioni{TPosizione::Leggi(partita)};
    std::vector<TPosizione> successori;
    for (std::size_t n = 1; n < aperto.nodi.size(); ++n) {
        TVerificatore::Successori(partita, posizioni[aperto.nodi[n].padre], successori);
        posizioni.push_back(successori.at(aperto.nodi[n].passo));
    }
    return posizioni;
}

std::vector<TPosizione> Successori(const TPosizione& posizione) {
    TVistaMuta vista;
    TPartita partita(vista);
    std::vector<TPosizione> successori;
    TVerificatore::Successori(partita, posizione, successori);
    return successori;
}

// The last child of a parent, a leaf, moved to its parent's next step: its
// own position is missed, or the step leads where another position lies.
void Sposta(TAperto& aperto) {
    const std::vector<TPosizione> posizioni = Posizioni(aperto);
    for (std::size_t n = aperto.nodi.size() - 1; n > 0; --n) {
        TNodo& nodo = aperto.nodi[n];
        const bool ultimo = n + 1 == aperto.nodi.size() || aperto.nodi[n + 1].padre != nodo.padre;
        const auto successori = Successori(posizioni[nodo.padre]);
        const std::uint64_t dopo = nodo.passo + 1;
        if (Foglia(aperto, n) && ultimo && dopo < successori.size()) {
            nodo.passo = dopo;
            return;
        }
    }
    throw std::runtime_error("no leaf to redirect");
}

// A child given to a leaf that holds all its successors: it is in the set already.
void Raddoppia(TAperto& aperto) {
    const std::vector<TPosizione> posizioni = Posizioni(aperto);
    for (std::size_t n = 0; n < aperto.nodi.size(); ++n) {
        if (Foglia(aperto, n) && aperto.nodi[n].etichetta == TCertificato::TuttiDentro &&
            !Successori(posizioni[n]).empty()) {
            aperto.nodi.insert(aperto.nodi.begin() + std::ptrdiff_t(n) + 1, TNodo{n, 0});
            for (std::size_t m = n + 2; m < aperto.nodi.size(); ++m) {
                aperto.nodi[m].padre += aperto.nodi[m].padre > n ? 1 : 0;
            }
            return;
        }
    }
    throw std::runtime_error("no leaf to give a child");
}

using TGuasto = std::function<void(std::vector<std::uint8_t>&)>;

void Ritocca(std::vector<std::uint8_t>& byte, const std::function<void(TAperto&)>& cambia) {
    TAperto aperto = Apri(byte);
    cambia(aperto);
    byte = Chiudi(aperto);
}

// Random positions of random games, each handed to `visita`.
void PosizioniCasuali(const std::function<void(TPartita&)>& visita) {
    std::mt19937_64 caso(SemeCasuale);
    TVistaMuta vista;
    std::vector<TPosizione> successori;
    for (int g = 0; g < PartiteCasuali; ++g) {
        TPartita partita(vista, TCasuale::DaSeme(caso()));
        partita.Distribuisci(true);
        TVerificatore::ScopriSole(partita);
        for (int passo = 0; passo < PassiCasuali; ++passo) {
            visita(partita);
            TVerificatore::Successori(partita, TPosizione::Leggi(partita), successori);
            if (successori.empty()) {
                break;
            }
            successori[caso() % successori.size()].Carica(partita);
        }
    }
}

} // namespace

class TestVerifica : public QObject {
    Q_OBJECT

private slots:
    void CertificatiVerificati_data();
    void CertificatiVerificati();
    void CertificatiGuasti_data();
    void CertificatiGuasti();
    void VintaSenzaCertificato();
    void VintaFalsificataRespinta();
    void PassiComeIlRisolutore();
    void CarteFermeComeIlRisolutore();
    void ComandiSuUnGuasto();
    void OpzioniDeiCertificati_data();
    void OpzioniDeiCertificati();
};

void TestVerifica::CertificatiVerificati_data() {
    QTest::addColumn<quint64>("seme");
    for (const quint64 seme : {28, 82, 266, 674, 946}) {
        QTest::newRow(qPrintable(QString("deal %1").arg(seme))) << seme;
    }
}

void TestVerifica::CertificatiVerificati() {
    QFETCH(quint64, seme);
    const std::vector<std::uint8_t> byte = Certificato(seme);
    const TVerificatore::TEsito esito = TVerificatore::Verifica(byte);
    QCOMPARE(esito.seme, seme);
    QCOMPARE(esito.posizioni, Apri(byte).nodi.size());
}

void TestVerifica::CertificatiGuasti_data() {
    QTest::addColumn<TGuasto>("guasto");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<bool>("posizione"); // the message names a position
    QTest::newRow("a position removed")
        << TGuasto([](auto& b) { Ritocca(b, [](TAperto& a) { a.nodi.pop_back(); }); })
        << "porta fuori dal certificato" << true;
    QTest::newRow("a successor redirected")
        << TGuasto([](auto& b) { Ritocca(b, Sposta); })
        << "porta fuori dal certificato|posizione ripetuta" << true;
    QTest::newRow("a false dead claim") << TGuasto([](auto& b) {
        Ritocca(b, [](TAperto& a) {
            a.nodi[0].etichetta = TCertificato::Ferme;
            a.nodi[0].testimone = (std::uint64_t{1} << NumeroCarteMazzo) - 1;
        });
    }) << "le carte dette ferme possono lasciare il mucchio"
                                        << true;
    QTest::newRow("a dead claim with an empty set") << TGuasto([](auto& b) {
        Ritocca(b, [](TAperto& a) {
            for (TNodo& nodo : a.nodi) {
                nodo.testimone = nodo.etichetta == TCertificato::Ferme ? 0 : nodo.testimone;
            }
        });
    }) << "nessuna carta detta ferma" << true;
    QTest::newRow("a step past the moves")
        << TGuasto([](auto& b) { Ritocca(b, [](TAperto& a) { a.nodi.back().passo += 200; }); })
        << "inesistente" << true;
    QTest::newRow("a position twice")
        << TGuasto([](auto& b) { Ritocca(b, Raddoppia); }) << "posizione ripetuta" << true;
    QTest::newRow("an unknown tag")
        << TGuasto([](auto& b) { Ritocca(b, [](TAperto& a) { a.nodi[1].etichetta = 2; }); })
        << "etichetta 2 sconosciuta" << true;
    QTest::newRow("another deal") << TGuasto([](auto& b) {
        Ritocca(b, [](TAperto& a) { ++a.seme; });
    }) << "" << true;
    QTest::newRow("another version")
        << TGuasto([](auto& b) { Ritocca(b, [](TAperto& a) { a.versione = 2; }); })
        << "versione 2, questo programma legge la 1" << false;
    QTest::newRow("truncated") << TGuasto([](auto& b) { b.pop_back(); }) << "certificato troncato"
                               << false;
    QTest::newRow("a byte more") << TGuasto([](auto& b) { b.push_back(0); })
                                 << "1 byte dopo l'ultima posizione" << false;
    QTest::newRow("more positions said")
        << TGuasto([](auto& b) { b[7] += 1; }) << "posizioni" << false;
    QTest::newRow("a number past 64 bits") << TGuasto([](auto& b) {
        b.resize(5);
        b.insert(b.end(), 11, Segue);
    }) << "numero oltre 64 bit" << false;
    QTest::newRow("another file's bytes") << TGuasto([](auto& b) {
        QFile file(QStringLiteral(SOLVINTRA_SORGENTI "/docs/winnability/passi.png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray png = file.readAll();
        b.assign(png.begin(), png.end());
    }) << "non è un certificato di solvintra-risolvi"
                                          << false;
    QTest::newRow("nothing") << TGuasto([](auto& b) { b.clear(); })
                             << "non è un certificato di solvintra-risolvi" << false;
}

void TestVerifica::CertificatiGuasti() {
    QFETCH(TGuasto, guasto);
    QFETCH(QString, controllo);
    QFETCH(bool, posizione);
    std::vector<std::uint8_t> byte = Certificato(Piccola);
    QCOMPARE(Errore(byte), QString());
    guasto(byte);
    std::optional<std::uint64_t> numero;
    const QString errore = Errore(byte, &numero);
    QVERIFY2(!errore.isEmpty(), "a bad certificate passed");
    QVERIFY2(errore.contains(QRegularExpression(controllo)), qPrintable(errore));
    QCOMPARE(numero.has_value(), posizione);
}

void TestVerifica::VintaSenzaCertificato() {
    QCOMPARE(TCertificato::Scrivi(Vincibile, Limite).fine, TCertificato::TFine::Vinta);
    QCOMPARE(TCertificato::Scrivi(Piccola, 10).fine, TCertificato::TFine::Troppe);
}

// The solver's win written as a chain of positions, each said to hold all
// its successors: the won one at the end is caught.
void TestVerifica::VintaFalsificataRespinta() {
    TStato stato = TStato::DaSeme(Vincibile);
    stato.ScopriSole();
    const TRisposta risposta = TRisolutore().Risolvi(stato);
    QCOMPARE(risposta.esito, TEsito::Vinta);
    TAperto aperto{TCertificato::Versione, Vincibile, {TNodo{}}};
    std::vector<TMossa> mosse;
    for (const TMossa& mossa : risposta.mosse) {
        if (mossa.scopri) {
            continue; // made at once after each move, as the certificate has it
        }
        TCertificato::MosseOrdinate(stato, mosse);
        const auto passo = std::find(mosse.begin(), mosse.end(), mossa) - mosse.begin();
        QVERIFY(passo < std::ssize(mosse));
        aperto.nodi.push_back({aperto.nodi.size() - 1, std::uint64_t(passo)});
        stato.Esegui(mossa);
        stato.ScopriSole();
    }
    QVERIFY(stato.Vinta());
    std::optional<std::uint64_t> numero;
    QCOMPARE(Errore(Chiudi(aperto), &numero), QStringLiteral("posizione vinta"));
    QCOMPARE(numero, std::optional<std::uint64_t>(aperto.nodi.size() - 1));
}

// From positions of random games, the checker's steps, made by the game, lead
// where the solver's lead, in the same order; a position read and laid out
// again is the same, and its table is printed as the solver prints it.
void TestVerifica::PassiComeIlRisolutore() {
    std::vector<TPosizione> successori;
    std::vector<TMossa> mosse;
    TVistaMuta vista;
    TPartita altra(vista);
    int confrontati = 0;
    PosizioniCasuali([&](TPartita& partita) {
        const TPosizione posizione = TPosizione::Leggi(partita);
        const TStato stato = TStato::DaPartita(partita);
        QCOMPARE(posizione.Tavolo(), TStampa::Tavolo(stato));
        TVerificatore::Successori(partita, posizione, successori);
        QCOMPARE(TPosizione::Leggi(partita), posizione);
        TCertificato::MosseOrdinate(stato, mosse);
        QCOMPARE(successori.size(), mosse.size());
        for (std::size_t i = 0; i < mosse.size(); ++i) {
            TStato dopo = stato;
            dopo.Esegui(mosse[i]);
            dopo.ScopriSole();
            successori[i].Carica(altra);
            QVERIFY(TStato::DaPartita(altra).Chiave() == dopo.Chiave());
            ++confrontati;
        }
    });
    QVERIFY(confrontati > PartiteCasuali * PassiCasuali);
}

// The solver's set of cards that never leave passes the checker, and any set
// the checker passes lies within the solver's: the two read the rule alike.
void TestVerifica::CarteFermeComeIlRisolutore() {
    std::mt19937_64 caso(SemeCasuale);
    TFermi fermi;
    int perdute = 0;
    int chiusi = 0;
    PosizioniCasuali([&](TPartita& partita) {
        const TStato stato = TStato::DaPartita(partita);
        const bool perduta = fermi.Perduta(stato);
        const std::uint64_t insieme = fermi.Insieme();
        perdute += perduta;
        if (perduta) {
            QVERIFY(TCarteFerme::Chiuso(partita, insieme));
        }
        std::uint64_t sulTavolo = 0;
        for (const TDatiCarta& carta : partita.Carte) {
            sulTavolo |= partita.Pozzi[carta.pozzo].Angolo ? 0 : std::uint64_t{1} << carta.numero;
        }
        for (int k = 0; k < InsiemiCasuali; ++k) {
            // Large sets, most of the table, so that some hold.
            const std::uint64_t provato = sulTavolo & (caso() | caso() | caso());
            if (TCarteFerme::Chiuso(partita, provato)) {
                ++chiusi;
                QVERIFY(perduta && (provato & ~insieme) == 0);
            }
        }
        QVERIFY(!TCarteFerme::Chiuso(partita, sulTavolo) || perduta);
    });
    QVERIFY(perdute > 0);
    QVERIFY(chiusi > 0);
}

// The commands: a won deal leaves no certificate; a bad certificate gets
// exit status 1 and a message naming the deal, the position and its table.
void TestVerifica::ComandiSuUnGuasto() {
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    QProcess risolvi;
    risolvi.start(SOLVINTRA_RISOLVI,
                  {"--certificati=" + cartella.path(), QString::number(Vincibile)});
    QVERIFY(risolvi.waitForFinished(AttesaProcesso));
    QCOMPARE(risolvi.exitCode(), 0);
    QVERIFY(QDir(cartella.path()).entryList(QDir::Files).isEmpty());

    std::vector<std::uint8_t> byte = Certificato(Piccola);
    Ritocca(byte, [](TAperto& a) { a.nodi.pop_back(); });
    const QString percorso = cartella.filePath("guasto.svct");
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(byte.data()), qint64(byte.size()));
    file.close();
    QProcess verifica;
    verifica.start(SOLVINTRA_VERIFICA, {percorso});
    QVERIFY(verifica.waitForFinished(AttesaProcesso));
    QCOMPARE(verifica.exitCode(), 1);
    const QString errore = QString::fromUtf8(verifica.readAllStandardError());
    QVERIFY2(errore.contains(QString("partita %1, posizione ").arg(Piccola)), qPrintable(errore));
    QVERIFY2(errore.contains("porta fuori dal certificato\n") && errore.contains("colonna 8"),
             qPrintable(errore));
}

void TestVerifica::OpzioniDeiCertificati_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("cartella"); // empty: refused
    QTest::addColumn<quint64>("limite");
    const quint64 predefinito = TCertificato::Limite;
    QTest::newRow("a folder") << QStringList{"--certificati=prove", "0-9"} << "prove"
                              << predefinito;
    QTest::newRow("a limit") << QStringList{"--certificati=p", "--posizioni-certificato=7", "3"}
                             << "p" << quint64(7);
    QTest::newRow("an empty folder") << QStringList{"--certificati=", "3"} << "" << quint64(0);
    QTest::newRow("a zero limit") << QStringList{"--posizioni-certificato=0", "3"} << ""
                                  << quint64(0);
    QTest::newRow("with the blind player")
        << QStringList{"--cieco", "--certificati=p", "3"} << "" << quint64(0);
}

void TestVerifica::OpzioniDeiCertificati() {
    QFETCH(QStringList, argomenti);
    QFETCH(QString, cartella);
    QFETCH(quint64, limite);
    std::vector<QByteArray> testi{"solvintra-risolvi"};
    for (const QString& argomento : argomenti) {
        testi.push_back(argomento.toUtf8());
    }
    std::vector<char*> argv;
    for (QByteArray& testo : testi) {
        argv.push_back(testo.data());
    }
    if (cartella.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 TOpzioni::Leggi(int(argv.size()), argv.data()));
        return;
    }
    const TOpzioni opzioni = TOpzioni::Leggi(int(argv.size()), argv.data());
    QCOMPARE(QString::fromStdString(opzioni.certificati), cartella);
    QCOMPARE(quint64(opzioni.posizioniCertificato), limite);
}

QTEST_GUILESS_MAIN(TestVerifica)
#include "tst_verifica.moc"
