#pragma once

#include "platform/qtsingleapplication.h"

namespace apt {

// The application object: single instance per user session, settings, skin,
// style, fonts, translators and the screen check, and an application-wide
// event filter for tooltips and application font changes.
class ToolsApplication : public SharedTools::QtSingleApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToolsApplication)

public:
    ToolsApplication(int &argc, char **argv, const QString &appId);
    ~ToolsApplication() override;

    // Runs the start-up sequence; false means the program must not start
    // (another instance runs, or the user declined a small screen).
    bool init();
    void loadStyle();
    // What a report made without a window needs: settings, fonts, translators
    // and locale; no skin, no style and no instance lock.
    void initForReport();

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void loadSettings();
};

} // namespace apt
