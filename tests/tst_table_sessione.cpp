#include "tst_table_tavola.h"

#include "tmessaggi.h"
#include "tstatistiche.h"

#include <QAction>
#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QTest>

#include <tuple>

// The edges of a run: Qt's own texts in the system's language from start-up,
// and the end of the desktop session with a game on the table.
class TestTableSessione : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void fineSessione_data();
    void fineSessione();
    void fineSessioneConVinto_data();
    void fineSessioneConVinto();
    void lingua_data();
    void lingua();
};

namespace {

// Two aces on the table: each goes to the next corner, one move at a time.
const QString DueAssi = QStringLiteral("5: x2a 1a | 6: x3a 1b");

// The question box of a fresh start in the given language, as its helper prints it.
QString DomandaIn(const QString& lingua) {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    // These would override LANG for Qt's choice of language.
    for (const char* variabile : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
        ambiente.remove(QString::fromLatin1(variabile));
    }
    ambiente.insert(QStringLiteral("LANG"), lingua);
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(TABLE_DOMANDA), {});
    if (!processo.waitForFinished(60000) || processo.exitStatus() != QProcess::NormalExit ||
        processo.exitCode() != 0) {
        processo.kill();
        processo.waitForFinished();
        return QStringLiteral("failed: ") + QString::fromUtf8(processo.readAllStandardError());
    }
    return QString::fromUtf8(processo.readAllStandardOutput()).trimmed();
}

} // namespace

void TestTableSessione::cleanup() {
    TMessaggi::ImpostaRisponditore({});
}

void TestTableSessione::fineSessione_data() {
    QTest::addColumn<bool>("inCorso");  // a move made before the session ends
    QTest::addColumn<bool>("risposta"); // to the question at the session's end
    QTest::addColumn<QString>("poi");   // after the logout is cancelled
    QTest::addColumn<bool>("fine");     // may the session end?
    QTest::addColumn<int>("domande");   // asked in all, each answered Yes after the first
    QTest::addColumn<int>("perse");     // lost games counted in all

    QTest::newRow("in progress, Yes, then a close") << true << true << "close" << true << 1 << 1;
    QTest::newRow("in progress, Yes, then a new game")
        << true << true << "mnuCarte" << true << 1 << 1;
    QTest::newRow("in progress, Yes, then a restart")
        << true << true << "mnuRicomincia" << true << 1 << 1;
    QTest::newRow("in progress, Yes, then a move and a close")
        << true << true << "move" << true << 2 << 2;
    QTest::newRow("in progress, No, then a close") << true << false << "close" << false << 2 << 1;
    QTest::newRow("nothing in progress, then a close")
        << false << true << "close" << true << 0 << 0;
    QTest::newRow("nothing in progress, then a new game")
        << false << true << "mnuCarte" << true << 0 << 0;
    QTest::newRow("nothing in progress, then a move and a close")
        << false << true << "move" << true << 1 << 1;
}

// A logout cancelled after the question leaves the table as it was; a game
// given up there counts once and asks no more until the next move.
void TestTableSessione::fineSessione() {
    QFETCH(bool, inCorso);
    QFETCH(bool, risposta);
    QFETCH(QString, poi);
    QFETCH(bool, fine);
    QFETCH(int, domande);
    QFETCH(int, perse);
    auto mf = TTavolaProva::Mostra();
    TTavolaProva::Disponi(*mf, DueAssi);
    if (inCorso) {
        QVERIFY(mf->Partita().MuoviCarta(0, 0));
    }
    int chieste = 0;
    TMessaggi::ImpostaRisponditore([&](const QString& testo) {
        ++chieste;
        return testo == QStringLiteral("Abbandonare la partita?") && (chieste > 1 || risposta);
    });
    const std::int16_t primaPerse = TStatistiche::LeggiStatistica(TStatistiche::Perse);
    const std::int16_t primaVinte = TStatistiche::LeggiStatistica(TStatistiche::Vinte);
    const QString tavolo = TTavolaProva::Descrivi(*mf);

    QCOMPARE(mf->ConfermaFineSessione(), fine);
    QCOMPARE(chieste, inCorso ? 1 : 0);
    QCOMPARE(TTavolaProva::Descrivi(*mf), tavolo);
    QCOMPARE(mf->Partita().PartitaIniziata, !fine);
    QCOMPARE(mf->findChild<QAction*>(QStringLiteral("mnuAnnulla"))->isEnabled(), !fine);

    if (poi == QStringLiteral("move")) {
        QVERIFY(mf->Partita().MuoviCarta(10, TPartita::Angoli[mf->Partita().AngoloCorrente]));
    }
    if (poi == QStringLiteral("close") || poi == QStringLiteral("move")) {
        QVERIFY(mf->close());
    } else {
        mf->findChild<QAction*>(poi)->trigger();
        QVERIFY(!mf->Partita().PartitaIniziata);
    }
    QCOMPARE(chieste, domande);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), primaPerse + perse);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), primaVinte);
}

void TestTableSessione::fineSessioneConVinto_data() {
    QTest::addColumn<int>("fini"); // session ends asked while the Vinto window is open
    QTest::newRow("no session end") << 0;
    QTest::newRow("a session end") << 1;
    QTest::newRow("a logout cancelled, then another") << 2;
}

// The session ends while the won game's window is open: the game is over, so
// nothing is asked and it counts once, as won, whether the session goes on or not.
void TestTableSessione::fineSessioneConVinto() {
    QFETCH(int, fini);
    auto mf = TTavolaProva::Mostra();
    QStringList pile;
    for (const auto& [angolo, seme, ultimo] :
         {std::tuple{0, 'a', 10}, {7, 'b', 10}, {16, 'c', 10}, {23, 'd', 9}}) {
        QStringList carte;
        for (int valore = 1; valore <= ultimo; ++valore) {
            carte << QStringLiteral("%1%2").arg(valore).arg(QLatin1Char(seme));
        }
        pile << QStringLiteral("%1: %2").arg(angolo).arg(carte.join(u' '));
    }
    TTavolaProva::Disponi(*mf, pile.join(QStringLiteral(" | ")) + QStringLiteral(" | 5: 10d"));
    int chieste = 0;
    TMessaggi::ImpostaRisponditore([&](const QString&) {
        ++chieste;
        return true;
    });
    const std::int16_t primaPerse = TStatistiche::LeggiStatistica(TStatistiche::Perse);
    const std::int16_t primaVinte = TStatistiche::LeggiStatistica(TStatistiche::Vinte);
    QList<bool> risposte;
    bool aperta = false;
    TTavolaProva::ChiudiModale([&](QWidget*) {
        aperta = true;
        for (int fine = 0; fine < fini; ++fine) {
            risposte << mf->ConfermaFineSessione();
        }
    });
    TTavolaProva::DoppioClic(*mf, 39);
    QVERIFY(mf->Partita().Vinta());
    QVERIFY(aperta);
    QCOMPARE(risposte, QList<bool>(fini, true));
    QCOMPARE(chieste, 0);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), primaVinte + 1);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), primaPerse);
    QVERIFY(!mf->Partita().PartitaIniziata);
    // After it nothing is in progress: a close asks nothing and counts nothing.
    QVERIFY(mf->close());
    QCOMPARE(chieste, 0);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), primaVinte + 1);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), primaPerse);
}

void TestTableSessione::lingua_data() {
    QTest::addColumn<QString>("lingua");
    QTest::addColumn<QString>("si");
    QTest::addColumn<QString>("no");
    QTest::newRow("Italian") << "it_IT.UTF-8"
                             << "&Sì"
                             << "&No";
    QTest::newRow("Italian, no country") << "it"
                                         << "&Sì"
                                         << "&No";
    QTest::newRow("C") << "C"
                       << "&Yes"
                       << "&No";
    QTest::newRow("English") << "en_GB.UTF-8"
                             << "&Yes"
                             << "&No";
    QTest::newRow("German") << "de_DE.UTF-8"
                            << "&Ja"
                            << "&Nein";
    QTest::newRow("Greek, which Qt does not translate") << "el_GR.UTF-8"
                                                        << "&Yes"
                                                        << "&No";
}

// Qt reads the language from LANG whether or not the C library has that
// locale built, so the rows hold on any machine with Qt's translations.
void TestTableSessione::lingua() {
    QFETCH(QString, lingua);
    QFETCH(QString, si);
    QFETCH(QString, no);
    const QDir traduzioni(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QVERIFY2(traduzioni.exists(QStringLiteral("qtbase_it.qm")),
             "Qt's translations are missing: tools/install-deps.sh installs them");
    // The game's own words stay as they are, whatever the language.
    QCOMPARE(DomandaIn(lingua),
             QStringList({"Solvintra", "Abbandonare la partita?", si, no}).join(u'|'));
}

QTEST_MAIN(TestTableSessione)
#include "tst_table_sessione.moc"
