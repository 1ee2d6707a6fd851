// The floor of the start-up benchmark: the least a Qt 6 main window of the
// game's size costs, with a menu bar of the game's two titles, so that it
// pays for the fonts and the menu text as the game does, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Pavimento"));
    finestra.setCentralWidget(new QWidget);
    finestra.menuBar()->addMenu(QStringLiteral("Partita"));
    finestra.menuBar()->addMenu(QStringLiteral("?"));
    constexpr int Larghezza = 984;
    constexpr int Altezza = 711;
    finestra.resize(Larghezza, Altezza + finestra.menuBar()->sizeHint().height());
    finestra.show();
    return applicazione.exec();
}
