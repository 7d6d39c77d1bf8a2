// Saves the whole screen of the X display as a PNG file: the viewer check's screenshot.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 || !QGuiApplication::primaryScreen()) {
        return 2;
    }
    return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
