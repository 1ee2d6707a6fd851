// Draws the pictures of the game. Three uses:
//   genera_immagini cartella <folder> <rules page>   the Immagini folder beside the game
//   genera_immagini risorse <folder>                 the pictures built into the game
//   genera_immagini foglio <file.png>                a contact sheet of the whole deck

#include "tcartella.h"
#include "tdorsoeposto.h"
#include "tfaccia.h"
#include "tfoglio.h"
#include "tformacarta.h"
#include "tmarchio.h"
#include "tsegni.h"
#include "ttessuto.h"

// Qt
#include <QGuiApplication>
#include <QStringList>

// Standard library
#include <cstdio>

namespace {

// Every picture of the table, the logo and the hand come in both densities.
constexpr int Scale[] = {1, 2};

// The name Qt gives a picture's high-density variant: "Xx.bmp" at 2x is "Xx@2x.bmp".
QString Nome(const QString& nome, int scala) {
    if (scala == 1) {
        return nome;
    }
    const qsizetype punto = nome.lastIndexOf('.');
    return nome.left(punto) + QStringLiteral("@%1x").arg(scala) + nome.mid(punto);
}

int Concludi(TCartella& cartella) {
    if (cartella.Concludi()) {
        return 0;
    }
    std::fprintf(stderr, "genera_immagini: %s\n", qPrintable(cartella.Errore()));
    return 1;
}

int ScriviCartella(const QString& destinazione, const QString& regole) {
    TCartella cartella(destinazione);
    for (int scala : Scale) {
        for (int mazzo = 0; mazzo < TSegni::NumeroSemi; ++mazzo) {
            for (int valore = 1; valore <= TFaccia::ValoreMassimo; ++valore) {
                cartella.Scrivi(Nome(QStringLiteral("%1%2.bmp").arg(mazzo).arg(valore - 1), scala),
                                TFaccia::Disegna(mazzo, valore, scala));
            }
        }
        cartella.Scrivi(Nome(QStringLiteral("mask.bmp"), scala), TFormaCarta::Maschera(scala));
        cartella.Scrivi(Nome(QStringLiteral("Xx.bmp"), scala), TDorsoEPosto::Dorso(scala));
        cartella.Scrivi(Nome(QStringLiteral("Posto.bmp"), scala), TDorsoEPosto::Posto(scala));
        // The game repeats a tile of the weave over its own cloth, at every
        // density, read without a JPEG decoder yet with the JPEG's colours, as
        // the whole cloth has them; the whole cloth comes at 1x, for a player
        // to replace.
        cartella.ScriviComeJpeg(Nome(QStringLiteral("trama.bmp"), scala), TTessuto::Trama(scala));
    }
    cartella.Scrivi(QStringLiteral("tavolo.jpg"), TTessuto::Panno());
    cartella.Copia(QStringLiteral("Solvintra.htm"), regole);
    return Concludi(cartella);
}

int ScriviRisorse(const QString& destinazione) {
    TCartella cartella(destinazione);
    cartella.Scrivi(QStringLiteral("sfondo.jpg"), TTessuto::Panno());
    // The icon as files for the desktop, and as bare pixels for the window,
    // which X11 asks for in every size as the window is shown.
    for (int lato : TMarchio::LatiIcona) {
        const QImage icona = TMarchio::Icona(lato);
        cartella.Scrivi(QStringLiteral("icona_%1.png").arg(lato), icona);
        cartella.ScriviPixel(QStringLiteral("icona_%1.argb").arg(lato), icona);
    }
    // The icon's largest sizes serve any density already; the background is
    // only the stand-in for a missing cloth and stays 1x.
    for (int scala : Scale) {
        cartella.Scrivi(Nome(QStringLiteral("logo.png"), scala), TMarchio::Logo(scala));
        cartella.Scrivi(Nome(QStringLiteral("mano.png"), scala), TMarchio::Mano(scala));
    }
    return Concludi(cartella);
}

int ScriviFoglio(const QString& file) {
    if (TFoglio::Disegna().save(file)) {
        return 0;
    }
    std::fprintf(stderr, "genera_immagini: cannot write %s\n", qPrintable(file));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList argomenti = QGuiApplication::arguments();
    const QString comando = argomenti.value(1);
    if (comando == "cartella" && argomenti.size() == 4) {
        return ScriviCartella(argomenti[2], argomenti[3]);
    }
    if (comando == "risorse" && argomenti.size() == 3) {
        return ScriviRisorse(argomenti[2]);
    }
    if (comando == "foglio" && argomenti.size() == 3) {
        return ScriviFoglio(argomenti[2]);
    }
    std::fprintf(stderr, "usage: genera_immagini cartella <folder> <rules page>\n"
                         "       genera_immagini risorse <folder>\n"
                         "       genera_immagini foglio <file.png>\n");
    return 2;
}
