#pragma once

#include <QByteArray>

#include <optional>

// Which share of a slow test's work one run takes. ctest splits such a test
// into n runs side by side, each with SOLVINTRA_SCHEGGIA=k/n (k from 0), and
// each run takes every n-th item from the k-th, so the runs together do all
// the work once.
class TScheggia {
public:
    // From the variable's text: none at all is the whole work; anything
    // malformed gives nothing, so the run fails instead of testing less.
    static std::optional<TScheggia> Leggi(const QByteArray& testo);
    static std::optional<TScheggia> LeggiAmbiente();

    bool Prende(qsizetype elemento) const { return elemento % numero == indice; }

private:
    TScheggia(qsizetype indice, qsizetype numero) : indice(indice), numero(numero) {}

    qsizetype indice;
    qsizetype numero;
};
