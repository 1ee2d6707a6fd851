#include "tfileini.h"
#include "timpostazioni.h"
#include "tstatistiche.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::int16_t Massimo = TStatistiche::Massimo;
constexpr int AttesaProcessoMs = 60000;
// The counting tests write thousands of times, each write synced to disk: on
// a busy disk that takes minutes, so they use memory-backed storage when
// there is some (same locking and renaming as on disk).
const QString Memoria = QStringLiteral("/dev/shm");
// The most the store reads of its file.
constexpr qsizetype MassimoByte = qsizetype(4) << 20;
const QByteArray Voci("[Settings]\nstat0=4\nstat1=5\n");

// Makes the settings file, or something in its place.
using Forma = std::function<void(const QString& file)>;

void Fifo(const QString& file) {
    QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
}

void Collegamento(const QString& bersaglio, const QString& file) {
    QCOMPARE(
        ::symlink(QFile::encodeName(bersaglio).constData(), QFile::encodeName(file).constData()),
        0);
}

// A link to what `forma` makes beside the file.
Forma Collegata(const Forma& forma) {
    return [forma](const QString& file) {
        forma(file + ".vero");
        Collegamento(QFileInfo(file).fileName() + ".vero", file);
    };
}

Forma Testo(const QByteArray& testo) {
    return [testo](const QString& file) {
        QFile scritto(file);
        QVERIFY(scritto.open(QIODevice::WriteOnly));
        QCOMPARE(scritto.write(testo), testo.size());
    };
}

// What the folder holds, links and FIFOs described rather than followed.
QStringList Istantanea(const QString& cartella) {
    QStringList voci;
    const auto filtro = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QFileInfo& voce : QDir(cartella).entryInfoList(filtro, QDir::Name)) {
        QString descrizione = voce.fileName();
        if (voce.isSymLink()) {
            descrizione += " -> " + voce.symLinkTarget();
        } else if (voce.isFile()) {
            QFile file(voce.filePath());
            file.open(QIODevice::ReadOnly);
            descrizione +=
                " " + QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
        }
        voci << descrizione;
    }
    return voci;
}

} // namespace

class TstStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void percorsoNellaCartellaDellUtente();
    void storeNuovoRestaVuoto();
    void primaVittoriaPrimaSconfittaEAzzeramento();
    void incremento_data();
    void incremento();
    void fileGuasto_data();
    void fileGuasto();
    void compatibileConQSettings();
    void voceRifiutata_data();
    void voceRifiutata();
    void storeNonScrivibile_data();
    void storeNonScrivibile();
    void collegamentoANessuno_data();
    void collegamentoANessuno();
    void fileDaNonLeggere_data();
    void fileDaNonLeggere();
    void salvaSoloSuFileRegolari_data();
    void salvaSoloSuFileRegolari();
    void copieConcorrenti_data();
    void copieConcorrenti();
    void copiaUccisa_data();
    void copiaUccisa();

private:
    QString CartellaApplicazione() const { return cartella->filePath("SolvintraBrask"); }
    QString FileIni() const { return CartellaApplicazione() + "/SolvintraBrask.ini"; }
    void ScriviFileIni(const QByteArray& testo) const;
    QByteArray TestoFileIni() const;
    std::unique_ptr<QProcess> AvviaContatore(std::int16_t indice, const QString& volte) const;

    std::unique_ptr<QTemporaryDir> cartella;
};

// One settings folder for the whole run: QSettings settles its default folder
// at its first use in the process, whichever case comes first.
void TstStore::initTestCase() {
    const QString base = QFileInfo(Memoria).isWritable() ? Memoria : QDir::tempPath();
    cartella = std::make_unique<QTemporaryDir>(base + "/tst_store-XXXXXX");
    QVERIFY(cartella->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartella->path()));
}

// Every case starts from an empty settings folder.
void TstStore::init() {
    QDir vuota(cartella->path());
    QVERIFY(vuota.removeRecursively());
    QVERIFY(vuota.mkpath("."));
}

void TstStore::ScriviFileIni(const QByteArray& testo) const {
    QVERIFY(QDir().mkpath(CartellaApplicazione()));
    QFile file(FileIni());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(testo), testo.size());
}

QByteArray TstStore::TestoFileIni() const {
    QFile file(FileIni());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A copy of the counting code; `volte` is a number or "sempre", until killed.
std::unique_ptr<QProcess> TstStore::AvviaContatore(std::int16_t indice,
                                                   const QString& volte) const {
    auto processo = std::make_unique<QProcess>();
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("XDG_CONFIG_HOME", cartella->path());
    processo->setProcessEnvironment(ambiente);
    processo->setProcessChannelMode(QProcess::ForwardedChannels);
    processo->start(STORE_CONTATORE, {QString::number(indice), volte});
    return processo;
}

// The file stays where QSettings has always kept it.
void TstStore::percorsoNellaCartellaDellUtente() {
    QCOMPARE(TImpostazioni::PercorsoFile(), FileIni());
    const QSettings impostazioni(QSettings::IniFormat, QSettings::UserScope, "SolvintraBrask",
                                 "SolvintraBrask");
    QCOMPARE(TImpostazioni::PercorsoFile(), impostazioni.fileName());
}

void TstStore::storeNuovoRestaVuoto() {
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), 0);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), 0);
    QCOMPARE(TImpostazioni::LeggiImpostazione("stat0", "assente"), QString("assente"));
    QVERIFY(!QFileInfo::exists(CartellaApplicazione()));
}

void TstStore::primaVittoriaPrimaSconfittaEAzzeramento() {
    TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    QCOMPARE(TestoFileIni(), QByteArray("[Settings]\nstat0=1\n"));
    TStatistiche::IncrementaStatistica(TStatistiche::Perse);
    QCOMPARE(TestoFileIni(), QByteArray("[Settings]\nstat0=1\nstat1=1\n"));
    TStatistiche::ScriviStatistica(TStatistiche::Vinte, 0);
    TStatistiche::ScriviStatistica(TStatistiche::Perse, 0);
    QCOMPARE(TestoFileIni(), QByteArray("[Settings]\nstat0=0\nstat1=0\n"));
}

void TstStore::incremento_data() {
    QTest::addColumn<QByteArray>("iniziale");
    QTest::addColumn<int>("volte");
    QTest::addColumn<QByteArray>("atteso");

    QTest::newRow("assente, una vittoria") << QByteArray() << 1 << QByteArray("1");
    QTest::newRow("12 piu' uno") << QByteArray("12") << 1 << QByteArray("13");
    QTest::newRow("fino al massimo") << QByteArray("32765") << 5 << QByteArray("32767");
    QTest::newRow("al massimo resta") << QByteArray("32767") << 1 << QByteArray("32767");
    QTest::newRow("enorme") << QByteArray("99999") << 1 << QByteArray("32767");
    QTest::newRow("negativo") << QByteArray("-5") << 1 << QByteArray("1");
    QTest::newRow("non numero") << QByteArray("abc") << 1 << QByteArray("1");
    QTest::newRow("reale") << QByteArray("12.7") << 2 << QByteArray("14");
}

void TstStore::incremento() {
    QFETCH(QByteArray, iniziale);
    QFETCH(int, volte);
    QFETCH(QByteArray, atteso);
    if (!iniziale.isNull()) {
        ScriviFileIni("[Settings]\nstat0=" + iniziale + "\n");
    }
    for (int volta = 0; volta < volte; ++volta) {
        TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    }
    QCOMPARE(TImpostazioni::LeggiImpostazione("stat0", ""), QString(atteso));
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), atteso.toShort());
}

void TstStore::fileGuasto_data() {
    QTest::addColumn<QByteArray>("contenuto");
    QTest::addColumn<int>("vinte");
    QTest::addColumn<int>("perse");

    const QByteArray spazzatura("\x00\xff\xfe[Settings\x00]\nstat0=\x01\x02\n\xc3\x28 stat1", 28);
    QTest::newRow("testo") << QByteArray("[Settings]\nstat0=abc\nstat1=2\n") << 0 << 2;
    QTest::newRow("valore vuoto") << QByteArray("[Settings]\nstat0=\nstat1=\n") << 0 << 0;
    QTest::newRow("esponente") << QByteArray("[Settings]\nstat0=1e9\nstat1=1e-9\n") << 32767 << 0;
    QTest::newRow("negativo") << QByteArray("[Settings]\nstat0=-5\nstat1=-0.5\n") << 0 << 0;
    QTest::newRow("enorme") << QByteArray("[Settings]\nstat0=99999\nstat1=32768\n") << 32767
                            << 32767;
    QTest::newRow("reale") << QByteArray("[Settings]\nstat0=12.7\nstat1=3.0\n") << 12 << 3;
    QTest::newRow("spazi") << QByteArray("[Settings]\nstat0 =  7 \nstat1=\" 8 \"\n") << 7 << 8;
    QTest::newRow("non finiti") << QByteArray("[Settings]\nstat0=nan\nstat1=inf\n") << 0 << 32767;
    QTest::newRow("chiave doppia") << QByteArray("[Settings]\nstat0=3\nstat0=9\n") << 9 << 0;
    QTest::newRow("sezione doppia")
        << QByteArray("[Settings]\nstat0=3\n[Altro]\nstat0=5\n[Settings]\nstat1=4\n") << 3 << 4;
    QTest::newRow("altra sezione") << QByteArray("[General]\nstat0=5\nstat1=6\n") << 0 << 0;
    QTest::newRow("file vuoto") << QByteArray("") << 0 << 0;
    QTest::newRow("troncato nel valore") << QByteArray("[Settings]\nstat1=2\nstat0=12") << 12 << 2;
    QTest::newRow("troncato nell'intestazione") << QByteArray("[Sett") << 0 << 0;
    QTest::newRow("fine riga CRLF") << QByteArray("[Settings]\r\nstat0=6\r\nstat1=8\r\n") << 6 << 8;
    QTest::newRow("spazzatura binaria") << spazzatura << 0 << 0;
    QTest::newRow("spazzatura, poi valori") << spazzatura + "\n[Settings]\nstat0=4\nstat1=5\n"
                                            << 4 << 5;
    QTest::newRow("al limite, valori in fondo")
        << QByteArray(MassimoByte - Voci.size() - 1, '#') + '\n' + Voci << 4 << 5;
}

// Start-up reads whatever the file holds as valid counts, and counting on
// from there never loses the other counter.
void TstStore::fileGuasto() {
    QFETCH(QByteArray, contenuto);
    QFETCH(int, vinte);
    QFETCH(int, perse);
    ScriviFileIni(contenuto);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), vinte);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), perse);

    TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), std::min(vinte + 1, 32767));
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), perse);
}

// The file stays one that QSettings reads and writes alike: what it wrote
// we read, and what we write it reads, its other entries kept.
void TstStore::compatibileConQSettings() {
    {
        QSettings scritto(FileIni(), QSettings::IniFormat);
        scritto.setValue("Settings/stat0", "12");
        scritto.setValue("Settings/stat1", "3");
        scritto.setValue("Altro/nome", "Partite vinte, e perse");
        scritto.sync();
        QCOMPARE(scritto.status(), QSettings::NoError);
    }
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), 12);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), 3);
    TStatistiche::IncrementaStatistica(TStatistiche::Vinte);

    // A path QSettings has never seen, so that it cannot answer from its cache.
    const QString copia = cartella->filePath("copia.ini");
    QVERIFY(QFile::copy(FileIni(), copia));
    const QSettings letto(copia, QSettings::IniFormat);
    QCOMPARE(letto.value("Settings/stat0").toString(), QString("13"));
    QCOMPARE(letto.value("Settings/stat1").toString(), QString("3"));
    QCOMPARE(letto.value("Altro/nome").toString(), QString("Partite vinte, e perse"));
}

void TstStore::voceRifiutata_data() {
    QTest::addColumn<QString>("chiave");
    QTest::addColumn<QString>("valore");

    QTest::newRow("chiave vuota") << ""
                                  << "1";
    QTest::newRow("chiave con uguale") << "stat0=9"
                                       << "1";
    QTest::newRow("chiave su due righe") << "x\n[Settings]\nstat0"
                                         << "9";
    QTest::newRow("chiave tra parentesi") << "[Settings]"
                                          << "1";
    QTest::newRow("valore su due righe") << "stat1"
                                         << "1\nstat0=9";
    QTest::newRow("valore con punto e virgola") << "stat1"
                                                << "1;9";
    QTest::newRow("valore tra virgolette") << "stat1"
                                           << "\"9\"";
    QTest::newRow("valore con spazi") << "stat1"
                                      << " 9";
}

// A key or value that QSettings would have to escape is refused rather than
// written in a way that changes the meaning of the file.
void TstStore::voceRifiutata() {
    QFETCH(QString, chiave);
    QFETCH(QString, valore);
    const QByteArray prima("[Settings]\nstat0=5\nstat1=6\n");
    ScriviFileIni(prima);
    TImpostazioni::SalvaImpostazione(chiave, valore);
    QCOMPARE(TestoFileIni(), prima);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), 5);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), 6);
}

void TstStore::storeNonScrivibile_data() {
    QTest::addColumn<bool>("cartellaAlPostoDelFile");
    QTest::newRow("una cartella al posto del file") << true;
    QTest::newRow("un file al posto della cartella") << false;
}

void TstStore::storeNonScrivibile() {
    QFETCH(bool, cartellaAlPostoDelFile);
    if (cartellaAlPostoDelFile) {
        QVERIFY(QDir().mkpath(FileIni()));
    } else {
        QFile ostacolo(CartellaApplicazione());
        QVERIFY(ostacolo.open(QIODevice::WriteOnly));
        ostacolo.write("ostacolo");
    }

    TStatistiche::ScriviStatistica(TStatistiche::Vinte, 7);
    TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    TStatistiche::IncrementaStatistica(TStatistiche::Perse);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), 0);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), 0);
    QCOMPARE(TImpostazioni::LeggiImpostazione("stat0", "assente"), QString("assente"));

    if (cartellaAlPostoDelFile) {
        QVERIFY(QFileInfo(FileIni()).isDir());
        const auto voci = QDir(CartellaApplicazione())
                              .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(voci, QStringList{"SolvintraBrask.ini"});
    } else {
        QFile ostacolo(CartellaApplicazione());
        QVERIFY(ostacolo.open(QIODevice::ReadOnly));
        QCOMPARE(ostacolo.readAll(), QByteArray("ostacolo"));
    }
}

void TstStore::collegamentoANessuno_data() {
    QTest::addColumn<QStringList>("catena");
    QTest::addColumn<bool>("assoluto");
    QTest::addColumn<bool>("scritto");

    QTest::newRow("relativo") << QStringList{"altrove.ini"} << false << true;
    QTest::newRow("assoluto") << QStringList{"altrove.ini"} << true << true;
    QTest::newRow("catena") << QStringList{"tramite.ini", "altrove.ini"} << false << true;
    QTest::newRow("in una cartella mancante") << QStringList{"manca/altrove.ini"} << false << false;
}

// A link to a file not yet written is a store not yet written: the counts are
// kept in the file it names, and the link stays. Where that file cannot be
// made, nothing is written anywhere else.
void TstStore::collegamentoANessuno() {
    QFETCH(QStringList, catena);
    QFETCH(bool, assoluto);
    QFETCH(bool, scritto);
    const QDir app(CartellaApplicazione());
    QVERIFY(QDir().mkpath(app.path()));
    QString anello = FileIni();
    for (const QString& bersaglio : catena) {
        Collegamento(assoluto ? app.filePath(bersaglio) : bersaglio, anello);
        anello = app.filePath(bersaglio);
    }
    const QStringList prima = Istantanea(app.path());
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), 0);

    TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    TStatistiche::IncrementaStatistica(TStatistiche::Perse);
    TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), scritto ? 2 : 0);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), scritto ? 1 : 0);
    QFile fine(anello);
    QCOMPARE(fine.open(QIODevice::ReadOnly), scritto);
    QCOMPARE(fine.readAll(), scritto ? QByteArray("[Settings]\nstat0=2\nstat1=1\n") : QByteArray());
    const QStringList dopo = Istantanea(app.path());
    QCOMPARE(dopo.filter(" -> "), prima.filter(" -> "));
    QCOMPARE(dopo.size(), prima.size() + (scritto ? 1 : 0));
}

void TstStore::fileDaNonLeggere_data() {
    QTest::addColumn<Forma>("forma");

    const QByteArray oltre = Voci + QByteArray(MassimoByte - Voci.size() + 1, '#');
    QTest::newRow("FIFO") << Forma(Fifo);
    QTest::newRow("link a una FIFO") << Collegata(Fifo);
    QTest::newRow("link a /dev/zero")
        << Forma([](const QString& file) { Collegamento("/dev/zero", file); });
    QTest::newRow("link a se stesso")
        << Forma([](const QString& file) { Collegamento(QFileInfo(file).fileName(), file); });
    QTest::newRow("un byte oltre il limite") << Testo(oltre);
    QTest::newRow("link a un file oltre il limite") << Collegata(Testo(oltre));
}

// Only a regular file of a sensible size is read: anything else reads as
// unreadable, at once, and counting leaves it exactly as it was.
void TstStore::fileDaNonLeggere() {
    QFETCH(Forma, forma);
    QVERIFY(QDir().mkpath(CartellaApplicazione()));
    forma(FileIni());
    const QStringList prima = Istantanea(CartellaApplicazione());

    // In a copy of its own, so that a store stuck on the file fails the row.
    const auto copia = AvviaContatore(TStatistiche::Vinte, "1");
    QVERIFY2(copia->waitForFinished(AttesaProcessoMs), "the store is stuck on the file");
    QCOMPARE(copia->exitCode(), 0);
    QCOMPARE(TImpostazioni::LeggiImpostazione("stat0", "assente"), QString("assente"));
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Perse), 0);
    QCOMPARE(Istantanea(CartellaApplicazione()), prima);
}

void TstStore::salvaSoloSuFileRegolari_data() {
    QTest::addColumn<Forma>("forma");
    // No device here: run as root, a fault would rename a file over it.
    QTest::newRow("FIFO") << Forma(Fifo);
    QTest::newRow("link a una FIFO") << Collegata(Fifo);
    QTest::newRow("link a se stesso")
        << Forma([](const QString& file) { Collegamento(QFileInfo(file).fileName(), file); });
}

// A write on its own, without the read that comes first in the store, still
// replaces nothing but a regular file.
void TstStore::salvaSoloSuFileRegolari() {
    QFETCH(Forma, forma);
    QVERIFY(QDir().mkpath(CartellaApplicazione()));
    forma(FileIni());
    const QStringList prima = Istantanea(CartellaApplicazione());
    TFileIni file;
    file.ImpostaValore("Settings", "stat0", "1");
    QVERIFY(!file.Salva(FileIni()));
    QCOMPARE(Istantanea(CartellaApplicazione()), prima);
}

void TstStore::copieConcorrenti_data() {
    QTest::addColumn<QList<int>>("indici");
    QTest::addColumn<int>("volte");

    QTest::newRow("due copie, 500 ciascuna") << QList<int>{0, 0} << 500;
    QTest::newRow("quattro copie") << QList<int>{0, 0, 0, 0} << 250;
    QTest::newRow("vinte e perse insieme") << QList<int>{0, 1, 0, 1} << 250;
}

// Copies of the game counting at once lose no count, and leave nothing
// behind but the settings file.
void TstStore::copieConcorrenti() {
    QFETCH(QList<int>, indici);
    QFETCH(int, volte);
    std::vector<std::unique_ptr<QProcess>> copie;
    for (const int indice : indici) {
        copie.push_back(AvviaContatore(static_cast<std::int16_t>(indice), QString::number(volte)));
    }
    for (const auto& copia : copie) {
        QVERIFY(copia->waitForFinished(AttesaProcessoMs));
        QCOMPARE(copia->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copia->exitCode(), 0);
    }
    for (const std::int16_t indice : {TStatistiche::Vinte, TStatistiche::Perse}) {
        const auto conteggio = std::count(indici.cbegin(), indici.cend(), indice) * volte;
        QCOMPARE(TStatistiche::LeggiStatistica(indice), conteggio);
    }
    const auto voci = QDir(CartellaApplicazione())
                          .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(voci, QStringList{"SolvintraBrask.ini"});
}

void TstStore::copiaUccisa_data() {
    QTest::addColumn<int>("letture");
    QTest::newRow("appena partita") << 1;
    QTest::newRow("dopo qualche lettura") << 10;
    QTest::newRow("dopo molte letture") << 50;
}

// A copy killed in the middle of counting leaves a file that reads, with no
// count below what was seen before, and a lock the next copy can take. The
// copy counts until it is killed, so the kill always lands mid-count.
void TstStore::copiaUccisa() {
    QFETCH(int, letture);
    constexpr int Iniziale = 100;
    ScriviFileIni("[Settings]\nstat0=100\nstat1=7\n");
    const auto copia = AvviaContatore(TStatistiche::Vinte, "sempre");
    QVERIFY(copia->waitForStarted());

    // Each reading waits until the count has moved on from the last one. A
    // slow reader may find the count already at its ceiling, where it stays
    // while the copy goes on writing it.
    int visto = Iniziale;
    for (int lettura = 0; lettura < letture && visto < Massimo; ++lettura) {
        int conteggio = visto;
        QTRY_VERIFY_WITH_TIMEOUT(
            (conteggio = TStatistiche::LeggiStatistica(TStatistiche::Vinte)) != visto, 10000);
        QVERIFY2(conteggio > visto, "a count went down while counting");
        visto = conteggio;
    }
    copia->kill();
    QVERIFY(copia->waitForFinished(AttesaProcessoMs));
    QCOMPARE(copia->exitStatus(), QProcess::CrashExit);

    const QRegularExpression integro("^\\[Settings\\]\nstat0=(\\d+)\nstat1=7\n$");
    const auto confronto = integro.match(QString::fromLatin1(TestoFileIni()));
    QVERIFY2(confronto.hasMatch(), TestoFileIni().constData());
    const int dopo = confronto.captured(1).toInt();
    QVERIFY(dopo >= visto);

    TStatistiche::IncrementaStatistica(TStatistiche::Vinte);
    QCOMPARE(TStatistiche::LeggiStatistica(TStatistiche::Vinte), std::min(dopo + 1, int(Massimo)));
}

QTEST_GUILESS_MAIN(TstStore)
#include "tst_store.moc"
