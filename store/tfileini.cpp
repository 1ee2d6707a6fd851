#include "tfileini.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char FineRiga = '\n';
constexpr char Uguale = '=';
constexpr char Virgolette = '"';
// Ours is a few lines long. A file this large was written by something else:
// it reads as unreadable, so that it is never cut down to what we took of it.
constexpr qint64 MassimoByte = qint64(4) << 20;
// Opening must not wait for a writer on a FIFO, nor make a terminal ours.
constexpr int ModoLettura = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Only a regular file is read: a FIFO never answers, a device never ends.
// Once that is known it is read blocking again, as file systems that heed the
// flag expect.
bool PrendiSeRegolare(int descrittore) {
    struct stat stato {};
    if (::fstat(descrittore, &stato) != 0 || !S_ISREG(stato.st_mode)) {
        return false;
    }
    const int modo = ::fcntl(descrittore, F_GETFL);
    return modo >= 0 && ::fcntl(descrittore, F_SETFL, modo & ~O_NONBLOCK) == 0;
}

// The text of the file (links followed); empty when there is none, as with a
// link to a file not yet written; nothing when it is not to be read.
std::optional<QByteArray> TestoDi(const QString& percorso) {
    const QByteArray nome = QFile::encodeName(percorso);
    const int descrittore = ::open(nome.constData(), ModoLettura);
    if (descrittore < 0) {
        return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
    }
    QFile file;
    if (!PrendiSeRegolare(descrittore) ||
        !file.open(descrittore, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descrittore);
        return std::nullopt;
    }
    // A buffer of the file's size, not of the largest we take: one byte more
    // shows a file too large, or one that grew while it was read.
    const qint64 misura = std::min(file.size(), MassimoByte);
    const QByteArray testo = file.read(misura + 1);
    if (file.error() != QFileDevice::NoError || testo.size() > misura) {
        return std::nullopt;
    }
    return testo;
}

// QSaveFile renames its copy over whatever the path leads to: only a regular
// file, or the name of one still to come, may be replaced so.
bool Sostituibile(const QString& percorso) {
    const QByteArray nome = QFile::encodeName(percorso);
    struct stat stato {};
    if (::stat(nome.constData(), &stato) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(stato.st_mode);
}

// The name inside "[name]", when the line is a section header.
std::optional<QByteArray> NomeSezione(const QByteArray& riga) {
    const QByteArray testo = riga.trimmed();
    if (testo.size() < 2 || !testo.startsWith('[') || !testo.endsWith(']')) {
        return std::nullopt;
    }
    return testo.mid(1, testo.size() - 2).trimmed();
}

// The key of an entry; nothing for a line without '=', which holds no value
// even for the empty key.
std::optional<QByteArray> ChiaveDi(const QByteArray& riga) {
    const qsizetype uguale = riga.indexOf(Uguale);
    return uguale < 0 ? std::nullopt : std::optional(riga.left(uguale).trimmed());
}

QByteArray ValoreDi(const QByteArray& riga) {
    const QByteArray testo = riga.mid(riga.indexOf(Uguale) + 1).trimmed();
    const bool traVirgolette =
        testo.size() >= 2 && testo.startsWith(Virgolette) && testo.endsWith(Virgolette);
    return traVirgolette ? testo.mid(1, testo.size() - 2) : testo;
}

} // namespace

bool TFileIni::Carica(const QString& percorso) {
    righe.clear();
    const auto testo = TestoDi(percorso);
    if (!testo) {
        return false;
    }
    righe = testo->split(FineRiga);
    if (testo->isEmpty() || testo->endsWith(FineRiga)) {
        righe.removeLast();
    }
    return true;
}

bool TFileIni::Salva(const QString& percorso) const {
    QSaveFile file(percorso);
    if (!Sostituibile(percorso) || !file.open(QIODevice::WriteOnly)) {
        return false;
    }
    for (const QByteArray& riga : righe) {
        file.write(riga + FineRiga);
    }
    return file.commit();
}

std::optional<QByteArray> TFileIni::Valore(const QByteArray& sezione,
                                           const QByteArray& chiave) const {
    std::optional<QByteArray> trovato;
    bool dentro = false;
    for (const QByteArray& riga : righe) {
        if (const auto nome = NomeSezione(riga)) {
            dentro = *nome == sezione;
        } else if (dentro && ChiaveDi(riga) == chiave) {
            trovato = ValoreDi(riga);
        }
    }
    return trovato;
}

void TFileIni::ImpostaValore(const QByteArray& sezione, const QByteArray& chiave,
                             const QByteArray& valore) {
    std::optional<qsizetype> ultimaVoce;
    std::optional<qsizetype> fineSezione;
    bool dentro = false;
    for (qsizetype indice = 0; indice < righe.size(); ++indice) {
        const QByteArray& riga = righe.at(indice);
        if (const auto nome = NomeSezione(riga)) {
            dentro = *nome == sezione;
        } else if (dentro && ChiaveDi(riga) == chiave) {
            ultimaVoce = indice;
        }
        if (dentro && !riga.trimmed().isEmpty()) {
            fineSezione = indice + 1;
        }
    }
    const QByteArray voce = chiave + Uguale + valore;
    if (ultimaVoce) {
        righe[*ultimaVoce] = voce;
    } else if (fineSezione) {
        righe.insert(*fineSezione, voce);
    } else {
        if (!righe.isEmpty() && !righe.last().trimmed().isEmpty()) {
            righe.append(QByteArray());
        }
        righe.append('[' + sezione + ']');
        righe.append(voce);
    }
}
