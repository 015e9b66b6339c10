#include "aptui/windowtitle.h"

#include "platform/chboxlayout.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>

namespace aptui {

namespace {

constexpr int kTitleHeight = 35;
constexpr int kButtonSide = 24;

} // namespace

WindowTitle::WindowTitle(QWidget *parent)
    : CFancyTitle(parent)
    , m_labelTitle(new QLabel(this))
    , m_btnIcon(createButton("m_btnIcon", QString()))
    , m_btnMinimize(createButton("m_btnMinimize", tr("Minimize")))
    , m_btnMaximize(createButton("m_btnMaximize", tr("Maximize")))
    , m_btnClose(createButton("m_btnClose", tr("Close")))
    , m_btnSystemMenu(createButton("m_btnSystemMenu", tr("Menu")))
{
    setFixedHeight(kTitleHeight);
    // Double clicks maximise and also rename the maximise button, so the
    // title handles them instead of the base.
    SetOpenDoubleClickEnable(false);

    m_labelTitle->setObjectName(QStringLiteral("m_labelTitle"));
    m_btnIcon->setFocusPolicy(Qt::NoFocus);
    m_btnIcon->setAccessibleName(QCoreApplication::applicationName());
    m_btnClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    auto *buttonBox = new QWidget(this);
    auto *buttonLayout = new QHBoxLayout(buttonBox);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->setSpacing(0);
    buttonLayout->addStretch();
    buttonLayout->addWidget(m_btnSystemMenu);
    buttonLayout->addSpacerItem(new QSpacerItem(12, 1, QSizePolicy::Fixed, QSizePolicy::Fixed));
    buttonLayout->addWidget(m_btnMinimize);
    buttonLayout->addWidget(m_btnMaximize);
    buttonLayout->addWidget(m_btnClose);

    auto *layout = new OrvaneGUIToolkit::CHBoxLayout(this);
    layout->SetLayoutContentsMargins(4, 0, 4, 0);
    layout->SetLayoutSpacing(10);
    layout->AddWidget(m_btnIcon);
    layout->AddItem(new OrvaneGUIToolkit::CWidgetItem(m_labelTitle, Qt::AlignLeft), 0);
    layout->AddItem(new QSpacerItem(5, 1, QSizePolicy::Fixed, QSizePolicy::Fixed), 0);
    layout->AddWidget(buttonBox);

    connect(m_btnMinimize, &QToolButton::clicked, this, &WindowTitle::minimizeWindow);
    // Queued: the window changes size only after the click has been handled.
    connect(m_btnMaximize, &QToolButton::clicked, this, &WindowTitle::maxOrRestoreWindow,
            Qt::QueuedConnection);
    connect(m_btnClose, &QToolButton::clicked, this, &WindowTitle::closeWindow);
    connect(m_btnSystemMenu, &QToolButton::clicked, this, &WindowTitle::displaySyetemMenu);
}

WindowTitle::~WindowTitle() = default;

QToolButton *WindowTitle::createButton(const char *objectName, const QString &toolTip)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(kButtonSide, kButtonSide);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setToolTip(toolTip);
    // Icon-only: the tool tip is also what a screen reader says.
    button->setAccessibleName(toolTip);
    button->setAutoRaise(true);
    return button;
}

void WindowTitle::setText(const QString &text)
{
    m_labelTitle->setText(text);
}

void WindowTitle::setIcon(const QIcon &icon)
{
    m_btnIcon->setIcon(icon);
}

void WindowTitle::minimizeWindow()
{
    if (QWidget *window = OrvaneGUIToolkit::GetIndependentWindow(this, nullptr))
        window->showMinimized();
}

void WindowTitle::maxOrRestoreWindow()
{
    QWidget *window = OrvaneGUIToolkit::GetIndependentWindow(this, nullptr);
    if (!window)
        return;
    if (IsMaximized(window)) {
        ShowNormal(window, QSize());
        m_btnMaximize->setObjectName(QStringLiteral("m_btnMaximize"));
        m_btnMaximize->setToolTip(tr("Maximize"));
    } else {
        ShowMaximized(window);
        m_btnMaximize->setObjectName(QStringLiteral("m_btnResore"));
        m_btnMaximize->setToolTip(tr("Restore"));
    }
    m_btnMaximize->setAccessibleName(m_btnMaximize->toolTip());
    // Object-name selectors are matched at polish time only.
    m_btnMaximize->style()->unpolish(m_btnMaximize);
    m_btnMaximize->style()->polish(m_btnMaximize);
    m_btnMaximize->update();
}

void WindowTitle::closeWindow()
{
    if (QWidget *window = OrvaneGUIToolkit::GetIndependentWindow(this, nullptr)) {
        window->close();
        emit signalCloseApp();
    }
}

void WindowTitle::displaySyetemMenu()
{
    if (OrvaneGUIToolkit::GetIndependentWindow(this, nullptr))
        emit signalSystemMenu();
}

void WindowTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    maxOrRestoreWindow();
    emit SignalWndSizeStatusChanged();
    event->accept();
}

} // namespace aptui
