#include "tst_table_tavola.h"

#include "about.h"
#include "coordinate.h"
#include "help.h"
#include "statistiche.h"
#include "tbmp24.h"
#include "tcarta.h"
#include "timmagini.h"
#include "tmessaggi.h"
#include "tstatistiche.h"
#include "ttavolo.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <functional>

// The main window: start-up, layout, menus, the abandon question, the pictures.
class TestTable : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void posizioniAvvio_data();
    void posizioniAvvio();
    void margini_data();
    void margini();
    void minimizzata();
    void segnaposto_data();
    void segnaposto();
    void menu_data();
    void menu();
    void finestre_data();
    void finestre();
    void abbandono_data();
    void abbandono();
    void bmp24_data();
    void bmp24();
    void icona_data();
    void icona();
    void immagini_data();
    void immagini();
    void panno_data();
    void panno();
    void immagineMancanteFerma_data();
    void immagineMancanteFerma();
};

namespace {

// Every card sits where its pile's fan puts it, from the grid and the margin
// alone, and each card lies above the one below it.
void ControllaTavolo(MF& mf, int margine) {
    QCOMPARE(MargineAlto, margine);
    const TPartita& partita = mf.Partita();
    for (std::int16_t p = 0; p < NumeroPozzi; ++p) {
        const TPozzo& pozzo = partita.Pozzi[p];
        QPoint atteso(110 * (p % 8) + 64, 205 * (p / 8) + margine - 1);
        for (std::int16_t k = 1; k <= pozzo.NumeroCarte; ++k) {
            const TCarta* carta = mf.Carta(pozzo.Carta(k)->numero);
            QCOMPARE(carta->geometry(), QRect(atteso, QSize(69, 125)));
            QVERIFY(carta->isVisibleTo(mf.Tavolo()));
            if (k > 1 && mf.Tavolo()->rect().contains(atteso + QPoint(5, 5))) {
                QCOMPARE(mf.Tavolo()->childAt(atteso + QPoint(5, 5)), carta);
            }
            atteso += k == 1 && pozzo.Carta(1)->Coperta ? QPoint(13, 13) : QPoint(2, 3);
        }
    }
}

int AltezzaMenu(MF& mf) {
    return mf.height() - mf.Tavolo()->height();
}

void Ridimensiona(MF& mf, int altezzaClient) {
    mf.resize(984, altezzaClient + AltezzaMenu(mf));
    QTRY_COMPARE(mf.Tavolo()->height(), altezzaClient);
}

// A copy of the build's pictures with one file removed or spoilt.
QString Guasta(const QTemporaryDir& dove, const QString& file, bool mancante) {
    const QDir origine(qEnvironmentVariable("SOLVINTRA_IMMAGINI"));
    const QString copia = dove.filePath(QStringLiteral("Immagini"));
    QDir().mkpath(copia);
    for (const QString& nome : origine.entryList(QDir::Files)) {
        QFile::copy(origine.filePath(nome), QDir(copia).filePath(nome));
    }
    QFile bersaglio(QDir(copia).filePath(file));
    if (mancante) {
        bersaglio.remove();
    } else if (bersaglio.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        bersaglio.write("not a picture");
    }
    return copia;
}

// A 24-bit BMP as Qt writes one, with `ritocco` applied to its bytes.
QByteArray Bmp(QSize misura, const std::function<void(QByteArray&)>& ritocco = {}) {
    QImage immagine(misura, QImage::Format_RGB32);
    for (int y = 0; y < misura.height(); ++y) {
        for (int x = 0; x < misura.width(); ++x) {
            immagine.setPixel(x, y, qRgb(x * 7, y * 5, (x + y) * 3));
        }
    }
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    immagine.save(&buffer, "BMP");
    if (ritocco) {
        ritocco(dati);
    }
    return dati;
}

void Scrivi32(QByteArray& dati, int dove, qint32 valore) {
    qToLittleEndian(valore, dati.data() + dove);
}

} // namespace

void TestTable::init() {
    TMessaggi::ImpostaRisponditore([](const QString& domanda) {
        qFatal("unexpected question: %s", qPrintable(domanda));
        return false;
    });
}

void TestTable::cleanup() {
    TMessaggi::ImpostaRisponditore({});
}

void TestTable::posizioniAvvio_data() {
    QTest::addColumn<bool>("mostrata");
    QTest::addColumn<int>("margine");
    QTest::newRow("first deal, before any resize") << false << 80;
    QTest::newRow("first resize centres the grid") << true << 88;
}

void TestTable::posizioniAvvio() {
    QFETCH(bool, mostrata);
    QFETCH(int, margine);
    auto mf = mostrata ? TTavolaProva::Mostra() : TTavolaProva::Crea();
    QCOMPARE(mf->windowTitle(), QStringLiteral("Solvintra"));
    if (mostrata) {
        QCOMPARE(mf->Tavolo()->size(), QSize(984, 711));
    }
    QCOMPARE(mf->Partita().CartaAttiva, -1);
    ControllaTavolo(*mf, margine);
    QCOMPARE(mf->Segnaposto()->geometry(), QRect(64, margine - 1, 69, 125));
    QVERIFY(mf->Segnaposto()->isVisibleTo(mf->Tavolo()));
    QCOMPARE(mf->Tavolo()->Sfondo().Misura(), QSize(1024, 768));
    QVERIFY(!mf->windowIcon().availableSizes().isEmpty());
}

void TestTable::margini_data() {
    QTest::addColumn<int>("altezza");
    QTest::addColumn<int>("margine");
    QTest::newRow("design height") << 711 << 88;
    QTest::newRow("tall window, capped") << 800 << 120;
    QTest::newRow("87.5 rounds to even") << 710 << 88;
    QTest::newRow("88.5 rounds to even") << 712 << 88;
    QTest::newRow("low window, no lower bound") << 400 << -68;
}

void TestTable::margini() {
    QFETCH(int, altezza);
    QFETCH(int, margine);
    auto mf = TTavolaProva::Mostra();
    Ridimensiona(*mf, altezza);
    ControllaTavolo(*mf, margine);
    QCOMPARE(mf->Segnaposto()->y(), margine - 1);
}

void TestTable::minimizzata() {
    auto mf = TTavolaProva::Mostra();
    const int menu = AltezzaMenu(*mf);
    mf->showMinimized();
    QTRY_VERIFY(mf->isMinimized());
    mf->resize(984, 800 + menu);
    QTRY_COMPARE(mf->Tavolo()->height(), 800);
    ControllaTavolo(*mf, 88);
    mf->showNormal();
    QTRY_COMPARE(MargineAlto, 120);
    ControllaTavolo(*mf, 120);
}

void TestTable::segnaposto_data() {
    QTest::addColumn<QString>("tavolo");
    QTest::addColumn<int>("pozzo");
    QTest::newRow("no corner open") << "5: x2a 1a" << 0;
    QTest::newRow("one corner open") << "0: 1a | 5: x2b 1b" << 7;
    QTest::newRow("three corners open") << "0: 1a | 7: 1b | 23: 1c | 5: 1d" << 16;
    QTest::newRow("all four open") << "0: 1a | 7: 1b | 23: 1c | 16: 1d" << -1;
}

void TestTable::segnaposto() {
    QFETCH(QString, tavolo);
    QFETCH(int, pozzo);
    auto mf = TTavolaProva::Mostra();
    TTavolaProva::Disponi(*mf, tavolo);
    QCOMPARE(mf->Segnaposto()->isVisible(), pozzo >= 0);
    if (pozzo >= 0) {
        QCOMPARE(mf->Segnaposto()->pos(), QPoint(110 * (pozzo % 8) + 64, 205 * (pozzo / 8) + 87));
    }
}

void TestTable::menu_data() {
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QKeySequence>("scorciatoia");
    QTest::addColumn<bool>("abilitata");
    QTest::newRow("new game") << "mnuCarte"
                              << "Nuova partita" << QKeySequence(Qt::Key_F2) << true;
    QTest::newRow("restart") << "mnuRicomincia"
                             << "Ricomincia questa partita" << QKeySequence() << false;
    QTest::newRow("undo") << "mnuAnnulla"
                          << "Annulla mossa" << QKeySequence(Qt::CTRL | Qt::Key_Z) << false;
    QTest::newRow("statistics") << "mnuStat"
                                << "Statistiche..." << QKeySequence(Qt::Key_F4) << true;
    QTest::newRow("exit") << "mnuEsce"
                          << "Esci" << QKeySequence() << true;
    QTest::newRow("rules") << "mnuGuida"
                           << "Regole del gioco..." << QKeySequence(Qt::Key_F1) << true;
    QTest::newRow("about") << "mnuHelp"
                           << "Informazionu su Solvintra..." << QKeySequence() << true;
}

void TestTable::menu() {
    QFETCH(QString, voce);
    QFETCH(QString, testo);
    QFETCH(QKeySequence, scorciatoia);
    QFETCH(bool, abilitata);
    auto mf = TTavolaProva::Crea();
    const auto* azione = mf->findChild<QAction*>(voce);
    QVERIFY(azione != nullptr);
    QCOMPARE(azione->text(), testo);
    QCOMPARE(azione->shortcut(), scorciatoia);
    QCOMPARE(azione->isEnabled(), abilitata);

    // The bar and the order of the items, separators included.
    QStringList barra;
    QStringList ordine;
    for (QAction* menu : mf->menuBar()->actions()) {
        barra << menu->menu()->objectName() + u'=' + menu->text();
        for (QAction* v : menu->menu()->actions()) {
            ordine << (v->isSeparator() ? QStringLiteral("-") : v->objectName());
        }
    }
    QCOMPARE(barra, QStringList({"mnuPartita=Partita", "mnuHelpMenu=?"}));
    QCOMPARE(ordine, QStringList({"mnuCarte", "mnuRicomincia", "-", "mnuAnnulla", "-", "mnuStat",
                                  "-", "mnuEsce", "mnuGuida", "mnuHelp"}));
}

void TestTable::finestre_data() {
    QTest::addColumn<QString>("voce");
    QTest::addColumn<QString>("classe");
    QTest::newRow("statistics") << "mnuStat"
                                << "Statistiche";
    QTest::newRow("rules") << "mnuGuida"
                           << "Help";
    QTest::newRow("about") << "mnuHelp"
                           << "About";
}

// Each item opens its own window, modal over the table.
void TestTable::finestre() {
    QFETCH(QString, voce);
    QFETCH(QString, classe);
    auto mf = TTavolaProva::Mostra();
    QString aperta;
    TTavolaProva::ChiudiModale([&](QWidget* modale) {
        const QWidget* w = modale;
        aperta = dynamic_cast<const Statistiche*>(w) ? "Statistiche"
                 : dynamic_cast<const Help*>(w)      ? "Help"
                 : dynamic_cast<const About*>(w)     ? "About"
                                                     : modale->metaObject()->className();
        QCOMPARE(modale->parentWidget(), mf.get());
        QVERIFY(modale->windowIcon().isNull()); // not the table's
    });
    mf->findChild<QAction*>(voce)->trigger();
    QCOMPARE(aperta, classe);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestTable::abbandono_data() {
    QTest::addColumn<QString>("comando");
    QTest::addColumn<QString>("stato");
    QTest::addColumn<bool>("risposta");
    for (const char* comando : {"mnuCarte", "mnuRicomincia", "mnuEsce", "title bar"}) {
        for (const char* stato : {"dealt", "after a move", "after a win"}) {
            for (const bool risposta : {true, false}) {
                QTest::addRow("%s, %s, %s", comando, stato, risposta ? "Yes" : "No")
                    << comando << stato << risposta;
            }
        }
    }
}

void TestTable::abbandono() {
    QFETCH(QString, comando);
    QFETCH(QString, stato);
    QFETCH(bool, risposta);
    auto mf = TTavolaProva::Mostra();
    if (stato == QStringLiteral("after a move")) {
        TTavolaProva::Disponi(*mf, QStringLiteral("5: x2a 1a | 6: x3a 4a"));
        QVERIFY(mf->Partita().MuoviCarta(NumeroCarta("1a"), 0));
    } else if (stato == QStringLiteral("after a win")) {
        TTavolaProva::Disponi(*mf, QStringLiteral("0: 1a 2a 3a 4a 5a 6a 7a 8a 9a 10a | "
                                                  "7: 1b 2b 3b 4b 5b 6b 7b 8b 9b 10b | "
                                                  "23: 1c 2c 3c 4c 5c 6c 7c 8c 9c 10c | "
                                                  "16: 1d 2d 3d 4d 5d 6d 7d 8d 9d | 8: 10d"));
        mf->Partita().PartitaIniziata = true;
        TTavolaProva::ChiudiModale();
        TTavolaProva::DoppioClic(*mf, NumeroCarta("10d"));
        QVERIFY(mf->Partita().Vinta());
    }
    const bool domanda = stato == QStringLiteral("after a move");
    int chiesto = 0;
    TMessaggi::ImpostaRisponditore([&](const QString& testo) {
        ++chiesto;
        return testo == QStringLiteral("Abbandonare la partita?") && risposta;
    });
    const QString prima = TTavolaProva::Descrivi(*mf);
    const std::int16_t perse = TStatistiche::LeggiStatistica(TStatistiche::Perse);
    const std::int16_t vinte = TStatistiche::LeggiStatistica(TStatistiche::Vinte);

    if (comando == QStringLiteral("title bar")) {
        mf->close();
    } else {
        mf->findChild<QAction*>(comando)->trigger();
    }
    const bool avanti = !domanda || risposta;
    QCOMPARE(chiesto, domanda ? 1 : 0);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), perse + (domanda && risposta));
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), vinte);
    const bool chiusura = comando == QStringLiteral("mnuEsce") || comando == "title bar";
    if (chiusura) {
        QCOMPARE(mf->isVisible(), !avanti);
    } else if (avanti) {
        // A fresh deal (or the last one again): 20 piles of two, corners empty.
        QVERIFY(!mf->Partita().PartitaIniziata);
        QCOMPARE(TTavolaProva::Descrivi(*mf).count(u'|'), 19);
        QCOMPARE(mf->Partita().AngoloCorrente, 0);
    }
    if (!avanti || chiusura) {
        QCOMPARE(TTavolaProva::Descrivi(*mf), prima);
    }
}

// The quick reader gives exactly what Qt's reader gives, or leaves the file to it.
void TestTable::bmp24_data() {
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<bool>("letto");
    QTest::addColumn<bool>("incompleto");

    constexpr int Larghezza = 18;
    constexpr int Altezza = 22;
    constexpr int BitPerPixel = 28;
    constexpr int Compressione = 30;
    QTest::newRow("a card") << Bmp({69, 125}) << true << false;
    QTest::newRow("rows padded to 4 bytes") << Bmp({5, 3}) << true << false;
    QTest::newRow("rows with no padding") << Bmp({4, 3}) << true << false;
    QTest::newRow("one pixel wide") << Bmp({1, 3}) << true << false;
    QTest::newRow("rows top down")
        << Bmp({5, 3}, [](QByteArray& d) { Scrivi32(d, Altezza, -3); }) << true << false;
    QTest::newRow("8 bits") << Bmp({5, 3}, [](QByteArray& d) { d[BitPerPixel] = 8; }) << false
                            << false;
    QTest::newRow("32 bits, rows past the end")
        << Bmp({5, 3}, [](QByteArray& d) { d[BitPerPixel] = 32; }) << false << true;
    QTest::newRow("compressed") << Bmp({5, 3}, [](QByteArray& d) { d[Compressione] = 1; }) << false
                                << false;
    QTest::newRow("truncated") << Bmp({5, 3}, [](QByteArray& d) { d.chop(1); }) << false << true;
    QTest::newRow("absurd height")
        << Bmp({5, 3}, [](QByteArray& d) { Scrivi32(d, Altezza, 1 << 30); }) << false << true;
    QTest::newRow("absurd width and height") << Bmp({5, 3}, [](QByteArray& d) {
        Scrivi32(d, Larghezza, 1 << 30);
        Scrivi32(d, Altezza, -(1 << 30));
    }) << false << true;
    QTest::newRow("header only") << Bmp({5, 3}).left(54) << false << true;
    QTest::newRow("not a BMP") << QByteArray("GIF89a") << false << false;
}

void TestTable::bmp24() {
    QFETCH(QByteArray, dati);
    QFETCH(bool, letto);
    QFETCH(bool, incompleto);
    QCOMPARE(TBmp24::Incompleto(dati), incompleto);
    const QImage letta = TBmp24::Leggi(dati);
    QCOMPARE(!letta.isNull(), letto);
    if (letto) {
        const QImage diQt = QImage::fromData(dati, "BMP");
        QCOMPARE(letta, diQt);
        QCOMPARE(letta.format(), diQt.format());
        QCOMPARE(letta.dotsPerMeterX(), diQt.dotsPerMeterX());
    }
}

void TestTable::icona_data() {
    QTest::addColumn<QSize>("richiesta");
    QTest::addColumn<QSize>("data");
    QTest::addColumn<int>("disegno"); // the drawn size given as it is, 0 when shrunk

    QTest::newRow("smallest") << QSize(16, 16) << QSize(16, 16) << 16;
    QTest::newRow("a drawn size") << QSize(48, 48) << QSize(48, 48) << 48;
    QTest::newRow("between sizes, the larger shrunk") << QSize(40, 40) << QSize(40, 40) << 0;
    QTest::newRow("wide, fitted") << QSize(64, 32) << QSize(32, 32) << 0;
    QTest::newRow("beyond the largest") << QSize(300, 300) << QSize(256, 256) << 256;
}

void TestTable::icona() {
    QFETCH(QSize, richiesta);
    QFETCH(QSize, data);
    QFETCH(int, disegno);
    auto mf = TTavolaProva::Crea();
    const QIcon icona = mf->windowIcon();
    // The platform is offered the sizes a window icon is shown at, and no
    // larger: X11 converts and sends each one before the window maps.
    const QList<QSize> offerte{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    QCOMPARE(icona.availableSizes(), offerte);

    const QPixmap pixmap = icona.pixmap(richiesta);
    QCOMPARE(pixmap.size(), data);
    if (disegno != 0) {
        const QImage atteso(QStringLiteral(":/immagini/icona_%1.png").arg(disegno));
        QCOMPARE(pixmap.toImage().convertToFormat(atteso.format()), atteso);
    }
}

void TestTable::immagini_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("mancante");
    QTest::addColumn<bool>("avvio");
    QTest::newRow("mask.bmp missing") << "mask.bmp" << true << false;
    QTest::newRow("Xx.bmp spoilt") << "Xx.bmp" << false << false;
    QTest::newRow("Posto.bmp missing") << "Posto.bmp" << true << false;
    QTest::newRow("a face spoilt") << "23.bmp" << false << false;
    QTest::newRow("the last face missing") << "39.bmp" << true << false;
    QTest::newRow("tavolo.jpg missing") << "tavolo.jpg" << true << true;
    QTest::newRow("tavolo.jpg spoilt") << "tavolo.jpg" << false << true;
}

void TestTable::immagini() {
    QFETCH(QString, file);
    QFETCH(bool, mancante);
    QFETCH(bool, avvio);
    const QTemporaryDir cartella;
    TImmagini immagini(Guasta(cartella, file, mancante));
    QCOMPARE(immagini.Carica(), avvio);
    if (!avvio) {
        QVERIFY2(immagini.Errore().contains(file), qPrintable(immagini.Errore()));
        QVERIFY(immagini.Errore().contains(mancante ? "manca" : "non si può usare"));
        return;
    }
    // The built-in background stands in and start-up completes.
    QVERIFY(immagini.Tavolo.isNull());
    MF mf(immagini);
    QCOMPARE(mf.Tavolo()->Sfondo().Misura(), QSize(1024, 768));
    QCOMPARE(TTavolaProva::Descrivi(mf).count(u'|'), 19);
}

namespace {

// The table as shown, cards and all, for the pictures given, at deal 2026.
QImage Schermata(const TImmagini& immagini) {
    MF mf(immagini, TCasuale::DaSeme(2026));
    mf.show();
    if (!QTest::qWaitForWindowExposed(&mf)) {
        return {};
    }
    return mf.Tavolo()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The largest difference between two pictures of one size in the mean of a
// channel over a patch of 24 x 24 pixels.
double ScartoPerToppa(const QImage& a, const QImage& b) {
    constexpr int Lato = 24;
    double peggiore = 0;
    for (int y0 = 0; y0 + Lato <= a.height(); y0 += Lato) {
        for (int x0 = 0; x0 + Lato <= a.width(); x0 += Lato) {
            for (const int canale : {0, 8, 16}) {
                int differenza = 0;
                for (int y = y0; y < y0 + Lato; ++y) {
                    for (int x = x0; x < x0 + Lato; ++x) {
                        differenza += int(a.pixel(x, y) >> canale & 0xff) -
                                      int(b.pixel(x, y) >> canale & 0xff);
                    }
                }
                peggiore = std::max(peggiore, std::abs(double(differenza)) / (Lato * Lato));
            }
        }
    }
    return peggiore;
}

} // namespace

void TestTable::panno_data() {
    QTest::addColumn<QByteArray>("panno"); // the bytes of tavolo.jpg
    QTest::addColumn<bool>("trama");       // whether the tile of the weave stands in
    QTest::addColumn<double>("scarto");    // from the whole cloth decoded, patch by patch
    QFile file(QDir(qEnvironmentVariable("SOLVINTRA_IMMAGINI")).filePath("tavolo.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray proprio = file.readAll();
    QImage altro(1024, 768, QImage::Format_RGB32);
    altro.fill(QColor(20, 40, 160));
    QByteArray jpeg;
    QBuffer memoria(&jpeg);
    memoria.open(QIODevice::WriteOnly);
    QVERIFY(altro.save(&memoria, "jpg"));
    // Two levels for the colour rounding of the whole cloth's JPEG.
    QTest::newRow("the game's own cloth") << proprio << true << 2.0;
    QTest::newRow("the game's cloth, one byte longer") << proprio + '\0' << false << 0.0;
    QTest::newRow("a cloth of the player's") << jpeg << false << 0.0;
}

// The tile stands in for the game's own cloth alone, and looks as the whole
// picture does; any other cloth is shown as it is.
void TestTable::panno() {
    QFETCH(QByteArray, panno);
    QFETCH(bool, trama);
    QFETCH(double, scarto);
    const QTemporaryDir dove;
    const QString cartella = Guasta(dove, QStringLiteral("tavolo.jpg"), true);
    const QString percorso = QDir(cartella).filePath(QStringLiteral("tavolo.jpg"));
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(panno), panno.size());
    file.close();
    TImmagini immagini(cartella);
    QVERIFY2(immagini.Carica(), qPrintable(immagini.Errore()));
    QCOMPARE(immagini.Tavolo.Ripetuto(), trama);
    const QImage schermata = Schermata(immagini);
    // The table as it was drawn before any tile: the whole cloth, decoded.
    immagini.Tavolo = TPanno(QPixmap(percorso));
    const QImage intero = Schermata(immagini);
    QCOMPARE(schermata.size(), intero.size());
    const double visto = ScartoPerToppa(schermata, intero);
    QVERIFY2(visto <= scarto, qPrintable(QString::number(visto)));
    if (!trama) {
        QCOMPARE(schermata, intero);
    }
}

void TestTable::immagineMancanteFerma_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("mask.bmp") << "mask.bmp";
    QTest::newRow("Xx.bmp") << "Xx.bmp";
    QTest::newRow("Posto.bmp") << "Posto.bmp";
    QTest::newRow("a face") << "17.bmp";
}

// The real program beside a damaged folder names the file on stderr and does
// not crash. Its error box then waits for a person, so the test ends it here;
// the exit status after the box is checked under a real X server.
void TestTable::immagineMancanteFerma() {
    QFETCH(QString, file);
    const QTemporaryDir cartella;
    Guasta(cartella, file, true);
    const QString programma = cartella.filePath(QStringLiteral("solvintra"));
    QVERIFY(QFile::copy(QStringLiteral(SOLVINTRA_ESEGUIBILE), programma));
    QFile::setPermissions(programma, QFile::ExeOwner | QFile::ReadOwner);
    QProcess processo;
    processo.start(programma, {});
    QVERIFY2(processo.waitForStarted(), qPrintable(processo.errorString()));
    QString errori;
    QTRY_VERIFY_WITH_TIMEOUT((errori += processo.readAllStandardError()).contains(file), 15000);
    QVERIFY2(errori.contains("manca"), qPrintable(errori));
    QVERIFY(processo.state() == QProcess::Running ||
            (processo.exitStatus() == QProcess::NormalExit && processo.exitCode() != 0));
    processo.kill();
    processo.waitForFinished();
}

QTEST_MAIN(TestTable)
#include "tst_table.moc"
