// The helper of the tests under a real X server. "piano" finds a seed whose
// deal offers a legal drag, a card to drop over no pile and a face-up ace,
// and prints where they lie as shell assignments; "confronta" tells whether a
// screenshot shows a card's face at a point, and "cerca" finds where it does.
// Both take the density of the screenshot's pixels, 1 unless given: at 2 the
// face must be the 2x picture, which a 1x one blown up never matches.
#include "coordinate.h"
#include "tcasuale.h"
#include "timmagini.h"
#include "tpartita.h"
#include "tvistamuta.h"

#include <QGuiApplication>
#include <QImage>
#include <QPoint>

#include <climits>
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
        TPartita partita(vista, TCasuale::DaSeme(seme));
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

// A card's face and its mask in device pixels of the density `scala`.
struct TImmagineCarta {
    QImage faccia;
    QImage maschera;
};

std::optional<TImmagineCarta> Faccia(std::int16_t carta, int scala) {
    TImmagini immagini(qEnvironmentVariable("SOLVINTRA_IMMAGINI"), scala);
    if (!immagini.Carica()) {
        std::fprintf(stderr, "%s\n", qPrintable(immagini.Errore()));
        return std::nullopt;
    }
    // At 2x the face is the denser picture the card reads when it first shows it.
    const auto leggiDoppia = immagini.FacciaDoppia(carta);
    const QPixmap doppia = leggiDoppia ? leggiDoppia() : QPixmap();
    const QPixmap faccia = doppia.isNull() ? immagini.Facce[carta] : doppia;
    return TImmagineCarta{faccia.toImage().convertToFormat(QImage::Format_RGB32),
                          immagini.Maschera.toImage().convertToFormat(QImage::Format_RGB32)};
}

// Pixels the mask covers whole that differ from the face; a card partly off
// the window is judged by the part that shows, which must be most of it.
// Stops counting past `bastano`.
int Diversi(const QImage& foto, int X, int Y, const TImmagineCarta& carta, int bastano = INT_MAX) {
    int diversi = 0;
    int visti = 0;
    for (int y = 0; y < carta.faccia.height() && diversi <= bastano; ++y) {
        for (int x = 0; x < carta.faccia.width(); ++x) {
            if (carta.maschera.pixel(x, y) != qRgb(255, 255, 255) || !foto.valid(X + x, Y + y)) {
                continue;
            }
            ++visti;
            diversi += foto.pixel(X + x, Y + y) != carta.faccia.pixel(x, y);
        }
    }
    return 2 * visti < carta.faccia.width() * carta.faccia.height() ? -1 : diversi;
}

int Confronta(const QString& schermata, int X, int Y, std::int16_t carta, int scala) {
    const auto faccia = Faccia(carta, scala);
    return faccia ? Diversi(QImage(schermata).convertToFormat(QImage::Format_RGB32), X * scala,
                            Y * scala, *faccia)
                  : -1;
}

// The top-left corner of the face in the screenshot, in its own pixels.
std::optional<QPoint> Cerca(const QString& schermata, std::int16_t carta, int scala) {
    const auto faccia = Faccia(carta, scala);
    const QImage foto = QImage(schermata).convertToFormat(QImage::Format_RGB32);
    if (!faccia) {
        return std::nullopt;
    }
    // The card's middle pixel first: most places fail there at once.
    const QPoint mezzo(faccia->faccia.width() / 2, faccia->faccia.height() / 2);
    const QRgb centro = faccia->faccia.pixel(mezzo);
    for (int Y = 0; Y + faccia->faccia.height() <= foto.height(); ++Y) {
        for (int X = 0; X + faccia->faccia.width() <= foto.width(); ++X) {
            if (foto.pixel(X + mezzo.x(), Y + mezzo.y()) == centro &&
                Diversi(foto, X, Y, *faccia, 0) == 0) {
                return QPoint(X, Y);
            }
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString modo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (modo == QStringLiteral("piano")) {
        return Piano();
    }
    if (modo == QStringLiteral("confronta") && (argc == 6 || argc == 7)) {
        QGuiApplication applicazione(argc, argv);
        const int diversi = Confronta(
            QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
            static_cast<std::int16_t>(std::atoi(argv[5])), argc == 7 ? std::atoi(argv[6]) : 1);
        std::printf("%d pixels differ\n", diversi);
        return diversi == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    if (modo == QStringLiteral("cerca") && argc == 5) {
        QGuiApplication applicazione(argc, argv);
        const auto dove = Cerca(QString::fromLocal8Bit(argv[2]),
                                static_cast<std::int16_t>(std::atoi(argv[3])), std::atoi(argv[4]));
        if (dove) {
            std::printf("%d %d\n", dove->x(), dove->y());
        }
        return dove ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    std::fprintf(stderr, "use: gui_piano piano | confronta SCREENSHOT X Y CARD [SCALE] | "
                         "cerca SCREENSHOT CARD SCALE\n");
    return EXIT_FAILURE;
}
