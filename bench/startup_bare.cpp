// The yardstick of the start-up benchmark: a bare Qt window of the given size,
// shown and left to the event loop.
//   startup_bare <width>x<height>
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList size = app.arguments().value(1).split(QLatin1Char('x'));
    QWidget window;
    window.resize(size.value(0).toInt(), size.value(1).toInt());
    window.show();
    return app.exec();
}
