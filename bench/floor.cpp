// The toolkit's floor: the least a Qt Widgets program does to show one window. Built three
// times: a bare window; (FLOOR_WITH_TEXT) a window painting one line of text, the welcome
// text; (FLOOR_INFORMATION_BOX) the standard information box with the welcome title and text,
// which is what the program's first window is.
#include "app/mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString text = qtText(app::MainWindow::welcomeText);
#if defined(FLOOR_INFORMATION_BOX)
    QMessageBox::information(nullptr, qtText(app::MainWindow::welcomeTitle), text);
    return 0;
#else
#if defined(FLOOR_WITH_TEXT)
    QLabel window(text);
#else
    QWidget window;
    window.resize(340, 142);
    Q_UNUSED(text);
#endif
    window.show();
    return QApplication::exec();
#endif
}
