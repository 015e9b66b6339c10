// Renders SVG drawings to PNG at build time:
//   svg2png <input.svg> <output.png> <width> <height> [<output@2x.png>]
// With a fifth argument the drawing is also rendered at twice the size, for
// high-density screens.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

static bool render(QSvgRenderer &renderer, const QString &output, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "svg2png: cannot write %s\n", qPrintable(output));
        return false;
    }
    return true;
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5 && args.size() != 6) {
        std::fprintf(stderr, "usage: svg2png <in.svg> <out.png> <width> <height> [<out@2x.png>]\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const int width = args.at(3).toInt();
    const int height = args.at(4).toInt();
    if (width <= 0 || height <= 0)
        return 2;
    if (!render(renderer, args.at(2), width, height))
        return 1;
    if (args.size() == 6 && !render(renderer, args.at(5), width * 2, height * 2))
        return 1;
    return 0;
}
