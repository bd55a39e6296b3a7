// The baseline of the start-up benchmark: a bare Qt widgets window of the game's size, shown
// and left running, started exactly as the game is (same probe, same display).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.resize(469, 440);
    finestra.show();
    return app.exec();
}
