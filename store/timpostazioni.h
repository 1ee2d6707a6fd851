#pragma once

#include <QString>

// Named text values kept per user under "SolvintraBrask" / "Settings".
class TImpostazioni {
public:
    // The stored value, or `predefinito` when absent or unreadable.
    static QString LeggiImpostazione(const QString& chiave, const QString& predefinito);
    // Writes the value; every failure is swallowed and the old value stays.
    static void SalvaImpostazione(const QString& chiave, const QString& testo);
    // The settings file (beside it lives the counters' lock file).
    static QString PercorsoFile();
};
