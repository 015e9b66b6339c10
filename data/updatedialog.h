#pragma once

#include "aptui/basedialog.h"

#include <memory>

namespace Ui {
class UpdateDialog;
}

// Replaces the scene data: exports a template that shows the scene file's
// columns, or the scene table in use for editing, and imports a scene file of that form over "Scene.csv" (keeping
// the previous one as "Scene.csv.bak"), copying the pictures it names into
// "ScenePicture". A file that the lookups could not use is refused. The
// editor sees the new scenes after a restart, which the success message says.
class UpdateDialog final : public aptui::BaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateDialog)

public:
    explicit UpdateDialog(QWidget *parent = nullptr);
    ~UpdateDialog() override;

    enum StatusKind { StatusClear = 0, StatusExport = 1, StatusImport = 2 };
    // Shows the outcome of an export or import in the status line; any other
    // kind empties it.
    void setStatus(int kind, bool ok);

private slots:
    void onExportTemplate();
    void onImportScene();
    void onExportSceneTable();

private:
    // Adds a line under the status text: why an import failed, or which
    // pictures it did not copy.
    void showStatusDetail(const QString &detail);
    void fitStatusText();

    std::unique_ptr<Ui::UpdateDialog> ui;
    QWidget *m_borderWidget;
};
