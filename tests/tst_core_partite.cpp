#include "coordinate.h"
#include "core_suite.h"
#include "posizione.h"
#include "tlettorebyte.h"
#include "tpartitaguidata.h"

#include <QTest>

#include <exception>
#include <random>
#include <vector>

namespace {

// Tune these to trade run time for coverage; a game reads a few bytes per action.
constexpr int NumeroPartite = 10000;
constexpr std::size_t BytePerPartita = 1500;
constexpr std::uint64_t Seme = 20261207;

} // namespace

// Thousands of random games, played by the fuzzer's own player from a seeded
// generator and checked after every single action.
class TestPartiteCasuali : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { MargineAlto = MargineIniziale; }
    void partiteCasuali();
};

void TestPartiteCasuali::partiteCasuali() {
    std::mt19937_64 caso(Seme);
    std::vector<std::uint8_t> byte(BytePerPartita);
    int mosse = 0;
    int annullate = 0;
    int vittorie = 0;
    for (int numero = 0; numero < NumeroPartite; ++numero) {
        for (std::uint8_t& b : byte) {
            b = static_cast<std::uint8_t>(caso());
        }
        TLettoreByte lettore(byte.data(), byte.size());
        TPartitaGuidata giocatore(lettore);
        try {
            giocatore.Gioca();
        } catch (const std::exception& errore) {
            QFAIL(qPrintable(
                QStringLiteral("game %1: %2\n%3")
                    .arg(numero)
                    .arg(errore.what(), QString::fromStdString(Descrivi(giocatore.Partita())))));
        }
        mosse += giocatore.mosse;
        annullate += giocatore.annullate;
        vittorie += giocatore.Vittorie();
    }
    qInfo("%d games: %d moves, %d undone, %d won", NumeroPartite, mosse, annullate, vittorie);
    QVERIFY(mosse > NumeroPartite);
    QVERIFY(annullate > 0);
}

int EseguiTestPartiteCasuali(int argc, char** argv) {
    TestPartiteCasuali test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_core_partite.moc"
