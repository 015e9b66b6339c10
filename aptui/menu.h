#pragma once

#include <QMenu>

namespace aptui {

// Frameless, translucent popup menu whose border and shadow come from the
// style sheet alone: the window system's own drop shadow is switched off.
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
};

} // namespace aptui
