#include "tstatistiche.h"

#include <QCoreApplication>
#include <QStringList>

// Counts one counter up again and again, as a copy of the game does when a
// game ends: the store's tests run several of these at once.
// Usage: store_contatore <counter index> <times>
int main(int argc, char* argv[]) {
    QCoreApplication applicazione(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    bool indiceValido = false;
    bool volteValide = false;
    const auto indice = static_cast<std::int16_t>(argomenti.value(1).toShort(&indiceValido));
    const int volte = argomenti.value(2).toInt(&volteValide);
    if (argomenti.size() != 3 || !indiceValido || !volteValide) {
        return 2;
    }
    for (int volta = 0; volta < volte; ++volta) {
        TStatistiche::IncrementaStatistica(indice);
    }
    return 0;
}
