#include "tstatistiche.h"

#include <QCoreApplication>
#include <QStringList>

// Counts one counter up again and again, as a copy of the game does when a
// game ends: the store's tests run several of these at once, or kill one in
// the middle of counting.
// Usage: store_contatore <counter index> <times | sempre>
int main(int argc, char* argv[]) {
    QCoreApplication applicazione(argc, argv);
    const QStringList argomenti = QCoreApplication::arguments();
    bool indiceValido = false;
    bool volteValide = false;
    const auto indice = static_cast<std::int16_t>(argomenti.value(1).toShort(&indiceValido));
    const bool sempre = argomenti.value(2) == QLatin1String("sempre");
    const int volte = sempre ? 0 : argomenti.value(2).toInt(&volteValide);
    if (argomenti.size() != 3 || !indiceValido || !(volteValide || sempre)) {
        return 2;
    }
    for (int volta = 0; sempre || volta < volte; ++volta) {
        TStatistiche::IncrementaStatistica(indice);
    }
    return 0;
}
