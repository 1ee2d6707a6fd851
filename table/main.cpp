#include "mf.h"
#include "timmagini.h"
#include "tmessaggi.h"
#include "tsemeprova.h"
#include "ttraduzioni.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    // The installed desktop file's id: docks and task switchers match the
    // window to its name and icon by it (the app_id on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.solvintra"));
    TTraduzioni::Installa(applicazione);

    TImmagini immagini(TImmagini::CartellaPredefinita());
    if (!immagini.Carica()) {
        TMessaggi::Errore(nullptr, immagini.Errore());
        return EXIT_FAILURE;
    }
    const auto seme = TSemeProva::DaAmbiente();
    MF finestra(immagini, seme ? TCasuale::DaSeme(*seme) : TCasuale());
    finestra.show();
    return applicazione.exec();
}
