#include "core_suite.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int fallimenti = 0;
    for (auto esegui : {EseguiTestBase, EseguiTestRegole, EseguiTestDistribuzione, EseguiTestGesti,
                        EseguiTestPartiteCasuali}) {
        fallimenti += esegui(argc, argv);
    }
    return fallimenti == 0 ? 0 : 1;
}
