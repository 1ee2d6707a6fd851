// The blind player: its choices hang only on what a player sees, its wins are
// the game's own, a small sample of its outcomes stays as recorded, and its
// study keeps and resumes its rows.
#include "tcieco.h"
#include "tcsv.h"
#include "tdiario.h"
#include "tgiocorapido.h"
#include "tpartita.h"
#include "tverifica.h"
#include "tvistamuta.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>

Q_DECLARE_METATYPE(TMetodo)

namespace {

constexpr int AttesaProcesso = 60000; // ms, a deadline, never a pause
constexpr int PartiteRapide = 300;
constexpr int VinteRapideMinime = 3;

TCieco Giocatore(TMetodo metodo, std::uint64_t posizioni = TMetodo{}.posizioni) {
    metodo.posizioni = posizioni;
    return TCieco(metodo);
}

// The deal `seme` with the face-down cards of piles `a` and `b` swapped.
TStato Scambiata(std::uint64_t seme, int a, int b) {
    TVistaMuta vista;
    TPartita partita(vista, TCasuale::DaSeme(seme));
    partita.Distribuisci(true);
    TDatiCarta* primo = partita.Pozzi[a].Carta(1);
    TDatiCarta* secondo = partita.Pozzi[b].Carta(1);
    partita.Pozzi[a].Carta(1, secondo);
    partita.Pozzi[b].Carta(1, primo);
    std::swap(primo->pozzo, secondo->pozzo);
    return TStato::DaPartita(partita);
}

// The piles in the order the game turned their cards up, then those it never did.
std::vector<int> OrdineScoperte(const TStato& stato, const std::vector<TMossa>& mosse) {
    std::vector<int> ordine;
    for (const TMossa& mossa : mosse) {
        if (mossa.scopri) {
            ordine.push_back(mossa.a);
        }
    }
    for (int p = 0; p < TStato::Pozzi; ++p) {
        if (stato.Coperta(p) >= 0 && std::ranges::find(ordine, p) == ordine.end()) {
            ordine.push_back(p);
        }
    }
    return ordine;
}

std::size_t PrimaScopertaDi(const std::vector<TMossa>& mosse, int a, int b) {
    const auto trovata = std::ranges::find_if(
        mosse, [&](const TMossa& m) { return m.scopri && (m.a == a || m.a == b); });
    return static_cast<std::size_t>(trovata - mosse.begin());
}

TMetodo Metodo(int ipotesi, int rapide, int dubbio = 0) {
    TMetodo metodo;
    metodo.ipotesi = ipotesi;
    metodo.ipotesiDubbio = dubbio;
    metodo.rapide = rapide;
    return metodo;
}

// The quick games without more guesses in doubt: the default player as it
// was before those, cheaper than today's.
const TMetodo SenzaDubbio = Metodo(16, 16);

// A choice rests on the first guesses only when a move won every one of
// them; in doubt, on all the guesses it is allowed.
bool StimaGiusta(const TCieco::TStima& stima, const TMetodo& metodo) {
    const bool possibile = stima.vinte > 0 && stima.vinte <= stima.provate;
    if (metodo.ipotesiDubbio <= metodo.ipotesi) {
        return possibile && stima.provate == metodo.ipotesi;
    }
    const bool tutte = stima.vinte == metodo.ipotesi;
    return possibile &&
           (stima.provate == metodo.ipotesiDubbio || (stima.provate == metodo.ipotesi && tutte));
}

} // namespace

class TestCieco : public QObject {
    Q_OBJECT
private slots:
    void soloIlVisibile_data();
    void soloIlVisibile();
    void esitiRegistrati_data();
    void esitiRegistrati();
    void rapidaVinceSoloIlVincibile();
    void diarioRiprende();
    void diarioAltrui_data();
    void diarioAltrui();
    void comandoRiprende();
    void comandoMostraLeStime();
    void comandoDicePerche_data();
    void comandoDicePerche();
    void opzioniSbagliate_data();
    void opzioniSbagliate();
};

void TestCieco::soloIlVisibile_data() {
    QTest::addColumn<quint64>("seme");
    QTest::addColumn<TMetodo>("metodo");
    QTest::newRow("simple, deal 9") << quint64(9) << TMetodo::Semplice();
    QTest::newRow("simple, deal 18, lost") << quint64(18) << TMetodo::Semplice();
    QTest::newRow("no doubt, deal 18, lost") << quint64(18) << SenzaDubbio;
    QTest::newRow("8 guesses, deal 26") << quint64(26) << Metodo(8, 0);
    QTest::newRow("quick games, deal 9") << quint64(9) << Metodo(8, 4);
    QTest::newRow("more guesses in doubt, deal 9") << quint64(9) << Metodo(6, 4, 12);
}

// Two face-down cards swapped, the two the game turned up last or never: the
// player makes the same moves, and rates them the same, until it turns up one
// of them, at the same pile; every turn before was of a card in its place.
void TestCieco::soloIlVisibile() {
    QFETCH(quint64, seme);
    QFETCH(TMetodo, metodo);
    const TStato stato = TStato::DaSeme(seme);
    TCieco giocatore = Giocatore(metodo);
    const TRisposta partita = giocatore.Gioca(stato);
    QCOMPARE(giocatore.Stime().size(), partita.mosse.size());
    const std::vector<TCieco::TStima> stime = giocatore.Stime();
    for (std::size_t i = 0; i < stime.size(); ++i) {
        const bool scelta = !partita.mosse[i].scopri;
        QVERIFY(scelta ? StimaGiusta(stime[i], metodo) : stime[i].provate == 0);
    }
    QVERIFY(partita.esito != TEsito::Vinta || RigiocaVinta(seme, partita.mosse));

    const std::vector<int> ordine = OrdineScoperte(stato, partita.mosse);
    QVERIFY(ordine.size() >= 2);
    const int a = ordine[ordine.size() - 2];
    const int b = ordine.back();
    const TStato altra = Scambiata(seme, a, b);
    QCOMPARE(altra.Coperta(a), stato.Coperta(b));
    const TRisposta altrove = giocatore.Gioca(altra);
    const std::size_t comuni = PrimaScopertaDi(partita.mosse, a, b);
    QVERIFY(std::count_if(partita.mosse.begin(), partita.mosse.begin() + comuni,
                          [](const TMossa& m) { return m.scopri; }) >= 2);
    QVERIFY(altrove.mosse.size() >= std::min(comuni + 1, partita.mosse.size()));
    QVERIFY(
        std::equal(partita.mosse.begin(), partita.mosse.begin() + comuni, altrove.mosse.begin()));
    for (std::size_t i = 0; i < comuni; ++i) {
        QCOMPARE(giocatore.Stime()[i].vinte, stime[i].vinte);
        QCOMPARE(giocatore.Stime()[i].provate, stime[i].provate);
    }
    if (comuni < partita.mosse.size()) {
        QCOMPARE(altrove.mosse[comuni].a, partita.mosse[comuni].a);
        QVERIFY(altrove.mosse[comuni].carta != partita.mosse[comuni].carta);
    }
}

// A few deals as recorded when the methods were measured: a change that
// moves them is a change of play, to be measured again.
void TestCieco::esitiRegistrati_data() {
    QTest::addColumn<quint64>("seme");
    QTest::addColumn<TMetodo>("metodo");
    QTest::addColumn<quint64>("posizioni");
    QTest::addColumn<bool>("vinta");
    QTest::addColumn<int>("passi");
    const quint64 limite = TMetodo{}.posizioni;
    const TMetodo semplice = TMetodo::Semplice();
    QTest::newRow("simple, deal 2, won") << quint64(2) << semplice << limite << true << 72;
    QTest::newRow("simple, deal 8, lost") << quint64(8) << semplice << limite << false << 50;
    QTest::newRow("simple, deal 23, won") << quint64(23) << semplice << limite << true << 86;
    QTest::newRow("simple, deal 28, lost") << quint64(28) << semplice << limite << false << 6;
    QTest::newRow("no doubt, deal 16, won where the simple one loses")
        << quint64(16) << SenzaDubbio << limite << true << 79;
    QTest::newRow("no doubt, deal 18, lost") << quint64(18) << SenzaDubbio << limite << false << 49;
    QTest::newRow("48 guesses in doubt, half the budget, deal 8, won where the simple one loses")
        << quint64(8) << Metodo(16, 16, 48) << quint64(2'000) << true << 109;
    QTest::newRow("40 guesses in doubt, half the budget, deal 8")
        << quint64(8) << Metodo(16, 16, 40) << quint64(2'000) << true << 135;
    QTest::newRow("64 guesses in doubt, half the budget, deal 8")
        << quint64(8) << TMetodo{} << quint64(2'000) << true << 97;
    QTest::newRow("the same, deal 259, won after a wander that 50 moves without progress cut short")
        << quint64(259) << TMetodo{} << quint64(2'000) << true << 163;
    QTest::newRow("the same, deal 314, lost")
        << quint64(314) << TMetodo{} << quint64(2'000) << false << 28;
    QTest::newRow("the default player, the lower bound's, deal 314")
        << quint64(314) << TMetodo{} << limite << true << 75;
}

void TestCieco::esitiRegistrati() {
    QFETCH(quint64, seme);
    QFETCH(TMetodo, metodo);
    QFETCH(quint64, posizioni);
    QFETCH(bool, vinta);
    QFETCH(int, passi);
    const TRisposta risposta = Giocatore(metodo, posizioni).Gioca(TStato::DaSeme(seme));
    QCOMPARE(risposta.esito, vinta ? TEsito::Vinta : TEsito::Impossibile);
    QCOMPARE(static_cast<int>(risposta.mosse.size()), passi);
    QCOMPARE(RigiocaVinta(seme, risposta.mosse), vinta);
}

// The quick policy wins some deals, and only deals the solver wins; on the
// same generator it plays the same.
void TestCieco::rapidaVinceSoloIlVincibile() {
    TGiocoRapido rapido;
    TRisolutore risolutore;
    int vinte = 0;
    for (std::uint64_t seme = 0; seme < PartiteRapide; ++seme) {
        const TStato stato = TStato::DaSeme(seme);
        std::mt19937_64 caso(seme);
        std::mt19937_64 copia(seme);
        const bool vinta = rapido.Vince(stato, caso);
        QCOMPARE(rapido.Vince(stato, copia), vinta);
        if (vinta) {
            ++vinte;
            QVERIFY2(risolutore.Risolvi(stato).esito == TEsito::Vinta,
                     qPrintable(QString::number(seme)));
        }
    }
    QVERIFY2(vinte >= VinteRapideMinime, qPrintable(QString::number(vinte)));
}

// A file left by a run that was killed: its whole rows count, the cut one
// does not, and new rows go on lines of their own.
void TestCieco::diarioRiprende() {
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("cieco.csv"));
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(TCsv::Intestazione(false)) + "\n" +
               "3,vinta,10,2,80,0.5,0.4\n"
               "4,persa,10,2,30,0.5,0.4\n"
               "9,ignota,10,2,0,0.5,0.4\n"
               "x,vinta,1,1,1,0.1,0.1\n"
               "7,vin");
    file.close();
    TDiario diario;
    std::string errore;
    QVERIFY2(diario.Apri(percorso.toStdString(), false, errore), errore.c_str());
    QCOMPARE(diario.Fatte(), (std::set<std::uint64_t>{3, 4, 9}));
    diario.Scrivi(TRiga{5, TEsito::Vinta, 1, 1, 70, 0.25, 0.125, {}});
    QVERIFY(diario.Chiudi(errore));
    QCOMPARE(diario.Giocate(0, 9), quint64(4));
    QCOMPARE(diario.Vinte(0, 9), quint64(2));
    QCOMPARE(diario.Giocate(4, 5), quint64(2));
    QCOMPARE(diario.Vinte(4, 4), quint64(0));

    TDiario ancora;
    QVERIFY(ancora.Apri(percorso.toStdString(), false, errore));
    QCOMPARE(ancora.Fatte(), (std::set<std::uint64_t>{3, 4, 5, 9}));
    QVERIFY(ancora.Chiudi(errore));
}

// Rows of another kind are never added to, nor the file touched: other
// columns, or the solver's rows, which have the same.
void TestCieco::diarioAltrui_data() {
    QTest::addColumn<QByteArray>("testo");
    QTest::newRow("other columns")
        << QByteArray("partita,esito,posizioni,tentativi,passi,secondi\n0,vinta,1,1,1,0.1\n");
    QTest::newRow("the solver's rows") << QByteArray(TCsv::Intestazione(false)) +
                                              "\n0,vinta,1,1,1,0.1,0.1\n"
                                              "28,impossibile,5,1,0,0.1,0.1\n";
}

void TestCieco::diarioAltrui() {
    QFETCH(QByteArray, testo);
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("studio.csv"));
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(testo);
    file.close();
    TDiario diario;
    std::string errore;
    QVERIFY(!diario.Apri(percorso.toStdString(), false, errore));
    QVERIFY(!errore.empty());
    QVERIFY(!diario.Apri(percorso.toStdString(), true, errore));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), testo);
}

// The tool run twice on one file plays each deal once and sums up both runs.
void TestCieco::comandoRiprende() {
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString percorso = cartella.filePath(QStringLiteral("cieco.csv"));
    const auto esegui = [&](const QString& partite) {
        QProcess processo;
        processo.start(QStringLiteral(SOLVINTRA_RISOLVI),
                       {QStringLiteral("--cieco"), QStringLiteral("--semplice"),
                        QStringLiteral("-j"), QStringLiteral("2"), partite, QStringLiteral("-o"),
                        percorso});
        const bool finito = processo.waitForFinished(AttesaProcesso);
        return finito && processo.exitCode() == 0 ? processo.readAllStandardOutput()
                                                  : QByteArray("fallito");
    };
    QCOMPARE(esegui(QStringLiteral("8-9")).left(25), QByteArray("# giocate 2 di 2: vinte 1"));
    QCOMPARE(esegui(QStringLiteral("8-13")).left(25), QByteArray("# giocate 6 di 6: vinte 2"));
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QList<QByteArray> righe = file.readAll().trimmed().split('\n');
    QCOMPARE(righe.takeFirst(), QByteArray(TCsv::Intestazione(false)));
    QStringList semi;
    for (const QByteArray& riga : righe) {
        semi << QString::fromLatin1(riga.left(riga.indexOf(',')));
    }
    semi.sort();
    QCOMPARE(semi, (QStringList{"10", "11", "12", "13", "8", "9"}));
}

// One deal step by step: each move it chose says how many guesses it won
// after it, a turn says nothing.
void TestCieco::comandoMostraLeStime() {
    QProcess processo;
    processo.start(QStringLiteral(SOLVINTRA_RISOLVI),
                   {QStringLiteral("--cieco"), QStringLiteral("--semplice"), QStringLiteral("28")});
    QVERIFY(processo.waitForFinished(AttesaProcesso));
    QCOMPARE(processo.exitCode(), 0);
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(QStringLiteral("Persa dopo 6 passi")), qPrintable(testo));
    const QRegularExpression passo(QStringLiteral(R"(^ +\d+\. (.*)$)"),
                                   QRegularExpression::MultilineOption);
    const QRegularExpression stima(QStringLiteral(R"(\(vince ([1-9]|1[0-6]) ipotesi su 16\)$)"));
    int passi = 0;
    for (auto trovato = passo.globalMatch(testo); trovato.hasNext(); ++passi) {
        const QString riga = trovato.next().captured(1);
        QCOMPARE(riga.contains(stima), !riga.startsWith(QStringLiteral("scopri ")));
    }
    QCOMPARE(passi, 6);
}

// A lost game says why the player gave up: no guess left, or no progress.
void TestCieco::comandoDicePerche_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("perche");
    QTest::newRow("no guess won") << QStringList{"--cieco", "--semplice", "28"}
                                  << QStringLiteral("Persa dopo 6 passi: nessuna ipotesi");
    QTest::newRow("no progress") << QStringList{"--cieco", "--semplice", "--ferme=2", "1"}
                                 << QStringLiteral("Persa dopo 13 passi: 2 mosse di fila senza");
}

void TestCieco::comandoDicePerche() {
    QFETCH(QStringList, argomenti);
    QFETCH(QString, perche);
    QProcess processo;
    processo.start(QStringLiteral(SOLVINTRA_RISOLVI), argomenti);
    QVERIFY(processo.waitForFinished(AttesaProcesso));
    QCOMPARE(processo.exitCode(), 0);
    const QString testo = QString::fromUtf8(processo.readAllStandardOutput());
    QVERIFY2(testo.contains(perche), qPrintable(testo));
}

void TestCieco::opzioniSbagliate_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::newRow("no guesses") << QStringList{"--cieco", "--ipotesi=0", "1"};
    QTest::newRow("guesses not a number") << QStringList{"--cieco", "--ipotesi=molte", "1"};
    QTest::newRow("too many quick games") << QStringList{"--cieco", "--rapide=100001", "1"};
    QTest::newRow("negative guesses in doubt") << QStringList{"--cieco", "--dubbio=-1", "1"};
    QTest::newRow("quick games without a value") << QStringList{"--cieco", "1", "--rapide"};
    QTest::newRow("guesses in doubt not a number") << QStringList{"--cieco", "--dubbio=2x", "1"};
    QTest::newRow("no moves without progress") << QStringList{"--cieco", "--ferme=0", "1"};
}

void TestCieco::opzioniSbagliate() {
    QFETCH(QStringList, argomenti);
    QProcess processo;
    processo.start(QStringLiteral(SOLVINTRA_RISOLVI), argomenti);
    QVERIFY(processo.waitForFinished(AttesaProcesso));
    QCOMPARE(processo.exitCode(), 2);
    const QByteArray errore = processo.readAllStandardError();
    QVERIFY2(errore.startsWith("solvintra-risolvi: ") && errore.count('\n') == 1,
             errore.constData());
    QVERIFY(processo.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestCieco)
#include "tst_cieco.moc"
