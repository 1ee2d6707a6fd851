// The floor of the start-up benchmark: the least a Qt 6 main window of the
// game's size costs, with nothing in it.
#include <QApplication>
#include <QMainWindow>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QMainWindow finestra;
    finestra.setWindowTitle(QStringLiteral("Pavimento"));
    finestra.setCentralWidget(new QWidget);
    constexpr int Larghezza = 984;
    constexpr int Altezza = 711;
    finestra.resize(Larghezza, Altezza);
    finestra.show();
    return applicazione.exec();
}
