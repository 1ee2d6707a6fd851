#include "invarianti.h"
#include "tcieco.h"
#include "tdiecisoli.h"
#include "tfermi.h"
#include "tnucleo.h"
#include "tpartita.h"
#include "tricercapiana.h"
#include "trilassato.h"
#include "trisolutore.h"
#include "tsequenza.h"
#include "tviolazione.h"
#include "tvistacontrollata.h"
#include "tvistamuta.h"
#include "tvisti.h"
#include "wilson.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int VinteAttese = 1000;
constexpr int PartiteCasuali = 400;
constexpr int PassiCasuali = 120;
constexpr std::uint64_t SemeCasuale = 20261207;
constexpr std::uint64_t LimitePiano = 100'000;
constexpr int AttesaProcesso = 30000; // ms, a deadline, never a pause
// Positions near the end of random games, small enough for the plain search.
constexpr int PartiteFinali = 100;
constexpr int ProveFinali = 6;
constexpr std::uint64_t LimiteFinale = 20'000;
constexpr int ConfermeMinime = 100;
constexpr int ConfermeConStrade = 40;
constexpr int DeciseMinime = 300;

using TCoppia = std::pair<int, int>; // card, target pile (the card's own pile: turn it up)

// Carries out the steps as a player's drag or click would, checking every
// rule after each; throws TViolazione at the first that breaks, or when the
// game does not end won or not as `vinta` says.
void Rigioca(std::uint64_t seme, const std::vector<TMossa>& mosse, bool vinta = true) {
    TVistaControllata vista;
    vista.registra = false;
    TPartita partita(vista, TCasuale::DaSeme(seme));
    vista.Osserva(partita);
    partita.Distribuisci(true);
    for (const TMossa& mossa : mosse) {
        const TDatiCarta& carta = partita.Carte[mossa.carta];
        if (mossa.scopri) {
            Pretendi(carta.Coperta && partita.Pozzi[carta.pozzo].NumeroCarte == 1,
                     "the card to turn up lies alone and face down");
            partita.ScopriCarta(mossa.carta);
            Pretendi(!carta.Coperta, "the card turned up");
        } else {
            Pretendi(partita.PuoPrendere(mossa.carta), "the card can be picked up");
            Pretendi(partita.MuoviCarta(mossa.carta, mossa.a), "the move is legal");
            Pretendi(carta.pozzo == mossa.a, "the card reached its pile");
        }
        VerificaCollocazione(partita);
        VerificaRegole(partita);
    }
    partita.ControllaVittoria();
    Pretendi(partita.Vinta() == vinta && vista.vittorie == int(vinta), "the game ends as told");
}

// Random play that prefers the corners, so that it gets near the end of a
// game, and stops after `passi` steps or where no step is left.
TStato GiocaACaso(std::uint64_t seme, int passi, std::mt19937_64& caso) {
    TStato stato = TStato::DaSeme(seme);
    std::vector<TMossa> mosse;
    for (int passo = 0; passo < passi; ++passo) {
        mosse.clear();
        stato.MosseLegali(mosse);
        if (mosse.empty()) {
            break;
        }
        const auto angolo = std::find_if(mosse.begin(), mosse.end(),
                                         [](const TMossa& m) { return TStato::Angolo(m.a); });
        const bool versoAngolo = angolo != mosse.end() && caso() % 4 != 0;
        stato.Esegui(versoAngolo ? *angolo : mosse[caso() % mosse.size()]);
    }
    return stato;
}

// The same, with every lone face-down card turned up, as the solver does at once.
TStato GiocaEScopri(std::uint64_t seme, int passi, std::mt19937_64& caso) {
    TStato stato = GiocaACaso(seme, passi, caso);
    stato.ScopriSole();
    return stato;
}

// The engine's answer: every pick-up and drop it allows, and every turn.
std::vector<TCoppia> MosseMotore(TPartita& partita) {
    std::vector<TCoppia> mosse;
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        const TDatiCarta& carta = partita.Carte[n];
        if (carta.Coperta) {
            if (partita.Pozzi[carta.pozzo].NumeroCarte == 1) {
                mosse.emplace_back(n, carta.pozzo);
            }
            continue;
        }
        if (!partita.PuoPrendere(n)) {
            continue;
        }
        for (std::int16_t T = 0; T < NumeroPozzi; ++T) {
            const std::int16_t angolo = partita.AngoloCorrente;
            if (partita.MossaValida(n, T)) {
                mosse.emplace_back(n, T);
            }
            partita.AngoloCorrente = angolo; // the check opens the corner: take that back
        }
    }
    std::sort(mosse.begin(), mosse.end());
    return mosse;
}

std::vector<TCoppia> MosseRisolutore(const TStato& stato) {
    std::vector<TMossa> mosse;
    stato.MosseLegali(mosse);
    std::vector<TCoppia> coppie;
    for (const TMossa& mossa : mosse) {
        coppie.emplace_back(mossa.carta, mossa.a);
    }
    std::sort(coppie.begin(), coppie.end());
    return coppie;
}

using TChiavi = std::set<TStato::TChiave>;

void EseguiScoprendo(TStato& stato, const TMossa& mossa) {
    stato.Esegui(mossa);
    if (const auto scoperta = stato.Scoperta(mossa.da)) {
        stato.Esegui(*scoperta);
    }
}

bool DieciVersoVuoto(const TStato& stato, const TMossa& mossa) {
    return (stato.DieciSoli() >> mossa.da & 1u) != 0 && !TStato::Angolo(mossa.a);
}

// Where the moves of every placing of the lone tens lead, placings merged: the
// placings found by moving lone tens between empty table piles, as a player would.
TChiavi SeguitiDiOgniDisposizione(const TStato& partenza) {
    TChiavi viste{partenza.Chiave()};
    std::vector<TStato> daVedere{partenza};
    TChiavi seguiti;
    std::vector<TMossa> mosse;
    while (!daVedere.empty()) {
        const TStato stato = daVedere.back();
        daVedere.pop_back();
        mosse.clear();
        stato.MosseLegali(mosse);
        for (const TMossa& mossa : mosse) {
            TStato dopo = stato;
            EseguiScoprendo(dopo, mossa);
            if (!DieciVersoVuoto(stato, mossa)) {
                seguiti.insert(dopo.ChiaveClasse());
            } else if (viste.insert(dopo.Chiave()).second) {
                daVedere.push_back(dopo);
            }
        }
    }
    return seguiti;
}

// Where the moves of the position that stands for all those placings lead.
// Each ten move that brings a placing, and then the move itself, must be a
// legal step of the table as it then lies, and the ten moves keep the key.
TChiavi SeguitiDellaClasse(const TStato& partenza) {
    const TDieciSoli dieci(partenza);
    std::vector<TMossa> mosse;
    dieci.Mosse(partenza, mosse);
    TChiavi seguiti;
    for (const TMossa& mossa : mosse) {
        TStato disposto = partenza;
        std::vector<TMossa> passi;
        const TMossa fatta = dieci.Disponi(disposto, mossa, passi);
        passi.push_back(fatta);
        TStato stato = partenza;
        for (const TMossa& passo : passi) {
            std::vector<TMossa> legali;
            stato.MosseLegali(legali);
            Pretendi(std::find(legali.begin(), legali.end(), passo) != legali.end(),
                     "each step to a placing, and the move, is legal");
            if (&passo != &passi.back()) {
                stato.Esegui(passo);
                Pretendi(stato.ChiaveClasse() == partenza.ChiaveClasse(),
                         "a placing keeps the key");
            }
        }
        Pretendi(stato.Chiave() == disposto.Chiave(), "the placing brought is the one told");
        EseguiScoprendo(stato, fatta);
        seguiti.insert(stato.ChiaveClasse());
    }
    return seguiti;
}

// Positions near the end of random games, small enough for the plain search to
// see the whole tree. Wherever `perduta` says lost, the plain search must find
// no win: counts the positions it proved lost, and names the first it won.
struct TConferme {
    int confermate = 0;
    QString smentita;
};

template <typename F> TConferme ConfermaPerdute(std::uint64_t semeCasuale, F perduta) {
    std::mt19937_64 caso(semeCasuale);
    TConferme conferme;
    for (int partita = 0; partita < PartiteFinali; ++partita) {
        const std::uint64_t seme = caso();
        for (int prova = 0; prova < ProveFinali; ++prova) {
            const TStato stato = GiocaACaso(seme, static_cast<int>(caso() % PassiCasuali), caso);
            if (!perduta(stato)) {
                continue;
            }
            TRicercaPiana piana(LimiteFinale);
            const TEsito esito = piana.Esplora(stato);
            if (esito == TEsito::Vinta && conferme.smentita.isEmpty()) {
                conferme.smentita = QStringLiteral("deal %1, try %2").arg(seme).arg(prova);
            }
            conferme.confermate += esito == TEsito::Impossibile;
        }
    }
    return conferme;
}

// The won games kept as data: each line a deal and its steps (TSequenza),
// the steps missing where the line cannot be read.
struct TVintaConservata {
    QByteArray riga;
    std::uint64_t seme = 0;
    std::optional<std::vector<TMossa>> mosse;
};

std::vector<TVintaConservata> VinteConservate() {
    QFile file(QStringLiteral(SOLVINTRA_DATI "/vinte.txt"));
    std::vector<TVintaConservata> vinte;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return vinte;
    }
    while (!file.atEnd()) {
        const QByteArray riga = file.readLine().trimmed();
        if (riga.isEmpty() || riga.startsWith('#')) {
            continue;
        }
        const QList<QByteArray> campi = riga.split(' ');
        TVintaConservata vinta{riga, campi[0].toULongLong(), std::nullopt};
        if (campi.size() == 2) {
            vinta.mosse = TSequenza::Leggi(campi[1].toStdString());
        }
        vinte.push_back(std::move(vinta));
    }
    return vinte;
}

QString Testo(const std::vector<TCoppia>& mosse) {
    QStringList parti;
    for (const auto& [carta, pozzo] : mosse) {
        parti << QStringLiteral("%1>%2").arg(carta).arg(pozzo);
    }
    return parti.join(' ');
}

} // namespace

class TestRisolutore : public QObject {
    Q_OBJECT

private slots:
    void partiteVinteRigiocate();
    void risposteControllate_data();
    void risposteControllate();
    void stesseMosseLegali();
    void annullaRipristina();
    void sequenzaIllegibile_data();
    void sequenzaIllegibile();
    void intervalloWilson_data();
    void intervalloWilson();
    void ingressoSbagliato_data();
    void ingressoSbagliato();
    void interruzioneScriveIlDeciso();
    void uscitaSuUnTubo();
    void avanzamentoInUnRegistro();
    void ciecoGiocaSoloIlVisibile_data();
    void ciecoGiocaSoloIlVisibile();
    void fermatoOLimitatoNonDecide_data();
    void fermatoOLimitatoNonDecide();
    void perdutaSoloSePersa();
    void fermiSoloSePersa();
    void fermiDecidono();
    void fermiMaiLungoUnaVincita();
    void nucleoPersoSoloSePerso_data();
    void nucleoPersoSoloSePerso();
    void nucleoDecide_data();
    void nucleoDecide();
    void stessaRispostaDellaPiana_data();
    void stessaRispostaDellaPiana();
    void chiaveEsatta();
    void chiaveCortaAllIndietro();
    void vistiTengonoLePerse_data();
    void vistiTengonoLePerse();
    void rilassatoNonRicordaAltrePartite();
    void dieciSoliComeOgniDisposizione();
};

// Whole won games, kept as data, replayed through the engine.
void TestRisolutore::partiteVinteRigiocate() {
    int rigiocate = 0;
    for (const TVintaConservata& vinta : VinteConservate()) {
        QVERIFY2(vinta.mosse.has_value(), vinta.riga.constData());
        try {
            Rigioca(vinta.seme, *vinta.mosse);
        } catch (const TViolazione& e) {
            QFAIL(qPrintable(QStringLiteral("deal %1: %2").arg(vinta.seme).arg(e.what())));
        }
        ++rigiocate;
    }
    QVERIFY(rigiocate >= VinteAttese);
}

// The solver's answers now: each win replays, each "unwinnable" is confirmed
// by the plain search; both searches agree on the wins it can reach.
void TestRisolutore::risposteControllate_data() {
    QTest::addColumn<quint64>("seme");
    QTest::addColumn<int>("esito");
    QTest::newRow("deal 0, won") << quint64(0) << int(TEsito::Vinta);
    QTest::newRow("deal 1, won") << quint64(1) << int(TEsito::Vinta);
    QTest::newRow("deal 119, won after restarts") << quint64(119) << int(TEsito::Vinta);
    // Won at once when the moves that uncover a card come first; with the
    // moves to a corner first, not within hundreds of millions of positions.
    QTest::newRow("deal 214848, won uncovering first") << quint64(214848) << int(TEsito::Vinta);
    QTest::newRow("deal 681009, won uncovering first") << quint64(681009) << int(TEsito::Vinta);
    QTest::newRow("deal 314522, won uncovering last") << quint64(314522) << int(TEsito::Vinta);
    QTest::newRow("deal 28, unwinnable") << quint64(28) << int(TEsito::Impossibile);
    QTest::newRow("deal 82, unwinnable") << quint64(82) << int(TEsito::Impossibile);
    QTest::newRow("deal 465, unwinnable") << quint64(465) << int(TEsito::Impossibile);
    QTest::newRow("deal 724, unwinnable") << quint64(724) << int(TEsito::Impossibile);
    QTest::newRow("deal 897, unwinnable") << quint64(897) << int(TEsito::Impossibile);
}

void TestRisolutore::risposteControllate() {
    QFETCH(quint64, seme);
    QFETCH(int, esito);
    const TStato stato = TStato::DaSeme(seme);
    TRisolutore risolutore;
    const TRisposta risposta = risolutore.Risolvi(stato);
    QCOMPARE(int(risposta.esito), esito);
    if (risposta.esito == TEsito::Vinta) {
        try {
            Rigioca(seme, risposta.mosse);
        } catch (const TViolazione& e) {
            QFAIL(e.what());
        }
        return;
    }
    TRicercaPiana piana(LimitePiano);
    QCOMPARE(piana.Esplora(stato), TEsito::Impossibile);
}

// On positions reached by random play, turns and moves back from the
// corners included, the solver and the engine allow exactly the same steps:
// both from the solver's table read afresh from the game and from one that
// has followed the game step by step.
void TestRisolutore::stesseMosseLegali() {
    std::mt19937_64 caso(SemeCasuale);
    TVistaMuta vista;
    int posizioni = 0;
    for (int partita = 0; partita < PartiteCasuali; ++partita) {
        TPartita gioco(vista, TCasuale::DaSeme(caso()));
        gioco.Distribuisci(true);
        TStato seguito = TStato::DaPartita(gioco);
        for (int passo = 0; passo < PassiCasuali; ++passo) {
            const auto motore = MosseMotore(gioco);
            ++posizioni;
            for (const auto& risolutore :
                 {MosseRisolutore(TStato::DaPartita(gioco)), MosseRisolutore(seguito)}) {
                if (motore != risolutore) {
                    QFAIL(qPrintable(QStringLiteral("game %1 step %2: engine %3, solver %4")
                                         .arg(partita)
                                         .arg(passo)
                                         .arg(Testo(motore), Testo(risolutore))));
                }
            }
            if (motore.empty()) {
                break;
            }
            const auto [carta, pozzo] = motore[caso() % motore.size()];
            const bool scopri = gioco.Carte[carta].Coperta;
            seguito.Esegui({static_cast<std::int8_t>(carta),
                            static_cast<std::int8_t>(seguito.PozzoDi(carta)),
                            static_cast<std::int8_t>(pozzo), scopri});
            if (scopri) {
                gioco.ScopriCarta(static_cast<std::int16_t>(carta));
            } else {
                gioco.MuoviCarta(static_cast<std::int16_t>(carta),
                                 static_cast<std::int16_t>(pozzo));
            }
        }
    }
    QVERIFY(posizioni > PartiteCasuali * PassiCasuali / 2);
}

// Any sequence of steps taken back in reverse gives back the very position.
void TestRisolutore::annullaRipristina() {
    std::mt19937_64 caso(SemeCasuale);
    for (int partita = 0; partita < PartiteCasuali; ++partita) {
        TStato stato = TStato::DaSeme(caso());
        const TStato partenza = stato;
        std::vector<TMossa> fatte;
        std::vector<TMossa> mosse;
        for (int passo = 0; passo < PassiCasuali; ++passo) {
            mosse.clear();
            stato.MosseLegali(mosse);
            if (mosse.empty()) {
                break;
            }
            fatte.push_back(mosse[caso() % mosse.size()]);
            stato.Esegui(fatte.back());
        }
        for (auto m = fatte.rbegin(); m != fatte.rend(); ++m) {
            stato.Annulla(*m);
        }
        QVERIFY(stato.Chiave() == partenza.Chiave());
        QCOMPARE(stato.AngoloCorrente(), 0);
    }
}

void TestRisolutore::sequenzaIllegibile_data() {
    QTest::addColumn<QString>("testo");
    QTest::newRow("odd length") << "00G";
    QTest::newRow("card 40") << "e0";
    QTest::newRow("pile 24") << "0O";
    QTest::newRow("space") << "0 ";
    QTest::newRow("turn as card") << "*0";
}

void TestRisolutore::sequenzaIllegibile() {
    QFETCH(QString, testo);
    QVERIFY(!TSequenza::Leggi(testo.toStdString()).has_value());
}

void TestRisolutore::intervalloWilson_data() {
    QTest::addColumn<quint64>("successi");
    QTest::addColumn<quint64>("prove");
    QTest::addColumn<double>("basso");
    QTest::addColumn<double>("alto");
    QTest::newRow("none of 10") << quint64(0) << quint64(10) << 0.0 << 0.2775;
    QTest::newRow("half of 10") << quint64(5) << quint64(10) << 0.2366 << 0.7634;
    QTest::newRow("all of 100") << quint64(100) << quint64(100) << 0.9630 << 1.0;
    QTest::newRow("no trials") << quint64(0) << quint64(0) << 0.0 << 1.0;
}

void TestRisolutore::intervalloWilson() {
    QFETCH(quint64, successi);
    QFETCH(quint64, prove);
    QFETCH(double, basso);
    QFETCH(double, alto);
    const TIntervallo intervallo = IntervalloWilson(successi, prove);
    QVERIFY2(std::abs(intervallo.basso - basso) < 1e-4,
             qPrintable(QString::number(intervallo.basso)));
    QVERIFY2(std::abs(intervallo.alto - alto) < 1e-4, qPrintable(QString::number(intervallo.alto)));
}

void TestRisolutore::ingressoSbagliato_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::newRow("unknown option") << QStringList{"--veloce", "1"};
    QTest::newRow("no deal") << QStringList{};
    QTest::newRow("two deals") << QStringList{"1", "2"};
    QTest::newRow("not a number") << QStringList{"dodici"};
    QTest::newRow("range backwards") << QStringList{"9-3"};
    QTest::newRow("range half written") << QStringList{"3-"};
    QTest::newRow("negative") << QStringList{"-5"};
    QTest::newRow("no threads") << QStringList{"-j", "0", "1-2"};
    QTest::newRow("option without value") << QStringList{"1-2", "-o"};
    QTest::newRow("flag given a value") << QStringList{"--cieco=8", "1-2"};
    QTest::newRow("unwritable output") << QStringList{"1-2", "-o", "nessuna/cartella/x.csv"};
}

void TestRisolutore::ingressoSbagliato() {
    QFETCH(QStringList, argomenti);
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    QProcess processo;
    processo.setWorkingDirectory(cartella.path());
    processo.start(QStringLiteral(SOLVINTRA_RISOLVI), argomenti);
    QVERIFY(processo.waitForFinished(AttesaProcesso));
    QCOMPARE(processo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(processo.exitCode(), 2);
    const QByteArray errore = processo.readAllStandardError();
    QVERIFY2(errore.startsWith("solvintra-risolvi: ") && errore.count('\n') == 1,
             errore.constData());
    QVERIFY(processo.readAllStandardOutput().isEmpty());
    QCOMPARE(QDir(cartella.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{});
}

// Ctrl+C in the middle of a long range: the file holds what was decided, whole.
void TestRisolutore::interruzioneScriveIlDeciso() {
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString uscita = cartella.filePath(QStringLiteral("studio.csv"));
    QProcess processo;
    processo.start(QStringLiteral(SOLVINTRA_RISOLVI),
                   {QStringLiteral("0-100000000"), QStringLiteral("-j"), QStringLiteral("1"),
                    QStringLiteral("-o"), uscita});
    QVERIFY(processo.waitForStarted(AttesaProcesso));
    QByteArray avanzamento;
    // Wait for the progress, a line at once in a log, to count a deal decided.
    QTRY_VERIFY_WITH_TIMEOUT(
        (avanzamento += processo.readAllStandardError(), avanzamento.contains("partite/s")),
        AttesaProcesso);
    QVERIFY(!avanzamento.contains(" 0/") && !avanzamento.contains('\r'));
    ::kill(static_cast<pid_t>(processo.processId()), SIGINT);
    QVERIFY(processo.waitForFinished(AttesaProcesso));
    QCOMPARE(processo.exitCode(), 130);
    QVERIFY(processo.readAllStandardOutput().startsWith("# decise "));
    QFile file(uscita);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> righe = file.readAll().trimmed().split('\n');
    QVERIFY(righe.size() >= 2);
    QCOMPARE(righe.first(),
             QByteArray("partita,esito,posizioni,tentativi,passi,secondi,processore"));
    QVERIFY(righe.at(1).startsWith("0,vinta,"));
    QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{"studio.csv"});
}

// Standard error written to a file gets plain lines, no bar drawn in place,
// the last with every deal decided.
void TestRisolutore::avanzamentoInUnRegistro() {
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString registro = cartella.filePath(QStringLiteral("registro"));
    QProcess processo;
    processo.setStandardErrorFile(registro);
    processo.start(QStringLiteral(SOLVINTRA_RISOLVI),
                   {QStringLiteral("0-3"), QStringLiteral("-j"), QStringLiteral("2")});
    QVERIFY(processo.waitForFinished(AttesaProcesso));
    QCOMPARE(processo.exitCode(), 0);
    QFile file(registro);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray testo = file.readAll();
    QVERIFY2(!testo.contains('\r') && testo.endsWith('\n'), testo.constData());
    QVERIFY2(testo.trimmed().split('\n').last().startsWith("100.0 %  4/4  "), testo.constData());
}

// An output that is a pipe or a device, /dev/null say, is written into, not
// replaced by a file of the same name.
void TestRisolutore::uscitaSuUnTubo() {
    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QByteArray tubo = cartella.filePath(QStringLiteral("tubo")).toLocal8Bit();
    QCOMPARE(::mkfifo(tubo.constData(), 0600), 0);
    // Opened to read before the tool opens it to write, so neither waits.
    const int lettura = ::open(tubo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(lettura >= 0);
    QProcess processo;
    processo.start(QStringLiteral(SOLVINTRA_RISOLVI),
                   {QStringLiteral("0-1"), QStringLiteral("-o"), QString::fromLocal8Bit(tubo)});
    QVERIFY(processo.waitForFinished(AttesaProcesso));
    QCOMPARE(processo.exitCode(), 0);
    std::array<char, 4096> letti{};
    const ssize_t quanti = ::read(lettura, letti.data(), letti.size());
    ::close(lettura);
    QVERIFY(quanti > 0);
    QVERIFY(QByteArray(letti.data(), quanti).startsWith("partita,esito,"));
    struct stat tipo {};
    QCOMPARE(::stat(tubo.constData(), &tipo), 0);
    QVERIFY(S_ISFIFO(tipo.st_mode));
}

// The blind player's games are real games, won only where the solver wins
// too, and its play does not hang on where the face-down cards lie: with them
// dealt otherwise among the same places, it makes the same moves until it
// turns one up.
void TestRisolutore::ciecoGiocaSoloIlVisibile_data() {
    QTest::addColumn<quint64>("seme");
    QTest::addColumn<bool>("vinta");
    QTest::newRow("deal 5, won") << quint64(5) << true;
    QTest::newRow("deal 9, won") << quint64(9) << true;
    QTest::newRow("deal 18, lost") << quint64(18) << false;
    QTest::newRow("deal 28, lost, the solver proves it unwinnable") << quint64(28) << false;
}

void TestRisolutore::ciecoGiocaSoloIlVisibile() {
    QFETCH(quint64, seme);
    QFETCH(bool, vinta);
    // Without more guesses in doubt: cheaper, and as blind.
    TMetodo metodo;
    metodo.ipotesiDubbio = 0;
    const TStato stato = TStato::DaSeme(seme);
    const TRisposta partita = TCieco(metodo).Gioca(stato);
    QCOMPARE(partita.esito, vinta ? TEsito::Vinta : TEsito::Impossibile);
    try {
        Rigioca(seme, partita.mosse, vinta);
    } catch (const TViolazione& e) {
        QFAIL(e.what());
    }
    QVERIFY(!vinta || TRisolutore().Risolvi(stato).esito == TEsito::Vinta);

    TStato altra = stato;
    std::mt19937_64 caso(seme);
    altra.RimescolaCoperte(caso);
    QVERIFY(!(altra.Chiave() == stato.Chiave()));
    const TRisposta altrove = TCieco(metodo).Gioca(altra);
    const auto prima = [](const std::vector<TMossa>& mosse) {
        return std::find_if(mosse.begin(), mosse.end(), [](const TMossa& m) { return m.scopri; });
    };
    const auto svolta = prima(partita.mosse);
    QVERIFY(svolta != partita.mosse.end());
    QVERIFY(std::equal(partita.mosse.begin(), svolta, altrove.mosse.begin(), prima(altrove.mosse)));
    QCOMPARE(prima(altrove.mosse)->a, svolta->a);
}

// A search stopped, or given too few positions to decide anything, proves
// nothing: neither the solver nor the blind player may call the deal lost.
void TestRisolutore::fermatoOLimitatoNonDecide_data() {
    QTest::addColumn<bool>("cieco");
    QTest::addColumn<bool>("fermo");
    QTest::addColumn<quint64>("posizioni");
    QTest::addColumn<quint64>("seme");
    QTest::newRow("solver stopped, unwinnable deal")
        << false << true << quint64(16'000'000) << quint64(28);
    QTest::newRow("solver given 1 position, unwinnable deal")
        << false << false << quint64(1) << quint64(28);
    QTest::newRow("solver given 1 position, won deal")
        << false << false << quint64(1) << quint64(0);
    QTest::newRow("blind stopped, lost deal")
        << true << true << quint64(TMetodo{}.posizioni) << quint64(18);
    QTest::newRow("blind given 1 position a guess, won deal")
        << true << false << quint64(1) << quint64(5);
}

void TestRisolutore::fermatoOLimitatoNonDecide() {
    QFETCH(bool, cieco);
    QFETCH(bool, fermo);
    QFETCH(quint64, posizioni);
    QFETCH(quint64, seme);
    const std::atomic<bool> bandiera{fermo};
    TLimiti limiti;
    limiti.posizioni = posizioni;
    limiti.primoTentativo = std::min<std::uint64_t>(posizioni, limiti.primoTentativo);
    limiti.fermo = &bandiera;
    // Without more guesses in doubt: of 64, a few are proved lost within one
    // position, and the player gives up on what it then knows.
    TMetodo metodo;
    metodo.ipotesiDubbio = 0;
    metodo.posizioni = posizioni;
    const TStato stato = TStato::DaSeme(seme);
    const TRisposta risposta =
        cieco ? TCieco(metodo, &bandiera).Gioca(stato) : TRisolutore(limiti).Risolvi(stato);
    QCOMPARE(risposta.esito, TEsito::Ignota);
}

// Wherever the dead-position test says lost, the plain search, which knows
// nothing of it, finds no win; checked on positions near the end of random
// games, where the plain search can see the whole tree.
void TestRisolutore::perdutaSoloSePersa() {
    // Its answers hold for every deal, so one test of the relaxed game serves all.
    TRilassato rilassato;
    const TConferme conferme =
        ConfermaPerdute(SemeCasuale, [&](const TStato& stato) { return rilassato.Perduta(stato); });
    QVERIFY2(conferme.smentita.isEmpty(), qPrintable(conferme.smentita));
    QVERIFY2(conferme.confermate >= ConfermeMinime,
             qPrintable(QString::number(conferme.confermate)));
}

// Wherever some card can never leave its pile, the plain search finds no win;
// on positions near the end of random games, as above. Some of them the
// relaxed game, which has no paths, does not see lost.
void TestRisolutore::fermiSoloSePersa() {
    TFermi fermi;
    TRilassato rilassato;
    int soloConStrade = 0;
    const TConferme conferme = ConfermaPerdute(SemeCasuale + 8, [&](const TStato& stato) {
        const bool perduta = fermi.Perduta(stato);
        soloConStrade += perduta && !rilassato.Perduta(stato);
        return perduta;
    });
    QVERIFY2(conferme.smentita.isEmpty(), qPrintable(conferme.smentita));
    QVERIFY2(conferme.confermate >= ConfermeMinime,
             qPrintable(QString::number(conferme.confermate)));
    QVERIFY2(soloConStrade >= ConfermeConStrade, qPrintable(QString::number(soloConStrade)));
}

// Every position along a won game can still be won: the test must never call
// one lost. The wins kept as data cross the table by every kind of path.
void TestRisolutore::fermiMaiLungoUnaVincita() {
    TFermi fermi;
    int posizioni = 0;
    for (const TVintaConservata& vinta : VinteConservate()) {
        QVERIFY2(vinta.mosse.has_value(), vinta.riga.constData());
        TStato stato = TStato::DaSeme(vinta.seme);
        for (TMossa mossa : *vinta.mosse) {
            // The steps name the card and where it goes; the table knows whence.
            (mossa.scopri ? mossa.a : mossa.da) =
                static_cast<std::int8_t>(stato.PozzoDi(mossa.carta));
            stato.Esegui(mossa);
            ++posizioni;
            if (fermi.Perduta(stato)) {
                QFAIL(
                    qPrintable(QStringLiteral("deal %1, step %2").arg(vinta.seme).arg(posizioni)));
            }
        }
    }
    QVERIFY(posizioni >= VinteAttese * 50);
}

// Deal 22,995: its 8 of bastoni lies at the table's left edge, on the 8 of
// denari, among piles of denari that can never let it pass; the 7 of denari,
// which needs that 8, lies on the 2. The test proves it lost at the start of
// its first attempt of the fourth size; without it, searches of 100 million positions did not.
void TestRisolutore::fermiDecidono() {
    const TStato stato = TStato::DaSeme(22995);
    TLimiti limiti;
    limiti.posizioni = 20 * limiti.primoTentativo; // the first three sizes, and a little more
    limiti.nucleo = 0;
    QCOMPARE(TRisolutore(limiti).Risolvi(stato).esito, TEsito::Impossibile);
    limiti.fermi = false;
    QCOMPARE(TRisolutore(limiti).Risolvi(stato).esito, TEsito::Ignota);
}

// Wherever the game seen through a core of suits is lost, the plain search
// finds no win; on positions near the end of random games, as above.
void TestRisolutore::nucleoPersoSoloSePerso_data() {
    QTest::addColumn<unsigned>("semi");
    QTest::addColumn<quint64>("limite");
    QTest::addColumn<int>("confermeMinime");
    QTest::newRow("one suit") << 1u << quint64(LimiteFinale) << 60;
    QTest::newRow("two suits") << 6u << quint64(4'000) << 70;
    QTest::newRow("three suits") << 11u << quint64(2'000) << 75;
}

void TestRisolutore::nucleoPersoSoloSePerso() {
    QFETCH(unsigned, semi);
    QFETCH(quint64, limite);
    QFETCH(int, confermeMinime);
    TNucleo nucleo;
    const TConferme conferme = ConfermaPerdute(SemeCasuale + 7, [&](const TStato& stato) {
        return nucleo.Decidi(stato, semi, limite) == TEsito::Impossibile;
    });
    QVERIFY2(conferme.smentita.isEmpty(), qPrintable(conferme.smentita));
    QVERIFY2(conferme.confermate >= confermeMinime,
             qPrintable(QString::number(conferme.confermate)));
}

// Whole deals: unwinnable ones whose core of one suit is lost alone, and a won
// one whose cores are all won. The solver given almost no positions of its
// own proves the first ones through their cores, and only through them.
void TestRisolutore::nucleoDecide_data() {
    QTest::addColumn<quint64>("seme");
    QTest::addColumn<unsigned>("semi");
    QTest::addColumn<TEsito>("atteso");
    QTest::addColumn<TEsito>("risolutore");
    QTest::newRow("deal 76, coppe")
        << quint64(76) << 1u << TEsito::Impossibile << TEsito::Impossibile;
    QTest::newRow("deal 70, bastoni")
        << quint64(70) << 8u << TEsito::Impossibile << TEsito::Impossibile;
    QTest::newRow("deal 0, denari and spade")
        << quint64(0) << 6u << TEsito::Vinta << TEsito::Ignota;
    QTest::newRow("four suits are no core")
        << quint64(76) << 15u << TEsito::Ignota << TEsito::Impossibile;
}

void TestRisolutore::nucleoDecide() {
    QFETCH(quint64, seme);
    QFETCH(unsigned, semi);
    QFETCH(TEsito, atteso);
    QFETCH(TEsito, risolutore);
    const TStato stato = TStato::DaSeme(seme);
    QCOMPARE(TNucleo().Decidi(stato, semi, LimiteFinale), atteso);
    TLimiti limiti;
    limiti.posizioni = limiti.primoTentativo = 1;
    limiti.nucleo = 0;
    QCOMPARE(TRisolutore(limiti).Risolvi(stato).esito, TEsito::Ignota);
    limiti.nucleo = LimiteFinale;
    QCOMPARE(TRisolutore(limiti).Risolvi(stato).esito, risolutore);
    // With positions to spare, the cores come before the last attempt, which
    // a lost one spares.
    limiti.posizioni = TLimiti{}.posizioni;
    limiti.ultimoRaddoppio = 1;
    const TRisposta risposta = TRisolutore(limiti).Risolvi(stato);
    QCOMPARE(risposta.tentativi, risolutore == TEsito::Impossibile ? 1 : 2);
}

// The solver, restarted after every handful of positions so that each attempt
// leans on what the ones before it proved lost, gives the plain search's
// answer on every position near the end of a game that the plain search decides.
void TestRisolutore::stessaRispostaDellaPiana_data() {
    QTest::addColumn<quint64>("ultimoRaddoppio");
    QTest::addColumn<quint64>("posizioni");
    QTest::addColumn<bool>("classi");
    const TLimiti predefiniti;
    QTest::newRow("attempts doubling")
        << quint64(predefiniti.ultimoRaddoppio) << quint64(predefiniti.posizioni) << true;
    QTest::newRow("three short attempts, then the last in the first order")
        << quint64(4) << quint64(4 * LimiteFinale) << true;
    QTest::newRow("each placing of the lone tens a position, as the blind player searches")
        << quint64(predefiniti.ultimoRaddoppio) << quint64(predefiniti.posizioni) << false;
}

void TestRisolutore::stessaRispostaDellaPiana() {
    QFETCH(quint64, ultimoRaddoppio);
    QFETCH(quint64, posizioni);
    QFETCH(bool, classi);
    std::mt19937_64 caso(SemeCasuale + 1);
    TLimiti limiti;
    limiti.primoTentativo = 1;
    limiti.ultimoRaddoppio = ultimoRaddoppio;
    limiti.posizioni = posizioni;
    limiti.classi = classi;
    TRisolutore risolutore(limiti);
    int decise = 0;
    for (int partita = 0; partita < PartiteFinali; ++partita) {
        const std::uint64_t seme = caso();
        for (int prova = 0; prova < ProveFinali; ++prova) {
            const TStato stato = GiocaACaso(seme, static_cast<int>(caso() % PassiCasuali), caso);
            TRicercaPiana piana(LimiteFinale);
            const TEsito attesa = piana.Esplora(stato);
            if (attesa == TEsito::Ignota) {
                continue;
            }
            const TRisposta risposta = risolutore.Risolvi(stato);
            const bool vinta = attesa == TEsito::Vinta;
            QVERIFY2(risposta.esito == (vinta ? TEsito::Vinta : TEsito::Impossibile),
                     qPrintable(QStringLiteral("deal %1, try %2").arg(seme).arg(prova)));
            ++decise;
        }
    }
    QVERIFY2(decise >= DeciseMinime, qPrintable(QString::number(decise)));
}

// The short key is kept as moves are made: taking them back, each position
// must get again the key it had going forward, as the search's undo needs.
void TestRisolutore::chiaveCortaAllIndietro() {
    std::mt19937_64 caso(SemeCasuale + 6);
    std::vector<TMossa> mosse;
    for (int partita = 0; partita < PartiteFinali; ++partita) {
        TStato stato = TStato::DaSeme(caso());
        std::vector<std::pair<TMossa, TStato::TChiaveCorta>> fatte;
        for (int passo = 0; passo < PassiCasuali; ++passo) {
            mosse.clear();
            stato.MosseLegali(mosse);
            if (mosse.empty()) {
                break;
            }
            fatte.emplace_back(mosse[caso() % mosse.size()], stato.ChiaveCorta(false));
            stato.Esegui(fatte.back().first);
        }
        for (auto fatta = fatte.rbegin(); fatta != fatte.rend(); ++fatta) {
            stato.Annulla(fatta->first);
            QVERIFY(stato.ChiaveCorta(false) == fatta->second);
        }
    }
}

// Two positions of one deal share a key exactly when every pile is the same,
// over the positions of random games; the top bits of the key stay free. Once
// the lone face-down cards are turned, the short key of the table of positions
// tells two positions apart exactly when the key of their placings does.
void TestRisolutore::chiaveEsatta() {
    std::mt19937_64 caso(SemeCasuale + 2);
    const auto pozzi = [](const TStato& stato) {
        std::vector<int> tutto;
        for (int p = 0; p < TStato::Pozzi; ++p) {
            tutto.insert(tutto.end(), {stato.Coperta(p), stato.Base(p), stato.Cima(p)});
        }
        return tutto;
    };
    const std::uint64_t liberi = ~std::uint64_t{0} << (64 - TStato::BitLiberiChiave);
    for (int partita = 0; partita < PartiteFinali; ++partita) {
        const std::uint64_t seme = caso();
        std::vector<TStato> viste;
        std::vector<TStato> scoperte;
        for (int prova = 0; prova < ProveFinali * 4; ++prova) {
            viste.push_back(GiocaACaso(seme, static_cast<int>(caso() % PassiCasuali), caso));
            scoperte.push_back(GiocaEScopri(seme, static_cast<int>(caso() % PassiCasuali), caso));
            QCOMPARE(viste.back().Chiave().parole.back() & liberi, std::uint64_t{0});
            QCOMPARE(scoperte.back().ChiaveCorta().parole.back() & liberi, std::uint64_t{0});
        }
        for (const TStato& a : viste) {
            for (const TStato& b : viste) {
                QCOMPARE(a.Chiave() == b.Chiave(), pozzi(a) == pozzi(b));
            }
        }
        for (const TStato& a : scoperte) {
            for (const TStato& b : scoperte) {
                QCOMPARE(a.ChiaveCorta() == b.ChiaveCorta(), a.ChiaveClasse() == b.ChiaveClasse());
            }
        }
    }
}

void TestRisolutore::vistiTengonoLePerse_data() {
    QTest::addColumn<quint64>("spazio"); // room made beyond the positions put in
    QTest::newRow("small table") << quint64(0);
    QTest::newRow("table in large pages, given back at a new deal") << quint64(200'000);
}

// A new attempt finds again every position proved lost, and none of the
// others, whatever numbers they held; a new deal finds none.
void TestRisolutore::vistiTengonoLePerse() {
    QFETCH(quint64, spazio);
    std::mt19937_64 caso(SemeCasuale + 3);
    TVisti visti;
    visti.Prepara(PartiteFinali * ProveFinali + spazio);
    std::vector<std::pair<TStato::TChiaveCorta, bool>> messe;
    for (int partita = 0; partita < PartiteFinali; ++partita) {
        const std::uint64_t seme = caso();
        for (int prova = 0; prova < ProveFinali; ++prova) {
            const TStato stato = GiocaEScopri(seme, static_cast<int>(caso() % PassiCasuali), caso);
            const auto [posto, nuova] = visti.Inserisci(stato.ChiaveCorta());
            if (!nuova) {
                continue;
            }
            const bool persa = caso() % 2 == 0;
            const auto numero = static_cast<std::uint32_t>(caso() % TVisti::Persa);
            visti.Segna(posto, persa ? TVisti::Persa : numero);
            QCOMPARE(visti.Valore(posto), persa ? TVisti::Persa : numero);
            messe.emplace_back(stato.ChiaveCorta(), persa);
        }
    }
    // The room of the last attempt leaves theirs to the lost ones, so that
    // making it does not forget them.
    const auto perse = static_cast<std::size_t>(
        std::count_if(messe.begin(), messe.end(), [](const auto& voce) { return voce.second; }));
    QVERIFY(visti.Spazio() + perse <= TVisti::Capienza());
    visti.Prepara(messe.size() + spazio);
    for (const auto& [chiave, persa] : messe) {
        const auto [posto, nuova] = visti.Inserisci(chiave);
        QCOMPARE(nuova, !persa);
        QVERIFY(nuova || visti.Valore(posto) == TVisti::Persa);
    }
    visti.Svuota();
    QCOMPARE(visti.Spazio(), TVisti::Capienza());
    visti.Prepara(messe.size());
    for (const auto& voce : messe) {
        QVERIFY(visti.Inserisci(voce.first).second);
    }
}

// The dead-position test gives the same answers in a deal whatever deals it
// met before: what it noted for them never answers for another.
void TestRisolutore::rilassatoNonRicordaAltrePartite() {
    std::mt19937_64 caso(SemeCasuale + 4);
    TRilassato usato;
    int perdute = 0;
    for (int partita = 0; partita < PartiteFinali; ++partita) {
        usato.Svuota();
        TRilassato nuovo;
        const std::uint64_t seme = caso();
        for (int prova = 0; prova < ProveFinali; ++prova) {
            const TStato stato = GiocaACaso(seme, static_cast<int>(caso() % PassiCasuali), caso);
            const bool perduta = nuovo.Perduta(stato);
            QCOMPARE(usato.Perduta(stato), perduta);
            perdute += perduta;
        }
    }
    QVERIFY(perdute > 0);
}

// A position with an empty table pile stands for every placing of its lone
// tens: its moves must lead exactly where those of all the placings lead.
void TestRisolutore::dieciSoliComeOgniDisposizione() {
    std::mt19937_64 caso(SemeCasuale + 5);
    int provate = 0;
    for (int partita = 0; partita < PartiteFinali; ++partita) {
        const std::uint64_t seme = caso();
        for (int prova = 0; prova < ProveFinali * 4; ++prova) {
            const TStato stato = GiocaACaso(seme, static_cast<int>(caso() % PassiCasuali), caso);
            if (!TDieciSoli(stato).Liberi() || stato.DieciSoli() == 0) {
                continue;
            }
            const TChiavi attesi = SeguitiDiOgniDisposizione(stato);
            try {
                QCOMPARE(SeguitiDellaClasse(stato), attesi);
            } catch (const TViolazione& violazione) {
                QFAIL(qPrintable(QStringLiteral("deal %1: %2").arg(seme).arg(violazione.what())));
            }
            ++provate;
        }
    }
    QVERIFY2(provate >= ConfermeMinime, qPrintable(QString::number(provate)));
}

QTEST_GUILESS_MAIN(TestRisolutore)
#include "tst_risolutore.moc"
