// The helper of the tests under a real X server. "piano" finds a seed whose
// deal offers a legal drag, a card to drop over no pile and a face-up ace,
// and prints where they lie as shell assignments; "confronta" tells whether a
// screenshot shows a card's face at a point.
#include "coordinate.h"
#include "timmagini.h"
#include "tpartita.h"
#include "tsemeprova.h"
#include "tvistamuta.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr std::int16_t MargineProgetto = 88; // the margin of the 984 x 711 client area
constexpr int PrimoSeme = 1;
constexpr int UltimoSeme = 10000;
constexpr int FuoriDaiPozzi = 917; // a left edge right of every dealt pile, still in the window

struct TPiano {
    std::int16_t mossa = -1, meta = -1, vuoto = -1, asso = -1;
};

bool InCima(const TPartita& partita, std::int16_t n) {
    const TDatiCarta& carta = partita.Carte[n];
    return partita.Pozzi[carta.pozzo].UltimaCarta() == &carta;
}

std::optional<TPiano> Cerca(TPartita& partita) {
    TPiano piano;
    for (std::int16_t n = 0; n < NumeroCarteMazzo && piano.asso < 0; ++n) {
        if (partita.Carte[n].Valore == 1 && InCima(partita, n)) {
            piano.asso = n;
        }
    }
    if (piano.asso < 0) {
        return std::nullopt;
    }
    for (std::int16_t n = 0; n < NumeroCarteMazzo && piano.mossa < 0; ++n) {
        const TDatiCarta& carta = partita.Carte[n];
        for (std::int16_t p = 0; p < NumeroPozzi && piano.mossa < 0; ++p) {
            const TDatiCarta* cima = partita.Pozzi[p].UltimaCarta();
            if (InCima(partita, n) && cima && cima->Mazzo == carta.Mazzo &&
                cima->Valore == carta.Valore + 1 && p != partita.Carte[piano.asso].pozzo &&
                carta.pozzo != partita.Carte[piano.asso].pozzo && partita.EsistePercorso(n, p)) {
                piano.mossa = n;
                piano.meta = p;
            }
        }
    }
    for (std::int16_t n = 0; n < NumeroCarteMazzo && piano.vuoto < 0; ++n) {
        const std::int16_t pozzo = partita.Carte[n].pozzo;
        if (n != piano.asso && piano.mossa >= 0 && pozzo != partita.Carte[piano.mossa].pozzo &&
            pozzo != piano.meta && pozzo != partita.Carte[piano.asso].pozzo && InCima(partita, n)) {
            piano.vuoto = n;
        }
    }
    if (piano.mossa < 0 || piano.vuoto < 0) {
        return std::nullopt;
    }
    return piano;
}

void Stampa(const char* nome, std::int16_t X, std::int16_t Y) {
    std::printf("%s_X=%d\n%s_Y=%d\n", nome, X, nome, Y);
}

void StampaCarta(const char* nome, const TPartita& partita, std::int16_t n) {
    const TPozzo& pozzo = partita.Pozzi[partita.Carte[n].pozzo];
    std::int16_t X = 0;
    std::int16_t Y = 0;
    pozzo.xyUnaCarta(pozzo.NumeroCarte, X, Y);
    std::printf("%s=%d\n", nome, n);
    Stampa(nome, X, Y);
}

int Piano() {
    MargineAlto = MargineProgetto;
    for (int seme = PrimoSeme; seme <= UltimoSeme; ++seme) {
        TVistaMuta vista;
        TPartita partita(vista, TSemeProva::Generatore(seme));
        partita.Distribuisci(true);
        const auto piano = Cerca(partita);
        if (!piano) {
            continue;
        }
        std::printf("SEME=%d\n", seme);
        StampaCarta("ASSO", partita, piano->asso);
        StampaCarta("VUOTO", partita, piano->vuoto);
        StampaCarta("MOSSA", partita, piano->mossa);
        const TPozzo& meta = partita.Pozzi[piano->meta];
        std::int16_t X = 0;
        std::int16_t Y = 0;
        meta.xyUnaCarta(meta.NumeroCarte + 1, X, Y);
        Stampa("META", X, Y);
        const Punto angolo = PosizionePozzo(0, 0);
        Stampa("ANGOLO", angolo.X, angolo.Y);
        std::printf("FUORI_X=%d\n", FuoriDaiPozzi);
        return EXIT_SUCCESS;
    }
    std::fprintf(stderr, "no seed gives the moves the test needs\n");
    return EXIT_FAILURE;
}

// Pixels inside the card's outline that differ from its face; a card partly
// off the window is judged by the part that shows, which must be most of it.
int Confronta(const QString& schermata, int X, int Y, std::int16_t carta) {
    TImmagini immagini(qEnvironmentVariable("SOLVINTRA_IMMAGINI"));
    if (!immagini.Carica()) {
        std::fprintf(stderr, "%s\n", qPrintable(immagini.Errore()));
        return -1;
    }
    const QImage foto = QImage(schermata).convertToFormat(QImage::Format_RGB32);
    const QImage faccia = immagini.Facce[carta].toImage().convertToFormat(QImage::Format_RGB32);
    const QImage maschera = immagini.Maschera.toImage().convertToFormat(QImage::Format_RGB32);
    int diversi = 0;
    int visti = 0;
    for (int y = 0; y < faccia.height(); ++y) {
        for (int x = 0; x < faccia.width(); ++x) {
            if (maschera.pixel(x, y) == qRgb(255, 0, 0) || !foto.valid(X + x, Y + y)) {
                continue;
            }
            ++visti;
            diversi += foto.pixel(X + x, Y + y) != faccia.pixel(x, y);
        }
    }
    return 2 * visti < faccia.width() * faccia.height() ? -1 : diversi;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString modo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (modo == QStringLiteral("piano")) {
        return Piano();
    }
    if (modo == QStringLiteral("confronta") && argc == 6) {
        QGuiApplication applicazione(argc, argv);
        const int diversi =
            Confronta(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                      static_cast<std::int16_t>(std::atoi(argv[5])));
        std::printf("%d pixels differ\n", diversi);
        return diversi == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    std::fprintf(stderr, "use: gui_piano piano | confronta SCREENSHOT X Y CARD\n");
    return EXIT_FAILURE;
}
