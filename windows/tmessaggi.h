#pragma once

#include <QString>

#include <functional>

class QWidget;

// The program's two message boxes. Tests install an answerer so that no box
// ever waits for a person.
class TMessaggi {
public:
    using Risponditore = std::function<bool(const QString& testo)>;
    using Osservatore = std::function<void(const QString& testo)>;

    // Yes/No box titled "Solvintra" with the question icon, Yes the default.
    static bool Conferma(QWidget* genitore, const QString& domanda);
    // Error box titled "Solvintra"; the text is also printed on stderr.
    static void Errore(QWidget* genitore, const QString& testo);

    // An empty function restores the real boxes.
    static void ImpostaRisponditore(Risponditore risponditore);
    static void ImpostaOsservatoreErrori(Osservatore osservatore);
};
