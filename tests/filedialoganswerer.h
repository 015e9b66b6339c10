#pragma once

#include "dialoganswerer.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>

// Answers the next file dialog as a person would: picks `path` and accepts,
// or cancels when `path` is empty. With `confirmOverwrite` the question that
// a save dialog asks about an existing file is answered Yes; else `then`,
// when given, answers the dialog that follows the file dialog.
inline void answerFileDialog(const QString &path, bool confirmOverwrite = false,
                             std::function<void(QDialog *)> then = {})
{
    answerNextDialog([path, confirmOverwrite, then](QDialog *dialog) {
        auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
        if (!fileDialog || path.isEmpty()) {
            dialog->reject();
            return;
        }
        if (confirmOverwrite) {
            answerNextDialog([](QDialog *question) {
                if (auto *box = qobject_cast<QMessageBox *>(question))
                    box->button(QMessageBox::Yes)->click();
                else
                    question->reject();
            });
        } else if (then) {
            answerNextDialog(then);
        }
        // Typed into the file name field, as a person would; selectFile()
        // leaves the field alone while it has the focus.
        fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        // accept() is protected in QFileDialog; QDialog's is public and virtual.
        dialog->accept();
    });
}
