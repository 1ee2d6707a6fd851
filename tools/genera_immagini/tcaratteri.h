#pragma once

// Qt
#include <QString>

// The typefaces of the pictures: those the set-up script installs, so every
// machine draws the same letters.
struct TCaratteri {
    static QString Sans() { return QStringLiteral("Liberation Sans"); }
    static QString Serif() { return QStringLiteral("Liberation Serif"); }
};
