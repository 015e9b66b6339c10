#pragma once

#include <QDialog>
#include <QMetaObject>
#include <QSize>
#include <QString>

#include <memory>

namespace Ui {
class BaseDialog;
}

namespace aptui {

class BaseTitle;

// Frameless dialog: a title bar, a content area showing a default text until
// the caller puts its own widget there, and a bottom bar with Confirm and
// Cancel. Confirm accepts (exec() returns 1); Cancel and the title bar's
// close button close the dialog as rejected (0).
class BaseDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BaseDialog)

public:
    BaseDialog(bool appButton, bool optionButton, bool minButton, bool maxButton,
               bool closeButton, bool confirmButton, bool cancelButton,
               QWidget *parent = nullptr);
    ~BaseDialog() override;

    // Replaces the default text by `widget`; setDefaultText() does nothing
    // from then on.
    void setContentWidget(QWidget *widget);
    // Fixes the dialog at the size and the content area at what is left
    // after the title bar and the bottom bar (counted even while hidden).
    void setDialogFixedSize(int width, int height);
    void setDialogFixedSize(const QSize &size);
    void addTitleButton(QWidget *widget);
    void addBottomWidget(QWidget *widget);

    void setEnableMinConnection(bool enable);
    void setEnableMaxConnection(bool enable);
    void setEnableCloseConnection(bool enable);

    // Lets the user select and copy the default text (a path in it).
    void setDefaultTextSelectable(bool selectable);

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();
    void signalConfirmButtonClicked();
    void signalCancelButtonClicked();

public slots:
    // `false` removes a default connection; `true` makes it only when it is
    // not already made, so a connection is never doubled. The last two decide
    // whether Confirm accepts and whether Cancel closes.
    void setEnableDefaultConnections(bool enableMin, bool enableMax, bool enableClose,
                                     bool enableConfirm, bool enableCancel);
    void setTitle(QString title);
    void setDefaultText(QString text);
    void setDefaultText(QString text, int fontSize, bool blod = false);
    void setConfirmButtonText(QString text);
    void setCancelButtonText(QString text);
    // A Confirm that would accept nothing sound is greyed out.
    void setConfirmButtonEnabled(bool enabled);
    // For a question whose Confirm destroys: the dialog opens on Cancel,
    // which Return then presses.
    void setCancelAsDefault();
    void setBottomBarHeight(int height);
    void setBottomVisible(bool value);
    void onConfirmBtnClicked();
    void onCancelBtnClicked();

protected:
    // A dialog that asks nothing (no Confirm or Cancel to press) closes with
    // Return as with Escape, as rejected; the others leave Return to their
    // buttons.
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void restoreWindow();

private:
    std::unique_ptr<Ui::BaseDialog> ui;
    BaseTitle *m_title = nullptr;

    QMetaObject::Connection m_minConnection;
    QMetaObject::Connection m_maxConnection;
    QMetaObject::Connection m_closeConnection;
    bool m_minConnected = false;
    bool m_maxConnected = false;
    bool m_closeConnected = false;
    bool m_confirmAccepts = true;
    bool m_cancelCloses = true;
};

// Runs a notice modally: a BaseDialog with only the title bar's close
// button, no bottom bar, fixed at 350 × 220, with the object name the style
// sheets give notices ("APP_WARNINGDLG") and `text` as its content.
void execNotice(const QString &title, const QString &text);

} // namespace aptui
