#pragma once

// Qt
#include <QRgb>

// The colours of the deck in one place. No colour inside a card may be the
// mask's pure red, or the card control would cut it away.
struct TTavolozza {
    static constexpr QRgb Crema = qRgb(251, 246, 230);
    static constexpr QRgb BordoCarta = qRgb(70, 62, 50);
    static constexpr QRgb Inchiostro = qRgb(40, 30, 20);
    static constexpr QRgb Oro = qRgb(232, 178, 48);
    static constexpr QRgb OroScuro = qRgb(176, 116, 20);
    static constexpr QRgb Rosso = qRgb(196, 36, 32);
    static constexpr QRgb RossoScuro = qRgb(130, 20, 20);
    static constexpr QRgb Blu = qRgb(34, 74, 160);
    static constexpr QRgb BluScuro = qRgb(20, 40, 96);
    static constexpr QRgb Acciaio = qRgb(214, 226, 238);
    static constexpr QRgb AcciaioScuro = qRgb(128, 150, 178);
    static constexpr QRgb Verde = qRgb(74, 132, 40);
    static constexpr QRgb VerdeScuro = qRgb(36, 76, 18);
    static constexpr QRgb Legno = qRgb(226, 196, 130);
    static constexpr QRgb Pelle = qRgb(246, 210, 176);
    static constexpr QRgb Bianco = qRgb(255, 255, 255);
    static constexpr QRgb Tavolo = qRgb(62, 106, 0);
};
