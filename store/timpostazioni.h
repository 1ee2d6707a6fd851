#pragma once

#include <QString>

#include <functional>

// Named text values kept per user under "SolvintraBrask" / "Settings".
class TImpostazioni {
public:
    using Calcolo = std::function<QString(const QString& attuale)>;

    // The stored value, or `predefinito` when absent or unreadable.
    static QString LeggiImpostazione(const QString& chiave, const QString& predefinito);
    // Writes the value; every failure is swallowed and the old value stays.
    static void SalvaImpostazione(const QString& chiave, const QString& testo);
    // Reads the value (or `predefinito`) and writes what `calcolo` makes of it,
    // both under a lock shared by every copy of the game running for this user,
    // so that no change made meanwhile by another copy is lost. Failures are
    // swallowed as in SalvaImpostazione.
    static void AggiornaImpostazione(const QString& chiave, const QString& predefinito,
                                     const Calcolo& calcolo);
    // The settings file, where QSettings keeps it in the INI format: the user's
    // configuration folder, then SolvintraBrask/SolvintraBrask.ini (beside it
    // lives the counters' lock file).
    static QString PercorsoFile();
};
