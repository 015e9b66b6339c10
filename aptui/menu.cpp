#include "aptui/menu.h"

#include "aptui/screencompositing.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QVariant>
#include <QWidgetAction>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace aptui {

namespace {
const char *const kOpaquePanel = "opaquePanel";
} // namespace

#ifdef Q_OS_WIN
namespace {
// All popup windows share one window class, so its style changes once per process.
bool s_dropShadowRemoved = false;
// Cleared while the class changes, so that the events that change raises
// do not come back into it.
bool s_dropShadowHandlerEnabled = true;
} // namespace
#endif

Menu::Menu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
    initMenu();
}

Menu::Menu(QWidget *parent)
    : QMenu(parent)
{
    initMenu();
}

Menu::~Menu() = default;

void Menu::initMenu()
{
    Qt::WindowFlags flags = windowFlags() | Qt::Popup | Qt::FramelessWindowHint;
#ifndef Q_OS_WIN
    // Without window classes the shadow is declined per window instead.
    flags |= Qt::NoDropShadowWindowHint;
#endif
    setWindowFlags(flags);
    setAttribute(Qt::WA_TranslucentBackground);
    applyPanelLook();
    setObjectName(QStringLiteral("Menu"));
    // Before the menu measures itself for the popup.
    connect(this, &QMenu::aboutToShow, this, &Menu::applyPanelLook);
}

void Menu::applyPanelLook()
{
    // The window stays one with an alpha channel either way (making it
    // anew while the program runs is not worth the risk): the opaque panel
    // paints every pixel at full alpha, which shows right without
    // compositing too.
    const bool translucent = screenCompositing();
    const QVariant opaque = property(kOpaquePanel);
    if (opaque.isValid() && opaque.toBool() != translucent)
        return;

    setProperty(kOpaquePanel, !translucent);
    // The style sheet selects on the property only when it polishes anew,
    // and the menu measures its items again only after a style change; the
    // first decision comes before the first polish.
    if (opaque.isValid()) {
        style()->unpolish(this);
        style()->polish(this);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(this, &styleChange);
    }
}

Menu *Menu::addMenu(const QString &title)
{
    auto *menu = new Menu(title, this);
    QMenu::addAction(menu->menuAction());
    return menu;
}

Menu *Menu::addMenu(const QIcon &icon, const QString &title)
{
    Menu *menu = addMenu(title);
    menu->setIcon(icon);
    return menu;
}

QAction *Menu::addMenu(QMenu *menu)
{
    return QMenu::addMenu(menu);
}

QList<QAbstractButton *> Menu::panelButtons() const
{
    const auto *panel = qobject_cast<QWidgetAction *>(activeAction());
    if (!panel || !panel->defaultWidget())
        return {};
    QList<QAbstractButton *> buttons = panel->defaultWidget()->findChildren<QAbstractButton *>();
    buttons.removeIf([](const QAbstractButton *button) {
        return !button->isVisible() || !button->isEnabled() || !(button->focusPolicy() & Qt::TabFocus);
    });
    std::stable_sort(buttons.begin(), buttons.end(), [](const QAbstractButton *a, const QAbstractButton *b) {
        return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
    });
    return buttons;
}

void Menu::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
    if (button && isAncestorOf(button)
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QMenu::keyPressEvent(event);
    if (!isVisible())
        return;
    const QList<QAbstractButton *> buttons = panelButtons();
    QWidget *focus = QApplication::focusWidget();
    if (buttons.isEmpty()) {
        // The buttons of a panel left behind take no more keys.
        if (focus && isAncestorOf(focus))
            focus->clearFocus();
    } else if (!buttons.contains(focus)) {
        // Up and Down stay the menu's keys while a button has the keyboard.
        for (QAbstractButton *button : buttons)
            button->installEventFilter(this);
        buttons.constFirst()->setFocus(Qt::TabFocusReason);
    }
}

bool Menu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            keyPressEvent(key);
            return true;
        }
    }
    return QMenu::eventFilter(watched, event);
}

bool Menu::focusNextPrevChild(bool next)
{
    // Left and Right on a panel's button (and Tab) move between its buttons.
    const QList<QAbstractButton *> buttons = panelButtons();
    const int at = buttons.indexOf(QApplication::focusWidget());
    if (at < 0)
        return QMenu::focusNextPrevChild(next);
    const int count = int(buttons.size());
    buttons.at((at + (next ? 1 : count - 1)) % count)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool Menu::event(QEvent *event)
{
#ifdef Q_OS_WIN
    if (event->type() == QEvent::WinIdChange && !s_dropShadowRemoved && s_dropShadowHandlerEnabled) {
        s_dropShadowHandlerEnabled = false;
        const HWND window = reinterpret_cast<HWND>(winId());
        const DWORD classStyle = GetClassLongW(window, GCL_STYLE);
        SetClassLongW(window, GCL_STYLE, static_cast<LONG>(classStyle & ~DWORD(CS_DROPSHADOW)));
        s_dropShadowRemoved = true;
        s_dropShadowHandlerEnabled = true;
    }
#endif
    return QMenu::event(event);
}

} // namespace aptui
