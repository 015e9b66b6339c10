#pragma once

#include <QList>
#include <QMenu>

class QAbstractButton;

namespace aptui {

// Frameless, translucent popup menu whose border and shadow come from the
// style sheet alone: the window system's own drop shadow is switched off.
// Where the screen cannot blend a translucent window (no compositing
// manager on X11) the menu carries the property "opaquePanel", with which
// the style sheet paints it opaque with a plain border, without the shadow's
// margin that would show black.
class Menu final : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Menu)

public:
    explicit Menu(const QString &title, QWidget *parent = nullptr);
    explicit Menu(QWidget *parent = nullptr);
    ~Menu() override;

    // Submenus of this same kind; these hide QMenu's, which would make plain menus.
    Menu *addMenu(const QString &title);
    Menu *addMenu(const QIcon &icon, const QString &title);
    QAction *addMenu(QMenu *menu);

protected:
    bool event(QEvent *event) override;
    // A panel of buttons in the menu (a widget action) reached with the
    // arrow keys hands the keyboard to its first button: Left and Right move
    // between its buttons, Return and Space press one, Up and Down leave it.
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initMenu();
    // The buttons that take the keyboard in the panel of the active entry,
    // left to right; none when the active entry is no panel.
    QList<QAbstractButton *> panelButtons() const;
    // Sets "opaquePanel" as screenCompositing() answers now; run before each
    // popup, since a compositing manager may start or stop while the program
    // runs.
    void applyPanelLook();
};

} // namespace aptui
