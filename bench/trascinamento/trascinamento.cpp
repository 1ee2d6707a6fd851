// One pointer move of a dragged card, with the repaint it causes, on a dealt
// table: the real main window with the generated pictures, the pointer events
// going through the window system interface as a mouse's would. Offscreen
// unless QT_QPA_PLATFORM says otherwise; at the scale of QT_SCALE_FACTOR.
#include "mf.h"
#include "tcarta.h"
#include "tcasuale.h"
#include "timmagini.h"
#include "ttavolo.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int Mosse = 1000;
// Back and forth by a few pixels, so the card stays over the table.
constexpr int Passo = 4;
constexpr std::uint64_t Seme = 7;

// The dealt table with one card held by the pointer. Counts the paints of the
// table, to show that a move is measured with the repaint it causes.
class TTavoloInPresa : public QObject {
public:
    TTavoloInPresa() : immagini(QStringLiteral(SOLVINTRA_IMMAGINI)) {
        if (!immagini.Carica()) {
            std::fprintf(stderr, "%s\n", qPrintable(immagini.Errore()));
            std::exit(EXIT_FAILURE);
        }
        finestra = std::make_unique<MF>(immagini, TCasuale::DaSeme(Seme));
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get())) {
            std::exit(EXIT_FAILURE);
        }
        Prendi();
        finestra->Tavolo()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* evento) override {
        dipinti += evento->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

    // The next pointer move, handled and painted.
    void Muovi() {
        verso = -verso;
        punto += QPoint(verso * Passo, verso * Passo);
        QTest::mouseMove(finestra->windowHandle(), punto);
        QCoreApplication::processEvents();
    }

    QPoint PosizioneCarta() const { return carta->pos(); }
    int Dipinti() const { return dipinti; }
    qreal Rapporto() const { return finestra->devicePixelRatioF(); }

private:
    void Prendi() {
        for (const TPozzo& pozzo : finestra->Partita().Pozzi) {
            const TDatiCarta* cima = pozzo.UltimaCarta();
            if (cima != nullptr && !cima->Coperta &&
                finestra->Partita().PuoPrendere(cima->numero)) {
                carta = finestra->Carta(cima->numero);
                break;
            }
        }
        const QPoint centro(carta->width() / 2, carta->height() / 2);
        punto = carta->mapTo(finestra.get(), centro);
        QTest::mousePress(finestra->windowHandle(), Qt::LeftButton, {}, punto);
        QCoreApplication::processEvents();
    }

    TImmagini immagini;
    std::unique_ptr<MF> finestra;
    TCarta* carta = nullptr;
    QPoint punto;
    int verso = 1;
    int dipinti = 0;
};

// Lives in main, between the application and the end of the benchmarks.
TTavoloInPresa* tavolo = nullptr;

void BM_MossaTrascinata(benchmark::State& stato) {
    for (auto _ : stato) {
        const auto inizio = std::chrono::steady_clock::now();
        tavolo->Muovi();
        const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - inizio;
        stato.SetIterationTime(durata.count());
    }
}
// One move per repetition, so that the median is the median of single moves.
BENCHMARK(BM_MossaTrascinata)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(Mosse)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max",
                        [](const std::vector<double>& v) {
                            return *std::max_element(v.begin(), v.end());
                        })
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication applicazione(argc, argv);
    TTavoloInPresa inPresa;
    tavolo = &inPresa;
    // The card must follow the pointer and the table repaint, or the figures
    // measure nothing.
    const QPoint prima = inPresa.PosizioneCarta();
    const int dipinti = inPresa.Dipinti();
    inPresa.Muovi();
    if (inPresa.PosizioneCarta() == prima || inPresa.Dipinti() == dipinti) {
        std::fprintf(stderr, "the held card did not follow the pointer with a repaint\n");
        return EXIT_FAILURE;
    }
    std::printf("%s, device pixel ratio %g\n", qPrintable(QGuiApplication::platformName()),
                inPresa.Rapporto());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
