// Bad input from outside the program: damaged pictures beside the real
// executable, and settings files of shapes a person's disk can hold.
#include "timmagini.h"
#include "timpostazioni.h"
#include "tscheggia.h"
#include "tstatistiche.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// Slow machines and the sanitizers start the game in seconds; a hang takes longer.
constexpr int AttesaAvvioMs = 60000;
// Copies of the game started at once, to keep the run short on two cores.
constexpr std::size_t CopieInsieme = 4;
// Reading a settings file takes milliseconds, even under the sanitizers.
constexpr int AttesaLetturaMs = 10000;

using Guasto = std::function<void(const QString& originale, const QString& guasto)>;

QByteArray Leggi(const QString& percorso) {
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Scrivi(const QString& percorso, const QByteArray& testo) {
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(testo), testo.size());
}

// A BMP header that promises width x height pixels, followed by almost nothing.
QByteArray IntestazioneBmp(qint32 larghezza, qint32 altezza) {
    QByteArray bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<quint32>(54 + 16, bmp.data() + 2);
    qToLittleEndian<quint32>(54, bmp.data() + 10);
    qToLittleEndian<quint32>(40, bmp.data() + 14);
    qToLittleEndian<qint32>(larghezza, bmp.data() + 18);
    qToLittleEndian<qint32>(altezza, bmp.data() + 22);
    qToLittleEndian<quint16>(1, bmp.data() + 26);
    qToLittleEndian<quint16>(24, bmp.data() + 28);
    return bmp + QByteArray(16, '\x7f');
}

QStringList ImmaginiRichieste() {
    QStringList nomi{"mask.bmp", "Xx.bmp", "Posto.bmp"};
    for (std::int16_t numero = 0; numero < TImmagini::NumeroFacce; ++numero) {
        nomi << TImmagini::NomeFaccia(numero);
    }
    return nomi;
}

// Where the copies of the game go. Each holds a hundred links, some four
// hundred are made and removed, and on a disk's file system finding room for
// so many new files took more processor time than the games themselves:
// memory-backed storage, when there is some that may run programs.
QString CartellaCopie() {
    static const QString cartella = [] {
        const QByteArray memoria("/dev/shm");
        struct statvfs stato {};
        if (::access(memoria.constData(), W_OK) == 0 &&
            ::statvfs(memoria.constData(), &stato) == 0 && (stato.f_flag & ST_NOEXEC) == 0) {
            return QString::fromLatin1(memoria);
        }
        return QStringLiteral(SOLVINTRA_TEMPORANEI);
    }();
    return cartella;
}

// The game as installed: its executable beside a folder Immagini in which one
// file is damaged. Links keep the copies cheap; the executable is copied when
// the copies lie on another file system.
class TCopiaGioco {
public:
    TCopiaGioco(const QString& nome, const Guasto& guasto) : nome(nome) {
        const QDir cartella(radice.path());
        // Not a symbolic link: the game looks for its pictures beside its real path.
        const QByteArray da = QFile::encodeName(QStringLiteral(SOLVINTRA_ESEGUIBILE));
        const QString eseguibile = cartella.filePath("solvintra");
        if (::link(da.constData(), QFile::encodeName(eseguibile).constData()) != 0) {
            QFile::copy(QString::fromLocal8Bit(da), eseguibile);
        }
        const QDir immagini(QStringLiteral(SOLVINTRA_IMMAGINI));
        cartella.mkdir("Immagini");
        for (const QString& file : immagini.entryList(QDir::Files)) {
            if (file != nome) {
                QFile::link(immagini.filePath(file), cartella.filePath("Immagini/" + file));
            }
        }
        guasto(immagini.filePath(nome), cartella.filePath("Immagini/" + nome));
    }

    void Avvia() {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("QT_QPA_PLATFORM", "offscreen");
        ambiente.insert("QT_PLUGIN_PATH", QStringLiteral(SOLVINTRA_SONDA));
        ambiente.insert("QT_QPA_GENERIC_PLUGINS", "sonda");
        ambiente.insert("XDG_CONFIG_HOME", QDir(radice.path()).filePath("config"));
        processo.setProcessEnvironment(ambiente);
        processo.start(QDir(radice.path()).filePath("solvintra"), {});
    }

    // What went wrong, or nothing when the game refused to start as it should:
    // a normal exit, not zero, with the file named on stderr and in a box.
    QString Rifiuto() {
        if (!processo.waitForFinished(AttesaAvvioMs)) {
            const bool inCorsa = processo.state() != QProcess::NotRunning;
            processo.kill();
            processo.waitForFinished();
            return nome +
                   (inCorsa ? ": still running after a minute" : ": " + processo.errorString());
        }
        const QString uscita = QString::fromLocal8Bit(processo.readAllStandardOutput());
        const QString errori = QString::fromLocal8Bit(processo.readAllStandardError());
        const QString atteso = QDir::toNativeSeparators("Immagini/" + nome);
        // The sanitizers end a program with the same status as a refusal.
        if (processo.exitStatus() != QProcess::NormalExit || errori.contains("Sanitizer") ||
            errori.contains("runtime error")) {
            return nome + ": crashed\n" + errori;
        }
        if (processo.exitCode() == 0) {
            return nome + ": the game started";
        }
        if (!errori.contains(atteso) || !uscita.contains("sonda: messaggio") ||
            !uscita.contains(atteso)) {
            return nome + ": no message naming the file\n" + uscita + errori;
        }
        return {};
    }

    // Whether the game reached its first paint and ended cleanly.
    bool Avviato() {
        return processo.waitForFinished(AttesaAvvioMs) &&
               processo.exitStatus() == QProcess::NormalExit && processo.exitCode() == 0 &&
               processo.readAllStandardOutput().contains("sonda: dipinta");
    }

private:
    QTemporaryDir radice{QDir(CartellaCopie()).filePath("gioco-XXXXXX")};
    QString nome;
    QProcess processo;
};

// The settings file of the game, written in a given shape.
using Forma = std::function<void(const QString& file)>;

} // namespace

class TestRobustezza : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void immagineGuasta_data();
    void immagineGuasta();
    void sfondoGuasto_data();
    void sfondoGuasto();
    void formaImpostazioni_data();
    void formaImpostazioni();
    void scheggia_data();
    void scheggia();

private:
    QTemporaryDir configurazione;
};

// Rows wipe the settings folder: never let that be the player's own.
void TestRobustezza::initTestCase() {
    QVERIFY(configurazione.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configurazione.path()));
}

// Every row starts without a settings folder.
void TestRobustezza::init() {
    QDir(QFileInfo(TImpostazioni::PercorsoFile()).absolutePath()).removeRecursively();
}

void TestRobustezza::cleanupTestCase() {
    init();
}

void TestRobustezza::immagineGuasta_data() {
    QTest::addColumn<Guasto>("guasto");
    const auto conTesto = [](std::function<QByteArray(const QByteArray&)> testo) {
        return Guasto(
            [testo](const QString& da, const QString& a) { Scrivi(a, testo(Leggi(da))); });
    };
    const auto conImmagine = [](QSize misura) {
        return Guasto([misura](const QString&, const QString& a) {
            QImage immagine(misura, QImage::Format_RGB32);
            immagine.fill(Qt::white);
            QVERIFY(immagine.save(a, "BMP"));
        });
    };
    QTest::newRow("missing") << Guasto([](const QString&, const QString&) {});
    QTest::newRow("empty") << conTesto([](const QByteArray&) { return QByteArray(); });
    QTest::newRow("truncated to its header")
        << conTesto([](const QByteArray& intero) { return intero.left(54); });
    QTest::newRow("truncated in half")
        << conTesto([](const QByteArray& intero) { return intero.left(intero.size() / 2); });
    QTest::newRow("not a picture")
        << conTesto([](const QByteArray&) { return QByteArray("questa non e' un'immagine\n"); });
    QTest::newRow("absurd size, header only")
        << conTesto([](const QByteArray&) { return IntestazioneBmp(60000, 60000); });
    QTest::newRow("no pixels wide")
        << conTesto([](const QByteArray&) { return IntestazioneBmp(0, 125); });
    QTest::newRow("absurd size, whole picture") << conImmagine(QSize(8192, 2));
    QTest::newRow("another size, whole picture") << conImmagine(QSize(125, 69));
}

// Every required picture in turn: the game refuses to start, says which file,
// and ends by itself with a failure status.
// ctest spreads the pictures over several runs (tests/CMakeLists.txt).
void TestRobustezza::immagineGuasta() {
    QFETCH(Guasto, guasto);
    const std::optional<TScheggia> scheggia = TScheggia::LeggiAmbiente();
    QVERIFY2(scheggia, "SOLVINTRA_SCHEGGIA is not k/n with k < n");
    QStringList nomi;
    const QStringList tutte = ImmaginiRichieste();
    for (qsizetype numero = 0; numero < tutte.size(); ++numero) {
        if (scheggia->Prende(numero)) {
            nomi << tutte[numero];
        }
    }
    QStringList difetti;
    for (qsizetype primo = 0; primo < nomi.size(); primo += CopieInsieme) {
        std::vector<std::unique_ptr<TCopiaGioco>> copie;
        for (qsizetype i = primo; i < std::min(primo + qsizetype(CopieInsieme), nomi.size()); ++i) {
            copie.push_back(std::make_unique<TCopiaGioco>(nomi[i], guasto));
            copie.back()->Avvia();
        }
        for (const auto& copia : copie) {
            if (const QString difetto = copia->Rifiuto(); !difetto.isEmpty()) {
                difetti << difetto;
            }
        }
    }
    QVERIFY2(difetti.isEmpty(), qPrintable(difetti.join('\n')));
}

void TestRobustezza::sfondoGuasto_data() {
    QTest::addColumn<Guasto>("guasto");
    QTest::newRow("nothing damaged")
        << Guasto([](const QString& da, const QString& a) { QVERIFY(QFile::copy(da, a)); });
    QTest::newRow("background missing") << Guasto([](const QString&, const QString&) {});
    QTest::newRow("background empty")
        << Guasto([](const QString&, const QString& a) { Scrivi(a, QByteArray()); });
    QTest::newRow("background truncated")
        << Guasto([](const QString& da, const QString& a) { Scrivi(a, Leggi(da).left(200)); });
    QTest::newRow("background of absurd size") << Guasto(
        [](const QString&, const QString& a) { Scrivi(a, IntestazioneBmp(60000, 60000)); });
}

// The background is optional: whatever became of it, the table is painted.
void TestRobustezza::sfondoGuasto() {
    QFETCH(Guasto, guasto);
    TCopiaGioco copia("tavolo.jpg", guasto);
    copia.Avvia();
    QVERIFY(copia.Avviato());
}

void TestRobustezza::formaImpostazioni_data() {
    QTest::addColumn<Forma>("forma");
    QTest::addColumn<int>("vinte");
    QTest::addColumn<int>("perse");
    QTest::addColumn<int>("vinteDopo");

    const auto testo = [](QByteArray contenuto) {
        return Forma([contenuto](const QString& file) { Scrivi(file, contenuto); });
    };
    const QByteArray voci("[Settings]\nstat0=4\nstat1=5\n");
    QTest::newRow("a link to nowhere")
        << Forma([](const QString& file) { QVERIFY(QFile::link(file + ".altrove", file)); }) << 0
        << 0 << 1;
    QTest::newRow("a link to a folder") << Forma([](const QString& file) {
        QVERIFY(QDir().mkpath(file + ".cartella"));
        QVERIFY(QFile::link(file + ".cartella", file));
    }) << 0 << 0 << 0;
    QTest::newRow("a link to the counts") << Forma([voci](const QString& file) {
        Scrivi(file + ".vero", voci);
        QVERIFY(QFile::link(file + ".vero", file));
    }) << 4 << 5 << 5;
    QTest::newRow("NUL inside a value")
        << testo(QByteArrayLiteral("[Settings]\nstat0=4\0009\nstat1=5\n")) << 0 << 5 << 1;
    QTest::newRow("only NULs") << testo(QByteArray(4096, '\0')) << 0 << 0 << 1;
    QTest::newRow("a megabyte of lines before the counts")
        << testo(QByteArray("voce=valore\n").repeated(90000) + voci) << 4 << 5 << 5;
    QTest::newRow("one line of a megabyte, then the counts")
        << testo(QByteArray(1 << 20, 'x') + '\n' + voci) << 4 << 5 << 5;
    QTest::newRow("a value at the edge")
        << testo("[Settings]\nstat0=32767.999\nstat1=-0\n") << 32767 << 0 << 32767;

    QTest::newRow("a FIFO") << Forma([](const QString& file) {
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    }) << 0 << 0 << 0;
    QTest::newRow("a link to /dev/zero")
        << Forma([](const QString& file) { QVERIFY(QFile::link("/dev/zero", file)); }) << 0 << 0
        << 0;
}

// However the file looks, the counts read as 0..32767 and counting a win
// changes the won games only. The store works on a thread of its own, so that
// one stuck on the file fails the row after a while instead of hanging the run.
void TestRobustezza::formaImpostazioni() {
    QFETCH(Forma, forma);
    QFETCH(int, vinte);
    QFETCH(int, perse);
    QFETCH(int, vinteDopo);
    const QString file = TImpostazioni::PercorsoFile();
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    forma(file);

    // Shared with the thread, which may outlive the row if it is stuck.
    struct Letture {
        std::array<int, 4> conteggi{};
        std::atomic<bool> finite = false;
    };
    const auto letture = std::make_shared<Letture>();
    std::thread([letture] {
        auto& conteggi = letture->conteggi;
        conteggi[0] = TStatistiche::LeggiStatistica(TStatistiche::Vinte);
        conteggi[1] = TStatistiche::LeggiStatistica(TStatistiche::Perse);
        TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
        conteggi[2] = TStatistiche::LeggiStatistica(TStatistiche::Vinte);
        conteggi[3] = TStatistiche::LeggiStatistica(TStatistiche::Perse);
        letture->finite = true;
    }).detach();
    QTRY_VERIFY2_WITH_TIMEOUT(letture->finite, "the store is stuck on the file", AttesaLetturaMs);
    QCOMPARE(letture->conteggi, (std::array{vinte, perse, vinteDopo, perse}));
}

void TestRobustezza::scheggia_data() {
    QTest::addColumn<QByteArray>("testo");
    QTest::addColumn<int>("indice");
    // 0 when the text must be refused.
    QTest::addColumn<int>("numero");
    QTest::newRow("unset: the whole") << QByteArray() << 0 << 1;
    QTest::newRow("the only share") << QByteArray("0/1") << 0 << 1;
    QTest::newRow("the first of two") << QByteArray("0/2") << 0 << 2;
    QTest::newRow("the last of four") << QByteArray("3/4") << 3 << 4;
    QTest::newRow("more shares than pictures") << QByteArray("50/97") << 50 << 97;
    QTest::newRow("index past the last") << QByteArray("4/4") << 0 << 0;
    QTest::newRow("no shares") << QByteArray("0/0") << 0 << 0;
    QTest::newRow("negative index") << QByteArray("-1/4") << 0 << 0;
    QTest::newRow("plus sign") << QByteArray("+1/4") << 0 << 0;
    QTest::newRow("blank") << QByteArray(" 1/4") << 0 << 0;
    QTest::newRow("no slash") << QByteArray("1") << 0 << 0;
    QTest::newRow("two slashes") << QByteArray("1/2/4") << 0 << 0;
    QTest::newRow("letters") << QByteArray("a/b") << 0 << 0;
    QTest::newRow("empty index") << QByteArray("/4") << 0 << 0;
    QTest::newRow("past 32 bits") << QByteArray("1/4294967297") << 0 << 0;
}

// A share takes its own items, and the shares of one split take every item
// exactly once: no picture is left out, none is started twice.
void TestRobustezza::scheggia() {
    QFETCH(QByteArray, testo);
    QFETCH(int, indice);
    QFETCH(int, numero);
    const std::optional<TScheggia> letta = TScheggia::Leggi(testo);
    QCOMPARE(letta.has_value(), numero > 0);
    if (!letta) {
        return;
    }
    QVERIFY(letta->Prende(indice));
    QVERIFY(letta->Prende(indice + 3 * numero));
    QCOMPARE(letta->Prende(indice + 1), numero == 1);
    const qsizetype elementi = 3 * numero + 7;
    std::vector<int> prese(elementi, 0);
    for (int altra = 0; altra < numero; ++altra) {
        const auto parte =
            TScheggia::Leggi(QByteArray::number(altra) + '/' + QByteArray::number(numero));
        QVERIFY(parte);
        for (qsizetype elemento = 0; elemento < elementi; ++elemento) {
            prese[elemento] += parte->Prende(elemento);
        }
    }
    QCOMPARE(prese, std::vector<int>(elementi, 1));
}

QTEST_GUILESS_MAIN(TestRobustezza)
#include "tst_robustezza.moc"
