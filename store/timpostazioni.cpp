#include "timpostazioni.h"
#include "tfileini.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <chrono>

namespace {

using namespace std::chrono_literals;

const QString NomeApplicazione = QStringLiteral("SolvintraBrask");
const QByteArray Sezione = QByteArrayLiteral("Settings");
// Not "<file>.lock": QSettings takes that name for its own lock.
const QString NomeBlocco = QStringLiteral("SolvintraBrask.contatori.lock");
// A copy holds the lock for a few milliseconds. One killed at the wrong moment
// leaves a lock file without its owner's name, which QLockFile can only judge
// by age: break such a lock after this long instead of its default 30 s.
constexpr auto BloccoAbbandonato = 5s;
// Longer than the above, so that an abandoned lock is always broken first;
// waiting longer means something is wrong, and the change is dropped like any
// failed write.
constexpr auto AttesaMassima = 2 * BloccoAbbandonato;
// QLockFile's own waiting starts at 100 ms and doubles: far too slow when two
// copies count at once, so we poll it.
constexpr unsigned long PausaTraTentativiMs = 1;

// Keys and values are kept to what QSettings writes verbatim, so that both
// read the file alike; anything else is refused like a failed write.
bool SoloSemplici(const QString& testo, const QString& ammessi) {
    return std::all_of(testo.cbegin(), testo.cend(), [&](QChar c) {
        return (c.isLetterOrNumber() && c.unicode() < 128) || ammessi.contains(c);
    });
}

bool ChiaveValida(const QString& chiave) {
    return !chiave.isEmpty() && SoloSemplici(chiave, QStringLiteral("_"));
}

bool ValoreValido(const QString& valore) {
    return SoloSemplici(valore, QStringLiteral("_.+-"));
}

bool Blocca(QLockFile& blocco) {
    const auto limite = std::chrono::steady_clock::now() + AttesaMassima;
    while (!blocco.tryLock(0ms)) {
        if (blocco.error() != QLockFile::LockFailedError ||
            std::chrono::steady_clock::now() >= limite) {
            return false;
        }
        QThread::msleep(PausaTraTentativiMs);
    }
    return true;
}

} // namespace

QString TImpostazioni::LeggiImpostazione(const QString& chiave, const QString& predefinito) {
    TFileIni file;
    if (!ChiaveValida(chiave) || !file.Carica(PercorsoFile())) {
        return predefinito;
    }
    const auto valore = file.Valore(Sezione, chiave.toLatin1());
    return valore ? QString::fromUtf8(*valore) : predefinito;
}

void TImpostazioni::SalvaImpostazione(const QString& chiave, const QString& testo) {
    AggiornaImpostazione(chiave, QString(), [&testo](const QString&) { return testo; });
}

void TImpostazioni::AggiornaImpostazione(const QString& chiave, const QString& predefinito,
                                         const Calcolo& calcolo) {
    const QString percorso = PercorsoFile();
    const QString cartella = QFileInfo(percorso).absolutePath();
    if (!ChiaveValida(chiave) || !QDir().mkpath(cartella)) {
        return;
    }
    QLockFile blocco(QDir(cartella).filePath(NomeBlocco));
    blocco.setStaleLockTime(BloccoAbbandonato);
    TFileIni file;
    if (!Blocca(blocco) || !file.Carica(percorso)) {
        return;
    }
    const auto attuale = file.Valore(Sezione, chiave.toLatin1());
    const QString nuovo = calcolo(attuale ? QString::fromUtf8(*attuale) : predefinito);
    if (ValoreValido(nuovo)) {
        file.ImpostaValore(Sezione, chiave.toLatin1(), nuovo.toLatin1());
        file.Salva(percorso);
    }
}

// Where QSettings keeps this application's per-user INI file. Not asked of
// QSettings itself: making one reads the file at once, waiting on a FIFO and
// taking in a file of any size.
QString TImpostazioni::PercorsoFile() {
    const QDir configurazione(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return QFileInfo(configurazione.filePath(NomeApplicazione + '/' + NomeApplicazione + ".ini"))
        .absoluteFilePath();
}
