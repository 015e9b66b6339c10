#pragma once

#include <QMenu>

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

private:
    void initMenu();
    // Sets "opaquePanel" as screenCompositing() answers now; run before each
    // popup, since a compositing manager may start or stop while the program
    // runs.
    void applyPanelLook();
};

} // namespace aptui
