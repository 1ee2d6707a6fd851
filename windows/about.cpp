#include "about.h"

#include "tfinestra.h"
#include "tscala.h"

#include <QLabel>
#include <QPixmap>

#include <array>

namespace {

constexpr QSize Area{334, 174};
constexpr QColor Sfondo{255, 255, 255};
constexpr Qt::WindowFlags Cornice = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
constexpr QPoint PosizioneLogo{16, 12};
constexpr qreal PuntiCrediti = 9.75;
constexpr qreal PuntiAvviso = 9;

struct Scritta {
    const char* nome;
    const char* testo;
    QPoint posizione;
    qreal punti;
};

constexpr std::array Scritte{
    Scritta{"Label3", "Grafica: la squadra di Solvintra", {20, 84}, PuntiCrediti},
    Scritta{"Label2", "Programma: la squadra di Solvintra", {20, 108}, PuntiCrediti},
    Scritta{"Label1", "© 2007 Solvintra", {20, 140}, PuntiAvviso},
    Scritta{"lbVersione", SOLVINTRA_VERSIONE, {188, 140}, PuntiAvviso},
};

} // namespace

About::About(QWidget* genitore) : QDialog(genitore, Cornice) {
    TFinestra::Prepara(this, QStringLiteral("Informazioni su Solvintra"), Area, Sfondo);
    setMouseTracking(true);
    CreaLogo();
    CreaScritte();
}

// The logo lets the pointer through, so it closes the panel like the background.
void About::CreaLogo() {
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    MostraLogo();
    Image1->move(PosizioneLogo);
    Image1->setMouseTracking(true);
}

void About::MostraLogo() {
    Image1->setPixmap(TScala::Risorsa(QStringLiteral("logo"), devicePixelRatioF()));
    Image1->adjustSize();
}

bool About::event(QEvent* evento) {
    if (TScala::CambiaRapporto(evento)) {
        MostraLogo();
    }
    return QDialog::event(evento);
}

// Over the lines of text nothing happens: a label would hand presses on to the
// window, and bare moves already stop at a label that does not track them.
void About::CreaScritte() {
    for (const Scritta& scritta : Scritte) {
        QLabel* etichetta = TFinestra::NuovaEtichetta(
            this, QString::fromLatin1(scritta.nome), QString::fromUtf8(scritta.testo),
            scritta.posizione, TFinestra::Arial(scritta.punti));
        etichetta->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void About::mousePressEvent(QMouseEvent*) {
    accept();
}

void About::mouseMoveEvent(QMouseEvent*) {
    accept();
}
