#include "core_suite.h"

#include <QCoreApplication>

#include <exception>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int fallimenti = 0;
    for (auto esegui : {EseguiTestBase, EseguiTestRegole, EseguiTestDistribuzione, EseguiTestGesti,
                        EseguiTestPartiteCasuali}) {
        // Qt Test fails a test that throws, then passes the exception on: a
        // rule the checking view found broken must not end the other parts.
        try {
            fallimenti += esegui(argc, argv);
        } catch (const std::exception& errore) {
            qCritical("%s", errore.what());
            ++fallimenti;
        }
    }
    return fallimenti == 0 ? 0 : 1;
}
