#pragma once

#include "tpanno.h"

#include <QPixmap>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

class QImage;

// Every picture of the table, read from the picture folder before the window
// is built: a required file that is missing or unreadable stops start-up with
// a message naming it, instead of a table of blank cards.
// On a screen of a device pixel ratio above 1 each card picture is taken from
// its 2x variant beside it ("Xx@2x.bmp" for "Xx.bmp") when that can be read: a
// pixmap of twice the pixels and a ratio of 2. The faces' 2x variants are read
// later, each when its card first shows it (FacciaDoppia). The 1x set is still
// read and required, at once; a 2x file that is missing or unusable leaves its
// 1x picture, silently. At a ratio of 1 no 2x file is opened.
// The cloth, when "tavolo.jpg" is byte for byte the game's own, is a tile of
// its weave, "trama.bmp" or "trama@2x.bmp", repeated and shaded as the whole
// one is; any other cloth, or a tile that cannot be read, is shown whole.
class TImmagini {
public:
    static constexpr std::int16_t NumeroFacce = 40;

    explicit TImmagini(QString cartella, qreal rapporto = RapportoSchermo());

    // The folder "Immagini" beside the program.
    static QString CartellaPredefinita();
    // "00.bmp" for suit 0 value 1 ... "39.bmp" for suit 3 value 10.
    static QString NomeFaccia(std::int16_t numero);
    // "Xx@2x.bmp" for "Xx.bmp".
    static QString NomeDoppio(const QString& nome);
    // The highest device pixel ratio of the screens.
    static qreal RapportoSchermo();

    // Reads every picture; on the first required one that fails, false and Errore().
    bool Carica();
    const QString& Errore() const { return errore; }
    const QString& Cartella() const { return cartella; }
    // The density of the set asked for: 1, or 2 above a ratio of 1.
    int Scala() const;
    // Above a ratio of 1, what reads face `numero`'s 2x variant (a null
    // picture when it cannot be used); nothing at a ratio of 1.
    std::function<QPixmap()> FacciaDoppia(std::int16_t numero) const;

    TPanno Tavolo; // null when "tavolo.jpg" could not be read: it is optional
    QPixmap Maschera;
    QPixmap Dorso;
    QPixmap Posto;
    std::array<QPixmap, NumeroFacce> Facce;

private:
    QString Percorso(const QString& nome) const;
    void CaricaTavolo();
    // The 1x picture, and its 2x variant above a ratio of 1.
    bool CaricaRichiesta(const QString& nome, QPixmap& immagine);
    // The 1x picture alone.
    bool CaricaSemplice(const QString& nome, QPixmap& immagine);
    bool Rifiuta(const QString& percorso, const QString& motivo);

    QString cartella;
    qreal rapporto;
    QString errore;
};
