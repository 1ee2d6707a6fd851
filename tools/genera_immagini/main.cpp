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
#include "ttavolo.h"

// Qt
#include <QGuiApplication>
#include <QStringList>

// Standard library
#include <cstdio>

namespace {

int Concludi(TCartella& cartella) {
    if (cartella.Concludi()) {
        return 0;
    }
    std::fprintf(stderr, "genera_immagini: %s\n", qPrintable(cartella.Errore()));
    return 1;
}

int ScriviCartella(const QString& destinazione, const QString& regole) {
    TCartella cartella(destinazione);
    for (int mazzo = 0; mazzo < TSegni::NumeroSemi; ++mazzo) {
        for (int valore = 1; valore <= TFaccia::ValoreMassimo; ++valore) {
            cartella.Scrivi(QStringLiteral("%1%2.bmp").arg(mazzo).arg(valore - 1),
                            TFaccia::Disegna(mazzo, valore));
        }
    }
    cartella.Scrivi(QStringLiteral("mask.bmp"), TFormaCarta::Maschera());
    cartella.Scrivi(QStringLiteral("Xx.bmp"), TDorsoEPosto::Dorso());
    cartella.Scrivi(QStringLiteral("Posto.bmp"), TDorsoEPosto::Posto());
    cartella.Scrivi(QStringLiteral("tavolo.jpg"), TTavolo::Panno());
    cartella.Copia(QStringLiteral("Solvintra.htm"), regole);
    return Concludi(cartella);
}

int ScriviRisorse(const QString& destinazione) {
    TCartella cartella(destinazione);
    cartella.Scrivi(QStringLiteral("sfondo.jpg"), TTavolo::Panno());
    for (int lato : TMarchio::LatiIcona) {
        cartella.Scrivi(QStringLiteral("icona_%1.png").arg(lato), TMarchio::Icona(lato));
    }
    cartella.Scrivi(QStringLiteral("logo.png"), TMarchio::Logo());
    cartella.Scrivi(QStringLiteral("mano.png"), TMarchio::Mano());
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
