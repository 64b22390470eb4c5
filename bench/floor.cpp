// The toolkit's floor: the least a Qt Widgets program does to map one window. Built twice: a
// bare window, and (FLOOR_WITH_TEXT) a window showing one line of text, which is where a
// program first pays for the desktop's font database.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
#ifdef FLOOR_WITH_TEXT
    QLabel window("Benvenuto");
#else
    QWidget window;
#endif
    window.resize(340, 142);
    window.show();
    return QApplication::exec();
}
