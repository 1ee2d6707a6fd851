// The table while the device pixel ratio changes under it: the window moves
// between two offscreen screens, of ratio 1 and 2 (tst_table_scala.json).
#include "tst_table_tavola.h"

#include "about.h"
#include "tcarta.h"
#include "tscala.h"
#include "ttavolo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

QScreen* Schermo(const QString& nome) {
    for (QScreen* schermo : QGuiApplication::screens()) {
        if (schermo->name() == nome) {
            return schermo;
        }
    }
    return nullptr;
}

// Moves the window onto the screen as a user would: into its area.
void Metti(QWidget& finestra, QScreen* schermo) {
    finestra.move(schermo->geometry().topLeft() + QPoint(40, 40));
    finestra.windowHandle()->setScreen(schermo);
}

void Sposta(QWidget& finestra, const QString& nome) {
    QScreen* schermo = Schermo(nome);
    QVERIFY2(schermo != nullptr, qPrintable(nome));
    Metti(finestra, schermo);
    QTRY_COMPARE(finestra.screen(), schermo);
    QTRY_COMPARE(finestra.devicePixelRatioF(), schermo->devicePixelRatio());
}

// Every picture the table shows, and the hand of a grab, at the density `scala`.
void ControllaDensita(MF& mf, qreal scala) {
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        QCOMPARE(mf.Carta(n)->Picture().devicePixelRatio(), scala);
        QCOMPARE(mf.Carta(n)->PictureDietro.devicePixelRatio(), scala);
        QCOMPARE(mf.Carta(n)->PictureMask().devicePixelRatio(), scala);
    }
    QCOMPARE(mf.Segnaposto()->Picture().devicePixelRatio(), scala);
    QCOMPARE(mf.Tavolo()->Sfondo().Figura().devicePixelRatio(), scala);
    TCarta* carta = mf.Carta(0);
    carta->Moving(true);
    QCOMPARE(carta->cursor().pixmap().devicePixelRatio(), scala);
    carta->Moving(false);
}

// Withholds from a window every event that tells it its ratio may have changed.
class TFiltroScala : public QObject {
public:
    int trattenuti = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        const bool trattenuto = TScala::CambiaRapporto(evento);
        trattenuti += trattenuto ? 1 : 0;
        return trattenuto;
    }
};

} // namespace

class TestTableScala : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cambioDiSchermo_data();
    void cambioDiSchermo();
    void cambioSenzaEvento();
    void logo();
};

// Qt 6.4's offscreen windows take the ratio of their screen; Qt 6.8's keep 1
// on any screen, so that there no window of this test can change its ratio.
void TestTableScala::initTestCase() {
    QScreen* doppio = Schermo(QStringLiteral("doppio"));
    QVERIFY(doppio != nullptr);
    QWidget prova;
    prova.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prova));
    Metti(prova, doppio);
    if (!QTest::qWaitFor([&] { return prova.devicePixelRatioF() == doppio->devicePixelRatio(); })) {
        QSKIP(
            qPrintable(QStringLiteral("Qt %1's offscreen windows keep the ratio %2 on a screen of "
                                      "ratio 2: the ratio cannot change under the table here")
                           .arg(QString::fromLatin1(qVersion()))
                           .arg(prova.devicePixelRatioF())));
    }
}

void TestTableScala::cambioDiSchermo_data() {
    QTest::addColumn<QStringList>("schermi"); // visited in this order after the start
    QTest::addColumn<qreal>("scala");         // of the pictures at the end
    QTest::newRow("to the 2x screen") << QStringList{"doppio"} << 2.0;
    QTest::newRow("there and back") << QStringList{"doppio", "semplice"} << 1.0;
    QTest::newRow("back and forth twice") << QStringList{"doppio", "semplice", "doppio"} << 2.0;
    QTest::newRow("same screen again") << QStringList{"semplice"} << 1.0;
}

// The pictures follow the ratio; the layout, the game and the pointer's
// gestures stay as they were.
void TestTableScala::cambioDiSchermo() {
    QFETCH(QStringList, schermi);
    QFETCH(qreal, scala);
    auto mf = TTavolaProva::Mostra();
    QCOMPARE(mf->devicePixelRatioF(), 1.0);
    TTavolaProva::Disponi(*mf, QStringLiteral("3: 10a | 4: x8c 8b | 5: x2a 1a | 11: x6c 6b"));
    ControllaDensita(*mf, 1.0);
    const QString prima = TTavolaProva::Descrivi(*mf);
    QList<QRect> posti;
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        posti << mf->Carta(n)->geometry();
    }
    const QSize misura = mf->Tavolo()->size();

    for (const QString& nome : schermi) {
        Sposta(*mf, nome);
    }
    ControllaDensita(*mf, scala);
    QCOMPARE(TTavolaProva::Descrivi(*mf), prima);
    QCOMPARE(mf->Tavolo()->size(), misura);
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        QCOMPARE(mf->Carta(n)->geometry(), posti[n]);
    }
    // The pointer still plays: a drag onto the empty pile 12, a double-clicked ace.
    TTavolaProva::Trascina(*mf, 9, QPoint(504, 292));
    TTavolaProva::DoppioClic(*mf, 0);
    QCOMPARE(TTavolaProva::Descrivi(*mf),
             QStringLiteral("0: 1a | 4: x8c 8b | 5: x2a | 11: x6c 6b | 12: 10a"));
}

// A scale that changes under the window with no event for it, as when the
// desktop's scale changes on Qt before 6.6: the first paint at the new ratio
// switches the pictures.
void TestTableScala::cambioSenzaEvento() {
    auto mf = TTavolaProva::Mostra();
    TFiltroScala muto;
    mf->installEventFilter(&muto);
    Sposta(*mf, QStringLiteral("doppio"));
    QTRY_COMPARE(mf->Tavolo()->Sfondo().Figura().devicePixelRatio(), 2.0);
    ControllaDensita(*mf, 2.0);
    QVERIFY(muto.trattenuti > 0);
}

void TestTableScala::logo() {
    About finestra;
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    const auto* logo = finestra.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(logo != nullptr);
    for (const auto& [nome, scala] : {std::pair{"doppio", 2.0}, std::pair{"semplice", 1.0}}) {
        Sposta(finestra, QString::fromLatin1(nome));
        QCOMPARE(logo->pixmap().devicePixelRatio(), scala);
        QCOMPARE(logo->size(), QSize(164, 50));
    }
}

QTEST_MAIN(TestTableScala)
#include "tst_table_scala.moc"
