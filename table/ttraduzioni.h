#pragma once

class QCoreApplication;

// Qt's own texts (the standard buttons of the boxes, the context menus) in the
// system's language, from the translations Qt ships; the game's own words stay
// Italian whatever the language. Where Qt has no translation for the language
// its English texts stay, silently.
class TTraduzioni {
public:
    // Before any window is built, so that every text Qt shows is translated.
    static void Installa(QCoreApplication& applicazione);
};
