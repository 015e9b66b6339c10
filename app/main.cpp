#include "app/toolsapplication.h"
#include "aptui/windowtitle.h"

#include <QCoreApplication>
#include <QDir>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    // No translator exists yet, so the id is always this source text.
    const QString id = QCoreApplication::translate("main", "Larkspan");
    apt::ToolsApplication app(argc, argv, id);
    app.setApplicationName(id);
    app.addLibraryPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())
                       + QDir::separator() + QStringLiteral("plugins"));

    if (!app.init())
        return -1;

    // Stands in for the main window until the pages exist.
    QWidget window;
    window.setObjectName(QStringLiteral("LarkspanMainPage"));
    window.setWindowFlags(Qt::FramelessWindowHint);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *title = new aptui::WindowTitle(&window);
    title->setText(QCoreApplication::translate("main", "Larkspan"));
    title->setIcon(QGuiApplication::windowIcon());
    layout->addWidget(title);
    layout->addStretch();
    window.setWindowTitle(QCoreApplication::translate("main", "Larkspan"));
    window.resize(1120, 650);
    window.show();
    return app.exec();
}
