#pragma once

#include "platform/cfancytitle.h"

#include <QIcon>
#include <QString>

class QLabel;
class QToolButton;

namespace aptui {

// Title bar of the main window: icon, title, and the menu, minimise,
// maximise/restore and close buttons. The maximise button's object name
// carries the window state ("m_btnMaximize" or "m_btnResore") so that the
// style sheet can show the matching picture.
class WindowTitle : public OrvaneGUIToolkit::CFancyTitle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowTitle)

public:
    explicit WindowTitle(QWidget *parent = nullptr);
    ~WindowTitle() override;

    void setText(const QString &text);
    void setIcon(const QIcon &icon);

signals:
    void signalCloseApp();
    void signalSystemMenu();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void minimizeWindow();
    void maxOrRestoreWindow();
    void closeWindow();
    void displaySyetemMenu();

private:
    QToolButton *createButton(const char *objectName, const QString &toolTip);

    QLabel *m_labelTitle;
    QToolButton *m_btnIcon;
    QToolButton *m_btnMinimize;
    QToolButton *m_btnMaximize;
    QToolButton *m_btnClose;
    QToolButton *m_btnSystemMenu;
};

} // namespace aptui
