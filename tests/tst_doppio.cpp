// The table on a screen of a device pixel ratio above 1, offscreen: the 2x
// pictures on screen, everything the rules and the pointer use still in
// logical pixels, and the 1x pictures wherever a 2x one cannot be read.
// Runs at QT_SCALE_FACTOR 2 unless the environment asks for another ratio.

#include "tst_table_tavola.h"

#include "about.h"
#include "coordinate.h"
#include "tcarta.h"
#include "timmagini.h"
#include "tscala.h"
#include "ttavolo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

namespace {

constexpr QSize Carta(LarghezzaCarta, AltezzaCarta);
constexpr int Doppia = TScala::Doppia;
constexpr QRgb Rosso = qRgb(255, 0, 0);

QString Cartella() {
    return qEnvironmentVariable("SOLVINTRA_IMMAGINI");
}

QImage Leggi(const QString& percorso) {
    return QImage(percorso).convertToFormat(QImage::Format_RGB32);
}

// A copy of the build's pictures, with `guasta` applied to it.
QString Copia(const QTemporaryDir& dove, const std::function<void(const QDir&)>& guasta = {}) {
    const QDir origine(Cartella());
    const QDir copia(dove.filePath(QStringLiteral("Immagini")));
    QDir().mkpath(copia.path());
    for (const QString& nome : origine.entryList(QDir::Files)) {
        QFile::copy(origine.filePath(nome), copia.filePath(nome));
    }
    if (guasta) {
        guasta(copia);
    }
    return copia.path();
}

void Scrivi(const QString& percorso, const QByteArray& dati) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(dati), dati.size());
}

// The names of the files opened in `cartella` while `azione` runs.
QSet<QString> Aperti(const QString& cartella, const std::function<void()>& azione) {
    const int sorveglianza = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    inotify_add_watch(sorveglianza, QFile::encodeName(cartella).constData(), IN_OPEN);
    azione();
    QSet<QString> aperti;
    alignas(inotify_event) char eventi[64 * 1024];
    for (ssize_t letti; (letti = read(sorveglianza, eventi, sizeof eventi)) > 0;) {
        for (const char* p = eventi; p < eventi + letti;) {
            const auto* evento = reinterpret_cast<const inotify_event*>(p);
            if (evento->len > 0) {
                aperti.insert(QString::fromLocal8Bit(evento->name));
            }
            p += sizeof(inotify_event) + evento->len;
        }
    }
    close(sorveglianza);
    return aperti;
}

// The table's device pixels under `logico`, a rectangle of its logical pixels.
QImage Schermo(MF& mf, const QRect& logico) {
    return mf.Tavolo()->grab(logico).toImage().convertToFormat(QImage::Format_RGB32);
}

// The table's device pixels with every card and the place mark taken away.
QImage SenzaCarte(MF& mf) {
    QList<QWidget*> visibili;
    for (QWidget* figlio : mf.Tavolo()->findChildren<QWidget*>()) {
        if (figlio->isVisible()) {
            visibili << figlio;
            figlio->hide();
        }
    }
    const QImage panno = Schermo(mf, mf.Tavolo()->rect());
    for (QWidget* figlio : visibili) {
        figlio->show();
    }
    return panno;
}

// The mean of one channel (its bit offset: 0, 8 or 16) over `dove`.
double Media(const QImage& immagine, const QRect& dove, int canale) {
    double somma = 0;
    for (int y = dove.top(); y <= dove.bottom(); ++y) {
        for (int x = dove.left(); x <= dove.right(); ++x) {
            somma += (immagine.pixel(x, y) >> canale) & 0xff;
        }
    }
    return somma / (dove.width() * dove.height());
}

// Every channel of `visto` lies between those of `a` and `b`, give or take one level.
bool Fra(QRgb visto, QRgb a, QRgb b) {
    const auto fra = [](int v, int x, int y) {
        return v >= std::min(x, y) - 1 && v <= std::max(x, y) + 1;
    };
    return fra(qRed(visto), qRed(a), qRed(b)) && fra(qGreen(visto), qGreen(a), qGreen(b)) &&
           fra(qBlue(visto), qBlue(a), qBlue(b));
}

// Checks the card on screen against `figura`, a picture of twice its logical
// size: the device pixels the 2x mask keeps whole show the picture; those it
// shades blend the picture into what lies below; the rest show what lies below.
void ControllaPixel(MF& mf, TCarta* carta, const QImage& figura) {
    const QImage maschera = Leggi(Cartella() + QStringLiteral("/mask@2x.bmp"));
    carta->hide();
    const QImage vistoSotto = Schermo(mf, carta->geometry());
    carta->show();
    const QImage visto = Schermo(mf, carta->geometry());
    QCOMPARE(visto.size(), Carta * Doppia);
    for (int y = 0; y < visto.height(); ++y) {
        for (int x = 0; x < visto.width(); ++x) {
            const int copertura = qGreen(maschera.pixel(x, y));
            const QRgb pixel = visto.pixel(x, y);
            const QRgb sotto = vistoSotto.pixel(x, y);
            const QRgb atteso = figura.pixel(x, y);
            const bool giusto = copertura == 255 ? pixel == atteso
                                : copertura == 0 ? pixel == sotto
                                                 : Fra(pixel, atteso, sotto);
            if (!giusto) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2): %3 for %4 over %5")
                                     .arg(x)
                                     .arg(y)
                                     .arg(pixel, 0, 16)
                                     .arg(atteso, 0, 16)
                                     .arg(sotto, 0, 16)));
            }
        }
    }
}

} // namespace

class TestDoppio : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void immaginiDoppie();
    void pixelDellaCarta_data();
    void pixelDellaCarta();
    void geometriaLogica();
    void trascinamento_data();
    void trascinamento();
    void doppiaIllegibile_data();
    void doppiaIllegibile();
    void nessunaCucitura();
    void pannoComeSemplice();
    void cursoreELogo();
    void rapportoUnoNonApre();
    void soloFacceMostrate();

private:
    std::unique_ptr<MF> mf;
};

void TestDoppio::init() {
    QVERIFY2(qApp->devicePixelRatio() > 1, "QT_SCALE_FACTOR is not above 1");
    mf = TTavolaProva::Mostra();
}

void TestDoppio::cleanup() {
    mf.reset();
}

void TestDoppio::immaginiDoppie() {
    const TImmagini& immagini = TTavolaProva::Immagini();
    for (const QPixmap* figura :
         {&immagini.Maschera, &immagini.Dorso, &immagini.Posto, &immagini.Tavolo.Figura()}) {
        QCOMPARE(figura->devicePixelRatio(), qreal(Doppia));
    }
    // Each face comes 2x when its card asks for it.
    for (const std::int16_t n : {0, 17, 39}) {
        QCOMPARE(immagini.FacciaDoppia(n)().size(), Carta * Doppia);
        QCOMPARE(mf->Carta(n)->Picture().devicePixelRatio(), qreal(Doppia));
    }
    QVERIFY(immagini.Tavolo.Ripetuto());
    QCOMPARE(immagini.Tavolo.Misura(), QSize(1024, 768));
}

void TestDoppio::pannoComeSemplice() {
    // The repeated tile with its shading drawn over it looks as the 1x cloth
    // does, patch by patch: the same green, as much darker towards the corners.
    constexpr int Lato = 24;
    const QImage semplice = Leggi(Cartella() + QStringLiteral("/tavolo.jpg"));
    const QImage doppio = SenzaCarte(*mf);
    const qreal rapporto = qApp->devicePixelRatio();
    double peggiore = 0;
    for (int y = 0; y + Lato <= mf->Tavolo()->height(); y += Lato) {
        for (int x = 0; x + Lato <= mf->Tavolo()->width(); x += Lato) {
            const QRect toppa(x, y, Lato, Lato);
            const QRect pixel(QPoint(qRound(x * rapporto), qRound(y * rapporto)),
                              QSize(qRound(Lato * rapporto), qRound(Lato * rapporto)));
            for (const int canale : {0, 8, 16}) {
                peggiore = std::max(peggiore, std::abs(Media(doppio, pixel, canale) -
                                                       Media(semplice, toppa, canale)));
            }
        }
    }
    // Two levels for the two JPEG files' colour rounding; the corners are ten darker.
    QVERIFY2(peggiore <= 2, qPrintable(QString::number(peggiore)));
}

void TestDoppio::pixelDellaCarta_data() {
    QTest::addColumn<int>("pozzo");
    for (int pozzo = 0; pozzo < NumeroPozzi; ++pozzo) {
        if (std::find(TPartita::Angoli.begin(), TPartita::Angoli.end(), pozzo) ==
            TPartita::Angoli.end()) {
            QTest::newRow(qPrintable(QStringLiteral("top of pile %1").arg(pozzo))) << pozzo;
        }
    }
    QTest::newRow("place mark") << -1;
}

void TestDoppio::pixelDellaCarta() {
    if (!qFuzzyCompare(qApp->devicePixelRatio(), qreal(Doppia))) {
        QSKIP("device pixels map one to one onto the 2x pictures only at a ratio of 2");
    }
    QFETCH(int, pozzo);
    TCarta* carta = mf->Segnaposto();
    QString nome = QStringLiteral("Posto@2x.bmp");
    if (pozzo >= 0) {
        const TDatiCarta* cima = mf->Partita().Pozzi[pozzo].UltimaCarta();
        QVERIFY(!cima->Coperta);
        carta = mf->Carta(cima->numero);
        nome = TImmagini::NomeDoppio(TImmagini::NomeFaccia(cima->numero));
    }
    ControllaPixel(*mf, carta, Leggi(Cartella() + '/' + nome));
}

void TestDoppio::geometriaLogica() {
    // The 1x layout: columns 110 apart from 64, rows 205 apart from the
    // margin, which is 88 at the design height; every card 69 x 125.
    QCOMPARE(MargineAlto, 88);
    const TPartita& partita = mf->Partita();
    int controllate = 0;
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        QPoint atteso(110 * (p % 8) + 64, 205 * (p / 8) + 87);
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            QCOMPARE(mf->Carta(pozzo.Carta(k)->numero)->geometry(), QRect(atteso, Carta));
            atteso += k == 1 && pozzo.Carta(1)->Coperta ? QPoint(13, 13) : QPoint(2, 3);
            ++controllate;
        }
    }
    QCOMPARE(controllate, NumeroCarteMazzo);
    QCOMPARE(mf->Segnaposto()->geometry(), QRect(QPoint(64, 87), Carta));
    // The shape the pointer meets is the 1x mask's, in logical pixels.
    const QImage maschera = Leggi(Cartella() + QStringLiteral("/mask.bmp"));
    const QRegion forma = mf->Carta(0)->mask();
    for (int y = 0; y < Carta.height(); ++y) {
        for (int x = 0; x < Carta.width(); ++x) {
            QCOMPARE(forma.contains(QPoint(x, y)), maschera.pixel(x, y) != Rosso);
        }
    }
}

void TestDoppio::trascinamento_data() {
    // Drops one logical pixel either side of a pile's edge, as at 1x.
    QTest::addColumn<QString>("tavolo");
    QTest::addColumn<int>("carta");
    QTest::addColumn<QPoint>("angolo");
    QTest::addColumn<QString>("dopo");
    const QString fila = QStringLiteral("3: 10a | 4: x8c 8b | 11: x6c 6b | 13: x7c 7b");
    const QString preso = QStringLiteral("4: x8c 8b | 11: x6c 6b | 12: 10a | 13: x7c 7b");
    QTest::newRow("right edge touches pile 12") << fila << 9 << QPoint(435, 300) << preso;
    QTest::newRow("one pixel short of pile 12") << fila << 9 << QPoint(434, 300) << fila;
    QTest::newRow("left edge touches pile 12") << fila << 9 << QPoint(573, 300) << preso;
    QTest::newRow("one pixel past pile 12") << fila << 9 << QPoint(574, 300) << fila;
    QTest::newRow("top edge touches pile 12") << fila << 9 << QPoint(520, 417) << preso;
    QTest::newRow("bottom edge touches pile 12") << fila << 9 << QPoint(520, 167) << preso;
    QTest::newRow("ace on the next corner")
        << "5: x2a 1a" << 0 << QPoint(70, 90) << "0: 1a | 5: x2a";
}

void TestDoppio::trascinamento() {
    QFETCH(QString, tavolo);
    QFETCH(int, carta);
    QFETCH(QPoint, angolo);
    QFETCH(QString, dopo);
    TTavolaProva::Disponi(*mf, tavolo);
    // Held by a corner pixel of its shape, and let go with its top-left at `angolo`.
    const QPoint presa(2, 1);
    QVERIFY(mf->Carta(carta)->mask().contains(presa));
    TTavolaProva::Premi(*mf, TTavolaProva::NellaFinestra(mf->Carta(carta), presa));
    QCOMPARE(mf->Partita().CartaAttiva, carta);
    const QPoint arrivo = TTavolaProva::NellaFinestra(mf->Tavolo(), angolo + presa);
    TTavolaProva::Muovi(*mf, arrivo);
    QCOMPARE(mf->Carta(carta)->pos(), angolo);
    TTavolaProva::Rilascia(*mf, arrivo);
    QCOMPARE(TTavolaProva::Descrivi(*mf), dopo);
}

void TestDoppio::doppiaIllegibile_data() {
    QTest::addColumn<QString>("file");
    // Empty: the file is deleted; a name: that file's copy stands in its place.
    QTest::addColumn<QByteArray>("contenuto");
    QTest::newRow("a face deleted") << "05@2x.bmp" << QByteArray();
    QTest::newRow("a face spoilt") << "06@2x.bmp" << QByteArray("not a picture");
    QTest::newRow("a face at 1x size") << "07@2x.bmp" << QByteArray("07.bmp");
    QTest::newRow("the back deleted") << "Xx@2x.bmp" << QByteArray();
    QTest::newRow("the mask deleted") << "mask@2x.bmp" << QByteArray();
    QTest::newRow("the weave spoilt") << "trama@2x.bmp" << QByteArray("not a picture");
    QTest::newRow("the weave deleted") << "trama@2x.bmp" << QByteArray();
    QTest::newRow("a cloth of another size") << "tavolo.jpg" << QByteArray("trama@2x.bmp");
}

void TestDoppio::doppiaIllegibile() {
    QFETCH(QString, file);
    QFETCH(QByteArray, contenuto);
    // A cloth that cannot be woven from the tile is the 1x picture, whole.
    const bool panno = file.startsWith("t");
    const QString semplice =
        panno ? QStringLiteral("tavolo.jpg") : QString(file).remove(QStringLiteral("@2x"));
    const QTemporaryDir dove;
    const QString cartella = Copia(dove, [&](const QDir& copia) {
        QFile::remove(copia.filePath(file));
        if (contenuto.endsWith(".bmp") || contenuto.endsWith(".jpg")) {
            QFile::copy(copia.filePath(QString::fromLatin1(contenuto)), copia.filePath(file));
        } else if (!contenuto.isEmpty()) {
            Scrivi(copia.filePath(file), contenuto);
        }
    });
    TImmagini immagini(cartella);
    QVERIFY2(immagini.Carica(), qPrintable(immagini.Errore()));
    QVERIFY(immagini.Errore().isEmpty());
    const bool faccia = !panno && semplice != "mask.bmp" && semplice != "Xx.bmp";
    const QPixmap* figura = panno                    ? &immagini.Tavolo.Figura()
                            : semplice == "mask.bmp" ? &immagini.Maschera
                            : semplice == "Xx.bmp"   ? &immagini.Dorso
                                                     : &immagini.Facce[semplice.left(2).toInt()];
    QCOMPARE(immagini.Tavolo.Ripetuto(), !panno);
    // Silently the 1x picture, while the others stay 2x.
    QCOMPARE(figura->devicePixelRatio(), 1.0);
    QCOMPARE(figura->toImage().convertToFormat(QImage::Format_RGB32),
             Leggi(QDir(cartella).filePath(semplice)));
    if (faccia) {
        QVERIFY(immagini.FacciaDoppia(std::int16_t(semplice.left(2).toInt()))().isNull());
    }
    QCOMPARE(immagini.FacciaDoppia(12)().devicePixelRatio(), qreal(Doppia));

    MF tavola(immagini);
    tavola.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tavola));
    if (panno) {
        return;
    }
    // On the table the 1x picture shows blown up pixel by pixel, cut by the
    // same logical shape as every other card.
    const int numero =
        semplice == "Xx.bmp" || semplice == "mask.bmp" ? 0 : semplice.left(2).toInt();
    TTavolaProva::Disponi(tavola, QString::fromStdString("1: " + NomeCarta(std::int16_t(numero))));
    tavola.Carta(numero)->setCoperta(semplice == "Xx.bmp");
    QCOMPARE(tavola.Carta(numero)->mask(), tavola.Carta(39)->mask());
    QCOMPARE(tavola.Carta(numero)->size(), Carta);
    if (!qFuzzyCompare(qApp->devicePixelRatio(), qreal(Doppia)) || semplice == "mask.bmp") {
        return;
    }
    const QImage bloccata =
        Leggi(QDir(cartella).filePath(semplice))
            .scaled(Carta * Doppia, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    ControllaPixel(tavola, tavola.Carta(numero), bloccata);
}

void TestDoppio::nessunaCucitura() {
    // Between a card and the cloth no seam at any ratio: outside every card
    // the table shows the cloth alone, and inside a card no cloth shows through.
    TTavolaProva::Disponi(*mf, QStringLiteral("1: x1c 4a | 2: 5b | 10: 7c | 13: x1d 2d | 22: 10d"));
    const QRect tutto = mf->Tavolo()->rect();
    const QImage conCarte = Schermo(*mf, tutto);
    QList<TCarta*> visibili;
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        if (mf->Carta(n)->isVisible()) {
            visibili << mf->Carta(n);
        }
    }
    visibili << mf->Segnaposto();
    const QImage panno = SenzaCarte(*mf);
    const qreal rapporto = qApp->devicePixelRatio();
    QImage sotto(conCarte.size(), QImage::Format_RGB32);
    sotto.fill(Qt::black);
    {
        QPainter pittore(&sotto);
        for (const TCarta* carta : visibili) {
            const QRectF dove(QPointF(carta->pos()) * rapporto, QSizeF(carta->size()) * rapporto);
            pittore.fillRect(dove.adjusted(-1, -1, 1, 1), Qt::white);
        }
    }
    for (int y = 0; y < conCarte.height(); ++y) {
        for (int x = 0; x < conCarte.width(); ++x) {
            if (sotto.pixel(x, y) == qRgb(0, 0, 0) && conCarte.pixel(x, y) != panno.pixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2) off the cards").arg(x).arg(y)));
            }
        }
    }
    for (const std::int16_t n : {3, 14, 26, 31, 39}) {
        const TCarta* carta = mf->Carta(n);
        // Clear of the rounded corners, up to one logical pixel from each edge.
        const QRect dentro = carta->geometry().adjusted(1, 8, -1, -8);
        const QRect alto = carta->geometry().adjusted(8, 1, -8, -1);
        for (const QRect& fascia : {dentro, alto}) {
            const QRect pixel(
                QPoint(qCeil(fascia.left() * rapporto), qCeil(fascia.top() * rapporto)),
                QPoint(qFloor((fascia.right() + 1) * rapporto) - 1,
                       qFloor((fascia.bottom() + 1) * rapporto) - 1));
            for (int y = pixel.top(); y <= pixel.bottom(); ++y) {
                for (int x = pixel.left(); x <= pixel.right(); ++x) {
                    if (conCarte.pixel(x, y) == panno.pixel(x, y)) {
                        QFAIL(qPrintable(
                            QStringLiteral("card %1: cloth at (%2, %3)").arg(n).arg(x).arg(y)));
                    }
                }
            }
        }
    }
}

void TestDoppio::cursoreELogo() {
    // The grabbing hand and the logo come at the screen's density, at their 1x logical size.
    TCarta* carta = mf->Carta(mf->Partita().Pozzi[1].UltimaCarta()->numero);
    carta->Moving(true);
    const QCursor mano = carta->cursor();
    QCOMPARE(mano.shape(), Qt::BitmapCursor);
    // (12, 10) of the 1x hand, counted as this platform counts it.
    QCOMPARE(mano.hotSpot(),
             TScala::PuntoCaldo(QPoint(12, 10), Doppia, QGuiApplication::platformName()));
    QCOMPARE(mano.pixmap().devicePixelRatio(), qreal(Doppia));
    QCOMPARE(mano.pixmap().deviceIndependentSize(), QSizeF(32, 32));
    carta->Moving(false);

    About finestra;
    const auto* logo = finestra.findChild<QLabel*>(QStringLiteral("Image1"));
    QVERIFY(logo != nullptr);
    QCOMPARE(logo->pixmap().devicePixelRatio(), qreal(Doppia));
    QCOMPARE(logo->size(), QSize(164, 50));
}

void TestDoppio::rapportoUnoNonApre() {
    // At a ratio of 1 no 2x file is even opened, however broken the 2x set;
    // above 1 each of them is.
    const QTemporaryDir dove;
    const QString cartella = Copia(dove, [](const QDir& copia) {
        for (const QString& nome : copia.entryList({QStringLiteral("*@2x.*")}, QDir::Files)) {
            Scrivi(copia.filePath(nome), "not a picture");
        }
    });
    const QStringList nomiDoppi = QDir(cartella).entryList({QStringLiteral("*@2x.*")}, QDir::Files);
    QCOMPARE(nomiDoppi.size(), TImmagini::NumeroFacce + 4);

    TImmagini semplici(cartella, 1.0);
    const QSet<QString> aperti = Aperti(cartella, [&] { QVERIFY(semplici.Carica()); });
    QVERIFY2(aperti.contains(QStringLiteral("39.bmp")),
             qPrintable(QStringList(aperti.values()).join(' ')));
    for (const QString& nome : aperti) {
        QVERIFY2(!nome.contains(QStringLiteral("@2x")), qPrintable(nome));
    }
    QCOMPARE(semplici.Facce[0].devicePixelRatio(), 1.0);

    TImmagini doppie(cartella, 2.0);
    const QSet<QString> apertiDoppi = Aperti(cartella, [&] {
        QVERIFY(doppie.Carica());
        for (std::int16_t n = 0; n < TImmagini::NumeroFacce; ++n) {
            QVERIFY(doppie.FacciaDoppia(n)().isNull());
        }
    });
    for (const QString& nome : nomiDoppi) {
        QVERIFY2(apertiDoppi.contains(nome), qPrintable(nome));
    }
    QCOMPARE(doppie.Facce[0].devicePixelRatio(), 1.0);
}

void TestDoppio::soloFacceMostrate() {
    // Start-up reads the 2x faces of the cards dealt face up, and no other.
    const QTemporaryDir dove;
    const QString cartella = Copia(dove);
    TImmagini immagini(cartella);
    std::unique_ptr<MF> tavola;
    const QSet<QString> aperti = Aperti(cartella, [&] {
        QVERIFY(immagini.Carica());
        tavola = std::make_unique<MF>(immagini, TCasuale::DaSeme(2026));
        tavola->show();
        QVERIFY(QTest::qWaitForWindowExposed(tavola.get()));
        tavola->Tavolo()->grab();
    });
    QSet<QString> attese;
    for (std::int16_t n = 0; n < NumeroCarteMazzo; ++n) {
        if (!tavola->Partita().Carte[n].Coperta) {
            attese << TImmagini::NomeDoppio(TImmagini::NomeFaccia(n));
        }
    }
    QVERIFY(attese.size() > 10);
    QSet<QString> facce;
    for (const QString& nome : aperti) {
        if (nome.contains(QStringLiteral("@2x")) && nome.at(0).isDigit()) {
            facce << nome;
        }
    }
    QCOMPARE(facce, attese);
}

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication applicazione(argc, argv);
    TestDoppio prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "tst_doppio.moc"
