#include "help.h"

#include "tfinestra.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>

namespace {

constexpr QSize Area{661, 695};
constexpr QColor Sfondo{0, 128, 0};
constexpr QRect RiquadroPagina{4, 4, 653, 685};

const QString NomePagina = QStringLiteral("Solvintra.htm");

} // namespace

Help::Help(const QString& cartellaImmagini, QWidget* genitore)
    : QDialog(genitore, TFinestra::ConChiusura) {
    TFinestra::Prepara(this, QStringLiteral("Solvintra"), Area, Sfondo);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setGeometry(RiquadroPagina);
    Browser->setOpenExternalLinks(true);
    Browser->setFocus();
    CaricaRegole(cartellaImmagini);
}

// A proper file URL keeps folders with spaces, '#', '%' or accents intact, and
// relative links and pictures of the page resolve against it.
void Help::CaricaRegole(const QString& cartellaImmagini) {
    const QString percorso = QDir(cartellaImmagini).filePath(NomePagina);
    QFile pagina(percorso);
    if (!pagina.open(QIODevice::ReadOnly)) {
        Browser->setPlainText(QStringLiteral("Impossibile aprire le regole del gioco: %1")
                                  .arg(QDir::toNativeSeparators(percorso)));
        return;
    }
    Browser->setSource(QUrl::fromLocalFile(percorso));
}
