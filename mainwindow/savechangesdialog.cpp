#include "mainwindow/savechangesdialog.h"

#include <QPushButton>

SaveChangesDialog::SaveChangesDialog(const QString &planName, QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
{
    setTitle(tr("Save Changes"));
    setDefaultText(tr("The plan \"%1\" has changes that are not saved. Save them first?").arg(planName));
    setConfirmButtonText(tr("Save"));
    setCancelButtonText(tr("Cancel"));

    // Left of Save and Cancel, like the other answers of the bottom bar.
    auto *dontSave = new QPushButton(tr("Don't Save"), this);
    dontSave->setObjectName(QStringLiteral("btnDontSave"));
    dontSave->setMinimumSize(72, 30);
    addBottomWidget(dontSave);
    connect(dontSave, &QPushButton::clicked, this, [this] { done(DontSave); });
    resize(380, 220);
}

SaveChangesDialog::~SaveChangesDialog() = default;
