// Checks the pictures and the rules page that the build writes into Immagini/,
// and the pictures built into the game.

// Qt
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr QSize Carta(69, 125);
constexpr QSize Tavolo(1024, 768);
constexpr QRgb Rosso = qRgb(255, 0, 0);
constexpr int NumeroFacce = 40;
constexpr int Doppia = 2;
const QStringList Speciali{"mask.bmp", "Xx.bmp", "Posto.bmp"};

// "Xx@2x.bmp" for "Xx.bmp".
QString NomeDoppio(const QString& nome) {
    const qsizetype punto = nome.lastIndexOf('.');
    return nome.left(punto) + QStringLiteral("@2x") + nome.mid(punto);
}

QString Cartella() {
    return qEnvironmentVariable("SOLVINTRA_IMMAGINI");
}

QString Percorso(const QString& nome) {
    return Cartella() + '/' + nome;
}

QImage Leggi(const QString& nome) {
    return QImage(Percorso(nome)).convertToFormat(QImage::Format_RGB32);
}

QString NomeFaccia(int numero) {
    return QStringLiteral("%1%2.bmp").arg(numero / 10).arg(numero % 10);
}

// Every card picture: the 40 faces, then the mask, the back and the place mark.
QStringList CarteTutte() {
    QStringList nomi;
    for (int numero = 0; numero < NumeroFacce; ++numero) {
        nomi << NomeFaccia(numero);
    }
    return nomi + Speciali;
}

// The mean difference of two pictures' channels over the pixels the 1x mask keeps.
double Scarto(const QImage& a, const QImage& b, const QImage& maschera) {
    qint64 somma = 0;
    qint64 pixel = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (maschera.pixel(x, y) != Rosso) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                somma += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                         std::abs(qBlue(p) - qBlue(q));
                pixel += 3;
            }
        }
    }
    return double(somma) / double(pixel);
}

int BitPerPixelBmp(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray testa = file.read(30);
    if (testa.size() < 30 || !testa.startsWith("BM")) {
        return -1;
    }
    return qFromLittleEndian<quint16>(testa.constData() + 28);
}

// Distance of a pixel's centre outside the card's rounded outline (negative inside).
double FuoriDalContorno(int x, int y, double raggio) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double cx = std::clamp(px, raggio, Carta.width() - raggio);
    const double cy = std::clamp(py, raggio, Carta.height() - raggio);
    const bool angolo = cx != px && cy != py;
    if (angolo) {
        return std::hypot(px - cx, py - cy) - raggio;
    }
    return -std::min({px, py, Carta.width() - px, Carta.height() - py});
}

} // namespace

class TestImmagini : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void file_data();
    void file();
    void maschera_data();
    void maschera();
    void mascheraSegueIlContorno();
    void carteVisibiliSenzaRosso_data();
    void carteVisibiliSenzaRosso();
    void facceTutteDiverse();
    void tavoloVerde();
    void disegniNonPiatti_data();
    void disegniNonPiatti();
    void generatore_data();
    void generatore();
    void regole_data();
    void regole();
    void regoleNellaFinestra();
    void risorse_data();
    void risorse();
    void manoSulPuntoCaldo_data();
    void manoSulPuntoCaldo();
    void mascheraDoppia();
    void doppieComeSemplici_data();
    void doppieComeSemplici();
};

void TestImmagini::initTestCase() {
    QVERIFY2(!Cartella().isEmpty(), "SOLVINTRA_IMMAGINI is not set");
    QVERIFY2(QDir(Cartella()).exists(), qPrintable(Cartella()));
}

void TestImmagini::file_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QByteArray>("formato");
    QTest::addColumn<QSize>("dimensioni");
    for (int numero = 0; numero < NumeroFacce; ++numero) {
        const QString nome = NomeFaccia(numero);
        QTest::newRow(qPrintable(nome)) << nome << QByteArray("bmp") << Carta;
    }
    for (const char* nome : {"mask.bmp", "Xx.bmp", "Posto.bmp"}) {
        QTest::newRow(nome) << QString(nome) << QByteArray("bmp") << Carta;
    }
    QTest::newRow("tavolo.jpg") << QStringLiteral("tavolo.jpg") << QByteArray("jpeg") << Tavolo;
    for (const QString& nome : CarteTutte()) {
        QTest::newRow(qPrintable(NomeDoppio(nome)))
            << NomeDoppio(nome) << QByteArray("bmp") << Carta * Doppia;
    }
    for (const int scala : {1, Doppia}) {
        const QString nome = scala == 1 ? QStringLiteral("trama.bmp") : NomeDoppio("trama.bmp");
        QTest::newRow(qPrintable(nome)) << nome << QByteArray("bmp") << QSize(192, 192) * scala;
    }
}

void TestImmagini::file() {
    QFETCH(QString, nome);
    QFETCH(QByteArray, formato);
    QFETCH(QSize, dimensioni);
    // Exact names: the game opens them by name on a case-sensitive file system.
    QVERIFY2(QDir(Cartella()).entryList(QDir::Files).contains(nome), qPrintable(nome));
    QImageReader lettore(Percorso(nome));
    QCOMPARE(lettore.format(), formato);
    QCOMPARE(lettore.read().size(), dimensioni);
    if (formato == "bmp") {
        QCOMPARE(BitPerPixelBmp(Percorso(nome)), 24);
    }
}

void TestImmagini::maschera_data() {
    QTest::addColumn<QPoint>("punto");
    QTest::addColumn<bool>("rosso");
    const int destra = Carta.width() - 1;
    const int basso = Carta.height() - 1;
    QTest::newRow("top left corner") << QPoint(0, 0) << true;
    QTest::newRow("top right corner") << QPoint(destra, 0) << true;
    QTest::newRow("bottom left corner") << QPoint(0, basso) << true;
    QTest::newRow("bottom right corner") << QPoint(destra, basso) << true;
    QTest::newRow("inside the top left arc") << QPoint(1, 1) << true;
    QTest::newRow("centre") << QPoint(34, 62) << false;
    QTest::newRow("middle of the top edge") << QPoint(34, 0) << false;
    QTest::newRow("middle of the bottom edge") << QPoint(34, basso) << false;
    QTest::newRow("middle of the left edge") << QPoint(0, 62) << false;
    QTest::newRow("middle of the right edge") << QPoint(destra, 62) << false;
    QTest::newRow("top edge past the arc") << QPoint(8, 0) << false;
    QTest::newRow("left edge past the arc") << QPoint(0, 8) << false;
}

void TestImmagini::maschera() {
    QFETCH(QPoint, punto);
    QFETCH(bool, rosso);
    QCOMPARE(Leggi("mask.bmp").pixel(punto) == Rosso, rosso);
}

void TestImmagini::mascheraSegueIlContorno() {
    // A rounded outline of radius 5 to 7: red well outside it, never red well
    // inside, and the same seen from every side.
    const QImage maschera = Leggi("mask.bmp");
    QCOMPARE(maschera.size(), Carta);
    QCOMPARE(maschera.mirrored(true, false), maschera);
    QCOMPARE(maschera.mirrored(false, true), maschera);
    for (int y = 0; y < Carta.height(); ++y) {
        for (int x = 0; x < Carta.width(); ++x) {
            const bool rosso = maschera.pixel(x, y) == Rosso;
            if (!rosso && FuoriDalContorno(x, y, 5.0) > 0.75) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2) not red").arg(x).arg(y)));
            }
            if (rosso && FuoriDalContorno(x, y, 7.0) < -0.75) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2) red").arg(x).arg(y)));
            }
        }
    }
}

void TestImmagini::carteVisibiliSenzaRosso_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("maschera");
    for (const QString& nome : CarteTutte()) {
        if (nome != "mask.bmp") {
            QTest::newRow(qPrintable(nome)) << nome << QStringLiteral("mask.bmp");
            QTest::newRow(qPrintable(NomeDoppio(nome)))
                << NomeDoppio(nome) << QStringLiteral("mask@2x.bmp");
        }
    }
}

void TestImmagini::carteVisibiliSenzaRosso() {
    // The card control cuts away every pure red pixel of the mask; a pure red
    // inside a picture would punch a hole in the card.
    QFETCH(QString, nome);
    QFETCH(QString, maschera);
    const QImage forma = Leggi(maschera);
    const QImage carta = Leggi(nome);
    QCOMPARE(carta.size(), forma.size());
    int visibili = 0;
    for (int y = 0; y < carta.height(); ++y) {
        for (int x = 0; x < carta.width(); ++x) {
            if (forma.pixel(x, y) != Rosso) {
                ++visibili;
                if (carta.pixel(x, y) == Rosso) {
                    QFAIL(qPrintable(QStringLiteral("(%1, %2) is red").arg(x).arg(y)));
                }
            }
        }
    }
    QVERIFY(visibili > carta.width() * carta.height() * 9 / 10);
}

void TestImmagini::facceTutteDiverse() {
    QList<QImage> facce;
    for (int numero = 0; numero < NumeroFacce; ++numero) {
        facce << Leggi(NomeFaccia(numero));
    }
    const QImage dorso = Leggi("Xx.bmp");
    for (int i = 0; i < NumeroFacce; ++i) {
        QVERIFY2(facce[i] != dorso, qPrintable(NomeFaccia(i)));
        for (int j = i + 1; j < NumeroFacce; ++j) {
            QVERIFY2(facce[i] != facce[j], qPrintable(NomeFaccia(i) + " equals " + NomeFaccia(j)));
        }
    }
}

void TestImmagini::tavoloVerde() {
    // The cloth must match the window's own green, which shows at its edges.
    const QImage tavolo = Leggi("tavolo.jpg");
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < tavolo.height(); ++y) {
        for (int x = 0; x < tavolo.width(); ++x) {
            const QRgb c = tavolo.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
    }
    const qint64 n = qint64(tavolo.width()) * tavolo.height();
    QVERIFY2(std::abs(r / n - 62) <= 12, qPrintable(QString::number(r / n)));
    QVERIFY2(std::abs(g / n - 106) <= 12, qPrintable(QString::number(g / n)));
    QVERIFY2(b / n <= 12, qPrintable(QString::number(b / n)));
}

void TestImmagini::disegniNonPiatti_data() {
    // A flat fill would pass every size check: the back must carry a pattern
    // and the cloth a faint weave, but only a faint one.
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("minimoColori");
    QTest::addColumn<double>("massimoScarto");
    QTest::newRow("back") << QStringLiteral("Xx.bmp") << 12 << 255.0;
    QTest::newRow("cloth") << QStringLiteral("tavolo.jpg") << 12 << 20.0;
}

void TestImmagini::disegniNonPiatti() {
    QFETCH(QString, nome);
    QFETCH(int, minimoColori);
    QFETCH(double, massimoScarto);
    const QImage immagine = Leggi(nome);
    QSet<QRgb> colori;
    double somma = 0, somma2 = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            const QRgb c = immagine.pixel(x, y);
            colori.insert(c);
            somma += qGray(c);
            somma2 += double(qGray(c)) * qGray(c);
        }
    }
    const double n = double(immagine.width()) * immagine.height();
    const double scarto = std::sqrt(somma2 / n - (somma / n) * (somma / n));
    QVERIFY2(colori.size() >= minimoColori, qPrintable(QString::number(colori.size())));
    QVERIFY2(scarto > 1.0 && scarto <= massimoScarto, qPrintable(QString::number(scarto)));
}

void TestImmagini::generatore_data() {
    // A failed run must leave the folder that was there untouched; a good run
    // replaces it whole, with no stale file left over.
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("esito");
    QTest::addColumn<bool>("vecchioRimasto");
    // Where the run keeps its settings, inside the temporary folder; empty for
    // the test's own. A new user's may be deep and not made yet.
    QTest::addColumn<QString>("configurazione");
    const QString pagina = Percorso("Solvintra.htm");
    QTest::newRow("good run") << QStringList{"cartella", "@", pagina} << 0 << false << QString();
    QTest::newRow("good run, deep settings folder not made yet")
        << QStringList{"cartella", "@", pagina} << 0 << false
        << QString("impostazioni-di-un-nuovo-utente/").repeated(6);
    QTest::newRow("missing rules page")
        << QStringList{"cartella", "@", "/nonexistent/Solvintra.htm"} << 1 << true << QString();
    QTest::newRow("empty rules page")
        << QStringList{"cartella", "@", "/dev/null"} << 1 << true << QString();
    QTest::newRow("unknown command") << QStringList{"tutto", "@"} << 2 << true << QString();
    QTest::newRow("missing argument") << QStringList{"cartella", "@"} << 2 << true << QString();
}

void TestImmagini::generatore() {
    QFETCH(QStringList, argomenti);
    QFETCH(int, esito);
    QFETCH(bool, vecchioRimasto);
    QFETCH(QString, configurazione);
    QTemporaryDir temporanea;
    QVERIFY(temporanea.isValid());
    const QString cartella = temporanea.filePath("Immagini");
    QVERIFY(QDir().mkpath(cartella));
    QFile vecchio(cartella + "/vecchio.txt");
    QVERIFY(vecchio.open(QIODevice::WriteOnly));
    vecchio.close();
    argomenti.replaceInStrings("@", cartella);

    QProcess generatore;
    if (!configurazione.isEmpty()) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("XDG_CONFIG_HOME", temporanea.filePath(configurazione));
        generatore.setProcessEnvironment(ambiente);
    }
    generatore.start(QStringLiteral(GENERATORE), argomenti);
    QVERIFY(generatore.waitForFinished(60000));
    QCOMPARE(generatore.exitStatus(), QProcess::NormalExit);
    QVERIFY2(generatore.exitCode() == esito, generatore.readAllStandardError().constData());
    QCOMPARE(QFile::exists(cartella + "/vecchio.txt"), vecchioRimasto);
    const QStringList scritti = QDir(cartella).entryList(QDir::Files);
    // Each card picture and the tile of the weave twice, 1x and 2x, the whole
    // cloth and the rules page.
    QCOMPARE(scritti.size(), esito == 0 ? 2 * (NumeroFacce + 4) + 2 : 1);
    QCOMPARE(QDir(temporanea.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{"Immagini"});
}

void TestImmagini::regole_data() {
    QTest::addColumn<QString>("testo");
    const char* testi[] = {"Partita",
                           "Nuova partita",
                           "F2",
                           "Ricomincia questa partita",
                           "Annulla mossa",
                           "Ctrl+Z",
                           "Statistiche...",
                           "F4",
                           "Esci",
                           "Regole del gioco...",
                           "F1",
                           "Informazionu su Solvintra...",
                           "Abbandonare la partita?",
                           "asso",
                           "dieci",
                           "doppio clic"};
    for (const char* testo : testi) {
        QTest::newRow(testo) << QString::fromUtf8(testo);
    }
}

void TestImmagini::regole() {
    QFETCH(QString, testo);
    QFile pagina(Percorso("Solvintra.htm"));
    QVERIFY(pagina.open(QIODevice::ReadOnly));
    QTextDocument documento;
    documento.setHtml(QString::fromUtf8(pagina.readAll()));
    const QString contenuto = documento.toPlainText();
    QVERIFY2(contenuto.size() > 3000, qPrintable(QString::number(contenuto.size())));
    QVERIFY2(!contenuto.contains(QChar::ReplacementCharacter), "the page is not UTF-8");
    QVERIFY2(contenuto.contains(QStringLiteral("è")), "accents lost");
    QVERIFY2(contenuto.contains(testo, Qt::CaseInsensitive), qPrintable(testo));
}

void TestImmagini::regoleNellaFinestra() {
    // The rules window shows the page in a frame 653 pixels wide: nothing may
    // need a horizontal scroll bar.
    constexpr int larghezzaRiquadro = 653;
    constexpr int barraDiScorrimento = 20;
    QFile pagina(Percorso("Solvintra.htm"));
    QVERIFY(pagina.open(QIODevice::ReadOnly));
    QTextDocument documento;
    documento.setHtml(QString::fromUtf8(pagina.readAll()));
    documento.setTextWidth(larghezzaRiquadro - barraDiScorrimento);
    QVERIFY2(documento.idealWidth() <= larghezzaRiquadro - barraDiScorrimento,
             qPrintable(QString::number(documento.idealWidth())));
}

void TestImmagini::risorse_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("dimensioni");
    QTest::newRow("sfondo") << QStringLiteral(":/immagini/sfondo.jpg") << Tavolo;
    for (int lato : {16, 24, 32, 48, 64, 128, 256}) {
        QTest::newRow(qPrintable(QStringLiteral("icona %1").arg(lato)))
            << QStringLiteral(":/immagini/icona_%1.png").arg(lato) << QSize(lato, lato);
    }
    QTest::newRow("logo") << QStringLiteral(":/immagini/logo.png") << QSize(164, 50);
    QTest::newRow("mano") << QStringLiteral(":/immagini/mano.png") << QSize(32, 32);
    QTest::newRow("logo@2x") << QStringLiteral(":/immagini/logo@2x.png") << QSize(328, 100);
    QTest::newRow("mano@2x") << QStringLiteral(":/immagini/mano@2x.png") << QSize(64, 64);
}

void TestImmagini::risorse() {
    QFETCH(QString, nome);
    QFETCH(QSize, dimensioni);
    QVERIFY2(QFile(nome).exists(), qPrintable(nome));
    QCOMPARE(QImage(nome).size(), dimensioni);
}

void TestImmagini::manoSulPuntoCaldo_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("scala");
    QTest::newRow("1x") << QStringLiteral(":/immagini/mano.png") << 1;
    QTest::newRow("2x") << QStringLiteral(":/immagini/mano@2x.png") << Doppia;
}

void TestImmagini::manoSulPuntoCaldo() {
    // The card control puts the pointer's hot spot at (12, 10) of the 1x
    // hand, the same logical place at 2x: it must lie on the hand, whose edges
    // are black and whose inside is white.
    QFETCH(QString, nome);
    QFETCH(int, scala);
    const QImage mano = QImage(nome).convertToFormat(QImage::Format_ARGB32);
    const int lato = 32 * scala;
    QCOMPARE(mano.size(), QSize(lato, lato));
    for (int dx = 0; dx < scala; ++dx) {
        for (int dy = 0; dy < scala; ++dy) {
            QCOMPARE(qAlpha(mano.pixel(12 * scala + dx, 10 * scala + dy)), 255);
        }
    }
    QCOMPARE(qAlpha(mano.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(mano.pixel(lato - 1, lato - 1)), 0);
    int neri = 0, bianchi = 0;
    for (int y = 0; y < mano.height(); ++y) {
        for (int x = 0; x < mano.width(); ++x) {
            const QRgb c = mano.pixel(x, y);
            neri += qAlpha(c) == 255 && qGray(c) < 64;
            bianchi += qAlpha(c) == 255 && qGray(c) > 224;
        }
    }
    QVERIFY(neri > 40 * scala * scala);
    QVERIFY(bianchi > 100 * scala * scala);
}

void TestImmagini::mascheraDoppia() {
    // The 2x mask smooths the 1x outline and nothing more: red, white and
    // shades between them only; the same seen from every side; and, seen in
    // 1x pixels (one is kept when any of its four is), exactly the 1x shape,
    // so the pointer finds the card where it always did.
    const QImage semplice = Leggi("mask.bmp");
    const QImage doppia = Leggi("mask@2x.bmp");
    QCOMPARE(doppia.size(), Carta * Doppia);
    QCOMPARE(doppia.mirrored(true, false), doppia);
    QCOMPARE(doppia.mirrored(false, true), doppia);
    int sfumature = 0;
    for (int y = 0; y < doppia.height(); ++y) {
        for (int x = 0; x < doppia.width(); ++x) {
            const QRgb c = doppia.pixel(x, y);
            if (qRed(c) != 255 || qGreen(c) != qBlue(c)) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
            sfumature += qGreen(c) != 0 && qGreen(c) != 255;
        }
    }
    for (int y = 0; y < Carta.height(); ++y) {
        for (int x = 0; x < Carta.width(); ++x) {
            bool tenuto = false;
            for (int d = 0; d < Doppia * Doppia; ++d) {
                tenuto |= doppia.pixel(Doppia * x + d % Doppia, Doppia * y + d / Doppia) != Rosso;
            }
            if (tenuto != (semplice.pixel(x, y) != Rosso)) {
                QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        }
    }
    // Each of the four arcs is smoothed over several pixels; the straight
    // edges lie on pixel boundaries and need no shade.
    QVERIFY2(sfumature >= 4 * 8, qPrintable(QString::number(sfumature)));
    QCOMPARE(doppia.pixel(0, Carta.height()), qRgb(255, 255, 255));
    QCOMPARE(doppia.pixel(Carta.width(), 0), qRgb(255, 255, 255));
}

void TestImmagini::doppieComeSemplici_data() {
    QTest::addColumn<QString>("nome");
    for (const QString& nome : CarteTutte()) {
        QTest::newRow(qPrintable(nome)) << nome;
    }
}

void TestImmagini::doppieComeSemplici() {
    // Shrunk to 1x, each 2x picture is its own 1x picture drawn finer: nearer
    // to it than to any other card, so no file carries another's name.
    QFETCH(QString, nome);
    const QImage maschera = Leggi("mask.bmp");
    const QImage ridotta = Leggi(NomeDoppio(nome))
                               .scaled(Carta, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB32);
    const double propria = Scarto(ridotta, Leggi(nome), maschera);
    QVERIFY2(propria < 16, qPrintable(QString::number(propria)));
    for (const QString& altra : CarteTutte()) {
        if (altra != nome) {
            const double scarto = Scarto(ridotta, Leggi(altra), maschera);
            QVERIFY2(scarto > propria, qPrintable(altra + ": " + QString::number(scarto)));
        }
    }
}

QTEST_MAIN(TestImmagini)
#include "tst_immagini.moc"
