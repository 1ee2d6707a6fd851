// The fuzzer's entry for the settings file: the bytes are its whole content,
// as a user, another program or a crash may leave it. Reading it never fails
// the game; writing both counters then reading them back gives what was
// written, and every other entry reads as before.
#include "tfileini.h"
#include "timpostazioni.h"
#include "tstatistiche.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Where the game's store keeps the two counters.
const QByteArray SezioneContatori = QByteArrayLiteral("Settings");
const QList<QByteArray> ChiaviContatori = {QByteArrayLiteral("stat0"), QByteArrayLiteral("stat1")};

struct TVoce {
    QByteArray sezione;
    QByteArray chiave;
};

void Fallisci(const char* regola) {
    // Stop at once, so that the fuzzer keeps the input.
    std::fprintf(stderr, "settings rule broken: %s\n", regola);
    std::abort();
}

// A folder in memory where there is one: every input writes the file three
// times, and on disk each write waits for the disk.
QString CartellaTemporanea() {
    const QString memoria = QStringLiteral("/dev/shm");
    const QString base = QDir(memoria).exists() ? memoria : QDir::tempPath();
    return base + QStringLiteral("/solvintra-fuzz-XXXXXX");
}

// The settings file inside a folder of our own, never the user's, for every
// input of the run.
QString PreparaFile() {
    static const QTemporaryDir cartella(CartellaTemporanea());
    static const bool pronta = cartella.isValid() &&
                               qputenv("XDG_CONFIG_HOME", QFile::encodeName(cartella.path())) &&
                               QDir().mkpath(QFileInfo(TImpostazioni::PercorsoFile()).path());
    if (!pronta) {
        Fallisci("no temporary settings folder");
    }
    return TImpostazioni::PercorsoFile();
}

void Scrivi(const QString& percorso, const std::uint8_t* dati, std::size_t quanti) {
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(dati), qint64(quanti)) != qint64(quanti)) {
        Fallisci("cannot write the input");
    }
}

// Every key a reader could look up: each line holding '=' under the last line
// that looks like "[name]". A loose reading: a pair no reader takes reads as
// absent both before and after, which is as good as kept.
QList<TVoce> Voci(const QByteArray& testo) {
    QList<TVoce> voci;
    QByteArray sezione;
    for (const QByteArray& riga : testo.split('\n')) {
        const QByteArray pulita = riga.trimmed();
        if (pulita.startsWith('[') && pulita.endsWith(']')) {
            sezione = pulita.mid(1, pulita.size() - 2).trimmed();
        } else if (riga.contains('=')) {
            voci.append({sezione, riga.left(riga.indexOf('=')).trimmed()});
        }
    }
    return voci;
}

bool Contatore(const TVoce& voce) {
    return voce.sezione == SezioneContatori && ChiaviContatori.contains(voce.chiave);
}

// Counts that depend on the input, so that the fuzzer also tries the edges
// 0 and 32767 (where adding one must stop).
std::int16_t ConteggioDa(const std::uint8_t* dati, std::size_t quanti, std::size_t dove) {
    if (quanti == 0) {
        return 0;
    }
    const int alto = dati[dove % quanti];
    const int basso = dati[(dove + 1) % quanti];
    return std::int16_t(std::min(alto << 8 | basso, int(TStatistiche::Massimo)));
}

void VerificaLettura() {
    for (const std::int16_t indice : {TStatistiche::Vinte, TStatistiche::Perse}) {
        const std::int16_t letta = TStatistiche::LeggiStatistica(indice);
        if (letta < 0 || letta > TStatistiche::Massimo) {
            Fallisci("a counter read outside 0..32767");
        }
    }
}

void VerificaScrittura(const QString& percorso, std::int16_t vinte, std::int16_t perse) {
    TFileIni prima;
    // The input is a small regular file: it always reads.
    if (!prima.Carica(percorso)) {
        Fallisci("a regular file did not read");
    }
    QFile file(percorso);
    const QByteArray testo = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();

    TStatistiche::ScriviStatistica(TStatistiche::Vinte, vinte);
    TStatistiche::ScriviStatistica(TStatistiche::Perse, perse);
    TStatistiche::IncrementaStatistica(TStatistiche::Perse);
    const std::int16_t attese = perse < TStatistiche::Massimo ? perse + 1 : perse;
    if (TStatistiche::LeggiStatistica(TStatistiche::Vinte) != vinte ||
        TStatistiche::LeggiStatistica(TStatistiche::Perse) != attese) {
        Fallisci("a counter did not read back as written");
    }

    TFileIni dopo;
    if (!dopo.Carica(percorso)) {
        Fallisci("the written file did not read");
    }
    for (const TVoce& voce : Voci(testo)) {
        if (!Contatore(voce) &&
            prima.Valore(voce.sezione, voce.chiave) != dopo.Valore(voce.sezione, voce.chiave)) {
            Fallisci("writing the counters changed another entry");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    const QString percorso = PreparaFile();
    Scrivi(percorso, dati, quanti);
    VerificaLettura();
    VerificaScrittura(percorso, ConteggioDa(dati, quanti, 0),
                      ConteggioDa(dati, quanti, quanti / 2));
    return 0;
}
