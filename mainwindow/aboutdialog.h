#pragma once

#include "aptui/dlgabout.h"

#include <QString>

// Address of the user manual for a language code: "file:///" and the working
// directory, then the English (0) or Chinese (1) manual name; any other code
// names the directory itself. A directory that already starts with "/" does
// not double the slash.
QString userManualAddress(const QString &workingDirectory, unsigned languageCode);

// The program's about panel in the main window's menu: name and version,
// "User Help", which opens the user manual, and "Update Scence", which the
// main window answers with the data update dialog.
class AboutDialog final : public aptui::CDlgAbout
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(QObject *parent = nullptr);
    ~AboutDialog() override;

signals:
    void signalCover();
    void signalDiscover();

private slots:
    // Opens the manual with the desktop's handler, from beside the
    // executable or else from the working directory; false, after a notice,
    // when it is in neither ("No user manual found.") or nothing opened it
    // (a notice naming the file, with a button to open its folder).
    bool onGetHelp();
};
