#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The text of a settings file in the INI layout that QSettings reads and
// writes. Read straight from disk every time: QSettings keeps a per-process
// copy that can miss another process's change made within the same clock tick.
// Lines it does not understand are kept as they are.
class TFileIni {
public:
    // A missing file reads as empty; false when the file is there but unreadable.
    bool Carica(const QString& percorso);
    // Replaces the whole file at once: a reader, or a crash, never sees half of it.
    bool Salva(const QString& percorso) const;

    // The last value of the key in the section, as the INI readers take it.
    std::optional<QByteArray> Valore(const QByteArray& sezione, const QByteArray& chiave) const;
    // Changes the entry the readers take (the last one), or adds the key at the
    // end of the last such section.
    void ImpostaValore(const QByteArray& sezione, const QByteArray& chiave,
                       const QByteArray& valore);

private:
    QList<QByteArray> righe;
};
