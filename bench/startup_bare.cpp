// The yardstick of the start-up benchmark: a bare Qt window of the given size,
// shown and left to the event loop. With a text after the size, the window
// shows that text in a label: what drawing any text at all costs (font set-up
// and one face), the floor under every window that has words in it.
//   startup_bare <width>x<height> [text]
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size = app.arguments().value(1).split(QLatin1Char('x'));
    QWidget window;
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    if (app.arguments().size() > 2)
        new QLabel(app.arguments().at(2), &window);
    window.show();
    return app.exec();
}
