#include "app/handover.h"

#include "mainwindow/larkspanmainpage.h"
#include "platform/qtsingleapplication.h"

#include <QFileInfo>

namespace apt::HandOver {

QString activation()
{
    return QStringLiteral("activate");
}

QString planMessage(const QString &plan)
{
    return QFileInfo(plan).absoluteFilePath();
}

void connectWindow(SharedTools::QtSingleApplication *app, LarkspanMainPage *window)
{
    QObject::connect(app, &SharedTools::QtSingleApplication::messageReceived, window,
                     [window](const QString &message) {
                         if (message == activation())
                             window->bringToFront();
                         else
                             window->openHandedOverPlan(message);
                     });
}

} // namespace apt::HandOver
