#pragma once

#include "platform/cfancytitle.h"

#include <QIcon>
#include <QString>

#include <memory>

class QAbstractButton;
class QToolButton;

namespace Ui {
class BaseTitle;
}

namespace aptui {

// Title bar of the frameless dialogs: an application button, the title, room
// for custom buttons, and the option, minimise, maximise and close buttons.
class BaseTitle : public OrvaneGUIToolkit::CFancyTitle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BaseTitle)

public:
    BaseTitle(bool appButton, bool optionButton, bool minButton, bool maxButton,
              bool closeButton, QWidget *parent = nullptr);
    ~BaseTitle() override;

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();

public slots:
    void setAppButtonShow(bool showIt);
    void setOptionButtonShow(bool showIt);
    void setMinButtonShow(bool showIt);
    void setMaxButtonShow(bool showIt);
    void setCloseButtonShow(bool showIt);
    void addCustomButton(QAbstractButton *btn);
    void setTitle(QString title);
    void setTitleIcon(QIcon icon);

private:
    std::unique_ptr<Ui::BaseTitle> ui;
};

} // namespace aptui
