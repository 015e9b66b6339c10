#include "aptui/basedialog.h"

#include "aptui/basetitle.h"
#include "platform/cwidgetsizefactory.h"

#include "ui_basedialog.h"

#include <QKeyEvent>

namespace aptui {

namespace {

void setButtonShown(QWidget *button, bool shown)
{
    button->setVisible(shown);
    button->setEnabled(shown);
}

// The height a bar takes in the dialog's layout, known before the dialog has
// ever been laid out or shown.
int barHeight(const QWidget *bar)
{
    if (bar->minimumHeight() == bar->maximumHeight())
        return bar->minimumHeight();
    return qMax(bar->minimumHeight(), bar->sizeHint().height());
}

void deleteLayoutItems(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0))
        delete item;
}

} // namespace

BaseDialog::BaseDialog(bool appButton, bool optionButton, bool minButton, bool maxButton,
                       bool closeButton, bool confirmButton, bool cancelButton,
                       QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::BaseDialog>())
{
    ui->setupUi(this);
    m_title = new BaseTitle(appButton, optionButton, minButton, maxButton, closeButton, this);
    ui->titleLayout->addWidget(m_title);

    setButtonShown(ui->btnConfirm, confirmButton);
    setButtonShown(ui->btnCancel, cancelButton);

    connect(m_title, &BaseTitle::signalAppButtonClicked, this, &BaseDialog::signalAppButtonClicked);
    connect(m_title, &BaseTitle::signalOptionButtonClicked, this, &BaseDialog::signalOptionButtonClicked);
    connect(m_title, &BaseTitle::signalMinButtonClicked, this, &BaseDialog::signalMinButtonClicked);
    connect(m_title, &BaseTitle::signalMaxButtonClicked, this, &BaseDialog::signalMaxButtonClicked);
    connect(m_title, &BaseTitle::signalCloseButtonClicked, this, &BaseDialog::signalCloseButtonClicked);

    connect(ui->btnConfirm, &QPushButton::clicked, this, &BaseDialog::onConfirmBtnClicked);
    connect(ui->btnCancel, &QPushButton::clicked, this, &BaseDialog::onCancelBtnClicked);

    setEnableMinConnection(true);
    setEnableMaxConnection(true);
    setEnableCloseConnection(true);

    // A parented dialog keeps the dialog window type; with the frameless hint
    // alone it would become a child widget drawn inside its parent.
    setWindowFlags(parent ? Qt::Dialog | Qt::FramelessWindowHint : Qt::FramelessWindowHint);
}

BaseDialog::~BaseDialog()
{
    deleteLayoutItems(ui->BorderLayout);
    deleteLayoutItems(ui->layoutMyBtns);
    delete m_title;
}

void BaseDialog::setEnableMinConnection(bool enable)
{
    if (!enable) {
        disconnect(m_minConnection);
        m_minConnected = false;
    } else if (!m_minConnected) {
        m_minConnection = connect(m_title, &BaseTitle::signalMinButtonClicked,
                                  this, &QWidget::showMinimized);
        m_minConnected = bool(m_minConnection);
    }
}

void BaseDialog::setEnableMaxConnection(bool enable)
{
    if (!enable) {
        disconnect(m_maxConnection);
        m_maxConnected = false;
    } else if (!m_maxConnected) {
        m_maxConnection = connect(m_title, &BaseTitle::signalMaxButtonClicked,
                                  this, &BaseDialog::restoreWindow);
        m_maxConnected = bool(m_maxConnection);
    }
}

void BaseDialog::setEnableCloseConnection(bool enable)
{
    if (!enable) {
        disconnect(m_closeConnection);
        m_closeConnected = false;
    } else if (!m_closeConnected) {
        m_closeConnection = connect(m_title, &BaseTitle::signalCloseButtonClicked,
                                    this, &QWidget::close);
        m_closeConnected = bool(m_closeConnection);
    }
}

void BaseDialog::setEnableDefaultConnections(bool enableMin, bool enableMax, bool enableClose,
                                             bool enableConfirm, bool enableCancel)
{
    setEnableMinConnection(enableMin);
    setEnableMaxConnection(enableMax);
    setEnableCloseConnection(enableClose);
    m_confirmAccepts = enableConfirm;
    m_cancelCloses = enableCancel;
}

void BaseDialog::setCancelAsDefault()
{
    ui->btnConfirm->setAutoDefault(false);
    ui->btnConfirm->setDefault(false);
    ui->btnCancel->setAutoDefault(true);
    ui->btnCancel->setDefault(true);
    ui->btnCancel->setFocus();
}

void BaseDialog::setDefaultTextSelectable(bool selectable)
{
    if (ui->m_labelNULL)
        ui->m_labelNULL->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse
                                                            : Qt::NoTextInteraction);
}

void BaseDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                       && !(event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier));
    const bool asks = ui->btnConfirm->isVisibleTo(this) || ui->btnCancel->isVisibleTo(this);
    if (enter && !asks) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BaseDialog::setTitle(QString title)
{
    m_title->setTitle(title);
    setWindowTitle(title);
}

void BaseDialog::setDefaultText(QString text)
{
    if (ui->m_labelNULL)
        ui->m_labelNULL->setText(text);
}

void BaseDialog::setDefaultText(QString text, int fontSize, bool blod)
{
    if (!ui->m_labelNULL)
        return;
    const QString pattern = blod
        ? QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:%2pt; "
                         "font-weight:600;\">%1</span></p></body></html>")
        : QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:%2pt;\">"
                         "%1</span></p></body></html>");
    ui->m_labelNULL->setText(pattern.arg(text).arg(fontSize));
}

void BaseDialog::setConfirmButtonText(QString text)
{
    ui->btnConfirm->setText(text);
}

void BaseDialog::setCancelButtonText(QString text)
{
    ui->btnCancel->setText(text);
}

void BaseDialog::setConfirmButtonEnabled(bool enabled)
{
    ui->btnConfirm->setEnabled(enabled);
}

void BaseDialog::setBottomBarHeight(int height)
{
    ui->m_BaseDialogBottom->setFixedHeight(height);
}

void BaseDialog::setBottomVisible(bool value)
{
    ui->m_BaseDialogBottom->setVisible(value);
}

void BaseDialog::onConfirmBtnClicked()
{
    if (m_confirmAccepts)
        accept();
    emit signalConfirmButtonClicked();
}

void BaseDialog::onCancelBtnClicked()
{
    if (m_cancelCloses)
        close();
    emit signalCancelButtonClicked();
}

void BaseDialog::restoreWindow()
{
    if (OrvaneGUIToolkit::CWidgetSizeFactory::IsMaximized(this))
        OrvaneGUIToolkit::CWidgetSizeFactory::ShowNormal(this);
    else
        OrvaneGUIToolkit::CWidgetSizeFactory::ShowMaximized(this);
}

void BaseDialog::setContentWidget(QWidget *widget)
{
    deleteLayoutItems(ui->BorderLayout);
    delete ui->m_labelNULL;
    ui->m_labelNULL = nullptr;
    ui->BorderLayout->addWidget(widget);
}

void BaseDialog::setDialogFixedSize(int width, int height)
{
    setFixedSize(width, height);
    const int content = height - barHeight(m_title) - barHeight(ui->m_BaseDialogBottom);
    ui->mainBorder->setFixedSize(width, qMax(0, content));
}

void BaseDialog::setDialogFixedSize(const QSize &size)
{
    setDialogFixedSize(size.width(), size.height());
}

void BaseDialog::addTitleButton(QWidget *widget)
{
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        m_title->addCustomButton(button);
}

void BaseDialog::addBottomWidget(QWidget *widget)
{
    ui->layoutMyBtns->addWidget(widget);
}

void execNotice(const QString &title, const QString &text)
{
    BaseDialog notice(false, false, false, false, true, false, false);
    notice.setFixedSize(350, 220);
    notice.setTitle(title);
    notice.setBottomVisible(false);
    notice.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    notice.setDefaultText(text);
    notice.exec();
}

} // namespace aptui
