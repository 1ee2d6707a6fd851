#pragma once

#include <QObject>

class QEvent;

// A testing aid that Qt loads into the unchanged game as a generic plugin
// (QT_QPA_GENERIC_PLUGINS=sonda, with its folder on QT_PLUGIN_PATH). It
// answers every message box as a person would, after printing its text, and
// at the end of the first paint of the main window prints the monotonic clock
// in nanoseconds and ends the program with status 0. So a test learns whether
// start-up reached the table, and a benchmark when.
class TSonda : public QObject {
    Q_OBJECT

public:
    explicit TSonda(QObject* genitore);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Rispondi(QObject* oggetto);
    void Dipinta();

    bool dipinta = false;
};
