#include "tfileini.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr char FineRiga = '\n';
constexpr char Uguale = '=';
constexpr char Virgolette = '"';

// The name inside "[name]", when the line is a section header.
std::optional<QByteArray> NomeSezione(const QByteArray& riga) {
    const QByteArray testo = riga.trimmed();
    if (testo.size() < 2 || !testo.startsWith('[') || !testo.endsWith(']')) {
        return std::nullopt;
    }
    return testo.mid(1, testo.size() - 2).trimmed();
}

QByteArray ChiaveDi(const QByteArray& riga) {
    const qsizetype uguale = riga.indexOf(Uguale);
    return uguale < 0 ? QByteArray() : riga.left(uguale).trimmed();
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
    QFile file(percorso);
    if (!file.exists()) {
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray testo = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    righe = testo.split(FineRiga);
    if (testo.isEmpty() || testo.endsWith(FineRiga)) {
        righe.removeLast();
    }
    return true;
}

bool TFileIni::Salva(const QString& percorso) const {
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
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
