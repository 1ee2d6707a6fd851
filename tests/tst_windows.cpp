#include "about.h"
#include "help.h"
#include "statistiche.h"
#include "timpostazioni.h"
#include "tmessaggi.h"
#include "tstatistiche.h"
#include "vinto.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

template <typename T> T* Figlio(const QWidget& finestra, const char* nome) {
    auto* figlio = finestra.findChild<T*>(QString::fromLatin1(nome));
    if (!figlio)
        qFatal("missing child %s", nome);
    return figlio;
}

QString Testo(const QWidget& finestra, const char* nome) {
    return Figlio<QLabel>(finestra, nome)->text();
}

// Dark pixels of a text drawn black on white.
int Inchiostro(const QString& testo, const QFont& carattere) {
    QImage foglio(600, 80, QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QPainter pittore(&foglio);
    pittore.setFont(carattere);
    pittore.setPen(Qt::black);
    pittore.drawText(foglio.rect(), Qt::AlignCenter, testo);
    pittore.end();
    int scuri = 0;
    for (int y = 0; y < foglio.height(); ++y) {
        for (int x = 0; x < foglio.width(); ++x) {
            scuri += qGray(foglio.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return scuri;
}

void ScriviConteggi(int vinte, int perse) {
    TStatistiche::ScriviStatistica(TStatistiche::Vinte, static_cast<std::int16_t>(vinte));
    TStatistiche::ScriviStatistica(TStatistiche::Perse, static_cast<std::int16_t>(perse));
}

bool ScriviFile(const QString& percorso, const QByteArray& contenuto) {
    QFile file(percorso);
    return file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size();
}

// The point of the window under a child's centre, or a bare point of the background.
QPoint Bersaglio(const QWidget& finestra, const QString& nome, QPoint sfondo) {
    if (nome.isEmpty())
        return sfondo;
    return finestra.findChild<QWidget*>(nome)->geometry().center();
}

void Mostra(QWidget& finestra) {
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
}

// Moves the pointer to the target, or clicks the button on it, through the
// window system as a player would; then checks whether the window went away.
void ProvaMouse(QDialog& finestra, const QString& bersaglio, QPoint sfondo, int pulsante,
                bool chiude) {
    const QPoint punto = Bersaglio(finestra, bersaglio, sfondo);
    const QWidget* sotto = finestra.childAt(punto);
    QCOMPARE(sotto ? sotto->objectName() : QString(), bersaglio);
    finestra.setResult(-1);
    QWindow* window = finestra.windowHandle();
    if (pulsante == Qt::NoButton)
        QTest::mouseMove(window, punto);
    else
        QTest::mouseClick(window, Qt::MouseButton(pulsante), {}, punto);
    if (chiude) {
        QTRY_VERIFY(!finestra.isVisible());
        QCOMPARE(finestra.result(), int(QDialog::Accepted));
        return;
    }
    // The event was handled before mouseClick returned; a close it started
    // would be waiting among the posted events.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(finestra.isVisible());
}

const QString Domanda = QStringLiteral("Abbandonare la partita?");

// Collects what is written on stderr while it lives.
class CatturaStderr {
public:
    CatturaStderr() {
        file.open();
        std::fflush(stderr);
        salvato = dup(STDERR_FILENO);
        dup2(file.handle(), STDERR_FILENO);
    }
    ~CatturaStderr() { Ripristina(); }
    QByteArray Testo() {
        Ripristina();
        file.seek(0);
        return file.readAll();
    }

private:
    void Ripristina() {
        if (salvato >= 0) {
            std::fflush(stderr);
            dup2(salvato, STDERR_FILENO);
            close(salvato);
            salvato = -1;
        }
    }
    QTemporaryFile file;
    int salvato = -1;
};

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aspetto_data();
    void aspetto();

    void statisticheMostra_data();
    void statisticheMostra();
    void statisticheVuote();
    void statisticheCancella_data();
    void statisticheCancella();
    void statisticheTasti_data();
    void statisticheTasti();
    void statisticheEtichetteCresconoADestra();

    void helpCartellaStrana();
    void helpPaginaIllegibile_data();
    void helpPaginaIllegibile();
    void helpPaginaDelGioco();

    void aboutVersione();
    void aboutMouse_data();
    void aboutMouse();

    void vintoScritta();
    void vintoMouse_data();
    void vintoMouse();

    void confermaConRisponditore_data();
    void confermaConRisponditore();
    void erroreConOsservatore();
    void confermaMostrata_data();
    void confermaMostrata();
    void erroreMostrato();

private:
    void AlProssimoBox(const std::function<void(QMessageBox&)>& azione);

    std::unique_ptr<QTimer> sorveglianza;
    QStringList domande;
    bool risposta = false;
};

void TestWindows::init() {
    QFile::remove(TImpostazioni::PercorsoFile());
    domande.clear();
    TMessaggi::ImpostaRisponditore([this](const QString& domanda) {
        domande << domanda;
        return risposta;
    });
}

void TestWindows::cleanup() {
    sorveglianza.reset();
    TMessaggi::ImpostaRisponditore({});
    TMessaggi::ImpostaOsservatoreErrori({});
}

// Acts on the next modal message box as a person would, from inside the
// event loop the box runs; a box that should not appear is closed, not waited on.
void TestWindows::AlProssimoBox(const std::function<void(QMessageBox&)>& azione) {
    sorveglianza = std::make_unique<QTimer>();
    sorveglianza->setInterval(10);
    connect(sorveglianza.get(), &QTimer::timeout, this, [this, azione] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            sorveglianza->stop();
            azione(*box);
        }
    });
    sorveglianza->start();
}

void TestWindows::aspetto_data() {
    QTest::addColumn<int>("finestra");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QColor>("sfondo");
    QTest::addColumn<bool>("chiusura");

    QTest::newRow("statistics") << 0 << "Statistiche di Solvintra" << QSize(277, 206)
                                << QColor(224, 224, 224) << true;
    QTest::newRow("rules") << 1 << "Solvintra" << QSize(661, 695) << QColor(0, 128, 0) << true;
    QTest::newRow("about") << 2 << "Informazioni su Solvintra" << QSize(334, 174)
                           << QColor(255, 255, 255) << false;
    QTest::newRow("game won") << 3 << "Solvintra - Fine partita" << QSize(412, 104)
                              << QColor(222, 231, 226) << false;
}

void TestWindows::aspetto() {
    QFETCH(int, finestra);
    QFETCH(QString, titolo);
    QFETCH(QSize, area);
    QFETCH(QColor, sfondo);
    QFETCH(bool, chiusura);

    // An owner with an icon, as the table has one.
    QWidget proprietario;
    QPixmap disegno(16, 16);
    disegno.fill(Qt::red);
    proprietario.setWindowIcon(QIcon(disegno));
    std::unique_ptr<QDialog> dialogo;
    switch (finestra) {
    case 0:
        dialogo = std::make_unique<Statistiche>(&proprietario);
        break;
    case 1:
        dialogo = std::make_unique<Help>(QDir::tempPath(), &proprietario);
        break;
    case 2:
        dialogo = std::make_unique<About>(&proprietario);
        break;
    default:
        dialogo = std::make_unique<Vinto>(&proprietario);
    }
    QCOMPARE(dialogo->windowTitle(), titolo);
    QVERIFY(dialogo->windowIcon().isNull());
    dialogo->winId();
    QVERIFY(dialogo->windowHandle()->icon().isNull());
    QCOMPARE(dialogo->minimumSize(), area);
    QCOMPARE(dialogo->maximumSize(), area);
    QVERIFY(dialogo->autoFillBackground());
    QCOMPARE(dialogo->palette().color(QPalette::Window), sfondo);
    const Qt::WindowFlags bandiere = dialogo->windowFlags();
    QVERIFY(bandiere.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(bandiere.testFlag(Qt::WindowTitleHint));
    QCOMPARE(bandiere.testFlag(Qt::WindowCloseButtonHint), chiusura);
    QCOMPARE(bandiere.testFlag(Qt::WindowSystemMenuHint), chiusura);
    QVERIFY(!bandiere.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!bandiere.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!bandiere.testFlag(Qt::WindowContextHelpButtonHint));
}

void TestWindows::statisticheMostra_data() {
    QTest::addColumn<int>("vinte");
    QTest::addColumn<int>("perse");
    QTest::addColumn<QString>("percentualeVinte");
    QTest::addColumn<QString>("percentualePerse");

    QTest::newRow("both zero") << 0 << 0 << "0%"
                               << "0%";
    QTest::newRow("3 won 0 lost") << 3 << 0 << "100%"
                                  << "0%";
    QTest::newRow("0 won 5 lost") << 0 << 5 << "0%"
                                  << "100%";
    QTest::newRow("1 won 2 lost") << 1 << 2 << "33%"
                                  << "66%";
    QTest::newRow("2 won 1 lost") << 2 << 1 << "66%"
                                  << "33%";
    QTest::newRow("400 won 100 lost") << 400 << 100 << "80%"
                                      << "20%";
    QTest::newRow("both at the top") << 32767 << 32767 << "50%"
                                     << "50%";
    QTest::newRow("1 won 32767 lost") << 1 << 32767 << "0%"
                                      << "99%";
    QTest::newRow("32767 won 1 lost") << 32767 << 1 << "99%"
                                      << "0%";
    QTest::newRow("32767 won 32766 lost") << 32767 << 32766 << "50%"
                                          << "49%";
}

void TestWindows::statisticheMostra() {
    QFETCH(int, vinte);
    QFETCH(int, perse);
    QFETCH(QString, percentualeVinte);
    QFETCH(QString, percentualePerse);

    ScriviConteggi(vinte, perse);
    const Statistiche finestra;
    QCOMPARE(Testo(finestra, "txtVinte0"), QString::number(vinte));
    QCOMPARE(Testo(finestra, "txtVinte1"), QString::number(perse));
    QCOMPARE(Testo(finestra, "txtPVinte0"), percentualeVinte);
    QCOMPARE(Testo(finestra, "txtPVinte1"), percentualePerse);
    QCOMPARE(Figlio<QPushButton>(finestra, "cmdDelete")->isEnabled(), vinte + perse > 0);
}

void TestWindows::statisticheVuote() {
    const Statistiche finestra;
    QCOMPARE(Testo(finestra, "Label1"), QStringLiteral("Partite vinte:"));
    QCOMPARE(Testo(finestra, "Label2"), QStringLiteral("Partite perse:"));
    for (const char* nome : {"txtVinte0", "txtVinte1"})
        QCOMPARE(Testo(finestra, nome), QStringLiteral("0"));
    for (const char* nome : {"txtPVinte0", "txtPVinte1"})
        QCOMPARE(Testo(finestra, nome), QStringLiteral("0%"));
    QVERIFY(!Figlio<QPushButton>(finestra, "cmdDelete")->isEnabled());
    QVERIFY(!QFile::exists(TImpostazioni::PercorsoFile()));
}

void TestWindows::statisticheCancella_data() {
    QTest::addColumn<bool>("si");
    QTest::addColumn<QString>("conteggio0");
    QTest::addColumn<QString>("conteggio1");
    QTest::addColumn<QString>("percentuale0");

    QTest::newRow("answered No") << false << "3"
                                 << "4"
                                 << "42%";
    QTest::newRow("answered Yes") << true << "0"
                                  << "0"
                                  << "0%";
}

void TestWindows::statisticheCancella() {
    QFETCH(bool, si);
    QFETCH(QString, conteggio0);
    QFETCH(QString, conteggio1);
    QFETCH(QString, percentuale0);

    ScriviConteggi(3, 4);
    Statistiche finestra;
    risposta = si;
    Figlio<QPushButton>(finestra, "cmdDelete")->click();

    QCOMPARE(domande, QStringList{QStringLiteral("Eliminare tutte le statistiche?")});
    QCOMPARE(TImpostazioni::LeggiImpostazione(QStringLiteral("stat0"), {}), conteggio0);
    QCOMPARE(TImpostazioni::LeggiImpostazione(QStringLiteral("stat1"), {}), conteggio1);
    QCOMPARE(Testo(finestra, "txtVinte0"), conteggio0);
    QCOMPARE(Testo(finestra, "txtVinte1"), conteggio1);
    QCOMPARE(Testo(finestra, "txtPVinte0"), percentuale0);
    QCOMPARE(Figlio<QPushButton>(finestra, "cmdDelete")->isEnabled(), !si);
}

void TestWindows::statisticheTasti_data() {
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("esito");

    QTest::newRow("Return") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

// Counts are on record, so Cancella is enabled and must not be what the key presses.
void TestWindows::statisticheTasti() {
    QFETCH(int, tasto);
    QFETCH(int, esito);

    ScriviConteggi(5, 6);
    Statistiche finestra;
    finestra.setResult(-1);
    Mostra(finestra);
    auto* cmdOK = Figlio<QPushButton>(finestra, "cmdOK");
    QCOMPARE(finestra.focusWidget(), cmdOK);
    QVERIFY(cmdOK->isDefault());
    QCOMPARE(cmdOK->nextInFocusChain(), Figlio<QPushButton>(finestra, "cmdDelete"));

    QTest::keyClick(finestra.focusWidget(), Qt::Key(tasto));
    QTRY_VERIFY(!finestra.isVisible());
    QCOMPARE(finestra.result(), esito);
    QVERIFY(domande.isEmpty());
}

void TestWindows::statisticheEtichetteCresconoADestra() {
    int larghezzaPrecedente = 0;
    for (const int conteggio : {7, 42, 123, 4567, 32767}) {
        ScriviConteggi(conteggio, conteggio);
        const Statistiche finestra;
        for (const char* riga : {"0", "1"}) {
            const QLabel* etichetta = Figlio<QLabel>(finestra, qPrintable(u"txtVinte"_s + riga));
            const QLabel* percentuale = Figlio<QLabel>(finestra, qPrintable(u"txtPVinte"_s + riga));
            QCOMPARE(etichetta->x(), 156);
            QCOMPARE(etichetta->size(), etichetta->sizeHint());
            // A count always ends before its percentage starts.
            QVERIFY2(etichetta->geometry().right() < percentuale->x(),
                     qPrintable(QString::number(etichetta->geometry().right())));
        }
        const QLabel* prima = Figlio<QLabel>(finestra, "txtVinte0");
        QCOMPARE(prima->y(), 32);
        QCOMPARE(Figlio<QLabel>(finestra, "txtVinte1")->y(), 72);
        QVERIFY(prima->width() > larghezzaPrecedente);
        larghezzaPrecedente = prima->width();
    }
}

void TestWindows::helpCartellaStrana() {
    QTemporaryDir base;
    QVERIFY(base.isValid());
    const QString cartella = base.filePath(QStringLiteral("regole #1 di prova è%20"));
    QVERIFY(QDir().mkpath(cartella));
    QVERIFY(ScriviFile(cartella + QStringLiteral("/Solvintra.htm"),
                       "<html><body><p>Le carte salgono sugli angoli.</p>"
                       "<a href=\"seconda.htm\">avanti</a></body></html>"));
    QVERIFY(ScriviFile(cartella + QStringLiteral("/seconda.htm"),
                       "<html><body><p>Pagina seguente.</p></body></html>"));

    const Help finestra(cartella);
    auto* browser = Figlio<QTextBrowser>(finestra, "Browser");
    QCOMPARE(browser->geometry(), QRect(4, 4, 653, 685));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Le carte salgono sugli angoli.")));
    QVERIFY(browser->source().isLocalFile());
    QCOMPARE(browser->source().toLocalFile(), cartella + QStringLiteral("/Solvintra.htm"));

    // A link relative to the page must find its neighbour in the same odd folder.
    browser->setSource(QUrl(QStringLiteral("seconda.htm")));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Pagina seguente.")));
}

void TestWindows::helpPaginaIllegibile_data() {
    QTest::addColumn<QString>("problema");

    QTest::newRow("no page") << "mancante";
    QTest::newRow("a folder in its place") << "cartella";
    QTest::newRow("no permission to read") << "permessi";
}

void TestWindows::helpPaginaIllegibile() {
    QFETCH(QString, problema);

    QTemporaryDir cartella;
    QVERIFY(cartella.isValid());
    const QString pagina = cartella.filePath(QStringLiteral("Solvintra.htm"));
    if (problema == QLatin1String("cartella"))
        QVERIFY(QDir().mkdir(pagina));
    if (problema == QLatin1String("permessi")) {
        QVERIFY(ScriviFile(pagina, "<p>segreto</p>"));
        QVERIFY(QFile::setPermissions(pagina, QFile::WriteOwner));
        if (QFile(pagina).open(QIODevice::ReadOnly))
            QSKIP("running with rights that read any file");
    }

    Help finestra(cartella.path());
    Mostra(finestra);
    const QString testo = Figlio<QTextBrowser>(finestra, "Browser")->toPlainText();
    QVERIFY2(testo.startsWith(QStringLiteral("Impossibile aprire le regole del gioco")),
             qPrintable(testo));
    QVERIFY(testo.contains(pagina));
    QVERIFY(!testo.contains(QStringLiteral("segreto")));
    QVERIFY(finestra.close());
    QVERIFY(!finestra.isVisible());
}

void TestWindows::helpPaginaDelGioco() {
    const QString cartella = qEnvironmentVariable("SOLVINTRA_IMMAGINI");
    if (!QFile::exists(cartella + QStringLiteral("/Solvintra.htm")))
        QSKIP("the game's rules page has not been built");
    const Help finestra(cartella);
    const auto* browser = Figlio<QTextBrowser>(finestra, "Browser");
    QVERIFY(browser->source().isLocalFile());
    QVERIFY(!browser->toPlainText().trimmed().isEmpty());
    QVERIFY(!browser->toPlainText().startsWith(QStringLiteral("Impossibile")));
}

void TestWindows::aboutVersione() {
    const About finestra;
    QCOMPARE(Testo(finestra, "lbVersione"), QStringLiteral("1.0.3.0"));
    const QLabel* avviso = Figlio<QLabel>(finestra, "Label1");
    QVERIFY(avviso->text().contains(QStringLiteral("2007")));
    QCOMPARE(Figlio<QLabel>(finestra, "lbVersione")->y(), avviso->y());
    QVERIFY(avviso->geometry().right() < Figlio<QLabel>(finestra, "lbVersione")->x());
    const QLabel* logo = Figlio<QLabel>(finestra, "Image1");
    QCOMPARE(logo->geometry(), QRect(16, 12, 164, 50));
    QCOMPARE(logo->pixmap().size(), QSize(164, 50));
}

void TestWindows::aboutMouse_data() {
    QTest::addColumn<QString>("bersaglio");
    QTest::addColumn<int>("pulsante");
    QTest::addColumn<bool>("chiude");

    const int muovi = Qt::NoButton;
    QTest::newRow("move over the background") << "" << muovi << true;
    QTest::newRow("move over the logo") << "Image1" << muovi << true;
    QTest::newRow("left press on the background") << "" << int(Qt::LeftButton) << true;
    QTest::newRow("right press on the logo") << "Image1" << int(Qt::RightButton) << true;
    QTest::newRow("move over the version") << "lbVersione" << muovi << false;
    QTest::newRow("move over the notice") << "Label1" << muovi << false;
    QTest::newRow("move over a credit") << "Label3" << muovi << false;
    QTest::newRow("left press on a credit") << "Label2" << int(Qt::LeftButton) << false;
    QTest::newRow("right press on the version") << "lbVersione" << int(Qt::RightButton) << false;
}

void TestWindows::aboutMouse() {
    QFETCH(QString, bersaglio);
    QFETCH(int, pulsante);
    QFETCH(bool, chiude);

    About finestra;
    Mostra(finestra);
    ProvaMouse(finestra, bersaglio, QPoint(300, 40), pulsante, chiude);
}

void TestWindows::vintoScritta() {
    const Vinto finestra;
    const QLabel* scritta = Figlio<QLabel>(finestra, "Label1");
    QCOMPARE(scritta->text(), QStringLiteral("Congratulazioni, hai vinto !"));
    QCOMPARE(scritta->pos(), QPoint(52, 36));
    QCOMPARE(scritta->size(), scritta->sizeHint());
    QVERIFY(QRect(QPoint(), finestra.size()).contains(scritta->geometry()));
    QCOMPARE(scritta->font().family(), QStringLiteral("Arial Black"));
    QCOMPARE(scritta->font().pointSizeF(), 14.25);
    // Heavy on screen whatever fonts are installed: over 1.6 times the ink of plain
    // Arial (a normal-weight stand-in gives about 1.3).
    QFont semplice(QStringLiteral("Arial"));
    semplice.setPointSizeF(scritta->font().pointSizeF());
    const int pesante = Inchiostro(scritta->text(), scritta->font());
    const int normale = Inchiostro(scritta->text(), semplice);
    QVERIFY2(pesante * 5 > normale * 8, qPrintable(u"%1 against %2"_s.arg(pesante).arg(normale)));
    QCOMPARE(scritta->palette().color(QPalette::WindowText), QColor(64, 64, 64));
    QVERIFY(!scritta->autoFillBackground());
}

void TestWindows::vintoMouse_data() {
    QTest::addColumn<QString>("bersaglio");
    QTest::addColumn<int>("pulsante");
    QTest::addColumn<bool>("chiude");

    QTest::newRow("right press on the message") << "Label1" << int(Qt::RightButton) << true;
    QTest::newRow("left press on the message") << "Label1" << int(Qt::LeftButton) << true;
    QTest::newRow("middle press on the window") << "" << int(Qt::MiddleButton) << true;
    QTest::newRow("move over the message") << "Label1" << int(Qt::NoButton) << false;
    QTest::newRow("move over the window") << "" << int(Qt::NoButton) << false;
}

void TestWindows::vintoMouse() {
    QFETCH(QString, bersaglio);
    QFETCH(int, pulsante);
    QFETCH(bool, chiude);

    Vinto finestra;
    Mostra(finestra);
    ProvaMouse(finestra, bersaglio, QPoint(10, 90), pulsante, chiude);
}

void TestWindows::confermaConRisponditore_data() {
    QTest::addColumn<bool>("risposta");
    QTest::newRow("si'") << true;
    QTest::newRow("no") << false;
}

void TestWindows::confermaConRisponditore() {
    QFETCH(bool, risposta);
    QString chiesto;
    TMessaggi::ImpostaRisponditore([&](const QString& testo) {
        chiesto = testo;
        return risposta;
    });
    bool mostrato = false;
    AlProssimoBox([&](QMessageBox& box) {
        mostrato = true;
        box.reject();
    });
    QCOMPARE(TMessaggi::Conferma(nullptr, Domanda), risposta);
    QCOMPARE(chiesto, Domanda);
    QVERIFY(!mostrato);
}

void TestWindows::erroreConOsservatore() {
    const QString testo = QStringLiteral("Impossibile caricare \"Posto.bmp\": file mancante");
    QString osservato;
    TMessaggi::ImpostaOsservatoreErrori([&](const QString& messaggio) { osservato = messaggio; });
    bool mostrato = false;
    AlProssimoBox([&](QMessageBox& box) {
        mostrato = true;
        box.accept();
    });
    CatturaStderr cattura;
    TMessaggi::Errore(nullptr, testo);
    QCOMPARE(QString::fromUtf8(cattura.Testo()), "Solvintra: " + testo + "\n");
    QCOMPARE(osservato, testo);
    QVERIFY(!mostrato);
}

void TestWindows::confermaMostrata_data() {
    QTest::addColumn<QString>("gesto");
    QTest::addColumn<bool>("atteso");
    QTest::newRow("si'") << "si" << true;
    QTest::newRow("no") << "no" << false;
    QTest::newRow("invio sceglie si'") << "invio" << true;
    QTest::newRow("esc") << "esc" << false;
    QTest::newRow("chiusura") << "chiudi" << false;
}

void TestWindows::confermaMostrata() {
    TMessaggi::ImpostaRisponditore({});
    QFETCH(QString, gesto);
    QFETCH(bool, atteso);
    QString titolo;
    QString testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons pulsanti;
    bool siPredefinito = false;
    AlProssimoBox([&](QMessageBox& box) {
        titolo = box.windowTitle();
        testo = box.text();
        icona = box.icon();
        pulsanti = box.standardButtons();
        siPredefinito = box.defaultButton() == box.button(QMessageBox::Yes);
        if (gesto == "si" || gesto == "no") {
            box.button(gesto == "si" ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (gesto == "chiudi") {
            box.close();
        } else {
            QTest::keyClick(&box, gesto == "invio" ? Qt::Key_Return : Qt::Key_Escape);
        }
    });
    QCOMPARE(TMessaggi::Conferma(nullptr, Domanda), atteso);
    QCOMPARE(titolo, QString("Solvintra"));
    QCOMPARE(testo, Domanda);
    QCOMPARE(icona, QMessageBox::Question);
    QCOMPARE(pulsanti, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(siPredefinito);
}

void TestWindows::erroreMostrato() {
    const QString testo = QStringLiteral("Immagine non valida: mask.bmp");
    QString titolo;
    QString mostrato;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    AlProssimoBox([&](QMessageBox& box) {
        titolo = box.windowTitle();
        mostrato = box.text();
        icona = box.icon();
        box.accept();
    });
    CatturaStderr cattura;
    TMessaggi::Errore(nullptr, testo);
    QCOMPARE(QString::fromUtf8(cattura.Testo()), "Solvintra: " + testo + "\n");
    QCOMPARE(titolo, QString("Solvintra"));
    QCOMPARE(mostrato, testo);
    QCOMPARE(icona, QMessageBox::Critical);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
