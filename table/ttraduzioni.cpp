#include "ttraduzioni.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void TTraduzioni::Installa(QCoreApplication& applicazione) {
    auto* qtbase = new QTranslator(&applicazione);
    if (qtbase->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtbase);
    }
}
