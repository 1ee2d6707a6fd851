#include "tcarta.h"
#include "tdaticarta.h"
#include "tscala.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace {

constexpr int Larghezza = 69;
constexpr int Altezza = 125;
constexpr int LatoAngolo = 3;     // side of the square painted in each corner
const QPoint PostoCarta(20, 20);  // where the card under test lies on its table
const QPoint CentroCarta(34, 62); // a pixel well inside the card
const QPoint Fuori(250, 250);     // a table point that no card covers
const QColor Trasparente(0, 0, 0, 0);

// A card picture filled with `fondo`, with a small square of `angoli` in each corner.
QPixmap Figura(QColor fondo, QColor angoli = Qt::red, QSize misura = {Larghezza, Altezza}) {
    QPixmap figura(misura);
    figura.fill(fondo);
    QPainter pittore(&figura);
    const int destra = misura.width() - LatoAngolo;
    const int basso = misura.height() - LatoAngolo;
    for (const QPoint angolo :
         {QPoint(0, 0), QPoint(destra, 0), QPoint(0, basso), QPoint(destra, basso)})
        pittore.fillRect(QRect(angolo, QSize(LatoAngolo, LatoAngolo)), angoli);
    return figura;
}

// `figura` at twice the density: each pixel four, and a device pixel ratio of 2.
QPixmap Doppia(const QPixmap& figura) {
    QPixmap doppia =
        figura.scaled(figura.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    doppia.setDevicePixelRatio(2);
    return doppia;
}

// The card painted at twice the density, as a screen of ratio 2 shows it.
QImage DipintaDoppia(TCarta& carta) {
    QImage immagine(carta.size() * 2, QImage::Format_ARGB32);
    immagine.setDevicePixelRatio(2);
    immagine.fill(Qt::transparent);
    carta.render(&immagine, {}, {}, QWidget::RenderFlags());
    return immagine;
}

// A denser variant of a face that counts how often it is read.
struct Variante {
    QPixmap figura;
    int letture = 0;
    std::function<QPixmap()> Lettore() {
        return [this] {
            ++letture;
            return figura;
        };
    }
};

// A bare card on a table that is not shown yet: a card is always some window's child.
struct Banco {
    QWidget finestra;
    TDatiCarta dati;
    TCarta carta{dati, &finestra};
};

// A table in a window of its own with one card on it, ready for real pointer input.
struct Tavolo : Banco {
    explicit Tavolo(bool coperta = false) {
        finestra.resize(300, 300);
        carta.setPicture(Figura(Qt::blue));
        carta.PictureDietro = Figura(Qt::darkGreen);
        carta.move(PostoCarta);
        dati.Coperta = coperta;
        finestra.show();
    }
    QWindow* window() const { return finestra.windowHandle(); }
};

// The card's signals by name, in the order they came.
struct Registro {
    QStringList voci;

    explicit Registro(TCarta& carta) {
        QObject::connect(&carta, &TCarta::Click, Voce("Click"));
        QObject::connect(&carta, &TCarta::DblClick, Voce("DblClick"));
        QObject::connect(&carta, &TCarta::MouseDown, Voce("MouseDown"));
        QObject::connect(&carta, &TCarta::MouseMove, Voce("MouseMove"));
        QObject::connect(&carta, &TCarta::MouseUp, Voce("MouseUp"));
        QObject::connect(&carta, &TCarta::ShowOn, Voce("ShowOn"));
        QObject::connect(&carta, &TCarta::ShowOff, Voce("ShowOff"));
    }
    std::function<void()> Voce(const char* nome) {
        return [this, nome] { voci << nome; };
    }
    QString Testo() const { return voci.join(' '); }
};

// The colour the card paints at its middle, over a transparent ground.
QColor Visto(TCarta& carta) {
    QImage immagine(carta.size(), QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    carta.render(&immagine, {}, {}, QWidget::RenderFlags());
    return immagine.pixelColor(CentroCarta);
}

// Counts the events of one type that reach the object it watches.
class ContaEventi : public QObject {
public:
    explicit ContaEventi(QEvent::Type tipo) : tipo(tipo) {}
    int quanti = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        quanti += event->type() == tipo;
        return false;
    }

private:
    QEvent::Type tipo;
};

Qt::MouseButton Tasto(QChar lettera) {
    return lettera == 'L' ? Qt::LeftButton : lettera == 'R' ? Qt::RightButton : Qt::MiddleButton;
}

// Plays pointer input on the table window: "L+" presses the left button, "R-" releases
// the right one, "M2" double-clicks the middle one (press, release, press, release),
// "~" moves a little over the card and "~fuori" moves off it. Presses and releases
// happen where the pointer is, so that Qt adds no moves of its own.
void Esegui(QWindow* window, const QString& azioni) {
    QPoint posizione = PostoCarta + CentroCarta;
    for (const QString& azione : azioni.split(' ', Qt::SkipEmptyParts)) {
        if (azione.startsWith('~')) {
            posizione = azione == "~fuori" ? Fuori : posizione + QPoint(1, 2);
            QTest::mouseMove(window, posizione);
        } else if (azione[1] == '+') {
            QTest::mousePress(window, Tasto(azione[0]), {}, posizione);
        } else if (azione[1] == '-') {
            QTest::mouseRelease(window, Tasto(azione[0]), {}, posizione);
        } else {
            QTest::mouseDClick(window, Tasto(azione[0]), {}, posizione);
        }
    }
}

} // namespace

class TestCarta : public QObject {
    Q_OBJECT

private slots:
    void inoltro_data();
    void inoltro();
    void coordinate_data();
    void coordinate();
    void dimensioni_data();
    void dimensioni();
    void tentativiDiRidimensionare_data();
    void tentativiDiRidimensionare();
    void maschera_data();
    void maschera();
    void soloPictureMask();
    void mascheraCondivisa();
    void disegno_data();
    void disegno();
    void copertaRidipinge();
    void pressioneSulTrasparente_data();
    void pressioneSulTrasparente();
    void datiDellaPartita();
    void nessunaFinestraNativa();
    void cursore_data();
    void cursore();
    void puntoCaldo_data();
    void puntoCaldo();
    void figuraDoppia_data();
    void figuraDoppia();
    void doppiaSuSchermoSemplice();
    void varianteLetta_data();
    void varianteLetta();
};

void TestCarta::inoltro_data() {
    QTest::addColumn<bool>("coperta");
    QTest::addColumn<bool>("giraSuMouseDown");
    QTest::addColumn<QString>("azioni");
    QTest::addColumn<QString>("segnali");

    QTest::newRow("left click") << false << false << "L+ L-"
                                << "MouseDown MouseUp";
    QTest::newRow("left drag") << false << false << "L+ ~ ~ L-"
                               << "MouseDown MouseMove MouseMove MouseUp";
    QTest::newRow("left drag off the card stays with it") << false << false << "L+ ~fuori L-"
                                                          << "MouseDown MouseMove MouseUp";
    QTest::newRow("right click") << false << false << "R+ R-"
                                 << "ShowOn ShowOff";
    QTest::newRow("move with right held") << false << false << "R+ ~ R-"
                                          << "ShowOn ShowOff";
    QTest::newRow("move with left and right held") << false << false << "L+ R+ ~ R- ~ L-"
                                                   << "MouseDown ShowOn ShowOff MouseMove MouseUp";
    QTest::newRow("middle click") << false << false << "M+ M-"
                                  << "";
    QTest::newRow("move with middle held") << false << false << "M+ ~ M-"
                                           << "";
    QTest::newRow("move with no button") << false << false << "~ ~"
                                         << "";
    QTest::newRow("double click") << false << false << "L2"
                                  << "MouseDown MouseUp DblClick MouseUp";
    QTest::newRow("MouseDown handler turns the card over") << false << true << "L+ ~ L-"
                                                           << "MouseDown Click";
    QTest::newRow("face down, left click") << true << false << "L+ L-"
                                           << "Click";
    QTest::newRow("face down, right click") << true << false << "R+ R-"
                                            << "Click";
    QTest::newRow("face down, middle click") << true << false << "M+ M-"
                                             << "Click";
    QTest::newRow("face down, left drag") << true << false << "L+ ~ ~fuori L-"
                                          << "Click";
    QTest::newRow("face down, move with no button") << true << false << "~ ~"
                                                    << "";
    QTest::newRow("face down, double click") << true << false << "L2"
                                             << "Click DblClick";
}

void TestCarta::inoltro() {
    QFETCH(bool, coperta);
    QFETCH(bool, giraSuMouseDown);
    QFETCH(QString, azioni);
    QFETCH(QString, segnali);

    Tavolo tavolo(coperta);
    // Moves without a button reach the card only when it tracks the pointer; the
    // card must still ignore them.
    tavolo.carta.setMouseTracking(true);
    QVERIFY(QTest::qWaitForWindowExposed(&tavolo.finestra));
    Registro registro(tavolo.carta);
    if (giraSuMouseDown)
        QObject::connect(&tavolo.carta, &TCarta::MouseDown,
                         [&tavolo] { tavolo.carta.setCoperta(true); });

    Esegui(tavolo.window(), azioni);

    QCOMPARE(registro.Testo(), segnali);
}

void TestCarta::coordinate_data() {
    QTest::addColumn<QPointF>("punto");

    QTest::newRow("whole pixels") << QPointF(5, 6);
    QTest::newRow("fractions") << QPointF(10.5, 20.25);
    QTest::newRow("negative and beyond the card") << QPointF(-3.5, 200.75);
}

void TestCarta::coordinate() {
    QFETCH(QPointF, punto);

    Banco banco;
    TCarta& carta = banco.carta;
    QSignalSpy giu(&carta, &TCarta::MouseDown);
    QSignalSpy mossa(&carta, &TCarta::MouseMove);
    QSignalSpy su(&carta, &TCarta::MouseUp);
    const QPointF globale = carta.mapToGlobal(punto);
    QMouseEvent premi(QEvent::MouseButtonPress, punto, globale, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent muovi(QEvent::MouseMove, punto, globale, Qt::NoButton, Qt::LeftButton, {});
    QMouseEvent lascia(QEvent::MouseButtonRelease, punto, globale, Qt::LeftButton, Qt::NoButton,
                       {});
    QApplication::sendEvent(&carta, &premi);
    QApplication::sendEvent(&carta, &muovi);
    QApplication::sendEvent(&carta, &lascia);

    for (QSignalSpy* spia : {&giu, &mossa, &su}) {
        QCOMPARE(spia->count(), 1);
        QCOMPARE(spia->at(0).at(0).toFloat(), float(punto.x()));
        QCOMPARE(spia->at(0).at(1).toFloat(), float(punto.y()));
    }
}

void TestCarta::dimensioni_data() {
    QTest::addColumn<QSize>("prima");
    QTest::addColumn<QPixmap>("figura");
    QTest::addColumn<QSize>("dopo");

    const QSize carta(Larghezza, Altezza);
    QTest::newRow("larger control shrinks") << QSize(200, 300) << Figura(Qt::blue) << carta;
    QTest::newRow("smaller control grows") << QSize(10, 10) << Figura(Qt::blue) << carta;
    QTest::newRow("null picture keeps the size") << QSize(40, 50) << QPixmap() << QSize(40, 50);
}

void TestCarta::dimensioni() {
    QFETCH(QSize, prima);
    QFETCH(QPixmap, figura);
    QFETCH(QSize, dopo);

    Banco banco;
    TCarta& carta = banco.carta;
    carta.resize(prima);
    banco.finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&banco.finestra));

    carta.setPicture(figura);

    QCOMPARE(carta.size(), dopo);
}

void TestCarta::tentativiDiRidimensionare_data() {
    QTest::addColumn<bool>("visibile");
    QTest::addColumn<QRect>("richiesta");

    QTest::newRow("larger") << true << QRect(PostoCarta, QSize(200, 300));
    QTest::newRow("smaller") << true << QRect(PostoCarta, QSize(10, 10));
    QTest::newRow("elsewhere and empty") << true << QRect(5, 6, 0, 0);
    QTest::newRow("while hidden, then shown") << false << QRect(5, 6, 200, 300);
}

void TestCarta::tentativiDiRidimensionare() {
    QFETCH(bool, visibile);
    QFETCH(QRect, richiesta);

    Tavolo tavolo;
    QVERIFY(QTest::qWaitForWindowExposed(&tavolo.finestra));
    tavolo.carta.setVisible(visibile);

    tavolo.carta.setGeometry(richiesta);
    tavolo.carta.show();

    QCOMPARE(tavolo.carta.geometry(), QRect(richiesta.topLeft(), QSize(Larghezza, Altezza)));
}

void TestCarta::maschera_data() {
    QTest::addColumn<QPixmap>("faccia");
    QTest::addColumn<QPixmap>("forma");
    QTest::addColumn<QColor>("colore");
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<bool>("visibile");

    const QPixmap angoliRossi = Figura(Qt::blue);
    const QPixmap piena = Figura(Qt::blue, Qt::blue);
    const QColor rosso(255, 0, 0);
    const QColor verde(0, 255, 0);
    const QPoint ultimo(Larghezza - 1, Altezza - 1);

    QTest::newRow("face cuts its corner") << angoliRossi << QPixmap() << rosso << QPoint() << false;
    QTest::newRow("face cuts its far corner")
        << angoliRossi << QPixmap() << rosso << ultimo << false;
    QTest::newRow("face keeps its middle")
        << angoliRossi << QPixmap() << rosso << CentroCarta << true;
    QTest::newRow("face keeps the edge by the corner")
        << angoliRossi << QPixmap() << rosso << QPoint(LatoAngolo, 0) << true;
    QTest::newRow("mask picture cuts a plain face")
        << piena << Figura(Qt::white) << rosso << QPoint() << false;
    QTest::newRow("mask picture overrides the face's red")
        << angoliRossi << Figura(Qt::white, Qt::white) << rosso << QPoint() << true;
    QTest::newRow("nothing beyond a smaller mask")
        << piena << Figura(Qt::white, Qt::white, {55, 101}) << rosso << QPoint(60, 110) << false;
    QTest::newRow("green mask colour cuts green")
        << Figura(Qt::blue, verde) << QPixmap() << verde << QPoint() << false;
    QTest::newRow("green mask colour keeps red")
        << angoliRossi << QPixmap() << verde << QPoint() << true;
}

void TestCarta::maschera() {
    QFETCH(QPixmap, faccia);
    QFETCH(QPixmap, forma);
    QFETCH(QColor, colore);
    QFETCH(QPoint, punto);
    QFETCH(bool, visibile);

    Banco banco;
    TCarta& carta = banco.carta;
    QCOMPARE(carta.MaskColor(), QColor(255, 0, 0));
    carta.setPicture(faccia);
    carta.setPictureMask(forma);
    carta.setMaskColor(colore);
    QCOMPARE(carta.mask().contains(punto), visibile);

    // The back is cut by the same outline as the face.
    carta.setCoperta(true);
    QCOMPARE(carta.mask().contains(punto), visibile);
}

void TestCarta::soloPictureMask() {
    Tavolo tavolo;
    QVERIFY(QTest::qWaitForWindowExposed(&tavolo.finestra));
    const qint64 faccia = tavolo.carta.Picture().cacheKey();

    tavolo.carta.setPictureMask(Figura(Qt::white, Qt::red, {55, 101}));

    QCOMPARE(tavolo.carta.size(), QSize(Larghezza, Altezza));
    QCOMPARE(tavolo.carta.Picture().cacheKey(), faccia);
    QCOMPARE(Visto(tavolo.carta), QColor(Qt::blue));
}

// Cards given the same mask picture share its shape, yet each keeps its own colour,
// and a mask picture painted afresh cuts a new shape.
void TestCarta::mascheraCondivisa() {
    Banco banco;
    TDatiCarta datiSeconda;
    TCarta seconda(datiSeconda, &banco.finestra);
    QPixmap forma = Figura(Qt::green);
    for (TCarta* carta : {&banco.carta, &seconda}) {
        carta->setPictureMask(forma);
        carta->setPicture(Figura(Qt::blue));
    }

    QPainter(&forma).fillRect(QRect(CentroCarta, QSize(1, 1)), Qt::red);
    seconda.setPictureMask(forma);
    QVERIFY(!seconda.mask().contains(CentroCarta));
    QVERIFY(seconda.mask().contains(CentroCarta + QPoint(1, 1)));
    QVERIFY(banco.carta.mask().contains(CentroCarta));

    banco.carta.setMaskColor(Qt::green);
    QVERIFY(!banco.carta.mask().contains(CentroCarta));
    QVERIFY(banco.carta.mask().contains(QPoint()));
    QVERIFY(!seconda.mask().contains(QPoint()));
    QVERIFY(seconda.mask().contains(CentroCarta + QPoint(1, 1)));
}

void TestCarta::disegno_data() {
    QTest::addColumn<QPixmap>("faccia");
    QTest::addColumn<QPixmap>("dietro");
    QTest::addColumn<bool>("coperta");
    QTest::addColumn<QColor>("visto");

    const QPixmap blu = Figura(Qt::blue);
    const QPixmap verde = Figura(Qt::darkGreen);
    QTest::newRow("face up shows the face") << blu << verde << false << QColor(Qt::blue);
    QTest::newRow("face down shows the back") << blu << verde << true << QColor(Qt::darkGreen);
    QTest::newRow("no face draws nothing") << QPixmap() << verde << false << Trasparente;
    QTest::newRow("no back draws nothing") << blu << QPixmap() << true << Trasparente;
}

void TestCarta::disegno() {
    QFETCH(QPixmap, faccia);
    QFETCH(QPixmap, dietro);
    QFETCH(bool, coperta);
    QFETCH(QColor, visto);

    Banco banco;
    TCarta& carta = banco.carta;
    carta.resize(Larghezza, Altezza);
    carta.setPicture(faccia);
    carta.PictureDietro = dietro;
    carta.setCoperta(coperta);

    QCOMPARE(Visto(carta), visto);
}

void TestCarta::copertaRidipinge() {
    Tavolo tavolo;
    QVERIFY(QTest::qWaitForWindowExposed(&tavolo.finestra));
    QCoreApplication::processEvents();
    ContaEventi pitture(QEvent::Paint);
    tavolo.carta.installEventFilter(&pitture);

    tavolo.carta.setCoperta(true);

    QVERIFY(tavolo.dati.Coperta);
    QTRY_VERIFY(pitture.quanti > 0);
}

void TestCarta::pressioneSulTrasparente_data() {
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<bool>("sopraCoperta");
    QTest::addColumn<QString>("sotto");
    QTest::addColumn<QString>("sopra");
    QTest::addColumn<int>("alTavolo");

    // The top card lies at PostoCarta, the one below 10 pixels up and left of it.
    const QPoint angolo = PostoCarta;
    const QPoint lontano = PostoCarta + QPoint(Larghezza - 1, Altezza - 1);
    const QString premuta = "MouseDown MouseUp";
    QTest::newRow("corner over a card") << angolo << false << premuta << "" << 0;
    QTest::newRow("corner of a face-down card over a card") << angolo << true << premuta << "" << 0;
    QTest::newRow("inside the top card")
        << angolo + QPoint(LatoAngolo, LatoAngolo) << false << "" << premuta << 0;
    QTest::newRow("corner over the table") << lontano << false << ""
                                           << "" << 1;
}

void TestCarta::pressioneSulTrasparente() {
    QFETCH(QPoint, punto);
    QFETCH(bool, sopraCoperta);
    QFETCH(QString, sotto);
    QFETCH(QString, sopra);
    QFETCH(int, alTavolo);

    Tavolo tavolo(sopraCoperta);
    TDatiCarta datiSotto;
    TCarta cartaSotto(datiSotto, &tavolo.finestra);
    cartaSotto.setPicture(Figura(Qt::yellow));
    cartaSotto.move(PostoCarta - QPoint(10, 10));
    cartaSotto.show();
    cartaSotto.stackUnder(&tavolo.carta);
    QVERIFY(QTest::qWaitForWindowExposed(&tavolo.finestra));
    Registro registroSotto(cartaSotto);
    Registro registroSopra(tavolo.carta);
    QSignalSpy spiaSotto(&cartaSotto, &TCarta::MouseDown);

    ContaEventi pressioni(QEvent::MouseButtonPress);
    tavolo.finestra.installEventFilter(&pressioni);

    QTest::mousePress(tavolo.window(), Qt::LeftButton, {}, punto);
    QTest::mouseRelease(tavolo.window(), Qt::LeftButton, {}, punto);

    QCOMPARE(registroSotto.Testo(), sotto);
    QCOMPARE(registroSopra.Testo(), sopra);
    QCOMPARE(pressioni.quanti, alTavolo);
    if (!sotto.isEmpty()) {
        const QPointF atteso = punto - cartaSotto.pos();
        QCOMPARE(spiaSotto.at(0).at(0).toFloat(), float(atteso.x()));
        QCOMPARE(spiaSotto.at(0).at(1).toFloat(), float(atteso.y()));
    }
}

void TestCarta::datiDellaPartita() {
    Banco banco;
    TCarta& carta = banco.carta;
    banco.dati = {23, 2, 4, 9, true};

    QCOMPARE(carta.numero(), std::int16_t(23));
    QCOMPARE(carta.Mazzo(), std::int16_t(2));
    QCOMPARE(carta.Valore(), std::int16_t(4));
    QCOMPARE(carta.pozzo(), std::int16_t(9));
    QVERIFY(carta.Coperta());
    carta.setCoperta(false);
    QVERIFY(!banco.dati.Coperta);
}

void TestCarta::nessunaFinestraNativa() {
    Tavolo tavolo;
    QVERIFY(QTest::qWaitForWindowExposed(&tavolo.finestra));

    QCOMPARE(tavolo.carta.hWnd(), WId(0));
    QVERIFY(!tavolo.carta.testAttribute(Qt::WA_NativeWindow));
}

void TestCarta::cursore_data() {
    QTest::addColumn<QList<bool>>("chiamate");
    QTest::addColumn<bool>("mano");

    QTest::newRow("grabbed") << QList<bool>{true} << true;
    QTest::newRow("grabbed twice") << QList<bool>{true, true} << true;
    QTest::newRow("dropped") << QList<bool>{true, false} << false;
    QTest::newRow("grabbed again") << QList<bool>{true, false, true} << true;
}

void TestCarta::cursore() {
    QFETCH(QList<bool>, chiamate);
    QFETCH(bool, mano);

    Banco banco;
    TCarta& carta = banco.carta;
    for (const bool presa : chiamate)
        carta.Moving(presa);

    // The drawn hand, built into the game, held at its palm.
    const QPixmap disegno(":/immagini/mano.png");
    QVERIFY(!disegno.isNull());
    QCOMPARE(carta.cursor().shape(), mano ? Qt::BitmapCursor : Qt::ArrowCursor);
    QCOMPARE(carta.testAttribute(Qt::WA_SetCursor), mano);
    if (mano) {
        QCOMPARE(carta.cursor().pixmap().toImage(), disegno.toImage());
        QCOMPARE(carta.cursor().hotSpot(), QPoint(12, 10));
    }
}

void TestCarta::puntoCaldo_data() {
    // The hand must hold the card where the pointer is: X11 reads the hot spot
    // in the picture's own pixels, Wayland in logical ones whatever the density.
    QTest::addColumn<QString>("piattaforma");
    QTest::addColumn<qreal>("rapporto");
    QTest::addColumn<QPoint>("atteso");
    QTest::newRow("X11 at 1") << "xcb" << 1.0 << QPoint(12, 10);
    QTest::newRow("X11 at 2") << "xcb" << 2.0 << QPoint(24, 20);
    QTest::newRow("X11 at 1.5, the 2x hand") << "xcb" << 1.5 << QPoint(24, 20);
    QTest::newRow("Wayland at 1") << "wayland" << 1.0 << QPoint(12, 10);
    QTest::newRow("Wayland at 2") << "wayland" << 2.0 << QPoint(12, 10);
    QTest::newRow("Wayland at 3") << "wayland" << 3.0 << QPoint(12, 10);
}

void TestCarta::puntoCaldo() {
    QFETCH(QString, piattaforma);
    QFETCH(qreal, rapporto);
    QFETCH(QPoint, atteso);
    const int scala = TScala::Per(rapporto);
    QCOMPARE(TScala::PuntoCaldo(QPoint(12, 10), scala, piattaforma), atteso);
    // The hand's picture keeps its 1x logical size at either density.
    const QPixmap mano = TScala::Risorsa(QStringLiteral("mano"), rapporto);
    QCOMPARE(mano.devicePixelRatio(), qreal(scala));
    QCOMPARE(mano.deviceIndependentSize(), QSizeF(32, 32));
}

void TestCarta::figuraDoppia_data() {
    // A 2x picture gives the card its logical size, and a 2x mask a logical
    // shape: a logical pixel is kept when any of its four device pixels is.
    QTest::addColumn<QPixmap>("faccia");
    QTest::addColumn<QPixmap>("forma");
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<bool>("visibile");

    const QPixmap blu = Doppia(Figura(Qt::blue));
    QPixmap sfumata = Doppia(Figura(Qt::white));
    // Device pixel (1, 1) shaded, the other three of logical pixel (0, 0) red.
    QPainter(&sfumata).fillRect(QRectF(0.5, 0.5, 0.5, 0.5), QColor(255, 40, 40));
    const QPoint ultimo(Larghezza - 1, Altezza - 1);

    QTest::newRow("2x face, 2x mask: corner cut")
        << blu << Doppia(Figura(Qt::white)) << QPoint() << false;
    QTest::newRow("2x face, 2x mask: far corner cut")
        << blu << Doppia(Figura(Qt::white)) << ultimo << false;
    QTest::newRow("2x face, 2x mask: middle kept")
        << blu << Doppia(Figura(Qt::white)) << CentroCarta << true;
    QTest::newRow("one shaded device pixel keeps its logical pixel")
        << blu << sfumata << QPoint() << true;
    QTest::newRow("the logical pixel beside it stays cut")
        << blu << sfumata << QPoint(1, 0) << false;
    QTest::newRow("2x face, 1x mask") << blu << Figura(Qt::white) << QPoint() << false;
    QTest::newRow("2x face as its own mask") << blu << QPixmap() << QPoint() << false;
    QTest::newRow("2x face as its own mask: edge by the corner")
        << blu << QPixmap() << QPoint(LatoAngolo, 0) << true;
    QTest::newRow("1x face, 2x mask") << Figura(Qt::blue) << sfumata << QPoint() << true;
}

void TestCarta::figuraDoppia() {
    QFETCH(QPixmap, faccia);
    QFETCH(QPixmap, forma);
    QFETCH(QPoint, punto);
    QFETCH(bool, visibile);

    Banco banco;
    TCarta& carta = banco.carta;
    carta.resize(200, 300);
    carta.setPictureMask(forma);
    carta.setPicture(faccia);

    QCOMPARE(carta.size(), QSize(Larghezza, Altezza));
    QCOMPARE(carta.mask().contains(punto), visibile);
    QCOMPARE(carta.mask().boundingRect(), QRect(0, 0, Larghezza, Altezza));
}

void TestCarta::doppiaSuSchermoSemplice() {
    // A 2x card on a 1x screen (a window moved there) still takes its alpha
    // from the 2x mask: the red outside a smooth corner never shows.
    QPixmap forma = Doppia(Figura(Qt::white));
    QPixmap faccia = Doppia(Figura(Qt::blue));
    // Logical pixel (0, 0): one device pixel faintly kept, three cut.
    QPainter(&forma).fillRect(QRectF(0.5, 0.5, 0.5, 0.5), QColor(255, 40, 40));
    QPainter(&faccia).fillRect(QRectF(0.5, 0.5, 0.5, 0.5), QColor(Qt::blue));

    Banco banco;
    TCarta& carta = banco.carta;
    carta.setPictureMask(forma);
    carta.setPicture(faccia);
    QImage immagine(carta.size(), QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    carta.render(&immagine, {}, {}, QWidget::RenderFlags());

    const QColor angolo = immagine.pixelColor(0, 0);
    QVERIFY2(angolo.alpha() < 32, qPrintable(angolo.name(QColor::HexArgb)));
    QCOMPARE(immagine.pixelColor(CentroCarta), QColor(Qt::blue));
}

void TestCarta::varianteLetta_data() {
    // The denser face is read at its first paint and, cut by a mask picture,
    // kept only as its cut-out: painting again reads nothing, a new mask or
    // colour reads it again. Colours are those painted at 2x at the corner
    // and the middle, and the face's own corner pixel.
    QTest::addColumn<bool>("conMaschera");
    QTest::addColumn<QPixmap>("variante");
    QTest::addColumn<QString>("poi");
    QTest::addColumn<int>("letture");
    QTest::addColumn<QColor>("angolo");
    QTest::addColumn<QColor>("centro");
    QTest::addColumn<QColor>("angoloFaccia");
    QTest::addColumn<qreal>("rapporto");

    const QPixmap blu = Doppia(Figura(Qt::blue));
    const QColor rosso(Qt::red);
    const QColor azzurro(Qt::blue);
    QTest::newRow("kept as its cut-out")
        << true << blu << "" << 1 << Trasparente << azzurro << Trasparente << 2.0;
    QTest::newRow("a new mask cuts it afresh")
        << true << blu << "maschera" << 2 << Trasparente << Trasparente << Trasparente << 2.0;
    QTest::newRow("a new colour cuts it afresh")
        << true << blu << "colore" << 2 << rosso << azzurro << rosso << 2.0;
    QTest::newRow("an unreadable variant is asked once")
        << true << QPixmap() << "maschera" << 1 << Trasparente << Trasparente << rosso << 1.0;
    QTest::newRow("no mask: kept whole as its own shape")
        << false << blu << "" << 1 << Trasparente << azzurro << rosso << 2.0;
    QTest::newRow("no mask: a new colour cuts what is kept")
        << false << blu << "colore" << 1 << rosso << azzurro << rosso << 2.0;
}

void TestCarta::varianteLetta() {
    QFETCH(bool, conMaschera);
    QFETCH(QPixmap, variante);
    QFETCH(QString, poi);
    QFETCH(int, letture);
    QFETCH(QColor, angolo);
    QFETCH(QColor, centro);
    QFETCH(QColor, angoloFaccia);
    QFETCH(qreal, rapporto);

    Banco banco;
    TCarta& carta = banco.carta;
    if (conMaschera)
        carta.setPictureMask(Doppia(Figura(Qt::white)));
    carta.setPicture(Figura(Qt::blue));
    Variante doppia{variante};
    carta.setPictureDoppia(doppia.Lettore());
    DipintaDoppia(carta);
    DipintaDoppia(carta);
    if (poi == "maschera") {
        QPixmap forma = Doppia(Figura(Qt::white));
        QPainter(&forma).fillRect(QRect(CentroCarta, QSize(1, 1)), Qt::red);
        carta.setPictureMask(forma);
    } else if (poi == "colore") {
        carta.setMaskColor(Qt::green);
    }
    const QImage dipinta = DipintaDoppia(carta);

    QCOMPARE(doppia.letture, letture);
    QCOMPARE(dipinta.pixelColor(0, 0), angolo);
    QCOMPARE(dipinta.pixelColor(CentroCarta * 2), centro);
    QCOMPARE(carta.Picture().toImage().pixelColor(0, 0), angoloFaccia);
    QCOMPARE(carta.Picture().devicePixelRatio(), rapporto);
    QCOMPARE(carta.size(), QSize(Larghezza, Altezza));
}

QTEST_MAIN(TestCarta)
#include "tst_cards.moc"
