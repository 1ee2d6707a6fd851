#pragma once

#include <QPixmap>
#include <QString>

#include <array>
#include <cstdint>

// Every picture of the table, read from the picture folder before the window
// is built: a required file that is missing or unreadable stops start-up with
// a message naming it, instead of a table of blank cards.
class TImmagini {
public:
    static constexpr std::int16_t NumeroFacce = 40;

    explicit TImmagini(QString cartella);

    // The folder "Immagini" beside the program.
    static QString CartellaPredefinita();
    // "00.bmp" for suit 0 value 1 ... "39.bmp" for suit 3 value 10.
    static QString NomeFaccia(std::int16_t numero);

    // Reads every picture; on the first required one that fails, false and Errore().
    bool Carica();
    const QString& Errore() const { return errore; }
    const QString& Cartella() const { return cartella; }

    QPixmap Tavolo; // null when "tavolo.jpg" could not be read: it is optional
    QPixmap Maschera;
    QPixmap Dorso;
    QPixmap Posto;
    std::array<QPixmap, NumeroFacce> Facce;

private:
    QString Percorso(const QString& nome) const;
    bool CaricaRichiesta(const QString& nome, QPixmap& immagine);
    bool Rifiuta(const QString& percorso, const QString& motivo);

    QString cartella;
    QString errore;
};
