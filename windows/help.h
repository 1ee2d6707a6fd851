#pragma once

#include <QDialog>

class QTextBrowser;

// A frame around the rules page, read from the picture folder at every opening.
class Help : public QDialog {
public:
    explicit Help(const QString& cartellaImmagini, QWidget* genitore = nullptr);

private:
    void CaricaRegole(const QString& cartellaImmagini);

    QTextBrowser* Browser = nullptr;
};
