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
    // A missing file, or a link to one, reads as empty. False when the file is
    // there but is not to be read: unreadable, too large, or not a regular file.
    bool Carica(const QString& percorso);
    // Replaces the whole file at once: a reader, or a crash, never sees half of
    // it. A link stays and its target is written; false, and nothing touched,
    // when the path leads to something other than a regular file.
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
