#include "tmessaggi.h"
#include "ttraduzioni.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

void Stampa(const QStringList& parti) {
    std::printf("%s\n", parti.join(u'|').toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

// Starts as the game does, in the language of the environment, and asks the
// abandon question; prints the box's title, text, and its Yes and No buttons,
// then answers No. The table's tests start it once per language, since Qt
// reads the system's language only once.
int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    TTraduzioni::Installa(applicazione);
    QTimer attesa;
    attesa.setInterval(10);
    QObject::connect(&attesa, &QTimer::timeout, [&attesa] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        attesa.stop();
        Stampa({box->windowTitle(), box->text(), box->button(QMessageBox::Yes)->text(),
                box->button(QMessageBox::No)->text()});
        box->button(QMessageBox::No)->click();
    });
    attesa.start();
    const bool si = TMessaggi::Conferma(nullptr, QStringLiteral("Abbandonare la partita?"));
    return si ? EXIT_FAILURE : EXIT_SUCCESS;
}
