#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace aptui {
class Menu;
}

// The plan's part of the title-bar menu: New, Open..., the recent plans,
// Save, Save As..., Undo, Redo, Export Report..., Print..., the language, the
// high-contrast look and the text size.
// Each entry's shortcut works anywhere in `window`, the menu open or not;
// what an entry does is the window's, which it asks for with a signal.
class PlanMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlanMenu)

public:
    // Adds the entries to `menu`; `interfaceLanguage` is the language the
    // window's texts were made in, which the language entries mark.
    PlanMenu(aptui::Menu *menu, QWidget *window, int interfaceLanguage);

    void setHistory(bool canUndo, bool canRedo);

signals:
    void newPlan();
    void openPlan();
    void openRecentPlan(const QString &path);
    void savePlan();
    void savePlanAs();
    void undo();
    void redo();
    void exportReport();
    void printReport();
    // Another language than the interface's was chosen (and stored).
    void languageChosen();

private:
    QAction *addEntry(const QString &text, const QList<QKeySequence> &keys, void (PlanMenu::*signal)());
    void addLanguages(int interfaceLanguage);
    void addLook();
    void refreshRecentPlans();

    aptui::Menu *m_pMenu;
    QWidget *m_pWindow;
    aptui::Menu *m_pRecentMenu = nullptr;
    QAction *m_pUndoAction = nullptr;
    QAction *m_pRedoAction = nullptr;
};
