#include "tst_robustezza_sonda.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

long long OrologioNs() {
    timespec adesso{};
    clock_gettime(CLOCK_MONOTONIC, &adesso);
    constexpr long long NsPerSecondo = 1'000'000'000;
    return adesso.tv_sec * NsPerSecondo + adesso.tv_nsec;
}

} // namespace

TSonda::TSonda(QObject* genitore) : QObject(genitore) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool TSonda::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Show && qobject_cast<QMessageBox*>(oggetto) != nullptr) {
        Rispondi(oggetto);
    } else if (evento->type() == QEvent::Paint && !dipinta && oggetto->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(oggetto);
        if (qobject_cast<QMainWindow*>(widget->window()) != nullptr) {
            dipinta = true;
            // The children of the window paint in the same pass: wait for its end.
            QTimer::singleShot(0, this, &TSonda::Dipinta);
        }
    }
    return false;
}

void TSonda::Rispondi(QObject* oggetto) {
    auto* box = static_cast<QMessageBox*>(oggetto);
    std::printf("sonda: messaggio %s\n", qPrintable(box->text()));
    std::fflush(stdout);
    // Once the box runs its own loop; the only or the escape button, as a person would.
    QTimer::singleShot(0, box, [box] {
        QAbstractButton* bottone = box->escapeButton();
        if (bottone == nullptr && box->buttons().size() == 1) {
            bottone = box->buttons().constFirst();
        }
        if (bottone != nullptr) {
            bottone->click();
        } else {
            box->reject();
        }
    });
}

void TSonda::Dipinta() {
    std::printf("sonda: dipinta %lld\n", OrologioNs());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
