#include "aptui/basetitle.h"

#include "ui_basetitle.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace aptui {

namespace {

// Shows and enables, or hides and disables, so that a hidden button can
// neither be seen nor reached by a shortcut.
void setButtonShown(QToolButton *button, bool shown)
{
    button->setVisible(shown);
    button->setEnabled(shown);
}

} // namespace

BaseTitle::BaseTitle(bool appButton, bool optionButton, bool minButton, bool maxButton,
                     bool closeButton, QWidget *parent)
    : CFancyTitle(parent)
    , ui(std::make_unique<Ui::BaseTitle>())
{
    ui->setupUi(this);
    // The buttons show icons only: their names are what a screen reader says
    // and what their tool tips show.
    const std::pair<QToolButton *, QString> names[] = {{ui->btnApp, QCoreApplication::applicationName()},
                                                       {ui->btnOption, tr("Options")},
                                                       {ui->btnMin, tr("Minimize")},
                                                       {ui->btnMax, tr("Maximize")},
                                                       {ui->btnClose, tr("Close")}};
    for (const auto &[button, name] : names) {
        button->setAccessibleName(name);
        if (button->toolTip().isEmpty())
            button->setToolTip(name);
    }

    setAppButtonShow(appButton);
    setOptionButtonShow(optionButton);
    setMinButtonShow(minButton);
    setMaxButtonShow(maxButton);
    setCloseButtonShow(closeButton);

    connect(ui->btnApp, &QToolButton::clicked, this, &BaseTitle::signalAppButtonClicked);
    connect(ui->btnOption, &QToolButton::clicked, this, &BaseTitle::signalOptionButtonClicked);
    connect(ui->btnMin, &QToolButton::clicked, this, &BaseTitle::signalMinButtonClicked);
    connect(ui->btnMax, &QToolButton::clicked, this, &BaseTitle::signalMaxButtonClicked);
    connect(ui->btnClose, &QToolButton::clicked, this, &BaseTitle::signalCloseButtonClicked);
}

BaseTitle::~BaseTitle()
{
    // Custom buttons belong to whoever added them; only the layout items go.
    while (QLayoutItem *item = ui->m_hlayoutCustomButtons->takeAt(0))
        delete item;
}

void BaseTitle::setAppButtonShow(bool showIt)
{
    setButtonShown(ui->btnApp, showIt);
}

void BaseTitle::setOptionButtonShow(bool showIt)
{
    setButtonShown(ui->btnOption, showIt);
}

void BaseTitle::setMinButtonShow(bool showIt)
{
    setButtonShown(ui->btnMin, showIt);
}

void BaseTitle::setMaxButtonShow(bool showIt)
{
    setButtonShown(ui->btnMax, showIt);
    // A dialog that offers no maximise button is not maximised by a double
    // click on its title either.
    SetOpenDoubleClickEnable(showIt);
}

void BaseTitle::setCloseButtonShow(bool showIt)
{
    setButtonShown(ui->btnClose, showIt);
}

void BaseTitle::addCustomButton(QAbstractButton *btn)
{
    ui->m_hlayoutCustomButtons->addWidget(btn);
}

void BaseTitle::setTitle(QString title)
{
    ui->labelTitle->setText(title);
}

void BaseTitle::setTitleIcon(QIcon icon)
{
    ui->btnApp->setIcon(icon);
}

} // namespace aptui
