// The baseline for the starter's start-up: the least a Qt Widgets program
// does to show a window of the same size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(709, 125);
    window.show();
    return QApplication::exec();
}
